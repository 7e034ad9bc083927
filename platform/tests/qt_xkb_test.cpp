// Key translation under real keymaps, compiled from the installed XKB data:
// one row per key event as the X11 platform delivers it (X11 key code, Qt
// key, modifiers, text) under a layout and group, against the key code,
// shift bits and KeyPress codes the key tables receive.
#include <Qt>
#include <cstdlib>
#include <map>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/keyboard.h"
#include "platform/xkb_layout.h"

namespace kovrim::vb {
namespace {

const KeyboardLayout& Layout(const std::string& names) {
  static std::map<std::string, std::unique_ptr<KeyboardLayout>> layouts;
  auto& layout = layouts[names];
  if (!layout) layout = LayoutFromNames("evdev", "pc105", names.c_str(), "");
  if (!layout) throw std::runtime_error("no keymap for " + names);
  return *layout;
}

TEST(KeyboardLayout, TellsLatinGroupsAndFindsAltGr) {
  const KeyboardLayout& frAra = Layout("fr,ara");
  EXPECT_EQ(frAra.groups, 2);
  EXPECT_TRUE(frAra.latin[0]);
  EXPECT_FALSE(frAra.latin[1]);
  EXPECT_EQ(frAra.levelThreeMask, 0x80u);  // Mod5
  EXPECT_FALSE(Layout("ara").latin[0]);
  EXPECT_TRUE(Layout("de").latin[0]);
  // A key without an AltGr level types nothing with it, not its plain character.
  EXPECT_EQ(Layout("us").Key(47, 0)->at(KeyboardLayout::kAltGr), 0u);
  EXPECT_EQ(Layout("de").Key(26, 0)->at(KeyboardLayout::kAltGr), U'\u20AC');
}

// Sets an environment variable for one scope and puts back what was there.
class ScopedEnvironment {
 public:
  ScopedEnvironment(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    setenv(name, value, 1);
  }
  ~ScopedEnvironment() {
    if (old_) {
      setenv(name_, old_->c_str(), 1);
    } else {
      unsetenv(name_);
    }
  }
  ScopedEnvironment(const ScopedEnvironment&) = delete;
  ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

