// Painting a picture box: its drawing list rendered off screen on a surface kept while the
// box lives, runs of joined lines drawn as one polyline, and only the area where the list
// differs from the one on screen repainted. The meter's refresh every half second changes a
// few pixels of its bar and shifts its graph; at a steady figure the bar is left alone.
#include <algorithm>

#include "frontend/win32/pane_window.h"

namespace slumbrix::win32 {

namespace {

// The picture boxes with a refresh queued; its storage stays once it has grown.
std::vector<PictureWindow*>& pending() {
  static std::vector<PictureWindow*> windows;
  return windows;
}

bool operator==(POINT a, POINT b) {
  return a.x == b.x && a.y == b.y;
}

}  // namespace

PictureWindow::Placement PictureWindow::placement() const {
  RECT area{};
  if (hwnd_ != nullptr) GetClientRect(hwnd_, &area);
  const PictureBox& box = picture();
  return {area.right,     area.bottom,      box.scaleLeft(),
          box.scaleTop(), box.scaleWidth(), box.scaleHeight()};
}

void PictureWindow::queueRefresh() {
  stale = true;
  if (refreshQueued || hwnd_ == nullptr) return;
  // A refresh of the meter is a hundred operations: the screen follows once, after them.
  refreshQueued = true;
  pending().push_back(this);
}

void PictureWindow::forgetRefresh() {
  std::erase(pending(), this);
  refreshQueued = false;
}

void PictureWindow::refreshPending() {
  // A refresh may not add to the list; each one is taken off before it runs all the same.
  while (!pending().empty()) {
    PictureWindow* window = pending().back();
    pending().pop_back();
    window->refresh();
  }
}

void PictureWindow::refresh() {
  refreshQueued = false;
  if (hwnd_ == nullptr) return;
  const Placement now = placement();
  const RECT changed = changedArea(now);
  if (IsRectEmpty(&changed) != FALSE) {
    // The list is the one on screen (the bar at a steady figure): the surface holds it, or a
    // paint since the change rendered this very list.
    if (surface.holds(now.width, now.height)) stale = false;
  } else {
    InvalidateRect(hwnd_, &changed, FALSE);
  }
  mixed = false;
  // Copied into the storage already there: no allocation once the list has its length.
  shown = picture().drawing();
  shownPlacement = now;
}

RECT PictureWindow::changedArea(const Placement& now) const {
  const RECT whole{0, 0, now.width, now.height};
  const std::vector<DrawOp>& drawing = picture().drawing();
  if (mixed || !surface.holds(now.width, now.height) || now != shownPlacement ||
      drawing.size() != shown.size())
    return whole;
  LONG left = 0, top = 0, right = 0, bottom = 0;
  bool any = false;
  const auto take = [&](const DrawOp& op) {
    for (const POINT p : {toPixels(op, op.x1, op.y1, now.width, now.height),
                          toPixels(op, op.x2, op.y2, now.width, now.height)}) {
      left = any ? std::min(left, p.x) : p.x;
      right = any ? std::max(right, p.x) : p.x;
      top = any ? std::min(top, p.y) : p.y;
      bottom = any ? std::max(bottom, p.y) : p.y;
      any = true;
    }
  };
  for (std::size_t i = 0; i < drawing.size(); ++i) {
    if (drawing[i] == shown[i]) continue;
    take(drawing[i]);
    take(shown[i]);
  }
  if (!any) return RECT{};
  // Far outside the box stands for the whole box.
  const LONG limit = 4 * (now.width + now.height) + 16;
  const auto within = [limit](LONG value) { return value >= -limit && value <= limit; };
  if (!within(left) || !within(right) || !within(top) || !within(bottom)) return whole;
  // A pixel around the ends: a line may touch the pixel of its end point, a box its corners.
  const RECT around{left - 1, top - 1, right + 2, bottom + 2};
  RECT area{};
  IntersectRect(&area, &around, &whole);
  return area;
}

void PictureWindow::paint(HDC target, const RECT& area) {
  RECT client;
  GetClientRect(hwnd_, &client);
  const int width = client.right > 0 ? client.right : 1;
  const int height = client.bottom > 0 ? client.bottom : 1;
  if (stale || !surface.holds(width, height)) {
    // A newer list than the one on screen: this area shows it now, the rest after the
    // refresh that the change queued.
    if (refreshQueued) mixed = true;
    render(target, width, height);
    stale = false;
  }
  if (surface.dc() == nullptr) {
    FillRect(target, &area, toolkit().brush(toolkit().backgroundOf(control_)));
    return;
  }
  BitBlt(target, area.left, area.top, area.right - area.left, area.bottom - area.top, surface.dc(),
         area.left, area.top, SRCCOPY);
}

void PictureWindow::render(HDC reference, int width, int height) {
  HDC dc = surface.prepare(reference, width, height);
  if (dc == nullptr) return;
  const RECT all{0, 0, width, height};
  FillRect(dc, &all, toolkit().brush(toolkit().backgroundOf(control_)));
  if (bitmap != nullptr) surface.drawPicture(bitmap, width, height);
  const std::vector<DrawOp>& drawing = picture().drawing();
  for (std::size_t i = 0; i < drawing.size();) {
    const DrawOp& op = drawing[i];
    if (op.kind == DrawOp::Kind::Line) {
      paintLines(dc, i, width, height);
      continue;
    }
    const POINT from = toPixels(op, op.x1, op.y1, width, height);
    const POINT to = toPixels(op, op.x2, op.y2, width, height);
    // Both corners belong to the box.
    const RECT box{std::min(from.x, to.x), std::min(from.y, to.y), std::max(from.x, to.x) + 1,
                   std::max(from.y, to.y) + 1};
    FillRect(dc, &box, toolkit().brush(op.color.colorRef()));
    ++i;
  }
}

void PictureWindow::paintLines(HDC dc, std::size_t& index, int width, int height) {
  const std::vector<DrawOp>& drawing = picture().drawing();
  const DrawOp& first = drawing[index];
  points.clear();
  points.push_back(toPixels(first, first.x1, first.y1, width, height));
  points.push_back(toPixels(first, first.x2, first.y2, width, height));
  // The lines that follow in the same colour, each from where the last one ended.
  for (++index; index < drawing.size(); ++index) {
    const DrawOp& op = drawing[index];
    if (op.kind != DrawOp::Kind::Line || op.color != first.color) break;
    if (!(toPixels(op, op.x1, op.y1, width, height) == points.back())) break;
    points.push_back(toPixels(op, op.x2, op.y2, width, height));
  }
  const COLORREF color = first.color.colorRef();
  surface.usePen(color);
  Polyline(dc, points.data(), static_cast<int>(points.size()));
  // Each segment leaves out its end point, which the next one starts from; the last is set.
  SetPixel(dc, points.back().x, points.back().y, color);
}

}  // namespace slumbrix::win32
