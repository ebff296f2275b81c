#include "ui/ToolbarPictures.h"

#include <gtest/gtest.h>

#include <QImage>

#include "QtTestApp.h"

namespace kvistra::ui {
namespace {

// Counts the pixels that are not transparent: a picture that draws nothing is a fault.
int paintedPixels(const QIcon& icon, int size) {
  const QImage image = icon.pixmap(size, size).toImage();
  int painted = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) painted += qAlpha(image.pixel(x, y)) > 0;
  }
  return painted;
}

TEST(ToolbarPictures, EveryButtonHasItsOwnVisiblePicture) {
  test::qtApp();
  QList<QImage> seen;
  for (int button = 1; button <= 10; ++button) {
    const QIcon icon = toolbarPicture(button);
    ASSERT_FALSE(icon.isNull()) << "SpeedButton" << button;
    EXPECT_EQ(icon.availableSizes(), (QList<QSize>{{24, 24}, {48, 48}})) << "SpeedButton" << button;
    EXPECT_GT(paintedPixels(icon, 24), 24 * 24 / 10) << "SpeedButton" << button;
    const QImage picture = icon.pixmap(24, 24).toImage();
    EXPECT_FALSE(seen.contains(picture)) << "SpeedButton" << button << " repeats another picture";
    seen.append(picture);
  }
}

TEST(ToolbarPictures, NumbersOutsideTheToolbarHaveNoPicture) {
  test::qtApp();
  for (int button : {0, 11, -1}) EXPECT_TRUE(toolbarPicture(button).isNull()) << button;
}

TEST(ToolbarPictures, ProgramIconFillsItsSquare) {
  test::qtApp();
  const QIcon icon = programIcon();
  ASSERT_FALSE(icon.isNull());
  for (int size : {16, 32, 256}) EXPECT_GT(paintedPixels(icon, size), size * size * 9 / 10) << size;
}

}  // namespace
}  // namespace kvistra::ui
