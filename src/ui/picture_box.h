#pragma once

#include <functional>
#include <string>
#include <vector>

#include "ui/control.h"

namespace slumbrix {

enum class ScaleMode { Pixel, User };

// One drawing operation in the units of the scale mode it was drawn in.
struct DrawOp {
  enum class Kind { Line, FilledBox };
  Kind kind = Kind::Line;
  ScaleMode mode = ScaleMode::Pixel;
  double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  Color color;
  friend bool operator==(const DrawOp&, const DrawOp&) = default;
};

// A drawing surface that can also contain controls. It keeps the drawing since the last Cls
// as a list that the front end paints and the tests inspect. A filled box replaces any earlier
// operation with the same corners and scale, so a surface repainted in place without Cls does
// not grow.
class PictureBox : public Control {
 public:
  explicit PictureBox(std::string name) : Control(ControlKind::PictureBox, std::move(name)) {}

  // The picture shown, by resource name ("" for none).
  std::string picture;
  // Colour for drawing when none is given.
  Color drawColor;

  ScaleMode scaleMode() const { return scaleMode_; }
  void setScaleMode(ScaleMode mode) {
    if (scaleMode_ == mode) return;
    scaleMode_ = mode;
    notify(Property::Drawing);
  }
  // The user scale: the inner area spans scaleWidth x scaleHeight units from
  // (scaleLeft, scaleTop) at its top-left corner.
  void setUserScale(double left, double top, double width, double height);
  double scaleLeft() const { return scaleLeft_; }
  double scaleTop() const { return scaleTop_; }
  double scaleWidth() const { return scaleWidth_; }
  double scaleHeight() const { return scaleHeight_; }

  void Cls();
  void Line(double x1, double y1, double x2, double y2, Color color);
  void FilledBox(double x1, double y1, double x2, double y2, Color color);
  const std::vector<DrawOp>& drawing() const { return drawing_; }

  std::function<void()> Click;
  bool click();  // user input

 private:
  void add(DrawOp op);

  ScaleMode scaleMode_ = ScaleMode::Pixel;
  double scaleLeft_ = 0, scaleTop_ = 0, scaleWidth_ = 100, scaleHeight_ = 100;
  std::vector<DrawOp> drawing_;
};

}  // namespace slumbrix
