#pragma once

#include <QMessageBox>

#include <cstdint>
#include <string>

namespace slumbrix {

// A Windows message box style as Qt shows it: the icon (16 stop, 32 question, 48 exclamation,
// 64 information, 0 none) over the OK button, the one button the program's message boxes have.
struct MessageBoxStyle {
  QMessageBox::Icon icon = QMessageBox::NoIcon;
};
MessageBoxStyle messageBoxStyle(std::uint32_t style);

// The Windows answer for the button pressed: IDOK (1) for OK, 0 for none.
int windowsAnswer(QMessageBox::StandardButton button);

// Shows a modal message box and returns the Windows answer.
int showMessageBox(const std::string& text, std::uint32_t style, const std::string& title);

}  // namespace slumbrix
