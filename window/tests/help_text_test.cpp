// The help text of Text3: its shape, its characters, and that it is the
// conversion of its Arabic source, so that the two cannot drift apart.
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "assets/help/help_source.h"
#include "platform/codepage.h"
#include "window/form1_design_data.h"

namespace kovrim {
namespace {

const String& HelpText() {
  static const String text = StringFromUtf8(form1_design::kHelpText);
  return text;
}

// The Arabic source, found next to the generated header in the source tree.
std::string ReadSource() {
  const auto path = std::filesystem::path(KOVRIM_SOURCE_DIR) / "assets" / "help" / "help_ar.txt";
  std::ifstream in(path, std::ios::binary);
  EXPECT_TRUE(in) << "cannot read " << path;
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// The text cut after each CR LF; a last piece without one is kept as it is.
std::vector<String> LinesOf(const String& text) {
  std::vector<String> lines;
  for (std::size_t begin = 0; begin < text.size();) {
    const std::size_t end = text.find(U"\r\n", begin);
    const std::size_t next = end == String::npos ? text.size() : end + 2;
    lines.push_back(text.substr(begin, next - begin));
    begin = next;
  }
  return lines;
}

TEST(HelpText, Has123LinesEachEndedByCrLfAnd7151Characters) {
  const String& text = HelpText();
  EXPECT_EQ(text.size(), 7151u);
  const std::vector<String> lines = LinesOf(text);
  EXPECT_EQ(lines.size(), 123u);
  for (std::size_t n = 0; n < lines.size(); ++n) {
    const String& line = lines[n];
    ASSERT_TRUE(line.ends_with(U"\r\n")) << "line " << n + 1 << " is not ended by CR LF";
    EXPECT_EQ(line.find_first_of(U"\r\n"), line.size() - 2) << "stray CR or LF in line " << n + 1;
  }
}

// Every character stands for one byte of a code set 3 font: it has a byte in
// the Windows-1256 code page and is no control character but the line ends.
TEST(HelpText, EveryCharacterIsACodeCharacter) {
  const String& text = HelpText();
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char32_t c = text[i];
    if (c == U'\r' || c == U'\n') continue;
    EXPECT_TRUE(cp1256::FromUnicode(c).has_value())
        << "character U+" << std::hex << static_cast<unsigned>(c) << " at " << std::dec << i;
    EXPECT_GE(c, U' ') << "control character at " << i;
  }
}

// The source may only hold what the converter turns into glyphs of the
// code-set fonts.  Latin letters, harakat and the Arabic comma, semicolon and
// question mark would pass through and show as other letters.
TEST(HelpText, SourceHoldsOnlyArabicLettersSpacesDigitsAndShapedMarks) {
  const String source = StringFromUtf8(ReadSource());
  std::size_t line = 1;
  for (const char32_t c : source) {
    if (c == U'\n') {
      ++line;
      continue;
    }
    const bool letter = (c >= U'\u0621' && c <= U'\u063A') || (c >= U'\u0640' && c <= U'\u064A');
    const bool shaped = c == U' ' || (c >= U'0' && c <= U'9') || c == U'-' || c == U'.' || c == U'(' ||
                        c == U')';
    EXPECT_TRUE(letter || shaped) << "line " << line << ": U+" << std::hex << static_cast<unsigned>(c);
  }
}

TEST(HelpText, IsTheConversionOfItsArabicSource) {
  const std::vector<String> expected = LinesOf(assets::HelpTextFromSource(ReadSource()));
  const std::vector<String> stored = LinesOf(HelpText());
  ASSERT_EQ(stored.size(), expected.size()) << "help_text.h is stale: run ninja help_text";
  for (std::size_t n = 0; n < stored.size(); ++n) {
    ASSERT_EQ(Utf8FromString(stored[n]), Utf8FromString(expected[n]))
        << "line " << n + 1 << " of help_text.h is stale: run ninja help_text";
  }
}

}  // namespace
}  // namespace kovrim
