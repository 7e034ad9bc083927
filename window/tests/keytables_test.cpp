#include "window/keytables.h"

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "conversion/pipeline.h"
#include "conversion/shaping.h"
#include "platform/codepage.h"

namespace kovrim {
namespace {

constexpr int kShiftBit = 1, kCtrlBit = 2, kAltBit = 4;

String U8(const char* utf8) { return StringFromUtf8(utf8); }

// Code characters from Windows-1256 byte values.
String Chars(std::initializer_list<int> bytes) {
  String s;
  for (const int b : bytes) s.push_back(cp1256::ToUnicode(static_cast<unsigned char>(b)));
  return s;
}

std::string Hex(const String& s) {
  std::string out;
  char buf[16];
  for (const char32_t c : s) {
    std::snprintf(buf, sizeof buf, "%s%04X", out.empty() ? "" : " ", static_cast<unsigned>(c));
    out += buf;
  }
  return out;
}

// One expected row.  display == nullptr: the key has no display text.
struct Expected {
  int key;
  ShiftCondition shift;
  String code;
  const char* display;
};

constexpr auto kNone = ShiftCondition::NoModifier;
constexpr auto kShift = ShiftCondition::ShiftAlone;
constexpr auto kAny = ShiftCondition::Any;

const std::vector<Expected>& ExpectedKeyDown() {
  static const std::vector<Expected> rows = {
      {65, kNone, Chars({116}), "ش"}, {65, kShift, Chars({246}), "\u0650"},
      {66, kNone, Chars({190, 65}), "لا"}, {66, kShift, Chars({190, 69}), "لآ"},
      {67, kNone, Chars({218}), "ؤ"}, {67, kShift, Chars({125}), "}"},
      {68, kNone, Chars({208}), "ي"}, {68, kShift, Chars({93}), "]"},
      {69, kNone, Chars({84}), "ث"}, {69, kShift, Chars({245}), "\u064F"},
      {70, kNone, Chars({76}), "ب"}, {70, kShift, Chars({91}), "["},
      {71, kNone, Chars({190}), "ل"}, {71, kShift, Chars({190, 67}), "لأ"},
      {72, kNone, Chars({65}), "ا"}, {72, kShift, Chars({67}), "أ"},
      {73, kNone, Chars({202}), "ه"}, {73, kShift, Chars({39}), "÷"},
      {74, kNone, Chars({80}), "ت"}, {74, kShift, Chars({95}), "ـ"},
      {75, kNone, Chars({198}), "ن"}, {75, kShift, Chars({44}), "،"},
      {76, kNone, Chars({194}), "م"}, {76, kShift, Chars({47}), "/"},
      {77, kNone, Chars({209}), "ة"}, {77, kShift, Chars({146}), "’"},
      {78, kNone, Chars({212}), "ى"}, {78, kShift, Chars({69}), "آ"},
      {79, kNone, Chars({100}), "خ"}, {79, kShift, Chars({38}), "×"},
      {80, kNone, Chars({96}), "ح"}, {80, kShift, Chars({59}), "؛"},
      {81, kNone, Chars({126}), "ض"}, {81, kShift, Chars({243}), "\u064E"},
      {82, kNone, Chars({182}), "ق"}, {82, kShift, Chars({241}), "\u064C"},
      {83, kNone, Chars({112}), "س"}, {83, kShift, Chars({242}), "\u064D"},
      {84, kNone, Chars({178}), "ف"}, {84, kShift, Chars({190, 71}), "لإ"},
      {85, kNone, Chars({170}), "ع"}, {85, kShift, Chars({145}), "‘"},
      {86, kNone, Chars({105}), "ر"}, {86, kShift, Chars({123}), "{"},
      {87, kNone, Chars({120}), "ص"}, {87, kShift, Chars({240}), "\u064B"},
      {88, kNone, Chars({213}), "ء"}, {88, kShift, Chars({250}), "\u0652"},
      {89, kNone, Chars({174}), "غ"}, {89, kShift, Chars({71}), "إ"},
      {90, kNone, Chars({217}), "ئ"}, {90, kShift, Chars({126}), "~"},
      {48, kNone, U"0", "0"}, {48, kShift, U")", ")"},
      {49, kNone, U"1", "1"}, {49, kShift, U"!", "!"},
      {50, kNone, U"2", "2"}, {50, kShift, U"@", "@"},
      {51, kNone, U"3", "3"}, {51, kShift, U"#", "#"},
      {52, kNone, U"4", "4"}, {52, kShift, U"$", "$"},
      {53, kNone, U"5", "5"}, {53, kShift, U"%", "%"},
      {54, kNone, U"6", "6"}, {54, kShift, U"^", "^"},
      {55, kNone, U"7", "7"}, {55, kShift, U"&", "&"},
      {56, kNone, U"8", "8"}, {56, kShift, U"*", "*"},
      {57, kNone, U"9", "9"}, {57, kShift, U"(", "("},
      {8, kAny, U"BackS", nullptr},
      {13, kAny, U"\r", "\r\n"},
      {32, kAny, U" ", " "},
      {43, kAny, U8("دمكل "), nullptr},
      {96, kAny, U"0", "0"}, {97, kAny, U"1", "1"}, {98, kAny, U"2", "2"},
      {99, kAny, U"3", "3"}, {100, kAny, U"4", "4"}, {101, kAny, U"5", "5"},
      {102, kAny, U"6", "6"}, {103, kAny, U"7", "7"}, {104, kAny, U"8", "8"},
      {105, kAny, U"9", "9"},
      {106, kAny, U"*", "*"},
      {107, kAny, U"+", "+"},
      {108, kAny, U8("دمكل "), nullptr},
      {109, kAny, U"-", "-"},
      {110, kAny, U".", "."},
      {111, kAny, U"/", "/"},
  };
  return rows;
}

struct ExpectedPress {
  int latin;
  int arabic;  // 0: one value only
  String code;
  const char* display;
};

const std::vector<ExpectedPress>& ExpectedKeyPress() {
  static const std::vector<ExpectedPress> rows = {
      {34, 0, U"\"", "\""},      {39, 216, Chars({162}), "ط"}, {43, 0, U"+", "+"},
      {44, 230, Chars({203}), "و"}, {45, 0, U"-", "-"},      {46, 210, Chars({107}), "ز"},
      {47, 217, Chars({166}), "ظ"}, {58, 0, U":", ":"},      {59, 223, Chars({186}), "ك"},
      {60, 0, U",", ","},        {61, 0, U"=", "="},         {62, 0, U".", "."},
      {63, 191, U"?", "؟"},      {91, 204, Chars({88}), "ج"}, {92, 0, U"\"", "\""},
      {93, 207, Chars({101}), "د"}, {95, 0, U"_", "_"},      {96, 208, Chars({103}), "ذ"},
      {123, 0, U"{", "{"},       {124, 0, U"*", "*"},        {125, 0, U"}", "}"},
      {248, 0, Chars({228}), "\u0651"},
  };
  return rows;
}

void ExpectEntry(const KeyEntry* entry, const String& code, const char* display,
                 const std::string& where) {
  ASSERT_NE(entry, nullptr) << where;
  EXPECT_EQ(Hex(entry->code), Hex(code)) << where;
  EXPECT_EQ(entry->hasDisplay, display != nullptr) << where;
  if (display != nullptr) {
    EXPECT_EQ(Hex(entry->display), Hex(U8(display))) << where;
  }
}

TEST(KeyDownTable, EveryRowGivesItsCodeAndDisplay) {
  EXPECT_EQ(KeyDownTable().size(), 92u);
  ASSERT_EQ(ExpectedKeyDown().size(), KeyDownTable().size());
  for (const Expected& e : ExpectedKeyDown()) {
    const std::string where = "key " + std::to_string(e.key);
    if (e.shift == kAny) {
      for (int shift = 0; shift < 8; ++shift)
        ExpectEntry(FindKeyDown(e.key, shift), e.code, e.display,
                    where + " shift " + std::to_string(shift));
    } else {
      ExpectEntry(FindKeyDown(e.key, e.shift == kShift ? kShiftBit : 0), e.code, e.display,
                  where + (e.shift == kShift ? " with Shift" : ""));
    }
  }
}

// The code characters stand for the bytes as the code page defines them.
TEST(KeyDownTable, CodesAreTheCodePageCharactersOfTheirBytes) {
  EXPECT_EQ(FindKeyDown(65, 0)->code, U"t");             // sheen, 116
  EXPECT_EQ(FindKeyDown(66, 0)->code, U"\u00BEA");       // lam-alef, 190 65
  EXPECT_EQ(FindKeyDown(68, 0)->code, U"\u0630");        // yeh, 208
  EXPECT_EQ(FindKeyDown(85, 0)->code, U"\u06BE");        // ain, 170
  EXPECT_EQ(FindKeyDown(77, kShiftBit)->code, U"\u2019");  // 146
}

TEST(KeyDownTable, NoKeyEventMatchesTwoRows) {
  std::map<int, std::vector<ShiftCondition>> byKey;
  for (const KeyDownRow& row : KeyDownTable()) byKey[row.keyCode].push_back(row.shift);
  for (const auto& [key, shifts] : byKey) {
    const std::set<ShiftCondition> distinct(shifts.begin(), shifts.end());
    EXPECT_EQ(distinct.size(), shifts.size()) << "key " << key << " has a repeated row";
    EXPECT_TRUE(!distinct.contains(kAny) || shifts.size() == 1)
        << "key " << key << " has an any-shift row beside another row";
  }
}

TEST(KeyDownTable, LetterAndDigitKeysWithCtrlOrAltGiveNothing) {
  const int modifiers[] = {kCtrlBit, kAltBit, kCtrlBit | kAltBit, kShiftBit | kCtrlBit,
                           kShiftBit | kAltBit, kShiftBit | kCtrlBit | kAltBit};
  for (int key = 48; key <= 90; ++key) {
    if (key > 57 && key < 65) continue;
    for (const int m : modifiers) EXPECT_EQ(FindKeyDown(key, m), nullptr) << key << " " << m;
  }
}

TEST(KeyDownTable, KeypadIgnoresModifiers) {
  EXPECT_EQ(FindKeyDown(103, kCtrlBit)->code, U"7");
  EXPECT_EQ(FindKeyDown(96, kAltBit | kShiftBit)->code, U"0");
  EXPECT_EQ(FindKeyDown(110, kCtrlBit)->code, U".");
}

TEST(KeyDownTable, UnmappedKeysGiveNothing) {
  // F1, arrows, Home/End/PageUp/PageDown and Insert/Delete (the keypad with
  // NumLock off), Tab, Escape, Shift itself, the OEM punctuation keys.
  for (const int key : {112, 37, 38, 39, 40, 33, 34, 35, 36, 45, 46, 9, 27, 16, 186, 187, 188,
                        190, 191, 192, 219, 222, 0, 255})
    EXPECT_EQ(FindKeyDown(key, 0), nullptr) << key;
}

TEST(KeyPressTable, EveryRowMatchesBothCharactersOfItsKey) {
  EXPECT_EQ(KeyPressTable().size(), 23u);
  ASSERT_EQ(ExpectedKeyPress().size() + 1, KeyPressTable().size());  // + the "~" row
  for (const ExpectedPress& e : ExpectedKeyPress()) {
    for (const int ascii : {e.latin, e.arabic}) {
      if (ascii == 0) continue;
      const KeyPressRow* row = FindKeyPress(ascii);
      ASSERT_NE(row, nullptr) << ascii;
      EXPECT_FALSE(row->showsFixedText) << ascii;
      EXPECT_EQ(row->keyAscii, e.latin) << ascii;
      EXPECT_EQ(row->arabicKeyAscii, e.arabic) << ascii;
      ExpectEntry(&row->entry, e.code, e.display, "KeyAscii " + std::to_string(ascii));
    }
  }
}

TEST(KeyPressTable, TildeShowsTheFixedTextAndCommitsNothing) {
  const KeyPressRow* row = FindKeyPress(126);
  ASSERT_NE(row, nullptr);
  EXPECT_TRUE(row->showsFixedText);
  EXPECT_TRUE(row->entry.code.empty());
  EXPECT_FALSE(row->entry.hasDisplay);
  for (const KeyPressRow& other : KeyPressTable())
    if (&other != row) {
      EXPECT_FALSE(other.showsFixedText) << other.keyAscii;
    }
}

TEST(KeyPressTable, NoCharacterMatchesTwoRows) {
  std::set<int> seen;
  for (const KeyPressRow& row : KeyPressTable()) {
    EXPECT_TRUE(seen.insert(row.keyAscii).second) << row.keyAscii;
    if (row.arabicKeyAscii != 0) {
      EXPECT_TRUE(seen.insert(row.arabicKeyAscii).second) << row.arabicKeyAscii;
    }
  }
}

TEST(KeyPressTable, OtherCharactersGiveNothing) {
  for (const int ascii : {0, 8, 13, 32, 33, 48, 65, 97, 122, 127, 128, 190, 199, 255, 1000})
    EXPECT_EQ(FindKeyPress(ascii), nullptr) << ascii;
}

// The Arabic character a key types under an Arabic layout is the one it
// shows, so both layouts give the same text.
TEST(KeyPressTable, ArabicCharacterOfAKeyIsItsDisplay) {
  int checked = 0;
  for (const KeyPressRow& row : KeyPressTable()) {
    const int arabic = row.arabicKeyAscii != 0 ? row.arabicKeyAscii
                       : row.keyAscii >= 128   ? row.keyAscii
                                               : 0;
    if (arabic == 0) continue;
    const String typed(1, cp1256::ToUnicode(static_cast<unsigned char>(arabic)));
    EXPECT_EQ(Hex(row.entry.display), Hex(typed)) << "KeyAscii " << arabic;
    ++checked;
  }
  EXPECT_EQ(checked, 10);
}

// A key that shows letters gives their code characters, so what is shown is
// what gets converted.  Lam-alef keys give two.
TEST(KeyTables, LetterKeysGiveTheLettersCodeCharacters) {
  const auto codeCharacterOf = [](char32_t letter) -> std::optional<char32_t> {
    if (letter == kHamzaLetter) return kHamzaCodeCharacter;
    for (const LetterForms& f : LetterFormTable) {
      if (f.letter != letter) continue;
      EXPECT_EQ(f.codeCharacter, cp1256::ToUnicode(static_cast<unsigned char>(f.isolated)));
      return f.codeCharacter;
    }
    return std::nullopt;
  };
  const auto lettersCode = [&](const String& display) -> std::optional<String> {
    String code;
    for (const char32_t c : display) {
      const auto cc = codeCharacterOf(c);
      if (!cc) return std::nullopt;
      code.push_back(*cc);
    }
    return code;
  };

  std::vector<const KeyEntry*> entries;
  for (const KeyDownRow& row : KeyDownTable()) entries.push_back(&row.entry);
  for (const KeyPressRow& row : KeyPressTable()) entries.push_back(&row.entry);
  int checked = 0;
  for (const KeyEntry* e : entries) {
    if (!e->hasDisplay) continue;
    const auto expected = lettersCode(e->display);
    if (!expected) continue;
    EXPECT_EQ(Hex(e->code), Hex(*expected)) << Utf8FromString(e->display);
    ++checked;
  }
  // 26 unshifted letter keys, 7 shifted ones (alef forms, lam-alefs,
  // tatweel), 8 punctuation keys.
  EXPECT_EQ(checked, 41);
}

TEST(TildeFixedText, IsThreeLinesOfCodeSet3Characters) {
  const String text(kTildeFixedText);
  std::vector<String> lines(1);
  for (const char32_t c : text) {
    if (c == U'\r') {
      lines.emplace_back();
    } else {
      EXPECT_TRUE(cp1256::FromUnicode(c).has_value()) << std::hex << static_cast<unsigned>(c);
      EXPECT_NE(c, U'\n');
      lines.back().push_back(c);
    }
  }
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0].size(), 21u);
  EXPECT_EQ(lines[1].size(), 15u);
  EXPECT_EQ(lines[2].size(), 25u);

  // Each line is the code set 3 conversion of its wording.
  const char* wording[] = {
      "مرحبا بكم في كوفريم",
      "اكتب بالعربية",
      "ثم الصق النص في برنامجك",
  };
  const PipelineOptions k3{.codeSet = CodeSet::K3, .complexLigatures = false, .keepSpaces = true};
  for (int i = 0; i < 3; ++i)
    EXPECT_EQ(Hex(lines[i]), Hex(TextFromCodes(RunPipeline(U8(wording[i]), k3)))) << wording[i];
}

}  // namespace
}  // namespace kovrim
