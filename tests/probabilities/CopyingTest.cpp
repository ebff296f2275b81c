#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "probabilities/Copying.h"
#include "probabilities/ProbabilityInput.h"
#include "support/TreeBuilding.h"
#include "tree/Layout.h"

namespace kvistra {
namespace {

using testing::Fixture;
using testing::levelProbabilities;
using enum Control;
using Direction = CopyDirection;

void expectNear(const std::vector<double>& actual, const std::vector<double>& expected,
                const std::string& what) {
  ASSERT_EQ(actual.size(), expected.size()) << what;
  for (std::size_t i = 0; i < actual.size(); ++i)
    EXPECT_NEAR(actual[i], expected[i], 1e-12) << what << ", slot " << i + 1;
}

// What the copy components and the input commands show, after the last command.
struct Offered {
  bool across, down, enter;
};

Offered offered(const WindowState& w) {
  EXPECT_EQ(w.isEnabled(CopyAcross), w.isEnabled(CopyAcrossButton));
  EXPECT_EQ(w.isEnabled(CopyDown), w.isEnabled(CopyDownButton));
  EXPECT_EQ(w.isEnabled(EnterProbabilities), w.isEnabled(EnterProbabilitiesButton));
  return {w.isEnabled(CopyAcrossButton), w.isEnabled(CopyDownButton),
          w.isEnabled(EnterProbabilitiesButton)};
}

// One step of a walk through a tree: a command, what it types, what it offers afterwards.
enum class Step { FirstChances, Enter, Across, Down };

struct WalkStep {
  Step step;
  std::initializer_list<std::optional<std::string>> typed;
  bool across, down;
  int level, node;  // the input position afterwards
};

void run(Fixture& f, Step step) {
  switch (step) {
    case Step::FirstChances:
      return setFirstProbabilities(f.context);
    case Step::Enter:
      return enterNextGroup(f.context);
    case Step::Across:
      return copyNextGroup(f.context, Direction::Across);
    case Step::Down:
      return copyNextGroup(f.context, Direction::Down);
  }
}

void walk(Fixture& f, const std::vector<WalkStep>& steps) {
  int i = 0;
  for (const auto& s : steps) {
    ++i;
    f.type(s.typed);
    run(f, s.step);
    EXPECT_TRUE(f.host.probabilityReplies.empty()) << "step " << i;
    if (f.state.input.allProbabilitiesEntered) continue;
    const Offered o = offered(f.controls());
    EXPECT_EQ(o.across, s.across) << "step " << i;
    EXPECT_EQ(o.down, s.down) << "step " << i;
    EXPECT_TRUE(o.enter) << "step " << i;
    EXPECT_EQ(f.state.input.currentLevel, s.level) << "step " << i;
    EXPECT_EQ(f.state.input.currentSlot, s.node) << "step " << i;
  }
}

void expectCompleted(Fixture& f) {
  EXPECT_TRUE(f.state.input.allProbabilitiesEntered);
  for (Control c :
       {Print, PrintPreview, ExportPicture, PrintWorksheet, CalculationsMenu, AskEvent, ReverseTree,
        Simulate, SimulateAgain, NaturalFrequencies, ReduceTree, EventButton, ReduceButton,
        ClearResultsButton, PrintButton, PrintHeadingButton, CopyMenuButton, Save})
    EXPECT_TRUE(f.controls().isEnabled(c)) << static_cast<int>(c);
  for (Control c : {RestoreButton, SetFirstProbabilities, CopyAcross, CopyDown, EnterProbabilities,
                    CopyAcrossButton, CopyDownButton, EnterProbabilitiesButton})
    EXPECT_FALSE(f.controls().isEnabled(c)) << static_cast<int>(c);
  EXPECT_GE(f.host.repaints, 1);
}

TEST(CopyingWalks, TwoByTwoAcross) {
  Fixture f;
  f.build({2, 2});
  walk(f, {{Step::FirstChances, {"0.3"}, true, false, 2, 0}, {Step::Across, {}, true, true, 2, 2}});
  EXPECT_FALSE(f.state.input.allProbabilitiesEntered);
  walk(f, {{Step::Across, {}, false, false, 2, 4}});
  expectNear(levelProbabilities(f.state, 2), {0.3, 0.7, 0.3, 0.7}, "level 2");
  expectCompleted(f);
  EXPECT_EQ(f.state.pathNames[4][1], "B1");
  EXPECT_EQ(f.state.pathNames[4][2], "B2");
}

TEST(CopyingWalks, ThreeByTwoDown) {
  Fixture f;
  f.build({3, 2});
  walk(f, {{Step::FirstChances, {"0.2", "0.3", "0.6"}, false, true, 2, 2},
           {Step::Down, {}, false, true, 2, 4}});
  walk(f, {{Step::Down, {}, false, false, 2, 6}});
  expectNear(levelProbabilities(f.state, 2), {0.6, 0.4, 0.6, 0.4, 0.6, 0.4}, "level 2");
  expectCompleted(f);
}

TEST(CopyingWalks, TwoThreeThreeCopiesTheParentsGroupAcross) {
  Fixture f;
  f.build({2, 3, 3});
  walk(f, {
              {Step::FirstChances, {"0.4", "0.1", "0.2"}, false, true, 2, 3},
              // Level 2 full: the position moves on, across fits (3 = 3), down waits.
              {Step::Down, {}, true, false, 3, 0},
              {Step::Across, {}, true, true, 3, 3},
              {Step::Across, {}, true, true, 3, 6},
              {Step::Enter, {"0.5", "0.25"}, true, true, 3, 9},
              {Step::Down, {}, true, true, 3, 12},
              {Step::Across, {}, true, true, 3, 15},
          });
  walk(f, {{Step::Across, {}, false, false, 3, 18}});
  expectCompleted(f);
  expectNear(levelProbabilities(f.state, 2), {0.1, 0.2, 0.7, 0.1, 0.2, 0.7}, "level 2");
  expectNear(levelProbabilities(f.state, 3),
             {0.1, 0.2, 0.7, 0.1, 0.2, 0.7, 0.5, 0.25, 0.25, 0.5, 0.25, 0.25, 0.1, 0.2, 0.7, 0.1,
              0.2, 0.7},
             "level 3");
}

TEST(CopyingWalks, TwoTwoThreeLosesAcrossOnTheThirdLevel) {
  Fixture f;
  f.build({2, 2, 3});
  walk(f, {
              {Step::FirstChances, {"0.5"}, true, false, 2, 0},
              {Step::Enter, {"0.9"}, true, true, 2, 2},
              {Step::Enter, {"0.8"}, false, false, 3, 0},
              {Step::Enter, {"0.1", "0.2"}, false, true, 3, 3},
              {Step::Down, {}, false, true, 3, 6},
              {Step::Down, {}, false, true, 3, 9},
          });
  walk(f, {{Step::Down, {}, false, false, 3, 12}});
  expectCompleted(f);
}

TEST(CopyingWalks, TheCopiedTypedFormTravelsWithTheValue) {
  Fixture f;
  f.build({3, 3});
  f.type({"1/6", "1/3"});
  setFirstProbabilities(f.context);
  f.host.canvas.clear();
  copyNextGroup(f.context, Direction::Across);
  EXPECT_EQ(f.state.tree.branch(2, 1).typedText, "1/6");
  EXPECT_EQ(f.state.tree.branch(2, 3).typedText, "0.5000");
  const Branch& first = f.state.tree.branch(2, 1);
  EXPECT_TRUE(f.host.canvas.hasText(ScreenOffsetX + first.probabilityX, first.y - f.state.textLift,
                                    "0.1667"));
}

TEST(enterNextGroup, FortrydClearsTheTreeAndReturnsToWhereItBegan) {
  Fixture f;
  f.build({3, 3, 3});
  f.type({"0.2", "0.3"});
  setFirstProbabilities(f.context);
  copyNextGroup(f.context, Direction::Across);
  const WindowState before = f.controls();
  const int repaints = f.host.repaints;
  f.type({"0.4", std::nullopt});  // the first branch is taken, then "Fortryd"
  enterNextGroup(f.context);
  EXPECT_EQ(f.state.input.currentLevel, 2);
  EXPECT_EQ(f.state.input.currentSlot, 3);
  EXPECT_FALSE(f.state.input.cancelled);
  EXPECT_EQ(f.state.input.groupSum, 0.0);
  for (int level = 1; level <= 3; ++level)
    for (int slot = 1; slot <= f.state.tree.branch(level, 1).levelNodeCount; ++slot)
      EXPECT_FALSE(f.state.tree.branch(level, slot).probabilityEntered);
  EXPECT_TRUE(f.controls().isEnabled(SetFirstProbabilities));
  EXPECT_TRUE(before.isEnabled(CopyAcrossButton) && before.isEnabled(EnterProbabilitiesButton));
  EXPECT_EQ(offered(f.controls()).across, false);
  EXPECT_EQ(offered(f.controls()).down, false);
  EXPECT_EQ(offered(f.controls()).enter, false);
  EXPECT_GT(f.host.repaints, repaints);
}

TEST(enterNextGroup, AfterFortrydOnlyAFreshStartIsOffered) {
  // Once "Fortryd" has cleared the tree, a restart that is itself cancelled in level 2 leaves
  // the position mid-group; a copy from there would read before the level's first slot.
  Fixture f;
  f.build({3, 2});
  f.type({"0.2", "0.3", "0.6"});
  setFirstProbabilities(f.context);
  copyNextGroup(f.context, Direction::Down);
  f.type({std::nullopt});
  enterNextGroup(f.context);
  f.type({"0.2", "0.3", std::nullopt});
  setFirstProbabilities(f.context);
  EXPECT_EQ(f.state.input.currentLevel, 2);
  EXPECT_EQ(f.state.input.currentSlot, 1);
  const Offered o = offered(f.controls());
  EXPECT_FALSE(o.across || o.down || o.enter);
  EXPECT_TRUE(f.controls().isEnabled(SetFirstProbabilities));
  // Starting over completes it.
  f.type({"0.2", "0.3", "0.6"});
  setFirstProbabilities(f.context);
  copyNextGroup(f.context, Direction::Down);
  copyNextGroup(f.context, Direction::Down);
  expectCompleted(f);
}

TEST(copyNextGroup, DoesNothingInACompletedTree) {
  Fixture f;
  f.build({2, 2});
  f.type({"0.5"});
  setFirstProbabilities(f.context);
  copyNextGroup(f.context, Direction::Across);
  copyNextGroup(f.context, Direction::Across);
  ASSERT_TRUE(f.state.input.allProbabilitiesEntered);
  const TreeState before = f.state;
  copyNextGroup(f.context, Direction::Down);
  copyNextGroup(f.context, Direction::Across);
  enterNextGroup(f.context);
  EXPECT_EQ(f.state.input.currentSlot, before.input.currentSlot);
  EXPECT_EQ(levelProbabilities(f.state, 2), levelProbabilities(before, 2));
  EXPECT_EQ(f.host.probabilityDialogs, 1);
}

}  // namespace
}  // namespace kvistra
