#include "ui/form.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "support/headless_window_system.h"
#include "ui/buttons.h"
#include "ui/menu.h"
#include "ui/scroll_bar.h"
#include "ui/text_box.h"

namespace slumbrix {
namespace {

using ::testing::ElementsAre;

class FormTest : public ::testing::Test {
 protected:
  FormTest() {
    frmMain.Load = [&] { log.push_back("main load"); };
    frmAbout.Load = [&] { log.push_back("about load"); };
    cmdTimer.Click = [&] { log.push_back("cmdTimer"); };
    ueber.Click = [&] { log.push_back("ueber"); };
    frmMain.KeyPress = [&](std::int16_t& key) { log.push_back("key " + std::to_string(key)); };
    frmMain.MouseMove = [&](int, int, double x, double) {
      log.push_back("mouse " + std::to_string(static_cast<int>(x)));
    };
    frmMain.Unload = [&](std::int16_t& cancel) {
      log.push_back("main unload");
      cancel = cancelUnload;
    };
    Command1.Click = [&] { log.push_back("Command1"); };
    mnuPopup.setVisible(false);  // opened by the program, kept off the menu bar
    mnuExit.Click = [&] { log.push_back("mnuExit"); };
  }

  test::HeadlessWindowSystem ws;
  Form frmMain{"frmMain", ws};
  CommandButton& cmdTimer = frmMain.add<CommandButton>(nullptr, "cmdTimer");
  TextBox& txtPeriod = frmMain.add<TextBox>(nullptr, "txtPeriod");
  Menu& menuDatei = frmMain.add<Menu>(nullptr, "menuDatei");
  Menu& ueber = frmMain.add<Menu>(&menuDatei, "ueber");
  Menu& mnuPopup = frmMain.add<Menu>(nullptr, "mnuPopup");
  Menu& mnuExit = frmMain.add<Menu>(&mnuPopup, "mnuExit");
  Form frmAbout{"frmAbout", ws};
  CommandButton& Command1 = frmAbout.add<CommandButton>(nullptr, "Command1");
  std::int16_t cancelUnload = 0;
  std::vector<std::string> log;
};

TEST_F(FormTest, ShowLoadsOnceHideKeepsItLoaded) {
  EXPECT_EQ(ws.windowHandle(frmMain), 0u);
  frmMain.show();
  EXPECT_TRUE(frmMain.isLoaded());
  EXPECT_TRUE(frmMain.isShown());
  EXPECT_NE(ws.windowHandle(frmMain), 0u);
  frmMain.hide();
  EXPECT_FALSE(frmMain.isShown());
  EXPECT_TRUE(frmMain.isLoaded());
  frmMain.show();
  EXPECT_THAT(log, ElementsAre("main load"));
  EXPECT_THAT(ws.windowLog, ElementsAre("show frmMain", "hide frmMain", "show frmMain"));
}

TEST_F(FormTest, ModalFormBlocksEveryInputToItsOwnerUntilItCloses) {
  frmMain.show();
  frmAbout.showModal(frmMain);
  EXPECT_EQ(frmMain.modalChild(), &frmAbout);
  log.clear();

  // Each input the owner would take; the mouse move (the tray's callback) and the pop-up menu
  // it opens are not the window's own input and still come.
  struct Input {
    const char* what;
    std::function<bool()> act;
    bool takenWhileModal;
  };
  const Input inputs[] = {
      {"button", [&] { return cmdTimer.click(); }, false},
      {"text", [&] { return txtPeriod.typeChar('5'); }, false},
      {"menu", [&] { return ueber.click(); }, false},
      {"key", [&] { return frmMain.keyPress(27); }, false},
      {"close box", [&] { return frmMain.requestClose(); }, false},
      {"mouse", [&] { return frmMain.mouseMove(0, 0, 7695, 0); }, true},
      {"pop-up menu", [&] { return mnuExit.click(); }, true},
  };
  for (const Input& input : inputs) EXPECT_EQ(input.act(), input.takenWhileModal) << input.what;
  EXPECT_TRUE(Command1.click());
  EXPECT_THAT(log, ElementsAre("mouse 7695", "mnuExit", "Command1"));
  EXPECT_TRUE(frmMain.isLoaded());

  EXPECT_TRUE(frmAbout.unload());
  EXPECT_FALSE(frmAbout.isLoaded());
  EXPECT_EQ(frmMain.modalChild(), nullptr);
  log.clear();
  EXPECT_TRUE(cmdTimer.click());
  EXPECT_TRUE(ueber.click());
  EXPECT_TRUE(frmMain.keyPress(27));
  EXPECT_THAT(log, ElementsAre("cmdTimer", "ueber", "key 27"));
  EXPECT_THAT(ws.windowLog, ElementsAre("show frmMain", "modal frmAbout", "hide frmAbout"));
}

TEST_F(FormTest, HidingTheModalFormAlsoReleasesItsOwner) {
  frmMain.show();
  frmAbout.showModal(frmMain);
  frmAbout.hide();
  EXPECT_TRUE(frmMain.takesInput());
  EXPECT_TRUE(cmdTimer.click());
}

TEST_F(FormTest, ReshowingAnUnloadedFormLoadsItAgain) {
  frmMain.show();
  frmAbout.showModal(frmMain);
  ASSERT_TRUE(frmAbout.unload());
  frmAbout.showModal(frmMain);
  EXPECT_THAT(log, ElementsAre("main load", "about load", "about load"));
  EXPECT_FALSE(frmMain.takesInput());
}

TEST_F(FormTest, UnloadHandlerCanCancelTheUnload) {
  frmMain.show();
  const Handle window = ws.windowHandle(frmMain);
  cancelUnload = -1;
  EXPECT_FALSE(frmMain.requestClose());
  EXPECT_FALSE(frmMain.unload());
  EXPECT_TRUE(frmMain.isLoaded());
  EXPECT_TRUE(frmMain.isShown());
  EXPECT_EQ(ws.windowHandle(frmMain), window);

  cancelUnload = 0;
  EXPECT_TRUE(frmMain.unload());
  EXPECT_FALSE(frmMain.isLoaded());
  EXPECT_EQ(ws.windowHandle(frmMain), 0u);
  EXPECT_TRUE(frmMain.unload());  // unloading an unloaded form runs nothing
  EXPECT_THAT(log, ElementsAre("main load", "main unload", "main unload", "main unload"));
  EXPECT_THAT(ws.windowLog, ElementsAre("show frmMain", "hide frmMain"));
}

TEST_F(FormTest, UnloadHandlerThatHidesInsteadOfUnloading) {
  // The main window's close box only hides it: the handler cancels and hides.
  frmMain.Unload = [&](std::int16_t& cancel) {
    cancel = -1;
    frmMain.hide();
  };
  frmMain.show();
  EXPECT_FALSE(frmMain.requestClose());
  EXPECT_TRUE(frmMain.isLoaded());
  EXPECT_FALSE(frmMain.isShown());
}

TEST_F(FormTest, APopupMenuItemNeedsALoadedFormAndAnEnabledItem) {
  EXPECT_FALSE(mnuExit.click());  // not loaded
  frmMain.show();
  mnuExit.setEnabled(false);
  EXPECT_FALSE(mnuExit.click());
  mnuExit.setEnabled(true);
  EXPECT_TRUE(mnuExit.click());
  EXPECT_TRUE(mnuExit.inPopup());
  EXPECT_FALSE(ueber.inPopup());
  EXPECT_THAT(log, ElementsAre("main load", "mnuExit"));
}

TEST_F(FormTest, FormKeyPressSeesTheCodeByReference) {
  frmMain.KeyPress = [&](std::int16_t& key) {
    log.push_back("key " + std::to_string(key));
    key = 0;
  };
  EXPECT_FALSE(frmMain.keyPress(27));  // not loaded yet
  frmMain.show();
  EXPECT_TRUE(frmMain.keyPress(27));
  EXPECT_THAT(log, ElementsAre("main load", "key 27"));
}

// The tab order: by tabIndex, over what can take the focus now.
class TabOrderTest : public ::testing::Test {
 protected:
  TabOrderTest() {
    const std::pair<Control*, int> indices[] = {
        {&cmdTimer, 0}, {&txtPeriod, 3}, {&frame, 1}, {&optIn, 5},    {&optAt, 6},
        {&txtHour, 4},  {&vsHour, 2},    {&lbl, 7},   {&Command1, 9}, {&chkBlink, 8},
    };
    for (auto [control, index] : indices) control->tabIndex = index;
    optIn.setValue(true);
    form.show();
  }
  std::vector<std::string> names(const std::vector<Control*>& controls) const {
    std::vector<std::string> out;
    for (const Control* c : controls) out.push_back(c->name());
    return out;
  }

