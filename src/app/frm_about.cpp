#include "app/frm_about.h"

#include "platform/windows_values.h"

namespace slumbrix {

// Each paragraph is one line, so the field wraps it at its own width.
const char* const frmAbout::kNotice =
    "Slumbrix is freeware. You may download it and use it free of charge on as many "
    "computers as you like, and you may pass it on to others in complete copies, as long as "
    "you charge nothing beyond the cost of duplication. You may not alter it or distribute "
    "parts of it.\r\n"
    "\r\n"
    "The software and any support are provided as they are, without any warranty, express "
    "or implied, including the implied warranties of merchantability and fitness for a "
    "particular purpose. In no event is the maker liable for any damages whatsoever, such as "
    "lost profits or savings, incidental or consequential damages, lost or impaired data, or "
    "the failure of software or computers, nor for any claim by you or by a third party.\r\n";

frmAbout::frmAbout(WindowSystem& windowSystem, Platform& platform)
    : Form("frmAbout", windowSystem), platform_(platform) {
  layout();
  Command1.Click = [this] { Command1_Click(); };
  Picture1.Click = [this] { Picture1_Click(); };
}

void frmAbout::layout() {
  constexpr Color kWhite = Color::fromRgb(0xFFFFFF);
  const Font defaultFont{"MS Sans Serif", 8.25, false};
  setCaption("About Slumbrix");
  clientWidth = 5040;
  clientHeight = 3810;
  backColor = kWhite;
  fixedDialog = true;
  showInTaskbar = false;
  startCentered = true;
  icon = "about";
  font = defaultFont;
  accessibility.role = AccessibleRole::Dialog;

  labelÜberCaption.setCaption("Slumbrix");
  labelÜberCaption.setBounds(Rect{240, 120, 2190, 360});
  labelÜberCaption.tabIndex = 3;
  labelÜberCaption.backColor = kWhite;
  labelÜberCaption.foreColor = Color::fromRgb(0x000080);
  labelÜberCaption.font = Font{"Arial", 15.75, false};
  labelÜberCaption.autoSize = true;

  txtÜberProg.multiLine = true;
  txtÜberProg.verticalScrollBar = true;
  txtÜberProg.setLocked(true);
  txtÜberProg.setText(kNotice);
  txtÜberProg.setSelStart(0);  // shown from the top
  txtÜberProg.setBounds(Rect{240, 600, 4575, 2415});
  txtÜberProg.tabIndex = 2;
  txtÜberProg.font = defaultFont;
  txtÜberProg.accessibility.labelledBy = &labelÜberCaption;

  Picture1.picture = "logo";
  Picture1.borderStyle = BorderStyle::None;
  Picture1.setBounds(Rect{2640, 3120, 1770, 510});
  Picture1.tabIndex = 0;

  Command1.setCaption("Close");
  Command1.setBounds(Rect{600, 3240, 1455, 375});
  Command1.tabIndex = 1;
  Command1.font = defaultFont;
}

void frmAbout::Command1_Click() {
  (void)unload();
}

void frmAbout::Picture1_Click() {
  // A missing browser is not reported; the window stays open.
  (void)platform_.ShellExecuteA(windowSystem().windowHandle(*this), nullptr, kMakerAddress, nullptr,
                                nullptr, kSwShowNormal);
}

}  // namespace slumbrix