 private:
  const char* name_;
  std::optional<std::string> old_;
};

// A keymap compiled from names is the one the names describe: XKB's defaults
// in the environment add nothing, here an option that swaps the brackets and
// the parentheses on the US keys.
TEST(KeyboardLayout, TakesNoDefaultsFromTheEnvironment) {
  const ScopedEnvironment options("XKB_DEFAULT_OPTIONS", "parens:swap_brackets");
  const auto us = LayoutFromNames("evdev", "pc105", "us", "");
  ASSERT_TRUE(us);
  EXPECT_EQ(us->Key(34, 0)->at(KeyboardLayout::kPlain), U'[');
  EXPECT_EQ(us->Key(18, 0)->at(KeyboardLayout::kShifted), U'(');
}

constexpr KeyModifiers kNone{};
constexpr KeyModifiers kShift{.shift = true};
constexpr KeyModifiers kCtrl{.ctrl = true};
constexpr KeyModifiers kCtrlAlt{.ctrl = true, .alt = true};
constexpr KeyModifiers kAltGr{.altGr = true};
constexpr KeyModifiers kShiftAltGr{.shift = true, .altGr = true};
constexpr KeyModifiers kPad{.keypad = true};

struct LayoutCase {
  const char* name;
  const char* layout;  // XKB layout names
  int group;
  std::uint32_t x11;
  KeyModifiers modifiers;
  int qtKey;
  const char* text;  // UTF-8, as the layout types it
  int keyCode;
  int shift;
  std::vector<int> keyAscii;
};

void Check(const LayoutCase& c) {
  SCOPED_TRACE(c.name);
  const KeyStroke k = TranslateKey(c.qtKey, c.modifiers, c.x11, StringFromUtf8(c.text), Layout(c.layout), c.group);
  EXPECT_EQ(k.keyCode, c.keyCode);
  EXPECT_EQ(k.shift, c.shift);
  EXPECT_EQ(k.keyAscii, c.keyAscii);
}

TEST(TranslateKey, LetterKeysFollowTheLatinLayout) {
  const LayoutCase cases[] = {
      {"US A", "us", 0, 38, kNone, Qt::Key_A, "a", 65, 0, {97}},
      {"US Shift+M", "us", 0, 58, kShift, Qt::Key_M, "M", 77, 1, {77}},
      {"AZERTY A, where US has Q", "fr", 0, 24, kNone, Qt::Key_A, "a", 65, 0, {97}},
      {"AZERTY Q, where US has A", "fr", 0, 38, kNone, Qt::Key_Q, "q", 81, 0, {113}},
      {"AZERTY Z, where US has W", "fr", 0, 25, kNone, Qt::Key_Z, "z", 90, 0, {122}},
      {"AZERTY W, where US has Z", "fr", 0, 52, kNone, Qt::Key_W, "w", 87, 0, {119}},
      {"AZERTY M, where US has ;", "fr", 0, 47, kNone, Qt::Key_M, "m", 77, 0, {109}},
      {"AZERTY comma, where US has M, is no letter", "fr", 0, 58, kNone, Qt::Key_Comma, ",", 188, 0, {44}},
      {"AZERTY Shift+comma key", "fr", 0, 58, kShift, Qt::Key_Question, "?", 188, 1, {63}},
      {"AZERTY semicolon keeps its code", "fr", 0, 59, kNone, Qt::Key_Semicolon, ";", 188, 0, {59}},
      {"AZERTY Ctrl+A", "fr", 0, 24, kCtrl, Qt::Key_A, "\x01", 65, 2, {1}},
      {"QWERTZ Z, where US has Y", "de", 0, 29, kNone, Qt::Key_Z, "z", 90, 0, {122}},
      {"QWERTZ Y, where US has Z", "de", 0, 52, kNone, Qt::Key_Y, "y", 89, 0, {121}},
      {"QWERTZ o-umlaut keeps its code", "de", 0, 47, kNone, 0xD6, "ö", 186, 0, {}},
      {"Arabic H types alef", "ara", 0, 43, kNone, 0x0627, "ا", 72, 0, {199}},
      {"Arabic M types teh marbuta", "ara", 0, 58, kNone, 0x0629, "ة", 77, 0, {201}},
      {"Arabic ; key types kaf", "ara", 0, 47, kNone, 0x0643, "ك", 186, 0, {223}},
      {"Arabic Shift+F types [", "ara", 0, 41, kShift, Qt::Key_BracketLeft, "[", 70, 1, {91}},
      {"US and Arabic, Arabic active: H", "us,ara", 1, 43, kNone, 0x0627, "ا", 72, 0, {199}},
      {"US and Arabic, Arabic active: M", "us,ara", 1, 58, kNone, 0x0629, "ة", 77, 0, {201}},
      {"AZERTY and Arabic, Arabic active: the A key", "fr,ara", 1, 24, kNone, 0x0636, "ض", 65, 0, {214}},
      {"AZERTY and Arabic, Arabic active: the M key", "fr,ara", 1, 47, kNone, 0x0643, "ك", 77, 0, {223}},
      {"AZERTY and Arabic, Arabic active: the comma key", "fr,ara", 1, 58, kNone, 0x0629, "ة", 188, 0, {201}},
      {"AZERTY and Arabic, AZERTY active: the Q key", "fr,ara", 0, 38, kNone, Qt::Key_Q, "q", 81, 0, {113}},
      // With two Latin layouts the active one names the keys without letters.
      {"US and AZERTY, AZERTY active: the comma key", "us,fr", 1, 58, kNone, Qt::Key_Comma, ",", 188, 0, {44}},
      {"AZERTY and US, US active: the ; key", "fr,us", 1, 47, kNone, Qt::Key_Semicolon, ";", 186, 0, {59}},
      {"AZERTY digit row keeps its codes", "fr", 0, 10, kNone, Qt::Key_Ampersand, "&", 49, 0, {38}},
      {"AZERTY Shift+1", "fr", 0, 10, kShift, Qt::Key_1, "1", 49, 1, {49}},
      {"AZERTY keypad 7", "fr", 0, 79, kPad, Qt::Key_7, "7", 103, 0, {55}},
      {"Arabic keypad decimal point", "ara", 0, 91, kPad, Qt::Key_Period, ".", 110, 0, {46}},
  };
  for (const LayoutCase& c : cases) Check(c);
}

// AltGr is Ctrl+Alt, so letter and digit keys match no key-table row; the
// key types only what the layout puts on its AltGr level, whatever Qt's text.
TEST(TranslateKey, AltGrIsCtrlAltAndTypesItsOwnLevel) {
  const LayoutCase cases[] = {
      {"Arabic AltGr+F types peh, not beh", "ara", 0, 41, kAltGr, 0x067E, "پ", 70, 6, {129}},
      {"Arabic AltGr+H: alef wasla has no code", "ara", 0, 43, kAltGr, 0x0671, "ٱ", 72, 6, {}},
      {"Arabic AltGr+1: no digit 1", "ara", 0, 10, kAltGr, 0x0661, "١", 49, 6, {}},
      {"Arabic Ctrl+Alt+H types no alef", "ara", 0, 43, kCtrlAlt, 0x0627, "ا", 72, 6, {}},
      {"US Ctrl+Alt+; types no ;", "us", 0, 47, kCtrlAlt, Qt::Key_Semicolon, ";", 186, 6, {}},
      {"US AltGr+A: no AltGr level", "us", 0, 38, kAltGr, Qt::Key_A, "a", 65, 6, {}},
      {"AZERTY AltGr+5 types [", "fr", 0, 14, kAltGr, Qt::Key_BracketLeft, "[", 53, 6, {91}},
      {"AZERTY AltGr+E types the euro sign", "fr", 0, 26, kAltGr, Qt::Key_E, "€", 69, 6, {128}},
      {"AZERTY AltGr+A: ae has no code", "fr", 0, 24, kAltGr, Qt::Key_AE, "æ", 65, 6, {}},
      {"AZERTY AltGr on the comma key: a dead key", "fr", 0, 58, kAltGr, Qt::Key_Dead_Acute, "", 188, 6, {}},
      {"QWERTZ AltGr+E types the euro sign", "de", 0, 26, kAltGr, Qt::Key_E, "€", 69, 6, {128}},
      {"QWERTZ Shift+AltGr+E", "de", 0, 26, kShiftAltGr, Qt::Key_E, "€", 69, 7, {128}},
      {"QWERTZ Ctrl+Alt+E types what AltGr+E types", "de", 0, 26, kCtrlAlt, Qt::Key_E, "e", 69, 6, {128}},
      {"QWERTZ AltGr+Q types @", "de", 0, 24, kAltGr, Qt::Key_At, "@", 81, 6, {64}},
      {"AZERTY and Arabic, Arabic active: AltGr+F", "fr,ara", 1, 41, kAltGr, 0x067E, "پ", 70, 6, {129}},
      {"AltGr with keypad 7", "de", 0, 79, {.keypad = true, .altGr = true}, Qt::Key_7, "7", 103, 6, {}},
  };
  for (const LayoutCase& c : cases) Check(c);
}

// Raw keys with a dead key first: what the key after it gives.
TEST(KeyTranslator, DeadKeysThatDoNotCombineTypeTheirAccent) {
  static const auto usIntl = LayoutFromNames("evdev", "pc105", "us", "intl");
  ASSERT_TRUE(usIntl);
  struct Key {
    std::uint32_t x11;
    KeyModifiers modifiers;
    int qtKey;
    const char* text;
  };
  const Key acute{48, kNone, Qt::Key_Dead_Acute, ""};  // US International
  const Key deAcute{21, kNone, Qt::Key_Dead_Acute, ""};
  const Key deGrave{21, kShift, Qt::Key_Dead_Grave, ""};
  const Key comma{59, kNone, Qt::Key_Comma, ","};
  const Key shift{50, kShift, Qt::Key_Shift, ""};
  const struct {
    const char* name;
    const KeyboardLayout* layout;
    std::vector<Key> keys;
    std::vector<int> last;  // the last key's KeyPress codes
  } cases[] = {
      {"US International: acute, comma", usIntl.get(), {acute, comma}, {39, 44}},
      {"US International: acute, e", usIntl.get(), {acute, {26, kNone, Qt::Key_E, "e"}}, {101}},
      {"US International: acute, Space", usIntl.get(), {acute, {65, kNone, Qt::Key_Space, " "}}, {32}},
      {"US International: acute, 1", usIntl.get(), {acute, {10, kNone, Qt::Key_1, "1"}}, {39, 49}},
      {"German: acute, comma", &Layout("de"), {deAcute, comma}, {180, 44}},
      {"German: grave, comma", &Layout("de"), {deGrave, comma}, {96, 44}},
      {"German: grave, Shift, comma", &Layout("de"), {deGrave, shift, comma}, {96, 44}},
      {"German: grave twice", &Layout("de"), {deGrave, deGrave}, {96, 96}},
      {"German: grave, comma, comma", &Layout("de"), {deGrave, comma, comma}, {44}},
      {"German: the dead key alone", &Layout("de"), {deGrave}, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    KeyTranslator keys;
    KeyStroke k;
    for (const Key& key : c.keys) k = keys.Translate(key.qtKey, key.modifiers, key.x11, StringFromUtf8(key.text), c.layout, 0);
    EXPECT_EQ(k.keyAscii, c.last);
  }
}

}  // namespace
}  // namespace kovrim::vb
