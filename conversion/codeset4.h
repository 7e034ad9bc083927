// The code set 4 map: codes in the code set 3/4 numbering to code set 4 glyph
// sequences (marks, tail, body, joining stroke).
#pragma once

#include "conversion/codes.h"

namespace kovrim {

CodeString CodeSet4Map(const CodeString& complexCodes);

}  // namespace kovrim
