#include "window/keytables.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <vector>

#include "platform/codepage.h"

namespace kovrim {
namespace {

// A key's code as Windows-1256 byte values; each becomes the code character
// that byte stands for.
struct CodeBytes {
  std::array<std::uint8_t, 5> values{};
  std::size_t size = 0;
  constexpr CodeBytes(std::initializer_list<int> bytes) {
    for (const int b : bytes) values[size++] = static_cast<std::uint8_t>(b);
  }
};

using Display = std::optional<std::u32string_view>;
constexpr Display kNoDisplay = std::nullopt;

constexpr auto kNone = ShiftCondition::NoModifier;
constexpr auto kShift = ShiftCondition::ShiftAlone;
constexpr auto kAny = ShiftCondition::Any;

// Asks the commit step to delete the last character of both buffers.
constexpr CodeBytes kBackSpace = {'B', 'a', 'c', 'k', 'S'};
// The Execute and Separator keys: "دمكل " (dal, meem, kaf, lam, space).
constexpr CodeBytes kDmklSpace = {207, 227, 223, 225, 32};

struct KeyDownSource {
  int keyCode;
  ShiftCondition shift;
  CodeBytes code;
  Display display;
};

// A letter's code is its isolated base code; a lam-alef key gives lam's code
// then the alef form's; a haraka gives its own byte.
constexpr auto kKeyDownSource = std::to_array<KeyDownSource>({
    // Letter keys.
    {65, kNone, {116}, U"\u0634"},             // A: sheen
    {65, kShift, {246}, U"\u0650"},            // Shift+A: kasra
    {66, kNone, {190, 65}, U"\u0644\u0627"},   // B: lam + alef
    {66, kShift, {190, 69}, U"\u0644\u0622"},  // Shift+B: lam + alef with madda above
    {67, kNone, {218}, U"\u0624"},             // C: waw with hamza above
    {67, kShift, {125}, U"}"},                 // Shift+C: }
    {68, kNone, {208}, U"\u064A"},             // D: yeh
    {68, kShift, {93}, U"]"},                  // Shift+D: ]
    {69, kNone, {84}, U"\u062B"},              // E: theh
    {69, kShift, {245}, U"\u064F"},            // Shift+E: damma
    {70, kNone, {76}, U"\u0628"},              // F: beh
    {70, kShift, {91}, U"["},                  // Shift+F: [
    {71, kNone, {190}, U"\u0644"},             // G: lam
    {71, kShift, {190, 67}, U"\u0644\u0623"},  // Shift+G: lam + alef with hamza above
    {72, kNone, {65}, U"\u0627"},              // H: alef
    {72, kShift, {67}, U"\u0623"},             // Shift+H: alef with hamza above
    {73, kNone, {202}, U"\u0647"},             // I: heh
    {73, kShift, {39}, U"\u00F7"},             // Shift+I: division sign, code "'"
    {74, kNone, {80}, U"\u062A"},              // J: teh
    {74, kShift, {95}, U"\u0640"},             // Shift+J: tatweel
    {75, kNone, {198}, U"\u0646"},             // K: noon
    {75, kShift, {44}, U"\u060C"},             // Shift+K: Arabic comma, code ","
    {76, kNone, {194}, U"\u0645"},             // L: meem
    {76, kShift, {47}, U"/"},                  // Shift+L: /
    {77, kNone, {209}, U"\u0629"},             // M: teh marbuta
    {77, kShift, {146}, U"\u2019"},            // Shift+M: right single quotation mark
    {78, kNone, {212}, U"\u0649"},             // N: alef maksura
    {78, kShift, {69}, U"\u0622"},             // Shift+N: alef with madda above
    {79, kNone, {100}, U"\u062E"},             // O: khah
    {79, kShift, {38}, U"\u00D7"},             // Shift+O: multiplication sign, code "&"
    {80, kNone, {96}, U"\u062D"},              // P: hah
    {80, kShift, {59}, U"\u061B"},             // Shift+P: Arabic semicolon, code ";"
    {81, kNone, {126}, U"\u0636"},             // Q: dad
    {81, kShift, {243}, U"\u064E"},            // Shift+Q: fatha
    {82, kNone, {182}, U"\u0642"},             // R: qaf
    {82, kShift, {241}, U"\u064C"},            // Shift+R: dammatan
    {83, kNone, {112}, U"\u0633"},             // S: seen
    {83, kShift, {242}, U"\u064D"},            // Shift+S: kasratan
    {84, kNone, {178}, U"\u0641"},             // T: feh
    {84, kShift, {190, 71}, U"\u0644\u0625"},  // Shift+T: lam + alef with hamza below
    {85, kNone, {170}, U"\u0639"},             // U: ain
    {85, kShift, {145}, U"\u2018"},            // Shift+U: left single quotation mark
    {86, kNone, {105}, U"\u0631"},             // V: reh
    {86, kShift, {123}, U"{"},                 // Shift+V: {
    {87, kNone, {120}, U"\u0635"},             // W: sad
    {87, kShift, {240}, U"\u064B"},            // Shift+W: fathatan
    {88, kNone, {213}, U"\u0621"},             // X: hamza
    {88, kShift, {250}, U"\u0652"},            // Shift+X: sukun
    {89, kNone, {174}, U"\u063A"},             // Y: ghain
    {89, kShift, {71}, U"\u0625"},             // Shift+Y: alef with hamza below
    {90, kNone, {217}, U"\u0626"},             // Z: yeh with hamza above
    {90, kShift, {126}, U"~"},                 // Shift+Z: ~ (also dad's code)

    // Main-row digit keys: the digit, and with Shift the symbol above it.
    {48, kNone, {48}, U"0"}, {48, kShift, {41}, U")"},
    {49, kNone, {49}, U"1"}, {49, kShift, {33}, U"!"},
    {50, kNone, {50}, U"2"}, {50, kShift, {64}, U"@"},
    {51, kNone, {51}, U"3"}, {51, kShift, {35}, U"#"},
    {52, kNone, {52}, U"4"}, {52, kShift, {36}, U"$"},
    {53, kNone, {53}, U"5"}, {53, kShift, {37}, U"%"},
    {54, kNone, {54}, U"6"}, {54, kShift, {94}, U"^"},
    {55, kNone, {55}, U"7"}, {55, kShift, {38}, U"&"},
    {56, kNone, {56}, U"8"}, {56, kShift, {42}, U"*"},
    {57, kNone, {57}, U"9"}, {57, kShift, {40}, U"("},

    // Keys whose modifiers do not matter.
    {8, kAny, kBackSpace, kNoDisplay},         // Backspace: delete
    {13, kAny, {13}, U"\r\n"},                 // Enter: CR, shown as a line break
    {32, kAny, {32}, U" "},                    // Space
    {43, kAny, kDmklSpace, kNoDisplay},        // Execute
    {96, kAny, {48}, U"0"},                    // keypad digits
    {97, kAny, {49}, U"1"},
    {98, kAny, {50}, U"2"},
    {99, kAny, {51}, U"3"},
    {100, kAny, {52}, U"4"},
    {101, kAny, {53}, U"5"},
    {102, kAny, {54}, U"6"},
    {103, kAny, {55}, U"7"},
    {104, kAny, {56}, U"8"},
    {105, kAny, {57}, U"9"},
    {106, kAny, {42}, U"*"},                   // keypad *
    {107, kAny, {43}, U"+"},                   // keypad +
    {108, kAny, kDmklSpace, kNoDisplay},       // Separator
    {109, kAny, {45}, U"-"},                   // keypad -
    {110, kAny, {46}, U"."},                   // keypad decimal point
    {111, kAny, {47}, U"/"},                   // keypad /
});
// 26 letter keys and 10 digit keys, each with and without Shift; 20 others.
static_assert(kKeyDownSource.size() == 92);

struct KeyPressSource {
  int keyAscii;
  int arabicKeyAscii;  // 0: the key has one value
  CodeBytes code;
  Display display;
  bool showsFixedText = false;
};

// A Latin character below 128, or the Windows-1256 code of the Arabic
// character on the same key.  The code need not be the character shown.
constexpr auto kKeyPressSource = std::to_array<KeyPressSource>({
    {34, 0, {34}, U"\""},                      // quotation mark
    {39, 216, {162}, U"\u0637"},               // apostrophe or tah: tah
    {43, 0, {43}, U"+"},                       // +
    {44, 230, {203}, U"\u0648"},               // comma or waw: waw
    {45, 0, {45}, U"-"},                       // -
    {46, 210, {107}, U"\u0632"},               // full stop or zain: zain
    {47, 217, {166}, U"\u0638"},               // / or zah: zah
    {58, 0, {58}, U":"},                       // :
    {59, 223, {186}, U"\u0643"},               // ; or kaf: kaf
    {60, 0, {44}, U","},                       // less-than sign: comma
    {61, 0, {61}, U"="},                       // =
    {62, 0, {46}, U"."},                       // greater-than sign: full stop
    {63, 191, {63}, U"\u061F"},                // ? or Arabic question mark: Arabic question mark
    {91, 204, {88}, U"\u062C"},                // [ or jeem: jeem
    {92, 0, {34}, U"\""},                      // backslash: quotation mark
    {93, 207, {101}, U"\u062F"},               // ] or dal: dal
    {95, 0, {95}, U"_"},                       // low line (also tatweel's code)
    {96, 208, {103}, U"\u0630"},               // grave accent or thal: thal
    {123, 0, {123}, U"{"},                     // {
    {124, 0, {42}, U"*"},                      // vertical bar: asterisk
    {125, 0, {125}, U"}"},                     // }
    {126, 0, {}, kNoDisplay, true},            // ~: the fixed text, nothing committed
    {248, 0, {228}, U"\u0651"},                // shadda
});
static_assert(kKeyPressSource.size() == 23);

KeyEntry MakeEntry(const CodeBytes& code, const Display& display) {
  KeyEntry entry;
  for (std::size_t i = 0; i < code.size; ++i)
    entry.code.push_back(cp1256::ToUnicode(code.values[i]));
  if (display) {
    entry.hasDisplay = true;
    entry.display.assign(display->begin(), display->end());
  }
  return entry;
}

const std::vector<KeyDownRow>& KeyDownRows() {
  static const std::vector<KeyDownRow> rows = [] {
    std::vector<KeyDownRow> built;
    built.reserve(kKeyDownSource.size());
    for (const KeyDownSource& s : kKeyDownSource)
      built.push_back({s.keyCode, s.shift, MakeEntry(s.code, s.display)});
    return built;
  }();
  return rows;
}

const std::vector<KeyPressRow>& KeyPressRows() {
  static const std::vector<KeyPressRow> rows = [] {
    std::vector<KeyPressRow> built;
    built.reserve(kKeyPressSource.size());
    for (const KeyPressSource& s : kKeyPressSource)
      built.push_back(
          {s.keyAscii, s.arabicKeyAscii, s.showsFixedText, MakeEntry(s.code, s.display)});
    return built;
  }();
  return rows;
}

bool ShiftMatches(ShiftCondition condition, int shift) {
  switch (condition) {
    case ShiftCondition::NoModifier: return shift == 0;
    case ShiftCondition::ShiftAlone: return shift == 1;
    case ShiftCondition::Any: return true;
  }
  return false;
}

}  // namespace

std::span<const KeyDownRow> KeyDownTable() { return KeyDownRows(); }
std::span<const KeyPressRow> KeyPressTable() { return KeyPressRows(); }

const KeyEntry* FindKeyDown(int keyCode, int shift) {
  for (const KeyDownRow& row : KeyDownRows())
    if (row.keyCode == keyCode && ShiftMatches(row.shift, shift)) return &row.entry;
  return nullptr;
}

const KeyPressRow* FindKeyPress(int keyAscii) {
  for (const KeyPressRow& row : KeyPressRows())
    if (row.keyAscii == keyAscii || (row.arabicKeyAscii != 0 && row.arabicKeyAscii == keyAscii))
      return &row;
  return nullptr;
}

}  // namespace kovrim
