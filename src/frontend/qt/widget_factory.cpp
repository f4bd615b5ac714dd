#include "frontend/qt/widget_factory.h"

#include "frontend/qt/form_window.h"
#include "frontend/qt/menus.h"
#include "frontend/qt/picture_peer.h"
#include "frontend/qt/simple_peers.h"
#include "frontend/qt/spin_peer.h"
#include "frontend/qt/text_peers.h"
#include "frontend/qt/timer_peer.h"

namespace slumbrix {
namespace {

template <class Peer, class Model>
CreatedPeer widget(FormWindow& window, Control& control, QWidget* parent) {
  auto* peer = new Peer(window, static_cast<Model&>(control), parent);
  CreatedPeer created;
  created.peer = peer;
  created.widget = peer;
  return created;
}

CreatedPeer textField(FormWindow& window, Control& control, QWidget* parent) {
  if (static_cast<TextBox&>(control).multiLine)
    return widget<TextEditPeer, TextBox>(window, control, parent);
  return widget<LineEditPeer, TextBox>(window, control, parent);
}

CreatedPeer picture(FormWindow& window, Control& control, QWidget* parent) {
  auto* peer = new PicturePeer(window, static_cast<PictureBox&>(control), parent);
  CreatedPeer created;
  created.peer = peer;
  created.widget = peer;
  created.isContainer = true;
  created.innerOffset = peer->innerRect().topLeft();
  return created;
}

template <class Peer, class Model, class... Extra>
CreatedPeer owned(Control& control, Extra&... extra) {
  CreatedPeer created;
  created.owned = std::make_unique<Peer>(extra..., static_cast<Model&>(control));
  created.peer = created.owned.get();
  return created;
}

}  // namespace

CreatedPeer createPeer(FormWindow& window, Control& control, QWidget* parent) {
  switch (control.kind()) {
    case ControlKind::Frame: {
      CreatedPeer created = widget<FramePeer, Frame>(window, control, parent);
      created.isContainer = true;
      return created;
    }
    case ControlKind::PictureBox:
      return picture(window, control, parent);
    case ControlKind::Label:
      return widget<LabelPeer, Label>(window, control, parent);
    case ControlKind::TextBox:
      return textField(window, control, parent);
    case ControlKind::CommandButton:
      return widget<ButtonPeer, CommandButton>(window, control, parent);
    case ControlKind::CheckBox:
      return widget<CheckBoxPeer, CheckBox>(window, control, parent);
    case ControlKind::OptionButton:
      return widget<OptionPeer, OptionButton>(window, control, parent);
    case ControlKind::ComboBox:
      return widget<ComboPeer, ComboBox>(window, control, parent);
    case ControlKind::VScrollBar:
      return widget<SpinPeer, VScrollBar>(window, control, parent);
    case ControlKind::Timer:
      return owned<TimerPeer, Timer>(control);
    case ControlKind::Menu:
      return owned<MenuPeer, Menu>(control, window);
    case ControlKind::Form:
      return {};
  }
  return {};
}

}  // namespace slumbrix
