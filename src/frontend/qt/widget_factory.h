#pragma once

#include <QPoint>

#include <memory>

#include "frontend/qt/qt_peer.h"

class QWidget;

namespace slumbrix {

class FormWindow;

// The peer made for one control. Widget peers belong to their parent widget; peers without a
// widget (timers, menus) are handed over in `owned`.
struct CreatedPeer {
  QtPeer* peer = nullptr;
  QWidget* widget = nullptr;
  std::unique_ptr<QtPeer> owned;
  // Frames and picture boxes hold controls; these sit at innerOffset inside the widget.
  bool isContainer = false;
  QPoint innerOffset;
};

// Creates the widget or the peer that shows `control` inside `parent`.
CreatedPeer createPeer(FormWindow& window, Control& control, QWidget* parent);

}  // namespace slumbrix
