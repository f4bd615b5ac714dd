// Every property change reaches the control's peer, after the control holds the new state;
// an assignment that changes nothing is not reported.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "support/headless_window_system.h"
#include "support/test_form.h"
#include "unit/ui/recording_peer.h"

namespace slumbrix {
namespace {

class PeerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form.cancelUnload = false;
    form.load();
    vs.setRange(59, 0);
    cmb.addItem("AM");
    cmb.addItem("PM");
    for (Control* c : form.controls()) peer.attach(*c);
    peer.attach(tmr);
  }

  test::HeadlessWindowSystem ws;
  test::TestForm form{ws};
  Frame& frame = form.frame;
  TextBox& txt = form.txt;
  VScrollBar& vs = form.vs;
  CheckBox& chk = form.chk;
  OptionButton& opt0 = form.opt0;
  OptionButton& opt1 = form.opt1;
  ComboBox& cmb = form.cmb;
  Label& label = form.label;
  CommandButton& cmd = form.cmd;
  PictureBox& canvas = form.canvas;
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
      {"text", [&] { txt.setText("07"); }, {"txt.Text=07"}},
      {"same text", [&] { txt.setText("07"); }, {}},
      {"typed", [&] { txt.typeChar('1'); }, {"txt.Text=071", "txt.Selection"}},
      {"max length", [&] { txt.setMaxLength(2); }, {"txt.MaxLength"}},
      {"locked", [&] { txt.setLocked(true); }, {"txt.Locked"}},
      {"spin value", [&] { vs.setValue(7); }, {"vs.Value=7"}},
      {"same spin value", [&] { vs.setValue(7); }, {}},
      {"spin range", [&] { vs.setRange(5, 0); }, {"vs.Range", "vs.Value=5"}},
      {"check", [&] { chk.setValue(1); }, {"chk.Value=1"}},
      {"option", [&] { opt1.click(); }, {"opt(0).Value=off", "opt(1).Value=on"}},
      {"list item", [&] { cmb.addItem("XM"); }, {"cmb.List"}},
      {"list choice", [&] { cmb.setText("PM"); }, {"cmb.ListIndex"}},
      {"no such item", [&] { cmb.setText("pm"); }, {}},
      {"caption", [&] { label.setCaption("Timer Deactivated"); }, {"label.Caption"}},
      {"same caption", [&] { label.setCaption("Timer Deactivated"); }, {}},
      {"button caption", [&] { cmd.setCaption("Activate Timer"); }, {"cmd.Caption"}},
      {"frame caption", [&] { frame.setCaption("Options"); }, {"frame.Caption"}},
      {"disable", [&] { frame.setEnabled(false); }, {"frame.Enabled"}},
      {"disable again", [&] { frame.setEnabled(false); }, {}},
      {"hide", [&] { label.setVisible(false); }, {"label.Visible"}},
      {"bounds",
       [&] {
         cmd.setBounds(Rect{120, 2400, 1455, 375});
       },
       {"cmd.Bounds"}},
      {"line", [&] { canvas.Line(0, 0, 1, 1, Color{}); }, {"canvas.Drawing"}},
      {"cls", [&] { canvas.Cls(); }, {"canvas.Drawing"}},
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
  txt.Change = [&] {
    peer.log.push_back("Change");
    if (txt.Text() == "75") txt.setText("59");
  };
  txt.setText("75");
  EXPECT_EQ(peer.log, (std::vector<std::string>{"txt.Text=75", "Change", "txt.Text=59", "Change"}));
}

TEST_F(PeerTest, UnloadDetachesThePeers) {
  ASSERT_TRUE(form.unload());
  txt.setText("1");
  EXPECT_TRUE(peer.log.empty());
  EXPECT_EQ(txt.peer(), nullptr);
}

}  // namespace
}  // namespace slumbrix
