#pragma once

#include <QMessageBox>

#include <cstdint>
#include <string>

namespace slumbrix {

// A Windows message box style as Qt shows it: the icon (16 stop, 32 question, 48 exclamation,
// 64 information, 0 none) and the buttons (0 OK, 1 OK Cancel, 2 Abort Retry Ignore,
// 3 Yes No Cancel, 4 Yes No, 5 Retry Cancel).
struct MessageBoxStyle {
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QMessageBox::StandardButtons buttons = QMessageBox::Ok;
};
MessageBoxStyle messageBoxStyle(std::uint32_t style);

// The Windows answer (IDOK 1, IDCANCEL 2, IDABORT 3, IDRETRY 4, IDIGNORE 5, IDYES 6, IDNO 7)
// for the button pressed; 0 for none.
int windowsAnswer(QMessageBox::StandardButton button);

// Shows a modal message box and returns the Windows answer.
int showMessageBox(const std::string& text, std::uint32_t style, const std::string& title);

}  // namespace slumbrix
