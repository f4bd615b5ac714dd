#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "ui/control.h"
#include "ui/keys.h"

namespace slumbrix {

class VScrollBar;
class WindowSystem;

// A text field. Text is held in the system's narrow encoding, one character a byte; a field
// of several lines ends its lines with CR LF.
//
// Assigning a different text runs Change at once, nested, before setText returns; assigning
// the text it already holds runs nothing. A typed character reaches KeyPress first, by
// reference; a handler that sets it to 0 discards it. That holds for the control characters
// of the keyboard too: Ctrl+A selects all, Ctrl+C copies, Ctrl+V pastes and Ctrl+X cuts only
// when KeyPress lets them pass. Keys that produce no character (Delete, arrows, Shift+Insert,
// Ctrl+Insert, Shift+Delete) and the context menu's commands do not pass through KeyPress.
class TextBox : public Control {
 public:
  static constexpr std::int16_t kCtrlA = 1;
  static constexpr std::int16_t kCtrlC = 3;
  static constexpr std::int16_t kBackspace = kAsciiBackspace;
  static constexpr std::int16_t kEnter = kAsciiEnter;
  static constexpr std::int16_t kCtrlV = 22;
  static constexpr std::int16_t kCtrlX = 24;

  explicit TextBox(std::string name) : Control(ControlKind::TextBox, std::move(name)) {}

  const std::string& Text() const { return text_; }
  void setText(std::string text);

  // The most characters the user can enter; 0 means no limit. The program is not limited.
  int MaxLength() const { return maxLength_; }
  void setMaxLength(int maxLength);
  // Read-only: the user can select and scroll the text but not change it.
  bool Locked() const { return locked_; }
  void setLocked(bool locked);
  bool multiLine = false;
  bool verticalScrollBar = false;
  // The spin button beside a number field: with the focus in the field, Up and Down press its
  // arrows and Page Up and Page Down its page steps. Null for a plain field.
  VScrollBar* spinButton = nullptr;

  int SelStart() const { return selStart_; }
  // Places the caret (the program's own move; no selection).
  void setSelStart(int start);
  int SelLength() const { return selLength_; }

  std::function<void()> Change;
  std::function<void(std::int16_t& keyAscii)> KeyPress;

  // User input. Each returns false when the field did not take it (unusable, read-only,
  // discarded by KeyPress, nothing to do, or over MaxLength).
  bool select(int start, int length);
  bool selectAll() { return select(0, static_cast<int>(text_.size())); }
  // A character typed from the keyboard, control characters included (Backspace, Enter,
  // Ctrl+letter as 1 to 26). Enter starts a new line in a field of several lines; other
  // control characters insert nothing.
  bool typeChar(std::int16_t keyAscii);
  bool pressDelete();
  // Inserts over the selection; what does not fit into MaxLength is cut off.
  bool paste(const std::string& text);
  // Selects the whole text and pastes over it.
  bool replaceText(const std::string& text);
  // The clipboard commands, through the form's window system. Pasting takes the clipboard's
  // first line into a one-line field, and every line (ended CR LF) into one of several lines.
  // Copying and cutting need a selection; copying works in a read-only field too.
  bool copy();
  bool cut();
  bool pasteClipboard();

  // What the field's context menu offers now: each command is available when it would do
  // something (cut and delete need an editable field and a selection, copy a selection,
  // paste an editable field and text on the clipboard, select all a text).
  struct EditCommands {
    bool cut = false;
    bool copy = false;
    bool paste = false;
    bool remove = false;
    bool selectAll = false;
  };
  EditCommands editCommands();

 private:
  void edit(std::string text, int caret);
  WindowSystem* windowSystem();

  std::string text_;
  int maxLength_ = 0;
  bool locked_ = false;
  int selStart_ = 0;
  int selLength_ = 0;
  int changeDepth_ = 0;
};

}  // namespace slumbrix
