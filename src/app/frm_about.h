#pragma once

#include <string>

#include "platform/platform.h"
#include "ui/buttons.h"
#include "ui/control.h"
#include "ui/form.h"
#include "ui/picture_box.h"
#include "ui/text_box.h"

namespace slumbrix {

// The About window: the program's name, the freeware notice with its warranty disclaimer,
// the maker's logo (a link to the maker's page) and "Close".
class frmAbout : public Form {
 public:
  frmAbout(WindowSystem& windowSystem, Platform& platform);

  Label& labelUeberCaption = add<Label>(nullptr, "labelUeberCaption");
  TextBox& txtUeberProg = add<TextBox>(nullptr, "txtUeberProg");
  PictureBox& Picture1 = add<PictureBox>(nullptr, "Picture1");
  CommandButton& Command1 = add<CommandButton>(nullptr, "Command1");

  void Command1_Click();
  void Picture1_Click();

 private:
  Platform& platform_;
};

}  // namespace slumbrix
