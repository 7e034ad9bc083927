#include "platform/text.h"

#include <gtest/gtest.h>

namespace {

using kovrim::String;

TEST(Text, Utf8RoundTripKeepsEveryKindOfCharacter) {
  String text = U"ab\r\n\r";
  text += char32_t(0);
  text += U"\u0628\u064E\U0001F600";
  text += char32_t(0xD800);
  text += U'z';
  EXPECT_EQ(kovrim::StringFromUtf8(kovrim::Utf8FromString(text)), text);
}

TEST(Text, MalformedUtf8BecomesReplacementCharacters) {
  EXPECT_EQ(kovrim::StringFromUtf8("a\xC3"), U"a\uFFFD");
  EXPECT_EQ(kovrim::StringFromUtf8("\xC0\xAF"), U"\uFFFD\uFFFD");  // overlong
  EXPECT_EQ(kovrim::StringFromUtf8("\xF4\x90\x80\x80"), U"\uFFFD\uFFFD\uFFFD\uFFFD");
}

TEST(Text, Utf16JoinsPairsAndKeepsLoneSurrogates) {
  std::u16string utf16 = u"\U0001F600x";
  utf16 += char16_t(0xD800);
  utf16 += u'y';
  utf16 += char16_t(0xDC00);
  const String text = kovrim::StringFromUtf16(utf16);
  EXPECT_EQ(text, String(U"\U0001F600x") + char32_t(0xD800) + U'y' + char32_t(0xDC00));
  EXPECT_EQ(kovrim::Utf16FromString(text), utf16);
}

}  // namespace
