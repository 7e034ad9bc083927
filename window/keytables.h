// The key tables of the keyboard path: what each key puts into the typing
// buffers.
//
// KeyDownTable maps a virtual-key code and the modifier bits (1 Shift, 2 Ctrl,
// 4 Alt) to a key's code characters and display text: the letter keys in the
// Windows Arabic (101) layout, the main-row digits, the keypad, Enter,
// Backspace and Space.  KeyPressTable maps a typed character's Windows-1256
// code: the punctuation keys, whose key codes differ between layouts, by the
// Latin character they type and by the Arabic character on the same key.
//
// Caps Lock is not part of the modifier bits and the letter keys are looked up
// by key code, so it changes nothing.  A letter or digit key with Ctrl or Alt
// matches no row.
#pragma once

#include <span>
#include <string_view>

#include "platform/text.h"

namespace kovrim {

// What one key gives: its code characters for CodeBuffer (or the deletion
// request "BackS") and, for most keys, its display text for CharBuffer.
struct KeyEntry {
  String code;
  bool hasDisplay = false;  // false: the pending display text stays as it is
  String display;
};

// Which modifier bits a KeyDownTable row accepts.
enum class ShiftCondition {
  NoModifier,  // the bits are exactly 0
  ShiftAlone,  // the bits are exactly 1
  Any,         // the bits are not looked at
};

struct KeyDownRow {
  int keyCode;
  ShiftCondition shift;
  KeyEntry entry;
};

struct KeyPressRow {
  int keyAscii;         // the character typed; for a key with two, the Latin one
  int arabicKeyAscii;   // the Arabic character on the same key; 0 if none
  bool showsFixedText;  // "~": shows kTildeFixedText in Text2, commits nothing
  KeyEntry entry;       // empty for the "~" row
};

// The tables in the order their rows are tried.  No key event matches two
// rows, so the order decides nothing.
std::span<const KeyDownRow> KeyDownTable();
std::span<const KeyPressRow> KeyPressTable();

// The row a key event matches, or nullptr.
const KeyEntry* FindKeyDown(int keyCode, int shift);
const KeyPressRow* FindKeyPress(int keyAscii);

// The "~" key's text: three lines of code set 3 code characters (21, 15 and
// 25 of them) joined by CR, shown in this font.  Each line is the code set 3
// conversion (no complex ligatures, spaces kept) of the wording above it,
// with the converter's space at both ends.
inline constexpr std::u32string_view kTildeFontName = U"K3 PELNAR 003";
inline constexpr std::u32string_view kTildeFixedText =
    // مرحبا بكم في كوفريم (welcome to Kovrim)
    U" \u0621\u062Dj\u00AF\u062C\u00B7 \u062F\u00AF \u0621\u00B8I BJYj\u061F "
    U"\r"
    // اكتب بالعربية (type in Arabic)
    U" \u0632\u062EIj\u00A8\u00BBBI KN\u00B7A "
    U"\r"
    // ثم الصق النص في برنامجك (then paste the text into your program)
    U" \u00B9V\u061FB\u0623jI \u062F\u00AF w\u0624\u00BBA \u00B5v\u00BBA \u0621Q ";

}  // namespace kovrim
