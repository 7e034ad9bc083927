#include "conversion/pipeline.h"

#include "conversion/codeset2.h"
#include "conversion/codeset4.h"
#include "conversion/lamalef.h"
#include "conversion/ligatures.h"
#include "conversion/shaping.h"

namespace kovrim {

namespace {

// The working strings keep their capacity from one conversion to the next,
// so a keystroke in a long text does not pay for fresh memory every time;
// one that grew past this for a huge text gives its memory back.
constexpr std::size_t kKeptCapacity = std::size_t(1) << 21;

template <class S>
void LetGoIfHuge(S& s) {
  if (s.capacity() > kKeptCapacity) S().swap(s);
}

CodeString Convert(StringView input, const PipelineOptions& options, String& padded, CodeString& baseCodes) {
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

}  // namespace

CodeString RunPipeline(StringView input, const PipelineOptions& options) {
  thread_local String padded;
  thread_local CodeString baseCodes;
  CodeString codes = Convert(input, options, padded, baseCodes);
  LetGoIfHuge(padded);
  LetGoIfHuge(baseCodes);
  return codes;
}

}  // namespace kovrim
