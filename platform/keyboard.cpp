#include "platform/keyboard.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <Qt>

#include "platform/codepage.h"
#include "platform/qt_text.h"
#include "platform/vb.h"
#include "platform/x11_keymap.h"
#include "platform/xkb_layout.h"

namespace kovrim::vb {

namespace {

struct PositionKey {
  std::uint32_t x11;  // X11 key code: evdev code + 8
  int keyCode;
};

struct NamedKey {
  int qtKey;
  int keyCode;
};

// Keys of the main block by position, so that every layout gives the codes of
// a US keyboard: the letters and digits the key tables read, and the
// punctuation keys with the codes Windows gives them there.
constexpr PositionKey kMainBlock[] = {
    {10, '1'}, {11, '2'}, {12, '3'}, {13, '4'}, {14, '5'},  // digit row
    {15, '6'}, {16, '7'}, {17, '8'}, {18, '9'}, {19, '0'},
    {20, 189},  // - _
    {21, 187},  // = +
    {24, 'Q'}, {25, 'W'}, {26, 'E'}, {27, 'R'}, {28, 'T'},  // upper letter row
    {29, 'Y'}, {30, 'U'}, {31, 'I'}, {32, 'O'}, {33, 'P'},
    {34, 219},  // [ {
    {35, 221},  // ] }
    {38, 'A'}, {39, 'S'}, {40, 'D'}, {41, 'F'}, {42, 'G'},  // home row
    {43, 'H'}, {44, 'J'}, {45, 'K'}, {46, 'L'},
    {47, 186},  // ; :
    {48, 222},  // ' "
    {49, 192},  // ` ~
    {51, 220},  // \ |
    {52, 'Z'}, {53, 'X'}, {54, 'C'}, {55, 'V'}, {56, 'B'},  // lower letter row
    {57, 'N'}, {58, 'M'},
    {59, 188},  // , <
    {60, 190},  // . >
    {61, 191},  // / ?
    {94, 226},  // the extra key of ISO keyboards, < > |
};

// The numeric keypad by position, as it types with NumLock on.
constexpr PositionKey kKeypad[] = {
    {90, 96}, {87, 97}, {88, 98}, {89, 99}, {83, 100},  // 0 to 4
    {84, 101}, {85, 102}, {79, 103}, {80, 104}, {81, 105},  // 5 to 9
    {63, 106},   // *
    {86, 107},   // +
    {129, 108},  // the separator key of some keyboards (comma)
    {82, 109},   // -
    {91, 110},   // decimal point, whatever character the layout gives it
    {106, 111},  // /
    {104, 13},   // Enter
};

// Keys that type no character, by Qt key.
constexpr NamedKey kNamedKeys[] = {
    {Qt::Key_Backspace, 8},
    {Qt::Key_Tab, 9},
    {Qt::Key_Backtab, 9},   // Shift+Tab
    {Qt::Key_Clear, 12},    // keypad 5 with NumLock off
    {Qt::Key_Return, 13},
    {Qt::Key_Enter, 13},    // keypad Enter
    {Qt::Key_Shift, 16},
    {Qt::Key_Control, 17},
    {Qt::Key_Alt, 18},
    {Qt::Key_AltGr, 18},
    {Qt::Key_Pause, 19},
    {Qt::Key_CapsLock, 20},
    {Qt::Key_Escape, 27},
    {Qt::Key_Space, 32},
    {Qt::Key_PageUp, 33},
    {Qt::Key_PageDown, 34},
    {Qt::Key_End, 35},
    {Qt::Key_Home, 36},
    {Qt::Key_Left, 37},
    {Qt::Key_Up, 38},
    {Qt::Key_Right, 39},
    {Qt::Key_Down, 40},
    {Qt::Key_Select, 41},
    {Qt::Key_Printer, 42},
    {Qt::Key_Execute, 43},
    {Qt::Key_Print, 44},    // Print Screen
    {Qt::Key_Insert, 45},
    {Qt::Key_Delete, 46},
    {Qt::Key_Help, 47},
    {Qt::Key_Super_L, 91},
    {Qt::Key_Meta, 91},
    {Qt::Key_Super_R, 92},
    {Qt::Key_Menu, 93},
    {Qt::Key_Sleep, 95},
    {Qt::Key_NumLock, 144},
    {Qt::Key_ScrollLock, 145},
    {Qt::Key_VolumeMute, 173},
    {Qt::Key_VolumeDown, 174},
    {Qt::Key_VolumeUp, 175},
};

// Character keys by Qt key, for events without a key position: the
// characters of a US keyboard, shifted digits on their digit keys.
constexpr NamedKey kUsCharacters[] = {
    {Qt::Key_Exclam, '1'}, {Qt::Key_At, '2'}, {Qt::Key_NumberSign, '3'},
    {Qt::Key_Dollar, '4'}, {Qt::Key_Percent, '5'}, {Qt::Key_AsciiCircum, '6'},
    {Qt::Key_Ampersand, '7'}, {Qt::Key_Asterisk, '8'}, {Qt::Key_ParenLeft, '9'},
    {Qt::Key_ParenRight, '0'},
    {Qt::Key_Minus, 189}, {Qt::Key_Underscore, 189},
    {Qt::Key_Equal, 187}, {Qt::Key_Plus, 187},
    {Qt::Key_BracketLeft, 219}, {Qt::Key_BraceLeft, 219},
    {Qt::Key_BracketRight, 221}, {Qt::Key_BraceRight, 221},
    {Qt::Key_Semicolon, 186}, {Qt::Key_Colon, 186},
    {Qt::Key_Apostrophe, 222}, {Qt::Key_QuoteDbl, 222},
    {Qt::Key_QuoteLeft, 192}, {Qt::Key_AsciiTilde, 192},
    {Qt::Key_Backslash, 220}, {Qt::Key_Bar, 220},
    {Qt::Key_Comma, 188}, {Qt::Key_Less, 188},
    {Qt::Key_Period, 190}, {Qt::Key_Greater, 190},
    {Qt::Key_Slash, 191}, {Qt::Key_Question, 191},
};

// Keypad keys by Qt key, for events without a key position.
constexpr NamedKey kKeypadCharacters[] = {
    {Qt::Key_Asterisk, 106}, {Qt::Key_Plus, 107}, {Qt::Key_Comma, 108},
    {Qt::Key_Minus, 109},    {Qt::Key_Period, 110}, {Qt::Key_Slash, 111},
    {Qt::Key_Enter, 13},
};

// With NumLock off the keypad digits arrive as these keys.
constexpr int kKeypadNavigation[] = {
    Qt::Key_Insert, Qt::Key_Delete, Qt::Key_End,  Qt::Key_Down, Qt::Key_PageDown, Qt::Key_Left,
    Qt::Key_Clear,  Qt::Key_Right,  Qt::Key_Home, Qt::Key_Up,   Qt::Key_PageUp,
};

template <typename Table>
int ByPosition(const Table& table, std::uint32_t x11) {
  if (x11 == 0) return 0;
  for (const PositionKey& k : table)
    if (k.x11 == x11) return k.keyCode;
  return 0;
}

template <typename Table>
int ByQtKey(const Table& table, int qtKey) {
  for (const NamedKey& k : table)
    if (k.qtKey == qtKey) return k.keyCode;
  return 0;
}

bool IsKeypadNavigation(int qtKey) {
  for (int k : kKeypadNavigation)
    if (k == qtKey) return true;
  return false;
}

int KeypadCode(int qtKey, std::uint32_t x11) {
  if (IsKeypadNavigation(qtKey)) return ByQtKey(kNamedKeys, qtKey);
  if (int code = ByPosition(kKeypad, x11)) return code;
  if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return 96 + (qtKey - Qt::Key_0);
  if (int code = ByQtKey(kKeypadCharacters, qtKey)) return code;
  return ByQtKey(kNamedKeys, qtKey);
}

int MainCode(int qtKey, std::uint32_t x11) {
  if (int code = ByPosition(kMainBlock, x11)) return code;
  if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) return 'A' + (qtKey - Qt::Key_A);
  if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return '0' + (qtKey - Qt::Key_0);
  if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24) return 112 + (qtKey - Qt::Key_F1);
  if (int code = ByQtKey(kNamedKeys, qtKey)) return code;
  return ByQtKey(kUsCharacters, qtKey);
}

