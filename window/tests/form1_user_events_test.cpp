// Every event the window handles, raised as the user raises it: a click, a
// double click, a key, a pick from a list or a mouse movement on the
// control's own widget.  Each row checks an effect that only that control's
// procedure has, so an event connected to another control's procedure fails
// its row.
#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QComboBox>
#include <QCursor>
#include <QTest>
#include <QWidget>
#include <functional>

#include "assets/usage_notes.h"
#include "window/keytables.h"
#include "window/tests/form1_test_util.h"

namespace kovrim::testing {
namespace {

// A window of its own for each row, with two fonts in each font list and two
// of the MCS family.
struct Window {
  vb::testing::RecordingClipboard clipboard;
  vb::testing::FakeFontList fonts{{U"K1 TALVEKK 34 028", U"K1 AAA 001", U"K3 PELNAR 003", U"K3 GUNDER 006",
                                   U"MCS Alpha", U"MCS Omega"}};
  vb::testing::RecordingProgramStarter starter;
  Form1 f{clipboard, fonts, starter};

  // Shown as the program shows it, which loads it, and active.
  void Show() {
    QWidget* window = f.form.Widget();
    window->show();
    QApplication::setActiveWindow(window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
  }

  void ToKeyboardPath() {
    f.Check3.ClickByUser();
    ASSERT_EQ(f.Check3.Value(), 0);
  }

  // The keyboard path with the focus on a control that does not keep it.
  void KeyboardPathFocusAway() {
    ToKeyboardPath();
    f.Command1.SetFocus();
    ASSERT_TRUE(f.Command1.HasFocus());
  }

  // What the text-box path makes of the input box's design text.
  static String ConvertedNotes(bool complex, bool spaces) {
    return Converted(StringFromUtf8(assets::kUsageNotesUtf8), CodeSet::K3, complex, spaces, InputPath::TextBox);
  }
};

// Where a text box takes the mouse.
QWidget* Surface(const vb::TextBox& box) { return static_cast<QAbstractScrollArea*>(box.Widget())->viewport(); }

// The mouse comes from outside the window and stops over `target`, which
// must be the widget the user sees there.
void MoveOver(QWidget* target, QPoint at = {}) {
  if (at.isNull()) at = target->rect().center();
  const QRect window = target->window()->frameGeometry();
  QCursor::setPos(window.bottomRight() + QPoint(20, 20));
  QApplication::processEvents();
  ASSERT_EQ(QApplication::widgetAt(target->mapToGlobal(at)), target);
  QTest::mouseMove(target, at);
}

void Click(const vb::Control& control) { QTest::mouseClick(control.Widget(), Qt::LeftButton); }

void DoubleClick(QWidget* w) {
  QTest::mouseClick(w, Qt::LeftButton);
  QTest::mousePress(w, Qt::LeftButton);
  QTest::mouseDClick(w, Qt::LeftButton);
  QTest::mouseRelease(w, Qt::LeftButton);
}

// Opens the list and clicks its entry `row`.
void PickFromList(const vb::ComboBox& combo, int row) {
  auto* qcombo = static_cast<QComboBox*>(combo.Widget());
  qcombo->showPopup();
  QAbstractItemView* view = qcombo->view();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(view->window()));
  QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(view->model()->index(row, 0)).center());
}

void ClickUpArrow(const vb::VScrollBar& spin) {
  QWidget* bar = spin.Widget();
  QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(bar->width() / 2, 3));
}

struct Row {
  const char* event;
  bool startsShown = true;  // false: the row shows the window itself
  std::function<void(Window&)> arrange;
  std::function<void(Window&)> raise;
  std::function<void(Window&)> expect;
};