  test::HeadlessWindowSystem ws;
  Form form{"frmMain", ws};
  CommandButton& cmdTimer = form.add<CommandButton>(nullptr, "cmdTimer");
  Frame& frame = form.add<Frame>(nullptr, "frame");
  TextBox& txtPeriod = form.add<TextBox>(&frame, "txtPeriod");
  OptionButton& optIn = form.add<OptionButton>(&frame, "optIn");
  OptionButton& optAt = form.add<OptionButton>(&frame, "optAt");
  TextBox& txtHour = form.add<TextBox>(&frame, "txtHour");
  VScrollBar& vsHour = form.add<VScrollBar>(&frame, "vsHour");
  Label& lbl = form.add<Label>(nullptr, "lbl");
  CheckBox& chkBlink = form.add<CheckBox>(nullptr, "chkBlink");
  CommandButton& Command1 = form.add<CommandButton>(nullptr, "Command1");
  Form frmModal{"frmAbout", ws};
};

TEST_F(TabOrderTest, SortsByTabIndexAndSkipsWhatCannotTakeTheFocus) {
  // Frames and labels never take it; of the option buttons only the chosen one.
  EXPECT_THAT(names(form.tabOrder()), ElementsAre("cmdTimer", "vsHour", "txtPeriod", "txtHour",
                                                  "optIn", "chkBlink", "Command1"));
  txtHour.setEnabled(false);
  Command1.setVisible(false);
  chkBlink.tabStop = false;
  optAt.setValue(true);
  EXPECT_THAT(names(form.tabOrder()), ElementsAre("cmdTimer", "vsHour", "txtPeriod", "optAt"));
  frame.setEnabled(false);  // takes everything inside it along
  EXPECT_THAT(names(form.tabOrder()), ElementsAre("cmdTimer"));
}

TEST_F(TabOrderTest, TabWrapsAroundAndSelectsTheTextOfAFieldItReaches) {
  txtPeriod.setText("123");
  txtPeriod.setSelStart(1);
  EXPECT_EQ(form.tab(nullptr, true), &cmdTimer);   // nothing focused: the first
  EXPECT_EQ(form.tab(nullptr, false), &Command1);  // backward: the last
  EXPECT_EQ(form.tab(&cmdTimer, true), &vsHour);
  EXPECT_EQ(form.tab(&vsHour, true), &txtPeriod);
  EXPECT_EQ(txtPeriod.SelStart(), 0);
  EXPECT_EQ(txtPeriod.SelLength(), 3);
  EXPECT_EQ(form.tab(&Command1, true), &cmdTimer);
  EXPECT_EQ(form.tab(&cmdTimer, false), &Command1);
  EXPECT_EQ(form.tab(&lbl, true), &cmdTimer);  // from outside the order: from the start

  frmModal.showModal(form);  // an owner under a modal window has no tab stop
  EXPECT_EQ(form.tab(&cmdTimer, true), nullptr);
}

}  // namespace
}  // namespace slumbrix