// The keys of the three letter rows, where a layout may put Latin letters;
// the digit row keeps its US codes on every layout.
bool InLetterRows(std::uint32_t x11) {
  return (x11 >= 24 && x11 <= 35) || (x11 >= 38 && x11 <= 48) || (x11 >= 51 && x11 <= 61) || x11 == 94;
}

// The Latin letter on the first two levels of a key, as its key code.
int LatinLetter(const KeyboardLayout::KeyLevels& key) {
  for (const char32_t c : {key[KeyboardLayout::kPlain], key[KeyboardLayout::kShifted]}) {
    if (c >= U'a' && c <= U'z') return static_cast<int>(c - U'a') + 'A';
    if (c >= U'A' && c <= U'Z') return static_cast<int>(c);
  }
  return 0;
}

// The code Windows gives the US key of a punctuation character; 0 for any
// other character.  Never a letter or digit code, so no letter row matches.
int PunctuationCode(char32_t c) {
  constexpr struct {
    char32_t plain, shifted;
    int code;
  } kKeys[] = {
      {U';', U':', 186}, {U'=', U'+', 187}, {U',', U'<', 188}, {U'-', U'_', 189},
      {U'.', U'>', 190}, {U'/', U'?', 191}, {U'`', U'~', 192}, {U'[', U'{', 219},
      {U'\\', U'|', 220}, {U']', U'}', 221}, {U'\'', U'"', 222},
  };
  for (const auto& k : kKeys)
    if (c == k.plain || c == k.shifted) return k.code;
  return 0;
}

