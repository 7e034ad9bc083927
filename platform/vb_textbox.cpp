// The text box.  Its text is kept here, character for character, and the
// editor widget only shows it: a classic text box holds CR LF, a lone CR,
// NUL and other control characters, which a Qt document would turn into
// paragraph breaks or lose.
//
// The editor's document always holds the display form of the text, unit by
// unit (platform/text_display.h), so a position in one maps to a position in the other
// from the few places where their lengths part.  A user's edit is read from
// the range the document reports as changed: only that part is read back as
// typed, and every character outside it keeps its exact form.  Text written
// from code replaces only the part that differs, so a long text is not laid
// out again as a whole for a small change.
#include <QAction>
#include <QContextMenuEvent>
#include <QEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>
#include <QTextOption>
#include <QTimer>
#include <algorithm>
#include <functional>
#include <optional>
#include <vector>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

#include "platform/keyboard.h"
#include "platform/qt_paste.h"
#include "platform/text_display.h"
#include "platform/vb.h"
#include "platform/vb_event.h"

namespace kovrim::vb {

namespace {

// A paragraph this long keeps its analysed layout between paints; without
// it every blink of the cursor and every repaint would analyse the whole
// paragraph again.
constexpr int kLongParagraph = 8192;

// A change this large, or any change to a text this long, gives the memory
// that the old text and the working copies held back to the system.
constexpr std::size_t kLargeChange = 1 << 18;

void AppendCharacter(QString& out, char32_t c) {
  if (c > 0xFFFF) {
    out += QChar(QChar::highSurrogate(c));
    out += QChar(QChar::lowSurrogate(c));
  } else {
    out += QChar(char16_t(c));
  }
}

// The display form as the document takes it, and back.
QString Render(StringView text, bool visual, bool first) {
  return QString::fromStdU16String(RenderDisplay(text, visual, first));
}
String Parse(QStringView shown, bool visual) {
  return ParseDisplay(std::u16string_view(reinterpret_cast<const char16_t*>(shown.utf16()), size_t(shown.size())),
                      visual);
}

// Memory of a large text that went away, back to the system once the
// current event is done (the conversion's working copies go with it).
void GiveBackMemoryLater() {
#if defined(__GLIBC__)
  static bool pending = false;
  if (pending) return;
  pending = true;
  QTimer::singleShot(0, [] {
    pending = false;
    malloc_trim(0);
  });
#endif
}

// A string or list that a large removal left mostly empty lets go of the rest.
template <class Container>
void ShrinkIfSparse(Container& c) {
  if (c.capacity() > 2 * c.size() + kLargeChange) c.shrink_to_fit();
}

// The editor widget; what it copies or drags out is the box's own text for
// the selected part, not the display form (control pictures, layout marks).
class Editor : public QPlainTextEdit {
 public:
  using QPlainTextEdit::QPlainTextEdit;
  std::function<QString(int from, int to)> textBetween;

  // Boxes in visual order draw each character's own glyph: no joining,
  // no ligatures.  The font keeps the setting through later font changes.
  void SetUnshaped(bool on) {
    unshaped_ = on;
    ApplyShaping();
  }

 protected:
  QMimeData* createMimeDataFromSelection() const override {
    if (!textBetween) return QPlainTextEdit::createMimeDataFromSelection();
    const QTextCursor c = textCursor();
    auto* data = new QMimeData;
    data->setText(textBetween(c.selectionStart(), c.selectionEnd()));
    return data;
  }

  // Every paste comes here: keys, the context menu, the middle button and
  // drops.  QWidgetTextControl::insertFromMimeData (Qt 6.4) reads
  // source->formats().first() without asking whether there is a format, so
  // an empty or ownerless clipboard or selection, or an owner that does not
  // answer, would end the program; it would also take a markdown offer
  // before the plain text.  The box takes plain text only, and a paste that
  // offers none inserts nothing.
  bool canInsertFromMimeData(const QMimeData* source) const override {
    return !isReadOnly() && !PastedText(source).isEmpty();
  }
  void insertFromMimeData(const QMimeData* source) override {
    if (isReadOnly()) return;
    const QString text = PastedText(source);
    if (text.isEmpty()) return;
    insertPlainText(text);
    ensureCursorVisible();
  }

