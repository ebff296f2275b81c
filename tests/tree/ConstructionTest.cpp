#include <gtest/gtest.h>

#include <vector>

#include "support/TreeBuilding.h"
#include "tree/CommandStates.h"
#include "tree/Construction.h"
#include "tree/Windows1252.h"

namespace kvistra {
namespace {

using testing::Fixture;
using enum Command;

std::vector<int> enabledBranchButtons(const WindowState& window) {
  std::vector<int> enabled;
  for (int b = 2; b <= 6; ++b)
    if (window.isEnabled(branchCountButton(b))) enabled.push_back(b);
  return enabled;
}

std::vector<int> levelYs(const TreeState& state, int level) {
  std::vector<int> ys;
  for (int slot = 1; slot <= state.node(level, 1).levelNodeCount; ++slot)
    ys.push_back(state.node(level, slot).y);
  return ys;
}

TEST(ButtonLimits, EveryRowOfTheTable) {
  struct Case {
    std::vector<int> clicks;  // the branch counts clicked so far
    int branchings;
    std::vector<int> enabledAfter;
    bool complete;
    int leaves;
  };
  const Case cases[] = {
      {{2}, 2, {2, 3, 4, 5, 6}, false, 2},    {{5}, 2, {2, 3, 4, 5}, false, 5},
      {{6}, 2, {2, 3, 4}, false, 6},          {{3}, 2, {2, 3, 4, 5, 6}, false, 3},
      {{2, 3}, 2, {2, 3, 4}, true, 6},        {{3, 2}, 2, {2, 3, 4}, true, 6},
      {{3}, 3, {2, 3, 4}, false, 3},          {{4}, 3, {2, 3}, false, 4},
      {{5}, 3, {2, 3, 4, 5, 6}, true, 20},  // completed with 2 and 2
      {{6}, 3, {2, 3, 4, 5, 6}, true, 24},    {{2, 2}, 3, {2, 3, 4, 5, 6}, false, 4},
      {{2, 3}, 3, {2, 3, 4}, false, 6},       {{3, 2}, 3, {2, 3, 4}, false, 6},
      {{2, 4}, 3, {2, 3}, false, 8},          {{3, 3}, 3, {2, 3}, false, 9},
      {{3, 3, 3}, 3, {2, 3}, true, 27},  // the largest tree
      {{2, 5}, 3, {2, 3, 4, 5, 6}, true, 20}, {{2, 6}, 3, {2, 3, 4, 5, 6}, true, 24},
      {{3, 4}, 3, {2, 3, 4}, true, 24},  // 12 nodes: completed with 2
  };
  for (const auto& c : cases) {
    Fixture f;
    beginTree(f.context, c.branchings);
    for (int b : c.clicks) addBranching(f.context, b);
    std::string name = std::to_string(c.branchings) + " branchings, clicks";
    for (int b : c.clicks) name += " " + std::to_string(b);
    EXPECT_EQ(enabledBranchButtons(f.window), c.enabledAfter) << name;
    EXPECT_EQ(f.state.treeComplete, c.complete) << name;
    EXPECT_EQ(f.window.panel5Visible, !c.complete) << name;
    EXPECT_EQ(f.state.levelNodeCount, c.leaves) << name;
    EXPECT_EQ(f.state.outcomeCount, c.leaves) << name;
  }
}

TEST(ButtonLimits, ANewTreeEnablesAllFiveAgain) {
  Fixture f;
  f.build(3, {3, 3});
  ASSERT_EQ(enabledBranchButtons(f.window), (std::vector<int>{2, 3}));
  beginTree(f.context, 2);
  EXPECT_EQ(enabledBranchButtons(f.window), (std::vector<int>{2, 3, 4, 5, 6}));
  EXPECT_EQ(f.window.label1Caption, "Antal grene i 1. forgrening:");
}

TEST(BuildLevel, VerticalPositionsRoundHalvesToEven) {
  Fixture twoByTwo;
  twoByTwo.build({2, 2});
  EXPECT_EQ(levelYs(twoByTwo.state, 1), (std::vector<int>{137, 353}));
  EXPECT_EQ(levelYs(twoByTwo.state, 2), (std::vector<int>{83, 191, 299, 407}));

  // 5 × 2: level 2 has 10 nodes 43 apart, so the children sit ±21.5 → ±22 from their parent.
  Fixture fiveByTwo;
  fiveByTwo.build({5, 2});
  const auto level1 = levelYs(fiveByTwo.state, 1);
  const auto level2 = levelYs(fiveByTwo.state, 2);
  ASSERT_EQ(level2.size(), 10u);
  for (int p = 0; p < 5; ++p) {
    EXPECT_EQ(level2[2 * p], level1[p] - 22);
    EXPECT_EQ(level2[2 * p + 1], level1[p] + 22);
  }
  EXPECT_EQ(level1, (std::vector<int>{245 - 172, 245 - 86, 245, 245 + 86, 245 + 172}));

  // 2 · 2 · 4: 16 nodes 27 apart: −40.5, −13.5, 13.5, 40.5 round to −40, −14, 14, 40.
  Fixture deep;
  deep.build({2, 2, 4});
  const auto level3 = levelYs(deep.state, 3);
  const auto parents = levelYs(deep.state, 2);
  ASSERT_EQ(level3.size(), 16u);
  const int offsets[] = {-40, -14, 14, 40};
  for (int s = 0; s < 16; ++s) EXPECT_EQ(level3[s], parents[s / 4] + offsets[s % 4]) << s;
}

TEST(BuildLevel, SlotsNamesAndParents) {
  Fixture f;
  f.build({6, 4});
  ASSERT_EQ(f.state.levelNodeCount, 24);
  const Gren_Info& leaf7 = f.state.node(2, 7);
  EXPECT_EQ(leaf7.parentIndex, 2);
  EXPECT_EQ(leaf7.name, "C2");
  EXPECT_EQ(f.state.node(2, 5).name, "A2");
  EXPECT_EQ(f.state.node(2, 5).parentIndex, 2);
  EXPECT_EQ(f.state.node(1, 6).name, "F1");
  for (int s = 1; s <= 24; ++s) {
    const Gren_Info& leaf = f.state.node(2, s);
    EXPECT_TRUE(leaf.exists);
    EXPECT_EQ(leaf.parentIndex, (s - 1) / 4 + 1);
    EXPECT_EQ(leaf.x, 130);
    EXPECT_EQ(leaf.nameX, 135);
    EXPECT_EQ(leaf.probX, 170);
    EXPECT_EQ(leaf.levelNodeCount, 24);
    EXPECT_EQ(leaf.branchesPerNode, 4);
  }
  EXPECT_FALSE(f.state.node(2, 25).exists);
  EXPECT_EQ(f.state.node(2, 25).name, " ");
  EXPECT_EQ(f.state.pathNames[7][1], "B1");
  EXPECT_EQ(f.state.pathNames[7][2], "C2");
  EXPECT_TRUE(f.state.pathNames[7][3].empty());
}

TEST(Construction, CompletionOffersProbabilitiesAndCollectsLabels) {
  Fixture f;
  f.build(3, {6});  // completed automatically
  EXPECT_EQ(f.state.builtBranchings, 3);
  EXPECT_EQ(f.state.levelNodeCount, 24);
  EXPECT_TRUE(f.window.isEnabled(Command::Klargrtr1));
  EXPECT_TRUE(f.window.isEnabled(Command::Stchancerp1));
  EXPECT_FALSE(f.window.isEnabled(Command::Kopiersandsynligheder1));
  EXPECT_FALSE(f.window.isEnabled(Command::Kopiersandsynligheder2));
  EXPECT_FALSE(f.window.isEnabled(Command::Indtastsandsynligheder1));
  EXPECT_FALSE(f.window.isEnabled(Command::Beregninger1));
  const char* expected[] = {"", "A1", "B1", "C1", "D1", "E1", "F1", "A2", "B2", "A3", "B3"};
  for (int row = 1; row <= 10; ++row) {
    EXPECT_EQ(f.state.labels[row].oldName, expected[row]);
    EXPECT_EQ(f.state.labels[row].newName, expected[row]);
  }
  EXPECT_EQ(f.state.labelRowCount, 0);  // counted only once the names dialog opens
}

TEST(Construction, ConstructionDrawingGrowsWithEachBranching) {
  Fixture f;
  beginTree(f.context, 2);
  addBranching(f.context, 2);
  const auto& canvas = f.host.canvas;
  const int h = f.state.lineTextHeight;
  EXPECT_TRUE(canvas.hasLine({25, 245, 55, 245, PenStyle::Solid}));
  EXPECT_TRUE(canvas.hasLine({55, 137, 155, 137, PenStyle::Solid}));
  EXPECT_TRUE(canvas.hasLine({55, 353, 155, 353, PenStyle::Solid}));
  EXPECT_TRUE(canvas.hasLine({55, 137, 55, 353, PenStyle::Solid}));
  EXPECT_TRUE(canvas.hasText(60, 137 - h, "A1"));
  EXPECT_TRUE(canvas.hasText(60, 353 - h, "B1"));
  EXPECT_EQ(f.window.label1Caption, "Antal grene i 2. forgrening:");
  EXPECT_FALSE(f.state.treeComplete);
}

TEST(Reset, ClearsTreeResultsAndReductionNote) {
  Fixture f;
  f.build({2, 3});
  f.state.resultCount = 3;
  f.state.treeReduced = true;
  f.state.reductionText = "A1";
  f.state.reducedProbability = 0.5;
  f.state.decimalCount = 2;
  f.window.memo2Lines = {"A1   0.5000"};
  f.window.panel6Yellow = true;
  f.window.label2Caption = "Reduc: A1";
  f.host.canvas.clear();
  f.window.setEnabled(Gem1, true);  // as after a completed tree; saving keeps its state

  beginTree(f.context, 3);
  EXPECT_EQ(f.window.caption, "   Kvistra   ");
  EXPECT_TRUE(f.window.memo2Lines.empty());
  EXPECT_EQ(f.state.resultCount, 0);
  EXPECT_FALSE(f.state.treeReduced);
  EXPECT_TRUE(f.state.reductionText.empty());
  EXPECT_EQ(f.state.reducedProbability, 1.0);
  EXPECT_EQ(f.state.decimalCount, 4);
  EXPECT_EQ(f.state.branchingCount, 3);
  EXPECT_EQ(f.state.levelNodeCount, 1);
  EXPECT_FALSE(f.window.panel6Yellow);
  EXPECT_TRUE(f.window.label2Caption.empty());
  EXPECT_FALSE(f.window.panel3Visible);
  EXPECT_TRUE(f.window.panel5Visible);
  EXPECT_FALSE(f.state.node(1, 1).exists);
  EXPECT_EQ(f.state.node(1, 1).name, " ");
  EXPECT_TRUE(f.state.pathNames[1][1].empty());
  ASSERT_FALSE(f.host.canvas.rects.empty());
  EXPECT_EQ(f.host.canvas.rects.front(), (testing::DrawnRect{0, 0, 1000, 700, true}));
  for (Command c : {Udskriv, Klargrtr1, Beregninger1, Reducrtr1, Gendantr1, SpeedButton1,
                    SpeedButton2, SpeedButton3, SpeedButton4, SpeedButton5, SpeedButton6,
                    SpeedButton7, SpeedButton8, SpeedButton10})
    EXPECT_FALSE(f.window.isEnabled(c));
  EXPECT_TRUE(f.window.isEnabled(SpeedButton9));
  EXPECT_TRUE(f.window.isEnabled(Gem1));
}

}  // namespace
}  // namespace kvistra
