// A picture box under Wine repaints only where its drawing changed, and draws a run of joined
// lines as the separate lines would look.
#include <windows.h>

#include <gtest/gtest.h>

#include "driver/control_lookup.h"
#include "frontend/win32/pane_window.h"
#include "frontend/win32/win32_window_system.h"
#include "support/test_form.h"

namespace slumbrix::wine {
namespace {

using test::TestForm;

constexpr Color kLine = Color::fromRgb(0x0000FF);
constexpr COLORREF kBack = RGB(0xE0, 0xE0, 0xE0);

class PicturePaintTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form.load();
    form.show();
    canvas = findControl(reinterpret_cast<HWND>(ws.windowHandle(form)), "canvas");
    ASSERT_NE(canvas, nullptr);
    GetClientRect(canvas, &area);
    pump();
  }

  // The message loop's round: each message, then the refreshes the changes queued.
  void pump() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
    win32::PictureWindow::refreshPending();
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
  }
  // The area the refresh of the drawing's change marks for repainting.
  RECT pendingAfterRefresh() {
    win32::PictureWindow::refreshPending();
    RECT pending{};
    if (GetUpdateRect(canvas, &pending, FALSE) == FALSE) return RECT{};
    return pending;
  }
  // A graph in pixels: a zigzag of joined lines, its last point at (60, lastY).
  void drawGraph(int lastY) {
    form.canvas.Cls();
    for (int x = 0; x < 50; x += 10)
      form.canvas.Line(x, 10 + x % 20, x + 10, 10 + (x + 10) % 20, kLine);
    form.canvas.Line(50, 10, 60, lastY, kLine);
  }
  COLORREF printed(int x, int y) {
    HDC screen = GetDC(canvas);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, area.right, area.bottom);
    HGDIOBJ old = SelectObject(dc, bitmap);
    SendMessageA(canvas, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    const COLORREF pixel = GetPixel(dc, x, y);
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    ReleaseDC(canvas, screen);
    return pixel;
  }

  Win32WindowSystem ws;
  TestForm form{ws};
  HWND canvas = nullptr;
  RECT area{};
};

TEST_F(PicturePaintTest, RepaintsOnlyTheAreaWhereTheDrawingChanged) {
  drawGraph(20);
  pump();
  // The same list again, as the meter redraws a steady graph: nothing to repaint.
  drawGraph(20);
  RECT pending = pendingAfterRefresh();
  EXPECT_TRUE(IsRectEmpty(&pending));
  // The last line moved: the area of its old and new places, and a pixel around them.
  drawGraph(40);
  pending = pendingAfterRefresh();
  EXPECT_EQ(pending.left, 49);
  EXPECT_EQ(pending.top, 9);
  EXPECT_EQ(pending.right, 62);
  EXPECT_EQ(pending.bottom, 42);
  pump();
  EXPECT_EQ(printed(60, 40), RGB(0, 0, 0xFF));
  EXPECT_EQ(printed(60, 20), kBack);
  // A new user scale moves everything: the whole box.
  form.canvas.setUserScale(0, 0, 50, 50);
  pending = pendingAfterRefresh();
  EXPECT_EQ(pending.left, 0);
  EXPECT_EQ(pending.right, area.right);
  EXPECT_EQ(pending.bottom, area.bottom);
}

TEST_F(PicturePaintTest, APaintBeforeTheRefreshLeavesNothingOfTheListItShowed) {
  drawGraph(20);
  pump();
  drawGraph(40);
  // Painted before the refresh of the change (a window uncovered in the same message).
  EXPECT_EQ(printed(60, 40), RGB(0, 0, 0xFF));
  drawGraph(20);
  const RECT pending = pendingAfterRefresh();
  EXPECT_EQ(pending.right, area.right);  // the whole box, since the screen may show either
  pump();
  EXPECT_EQ(printed(60, 40), kBack);
  EXPECT_EQ(printed(60, 20), RGB(0, 0, 0xFF));
}

TEST_F(PicturePaintTest, JoinedLinesLookLikeTheSeparateLines) {
  drawGraph(20);
  pump();
  // Each joint, both ends and a point inside a segment are drawn; beside a line, the back.
  for (const POINT p : {POINT{0, 10}, POINT{10, 20}, POINT{20, 10}, POINT{60, 20}, POINT{5, 15}})
    EXPECT_EQ(printed(p.x, p.y), RGB(0, 0, 0xFF)) << p.x << "," << p.y;
  EXPECT_EQ(printed(61, 20), kBack);
  EXPECT_EQ(printed(0, 12), kBack);
}

}  // namespace
}  // namespace slumbrix::wine
