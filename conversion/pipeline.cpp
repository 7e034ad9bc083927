#include "conversion/pipeline.h"

#include "conversion/codeset2.h"
#include "conversion/codeset4.h"
#include "conversion/lamalef.h"
#include "conversion/ligatures.h"
#include "conversion/shaping.h"

namespace kovrim {

CodeString RunPipeline(StringView input, const PipelineOptions& options) {
  // Working strings keep their capacity from one conversion to the next, so a
  // keystroke in a long text does not pay for fresh memory every time.
  thread_local String padded;
  thread_local CodeString baseCodes;
  padded.clear();
  padded.reserve(input.size() + 2);
  padded.push_back(U' ');
  padded.append(input);
  padded.push_back(U' ');

  ShapingPassInto(padded, {.path = options.path,
                           .keepSpaces = options.keepSpaces,
                           .codeSet3Selected = options.codeSet == CodeSet::K3},
                  baseCodes);
  LamAlefPassInPlace(baseCodes);

  if (options.codeSet == CodeSet::K2) return CodeSet2Map(baseCodes, options.path);
  if (!options.complexLigatures || baseCodes.empty()) return baseCodes;

  // The text-box path has always ended the pair pass's input with one more
  // space; typed text has not.
  if (options.path == InputPath::TextBox) baseCodes.push_back(32);
  PairLigaturePassInPlace(baseCodes);
  const bool renumber = options.codeSet == CodeSet::K3 || options.codeSet == CodeSet::K4;
  TripleLigaturePassInPlace(baseCodes, renumber, options.path);

  if (options.codeSet != CodeSet::K4) return baseCodes;
  return CodeSet4Map(baseCodes);
}

}  // namespace kovrim
