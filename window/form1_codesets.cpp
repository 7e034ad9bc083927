// Code-set selection, the font lists and the font sizes.
#include <algorithm>
#include <array>
#include <string_view>

#include "window/form1.h"

namespace kovrim {

namespace {

struct CodeSetRow {
  std::u32string_view prefix;       // fonts of the code set begin with it
  std::u32string_view defaultFont;  // given to Text2 whether installed or not
  bool check2Visible;
  bool check1Visible;
  vb::Colour inputColour;  // Text1's back colour, the option button's own
  int image0Width;         // the keyboard chart opens for code set 2 only
};

constexpr std::array<CodeSetRow, 4> kCodeSets{{
    {U"K1", U"K1 PELNAR NEW 001", true, true, 0x00C0FFFF, kImage0StripWidth},
    {U"K2", U"K2 ROMBI 016", true, false, 0x00C0FFC0, kImage0FullWidth},
    {U"K3", U"K3 GUNDER 006", true, true, 0x00FFFFC0, kImage0StripWidth},
    {U"K4", U"K4 PELNAR4 002", false, false, 0x00C0E0FF, kImage0StripWidth},
}};

// MCS fonts that are not for text; never offered in Combo2.
constexpr std::array<std::u32string_view, 14> kUnlistedMcsFonts{
    U"MCS Bismy S_U Normal 2000", U"MCS Islamic Art 1", U"MCS P_Mohammad.",
    U"MCS Aljalalah.",            U"MCS Basmalah normal.", U"MCS Mix.",
    U"MCS Borders2",              U"MCS Clocks",           U"MCS HomePlanning2",
    U"MCS Military",              U"MCS Plants",           U"MCS Flowers",
    U"MCS PATTERN",               U"MCS PC Symbol",
};

}  // namespace

void Form1::SelectCodeSet(int index) {
  const CodeSetRow& row = kCodeSets[static_cast<std::size_t>(index - 1)];
  Combo2.Clear();
  const int count = fonts_.FontCount();
  for (int i = 0; i < count; ++i) {
    const String font = fonts_.Fonts(i);
    if (font.starts_with(row.prefix)) Combo2.AddItem(font);
  }
  Combo2.SetText(String(row.defaultFont));
  Text2.SetFontName(String(row.defaultFont));
  // Checking a box that was unchecked converts at once, and Check1_Click
  // shows the panel of code set 4; the code set's own panel is set after.
  Check2.SetValue(1);
  Check2.SetVisible(row.check2Visible);
  Check1.SetVisible(row.check1Visible);
  Check1.SetValue(1);
  Text1.SetBackColor(row.inputColour);
  vb::Image* const panels[] = {&Image1, &Image2, &Image3, &Image4};
  for (int i = 0; i < 4; ++i) panels[i]->SetVisible(i == index - 1);
  Image0.SetWidth(row.image0Width);
  ConversionTrigger();
}

void Form1::Option1_Click() { SelectCodeSet(1); }
void Form1::Option2_Click() { SelectCodeSet(2); }
void Form1::Option3_Click() { SelectCodeSet(3); }
void Form1::Option4_Click() { SelectCodeSet(4); }

// Code set 1 with the fonts of the MCS family.
void Form1::Command4_Click() {
  Option1.SetValue(true);
  Combo2.Clear();
  String lastListed;
  const int count = fonts_.FontCount();
  for (int i = 0; i < count; ++i) {
    const String font = fonts_.Fonts(i);
    if (font.empty()) continue;
    if (std::find(kUnlistedMcsFonts.begin(), kUnlistedMcsFonts.end(), font) !=
        kUnlistedMcsFonts.end()) {
      continue;
    }
    if (font.starts_with(U"MCS")) {
      Combo2.AddItem(font);
      lastListed = font;
    }
  }
  if (!lastListed.empty()) {
    Text2.SetFontName(lastListed);
    Combo2.SetText(lastListed);
  }
  Check2.SetValue(1);
  Check2.SetVisible(true);
  Check1.SetVisible(true);
  Check1.SetValue(1);
  module1.ConvertInputText();
}

void Form1::Combo1_Click() { Text1.SetFontName(Combo1.Text()); }

void Form1::Combo2_Click() {
  Text2.SetFontName(Combo2.Text());
  Text2.SetVisible(true);
}

void Form1::VScroll1_Change() { Text1.SetFontSize(static_cast<float>(VScroll1.Value())); }

void Form1::VScroll2_Change() {
  Text2.SetVisible(true);
  Text2.SetFontSize(static_cast<float>(VScroll2.Value()));
}

// Puts the output font's name on the clipboard, for the target program's
// font field.
void Form1::Command5_Click() {
  clipboard_.Clear();
  if (!clipboard_.SetText(Combo2.Text())) {
    vb::Beep();
    Command5.ShowTip(U"The clipboard is in use by another program; click again to retry");
  }
}

}  // namespace kovrim
