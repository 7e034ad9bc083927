#include "conversion/codes.h"

#include "platform/codepage.h"

namespace kovrim {

Code CodeFromChar(char32_t c) {
  if (c < 0x80) return c;
  if (const auto b = cp1256::FromUnicode(c)) return *b;
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
