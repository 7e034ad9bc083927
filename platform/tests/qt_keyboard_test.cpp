// Key translation, one synthetic event per row: the Qt key, the modifiers,
// the X11 key code (0: the platform gives none) and the typed text, against
// the key code, shift bits and KeyPress codes the key tables receive.
#include <QApplication>
#include <QKeyEvent>
#include <QTest>
#include <Qt>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/keyboard.h"
#include "platform/vb.h"

namespace kovrim::vb {
namespace {

struct KeyCase {
  const char* name;
  int qtKey;
  KeyModifiers modifiers;
  std::uint32_t x11;
  const char* text;  // UTF-8
  int keyCode;
  int shift;
  std::vector<int> keyAscii;
};

constexpr KeyModifiers kNone{};
constexpr KeyModifiers kShift{.shift = true};
constexpr KeyModifiers kCtrl{.ctrl = true};
constexpr KeyModifiers kAlt{.alt = true};
constexpr KeyModifiers kPad{.keypad = true};
constexpr KeyModifiers kCtrlPad{.ctrl = true, .keypad = true};
constexpr KeyModifiers kCtrlShift{.shift = true, .ctrl = true};
constexpr KeyModifiers kCtrlAlt{.ctrl = true, .alt = true};
constexpr KeyModifiers kAltShift{.shift = true, .alt = true};
constexpr KeyModifiers kAltGr{.altGr = true};
constexpr KeyModifiers kShiftAltGr{.shift = true, .altGr = true};

void Check(const KeyCase& c) {
  SCOPED_TRACE(c.name);
  const KeyStroke k = TranslateKey(c.qtKey, c.modifiers, c.x11, StringFromUtf8(c.text));
  EXPECT_EQ(k.keyCode, c.keyCode);
  EXPECT_EQ(k.shift, c.shift);
  EXPECT_EQ(k.keyAscii, c.keyAscii);
}

TEST(TranslateKey, UsLayout) {
  const KeyCase cases[] = {
      {"H", Qt::Key_H, kNone, 43, "h", 72, 0, {104}},
      {"Shift+H", Qt::Key_H, kShift, 43, "H", 72, 1, {72}},
      {"H with Caps Lock", Qt::Key_H, kNone, 43, "H", 72, 0, {72}},
      {"Ctrl+H types BS", Qt::Key_H, kCtrl, 43, "\b", 72, 2, {8}},
      {"Ctrl+H without text", Qt::Key_H, kCtrl, 0, "", 72, 2, {8}},
      {"Alt+H types nothing", Qt::Key_H, kAlt, 43, "h", 72, 4, {}},
      {"Shift+1 is the 1 key", Qt::Key_Exclam, kShift, 10, "!", 49, 1, {33}},
      {"Shift+1 without position", Qt::Key_Exclam, kShift, 0, "!", 49, 1, {33}},
      {"Ctrl+1 types nothing", Qt::Key_1, kCtrl, 10, "1", 49, 2, {}},
      {"Ctrl+Shift+H", Qt::Key_H, kCtrlShift, 43, "\b", 72, 3, {8}},
      {"Ctrl+[", Qt::Key_BracketLeft, kCtrl, 34, "\x1b", 219, 2, {27}},
      {"Ctrl+Backspace types DEL", Qt::Key_Backspace, kCtrl, 22, "\b", 8, 2, {127}},
      {"Ctrl+Enter types LF", Qt::Key_Return, kCtrl, 36, "\r", 13, 2, {10}},
      {"Ctrl+Space types nothing", Qt::Key_Space, kCtrl, 65, " ", 32, 2, {}},
      {"Ctrl+Alt+H types nothing without a keymap", Qt::Key_H, kCtrlAlt, 43, "h", 72, 6, {}},
      {"AltGr+H without a keymap", Qt::Key_H, kAltGr, 43, "h", 72, 6, {}},
      {"Shift+AltGr+H without a keymap", Qt::Key_H, kShiftAltGr, 43, "H", 72, 7, {}},
      {"apostrophe key", Qt::Key_Apostrophe, kNone, 48, "'", 222, 0, {39}},
      {"Shift+grave", Qt::Key_AsciiTilde, kShift, 49, "~", 192, 1, {126}},
      {"Backspace", Qt::Key_Backspace, kNone, 22, "\b", 8, 0, {8}},
      {"Backspace without text", Qt::Key_Backspace, kNone, 22, "", 8, 0, {8}},
      {"Tab", Qt::Key_Tab, kNone, 23, "\t", 9, 0, {9}},
      {"Shift+Tab without text", Qt::Key_Backtab, kShift, 23, "", 9, 1, {9}},
      {"Enter without text", Qt::Key_Return, kNone, 36, "", 13, 0, {13}},
      {"Enter", Qt::Key_Return, kNone, 36, "\r", 13, 0, {13}},
      {"Space", Qt::Key_Space, kNone, 65, " ", 32, 0, {32}},
      {"Execute", Qt::Key_Execute, kNone, 0, "", 43, 0, {}},
      {"Escape", Qt::Key_Escape, kNone, 9, "\x1b", 27, 0, {27}},
      {"Delete types nothing", Qt::Key_Delete, kNone, 119, "\x7f", 46, 0, {}},
      {"F1", Qt::Key_F1, kNone, 67, "", 112, 0, {}},
      {"Shift alone", Qt::Key_Shift, kShift, 50, "", 16, 1, {}},
  };
  for (const KeyCase& c : cases) Check(c);
}

TEST(TranslateKey, Keypad) {
  const KeyCase cases[] = {
      {"7, NumLock on", Qt::Key_7, kPad, 79, "7", 103, 0, {55}},
      {"7, NumLock off", Qt::Key_Home, kPad, 79, "", 36, 0, {}},
      {"5, NumLock off", Qt::Key_Clear, kPad, 84, "", 12, 0, {}},
      {"0 without position", Qt::Key_0, kPad, 0, "0", 96, 0, {48}},
      {"Ctrl+1", Qt::Key_1, kCtrlPad, 87, "1", 97, 2, {}},
      {"decimal point", Qt::Key_Period, kPad, 91, ".", 110, 0, {46}},
      {"decimal comma of a German layout", Qt::Key_Comma, kPad, 91, ",", 110, 0, {44}},
      {"decimal, NumLock off", Qt::Key_Delete, kPad, 91, "", 46, 0, {}},
      {"separator without position", Qt::Key_Comma, kPad, 0, ",", 108, 0, {44}},
      {"*", Qt::Key_Asterisk, kPad, 63, "*", 106, 0, {42}},
      {"+", Qt::Key_Plus, kPad, 86, "+", 107, 0, {43}},
      {"-", Qt::Key_Minus, kPad, 82, "-", 109, 0, {45}},
      {"/", Qt::Key_Slash, kPad, 106, "/", 111, 0, {47}},
      {"Enter", Qt::Key_Enter, kPad, 104, "\r", 13, 0, {13}},
  };
  for (const KeyCase& c : cases) Check(c);
}

// An Arabic layout: the Qt key and the text change, the key position and so
// the key code do not; the text arrives as Windows-1256 codes.
TEST(TranslateKey, ArabicLayout) {
  const KeyCase cases[] = {
      {"H types alef", 0x0627, kNone, 43, "ا", 72, 0, {199}},
      {"apostrophe key types tah", 0x0637, kNone, 48, "ط", 222, 0, {216}},
      {"Shift+F types [", Qt::Key_BracketLeft, kShift, 41, "[", 70, 1, {91}},
      {"Shift+L types /", Qt::Key_Slash, kShift, 46, "/", 76, 1, {47}},
      {"grave key types thal", 0x0630, kNone, 49, "ذ", 192, 0, {208}},
      {"Shift+grave types shadda", 0x0651, kShift, 49, "\u0651", 192, 1, {248}},
      {"Shift+/ types the Arabic question mark", 0x061F, kShift, 61, "؟", 191, 1, {191}},
      {"B types lam and alef", 0x0644, kNone, 56, "لا", 66, 0, {225, 199}},
      {"B types the lam-alef ligature", 0xFEFB, kNone, 56, "\uFEFB", 66, 0, {225, 199}},
      {"Shift+B types lam with alef with madda", 0xFEF5, kShift, 56, "\uFEF5", 66, 1, {225, 194}},
      {"Shift+A types kasra", 0x0650, kShift, 38, "\u0650", 65, 1, {246}},
      {"Shift+K types the Arabic comma", 0x060C, kShift, 45, "\u060C", 75, 1, {161}},
      {"H with Caps Lock", 0x0627, kNone, 43, "ا", 72, 0, {199}},
      {"Alt+Shift+H", Qt::Key_BracketRight, kAltShift, 43, "]", 72, 5, {}},
      {"an Arabic-Indic digit has no Windows-1256 code", 0x0661, kNone, 10, "١", 49, 0, {}},
      {"Ctrl+H", 0x0627, kCtrl, 43, "", 72, 2, {8}},
  };
  for (const KeyCase& c : cases) Check(c);
}

// Real Qt key events, as the X11 platform delivers them (X11 key codes in
// the native scan code), and as a platform without key positions does.
TEST(TranslateKeyEvent, ReadsKeyPositionsModifiersAndText) {
  struct EventCase {
    const char* name;
    int qtKey;
    Qt::KeyboardModifiers modifiers;
    quint32 x11;
    const char16_t* text;
    bool x11KeyCodes;
    int keyCode;
    int shift;
    std::vector<int> keyAscii;
  };
  const EventCase cases[] = {
      {"US H", Qt::Key_H, Qt::NoModifier, 43, u"h", true, 72, 0, {104}},
      {"Arabic H types alef", 0x0627, Qt::NoModifier, 43, u"\u0627", true, 72, 0, {199}},
      {"Arabic apostrophe key types tah", 0x0637, Qt::NoModifier, 48, u"\u0637", true, 222, 0, {216}},
      {"Arabic Shift+F types [", Qt::Key_BracketLeft, Qt::ShiftModifier, 41, u"[", true, 70, 1, {91}},
      {"Arabic Ctrl+H", 0x0627, Qt::ControlModifier, 43, u"\b", true, 72, 2, {8}},
      {"Arabic Alt+H", 0x0627, Qt::AltModifier, 43, u"\u0627", true, 72, 4, {}},
      {"keypad 7, NumLock on", Qt::Key_7, Qt::KeypadModifier, 79, u"7", true, 103, 0, {55}},
      {"keypad 7, NumLock off", Qt::Key_Home, Qt::KeypadModifier, 79, u"", true, 36, 0, {}},
      {"keypad +", Qt::Key_Plus, Qt::KeypadModifier, 86, u"+", true, 107, 0, {43}},
      {"Ctrl with keypad 3", Qt::Key_3, Qt::ControlModifier | Qt::KeypadModifier, 89, u"3", true, 99, 2, {}},
      {"no positions: the Qt key names the key", Qt::Key_H, Qt::ShiftModifier, 43, u"H", false, 72, 1, {72}},
      {"no positions: an Arabic key has no code", 0x0627, Qt::NoModifier, 43, u"\u0627", false, 0, 0, {199}},
      {"AltGr without a keymap is Ctrl+Alt", Qt::Key_BracketLeft, Qt::GroupSwitchModifier, 14, u"[", true, 53, 6, {}},
  };
  for (const EventCase& c : cases) {
    SCOPED_TRACE(c.name);
    const QKeyEvent event(QEvent::KeyPress, c.qtKey, c.modifiers, c.x11, 0, 0, QString::fromUtf16(c.text));
    const KeyStroke k = TranslateKeyEvent(event, c.x11KeyCodes);
    EXPECT_EQ(k.keyCode, c.keyCode);
    EXPECT_EQ(k.shift, c.shift);
    EXPECT_EQ(k.keyAscii, c.keyAscii);
  }
}

// The key-capture box takes the focus and turns every key press into
// KeyDown, then one KeyPress per typed character.
class PictureBoxKeysTest : public ::testing::Test {
 protected:
  PictureBoxKeysTest() {
    box.Move(0, 0, 495, 135);
    box.KeyDown = [this](int code, int shift) {
      log.push_back("down " + std::to_string(code) + " " + std::to_string(shift));
    };
    box.KeyPress = [this](int ascii) { log.push_back("press " + std::to_string(ascii)); };
    other.Move(600, 0, 900, 300);
    form.Move(0, 0, 3000, 2000);
    form.ShowCentred();
  }
  void Send(int qtKey, Qt::KeyboardModifiers modifiers, const QString& text, bool autoRepeat = false) {
    QKeyEvent event(QEvent::KeyPress, qtKey, modifiers, text, autoRepeat);
    QApplication::sendEvent(box.Widget(), &event);
  }
  Form form;
  PictureBox box{&form};
  TextBox other{&form};
  std::vector<std::string> log;
};

TEST_F(PictureBoxKeysTest, KeyDownThenKeyPressForEveryPress) {
  Send(Qt::Key_H, Qt::NoModifier, "h");
  Send(Qt::Key_H, Qt::NoModifier, "h", true);  // auto-repeat
  Send(Qt::Key_H, Qt::ControlModifier, "\b");
  Send(Qt::Key_Return, Qt::NoModifier, "\r");
  Send(0x0644, Qt::NoModifier, QString::fromUtf16(u"\u0644\u0627"));  // two characters
  Send(0x0661, Qt::NoModifier, QString::fromUtf16(u"\u0661"));         // none in Windows-1256
  Send(Qt::Key_Shift, Qt::NoModifier, "");  // X11 gives the state before the press
  EXPECT_EQ(log, (std::vector<std::string>{"down 72 0", "press 104", "down 72 0", "press 104", "down 72 2",
                                           "press 8", "down 13 0", "press 13", "down 0 0", "press 225",
                                           "press 199", "down 0 0", "down 16 1"}));
}

TEST_F(PictureBoxKeysTest, TakesTheFocusAndTabMovesItOn) {
  box.SetFocus();
  EXPECT_TRUE(box.HasFocus());
  QTest::keyClick(box.Widget(), Qt::Key_Q);
  EXPECT_EQ(log, (std::vector<std::string>{"down 81 0", "press 113"}));

  other.SetFocus();
  QTest::mouseClick(box.Widget(), Qt::LeftButton);  // a click gives it the focus
  EXPECT_TRUE(box.HasFocus());
  log.clear();
  QTest::keyClick(box.Widget(), Qt::Key_Tab);
  EXPECT_TRUE(log.empty());
  EXPECT_FALSE(box.HasFocus());
}

}  // namespace
}  // namespace kovrim::vb
