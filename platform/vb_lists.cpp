// The combo box (an edit field with a drop-down list) and the vertical
// scroll bar used as a spin button.
#include <QComboBox>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMouseEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPen>
#include <QScrollBar>
#include <algorithm>

#include "platform/qt_paste.h"
#include "platform/qt_text.h"
#include "platform/vb.h"
#include "platform/vb_event.h"

namespace kovrim::vb {

namespace {

QWidget* ParentWidget(Container* parent) { return parent ? parent->ClientWidget() : nullptr; }

// The combo box's edit field.  QLineEdit's paste (Qt 6.4) asks the
// clipboard through QClipboard::text(), which asks an owner that never
// answers three times over, each time waiting out the clipboard's timeout;
// the keys and the middle button paste here instead, asking once.
class PasteField : public QLineEdit {
 public:
  using QLineEdit::QLineEdit;

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    if (event->matches(QKeySequence::Paste)) {
      if (!isReadOnly()) insert(PastedText(QClipboard::Clipboard));
      event->accept();
      return;
    }
    QLineEdit::keyPressEvent(event);
  }
  void mouseReleaseEvent(QMouseEvent* event) override {
    if (event->button() == Qt::MiddleButton && !isReadOnly()) {
      const QString text = PastedText(QClipboard::Selection);
      if (!text.isEmpty()) {
        deselect();
        insert(text);
      }
      event->accept();
      return;
    }
    QLineEdit::mouseReleaseEvent(event);
  }
};

// An editable combo box that tells the user's picks from the field's own
// matching.  When its field loses the focus or takes Enter while it holds the
// text of an entry other than the current one, QComboBox (its slot on the
// field's QLineEdit::editingFinished) makes that entry current and emits
// activated; that is no pick.  The field's editingFinished runs a handler
// connected before the combo box's slot and one connected after it, so an
// activated in between is known to come from the field.
class PickingCombo : public QComboBox {
 public:
  explicit PickingCombo(QWidget* parent) : QComboBox(parent) {
    setEditable(true);
    auto* field = new PasteField(this);
    QObject::connect(field, &QLineEdit::editingFinished, this, [this] { ++fieldFinishing_; });
    setLineEdit(field);  // replaces the default field, connecting the combo box's slot
    QObject::connect(field, &QLineEdit::editingFinished, this, [this] { --fieldFinishing_; });
    // The edit field holds what the user types, as typed: no completion from
    // the list and no new list entries on Enter.
    setCompleter(nullptr);
    setInsertPolicy(QComboBox::NoInsert);
    setFocusPolicy(Qt::StrongFocus);
  }
  bool FieldFinishing() const { return fieldFinishing_ > 0; }

 private:
  int fieldFinishing_ = 0;
};

// The spin button.  Tab reaches it and the arrow and page keys move it; a
// click leaves the focus where it is, so typing goes on in the box the user
// was in.  While it has the focus it is framed in the highlight colour.
class SpinBar : public QScrollBar {
 public:
  explicit SpinBar(QWidget* parent) : QScrollBar(Qt::Vertical, parent) { setFocusPolicy(Qt::TabFocus); }

