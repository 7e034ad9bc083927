// Check boxes, option buttons and command buttons.  One widget draws all
// three, in the standard style with its caption or in the graphical style
// with a picture on a button face.  The value lives here; the widget only
// shows it and reports the user's clicks.
#include <QAbstractButton>
#include <QPainter>
#include <QStyleOptionButton>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

#include "platform/qt_picture.h"
#include "platform/qt_text.h"
#include "platform/vb.h"
#include "platform/vb_event.h"

namespace kovrim::vb {

namespace {

enum class Kind { Check, Option, Command };

class ButtonWidget : public QAbstractButton {
 public:
  ButtonWidget(Kind kind, QWidget* parent) : QAbstractButton(parent), kind_(kind) {
    setFocusPolicy(Qt::StrongFocus);
  }

  // Where the keyboard focus is: the style's focus frame, over the picture,
  // drawn when the style's own buttons draw theirs (most styles once the
  // focus has moved by keyboard).  The standard check box and option button
  // draw it themselves.
  void DrawFocusFrame(QStylePainter& p, const QStyleOptionButton& button) {
    if (!(button.state & QStyle::State_HasFocus)) return;
    QStyleOptionFocusRect frame;
    frame.initFrom(this);
    frame.rect = style()->subElementRect(QStyle::SE_PushButtonFocusRect, &button, this);
    frame.backgroundColor = palette().color(QPalette::Button);
    p.drawPrimitive(QStyle::PE_FrameFocusRect, frame);
  }

  void SetLook(bool graphical, bool on, const PictureName& picture) {
    graphical_ = graphical;
    on_ = on;
    picture_ = ScaledPicture(QString::fromStdString(picture));
    update();
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QStylePainter p(this);
    QStyleOptionButton opt;
    opt.initFrom(this);
    if (isDown()) opt.state |= QStyle::State_Sunken;
    if (graphical_ || kind_ == Kind::Command) {
      // A button face in the back colour; a selected graphical check box or
      // option button stays pressed in.
      if (on_) opt.state |= QStyle::State_Sunken | QStyle::State_On;
      else opt.state |= QStyle::State_Raised;
      p.fillRect(rect(), palette().button());
      p.drawPrimitive(QStyle::PE_PanelButtonBevel, opt);
      if (graphical_) {
        if (!picture_.IsNull()) {
          const QSize size = picture_.Size();
          picture_.Draw(p, QPoint((width() - size.width()) / 2, (height() - size.height()) / 2));
        }
      } else {
        opt.text = text();
        p.drawControl(QStyle::CE_PushButtonLabel, opt);
      }
      DrawFocusFrame(p, opt);
      return;
    }
    p.fillRect(rect(), palette().window());
    opt.state |= on_ ? QStyle::State_On : QStyle::State_Off;
    opt.text = text();
    p.drawControl(kind_ == Kind::Check ? QStyle::CE_CheckBox : QStyle::CE_RadioButton, opt);
  }

 private:
  Kind kind_;
  bool graphical_ = false;
  bool on_ = false;
  ScaledPicture picture_;
};

QWidget* ParentWidget(Container* parent) { return parent ? parent->ClientWidget() : nullptr; }

// A click reaches the control only while the user could make it.
bool Clickable(const Control& c) { return c.Enabled() && c.Visible(); }

}  // namespace

// What the three share: style, pictures, the widget.
struct ButtonLook {
  ButtonWidget* widget;
  int style = 0;
  PictureName picture;
  PictureName downPicture;

