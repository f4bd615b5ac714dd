#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "cpu/cpu_usage.h"
#include "cpu/meter.h"
#include "platform/platform.h"
#include "schedule/date_time.h"
#include "tray/notify_icon_data.h"
#include "ui/buttons.h"
#include "ui/combo_box.h"
#include "ui/control.h"
#include "ui/form.h"
#include "ui/menu.h"
#include "ui/picture_box.h"
#include "ui/scroll_bar.h"
#include "ui/text_box.h"
#include "ui/timer.h"
#include "ui/vb_types.h"

namespace slumbrix {

class frmAbout;

// The main window: its controls with their design-time values, the state it keeps for the
// whole run, and its handlers. The handlers are defined in the folder of their subsystem:
// start-up and exit in app/, arming, countdown, modes and entry fields in schedule/, the
// system actions in actions/, the meter and the CPU watch in cpu/, the tray in tray/.
class frmMain : public Form {
 public:
  frmMain(WindowSystem& windowSystem, Platform& platform);
  ~frmMain() override;

  // Starts the program: Form_Initialize and everything it leads to. Afterwards the window is
  // shown, or the program has ended (a second instance).
  void start();

  Platform& platform() { return platform_; }
  Handle hWnd() const;
  Handle iconHandle() const;

  // ---- Controls, in their containers (design-time values in frm_main_layout.cpp) ----------
  Frame& frame = add<Frame>(nullptr, "frame");  // "Options": action and trigger
  Label& lbl0 = add<Label>(&frame, "lbl", 0);
  ComboBox& cmbAction = add<ComboBox>(&frame, "cmbAction");
  CheckBox& chkForce = add<CheckBox>(&frame, "chkForce");  // force the action; hidden, checked
  PictureBox& pic = add<PictureBox>(&frame, "pic");        // holds the three trigger modes
  OptionButton& opt0 = add<OptionButton>(&pic, "opt", 0);  // "Activate in:" a period
  TextBox& txtPeriod = add<TextBox>(&pic, "txtPeriod");
  VScrollBar& vsPeriod = add<VScrollBar>(&pic, "vsPeriod");
  ComboBox& cmbUnit = add<ComboBox>(&pic, "cmbUnit");
  OptionButton& opt1 = add<OptionButton>(&pic, "opt", 1);  // "Activate at:" a clock time
  TextBox& txtHour = add<TextBox>(&pic, "txtHour");
  VScrollBar& vsHour = add<VScrollBar>(&pic, "vsHour");
  TextBox& txtMin = add<TextBox>(&pic, "txtMin");
  VScrollBar& vsMin = add<VScrollBar>(&pic, "vsMin");
  ComboBox& cmbT = add<ComboBox>(&pic, "cmbT");  // "AM" or "PM" of the clock time
  // The CPU-threshold mode: "Activate if the CPU-Usage is less than" txtAuslastung percent.
  OptionButton& Option1 = add<OptionButton>(&pic, "Option1");
  TextBox& txtAuslastung = add<TextBox>(&pic, "txtAuslastung");  // the threshold (load), read-only
  VScrollBar& vsAuslastung = add<VScrollBar>(&pic, "vsAuslastung");  // its spin button
  Label& Label1 = add<Label>(&pic, "Label1");                        // "%"
  CheckBox& chkBlink = add<CheckBox>(&frame, "chkBlink");  // flash the tray icon before firing
  TextBox& txtBlink = add<TextBox>(&frame, "txtBlink");    // how many seconds before
  VScrollBar& vsBlink = add<VScrollBar>(&frame, "vsBlink");
  Label& lbl1 = add<Label>(&frame, "lbl", 1);
  Frame& Frame2 = add<Frame>(nullptr, "Frame2");                      // "CPU-Usage": the meter
  PictureBox& picUsage = add<PictureBox>(&Frame2, "picUsage");        // the usage bar
  Label& lblCpuUsage = add<Label>(&picUsage, "lblCpuUsage");          // the usage number
  PictureBox& picGraph = add<PictureBox>(&Frame2, "picGraph");        // the usage graph
  Frame& fraTime = add<Frame>(nullptr, "fraTime");                    // "Time:"
  Label& lbltime = add<Label>(&fraTime, "lbltime");                   // the clock
  Frame& Frame1 = add<Frame>(nullptr, "Frame1");                      // "Status:"
  Label& lblStatus = add<Label>(&Frame1, "lblStatus");                // the status line
  CommandButton& cmdTimer = add<CommandButton>(nullptr, "cmdTimer");  // "Activate Timer"
  CommandButton& Command1 = add<CommandButton>(nullptr, "Command1");  // "Tray": hides the window
  Timer& thetime = add<Timer>(nullptr, "thetime");  // 500 ms, always: ticks the clock
  // 500 ms while a period or clock-time countdown is armed: counts down, flashes, fires. Named
  // "Timer" in the window; the underscore keeps it apart from the class.
  Timer& Timer_ = add<Timer>(nullptr, "Timer");
  Timer& tmrRefresh = add<Timer>(&Frame2, "tmrRefresh");  // 500 ms: refreshes the meter
  // 10 ms while the CPU-threshold mode is armed: fires once the load is below the threshold.
  Timer& timercpushut = add<Timer>(&picGraph, "timercpushut");
  Menu& menuDatei = add<Menu>(nullptr, "menuDatei");      // "File"
  Menu& ueber = add<Menu>(&menuDatei, "ueber");           // "About Slumbrix"
  Menu& beendn = add<Menu>(&menuDatei, "beendn");         // "Exit Slumbrix" in the File menu
  Menu& mnuPopup = add<Menu>(nullptr, "mnuPopup");        // the tray icon's menu, never on the bar
  Menu& menuwieder = add<Menu>(&mnuPopup, "menuwieder");  // "Restore": shows the window
  Menu& mnuExit = add<Menu>(&mnuPopup, "mnuExit");        // "Exit Slumbrix" in the tray menu

