// The text box.  Its text is kept here, character for character, and the
// editor widget only shows it: a classic text box holds CR LF, a lone CR,
// NUL and other control characters, which a Qt document would turn into
// paragraph breaks or lose.  A user's edit is read back by comparing the
// widget's text with what was shown, so the characters the user did not
// touch keep their exact form.
#include <QAbstractScrollArea>
#include <QEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>
#include <functional>

#include "platform/keyboard.h"
#include "platform/vb.h"

namespace kovrim::vb {

namespace {

constexpr char16_t kParagraph = 0x2029;      // a block break in the document
constexpr char16_t kLineSeparator = 0x2028;  // Shift+Enter in the editor
constexpr char16_t kLeftToRightOverride = 0x202D;
constexpr char16_t kNonJoiner = 0x200C;

// What a single character of the text looks like in the editor.  Control
// characters (a lone CR or LF among them) show as their pictures, the way the
// classic box shows a box for them; the document's own markers would break
// it and show as a replacement character.
char32_t Shown(char32_t c) {
  if (c < 0x20 && c != U'\t') return 0x2400 + c;
  if (c == 0x7F) return 0x2421;
  if (c == 0xFDD0 || c == 0xFDD1 || c == 0xFFFC || c > 0x10FFFF) return 0xFFFD;
  return c;
}

void AppendCharacter(QString& out, char32_t c) {
  if (c > 0xFFFF) {
    out += QChar(QChar::highSurrogate(c));
    out += QChar(QChar::lowSurrogate(c));
  } else {
    out += QChar(char16_t(c));
  }
}

// The editor widget; what it copies or drags out is the box's own text for
// the selected part, not the display form (control pictures, layout marks).
class Editor : public QPlainTextEdit {
 public:
  using QPlainTextEdit::QPlainTextEdit;
  std::function<QString(int from, int to)> textBetween;

 protected:
  QMimeData* createMimeDataFromSelection() const override {
    if (!textBetween) return QPlainTextEdit::createMimeDataFromSelection();
    const QTextCursor c = textCursor();
    auto* data = new QMimeData;
    data->setText(textBetween(c.selectionStart(), c.selectionEnd()));
    return data;
  }
};

}  // namespace

struct TextBox::Impl : QObject {
  explicit Impl(TextBox* box, QPlainTextEdit* edit) : box_(box), edit_(edit) {}

  TextBox* box_;
  QPlainTextEdit* edit_;
  String text;  // the model: exactly what was assigned or typed
  // What the editor shows, and for each of its positions the position in
  // text it stands for (-1 inside a surrogate pair).
  QString shown;
  std::vector<int> textAt;
  bool multiLine = false;
  int scrollBars = 0;
  bool locked = false;
  bool visualOrder = false;
  bool writing = false;  // the editor is being given the text from code
  bool skipClick = false;

  void Render() {
    shown.clear();
    textAt.clear();
    bool lineStart = true;
    auto unit = [&](int at, auto&& append) {
      const qsizetype before = shown.size();
      append();
      textAt.push_back(at);
      for (qsizetype i = before + 1; i < shown.size(); ++i) textAt.push_back(-1);
    };
    const int n = int(text.size());
    for (int i = 0; i < n;) {
      if (text[i] == U'\r' && i + 1 < n && text[i + 1] == U'\n') {
        unit(i, [&] { shown += QChar(kParagraph); });
        i += 2;
        lineStart = true;
        continue;
      }
      if (visualOrder) {
        // Every line is laid out left to right as stored, and no character
        // joins its neighbour, so nothing is reordered or shaped.
        const char16_t mark = lineStart ? kLeftToRightOverride : kNonJoiner;
        unit(i, [&] { shown += QChar(mark); });
      }
      const char32_t c = text[i];
      unit(i, [&] { AppendCharacter(shown, Shown(c)); });
      lineStart = c == kParagraph || c == kLineSeparator;
      ++i;
    }
    textAt.push_back(n);
  }

  // The part of text that the editor positions [from, to) show; a position
  // inside a surrogate pair counts with its pair.
  QString TextBetween(int from, int to) const {
    const int last = int(textAt.size()) - 1;
    from = std::clamp(from, 0, last);
    to = std::clamp(to, from, last);
    while (from > 0 && textAt[size_t(from)] < 0) --from;
    while (to < last && textAt[size_t(to)] < 0) ++to;
    const int a = textAt[size_t(from)], b = textAt[size_t(to)];
    QString out;
    for (int i = a; i < b; ++i) AppendCharacter(out, text[size_t(i)]);
    return out;
  }

  void Show() {
    Render();
    writing = true;
    edit_->setPlainText(shown);
    writing = false;
  }

