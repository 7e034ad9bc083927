// The converters and the typing buffers, on real controls: what reaches the
// clipboard and the boxes, in which order, and how typed keys edit the
// buffers through the Text1 re-entry chain.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "conversion/module1.h"
#include "conversion/pipeline.h"
#include "platform/fakes.h"
#include "test_util.h"

namespace kovrim {
namespace {

using kovrim::testing::U8;
using Log = std::vector<std::string>;

std::string Utf8(const String& s) { return Utf8FromString(s); }
std::string CodesUtf8(std::initializer_list<int> bytes) { return Utf8(TextFromCodes(Bytes(bytes))); }

// The controls the converters see, as the window sets them up: the code-set
// buttons share a frame, so selecting one deselects the others.  Writes to
// Text1 and Text2 land in the clipboard's log, between its own calls, so one
// log shows the whole output order.
class Converters : public ::testing::Test {
 protected:
  Converters() {
    option3.SetValue(true);
    check1.SetValue(1);
    check2.SetValue(1);
    text1.Change = [this] { clipboard.log.push_back("Text1:" + Utf8(text1.Text())); };
    text2.Change = [this] { clipboard.log.push_back("Text2:" + Utf8(text2.Text())); };
  }

  vb::OptionButton& Option(int codeSet) {
    vb::OptionButton* options[] = {&option1, &option2, &option3, &option4};
    return *options[codeSet - 1];
  }

  // Conversions run since the log was last emptied: each one clears the
  // clipboard exactly once.
  long Conversions() const { return std::count(clipboard.log.begin(), clipboard.log.end(), "Clear"); }

