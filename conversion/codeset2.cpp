#include "conversion/codeset2.h"

namespace kovrim {

namespace {

struct Map {
  std::array<CodeSet2Entry, 256> byBase{};  // first = 0: no entry
  template <std::size_t N>
  void Add(const std::array<CodeSet2Entry, N>& entries) {
    for (const auto& e : entries) byBase[e.base] = e;
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
  // At most two codes per input code.
  CodeString out(2 * baseCodes.size(), 0);
  Code* o = out.data();
  for (const Code c : baseCodes) {
    const CodeSet2Entry* e = IsByteCode(c) ? &map.byBase[c] : nullptr;
    if (e == nullptr || e->first == 0) {
      *o++ = c;
      continue;
    }
    *o++ = e->first;
    if (e->second != 0) *o++ = e->second;
  }
  out.resize(static_cast<std::size_t>(o - out.data()));
  return out;
}

}  // namespace kovrim
