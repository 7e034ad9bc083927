// Choosing the code set, the font lists and sizes, copying a font name, and
// the panels and tools around the conversion.
#include "window/tests/form1_test_util.h"

namespace kovrim::testing {
namespace {

const std::vector<String> kInstalled = {
    U"K2 ROMBI 016", U"K1 PELNAR NEW 001", U"K4 PELNAR4 002", U"K3 GUNDER 006",
    U"k2 lower case", U"K2 ZAHRA", U"MCS Mix.", U"MCS Mix", U"mcs lower case",
    U"MCS Clocks", U"", U"MCS Diwani", U"Arial", U"MC", U"MCS"};

class Form1CodeSets : public StartedForm1 {
 protected:
  Form1CodeSets() : StartedForm1(kInstalled) {}

  std::vector<String> Combo2List() const {
    std::vector<String> list;
    for (int i = 0; i < f.Combo2.ListCount(); ++i) list.push_back(f.Combo2.List(i));
    return list;
  }

  vb::OptionButton* Option(int index) {
    vb::OptionButton* const options[] = {&f.Option1, &f.Option2, &f.Option3, &f.Option4};
    return options[index - 1];
  }
};

TEST_F(Form1CodeSets, EachCodeSetSetsItsFontsBoxesColourAndPanel) {
  struct Row {
    int index;
    std::vector<String> fonts;
    const char32_t* defaultFont;
    bool check2Visible, check1Visible;
    vb::Colour colour;
    int image0Width;
    CodeSet codeSet;
  };
  const Row rows[] = {
      {1, {U"K1 PELNAR NEW 001"}, U"K1 PELNAR NEW 001", true, true, 0x00C0FFFF, 150, CodeSet::K1},
      {2, {U"K2 ROMBI 016", U"K2 ZAHRA"}, U"K2 ROMBI 016", true, false, 0x00C0FFC0, 6855,
       CodeSet::K2},
      {4, {U"K4 PELNAR4 002"}, U"K4 PELNAR4 002", false, false, 0x00C0E0FF, 150, CodeSet::K4},
      {3, {U"K3 GUNDER 006"}, U"K3 GUNDER 006", true, true, 0x00FFFFC0, 150, CodeSet::K3},
  };
  const String text = U"بسم الله الرحمن الرحيم";
  f.Text1.SetText(text);
  for (const Row& row : rows) {
    f.Check2.SetValue(0);  // the code set checks it again
    const int before = Conversions();
    Option(row.index)->ClickByUser();
    SCOPED_TRACE(row.index);
    EXPECT_EQ(Combo2List(), row.fonts);
    EXPECT_EQ(f.Combo2.Text(), row.defaultFont);
    EXPECT_EQ(f.Text2.FontName(), row.defaultFont);
    EXPECT_EQ(f.Check2.Visible(), row.check2Visible);
    EXPECT_EQ(f.Check1.Visible(), row.check1Visible);
    EXPECT_EQ(f.Check1.Value(), 1);
    EXPECT_EQ(f.Check2.Value(), 1);
    EXPECT_EQ(f.Text1.BackColor(), row.colour);
    const vb::Image* panels[] = {&f.Image1, &f.Image2, &f.Image3, &f.Image4};
    for (int i = 1; i <= 4; ++i) EXPECT_EQ(panels[i - 1]->Visible(), i == row.index) << i;
    EXPECT_EQ(f.Image0.Width(), row.image0Width);
    // Check2_Click converts nested, then the code set's own conversion.
    EXPECT_EQ(Conversions() - before, 2);
    EXPECT_EQ(clipboard.text, Converted(text, row.codeSet, true, true, InputPath::TextBox));
    // Code set 1 shows the input itself; the clipboard keeps the codes.
    EXPECT_EQ(f.Text2.Text(), row.index == 1 ? text : clipboard.text);
  }
}

TEST_F(Form1CodeSets, CodeSet2KeepsCheck1AsItWasAndHidesIt) {
  f.Text1.SetText(U"لا إله إلا الله");
  f.Check1.ClickByUser();
  f.Option2.ClickByUser();
  EXPECT_EQ(f.Check1.Value(), 0);
  EXPECT_FALSE(f.Check1.Visible());
  EXPECT_TRUE(f.Image2.Visible());
  const String unchecked = clipboard.text;

  f.Option3.ClickByUser();
  f.Option2.ClickByUser();
  EXPECT_EQ(f.Check1.Value(), 1);
  EXPECT_FALSE(f.Check1.Visible());
  EXPECT_EQ(clipboard.text, unchecked);
}

TEST_F(Form1CodeSets, McsButtonListsTheMcsTextFontsAndConverts) {
  f.Text1.SetText(U"سلام");
  int before = Conversions();
  f.Command4.ClickByUser();
  EXPECT_TRUE(f.Option1.Value());
  EXPECT_EQ(Combo2List(), (std::vector<String>{U"MCS Mix", U"MCS Diwani", U"MCS"}));
  EXPECT_EQ(f.Text2.FontName(), U"MCS");
  EXPECT_EQ(f.Combo2.Text(), U"MCS");
  EXPECT_EQ(Conversions() - before, 2);  // Option1_Click, then its own
  EXPECT_EQ(f.Text2.Text(), U"سلام");

  before = Conversions();
  f.Command4.ClickByUser();  // code set 1 is already selected
  EXPECT_EQ(Conversions() - before, 1);
  EXPECT_EQ(Combo2List().size(), 3u);
}

TEST(Form1NoMcsFonts, McsButtonLeavesTheFontAndFieldAlone) {
  vb::testing::RecordingClipboard clipboard;
  vb::testing::FakeFontList fonts({U"K1 PELNAR NEW 001", U"MCS Clocks"});
  vb::testing::RecordingProgramStarter starter;
  Form1 f(clipboard, fonts, starter);
  f.form.LoadWindow();
  f.Command4.ClickByUser();
  EXPECT_EQ(f.Combo2.ListCount(), 0);
  EXPECT_EQ(f.Text2.FontName(), U"K1 PELNAR NEW 001");
}

TEST_F(Form1CodeSets, FontListsAndSizes) {
  f.Option2.ClickByUser();
  f.Text2.SetVisible(false);
  f.Combo2.PickByUser(1);
  EXPECT_EQ(f.Text2.FontName(), U"K2 ZAHRA");
  EXPECT_TRUE(f.Text2.Visible());

  const String text2Font = f.Text2.FontName();
  f.Combo1.AddItem(U"K1 OTHER");
  f.Combo1.PickByUser(f.Combo1.ListCount() - 1);
  EXPECT_EQ(f.Text1.FontName(), U"K1 OTHER");
  EXPECT_EQ(f.Text2.FontName(), text2Font);

  f.Text2.SetVisible(false);
  f.VScroll2.SetValue(40);
  EXPECT_TRUE(f.Text2.Visible());
  EXPECT_EQ(f.Text2.FontSize(), 40.0f);
  f.VScroll1.SetValue(72);
  EXPECT_EQ(f.Text1.FontSize(), 72.0f);
}

TEST_F(Form1CodeSets, FontButtonCopiesTheFieldAsTyped) {
  f.Combo2.SetText(U"  typed by hand  ");
  f.Command5.ClickByUser();
  EXPECT_EQ(clipboard.text, U"  typed by hand  ");
  EXPECT_EQ(clipboard.log.back(), "SetText:  typed by hand  ");
}

using Form1Panels = StartedForm1;

TEST_F(Form1Panels, OpenAndClose) {
  f.Command3.ClickByUser();
  EXPECT_TRUE(f.Picture5.Visible());
  f.Picture5_MouseMove();
  EXPECT_FALSE(f.Picture5.Visible());

  f.Picture2_Click();
  EXPECT_TRUE(f.Text3.Visible());
  f.Text3_Click();
  EXPECT_FALSE(f.Text3.Visible());
}

TEST_F(Form1Panels, BannerAndDoubleClickOnlyOnTheTextBoxPath) {
  f.Text1.SetText(U"ب");
  f.Text2_KeyDown(65, 0);
  EXPECT_TRUE(f.Picture3.Visible());
  f.Picture3_Click();
  EXPECT_FALSE(f.Picture3.Visible());
  f.Text2_DblClick();
  EXPECT_FALSE(f.Text2.Visible());

  ToKeyboardPath();
  f.Text2_KeyDown(65, 0);
  EXPECT_FALSE(f.Picture3.Visible());
  f.Text2_DblClick();
  EXPECT_TRUE(f.Text2.Visible());
}

TEST_F(Form1Panels, KeyboardChartOpensForCodeSet2Only) {
  f.Image0_Click();
  EXPECT_EQ(f.Image0.Width(), 150);
  f.Option2.ClickByUser();
  EXPECT_EQ(f.Image0.Width(), 6855);
  for (const int width : {150, 6855, 150}) {
    f.Image0_Click();
    EXPECT_EQ(f.Image0.Width(), width);
  }
  f.Option4.ClickByUser();
  EXPECT_EQ(f.Image0.Width(), 150);
  f.Image0_Click();
  EXPECT_EQ(f.Image0.Width(), 150);
  // A chart widened some other way still closes on a click.
  f.Image0.SetWidth(3000);
  f.Image0_Click();
  EXPECT_EQ(f.Image0.Width(), 150);
}

TEST_F(Form1Panels, NotebookStartsOneMoreEditorPerClick) {
  f.Picture22_Click();
  f.Picture22_Click();
  EXPECT_EQ(starter.started, (std::vector<std::string>{"notepad.exe", "notepad.exe"}));
  starter.succeed = false;
  f.Picture22_Click();  // reported to the user; the window goes on
  EXPECT_EQ(starter.started.size(), 3u);
  f.Text1.SetText(U"ت");
  EXPECT_EQ(f.Text2.Text(), Converted(U"ت", CodeSet::K3, true, true, InputPath::TextBox));
}

}  // namespace
}  // namespace kovrim::testing
