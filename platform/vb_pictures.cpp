// The picture box (a container that shows a picture and takes keys) and the
// image control (a picture drawn on its container's surface).
#include <QEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEngine>
#include <QPainter>
#include <QPen>
#include <QPixmap>
#include <QWidget>
#include <qdrawutil.h>

#include "platform/keyboard.h"
#include "platform/qt_picture.h"
#include "platform/vb.h"
#include "platform/vb_event.h"

namespace kovrim::vb {

// ScaledPicture.

namespace {

// The drawing at twice the size of the picture in `name`: "@2x" before the
// suffix, with the picture's own suffix or as a PNG.  One of any other size
// is left out, as it would not fit where the picture stands.
QPixmap LoadDoubleSize(const QString& name, const QSize& size) {
  const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
  const bool hasSuffix = dot > name.lastIndexOf(QLatin1Char('/'));
  const QString stem = (hasSuffix ? name.left(dot) : name) + QStringLiteral("@2x");
  for (const QString& suffix : {hasSuffix ? name.mid(dot) : QString(), QStringLiteral(".png")}) {
    QPixmap pixmap(stem + suffix);
    if (pixmap.isNull()) continue;
    if (pixmap.size() != 2 * size) return {};
    pixmap.setDevicePixelRatio(2);
    return pixmap;
  }
  return {};
}

// The pixel ratio of the device painted on: the window's backing store on
// screen, the pixmap of QWidget::grab or QWidget::render.  QPainter::device()
// would name the widget, whose ratio is its screen's.
qreal DeviceRatio(const QPainter& painter) {
  const QPaintEngine* engine = painter.paintEngine();
  const QPaintDevice* device = engine && engine->paintDevice() ? engine->paintDevice() : painter.device();
  return device->devicePixelRatioF();
}

}  // namespace

ScaledPicture::ScaledPicture(const QString& name) : one_(name) {
  if (!one_.isNull()) two_ = LoadDoubleSize(name, one_.size());
}

QPixmap ScaledPicture::For(qreal devicePixelRatio) const {
  if (devicePixelRatio <= 1 || two_.isNull()) return one_;
  if (qFuzzyCompare(devicePixelRatio, 2)) return two_;
  if (other_.isNull() || !qFuzzyCompare(other_.devicePixelRatio(), devicePixelRatio)) {
    const QSize pixels(qRound(one_.width() * devicePixelRatio), qRound(one_.height() * devicePixelRatio));
    other_ = two_.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    other_.setDevicePixelRatio(devicePixelRatio);
  }
  return other_;
}

void ScaledPicture::Draw(QPainter& painter, const QPoint& at) const { Draw(painter, QRect(at, Size())); }

void ScaledPicture::Draw(QPainter& painter, const QRect& target) const {
  if (IsNull()) return;
  const qreal ratio = DeviceRatio(painter);
  const QPixmap pixmap = For(ratio);
  // Resampled only where its pixels do not meet the device's one to one.
  const bool oneToOne = QSizeF(pixmap.size()) == QSizeF(target.size()) * ratio;
  painter.save();
  painter.setRenderHint(QPainter::SmoothPixmapTransform, !oneToOne);
  painter.drawPixmap(target, pixmap);
  painter.restore();
}

QIcon ScaledPicture::Icon() const {
  QIcon icon(one_);
  if (!two_.isNull()) {
    QPixmap pixels = two_;
    pixels.setDevicePixelRatio(1);
    icon.addPixmap(pixels);
  }
  return icon;
}

namespace {

QWidget* ParentWidget(Container* parent) { return parent ? parent->ClientWidget() : nullptr; }

constexpr int kBorderPixels = 2;

class PictureWidget : public QWidget {
 public:
  explicit PictureWidget(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setAutoFillBackground(true);
  }
  ScaledPicture picture;
  bool border = true;

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    const int b = border ? kBorderPixels : 0;
    if (!picture.IsNull()) {
      p.setClipRect(rect().adjusted(b, b, -b, -b));
      picture.Draw(p, QPoint(b, b));
      p.setClipping(false);
    }
    if (hasFocus()) {
      // The box that holds the keys shows it: a box without a picture (the
      // key-capture box) fills with the highlight colour, and every box is
      // framed in it in place of its border.
      const QColor highlight = palette().color(QPalette::Active, QPalette::Highlight);
      if (picture.IsNull()) p.fillRect(rect(), highlight);
      p.setPen(QPen(highlight, kBorderPixels));
      p.setBrush(Qt::NoBrush);
      p.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    } else if (border) {
      DrawSunkenBorder(p);
    }
  }

