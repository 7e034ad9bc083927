// The window under a dark theme: every box whose design fixes one of its
// colours reads as designed, on both input paths and for every code set;
// what the design leaves wholly to the system follows the theme.
#include <QPalette>
#include <QWidget>
#include <initializer_list>

#include <gtest/gtest.h>

#include "platform/fakes.h"
#include "platform/tests/dark_palette.h"
#include "window/form1.h"

namespace kovrim {
namespace {

class Form1DarkTheme : public ::testing::Test {
 protected:
  void SetUp() override { f.Form_Load(); }

  // Text against its background, in the roles the control paints with.
  static double Contrast(const vb::Control& c, QPalette::ColorRole back, QPalette::ColorRole fore) {
    const QPalette p = c.Widget()->palette();
    return vb::testing::Contrast(p.color(back), p.color(fore));
  }

  vb::testing::DarkTheme dark;  // first: the window is made under it
  vb::testing::RecordingClipboard clipboard;
  vb::testing::FakeFontList fonts;
  vb::testing::RecordingProgramStarter starter;
  Form1 f{clipboard, fonts, starter};
};

TEST_F(Form1DarkTheme, FixedColoursKeepTheirTextReadable) {
  for (const vb::Control* box : std::initializer_list<const vb::Control*>{&f.Text1, &f.Text2, &f.Combo1, &f.Combo2})
    EXPECT_GE(Contrast(*box, QPalette::Base, QPalette::Text), 4.5) << box->Widget()->metaObject()->className();
  EXPECT_GE(Contrast(f.Check3, QPalette::Button, QPalette::ButtonText), 4.5);

  // The input box in each code set's colour, on the keyboard path in the
  // window text colour.
  for (vb::OptionButton* option : {&f.Option1, &f.Option2, &f.Option4, &f.Option3}) {
    option->ClickByUser();
    EXPECT_GE(Contrast(f.Text1, QPalette::Base, QPalette::Text), 4.5) << option->TabIndex();
  }
  f.Check3.ClickByUser();
  ASSERT_EQ(f.Check3.Value(), 0);
  EXPECT_GE(Contrast(f.Text1, QPalette::Base, QPalette::Text), 4.5);
}

TEST_F(Form1DarkTheme, SystemColoursFollowTheTheme) {
  const QPalette theme = vb::testing::DarkPalette();
  const QPalette help = f.Text3.Widget()->palette();  // tool-tip background, desktop colour
  EXPECT_EQ(help.color(QPalette::Base), theme.color(QPalette::ToolTipBase));
  EXPECT_EQ(help.color(QPalette::Text), theme.color(QPalette::Highlight));
  const QPalette font = f.Command5.Widget()->palette();  // the class's colours
  EXPECT_EQ(font.color(QPalette::Button), theme.color(QPalette::Button));
  EXPECT_EQ(font.color(QPalette::ButtonText), theme.color(QPalette::ButtonText));
}

}  // namespace
}  // namespace kovrim
