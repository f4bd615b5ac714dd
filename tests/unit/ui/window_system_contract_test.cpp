// The window system contract on the headless window system that every core test runs on.
#include "support/window_system_contract.h"

#include "support/headless_window_system.h"
#include "ui/menu.h"

namespace slumbrix::test {
namespace {

class HeadlessDriver {
 public:
  WindowSystem& windowSystem() { return ws_; }
  void wait(int milliseconds) { ws_.advance(milliseconds); }
  bool isShown(const Form& form) const {
    if (ws_.windowHandle(form) == 0) return false;
    for (auto entry = ws_.windowLog.rbegin(); entry != ws_.windowLog.rend(); ++entry) {
      const std::size_t space = entry->find(' ');
      if (entry->substr(space + 1) == form.name()) return entry->substr(0, space) != "hide";
    }
    return false;
  }
  // No window of its own to block: the form's own rule is all there is.
  bool takesInput(const Form& form) const { return form.takesInput(); }
  void closeBox(Form& form) { (void)form.requestClose(); }
  // No menu bar of its own: the visible top-level menus, as a bar would show them.
  std::vector<std::string> menuBar(const Form& form) const {
    std::vector<std::string> captions;
    for (Control* c : form.controls())
      if (c->kind() == ControlKind::Menu && c->container() == &form && c->Visible())
        captions.push_back(static_cast<Menu*>(c)->Caption());
    return captions;
  }
  void chooseOnBar(Form&, Menu& item) { (void)item.click(); }
  std::vector<std::string> popup(Form& form, Menu& menu, const std::string& choice) {
    ws_.popupChoice = choice;
    ws_.popupMenu(form, menu);
    ws_.popupChoice.clear();
    std::vector<std::string> shown = ws_.popupShown;
    for (std::string& caption : shown)
      if (caption == "-") caption = kSeparator;
    return shown;
  }
  MessageBoxSeen messageBox(const std::string& text, std::uint32_t style,
                            const std::string& title) {
    const std::size_t before = ws_.messageBoxes.size();
    MessageBoxSeen seen;
    seen.answer = ws_.messageBox(text, style, title);
    if (ws_.messageBoxes.size() > before) {
      seen.text = ws_.messageBoxes.back().text;
      seen.title = ws_.messageBoxes.back().title;
    }
    return seen;
  }
  // One kind of timer: every tick on time.
  std::optional<bool> runsCoarse(const Timer&) const { return std::nullopt; }
  bool ended() const { return ws_.ended(); }

 private:
  HeadlessWindowSystem ws_;
};

INSTANTIATE_TYPED_TEST_SUITE_P(Headless, WindowSystemContract, HeadlessDriver);

}  // namespace
}  // namespace slumbrix::test