  void changeEvent(QEvent* event) override {
    QPlainTextEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange) ApplyShaping();
  }

 private:
  void ApplyShaping() {
    QFont f = font();
    const bool now = (f.styleStrategy() & QFont::PreferNoShaping) != 0;
    if (now == unshaped_) return;
    const int others = f.styleStrategy() & ~QFont::PreferNoShaping;
    f.setStyleStrategy(QFont::StyleStrategy(others | (unshaped_ ? QFont::PreferNoShaping : 0)));
    setFont(f);  // raises FontChange once more, which finds it done
  }

  bool unshaped_ = false;
};

}  // namespace

struct TextBox::Impl : QObject {
  explicit Impl(TextBox* box, Editor* edit) : box_(box), edit_(edit), doc_(edit->document()) {}

  TextBox* box_;
  Editor* edit_;
  QTextDocument* doc_;
  String text;  // the model: exactly what was assigned or typed
  DisplayMap map;  // where the display's length parts from the text's
  int shownLength = 0;  // of the display, as last read or written
  // Display characters removed from the document since it was last filled
  // afresh: the document keeps them in its buffers until then.
  int removedSince = 0;
  bool compactPending = false;
  bool multiLine = false;
  int scrollBars = 0;
  int alignment = 0;
  bool locked = false;
  bool visualOrder = false;
  bool writing = false;  // the editor is being given the text from code
  bool skipClick = false;

  // The part of the display the document reported changed and not yet read.
  struct Range {
    int from, removed, added;
  };
  std::optional<Range> pending;

  // One level of undo, as the classic box has: the last edit's place, the
  // length it left and the text it replaced.  Undoing swaps them, so a
  // second undo takes the edit back.
  struct Undo {
    bool valid = false;
    bool undone = false;
    bool typing = false;  // single keystrokes, which merge into one step
    int at = 0;
    int length = 0;
    String replaced;
  } undo;

  // --- positions ---------------------------------------------------------

  int Display(int m) const { return map.Display(m, visualOrder); }
  int DisplayStart(int m) const { return map.DisplayStart(m, visualOrder); }
  int TextAt(int p, bool up) const { return map.TextAt(p, up, int(text.size()), visualOrder); }
  void Splice(int from, int oldTo, int newLength) { map.Splice(text, from, oldTo, newLength); }

  // --- the document ------------------------------------------------------

  QString Rendered(int from, int to) const {
    return Render(StringView(text).substr(size_t(from), size_t(to - from)), visualOrder, from == 0);
  }

  // The document's text in display positions [from, to).
  QString DocumentText(int from, int to) const {
    QString out;
    if (to <= from) return out;
    out.reserve(to - from);
    for (QTextBlock b = doc_->findBlock(from); b.isValid() && b.position() < to; b = b.next()) {
      const int start = b.position();
      const QString t = b.text();
      const int end = start + int(t.size());  // where its break stands
      const int s = std::max(from, start), e = std::min(to, end);
      if (e > s) out += QStringView(t).mid(s - start, e - s);
      if (from <= end && end < to && b.next().isValid()) out += QChar(kParagraphBreak);
    }
    return out;
  }

  // Replaces display positions [from, to) from code.
  void Write(int from, int to, const QString& shown) {
    writing = true;
    QTextCursor c(doc_);
    c.beginEditBlock();
    c.setPosition(from);
    c.setPosition(to, QTextCursor::KeepAnchor);
    if (shown.isEmpty()) {
      c.removeSelectedText();
    } else {
      c.insertText(shown);
    }
    c.endEditBlock();
    writing = false;
    shownLength += int(shown.size()) - (to - from);
    removedSince += to - from;
  }

  // Long paragraphs among the blocks that display positions [from, from +
  // length] now fill keep their layout (kLongParagraph).
  void KeepLongLayouts(int from, int length) {
    for (QTextBlock b = doc_->findBlock(from); b.isValid() && b.position() <= from + length; b = b.next()) {
      if (b.length() > kLongParagraph) b.layout()->setCacheEnabled(true);
    }
  }

