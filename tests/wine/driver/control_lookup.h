#pragma once

// Finding the program's windows and controls from outside, through window messages only.

#include <windows.h>

#include <string>
#include <vector>

namespace slumbrix::wine {

// A visible-or-hidden top-level window of the given class and title; null when none.
HWND findTopLevel(const char* className, const std::string& title);
// The control that the program named `name` ("txtPeriod", "opt(1)"), below `top`.
HWND findControl(HWND top, const std::string& name);
// The name the program gave a control window; "" for other windows.
std::string controlName(HWND window);
std::string windowText(HWND window);
// The items of a combo box, read with the Unicode messages (which also work across
// processes) and converted to the ANSI code page.
std::vector<std::string> comboItems(HWND combo);
int comboSelection(HWND combo);

}  // namespace slumbrix::wine
