// What each key does with the focus on each kind of control: one row a key.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "support/headless_window_system.h"
#include "ui/buttons.h"
#include "ui/combo_box.h"
#include "ui/form.h"
#include "ui/menu.h"
#include "ui/scroll_bar.h"
#include "ui/text_box.h"

namespace slumbrix {
namespace {

using ::testing::ElementsAre;

// A window with one control of each kind that takes keys, an option group of three in a
// frame, a number field with its spin button and a File menu.
struct KeyForm {
  KeyForm() {
    int index = 0;
    for (Control* c :
         std::initializer_list<Control*>{&cmd, &chk, &optA, &optB, &optC, &txt, &plain, &cmb})
      c->tabIndex = index++;
    vs.tabStop = false;
    vs.setRange(10, 1);
    vs.setValue(5);
    txt.spinButton = &vs;
    txt.setText("5");
    vs.Change = [this] { txt.setText(std::to_string(vs.Value())); };
    txt.KeyPress = [this](std::int16_t& key) { log.push_back("txt key " + std::to_string(key)); };
    form.KeyPress = [this](std::int16_t& key) { log.push_back("form key " + std::to_string(key)); };
    cmd.Click = [this] { log.push_back("cmd click"); };
    optA.Click = [this] { log.push_back("optA click"); };
    optB.Click = [this] { log.push_back("optB click"); };
    optC.Click = [this] { log.push_back("optC click"); };
    optA.setValue(true);
    log.clear();
    form.show();
  }

