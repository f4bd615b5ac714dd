#include "frontend/win32/form_window.h"

#include "frontend/win32/keys_win32.h"
#include "frontend/win32/pane_window.h"
#include "frontend/win32/resources.h"
#include "frontend/win32/simple_controls.h"
#include "frontend/win32/text_box_window.h"
#include "ui/placement.h"

namespace slumbrix::win32 {

namespace {

// The icon resource of a form: the program's forms name their icons "slumbrix" and
// "about", which the resource script numbers; a form without one shows the program icon.
LPCSTR iconResource(const std::string& name) {
  if (name.empty() || name == "slumbrix") return MAKEINTRESOURCEA(SLUMBRIX_ICON_PROGRAM);
  if (name == "about") return MAKEINTRESOURCEA(SLUMBRIX_ICON_ABOUT);
  return name.c_str();
}

std::unique_ptr<ControlWindow> makeControlWindow(FormWindow& owner, Control& control) {
  switch (control.kind()) {
    case ControlKind::Frame:
      return std::make_unique<FrameWindow>(owner, control);
    case ControlKind::PictureBox:
      return std::make_unique<PictureWindow>(owner, control);
    case ControlKind::Label:
      return std::make_unique<LabelWindow>(owner, control);
    case ControlKind::TextBox:
      return std::make_unique<TextBoxWindow>(owner, control);
    case ControlKind::CommandButton:
      return std::make_unique<CommandButtonWindow>(owner, control);
    case ControlKind::CheckBox:
      return std::make_unique<CheckBoxWindow>(owner, control);
    case ControlKind::OptionButton:
      return std::make_unique<OptionButtonWindow>(owner, control);
    case ControlKind::ComboBox:
      return std::make_unique<ComboBoxWindow>(owner, control);
    case ControlKind::VScrollBar:
      return std::make_unique<ScrollBarWindow>(owner, control);
    default:
      return nullptr;  // forms, timers and menus have no control window
  }
}

DWORD formStyle(const Form& form) {
  DWORD style = WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
  if (!form.fixedDialog) style |= WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
  return style;
}

DWORD formExStyle(const Form& form) {
  return WS_EX_CONTROLPARENT | (form.fixedDialog ? WS_EX_DLGMODALFRAME : 0);
}

// The mouse state of a mouse message as the form's MouseMove reports it.
int mouseButtons(WPARAM state) {
  return ((state & MK_LBUTTON) != 0 ? 1 : 0) | ((state & MK_RBUTTON) != 0 ? 2 : 0) |
         ((state & MK_MBUTTON) != 0 ? 4 : 0);
}

int shiftState(WPARAM state) {
  return ((state & MK_SHIFT) != 0 ? 1 : 0) | ((state & MK_CONTROL) != 0 ? 2 : 0) |
         ((heldModifiers() & kAltModifier) != 0 ? 4 : 0);
}

}  // namespace

// Keeps a native timer in step with the model's Enabled and Interval.
class FormWindow::TimerPeer : public ControlPeer {
 public:
  TimerPeer(FormWindow& owner, Timer& timer) : owner_(owner), timer_(timer) {}
  void propertyChanged(Control&, Property property) override {
    if (property == Property::Enabled || property == Property::Interval)
      owner_.restartTimer(timer_);
  }

