#include "conversion/codeset4.h"

#include <cstring>

namespace kovrim {

namespace {

// A glyph sequence ready to copy: always four codes, of which `length` count.
struct Glyphs {
  std::uint8_t length = 0;
  std::array<Code, 4> codes{};
};

template <std::size_t N>
Glyphs ToGlyphs(const std::array<std::uint8_t, N>& g) {
  Glyphs out;
  for (const std::uint8_t c : g) {
    if (c == 0) break;
    out.codes[out.length++] = c;
  }
  return out;
}

constexpr std::size_t kPairRows = 10;  // the codes that begin a pair

consteval std::size_t BeginningCodes() {
  std::array<bool, 256> seen{};
  std::size_t n = 0;
  for (const auto& r : CodeSet4PairRules) {
    if (!seen[r.code]) ++n;
    seen[r.code] = true;
  }
  return n;
}
static_assert(BeginningCodes() == kPairRows);

struct Map {
  std::array<Glyphs, 256> single{};
  // Pair rules: one row of rule numbers (index + 1) per beginning code; row
  // 0 is all zero, so a code that begins nothing needs no branch.
  std::array<std::uint8_t, 256> pairRow{};
  std::array<std::array<std::uint8_t, 256>, kPairRows + 1> pairRule{};
  std::array<Glyphs, CodeSet4PairRules.size() + 1> pair{};

  Map() {
    // A code without a rule is its own one-glyph sequence.
    for (std::size_t c = 0; c < 256; ++c) single[c] = {1, {static_cast<Code>(c)}};
    for (const auto& r : CodeSet4LetterRules) single[r.code] = ToGlyphs(r.glyphs);
    for (const auto& r : CodeSet4LigatureRules) single[r.code] = ToGlyphs(r.glyphs);
    std::uint8_t rows = 0;
    for (std::size_t i = 0; i < CodeSet4PairRules.size(); ++i) {
      const auto& r = CodeSet4PairRules[i];
      if (pairRow[r.code] == 0) pairRow[r.code] = ++rows;
      pairRule[pairRow[r.code]][r.next] = static_cast<std::uint8_t>(i + 1);
      pair[i + 1] = ToGlyphs(r.glyphs);
    }
  }
};

}  // namespace

CodeString CodeSet4Map(const CodeString& complexCodes) {
  static const Map map;
  const std::size_t n = complexCodes.size();
  const Code* in = complexCodes.data();

  // Most letter forms take two glyphs.  The buffer keeps room for one more
  // whole sequence, so each position may write four codes unchecked and then
  // count only its own.
  CodeString out;
  std::size_t capacity = 2 * n + 4;
  out.resize(capacity);
  Code* o = out.data();
  std::size_t k = 0;

  for (std::size_t i = 0; i < n; ++i) {
    if (k + 4 > capacity) {
      capacity = capacity + capacity / 2 + 4;
      out.resize(capacity);
      o = out.data();
    }
    const Code cur = in[i];
    if (!IsByteCode(cur)) {
      o[k++] = cur;
      continue;
    }
    const Glyphs* g = &map.single[cur];
    if (i + 1 < n && IsByteCode(in[i + 1])) {
      if (const std::uint8_t p = map.pairRule[map.pairRow[cur]][in[i + 1]]) {
        g = &map.pair[p];
        ++i;  // the earlier letter is part of the ligature
      }
    }
    std::memcpy(o + k, g->codes.data(), sizeof g->codes);
    k += g->length;
  }
  out.resize(k);
  return out;
}

}  // namespace kovrim
