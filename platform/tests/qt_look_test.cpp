// How the window looks on a desktop: one size, colours that stay readable
// under a dark theme, and a visible keyboard focus.
#include <QApplication>
#include <QColor>
#include <QImage>
#include <QPalette>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>
#include <optional>
#include <string>

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

// Tab shows where the focus is: each button gets the style's focus frame,
// over its picture in the graphical style; a picture box is framed in the
// highlight colour, and the key-capture box, which has no picture, fills
// with it.  Leaving takes the mark away.
TEST(FocusLook, TabShowsWhereTheFocusIs) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString pictureFile = dir.filePath("face.png");
  QImage face(40, 13, QImage::Format_RGB32);
  face.fill(QColor(0xC0, 0xC0, 0xC0));
  ASSERT_TRUE(face.save(pictureFile));
  const PictureName picture = pictureFile.toStdString();

  Form form;
  form.SetClientSize(9000, 3000);
  CheckBox start{&form};
  CheckBox check{&form}, standardCheck{&form};
  Frame frame{&form};
  OptionButton option{&frame};
  CommandButton command{&form}, standardCommand{&form};
  PictureBox keys{&form}, icon{&form};
  check.SetStyle(1);
  check.SetPicture(picture);
  standardCheck.SetCaption(U"Arabic Win");
  option.SetStyle(1);
  option.SetPicture(picture);
  command.SetStyle(1);
  command.SetPicture(picture);
  standardCommand.SetCaption(U"Font");
  icon.SetAutoSize(true);
  icon.SetPicture(picture);
  struct Stop {
    const char* what;
    Control* control;
  };
  const Stop stops[] = {
      {"graphical check box", &check},       {"standard check box", &standardCheck},
      {"graphical option button", &option},  {"graphical command button", &command},
      {"standard command button", &standardCommand}, {"key-capture box", &keys},
      {"picture box with a picture", &icon},
  };
  start.Move(0, 0, 900, 255);
  frame.Move(0, 2000, 3000, 735);
  option.Move(120, 240, 1600, 375);
  int tab = 0;
  start.SetTabIndex(tab++);
  int left = 1000;
  for (const Stop& s : stops) {
    if (s.control != &option) s.control->Move(left, 0, s.control == &keys ? 495 : 1200, 375);
    left += 1300;
    s.control->SetTabIndex(tab++);
  }
  frame.SetTabIndex(2);  // the frame itself takes no focus; its option does
  form.ApplyTabOrder();
  form.ShowCentred();
  QApplication::setActiveWindow(form.Widget());
  ASSERT_TRUE(QTest::qWaitForWindowActive(form.Widget()));

  const QColor highlight = QApplication::palette().color(QPalette::Active, QPalette::Highlight);
  start.SetFocus();
  for (const Stop& s : stops) {
    SCOPED_TRACE(s.what);
    const QImage unfocused = s.control->Widget()->grab().toImage();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_TRUE(s.control->HasFocus());
    const QImage focused = s.control->Widget()->grab().toImage();
    EXPECT_TRUE(focused != unfocused) << "nothing shows the focus";
    if (s.control == &keys) {
      EXPECT_EQ(focused.pixelColor(focused.width() / 2, focused.height() / 2), highlight);
    } else if (s.control == &icon) {
      EXPECT_EQ(focused.pixelColor(0, focused.height() / 2), highlight);
    }
    start.SetFocus();
    EXPECT_TRUE(s.control->Widget()->grab().toImage() == unfocused) << "the mark stays after the focus left";
    s.control->SetFocus();
  }
}

}  // namespace
}  // namespace kovrim::vb
