// The keyboard chart of code set 2 (the picture of Image0): its key caps and
// where each one lies in the picture.  Shared by the artwork generator, which
// draws the chart, and the tests, which check it against the key tables and
// the stored picture.
#pragma once

#include <QRect>

#include <vector>

namespace kovrim::assets::keyboard_chart {

// How a letter joins, which decides the forms its key cap shows.
enum class Joins { Not, Before, Both };  // Before: only to the letter before it

struct KeyCap {
  const char* latin;   // the key's Latin legend, drawn in red, left to right
  const char* arabic;  // what the key types (UTF-8); nullptr for the connector
  Joins joins;
};

// The rows of a US keyboard with the letters of the Arabic (101) layout.
inline const std::vector<std::vector<KeyCap>> kKeyRows = {
    {{"`", "ذ", Joins::Before}, {"1", "١", Joins::Not}, {"2", "٢", Joins::Not}, {"3", "٣", Joins::Not},
     {"4", "٤", Joins::Not}, {"5", "٥", Joins::Not}, {"6", "٦", Joins::Not}, {"7", "٧", Joins::Not},
     {"8", "٨", Joins::Not}, {"9", "٩", Joins::Not}, {"0", "٠", Joins::Not}, {"-", "-", Joins::Not},
     {"=", "=", Joins::Not}},
    {{"Q", "ض", Joins::Both}, {"W", "ص", Joins::Both}, {"E", "ث", Joins::Both}, {"R", "ق", Joins::Both},
     {"T", "ف", Joins::Both}, {"Y", "غ", Joins::Both}, {"U", "ع", Joins::Both}, {"I", "ه", Joins::Both},
     {"O", "خ", Joins::Both}, {"P", "ح", Joins::Both}, {"[", "ج", Joins::Both}, {"]", "د", Joins::Before},
     {"\\", nullptr, Joins::Not}},
    {{"A", "ش", Joins::Both}, {"S", "س", Joins::Both}, {"D", "ي", Joins::Both}, {"F", "ب", Joins::Both},
     {"G", "ل", Joins::Both}, {"H", "ا", Joins::Before}, {"J", "ت", Joins::Both}, {"K", "ن", Joins::Both},
     {"L", "م", Joins::Both}, {";", "ك", Joins::Both}, {"'", "ط", Joins::Both}},
    {{"Z", "ئ", Joins::Both}, {"X", "ء", Joins::Not}, {"C", "ؤ", Joins::Before}, {"V", "ر", Joins::Before},
     {"B", "لا", Joins::Before}, {"N", "ى", Joins::Before}, {"M", "ة", Joins::Before},
     {",", "و", Joins::Before}, {".", "ز", Joins::Before}, {"/", "ظ", Joins::Both}},
};

constexpr int kKeyWidth = 32;
constexpr int kKeyHeight = 24;
constexpr int kKeyPitch = 26;
constexpr int kChartLeft = 14;  // right of the handle strip
constexpr int kRowIndent[] = {0, 16, 24, 40};

// The cap of a key, in pixels of the picture.
inline QRect KeyRect(int row, int column) {
  return QRect(kChartLeft + kRowIndent[row] + column * kKeyWidth, 17 + row * kKeyPitch, kKeyWidth - 2,
               kKeyHeight);
}

// Where the Latin legend stands on a cap: its upper left corner.
inline QRect LegendRect(const QRect& key) { return QRect(key.left() + 3, key.top() + 1, 10, 10); }

}  // namespace kovrim::assets::keyboard_chart
