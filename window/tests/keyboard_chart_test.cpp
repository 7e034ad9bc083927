// The keyboard chart of code set 2: every cap shows the letter its key types
// on the keyboard path, and the stored picture shows the Latin legends as
// the keys carry them.
#include <QColor>
#include <QImage>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "assets/names.h"
#include "assets/tools/keyboard_chart.h"
#include "platform/text.h"
#include "window/keytables.h"

namespace kovrim::assets::keyboard_chart {
namespace {

// What the key with this Latin legend shows when typed without Shift: the
// letter keys and the digits by their key code, the punctuation keys by the
// character they type on a Latin layout.
String TypedDisplay(char legend) {
  const bool byKeyCode = (legend >= 'A' && legend <= 'Z') || (legend >= '0' && legend <= '9');
  const KeyEntry* entry = nullptr;
  if (byKeyCode) {
    entry = FindKeyDown(legend, 0);
  } else if (const KeyPressRow* row = FindKeyPress(legend)) {
    entry = &row->entry;
  }
  return entry != nullptr && entry->hasDisplay ? entry->display : U"(nothing)";
}

TEST(KeyboardChart, EveryCapShowsWhatItsKeyTypes) {
  int connectors = 0;
  for (const auto& row : kKeyRows) {
    for (const KeyCap& cap : row) {
      const std::string legend = cap.latin;
      ASSERT_EQ(legend.size(), 1u) << legend;
      if (cap.arabic == nullptr) {
        // The connector of jeem, hah and khah is the one glyph drawn by hand.
        EXPECT_EQ(legend, "\\");
        ++connectors;
        continue;
      }
      String shown = StringFromUtf8(cap.arabic);
      // The digit keys show their digits in Arabic-Indic form.
      if (legend[0] >= '0' && legend[0] <= '9') {
        ASSERT_EQ(shown, String(1, static_cast<char32_t>(U'\u0660' + (legend[0] - '0')))) << legend;
        shown = String(1, static_cast<char32_t>(legend[0]));
      }
      EXPECT_EQ(Utf8FromString(shown), Utf8FromString(TypedDisplay(legend[0]))) << "key " << legend;
    }
  }
  EXPECT_EQ(connectors, 1);
}

// Every key that types an Arabic letter on its own has a cap.
TEST(KeyboardChart, EveryLetterKeyHasACap) {
  std::set<char> legends;
  for (const auto& row : kKeyRows) {
    for (const KeyCap& cap : row) legends.insert(cap.latin[0]);
  }
  auto isLetter = [](const KeyEntry& entry) {
    return entry.hasDisplay && !entry.display.empty() && entry.display[0] >= U'\u0621' &&
           entry.display[0] <= U'\u064A';
  };
  for (char key = 'A'; key <= 'Z'; ++key) {
    const KeyEntry* entry = FindKeyDown(key, 0);
    ASSERT_NE(entry, nullptr) << key;
    if (isLetter(*entry)) {
      EXPECT_TRUE(legends.contains(key)) << "no cap for " << key;
    }
  }
  for (const KeyPressRow& row : KeyPressTable()) {
    if (isLetter(row.entry)) {
      EXPECT_TRUE(legends.contains(static_cast<char>(row.keyAscii)))
          << "no cap for " << static_cast<char>(row.keyAscii);
    }
  }
}

// The chart is laid out right to left, which would mirror a lone bracket:
// the cap of "[" would show "]".  The stem of a bracket carries most of its
// ink, so the ink of "[" leans to the left and that of "]" to the right.
TEST(KeyboardChart, BracketLegendsAreNotMirrored) {
  const QImage chart = QImage(QString::fromUtf8(kPictureImage0)).convertToFormat(QImage::Format_RGB32);
  ASSERT_FALSE(chart.isNull());
  struct Case {
    const char* legend;
    bool stemAtLeft;
  };
  const Case cases[] = {{"[", true}, {"]", false}};
  for (const Case& c : cases) {
    QRect key;
    for (int r = 0; r < static_cast<int>(kKeyRows.size()); ++r) {
      for (int k = 0; k < static_cast<int>(kKeyRows[r].size()); ++k) {
        if (std::string(kKeyRows[r][k].latin) == c.legend) key = KeyRect(r, k);
      }
    }
    ASSERT_FALSE(key.isNull()) << c.legend;
    // The red of the legend, column by column.
    const QRect box = LegendRect(key);
    std::vector<int> ink(box.width(), 0);
    for (int x = 0; x < box.width(); ++x) {
      for (int y = 0; y < box.height(); ++y) {
        const QColor p = chart.pixelColor(box.left() + x, box.top() + y);
        ink[x] += std::max(0, p.red() - std::max(p.green(), p.blue()));
      }
    }
    int first = 0, last = box.width() - 1;
    while (first < last && ink[first] == 0) ++first;
    while (last > first && ink[last] == 0) --last;
    ASSERT_GT(last - first, 1) << "no legend drawn for " << c.legend;
    long left = 0, right = 0;
    for (int x = first; x <= last; ++x) {
      // Ink of a middle column counts on neither side.
      if (2 * x < first + last) left += ink[x];
      if (2 * x > first + last) right += ink[x];
    }
    if (c.stemAtLeft) {
      EXPECT_GT(left, right) << "the cap of " << c.legend << " shows it mirrored";
    } else {
      EXPECT_GT(right, left) << "the cap of " << c.legend << " shows it mirrored";
    }
  }
}

}  // namespace
}  // namespace kovrim::assets::keyboard_chart
