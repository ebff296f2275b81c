#include "ui/StartPicture.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QRandomGenerator>

#include "QtTestApp.h"
#include "ui/Resources.h"

namespace kvistra::ui {
namespace {

QByteArray embeddedStartPicture() {
  ensureResources();
  QFile file(QStringLiteral(":/start.jpg"));
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(StartPicture, EmbeddedPictureIs270By220AndNotBlank) {
  const QImage picture = loadStartPicture();
  ASSERT_FALSE(picture.isNull());
  EXPECT_EQ(picture.size(), QSize(270, 220));
  // A light background with a dark tree and title: both extremes must be present.
  int darkest = 255;
  int lightest = 0;
  for (int y = 0; y < picture.height(); ++y) {
    for (int x = 0; x < picture.width(); ++x) {
      const int grey = qGray(picture.pixel(x, y));
      darkest = std::min(darkest, grey);
      lightest = std::max(lightest, grey);
    }
  }
  EXPECT_LT(darkest, 100);
  EXPECT_GT(lightest, 220);
}

TEST(StartPicture, BakedWhenBuildingAsDecodingAndScalingGiveIt) {
  test::qtApp();
  const QImage shown = startPictureAt(StartPictureShownSize).toImage();
  EXPECT_EQ(shown.size(), StartPictureShownSize);
  EXPECT_TRUE(shown == scaledForShowing(loadStartPicture(), StartPictureShownSize));
}

QByteArray randomBytes(int count) {
  QByteArray bytes(count, '\0');
  QRandomGenerator generator(20240601);
  for (char& byte : bytes) byte = static_cast<char>(generator.bounded(256));
  return bytes;
}

// Keeps the JPEG's headers and overwrites the entropy-coded data that follows the start of scan.
QByteArray headersThenGarbage(const QByteArray& jpeg) {
  const qsizetype startOfScan = jpeg.indexOf(QByteArray("\xFF\xDA", 2));
  return jpeg.left(startOfScan + 20) + randomBytes(int(jpeg.size() - startOfScan - 20));
}

TEST(StartPicture, DamagedDataGivesNoPicture) {
  const QByteArray good = embeddedStartPicture();
  ASSERT_FALSE(good.isEmpty());
  const struct {
    const char* what;
    QByteArray bytes;
  } cases[] = {
      {"empty", QByteArray()},
      {"only the start marker", good.left(2)},
      {"headers only", good.left(good.indexOf(QByteArray("\xFF\xDA", 2)))},
      {"cut in half", good.left(good.size() / 2)},
      {"last bytes missing", good.left(good.size() - 10)},
      {"random bytes", randomBytes(5000)},
      {"valid headers then garbage", headersThenGarbage(good)},
      {"not a JPEG", QByteArray("GIF89a this is not a picture")},
  };
  for (const auto& c : cases) {
    EXPECT_TRUE(startPictureFromBytes(c.bytes).isNull()) << c.what;
  }
}

}  // namespace
}  // namespace kvistra::ui
