// The embedded pictures: every one is there, in its file format and at the
// size the window's layout is built around, and on the right colour.
#include <QColor>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QSet>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "assets/names.h"

namespace kovrim::assets {
namespace {

enum class Kind { Bitmap24, Jpeg, Png256, Ico256 };

struct Picture {
  const char* name;
  int width;
  int height;
  Kind kind;
};

const Picture kPictures[] = {
    {kIcon, 64, 64, Kind::Png256},
    {kIconIco, 64, 64, Kind::Ico256},
    {kPictureCommand2, 45, 13, Kind::Bitmap24},
    {kPictureCommand1, 38, 13, Kind::Bitmap24},
    {kPictureCommand3, 47, 15, Kind::Bitmap24},
    {kPictureCheck2, 66, 17, Kind::Bitmap24},
    {kPictureCheck2Down, 67, 17, Kind::Bitmap24},
    {kPictureCheck1, 83, 17, Kind::Bitmap24},
    {kPictureCheck1Down, 82, 17, Kind::Bitmap24},
    {kPicturePicture22, 25, 23, Kind::Bitmap24},
    {kPicturePicture2, 25, 23, Kind::Bitmap24},
    {kPictureOption1, 107, 25, Kind::Bitmap24},
    {kPictureOption1Down, 107, 25, Kind::Bitmap24},
    {kPictureOption2, 107, 25, Kind::Bitmap24},
    {kPictureOption2Down, 108, 25, Kind::Bitmap24},
    {kPictureOption3, 107, 25, Kind::Bitmap24},
    {kPictureOption3Down, 107, 25, Kind::Bitmap24},
    {kPictureOption4, 107, 25, Kind::Bitmap24},
    {kPictureOption4Down, 108, 25, Kind::Bitmap24},
    {kPictureImage5, 72, 14, Kind::Bitmap24},
    {kPicturePicture4, 175, 131, Kind::Jpeg},
    {kPictureImage0, 450, 140, Kind::Bitmap24},
    {kPictureImage1, 440, 126, Kind::Bitmap24},
    {kPictureImage2, 439, 127, Kind::Bitmap24},
    {kPictureImage3, 440, 137, Kind::Bitmap24},
    {kPictureImage4, 439, 127, Kind::Bitmap24},
    {kPicturePicture5, 438, 129, Kind::Bitmap24},
    {kPicturePicture3, 476, 16, Kind::Bitmap24},
};

QByteArray Bytes(const char* name) {
  QFile file(QString::fromUtf8(name));
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

unsigned Little16(const QByteArray& bytes, int at) {
  return static_cast<unsigned char>(bytes[at]) | static_cast<unsigned char>(bytes[at + 1]) << 8;
}

// Beside each picture its drawing at twice the size for scaled screens,
// "name@2x.png" (the photograph "picture4@2x.jpg"); the program file's icon
// has one size.
QString DoubleSizeName(const Picture& picture) {
  const QString name = QString::fromUtf8(picture.name);
  const QString stem = name.left(name.lastIndexOf(QLatin1Char('.'))) + QStringLiteral("@2x");
  return stem + (picture.kind == Kind::Jpeg ? QStringLiteral(".jpg") : QStringLiteral(".png"));
}

TEST(AssetsTest, TheResourcesAreExactlyThePicturesNamed) {
  QSet<QString> embedded;
  for (QDirIterator it(QStringLiteral(":/pictures")); it.hasNext();) embedded.insert(it.next());
  QSet<QString> named;
  for (const Picture& picture : kPictures) {
    named.insert(QString::fromUtf8(picture.name));
    if (picture.kind != Kind::Ico256) named.insert(DoubleSizeName(picture));
  }
  EXPECT_EQ(embedded, named);
}

class PictureTest : public ::testing::TestWithParam<Picture> {};

TEST_P(PictureTest, LoadsAtItsSizeInItsFormat) {
  const Picture& picture = GetParam();
  QImageReader reader(QString::fromUtf8(picture.name));
  const QByteArray format = reader.format();  // read() closes the file
  const QImage image = reader.read();
  ASSERT_FALSE(image.isNull()) << reader.errorString().toStdString();
  EXPECT_EQ(image.width(), picture.width);
  EXPECT_EQ(image.height(), picture.height);

  const QByteArray bytes = Bytes(picture.name);
  ASSERT_GE(bytes.size(), 32);
  switch (picture.kind) {
    case Kind::Bitmap24:
      EXPECT_EQ(format, "bmp");
      EXPECT_EQ(Little16(bytes, 28), 24u) << "bits per pixel";
      EXPECT_EQ(Little16(bytes, 30), 0u) << "uncompressed";
      break;
    case Kind::Jpeg:
      EXPECT_EQ(format, "jpeg");
      break;
    case Kind::Png256:
      EXPECT_EQ(format, "png");
      EXPECT_EQ(image.format(), QImage::Format_Indexed8);
      EXPECT_LE(image.colorCount(), 256);
      break;
    case Kind::Ico256:
      EXPECT_EQ(format, "ico");
      EXPECT_EQ(Little16(bytes, 12), 8u) << "bits per pixel of the icon's one image";
      break;
  }
}

// The drawing at twice the size is the same picture: halved, it differs from
// the 1x picture only by the finer edges of its text and curves.
class DoubleSizeTest : public ::testing::TestWithParam<Picture> {};

TEST_P(DoubleSizeTest, IsThePictureAtTwiceTheSize) {
  const Picture& picture = GetParam();
  const QImage twice(DoubleSizeName(picture));
  ASSERT_FALSE(twice.isNull());
  EXPECT_EQ(twice.size(), QSize(2 * picture.width, 2 * picture.height));
  EXPECT_EQ(twice.devicePixelRatio(), 2.0) << "Qt reads the ratio from the name";
  if (picture.kind == Kind::Png256) {
    EXPECT_EQ(twice.format(), QImage::Format_Indexed8);
  }

  const QImage once = QImage(QString::fromUtf8(picture.name)).convertToFormat(QImage::Format_RGB32);
  const QImage halved = twice.convertToFormat(QImage::Format_RGB32)
                            .scaled(once.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  double difference = 0;
  for (int y = 0; y < once.height(); ++y) {
    for (int x = 0; x < once.width(); ++x) {
      const QRgb a = once.pixel(x, y), b = halved.pixel(x, y);
      difference += std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b));
    }
  }
  EXPECT_LT(difference / (3.0 * once.width() * once.height()), 12.0) << "mean difference per channel";
}

std::string TestName(const ::testing::TestParamInfo<Picture>& info) {
  std::string name = info.param.name + std::string(":/pictures/").size();
  for (char& c : name) {
    if (c == '.' || c == '_') c = 'X';
  }
  return name;
}

std::vector<Picture> PicturesWithADoubleSize() {
  std::vector<Picture> pictures;
  for (const Picture& picture : kPictures) {
    if (picture.kind != Kind::Ico256) pictures.push_back(picture);
  }
  return pictures;
}

INSTANTIATE_TEST_SUITE_P(Pictures, PictureTest, ::testing::ValuesIn(kPictures), TestName);
INSTANTIATE_TEST_SUITE_P(Pictures, DoubleSizeTest, ::testing::ValuesIn(PicturesWithADoubleSize()), TestName);

// The design colours are 0x00BBGGRR; a picture of a code set or a check box
// shares its back colour with the control and with the input box.
TEST(AssetsTest, PicturesStandOnTheirControlsColours) {
  struct Case {
    const char* name;
    std::uint32_t bgr;
  };
  const Case cases[] = {
      {kPictureOption1, 0x00C0FFFF},  {kPictureOption1Down, 0x00C0FFFF}, {kPictureImage1, 0x00C0FFFF},
      {kPictureOption2, 0x00C0FFC0},  {kPictureOption2Down, 0x00C0FFC0}, {kPictureImage2, 0x00C0FFC0},
      {kPictureOption3, 0x00FFFFC0},  {kPictureOption3Down, 0x00FFFFC0}, {kPictureImage3, 0x00FFFFC0},
      {kPictureOption4, 0x00C0E0FF},  {kPictureOption4Down, 0x00C0E0FF}, {kPictureImage4, 0x00C0E0FF},
      {kPictureCheck1, 0x0080FF80},   {kPictureCheck1Down, 0x0080FF80},  {kPictureCheck2, 0x0080C0FF},
      {kPictureCheck2Down, 0x0080C0FF}, {kPicturePicture3, 0x00C0FFFF},
  };
  for (const Case& c : cases) {
    const QImage image(QString::fromUtf8(c.name));
    const QColor expected(c.bgr & 0xFF, (c.bgr >> 8) & 0xFF, (c.bgr >> 16) & 0xFF);
    EXPECT_EQ(image.pixelColor(0, 0), expected) << c.name;
  }
}

// The mark at the right of a check box or option picture shows its state:
// empty on the Picture, ticked or filled on the DownPicture.
TEST(AssetsTest, DownPicturesDifferFromTheirPictures) {
  const std::pair<const char*, const char*> pairs[] = {
      {kPictureCheck1, kPictureCheck1Down},   {kPictureCheck2, kPictureCheck2Down},
      {kPictureOption1, kPictureOption1Down}, {kPictureOption2, kPictureOption2Down},
      {kPictureOption3, kPictureOption3Down}, {kPictureOption4, kPictureOption4Down},
  };
  for (const auto& [up, down] : pairs) {
    const QImage a(QString::fromUtf8(up)), b(QString::fromUtf8(down));
    ASSERT_FALSE(a.isNull() || b.isNull()) << up;
    auto mark = [](const QImage& image) {
      return image.convertToFormat(QImage::Format_RGB32).copy(image.width() - 16, 0, 16, image.height());
    };
    EXPECT_NE(mark(a), mark(b)) << up;
  }
}

// The program file's icon and the window's icon are one picture.
TEST(AssetsTest, TheIcoHoldsTheWindowIcon) {
  const QImage png = QImage(QString::fromUtf8(kIcon)).convertToFormat(QImage::Format_RGB32);
  const QImage ico = QImage(QString::fromUtf8(kIconIco)).convertToFormat(QImage::Format_RGB32);
  ASSERT_FALSE(png.isNull() || ico.isNull());
  EXPECT_EQ(png, ico);
}

}  // namespace
}  // namespace kovrim::assets