// The code of a key of the letter rows from the keymap, or -1 to keep its US
// position code.  The active group decides when it is Latin; under another
// group the first Latin group does, so that an AZERTY user switched to
// Arabic still finds A where the key says A.  A US letter position without
// a letter in the deciding group must not give a letter code: it gives the
// code of the punctuation it types there.
int LayoutCode(const KeyboardLayout& layout, int group, std::uint32_t x11, int usCode) {
  const KeyboardLayout::KeyLevels* active = layout.Key(x11, group);
  if (active == nullptr) return -1;
  if (const int letter = LatinLetter(*active)) return letter;
  int deciding = layout.latin[group] ? group : -1;
  for (int g = 0; deciding < 0 && g < layout.groups; ++g)
    if (layout.latin[g]) deciding = g;
  if (deciding < 0) return -1;  // no Latin layout loaded: US positions
  const KeyboardLayout::KeyLevels& key = *layout.Key(x11, deciding);
  if (const int letter = LatinLetter(key)) return letter;
  if (usCode >= 'A' && usCode <= 'Z') return PunctuationCode(key[KeyboardLayout::kPlain]);
  return -1;
}

// The character Ctrl with a key types, as on Windows: the control codes of
// the letters and of [ \ ], DEL for Backspace, LF for Enter; other keys
// type nothing with Ctrl.
int ControlCharacter(int keyCode) {
  if (keyCode >= 'A' && keyCode <= 'Z') return keyCode - 'A' + 1;
  switch (keyCode) {
    case 219: return 27;  // [
    case 220: return 28;  // backslash
    case 221: return 29;  // ]
    case 8: return 127;
    case 13: return 10;
    default: return 0;
  }
}

// The character of a key whose event may come without text.
int CharacterOfKey(int keyCode) {
  switch (keyCode) {
    case 8: case 9: case 13: case 27: return keyCode;
    default: return 0;
  }
}

bool IsPresentationForm(char32_t c) { return (c >= 0xFB50 && c <= 0xFDFF) || (c >= 0xFE70 && c <= 0xFEFF); }

// One KeyPress per character the key types, as its Windows-1256 code.  An
// Arabic presentation form (the lam-alef key of some layouts types one) is
// typed as the letters it stands for; a character Windows-1256 does not
// hold types nothing.
void AppendTyped(std::vector<int>& out, char32_t c) {
  if (IsPresentationForm(c)) {
    const QString letters = QChar::decomposition(c);
    if (!letters.isEmpty()) {
      for (const QChar letter : letters) AppendTyped(out, letter.unicode());
      return;
    }
  }
  if (c == 0x7F) return;  // Delete types nothing
  if (const auto byte = cp1256::FromUnicode(c)) out.push_back(*byte);
}

