#include <set>

#include <gtest/gtest.h>

#include "conversion/ligatures.h"
#include "test_util.h"

namespace kovrim {
namespace {

using testing::kKb;
using testing::kTb;
using testing::Range;
using testing::Show;
using testing::Union;


TEST(PairLigatureTable, KeysAndLigaturesAreTheListedOnesEachOnce) {
  EXPECT_EQ(PairLigatureRules.size(), 50u);
  std::set<std::pair<int, int>> keys;
  std::set<int> begins, completes, ligatures;
  for (const auto& r : PairLigatureRules) {
    EXPECT_NE(r.code, 0);
    EXPECT_NE(r.next, 0);
    EXPECT_TRUE(keys.insert({r.code, r.next}).second) << int(r.code) << ' ' << int(r.next);
    EXPECT_TRUE(ligatures.insert(r.result).second) << int(r.result);
    begins.insert(r.code);
    completes.insert(r.next);
  }
  EXPECT_EQ(begins, (std::set<int>{86, 87, 90, 92, 98, 99, 106, 192, 193, 197, 200, 207, 211}));
  EXPECT_EQ(completes, (std::set<int>{73, 74, 77, 78, 81, 85, 89, 97, 109, 113, 175, 187, 191, 195,
                                      196, 205, 206}));
  EXPECT_EQ(ligatures, Union({{2, 3, 5, 6, 231}, Range(18, 26), Range(28, 31), Range(128, 159)}));
  // Matches cannot overlap and a ligature is never joined again.
  for (const int c : begins) EXPECT_EQ(completes.count(c), 0u) << c;
  for (const int l : ligatures) EXPECT_EQ(begins.count(l) + completes.count(l), 0u) << l;
}

TEST(TripleLigatureTable, RulesStandApartFromEachOtherAndFromThePairs) {
  ASSERT_EQ(TripleLigatureRules.size(), 3u);
  std::set<int> firsts, taken, pairBegins, pairCompletes;
  for (const auto& r : PairLigatureRules) {
    pairBegins.insert(r.code);
    pairCompletes.insert(r.next);
  }
  for (const auto& t : TripleLigatureRules) {
    EXPECT_TRUE(firsts.insert(t.code).second);
    taken.insert(t.next);
    if (t.taken == 2) taken.insert(t.nextNext);
    // The pair pass must leave the triple's codes as they are.
    EXPECT_EQ(pairCompletes.count(t.code), 0u) << int(t.code);
    if (t.taken == 2) {
      EXPECT_EQ(pairBegins.count(t.next), 0u) << int(t.next);
    }
    if (t.taken == 1) {
      // The pair ligature the rule builds on must form before its first code
      // could be joined with the pair's own first code.
      for (const auto& p : PairLigatureRules) {
        if (p.result != t.next) continue;
        for (const auto& q : PairLigatureRules) EXPECT_FALSE(q.code == t.code && q.next == p.code);
      }
    }
  }
  EXPECT_EQ(pairBegins.count(201), 0u);
  EXPECT_EQ(taken, (std::set<int>{157, 187, 188}));
  for (const auto& t : TripleLigatureRules) EXPECT_EQ(firsts.count(t.result), 0u);
  for (const int c : taken) EXPECT_EQ(firsts.count(c), 0u) << c;
}

TEST(RenumberingTable, MovesEachCodeToADistinctNumberOnce) {
  EXPECT_EQ(ComplexRenumberingTable.size(), 29u);
  std::set<int> from, to, textBoxOnly;
  for (const auto& e : ComplexRenumberingTable) {
    EXPECT_TRUE(from.insert(e.from).second) << int(e.from);
    EXPECT_TRUE(to.insert(e.to).second) << int(e.to);
    if (e.textBoxOnly) textBoxOnly.insert(e.from);
  }
  EXPECT_EQ(textBoxOnly, (std::set<int>{127, 241}));
  std::set<int> both;
  for (const int c : from) {
    if (to.count(c)) both.insert(c);
  }
  EXPECT_EQ(both, std::set<int>{241});  // the one code a second lookup would move on
}

TEST(PairLigaturePass, EveryRuleJoinsItsPairInsideText) {
  for (const auto& r : PairLigatureRules) {
    EXPECT_EQ(Show(PairLigaturePass(Bytes({32, r.code, r.next, 32}))), Show(Bytes({32, r.result, 32})));
  }
}

TEST(PairLigaturePass, Cases) {
  struct Case {
    CodeString input, expected;
  };
  const Case cases[] = {
      {Bytes({}), Bytes({})},
      {Bytes({106, 90, 73}), Bytes({106, 129})},     // بحر: beh + hah, reh copied
      {Bytes({193, 195}), Bytes({6})},               // نم
      {Bytes({90, 192, 187}), Bytes({90, 157})},     // لمح: lam + meem, hah left for the triples
      {Bytes({197, 74, 106, 78}), Bytes({146, 22})}, // two pairs side by side
      {Bytes({86, 73, 73}), Bytes({128, 73})},       // a completing code never begins a pair
      {Bytes({86, 13, 10, 73}), Bytes({86, 13, 10, 73})},  // never across a line break
      {Bytes({86, 32, 73}), Bytes({86, 32, 73})},          // nor across a space
      {Bytes({73, 86}), Bytes({73, 86})},                  // the wrong way round
      {Bytes({118, 73}), Bytes({118, 73})},                // v is not V
      {Bytes({32, 86}), Bytes({32, 86})},                  // a beginning code standing last
      {Bytes({128, 73, 157, 187}), Bytes({128, 73, 157, 187})},  // ligatures are not joined again
      {Bytes({1, 2, 3, 5, 6}), Bytes({1, 2, 3, 5, 6})},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Show(PairLigaturePass(c.input)), Show(c.expected)) << Show(c.input);
    CodeString inPlace = c.input;
    PairLigaturePassInPlace(inPlace);
    EXPECT_EQ(Show(inPlace), Show(c.expected)) << "in place: " << Show(c.input);
  }
}

TEST(PairLigaturePass, ForeignCodesNeverJoin) {
  const CodeString a = {86, kForeignBase + 73};
  const CodeString b = {kForeignBase + 86, 73};
  EXPECT_EQ(PairLigaturePass(a), a);
  EXPECT_EQ(PairLigaturePass(b), b);
}

TEST(TripleLigaturePass, Cases) {
  struct Case {
    bool renumber;
    InputPath path;
    CodeString input, expected;
  };
  const Case cases[] = {
      // الله with the text-box path's extra space.
      {false, kTb, Bytes({32, 201, 188, 187, 65, 32, 32}), Bytes({32, 1, 65, 32, 32})},
      {true, kTb, Bytes({32, 201, 188, 187, 65, 32, 32}), Bytes({32, 228, 65, 32, 32})},
      {true, kKb, Bytes({32, 201, 188, 187, 65, 32}), Bytes({32, 228, 65, 32})},
      {false, kTb, Bytes({201, 188, 32}), Bytes({201, 188, 32})},  // heh missing
      {false, kTb, Bytes({201, 188}), Bytes({201, 188})},          // text ends first
      // Lam-meem followed by hah or jeem, or by anything else.
      {false, kTb, Bytes({90, 157}), Bytes({16})},
      {true, kKb, Bytes({90, 157}), Bytes({234})},
      {false, kKb, Bytes({86, 157}), Bytes({17})},
      {true, kTb, Bytes({86, 157}), Bytes({235})},
      {false, kTb, Bytes({98, 157}), Bytes({98, 157})},
      {true, kTb, Bytes({98, 157, 32}), Bytes({98, 60, 32})},
      {true, kTb, Bytes({90, 13, 10, 157}), Bytes({90, 13, 10, 60})},  // not across a line break
      // Each code is moved once: 23 ends as 241, only a 241 of the input as 250.
      {true, kTb, Bytes({23, 241, 127}), Bytes({241, 250, 249})},
      {true, kKb, Bytes({23, 241, 127}), Bytes({241, 241, 127})},
      {false, kTb, Bytes({23, 241, 127}), Bytes({23, 241, 127})},
      {true, kKb, Bytes({4, 128, 129, 141, 143, 144, 130, 231, 159}),
       Bytes({231, 251, 252, 253, 254, 255, 130, 231, 159})},
      {true, kTb, Bytes({1, 2, 3, 5, 6, 16, 17, 18, 26, 28, 31}),
       Bytes({228, 229, 230, 232, 233, 234, 235, 236, 244, 245, 248})},
      {true, kTb, Bytes({13, 10, 32, 65, 220}), Bytes({13, 10, 32, 65, 220})},
      {true, kTb, Bytes({}), Bytes({})},
  };
  for (const auto& c : cases) {
    const std::string what =
        Show(c.input) + (c.renumber ? " renumbered" : "") + (c.path == kTb ? " text box" : " keyboard");
    EXPECT_EQ(Show(TripleLigaturePass(c.input, c.renumber, c.path)), Show(c.expected)) << what;
    CodeString inPlace = c.input;
    TripleLigaturePassInPlace(inPlace, c.renumber, c.path);
    EXPECT_EQ(Show(inPlace), Show(c.expected)) << "in place: " << what;
  }
}

TEST(TripleLigaturePass, ForeignCodesNeitherJoinNorMove) {
  const CodeString in = {90, kForeignBase + 157, kForeignBase + 23, 201, 188, kForeignBase + 187};
  EXPECT_EQ(TripleLigaturePass(in, true, kTb), in);
  EXPECT_EQ(ComplexRenumbering(kForeignBase + 157, kTb), kForeignBase + 157);
  EXPECT_EQ(ComplexRenumbering(kNoCode, kTb), kNoCode);
}

TEST(ComplexRenumbering, TahMovesOnTheTextBoxPathOnly) {
  EXPECT_EQ(ComplexRenumbering(241, kTb), 250u);
  EXPECT_EQ(ComplexRenumbering(127, kTb), 249u);
  EXPECT_EQ(ComplexRenumbering(241, kKb), 241u);
  EXPECT_EQ(ComplexRenumbering(127, kKb), 127u);
  for (const InputPath p : {kTb, kKb}) {
    EXPECT_EQ(ComplexRenumbering(23, p), 241u);
    EXPECT_EQ(ComplexRenumbering(157, p), 60u);
    EXPECT_EQ(ComplexRenumbering(250, p), 250u);
    EXPECT_EQ(ComplexRenumbering(60, p), 60u);
  }
}

}  // namespace
}  // namespace kovrim
