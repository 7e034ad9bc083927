// The window with real focus changes: leaving a font list's field picks no
// font, on either input path, and Tab and the arrow keys reach the spin
// buttons.
#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>
#include <initializer_list>

#include "window/tests/form1_test_util.h"

namespace kovrim::testing {
namespace {

// The window shown and active, with default fonts that are not the first
// entries of their lists.
class Form1Focus : public StartedForm1 {
 protected:
  Form1Focus()
      : StartedForm1({U"K1 AAA 001", U"K1 BBB 002", U"K1 TALVEKK 34 028", U"K3 GUNDER 006",
                      U"K3 PELNAR 003"}) {}

  void SetUp() override {
    StartedForm1::SetUp();
    f.form.ShowCentred();
    QWidget* window = f.form.Widget();
    QApplication::setActiveWindow(window);
    QElapsedTimer clock;
    clock.start();
    while (!window->isActiveWindow() && clock.elapsed() < 5000) QApplication::processEvents();
    ASSERT_TRUE(window->isActiveWindow());
  }

  // A key as the keyboard sends it: to the widget that has the focus.
  static void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* focus = QApplication::focusWidget();
    ASSERT_NE(focus, nullptr);
    QKeyEvent press(QEvent::KeyPress, key, modifiers);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers);
    QApplication::sendEvent(focus, &press);
    QApplication::sendEvent(focus, &release);
  }

  // The mouse moving over the window, where the keyboard path takes the
  // focus back to the key-capture box.
  void MouseOverTheWindow() {
    QWidget* w = f.form.Widget();
    QMouseEvent move(QEvent::MouseMove, QPointF(1, w->height() - 1), w->mapToGlobal(QPointF(1, w->height() - 1)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &move);
  }
};

TEST_F(Form1Focus, LeavingAFontListsFieldPicksNoFont) {
  ASSERT_EQ(f.Combo2.List(0), U"K3 GUNDER 006");
  f.Combo2.SetFocus();
  f.Text1.SetFocus();
  f.Combo2.SetFocus();
  Key(Qt::Key_Return);
  EXPECT_FALSE(f.Text2.Visible());
  EXPECT_EQ(f.Text2.FontName(), U"K3 PELNAR 003");

  Key(Qt::Key_Up);  // the user's pick
  EXPECT_TRUE(f.Text2.Visible());
  EXPECT_EQ(f.Text2.FontName(), U"K3 GUNDER 006");

  ToKeyboardPath();
  f.Combo1.SetFocus();
  f.Combo1.SetText(U"K1 BBB 002");  // as typed
  MouseOverTheWindow();
  EXPECT_TRUE(f.Picture1.HasFocus());
  EXPECT_EQ(f.Text1.FontName(), U"K1 TALVEKK 34 028");
}

// Tab positions 19 and 20 between Picture2 and Command5; the up arrow
// enlarges the font.
TEST_F(Form1Focus, TabReachesTheSpinButtonsAndTheArrowsSizeTheFonts) {
  f.Picture2.SetFocus();
  for (const vb::Control* next : std::initializer_list<const vb::Control*>{&f.VScroll1, &f.VScroll2, &f.Command5}) {
    Key(Qt::Key_Tab);
    EXPECT_TRUE(next->HasFocus()) << next->TabIndex();
  }
  Key(Qt::Key_Backtab, Qt::ShiftModifier);
  ASSERT_TRUE(f.VScroll2.HasFocus());
  Key(Qt::Key_Up);
  EXPECT_TRUE(f.Text2.Visible());
  EXPECT_EQ(f.Text2.FontSize(), 17.0f);
  Key(Qt::Key_Backtab, Qt::ShiftModifier);
  ASSERT_TRUE(f.VScroll1.HasFocus());
  Key(Qt::Key_Up);
  Key(Qt::Key_Up);
  Key(Qt::Key_Down);
  EXPECT_EQ(f.Text1.FontSize(), 17.0f);
  Key(Qt::Key_PageUp);
  EXPECT_EQ(f.Text1.FontSize(), 100.0f);

  // The keyboard path takes the focus back from a spin button too.
  ToKeyboardPath();
  f.VScroll2.SetFocus();
  MouseOverTheWindow();
  EXPECT_TRUE(f.Picture1.HasFocus());
}

// Nine Tabs from the input box walk the code-set row and the top strip, and
// each one shows where the focus went.
TEST_F(Form1Focus, TabThroughTheTopStripShowsTheFocus) {
  auto strip = [this] { return f.form.Widget()->grab(QRect(0, 0, 625, 56)).toImage(); };
  f.Text1.SetFocus();
  QImage before = strip();
  for (const vb::Control* next : std::initializer_list<const vb::Control*>{
           &f.Option1, &f.Option2, &f.Option3, &f.Option4, &f.Command3, &f.Command1, &f.Check2, &f.Check1,
           &f.Command2}) {
    Key(Qt::Key_Tab);
    ASSERT_TRUE(next->HasFocus()) << next->TabIndex();
    const QImage after = strip();
    EXPECT_TRUE(after != before) << "Tab to " << next->TabIndex() << " shows nothing";
    before = after;
  }
}

// The key-capture box shows when it holds the keys: filled with the
// highlight colour.
TEST_F(Form1Focus, TheKeyCaptureBoxShowsWhenItHoldsTheKeys) {
  const QColor highlight = QApplication::palette().color(QPalette::Active, QPalette::Highlight);
  auto centre = [this] {
    const QImage box = f.Picture1.Widget()->grab().toImage();
    return box.pixelColor(box.width() / 2, box.height() / 2);
  };
  EXPECT_NE(centre(), highlight);
  ToKeyboardPath();
  MouseOverTheWindow();
  ASSERT_TRUE(f.Picture1.HasFocus());
  EXPECT_EQ(centre(), highlight);
  f.Check3.ClickByUser();
  f.Text1.SetFocus();
  EXPECT_NE(centre(), highlight);
}

}  // namespace
}  // namespace kovrim::testing
