#include "output/ClipboardExport.h"

#include <gtest/gtest.h>

#include "support/TreeBuilding.h"
#include "text/Windows1252.h"

namespace kvistra {
namespace {

using testing::DrawnRect;
using testing::Fixture;

// A 2 x 3 tree, its five name rows in use and row B2 renamed "K" with a text.
void nameRows(Fixture& f) {
  f.build({2, 3});
  f.enterUniformProbabilities();
  f.state.labels.count = 5;
  f.state.labels.rows[4].newName = "K ";
  f.state.labels.rows[4].text = w1252("Sjælden");
}

TEST(CopyTexts, ResultsAndExplanationStartWithABlankLine) {
  Fixture f;
  nameRows(f);
  copyResults(f.context);
  EXPECT_EQ(f.host.copiedText, std::vector<std::string>{" "});
  EXPECT_EQ(f.host.copiedTextFont, (Font{"Courier New", 13, false}));

  f.state.results.count = 1;
  f.state.results.rows[1] = {"A1B2", "0.2500"};
  copyResults(f.context);
  EXPECT_EQ(f.host.copiedText, (std::vector<std::string>{" ", " A1B2              0.2500"}));

  copyBranchTexts(f.context);
  EXPECT_EQ(f.host.copiedText,
            (std::vector<std::string>{" ", w1252("Gren Tekst på gren"), " A1   ", " B1   ",
                                      " A2   ", " K    " + w1252("Sjælden"), " C2   "}));
  f.state.labels.count = 0;  // the names dialog not yet opened for this tree
  copyBranchTexts(f.context);
  EXPECT_EQ(f.host.copiedText, (std::vector<std::string>{" ", w1252("Gren Tekst på gren")}));
}

TEST(CopyAll, ResultsFramedTreeMovedRightExplanationBelow) {
  Fixture f;
  nameRows(f);
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

}  // namespace
}  // namespace kvistra
