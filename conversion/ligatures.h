// The complex-ligature passes: letter pairs, then triples with the move to
// the code set 3 and 4 numbering.
#pragma once

#include "conversion/walk.h"

namespace kovrim {

CodeString PairLigaturePass(const CodeString& baseCodes);

// Code set 1 number to code set 3 and 4 number; the tah entries (241, 127)
// apply on the text-box path only.
Code ComplexRenumbering(Code code, InputPath path);

// With `renumber` (code set 3 or 4) every appended code is moved by
// ComplexRenumbering, once.
CodeString TripleLigaturePass(const CodeString& pairCodes, bool renumber, InputPath path);

}  // namespace kovrim
