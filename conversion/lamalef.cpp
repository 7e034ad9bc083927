#include "conversion/lamalef.h"

namespace kovrim {

namespace {

const PairLookup& Lookup() {
  static const PairLookup lookup(LamAlefRules);
  return lookup;
}

}  // namespace

CodeString LamAlefPass(const CodeString& visualText) { return WalkPairs(visualText, Lookup()); }

void LamAlefPassInPlace(CodeString& codes) { WalkPairsInto(codes, Lookup(), codes); }

}  // namespace kovrim