 private:
  FormWindow& owner_;
  Timer& timer_;
};

FormWindow::FormWindow(Toolkit& toolkit, Form& form) : toolkit_(toolkit), form_(form) {}

// The form may be gone by now: only the windows are destroyed.
FormWindow::~FormWindow() {
  destroyWindows();
}

void FormWindow::create() {
  HWND owner = form_.showInTaskbar ? nullptr : toolkit_.hiddenOwner();
  CreateWindowExA(formExStyle(form_), kFormClass, text(form_.Caption()), formStyle(form_),
                  CW_USEDEFAULT, CW_USEDEFAULT, 100, 100, owner, nullptr, toolkit_.instance(),
                  this);
  if (hwnd_ == nullptr) return;
  form_.setPeer(this);
  loadIcons();
  createMenus();
  rebuildMenuBar();
  createControls();
  resizeToClientArea();
  if (form_.startCentered) center();
  applyEnabled();
  showFocusCues();
}

void FormWindow::createControls() {
  UINT_PTR nextTimerId = 1;
  for (Control* c : form_.controls()) {
    if (c->kind() == ControlKind::Timer) {
      auto& timer = static_cast<Timer&>(*c);
      timerIds_[&timer] = nextTimerId++;
      peers_.push_back(std::make_unique<TimerPeer>(*this, timer));
      c->setPeer(peers_.back().get());
      restartTimer(timer);
      continue;
    }
    std::unique_ptr<ControlWindow> window = makeControlWindow(*this, *c);
    if (window == nullptr) continue;
    HWND parent = hwnd_;
    if (auto it = byControl_.find(c->container()); it != byControl_.end()) {
      if (HWND content = it->second->contentWindow()) parent = content;
    }
    window->create(parent);
    c->setPeer(window.get());
    byControl_[c] = window.get();
    controls_.push_back(std::move(window));
  }
  for (auto& window : controls_) {
    if (auto* frame = dynamic_cast<FrameWindow*>(window.get())) frame->sendGroupBoxBack();
  }
}

void FormWindow::loadIcons() {
  const LPCSTR name = iconResource(form_.icon);
  bigIcon_ =
      static_cast<HICON>(LoadImageA(toolkit_.instance(), name, IMAGE_ICON,
                                    GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON), 0));
  smallIcon_ = static_cast<HICON>(LoadImageA(toolkit_.instance(), name, IMAGE_ICON,
                                             GetSystemMetrics(SM_CXSMICON),
                                             GetSystemMetrics(SM_CYSMICON), 0));
  if (bigIcon_ != nullptr)
    SendMessageA(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon_));
  if (smallIcon_ != nullptr)
    SendMessageA(hwnd_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_));
}

