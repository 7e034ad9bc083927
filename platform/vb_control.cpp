// What every control shares (geometry in twips, visibility, fonts, colours,
// tool tips, focus, MouseMove) and the three containers: form, frame and the
// stacking of a container's children.
#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QGroupBox>
#include <QIcon>
#include <QPlainTextEdit>
#include <QPointer>
#include <QScreen>
#include <QToolTip>
#include <QWidget>
#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

#include "platform/qt_picture.h"
#include "platform/qt_text.h"
#include "platform/vb.h"
#include "platform/vb_event.h"

namespace kovrim::vb {

namespace {

int Pixels(int twips) { return static_cast<int>(std::lround(twips / double(kTwipsPerPixel))); }

// True while EndProgram closes the windows: the program ends, the user did
// not close anything, so no Unload.
bool g_ending = false;

// The system colours 0x800000nn by index nn, on the nearest palette role.
struct SystemColour {
  QPalette::ColorGroup group;
  QPalette::ColorRole role;
};
constexpr std::array<SystemColour, 25> kSystemColours = {{
    {QPalette::Active, QPalette::Button},           // 0 scroll bar
    {QPalette::Active, QPalette::Highlight},        // 1 desktop
    {QPalette::Active, QPalette::Highlight},        // 2 active title bar
    {QPalette::Inactive, QPalette::Mid},            // 3 inactive title bar
    {QPalette::Active, QPalette::Window},           // 4 menu background
    {QPalette::Active, QPalette::Base},             // 5 window background
    {QPalette::Active, QPalette::Shadow},           // 6 window frame
    {QPalette::Active, QPalette::WindowText},       // 7 menu text
    {QPalette::Active, QPalette::Text},             // 8 window text
    {QPalette::Active, QPalette::HighlightedText},  // 9 title bar text
    {QPalette::Active, QPalette::Window},           // 10 active border
    {QPalette::Inactive, QPalette::Window},         // 11 inactive border
    {QPalette::Active, QPalette::Dark},             // 12 application workspace
    {QPalette::Active, QPalette::Highlight},        // 13 highlight
    {QPalette::Active, QPalette::HighlightedText},  // 14 highlighted text
    {QPalette::Active, QPalette::Button},           // 15 button face
    {QPalette::Active, QPalette::Dark},             // 16 button shadow
    {QPalette::Disabled, QPalette::Text},           // 17 grey text
    {QPalette::Active, QPalette::ButtonText},       // 18 button text
    {QPalette::Inactive, QPalette::WindowText},     // 19 inactive title bar text
    {QPalette::Active, QPalette::Light},            // 20 button highlight
    {QPalette::Active, QPalette::Shadow},           // 21 3-D dark shadow
    {QPalette::Active, QPalette::Midlight},         // 22 3-D light
    {QPalette::Active, QPalette::ToolTipText},      // 23 tool-tip text
    {QPalette::Active, QPalette::ToolTipBase},      // 24 tool-tip background
}};

bool IsSystemColour(Colour c) { return (c & 0x80000000u) != 0; }

// The light palette the window's colours were chosen against: black text on
// white, a light grey face, a dark blue highlight.
const QPalette& DesignPalette() {
  static const QPalette palette(QColor(0xF0, 0xF0, 0xF0), QColor(0xF0, 0xF0, 0xF0));
  return palette;
}

// 0x00BBGGRR, or a system colour of the given palette; nothing for an
// unknown system colour.
std::optional<QColor> ToQColor(Colour c, const QPalette& system) {
  if (IsSystemColour(c)) {
    const Colour index = c & 0x7FFFFFFFu;
    if (index >= kSystemColours.size()) return std::nullopt;
    const SystemColour& s = kSystemColours[index];
    return system.color(s.group, s.role);
  }
  return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF));
}

// The palette roles a widget paints its back and fore colour with.
struct ColourRoles {
  std::vector<QPalette::ColorRole> back;
  std::vector<QPalette::ColorRole> fore;
  bool fillsBackground;  // the widget's own background must be switched on
};

ColourRoles RolesOf(const QWidget* w) {
  if (qobject_cast<const QPlainTextEdit*>(w) || qobject_cast<const QComboBox*>(w))
    return {{QPalette::Base, QPalette::Button}, {QPalette::Text, QPalette::ButtonText}, false};
  if (qobject_cast<const QAbstractButton*>(w))
    return {{QPalette::Button, QPalette::Window}, {QPalette::ButtonText, QPalette::WindowText}, false};
  return {{QPalette::Window}, {QPalette::WindowText}, true};
}

