// Pictures on scaled screens: every control that shows a picture draws its
// drawing at twice the size, pixel for pixel, on a device of pixel ratio 2,
// resamples that drawing at 1.5x, and draws the 1x file unchanged at 1x.
#include <QDir>
#include <QImage>
#include <QPixmap>
#include <QTemporaryDir>
#include <QWidget>
#include <functional>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "platform/vb.h"

namespace kovrim::vb {
namespace {

constexpr QRgb kRed = 0xFFFF0000;
constexpr QRgb kBlue = 0xFF0000FF;

// The 1x picture is plain red; its drawing at twice the size is a red and
// blue checkerboard of single pixels, which no enlargement of the 1x makes.
QImage OneX() {
  QImage image(6, 4, QImage::Format_RGB32);
  image.fill(kRed);
  return image;
}

QImage TwoX(const QSize& size = QSize(12, 8)) {
  QImage image(size, QImage::Format_RGB32);
  for (int y = 0; y < size.height(); ++y) {
    for (int x = 0; x < size.width(); ++x) image.setPixel(x, y, (x + y) % 2 ? kBlue : kRed);
  }
  return image;
}

// Where `part` stands in `whole` pixel for pixel.
bool Contains(const QImage& whole, const QImage& part) {
  const QImage w = whole.convertToFormat(QImage::Format_RGB32);
  const QImage p = part.convertToFormat(QImage::Format_RGB32);
  for (int top = 0; top + p.height() <= w.height(); ++top) {
    for (int left = 0; left + p.width() <= w.width(); ++left) {
      if (w.copy(left, top, p.width(), p.height()) == p) return true;
    }
  }
  return false;
}

// A pixel mixed of the checkerboard's red and blue: purple.
bool HasPurple(const QImage& image) {
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QColor c = image.pixelColor(x, y);
      if (c.red() > 60 && c.blue() > 60 && c.green() < 40) return true;
    }
  }
  return false;
}

// The control as painted on a device of that pixel ratio.
QImage Paint(QWidget* widget, qreal ratio) {
  QPixmap pixmap(widget->size() * ratio);
  pixmap.setDevicePixelRatio(ratio);
  pixmap.fill(Qt::white);
  widget->render(&pixmap);
  QImage image = pixmap.toImage();
  image.setDevicePixelRatio(1);
  return image;
}

class PicturesTest : public ::testing::Test {
 protected:
  PicturesTest() {
    EXPECT_TRUE(OneX().save(dir.filePath(QStringLiteral("mark.bmp")), "BMP"));
    EXPECT_TRUE(TwoX().save(dir.filePath(QStringLiteral("mark@2x.png")), "PNG"));
    form.ShowCentred();
  }
  PictureName Mark() const { return dir.filePath(QStringLiteral("mark.bmp")).toStdString(); }

  QTemporaryDir dir;
  Form form;
};

// A control of each kind that shows a picture, showing `picture`.
struct Shown {
  const char* kind;
  std::function<std::shared_ptr<Control>(Form&, const PictureName&)> make;
};

template <typename Button>
std::shared_ptr<Control> MakeButton(Form& form, const PictureName& picture) {
  auto button = std::make_shared<Button>(&form);
  button->Move(150, 150, 40 * kTwipsPerPixel, 20 * kTwipsPerPixel);
  button->SetStyle(1);
  button->SetPicture(picture);
  return button;
}

const Shown kControls[] = {
    {"check box", MakeButton<CheckBox>},
    {"option button", MakeButton<OptionButton>},
    {"command button", MakeButton<CommandButton>},
    {"picture box",
     [](Form& form, const PictureName& picture) -> std::shared_ptr<Control> {
       auto box = std::make_shared<PictureBox>(&form);
       box->Move(150, 900, 300, 300);
       box->SetAutoSize(true);
       box->SetPicture(picture);
       return box;
     }},
    {"image",
     [](Form& form, const PictureName& picture) -> std::shared_ptr<Control> {
       auto image = std::make_shared<Image>(&form);
       image->Move(900, 900, 600, 600);
       image->SetPicture(picture);
       return image;
     }},
};

TEST_F(PicturesTest, EachControlDrawsTheDrawingForItsScreensScale) {
  for (const Shown& shown : kControls) {
    SCOPED_TRACE(shown.kind);
    const auto control = shown.make(form, Mark());
    QWidget* widget = control->Widget();

    const QImage twoX = Paint(widget, 2);
    EXPECT_EQ(twoX.size(), 2 * widget->size());
    EXPECT_TRUE(Contains(twoX, TwoX())) << "the 2x drawing, pixel for pixel";

    EXPECT_TRUE(HasPurple(Paint(widget, 1.5))) << "the 2x drawing resampled";

    const QImage oneX = Paint(widget, 1);
    EXPECT_TRUE(Contains(oneX, OneX()));
    EXPECT_FALSE(HasPurple(oneX));
  }
}

// A drawing that is not twice the size would not fit where the picture
// stands: the 1x file is drawn, enlarged, at the picture's size.
TEST_F(PicturesTest, ADrawingOfAnotherSizeIsLeftOut) {
  ASSERT_TRUE(OneX().save(dir.filePath(QStringLiteral("odd.bmp")), "BMP"));
  ASSERT_TRUE(TwoX(QSize(13, 8)).save(dir.filePath(QStringLiteral("odd@2x.png")), "PNG"));
  PictureBox box{&form};
  box.SetBorder(false);
  box.SetAutoSize(true);
  box.SetPicture(dir.filePath(QStringLiteral("odd.bmp")).toStdString());
  EXPECT_EQ(box.Widget()->size(), OneX().size());
  const QImage painted = Paint(box.Widget(), 2);
  EXPECT_FALSE(HasPurple(painted));
  QImage red(12, 8, QImage::Format_RGB32);
  red.fill(kRed);
  EXPECT_TRUE(Contains(painted, red));
}

}  // namespace
}  // namespace kovrim::vb
