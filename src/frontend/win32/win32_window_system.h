#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "ui/window_system.h"

namespace slumbrix {

namespace win32 {
class FormWindow;
class Toolkit;
}  // namespace win32

// The native window system of the Windows build: each form becomes a top-level window and
// each control a native control (or, for frames and picture boxes, a small window of our
// own that contains the controls inside them). User input enters the model only through the
// controls' user-input calls; the native controls then show what the model holds.
class Win32WindowSystem : public WindowSystem {
 public:
  Win32WindowSystem();
  ~Win32WindowSystem() override;
  Win32WindowSystem(const Win32WindowSystem&) = delete;
  Win32WindowSystem& operator=(const Win32WindowSystem&) = delete;

  // Runs the message loop until the program ends (endProgram or a quit message); returns the
  // process exit code.
  int run();
  // Hands a key pressed or let go in a form's window to the form (Form::keyDown, keyUp) before
  // the window sees it. `message` is a MSG; true when the form took the key, which then goes
  // no further (not even to TranslateMessage).
  bool translateKey(const void* message);
  // Frees the objects of forms that were unloaded; runs between messages.
  void releaseRetired();
  bool ended() const { return ended_; }

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

 private:
  win32::FormWindow* find(const Form& form) const;

  std::unique_ptr<win32::Toolkit> toolkit_;
  std::map<const Form*, std::unique_ptr<win32::FormWindow>> forms_;
  // Windows already destroyed whose objects may still be on the call stack.
  std::vector<std::unique_ptr<win32::FormWindow>> retired_;
  bool ended_ = false;
};

}  // namespace slumbrix
