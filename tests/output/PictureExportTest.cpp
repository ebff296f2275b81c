#include "output/PictureExport.h"

#include <gtest/gtest.h>

namespace kvistra {
namespace {

TEST(PictureFile, TheTypedExtensionDecidesAndTheChosenTypeFillsIn) {
  struct Case {
    const char* typed;
    std::size_t filter;  // PNG, PNG 2×, PNG 4×, SVG, PDF
    const char* path;
    PictureFormat format;
    int scale;
  };
  const Case cases[] = {
      {"/t/træ", 0, "/t/træ.png", PictureFormat::Png, 1},
      {"/t/træ", 2, "/t/træ.png", PictureFormat::Png, 4},
      {"/t/træ", 4, "/t/træ.pdf", PictureFormat::Pdf, 1},
      {"/t/træ.SVG", 1, "/t/træ.SVG", PictureFormat::Svg, 1},
      {"/t/træ.png", 1, "/t/træ.png", PictureFormat::Png, 2},
      {"/t/træ.png", 4, "/t/træ.png", PictureFormat::Png, 1},
      {"/t/opgave.2/træ", 3, "/t/opgave.2/træ.svg", PictureFormat::Svg, 1},
      {"/t/træ.jpg", 0, "/t/træ.jpg.png", PictureFormat::Png, 1},
  };
  for (const Case& c : cases) {
    const PictureFile file = pictureFile(c.typed, c.filter);
    EXPECT_EQ(file.path, c.path) << c.typed;
    EXPECT_EQ(file.format, c.format) << c.typed;
    EXPECT_EQ(file.scale, c.scale) << c.typed;
  }
}

}  // namespace
}  // namespace kvistra