  // The whole text shown afresh.
  void Show() {
    map.Reset(text);
    const QString shown = Rendered(0, int(text.size()));
    writing = true;
    doc_->setPlainText(shown);
    writing = false;
    pending.reset();
    shownLength = int(shown.size());
    removedSince = 0;
    KeepLongLayouts(0, shownLength);
    ToStart();
  }

  // After a change of `changed` characters.  Once the document holds more
  // removed text than half its own, it is filled afresh when the current
  // event is done, with the caret, selection and scrolling as they were.
  void Settle(std::size_t changed) {
    if (changed >= kLargeChange || text.size() >= kLargeChange) {
      ShrinkIfSparse(text);
      map.Shrink(kLargeChange);
      GiveBackMemoryLater();
    }
    if (compactPending || removedSince < int(kLargeChange) || removedSince < shownLength / 2) return;
    compactPending = true;
    QTimer::singleShot(0, this, [this] { Compact(); });
  }

  void Compact() {
    compactPending = false;
    if (removedSince < int(kLargeChange)) return;  // filled afresh meanwhile
    const QTextCursor was = edit_->textCursor();
    const int anchor = TextAt(was.anchor(), false), position = TextAt(was.position(), false);
    const int top = edit_->verticalScrollBar()->value(), left = edit_->horizontalScrollBar()->value();
    Show();
    QTextCursor c(doc_);
    c.setPosition(Display(anchor));
    c.setPosition(Display(position), QTextCursor::KeepAnchor);
    edit_->setTextCursor(c);
    edit_->verticalScrollBar()->setValue(top);
    edit_->horizontalScrollBar()->setValue(left);
    GiveBackMemoryLater();
  }

  // The caret to the start, as after the classic box is given a text.
  void ToStart() {
    QTextCursor c(doc_);
    edit_->setTextCursor(c);
  }

  // text[from, to) becomes `middle`, in the model and on display.  The ends
  // are widened where the change would split a CR LF or join a lone CR and
  // LF into one.
  void Replace(int from, int to, String middle) {
    const int n = int(text.size());
    if (from > 0 && text[size_t(from - 1)] == U'\r') {
      --from;
      middle.insert(middle.begin(), U'\r');
    }
    if (to < n && text[size_t(to)] == U'\n') {
      ++to;
      middle.push_back(U'\n');
    }
    const int dFrom = DisplayStart(from), dTo = Display(to);
    const std::size_t changed = std::max(std::size_t(to - from), middle.size());
    text.replace(size_t(from), size_t(to - from), middle);
    Splice(from, to, int(middle.size()));
    Write(dFrom, dTo, Rendered(from, from + int(middle.size())));
    Settle(changed);
  }

  void RaiseChange() { RaiseEvent(box_->Change); }

  // --- the user's edits --------------------------------------------------

  void NoteChange(int from, int removed, int added) {
    KeepLongLayouts(from, added);
    if (writing) return;
    if (pending) {
      pending = Range{-1, 0, 0};  // more than one: read the whole text
    } else {
      pending = Range{from, removed, added};
    }
  }

