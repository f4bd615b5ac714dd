#pragma once

// What every window system owes the control model, as one body of tests: the headless one runs
// it in the unit suite, the Qt one offscreen, the Win32 one under Wine. Each suite gives a
// driver (below) and instantiates the suite with INSTANTIATE_TYPED_TEST_SUITE_P, so that a
// window system that breaks the contract fails the same named case in every suite.

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/windows_values.h"
#include "support/test_form.h"
#include "ui/window_system.h"

namespace slumbrix::test {

// What the user saw of a message box and what the window system answered.
struct MessageBoxSeen {
  int answer = -1;
  std::string text;
  std::string title;
};

// The shape of a driver (a class with these members; the suite is a template over it):
//
//   WindowSystem& windowSystem();
//   // Lets `milliseconds` pass (real or virtual) while the window system delivers what falls
//   // due; 0 delivers what is pending.
//   void wait(int milliseconds);
//   // The form's window is on screen; the user can reach it (no modal window blocks it).
//   bool isShown(const Form& form);
//   bool takesInput(const Form& form);
//   // The user clicks the window's close box.
//   void closeBox(Form& form);
//   // The captions on the form's menu bar, in order.
//   std::vector<std::string> menuBar(const Form& form);
//   // The user chooses `item` of a menu on the bar.
//   void chooseOnBar(Form& form, Menu& item);
//   // The program opens `menu` as a pop-up menu; the user chooses the item captioned `choice`.
//   // Returns the captions shown, kSeparator for a separator line.
//   std::vector<std::string> popup(Form& form, Menu& menu, const std::string& choice);
//   // The program shows a message box; the user reads it and presses OK.
//   MessageBoxSeen messageBox(const std::string& text, std::uint32_t style,
//                             const std::string& title);
//   // Whether the window system runs the timer as a coarse one; nothing where it has a single
//   // kind of timer.
//   std::optional<bool> runsCoarse(const Timer& timer);
//   bool ended();
inline constexpr char kSeparator[] = "<separator>";

template <class Driver>
class WindowSystemContract : public ::testing::Test {
 protected:
  void SetUp() override {
    form.show();
    driver.wait(0);
  }
  void TearDown() override {
    form.cancelUnload = false;
    if (form.isLoaded()) (void)form.unload();  // a refusal is the test's own finding
    driver.wait(0);
  }
  WindowSystem& ws() { return driver.windowSystem(); }

