#pragma once

#include <QPointer>

#include <functional>
#include <map>
#include <vector>

#include "frontend/qt/form_window.h"
#include "frontend/qt/keys_qt.h"
#include "platform/linux/native_windows.h"
#include "ui/window_system.h"

namespace slumbrix {

// The control model shown with Qt widgets. Forms become fixed-size windows centred on the
// screen; timers are QTimers, precise unless coarse; message boxes are QMessageBoxes. Needs a
// QApplication.
//
// The forms go before the window system: it deletes the windows left at its end without
// telling their controls.
class QtWindowSystem : public WindowSystem, public NativeWindows {
 public:
  QtWindowSystem();
  ~QtWindowSystem() override;

  void createPeers(Form& form) override;
  void destroyPeers(Form& form) override;
  void showForm(Form& form, Form* modalOwner) override;
  void hideForm(Form& form) override;
  void minimizeForm(Form& form) override;
  void popupMenu(Form& form, Menu& menu) override;
  int messageBox(const std::string& text, std::uint32_t style, const std::string& title) override;
  std::string clipboardText() const override;
  void setClipboardText(const std::string& text) override;
  int twipsPerPixelX() const override;
  int twipsPerPixelY() const override;
  Handle windowHandle(const Form& form) const override;
  Handle iconHandle(const Form& form) const override;
  void endProgram() override;

  QWidget* nativeWindow(Handle window) const override;
  QIcon nativeIcon(Handle icon) const override;

  // The window of a loaded form; null otherwise.
  FormWindow* window(const Form& form) const;
  // The loaded form whose window has this handle; null when there is none.
  Form* formOf(Handle window) const;
  bool ended() const { return ended_; }
  // The loaded forms, in no particular order.
  std::vector<Form*> forms() const;
  // What ending the program does after the windows are gone: by default it quits the
  // application's event loop, also when that has not started yet.
  void setOnEnd(std::function<void()> onEnd) { onEnd_ = std::move(onEnd); }

 private:
  KeyFilter keys_;
  std::map<const Form*, QPointer<FormWindow>> windows_;
  Handle nextHandle_ = 0x10010;
  bool ended_ = false;
  std::function<void()> onEnd_;
};

}  // namespace slumbrix
