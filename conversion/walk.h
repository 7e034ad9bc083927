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
    for (const auto& r : rules) {
      table_[r.code * 256 + r.next] = r.result;
      begins_[r.code] = true;
    }
  }
  // Whether any rule begins with this code: most codes begin none, and this
  // keeps the walk from looking at the next code for them.
  bool Begins(Code code) const { return IsByteCode(code) && begins_[code]; }
  std::uint8_t Find(Code code, Code next) const {
    if (!IsByteCode(code) || !IsByteCode(next)) return 0;
    return table_[code * 256 + next];
  }

 private:
  std::array<std::uint8_t, 256 * 256> table_{};
  std::array<bool, 256> begins_{};
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

// The walk of a pass made of pair rules only: a matching pair gives its
// result and takes the next code; every other code is copied.
// The output is never longer than the input, so the walk can also run in
// place (out == &input): it writes behind the position it reads.
inline void WalkPairsInto(const CodeString& input, const PairLookup& lookup, CodeString& out) {
  const std::size_t n = input.size();
  if (&out != &input) out.resize(n);
  Code* o = out.data();
  const Code* in = input.data();
  for (std::size_t i = 0; i < n; ++i) {
    const Code c = in[i];
    if (lookup.Begins(c) && i + 1 < n) {
      if (const auto r = lookup.Find(c, in[i + 1])) {
        *o++ = r;
        ++i;
        continue;
      }
    }
    *o++ = c;
  }
  out.resize(static_cast<std::size_t>(o - out.data()));
}

inline CodeString WalkPairs(const CodeString& input, const PairLookup& lookup) {
  CodeString out;
  WalkPairsInto(input, lookup, out);
  return out;
}

// The code after position i, or an empty sentinel past the end that matches
// no rule.
inline constexpr Code kNoCode = 0xFFFFFFFF;
inline Code At(const CodeString& s, std::size_t i) { return i < s.size() ? s[i] : kNoCode; }

}  // namespace kovrim
