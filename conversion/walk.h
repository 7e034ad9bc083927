// The walk that every pass after shaping shares: visit each position once,
// let a rule replace the code there and take following codes, append the
// result.  A foreign code (no byte) never matches a rule.
#pragma once

#include <array>
#include <cstdint>

#include "conversion/codes.h"

namespace kovrim {

// A rule on two adjacent codes, in visual order: `code` is the left one (the
// letter read later), `next` the right one.
struct PairRule {
  std::uint8_t code, next, result;
};

// A dense lookup built once from a rule table: result for (code, next), or 0
// for no rule.  No pass emits 0 from a pair rule, so 0 can mean "none".
class PairLookup {
 public:
  template <std::size_t N>
  explicit PairLookup(const std::array<PairRule, N>& rules) {
    for (const auto& r : rules) table_[r.code * 256 + r.next] = r.result;
  }
  std::uint8_t Find(Code code, Code next) const {
    if (!IsByteCode(code) || !IsByteCode(next)) return 0;
    return table_[code * 256 + next];
  }

 private:
  std::array<std::uint8_t, 256 * 256> table_{};
};

// Walks `input`; at each position `rule(i)` returns the number of following
// codes it took and appends the position's output to `out`.
template <class Rule>
CodeString Walk(const CodeString& input, Rule&& rule) {
  CodeString out;
  out.reserve(input.size() + input.size() / 4);
  const std::size_t n = input.size();
  for (std::size_t i = 0; i < n; ++i) i += rule(i, out);
  return out;
}

// The code after position i, or an empty sentinel past the end that matches
// no rule.
inline constexpr Code kNoCode = 0xFFFFFFFF;
inline Code At(const CodeString& s, std::size_t i) { return i < s.size() ? s[i] : kNoCode; }

}  // namespace kovrim
