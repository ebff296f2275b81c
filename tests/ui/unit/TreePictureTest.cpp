// The screen's drawing of a tree, pixel for pixel, against a reference drawn the plain way: every
// path from its leaf to the root with all its texts, through a canvas that asks QPainter for
// everything anew at each call. The program's drawing saves work (shared branches written once,
// metrics and converters kept per canvas) and must still give the very same picture.
#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QStringDecoder>

#include "QtTestApp.h"
#include "drawing/TreeDrawing.h"
#include "support/TreeBuilding.h"
#include "text/Windows1252.h"
#include "ui/DrawingArea.h"

namespace kvistra::ui {
namespace {

constexpr QSize PictureSize(1000, 700);

// The canvas as it is written most simply: new font metrics and a new converter at every call.
class PlainCanvas : public Canvas {
 public:
  explicit PlainCanvas(QPainter& painter) : painter_(painter) {
    painter_.setPen(QPen(Qt::black, 0, Qt::SolidLine));
    painter_.setBrush(Qt::white);
  }
  void setPen(Color c, PenStyle style) override {
    painter_.setPen(QPen(QColor(c.red, c.green, c.blue), 0,
                         style == PenStyle::Dashed ? Qt::DashLine : Qt::SolidLine));
  }
  void moveTo(int x, int y) override { position_ = {x, y}; }
  void lineTo(int x, int y) override {
    painter_.drawLine(position_, QPoint(x, y));
    position_ = {x, y};
  }
  void textOut(int x, int y, std::string_view text) override {
    const QFontMetrics metrics(painter_.font(), painter_.device());
    const QString shown = QStringDecoder("windows-1252")(QByteArray(text.data(), text.size()));
    const int baseline = y + metrics.ascent();
    const int top = baseline - metrics.capHeight() - 1;
    painter_.fillRect(
        QRect(x, top, metrics.horizontalAdvance(shown), baseline + metrics.descent() - top),
        painter_.brush());
    const QPen pen = painter_.pen();
    painter_.setPen(Qt::black);
    painter_.drawText(QPoint(x, baseline), shown);
    painter_.setPen(pen);
  }
  int textWidth(std::string_view) override { return 0; }
  int textHeight(std::string_view) override { return 0; }
  void rectangle(int, int, int, int) override {}
  void fillRect(int left, int top, int right, int bottom) override {
    painter_.fillRect(QRect(left, top, right - left, bottom - top), painter_.brush());
  }
  void setFont(const Font&) override {}
  void setTextEncoding(TextEncoding) override {}
  bool isPrinter() const override { return false; }
  int width() const override { return PictureSize.width(); }
  int height() const override { return PictureSize.height(); }

 private:
  QPainter& painter_;
  QPoint position_;
};

QImage referencePicture(const TreeState& state, const QFont& font) {
  QImage picture(PictureSize, QImage::Format_RGB32);
  QPainter painter(&picture);
  painter.setFont(font);
  PlainCanvas canvas(painter);
  canvas.fillRect(0, 0, PictureSize.width(), PictureSize.height());
  const int leaves = state.tree.leafCount;
  if (state.reduction.reduced)
    for (int k = 1; k <= leaves; ++k) drawPath(state, canvas, k, ScreenOffsetX, 0, false);
  for (int k = 1; k <= leaves; ++k) {
    const Branch& leaf = state.tree.leaf(k);
    if (!leaf.exists) continue;
    drawPath(state, canvas, k, ScreenOffsetX, 0, true);
    canvas.textOut(ScreenOffsetX + leaf.x + LevelPitch + LeafLabelGap, leaf.y - LeafLabelRise,
                   leafLabel(state, k));
  }
  return picture;
}

// Where two pictures first differ, for the failure message.
std::string firstDifference(const QImage& a, const QImage& b) {
  if (a.size() != b.size()) return "sizes differ";
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x)
      if (a.pixel(x, y) != b.pixel(x, y))
        return "first difference at " + std::to_string(x) + "," + std::to_string(y);
  return "";
}

TEST(TreePicture, ScreenDrawingEqualsThePlainDrawing) {
  test::qtApp();
  struct Case {
    const char* what;
    std::initializer_list<int> branches;
    void (*change)(TreeState&);
  };
  const Case cases[] = {
      {"27 leaves, an event marked",
       {3, 3, 3},
       [](TreeState& s) {
         s.event.shown = true;
         // The marks and labels as drawn without the coloured paths laid over them.
         s.view.highlightEvent = false;
         for (int k : {1, 5, 14, 27}) s.event.outcomeMarked[k] = true;
       }},
      {"Danish names, two decimals",
       {2, 3, 2},
       [](TreeState& s) {
         s.tree.decimalCount = 2;
         s.tree.branch(1, 1).name = w1252("Å1");
         s.tree.branch(2, 2).name = w1252("Øg");
         s.tree.branch(2, 5).name = w1252("Æble");
       }},
      {"reduced, removed paths dashed",
       {3, 2, 2},
       [](TreeState& s) {
         s.reduction.reduced = true;
         for (int slot : {2}) s.tree.branch(1, slot).exists = false;
         for (int slot : {3, 4}) s.tree.branch(2, slot).exists = false;
         for (int slot : {5, 6, 7, 8}) s.tree.branch(3, slot).exists = false;
       }},
  };
  for (const auto& c : cases) {
    testing::Fixture f;
    f.build(c.branches);
    f.enterUniformProbabilities();
    c.change(f.state);
    DrawingArea area;
    area.resize(PictureSize);
    f.state.textLift = QFontMetrics(area.font()).height() + 2;
    area.draw([&](Canvas& canvas) { drawTree(f.state, canvas, ScreenOffsetX); });
    const QImage reference = referencePicture(f.state, area.font());
    EXPECT_EQ(firstDifference(area.picture().convertToFormat(QImage::Format_RGB32), reference), "")
        << c.what;
  }
}

}  // namespace
}  // namespace kvistra::ui
