#include "frontend/qt/message_box.h"

#include "frontend/qt/qt_text.h"

namespace slumbrix {

MessageBoxStyle messageBoxStyle(std::uint32_t style) {
  MessageBoxStyle result;
  switch (style & 0xF0) {
    case 0x10:
      result.icon = QMessageBox::Critical;
      break;
    case 0x20:
      result.icon = QMessageBox::Question;
      break;
    case 0x30:
      result.icon = QMessageBox::Warning;
      break;
    case 0x40:
      result.icon = QMessageBox::Information;
      break;
    default:
      result.icon = QMessageBox::NoIcon;
      break;
  }
  using B = QMessageBox;
  switch (style & 0x0F) {
    case 1:
      result.buttons = B::Ok | B::Cancel;
      break;
    case 2:
      result.buttons = B::Abort | B::Retry | B::Ignore;
      break;
    case 3:
      result.buttons = B::Yes | B::No | B::Cancel;
      break;
    case 4:
      result.buttons = B::Yes | B::No;
      break;
    case 5:
      result.buttons = B::Retry | B::Cancel;
      break;
    default:
      result.buttons = B::Ok;
      break;
  }
  return result;
}

int windowsAnswer(QMessageBox::StandardButton button) {
  switch (button) {
    case QMessageBox::Ok:
      return 1;
    case QMessageBox::Cancel:
      return 2;
    case QMessageBox::Abort:
      return 3;
    case QMessageBox::Retry:
      return 4;
    case QMessageBox::Ignore:
      return 5;
    case QMessageBox::Yes:
      return 6;
    case QMessageBox::No:
      return 7;
    default:
      return 0;
  }
}

int showMessageBox(const std::string& text, std::uint32_t style, const std::string& title) {
  const MessageBoxStyle look = messageBoxStyle(style);
  QMessageBox box(look.icon, fromAnsi(title), fromAnsi(text), look.buttons);
  box.setWindowModality(Qt::ApplicationModal);
  const int pressed = box.exec();
  return windowsAnswer(static_cast<QMessageBox::StandardButton>(pressed));
}

}  // namespace slumbrix
