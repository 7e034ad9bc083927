// The complex-ligature passes: letter pairs, then triples with the move to
// the code set 3 and 4 numbering.
#pragma once

#include "conversion/walk.h"

namespace kovrim {

// Pair ligatures in the code set 1 numbering.  In visual order the later
// letter stands first: `code` is the later form (final or medial), `next` the
// earlier one (initial or medial).  Each pair stands once and no code both
// begins and completes a pair, so matches never overlap and the order of the
// rows has no effect on the result.
inline constexpr std::array<PairRule, 50> PairLigatureRules = {{
    {86, 73, 128},    // beh initial + jeem medial
    {90, 73, 129},    // beh initial + hah medial
    {98, 73, 130},    // beh initial + khah medial
    {86, 77, 131},    // teh initial + jeem medial
    {90, 77, 132},    // teh initial + hah medial
    {98, 77, 133},    // teh initial + khah medial
    {86, 187, 134},   // lam initial + jeem medial
    {90, 187, 135},   // lam initial + hah medial
    {98, 187, 136},   // lam initial + khah medial
    {86, 191, 137},   // meem initial + jeem medial
    {90, 191, 138},   // meem initial + hah medial
    {98, 191, 139},   // meem initial + khah medial
    {86, 195, 140},   // noon initial + jeem medial
    {90, 195, 141},   // noon initial + hah medial
    {98, 195, 142},   // noon initial + khah medial
    {86, 205, 143},   // yeh initial + jeem medial
    {90, 205, 144},   // yeh initial + hah medial
    {98, 205, 145},   // yeh initial + khah medial
    {197, 74, 146},   // beh medial + noon final
    {197, 78, 147},   // teh medial + noon final
    {197, 206, 148},  // yeh medial + noon final
    {192, 81, 231},   // theh initial + meem medial
    {192, 73, 150},   // beh initial + meem medial
    {192, 77, 151},   // teh initial + meem medial
    {192, 195, 152},  // noon initial + meem medial
    {192, 205, 153},  // yeh initial + meem medial
    {192, 85, 154},   // jeem initial + meem medial
    {192, 89, 155},   // hah initial + meem medial
    {192, 97, 156},   // khah initial + meem medial
    {192, 187, 157},  // lam initial + meem medial
    {192, 191, 158},  // meem initial + meem medial
    {207, 175, 159},  // feh initial + yeh final
    {193, 73, 2},     // beh initial + meem final
    {193, 77, 3},     // teh initial + meem final
    {193, 187, 5},    // lam initial + meem final
    {193, 195, 6},    // noon initial + meem final
    {87, 187, 18},    // lam initial + jeem final
    {92, 187, 19},    // lam initial + hah final
    {99, 187, 20},    // lam initial + khah final
    {106, 74, 21},    // beh medial + reh final
    {106, 78, 22},    // teh medial + reh final
    {106, 206, 23},   // yeh medial + reh final
    {192, 109, 24},   // seen initial + meem medial
    {192, 113, 25},   // sheen initial + meem medial
    {200, 187, 26},   // lam initial + heh medial
    {207, 187, 28},   // lam initial + yeh final
    {211, 187, 149},  // lam initial + alef maksura final
    {207, 74, 29},    // beh medial + yeh final
    {207, 78, 30},    // teh medial + yeh final
    {207, 196, 31},   // noon medial + yeh final
}};

// The lam-meem pair ligature, which two triple rules build on.
inline constexpr Code kLamMeemLigature = 157;

// A rule on three codes in visual order.  `taken` is the number of following
// codes it consumes: 2 compares `nextNext` too, 1 leaves it unread.
struct TripleRule {
  std::uint8_t code, next, nextNext, result, taken;
};

// Tried in this order; the first codes differ and no result begins a rule,
// so at most one matches at a position.
inline constexpr std::array<TripleRule, 3> TripleLigatureRules = {{
    {201, 188, 187, 1, 2},  // lam initial + lam medial + heh final
    {90, 157, 0, 16, 1},    // lam initial + meem medial (157) + hah medial
    {86, 157, 0, 17, 1},    // lam initial + meem medial (157) + jeem medial
}};

// Code set 1 number to code set 3 and 4 number.
struct RenumberEntry {
  std::uint8_t from, to;
  bool textBoxOnly;  // typed text already gives tah these numbers
};

inline constexpr std::array<RenumberEntry, 29> ComplexRenumberingTable = {{
    {241, 250, true},   // tah medial
    {1, 228, false},    // lam initial + lam medial + heh final
    {2, 229, false},    // beh initial + meem final
    {3, 230, false},    // teh initial + meem final
    {4, 231, false},    // no pass makes 4; an input 4 moves like the rest
    {5, 232, false},    // lam initial + meem final
    {6, 233, false},    // noon initial + meem final
    {16, 234, false},   // lam initial + meem medial + hah medial
    {17, 235, false},   // lam initial + meem medial + jeem medial
    {18, 236, false},   // lam initial + jeem final
    {19, 237, false},   // lam initial + hah final
    {20, 238, false},   // lam initial + khah final
    {21, 239, false},   // beh medial + reh final
    {22, 240, false},   // teh medial + reh final
    {23, 241, false},   // yeh medial + reh final (stays 241)
    {24, 242, false},   // seen initial + meem medial
    {25, 243, false},   // sheen initial + meem medial
    {26, 244, false},   // lam initial + heh medial
    {28, 245, false},   // lam initial + yeh final
    {29, 246, false},   // beh medial + yeh final
    {30, 247, false},   // teh medial + yeh final
    {31, 248, false},   // noon medial + yeh final
    {127, 249, true},   // tah initial
    {128, 251, false},  // beh initial + jeem medial
    {129, 252, false},  // beh initial + hah medial
    {141, 253, false},  // noon initial + hah medial
    {143, 254, false},  // yeh initial + jeem medial
    {144, 255, false},  // yeh initial + hah medial
    {157, 60, false},   // lam initial + meem medial
}};

CodeString PairLigaturePass(const CodeString& baseCodes);

// Code set 1 number to code set 3 and 4 number; the tah entries (241, 127)
// apply on the text-box path only.
Code ComplexRenumbering(Code code, InputPath path);

// With `renumber` (code set 3 or 4) every appended code is moved by
// ComplexRenumbering, once.
CodeString TripleLigaturePass(const CodeString& pairCodes, bool renumber, InputPath path);

// The same two passes over a string whose capacity the caller keeps between
// runs.  Neither output is longer than its input, so both run in place.
void PairLigaturePassInPlace(CodeString& codes);
void TripleLigaturePassInPlace(CodeString& codes, bool renumber, InputPath path);

}  // namespace kovrim