  Driver driver;
  TestForm form{driver.windowSystem()};
};

TYPED_TEST_SUITE_P(WindowSystemContract);

TYPED_TEST_P(WindowSystemContract, TheCloseBoxAsksTheForm) {
  auto& form = this->form;
  this->driver.closeBox(form);
  EXPECT_TRUE(form.isLoaded());  // the handler cancelled
  EXPECT_TRUE(this->driver.isShown(form));
  form.cancelUnload = false;
  this->driver.closeBox(form);
  EXPECT_FALSE(form.isLoaded());
  EXPECT_EQ(this->ws().windowHandle(form), 0u);
  EXPECT_EQ(form.cmd.peer(), nullptr);
  EXPECT_EQ(form.events, (std::vector<std::string>{"Form.Unload", "Form.Unload"}));
}

TYPED_TEST_P(WindowSystemContract, HideKeepsTheWindowAndShowBringsItBack) {
  auto& form = this->form;
  const Handle window = this->ws().windowHandle(form);
  EXPECT_NE(window, 0u);
  form.hide();
  this->driver.wait(0);
  EXPECT_FALSE(this->driver.isShown(form));
  EXPECT_TRUE(form.isLoaded());
  EXPECT_EQ(this->ws().windowHandle(form), window);
  form.show();
  this->driver.wait(0);
  EXPECT_TRUE(this->driver.isShown(form));
  EXPECT_EQ(this->ws().windowHandle(form), window);
}

TYPED_TEST_P(WindowSystemContract, AModalFormBlocksItsOwnerUntilItCloses) {
  auto& form = this->form;
  SmallForm dialog(this->ws());
  dialog.showModal(form);
  this->driver.wait(0);
  EXPECT_TRUE(this->driver.isShown(dialog));
  EXPECT_TRUE(this->driver.takesInput(dialog));
  EXPECT_FALSE(this->driver.takesInput(form));
  ASSERT_TRUE(dialog.Close.click());  // its own button unloads it from inside its handler
  this->driver.wait(0);
  EXPECT_EQ(this->ws().windowHandle(dialog), 0u);
  EXPECT_TRUE(this->driver.takesInput(form));
  EXPECT_TRUE(this->driver.isShown(form));
}

TYPED_TEST_P(WindowSystemContract, AModalFormOutlivesItsOwnersWindow) {
  auto& form = this->form;
  SmallForm dialog(this->ws());
  dialog.showModal(form);
  this->driver.wait(0);
  form.cancelUnload = false;
  ASSERT_TRUE(form.unload());
  this->driver.wait(0);
  EXPECT_EQ(this->ws().windowHandle(form), 0u);
  EXPECT_NE(this->ws().windowHandle(dialog), 0u);
  EXPECT_TRUE(this->driver.isShown(dialog));
  EXPECT_TRUE(dialog.Close.click());
  this->driver.wait(0);
  EXPECT_EQ(this->ws().windowHandle(dialog), 0u);
}

TYPED_TEST_P(WindowSystemContract, TheMenuBarHoldsTheVisibleMenusAndPassesChoicesOn) {
  auto& form = this->form;
  EXPECT_EQ(this->driver.menuBar(form), (std::vector<std::string>{"File"}));
  this->driver.chooseOnBar(form, form.mnuOpen);
  EXPECT_EQ(form.events, (std::vector<std::string>{"mnuOpen.Click"}));
  form.mnuPopup.setVisible(true);
  this->driver.wait(0);
  EXPECT_EQ(this->driver.menuBar(form), (std::vector<std::string>{"File", "Popup"}));
  form.mnuPopup.setVisible(false);
  form.mnuFile.setCaption("Datei");
  this->driver.wait(0);
  EXPECT_EQ(this->driver.menuBar(form), (std::vector<std::string>{"Datei"}));
}

TYPED_TEST_P(WindowSystemContract, APopupMenuShowsItsVisibleItemsAndTakesAChoice) {
  auto& form = this->form;
  const std::vector<std::string> shown = this->driver.popup(form, form.mnuPopup, "Restore");
  EXPECT_EQ(shown, (std::vector<std::string>{"Restore", kSeparator, "Exit"}));
  EXPECT_EQ(form.events, (std::vector<std::string>{"mnuRestore.Click"}));
  // Also while a modal window of the form is open: the tray icon's menu is taken then.
  SmallForm dialog(this->ws());
  dialog.showModal(form);
  this->driver.wait(0);
  (void)this->driver.popup(form, form.mnuPopup, "Exit");
  EXPECT_EQ(form.events, (std::vector<std::string>{"mnuRestore.Click", "mnuQuit.Click"}));
  (void)dialog.unload();
}

TYPED_TEST_P(WindowSystemContract, TimersRunWhileEnabledWithAnInterval) {
  auto& form = this->form;
  this->driver.wait(100);
  EXPECT_TRUE(form.ticks.empty());  // all disabled
  form.tmrPrecise.setEnabled(true);
  form.tmrCoarse.setEnabled(true);
  form.tmrZero.setEnabled(true);
  this->driver.wait(200);
  EXPECT_GT(form.ticks["tmrPrecise"], 0);
  EXPECT_GT(form.ticks["tmrCoarse"], 0);
  EXPECT_EQ(form.ticks["tmrZero"], 0);
  EXPECT_NE(this->driver.runsCoarse(form.tmrPrecise), std::optional<bool>(true));
  EXPECT_NE(this->driver.runsCoarse(form.tmrCoarse), std::optional<bool>(false));

  form.tmrPrecise.setEnabled(false);
  form.tmrCoarse.setInterval(0);
  form.ticks.clear();
  this->driver.wait(200);
  EXPECT_TRUE(form.ticks.empty());
  form.tmrZero.setInterval(20);  // an interval starts the enabled timer
  this->driver.wait(200);
  EXPECT_GT(form.ticks["tmrZero"], 0);
}

TYPED_TEST_P(WindowSystemContract, AMessageBoxShowsItsTextAndAnswersOk) {
  const MessageBoxSeen seen =
      this->driver.messageBox("Slumbrix is already running", kMbIconInformation, "Slumbrix");
  EXPECT_EQ(seen.answer, kIdOk);
  EXPECT_EQ(seen.text, "Slumbrix is already running");
  EXPECT_EQ(seen.title, "Slumbrix");
}

TYPED_TEST_P(WindowSystemContract, TheClipboardKeepsTheLastTextPutOnIt) {
  this->ws().setClipboardText("4567");
  EXPECT_EQ(this->ws().clipboardText(), "4567");
  this->ws().setClipboardText("12:30");
  EXPECT_EQ(this->ws().clipboardText(), "12:30");
}

TYPED_TEST_P(WindowSystemContract, TheEndStopsEverything) {
  auto& form = this->form;
  form.tmrPrecise.setEnabled(true);
  this->ws().endProgram();
  EXPECT_TRUE(this->driver.ended());
  EXPECT_EQ(this->ws().windowHandle(form), 0u);
  EXPECT_EQ(form.tmrPrecise.peer(), nullptr);
  this->driver.wait(200);
  EXPECT_TRUE(form.ticks.empty());
  form.show();  // nothing more is shown
  EXPECT_EQ(this->ws().windowHandle(form), 0u);
  EXPECT_EQ(this->ws().messageBox("late", kMbOk, "Slumbrix"), 0);
  form.txt.setText("still usable as data");
}

REGISTER_TYPED_TEST_SUITE_P(
    WindowSystemContract, TheCloseBoxAsksTheForm, HideKeepsTheWindowAndShowBringsItBack,
    AModalFormBlocksItsOwnerUntilItCloses, AModalFormOutlivesItsOwnersWindow,
    TheMenuBarHoldsTheVisibleMenusAndPassesChoicesOn, APopupMenuShowsItsVisibleItemsAndTakesAChoice,
    TimersRunWhileEnabledWithAnInterval, AMessageBoxShowsItsTextAndAnswersOk,
    TheClipboardKeepsTheLastTextPutOnIt, TheEndStopsEverything);

}  // namespace slumbrix::test
