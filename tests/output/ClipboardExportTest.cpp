#include "output/ClipboardExport.h"

#include <gtest/gtest.h>

#include "drawing/TreeDrawing.h"
#include "drawing/Zoom.h"
#include "support/TreeBuilding.h"
#include "support/TreeShapes.h"
#include "text/Windows1252.h"

namespace kvistra {
namespace {

using testing::DrawnRect;
using testing::Fixture;

TEST(CopyAll, ResultsFramedTreeMovedRightExplanationBelow) {
  Fixture f;
  f.build({2, 3});
  f.enterUniformProbabilities();
  f.state.labels.count = 5;  // A1, B1, A2, B2 renamed "K" with a text, C2
  f.state.labels.rows[4].newName = "K ";
  f.state.labels.rows[4].text = w1252("Sjælden");
  f.state.results.count = 1;
  f.state.results.rows[1] = {"A1", "0.5000"};
  f.host.drawingArea = {601, 451};
  copyAll(f.context);
  const auto& picture = *f.host.copiedPicture;

  EXPECT_EQ(picture.width(), 902);  // 1.5 times, rounded
  EXPECT_EQ(picture.height(), 677);
  EXPECT_TRUE(picture.hasLine({290, 245, 320, 245, PenStyle::Solid}));
  EXPECT_EQ(picture.rects.back(), (DrawnRect{5, 10, 275, 490, false}));
  EXPECT_EQ(picture.font, (Font{"Courier New", 16, true}));
  EXPECT_TRUE(picture.hasText(10, 25, " "));
  EXPECT_TRUE(picture.hasText(10, 25 + 14, " A1                0.5000"));
  EXPECT_TRUE(picture.hasText(10, 500, w1252("Gren Tekst på gren")));
  EXPECT_TRUE(picture.hasText(10, 500 + 4 * 14, " K    " + w1252("Sjælden")));
  EXPECT_TRUE(picture.hasText(10, 500 + 5 * 14, " C2   "));
}

// A tree beyond the built ones is copied whole, cut to what is drawn, and fits a window's height
// when fitted; a built tree keeps the drawing area's size.
TEST(CopyAll, ATreeBeyondTheBuiltTreesIsCopiedWhole) {
  for (const auto& [branchings, beyond] : {std::pair{6, true}, {4, true}, {3, false}}) {
    Fixture f;
    ASSERT_TRUE(testing::openShape(f.context, testing::evenShape("1/2,1/2", branchings)));
    for (void (*copy)(Context&) : {copyTree, copyAll}) {
      copy(f.context);
      EXPECT_EQ(f.host.copiedCropped, beyond) << branchings;
    }
    const InkBounds ink =
        inkOf(f.host.canvas, 800, 400, [&](Canvas& c) { drawTree(f.state, c, ScreenOffsetX); });
    EXPECT_LE(zoomToFit(ink, 800, 400) * (ink.bottom + InkMargin), 400.5);
  }
}

}  // namespace
}  // namespace kvistra