 protected:
  void paintEvent(QPaintEvent* event) override {
    QScrollBar::paintEvent(event);
    if (!hasFocus()) return;
    QPainter painter(this);
    painter.setPen(QPen(palette().color(QPalette::Active, QPalette::Highlight), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
  }
};

}  // namespace

// ComboBox.

struct ComboBox::Impl : QObject {
  PickingCombo* combo = nullptr;
};

ComboBox::ComboBox(Container* parent)
    : Control(parent, new PickingCombo(ParentWidget(parent))), impl_(std::make_unique<Impl>()) {
  impl_->combo = static_cast<PickingCombo*>(Widget());
  SetClassColours(0x80000005, 0x80000008);
  // activated: the user picked an entry, from the list, by arrow key or by
  // wheel; or the field matched one, which raises nothing.  Never raised by
  // code.
  QObject::connect(impl_->combo, &QComboBox::activated, impl_.get(), [this](int) {
    if (impl_->combo->FieldFinishing()) return;
    RaiseEvent(Click);
  });
}

ComboBox::~ComboBox() { impl_.reset(); }

void ComboBox::Clear() {
  impl_->combo->clear();
  impl_->combo->setEditText(QString());
}

void ComboBox::AddItem(const String& item) {
  // Adding to an empty list would select the entry and show it in the edit
  // field; the edit field keeps its text.
  const QString text = impl_->combo->currentText();
  impl_->combo->addItem(ToQString(item));
  if (impl_->combo->currentText() != text) impl_->combo->setEditText(text);
}

int ComboBox::ListCount() const { return impl_->combo->count(); }

String ComboBox::List(int index) const {
  if (index < 0 || index >= ListCount()) return {};
  return FromQString(impl_->combo->itemText(index));
}

String ComboBox::Text() const { return FromQString(impl_->combo->currentText()); }
void ComboBox::SetText(const String& text) { impl_->combo->setEditText(ToQString(text)); }

void ComboBox::PickByUser(int index) {
  if (!Enabled() || !Visible() || index < 0 || index >= ListCount()) return;
  impl_->combo->setCurrentIndex(index);
  impl_->combo->setEditText(impl_->combo->itemText(index));
  RaiseEvent(Click);
}

// VScrollBar.  Min lies at the top and the up arrow moves towards it, also
// when Min is the larger bound: then the Qt bar, whose minimum is always at
// the top, runs mirrored.

struct VScrollBar::Impl : QObject {
  QScrollBar* bar = nullptr;
  int min = 0;
  int max = 32767;
  int small = 1;
  int large = 1;
  int value = 0;
  bool syncing = false;

  int Low() const { return std::min(min, max); }
  int High() const { return std::max(min, max); }
  bool Mirrored() const { return min > max; }
  int BarValue(int v) const { return Mirrored() ? min + max - v : v; }

  void Sync() {
    syncing = true;
    bar->setRange(Low(), High());
    bar->setSingleStep(std::max(1, small));
    bar->setPageStep(std::max(1, large));
    bar->setValue(BarValue(value));
    syncing = false;
  }
};

VScrollBar::VScrollBar(Container* parent)
    : Control(parent, new SpinBar(ParentWidget(parent))), impl_(std::make_unique<Impl>()) {
  impl_->bar = static_cast<QScrollBar*>(Widget());
  impl_->Sync();
  QObject::connect(impl_->bar, &QScrollBar::valueChanged, impl_.get(), [this](int barValue) {
    if (impl_->syncing) return;
    SetValue(impl_->Mirrored() ? impl_->min + impl_->max - barValue : barValue);
  });
}

VScrollBar::~VScrollBar() { impl_.reset(); }

int VScrollBar::Min() const { return impl_->min; }
int VScrollBar::Max() const { return impl_->max; }

void VScrollBar::SetMin(int value) {
  impl_->min = value;
  impl_->Sync();
  SetValue(impl_->value);  // brought into the new range
}

void VScrollBar::SetMax(int value) {
  impl_->max = value;
  impl_->Sync();
  SetValue(impl_->value);
}

int VScrollBar::SmallChange() const { return impl_->small; }
void VScrollBar::SetSmallChange(int value) {
  impl_->small = value;
  impl_->Sync();
}

int VScrollBar::LargeChange() const { return impl_->large; }
void VScrollBar::SetLargeChange(int value) {
  impl_->large = value;
  impl_->Sync();
}

int VScrollBar::Value() const { return impl_->value; }

// A value outside the range is brought to its nearer bound.
void VScrollBar::SetValue(int value) {
  value = std::clamp(value, impl_->Low(), impl_->High());
  if (value == impl_->value) {
    impl_->Sync();  // the bar may show a clamped value already
    return;
  }
  impl_->value = value;
  impl_->Sync();
  RaiseEvent(Change);
}

}  // namespace kovrim::vb