// Colours are the control's own: a container's colour must not seep into
// its children, so every child holds its roles explicitly from the start.
void PinPalette(QWidget* w) {
  QPalette pal = w->palette();
  for (QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
    for (QPalette::ColorRole r : {QPalette::Window, QPalette::WindowText, QPalette::Base,
                                  QPalette::Text, QPalette::Button, QPalette::ButtonText})
      pal.setBrush(g, r, pal.brush(g, r));
  w->setPalette(pal);
}

Control* OwnerOf(const QWidget* w);

// MouseMove for the control that owns the widget under the mouse; a disabled
// control passes it to its container, as the classic desktop does.
class MouseMoveFilter : public QObject {
 public:
  explicit MouseMoveFilter(Control* owner) : owner_(owner) {}
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::MouseMove) {
      Control* c = owner_;
      while (c && !c->Widget()->isEnabled()) c = c->Parent();
      if (c) RaiseEvent(c->MouseMove);
    }
    return false;
  }

 private:
  Control* owner_;
};

const char* const kOwnerProperty = "kovrimControl";

Control* OwnerOf(const QWidget* w) {
  for (; w; w = w->parentWidget()) {
    const QVariant v = w->property(kOwnerProperty);
    if (v.isValid()) return static_cast<Control*>(v.value<void*>());
  }
  return nullptr;
}

}  // namespace

struct Control::State {
  Container* parent = nullptr;
  QPointer<QWidget> widget;
  std::vector<Control*> children;
  int left = 0, top = 0, width = 0, height = 0;
  bool visible = true;
  bool enabled = true;
  bool rightToLeft = false;
  int tabIndex = 0;
  String toolTip;
  String fontName;
  float fontSize = 0;
  bool fontBold = false;
  int fontCharset = 0;
  Colour back = 0x8000000F;  // button face
  Colour fore = 0x80000012;  // button text
  bool coloured = false;    // a colour was set: the widget shows both
  bool backColoured = false;
  ColourRoles roles;
  std::unique_ptr<MouseMoveFilter> mouseFilter;

  // A system colour set beside a fixed one is taken from the light palette
  // the pair was chosen against, so that it stays readable under a dark
  // theme (light cyan with the system's text colour would be white on
  // light cyan there).  A pair of system colours follows the system.
  void ApplyColours() {
    if (!widget || !coloured) return;
    const bool mixed = IsSystemColour(back) != IsSystemColour(fore);
    const QPalette system = mixed ? DesignPalette() : QApplication::palette();
    QPalette pal = widget->palette();
    if (const auto c = ToQColor(back, system))
      for (QPalette::ColorRole r : roles.back) pal.setColor(r, *c);
    if (const auto c = ToQColor(fore, system))
      for (QPalette::ColorRole r : roles.fore) pal.setColor(r, *c);
    widget->setPalette(pal);
    if (backColoured && roles.fillsBackground) widget->setAutoFillBackground(true);
  }
};

Control::Control(Container* parent, QWidget* widget) : state_(std::make_unique<State>()) {
  State& s = *state_;
  s.parent = parent;
  s.widget = widget;
  if (parent) parent->state_->children.push_back(this);
  widget->setProperty(kOwnerProperty, QVariant::fromValue<void*>(this));

  const QRect g = widget->geometry();
  s.left = g.x() * kTwipsPerPixel;
  s.top = g.y() * kTwipsPerPixel;
  s.width = g.width() * kTwipsPerPixel;
  s.height = g.height() * kTwipsPerPixel;
  const QFont f = widget->font();
  s.fontName = FromQString(f.family());
  s.fontSize = float(f.pointSizeF());
  s.fontBold = f.bold();
  s.roles = RolesOf(widget);

  // Reading order is each control's own, never inherited from the container.
  widget->setLayoutDirection(Qt::LeftToRight);
  PinPalette(widget);

  // MouseMove on movement alone, raised by the control under the mouse and
  // never passed on to its container.
  s.mouseFilter = std::make_unique<MouseMoveFilter>(this);
  QList<QWidget*> parts = widget->findChildren<QWidget*>();
  parts.prepend(widget);
  for (QWidget* part : parts) {
    part->setMouseTracking(true);
    part->setAttribute(Qt::WA_NoMousePropagation);
    part->installEventFilter(s.mouseFilter.get());
  }

  if (widget->isWindow()) {
    s.visible = false;
  } else {
    widget->show();  // shown with its container
  }
}

Control::~Control() {
  State& s = *state_;
  s.mouseFilter.reset();
  for (Control* child : s.children) child->state_->parent = nullptr;
  if (s.parent) {
    auto& siblings = s.parent->state_->children;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
  }
  delete s.widget.data();  // already gone when the container went first
}

