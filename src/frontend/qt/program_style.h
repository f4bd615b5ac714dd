#pragma once

namespace slumbrix {

// Makes the program's style the application's: the usual style of the desktop (or the one the
// user asked for with -style), with one difference. The icon of a menu bar's extension button,
// shown only when the menus do not fit the bar, is read when it is first drawn instead of when
// the menu bar is made. Reading it at once would load and keep every image plugin, to ask each
// whether it reads the file, for a button that a window with one menu never shows.
//
// Call after the QApplication is made and before the first widget.
void installProgramStyle();

}  // namespace slumbrix
