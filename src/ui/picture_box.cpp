#include "ui/picture_box.h"

#include <algorithm>
#include <cmath>

namespace slumbrix {

bool PictureBox::setUserScale(double left, double top, double width, double height) {
  for (const double value : {left, top, width, height})
    if (!std::isfinite(value)) return false;
  if (width == 0 || height == 0) return false;
  scaleMode_ = ScaleMode::User;
  scaleLeft_ = left;
  scaleTop_ = top;
  scaleWidth_ = width;
  scaleHeight_ = height;
  notify(Property::Drawing);
  return true;
}

void PictureBox::Cls() {
  drawing_.clear();
  notify(Property::Drawing);
}

void PictureBox::Line(double x1, double y1, double x2, double y2, Color color) {
  add(DrawOp{DrawOp::Kind::Line, scaleMode_, x1, y1, x2, y2, color});
}

void PictureBox::FilledBox(double x1, double y1, double x2, double y2, Color color) {
  const DrawOp op{DrawOp::Kind::FilledBox, scaleMode_, x1, y1, x2, y2, color};
  std::erase_if(drawing_, [&](const DrawOp& old) {
    return old.mode == op.mode && old.x1 == op.x1 && old.y1 == op.y1 && old.x2 == op.x2 &&
           old.y2 == op.y2;
  });
  add(op);
}

void PictureBox::add(DrawOp op) {
  drawing_.push_back(op);
  notify(Property::Drawing);
}

bool PictureBox::click() {
  if (!isUsable()) return false;
  if (Click) Click();
  return true;
}

}  // namespace slumbrix
