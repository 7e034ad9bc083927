#include "conversion/codeset4.h"

#include <stdexcept>

namespace kovrim {

// Placeholder until code set 4 is built: refuse loudly rather than return a
// wrong code string.
CodeString CodeSet4Map(const CodeString&) {
  throw std::logic_error("code set 4 is not built yet");
}

}  // namespace kovrim