TEST(Form1UserEvents, EachEventRunsItsOwnControlsProcedure) {
  // The five procedures that keep the focus on the key-capture box do the
  // same; their rows check that the focus comes back to it.
  auto expectFocusKept = [](Window& w) { EXPECT_TRUE(w.f.Picture1.HasFocus()); };
  const Row rows[] = {
      {"Form1.Load", false, {}, [](Window& w) { w.Show(); },
       [](Window& w) {
         EXPECT_EQ(w.f.Text3.Height(), 5880);
         EXPECT_EQ(w.f.Combo1.ListCount(), 2);
       }},
      {"Form1.MouseMove", true, [](Window& w) { w.KeyboardPathFocusAway(); },
       [](Window& w) { MoveOver(w.f.form.Widget(), QPoint(380, 4)); }, expectFocusKept},
      {"Text1.Change", true, [](Window& w) { w.f.Text1.SetFocus(); },
       [](Window& w) {
         QTest::sendKeyEvent(QTest::Click, w.f.Text1.Widget(), Qt::Key(0x0628), QStringLiteral("ب"), {});
       },
       [](Window& w) {
         EXPECT_NE(w.f.Text1.Text().find(U'ب'), String::npos);
         EXPECT_TRUE(w.f.Text2.Visible());
         EXPECT_EQ(w.clipboard.text, Converted(w.f.Text1.Text(), CodeSet::K3, true, true, InputPath::TextBox));
       }},
      // Text2 covers Text1 on the keyboard path, so no user moves over Text1
      // there; with Text2 hidden the mouse reaches it.
      {"Text1.MouseMove", true,
       [](Window& w) {
         w.KeyboardPathFocusAway();
         w.f.Text2.SetVisible(false);
       },
       [](Window& w) { MoveOver(Surface(w.f.Text1)); }, expectFocusKept},
      {"Text2.KeyDown", true,
       [](Window& w) {
         w.f.Text2.SetVisible(true);
         w.f.Text2.SetFocus();
       },
       [](Window& w) { QTest::keyClick(w.f.Text2.Widget(), Qt::Key_A); },
       [](Window& w) { EXPECT_TRUE(w.f.Picture3.Visible()); }},
      {"Text2.DblClick", true, [](Window& w) { w.f.Text2.SetVisible(true); },
       [](Window& w) { DoubleClick(Surface(w.f.Text2)); },
       [](Window& w) { EXPECT_FALSE(w.f.Text2.Visible()); }},
      {"Text2.MouseMove", true, [](Window& w) { w.KeyboardPathFocusAway(); },
       [](Window& w) { MoveOver(Surface(w.f.Text2)); }, expectFocusKept},
      {"Text3.Click", true, [](Window& w) { w.f.Text3.SetVisible(true); },
       [](Window& w) { QTest::mouseClick(Surface(w.f.Text3), Qt::LeftButton); },
       [](Window& w) { EXPECT_FALSE(w.f.Text3.Visible()); }},
      {"Check1.Click", true, {}, [](Window& w) { Click(w.f.Check1); },
       [](Window& w) {
         EXPECT_EQ(w.f.Check1.Value(), 0);
         EXPECT_TRUE(w.f.Image4.Visible());
         EXPECT_FALSE(w.f.Image3.Visible());
         EXPECT_EQ(w.clipboard.text, Window::ConvertedNotes(false, true));
       }},
      {"Check2.Click", true, {}, [](Window& w) { Click(w.f.Check2); },
       [](Window& w) {
         EXPECT_EQ(w.f.Check2.Value(), 0);
         EXPECT_TRUE(w.f.Image3.Visible());
         EXPECT_FALSE(w.f.Image4.Visible());
         EXPECT_FALSE(w.f.Text2.Visible());
         EXPECT_EQ(w.clipboard.text, Window::ConvertedNotes(true, false));
       }},
      {"Check3.Click", true, {}, [](Window& w) { Click(w.f.Check3); },
       [](Window& w) {
         EXPECT_EQ(w.f.Check3.Value(), 0);
         EXPECT_EQ(w.f.Text2.Height(), 5895);
         EXPECT_FALSE(w.f.Option1.Visible());
       }},
      {"Check3.MouseMove", true, [](Window& w) { w.KeyboardPathFocusAway(); },
       [](Window& w) { MoveOver(w.f.Check3.Widget()); }, expectFocusKept},
      // Where Option1 lies on the text-box path: the keyboard path hides it.
      {"Frame1.MouseMove", true, [](Window& w) { w.KeyboardPathFocusAway(); },
       [](Window& w) { MoveOver(w.f.Frame1.Widget(), QPoint(61, 28)); }, expectFocusKept},
      {"Option1.Click", true, {}, [](Window& w) { Click(w.f.Option1); },
       [](Window& w) {
         EXPECT_EQ(w.f.Text2.FontName(), U"K1 PELNAR NEW 001");
         EXPECT_EQ(w.f.Text1.BackColor(), 0x00C0FFFFu);
       }},
      {"Option2.Click", true, {}, [](Window& w) { Click(w.f.Option2); },
       [](Window& w) {
         EXPECT_EQ(w.f.Text2.FontName(), U"K2 ROMBI 016");
         EXPECT_EQ(w.f.Text1.BackColor(), 0x00C0FFC0u);
       }},
      {"Option3.Click", true, [](Window& w) { w.f.Option4.SetValue(true); },
       [](Window& w) { Click(w.f.Option3); },
       [](Window& w) {
         EXPECT_EQ(w.f.Text2.FontName(), U"K3 GUNDER 006");
         EXPECT_EQ(w.f.Text1.BackColor(), 0x00FFFFC0u);
       }},
      {"Option4.Click", true, {}, [](Window& w) { Click(w.f.Option4); },
       [](Window& w) {
         EXPECT_EQ(w.f.Text2.FontName(), U"K4 PELNAR4 002");
         EXPECT_EQ(w.f.Text1.BackColor(), 0x00C0E0FFu);
       }},
      {"Command1.Click", true, {}, [](Window& w) { Click(w.f.Command1); },
       [](Window& w) {
         EXPECT_EQ(w.f.Text1.Text(), U"");
         EXPECT_EQ(w.clipboard.text, Converted(U"", CodeSet::K3, true, true, InputPath::TextBox));
       }},
      {"Command2.Click", true, {}, [](Window& w) { Click(w.f.Command2); },
       [](Window& w) { EXPECT_FALSE(w.f.form.Widget()->isVisible()); }},
      {"Command3.Click", true, {}, [](Window& w) { Click(w.f.Command3); },
       [](Window& w) { EXPECT_TRUE(w.f.Picture5.Visible()); }},
      {"Command4.Click", true, {}, [](Window& w) { Click(w.f.Command4); },
       [](Window& w) {
         EXPECT_EQ(w.f.Text2.FontName(), U"MCS Omega");
         EXPECT_EQ(w.f.Combo2.ListCount(), 2);
       }},
      {"Command5.Click", true, {}, [](Window& w) { Click(w.f.Command5); },
       [](Window& w) { EXPECT_EQ(w.clipboard.text, U"K3 PELNAR 003"); }},
      {"Combo1.Click", true, {}, [](Window& w) { PickFromList(w.f.Combo1, 1); },
       [](Window& w) {
         EXPECT_EQ(w.f.Text1.FontName(), U"K1 AAA 001");
         EXPECT_EQ(w.f.Text2.FontName(), U"K3 PELNAR 003");
       }},
      {"Combo2.Click", true, {}, [](Window& w) { PickFromList(w.f.Combo2, 1); },
       [](Window& w) {
         EXPECT_EQ(w.f.Text2.FontName(), U"K3 GUNDER 006");
         EXPECT_EQ(w.f.Text1.FontName(), U"K1 TALVEKK 34 028");
         EXPECT_TRUE(w.f.Text2.Visible());
       }},
      {"VScroll1.Change", true, {}, [](Window& w) { ClickUpArrow(w.f.VScroll1); },
       [](Window& w) {
         EXPECT_EQ(w.f.Text1.FontSize(), 17.0f);
         EXPECT_EQ(w.f.Text2.FontSize(), 15.75f);
       }},
      {"VScroll2.Change", true, {}, [](Window& w) { ClickUpArrow(w.f.VScroll2); },
       [](Window& w) {
         EXPECT_EQ(w.f.Text2.FontSize(), 17.0f);
         EXPECT_EQ(w.f.Text1.FontSize(), 16.0f);
         EXPECT_TRUE(w.f.Text2.Visible());
       }},
      {"Picture1.KeyDown", true,
       [](Window& w) {
         w.ToKeyboardPath();
         w.f.Picture1.SetFocus();
       },
       [](Window& w) { QTest::keyClick(w.f.Picture1.Widget(), Qt::Key_H); },
       [](Window& w) { EXPECT_EQ(w.f.Text1.Text(), U"ا"); }},
      // Shift and the key left of 1: no key-down row, the key press "~".
      {"Picture1.KeyPress", true,
       [](Window& w) {
         w.ToKeyboardPath();
         w.f.Picture1.SetFocus();
       },
       [](Window& w) { QTest::keyClick(w.f.Picture1.Widget(), Qt::Key_AsciiTilde, Qt::ShiftModifier); },
       [](Window& w) { EXPECT_EQ(w.f.Text2.Text(), kTildeFixedText); }},
      {"Picture2.Click", true, {}, [](Window& w) { Click(w.f.Picture2); },
       [](Window& w) { EXPECT_TRUE(w.f.Text3.Visible()); }},
      {"Picture3.Click", true, [](Window& w) { w.f.Picture3.SetVisible(true); },
       [](Window& w) { Click(w.f.Picture3); },
       [](Window& w) { EXPECT_FALSE(w.f.Picture3.Visible()); }},
      {"Picture22.Click", true, {}, [](Window& w) { Click(w.f.Picture22); },
       [](Window& w) { EXPECT_EQ(w.starter.started, std::vector<std::string>{"notepad.exe"}); }},
      {"Picture5.MouseMove", true, [](Window& w) { w.f.Picture5.SetVisible(true); },
       [](Window& w) { MoveOver(w.f.Picture5.Widget()); },
       [](Window& w) { EXPECT_FALSE(w.f.Picture5.Visible()); }},
      // The strip opens for code set 2, and the open chart closes.
      {"Image0.Click", true,
       [](Window& w) {
         w.f.Option2.SetValue(true);
         w.f.Image0.SetWidth(kImage0StripWidth);
       },
       [](Window& w) { Click(w.f.Image0); },
       [](Window& w) {
         EXPECT_EQ(w.f.Image0.Width(), kImage0FullWidth);
         Click(w.f.Image0);
         EXPECT_EQ(w.f.Image0.Width(), kImage0StripWidth);
       }},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.event);
    Window w;
    if (row.startsShown) w.Show();
    if (row.arrange) row.arrange(w);
    row.raise(w);
    row.expect(w);
  }
}

}  // namespace
}  // namespace kovrim::testing
