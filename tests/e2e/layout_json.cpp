// Prints the main window's and the About window's layout as JSON, from the forms themselves,
// so that the end-to-end tests find each control where the program puts it:
//   {"frmMain": {"client": [w, h], "controls": {"cmdTimer": [left, top, width, height], ...}},
//    "frmAbout": {...}}
// Positions are in twips on the form's client area: a control's place in its container plus
// each container's own.
#include <iostream>
#include <string>

#include "app/frm_about.h"
#include "app/frm_main.h"
#include "support/fake_platform.h"
#include "support/headless_window_system.h"

namespace {

using slumbrix::Control;
using slumbrix::Form;

std::string rectOf(Control& control) {
  int left = 0;
  int top = 0;
  for (Control* c = &control; c != nullptr && c != control.form(); c = c->container()) {
    left += c->bounds().left;
    top += c->bounds().top;
  }
  return "[" + std::to_string(left) + ", " + std::to_string(top) + ", " +
         std::to_string(control.bounds().width) + ", " + std::to_string(control.bounds().height) +
         "]";
}

void print(const Form& form, bool last) {
  std::cout << "  \"" << form.name() << "\": {\"client\": [" << form.clientWidth << ", "
            << form.clientHeight << "], \"controls\": {";
  const char* separator = "\n";
  for (Control* control : form.controls()) {
    if (control->kind() == slumbrix::ControlKind::Menu ||
        control->kind() == slumbrix::ControlKind::Timer)
      continue;
    std::cout << separator << "    \"" << control->displayName() << "\": " << rectOf(*control);
    separator = ",\n";
  }
  std::cout << "}}" << (last ? "\n" : ",\n");
}

}  // namespace

int main() {
  slumbrix::test::HeadlessWindowSystem windows;
  slumbrix::test::FakePlatform platform;
  const slumbrix::frmMain main(windows, platform);
  const slumbrix::frmAbout about(windows, platform);
  std::cout << "{\n";
  print(main, false);
  print(about, true);
  std::cout << "}\n";
  return 0;
}
