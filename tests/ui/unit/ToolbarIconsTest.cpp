#include "ui/ToolbarIcons.h"

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

TEST(ToolbarIcons, EveryButtonHasItsOwnVisiblePicture) {
  test::qtApp();
  QList<QImage> seen;
  for (int i = static_cast<int>(Control::CopyAcrossButton);
       i <= static_cast<int>(Control::CopyMenuButton); ++i) {
    const QIcon icon = toolbarIcon(static_cast<Control>(i));
    ASSERT_FALSE(icon.isNull()) << "button " << i;
    EXPECT_EQ(icon.availableSizes(), (QList<QSize>{{24, 24}, {48, 48}})) << "button " << i;
    EXPECT_GT(paintedPixels(icon, 24), 24 * 24 / 10) << "button " << i;
    const QImage picture = icon.pixmap(24, 24).toImage();
    EXPECT_FALSE(seen.contains(picture)) << "button " << i << " repeats another picture";
    seen.append(picture);
  }
}

TEST(ToolbarIcons, CommandsOutsideTheToolbarHaveNoPicture) {
  test::qtApp();
  for (Control c : {Control::Open, Control::TwoBranchesButton})
    EXPECT_TRUE(toolbarIcon(c).isNull());
  EXPECT_TRUE(toolbarIcon(QString("copy")).isNull());
  EXPECT_FALSE(toolbarIcon(QString("copy-down")).isNull());
}

TEST(ToolbarIcons, ProgramIconFillsItsSquare) {
  test::qtApp();
  const QIcon icon = programIcon();
  ASSERT_FALSE(icon.isNull());
  for (int size : {16, 32, 64}) EXPECT_GT(paintedPixels(icon, size), size * size * 9 / 10) << size;
}

}  // namespace
}  // namespace kvistra::ui
