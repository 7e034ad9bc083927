// When the controls raise their events: assignments from code raise a
// handler only on a change, at once and nested; user clicks and picks raise
// what the classic controls raise; MouseMove comes without a button held.
#include <QApplication>
#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QColor>
#include <QMimeData>
#include <QClipboard>
#include <QComboBox>
#include <QImage>
#include <QKeySequence>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>
#include <QWindow>
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/vb.h"
#include "silent_source.h"

namespace kovrim::vb {
namespace {

using Log = std::vector<std::string>;

// Every handler writes its control's name and the value it reads at that
// moment, so the log shows both order and state.
class ControlsTest : public ::testing::Test {
 protected:
  ControlsTest() {
    form.Move(0, 0, 9000, 6000);
    frame.Move(0, 0, 6000, 900);
    for (int i = 0; i < 3; ++i) {
      options[i].Move(120 + 1500 * i, 240, 1400, 375);
      options[i].Click = [this, i] { log.push_back("option" + std::to_string(i) + " " + Selected()); };
    }
    options[0].SetValue(true);
    lone.Move(0, 1000, 1400, 375);
    lone.Click = [this] { log.push_back(std::string("lone ") + (lone.Value() ? "on" : "off")); };
    check.Move(0, 1500, 1400, 375);
    check.Click = [this] { log.push_back("check " + std::to_string(check.Value())); };
    text.Change = [this] { log.push_back("text " + Utf8FromString(text.Text())); };
    bar.Move(8000, 0, 255, 3000);
    bar.Change = [this] { log.push_back("bar " + std::to_string(bar.Value())); };
    combo.Move(0, 2000, 2655, 330);
    combo.Click = [this] { log.push_back("combo " + Utf8FromString(combo.Text())); };
    form.ShowCentred();
    log.clear();
  }

  std::string Selected() const {
    std::string s;
    for (const OptionButton& o : options) s += o.Value() ? '1' : '0';
    return s;
  }

