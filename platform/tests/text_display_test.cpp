// The display form of a text box's text, the text read back from it, and
// the positions that map one to the other.
#include "platform/text_display.h"

#include <gtest/gtest.h>

namespace kovrim::vb {
namespace {

TEST(TextDisplay, RendersEachKindOfCharacterAsItShows) {
  struct Case {
    String text;
    std::u16string plain, visual;
  };
  const Case cases[] = {
      {U"a\r\nb", u"a\u2029b", u"\u202Da\u2029\u202Db"},  // CR LF: one break
      {U"a\rb\nc", u"a\u240Db\u240Ac", u"\u202Da\u240Db\u240Ac"},  // lone CR, lone LF: pictures
      {String(U"\0\x1f\t\x7f", 4), u"\u2400\u241F\t\u2421", u"\u202D\u2400\u241F\t\u2421"},
      {U"a\u2029b\u2028c", u"a\u2029b\u2028c", u"\u202Da\u2029\u202Db\u2028\u202Dc"},
      {U"\uFDD0\uFDD1\uFFFC", u"\uFFFD\uFFFD\uFFFD", u"\u202D\uFFFD\uFFFD\uFFFD"},
      {U"\U0001F600", u"\U0001F600", u"\u202D\U0001F600"},
      {String(1, char32_t(0x110000)), u"\uFFFD", u"\u202D\uFFFD"},
      {U"", u"", u"\u202D"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(&c - cases);
    EXPECT_EQ(RenderDisplay(c.text, false, true), c.plain);
    EXPECT_EQ(RenderDisplay(c.text, true, true), c.visual);
    // A later part has no first mark of its own.
    EXPECT_EQ(RenderDisplay(c.text, true, false), c.visual.substr(1));
  }
}

TEST(TextDisplay, ReadsBackAsTyped) {
  struct Case {
    std::u16string shown;
    bool visual;
    String text;
  };
  const Case cases[] = {
      {u"a\u2029b", false, U"a\r\nb"},
      {u"a\u2028b", false, U"a\r\nb"},  // Shift+Enter, too
      {u"\u202Da\u2029\u202Db", true, U"a\r\nb"},
      {u"\u202Da", false, U"\u202Da"},  // a mark only in visual order
      {u"\U0001F600x", false, U"\U0001F600x"},
      {u"\xD800x", false, String(1, char32_t(0xD800)) + U"x"},  // a lone half stays
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(&c - cases);
    EXPECT_EQ(ParseDisplay(c.shown, c.visual), c.text);
  }
}

// Every position between units maps to where its part of the display ends,
// and back; after a splice the map is the one a fresh text gives.
TEST(DisplayMap, PositionsFollowTheDisplayForm) {
  const String texts[] = {
      U"plain",
      U"a\r\nb\r\n\r\nc",
      U"\u2029x\u2028\u2029",
      U"\U0001F600a\U00010400\r\n\U0001F600",
      U"\r\r\n\n\r",
  };
  for (const String& text : texts) {
    for (bool visual : {false, true}) {
      SCOPED_TRACE(testing::Message() << (&text - texts) << " visual " << visual);
      DisplayMap map;
      map.Reset(text);
      const int n = int(text.size());
      for (int m = 0; m <= n; ++m) {
        const bool insideBreak = m > 0 && m < n && text[size_t(m - 1)] == U'\r' && text[size_t(m)] == U'\n';
        if (insideBreak) continue;
        const int shown = int(RenderDisplay(StringView(text).substr(0, size_t(m)), visual, true).size());
        const int expected = m == 0 ? (visual ? 1 : 0) : shown;
        EXPECT_EQ(map.Display(m, visual), expected) << m;
        EXPECT_EQ(map.TextAt(map.Display(m, visual), false, n, visual), m) << m;
      }
    }
  }

  // text[from, to) replaced: the spliced map equals a fresh one.
  String text = U"a\r\nb\U0001F600\u2029c\r\nd";
  DisplayMap map;
  map.Reset(text);
  const String middle = U"\u2028\r\n\U00010400";
  text.replace(1, 5, middle);  // from the CR LF to past the separator
  map.Splice(text, 1, 6, int(middle.size()));
  DisplayMap fresh;
  fresh.Reset(text);
  for (bool visual : {false, true})
    for (int m = 0; m <= int(text.size()); ++m) EXPECT_EQ(map.Display(m, visual), fresh.Display(m, visual)) << m;
}

}  // namespace
}  // namespace kovrim::vb