  // The user changed the editor's text: the unchanged head and tail keep
  // their characters, the part in between is read as typed.
  void ReadUserEdit() {
    if (writing) return;
    const QString now = edit_->document()->toRawText();
    if (now == shown) return;
    const qsizetype oldLen = shown.size(), newLen = now.size();
    const qsizetype common = std::min(oldLen, newLen);
    qsizetype head = 0;
    while (head < common && shown[head] == now[head]) ++head;
    while (head > 0 && textAt[size_t(head)] < 0) --head;
    qsizetype tail = 0;
    while (tail < common - head && shown[oldLen - 1 - tail] == now[newLen - 1 - tail]) ++tail;
    while (tail > 0 && textAt[size_t(oldLen - tail)] < 0) --tail;

    const int headText = textAt[size_t(head)];
    const int tailText = textAt[size_t(oldLen - tail)];
    String middle;
    std::vector<int> middleAt;
    for (qsizetype i = head; i < newLen - tail; ++i) {
      const QChar ch = now[i];
      middleAt.push_back(headText + int(middle.size()));
      if (ch == QChar(kParagraph) || ch == QChar(kLineSeparator)) {
        middle += U"\r\n";  // a line break typed by the user
      } else if (visualOrder && (ch == QChar(kLeftToRightOverride) || ch == QChar(kNonJoiner))) {
        // a display mark, not part of the text
      } else if (ch.isHighSurrogate() && i + 1 < newLen - tail && now[i + 1].isLowSurrogate()) {
        middle += QChar::surrogateToUcs4(ch, now[i + 1]);
        middleAt.push_back(-1);
        ++i;
      } else {
        middle += char32_t(ch.unicode());
      }
    }

    String updated = text.substr(0, size_t(headText)) + middle + text.substr(size_t(tailText));
    const int shift = headText + int(middle.size()) - tailText;
    std::vector<int> at(textAt.begin(), textAt.begin() + head);
    at.insert(at.end(), middleAt.begin(), middleAt.end());
    for (qsizetype i = oldLen - tail; i <= oldLen; ++i) {
      const int p = textAt[size_t(i)];
      at.push_back(p < 0 ? -1 : p + shift);
    }
    shown = now;
    textAt = std::move(at);
    if (updated == text) return;
    text = std::move(updated);
    if (box_->Change) {
      Handler h = box_->Change;
      h();
    }
  }

  void ApplyLayout() {
    const bool h = multiLine && (scrollBars & 1);
    const bool v = multiLine && (scrollBars & 2);
    edit_->setLineWrapMode(multiLine && !h ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
    edit_->setHorizontalScrollBarPolicy(h ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    edit_->setVerticalScrollBarPolicy(v ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
  }

  bool eventFilter(QObject*, QEvent* event) override {
    switch (event->type()) {
      case QEvent::KeyPress: {
        auto* key = static_cast<QKeyEvent*>(event);
        if (box_->KeyDown) {
          const KeyStroke k = TranslateKeyEvent(*key);
          KeyHandler h = box_->KeyDown;
          h(k.keyCode, k.shift);
        }
        // A single-line box takes no line break.
        return !multiLine && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter);
      }
      case QEvent::MouseButtonDblClick:
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
          skipClick = true;  // the release that ends a double click is no click
          if (box_->DblClick) {
            Handler h = box_->DblClick;
            h();
          }
        }
        return false;
      case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
          if (skipClick) {
            skipClick = false;
          } else if (box_->Click) {
            Handler h = box_->Click;
            h();
          }
        }
        return false;
      default:
        return false;
    }
  }
};

TextBox::TextBox(Container* parent)
    : Control(parent, new Editor(parent ? parent->ClientWidget() : nullptr)) {
  auto* edit = static_cast<Editor*>(Widget());
  impl_ = std::make_unique<Impl>(this, edit);
  edit->textBetween = [impl = impl_.get()](int from, int to) { return impl->TextBetween(from, to); };
  SetClassColours(0x80000005, 0x80000008);
  edit->setTabChangesFocus(true);
  edit->setUndoRedoEnabled(true);
  edit->installEventFilter(impl_.get());          // keys
  edit->viewport()->installEventFilter(impl_.get());  // clicks
  impl_->ApplyLayout();
  impl_->Show();
  QObject::connect(edit, &QPlainTextEdit::textChanged, impl_.get(), [this] { impl_->ReadUserEdit(); });
}

TextBox::~TextBox() {
  if (auto* edit = static_cast<Editor*>(Widget())) edit->textBetween = nullptr;
  impl_.reset();
}

String TextBox::Text() const { return impl_->text; }

void TextBox::SetText(const String& text) {
  if (text == impl_->text) return;
  impl_->text = text;
  impl_->Show();
  if (Change) {
    Handler h = Change;
    h();
  }
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
  impl_->Show();
}

}  // namespace kovrim::vb
