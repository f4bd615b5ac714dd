// The native window system under Wine: what the controls show, and how user input reaches
// the model, through the same window messages that Windows sends.
#include <windows.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "driver/control_lookup.h"
#include "frontend/win32/resources.h"
#include "frontend/win32/win32_window_system.h"
#include "support/test_form.h"

namespace slumbrix::wine {
namespace {

using test::SmallForm;
using test::TestForm;

using ::testing::ElementsAre;

BOOL CALLBACK takeFirstName(HMODULE, LPCSTR, LPSTR name, LONG_PTR found) {
  *reinterpret_cast<LPSTR*>(found) = name;
  return FALSE;
}

class WindowSystemTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form.load();
    form.show();
    pump();
  }

  void pump() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (!ws.translateKey(&message)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
      }
    }
    ws.releaseRetired();
  }

  HWND top() const { return reinterpret_cast<HWND>(ws.windowHandle(form)); }
  HWND control(const char* name) const { return findControl(top(), name); }
  // The window's rectangle in its parent's client coordinates.
  static RECT placeOf(HWND window) {
    RECT r;
    GetWindowRect(window, &r);
    MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&r), 2);
    return r;
  }
  int px(int twips) const {
    return static_cast<int>(std::lround(double(twips) / ws.twipsPerPixelX()));
  }
  int py(int twips) const {
    return static_cast<int>(std::lround(double(twips) / ws.twipsPerPixelY()));
  }
  // A key pressed where `window` has the focus, as the message loop hands it over.
  bool key(HWND window, WPARAM virtualKey, UINT message = WM_KEYDOWN) {
    MSG pressed{window, message, virtualKey, 1, 0, {0, 0}};
    return ws.translateKey(&pressed);
  }
  void typeInto(HWND edit, int selStart, int selEnd, WPARAM character) {
    SendMessageA(edit, EM_SETSEL, selStart, selEnd);
    SendMessageA(edit, WM_CHAR, character, 1);
  }
  void command(HWND child, WORD code) {
    SendMessageA(GetParent(child), WM_COMMAND, MAKEWPARAM(0, code),
                 reinterpret_cast<LPARAM>(child));
  }
  void scroll(HWND bar, WORD code) {
    SendMessageA(GetParent(bar), WM_VSCROLL, code, reinterpret_cast<LPARAM>(bar));
  }

  Win32WindowSystem ws;
  TestForm form{ws};
};

TEST_F(WindowSystemTest, PlacesControlsInTheirContainersFromTwips) {
  struct Row {
    const char* name;
    Rect twips;
    const char* parent;  // the control whose window contains it; "" for the form
  };
  const Row rows[] = {
      {"frame", {150, 150, 4500, 2400}, ""},    {"txt", {1500, 300, 900, 315}, "frame"},
      {"pic", {150, 750, 4200, 1500}, "frame"}, {"opt(1)", {30, 420, 1200, 255}, "pic"},
      {"vs", {1500, 0, 240, 480}, "pic"},       {"cmd", {1800, 2700, 1500, 375}, ""},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    HWND window = control(row.name);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(GetParent(window), *row.parent ? control(row.parent) : top());
    const RECT r = placeOf(window);
    EXPECT_EQ(r.left, px(row.twips.left));
    EXPECT_EQ(r.top, py(row.twips.top));
    EXPECT_EQ(r.right - r.left, px(row.twips.width));
    EXPECT_EQ(r.bottom - r.top, py(row.twips.height));
  }
  RECT client;
  GetClientRect(top(), &client);
  EXPECT_EQ(client.right, px(form.clientWidth));
  EXPECT_EQ(client.bottom, py(form.clientHeight));
}

TEST_F(WindowSystemTest, AFormOffTheTaskbarIsOwnedByAHiddenWindow) {
  // Windows gives a taskbar button to unowned top-level windows only.
  HWND owner = GetWindow(top(), GW_OWNER);
  ASSERT_NE(owner, nullptr);
  EXPECT_FALSE(IsWindowVisible(owner));
  EXPECT_EQ(GetWindowLongA(top(), GWL_EXSTYLE) & WS_EX_APPWINDOW, 0);
  EXPECT_EQ(GetWindowLongA(top(), GWL_STYLE) & (WS_MAXIMIZEBOX | WS_MINIMIZEBOX | WS_THICKFRAME),
            0);
}

