// The Windows-1256 code page: the one-byte character set in which the code
// strings of the code sets travel.  Every byte 0 to 255 stands for exactly
// one character, and no two bytes for the same one.
#pragma once

#include <optional>
#include <string>

#include "platform/text.h"

namespace kovrim::cp1256 {

// The character that byte b stands for.
char32_t ToUnicode(unsigned char b);

// The byte that stands for character c, if there is one.
std::optional<unsigned char> FromUnicode(char32_t c);

// The bytes of text, one a character; a character without a byte becomes
// missing.
std::string Encode(StringView text, char missing = '?');

}  // namespace kovrim::cp1256
