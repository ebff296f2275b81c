#include "output/Printing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "support/TreeBuilding.h"
#include "text/Windows1252.h"

namespace kvistra {
namespace {

using testing::Fixture;

// A finished 2 x 2 tree with a heading, two results and the explanation pane of five name rows;
// change alters it before the page is printed. Returns the y of each explanation line written.
std::vector<int> printExplanation(Fixture& f, const std::function<void(Fixture&)>& change) {
  f.build({2, 2});
  f.enterUniformProbabilities();
  f.state.printout.heading = w1252("Terningkast i 2.b");
  f.state.results.count = 2;
  f.state.results.rows[1] = {"A1", "0.5000"};
  f.state.results.rows[2] = {w1252("Træet er ændret"), " "};
  f.window.branchTextsVisible = true;
  f.window.branchTextLines = {
      w1252("Gren Tekst på gren"), " A1   Plat", " B1   Krone", " A2   Regn", " B2   Sol", " C2"};
  change(f);
  printTree(f.context);
  const auto& lines = f.window.branchTextLines;
  std::vector<int> ys;
  for (const auto& text : f.host.page.texts)
    if (text.x == 10 && std::find(lines.begin(), lines.end(), text.text) != lines.end())
      ys.push_back(text.y);
  return ys;
}

TEST(PrintTree, PageHoldsTitleHeadingTreeResultsAndExplanation) {
  Fixture f;
  EXPECT_EQ(printExplanation(f, [](Fixture&) {}), (std::vector<int>{565, 579, 593, 607, 621, 635}));
  const auto& page = f.host.page;
  EXPECT_EQ(page.font, (Font{"Courier New", 12, false}));
  EXPECT_TRUE(page.hasText(10, 30, "Udskrift fra KVISTRA"));
  EXPECT_TRUE(page.hasText(10, 50, w1252("Terningkast i 2.b")));
  EXPECT_TRUE(page.textsAt(70).empty()) << "no result line outside the approve box";
  EXPECT_TRUE(page.hasText(250 + 35, 150 + 137 - f.state.textLift, "A1"));  // the tree
  EXPECT_TRUE(page.hasText(10, 150 + 14, "A1"));                            // the results column
  EXPECT_TRUE(page.hasText(10, 565, w1252("Gren Tekst på gren")));
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
    EXPECT_EQ(printExplanation(f, c.change), c.ys) << c.name;
  }
}

TEST(PrintTree, WorkingStandsBelowTheExplanationAndGoesOnInASecondColumn) {
  Fixture f;
  printExplanation(f, [](Fixture&) {});  // the explanation ends at 565 + 6 * 14
  std::vector<std::string> working;
  for (int i = 1; i <= 40; ++i) working.push_back("line " + std::to_string(i));
  printTree(f.context, "result", working);
  const auto& page = f.host.page;
  EXPECT_TRUE(page.hasText(10, 659, "Udregning") && page.hasText(10, 673, "line 1"));
  // 32 lines fit above the foot of the page at 1131.
  EXPECT_TRUE(page.hasText(10, 659 + 32 * 14, "line 32") && page.hasText(405, 673, "line 33"));
}

}  // namespace
}  // namespace kvistra
