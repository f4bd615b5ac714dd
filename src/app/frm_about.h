#pragma once

#include <string>

#include "platform/platform.h"
#include "ui/buttons.h"
#include "ui/control.h"
#include "ui/form.h"
#include "ui/picture_box.h"
#include "ui/text_box.h"

namespace slumbrix {

// The maker's web page, opened by a click on the logo.
inline constexpr const char* kMakerAddress = "https://www.example.org/slumbrix/";

// The About window: the program's name, the freeware notice with its warranty disclaimer,
// the maker's logo (a link to the maker's page) and "Close". Shown modal from the main
// window's File menu; each showing starts from these values.
class frmAbout : public Form {
 public:
  frmAbout(WindowSystem& windowSystem, Platform& platform);

  Label& labelÜberCaption = add<Label>(nullptr, "labelÜberCaption");
  TextBox& txtÜberProg = add<TextBox>(nullptr, "txtÜberProg");
  PictureBox& Picture1 = add<PictureBox>(nullptr, "Picture1");
  CommandButton& Command1 = add<CommandButton>(nullptr, "Command1");

  void Command1_Click();
  void Picture1_Click();

  // The notice: two paragraphs, every line ended with CR LF.
  static const char* const kNotice;

 private:
  void layout();

  Platform& platform_;
};

}  // namespace slumbrix
