// A started window on a recording clipboard, a fixed font list and a
// program starter that starts nothing.
#pragma once

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "conversion/codes.h"
#include "conversion/pipeline.h"
#include "platform/fakes.h"
#include "window/form1.h"

namespace kovrim::testing {

inline std::string U8(const String& s) { return Utf8FromString(s); }

// What the converters make of a text, as the window shows it.
inline String Converted(const String& text, CodeSet codeSet, bool complex, bool spaces,
                        InputPath path) {
  return TextFromCodes(RunPipeline(text, {.codeSet = codeSet,
                                          .complexLigatures = complex,
                                          .keepSpaces = spaces,
                                          .path = path}));
}

class StartedForm1 : public ::testing::Test {
 protected:
  explicit StartedForm1(std::vector<String> fontNames = {}) : fonts(std::move(fontNames)) {}

  void SetUp() override { f.form.LoadWindow(); }

  // Conversions run so far: each one puts its codes on the clipboard once.
  int Conversions() const {
    int n = 0;
    for (const std::string& call : clipboard.log) n += call.rfind("SetText:", 0) == 0;
    return n;
  }

  void ToKeyboardPath() {
    f.Check3.ClickByUser();
    ASSERT_EQ(f.Check3.Value(), 0);
  }

  vb::testing::RecordingClipboard clipboard;
  vb::testing::FakeFontList fonts;
  vb::testing::RecordingProgramStarter starter;
  Form1 f{clipboard, fonts, starter};
};

}  // namespace kovrim::testing
