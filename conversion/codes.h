// Code strings: the text as the conversion passes see it.
//
// Each element is a Code.  Values 0 to 255 are byte codes: a glyph of a
// code-set font, or a character of the Windows-1256 code page read as its
// byte.  A character for which the code page has no byte is carried along
// untouched as kForeignBase + its code point; no rule of any pass matches it.
#pragma once

#include <initializer_list>
#include <string>

#include "platform/text.h"

namespace kovrim {

using Code = char32_t;
using CodeString = std::u32string;

inline constexpr Code kForeignBase = 0x100;

constexpr bool IsByteCode(Code c) { return c < kForeignBase; }

// The code of one character of text: its Windows-1256 byte, or the character
// carried as a foreign code.  A value above U+10FFFF is carried as U+FFFD.
Code CodeFromChar(char32_t c);

// The text a code string stands for: each byte code as its Windows-1256
// character, each foreign code as the character it carries.
String TextFromCodes(const CodeString& codes);

// A code string from byte values, for tables and tests: Bytes({32, 220, 32}).
CodeString Bytes(std::initializer_list<int> values);

// How the input path and options steer the passes.
enum class InputPath { TextBox, Keyboard };
enum class CodeSet { K1 = 1, K2 = 2, K3 = 3, K4 = 4 };

}  // namespace kovrim
