// Whole conversions with the complex ligatures and code set 4.
#include <gtest/gtest.h>

#include "conversion/pipeline.h"
#include "test_util.h"

namespace kovrim {
namespace {

using testing::kKb;
using testing::kTb;
using testing::Show;
using testing::U8;

constexpr auto K1 = CodeSet::K1, K2 = CodeSet::K2, K3 = CodeSet::K3, K4 = CodeSet::K4;

struct Case {
  CodeSet codeSet;
  bool complex;
  const char* expected;
};

std::string Convert(const String& in, CodeSet cs, bool complex, InputPath path, bool spaces = true) {
  return Show(RunPipeline(in, {.codeSet = cs, .complexLigatures = complex, .keepSpaces = spaces, .path = path}));
}

// Lam followed by alef: the one extra space of the text-box path appears only
// with the complex ligatures, and code set 4 writes the lam-alef as 124.
TEST(PipelineComplex, LamAlefOnBothPaths) {
  const Case textBox[] = {
      {K1, false, "32 220 32"},    {K1, true, "32 220 32 32"}, {K2, false, "32 98 32"},
      {K2, true, "32 98 32"},      {K3, false, "32 220 32"},   {K3, true, "32 220 32 32"},
      {K4, true, "32 124 32 32"},  {K4, false, "32 220 32"},
  };
  const Case keyboard[] = {
      {K1, false, "32 220 32"}, {K1, true, "32 220 32"}, {K2, false, "32 98 32"},
      {K2, true, "32 98 32"},   {K3, false, "32 220 32"}, {K3, true, "32 220 32"},
      {K4, true, "32 124 32"},  {K4, false, "32 220 32"},
  };
  for (const auto& c : textBox) {
    EXPECT_EQ(Convert(U8("لا"), c.codeSet, c.complex, kTb), c.expected)
        << "K" << int(c.codeSet) << (c.complex ? " complex" : "");
  }
  for (const auto& c : keyboard) {
    EXPECT_EQ(Convert(U"\u00BEA", c.codeSet, c.complex, kKb), c.expected)
        << "K" << int(c.codeSet) << (c.complex ? " complex" : "");
  }
}

TEST(PipelineComplex, EmptyText) {
  for (const CodeSet cs : {K1, K2, K3, K4}) {
    const bool complexShowsExtraSpace = cs != K2;
    EXPECT_EQ(Convert(U"", cs, false, kTb), "32 32");
    EXPECT_EQ(Convert(U"", cs, true, kTb), complexShowsExtraSpace ? "32 32 32" : "32 32");
    EXPECT_EQ(Convert(U"", cs, true, kKb), "32 32");
    // Nothing left to convert: the pair pass does not run and adds no space.
    EXPECT_EQ(Convert(U"", cs, true, kTb, false), "");
    EXPECT_EQ(Convert(U"  ", cs, true, kKb, false), "");
  }
}

TEST(PipelineComplex, Ligatures) {
  struct WordCase {
    String text;
    InputPath path;
    CodeSet codeSet;
    const char* expected;
    bool spaces = true;
  };
  const WordCase cases[] = {
      // beh + hah joined, reh copied; renumbered alike on both paths.
      {U8("بحر"), kTb, K1, "32 106 129 32 32"},
      {U8("بحر"), kTb, K3, "32 106 252 32 32"},
      {U"L`i", kKb, K3, "32 106 252 32"},
      {U8("بحر"), kTb, K4, "32 88 73 33 32 32"},
      // lam + lam + heh.
      {U8("الله"), kTb, K1, "32 1 65 32 32"},
      {U8("الله"), kTb, K3, "32 228 65 32 32"},
      {U"A\u00BE\u00BE\u062A", kKb, K3, "32 228 65 32"},
      {U"A\u00BE\u00BE\u062A", kKb, K4, "32 76 77 32"},
      // lam-meem: joined again with a medial hah, or by code set 4 with a
      // final hah or khah.
      {U8("لمحا"), kTb, K1, "32 66 16 32 32"},
      {U8("لمحا"), kTb, K3, "32 66 234 32 32"},
      {U8("لمحا"), kTb, K4, "32 78 74 32 32"},
      {U8("لمح"), kTb, K3, "32 92 60 32 32"},
      {U8("لمح"), kTb, K4, "32 59 74 32 32"},
      {U"\u00BE\u0622d", kKb, K4, "32 71 59 74 32"},
      // Byte values, not letters: Latin I then V join.
      {U"IV", kTb, K1, "32 128 32 32"},
      // Words run together when spaces are dropped but never join.
      {U8("بح نم"), kTb, K3, "233 92 73 32", false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Convert(c.text, c.codeSet, true, c.path, c.spaces), c.expected)
        << Utf8FromString(c.text) << " K" << int(c.codeSet);
  }
}

// Tah's medial form and the dammatan (both byte 241) take the text-box path's
// renumbering; typed text already carries tah as 250.
TEST(PipelineComplex, TahAndDammatanDependOnThePath) {
  struct PathCase {
    String text;
    InputPath path;
    CodeSet codeSet;
    const char* expected;
  };
  const PathCase cases[] = {
      {U8("بطب"), kTb, K1, "32 75 241 73 32 32"},
      {U8("بطب"), kTb, K3, "32 75 250 73 32 32"},
      {U8("بطب"), kTb, K4, "32 68 81 58 93 58 63 79 32 32"},
      {U"L\u00A2L", kKb, K4, "32 68 81 58 93 58 63 79 32"},
      {U"\u064C", kTb, K3, "32 250 32 32"},
      {U"\u064C", kKb, K3, "32 241 32"},
      {U"\u064C", kTb, K4, "32 93 58 32 32"},
      {U"\u064C", kKb, K4, "32 72 44 32"},
      {U"\u064E", kTb, K4, "32 70 40 32 32"},  // fatha reads as a ligature code
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Convert(c.text, c.codeSet, true, c.path), c.expected)
        << Utf8FromString(c.text) << " K" << int(c.codeSet) << (c.path == kTb ? " text box" : " keyboard");
  }
}

TEST(PipelineComplex, ForeignCharactersSurviveEveryPass) {
  String mixed = U8("لمح\r\n");
  mixed += U"\U0001F600\u05D0\u4E2D";
  mixed += char32_t(0xD800);
  mixed += U8("بح");
  for (const CodeSet cs : {K1, K3, K4}) {
    for (const InputPath p : {kTb, kKb}) {
      const String text = TextFromCodes(RunPipeline(mixed, {.codeSet = cs, .path = p}));
      for (const char32_t c : {char32_t(0x1F600), char32_t(0x05D0), char32_t(0x4E2D), char32_t(0xD800)}) {
        EXPECT_NE(text.find(c), String::npos) << "K" << int(cs);
      }
    }
  }
}

}  // namespace
}  // namespace kovrim
