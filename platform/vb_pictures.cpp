// The picture box (a container that shows a picture and takes keys) and the
// image control (a picture drawn on its container's surface).
#include <QEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPen>
#include <QPixmap>
#include <QWidget>
#include <qdrawutil.h>

#include "platform/keyboard.h"
#include "platform/vb.h"

namespace kovrim::vb {

namespace {

QWidget* ParentWidget(Container* parent) { return parent ? parent->ClientWidget() : nullptr; }

constexpr int kBorderPixels = 2;

class PictureWidget : public QWidget {
 public:
  explicit PictureWidget(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setAutoFillBackground(true);
  }
  QPixmap picture;
  bool border = true;

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    const int b = border ? kBorderPixels : 0;
    if (!picture.isNull()) {
      p.setClipRect(rect().adjusted(b, b, -b, -b));
      p.drawPixmap(b, b, picture);
      p.setClipping(false);
    }
    if (hasFocus()) {
      // The box that holds the keys shows it: a box without a picture (the
      // key-capture box) fills with the highlight colour, and every box is
      // framed in it in place of its border.
      const QColor highlight = palette().color(QPalette::Active, QPalette::Highlight);
      if (picture.isNull()) p.fillRect(rect(), highlight);
      p.setPen(QPen(highlight, kBorderPixels));
      p.setBrush(Qt::NoBrush);
      p.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    } else if (border) {
      qDrawWinPanel(&p, rect(), palette(), true);
    }
  }
};

class ImageWidget : public QWidget {
 public:
  explicit ImageWidget(QWidget* parent) : QWidget(parent) { setFocusPolicy(Qt::NoFocus); }
  QPixmap picture;
  bool stretch = false;

 protected:
  void paintEvent(QPaintEvent*) override {
    if (picture.isNull()) return;
    QPainter p(this);
    if (stretch) {
      p.setRenderHint(QPainter::SmoothPixmapTransform);
      p.drawPixmap(rect(), picture);
    } else {
      p.drawPixmap(0, 0, picture);  // clipped to the control
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
      } else if (*click_) {
        Handler h = *click_;
        h();
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
    if (event->type() != QEvent::KeyPress) return ClickFilter::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    // Tab moves the focus on, as from any other control.
    if ((key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) &&
        !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
      return false;
    // Every key press, auto-repeat included: KeyDown, then one KeyPress per
    // typed character that Windows-1256 can hold.
    const KeyStroke k = TranslateKeyEvent(*key);
    if (box_->KeyDown) {
      KeyHandler h = box_->KeyDown;
      h(k.keyCode, k.shift);
    }
    for (int ascii : k.keyAscii) {
      if (box_->KeyPress) {
        KeyPressHandler h = box_->KeyPress;
        h(ascii);
      }
    }
    return true;  // taken here, not passed on to the container
  }

  void Fit() {
    if (!autoSize || widget->picture.isNull()) return;
    const int b = widget->border ? 2 * kBorderPixels : 0;
    box_->SetWidth((widget->picture.width() + b) * kTwipsPerPixel);
    box_->SetHeight((widget->picture.height() + b) * kTwipsPerPixel);
  }

  PictureBox* box_;
  PictureWidget* widget;
  bool autoSize = false;
};

PictureBox::PictureBox(Container* parent) : Container(parent, new PictureWidget(ParentWidget(parent))) {
  impl_ = std::make_unique<Impl>(this, static_cast<PictureWidget*>(Widget()));
  Widget()->installEventFilter(impl_.get());
}

PictureBox::~PictureBox() { impl_.reset(); }

void PictureBox::SetPicture(const PictureName& picture) {
  impl_->widget->picture = picture.empty() ? QPixmap() : QPixmap(QString::fromStdString(picture));
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
  impl_->widget->picture = picture.empty() ? QPixmap() : QPixmap(QString::fromStdString(picture));
  impl_->widget->update();
}

void Image::SetStretch(bool stretch) {
  impl_->widget->stretch = stretch;
  impl_->widget->update();
}

}  // namespace kovrim::vb
