#include "platform/codepage.h"

#include <iconv.h>

#include <gtest/gtest.h>

namespace {

// The system's own converter, as an independent reading of the code page.
char32_t IconvDecode(unsigned char byte) {
  iconv_t cd = iconv_open("UTF-32LE", "CP1256");
  if (cd == reinterpret_cast<iconv_t>(-1)) return 0xFFFFFFFF;
  char in[1] = {static_cast<char>(byte)};
  unsigned char out[8] = {};
  char* inp = in;
  char* outp = reinterpret_cast<char*>(out);
  size_t inLeft = 1, outLeft = sizeof out;
  const size_t r = iconv(cd, &inp, &inLeft, &outp, &outLeft);
  iconv_close(cd);
  if (r == static_cast<size_t>(-1) || outLeft != 4) return 0xFFFFFFFF;
  return char32_t(out[0]) | char32_t(out[1]) << 8 | char32_t(out[2]) << 16 |
         char32_t(out[3]) << 24;
}

TEST(CodePage, EveryByteMatchesIconv) {
  for (int b = 0; b < 256; ++b) {
    const char32_t expected = IconvDecode(static_cast<unsigned char>(b));
    ASSERT_NE(expected, 0xFFFFFFFFu) << "iconv has no CP1256 for byte " << b;
    EXPECT_EQ(kovrim::cp1256::ToUnicode(static_cast<unsigned char>(b)), expected)
        << "byte " << b;
  }
}

TEST(CodePage, EveryByteRoundTripsAndCharactersAreDistinct) {
  for (int b = 0; b < 256; ++b) {
    const auto c = kovrim::cp1256::ToUnicode(static_cast<unsigned char>(b));
    const auto back = kovrim::cp1256::FromUnicode(c);
    ASSERT_TRUE(back.has_value()) << "byte " << b;
    EXPECT_EQ(*back, b);
  }
}

TEST(CodePage, CharactersWithoutAByte) {
  for (char32_t c : {U'\u00C0', U'\u0660', U'\u06F1', U'\u05D0', U'\u4E2D', U'\U0001F600',
                     U'\uFFFD', char32_t(0xD800), U'\u2000', char32_t(0x110000)}) {
    EXPECT_FALSE(kovrim::cp1256::FromUnicode(c).has_value()) << std::hex << uint32_t(c);
  }
}

TEST(CodePage, EncodeGivesEveryByteAndMarksCharactersWithoutOne) {
  kovrim::String all;
  std::string bytes;
  for (int b = 0; b < 256; ++b) {
    all.push_back(kovrim::cp1256::ToUnicode(static_cast<unsigned char>(b)));
    bytes.push_back(static_cast<char>(b));
  }
  EXPECT_EQ(kovrim::cp1256::Encode(all), bytes);
  EXPECT_EQ(kovrim::cp1256::Encode(U"a\u05D0\U0001F600\u0628"), std::string("a??\xC8"));
  EXPECT_EQ(kovrim::cp1256::Encode(U"\u4E2D", '*'), "*");
}

}  // namespace
