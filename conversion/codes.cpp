#include "conversion/codes.h"

#include <array>

#include "platform/codepage.h"

namespace kovrim {

namespace {

// Codes of the characters up to the end of the Arabic block, where nearly
// all text falls, looked up without a search.
constexpr char32_t kDirectEnd = 0x0700;
constexpr char32_t kLastCodePoint = 0x10FFFF;
constexpr char32_t kReplacementCharacter = 0xFFFD;

struct DirectCodes {
  std::array<Code, kDirectEnd> code{};
  DirectCodes() {
    for (char32_t c = 0; c < kDirectEnd; ++c) {
      const auto b = cp1256::FromUnicode(c);
      code[c] = b ? Code(*b) : kForeignBase + c;
    }
  }
};

}  // namespace

Code CodeFromChar(char32_t c) {
  static const DirectCodes direct;
  if (c < kDirectEnd) return direct.code[c];
  if (const auto b = cp1256::FromUnicode(c)) return *b;
  // A value past the last code point is no character: carried as the
  // replacement character, so that it can never wrap round into a byte code.
  if (c > kLastCodePoint) return kForeignBase + kReplacementCharacter;
  return kForeignBase + c;
}

String TextFromCodes(const CodeString& codes) {
  String text;
  text.resize(codes.size());
  for (std::size_t i = 0; i < codes.size(); ++i) {
    const Code c = codes[i];
    text[i] = IsByteCode(c) ? cp1256::ToUnicode(static_cast<unsigned char>(c))
                            : char32_t(c - kForeignBase);
  }
  return text;
}

CodeString Bytes(std::initializer_list<int> values) {
  CodeString codes;
  codes.reserve(values.size());
  for (int v : values) codes.push_back(static_cast<Code>(v));
  return codes;
}

}  // namespace kovrim
