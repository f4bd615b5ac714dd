#pragma once

#include <cstdint>

namespace slumbrix {

class Control;

// The keys the program reacts to. Each front end translates its toolkit's key codes into
// these, in one table, and hands every key press and release of a form's window to
// Form::keyDown and Form::keyUp; the form decides what the key does.
enum class Key : std::uint8_t {
  Other,   // any other key; a key that types a character arrives as one of these or Letter
  Letter,  // A to Z, with KeyStroke::letter
  Tab,
  Enter,
  Escape,
  Space,
  Backspace,
  Delete,
  Insert,
  Left,
  Right,
  Up,
  Down,
  Home,
  End,
  PageUp,
  PageDown,
  F10,
  Alt,  // the Alt key itself
};

// Modifier keys held down with a key, or-ed together.
enum KeyModifier : unsigned {
  kShiftModifier = 1,
  kControlModifier = 2,
  kAltModifier = 4,
};

struct KeyStroke {
  Key key = Key::Other;
  unsigned modifiers = 0;
  char letter = 0;  // 'A' to 'Z' for Key::Letter
};

// The characters of the keyboard's control keys, as a key handler receives them.
inline constexpr std::int16_t kAsciiBackspace = 8;
inline constexpr std::int16_t kAsciiTab = 9;
inline constexpr std::int16_t kAsciiEnter = 13;
inline constexpr std::int16_t kAsciiEscape = 27;

// Who deals with a key after the form has seen it.
enum class KeyRoute : std::uint8_t {
  Taken,      // the program acted on the key (or refused it): nothing else may see it
  Widget,     // the control's own widget handles it (moves the caret, steps its list, presses
              // on Space); for Alt combinations, the system's own keys
  Character,  // the key types a character: the front end hands the character the keyboard
              // made to the control with the focus (TextBox::typeChar), or to the form
              // (Form::keyPress) when no control has it
  MenuBar,    // the menu bar is entered with its first menu open or highlighted
};

struct KeyOutcome {
  KeyRoute route = KeyRoute::Widget;
  // The control that takes the focus now (Tab, an arrow in an option group); null when the
  // focus stays where it is.
  Control* focus = nullptr;
};

}  // namespace slumbrix
