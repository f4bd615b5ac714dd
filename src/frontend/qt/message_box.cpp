#include "frontend/qt/message_box.h"

#include "frontend/qt/qt_text.h"
#include "platform/windows_values.h"

namespace slumbrix {

MessageBoxStyle messageBoxStyle(std::uint32_t style) {
  MessageBoxStyle result;
  switch (style & kMbIconMask) {
    case kMbIconHand:
      result.icon = QMessageBox::Critical;
      break;
    case kMbIconQuestion:
      result.icon = QMessageBox::Question;
      break;
    case kMbIconExclamation:
      result.icon = QMessageBox::Warning;
      break;
    case kMbIconInformation:
      result.icon = QMessageBox::Information;
      break;
    default:
      result.icon = QMessageBox::NoIcon;
      break;
  }
  return result;
}

int windowsAnswer(QMessageBox::StandardButton button) {
  return button == QMessageBox::Ok ? kIdOk : 0;
}

int showMessageBox(const std::string& text, std::uint32_t style, const std::string& title) {
  const MessageBoxStyle look = messageBoxStyle(style);
  QMessageBox box(look.icon, fromAnsi(title), fromAnsi(text), QMessageBox::Ok);
  box.setWindowModality(Qt::ApplicationModal);
  const int pressed = box.exec();
  return windowsAnswer(static_cast<QMessageBox::StandardButton>(pressed));
}

}  // namespace slumbrix