TEST_F(WindowSystemTest, ControlsShowWhatTheModelHolds) {
  form.label.setCaption("Changed");
  form.txt.setText("7");
  form.cmb.setListIndex(2);
  form.chk.setValue(1);
  form.opt1.setValue(true);
  form.vs.setValue(8);  // Min 10 at the top: 2 steps down from it
  EXPECT_EQ(windowText(control("label")), "Changed");
  EXPECT_EQ(windowText(control("txt")), "7");
  EXPECT_EQ(comboSelection(control("cmb")), 2);
  EXPECT_THAT(comboItems(control("cmb")), ElementsAre("Hours", "Minutes", "Seconds"));
  EXPECT_EQ(SendMessageA(control("chk"), BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(SendMessageA(control("opt(0)"), BM_GETCHECK, 0, 0), BST_UNCHECKED);
  EXPECT_EQ(SendMessageA(control("opt(1)"), BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(GetScrollPos(control("vs"), SB_CTL), 2);
  form.chk.setVisible(false);
  EXPECT_FALSE(IsWindowVisible(control("chk")));
}

TEST_F(WindowSystemTest, ADisabledContainerGreysEverythingInsideIt) {
  form.frame.setEnabled(false);
  EXPECT_FALSE(IsWindowEnabled(control("txt")));
  EXPECT_FALSE(IsWindowEnabled(control("cmb")));  // inside pic, inside frame
  EXPECT_TRUE(IsWindowEnabled(control("cmd")));
  form.txt.setEnabled(false);
  form.frame.setEnabled(true);
  EXPECT_FALSE(IsWindowEnabled(control("txt")));  // still disabled itself
  EXPECT_TRUE(IsWindowEnabled(control("cmb")));
}

TEST_F(WindowSystemTest, TypedCharactersReachKeyPressBeforeTheField) {
  struct Row {
    int selStart, selEnd;
    WPARAM character;
    const char* text;
  };
  const Row rows[] = {
      {2, 2, '3', "123"},  // appended
      {0, 2, '9', "9"},    // replaces the selection
      {2, 2, 'x', "12"},   // discarded by the handler
      {2, 2, '\b', "1"},   // backspace
      {0, 0, '\b', "12"},  // backspace at the start does nothing
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.character);
    form.txt.setText("12");
    form.events.clear();
    typeInto(control("txt"), row.selStart, row.selEnd, row.character);
    EXPECT_EQ(form.txt.Text(), row.text);
    EXPECT_EQ(windowText(control("txt")), row.text);
    ASSERT_FALSE(form.events.empty());
    EXPECT_EQ(form.events.front(), "txt.KeyPress " + std::to_string(row.character));
  }
}

TEST_F(WindowSystemTest, DeleteAndPasteGoThroughTheModel) {
  HWND edit = control("txt");
  form.txt.setText("123");
  SendMessageA(edit, EM_SETSEL, 0, 1);
  EXPECT_TRUE(key(edit, VK_DELETE));
  EXPECT_EQ(form.txt.Text(), "23");
  EXPECT_EQ(windowText(edit), "23");

  ASSERT_TRUE(OpenClipboard(top()));
  EmptyClipboard();
  HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, 16);
  lstrcpyA(static_cast<char*>(GlobalLock(data)), "4567\r\n89");
  GlobalUnlock(data);
  SetClipboardData(CF_TEXT, data);
  CloseClipboard();
  form.events.clear();
  SendMessageA(edit, EM_SETSEL, 2, 2);
  SendMessageA(edit, WM_PASTE, 0, 0);
  EXPECT_EQ(form.txt.Text(), "234");  // the first line, cut at MaxLength 3
  EXPECT_EQ(windowText(edit), "234");
  EXPECT_EQ(form.events, std::vector<std::string>{"txt.Change"});  // no KeyPress for a paste

  SetWindowTextA(edit, "5");  // text set from outside enters as a replacement
  EXPECT_EQ(form.txt.Text(), "5");
}

TEST_F(WindowSystemTest, ScrollArrowsStepTheSpinButton) {
  struct Row {
    std::int16_t from;
    WORD code;
    std::int16_t to;
  };
  const Row rows[] = {
      {5, SB_LINEUP, 6}, {5, SB_LINEDOWN, 4}, {10, SB_LINEUP, 10}, {1, SB_LINEDOWN, 1}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.from);
    form.vs.setValue(row.from);
    scroll(control("vs"), row.code);
    EXPECT_EQ(form.vs.Value(), row.to);
    EXPECT_EQ(GetScrollPos(control("vs"), SB_CTL), 10 - row.to);
  }
  form.pic.setEnabled(false);  // the bar's container
  scroll(control("vs"), SB_LINEUP);
  EXPECT_EQ(form.vs.Value(), 1);
}

TEST_F(WindowSystemTest, ClicksAndChoicesEnterAsUserInput) {
  SendMessageA(control("cmd"), BM_CLICK, 0, 0);
  SendMessageA(control("chk"), BM_CLICK, 0, 0);
  SendMessageA(control("opt(1)"), BM_CLICK, 0, 0);
  SendMessageA(control("cmb"), CB_SETCURSEL, 1, 0);
  command(control("cmb"), CBN_SELCHANGE);
  EXPECT_THAT(form.events, ElementsAre("cmd.Click", "chk.Click", "opt1.Click", "cmb.Click"));
  EXPECT_EQ(form.chk.Value(), 1);
  SendMessageA(control("chk"), BM_CLICK, 0, 0);
  EXPECT_EQ(form.chk.Value(), 0);  // each click toggles
  EXPECT_EQ(SendMessageA(control("chk"), BM_GETCHECK, 0, 0), BST_UNCHECKED);
  EXPECT_EQ(SendMessageA(control("opt(0)"), BM_GETCHECK, 0, 0), BST_UNCHECKED);
  EXPECT_EQ(form.cmb.Text(), "Minutes");

  form.frame.setEnabled(false);  // an unusable list refuses the choice and shows the model's
  SendMessageA(control("cmb"), CB_SETCURSEL, 2, 0);
  command(control("cmb"), CBN_SELCHANGE);
  EXPECT_EQ(form.cmb.ListIndex(), 1);
  EXPECT_EQ(comboSelection(control("cmb")), 1);
}

TEST_F(WindowSystemTest, TheTrayCallbackArrivesAsAMouseMoveInTwips) {
  // The shell sends the icon's id as wParam and the mouse message as lParam.
  SendMessageA(top(), WM_MOUSEMOVE, 1, WM_RBUTTONUP);
  EXPECT_EQ(form.mouseButton, 1);
  EXPECT_EQ(form.mouseX, WM_RBUTTONUP * ws.twipsPerPixelX());
  EXPECT_EQ(form.mouseY, 0);
}

TEST_F(WindowSystemTest, KeysReachTheFormOnlyWhileItTakesInput) {
  SendMessageA(top(), WM_CHAR, 27, 1);
  SmallForm dialog(ws);
  dialog.showModal(form);
  SendMessageA(top(), WM_CHAR, 27, 1);
  EXPECT_EQ(form.events, std::vector<std::string>{"Form.KeyPress 27"});
}

TEST_F(WindowSystemTest, PaintsTheDrawingListInPixelsAndInTheUserScale) {
  form.canvas.FilledBox(5, 5, 10, 6, Color::fromRgb(0xC00000));
  form.canvas.setUserScale(0, 0, 100, 100);
  form.canvas.Line(0, 50, 100, 50, Color::fromRgb(0x0000FF));
  HWND canvas = control("canvas");
  RECT area;
  GetClientRect(canvas, &area);
  HDC screen = GetDC(canvas);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, area.right, area.bottom);
  SelectObject(dc, bitmap);
  SendMessageA(canvas, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
  EXPECT_EQ(GetPixel(dc, 10, 6), RGB(0xC0, 0, 0));  // both corners belong to the box
  EXPECT_EQ(GetPixel(dc, 5, 5), RGB(0xC0, 0, 0));
  EXPECT_EQ(GetPixel(dc, 11, 6), RGB(0xE0, 0xE0, 0xE0));
  EXPECT_EQ(GetPixel(dc, area.right / 3, std::lround(area.bottom / 2.0)), RGB(0, 0, 0xFF));
  DeleteDC(dc);
  DeleteObject(bitmap);
  ReleaseDC(canvas, screen);
}

TEST_F(WindowSystemTest, AFramesGroupBoxLeavesTheBordersOfItsControlsAlone) {
  // The themed group box fills its parent's background behind it when it paints; the
  // sunken borders of the controls in the frame must survive that.
  HWND groupBox = FindWindowExA(control("frame"), nullptr, "BUTTON", "Group");
  ASSERT_NE(groupBox, nullptr);
  RedrawWindow(groupBox, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  HWND edit = control("txt");
  HDC dc = GetWindowDC(edit);
  const COLORREF corner = GetPixel(dc, 0, 0);
  ReleaseDC(edit, dc);
  EXPECT_NE(corner, GetSysColor(COLOR_BTNFACE));
}

TEST_F(WindowSystemTest, FormsShowTheIconsTheProgramNames) {
  for (const char* name : {"slumbrix", "about", ""}) {
    SCOPED_TRACE(name);
    SmallForm other(ws);
    other.icon = name;
    other.load();
    HWND window = reinterpret_cast<HWND>(ws.windowHandle(other));
    EXPECT_NE(SendMessageA(window, WM_GETICON, ICON_BIG, 0), 0);
    EXPECT_NE(SendMessageA(window, WM_GETICON, ICON_SMALL, 0), 0);
    EXPECT_NE(ws.iconHandle(other), 0u);  // the one the tray shows
    other.unload();
  }
  // The shell shows the first icon of the file for it: the program icon.
  LPSTR firstIcon = nullptr;
  EnumResourceNamesA(nullptr, RT_GROUP_ICON, takeFirstName, reinterpret_cast<LONG_PTR>(&firstIcon));
  EXPECT_EQ(firstIcon, MAKEINTRESOURCEA(SLUMBRIX_ICON_PROGRAM));
}

TEST_F(WindowSystemTest, FontsAndColoursComeFromTheModel) {
  auto fontOf = [](HWND window) {
    LOGFONTA font{};
    GetObjectA(reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0)), sizeof font, &font);
    return font;
  };
  HWND groupBox = FindWindowExA(control("frame"), nullptr, "BUTTON", "Group");
  ASSERT_NE(groupBox, nullptr);
  EXPECT_EQ(fontOf(groupBox).lfWeight, FW_BOLD);
  EXPECT_STREQ(fontOf(groupBox).lfFaceName, "MS Sans Serif");
  HDC screen = GetDC(nullptr);
  EXPECT_EQ(fontOf(control("label")).lfHeight,
            -std::lround(12.0 * GetDeviceCaps(screen, LOGPIXELSY) / 72));
  HDC dc = CreateCompatibleDC(screen);
  SendMessageA(control("frame"), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
               reinterpret_cast<LPARAM>(control("label")));
  EXPECT_EQ(GetBkColor(dc), RGB(0xFF, 0xFF, 0xFF));
  EXPECT_EQ(GetTextColor(dc), RGB(0xC0, 0, 0));
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);
}

