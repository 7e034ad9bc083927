// The shaping pass: contextual letter forms and visual line order.
#pragma once

#include <array>
#include <cstdint>

#include "conversion/codes.h"

namespace kovrim {

// One letter: its key on each input path, how it joins, its form codes.
struct LetterForms {
  char32_t letter;         // the Arabic letter, as typed into the text box
  char32_t codeCharacter;  // its key on the keyboard path
  std::uint8_t joinClass;  // 1: joins only to the letter before; 2: both sides
  std::uint8_t isolated, final, medial, initial;  // base codes; 0 = no such form
};

// The 36 letters.  Tah's medial and initial codes here are the text-box ones;
// ShapingPass moves them to 250 and 249 where the path or code set 3 asks.
inline constexpr std::array<LetterForms, 36> LetterFormTable = {{
    {U'\u0627', U'\u0041', 1, 65, 66, 0, 0},        // alef
    {U'\u0623', U'\u0043', 1, 67, 68, 0, 0},        // alef with hamza above
    {U'\u0622', U'\u0045', 1, 69, 70, 0, 0},        // alef with madda above
    {U'\u0625', U'\u0047', 1, 71, 72, 0, 0},        // alef with hamza below
    {U'\u0628', U'\u004C', 2, 76, 75, 74, 73},      // beh
    {U'\u062A', U'\u0050', 2, 80, 79, 78, 77},      // teh
    {U'\u062B', U'\u0054', 2, 84, 83, 82, 81},      // theh
    {U'\u062C', U'\u0058', 2, 88, 87, 86, 85},      // jeem
    {U'\u0640', U'\u005F', 2, 95, 95, 95, 95},      // tatweel
    {U'\u062D', U'\u0060', 2, 96, 92, 90, 89},      // hah
    {U'\u062E', U'\u0064', 2, 100, 99, 98, 97},     // khah
    {U'\u062F', U'\u0065', 1, 101, 102, 0, 0},      // dal
    {U'\u0630', U'\u0067', 1, 103, 104, 0, 0},      // thal
    {U'\u0631', U'\u0069', 1, 105, 106, 0, 0},      // reh
    {U'\u0632', U'\u006B', 1, 107, 108, 0, 0},      // zain
    {U'\u0633', U'\u0070', 2, 112, 111, 110, 109},  // seen
    {U'\u0634', U'\u0074', 2, 116, 115, 114, 113},  // sheen
    {U'\u0635', U'\u0078', 2, 120, 119, 118, 117},  // sad
    {U'\u0636', U'\u007E', 2, 126, 124, 122, 121},  // dad
    {U'\u0637', U'\u00A2', 2, 162, 161, 241, 127},  // tah
    {U'\u0638', U'\u00A6', 2, 166, 165, 164, 163},  // zah
    {U'\u0639', U'\u06BE', 2, 170, 169, 168, 167},  // ain
    {U'\u063A', U'\u00AE', 2, 174, 173, 172, 171},  // ghain
    {U'\u0641', U'\u00B2', 2, 178, 177, 176, 175},  // feh
    {U'\u0642', U'\u00B6', 2, 182, 181, 180, 179},  // qaf
    {U'\u0643', U'\u061B', 2, 186, 185, 184, 183},  // kaf
    {U'\u0644', U'\u00BE', 2, 190, 189, 188, 187},  // lam
    {U'\u0645', U'\u0622', 2, 194, 193, 192, 191},  // meem
    {U'\u0646', U'\u0626', 2, 198, 197, 196, 195},  // noon
    {U'\u0647', U'\u062A', 2, 202, 201, 200, 199},  // heh
    {U'\u0648', U'\u062B', 1, 203, 204, 0, 0},      // waw
    {U'\u0624', U'\u0639', 1, 218, 219, 0, 0},      // waw with hamza above
    {U'\u064A', U'\u0630', 2, 208, 207, 206, 205},  // yeh
    {U'\u0626', U'\u0638', 2, 217, 216, 215, 214},  // yeh with hamza above
    {U'\u0629', U'\u0631', 1, 209, 210, 0, 0},      // teh marbuta
    {U'\u0649', U'\u0634', 1, 212, 211, 0, 0},      // alef maksura
}};

inline constexpr char32_t kHamzaLetter = U'\u0621';         // text-box path
inline constexpr char32_t kHamzaCodeCharacter = U'\u0635';  // keyboard path
inline constexpr Code kHamzaCode = 213;

// Tah's medial and initial codes on the keyboard path, and on the text-box
// path while code set 3 is selected.
inline constexpr Code kTahMedialAlt = 250;
inline constexpr Code kTahInitialAlt = 249;

// The join strings of one alphabet.  Only membership counts.
String DualJoiningLetters(InputPath path);  // the 24 letters of class 2
String JoiningLetters(InputPath path);      // all 36 letters

struct ShapingOptions {
  InputPath path = InputPath::TextBox;
  bool keepSpaces = true;         // spaces between words stay in the output
  bool codeSet3Selected = false;  // steers tah on the text-box path
};

// Turns the padded input (the text with one space before and after it) into
// base codes, every line in visual order, lines ended by CR LF.
CodeString ShapingPass(StringView paddedText, const ShapingOptions& options);
// The same, into a string whose capacity the caller keeps between runs.
void ShapingPassInto(StringView paddedText, const ShapingOptions& options, CodeString& visual);

}  // namespace kovrim