  PictureName Shown(bool on) const {
    if (style != 1) return {};
    return on && !downPicture.empty() ? downPicture : picture;
  }
  void Update(bool on) const { widget->SetLook(style == 1, on, Shown(on)); }
};

// CheckBox.

struct CheckBox::Impl : QObject {
  ButtonLook look;
  int value = 0;
  String caption;
};

CheckBox::CheckBox(Container* parent)
    : Control(parent, new ButtonWidget(Kind::Check, ParentWidget(parent))), impl_(std::make_unique<Impl>()) {
  impl_->look.widget = static_cast<ButtonWidget*>(Widget());
  QObject::connect(impl_->look.widget, &QAbstractButton::clicked, impl_.get(), [this] { ClickByUser(); });
}

CheckBox::~CheckBox() { impl_.reset(); }

int CheckBox::Value() const { return impl_->value; }
void CheckBox::SetValue(int value) {
  value = value != 0 ? 1 : 0;
  if (value == impl_->value) return;
  impl_->value = value;
  impl_->look.Update(value == 1);
  RaiseEvent(Click);
}

String CheckBox::Caption() const { return impl_->caption; }
void CheckBox::SetCaption(const String& caption) {
  impl_->caption = caption;
  impl_->look.widget->setText(ToQString(caption));
}

int CheckBox::Style() const { return impl_->look.style; }
void CheckBox::SetStyle(int style) {
  impl_->look.style = style;
  impl_->look.Update(impl_->value == 1);
}
void CheckBox::SetPicture(const PictureName& picture) {
  impl_->look.picture = picture;
  impl_->look.Update(impl_->value == 1);
}
void CheckBox::SetDownPicture(const PictureName& picture) {
  impl_->look.downPicture = picture;
  impl_->look.Update(impl_->value == 1);
}
PictureName CheckBox::ShownPicture() const { return impl_->look.Shown(impl_->value == 1); }

void CheckBox::ClickByUser() {
  if (Clickable(*this)) SetValue(impl_->value == 1 ? 0 : 1);
}

// OptionButton.

struct OptionButton::Impl : QObject {
  ButtonLook look;
  bool value = false;
};

OptionButton::OptionButton(Container* parent)
    : Control(parent, new ButtonWidget(Kind::Option, ParentWidget(parent))), impl_(std::make_unique<Impl>()) {
  impl_->look.widget = static_cast<ButtonWidget*>(Widget());
  QObject::connect(impl_->look.widget, &QAbstractButton::clicked, impl_.get(), [this] { ClickByUser(); });
}

OptionButton::~OptionButton() { impl_.reset(); }

bool OptionButton::Value() const { return impl_->value; }

void OptionButton::SetValue(bool value) {
  if (value == impl_->value) return;
  if (value && Parent()) {
    // The one that loses the selection raises nothing.
    for (Control* c : Parent()->Children()) {
      auto* other = dynamic_cast<OptionButton*>(c);
      if (other && other != this && other->impl_->value) {
        other->impl_->value = false;
        other->impl_->look.Update(false);
      }
    }
  }
  impl_->value = value;
  impl_->look.Update(value);
  if (value) RaiseEvent(Click);
}

int OptionButton::Style() const { return impl_->look.style; }
void OptionButton::SetStyle(int style) {
  impl_->look.style = style;
  impl_->look.Update(impl_->value);
}
void OptionButton::SetPicture(const PictureName& picture) {
  impl_->look.picture = picture;
  impl_->look.Update(impl_->value);
}
void OptionButton::SetDownPicture(const PictureName& picture) {
  impl_->look.downPicture = picture;
  impl_->look.Update(impl_->value);
}
PictureName OptionButton::ShownPicture() const { return impl_->look.Shown(impl_->value); }

// Clicking the selected button again selects nothing new and raises nothing.
void OptionButton::ClickByUser() {
  if (Clickable(*this)) SetValue(true);
}

// CommandButton.

struct CommandButton::Impl : QObject {
  ButtonLook look;
  String caption;
};

CommandButton::CommandButton(Container* parent)
    : Control(parent, new ButtonWidget(Kind::Command, ParentWidget(parent))), impl_(std::make_unique<Impl>()) {
  impl_->look.widget = static_cast<ButtonWidget*>(Widget());
  QObject::connect(impl_->look.widget, &QAbstractButton::clicked, impl_.get(), [this] { ClickByUser(); });
}

CommandButton::~CommandButton() { impl_.reset(); }

String CommandButton::Caption() const { return impl_->caption; }
void CommandButton::SetCaption(const String& caption) {
  impl_->caption = caption;
  impl_->look.widget->setText(ToQString(caption));
}

int CommandButton::Style() const { return impl_->look.style; }
void CommandButton::SetStyle(int style) {
  impl_->look.style = style;
  impl_->look.Update(false);
}
void CommandButton::SetPicture(const PictureName& picture) {
  impl_->look.picture = picture;
  impl_->look.Update(false);
}

void CommandButton::ClickByUser() {
  if (Clickable(*this)) RaiseEvent(Click);
}

}  // namespace kovrim::vb