QWidget* Control::Widget() const { return state_->widget; }
Container* Control::Parent() const { return state_->parent; }

void Control::SetClassColours(Colour back, Colour fore) {
  state_->back = back;
  state_->fore = fore;
}

int Control::Left() const { return state_->left; }
int Control::Top() const { return state_->top; }
int Control::Width() const { return state_->width; }
int Control::Height() const { return state_->height; }
void Control::SetLeft(int twips) { Move(twips, state_->top, state_->width, state_->height); }
void Control::SetTop(int twips) { Move(state_->left, twips, state_->width, state_->height); }
void Control::SetWidth(int twips) { Move(state_->left, state_->top, twips, state_->height); }
void Control::SetHeight(int twips) { Move(state_->left, state_->top, state_->width, twips); }

void Control::Move(int left, int top, int width, int height) {
  State& s = *state_;
  s.left = left;
  s.top = top;
  s.width = std::max(0, width);
  s.height = std::max(0, height);
  if (!s.widget) return;
  if (s.widget->isWindow()) {
    // Every control keeps its place whatever the window's size, so the
    // window keeps the size it is given: equal minimum and maximum sizes,
    // which window managers read as a window that cannot be resized.
    s.widget->move(Pixels(s.left), Pixels(s.top));
    s.widget->setFixedSize(Pixels(s.width), Pixels(s.height));
  } else {
    s.widget->setGeometry(Pixels(s.left), Pixels(s.top), Pixels(s.width), Pixels(s.height));
  }
}

bool Control::Visible() const { return state_->visible; }
void Control::SetVisible(bool visible) {
  state_->visible = visible;
  if (state_->widget) state_->widget->setVisible(visible);
}

bool Control::Enabled() const { return state_->enabled; }
void Control::SetEnabled(bool enabled) {
  state_->enabled = enabled;
  if (state_->widget) state_->widget->setEnabled(enabled);
}

String Control::ToolTipText() const { return state_->toolTip; }
void Control::SetToolTipText(const String& tip) {
  state_->toolTip = tip;
  if (state_->widget) state_->widget->setToolTip(ToQString(tip));
}

bool Control::RightToLeft() const { return state_->rightToLeft; }
void Control::SetRightToLeft(bool rtl) {
  state_->rightToLeft = rtl;
  if (state_->widget) state_->widget->setLayoutDirection(rtl ? Qt::RightToLeft : Qt::LeftToRight);
}

int Control::TabIndex() const { return state_->tabIndex; }
void Control::SetTabIndex(int index) { state_->tabIndex = index; }

void Control::SetFocus() {
  if (state_->widget) state_->widget->setFocus(Qt::OtherFocusReason);
}

// The control the window's keyboard focus is on, whether or not the window
// is active at the moment.
bool Control::HasFocus() const {
  if (!state_->widget) return false;
  const QWidget* focus = state_->widget->window()->focusWidget();
  return focus && OwnerOf(focus) == this;
}

void Control::ShowTip(const String& text) {
  QWidget* w = state_->widget;
  if (!w) return;
  QToolTip::showText(w->mapToGlobal(QPoint(w->width() / 2, w->height())), ToQString(text), w);
}

String Control::FontName() const { return state_->fontName; }
void Control::SetFontName(const String& name) {
  state_->fontName = name;
  if (!state_->widget) return;
  QFont f = state_->widget->font();
  f.setFamily(ToQString(name));  // Qt substitutes a font that is not installed
  state_->widget->setFont(f);
}

float Control::FontSize() const { return state_->fontSize; }
void Control::SetFontSize(float points) {
  state_->fontSize = points;
  if (!state_->widget || !(points > 0)) return;
  QFont f = state_->widget->font();
  f.setPointSizeF(points);
  state_->widget->setFont(f);
}

bool Control::FontBold() const { return state_->fontBold; }
void Control::SetFontBold(bool bold) {
  state_->fontBold = bold;
  if (!state_->widget) return;
  QFont f = state_->widget->font();
  f.setBold(bold);
  state_->widget->setFont(f);
}

int Control::FontCharset() const { return state_->fontCharset; }
void Control::SetFontCharset(int charset) { state_->fontCharset = charset; }

Colour Control::ForeColor() const { return state_->fore; }
void Control::SetForeColor(Colour colour) {
  state_->fore = colour;
  state_->coloured = true;
  state_->ApplyColours();
}

