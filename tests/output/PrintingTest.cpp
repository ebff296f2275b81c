#include "output/Printing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "output/PageLayout.h"
#include "support/TreeBuilding.h"
#include "text/Windows1252.h"
#include "tree/Construction.h"

namespace kvistra {
namespace {

using testing::Fixture;

// A finished 2 x 2 tree with a heading, two results and the explanation pane of five name rows.
void prepare(Fixture& f) {
  f.build({2, 2});
  f.enterUniformProbabilities();
  f.state.printout.heading = w1252("Terningkast i 2.b");
  f.state.results.count = 2;
  f.state.results.rows[1] = {"A1", "0.5000"};
  f.state.results.rows[2] = {w1252("Træet er ændret"), " "};
  f.window.branchTextsVisible = true;
  f.window.branchTextLines = {
      w1252("Gren Tekst på gren"), " A1   Plat", " B1   Krone", " A2   Regn", " B2   Sol", " C2"};
}

// Where the explanation pane's lines were written, in order.
std::vector<int> explanationYs(const Fixture& f) {
  const auto& lines = f.window.branchTextLines;
  std::vector<int> ys;
  for (const auto& text : f.host.page.texts)
    if (text.x == PageTextX && std::find(lines.begin(), lines.end(), text.text) != lines.end())
      ys.push_back(text.y);
  return ys;
}

TEST(PrintTree, PageHoldsTitleHeadingTreeResultsAndExplanation) {
  Fixture f;
  prepare(f);
  printTree(f.context);
  const auto& page = f.host.page;
  const int h = f.state.textLift;

  EXPECT_EQ(f.host.printDialogs, 1);
  EXPECT_EQ(page.font, (Font{"Courier New", 12, false}));
  EXPECT_TRUE(page.hasText(10, 30, "Udskrift fra KVISTRA"));
  EXPECT_TRUE(page.hasText(10, 50, w1252("Terningkast i 2.b")));
  EXPECT_TRUE(page.textsAt(70).empty());
  EXPECT_TRUE(page.hasText(250 + 35, 150 + 137 - h, "A1"));  // the tree, 250 right, 150 down
  EXPECT_TRUE(page.hasText(10, 150 + 14, "A1"));             // the results column
  EXPECT_EQ(page.rects.back(), (testing::DrawnRect{4, 155, 230, 558, false}));
  EXPECT_EQ(explanationYs(f), (std::vector<int>{565, 579, 593, 607, 621, 635}));
  EXPECT_TRUE(page.hasText(10, 565, w1252("Gren Tekst på gren")));
  EXPECT_TRUE(page.hasText(10, 635, " C2"));
}

TEST(PrintTree, ExplanationIsLeftOutOrMovedBelowWhatItWouldCover) {
  struct Case {
    const char* name;
    std::function<void(Fixture&)> change;
    std::vector<int> ys;
  };
  const Case cases[] = {
      {"hidden pane of an old tree", [](Fixture& f) { f.window.branchTextsVisible = false; }, {}},
      {"title line only", [](Fixture& f) { f.window.branchTextLines.resize(1); }, {}},
      {"reduced: below the note ending at 670",
       [](Fixture& f) { f.state.reduction.reduced = true; },
       {680, 694, 708, 722, 736, 750}},
      {"30 results: below the last row, which ends at 150 + 31 * 14",
       [](Fixture& f) { f.state.results.count = 30; },
       {594, 608, 622, 636, 650, 664}},
  };
  for (const auto& c : cases) {
    Fixture f;
    prepare(f);
    c.change(f);
    printTree(f.context);
    EXPECT_EQ(explanationYs(f), c.ys) << c.name;
  }
}

TEST(PrintTree, FromTheApproveBoxWithResultLineAndMarks) {
  Fixture f;
  prepare(f);
  f.state.printout.heading.clear();
  f.state.tree.outcomeMarked[2] = true;
  const std::string line = w1252("Hændelse : A1B2: 0.2500");
  printTree(f.context, line);
  const auto& page = f.host.page;

  EXPECT_TRUE(page.hasText(10, 50, ""));  // an empty heading still has its line
  EXPECT_TRUE(page.hasText(10, 70, line));
  const Branch& leaf2 = f.state.tree.leaf(2);
  EXPECT_TRUE(page.hasText(250 + leaf2.x + 110, 150 + leaf2.y - 8, " 2       0.2500"));
  EXPECT_TRUE(page.hasText(250 + leaf2.x + 110, 150 + f.state.tree.leaf(1).y - 8, " 1 "));
  EXPECT_FALSE(f.state.event.shown) << "the marks are shown for the print only";
}

TEST(EditPrintHeading, OkTakesTheFieldFortrydTheOpeningTextCloseBoxNothing) {
  const std::pair<PromptClose, const char*> cases[] = {{PromptClose::Ok, "typed"},
                                                       {PromptClose::Cancel, "opened with"},
                                                       {PromptClose::CloseBox, "before"}};
  for (const auto& [closedBy, heading] : cases) {
    Fixture f;
    f.state.printout.heading = "before";
    f.host.headingReplies.push_back({"typed", "opened with", closedBy});
    editPrintHeading(f.context);
    EXPECT_EQ(f.state.printout.heading, heading);
    beginTree(f.context, 2);
    EXPECT_EQ(f.state.printout.heading, heading) << "a new tree keeps the heading";
  }
}

}  // namespace
}  // namespace kvistra
