// How the window looks on a desktop: one size, colours that stay readable
// under a dark theme.
#include <QApplication>
#include <QColor>
#include <QPalette>
#include <QWidget>
#include <optional>

#include <gtest/gtest.h>

#include "dark_palette.h"
#include "platform/vb.h"

namespace kovrim::vb {
namespace {

// The window keeps the size it is given: its smallest and largest sizes are
// that size, which window managers read as a window they cannot resize, and
// it offers no maximise button; minimising and closing stay.
TEST(FormLook, OneSizeAndNoMaximise) {
  Form form;
  form.SetClientSize(9375, 6675);
  form.ShowCentred();
  QWidget* w = form.Widget();
  EXPECT_EQ(w->minimumSize(), QSize(625, 445));
  EXPECT_EQ(w->maximumSize(), QSize(625, 445));
  const Qt::WindowFlags flags = w->windowFlags();
  EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
  EXPECT_TRUE(flags & Qt::WindowMinimizeButtonHint);
  EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
  EXPECT_TRUE(flags & Qt::WindowTitleHint);

  w->resize(900, 700);  // as a window manager's resize would ask
  EXPECT_EQ(w->size(), QSize(625, 445));
  form.SetHeight(5000);  // the program itself may still size it
  EXPECT_EQ(w->minimumSize(), QSize(625, 333));
  EXPECT_EQ(w->maximumSize(), QSize(625, 333));
}

// Under a dark theme, a system colour set beside a fixed one keeps the pair
// as readable as under the light palette it was chosen against; a pair of
// system colours, or no colour set at all, follows the theme.
TEST(ColourLook, FixedColoursStayReadableUnderADarkTheme) {
  testing::DarkTheme dark;
  const QPalette system = QApplication::palette();
  Form form;
  struct Case {
    const char* what;
    bool combo;
    std::optional<Colour> back, fore;
  };
  const Case readable[] = {
      {"light cyan with the class's text colour", false, 0x00FFFFC0, std::nullopt},
      {"light cyan with the window text colour", false, 0x00FFFFC0, 0x80000008},
      {"light cyan with the desktop colour", true, 0x00FFFFC0, 0x80000001},
      {"navy with the menu colour", true, 0x00800000, 0x80000004},
      {"navy with light yellow", false, 0x00800000, 0x00C0FFFF},
      {"dark red on the class's background", false, std::nullopt, 0x00404080},
  };
  for (const Case& c : readable) {
    SCOPED_TRACE(c.what);
    TextBox text{&form};
    ComboBox combo{&form};
    Control& control = c.combo ? static_cast<Control&>(combo) : text;
    if (c.back) control.SetBackColor(*c.back);
    if (c.fore) control.SetForeColor(*c.fore);
    const QPalette shown = control.Widget()->palette();
    EXPECT_GE(testing::Contrast(shown.color(QPalette::Base), shown.color(QPalette::Text)), 4.5);
    // The fixed colour is shown as it is.
    if (c.back && !(*c.back & 0x80000000u)) {
      EXPECT_EQ(shown.color(QPalette::Base).rgb() & 0xFFFFFFu,
                ((*c.back & 0xFF) << 16) | (*c.back & 0xFF00) | ((*c.back >> 16) & 0xFF));
    }
  }

  TextBox both{&form};
  both.SetBackColor(0x80000018);  // tool-tip background
  both.SetForeColor(0x80000001);  // desktop
  EXPECT_EQ(both.Widget()->palette().color(QPalette::Base), system.color(QPalette::ToolTipBase));
  EXPECT_EQ(both.Widget()->palette().color(QPalette::Text), system.color(QPalette::Highlight));

  TextBox plain{&form};
  EXPECT_EQ(plain.Widget()->palette().color(QPalette::Base), system.color(QPalette::Base));
  EXPECT_EQ(plain.Widget()->palette().color(QPalette::Text), system.color(QPalette::Text));
}

}  // namespace
}  // namespace kovrim::vb
