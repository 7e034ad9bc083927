// Start-up, the two input paths and the chains of nested event procedures
// that a conversion trigger sets off.
#include <QApplication>
#include <QWidget>

#include "assets/usage_notes.h"
#include "window/tests/form1_test_util.h"

namespace kovrim::testing {
namespace {

const String kNotes = StringFromUtf8(assets::kUsageNotesUtf8);

class Form1StartUp : public StartedForm1 {
 protected:
  Form1StartUp()
      : StartedForm1({U"K1 TALVEKK 34 028", U"k1 lower case", U"K3 GUNDER 006", U"K1",
                      U"Arial", U"K3", U"K", U""}) {}
};

TEST_F(Form1StartUp, ConvertsTheUsageNotesOnceAndRaisesNoClickOrChange) {
  EXPECT_EQ(clipboard.log,
            (std::vector<std::string>{
                "Clear", "SetText:" + U8(Converted(kNotes, CodeSet::K3, true, true,
                                                   InputPath::TextBox))}));
  // Text1_Change would have shown Text2; Check1_Click the panel of code set 4.
  EXPECT_FALSE(f.Text2.Visible());
  EXPECT_EQ(f.Text2.Text(), Converted(kNotes, CodeSet::K3, true, true, InputPath::TextBox));
  EXPECT_TRUE(f.Image3.Visible());
  EXPECT_FALSE(f.Image4.Visible());
  EXPECT_EQ(f.Text1.Text(), kNotes);
  f.form.ShowCentred();  // loaded already: no second start-up
  EXPECT_EQ(Conversions(), 1);
  EXPECT_EQ(f.Combo1.ListCount(), 2);
}

TEST_F(Form1StartUp, ListsFontsByExactPrefixInPlatformOrder) {
  ASSERT_EQ(f.Combo1.ListCount(), 2);
  EXPECT_EQ(f.Combo1.List(0), U"K1 TALVEKK 34 028");
  EXPECT_EQ(f.Combo1.List(1), U"K1");
  ASSERT_EQ(f.Combo2.ListCount(), 2);
  EXPECT_EQ(f.Combo2.List(0), U"K3 GUNDER 006");
  EXPECT_EQ(f.Combo2.List(1), U"K3");
  EXPECT_EQ(f.Combo1.Text(), U"K1 TALVEKK 34 028");
  EXPECT_EQ(f.Combo2.Text(), U"K3 PELNAR 003");
  EXPECT_EQ(f.Text1.FontName(), U"K1 TALVEKK 34 028");
  EXPECT_EQ(f.Text2.FontName(), U"K3 PELNAR 003");
}

TEST_F(Form1StartUp, SetsPanelsAndSpinButtons) {
  EXPECT_EQ(f.Image0.Width(), 150);
  EXPECT_EQ(f.Text3.Height(), 5880);
  for (const vb::VScrollBar* spin : {&f.VScroll1, &f.VScroll2}) {
    EXPECT_EQ(spin->Max(), 16);
    EXPECT_EQ(spin->Min(), 100);
    EXPECT_EQ(spin->LargeChange(), 100);
    EXPECT_EQ(spin->SmallChange(), 1);
    EXPECT_EQ(spin->Value(), 16);
  }
  // VScroll1 moved into its range, and Text1 took the size it shows.
  EXPECT_EQ(f.Text1.FontSize(), 16.0f);
  // Upwards is towards Min: the font grows.
  f.VScroll1.SetValue(f.VScroll1.Value() + 1);
  EXPECT_EQ(f.Text1.FontSize(), 17.0f);
}

TEST(Form1NoFonts, StartsWithEmptyListsAndTheDefaultNames) {
  vb::testing::RecordingClipboard clipboard;
  vb::testing::FakeFontList fonts;
  vb::testing::RecordingProgramStarter starter;
  Form1 f(clipboard, fonts, starter);
  f.form.LoadWindow();
  EXPECT_EQ(f.Combo1.ListCount(), 0);
  EXPECT_EQ(f.Combo2.ListCount(), 0);
  EXPECT_EQ(f.Combo2.Text(), U"K3 PELNAR 003");
  EXPECT_EQ(f.Text2.FontName(), U"K3 PELNAR 003");
}

using Form1Paths = StartedForm1;

TEST_F(Form1Paths, SwitchToKeyboardAndBack) {
  f.Option2.ClickByUser();
  f.Check1.ClickByUser();  // code set 2 keeps it unchecked
  f.Text1.SetText(U"سلام");

  ToKeyboardPath();
  EXPECT_TRUE(f.Option3.Value());
  EXPECT_EQ(f.Check1.Value(), 1);
  EXPECT_EQ(f.Check2.Value(), 1);
  EXPECT_FALSE(f.Option1.Visible());
  EXPECT_FALSE(f.Command4.Visible());
  EXPECT_EQ(f.Text1.ForeColor(), 0x80000008u);
  EXPECT_TRUE(f.Text2.Visible());
  EXPECT_EQ(f.Text2.Height(), 5895);
  EXPECT_EQ(f.VScroll2.Top(), 6000);
  // The typed text replaced what the box held; it is empty.
  EXPECT_EQ(f.Text1.Text(), U"");
  EXPECT_EQ(f.Text2.Text(), U" " + Converted(U"", CodeSet::K3, true, true, InputPath::Keyboard) + U" ");

  f.Picture1_KeyDown('H', 0);
  EXPECT_EQ(f.Text1.Text(), U"ا");

  f.Check3.ClickByUser();
  EXPECT_TRUE(f.Option1.Visible());
  EXPECT_TRUE(f.Command4.Visible());
  EXPECT_EQ(f.Text1.ForeColor(), 0x00404080u);
  EXPECT_TRUE(f.Text2.Visible());
  EXPECT_EQ(f.Text2.Height(), 2055);
  EXPECT_EQ(f.VScroll2.Top(), 2520);
  // The text-box path converts what Text1 now holds and keeps the buffers.
  EXPECT_EQ(clipboard.text, Converted(U"ا", CodeSet::K3, true, true, InputPath::TextBox));
  EXPECT_EQ(f.module1.CharBuffer, U"ا");
  f.Text1.SetText(U"ب");
  ToKeyboardPath();
  EXPECT_EQ(f.Text1.Text(), U"ا");
}

TEST_F(Form1Paths, PathSwitchWithCheck1UncheckedLeavesCodeSet4Panel) {
  f.Check1.ClickByUser();
  ASSERT_EQ(f.Check1.Value(), 0);
  f.Check3.ClickByUser();
  EXPECT_EQ(f.Check1.Value(), 1);
  EXPECT_TRUE(f.Image4.Visible());
  EXPECT_FALSE(f.Image3.Visible());
}

TEST_F(Form1Paths, CommittedKeyConvertsTwiceWhenCharBufferChangesAndOnceOtherwise) {
  ToKeyboardPath();
  struct Case {
    const char* what;
    int keyCode;
    int conversions;
  };
  const Case cases[] = {
      {"a letter", 'H', 2},
      {"Execute, which has no display text", 43, 1},
      {"Backspace", 8, 2},
  };
  for (const Case& c : cases) {
    const int before = Conversions();
    f.Picture1_KeyDown(c.keyCode, 0);
    EXPECT_EQ(Conversions() - before, c.conversions) << c.what;
  }
}

TEST_F(Form1Paths, DeletionAfterEnterAndAfterLamAlef) {
  ToKeyboardPath();
  f.Picture1_KeyDown(13, 0);
  EXPECT_EQ(f.module1.CodeBuffer, U"\r");
  EXPECT_EQ(f.module1.CharBuffer, U"\r\n");
  f.Picture1_KeyDown(8, 0);
  EXPECT_EQ(f.module1.CodeBuffer, U"");
  EXPECT_EQ(f.module1.CharBuffer, U"\r");

  f.Command1_Click();
  f.Picture1_KeyDown('B', 0);
  EXPECT_EQ(f.module1.CharBuffer, U"لا");
  f.Picture1_KeyDown(8, 0);
  EXPECT_EQ(f.module1.CodeBuffer, U"\u00BE");
  EXPECT_EQ(f.module1.CharBuffer, U"ل");
  EXPECT_EQ(f.Text1.Text(), U"ل");
}

TEST_F(Form1Paths, ClearButtonEmptiesEverythingOnBothPaths) {
  for (const bool keyboard : {false, true}) {
    if (keyboard) ToKeyboardPath();
    f.Text1.SetText(U"نص");
    f.Picture1_KeyDown('H', 0);
    f.Command1_Click();
    const InputPath path = keyboard ? InputPath::Keyboard : InputPath::TextBox;
    const String empty = Converted(U"", CodeSet::K3, true, true, path);
    EXPECT_EQ(f.Text1.Text(), U"") << keyboard;
    EXPECT_EQ(f.module1.CodeBuffer, U"") << keyboard;
    EXPECT_EQ(f.module1.CharBuffer, U"") << keyboard;
    EXPECT_EQ(clipboard.text, empty) << keyboard;
    EXPECT_EQ(f.Text2.Text(), keyboard ? U" " + empty + U" " : empty) << keyboard;
  }
}

TEST_F(Form1Paths, FailingClipboardLeavesTheWindowConverting) {
  clipboard.fail = true;
  clipboard.text = U"held by another program";
  f.Text1.SetText(U"سلام");
  EXPECT_EQ(f.Text2.Text(), Converted(U"سلام", CodeSet::K3, true, true, InputPath::TextBox));
  f.Command1_Click();
  EXPECT_EQ(f.Text1.Text(), U"");
  ToKeyboardPath();
  f.Picture1_KeyDown('H', 0);
  EXPECT_EQ(f.Text1.Text(), U"ا");
  f.Command5_Click();
  EXPECT_EQ(clipboard.text, U"held by another program");

  clipboard.fail = false;
  f.Picture1_KeyDown('H', 0);
  EXPECT_EQ(clipboard.text, Converted(U"AA", CodeSet::K3, true, true, InputPath::Keyboard));
}

TEST_F(Form1Paths, MouseMovesGiveTheKeyCaptureBoxFocusOnTheKeyboardPathOnly) {
  f.form.ShowCentred();
  QApplication::setActiveWindow(f.form.Widget());
  f.Text1.SetFocus();
  ASSERT_TRUE(f.Text1.HasFocus());
  f.Text1_MouseMove();
  f.Text2_KeyDown(65, 0);
  EXPECT_TRUE(f.Text1.HasFocus());

  ToKeyboardPath();
  f.Text1.SetFocus();
  f.Text1_MouseMove();
  EXPECT_TRUE(f.Picture1.HasFocus());
  f.Text2.SetFocus();
  f.Text2_KeyDown(65, 0);
  EXPECT_TRUE(f.Picture1.HasFocus());
}

}  // namespace
}  // namespace kovrim::testing