  test::HeadlessWindowSystem ws;
  Form form{"frmKeys", ws};
  CommandButton& cmd = form.add<CommandButton>(nullptr, "cmd");
  CheckBox& chk = form.add<CheckBox>(nullptr, "chk");
  Frame& frame = form.add<Frame>(nullptr, "frame");
  OptionButton& optA = form.add<OptionButton>(&frame, "optA");
  OptionButton& optB = form.add<OptionButton>(&frame, "optB");
  OptionButton& optC = form.add<OptionButton>(&frame, "optC");
  TextBox& txt = form.add<TextBox>(nullptr, "txt");
  VScrollBar& vs = form.add<VScrollBar>(nullptr, "vs");
  TextBox& plain = form.add<TextBox>(nullptr, "plain");
  ComboBox& cmb = form.add<ComboBox>(nullptr, "cmb");
  Menu& menuFile = form.add<Menu>(nullptr, "menuFile");
  Menu& exit = form.add<Menu>(&menuFile, "exit");
  std::vector<std::string> log;
};

constexpr unsigned kShift = kShiftModifier;
constexpr unsigned kCtrl = kControlModifier;
constexpr unsigned kAlt = kAltModifier;

KeyStroke key(Key k, unsigned modifiers = 0) {
  return {k, modifiers, 0};
}
KeyStroke letter(char c, unsigned modifiers = 0) {
  return {Key::Letter, modifiers, c};
}

// The state a row checks after its key: the option chosen, the field with its selection, the
// spin value and the clipboard.
std::string stateOf(KeyForm& f) {
  const char* chosen = f.optA.Value() ? "A" : f.optB.Value() ? "B" : f.optC.Value() ? "C" : "-";
  return std::string("opt ") + chosen + " txt " + f.txt.Text() + "@" +
         std::to_string(f.txt.SelStart()) + "+" + std::to_string(f.txt.SelLength()) + " vs " +
         std::to_string(f.vs.Value()) + " clip " + f.ws.clipboard;
}

constexpr const char* kStart = "opt A txt 5@1+0 vs 5 clip ";

struct Row {
  const char* what;
  std::function<void(KeyForm&)> setUp;  // may be empty
  std::function<Control*(KeyForm&)> focus;
  KeyStroke stroke;
  KeyRoute route;
  const char* focusAfter;  // name of the control the focus moves to, "" when it stays
  std::vector<std::string> log;
  std::string state;
};

Control* none(KeyForm&) {
  return nullptr;
}

TEST(Keyboard, EachKeyOnEachKindOfControl) {
  const auto cmd = [](KeyForm& f) -> Control* { return &f.cmd; };
  const auto chk = [](KeyForm& f) -> Control* { return &f.chk; };
  const auto optA = [](KeyForm& f) -> Control* { return &f.optA; };
  const auto txt = [](KeyForm& f) -> Control* { return &f.txt; };
  const auto plain = [](KeyForm& f) -> Control* { return &f.plain; };
  const auto cmb = [](KeyForm& f) -> Control* { return &f.cmb; };
  const auto selectAll = [](KeyForm& f) { f.txt.selectAll(); };
  const auto clip = [](KeyForm& f) { f.ws.clipboard = "7"; };
  const Row rows[] = {
      // Buttons: Enter presses the focused one; Space is the widget's own; arrows go nowhere.
      {"Enter on a button", {}, cmd, key(Key::Enter), KeyRoute::Taken, "", {"cmd click"}, kStart},
      {"Shift+Enter on a button",
       {},
       cmd,
       key(Key::Enter, kShift),
       KeyRoute::Widget,
       "",
       {},
       kStart},
      {"Space on a button", {}, cmd, key(Key::Space), KeyRoute::Widget, "", {}, kStart},
      {"Down on a button", {}, cmd, key(Key::Down), KeyRoute::Taken, "", {}, kStart},
      {"Right on a check box", {}, chk, key(Key::Right), KeyRoute::Taken, "", {}, kStart},
      {"Enter on a check box", {}, chk, key(Key::Enter), KeyRoute::Widget, "", {}, kStart},
      // Option groups: the arrows select the next or previous enabled option, round the ends.
      {"Down in a group",
       {},
       optA,
       key(Key::Down),
       KeyRoute::Taken,
       "optB",
       {"optB click"},
       "opt B txt 5@1+0 vs 5 clip "},
      {"Right past a disabled option",
       [](KeyForm& f) { f.optB.setEnabled(false); },
       optA,
       key(Key::Right),
       KeyRoute::Taken,
       "optC",
       {"optC click"},
       "opt C txt 5@1+0 vs 5 clip "},
      {"Up from the first goes round",
       {},
       optA,
       key(Key::Up),
       KeyRoute::Taken,
       "optC",
       {"optC click"},
       "opt C txt 5@1+0 vs 5 clip "},
      {"Left with no other enabled option",
       [](KeyForm& f) {
         f.optB.setEnabled(false);
         f.optC.setVisible(false);
       },
       optA,
       key(Key::Left),
       KeyRoute::Taken,
       "",
       {},
       kStart},
      // The number field: Up and Down step its spin button, Page Up and Down page it.
      {"Up in a number field",
       {},
       txt,
       key(Key::Up),
       KeyRoute::Taken,
       "",
       {},
       "opt A txt 6@1+0 vs 6 clip "},
      {"Page Down in a number field",
       {},
       txt,
       key(Key::PageDown),
       KeyRoute::Taken,
       "",
       {},
       "opt A txt 4@1+0 vs 4 clip "},
      {"Up at the top",
       [](KeyForm& f) { f.vs.setValue(10); },
       txt,
       key(Key::Up),
       KeyRoute::Taken,
       "",
       {},
       "opt A txt 10@2+0 vs 10 clip "},
      {"Shift+Up selects", {}, txt, key(Key::Up, kShift), KeyRoute::Widget, "", {}, kStart},
      {"Up in a plain field", {}, plain, key(Key::Up), KeyRoute::Widget, "", {}, kStart},
      {"Home moves the caret", {}, txt, key(Key::Home), KeyRoute::Widget, "", {}, kStart},
      {"Ctrl+Left moves by words",
       {},
       txt,
       key(Key::Left, kCtrl),
       KeyRoute::Widget,
       "",
       {},
       kStart},
      // Editing and the clipboard, through the field's own calls.
      {"Delete",
       [](KeyForm& f) { f.txt.select(0, 0); },
       txt,
       key(Key::Delete),
       KeyRoute::Taken,
       "",
       {},
       "opt A txt @0+0 vs 5 clip "},
      {"Shift+Delete cuts",
       selectAll,
       txt,
       key(Key::Delete, kShift),
       KeyRoute::Taken,
       "",
       {},
       "opt A txt @0+0 vs 5 clip 5"},
      {"Ctrl+Insert copies",
       selectAll,
       txt,
       key(Key::Insert, kCtrl),
       KeyRoute::Taken,
       "",
       {},
       "opt A txt 5@0+1 vs 5 clip 5"},
      {"Shift+Insert pastes",
       [](KeyForm& f) { f.txt.selectAll(), f.ws.clipboard = "7"; },
       txt,
       key(Key::Insert, kShift),
       KeyRoute::Taken,
       "",
       {},
       "opt A txt 7@1+0 vs 5 clip 7"},
      {"Insert alone does nothing",
       clip,
       txt,
       key(Key::Insert),
       KeyRoute::Taken,
       "",
       {},
       "opt A txt 5@1+0 vs 5 clip 7"},
      {"Ctrl+V goes through KeyPress and pastes",
       clip,
       txt,
       letter('V', kCtrl),
       KeyRoute::Taken,
       "",
       {"txt key 22"},
       "opt A txt 57@2+0 vs 5 clip 7"},
      {"Ctrl+Shift+A selects all",
       {},
       txt,
       letter('A', kCtrl | kShift),
       KeyRoute::Taken,
       "",
       {"txt key 1"},
       "opt A txt 5@0+1 vs 5 clip "},
      {"Ctrl+Z undoes nothing",
       {},
       txt,
       letter('Z', kCtrl),
       KeyRoute::Taken,
       "",
       {"txt key 26"},
       kStart},
      {"Ctrl+Backspace deletes no word",
       {},
       txt,
       key(Key::Backspace, kCtrl),
       KeyRoute::Taken,
       "",
       {},
       kStart},
      {"Backspace goes through KeyPress",
       {},
       txt,
       key(Key::Backspace),
       KeyRoute::Taken,
       "",
       {"txt key 8"},
       "opt A txt @0+0 vs 5 clip "},
      {"Enter in a field", {}, txt, key(Key::Enter), KeyRoute::Taken, "", {"txt key 13"}, kStart},
      {"Escape in a field is the field's",
       {},
       txt,
       key(Key::Escape),
       KeyRoute::Taken,
       "",
       {"txt key 27"},
       kStart},
      {"a letter types", {}, txt, letter('Q'), KeyRoute::Character, "", {}, kStart},
      {"AltGr types", {}, txt, letter('Q', kCtrl | kAlt), KeyRoute::Character, "", {}, kStart},
      {"a digit types", {}, txt, key(Key::Other), KeyRoute::Character, "", {}, kStart},
      // The form itself, with no control focused, takes the characters.
      {"Escape on the form",
       {},
       none,
       key(Key::Escape),
       KeyRoute::Taken,
       "",
       {"form key 27"},
       kStart},
      {"Ctrl+X on the form",
       {},
       none,
       letter('X', kCtrl),
       KeyRoute::Taken,
       "",
       {"form key 24"},
       kStart},
      {"a letter on the form", {}, none, letter('X'), KeyRoute::Character, "", {}, kStart},
      // Tab and the menu bar, from any control.
      {"Tab", {}, cmd, key(Key::Tab), KeyRoute::Taken, "chk", {}, kStart},
      {"Tab onto the group", {}, chk, key(Key::Tab), KeyRoute::Taken, "optA", {}, kStart},
      {"Tab over the group",
       {},
       optA,
       key(Key::Tab),
       KeyRoute::Taken,
       "txt",
       {},
       "opt A txt 5@0+1 vs 5 clip "},
      {"Shift+Tab back into the group at its chosen option",
       [](KeyForm& f) { f.optC.setValue(true), f.log.clear(); },
       txt,
       key(Key::Tab, kShift),
       KeyRoute::Taken,
       "optC",
       {},
       "opt C txt 5@1+0 vs 5 clip "},
      {"Tab from nothing", {}, none, key(Key::Tab), KeyRoute::Taken, "cmd", {}, kStart},
      {"Ctrl+Tab", {}, cmd, key(Key::Tab, kCtrl), KeyRoute::Widget, "", {}, kStart},
      {"F10", {}, txt, key(Key::F10), KeyRoute::MenuBar, "", {}, kStart},
      {"Shift+F10 opens the field's context menu",
       {},
       txt,
       key(Key::F10, kShift),
       KeyRoute::Widget,
       "",
       {},
       kStart},
      {"F10 without a menu bar",
       [](KeyForm& f) { f.menuFile.setVisible(false); },
       cmd,
       key(Key::F10),
       KeyRoute::Taken,
       "",
       {},
       kStart},
      {"Alt+Down opens a list", {}, cmb, key(Key::Down, kAlt), KeyRoute::Widget, "", {}, kStart},
      {"Down in a list", {}, cmb, key(Key::Down), KeyRoute::Widget, "", {}, kStart},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    KeyForm f;
    f.txt.select(1, 0);
    if (row.setUp) row.setUp(f);
    const KeyOutcome outcome = f.form.keyDown(row.focus(f), row.stroke);
    EXPECT_EQ(outcome.route, row.route);
    EXPECT_EQ(outcome.focus == nullptr ? "" : outcome.focus->name(), row.focusAfter);
    EXPECT_EQ(f.log, row.log);
    EXPECT_EQ(stateOf(f), row.state);
  }
}

TEST(Keyboard, AltAloneEntersTheMenuBar) {
  KeyForm f;
  EXPECT_EQ(f.form.keyDown(&f.cmd, key(Key::Alt, kAlt)).route, KeyRoute::Taken);
  EXPECT_EQ(f.form.keyDown(&f.cmd, key(Key::Alt, kAlt)).route, KeyRoute::Taken);  // repeats
  EXPECT_EQ(f.form.keyUp(key(Key::Alt)).route, KeyRoute::MenuBar);
  // With another key in between, Alt was a modifier.
  f.form.keyDown(&f.cmd, key(Key::Alt, kAlt));
  EXPECT_EQ(f.form.keyDown(&f.cmb, key(Key::Down, kAlt)).route, KeyRoute::Widget);
  EXPECT_EQ(f.form.keyUp(key(Key::Alt)).route, KeyRoute::Taken);
  f.form.keyDown(&f.cmd, key(Key::Alt, kAlt | kShift));  // Shift+Alt switches layouts
  EXPECT_EQ(f.form.keyUp(key(Key::Alt)).route, KeyRoute::Taken);
  EXPECT_EQ(f.form.keyUp(key(Key::Alt)).route, KeyRoute::Taken);  // a release without a press
  EXPECT_EQ(f.form.keyUp(key(Key::Down)).route, KeyRoute::Widget);
  f.menuFile.setVisible(false);
  f.form.keyDown(&f.cmd, key(Key::Alt, kAlt));
  EXPECT_EQ(f.form.keyUp(key(Key::Alt)).route, KeyRoute::Taken);
}

TEST(Keyboard, AFormUnderAModalWindowActsOnNoKey) {
  KeyForm f;
  Form about{"frmAbout", f.ws};
  about.showModal(f.form);
  for (const KeyStroke stroke : {key(Key::Enter), key(Key::Tab), key(Key::F10), key(Key::Down)}) {
    EXPECT_EQ(f.form.keyDown(&f.cmd, stroke).route, KeyRoute::Widget);
    EXPECT_EQ(f.form.keyDown(&f.optA, stroke).focus, nullptr);
  }
  f.form.keyDown(&f.cmd, key(Key::Alt, kAlt));
  EXPECT_EQ(f.form.keyUp(key(Key::Alt)).route, KeyRoute::Taken);
  EXPECT_TRUE(f.log.empty());
  EXPECT_TRUE(f.optA.Value());
}

TEST(Keyboard, AnOptionGroupIsOneTabStop) {
  KeyForm f;
  auto stops = [&f] {
    std::vector<std::string> names;
    for (const Control* c : f.form.tabOrder()) names.push_back(c->name());
    return names;
  };
  EXPECT_THAT(stops(), ElementsAre("cmd", "chk", "optA", "txt", "plain", "cmb"));
  f.optA.setValue(false);  // none chosen: the first in tab order
  EXPECT_THAT(stops(), ElementsAre("cmd", "chk", "optA", "txt", "plain", "cmb"));
  f.optA.setEnabled(false);  // the first that can take the focus
  EXPECT_THAT(stops(), ElementsAre("cmd", "chk", "optB", "txt", "plain", "cmb"));
  f.optC.setValue(true);
  EXPECT_THAT(stops(), ElementsAre("cmd", "chk", "optC", "txt", "plain", "cmb"));
  f.optC.setEnabled(false);  // the chosen one is out of reach: the first that is not
  EXPECT_THAT(stops(), ElementsAre("cmd", "chk", "optB", "txt", "plain", "cmb"));
}

TEST(Keyboard, TheContextMenuOffersWhatWouldDoSomething) {
  KeyForm f;
  auto offered = [&f] {
    const TextBox::EditCommands c = f.txt.editCommands();
    return std::vector<bool>{c.cut, c.copy, c.paste, c.remove, c.selectAll};
  };
  f.txt.select(1, 0);
  EXPECT_EQ(offered(), (std::vector<bool>{false, false, false, false, true}));
  f.ws.clipboard = "\r\nsecond line";  // an empty first line pastes nothing
  EXPECT_EQ(offered(), (std::vector<bool>{false, false, false, false, true}));
  f.ws.clipboard = "7";
  f.txt.selectAll();
  EXPECT_EQ(offered(), (std::vector<bool>{true, true, true, true, true}));
  f.txt.setLocked(true);  // read-only: copy and select only
  EXPECT_EQ(offered(), (std::vector<bool>{false, true, false, false, true}));
  f.txt.setLocked(false);
  f.txt.setText("");
  EXPECT_EQ(offered(), (std::vector<bool>{false, false, true, false, false}));
  f.txt.setEnabled(false);
  EXPECT_EQ(offered(), (std::vector<bool>{false, false, false, false, false}));
}

}  // namespace
}  // namespace slumbrix
