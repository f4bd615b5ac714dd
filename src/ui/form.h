#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ui/control.h"
#include "ui/keys.h"
#include "ui/window_system.h"

namespace slumbrix {

// A window: a captioned client area of fixed size holding controls and menus. The form owns
// its controls; a derived form adds them in its constructor with their design-time values.
class Form : public Control {
 public:
  // The window system must outlive the form.
  Form(std::string name, WindowSystem& windowSystem);
  ~Form() override;

  WindowSystem& windowSystem() { return windowSystem_; }
  const WindowSystem& windowSystem() const { return windowSystem_; }

  const std::string& Caption() const { return caption_; }
  void setCaption(std::string caption);
  int clientWidth = 0;   // twips
  int clientHeight = 0;  // twips
  // Whether the window has a taskbar button; read each time it is shown or minimised.
  bool showInTaskbar = true;
  bool fixedDialog = true;  // not resizable, no minimise or maximise box
  bool startCentered = true;
  std::string icon;  // resource name of the window icon
  // The menu of the window's tray icon, for notification areas that show an icon's menu
  // themselves; its items are clicked like those of any pop-up menu.
  Menu* trayMenu = nullptr;

  // Adds a control with this form's ownership. container is null for the form itself.
  template <class T, class... Args>
  T& add(Control* container, Args&&... args) {
    auto control = std::make_unique<T>(std::forward<Args>(args)...);
    T& ref = *control;
    ref.setContainer(container == nullptr ? this : container);
    ref_ptr(std::move(control));
    return ref;
  }
  // Every control and menu, in the order they were added.
  const std::vector<Control*>& controls() const { return raw_; }
  Control* find(const std::string& name, int index = -1) const;

  bool isLoaded() const { return loaded_; }
  bool isShown() const { return shown_; }
  // False while a modal form owned by this one is open.
  bool takesInput() const { return loaded_ && modalChild_ == nullptr; }
  Form* modalChild() const { return modalChild_; }

  // Loads the form (once): its window and peers are created and Load runs.
  void load();
  void show();
  void showModal(Form& owner);
  void hide();
  // Shows the window minimised; with showInTaskbar its taskbar button brings it back.
  void minimize();
  // Runs Unload; unless it cancels, the form is hidden and its window destroyed. Returns
  // false when the unload was cancelled.
  bool unload();

  std::function<void()> Initialize;
  std::function<void()> Load;
  std::function<void()> Activate;
  std::function<void(std::int16_t& cancel)> Unload;
  std::function<void(std::int16_t& keyAscii)> KeyPress;
  std::function<void(int button, int shift, double x, double y)> MouseMove;
  std::function<void()> TaskbarCreated;
  std::function<void()> TaskbarGone;

  // The tab order: the controls that can take the focus now, by tabIndex (ties in the order
  // they were added). A control can take it when it is usable, a tab stop, and of a kind that
  // takes the focus (text field, button, check box, list, spin button, and the chosen option
  // button of its group).
  std::vector<Control*> tabOrder() const;
  // Tab (forward) or Shift+Tab pressed while `from` has the focus (null, or a control outside
  // the tab order: from before the first or after the last). Returns the control the focus
  // moves to, null when none can take it. A text field reached this way has its whole text
  // selected, as in a dialog.
  Control* tab(const Control* from, bool forward);

  // User input: a character typed while no control has the focus, for the form's KeyPress.
  bool keyPress(std::int16_t keyAscii);
  // User input: a key pressed or let go in the form's window while `focus` has the focus
  // (null: no control has it). The form acts on what is its to decide (Tab, Enter on a
  // button, the arrows in an option group and on a spin button or its field, the editing and
  // clipboard keys of a text field, Escape, F10 and Alt for the menu bar) and says who deals
  // with the key (keyboard.cpp). The front end moves the focus where the outcome says.
  KeyOutcome keyDown(Control* focus, const KeyStroke& stroke);
  KeyOutcome keyUp(const KeyStroke& stroke);
  // True while the form shows a menu bar: a visible menu of its own.
  bool hasMenuBar() const;
  // A mouse move over the form, x and y in twips; the tray icon's callback arrives this way,
  // also while a modal window is open.
  bool mouseMove(int button, int shift, double x, double y);
  // The desktop's notification area was created, again after the shell restarted or a tray
  // host appeared, and starts empty (Windows' "TaskbarCreated"); or it went away with the
  // icons in it. Every loaded form hears both, also while a modal window is open.
  bool taskbarCreated();
  bool taskbarGone();
  // The close box or the system menu's Close: a request to unload. Refused (false) while
  // the form takes no input; otherwise the result of unload().
  bool requestClose();

 private:
  Control* ref_ptr(std::unique_ptr<Control> control);
  // A key pressed while no control has the focus.
  KeyOutcome formKey(const KeyStroke& stroke);
  void releaseModal();

  WindowSystem& windowSystem_;
  std::string caption_;
  std::vector<std::unique_ptr<Control>> controls_;
  std::vector<Control*> raw_;
  bool loaded_ = false;
  bool shown_ = false;
  Form* modalOwner_ = nullptr;
  Form* modalChild_ = nullptr;
  bool altAlone_ = false;  // Alt is down and no other key came since
};

}  // namespace slumbrix
