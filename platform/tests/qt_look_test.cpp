// How the window looks on a desktop: one size.
#include <QApplication>
#include <QWidget>

#include <gtest/gtest.h>

#include "platform/vb.h"

namespace kovrim::vb {
namespace {

// The window keeps the size it is given: its smallest and largest sizes are
// that size, which window managers read as a window they cannot resize, and
// it offers no maximise button; minimising and closing stay.
TEST(FormLook, OneSizeAndNoMaximise) {
  Form form;
  form.SetClientSize(9375, 6675);
  form.ShowCentred();
  QWidget* w = form.Widget();
  EXPECT_EQ(w->minimumSize(), QSize(625, 445));
  EXPECT_EQ(w->maximumSize(), QSize(625, 445));
  const Qt::WindowFlags flags = w->windowFlags();
  EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
  EXPECT_TRUE(flags & Qt::WindowMinimizeButtonHint);
  EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
  EXPECT_TRUE(flags & Qt::WindowTitleHint);

  w->resize(900, 700);  // as a window manager's resize would ask
  EXPECT_EQ(w->size(), QSize(625, 445));
  form.SetHeight(5000);  // the program itself may still size it
  EXPECT_EQ(w->minimumSize(), QSize(625, 333));
  EXPECT_EQ(w->maximumSize(), QSize(625, 333));
}

}  // namespace
}  // namespace kovrim::vb
