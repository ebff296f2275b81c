// Reversing a tree by Bayes' rule: exact values that come back when reversed again, the leaves
// of the original in another order, a file that holds the values, and the refusals.
#include <gtest/gtest.h>

#include <algorithm>

#include "chance/Simulation.h"
#include "chance/TreeReversal.h"
#include "events/EventTrees.h"
#include "events/Reduction.h"
#include "probabilities/BranchEditing.h"
#include "storage/TreeFile.h"
#include "support/TreeBuilding.h"
#include "text/Windows1252.h"
#include "tree/ExactValues.h"

namespace kvistra {
namespace {

using Typed = std::vector<std::vector<std::string_view>>;
const Typed Illness = {{"1/100", "99/100"}, {"9/10", "1/10", "9/100", "91/100"}};
const Typed ThreeTwoTwo = {
    {"1/6", "1/3", "1/2"},
    {"1/4", "3/4", "2/5", "3/5", "1/9", "8/9"},
    {"1/2", "1/2", "1/3", "2/3", "1/5", "4/5", "1/6", "5/6", "1/7", "6/7", "1/8", "7/8"}};

TreeState typedTree(const std::vector<int>& counts, const Typed& levels) {
  TreeState state = test_trees::MakeTree(counts);
  for (std::size_t level = 0; level < levels.size(); ++level)
    test_trees::TypeLevel(state, static_cast<int>(level) + 1, levels[level]);
  return state;
}

// Every branch's name and exact value, level by level.
std::vector<std::string> branches(const Tree& tree) {
  const ExactValues values(tree);
  std::vector<std::string> shown;
  for (int level = 1; level <= tree.branchingCount; ++level)
    for (int slot = 1; slot <= tree.branch(level, 1).levelNodeCount; ++slot)
      shown.push_back(tree.branch(level, slot).name.str() + fractionText(values(level, slot)));
  return shown;
}

TEST(TreeReversalTest, ReversingAgainGivesTheTreeBackExactlyAndEveryStepKeepsTheLeaves) {
  const struct {
    std::vector<int> counts;
    Typed typed;
    std::vector<int> firsts;  // the branching chosen first, reversal by reversal
  } cases[] = {
      {{2, 2}, Illness, {2, 2}},
      {{2, 3}, {{"1/3", "2/3"}, {"0", "1/4", "3/4", "1/5", "3/5", "1/5"}}, {2, 2}},
      {{3, 2, 2}, ThreeTwoTwo, {3, 3, 3}},
  };
  for (const auto& c : cases) {
    const TreeState original = typedTree(c.counts, c.typed);
    const std::vector<Exact> originalLeaves = outcomeProbabilities(original.tree);
    TreeState tree = original;
    for (const int first : c.firsts) {
      ReversedTree reversed = reversedTree(tree, first);
      ASSERT_TRUE(reversed.state) << reversed.refusal;
      const std::vector<Exact> leaves = outcomeProbabilities(reversed.state->tree);
      EXPECT_TRUE(std::is_permutation(leaves.begin(), leaves.end(), originalLeaves.begin()));
      // What a save writes reads back to the same exact values.
      TreeState reopened;
      ASSERT_TRUE(readTreeFile(treeFileText(*reversed.state), reopened));
      EXPECT_EQ(branches(reopened.tree), branches(reversed.state->tree));
      tree = std::move(*reversed.state);
    }
    EXPECT_EQ(branches(tree.tree), branches(original.tree));
  }
  const Tree illness = reversedTree(typedTree({2, 2}, Illness), 2).state->tree;
  EXPECT_EQ(illness.branch(1, 1).typedText.str() + " " + illness.branch(2, 1).typedText.str(),
            "981/10000 10/109");
  // A fraction too long for the field is written as a decimal, never cut short.
  const Tree decimals = reversedTree(test_trees::FractionTree(), 2).state->tree;
  for (int k = 1; k <= decimals.outcomeSlots(); ++k)
    EXPECT_NEAR(readExact(decimals.leaf(k).typedText.view()).value_or(2).get_d(),
                decimals.leaf(k).probability, 5e-5);
}

TEST(TreeReversalTest, RefusesWhatCannotBeReversedAndSaysWhy) {
  TreeState renamed = typedTree({2, 2}, Illness);
  renamed.tree.branch(2, 4).name = "C2";
  const std::pair<TreeState, const char*> cases[] = {
      {renamed, "grenene i 2. forgrening hedder ikke det samme efter B1 som efter A1. "},
      {typedTree({2, 2}, {{"1/2", "1/2"}, {"0", "1", "0", "1"}}),
       "P(A2) er 0, så grenene efter A2 ville kræve en division med 0. "},
  };
  for (const auto& [tree, message] : cases) {
    const ReversedTree reversed = reversedTree(tree, 2);
    EXPECT_FALSE(reversed.state);
    EXPECT_EQ(reversed.refusal, w1252(std::string(" Træet kan ikke vendes: ") + message));
  }
}

void typeTree(testing::Fixture& f, const Typed& typed) {
  f.build({2, 2});
  for (int level = 1; level <= 2; ++level) test_trees::TypeLevel(f.state, level, typed[level - 1]);
  f.state.input.allProbabilitiesEntered = true;
}

// Each reversed branch's working, shown as its hint until a value changes; the question about
// changes only when the tree will be reversed; "Brøker" kept; the command off while reduced.
TEST(TreeReversalTest, TheReversedTreeExplainsItsValuesAndAsksOnlyWhenItGoesOn) {
  const struct {
    Typed typed;
    int first, level, slot;
    const char* working;  // UTF-8
  } cases[] = {
      {Illness, 2, 1, 1,
       "P(A2) = P(A1) · P(A2 | A1) + P(B1) · P(A2 | B1) = 1/100 · 9/10 + 99/100 · 9/100 = "
       "981/10000"},
      {ThreeTwoTwo, 3, 3, 1,
       "P(A2 | A3A1) = P(A2 | A1) · P(A3 | A1A2) / P(A3 | A1) = 1/4 · 1/2 : 3/8 = 1/3"},
      {ThreeTwoTwo, 2, 3, 1, "P(A3 | A2A1) = P(A3 | A1A2) = 1/2"},  // it stays where it was
  };
  for (const auto& c : cases) {
    const std::vector<int> counts = c.typed.size() == 2 ? std::vector{2, 2} : std::vector{3, 2, 2};
    EXPECT_EQ(
        reversedTree(typedTree(counts, c.typed), c.first).state->reversal->lines[c.level][c.slot],
        w1252(c.working));
  }
  testing::Fixture refused;
  typeTree(refused, {{"1/2", "1/2"}, {"0", "1", "0", "1"}});
  reverseTree(refused.context);
  EXPECT_EQ(std::pair(refused.host.messages.size(), refused.host.saveChangesQuestions),
            std::pair(std::size_t{1}, 0));
  testing::Fixture f;
  typeTree(f, Illness);
  showFractions(f.context);
  reverseTree(f.context);
  EXPECT_EQ(f.host.saveChangesQuestions, 1);
  EXPECT_TRUE(f.state.tree.showFractions);
  const Branch& branch = f.state.tree.branch(2, 1);
  const auto hint = [&] {
    pressOnDrawing(f.context, ScreenOffsetX + branch.x + LevelPitch / 2, branch.y);
    return f.window.branchHint.text;
  };
  EXPECT_EQ(hint(), w1252("P(A1 | A2) = P(A1) · P(A2 | A1) / P(A2) = 1/100 · 9/10 : 981/10000 = "
                          "10/109"));
  test_trees::TypeLevel(f.state, 2, {"1/2", "1/2"});  // as "Ret talværdi" leaves it
  EXPECT_EQ(hint(), "1/2 = 0.5000");
  f.host.promptReplies.push_back({"A1", PromptClose::Ok});
  askReduction(f.context);
  EXPECT_FALSE(f.controls().isEnabled(Control::ReverseTree));
  restoreTree(f.context);
  EXPECT_TRUE(f.controls().isEnabled(Control::ReverseTree));
}

}  // namespace
}  // namespace kvistra
