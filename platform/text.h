// Text as the program passes it around: one element per character.
//
// Controls, the clipboard, font names and the typing buffers all hold
// String.  A character outside the Basic Multilingual Plane is one element,
// so reversing a line or removing "the last character" never splits it.
#pragma once

#include <string>
#include <string_view>

namespace kovrim {

using String = std::u32string;
using StringView = std::u32string_view;

// UTF-8 <-> String.  Malformed UTF-8 bytes become U+FFFD; a lone surrogate
// in a String is written as its three-byte form so that it survives a round
// trip through Utf8FromString and StringFromUtf8.
String StringFromUtf8(std::string_view utf8);
std::string Utf8FromString(StringView text);

// UTF-16 <-> String.  Surrogate pairs join into one character; a lone
// surrogate is kept as it is, in both directions.
String StringFromUtf16(std::u16string_view utf16);
std::u16string Utf16FromString(StringView text);

}  // namespace kovrim
