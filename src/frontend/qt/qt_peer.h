#pragma once

#include "ui/control.h"

namespace slumbrix {

// The common part of the Qt peers: the control a widget shows. detach() cuts the link when the
// form's window goes, so that events still queued for the widget reach no control.
class QtPeer : public ControlPeer {
 public:
  explicit QtPeer(Control& control) : control_(&control) { control.setPeer(this); }
  ~QtPeer() override = default;
  QtPeer(const QtPeer&) = delete;
  QtPeer& operator=(const QtPeer&) = delete;

  void detach() {
    if (control_ == nullptr) return;
    onDetach();
    control_->setPeer(nullptr);
    control_ = nullptr;
  }
  Control* control() const { return control_; }

 protected:
  // Stops whatever the peer runs on its own (timers).
  virtual void onDetach() {}

  Control* control_;
};

}  // namespace slumbrix
