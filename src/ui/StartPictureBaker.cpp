// Bakes the start picture when the program is built: decodes the JPEG, scales it to the size
// it is shown at as the window would, and writes the pixels as a C++ source file, so that the
// program only copies them at start.
//
//   start_picture_baker PICTURE.jpg OUTPUT.cpp
#include <QFile>
#include <QSaveFile>
#include <cstdio>

#include "ui/StartPictureDecoding.h"

namespace {

// Pixels a line in the generated source.
constexpr int PixelsPerLine = 8;

}  // namespace

int main(int argc, char* argv[]) {
  using namespace kvistra::ui;
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s PICTURE.jpg OUTPUT.cpp\n", argv[0]);
    return 2;
  }
  QFile jpeg(QString::fromLocal8Bit(argv[1]));
  if (!jpeg.open(QIODevice::ReadOnly)) {
    std::fprintf(stderr, "%s: cannot read %s\n", argv[0], argv[1]);
    return 1;
  }
  const QImage shown =
      scaledForShowing(startPictureFromBytes(jpeg.readAll()), StartPictureShownSize);
  if (shown.isNull()) {
    std::fprintf(stderr, "%s: %s is not a sound JPEG\n", argv[0], argv[1]);
    return 1;
  }
  QByteArray source =
      "// Made by start_picture_baker from the start picture; do not edit.\n"
      "#include \"ui/StartPicture.h\"\n\n"
      "namespace kvistra::ui {\n\n"
      "extern const std::uint32_t BakedStartPicture[] = {\n";
  int written = 0;
  for (int y = 0; y < shown.height(); ++y) {
    for (int x = 0; x < shown.width(); ++x) {
      source += QByteArray::number(shown.pixel(x, y), 16).prepend("0x");
      source += ++written % PixelsPerLine == 0 ? ",\n" : ", ";
    }
  }
  source += "};\n\n}  // namespace kvistra::ui\n";
  QSaveFile output(QString::fromLocal8Bit(argv[2]));
  if (!output.open(QIODevice::WriteOnly) || output.write(source) != source.size() ||
      !output.commit()) {
    std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[2]);
    return 1;
  }
  return 0;
}
