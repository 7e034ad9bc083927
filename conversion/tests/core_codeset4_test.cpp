#include <set>
#include <vector>

#include <gtest/gtest.h>

#include "conversion/codeset4.h"
#include "conversion/ligatures.h"
#include "test_util.h"

namespace kovrim {
namespace {

using testing::Range;
using testing::Show;
using testing::Union;

// The glyphs of a row, without the zero padding; empty when a zero stands
// before a glyph (a gap is a transcription slip, not a shorter sequence).
template <std::size_t N>
std::vector<int> Glyphs(const std::array<std::uint8_t, N>& g) {
  std::vector<int> out;
  bool ended = false;
  for (const std::uint8_t c : g) {
    if (c == 0) {
      ended = true;
    } else if (ended) {
      return {};
    } else {
      out.push_back(c);
    }
  }
  return out;
}

CodeString ToCodes(const std::vector<int>& glyphs) { return CodeString(glyphs.begin(), glyphs.end()); }

const std::set<int> kLigatureBodies = {33, 34, 35, 36, 37, 39, 40, 41, 42, 43, 44, 45, 46, 47, 74, 76};
const std::set<int> kLigatureMarks = {59, 60, 63, 64, 65, 67, 68, 69, 70, 71, 72, 73, 109};

// Marks and the tail, then exactly one body.
void ExpectLigatureSequence(const std::vector<int>& g, std::size_t minLength, std::size_t maxLength) {
  ASSERT_GE(g.size(), minLength);
  ASSERT_LE(g.size(), maxLength);
  EXPECT_EQ(kLigatureBodies.count(g.back()), 1u) << g.back();
  int tails = 0;
  for (std::size_t i = 0; i + 1 < g.size(); ++i) {
    EXPECT_EQ(kLigatureMarks.count(g[i]), 1u) << g[i];
    tails += g[i] == 59;
  }
  EXPECT_LE(tails, 1);
}

TEST(CodeSet4Tables, PairRulesHaveTheListedKeysEachOnce) {
  EXPECT_EQ(CodeSet4PairRules.size(), 41u);
  std::set<std::pair<int, int>> keys;
  std::set<int> begins, completes;
  for (const auto& r : CodeSet4PairRules) {
    EXPECT_TRUE(keys.insert({r.code, r.next}).second) << int(r.code) << ' ' << int(r.next);
    begins.insert(r.code);
    completes.insert(r.next);
    ExpectLigatureSequence(Glyphs(r.glyphs), 2, 4);
  }
  EXPECT_EQ(begins, (std::set<int>{86, 87, 90, 92, 98, 99, 106, 193, 197, 216}));
  EXPECT_EQ(completes, (std::set<int>{60, 73, 74, 77, 78, 81, 82, 109, 113, 191, 195, 196, 205, 214, 215}));
  for (const int c : begins) EXPECT_EQ(completes.count(c), 0u) << c;
}

TEST(CodeSet4Tables, LigatureRulesCoverEveryLigatureTheComplexPassesLeave) {
  EXPECT_EQ(CodeSet4LigatureRules.size(), 53u);
  std::set<int> keys;
  for (const auto& r : CodeSet4LigatureRules) {
    EXPECT_TRUE(keys.insert(r.code).second) << int(r.code);
    ExpectLigatureSequence(Glyphs(r.glyphs), 1, 3);
  }
  EXPECT_EQ(keys, Union({{60, 142, 158, 159}, Range(130, 140), Range(145, 156), Range(228, 248),
                         Range(251, 255)}));
  // Exactly the pair and triple ligatures, moved to their code set 4 numbers.
  std::set<int> made;
  for (const InputPath p : {InputPath::TextBox, InputPath::Keyboard}) {
    for (const auto& r : PairLigatureRules) made.insert(ComplexRenumbering(r.result, p));
    for (const auto& r : TripleLigatureRules) made.insert(ComplexRenumbering(r.result, p));
  }
  EXPECT_EQ(made, keys);
}

TEST(CodeSet4Tables, LetterRulesLeaveExactlyTheListedCodesWithoutARule) {
  EXPECT_EQ(CodeSet4LetterRules.size(), 127u);  // 124 letter forms, 218, hamza, full stop
  std::set<int> single;
  for (const auto& r : CodeSet4LetterRules) {
    EXPECT_TRUE(single.insert(r.code).second) << int(r.code);
    const std::vector<int> g = Glyphs(r.glyphs);
    ASSERT_FALSE(g.empty()) << int(r.code);
    // Mark and tail, one body, then at most a joining stroke.
    std::size_t i = 0;
    while (i < g.size() && g[i] >= 59 && g[i] <= 71) ++i;
    ASSERT_LT(i, g.size()) << int(r.code);
    EXPECT_TRUE((g[i] >= 77 && g[i] <= 126) || g[i] == 38 || g[i] == 75) << int(r.code);
    EXPECT_LE(g.size() - i, 2u) << int(r.code);
    if (i + 1 < g.size()) {
      EXPECT_TRUE(g[i + 1] == 58 || g[i + 1] == 75) << int(r.code);
    }
  }
  for (const auto& r : CodeSet4LigatureRules) EXPECT_TRUE(single.insert(r.code).second) << int(r.code);
  std::set<int> without;
  for (int c = 0; c < 256; ++c) {
    if (!single.count(c)) without.insert(c);
  }
  EXPECT_EQ(without, Union({Range(0, 45), Range(47, 59), Range(61, 64), Range(127, 129),
                            {91, 93, 94, 123, 125, 141, 143, 144, 157, 160}}));
  // A pair rule's first code still has a rule of its own when no pair forms.
  for (const auto& r : CodeSet4PairRules) EXPECT_EQ(single.count(r.code), 1u) << int(r.code);
}

TEST(CodeSet4Tables, PairsAreNoneThatTheComplexPassesJoin) {
  std::set<int> pairBegins, pairCompletes;
  for (const auto& r : PairLigatureRules) {
    pairBegins.insert(r.code);
    pairCompletes.insert(r.next);
  }
  for (const auto& q : CodeSet4PairRules) {
    for (const auto& r : PairLigatureRules) EXPECT_FALSE(q.code == r.code && q.next == r.next);
    for (const auto& t : TripleLigatureRules) {
      EXPECT_FALSE(q.code == t.code && q.next == ComplexRenumbering(t.next, InputPath::TextBox));
    }
    EXPECT_EQ(pairBegins.count(q.next), 0u) << int(q.next);
    EXPECT_EQ(pairCompletes.count(q.code), 0u) << int(q.code);
  }
}

TEST(CodeSet4Map, EveryRuleGivesItsSequenceInsideText) {
  for (const auto& r : CodeSet4PairRules) {
    CodeString expected = Bytes({32});
    expected += ToCodes(Glyphs(r.glyphs));
    expected += Bytes({32});
    EXPECT_EQ(Show(CodeSet4Map(Bytes({32, r.code, r.next, 32}))), Show(expected));
  }
  const auto expectSingle = [](const auto& table) {
    for (const auto& r : table) {
      CodeString expected = Bytes({13, 10});
      expected += ToCodes(Glyphs(r.glyphs));
      EXPECT_EQ(Show(CodeSet4Map(Bytes({13, 10, r.code}))), Show(expected));
    }
  };
  expectSingle(CodeSet4LetterRules);
  expectSingle(CodeSet4LigatureRules);
}

TEST(CodeSet4Map, Cases) {
  struct Case {
    CodeString input, expected;
  };
  const Case cases[] = {
      {Bytes({}), Bytes({})},
      {Bytes({76, 66, 73}), Bytes({68, 81, 78, 63, 79})},  // باب
      {Bytes({76}), Bytes({68, 81})},              // the 68 of a sequence is not looked up again
      {Bytes({98, 60}), Bytes({64, 74})},          // khah medial joins lam-meem
      {Bytes({98, 32}), Bytes({64, 82, 58, 32})},  // and is a letter again otherwise
      {Bytes({98}), Bytes({64, 82, 58})},
      {Bytes({92, 60}), Bytes({59, 74})},          // the lam-meem it takes gives nothing more
      {Bytes({99, 60}), Bytes({71, 59, 74})},
      {Bytes({32, 60, 32}), Bytes({32, 36, 32})},  // lam-meem with nothing to join
      {Bytes({60, 98}), Bytes({36, 64, 82, 58})},  // a ligature code never begins a pair
      {Bytes({92, 73}), Bytes({59, 73, 33})},      // بح
      {Bytes({193, 81}), Bytes({59, 70, 34})},     // ثم
      {Bytes({92, 109}), Bytes({83, 89})},         // no pair: each its own rule
      {Bytes({92, 32, 73}), Bytes({83, 32, 63, 79})},
      {Bytes({92, 13, 10, 73}), Bytes({83, 13, 10, 63, 79})},
      {Bytes({87, 73, 73}), Bytes({68, 59, 73, 33, 63, 79})},  // a taken code is not read again
      {Bytes({49, 50, 46, 53, 45}), Bytes({49, 50, 38, 53, 45})},  // 12.5-
      {Bytes({125, 123}), Bytes({125, 123})},      // parentheses
      {Bytes({249, 250, 127, 241}), Bytes({93, 93, 58, 127, 72, 44})},  // tah; 241 is a ligature
      {Bytes({65, 91}), Bytes({77, 91})},          // A reads as an alef; [ has no rule
      {Bytes({213, 203, 204, 218, 219}), Bytes({126, 121, 121, 75, 60, 121, 60, 121})},
      // Harakat and other bytes that earlier passes copied read as ligature codes.
      {Bytes({240, 242, 243, 245, 246, 248}),
       Bytes({69, 44, 40, 70, 40, 67, 42, 67, 68, 45, 67, 71, 45})},
      {Bytes({152}), Bytes({71, 34})},
  };
  for (const auto& c : cases) EXPECT_EQ(Show(CodeSet4Map(c.input)), Show(c.expected)) << Show(c.input);
}

TEST(CodeSet4Map, ForeignCodesPassAndNeverJoin) {
  const Code f = kForeignBase + 60;
  EXPECT_EQ(CodeSet4Map({98, f}), (CodeString{64, 82, 58, f}));
  EXPECT_EQ(CodeSet4Map({kForeignBase + 98, 60}), (CodeString{kForeignBase + 98, 36}));
}

TEST(CodeSet4Map, LongTextOfLongSequencesIsWrittenWhole) {
  // Ghain isolated takes three glyphs for one code, more than any other
  // text; the output must grow to hold all of it.
  CodeString in(10'001, 174);
  in += Bytes({99, 205});
  const CodeString out = CodeSet4Map(in);
  ASSERT_EQ(out.size(), 3 * 10'001u + 4);
  for (std::size_t i = 0; i < 10'001; ++i) {
    ASSERT_EQ(Show(out.substr(3 * i, 3)), "71 59 95") << i;
  }
  EXPECT_EQ(Show(out.substr(3 * 10'001)), "59 64 109 33");
}

}  // namespace
}  // namespace kovrim