 private:
  // qDrawWinPanel draws its lines one pixel wide centred on whole
  // coordinates, which on a scaled device puts them half a pixel up and left
  // of the pixels they stand for: a gap of the background inside the frame,
  // the picture's last row and column covered.  Moved by half a pixel they
  // fill those pixels again; at 1x the lines are left as Qt draws them.
  void DrawSunkenBorder(QPainter& p) const {
    p.save();
    if (!qFuzzyCompare(DeviceRatio(p), 1)) p.translate(0.5, 0.5);
    qDrawWinPanel(&p, rect(), palette(), true);
    p.restore();
  }
};

class ImageWidget : public QWidget {
 public:
  explicit ImageWidget(QWidget* parent) : QWidget(parent) { setFocusPolicy(Qt::NoFocus); }
  ScaledPicture picture;
  bool stretch = false;

 protected:
  void paintEvent(QPaintEvent*) override {
    if (picture.IsNull()) return;
    QPainter p(this);
    if (stretch) {
      picture.Draw(p, rect());
    } else {
      picture.Draw(p, QPoint(0, 0));  // clipped to the control
    }
  }
};

// Click: a left-button release, but not the one that ends a double click.
class ClickFilter : public QObject {
 public:
  explicit ClickFilter(Handler* click) : click_(click) {}
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::MouseButtonDblClick) {
      skip_ = true;
    } else if (event->type() == QEvent::MouseButtonRelease &&
               static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
      if (skip_) {
        skip_ = false;
      } else {
        RaiseEvent(*click_);
      }
    }
    return false;
  }

 private:
  Handler* click_;
  bool skip_ = false;
};

}  // namespace

// PictureBox.

struct PictureBox::Impl : ClickFilter {
  Impl(PictureBox* box, PictureWidget* w) : ClickFilter(&box->Click), box_(box), widget(w) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::FocusOut) keys.Reset();  // an accent waits in the box that has the keys
    if (event->type() != QEvent::KeyPress) return ClickFilter::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    // Tab moves the focus on, as from any other control.
    if ((key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) &&
        !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
      return false;
    // Every key press, auto-repeat included: KeyDown, then one KeyPress per
    // typed character that Windows-1256 can hold.
    const KeyStroke k = keys.TranslateEvent(*key);
    RaiseEvent(box_->KeyDown, k.keyCode, k.shift);
    for (int ascii : k.keyAscii) RaiseEvent(box_->KeyPress, ascii);
    return true;  // taken here, not passed on to the container
  }

  void Fit() {
    if (!autoSize || widget->picture.IsNull()) return;
    const int b = widget->border ? 2 * kBorderPixels : 0;
    box_->SetWidth((widget->picture.Size().width() + b) * kTwipsPerPixel);
    box_->SetHeight((widget->picture.Size().height() + b) * kTwipsPerPixel);
  }

  PictureBox* box_;
  PictureWidget* widget;
  KeyTranslator keys;  // the box takes raw keys: dead keys wait here
  bool autoSize = false;
};

PictureBox::PictureBox(Container* parent) : Container(parent, new PictureWidget(ParentWidget(parent))) {
  impl_ = std::make_unique<Impl>(this, static_cast<PictureWidget*>(Widget()));
  Widget()->installEventFilter(impl_.get());
}

PictureBox::~PictureBox() { impl_.reset(); }

void PictureBox::SetPicture(const PictureName& picture) {
  impl_->widget->picture = ScaledPicture(QString::fromStdString(picture));
  impl_->widget->update();
  impl_->Fit();
}

void PictureBox::SetAutoSize(bool autoSize) {
  impl_->autoSize = autoSize;
  impl_->Fit();
}

void PictureBox::SetBorder(bool border) {
  impl_->widget->border = border;
  impl_->widget->update();
  impl_->Fit();
}

// Image.

struct Image::Impl : ClickFilter {
  Impl(Image* image, ImageWidget* w) : ClickFilter(&image->Click), widget(w) {}
  ImageWidget* widget;
};

Image::Image(Container* parent) : Control(parent, new ImageWidget(ParentWidget(parent))) {
  impl_ = std::make_unique<Impl>(this, static_cast<ImageWidget*>(Widget()));
  Widget()->installEventFilter(impl_.get());
  Widget()->lower();  // beneath the windowed children of the container
}

Image::~Image() { impl_.reset(); }

void Image::SetPicture(const PictureName& picture) {
  impl_->widget->picture = ScaledPicture(QString::fromStdString(picture));
  impl_->widget->update();
}

void Image::SetStretch(bool stretch) {
  impl_->widget->stretch = stretch;
  impl_->widget->update();
}

}  // namespace kovrim::vb
