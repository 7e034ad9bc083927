#include <gtest/gtest.h>

#include "conversion/pipeline.h"
#include "test_util.h"

namespace kovrim {
namespace {

using testing::kKb;
using testing::kTb;
using testing::Show;
using testing::U8;


CodeString Convert(const String& in, CodeSet cs, bool complex, bool spaces = true, InputPath p = kTb) {
  return RunPipeline(in, {.codeSet = cs, .complexLigatures = complex, .keepSpaces = spaces, .path = p});
}

TEST(Pipeline, LamAlefWithoutComplexLigatures) {
  const String la = U8("لا");
  EXPECT_EQ(Show(Convert(la, CodeSet::K1, false)), "32 220 32");
  EXPECT_EQ(Show(Convert(la, CodeSet::K3, false)), "32 220 32");
  EXPECT_EQ(Show(Convert(la, CodeSet::K4, false)), "32 220 32");
  EXPECT_EQ(Show(Convert(la, CodeSet::K2, false)), "32 98 32");
  EXPECT_EQ(Show(Convert(la, CodeSet::K2, true)), "32 98 32");
  EXPECT_EQ(Show(Convert(U"\u00BEA", CodeSet::K3, false, true, kKb)), "32 220 32");
}

TEST(Pipeline, EmptyInput) {
  for (const InputPath p : {kTb, kKb}) {
    EXPECT_EQ(Show(Convert(U"", CodeSet::K1, false, true, p)), "32 32");
    EXPECT_EQ(Show(Convert(U"", CodeSet::K2, false, true, p)), "32 32");
    EXPECT_EQ(Show(Convert(U"", CodeSet::K3, false, false, p)), "");
    EXPECT_EQ(Show(Convert(U"", CodeSet::K2, true, false, p)), "");
    EXPECT_EQ(Show(Convert(U"   ", CodeSet::K3, true, false, p)), "");
  }
}

TEST(Pipeline, CodeSet2IgnoresComplexLigatures) {
  const String text = U8("بسم الله الرحمن الرحيم\r\nلا إله إلا الله 1426 ");
  for (const InputPath p : {kTb, kKb}) {
    EXPECT_EQ(Convert(text, CodeSet::K2, true, true, p), Convert(text, CodeSet::K2, false, true, p));
  }
}

// Tah's alternative initial and medial forms: on the text-box path code set
// 3 alone takes them; typed text always carries them.
TEST(Pipeline, CodeSet3TahDependsOnPath) {
  struct Case {
    String text;
    CodeSet codeSet;
    InputPath path;
    const char* expected;
  };
  const Case cases[] = {
      {U8("طب"), CodeSet::K3, kTb, "32 75 249 32"},
      {U8("بطب"), CodeSet::K3, kTb, "32 75 250 73 32"},
      {U8("طب"), CodeSet::K1, kTb, "32 75 127 32"},
      {U8("بطب"), CodeSet::K1, kTb, "32 75 241 73 32"},
      {U8("طب"), CodeSet::K4, kTb, "32 75 127 32"},
      {U8("بطب"), CodeSet::K4, kTb, "32 75 241 73 32"},
      {U8("طب"), CodeSet::K2, kTb, "32 70 39 32"},
      {U8("بطب"), CodeSet::K2, kTb, "32 70 39 102 32"},
      {U"\u00A2L", CodeSet::K1, kKb, "32 75 249 32"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Show(Convert(c.text, c.codeSet, false, true, c.path)), c.expected)
        << Utf8FromString(c.text) << " K" << int(c.codeSet);
  }
}

TEST(Pipeline, BadInputNeverCrashesAndKeepsForeignCharacters) {
  String mixed = U8("ب\r\r\n\n\r\n");
  mixed += char32_t(0);
  mixed += char32_t(0xD800);  // a lone surrogate half
  mixed += U"\U0001F600\u05D0\u0915\u4E2D\u0E01\u200F\uFFFF";
  for (const CodeSet cs : {CodeSet::K1, CodeSet::K2, CodeSet::K3}) {
    for (const InputPath p : {kTb, kKb}) {
      for (const bool spaces : {false, true}) {
        const CodeString out = Convert(mixed, cs, false, spaces, p);
        const String text = TextFromCodes(out);
        for (const char32_t c : {char32_t(0x1F600), char32_t(0xD800), char32_t(0x4E2D)}) {
          EXPECT_NE(text.find(c), String::npos);
        }
      }
    }
  }
}

// Values past U+10FFFF are no characters; without a check they would wrap
// round into byte codes (0xFFFFFF41 + the foreign base is 0x41, 'A', read as alef).
TEST(Pipeline, ValuesOutsideUnicodeBecomeReplacementCharacters) {
  for (const char32_t bad : {char32_t(0x110000), char32_t(0xFFFFFF00), char32_t(0xFFFFFF41), char32_t(0xFFFFFFFF)}) {
    EXPECT_EQ(CodeFromChar(bad), kForeignBase + 0xFFFD);
    const String in = String(U"\u0628") + bad + U"\u0628";
    for (const CodeSet cs : {CodeSet::K1, CodeSet::K2, CodeSet::K3, CodeSet::K4}) {
      const String text = TextFromCodes(Convert(in, cs, true));
      EXPECT_NE(text.find(U'\uFFFD'), String::npos);
      for (const char32_t c : text) EXPECT_LE(c, char32_t(0x10FFFF));
    }
  }
  EXPECT_EQ(CodeFromChar(0x10FFFF), kForeignBase + 0x10FFFF);
}

TEST(Pipeline, FiveMegabytePasteConverts) {
  String big;
  const String line = U8("برنامج مخصص لإدخال النصوص العربية في البرامج 1426 \r\n");
  while (big.size() < 5'000'000) big += line;
  const CodeString out = Convert(big, CodeSet::K3, false);
  EXPECT_GT(out.size(), big.size() / 2);
  const CodeString one = Convert(line, CodeSet::K3, false);
  // Every line converts alike; the first one stands at the front.
  EXPECT_EQ(out.substr(0, 20), one.substr(0, 20));
}

}  // namespace
}  // namespace kovrim