  vb::Form form;
  vb::Frame frame{&form};
  vb::TextBox text1{&form};
  vb::TextBox text2{&form};
  vb::CheckBox check1{&form};
  vb::CheckBox check2{&form};
  vb::OptionButton option1{&frame};
  vb::OptionButton option2{&frame};
  vb::OptionButton option3{&frame};
  vb::OptionButton option4{&frame};
  vb::testing::RecordingClipboard clipboard;
  Module1 module{{&text1, &text2, &check1, &check2, &option1, &option2, &option3, &option4, &clipboard}};
};

// With complex ligatures the text-box path ends in one more space than the
// keyboard path; the two order tests pin which path each converter takes.
TEST_F(Converters, InputTextOutputOrder) {
  const std::string codes = CodesUtf8({32, 220, 32, 32});
  struct Row {
    int codeSet;
    Log expected;
  };
  const Row rows[] = {
      {3, {"Clear", "SetText:" + codes, "Text2:" + codes}},
      // Code set 1: the output box shows the input again; the clipboard keeps the codes.
      {1, {"Clear", "SetText:" + codes, "Text2:" + codes, "Text2:" + std::string("لا")}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.codeSet);
    Option(row.codeSet).SetValue(true);
    text1.SetText(U8("لا"));
    text2.SetText(U"");
    clipboard.log.clear();
    module.ConvertInputText();
    EXPECT_EQ(clipboard.log, row.expected);
    EXPECT_EQ(clipboard.text, TextFromCodes(Bytes({32, 220, 32, 32})));
    // Codes show glyph by glyph; code set 1's ordinary Arabic is laid out.
    EXPECT_EQ(text2.VisualOrderDisplay(), row.codeSet != 1);
  }
  // The keyboard path always shows codes.
  module.ConvertTypedCodes();
  EXPECT_TRUE(text2.VisualOrderDisplay());
}

TEST_F(Converters, TypedCodesOutputOrder) {
  module.CodeBuffer = U"\u00BEA";  // lam, alef
  module.CharBuffer = U8("لا");
  module.ConvertTypedCodes();
  const std::string codes = CodesUtf8({32, 220, 32});
  EXPECT_EQ(clipboard.log, (Log{"Clear", "Text2: " + codes + " ", "SetText:" + codes, "Text1:لا"}));
  EXPECT_EQ(clipboard.text, TextFromCodes(Bytes({32, 220, 32})));
}

// Every combination of the option controls reaches the pipeline as the same
// options, with the converter's own input path.  The inputs hold a tah
// before a beh (its codes follow code set 3 on the text-box path), a
// lam-meem (a ligature that code sets 3 and 4 renumber), a lam-alef, a
// double space and a line break, so that the combinations give different
// codes wherever the pipeline lets them differ; then a control wired to the
// wrong option, or not read at all, gives some combination another's codes.
TEST_F(Converters, OptionControlsReachThePipeline) {
  const String typed = U8("طب  لم لا\r\nبب");
  const String keyed = U"\u00A2L  \u00BE\u0622 \u00BEA\rLL";
  struct Combination {
    int codeSet, complex, spaces;
  };
  // Combinations whose codes are equal for every input share a class: code
  // set 2 has no complex ligatures; without them code set 4 gives the base
  // codes, as code set 1 does; and so does code set 3 on the keyboard path,
  // where only tah's codes could set it apart and typed tah always has code
  // set 3's codes.
  const auto classOf = [](InputPath path, Combination c) {
    if (c.codeSet == 2) c.complex = 0;
    if (c.complex == 0 && (c.codeSet == 4 || (c.codeSet == 3 && path == InputPath::Keyboard))) c.codeSet = 1;
    return (c.codeSet * 2 + c.complex) * 2 + c.spaces;
  };
  for (const InputPath path : {InputPath::TextBox, InputPath::Keyboard}) {
    std::vector<std::pair<Combination, String>> outputs;
    for (int codeSet = 1; codeSet <= 4; ++codeSet) {
      for (const int complex : {0, 1}) {
        for (const int spaces : {0, 1}) {
          SCOPED_TRACE(::testing::Message() << "path " << int(path) << " code set " << codeSet
                                            << " complex " << complex << " spaces " << spaces);
          Option(codeSet).SetValue(true);
          check1.SetValue(complex);
          check2.SetValue(spaces);
          const PipelineOptions options{.codeSet = CodeSet(codeSet),
                                        .complexLigatures = complex == 1,
                                        .keepSpaces = spaces == 1,
                                        .path = path};
          if (path == InputPath::TextBox) {
            text1.SetText(typed);
            module.ConvertInputText();
          } else {
            module.CodeBuffer = keyed;
            module.ConvertTypedCodes();
          }
          const String expected = TextFromCodes(RunPipeline(path == InputPath::TextBox ? typed : keyed, options));
          EXPECT_EQ(clipboard.text, expected);
          outputs.push_back({{codeSet, complex, spaces}, expected});
        }
      }
    }
    for (const auto& [a, codesA] : outputs) {
      for (const auto& [b, codesB] : outputs) {
        SCOPED_TRACE(::testing::Message() << "path " << int(path) << ": code set " << a.codeSet << " complex "
                                          << a.complex << " spaces " << a.spaces << " against code set "
                                          << b.codeSet << " complex " << b.complex << " spaces " << b.spaces);
        EXPECT_EQ(codesA == codesB, classOf(path, a) == classOf(path, b));
      }
    }
  }
}

TEST_F(Converters, FailingClipboardStillWritesTheBoxes) {
  clipboard.text = U"held by another program";
  clipboard.fail = true;

  text1.SetText(U8("لا"));
  module.ConvertInputText();
  EXPECT_EQ(text2.Text(), TextFromCodes(Bytes({32, 220, 32, 32})));

  module.CodeBuffer = U"L";
  module.CharBuffer = U8("ب");
  module.ConvertTypedCodes();
  EXPECT_EQ(text2.Text(), U" " + TextFromCodes(Bytes({32, 76, 32})) + U" ");
  EXPECT_EQ(text1.Text(), U8("ب"));

  EXPECT_EQ(clipboard.text, U"held by another program");
}

// A key as the key tables give it: no code means a conversion trigger with
// nothing set; no display text leaves PendingChar as it is.
struct Key {
  std::optional<String> code;
  std::optional<String> display;
};

const Key kBackS{kBackSpaceRequest, std::nullopt};
const Key kTrigger{std::nullopt, std::nullopt};

// The keyboard path as the window runs it: a change of Text1 shows Text2 and
// commits whatever is pending.
class TypedKeys : public Converters {
 protected:
  TypedKeys() {
    text1.Change = [this] {
      clipboard.log.push_back("Text1:" + Utf8(text1.Text()));
      text2.SetVisible(true);
      module.CommitPendingKey();
    };
    text2.SetVisible(false);
  }

  // What the keyboard path makes of these code characters with the options set.
  String Converted(const String& codes) const {
    return TextFromCodes(RunPipeline(codes, {.codeSet = CodeSet::K3,
                                             .complexLigatures = true,
                                             .keepSpaces = check2.Value() == 1,
                                             .path = InputPath::Keyboard}));
  }

