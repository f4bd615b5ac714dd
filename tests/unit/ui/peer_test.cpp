// Every property change reaches the control's peer, after the control holds the new state;
// an assignment that changes nothing is not reported.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "support/headless_window_system.h"
#include "ui/buttons.h"
#include "ui/combo_box.h"
#include "ui/form.h"
#include "ui/picture_box.h"
#include "ui/scroll_bar.h"
#include "ui/text_box.h"
#include "ui/timer.h"
#include "unit/ui/recording_peer.h"

namespace slumbrix {
namespace {

class PeerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form.load();
    vsMin.setRange(59, 0);
    cmbT.addItem("AM");
    cmbT.addItem("PM");
    opt0.setValue(true);
    for (Control* c : form.controls()) peer.attach(*c);
    peer.attach(tmr);
  }

  test::HeadlessWindowSystem ws;
  Form form{"frmTest", ws};
  Frame& frame = form.add<Frame>(nullptr, "frame");
  TextBox& txtMin = form.add<TextBox>(&frame, "txtMin");
  VScrollBar& vsMin = form.add<VScrollBar>(&frame, "vsMin");
  CheckBox& chkBlink = form.add<CheckBox>(&frame, "chkBlink");
  OptionButton& opt0 = form.add<OptionButton>(&frame, "opt", 0);
  OptionButton& opt1 = form.add<OptionButton>(&frame, "opt", 1);
  ComboBox& cmbT = form.add<ComboBox>(&frame, "cmbT");
  Label& lblStatus = form.add<Label>(nullptr, "lblStatus");
  CommandButton& cmdTimer = form.add<CommandButton>(nullptr, "cmdTimer");
  PictureBox& picGraph = form.add<PictureBox>(nullptr, "picGraph");
  // Kept off the form: there the headless window system's own peer drives it.
  Timer tmr{"tmr"};
  test::RecordingPeer peer;
};

TEST_F(PeerTest, EachChangeIsReportedOnceWithTheNewStateInPlace) {
  struct Row {
    const char* what;
    std::function<void()> act;
    std::vector<std::string> expected;
  };
  const Row rows[] = {
      {"text", [&] { txtMin.setText("07"); }, {"txtMin.Text=07"}},
      {"same text", [&] { txtMin.setText("07"); }, {}},
      {"typed", [&] { txtMin.typeChar('1'); }, {"txtMin.Text=071", "txtMin.Selection"}},
      {"max length", [&] { txtMin.setMaxLength(2); }, {"txtMin.MaxLength"}},
      {"locked", [&] { txtMin.setLocked(true); }, {"txtMin.Locked"}},
      {"spin value", [&] { vsMin.setValue(7); }, {"vsMin.Value=7"}},
      {"same spin value", [&] { vsMin.setValue(7); }, {}},
      {"spin range", [&] { vsMin.setRange(5, 0); }, {"vsMin.Range", "vsMin.Value=5"}},
      {"check", [&] { chkBlink.setValue(1); }, {"chkBlink.Value=1"}},
      {"option", [&] { opt1.click(); }, {"opt(0).Value=off", "opt(1).Value=on"}},
      {"list item", [&] { cmbT.addItem("XM"); }, {"cmbT.List"}},
      {"list choice", [&] { cmbT.setText("PM"); }, {"cmbT.ListIndex"}},
      {"no such item", [&] { cmbT.setText("pm"); }, {}},
      {"caption", [&] { lblStatus.setCaption("Timer Deactivated"); }, {"lblStatus.Caption"}},
      {"same caption", [&] { lblStatus.setCaption("Timer Deactivated"); }, {}},
      {"button caption", [&] { cmdTimer.setCaption("Activate Timer"); }, {"cmdTimer.Caption"}},
      {"frame caption", [&] { frame.setCaption("Options"); }, {"frame.Caption"}},
      {"disable", [&] { frame.setEnabled(false); }, {"frame.Enabled"}},
      {"disable again", [&] { frame.setEnabled(false); }, {}},
      {"hide", [&] { lblStatus.setVisible(false); }, {"lblStatus.Visible"}},
      {"bounds",
       [&] {
         cmdTimer.setBounds(Rect{120, 2400, 1455, 375});
       },
       {"cmdTimer.Bounds"}},
      {"line", [&] { picGraph.Line(0, 0, 1, 1, Color{}); }, {"picGraph.Drawing"}},
      {"cls", [&] { picGraph.Cls(); }, {"picGraph.Drawing"}},
      {"interval", [&] { tmr.setInterval(500); }, {"tmr.Interval"}},
      {"timer off", [&] { tmr.setEnabled(false); }, {"tmr.Enabled"}},
  };
  for (const Row& row : rows) {
    peer.log.clear();
    row.act();
    EXPECT_EQ(peer.log, row.expected) << row.what;
  }
}

TEST_F(PeerTest, PeerHearsOfTheChangeBeforeTheChangeHandlerRuns) {
  // A front end must show the new text even when the handler then rewrites it.
  txtMin.Change = [&] {
    peer.log.push_back("Change");
    if (txtMin.Text() == "75") txtMin.setText("59");
  };
  txtMin.setText("75");
  EXPECT_EQ(peer.log,
            (std::vector<std::string>{"txtMin.Text=75", "Change", "txtMin.Text=59", "Change"}));
}

TEST_F(PeerTest, UnloadDetachesThePeers) {
  ASSERT_TRUE(form.unload());
  txtMin.setText("1");
  EXPECT_TRUE(peer.log.empty());
  EXPECT_EQ(txtMin.peer(), nullptr);
}

}  // namespace
}  // namespace slumbrix
