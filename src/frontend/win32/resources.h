#pragma once

// The numbers of the icons in slumbrix.exe, shared by the resource script and the window
// system. The shell shows a program's first icon for its file: numbered resources come in
// the order of their numbers (after any named ones), so the program icon has the lowest.
#define SLUMBRIX_ICON_PROGRAM 1
#define SLUMBRIX_ICON_ABOUT 2
