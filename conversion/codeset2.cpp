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
  CodeString out;
  out.reserve(baseCodes.size() + baseCodes.size() / 8);
  for (const Code c : baseCodes) {
    const CodeSet2Entry* e = IsByteCode(c) ? &map.byBase[c] : nullptr;
    if (e == nullptr || e->first == 0) {
      out.push_back(c);
      continue;
    }
    out.push_back(e->first);
    if (e->second != 0) out.push_back(e->second);
  }
  return out;
}

}  // namespace kovrim
