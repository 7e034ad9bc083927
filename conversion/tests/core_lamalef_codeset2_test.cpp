#include <set>

#include <gtest/gtest.h>

#include "conversion/codeset2.h"
#include "conversion/lamalef.h"
#include "conversion/shaping.h"
#include "test_util.h"

namespace kovrim {
namespace {

using testing::Show;

struct Case {
  CodeString input, expected;
};

TEST(LamAlef, Cases) {
  const Case cases[] = {
      {Bytes({32, 66, 187, 32}), Bytes({32, 220, 32})},                 // لا
      {Bytes({32, 66, 188, 175, 32}), Bytes({32, 221, 175, 32})},       // فلا
      {Bytes({68, 187, 70, 187, 72, 187}), Bytes({222, 224, 226})},     // لأ لآ لإ
      {Bytes({68, 188, 70, 188, 72, 188}), Bytes({223, 225, 227})},     // after a joining letter
      {Bytes({32, 194, 66, 188, 109, 32}), Bytes({32, 194, 221, 109, 32})},  // سلام
      {Bytes({32, 66, 187, 66, 187, 32}), Bytes({32, 220, 220, 32})},   // لالا
      {Bytes({32, 66, 188, 187, 32}), Bytes({32, 221, 187, 32})},       // للا
      {Bytes({32, 65, 32, 190, 32}), Bytes({32, 65, 32, 190, 32})},     // ل ا
      {Bytes({65, 190}), Bytes({65, 190})},
      {Bytes({66, 187, 32, 13, 10, 32, 66, 187, 32}), Bytes({220, 32, 13, 10, 32, 220, 32})},
      {Bytes({187, 66}), Bytes({187, 66})},  // wrong order: no ligature
      {Bytes({66}), Bytes({66})},            // alef last: nothing completes it
      {Bytes({}), Bytes({})},
  };
  for (const auto& c : cases) EXPECT_EQ(Show(LamAlefPass(c.input)), Show(c.expected)) << Show(c.input);
}

TEST(LamAlef, ForeignCodeNeverCompletesAPair) {
  const CodeString in = {66, kForeignBase + 187};
  EXPECT_EQ(LamAlefPass(in), in);
}

TEST(LamAlef, RulesAreUniqueAndFollowTheNumbering) {
  EXPECT_EQ(LamAlefRules.size(), 8u);
  std::set<std::pair<int, int>> keys;
  for (const auto& r : LamAlefRules) {
    EXPECT_TRUE(keys.insert({r.code, r.next}).second);
    const int alef = (r.code - 66) / 2;  // 0 alef, 1 hamza above, 2 madda, 3 hamza below
    EXPECT_EQ(r.result, 220 + 2 * alef + (r.next == 188 ? 1 : 0));
  }
}

TEST(CodeSet2, TableHasEveryListedBaseCodeOnce) {
  std::set<int> bases;
  for (const auto& e : CodeSet2Entries) {
    EXPECT_TRUE(bases.insert(e.base).second) << int(e.base);
    EXPECT_GE(e.first, 33);
    EXPECT_LE(e.first, 126);
    EXPECT_NE(e.first, 46);
    EXPECT_FALSE(e.first >= 48 && e.first <= 57);
    EXPECT_TRUE(e.second == 0 || e.second == 124);
  }
  std::set<int> expected = {45, 92, 124, 126, 127, 241};
  for (int b = 65; b <= 90; ++b) expected.insert(b);
  for (int b = 96; b <= 122; ++b) expected.insert(b);
  for (int b = 161; b <= 227; ++b) expected.insert(b);
  EXPECT_EQ(bases, expected);
  EXPECT_EQ(CodeSet2Entries.size(), 126u);
  int twoCode = 0;
  for (const auto& e : CodeSet2Entries) twoCode += e.second != 0;
  EXPECT_EQ(twoCode, 6);
}

TEST(CodeSet2, EveryLetterFormHasAnEntryExceptTatweel) {
  std::set<int> bases;
  for (const auto& e : CodeSet2Entries) bases.insert(e.base);
  for (const auto& l : LetterFormTable) {
    if (l.letter == U'\u0640') continue;
    for (int c : {l.isolated, l.final, l.medial, l.initial}) {
      if (c != 0) {
        EXPECT_TRUE(bases.count(c)) << c;
      }
    }
  }
}

TEST(CodeSet2, Cases) {
  const InputPath tb = InputPath::TextBox, kb = InputPath::Keyboard;
  struct PathCase {
    InputPath path;
    CodeString input, expected;
  };
  const PathCase cases[] = {
      {tb, Bytes({}), Bytes({})},
      {tb, Bytes({87, 86, 85}), Bytes({123, 124, 91, 124, 91})},  // three jeems
      {tb, Bytes({92, 90, 99, 98}), Bytes({80, 124, 112, 124, 79, 124, 111, 124})},
      {tb, Bytes({65, 104}), Bytes({104, 96})},  // the 104 that alef gives is not looked up again
      {tb, Bytes({45, 95, 222, 223}), Bytes({95, 95, 45, 45})},
      {tb, Bytes({13, 10, 32, 46, 48, 57, 123, 125}), Bytes({13, 10, 32, 46, 48, 57, 123, 125})},
      {tb, Bytes({127, 241, 249, 250}), Bytes({39, 39, 249, 250})},
      {kb, Bytes({127, 241, 249, 250}), Bytes({39, 39, 39, 39})},
      {tb, Bytes({65, 97}), Bytes({104, 111})},  // A and a differ
      {tb, Bytes({220, 221, 224, 225, 226, 227, 213}), Bytes({98, 66, 60, 60, 61, 61, 120})},
      {tb, Bytes({170, 169, 168, 167}), Bytes({36, 85, 35, 117})},  // ain, four codes
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Show(CodeSet2Map(c.input, c.path)), Show(c.expected)) << Show(c.input);
  }
  const CodeString foreign = {kForeignBase + 65, 0};
  EXPECT_EQ(CodeSet2Map(foreign, tb), foreign);
}

}  // namespace
}  // namespace kovrim
