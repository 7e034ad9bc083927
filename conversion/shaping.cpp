#include "conversion/shaping.h"

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
  const Alphabet& alphabet = AlphabetFor(options.path);
  const bool textBox = options.path == InputPath::TextBox;
  const bool altTah = !textBox || options.codeSet3Selected;
  const char32_t hamza = textBox ? kHamzaLetter : kHamzaCodeCharacter;
  const auto rowOf = [&](char32_t c) -> int { return c < kKeyLimit ? alphabet.row[c] : 0; };

  CodeString visual;
  visual.reserve(text.size() + 8);
  // The current line is built by putting each new block in front of it.  To
  // keep that linear, the line is collected back to front in `reversed` and
  // turned round once when it ends.
  CodeString reversed;
  CodeString numberRun;  // digits and periods, in reading order, not yet placed

  const std::size_t n = text.size();
  for (std::size_t p = 0; p < n; ++p) {
    const char32_t cur = text[p];
    bool hasOut = true;
    Code out = 0;

    if (cur == U' ' && !options.keepSpaces) {
      hasOut = false;  // a dropped space still places the number run
    } else if (cur == U'\r') {
      // The line ends here; an open number run carries into the next line.
      visual.append(reversed.rbegin(), reversed.rend());
      visual.push_back(13);
      visual.push_back(10);
      reversed.clear();
      continue;
    } else if (cur == U'\n' && textBox) {
      out = 32;
    } else if (cur == U' ') {
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
    } else if (const int row = rowOf(cur)) {
      const LetterForms& letter = LetterFormTable[row - 1];
      const bool prevJoins = p > 0 && rowOf(text[p - 1]) != 0 &&
                             LetterFormTable[rowOf(text[p - 1]) - 1].joinClass == 2;
      if (letter.joinClass == 1) {
        out = prevJoins ? letter.final : letter.isolated;
      } else {
        const bool nextJoins = p + 1 < n && rowOf(text[p + 1]) != 0;
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
    } else if (cur == hamza) {
      out = kHamzaCode;
    } else {
      out = CodeFromChar(cur);
    }

    // The number run and this character go in front of the line as one
    // block, the run on the left.
    if (hasOut) reversed.push_back(out);
    reversed.append(numberRun.rbegin(), numberRun.rend());
    numberRun.clear();
  }
  // The padding space has placed any open run already; a caller's own string
  // that ends in a digit gets its run placed here rather than lost.
  reversed.append(numberRun.rbegin(), numberRun.rend());
  visual.append(reversed.rbegin(), reversed.rend());
  return visual;
}

}  // namespace kovrim
