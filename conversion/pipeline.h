// The conversion pipeline: one input text to the code string of the selected
// code set.  Both converters run this one function.
#pragma once

#include "conversion/codes.h"

namespace kovrim {

struct PipelineOptions {
  CodeSet codeSet = CodeSet::K3;
  bool complexLigatures = true;  // pair and triple ligatures (not code set 2)
  bool keepSpaces = true;        // spaces between words stay
  InputPath path = InputPath::TextBox;
};

// The input is the text of the input box (text-box path) or the typed code
// characters (keyboard path).  Returns the output codes.
CodeString RunPipeline(StringView input, const PipelineOptions& options);

}  // namespace kovrim
