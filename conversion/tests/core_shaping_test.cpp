#include <set>

#include <gtest/gtest.h>

#include "conversion/shaping.h"
#include "test_util.h"

namespace kovrim {
namespace {

using testing::Show;
using testing::U8;

struct ShapeCase {
  const char* name;
  String input;  // without the padding spaces; Shape() adds them
  CodeString expected;
  InputPath path = InputPath::TextBox;
  bool keepSpaces = true;
  bool codeSet3 = false;
};

CodeString Shape(const ShapeCase& c) {
  return ShapingPass(U" " + c.input + U" ",
                     {.path = c.path, .keepSpaces = c.keepSpaces, .codeSet3Selected = c.codeSet3});
}

constexpr auto kKb = InputPath::Keyboard;

class ShapingCases : public ::testing::TestWithParam<ShapeCase> {};

TEST_P(ShapingCases, GivesVisualText) {
  const ShapeCase& c = GetParam();
  EXPECT_EQ(Show(Shape(c)), Show(c.expected)) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    WorkedExamples, ShapingCases,
    ::testing::Values(
        ShapeCase{"beh yeh teh", U8("بيت"), Bytes({32, 79, 206, 73, 32})},
        ShapeCase{"lam alef", U8("لا"), Bytes({32, 66, 187, 32})},
        ShapeCase{"jeem alef hamza", U8("جاء"), Bytes({32, 213, 66, 85, 32})},
        ShapeCase{"number between words", U8("في 12 يوما"),
                  Bytes({32, 66, 191, 204, 205, 49, 50, 32, 32, 207, 175, 32})},
        ShapeCase{"digit ends a line", U8("ب 5\r\nت"), Bytes({32, 76, 32, 13, 10, 32, 80, 53, 32})},
        ShapeCase{"digit and space end a line", U8("ب 5 \r\nت"),
                  Bytes({53, 32, 32, 76, 32, 13, 10, 32, 80, 32})},
        ShapeCase{"decimal number", U8("3.14"), Bytes({51, 46, 49, 52, 32, 32})},
        ShapeCase{"parentheses", U8("(ب)"), Bytes({32, 123, 76, 125, 32})},
        ShapeCase{"spaces dropped", U8("سلام عليكم"),
                  Bytes({193, 184, 206, 188, 167, 194, 66, 188, 109}), InputPath::TextBox, false},
        ShapeCase{"tah initial", U8("طب"), Bytes({32, 75, 127, 32})},
        ShapeCase{"tah initial, code set 3", U8("طب"), Bytes({32, 75, 249, 32}), InputPath::TextBox,
                  true, true},
        ShapeCase{"tah medial", U8("بطب"), Bytes({32, 75, 241, 73, 32})},
        ShapeCase{"tah medial, code set 3", U8("بطب"), Bytes({32, 75, 250, 73, 32}),
                  InputPath::TextBox, true, true},
        ShapeCase{"one letter", U8("ب"), Bytes({32, 76, 32})},
        ShapeCase{"class-1 letter joins back only", U8("عامر"), Bytes({32, 106, 191, 66, 167, 32})},
        ShapeCase{"tatweel joins both sides", U8("ـبـ"), Bytes({32, 95, 74, 95, 32})},
        ShapeCase{"hamza breaks joining", U8("ءب"), Bytes({32, 76, 213, 32})},
        ShapeCase{"two lines", U8("ب\r\nت"), Bytes({76, 32, 13, 10, 32, 80, 32})},
        ShapeCase{"two lines, spaces dropped", U8("ب\r\nت"), Bytes({76, 13, 10, 80, 32}),
                  InputPath::TextBox, false},
        ShapeCase{"lone LF is a space", U8("ب\nت"), Bytes({32, 80, 32, 76, 32})},
        ShapeCase{"lone CR ends the line", U8("ب\rت"), Bytes({76, 32, 13, 10, 32, 80})},
        ShapeCase{"spaces only", U"   ", Bytes({32, 32, 32, 32, 32})},
        ShapeCase{"spaces only, dropped", U"   ", Bytes({}), InputPath::TextBox, false},
        ShapeCase{"empty", U"", Bytes({32, 32})}),
    [](const auto& info) { return "case" + std::to_string(info.index); });

INSTANTIATE_TEST_SUITE_P(
    Keyboard, ShapingCases,
    ::testing::Values(
        ShapeCase{"lam alef typed", U"\u00BE\u0041", Bytes({32, 66, 187, 32}), kKb},
        ShapeCase{"beh tah beh typed", U"\u004C\u00A2\u004C", Bytes({32, 75, 250, 73, 32}), kKb},
        ShapeCase{"beh CR teh typed", U"\u004C\r\u0050", Bytes({76, 32, 13, 10, 32, 80}), kKb},
        ShapeCase{"low line is tatweel", U"_", Bytes({32, 95, 32}), kKb},
        ShapeCase{"tilde is dad", U"~", Bytes({32, 126, 32}), kKb},
        ShapeCase{"ain's character is waw with hamza", U"\u0639", Bytes({32, 218, 32}), kKb},
        ShapeCase{"sad's character is hamza", U"\u0635", Bytes({32, 213, 32}), kKb},
        // An Arabic letter is not a letter on this path: it passes as its byte.
        ShapeCase{"Arabic beh passes as its byte", U"\u0628", Bytes({32, 200, 32}), kKb},
        ShapeCase{"LF passes unchanged", U"\n", Bytes({32, 10, 32}), kKb}),
    [](const auto& info) { return "case" + std::to_string(info.index); });

TEST(Shaping, CharactersWithoutRulePassAsTheirByteOrUntouched) {
  // A haraka between two letters is copied and breaks the joining.
  EXPECT_EQ(Show(Shape({"", U8("بَت"), {}})), Show(Bytes({32, 80, 243, 76, 32})));
  // A Latin letter after a dual-joining letter: copied, read later as its code.
  EXPECT_EQ(Show(Shape({"", U8("بA"), {}})), Show(Bytes({32, 65, 76, 32})));
  // Arabic comma, semicolon, question mark: their Windows-1256 bytes.
  EXPECT_EQ(Show(Shape({"", U"\u060C\u061B\u061F", {}})), Show(Bytes({32, 191, 186, 161, 32})));
  // No byte for these: carried untouched, reversed with the line as wholes.
  const CodeString out = Shape({"", U"\u4E2D\U0001F600\u0660", {}});
  EXPECT_EQ(out, (CodeString{32, kForeignBase + 0x0660, kForeignBase + 0x1F600,
                             kForeignBase + 0x4E2D, 32}));
  // A non-ASCII digit is no digit here; NUL passes as byte 0.
  EXPECT_EQ(Show(Shape({"", String(U"\u0661") + char32_t(0), {}})),
            Show(CodeString{32, 0, kForeignBase + 0x0661, 32}));
}

TEST(Shaping, DigitRunCarriedAcrossLineBreakIsNotLost) {
  // Without the padding a caller's string can end on a digit.
  EXPECT_EQ(Show(ShapingPass(U"12", {})), Show(Bytes({49, 50})));
}

TEST(LetterTable, RowsJoinClassesAndKeys) {
  EXPECT_EQ(LetterFormTable.size(), 36u);
  std::set<char32_t> letters, keys;
  std::set<int> codes;
  int dual = 0;
  for (const auto& l : LetterFormTable) {
    letters.insert(l.letter);
    keys.insert(l.codeCharacter);
    ASSERT_TRUE(l.joinClass == 1 || l.joinClass == 2);
    if (l.joinClass == 2) {
      ++dual;
      EXPECT_NE(l.medial, 0);
      EXPECT_NE(l.initial, 0);
    } else {
      EXPECT_EQ(l.medial, 0);
      EXPECT_EQ(l.initial, 0);
    }
    for (int c : {l.isolated, l.final, l.medial, l.initial}) {
      if (c != 0 && l.letter != U'\u0640') {
        EXPECT_TRUE(codes.insert(c).second) << c;
      }
    }
  }
  EXPECT_EQ(letters.size(), 36u);
  EXPECT_EQ(keys.size(), 36u);
  EXPECT_EQ(dual, 24);
  // The code character of a letter is the Windows-1256 character of its
  // isolated base code.
  for (const auto& l : LetterFormTable) EXPECT_EQ(CodeFromChar(l.codeCharacter), l.isolated);
  EXPECT_EQ(CodeFromChar(kHamzaCodeCharacter), kHamzaCode);
}

TEST(LetterTable, JoinStrings) {
  for (const InputPath path : {InputPath::TextBox, InputPath::Keyboard}) {
    EXPECT_EQ(DualJoiningLetters(path).size(), 24u);
    EXPECT_EQ(JoiningLetters(path).size(), 36u);
  }
  const String dual = DualJoiningLetters(InputPath::TextBox);
  for (const char32_t c : U8("بتثجحخسشصضطظعغفقكلمنهيئـ")) {
    EXPECT_NE(dual.find(c), String::npos);
  }
  const String all = JoiningLetters(InputPath::TextBox);
  for (const char32_t c : U8("اأإآدذرزوؤةى")) {
    EXPECT_NE(all.find(c), String::npos);
    EXPECT_EQ(dual.find(c), String::npos);
  }
}

TEST(Shaping, HugeSingleLineIsReversedWhole) {
  String line;
  for (int i = 0; i < 200000; ++i) line += U8("بت ");
  const CodeString out = Shape({"", line, {}});
  ASSERT_EQ(out.size(), line.size() + 2);
  EXPECT_EQ(out[1], 32);
  EXPECT_EQ(out[2], 79);  // the last teh, final, stands at the left
  EXPECT_EQ(out[out.size() - 2], 73);  // the first beh, initial, at the right
}

}  // namespace
}  // namespace kovrim