  // ---- State, in its declared order ----------------------------------------------------
  std::string mstrAction;
  VbBool mblnTimerActive = kVbFalse;
  VbBool mblnExit = kVbFalse;
  VbBool mblnBlink = kVbFalse;
  VbBool mblnForce = kVbFalse;
  std::int32_t mlngBlinkSeconds = 0;
  DateTime mdatTarget;  // the moment of firing, in UTC
  NotifyIconData mTrayIcon;
  std::unique_ptr<CpuUsageProvider> mCPUUsage;
  VbBool mintBlinkPhase = kVbFalse;
  mdMisc::UsageHistory mlngUsageHistory{};
  std::int32_t glngWhichWindows32 = 0;
  // Whether a notification area shows the tray icon: the shell took its addition and has not
  // gone away since.
  bool mblnTrayShown = false;

  // ---- Handlers ------------------------------------------------------------------------
  // app/
  void Form_Initialize();
  void Form_Load();
  void Form_Activate();
  void Form_KeyPress(std::int16_t& keyAscii);
  void Form_Unload(std::int16_t& cancel);
  void beendn_Click();
  void mnuExit_Click();
  void menuwieder_Click();
  void ueber_Click();
  // schedule/
  void cmdTimer_Click();
  void Timer_Timer();
  void thetime_Timer();
  void opt_Click(std::int16_t index);
  void Option1_Click();
  void chkBlink_Click();
  void txtPeriod_KeyPress(std::int16_t& keyAscii);
  void txtHour_KeyPress(std::int16_t& keyAscii);
  void txtMin_KeyPress(std::int16_t& keyAscii);
  void txtBlink_KeyPress(std::int16_t& keyAscii);
  void txtPeriod_Change();
  void txtHour_Change();
  void txtMin_Change();
  void txtBlink_Change();
  void txtAuslastung_Change();
  void vsPeriod_Change();
  void vsHour_Change();
  void vsMin_Change();
  void vsBlink_Change();
  void vsAuslastung_Change();
  // cpu/
  void tmrRefresh_Timer();
  void timercpushut_Timer();
  // tray/
  void Command1_Click();
  void Form_MouseMove(int button, int shift, double x, double y);
  void Form_TaskbarCreated();
  void Form_TaskbarGone();

  // ---- Procedures private to the main window --------------------------------------------
  // actions/: the "Shutdown" action and its privilege step.
  void ShutdownComputer();
  void EnableShutdownPrivilege();
  // actions/: performs mstrAction with mblnForce; shared by both firing paths.
  void PerformAction();
  // app/: the exit path: marks the real exit and unloads the window.
  void ExitProgram();
  // tray/: the tray icon's steps. AddTrayIcon fills the whole record ("No action started",
  // the window's icon, kWmMouseMove as callback) and adds it; ShowTrayTip sets the tooltip
  // of an armed countdown; RestoreTrayIcon puts back the icon and "No action started";
  // FlashTrayIcon is one step of flashing (the icon or a blank, alternating with
  // mintBlinkPhase); DeleteTrayIcon removes it. Each sends the whole record.
  void AddTrayIcon();
  void ShowTrayTip(const std::string& text);
  void RestoreTrayIcon();
  void FlashTrayIcon();
  void DeleteTrayIcon();
  // tray/: sends mTrayIcon with the given kNim message; true when the shell took it.
  bool SendTrayIcon(std::uint32_t message);
  // tray/: takes the window off the screen: hidden into the tray where a notification area
  // shows the icon, minimised with a taskbar button where none does. Hiding by Esc, by the
  // close box and by "Tray" all come here.
  void HideWindow();
  // tray/: notes whether a notification area shows the icon; without one the window keeps a
  // taskbar button.
  void SetTrayShown(bool shown);

  frmAbout* about() const { return frmAbout_.get(); }

 private:
  void layout();
  // What a screen reader is told beyond the controls' kinds and captions.
  void describeAccessibility();
  void connectHandlers();

  Platform& platform_;
  std::unique_ptr<frmAbout> frmAbout_;
};

}  // namespace slumbrix
