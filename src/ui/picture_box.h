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

// Where the points of a drawing list land on an inner area of so many pixels: a point drawn in
// pixels stays where it is, one drawn in the user scale is stretched over the area.
struct PixelMapping {
  double left = 0, top = 0, unitX = 1, unitY = 1;
  struct Point {
    double x = 0, y = 0;
  };
  // The point in pixels, counted from the inner area's top-left corner.
  Point place(ScaleMode mode, double x, double y) const {
    if (mode == ScaleMode::Pixel) return {x, y};
    return {(x - left) * unitX, (y - top) * unitY};
  }
  friend bool operator==(const PixelMapping&, const PixelMapping&) = default;
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
  // (scaleLeft, scaleTop) at its top-left corner; a negative extent runs from right to left
  // or from the bottom up. A width or height of 0 (or not a number) spans nothing and is
  // refused: the box keeps its scale and its scale mode, and the call returns false.
  bool setUserScale(double left, double top, double width, double height);
  double scaleLeft() const { return scaleLeft_; }
  double scaleTop() const { return scaleTop_; }
  double scaleWidth() const { return scaleWidth_; }
  double scaleHeight() const { return scaleHeight_; }
  // The mapping of this box's drawing onto an inner area of width x height pixels.
  PixelMapping pixelMapping(int width, int height) const {
    return {scaleLeft_, scaleTop_, width / scaleWidth_, height / scaleHeight_};
  }

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
