#include <gtest/gtest.h>

#include <vector>

#include "chance/TreeReversal.h"
#include "construction/Construction.h"
#include "construction/ShapeLayout.h"
#include "support/TreeBuilding.h"
#include "text/Windows1252.h"

namespace kvistra {
namespace {

using testing::Fixture;
using enum Control;

std::vector<int> enabledBranchButtons(const WindowState& window) {
  std::vector<int> enabled;
  for (int b = 2; b <= 6; ++b)
    if (window.isEnabled(branchCountButton(b))) enabled.push_back(b);
  return enabled;
}

std::vector<int> levelYs(const TreeState& state, int level) {
  std::vector<int> ys;
  for (int slot = 1; slot <= state.tree.branch(level, 1).levelNodeCount; ++slot)
    ys.push_back(state.tree.branch(level, slot).y);
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
    EXPECT_EQ(enabledBranchButtons(f.controls()), c.enabledAfter) << name;
    EXPECT_EQ(f.state.tree.complete, c.complete) << name;
    EXPECT_EQ(f.window.branchCountBarVisible, !c.complete) << name;
    EXPECT_EQ(f.state.tree.leafCount, c.leaves) << name;
    EXPECT_EQ(f.state.event.outcomeCount, c.leaves) << name;
  }
}

TEST(ButtonLimits, ANewTreeEnablesAllFiveAgain) {
  Fixture f;
  f.build(3, {3, 3});
  ASSERT_EQ(enabledBranchButtons(f.controls()), (std::vector<int>{2, 3}));
  beginTree(f.context, 2);
  EXPECT_EQ(enabledBranchButtons(f.controls()), (std::vector<int>{2, 3, 4, 5, 6}));
  EXPECT_EQ(f.window.branchCountPrompt, "Antal grene i 1. forgrening:");
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
  ASSERT_EQ(f.state.tree.leafCount, 24);
  const Branch& leaf7 = f.state.tree.branch(2, 7);
  EXPECT_EQ(leaf7.parentIndex, 2);
  EXPECT_EQ(leaf7.name, "C2");
  EXPECT_EQ(f.state.tree.branch(2, 5).name, "A2");
  EXPECT_EQ(f.state.tree.branch(2, 5).parentIndex, 2);
  EXPECT_EQ(f.state.tree.branch(1, 6).name, "F1");
  for (int s = 1; s <= 24; ++s) {
    const Branch& leaf = f.state.tree.branch(2, s);
    EXPECT_TRUE(leaf.exists);
    EXPECT_EQ(leaf.parentIndex, (s - 1) / 4 + 1);
    EXPECT_EQ(leaf.x, 130);
    EXPECT_EQ(leaf.nameX, 135);
    EXPECT_EQ(leaf.probabilityX, 170);
    EXPECT_EQ(leaf.levelNodeCount, 24);
    EXPECT_EQ(leaf.branchesPerNode, 4);
  }
  EXPECT_FALSE(f.state.tree.branch(2, 25).exists);
  EXPECT_EQ(f.state.tree.branch(2, 25).name, " ");
  EXPECT_EQ(f.state.pathNames[7][1], "B1");
  EXPECT_EQ(f.state.pathNames[7][2], "C2");
  EXPECT_TRUE(f.state.pathNames[7][3].empty());
}

TEST(Construction, CompletionOffersProbabilitiesAndCollectsLabels) {
  Fixture f;
  f.build(3, {6});  // completed automatically
  EXPECT_EQ(f.state.tree.builtBranchings, 3);
  EXPECT_EQ(f.state.tree.leafCount, 24);
  EXPECT_TRUE(f.controls().isEnabled(Control::PrepareTreeMenu));
  EXPECT_TRUE(f.controls().isEnabled(Control::SetFirstProbabilities));
  EXPECT_FALSE(f.controls().isEnabled(Control::CopyAcross));
  EXPECT_FALSE(f.controls().isEnabled(Control::CopyDown));
  EXPECT_FALSE(f.controls().isEnabled(Control::EnterProbabilities));
  EXPECT_FALSE(f.controls().isEnabled(Control::CalculationsMenu));
  const char* expected[] = {"", "A1", "B1", "C1", "D1", "E1", "F1", "A2", "B2", "A3", "B3"};
  for (int row = 1; row <= 10; ++row) {
    EXPECT_EQ(f.state.labels.rows[row].oldName, expected[row]);
    EXPECT_EQ(f.state.labels.rows[row].newName, expected[row]);
  }
  EXPECT_EQ(f.state.labels.count, 0);  // counted only once the names dialog opens
}

TEST(Construction, ConstructionDrawingGrowsWithEachBranching) {
  Fixture f;
  beginTree(f.context, 2);
  addBranching(f.context, 2);
  const auto& canvas = f.host.canvas;
  const int h = f.state.textLift;
  EXPECT_TRUE(canvas.hasLine({25, 245, 55, 245, PenStyle::Solid}));
  EXPECT_TRUE(canvas.hasLine({55, 137, 155, 137, PenStyle::Solid}));
  EXPECT_TRUE(canvas.hasLine({55, 353, 155, 353, PenStyle::Solid}));
  EXPECT_TRUE(canvas.hasLine({55, 137, 55, 353, PenStyle::Solid}));
  EXPECT_TRUE(canvas.hasText(60, 137 - h, "A1"));
  EXPECT_TRUE(canvas.hasText(60, 353 - h, "B1"));
  EXPECT_EQ(f.window.branchCountPrompt, "Antal grene i 2. forgrening:");
  EXPECT_FALSE(f.state.tree.complete);
}

// "Andre træformer…": a count b fits while outcomes so far · b · 2^(later branchings) ≤ 64, and
// when only 2 fits the rest is built at once. The tree is laid out as when read from a document,
// and one "2 forgreninger" or "3 forgreninger" could build is the same work as theirs.
TEST(OtherShapes, CountsFitSixtyFourOutcomesAndTreesAreAsTheirShape) {
  struct Case {
    int branchings;
    std::vector<int> clicks, enabledAfter;  // buttons on while the tree is built
    int leaves;                             // once it is complete
  };
  // clang-format off
  const Case cases[] = {
      {6, {}, {}, 64},              {1, {}, {2, 3, 4, 5, 6}, 0},  {2, {6, 6}, {}, 36},
      {2, {2, 2}, {}, 4},           {3, {5}, {2, 3, 4, 5, 6}, 0}, {3, {5, 2, 2}, {}, 20},
      {3, {6, 5}, {}, 60},          {3, {3, 3, 3}, {}, 27},       {5, {2, 2, 2}, {2, 3, 4}, 0},
  };
  // clang-format on
  const auto laidOutAsRead = [](Tree tree) {
    layOutTree(tree);
    return tree;
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(&c - cases);
    Fixture other;
    beginOtherShapeTree(other.context, c.branchings);
    for (int b : c.clicks) addBranching(other.context, b);
    const Tree& tree = other.state.tree;
    EXPECT_EQ(tree.complete ? tree.leafCount : 0, c.leaves);
    if (!tree.complete) {
      EXPECT_EQ(enabledBranchButtons(other.controls()), c.enabledAfter);
      continue;
    }
    EXPECT_EQ(laidOutAsRead(tree), tree);
    if (hasBuiltShape(tree)) {
      Fixture own;
      beginTree(own.context, c.branchings);
      for (int b : c.clicks) addBranching(own.context, b);
      EXPECT_TRUE(static_cast<const Work&>(other.state) == static_cast<const Work&>(own.state));
    }
    if (tree.depth() < 2 || tree.depth() > 3) continue;
    other.enterUniformProbabilities();
    const Tree reversed = reversedTree(other.state, 2).state.value().tree;
    EXPECT_EQ(laidOutAsRead(reversed), reversed);
  }
}

TEST(Reset, ClearsTreeResultsAndReductionNote) {
  Fixture f;
  f.build({2, 3});
  f.state.results.count = 3;
  f.state.reduction.reduced = true;
  f.state.reduction.text = "A1";
  f.state.reduction.probability = 0.5;
  f.state.tree.decimalCount = 2;
  f.window.resultLines = {"A1   0.5000"};
  f.window.reductionNote.highlighted = true;
  f.window.reductionNote.event = "Reduc: A1";
  f.host.canvas.clear();
  f.state.input.allProbabilitiesEntered = true;  // as after a completed tree

  beginTree(f.context, 3);
  EXPECT_EQ(f.window.title, "   Kvistra   ");
  EXPECT_TRUE(f.window.resultLines.empty());
  EXPECT_EQ(f.state.results.count, 0);
  EXPECT_FALSE(f.state.reduction.reduced);
  EXPECT_TRUE(f.state.reduction.text.empty());
  EXPECT_EQ(f.state.reduction.probability, 1.0);
  EXPECT_EQ(f.state.tree.decimalCount, 4);
  EXPECT_EQ(f.state.tree.branchingCount, 3);
  EXPECT_EQ(f.state.tree.leafCount, 1);
  EXPECT_FALSE(f.window.reductionNote.highlighted);
  EXPECT_TRUE(f.window.reductionNote.event.empty());
  EXPECT_FALSE(f.window.branchTextsVisible);
  EXPECT_TRUE(f.window.branchCountBarVisible);
  EXPECT_FALSE(f.state.tree.branch(1, 1).exists);
  EXPECT_EQ(f.state.tree.branch(1, 1).name, " ");
  EXPECT_TRUE(f.state.pathNames[1][1].empty());
  ASSERT_FALSE(f.host.canvas.rects.empty());
  EXPECT_EQ(f.host.canvas.rects.front(), (testing::DrawnRect{0, 0, 1000, 700, true}));
  for (Control c : {Print, PrepareTreeMenu, CalculationsMenu, ReduceTree, RestoreTree,
                    CopyAcrossButton, CopyDownButton, EnterProbabilitiesButton, EventButton,
                    ReduceButton, RestoreButton, ClearResultsButton, PrintButton, CopyMenuButton})
    EXPECT_FALSE(f.controls().isEnabled(c));
  EXPECT_TRUE(f.controls().isEnabled(PrintHeadingButton));
  // A half-built tree would load as a complete one.
  EXPECT_FALSE(f.controls().isEnabled(Save));
}

}  // namespace
}  // namespace kvistra