void FormWindow::resizeToClientArea() {
  RECT r{0, 0, toolkit_.pixelsX(form_.clientWidth), toolkit_.pixelsY(form_.clientHeight)};
  AdjustWindowRectEx(&r, formStyle(form_), menuBar_ != nullptr ? TRUE : FALSE, formExStyle(form_));
  SetWindowPos(hwnd_, nullptr, 0, 0, r.right - r.left, r.bottom - r.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void FormWindow::center() {
  RECT work;
  if (SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0) == FALSE)
    work = RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  RECT r;
  GetWindowRect(hwnd_, &r);
  const ScreenPoint at =
      centredPlacement(r.right - r.left, r.bottom - r.top,
                       {work.left, work.top, work.right - work.left, work.bottom - work.top});
  SetWindowPos(hwnd_, nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void FormWindow::destroy() {
  if (!live()) return;
  for (Control* c : form_.controls()) c->setPeer(nullptr);
  form_.setPeer(nullptr);
  releaseOwner();
  destroyWindows();
}

void FormWindow::destroyWindows() {
  retire();
  for (auto& window : controls_) window->retire();
  if (hwnd_ != nullptr && IsWindow(hwnd_) != FALSE) {
    for (auto& [timer, id] : timerIds_) KillTimer(hwnd_, id);
    removeMenuProperties();
    SetMenu(hwnd_, nullptr);
    DestroyWindow(hwnd_);
  }
  for (auto& window : controls_) window->destroy();
  if (menuBar_ != nullptr) DestroyMenu(menuBar_);
  if (bigIcon_ != nullptr) DestroyIcon(bigIcon_);
  if (smallIcon_ != nullptr) DestroyIcon(smallIcon_);
  menuBar_ = nullptr;
  bigIcon_ = smallIcon_ = nullptr;
  hwnd_ = nullptr;
}

void FormWindow::restartTimer(Timer& timer) {
  const auto it = timerIds_.find(&timer);
  if (it == timerIds_.end() || hwnd_ == nullptr || !live()) return;
  // Enabling again or a new interval starts a fresh interval.
  if (timer.running()) {
    SetTimer(hwnd_, it->second, static_cast<UINT>(timer.Interval()), nullptr);
  } else {
    KillTimer(hwnd_, it->second);
  }
}

void FormWindow::show(FormWindow* modalOwner) {
  if (modalOwner != nullptr && modalOwner != this) {
    releaseOwner();
    modalOwner_ = modalOwner;
    SetWindowLongPtrA(hwnd_, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(modalOwner->hwnd()));
    EnableWindow(modalOwner->hwnd(), FALSE);
  }
  if (modalOwner_ == nullptr && IsWindowVisible(hwnd_) == FALSE) applyTaskbarOwner();
  ShowWindow(hwnd_, IsIconic(hwnd_) != FALSE ? SW_RESTORE : SW_SHOW);
  SetForegroundWindow(hwnd_);
  BringWindowToTop(hwnd_);
}

void FormWindow::releaseOwner() {
  if (modalOwner_ == nullptr) return;
  FormWindow* owner = modalOwner_;
  modalOwner_ = nullptr;
  if (!owner->live() || owner->hwnd() == nullptr) return;
  // Enabled again before this window goes, so that the owner takes the activation back.
  EnableWindow(owner->hwnd(), owner->form().Enabled() ? TRUE : FALSE);
  HWND plainOwner = form_.showInTaskbar ? nullptr : toolkit_.hiddenOwner();
  if (hwnd_ != nullptr) {
    const bool active = GetActiveWindow() == hwnd_;
    SetWindowLongPtrA(hwnd_, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(plainOwner));
    if (active && IsWindowVisible(owner->hwnd()) != FALSE) SetActiveWindow(owner->hwnd());
  }
}

void FormWindow::hide() {
  releaseOwner();
  ShowWindow(hwnd_, SW_HIDE);
}

void FormWindow::minimize() {
  releaseOwner();
  // The taskbar looks at the owner when a window is shown: hidden first, shown again.
  if (IsWindowVisible(hwnd_) != FALSE) ShowWindow(hwnd_, SW_HIDE);
  applyTaskbarOwner();
  ShowWindow(hwnd_, SW_SHOWMINNOACTIVE);
}

void FormWindow::applyTaskbarOwner() {
  // An owned window has no taskbar button; one without an owner has.
  HWND owner = form_.showInTaskbar ? nullptr : toolkit_.hiddenOwner();
  if (reinterpret_cast<HWND>(GetWindowLongPtrA(hwnd_, GWLP_HWNDPARENT)) != owner)
    SetWindowLongPtrA(hwnd_, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(owner));
}

void FormWindow::applyEnabled() {
  if (hwnd_ == nullptr) return;
  for (auto& window : controls_) window->applyEnabled();
}

void FormWindow::propertyChanged(Control&, Property property) {
  if (!live() || hwnd_ == nullptr) return;
  if (property == Property::Caption) SetWindowTextA(hwnd_, text(form_.Caption()));
  if (property == Property::Enabled && modalOwner_ == nullptr && form_.modalChild() == nullptr)
    EnableWindow(hwnd_, form_.Enabled() ? TRUE : FALSE);
}

void FormWindow::onTimer(WPARAM id) {
  for (auto& [timer, timerId] : timerIds_) {
    if (timerId == id) {
      const_cast<Timer*>(timer)->tick();
      return;
    }
  }
}

// The notification-area icon's messages arrive here too: the shell sends the icon's
// callback message, WM_MOUSEMOVE, with the mouse message in place of x.
void FormWindow::onMouseMove(WPARAM state, LPARAM position) {
  const int x = static_cast<short>(LOWORD(position));
  const int y = static_cast<short>(HIWORD(position));
  form_.mouseMove(mouseButtons(state), shiftState(state),
                  static_cast<double>(x) * toolkit_.twipsPerPixelX(),
                  static_cast<double>(y) * toolkit_.twipsPerPixelY());
}

bool FormWindow::onMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  result = 0;
  switch (message) {
    case WM_CLOSE:
      form_.requestClose();
      return true;
    case WM_TIMER:
      onTimer(wParam);
      // Also inside a message box's or a menu's own loop.
      PictureWindow::refreshPending();
      return true;
    case WM_COMMAND:
      if (Menu* menu = menuForCommand(LOWORD(wParam)); menu != nullptr && HIWORD(wParam) == 0)
        menu->click();
      return true;
    case WM_CHAR:
      form_.keyPress(static_cast<std::int16_t>(wParam & 0xFF));
      return true;
    case WM_MOUSEMOVE:
      onMouseMove(wParam, lParam);
      return true;
    case WM_ACTIVATE:
      onActivate(wParam);
      return true;
    case WM_ERASEBKGND: {
      RECT r;
      GetClientRect(hwnd_, &r);
      FillRect(reinterpret_cast<HDC>(wParam), &r, toolkit_.brush(toolkit_.backgroundOf(form_)));
      result = 1;
      return true;
    }
    default:
      if (message != 0 && message == toolkit_.taskbarCreatedMessage()) {
        form_.taskbarCreated();
        return true;
      }
      return false;
  }
}

}  // namespace slumbrix::win32
