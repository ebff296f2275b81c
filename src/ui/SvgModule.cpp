// The SVG writer, in a module of its own that is loaded when a picture is first saved as SVG:
// linking Qt's SVG library into the program would make every start slower for a rare command.
#include <QIODevice>
#include <QSize>
#include <QSvgGenerator>

extern "C" Q_DECL_EXPORT QPaintDevice* kvistraNewSvgGenerator(QIODevice* output, int width,
                                                              int height, int dotsPerInch) {
  auto* svg = new QSvgGenerator;
  svg->setOutputDevice(output);
  svg->setSize(QSize(width, height));
  svg->setViewBox(QRect(0, 0, width, height));
  svg->setResolution(dotsPerInch);
  svg->setTitle("Kvistra");
  return svg;
}

extern "C" Q_DECL_EXPORT void kvistraDeleteSvgGenerator(QPaintDevice* svg) {
  delete static_cast<QSvgGenerator*>(svg);
}
