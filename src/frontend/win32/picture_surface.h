#pragma once

// What a picture box keeps for painting while its form lives: the bitmap it is drawn on off
// screen, the pens of its lines, and a second memory context for its loaded picture. Made on
// the first paint (again only when the box changes size) and released with the box, so that
// a refresh of its drawing creates no GDI object. Windows-only header.

#include <windows.h>

#include <utility>
#include <vector>

namespace slumbrix::win32 {

class PictureSurface {
 public:
  PictureSurface() = default;
  ~PictureSurface();
  PictureSurface(const PictureSurface&) = delete;
  PictureSurface& operator=(const PictureSurface&) = delete;

  // The memory context holding a bitmap of width x height compatible with `reference`,
  // made when there is none of that size; null when Windows refuses one.
  HDC prepare(HDC reference, int width, int height);
  // Whether the surface exists and has this size.
  bool holds(int width, int height) const {
    return dc_ != nullptr && width == width_ && height == height_;
  }
  HDC dc() const { return dc_; }
  // Selects a solid pen of one pixel in `color` into the surface, made once per colour.
  void usePen(COLORREF color);
  // Copies `picture` to the surface's top-left corner.
  void drawPicture(HBITMAP picture, int width, int height);
  // Deletes every object made here.
  void release();

 private:
  void releaseBitmap();

  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ firstBitmap_ = nullptr;
  HGDIOBJ firstPen_ = nullptr;
  int width_ = 0;
  int height_ = 0;
  HDC pictureDc_ = nullptr;
  HGDIOBJ firstPictureBitmap_ = nullptr;
  std::vector<std::pair<COLORREF, HPEN>> pens_;
};

}  // namespace slumbrix::win32