TEST_F(WindowSystemTest, TabFollowsTheTabIndexAcrossContainers) {
  SetForegroundWindow(top());
  SetFocus(control("cmd"));
  std::vector<std::string> order;
  for (int i = 0; i < 7; ++i) {
    MSG tab{GetFocus(), WM_KEYDOWN, VK_TAB, 1, 0, {0, 0}};
    ASSERT_TRUE(ws.translateKey(&tab));
    order.push_back(controlName(GetFocus()));
  }
  // cmd 0, txt 3, vs 4, opt(0) 5 (the chosen one of its group), cmb 7, chk 8, optA 12 (the
  // first of a group with none chosen), back to cmd
  EXPECT_THAT(order, ElementsAre("txt", "vs", "opt(0)", "cmb", "chk", "optA", "cmd"));
  EXPECT_EQ(form.txt.SelLength(), 2);  // reached by Tab: the whole text selected
}

TEST_F(WindowSystemTest, KeysReachTheFormBeforeTheWindow) {
  SetForegroundWindow(top());
  SetFocus(control("opt(0)"));
  form.events.clear();
  // Down in the option group selects the next option as a click would, and takes the focus.
  EXPECT_TRUE(key(control("opt(0)"), VK_DOWN));
  EXPECT_EQ(GetFocus(), control("opt(1)"));
  EXPECT_TRUE(form.opt1.Value());
  EXPECT_EQ(SendMessageA(control("opt(1)"), BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(SendMessageA(control("opt(0)"), BM_GETCHECK, 0, 0), BST_UNCHECKED);
  EXPECT_TRUE(key(control("opt(1)"), VK_UP));
  EXPECT_EQ(GetFocus(), control("opt(0)"));
  // Enter presses the focused button; a digit is typed (TranslateMessage makes it WM_CHAR).
  EXPECT_TRUE(key(control("cmd"), VK_RETURN));
  EXPECT_FALSE(key(control("txt"), '5'));
  EXPECT_THAT(form.events, ElementsAre("opt1.Click", "cmd.Click"));
  // Alt and F10 go on to DefWindowProc, which enters the menu bar.
  EXPECT_FALSE(key(control("cmd"), VK_F10, WM_SYSKEYDOWN));
  EXPECT_FALSE(key(control("cmd"), VK_MENU, WM_SYSKEYDOWN));
  EXPECT_FALSE(key(control("cmd"), VK_MENU, WM_SYSKEYUP));
  // The focus is shown from the start, not only once the keyboard has been used.
  for (const char* name : {"cmd", "chk", "opt(0)", "txt"}) {
    const auto state = SendMessageA(control(name), WM_QUERYUISTATE, 0, 0);
    EXPECT_EQ(state & UISF_HIDEFOCUS, 0) << name;
  }
}

TEST_F(WindowSystemTest, TheEndDestroysTheWindowsAndLeavesTheMessageLoop) {
  HWND window = top();
  ws.endProgram();
  EXPECT_FALSE(IsWindow(window));
  MSG quit;
  EXPECT_TRUE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

}  // namespace
}  // namespace slumbrix::wine
