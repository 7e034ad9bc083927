#include "text.h"

namespace kovrim {

namespace {

bool IsContinuation(unsigned char b) { return (b & 0xC0) == 0x80; }

}  // namespace

String StringFromUtf8(std::string_view utf8) {
  String out;
  out.reserve(utf8.size());
  const auto* s = reinterpret_cast<const unsigned char*>(utf8.data());
  const std::size_t n = utf8.size();
  std::size_t i = 0;
  while (i < n) {
    const unsigned char b = s[i];
    if (b < 0x80) {
      out.push_back(b);
      ++i;
      continue;
    }
    int len = 0;
    char32_t cp = 0;
    char32_t min = 0;
    if ((b & 0xE0) == 0xC0) {
      len = 2, cp = b & 0x1F, min = 0x80;
    } else if ((b & 0xF0) == 0xE0) {
      len = 3, cp = b & 0x0F, min = 0x800;
    } else if ((b & 0xF8) == 0xF0) {
      len = 4, cp = b & 0x07, min = 0x10000;
    }
    bool ok = len != 0 && i + len <= n;
    for (int k = 1; ok && k < len; ++k) {
      ok = IsContinuation(s[i + k]);
      cp = (cp << 6) | (s[i + k] & 0x3F);
    }
    if (ok && cp >= min && cp <= 0x10FFFF) {
      out.push_back(cp);
      i += len;
    } else {
      out.push_back(0xFFFD);
      ++i;
    }
  }
  return out;
}

std::string Utf8FromString(StringView text) {
  std::string out;
  out.reserve(text.size());
  for (char32_t c : text) {
    if (c > 0x10FFFF) c = 0xFFFD;
    if (c < 0x80) {
      out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
      out.push_back(static_cast<char>(0xC0 | (c >> 6)));
      out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
      out.push_back(static_cast<char>(0xE0 | (c >> 12)));
      out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
      out.push_back(static_cast<char>(0xF0 | (c >> 18)));
      out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
  }
  return out;
}

String StringFromUtf16(std::u16string_view utf16) {
  String out;
  out.reserve(utf16.size());
  for (std::size_t i = 0; i < utf16.size(); ++i) {
    const char16_t u = utf16[i];
    if (u >= 0xD800 && u <= 0xDBFF && i + 1 < utf16.size() &&
        utf16[i + 1] >= 0xDC00 && utf16[i + 1] <= 0xDFFF) {
      out.push_back(0x10000 + ((char32_t(u) - 0xD800) << 10) +
                    (char32_t(utf16[i + 1]) - 0xDC00));
      ++i;
    } else {
      out.push_back(u);
    }
  }
  return out;
}

std::u16string Utf16FromString(StringView text) {
  std::u16string out;
  out.reserve(text.size());
  for (char32_t c : text) {
    if (c >= 0x10000 && c <= 0x10FFFF) {
      c -= 0x10000;
      out.push_back(static_cast<char16_t>(0xD800 + (c >> 10)));
      out.push_back(static_cast<char16_t>(0xDC00 + (c & 0x3FF)));
    } else {
      out.push_back(static_cast<char16_t>(c > 0x10FFFF ? 0xFFFD : c));
    }
  }
  return out;
}

}  // namespace kovrim
