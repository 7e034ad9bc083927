#include "conversion/ligatures.h"

namespace kovrim {

namespace {

// The triple rules by their first code: index + 1, or 0.  Trying the rules
// in turn and looking up the one rule for the first code agree because the
// first codes differ and no result begins a rule.
consteval bool TripleRulesAreIndependent() {
  for (const auto& a : TripleLigatureRules) {
    for (const auto& b : TripleLigatureRules) {
      if (&a != &b && a.code == b.code) return false;
      if (a.result == b.code) return false;
    }
  }
  return true;
}
static_assert(TripleRulesAreIndependent());

struct TripleTable {
  std::array<std::uint8_t, 256> rule{};
  TripleTable() {
    for (std::size_t i = 0; i < TripleLigatureRules.size(); ++i) {
      rule[TripleLigatureRules[i].code] = static_cast<std::uint8_t>(i + 1);
    }
  }
};

// One full map per path: the renumbered code of every byte code, so each
// code is looked up exactly once and never chained (23 -> 241 stays 241).
struct Renumbering {
  std::array<std::uint8_t, 256> to{};
  Renumbering() {  // code set 1 keeps its numbers
    for (std::size_t c = 0; c < 256; ++c) to[c] = static_cast<std::uint8_t>(c);
  }
  explicit Renumbering(InputPath path) : Renumbering() {
    for (const auto& e : ComplexRenumberingTable) {
      if (!e.textBoxOnly || path == InputPath::TextBox) to[e.from] = e.to;
    }
  }
  Code operator()(Code c) const { return IsByteCode(c) ? to[c] : c; }
};

const Renumbering& RenumberingFor(InputPath path) {
  static const Renumbering textBox(InputPath::TextBox);
  static const Renumbering keyboard(InputPath::Keyboard);
  return path == InputPath::TextBox ? textBox : keyboard;
}

const Renumbering& Identity() {
  static const Renumbering identity;
  return identity;
}

const PairLookup& PairLigatures() {
  static const PairLookup lookup(PairLigatureRules);
  return lookup;
}

// The triple walk.  No output is longer than its input, so it may run in
// place (out == &input): it writes behind the position it reads.
void TripleWalkInto(const CodeString& input, const Renumbering& move, CodeString& out) {
  static const TripleTable triples;
  const std::size_t n = input.size();
  if (&out != &input) out.resize(n);
  const Code* in = input.data();
  Code* o = out.data();
  for (std::size_t i = 0; i < n; ++i) {
    Code cur = in[i];
    if (IsByteCode(cur)) {
      if (const std::uint8_t t = triples.rule[cur]) {
        const TripleRule& r = TripleLigatureRules[t - 1];
        const Code next = i + 1 < n ? in[i + 1] : kNoCode;
        const Code nextNext = i + 2 < n ? in[i + 2] : kNoCode;
        if (next == r.next && (r.taken == 1 || nextNext == r.nextNext)) {
          cur = r.result;
          i += r.taken;
        }
      }
      cur = move.to[cur];
    }
    *o++ = cur;
  }
  out.resize(static_cast<std::size_t>(o - out.data()));
}

const Renumbering& MoveFor(bool renumber, InputPath path) {
  return renumber ? RenumberingFor(path) : Identity();
}

}  // namespace

CodeString PairLigaturePass(const CodeString& baseCodes) { return WalkPairs(baseCodes, PairLigatures()); }

void PairLigaturePassInPlace(CodeString& codes) { WalkPairsInto(codes, PairLigatures(), codes); }

Code ComplexRenumbering(Code code, InputPath path) { return RenumberingFor(path)(code); }

CodeString TripleLigaturePass(const CodeString& pairCodes, bool renumber, InputPath path) {
  CodeString out;
  TripleWalkInto(pairCodes, MoveFor(renumber, path), out);
  return out;
}

void TripleLigaturePassInPlace(CodeString& codes, bool renumber, InputPath path) {
  TripleWalkInto(codes, MoveFor(renumber, path), codes);
}

}  // namespace kovrim
