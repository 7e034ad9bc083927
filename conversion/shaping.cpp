#include "conversion/shaping.h"

#include <algorithm>

namespace kovrim {

namespace {

constexpr std::size_t kTahRow = 19;
static_assert(LetterFormTable[kTahRow].letter == U'\u0637');

// Every key of both alphabets lies below U+0700, so one small table per
// alphabet answers "which letter is this character" in a single load.
constexpr char32_t kKeyLimit = 0x0700;

struct Alphabet {
  std::array<std::uint8_t, kKeyLimit> row{};  // LetterFormTable index + 1, or 0
};

template <InputPath path>
const Alphabet& AlphabetOf() {
  static const Alphabet alphabet = [] {
    Alphabet a;
    for (std::size_t i = 0; i < LetterFormTable.size(); ++i) {
      const auto& l = LetterFormTable[i];
      const char32_t key = path == InputPath::TextBox ? l.letter : l.codeCharacter;
      a.row[key] = static_cast<std::uint8_t>(i + 1);
    }
    return a;
  }();
  return alphabet;
}

const Alphabet& AlphabetFor(InputPath path) {
  return path == InputPath::TextBox ? AlphabetOf<InputPath::TextBox>()
                                    : AlphabetOf<InputPath::Keyboard>();
}

String JoinString(InputPath path, bool dualOnly) {
  String s;
  for (const auto& l : LetterFormTable) {
    if (dualOnly && l.joinClass != 2) continue;
    s.push_back(path == InputPath::TextBox ? l.letter : l.codeCharacter);
  }
  return s;
}

}  // namespace

String DualJoiningLetters(InputPath path) { return JoinString(path, true); }
String JoiningLetters(InputPath path) { return JoinString(path, false); }

CodeString ShapingPass(StringView text, const ShapingOptions& options) {
  CodeString visual;
  ShapingPassInto(text, options, visual);
  return visual;
}

namespace {
// Scratch strings grown past this by a huge line give their memory back.
constexpr std::size_t kKeptScratch = std::size_t(1) << 21;
}  // namespace

void ShapingPassInto(StringView text, const ShapingOptions& options, CodeString& visual) {
  const Alphabet& alphabet = AlphabetFor(options.path);
  const bool textBox = options.path == InputPath::TextBox;
  const bool altTah = !textBox || options.codeSet3Selected;
  const char32_t hamza = textBox ? kHamzaLetter : kHamzaCodeCharacter;
  const auto rowOf = [&](char32_t c) -> int { return c < kKeyLimit ? alphabet.row[c] : 0; };

  visual.clear();
  visual.reserve(text.size() + text.size() / 16 + 8);
  // The current line is built by putting each new block in front of it.  To
  // keep that linear, the line is collected back to front in `reversed` and
  // turned round once when it ends.  Both scratch strings keep their
  // capacity from one conversion to the next, unless a huge line grew them.
  thread_local CodeString reversed;
  thread_local CodeString numberRun;  // digits and periods, in reading order, not yet placed
  reversed.clear();
  numberRun.clear();
  const auto endLine = [&] {
    const std::size_t at = visual.size();
    visual.resize(at + reversed.size());
    std::reverse_copy(reversed.begin(), reversed.end(), visual.begin() + at);
    reversed.clear();
  };
  const auto placeNumberRun = [&] {
    for (std::size_t k = numberRun.size(); k-- > 0;) reversed.push_back(numberRun[k]);
    numberRun.clear();
  };

  const std::size_t n = text.size();
  // Rows of the previous, current and next character, rolled along; a row
  // is LetterFormTable index + 1, or 0 for a character that is no letter.
  int prevRow = 0;
  int curRow = n > 0 ? rowOf(text[0]) : 0;
  for (std::size_t p = 0; p < n; ++p) {
    const char32_t cur = text[p];
    const int nextRow = p + 1 < n ? rowOf(text[p + 1]) : 0;
    const int row = curRow;
    const bool prevJoins = prevRow != 0 && LetterFormTable[prevRow - 1].joinClass == 2;
    prevRow = curRow;
    curRow = nextRow;

    Code out;
    // No letter key of either alphabet is a space, line break, parenthesis,
    // hyphen, period or digit, so testing for a letter first decides the same.
    if (row != 0) {
      const LetterForms& letter = LetterFormTable[row - 1];
      if (letter.joinClass == 1) {
        out = prevJoins ? letter.final : letter.isolated;
      } else {
        const bool nextJoins = nextRow != 0;
        const bool tahAlt = altTah && row - 1 == static_cast<int>(kTahRow);
        if (prevJoins && nextJoins) {
          out = tahAlt ? kTahMedialAlt : letter.medial;
        } else if (nextJoins) {
          out = tahAlt ? kTahInitialAlt : letter.initial;
        } else if (prevJoins) {
          out = letter.final;
        } else {
          out = letter.isolated;
        }
      }
    } else if (cur == U' ') {
      if (!options.keepSpaces) {
        placeNumberRun();  // a dropped space still places the number run
        continue;
      }
      out = 32;
    } else if (cur == U'\r') {
      // The line ends here; an open number run carries into the next line.
      endLine();
      visual.push_back(13);
      visual.push_back(10);
      continue;
    } else if (cur == U'\n' && textBox) {
      out = 32;
    } else if (cur == U'(') {
      out = 125;
    } else if (cur == U')') {
      out = 123;
    } else if (cur == U'-') {
      out = 45;
    } else if (cur == U'.' || (cur >= U'0' && cur <= U'9')) {
      numberRun.push_back(cur == U'.' ? 46 : cur);
      continue;
    } else if (cur == hamza) {
      out = kHamzaCode;
    } else {
      out = CodeFromChar(cur);
    }

    // The number run and this character go in front of the line as one
    // block, the run on the left.
    reversed.push_back(out);
    if (!numberRun.empty()) placeNumberRun();
  }
  // The padding space has placed any open run already; a caller's own string
  // that ends in a digit gets its run placed here rather than lost.
  placeNumberRun();
  endLine();
  if (reversed.capacity() > kKeptScratch) CodeString().swap(reversed);
  if (numberRun.capacity() > kKeptScratch) CodeString().swap(numberRun);
}

}  // namespace kovrim