bool PlatformGivesX11KeyCodes() {
  const QString platform = QGuiApplication::platformName();
  return platform == QLatin1String("xcb") || platform.startsWith(QLatin1String("wayland"));
}

KeyStroke Translate(int qtKey, KeyModifiers modifiers, std::uint32_t x11, const String& text,
                    const KeyboardLayout* layout, int group, String* typed = nullptr) {
  KeyStroke stroke;
  if (modifiers.keypad) {
    stroke.keyCode = KeypadCode(qtKey, x11);
  } else {
    stroke.keyCode = MainCode(qtKey, x11);
    if (layout != nullptr && InLetterRows(x11)) {
      if (const int code = LayoutCode(*layout, group, x11, stroke.keyCode); code >= 0) stroke.keyCode = code;
    }
  }
  // AltGr is Ctrl and Alt together, as the classic desktop reports it.
  const bool ctrl = modifiers.ctrl || modifiers.altGr;
  const bool alt = modifiers.alt || modifiers.altGr;
  stroke.shift = (modifiers.shift ? kShiftMask : 0) | (ctrl ? kCtrlMask : 0) | (alt ? kAltMask : 0);

  if (ctrl && alt) {
    // Only what the layout puts on the key's AltGr level; without a keymap
    // that level is unknown and the text may be the plain character.
    const KeyboardLayout::KeyLevels* key = layout ? layout->Key(x11, group) : nullptr;
    if (key != nullptr) {
      if (const char32_t c = (*key)[modifiers.shift ? KeyboardLayout::kAltGrShifted : KeyboardLayout::kAltGr]) {
        AppendTyped(stroke.keyAscii, c);
        if (typed) typed->push_back(c);
      }
    }
    return stroke;
  }
  if (ctrl || alt) {
    // Alt with a key types nothing; Ctrl types a control code or nothing,
    // on every layout alike.
    if (ctrl) {
      if (const int c = ControlCharacter(stroke.keyCode)) {
        stroke.keyAscii.push_back(c);
        if (typed) typed->push_back(static_cast<char32_t>(c));
      }
    }
    return stroke;
  }
  for (char32_t c : text) AppendTyped(stroke.keyAscii, c);
  if (typed) *typed = text;
  if (text.empty()) {
    if (const int c = CharacterOfKey(stroke.keyCode)) {
      stroke.keyAscii.push_back(c);
      if (typed) typed->push_back(static_cast<char32_t>(c));
    }
  }
  return stroke;
}

struct DeadAccent {
  int qtKey;
  char32_t combining;
  char32_t spacing;
  char32_t quote;  // the ASCII quote a layout may type for it instead
};

constexpr DeadAccent kDeadAccents[] = {
    {Qt::Key_Dead_Grave, 0x300, U'`', 0},       {Qt::Key_Dead_Acute, 0x301, 0xB4, U'\''},
    {Qt::Key_Dead_Circumflex, 0x302, U'^', 0},  {Qt::Key_Dead_Tilde, 0x303, U'~', 0},
    {Qt::Key_Dead_Macron, 0x304, 0xAF, 0},      {Qt::Key_Dead_Breve, 0x306, 0x2D8, 0},
    {Qt::Key_Dead_Abovedot, 0x307, 0x2D9, 0},   {Qt::Key_Dead_Diaeresis, 0x308, 0xA8, U'"'},
    {Qt::Key_Dead_Abovering, 0x30A, 0x2DA, 0},  {Qt::Key_Dead_Doubleacute, 0x30B, 0x2DD, 0},
    {Qt::Key_Dead_Caron, 0x30C, 0x2C7, 0},      {Qt::Key_Dead_Cedilla, 0x327, 0xB8, 0},
    {Qt::Key_Dead_Ogonek, 0x328, 0x2DB, 0},
};

const DeadAccent* DeadAccentOf(int qtKey) {
  for (const DeadAccent& d : kDeadAccents)
    if (d.qtKey == qtKey) return &d;
  return nullptr;
}

