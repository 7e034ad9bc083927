// What a text box's editor shows of its text, and the text a shown part
// stands for; free of Qt.
//
// A classic text box holds CR LF, a lone CR, NUL and other control
// characters, which an editor's document would turn into paragraph breaks
// or lose.  The editor therefore shows a display form: a CR LF is one
// paragraph break (U+2029), every other character its picture or itself,
// and in visual order each line opens with a left-to-right override.  The
// two differ in length only at a few kinds of place, which DisplayMap keeps,
// so that a position in one maps to a position in the other.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "platform/text.h"

namespace kovrim::vb {

inline constexpr char16_t kParagraphBreak = 0x2029;  // a block break in the document
inline constexpr char16_t kLineSeparator = 0x2028;   // Shift+Enter in the editor
inline constexpr char16_t kLeftToRightOverride = 0x202D;

inline bool IsSeparator(char32_t c) { return c == kParagraphBreak || c == kLineSeparator; }

// What a single character of the text looks like in the editor.
char32_t ShownCharacter(char32_t c);

// The display form of a part of the text, unit by unit; `first` says that
// the part begins the text, whose first line has its mark up front.
std::u16string RenderDisplay(StringView text, bool visual, bool first);

// The text a part of the display stands for, as the user typed it: any line
// break is a CR LF, and in visual order the marks are no text.
String ParseDisplay(std::u16string_view shown, bool visual);

// Where the display's length parts from the text's: the CR of each CR LF,
// each U+2028 / U+2029 and each character outside the BMP, ascending.
class DisplayMap {
 public:
  void Reset(StringView text);
  // text[from, oldTo) has just become text[from, from + newLength); both
  // ends lie between units.
  void Splice(StringView text, int from, int oldTo, int newLength);
  // Lets go of memory that a large removal left unused beyond `slack`.
  void Shrink(std::size_t slack);

  // The display position of text position m.  Inside a CR LF (between its
  // CR and LF) it is the position after the paragraph break.
  int Display(int m, bool visual) const;
  // Where a part starting at text position m starts in the display: the
  // text's start includes the first line's mark.
  int DisplayStart(int m, bool visual) const { return m == 0 ? 0 : Display(m, visual); }
  // The text position of display position p in a text of `length`.  A
  // position inside a unit (a surrogate pair, a break and its mark) counts
  // with the unit: its start, or its end with `up`.
  int TextAt(int p, bool up, int length, bool visual) const;
  bool IsBreakAt(int m) const;

 private:
  std::vector<int> breaks_, separators_, wide_;
};

}  // namespace kovrim::vb