  Form form;
  Frame frame{&form};
  OptionButton options[3] = {OptionButton(&frame), OptionButton(&frame), OptionButton(&frame)};
  OptionButton lone{&form};  // alone in its container
  CheckBox check{&form};
  TextBox text{&form};
  VScrollBar bar{&form};
  ComboBox combo{&form};
  Log log;
};

// One step after the other, each with the events it must raise and nothing
// else.
// Load is raised once, before the window is first shown, however it is
// shown; a window loaded before it is shown is not loaded again.
TEST(FormLoad, RaisedOnceBeforeTheWindowIsFirstShown) {
  const std::vector<std::function<void(Form&)>> shows = {
      [](Form& form) { form.ShowCentred(); },
      [](Form& form) { form.SetVisible(true); },
      [](Form& form) {
        form.LoadWindow();
        form.ShowCentred();
      },
  };
  for (size_t i = 0; i < shows.size(); ++i) {
    SCOPED_TRACE(i);
    Form form;
    std::vector<bool> loads;  // whether the window was on the screen at each Load
    form.Load = [&] {
      const QWindow* window = form.Widget()->windowHandle();
      loads.push_back(window != nullptr && window->isVisible());
    };
    form.SetClientSize(3000, 2000);
    EXPECT_TRUE(loads.empty());
    shows[i](form);
    EXPECT_TRUE(form.Widget()->isVisible());
    EXPECT_EQ(loads, std::vector<bool>{false});
    form.SetVisible(false);
    form.ShowCentred();
    form.LoadWindow();
    EXPECT_EQ(loads, std::vector<bool>{false});
  }
}

TEST_F(ControlsTest, AssignmentRaisesOnlyOnAChange) {
  struct Step {
    const char* name;
    std::function<void()> assign;
    Log raised;
  };
  const Step steps[] = {
      {"select option 1", [&] { options[1].SetValue(true); }, {"option1 010"}},
      {"select option 1 again", [&] { options[1].SetValue(true); }, {}},
      {"select option 2", [&] { options[2].SetValue(true); }, {"option2 001"}},
      {"an option of another container", [&] { lone.SetValue(true); }, {"lone on"}},
      {"deselect option 2", [&] { options[2].SetValue(false); }, {}},
      {"select option 0", [&] { options[0].SetValue(true); }, {"option0 100"}},
      {"check", [&] { check.SetValue(1); }, {"check 1"}},
      {"check again", [&] { check.SetValue(1); }, {}},
      {"uncheck", [&] { check.SetValue(0); }, {"check 0"}},
      {"uncheck again", [&] { check.SetValue(0); }, {}},
      {"text", [&] { text.SetText(U"a\r\nb"); }, {"text a\r\nb"}},
      {"the same text", [&] { text.SetText(U"a\r\nb"); }, {}},
      {"the text with a lone CR", [&] { text.SetText(U"a\rb"); }, {"text a\rb"}},
      {"empty text", [&] { text.SetText(U""); }, {"text "}},
      {"scroll value", [&] { bar.SetValue(7); }, {"bar 7"}},
      {"the same scroll value", [&] { bar.SetValue(7); }, {}},
      {"list and edit field", [&] {
         combo.AddItem(U"K3 one");
         combo.AddItem(U"K3 two");
         combo.SetText(U"K3 two");
         combo.Clear();
       }, {}},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(step.name);
    log.clear();
    step.assign();
    EXPECT_EQ(log, step.raised);
  }
  EXPECT_TRUE(lone.Value());  // untouched by the frame's options
}

// A handler runs inside the assignment that raised it, to its end, before
// the assigning code goes on; a handler may assign its own control again.
TEST_F(ControlsTest, RaisedHandlersRunNestedInsideTheAssignment) {
  CheckBox other{&form};
  other.Click = [&] { log.push_back("other " + std::to_string(other.Value())); };
  check.Click = [&] {
    log.push_back("check begins " + std::to_string(check.Value()));
    if (check.Value() == 1) {
      other.SetValue(1);
      check.SetValue(0);  // as a handler that refuses the check does
    }
    text.SetText(U"t" + std::u32string(1, char32_t(U'0' + check.Value())));
    log.push_back("check ends " + std::to_string(check.Value()));
  };
  check.SetValue(1);
  log.push_back("after");
  EXPECT_EQ(log, (Log{"check begins 1", "other 1", "check begins 0", "text t0", "check ends 0", "check ends 0",
                      "after"}));
  EXPECT_EQ(check.Value(), 0);
}

TEST_F(ControlsTest, UserClicksOnCheckBoxesAndOptionButtons) {
  QTest::mouseClick(check.Widget(), Qt::LeftButton);
  QTest::mouseClick(check.Widget(), Qt::LeftButton);
  QTest::mouseClick(options[2].Widget(), Qt::LeftButton);
  QTest::mouseClick(options[2].Widget(), Qt::LeftButton);  // already selected
  QTest::mouseClick(options[1].Widget(), Qt::LeftButton);
  EXPECT_EQ(log, (Log{"check 1", "check 0", "option2 001", "option1 010"}));

  log.clear();
  check.SetFocus();
  QTest::keyClick(check.Widget(), Qt::Key_Space);  // the keyboard's click
  check.SetEnabled(false);
  QTest::mouseClick(check.Widget(), Qt::LeftButton);
  EXPECT_EQ(log, (Log{"check 1"}));
  EXPECT_EQ(check.Value(), 1);
}

// Click only when the user picks an entry of the list: by the list or by
// the arrow keys; typing into the edit field, Enter included, picks none.
TEST_F(ControlsTest, ComboClickOnlyWhenTheUserPicksAnEntry) {
  auto* qcombo = static_cast<QComboBox*>(combo.Widget());
  combo.AddItem(U"K3 one");
  combo.AddItem(U"K3 two");
  combo.SetText(U"");
  EXPECT_EQ(combo.Text(), U"");

  combo.SetFocus();
  QTest::keyClicks(qcombo->lineEdit(), "K3 one");
  QTest::keyClick(qcombo->lineEdit(), Qt::Key_Return);
  EXPECT_TRUE(log.empty());
  EXPECT_EQ(combo.Text(), U"K3 one");

  QTest::keyClick(qcombo, Qt::Key_Down);
  combo.PickByUser(0);
  EXPECT_EQ(log, (Log{"combo K3 two", "combo K3 one"}));
  EXPECT_EQ(combo.ListCount(), 2);
}

// The field holding another entry's text is no pick: neither the focus
// leaving it (by Tab, to another control, to another window) nor Enter
// raises Click; a pick by arrow key, wheel or list raises it once.
TEST_F(ControlsTest, ComboLeavingTheFieldIsNoPick) {
  auto* qcombo = static_cast<QComboBox*>(combo.Widget());
  for (const char32_t* item : {U"K3 one", U"K3 two", U"K3 three", U"K3 four"}) combo.AddItem(item);
  QApplication::setActiveWindow(form.Widget());
  ASSERT_TRUE(QTest::qWaitForWindowActive(form.Widget()));
  QWidget other;  // another window of the program
  other.resize(100, 100);

  struct Leave {
    const char* name;
    std::function<void()> leave;
  };
  const Leave leaves[] = {
      {"Enter", [&] { QTest::keyClick(qcombo, Qt::Key_Return); }},
      {"Tab", [&] { QTest::keyClick(qcombo, Qt::Key_Tab); }},
      {"another control", [&] { text.Widget()->setFocus(Qt::MouseFocusReason); }},
      {"another window", [&] {
         other.show();
         QApplication::setActiveWindow(&other);
         ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
         other.hide();
         QApplication::setActiveWindow(form.Widget());
         ASSERT_TRUE(QTest::qWaitForWindowActive(form.Widget()));
       }},
  };
  int entry = 1;
  for (const Leave& l : leaves) {
    SCOPED_TRACE(l.name);
    const String typed = combo.List(entry);
    entry = entry % 3 + 1;  // a different entry for each: the last one matched became current
    combo.SetFocus();
    ASSERT_TRUE(combo.HasFocus());
    qcombo->lineEdit()->selectAll();
    QTest::keyClicks(qcombo, QString::fromStdU32String(typed));
    l.leave();
    EXPECT_EQ(log, Log{});
    EXPECT_EQ(combo.Text(), typed);
  }

  // The entry last matched is current; the field holds none.
  combo.SetFocus();
  QTest::keyClicks(qcombo, "K3 t");
  struct Pick {
    const char* name;
    std::function<void()> pick;
    const char* raised;
  };
  const Pick picks[] = {
      {"down arrow", [&] { QTest::keyClick(qcombo, Qt::Key_Down); }, "combo K3 three"},
      {"up arrow", [&] { QTest::keyClick(qcombo, Qt::Key_Up); }, "combo K3 two"},
      {"wheel down", [&] {
         QWheelEvent wheel(QPointF(5, 5), qcombo->mapToGlobal(QPointF(5, 5)), {}, QPoint(0, -120), Qt::NoButton,
                           Qt::NoModifier, Qt::NoScrollPhase, false);
         QApplication::sendEvent(qcombo, &wheel);
       }, "combo K3 three"},
      {"from the list", [&] {
         qcombo->showPopup();
         QAbstractItemView* view = qcombo->view();
         ASSERT_TRUE(QTest::qWaitForWindowExposed(view->window()));
         QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(view->model()->index(0, 0)).center());
       }, "combo K3 one"},
      {"arrow key then leaving the field", [&] {
         QTest::keyClick(qcombo, Qt::Key_Down);
         text.Widget()->setFocus(Qt::TabFocusReason);
       }, "combo K3 two"},
  };
  for (const Pick& p : picks) {
    SCOPED_TRACE(p.name);
    log.clear();
    p.pick();
    EXPECT_EQ(log, Log{p.raised});
    combo.SetFocus();
  }
  EXPECT_EQ(combo.ListCount(), 4);
}

// Pasting into the edit field asks the clipboard once, and a paste without
// text inserts nothing.
TEST_F(ControlsTest, ComboFieldPasteAsksTheClipboardOnce) {
  auto* field = static_cast<QComboBox*>(combo.Widget())->lineEdit();
  combo.SetText(U"K3");
  field->setFocus();
  int asked = 0;
  QApplication::clipboard()->setMimeData(new testing::SilentSource(&asked));
  QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(asked, 1);
  EXPECT_EQ(combo.Text(), U"K3");
  QTest::keyClick(field, Qt::Key_Insert, Qt::ShiftModifier);
  EXPECT_EQ(asked, 2);
  QApplication::clipboard()->setText(QStringLiteral(" one"));
  field->end(false);
  QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(combo.Text(), U"K3 one");
  EXPECT_TRUE(log.empty());  // a paste is no pick
}

// MouseMove with no button held, raised by the control under the mouse
// (any part of it) and not passed on to its container.
TEST_F(ControlsTest, MouseMoveWithoutAButtonHeld) {
  form.MouseMove = [&] { log.push_back("form"); };
  text.MouseMove = [&] { log.push_back("text"); };
  frame.MouseMove = [&] { log.push_back("frame"); };
  auto move = [](QWidget* w) {
    EXPECT_TRUE(w->hasMouseTracking());
    QMouseEvent event(QEvent::MouseMove, QPointF(2, 2), w->mapToGlobal(QPointF(2, 2)), Qt::NoButton,
                      Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &event);
  };
  move(static_cast<QAbstractScrollArea*>(text.Widget())->viewport());
  move(options[0].Widget());  // no handler: nothing, not the frame's
  move(frame.Widget());
  move(check.Widget());       // no handler: not the form's either
  move(form.Widget());
  EXPECT_EQ(log, (Log{"text", "frame", "form"}));
}

// Click on a picture box and an image: a left-button release, and not the
// release that ends a double click.
TEST_F(ControlsTest, PictureAndImageClicks) {
  PictureBox picture{&form};
  Image image{&form};
  picture.Move(3000, 3000, 600, 600);
  image.Move(4000, 3000, 600, 600);
  picture.Click = [&] { log.push_back("picture"); };
  image.Click = [&] { log.push_back("image"); };
  for (QWidget* w : {picture.Widget(), image.Widget()}) {
    QTest::mouseClick(w, Qt::LeftButton);
    QTest::mouseClick(w, Qt::RightButton);
    QTest::mousePress(w, Qt::LeftButton);
    QTest::mouseDClick(w, Qt::LeftButton);
    QTest::mouseRelease(w, Qt::LeftButton);
  }
  EXPECT_EQ(log, (Log{"picture", "image"}));
}

// The spin buttons of the window run from Min at the top to Max at the
// bottom, also when Min is the larger bound: the up arrow moves towards
// Min, the down arrow towards Max, and each change raises Change.
class ScrollBarTest : public ::testing::Test {
 protected:
  ScrollBarTest() {
    bar.Move(0, 0, 255, 3000);
    bar.Change = [this] { values.push_back(bar.Value()); };
    form.ShowCentred();
  }
  QScrollBar* Bar() { return static_cast<QScrollBar*>(bar.Widget()); }
  void Act(QAbstractSlider::SliderAction action) { Bar()->triggerAction(action); }

