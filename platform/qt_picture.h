// A picture of the window for screens of any scale, for the platform layer's
// own use.  Beside a picture's file ("name.bmp") the artwork may hold its
// drawing at twice the size ("name@2x.bmp" or "name@2x.png").  A screen scaled
// to 2x is given that drawing pixel for pixel; other scales above 1x get it
// resampled to their own pixels, so no picture is a 1x bitmap blown up.
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QString>

class QPainter;
class QPoint;
class QRect;

namespace kovrim::vb {

class ScaledPicture {
 public:
  ScaledPicture() = default;
  // An empty name or a missing file leave the picture empty.
  explicit ScaledPicture(const QString& name);

  bool IsNull() const { return one_.isNull(); }
  QSize Size() const { return one_.size(); }  // in the window's pixels

  // The pixmap for a device of that pixel ratio, carrying that ratio, so it
  // covers Size() of the window's pixels.
  QPixmap For(qreal devicePixelRatio) const;

  // Draws the picture at its size with its top left at `at`, or stretched
  // over `target`, in the pixels of the painter's device.
  void Draw(QPainter& painter, const QPoint& at) const;
  void Draw(QPainter& painter, const QRect& target) const;

  // Both drawings, for the window manager to choose from by their pixels.
  QIcon Icon() const;

 private:
  QPixmap one_;
  QPixmap two_;
  mutable QPixmap other_;  // the last other scale asked for
};

}  // namespace kovrim::vb