// Whether c and the combining mark make one precomposed character.
bool Combines(char32_t c, char32_t combining) {
  const char32_t pair[] = {c, combining};
  return QString::fromUcs4(pair, 2).normalized(QString::NormalizationForm_C).size() == 1;
}

struct KeyArgs {
  int qtKey;
  KeyModifiers modifiers;
  std::uint32_t x11;
  String text;
  const KeyboardLayout* layout;
  int group;
};

KeyArgs ArgsOf(const QKeyEvent& event, bool x11KeyCodes) {
  const Qt::KeyboardModifiers m = event.modifiers();
  KeyArgs args{event.key(),
               {m.testFlag(Qt::ShiftModifier), m.testFlag(Qt::ControlModifier), m.testFlag(Qt::AltModifier),
                m.testFlag(Qt::KeypadModifier), m.testFlag(Qt::GroupSwitchModifier)},
               x11KeyCodes ? event.nativeScanCode() : 0,
               FromQString(event.text()),
               nullptr,
               0};
  if (args.x11 != 0) {
    const X11KeyContext context = X11KeyContextOf(event);
    if (context.layout != nullptr) {
      args.modifiers.altGr = context.altGr;
      args.layout = context.layout;
      args.group = context.group;
    }
  }
  return args;
}

}  // namespace

KeyStroke TranslateKey(int qtKey, KeyModifiers modifiers, std::uint32_t nativeScanCode,
                       const String& text) {
  return Translate(qtKey, modifiers, nativeScanCode, text, nullptr, 0);
}

KeyStroke TranslateKey(int qtKey, KeyModifiers modifiers, std::uint32_t nativeScanCode,
                       const String& text, const KeyboardLayout& layout, int group) {
  return Translate(qtKey, modifiers, nativeScanCode, text, &layout, group);
}

KeyStroke TranslateKeyEvent(const QKeyEvent& event) { return TranslateKeyEvent(event, PlatformGivesX11KeyCodes()); }

KeyStroke TranslateKeyEvent(const QKeyEvent& event, bool x11KeyCodes) {
  const KeyArgs a = ArgsOf(event, x11KeyCodes);
  return Translate(a.qtKey, a.modifiers, a.x11, a.text, a.layout, a.group);
}

KeyStroke KeyTranslator::TranslateEvent(const QKeyEvent& event) {
  const KeyArgs a = ArgsOf(event, PlatformGivesX11KeyCodes());
  return Translate(a.qtKey, a.modifiers, a.x11, a.text, a.layout, a.group);
}

KeyStroke KeyTranslator::Translate(int qtKey, KeyModifiers modifiers, std::uint32_t x11, const String& text,
                                   const KeyboardLayout* layout, int group) {
  String typed;
  KeyStroke stroke = vb::Translate(qtKey, modifiers, x11, text, layout, group, &typed);
  const DeadAccent* dead = modifiers.ctrl || modifiers.alt ? nullptr : DeadAccentOf(qtKey);
  if (dead != nullptr && text.empty()) {
    char32_t spacing = dead->spacing;
    const KeyboardLayout::KeyLevels* key = layout ? layout->Key(x11, group) : nullptr;
    if (key != nullptr && dead->quote != 0 && !modifiers.altGr &&
        (*key)[modifiers.shift ? KeyboardLayout::kAltGrShifted : KeyboardLayout::kAltGr] == dead->quote)
      spacing = dead->quote;
    if (accent_ == 0) {
      accent_ = spacing;
      combining_ = dead->combining;
      return stroke;
    }
    AppendTyped(stroke.keyAscii, accent_);
    AppendTyped(stroke.keyAscii, spacing);
    Reset();
    return stroke;
  }
  if (accent_ == 0 || typed.empty()) return stroke;
  const char32_t c = typed.front();
  if (c >= 0x20 && c != 0x7F && c != U' ' && !Combines(c, combining_)) {
    std::vector<int> accent;
    AppendTyped(accent, accent_);
    stroke.keyAscii.insert(stroke.keyAscii.begin(), accent.begin(), accent.end());
  }
  Reset();
  return stroke;
}

}  // namespace kovrim::vb