  void Press(const Key& key) {
    if (key.code) module.PendingCode = *key.code;
    if (key.display) module.PendingChar = *key.display;
    module.CommitPendingKey();
  }
};

TEST_F(TypedKeys, KeyThatChangesTheDisplayConvertsTwice) {
  struct Row {
    const char* what;
    Key key;
    long conversions;
  };
  const Row rows[] = {
      {"beh", {U"L", U8("ب")}, 2},
      {"code characters without display text", {U"56", std::nullopt}, 1},
      {"nothing pending", kTrigger, 1},
      // A deletion takes one character from each buffer, so here the "6"
      // goes with the beh, and the next one finds no display text left.
      {"deletion of both buffers' last character", kBackS, 2},
      {"deletion with the display text already gone", kBackS, 1},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    clipboard.log.clear();
    Press(row.key);
    EXPECT_EQ(Conversions(), row.conversions);
    EXPECT_EQ(text1.Text(), module.CharBuffer);
    EXPECT_EQ(text2.Text(), U" " + clipboard.text + U" ");
    EXPECT_EQ(clipboard.text, Converted(module.CodeBuffer));
  }
  EXPECT_TRUE(text2.Visible());
}

// The nested run inside the Text1 write may change the buffers; the outer
// run must leave nothing stale behind it.
TEST_F(TypedKeys, NestedCommitLeavesTheLatestBuffersShown) {
  bool first = true;
  text1.Change = [this, &first] {
    if (first) {
      first = false;
      module.PendingCode = U"A";
      module.PendingChar = U8("ا");
    }
    module.CommitPendingKey();
  };
  Press({U"L", U8("ب")});
  EXPECT_EQ(module.CodeBuffer, U"LA");
  EXPECT_EQ(module.CharBuffer, U8("با"));
  EXPECT_EQ(text1.Text(), U8("با"));
  const String codes = Converted(U"LA");
  EXPECT_EQ(clipboard.text, codes);
  EXPECT_EQ(text2.Text(), U" " + codes + U" ");
}

TEST_F(TypedKeys, Deletions) {
  struct Row {
    const char* what;
    std::vector<Key> keys;
    int spaces;  // Check2
    String codeBuffer;
    String charBuffer;
    String pendingCode;
    std::optional<CodeString> codes;  // the conversion of the last key, when it matters here
  };
  const Row rows[] = {
      {"enter then delete: the code loses CR, the display only LF",
       {{U"L", U8("ب")}, {U"\r", U"\r\n"}, kBackS}, 1, U"L", U8("ب") + U"\r", U"", std::nullopt},
      {"lam-alef then delete leaves a lone lam",
       {{U"\u00BEA", U8("لا")}, kBackS}, 1, U"\u00BE", U8("ل"), U"", Bytes({32, 190, 32})},
      {"delete with both buffers empty stays pending",
       {kBackS}, 0, U"", U"", kBackSpaceRequest, Bytes({})},
      {"the same with spaces kept", {kBackS}, 1, U"", U"", kBackSpaceRequest, Bytes({32, 32})},
      {"a pending delete with an empty buffer changes nothing on a later trigger",
       {kBackS, kTrigger}, 1, U"", U"", kBackSpaceRequest, Bytes({32, 32})},
      {"the next key replaces a pending delete",
       {kBackS, {U"L", U8("ب")}}, 1, U"L", U8("ب"), U"", std::nullopt},
      {"delete past the display text keeps it empty and extendable",
       {{U"56", std::nullopt}, kBackS, {U"L", U8("ب")}}, 1, U"5L", U8("ب"), U"", std::nullopt},
      {"a character outside the BMP goes whole",
       {{U"L", U8("ب")}, {U"\U0001F600", U"\U0001F600"}, kBackS}, 1, U"L", U8("ب"), U"", std::nullopt},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    module.CodeBuffer.clear();
    module.CharBuffer.clear();
    module.PendingCode.clear();
    module.PendingChar.clear();
    check2.SetValue(row.spaces);
    for (const Key& key : row.keys) Press(key);
    EXPECT_EQ(module.CodeBuffer, row.codeBuffer);
    EXPECT_EQ(module.CharBuffer, row.charBuffer);
    EXPECT_EQ(module.PendingCode, row.pendingCode);
    EXPECT_EQ(module.PendingChar, U"");
    EXPECT_EQ(text1.Text(), row.charBuffer);
    if (row.codes) {
      EXPECT_EQ(clipboard.text, TextFromCodes(*row.codes));
      EXPECT_EQ(text2.Text(), U" " + TextFromCodes(*row.codes) + U" ");
    }
  }
}

}  // namespace
}  // namespace kovrim
