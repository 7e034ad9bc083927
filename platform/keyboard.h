// Key events as the classic desktop delivers them: a virtual-key code with
// the Shift / Ctrl / Alt bits for KeyDown, then the typed characters as
// Windows-1256 codes for KeyPress.
//
// A letter key gives the code of the Latin letter that the user's layout
// puts on it (the key labelled A on a French keyboard gives A), and where no
// Latin layout is loaded, the code of its position on a US keyboard, so that
// an Arabic layout gives the same key codes as a US one.  Digit keys and the
// rest are named by their US position.  AltGr counts as Ctrl+Alt.  The
// translation takes plain values, not Qt events, so that it can be checked
// with tables of synthetic events.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/text.h"

class QKeyEvent;

namespace kovrim::vb {

struct KeyboardLayout;

struct KeyModifiers {
  bool shift = false;
  bool ctrl = false;
  bool alt = false;
  bool keypad = false;  // the key lies on the numeric keypad
  bool altGr = false;   // the third-level shift is held
};

struct KeyStroke {
  int keyCode = 0;  // Windows virtual-key code; 0 for a key it has no code for
  int shift = 0;    // 1 Shift, 2 Ctrl, 4 Alt
  std::vector<int> keyAscii;  // one KeyPress per typed character, in order
};

// qtKey is the Qt::Key value of the event; nativeScanCode the X11 key code
// (evdev code + 8) or 0 where the platform gives none; text what the key
// types under the active layout.
//
// KeyDown: letter and digit keys give 'A'..'Z' and '0'..'9' by position;
// the keypad gives 96..111 while it types digits (NumLock on) and the
// navigation codes otherwise; Caps Lock sets no bit; AltGr sets the Ctrl and
// Alt bits.  KeyPress: Alt types nothing, Ctrl only the control codes
// Windows gives (1..26 for letters, 27..29 for [ \ ], 127 for Backspace, 10
// for Enter), Ctrl+Alt nothing, as its level is not known here; otherwise
// each typed character that Windows-1256 holds, Enter 13, Backspace 8, Tab 9,
// Esc 27.
KeyStroke TranslateKey(int qtKey, KeyModifiers modifiers, std::uint32_t nativeScanCode,
                       const String& text);

// The same under a known keymap, nativeScanCode being an X11 key code and
// group the active group.  A letter key gives the Latin letter that the
// group puts on it; under a non-Latin group, the letter that the first Latin
// group puts there; a US letter position that carries no letter in the Latin
// group gives the code of its punctuation; without a Latin group, keys keep
// their US positions.  Ctrl+Alt (AltGr among them) types the character of
// the key's AltGr level in the active group (AltGr+Shift with Shift), or
// nothing where it has none.
KeyStroke TranslateKey(int qtKey, KeyModifiers modifiers, std::uint32_t nativeScanCode,
                       const String& text, const KeyboardLayout& layout, int group);

// Keys of a control that takes them raw, without an input method, where a
// dead key arrives with no text: the accent waits for the next key that
// types a character.  A letter it combines with, Space and control
// characters type as they would alone; any other character comes after the
// accent's spacing character (a layout with the quote on the dead key's
// AltGr level, as US International, types the quote), and a second dead key
// types both accents.  Keys that type nothing leave the accent waiting.
class KeyTranslator {
 public:
  KeyStroke Translate(int qtKey, KeyModifiers modifiers, std::uint32_t nativeScanCode, const String& text,
                      const KeyboardLayout* layout = nullptr, int group = 0);
  KeyStroke TranslateEvent(const QKeyEvent& event);
  void Reset() { accent_ = combining_ = 0; }

 private:
  char32_t accent_ = 0;     // the spacing character of the waiting accent
  char32_t combining_ = 0;  // its combining mark
};

// The same for a Qt key event; the key position is read on the X11 and
// Wayland platforms, whose native scan codes are X11 key codes, and the
// keymap, group and AltGr state on X11.
KeyStroke TranslateKeyEvent(const QKeyEvent& event);
// The same, saying whether the event's native scan code is an X11 key code.
KeyStroke TranslateKeyEvent(const QKeyEvent& event, bool x11KeyCodes);

}  // namespace kovrim::vb
