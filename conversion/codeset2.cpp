#include "conversion/codeset2.h"

namespace kovrim {

namespace {

// Each byte code's output, one or two codes; a byte without an entry stands
// for itself.  Writing both slots and advancing by the count keeps the loop
// free of branches on the entry's shape.
struct Output {
  Code codes[2];
  std::uint8_t count;
};

struct Map {
  std::array<Output, 256> byBase{};
  Map() {
    for (Code c = 0; c < 256; ++c) byBase[c] = {{c, 0}, 1};
  }
  template <std::size_t N>
  void Add(const std::array<CodeSet2Entry, N>& entries) {
    for (const auto& e : entries) {
      byBase[e.base] = {{e.first, e.second}, static_cast<std::uint8_t>(e.second != 0 ? 2 : 1)};
    }
  }
};

const Map& MapFor(InputPath path) {
  static const Map textBox = [] {
    Map m;
    m.Add(CodeSet2Entries);
    return m;
  }();
  static const Map keyboard = [] {
    Map m = textBox;
    m.Add(CodeSet2KeyboardEntries);
    return m;
  }();
  return path == InputPath::TextBox ? textBox : keyboard;
}

}  // namespace

CodeString CodeSet2Map(const CodeString& baseCodes, InputPath path) {
  const Map& map = MapFor(path);
  // At most two codes per input code, and room for the unused second slot.
  CodeString out(2 * baseCodes.size() + 1, 0);
  Code* o = out.data();
  for (const Code c : baseCodes) {
    if (!IsByteCode(c)) {
      *o++ = c;
      continue;
    }
    const Output& e = map.byBase[c];
    o[0] = e.codes[0];
    o[1] = e.codes[1];
    o += e.count;
  }
  out.resize(static_cast<std::size_t>(o - out.data()));
  return out;
}

}  // namespace kovrim