Colour Control::BackColor() const { return state_->back; }
void Control::SetBackColor(Colour colour) {
  state_->back = colour;
  state_->coloured = true;
  state_->backColoured = true;
  state_->ApplyColours();
}

// Container.

QWidget* Container::ClientWidget() const { return Widget(); }

std::vector<Control*> Container::Children() const { return state_->children; }

void Container::SetStackingOrder(const std::vector<Control*>& frontToBack) {
  const std::vector<Control*> children = Children();
  auto listed = [&](Control* c) {
    return std::find(frontToBack.begin(), frontToBack.end(), c) != frontToBack.end();
  };
  auto isImage = [](Control* c) { return dynamic_cast<Image*>(c) != nullptr; };
  // Raised from the back: the last one raised lies in front.  Images first,
  // so that every windowed child lies over every image.
  for (bool images : {true, false}) {
    for (Control* c : children)
      if (isImage(c) == images && !listed(c)) c->Widget()->raise();
    for (auto it = frontToBack.rbegin(); it != frontToBack.rend(); ++it)
      if ((*it)->Parent() == this && isImage(*it) == images) (*it)->Widget()->raise();
  }
}

// Form.

struct Form::Impl : QObject {
  explicit Impl(Form* form) : form_(form) {}
  bool eventFilter(QObject*, QEvent* event) override {
    // The show event comes before the window is mapped.
    if (event->type() == QEvent::Show) form_->LoadWindow();
    if (event->type() == QEvent::Close && !g_ending) RaiseEvent(form_->Unload);
    return false;
  }
  Form* form_;
  String caption;
  bool loaded = false;
};

Form::Form() : Container(nullptr, new QWidget(nullptr)), impl_(std::make_unique<Impl>(this)) {
  Widget()->installEventFilter(impl_.get());
  // A title bar with the system menu, minimise and close, but no maximise:
  // the window has one size.
  Widget()->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                           Qt::WindowCloseButtonHint);
}

Form::~Form() { impl_.reset(); }

String Form::Caption() const { return impl_->caption; }
void Form::SetCaption(const String& caption) {
  impl_->caption = caption;
  Widget()->setWindowTitle(ToQString(caption));
}

void Form::SetClientSize(int widthTwips, int heightTwips) {
  SetWidth(widthTwips);
  SetHeight(heightTwips);
}

void Form::SetIcon(const PictureName& picture) {
  const QIcon icon = ScaledPicture(QString::fromStdString(picture)).Icon();
  Widget()->setWindowIcon(icon);
  QApplication::setWindowIcon(icon);
}

void Form::ApplyTabOrder() {
  std::vector<Control*> all;
  std::vector<Control*> pending = Children();
  while (!pending.empty()) {
    Control* c = pending.back();
    pending.pop_back();
    if (dynamic_cast<Image*>(c) || !(c->Widget()->focusPolicy() & Qt::TabFocus)) {
      // takes no focus itself
    } else {
      all.push_back(c);
    }
    if (auto* container = dynamic_cast<Container*>(c)) {
      const auto inner = container->Children();
      pending.insert(pending.end(), inner.begin(), inner.end());
    }
  }
  std::stable_sort(all.begin(), all.end(),
                   [](Control* a, Control* b) { return a->TabIndex() < b->TabIndex(); });
  for (size_t i = 1; i < all.size(); ++i) QWidget::setTabOrder(all[i - 1]->Widget(), all[i]->Widget());
}

void Form::LoadWindow() {
  if (impl_->loaded) return;
  impl_->loaded = true;
  RaiseEvent(Load);
}

void Form::ShowCentred() {
  LoadWindow();  // before the centre is taken: Load may resize the window
  QWidget* w = Widget();
  if (QScreen* screen = w->screen() ? w->screen() : QGuiApplication::primaryScreen()) {
    const QRect area = screen->availableGeometry();
    w->move(area.center() - QPoint(w->width() / 2, w->height() / 2));
  }
  SetVisible(true);
  w->raise();
  w->activateWindow();
}

// Frame.

Frame::Frame(Container* parent) : Container(parent, new QGroupBox(parent ? parent->ClientWidget() : nullptr)) {
  SetClassColours(0x8000000F, 0x80000012);
}

String Frame::Caption() const { return FromQString(static_cast<QGroupBox*>(Widget())->title()); }
void Frame::SetCaption(const String& caption) { static_cast<QGroupBox*>(Widget())->setTitle(ToQString(caption)); }

// The program as a whole.

void EndProgram() {
  g_ending = true;
  QApplication::closeAllWindows();
  g_ending = false;
  QCoreApplication::quit();
}

void Beep() { QApplication::beep(); }

}  // namespace kovrim::vb