  // The document changed under the user's hand: the units the change
  // touched are read back as typed, and the display is made whole again.
  void ReadUserEdit() {
    if (writing || !pending) return;
    Range r = *pending;
    pending.reset();
    const int newLength = doc_->characterCount() - 1;
    const bool exact = !(r.from < 0 || r.from + r.removed > shownLength || shownLength - r.removed + r.added != newLength);
    if (!exact) r = Range{0, shownLength, newLength};
    const int grow = r.added - r.removed;

    // The units touched, then narrowed to what really differs.
    const int a = TextAt(r.from, false), b = TextAt(r.from + r.removed, true);
    const int dA = DisplayStart(a), dB = Display(b);
    const QString before = Rendered(a, b);
    const QString after = DocumentText(dA, dB + grow);
    // A U+2029 or U+2028 that the text holds itself shows as the break a
    // user types: inside the range the document reports, it counts as
    // replaced, so that a typed break reads as CR LF.
    auto same = [&](qsizetype i, qsizetype j) {
      if (before[i] != after[j]) return false;
      if (!exact || !IsSeparator(before[i].unicode())) return true;
      return !IsSeparator(text[size_t(TextAt(dA + int(i), false))]);
    };
    const qsizetype common = std::min(before.size(), after.size());
    qsizetype head = 0;
    while (head < common && same(head, head)) ++head;
    qsizetype tail = 0;
    while (tail < common - head && same(before.size() - 1 - tail, after.size() - 1 - tail)) ++tail;
    const int a2 = std::max(a, TextAt(dA + int(head), false));
    const int b2 = std::min(b, TextAt(dB - int(tail), true));
    const int dA2 = DisplayStart(a2), dB2 = Display(b2);
    const String middle = Parse(QStringView(after).mid(dA2 - dA, dB2 - dA2 + grow), visualOrder);
    shownLength = newLength;
    removedSince += r.removed;

    const bool changed = StringView(text).substr(size_t(a2), size_t(b2 - a2)) != middle;
    if (changed) RecordUndo(a2, b2, middle);

    // The model takes the change; the display of the changed part, with a
    // lone CR before it and a lone LF after it (the change may join them),
    // is put back into its own form.
    const int n = int(text.size());
    const int from = a2 > 0 && text[size_t(a2 - 1)] == U'\r' ? a2 - 1 : a2;
    const int to = b2 < n && text[size_t(b2)] == U'\n' ? b2 + 1 : b2;
    const int dFrom = DisplayStart(from), dTo = Display(to) + grow;
    const std::size_t size = std::max(std::size_t(b2 - a2), middle.size());
    text.replace(size_t(a2), size_t(b2 - a2), middle);
    const int newTo = to + int(middle.size()) - (b2 - a2);
    Splice(from, to, newTo - from);
    const QString proper = Rendered(from, newTo);
    if (proper != DocumentText(dFrom, dTo)) Write(dFrom, dTo, proper);
    Settle(size);
    if (changed) RaiseChange();
  }

  void RecordUndo(int from, int to, const String& middle) {
    const bool typing = middle.size() + std::size_t(to - from) <= 2;
    if (typing && undo.valid && undo.typing && !undo.undone) {
      // Keystrokes next to the last ones join their step.
      const int end = undo.at + undo.length;
      if (to - from == 0 && from == end) {
        undo.length += int(middle.size());
        return;
      }
      if (middle.empty() && to == end && from >= undo.at) {
        undo.length -= to - from;  // deleting what was just typed
        return;
      }
      if (middle.empty() && to == undo.at && undo.length == 0) {
        undo.at = from;  // deleting further back
        undo.replaced.insert(0, text, size_t(from), size_t(to - from));
        return;
      }
      if (middle.empty() && from == undo.at && undo.length == 0) {
        undo.replaced.append(text, size_t(from), size_t(to - from));
        return;
      }
    }
    undo = Undo{true, false, typing, from, int(middle.size()), text.substr(size_t(from), size_t(to - from))};
  }

  bool CanUndo() const { return undo.valid && !locked; }

  void DoUndo() {
    if (!CanUndo()) return;
    const int at = undo.at;
    String restore = std::move(undo.replaced);
    const String taken = text.substr(size_t(at), size_t(undo.length));
    const int length = int(restore.size());
    undo = Undo{true, !undo.undone, false, at, length, taken};
    if (restore == taken) return;
    Replace(at, at + int(taken.size()), std::move(restore));
    QTextCursor c(doc_);
    c.setPosition(Display(at + length));
    edit_->setTextCursor(c);
    RaiseChange();
  }

  // --- layout and events -------------------------------------------------

