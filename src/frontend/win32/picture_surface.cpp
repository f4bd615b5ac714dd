#include "frontend/win32/picture_surface.h"

namespace slumbrix::win32 {

PictureSurface::~PictureSurface() {
  release();
}

HDC PictureSurface::prepare(HDC reference, int width, int height) {
  if (holds(width, height)) return dc_;
  if (dc_ == nullptr) {
    dc_ = CreateCompatibleDC(reference);
    if (dc_ == nullptr) return nullptr;
  }
  releaseBitmap();
  bitmap_ = CreateCompatibleBitmap(reference, width, height);
  if (bitmap_ == nullptr) {
    release();
    return nullptr;
  }
  firstBitmap_ = SelectObject(dc_, bitmap_);
  width_ = width;
  height_ = height;
  return dc_;
}

void PictureSurface::usePen(COLORREF color) {
  if (dc_ == nullptr) return;
  HPEN pen = nullptr;
  for (const auto& [known, handle] : pens_) {
    if (known == color) pen = handle;
  }
  if (pen == nullptr) {
    pen = CreatePen(PS_SOLID, 1, color);
    if (pen == nullptr) return;
    pens_.emplace_back(color, pen);
  }
  HGDIOBJ previous = SelectObject(dc_, pen);
  if (firstPen_ == nullptr) firstPen_ = previous;
}

void PictureSurface::drawPicture(HBITMAP picture, int width, int height) {
  if (dc_ == nullptr) return;
  if (pictureDc_ == nullptr) {
    pictureDc_ = CreateCompatibleDC(dc_);
    if (pictureDc_ == nullptr) return;
    firstPictureBitmap_ = SelectObject(pictureDc_, picture);
  } else {
    SelectObject(pictureDc_, picture);
  }
  BitBlt(dc_, 0, 0, width, height, pictureDc_, 0, 0, SRCCOPY);
}

void PictureSurface::releaseBitmap() {
  if (bitmap_ == nullptr) return;
  SelectObject(dc_, firstBitmap_);
  DeleteObject(bitmap_);
  bitmap_ = nullptr;
  width_ = height_ = 0;
}

void PictureSurface::release() {
  if (pictureDc_ != nullptr) {
    SelectObject(pictureDc_, firstPictureBitmap_);
    DeleteDC(pictureDc_);
    pictureDc_ = nullptr;
  }
  if (dc_ != nullptr) {
    if (firstPen_ != nullptr) SelectObject(dc_, firstPen_);
    releaseBitmap();
    DeleteDC(dc_);
    dc_ = nullptr;
  }
  firstPen_ = nullptr;
  for (const auto& [color, pen] : pens_) DeleteObject(pen);
  pens_.clear();
}

}  // namespace slumbrix::win32
