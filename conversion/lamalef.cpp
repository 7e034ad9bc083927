#include "conversion/lamalef.h"

namespace kovrim {

CodeString LamAlefPass(const CodeString& visualText) {
  static const PairLookup lookup(LamAlefRules);
  return Walk(visualText, [&](std::size_t i, CodeString& out) -> std::size_t {
    if (const auto lig = lookup.Find(visualText[i], At(visualText, i + 1))) {
      out.push_back(lig);
      return 1;
    }
    out.push_back(visualText[i]);
    return 0;
  });
}

}  // namespace kovrim
