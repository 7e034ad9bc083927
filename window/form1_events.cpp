// Start-up, the switch between the two input paths, the conversion triggers
// and focus keeping.
#include "window/form1.h"

namespace kovrim {

namespace {

// The path-dependent properties that Check3_Click sets.
constexpr vb::Colour kTextBoxPathInputColour = 0x00404080;
constexpr vb::Colour kKeyboardPathInputColour = 0x80000008;  // window text
constexpr int kTextBoxPathOutputHeight = 2055;
constexpr int kKeyboardPathOutputHeight = 5895;  // covers the input box
constexpr int kTextBoxPathVScroll2Top = 2520;
constexpr int kKeyboardPathVScroll2Top = 6000;

}  // namespace

// Both reads are made: a converter never changes Check3, so exactly one runs.
void Form1::ConversionTrigger() {
  if (Check3.Value() == 1) module1.ConvertInputText();
  if (Check3.Value() == 0) module1.CommitPendingKey();
}

void Form1::KeepFocus() {
  const bool keyboardPath = Check3.Value() == 0;
  const bool enabled = Picture1.Enabled();
  if (keyboardPath && enabled) Picture1.SetFocus();
}

void Form1::Form_Load() {
  Combo1.Clear();
  const int count = fonts_.FontCount();
  for (int i = 0; i < count; ++i) {
    const String font = fonts_.Fonts(i);
    if (font.starts_with(U"K1")) Combo1.AddItem(font);
    if (font.starts_with(U"K3")) Combo2.AddItem(font);
  }
  Combo1.SetText(String(kText1DefaultFont));
  Combo2.SetText(String(kText2DefaultFont));
  Text1.SetFontName(String(kText1DefaultFont));
  Text2.SetFontName(String(kText2DefaultFont));
  Image0.SetWidth(kImage0StripWidth);
  Option3.SetValue(true);
  Check1.SetValue(1);
  Check2.SetValue(1);
  Text3.SetHeight(5880);

  // Sizes run from 16 to 100 points.  Max is set first and is the smaller
  // bound, so that the upper arrow, which moves towards Min, enlarges the
  // font.  VScroll1's design value lies outside the range and moves to 16,
  // which gives Text1 that size through VScroll1_Change, so the spin button
  // and the box agree from the start.
  for (vb::VScrollBar* spin : {&VScroll1, &VScroll2}) {
    spin->SetMax(16);
    spin->SetMin(100);
    spin->SetLargeChange(100);
    spin->SetSmallChange(1);
  }

  ConversionTrigger();
}

void Form1::Check3_Click() {
  if (Check3.Value() == 1) {
    Option1.SetVisible(true);
    Command4.SetVisible(true);
    Option3.SetValue(true);
    Check1.SetValue(1);
    Check2.SetValue(1);
    Text1.SetForeColor(kTextBoxPathInputColour);
    Text2.SetHeight(kTextBoxPathOutputHeight);
    VScroll2.SetTop(kTextBoxPathVScroll2Top);
  }
  if (Check3.Value() == 0) {
    Option1.SetVisible(false);
    Command4.SetVisible(false);
    Option3.SetValue(true);
    Check1.SetValue(1);
    Check2.SetValue(1);
    Text1.SetForeColor(kKeyboardPathInputColour);
    Text2.SetVisible(true);
    Text2.SetHeight(kKeyboardPathOutputHeight);
    VScroll2.SetTop(kKeyboardPathVScroll2Top);
  }
  ConversionTrigger();
}

void Form1::Check1_Click() {
  // Code set 2 has no complex ligatures; unchecking raises this once more.
  if (Option2.Value()) Check1.SetValue(0);
  Image1.SetVisible(false);
  Image2.SetVisible(false);
  Image3.SetVisible(false);
  Image4.SetVisible(true);
  ConversionTrigger();
}

void Form1::Check2_Click() { ConversionTrigger(); }

void Form1::Text1_Change() {
  Text2.SetVisible(true);
  ConversionTrigger();
}

void Form1::Command1_Click() {
  // A clipboard held by another program is left as it is: the conversion
  // below replaces its text as soon as it can be opened.
  clipboard_.Clear();
  Text1.SetText(String());
  Text2.SetText(String());
  module1.CharBuffer.clear();
  module1.CodeBuffer.clear();
  ConversionTrigger();
}

void Form1::Command2_Click() { vb::EndProgram(); }

void Form1::Form_MouseMove() { KeepFocus(); }
void Form1::Text1_MouseMove() { KeepFocus(); }
void Form1::Text2_MouseMove() { KeepFocus(); }
void Form1::Check3_MouseMove() { KeepFocus(); }
void Form1::Frame1_MouseMove() { KeepFocus(); }

}  // namespace kovrim
