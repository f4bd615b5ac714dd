#include "support/test_form.h"

namespace slumbrix::test {

namespace {

void place(Control& c, int left, int top, int width, int height, int tab) {
  c.setBounds(Rect{left, top, width, height});
  c.tabIndex = tab;
}

}  // namespace

TestForm::TestForm(WindowSystem& windowSystem) : Form("TestForm", windowSystem) {
  setCaption("Window system test");
  clientWidth = 6000;
  clientHeight = 4500;
  showInTaskbar = false;
  place(frame, 150, 150, 4500, 2400, 1);
  frame.setCaption("Group");
  frame.font = Font{"MS Sans Serif", 8.25, true};
  place(label, 150, 300, 1200, 300, 9);
  label.setCaption("Label");
  label.backColor = Color::fromRgb(0xFFFFFF);
  label.foreColor = Color::fromRgb(0xC00000);
  label.font = Font{"Arial", 12, false};
  place(txt, 1500, 300, 900, 315, 3);
  txt.setText("12");
  txt.setMaxLength(3);
  place(pic, 150, 750, 4200, 1500, 2);
  place(opt0, 30, 60, 1200, 255, 5);
  opt0.setCaption("First");
  opt0.setValue(true);
  place(opt1, 30, 420, 1200, 255, 6);
  opt1.setCaption("Second");
  place(Option1, 30, 780, 1200, 255, 11);
  Option1.setCaption("Third");
  place(optA, 2600, 300, 900, 255, 12);
  optA.setCaption("A");
  place(optB, 3500, 300, 900, 255, 13);
  optB.setCaption("B");
  place(vs, 1500, 0, 240, 480, 4);
  vs.setRange(10, 1);
  vs.setValue(5);
  place(cmb, 2000, 0, 1800, 315, 7);
  for (const char* item : {"Hours", "Minutes", "Seconds"}) cmb.addItem(item);
  place(chk, 150, 2700, 1500, 255, 8);
  chk.setCaption("Check");
  place(cmd, 1800, 2700, 1500, 375, 0);
  cmd.setCaption("Press");
  place(canvas, 150, 3200, 1500, 1200, 10);
  canvas.backColor = Color::fromRgb(0xE0E0E0);
  for (Timer* timer : {&tmrPrecise, &tmrCoarse, &tmrZero}) {
    timer->setEnabled(false);
    timer->setInterval(timer == &tmrZero ? 0 : 20);
    timer->Tick = [this, timer] { ++ticks[timer->name()]; };
  }
  tmrCoarse.coarse = true;
  mnuFile.setCaption("File");
  mnuOpen.setCaption("Open");
  mnuPopup.setCaption("Popup");
  mnuPopup.setVisible(false);
  mnuRestore.setCaption("Restore");
  mnuLine.setCaption("-");
  mnuHidden.setCaption("Hidden");
  mnuHidden.setVisible(false);
  mnuQuit.setCaption("Exit");

  auto log = [this](std::string event) { events.push_back(std::move(event)); };
  txt.KeyPress = [log](std::int16_t& key) {
    log("txt.KeyPress " + std::to_string(key));
    if (key == 'x') key = 0;  // the filter discards x
  };
  txt.Change = [log] { log("txt.Change"); };
  vs.Change = [log] { log("vs.Change"); };
  cmb.Click = [log] { log("cmb.Click"); };
  chk.Click = [log] { log("chk.Click"); };
  cmd.Click = [log] { log("cmd.Click"); };
  opt1.Click = [log] { log("opt1.Click"); };
  mnuOpen.Click = [log] { log("mnuOpen.Click"); };
  mnuRestore.Click = [log] { log("mnuRestore.Click"); };
  mnuLine.Click = [log] { log("mnuLine.Click"); };
  mnuQuit.Click = [log] { log("mnuQuit.Click"); };
  KeyPress = [log](std::int16_t& key) { log("Form.KeyPress " + std::to_string(key)); };
  Unload = [this, log](std::int16_t& cancel) {
    log("Form.Unload");
    cancel = cancelUnload ? 1 : 0;
  };
  MouseMove = [this](int button, int, double x, double y) {
    mouseButton = button;
    mouseX = x;
    mouseY = y;
  };
}

SmallForm::SmallForm(WindowSystem& windowSystem) : Form("SmallForm", windowSystem) {
  setCaption("Small");
  clientWidth = 2000;
  clientHeight = 1000;
  showInTaskbar = false;
  Close.setBounds(Rect{100, 100, 1200, 375});
  Close.setCaption("Close");
  Close.Click = [this] { unload(); };
}

}  // namespace slumbrix::test