  void ApplyLayout() {
    const bool h = multiLine && (scrollBars & 1);
    const bool v = multiLine && (scrollBars & 2);
    edit_->setLineWrapMode(multiLine && !h ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
    edit_->setHorizontalScrollBarPolicy(h ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    edit_->setVerticalScrollBarPolicy(v ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    FitHorizontalRange();
  }

  void ApplyAlignment() {
    QTextOption option = doc_->defaultTextOption();
    const Qt::Alignment side = alignment == 2 ? Qt::AlignHCenter : RightAligned() ? Qt::AlignRight : Qt::AlignLeft;
    option.setAlignment(side | Qt::AlignAbsolute);
    option.setTextDirection(ReadsRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight);
    if (option.alignment() == doc_->defaultTextOption().alignment() &&
        option.textDirection() == doc_->defaultTextOption().textDirection())
      return;
    doc_->setDefaultTextOption(option);
    FitHorizontalRange();
  }

  // Code strings in visual order always run left to right.
  bool ReadsRightToLeft() const { return box_->RightToLeft() && !visualOrder; }
  // As on the classic box, left and right swap in a box that reads right to
  // left: its default alignment is the right edge.
  bool RightAligned() const { return alignment != 2 && (alignment == 1) != ReadsRightToLeft(); }
  bool ScrollsFromRight() const { return RightAligned() && edit_->lineWrapMode() == QPlainTextEdit::NoWrap; }

  // QPlainTextEdit (its _q_adjustScrollbars, Qt 6.4) gives the horizontal
  // bar the range 0 .. widest line - viewport, which suits lines that start
  // at the left.  Right-aligned lines wider than the box reach past its left
  // edge instead, where that range never goes: the range is moved to
  // -(widest line - viewport) .. 0, so 0 shows every line's right end and the
  // bar scrolls left from there.
  void FitHorizontalRange() {
    QScrollBar* bar = edit_->horizontalScrollBar();
    const int lo = bar->minimum(), hi = bar->maximum();
    if (ScrollsFromRight() && lo == 0 && hi > 0) {
      bar->setRange(-hi, 0);
      bar->setValue(0);
    } else if (!ScrollsFromRight() && lo < 0) {
      bar->setRange(0, -lo);
    }
  }

  // The editor's own menu, with undo and redo acting on the box's one step.
  void ShowContextMenu(const QPoint& globalPos) {
    QMenu* menu = edit_->createStandardContextMenu();
    for (QAction* qt : menu->actions()) {
      const QString name = qt->objectName();
      if (name != QLatin1String("edit-undo") && name != QLatin1String("edit-redo")) continue;
      auto* own = new QAction(qt->icon(), qt->text(), menu);
      own->setObjectName(name);
      own->setEnabled(CanUndo() && (name == QLatin1String("edit-undo") || undo.undone));
      QObject::connect(own, &QAction::triggered, this, [this] { DoUndo(); });
      menu->insertAction(qt, own);
      menu->removeAction(qt);
      delete qt;
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(globalPos);
  }

  bool eventFilter(QObject*, QEvent* event) override {
    switch (event->type()) {
      case QEvent::KeyPress: {
        auto* key = static_cast<QKeyEvent*>(event);
        if (box_->KeyDown) {
          const KeyStroke k = TranslateKeyEvent(*key);
          RaiseEvent(box_->KeyDown, k.keyCode, k.shift);
        }
        if (key->matches(QKeySequence::Undo)) {
          DoUndo();
          return true;
        }
        if (key->matches(QKeySequence::Redo)) {
          if (undo.undone) DoUndo();
          return true;
        }
        // A single-line box takes no line break.
        return !multiLine && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter);
      }
      case QEvent::ContextMenu:
        ShowContextMenu(static_cast<QContextMenuEvent*>(event)->globalPos());
        return true;
      case QEvent::Show:
        // Each time the box opens, the start of every line is in view.
        if (ScrollsFromRight()) edit_->horizontalScrollBar()->setValue(0);
        return false;
      case QEvent::LayoutDirectionChange:
        ApplyAlignment();
        return false;
      case QEvent::MouseButtonDblClick:
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
          skipClick = true;  // the release that ends a double click is no click
          RaiseEvent(box_->DblClick);
        }
        return false;
      case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
          if (skipClick) {
            skipClick = false;
          } else {
            RaiseEvent(box_->Click);
          }
        }
        return false;
      default:
        return false;
    }
  }

  // The part of text that the display positions [from, to) show; a
  // position inside a unit counts with its unit.
  QString TextBetween(int from, int to) const {
    const int a = TextAt(std::min(from, to), false), b = TextAt(std::max(from, to), true);
    QString out;
    for (int i = a; i < b; ++i) AppendCharacter(out, text[size_t(i)]);
    return out;
  }
};

TextBox::TextBox(Container* parent)
    : Control(parent, new Editor(parent ? parent->ClientWidget() : nullptr)) {
  auto* edit = static_cast<Editor*>(Widget());
  impl_ = std::make_unique<Impl>(this, edit);
  edit->textBetween = [impl = impl_.get()](int from, int to) { return impl->TextBetween(from, to); };
  SetClassColours(0x80000005, 0x80000008);
  edit->setTabChangesFocus(true);
  // The box keeps its own single step of undo; the document's history would
  // keep every edit and every paste for the life of the text.
  edit->setUndoRedoEnabled(false);
  edit->installEventFilter(impl_.get());              // keys
  edit->viewport()->installEventFilter(impl_.get());  // clicks
  impl_->ApplyLayout();
  impl_->ApplyAlignment();
  impl_->Show();
  QObject::connect(edit->horizontalScrollBar(), &QScrollBar::rangeChanged, impl_.get(),
                   [impl = impl_.get()](int, int) { impl->FitHorizontalRange(); });
  QTextDocument* doc = edit->document();
  QObject::connect(doc, &QTextDocument::contentsChange, impl_.get(),
                   [impl = impl_.get()](int from, int removed, int added) { impl->NoteChange(from, removed, added); });
  QObject::connect(doc, &QTextDocument::contentsChanged, impl_.get(), [impl = impl_.get()] { impl->ReadUserEdit(); });
}

TextBox::~TextBox() {
  if (auto* edit = static_cast<Editor*>(Widget())) edit->textBetween = nullptr;
  impl_.reset();
}

String TextBox::Text() const { return impl_->text; }

void TextBox::SetText(const String& text) {
  Impl& d = *impl_;
  if (text == d.text) return;
  // Only the part between the common start and end is written.
  const std::size_t n = d.text.size(), m = text.size();
  const std::size_t most = std::min(n, m);
  std::size_t head = 0;
  while (head < most && d.text[head] == text[head]) ++head;
  std::size_t tail = 0;
  while (tail < most - head && d.text[n - 1 - tail] == text[m - 1 - tail]) ++tail;
  d.undo = {};  // text from code starts a new history, as in the classic box
  const std::size_t replaced = n - tail - head;
  if (replaced >= kLargeChange && replaced >= head + tail) {
    // Most of a long text goes: the document is filled afresh, which also
    // lets go of its buffers.
    d.text = text;
    d.Show();
    d.Settle(replaced);
  } else {
    d.Replace(int(head), int(n - tail), text.substr(head, m - tail - head));
    d.ToStart();
  }
  RaiseEvent(Change);
}

bool TextBox::MultiLine() const { return impl_->multiLine; }
void TextBox::SetMultiLine(bool multiLine) {
  impl_->multiLine = multiLine;
  impl_->ApplyLayout();
}

int TextBox::ScrollBars() const { return impl_->scrollBars; }
void TextBox::SetScrollBars(int bars) {
  impl_->scrollBars = bars & 3;
  impl_->ApplyLayout();
}

bool TextBox::Locked() const { return impl_->locked; }
void TextBox::SetLocked(bool locked) {
  impl_->locked = locked;
  impl_->edit_->setReadOnly(locked);
  if (locked)
    impl_->edit_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
}

bool TextBox::VisualOrderDisplay() const { return impl_->visualOrder; }

void TextBox::SetVisualOrderDisplay(bool on) {
  if (impl_->visualOrder == on) return;
  impl_->visualOrder = on;
  // Emptied first, so that the font's change lays out no old text.
  impl_->writing = true;
  impl_->doc_->clear();
  impl_->writing = false;
  impl_->edit_->SetUnshaped(on);
  impl_->ApplyAlignment();
  impl_->Show();
}

int TextBox::Alignment() const { return impl_->alignment; }

void TextBox::SetAlignment(int alignment) {
  impl_->alignment = std::clamp(alignment, 0, 2);
  impl_->ApplyAlignment();
}

}  // namespace kovrim::vb
