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
  using B = QMessageBox;
  switch (style & kMbTypeMask) {
    case kMbOkCancel:
      result.buttons = B::Ok | B::Cancel;
      break;
    case kMbAbortRetryIgnore:
      result.buttons = B::Abort | B::Retry | B::Ignore;
      break;
    case kMbYesNoCancel:
      result.buttons = B::Yes | B::No | B::Cancel;
      break;
    case kMbYesNo:
      result.buttons = B::Yes | B::No;
      break;
    case kMbRetryCancel:
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
      return kIdOk;
    case QMessageBox::Cancel:
      return kIdCancel;
    case QMessageBox::Abort:
      return kIdAbort;
    case QMessageBox::Retry:
      return kIdRetry;
    case QMessageBox::Ignore:
      return kIdIgnore;
    case QMessageBox::Yes:
      return kIdYes;
    case QMessageBox::No:
      return kIdNo;
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
