#include "conversion/module1.h"

#include "conversion/codes.h"
#include "conversion/pipeline.h"

namespace kovrim {
namespace {

// The option controls as one conversion sees them, read once per run.
struct OptionStates {
  bool codeSet1 = false;
  PipelineOptions pipeline;
};

OptionStates ReadOptions(const ConverterControls& c, InputPath path) {
  const bool o1 = c.Option1->Value();
  const bool o2 = c.Option2->Value();
  const bool o3 = c.Option3->Value();
  const bool o4 = c.Option4->Value();
  OptionStates s;
  s.codeSet1 = o1;
  // Code set 2 is tested first and code set 4 before 3, the order in which
  // the pipeline consults them; with no button selected the passes run as
  // for code set 1.
  s.pipeline.codeSet = o2 ? CodeSet::K2 : o4 ? CodeSet::K4 : o3 ? CodeSet::K3 : CodeSet::K1;
  s.pipeline.complexLigatures = c.Check1->Value() != 0;
  s.pipeline.keepSpaces = c.Check2->Value() != 0;
  s.pipeline.path = path;
  return s;
}

// Clipboard steps: one that fails (or has no clipboard) is skipped.
void ClearClipboard(vb::Clipboard* clipboard) {
  if (clipboard != nullptr) clipboard->Clear();
}

void PutOnClipboard(vb::Clipboard* clipboard, const String& text) {
  if (clipboard != nullptr) clipboard->SetText(text);
}

}  // namespace

void Module1::ConvertInputText() {
  const String input = c_.Text1->Text();
  const OptionStates options = ReadOptions(c_, InputPath::TextBox);
  const String codes = TextFromCodes(RunPipeline(input, options.pipeline));

  ClearClipboard(c_.Clipboard);
  PutOnClipboard(c_.Clipboard, codes);
  // Codes are shown one glyph after the other, left to right; code set 1's
  // box shows the ordinary Arabic input with its own layout.
  c_.Text2->SetVisualOrderDisplay(!options.codeSet1);
  c_.Text2->SetText(codes);
  // With code set 1 the output box shows the input text itself; the
  // clipboard keeps the codes.
  if (options.codeSet1) c_.Text2->SetText(c_.Text1->Text());
}

void Module1::ConvertTypedCodes() {
  const String input = CodeBuffer;
  const OptionStates options = ReadOptions(c_, InputPath::Keyboard);
  const String codes = TextFromCodes(RunPipeline(input, options.pipeline));

  ClearClipboard(c_.Clipboard);
  c_.Text2->SetVisualOrderDisplay(true);
  c_.Text2->SetText(U" " + codes + U" ");
  PutOnClipboard(c_.Clipboard, codes);
  // The write may run this converter again, nested, through Text1's Change;
  // it gets its own copy of the display text, and nothing follows it.
  const String display = CharBuffer;
  c_.Text1->SetText(display);
}

void Module1::CommitPendingKey() {
  if (!PendingCode.empty() && PendingCode != kBackSpaceRequest) {
    CodeBuffer += PendingCode;
    PendingCode.clear();
    CharBuffer += PendingChar;
    PendingChar.clear();
  }
  // Only CodeBuffer decides whether a deletion happens; CharBuffer may already
  // be empty after keys without display text, and then stays empty.
  if (PendingCode == kBackSpaceRequest && !CodeBuffer.empty()) {
    CodeBuffer.pop_back();
    PendingCode.clear();
    if (!CharBuffer.empty()) CharBuffer.pop_back();
    PendingChar.clear();
  }
  ConvertTypedCodes();
}

}  // namespace kovrim