  Form form;
  VScrollBar bar{&form};
  std::vector<int> values;
};

TEST_F(ScrollBarTest, InvertedRangeStepsFromMinAtTheTop) {
  bar.SetMax(16);
  bar.SetMin(100);  // Max first, then Min: the range runs 100 down to 16
  bar.SetLargeChange(10);
  bar.SetSmallChange(1);
  EXPECT_EQ(values, std::vector<int>{16});  // the value 0 is brought into the range

  struct Step {
    const char* name;
    std::function<void()> act;
    int value;
    bool raised;
  };
  const Step steps[] = {
      {"up arrow", [&] { Act(QAbstractSlider::SliderSingleStepSub); }, 17, true},
      {"down arrow", [&] { Act(QAbstractSlider::SliderSingleStepAdd); }, 16, true},
      {"down arrow at Max", [&] { Act(QAbstractSlider::SliderSingleStepAdd); }, 16, false},
      {"page up", [&] { Act(QAbstractSlider::SliderPageStepSub); }, 26, true},
      {"from code", [&] { bar.SetValue(95); }, 95, true},
      {"page up stops at Min", [&] { Act(QAbstractSlider::SliderPageStepSub); }, 100, true},
      {"up arrow at Min", [&] { Act(QAbstractSlider::SliderSingleStepSub); }, 100, false},
      {"past Min from code", [&] { bar.SetValue(500); }, 100, false},
      {"past Max from code", [&] { bar.SetValue(3); }, 16, true},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(step.name);
    values.clear();
    step.act();
    EXPECT_EQ(bar.Value(), step.value);
    EXPECT_EQ(values, step.raised ? std::vector<int>{step.value} : std::vector<int>{});
  }
  bar.SetValue(100);
  EXPECT_EQ(Bar()->value(), Bar()->minimum());  // Min is drawn at the top
  EXPECT_EQ(bar.Min(), 100);
  EXPECT_EQ(bar.Max(), 16);
}

// The arrows themselves, clicked with the mouse, for both directions of
// the range.
TEST_F(ScrollBarTest, ArrowClicksMoveTowardsMinAndMax) {
  const QPoint up(Bar()->width() / 2, 3), down(Bar()->width() / 2, Bar()->height() - 3);
  for (const auto& [min, max] : {std::pair{100, 16}, std::pair{16, 100}}) {
    SCOPED_TRACE(min);
    bar.SetMin(min);
    bar.SetMax(max);
    bar.SetSmallChange(1);
    bar.SetValue(50);
    values.clear();
    const int towardsMin = min > max ? 1 : -1;
    QTest::mouseClick(Bar(), Qt::LeftButton, Qt::NoModifier, up);
    EXPECT_EQ(bar.Value(), 50 + towardsMin);
    QTest::mouseClick(Bar(), Qt::LeftButton, Qt::NoModifier, down);
    QTest::mouseClick(Bar(), Qt::LeftButton, Qt::NoModifier, down);
    EXPECT_EQ(bar.Value(), 50 - towardsMin);
    EXPECT_EQ(values, (std::vector<int>{50 + towardsMin, 50, 50 - towardsMin}));
  }
}

// Tab reaches the bar, and the keys move it as its arrows and track do, one
// Change per change, in both directions of the range and in right-to-left
// reading order as the window's spin buttons have it; while it has the
// focus it is framed.  A click on the bar leaves the focus where it is.
TEST_F(ScrollBarTest, TabReachesTheBarAndKeysMoveIt) {
  CheckBox before{&form};
  before.Move(1000, 0, 1500, 300);
  before.SetTabIndex(0);
  bar.SetTabIndex(1);
  form.ApplyTabOrder();
  QApplication::setActiveWindow(form.Widget());
  ASSERT_TRUE(QTest::qWaitForWindowActive(form.Widget()));
  bar.SetSmallChange(1);
  bar.SetLargeChange(10);
  for (const auto& [min, max] : {std::pair{100, 16}, std::pair{16, 100}}) {
    SCOPED_TRACE(min);
    bar.SetMin(min);
    bar.SetMax(max);
    bar.SetRightToLeft(min > max);
    bar.SetValue(min > max ? 95 : 21);
    values.clear();
    before.SetFocus();
    QTest::keyClick(before.Widget(), Qt::Key_Tab);
    ASSERT_TRUE(bar.HasFocus());
    const QColor highlight = Bar()->palette().color(QPalette::Active, QPalette::Highlight);
    EXPECT_EQ(Bar()->grab().toImage().pixelColor(1, Bar()->height() / 2), highlight);  // framed

    const int towardsMin = min > max ? 1 : -1;
    const int start = bar.Value();
    struct Step {
      Qt::Key key;
      int value;  // how far from the start towards Min
      bool raised;
    };
    const Step steps[] = {
        {Qt::Key_Up, 1, true},        {Qt::Key_Up, 2, true},        {Qt::Key_Down, 1, true},
        {Qt::Key_PageUp, 5, true},    {Qt::Key_Up, 5, false},       {Qt::Key_PageDown, -5, true},
        {Qt::Key_PageDown, -15, true}, {Qt::Key_Down, -16, true},
    };
    for (const Step& step : steps) {
      SCOPED_TRACE(QKeySequence(step.key).toString().toStdString());
      values.clear();
      QTest::keyClick(bar.Widget(), step.key);
      const int expected = start + towardsMin * step.value;
      EXPECT_EQ(bar.Value(), expected);
      EXPECT_EQ(values, step.raised ? std::vector<int>{expected} : std::vector<int>{});
    }

    before.SetFocus();
    values.clear();
    QTest::mouseClick(Bar(), Qt::LeftButton, Qt::NoModifier, QPoint(Bar()->width() / 2, 3));
    EXPECT_EQ(values.size(), 1u);
    EXPECT_TRUE(before.HasFocus());
    EXPECT_NE(Bar()->grab().toImage().pixelColor(1, Bar()->height() / 2), highlight);
  }
}

}  // namespace
}  // namespace kovrim::vb
