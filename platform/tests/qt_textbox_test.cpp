// The text box keeps its text exactly, raises Change once per real change,
// from code or from the user, and survives handlers that write it again.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QGlyphRun>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QRawFont>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextLayout>

#include <gtest/gtest.h>

#include "platform/vb.h"
#include "silent_source.h"

namespace kovrim::vb {
namespace {

QPlainTextEdit* Editor(TextBox& box) { return static_cast<QPlainTextEdit*>(box.Widget()); }

// The editor's paste entry, for a source no clipboard hands out (none).
struct PasteEntry : QPlainTextEdit {
  static void Insert(QPlainTextEdit* edit, const QMimeData* source) {
    (edit->*&PasteEntry::insertFromMimeData)(source);
  }
};

using SilentOwner = testing::SilentSource;

class TextBoxTest : public ::testing::Test {
 protected:
  TextBoxTest() {
    box.SetMultiLine(true);
    box.Change = [this] { ++changes; };
  }
  Form form;
  TextBox box{&form};
  int changes = 0;
};

TEST_F(TextBoxTest, GivesBackExactlyWhatWasAssigned) {
  const String cases[] = {
      U"a\r\nb\rc\x01",
      String(U"nul\0in the middle", 17),
      U"\n\n\r\r\n\t\x7f",
      U"\u2029\u2028\uFDD0\uFFFC",          // what the editor would take as breaks or objects
      U"\U0001F600 wide \U00010400",        // outside the BMP
      String(1, char32_t(0xD800)) + U"x",  // a lone surrogate
      U"عربي \u00A0 nbsp",
  };
  for (bool visual : {false, true}) {
    box.SetVisualOrderDisplay(visual);
    for (const String& text : cases) {
      SCOPED_TRACE(Utf8FromString(text));
      box.SetText(text);
      EXPECT_EQ(box.Text(), text);
    }
  }
}

TEST_F(TextBoxTest, ChangeOnlyWhenTheTextDiffers) {
  box.SetText(U"abc");
  EXPECT_EQ(changes, 1);
  box.SetText(U"abc");
  EXPECT_EQ(changes, 1);
  box.SetText(U"abc\r\n");  // differs only by what the editor shows as a break
  EXPECT_EQ(changes, 2);
  box.SetText(U"abc\n");
  EXPECT_EQ(changes, 3);
  box.SetText(U"");
  EXPECT_EQ(changes, 4);
}

// A Change handler that writes the box again runs nested, and the chain ends
// because an equal text raises nothing.
TEST_F(TextBoxTest, NestedAssignmentInsideChange) {
  std::vector<String> seen;
  box.Change = [&] {
    seen.push_back(box.Text());
    box.SetText(U"fixed");
  };
  box.SetText(U"first");
  EXPECT_EQ(seen, (std::vector<String>{U"first", U"fixed"}));
  EXPECT_EQ(box.Text(), U"fixed");
}

TEST_F(TextBoxTest, UserTypingReadsWithCrLfAndRaisesChangePerKey) {
  QTest::keyClicks(Editor(box), "ab");
  QTest::keyClick(Editor(box), Qt::Key_Return);
  QTest::keyClicks(Editor(box), "c");
  EXPECT_EQ(box.Text(), U"ab\r\nc");
  EXPECT_EQ(changes, 4);
  QTest::keyClick(Editor(box), Qt::Key_Backspace);
  QTest::keyClick(Editor(box), Qt::Key_Backspace);
  EXPECT_EQ(box.Text(), U"ab");
  EXPECT_EQ(changes, 6);
}

// A pasted text's line breaks, whatever their form, are the user's line
// breaks and read as CR LF; its other characters stay as they are.
TEST_F(TextBoxTest, PastedLineBreaksReadAsCrLf) {
  const struct {
    const char16_t* pasted;
    String text;
  } cases[] = {
      {u"a\nb", U"a\r\nb"},
      {u"a\r\nb\r\n", U"a\r\nb\r\n"},
      {u"a\rb", U"a\r\nb"},
      {u"\u0628\t\u0629 \u00A0", U"\u0628\t\u0629 \u00A0"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(Utf8FromString(c.text));
    box.SetText(U"");
    changes = 0;
    QGuiApplication::clipboard()->setText(QString::fromUtf16(c.pasted));
    Editor(box)->paste();
    EXPECT_EQ(box.Text(), c.text);
    EXPECT_EQ(changes, 1);
  }
}

// Characters the user did not touch keep their form: a lone CR stays a lone
// CR, a CR LF stays CR LF, a control character stays itself.
TEST_F(TextBoxTest, UserEditKeepsUntouchedCharacters) {
  box.SetText(U"x\ry\r\nz\x01");
  QTextCursor end = Editor(box)->textCursor();
  end.movePosition(QTextCursor::End);
  Editor(box)->setTextCursor(end);
  QTest::keyClicks(Editor(box), "!");
  EXPECT_EQ(box.Text(), U"x\ry\r\nz\x01!");

  QTextCursor start = Editor(box)->textCursor();
  start.movePosition(QTextCursor::Start);
  start.movePosition(QTextCursor::Right, QTextCursor::KeepAnchor);  // select the x
  start.insertText("AB");
  EXPECT_EQ(box.Text(), U"AB\ry\r\nz\x01!");
  EXPECT_EQ(changes, 3);
}

// The handler of a user's edit may write the box (the keyboard path does).
TEST_F(TextBoxTest, HandlerWritesTheBoxDuringAUserEdit) {
  box.Change = [&] {
    ++changes;
    if (box.Text() != U"done") box.SetText(U"done");
  };
  QTest::keyClicks(Editor(box), "q");
  EXPECT_EQ(box.Text(), U"done");
  EXPECT_EQ(changes, 2);
  QTest::keyClicks(Editor(box), "r");  // typed into the rewritten text
  EXPECT_EQ(box.Text(), U"done");
  EXPECT_EQ(changes, 4);
}

TEST_F(TextBoxTest, LockedBoxTakesNoTypingButRaisesKeyDown) {
  box.SetLocked(true);
  box.SetText(U"out");
  std::vector<int> keys;
  box.KeyDown = [&](int code, int) { keys.push_back(code); };
  QTest::keyClicks(Editor(box), "z");
  EXPECT_EQ(box.Text(), U"out");
  EXPECT_EQ(keys, std::vector<int>{'Z'});
}

// Where each Arabic letter of a block is drawn, and whether it is drawn in
// the form it has standing alone (its glyph unshaped).
struct DrawnLetter {
  qreal x;
  bool isolatedForm;
};

std::vector<DrawnLetter> ArabicLettersOf(const QTextBlock& block) {
  std::vector<DrawnLetter> letters;
  const QString shown = block.text();
  for (int i = 0; i < shown.size(); ++i) {
    if (shown[i].script() != QChar::Script_Arabic) continue;
    const QList<QGlyphRun> runs = block.layout()->glyphRuns(i, 1);
    if (runs.isEmpty() || runs[0].glyphIndexes().isEmpty()) continue;
    const QGlyphRun& run = runs[0];
    const QList<quint32> alone = run.rawFont().glyphIndexesForString(QString(shown[i]));
    letters.push_back({run.positions()[0].x(), !alone.isEmpty() && alone[0] == run.glyphIndexes()[0]});
  }
  return letters;
}

// Visual order: the characters of every line run left to right as stored
// and each keeps its standalone form, even Arabic letters, which the editor
// would otherwise lay out right to left and join.
TEST_F(TextBoxTest, VisualOrderDisplayLaysCharactersOutLeftToRight) {
  const String text = U"\u0643\u062A\u0627\u0628\r\n\u0628\u0644\u0645";  // two words, two lines
  box.SetFontName(U"DejaVu Sans");
  box.Move(0, 0, 6000, 1500);
  form.Widget()->show();
  box.SetText(text);

  auto lines = [&] {
    QApplication::processEvents();
    const QTextDocument* doc = Editor(box)->document();
    return std::vector{ArabicLettersOf(doc->firstBlock()), ArabicLettersOf(doc->firstBlock().next())};
  };
  const auto plain = lines();
  ASSERT_EQ(plain[0].size(), 4u);
  ASSERT_EQ(plain[1].size(), 3u);
  EXPECT_GT(plain[0][0].x, plain[0][3].x);  // right to left and joined without it
  EXPECT_FALSE(plain[0][1].isolatedForm);

  box.SetVisualOrderDisplay(true);
  for (bool rtl : {false, true}) {  // whatever the box's reading order
    SCOPED_TRACE(rtl);
    box.SetRightToLeft(rtl);
    for (const auto& line : lines()) {
      ASSERT_FALSE(line.empty());
      for (size_t i = 0; i < line.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_TRUE(line[i].isolatedForm);
        if (i > 0) {
          EXPECT_GT(line[i].x, line[i - 1].x);
        }
      }
    }
  }
  EXPECT_EQ(box.Text(), text);
  EXPECT_EQ(changes, 1);  // switching the display changes no text
}

// A line break the user types reads as CR LF, whatever it replaced: also a
// U+2029 or U+2028 that code put into the text, which shows as a break too.
// Separators the edit does not touch keep their form.
TEST_F(TextBoxTest, TypedLineBreakIsCrLfWhateverItReplaces) {
  struct Case {
    String text;
    int from, to;  // the selection, in display positions without marks
    String typedEnter, typedX;
  };
  const Case cases[] = {
      {U"a\u2029b", 1, 2, U"a\r\nb", U"axb"},
      {U"a\u2028b", 1, 2, U"a\r\nb", U"axb"},
      {U"a\r\nb", 1, 2, U"a\r\nb", U"axb"},
      {U"a\rb", 1, 2, U"a\r\nb", U"axb"},
      {U"a\u2029b\u2029c", 3, 4, U"a\u2029b\r\nc", U"a\u2029bxc"},
      {U"a\u2029b", 2, 3, U"a\u2029\r\n", U"a\u2029x"},
  };
  for (bool visual : {false, true}) {
    box.SetVisualOrderDisplay(visual);
    for (const Case& c : cases) {
      for (bool enter : {true, false}) {
        SCOPED_TRACE(::testing::Message() << "visual " << visual << " case " << (&c - cases) << " enter " << enter);
        box.SetText(c.text);
        // Display positions: in visual order every line opens with a mark.
        auto shown = [&](int p) {
          if (!visual) return p;
          int marks = 1;
          for (int i = 0; i < p && i < int(c.text.size()); ++i)
            if (c.text[size_t(i)] == U'\u2029' || c.text[size_t(i)] == U'\u2028' || c.text[size_t(i)] == U'\n') ++marks;
          return p + marks;
        };
        QTextCursor cur = Editor(box)->textCursor();
        cur.setPosition(shown(c.from));
        cur.setPosition(shown(c.to), QTextCursor::KeepAnchor);
        Editor(box)->setTextCursor(cur);
        if (enter) {
          QTest::keyClick(Editor(box), Qt::Key_Return);
        } else {
          QTest::keyClicks(Editor(box), "x");
        }
        EXPECT_EQ(Utf16FromString(box.Text()), Utf16FromString(enter ? c.typedEnter : c.typedX));
      }
    }
  }
}

// What the user copies out of a box is its text, not the display form.
TEST_F(TextBoxTest, CopyGivesTheTextNotItsDisplayForm) {
  const String text = U"a\rb\r\n\u0643\u062A\x01\U0001F600";
  for (bool visual : {false, true}) {
    SCOPED_TRACE(visual);
    box.SetVisualOrderDisplay(visual);
    box.SetText(text);
    Editor(box)->selectAll();
    Editor(box)->copy();
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdU16String(), Utf16FromString(text));

    QTextCursor c = Editor(box)->textCursor();  // the first line without its break
    c.setPosition(0);
    c.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    Editor(box)->setTextCursor(c);
    Editor(box)->copy();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QString("a\rb"));
  }
}

// Press, release, press, double click, release: what a double click sends.
// The first release is a Click, the double click a DblClick, and the
// release that ends it no Click.
TEST_F(TextBoxTest, ClickAndDoubleClick) {
  int clicks = 0, doubles = 0;
  box.Click = [&] { ++clicks; };
  box.DblClick = [&] { ++doubles; };
  QWidget* surface = Editor(box)->viewport();
  QTest::mouseClick(surface, Qt::LeftButton);
  EXPECT_EQ(clicks, 1);
  QTest::mouseClick(surface, Qt::LeftButton);
  QTest::mousePress(surface, Qt::LeftButton);
  QTest::mouseDClick(surface, Qt::LeftButton);
  QTest::mouseRelease(surface, Qt::LeftButton);
  EXPECT_EQ(doubles, 1);
  EXPECT_EQ(clicks, 2);
  QTest::mouseClick(surface, Qt::LeftButton);
  EXPECT_EQ(clicks, 3);
  EXPECT_EQ(doubles, 1);
}

// A paste that offers no text inserts nothing, keeps the selection and
// raises no Change, whichever way it comes: keys, a drop, or no source.
TEST_F(TextBoxTest, PasteWithoutTextInsertsNothing) {
  int asked = 0;
  const std::function<QMimeData*()> sources[] = {
      [] { return new QMimeData; },
      [] {
        auto* image = new QMimeData;
        image->setData("image/png", QByteArray("\x89PNG", 4));
        return image;
      },
      [] {
        auto* empty = new QMimeData;
        empty->setText(QString());
        return empty;
      },
      [&asked] { return new SilentOwner(&asked); },
  };
  const std::function<void(QMimeData*)> routes[] = {
      [&](QMimeData* data) {
        QGuiApplication::clipboard()->setMimeData(data);
        QTest::keyClick(Editor(box), Qt::Key_V, Qt::ControlModifier);
      },
      [&](QMimeData* data) {
        QGuiApplication::clipboard()->setMimeData(data);
        QTest::keyClick(Editor(box), Qt::Key_Insert, Qt::ShiftModifier);
      },
      [&](QMimeData* data) {
        const QPointF at(5, 5);
        QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(Editor(box)->viewport(), &enter);
        QDropEvent drop(at, Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(Editor(box)->viewport(), &drop);
        EXPECT_FALSE(drop.isAccepted());
        delete data;
      },
      [&](QMimeData* data) {
        delete data;
        PasteEntry::Insert(Editor(box), nullptr);
      },
  };
  for (std::size_t r = 0; r < std::size(routes); ++r) {
    for (std::size_t s = 0; s < std::size(sources); ++s) {
      SCOPED_TRACE(::testing::Message() << "route " << r << ", source " << s);
      box.SetText(U"ab\rc");
      QTextCursor c = Editor(box)->textCursor();
      c.setPosition(1);
      c.setPosition(2, QTextCursor::KeepAnchor);  // the lone CR
      Editor(box)->setTextCursor(c);
      changes = 0;
      asked = 0;
      routes[r](sources[s]());
      EXPECT_EQ(box.Text(), U"ab\rc");
      EXPECT_EQ(changes, 0);
      EXPECT_TRUE(Editor(box)->textCursor().hasSelection());
      EXPECT_LE(asked, 1);  // the silent owner is asked once, not once per question
      QGuiApplication::clipboard()->clear();
    }
  }
}

// A source that offers markdown before plain text pastes the plain text,
// character for character.
TEST_F(TextBoxTest, PasteTakesThePlainTextOfARichSource) {
  auto* data = new QMimeData;
  data->setData("text/markdown", "*not* # a heading");
  data->setHtml("<b>bold</b>");
  data->setText("*not* # a heading");
  QGuiApplication::clipboard()->setMimeData(data);
  Editor(box)->paste();
  EXPECT_EQ(box.Text(), U"*not* # a heading");
  EXPECT_EQ(changes, 1);
}

// The box keeps one step of undo, as the classic box does: Ctrl+Z takes
// the last edit back exactly (characters the editor cannot hold among
// them), Ctrl+Z again or Ctrl+Y puts it back, and text from code starts
// afresh.
TEST_F(TextBoxTest, OneStepOfUndo) {
  const String before = U"x\ry\r\nz\x01";
  auto select = [&](int from, int to) {
    QTextCursor c = Editor(box)->textCursor();
    c.setPosition(from);
    c.setPosition(to, QTextCursor::KeepAnchor);
    Editor(box)->setTextCursor(c);
  };
  auto undo = [&] { QTest::keyClick(Editor(box), Qt::Key_Z, Qt::ControlModifier); };

  box.SetText(before);
  select(2, 4);  // "y" and the line break
  QGuiApplication::clipboard()->setText("PASTED");
  Editor(box)->paste();
  EXPECT_EQ(box.Text(), U"x\rPASTEDz\x01");
  changes = 0;
  undo();
  EXPECT_EQ(box.Text(), before);
  EXPECT_EQ(changes, 1);
  undo();
  EXPECT_EQ(box.Text(), U"x\rPASTEDz\x01");
  undo();
  QTest::keyClick(Editor(box), Qt::Key_Y, Qt::ControlModifier);
  EXPECT_EQ(box.Text(), U"x\rPASTEDz\x01");

  // Keystrokes are one step, and only the last step is kept.
  Editor(box)->moveCursor(QTextCursor::End);
  QTest::keyClicks(Editor(box), "abc");
  QTest::keyClick(Editor(box), Qt::Key_Backspace);
  undo();
  EXPECT_EQ(box.Text(), U"x\rPASTEDz\x01");
  undo();
  EXPECT_EQ(box.Text(), U"x\rPASTEDz\x01" U"ab");

  box.SetText(U"from code");
  changes = 0;
  undo();
  EXPECT_EQ(box.Text(), U"from code");
  EXPECT_EQ(changes, 0);
}

// The editor's own menu undoes the box's step.
TEST_F(TextBoxTest, ContextMenuUndoTakesTheStepBack) {
  form.Widget()->show();
  box.SetText(U"kept");
  Editor(box)->moveCursor(QTextCursor::End);
  QTest::keyClicks(Editor(box), "!");
  QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, QPoint(5, 5), Editor(box)->viewport()->mapToGlobal(QPoint(5, 5)));
  QApplication::sendEvent(Editor(box)->viewport(), &menuEvent);
  auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
  ASSERT_NE(menu, nullptr);
  QAction* undo = menu->findChild<QAction*>("edit-undo");
  ASSERT_NE(undo, nullptr);
  EXPECT_TRUE(undo->isEnabled());
  undo->trigger();
  menu->close();
  EXPECT_EQ(box.Text(), U"kept");
}

// Edits where display and text part: each reads back exactly, and the box
// goes on taking keys after it.
TEST_F(TextBoxTest, EditsBesideBreaksMarksAndWideCharacters) {
  const struct {
    const char* what;
    String text;
    bool visual;
    int from, to;        // display positions selected before the keys
    const char* keys;    // typed; "\b" is Backspace, "\x7f" Delete
    String result;
  } cases[] = {
      {"a lone CR and LF meet", U"\ry\n", false, 1, 2, "\b", U"\r\n"},
      {"a wide character goes whole", U"a\U0001F600b", false, 3, 3, "\b", U"ab"},
      {"a break goes whole", U"ab\r\ncd", false, 2, 2, "\x7f", U"abcd"},
      {"typed before a line's mark", U"ab\r\ncd", true, 4, 4, "x", U"ab\r\nxcd"},
      {"typed over everything", U"ab\r\ncd", true, 0, 7, "z", U"z"},
      {"typed beside a control picture", U"a\x01" U"b", false, 2, 2, "q", U"a\x01qb"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    box.SetVisualOrderDisplay(c.visual);
    box.SetText(c.text);
    QTextCursor cursor = Editor(box)->textCursor();
    cursor.setPosition(c.from);
    cursor.setPosition(c.to, QTextCursor::KeepAnchor);
    Editor(box)->setTextCursor(cursor);
    for (const char* k = c.keys; *k; ++k) {
      if (*k == '\b') {
        QTest::keyClick(Editor(box), Qt::Key_Backspace);
      } else if (*k == '\x7f') {
        QTest::keyClick(Editor(box), Qt::Key_Delete);
      } else {
        QTest::keyClicks(Editor(box), QString(QChar(*k)));
      }
    }
    EXPECT_EQ(box.Text(), c.result);
    Editor(box)->moveCursor(QTextCursor::End);
    QTest::keyClicks(Editor(box), "!");
    EXPECT_EQ(box.Text(), c.result + U"!");
  }
}

// A code string in visual order is shown without a mark between its
// characters: the display is one character per code, one mark per line.
TEST_F(TextBoxTest, VisualOrderDisplayDoesNotDoubleTheText) {
  box.SetVisualOrderDisplay(true);
  String codes;
  for (int i = 0; i < 5000; ++i) codes += U"\u0628\u0644 ";
  codes += U"\r\n" + codes;
  box.SetText(codes);
  EXPECT_EQ(Editor(box)->document()->characterCount() - 1, int(codes.size()) + 1);
  EXPECT_EQ(box.Text(), codes);
}

// Where each line starts is in view: text read right to left stands at the
// right edge, and a right-aligned box of lines wider than itself opens at
// their right ends and scrolls left from there to their left ends.
TEST_F(TextBoxTest, AlignmentPutsTheStartOfEveryLineInView) {
  box.SetFontName(U"DejaVu Sans");
  box.Move(0, 0, 4500, 1500);
  form.Widget()->show();
  QPlainTextEdit* edit = Editor(box);
  auto lineLeft = [&](int block) {
    QApplication::processEvents();
    return edit->document()->findBlockByNumber(block).layout()->lineAt(0).naturalTextRect().left();
  };
  box.SetText(U"\u0643\u062A\u0627\u0628");
  EXPECT_LT(lineLeft(0), 10);
  box.SetRightToLeft(true);  // its default alignment is now the right edge
  EXPECT_GT(lineLeft(0), edit->viewport()->width() / 2);
  box.SetAlignment(1);  // right, which now means the left edge
  EXPECT_LT(lineLeft(0), 10);

  TextBox codes{&form};
  codes.SetMultiLine(true);
  codes.SetScrollBars(3);
  codes.SetVisualOrderDisplay(true);
  codes.SetAlignment(1);
  codes.SetFontName(U"DejaVu Sans");
  codes.Move(0, 1500, 4500, 1500);
  codes.SetText(String(300, U'A') + U"\r\nB");
  codes.SetVisible(true);
  QApplication::processEvents();
  QScrollBar* bar = Editor(codes)->horizontalScrollBar();
  EXPECT_LT(bar->minimum(), 0);
  EXPECT_EQ(bar->maximum(), 0);
  EXPECT_EQ(bar->value(), 0);
  const QTextLine shortLine = Editor(codes)->document()->findBlockByNumber(1).layout()->lineAt(0);
  EXPECT_NEAR(shortLine.naturalTextRect().right(), Editor(codes)->viewport()->width(), 12);
  bar->setValue(bar->minimum());
  codes.SetVisible(false);
  codes.SetVisible(true);  // opens again at the right ends
  EXPECT_EQ(bar->value(), 0);
  codes.SetAlignment(0);
  EXPECT_EQ(bar->minimum(), 0);
  EXPECT_EQ(codes.Text(), String(300, U'A') + U"\r\nB");
}

}  // namespace
}  // namespace kovrim::vb
