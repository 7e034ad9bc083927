// The window's help text is written in Arabic in help_ar.txt and stored, as
// code characters of code set 3, in help_text.h.  This is the conversion
// from the one to the other, shared by the generator and the tests.
#pragma once

#include <string_view>

#include "conversion/codes.h"
#include "conversion/pipeline.h"
#include "platform/text.h"

namespace kovrim::assets {

// Converts each line of the UTF-8 source (lines ended by LF; a CR before the
// LF is ignored) on its own, as the input box would for code set 3 with
// compound ligatures and spaces kept, and ends each with CR LF.
inline String HelpTextFromSource(std::string_view utf8Source) {
  const PipelineOptions options{.codeSet = CodeSet::K3,
                                .complexLigatures = true,
                                .keepSpaces = true,
                                .path = InputPath::TextBox};
  String text;
  while (!utf8Source.empty()) {
    const auto end = utf8Source.find('\n');
    std::string_view line = utf8Source.substr(0, end);
    utf8Source.remove_prefix(end == std::string_view::npos ? utf8Source.size() : end + 1);
    if (line.ends_with('\r')) line.remove_suffix(1);
    text += TextFromCodes(RunPipeline(StringFromUtf8(line), options));
    text += U"\r\n";
  }
  return text;
}

}  // namespace kovrim::assets
