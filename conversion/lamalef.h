// The lam-alef pass.
#pragma once

#include "conversion/walk.h"

namespace kovrim {

// In visual order the alef's final form stands first, the lam after it.
// Ligature: 220 alef, 222 hamza above, 224 madda, 226 hamza below; +1 when
// the lam was medial (the ligature joins the letter before it).
inline constexpr std::array<PairRule, 8> LamAlefRules = {{
    {66, 187, 220},  // lam initial + alef final
    {68, 187, 222},  // lam initial + alef with hamza above final
    {70, 187, 224},  // lam initial + alef with madda above final
    {72, 187, 226},  // lam initial + alef with hamza below final
    {66, 188, 221},  // lam medial + alef final
    {68, 188, 223},  // lam medial + alef with hamza above final
    {70, 188, 225},  // lam medial + alef with madda above final
    {72, 188, 227},  // lam medial + alef with hamza below final
}};

CodeString LamAlefPass(const CodeString& visualText);
void LamAlefPassInPlace(CodeString& codes);

}  // namespace kovrim
