#include "probabilities/BranchEditing.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "events/Reduction.h"
#include "probabilities/Copying.h"
#include "probabilities/ProbabilityInput.h"
#include "results/ResultsList.h"
#include "storage/TreeFile.h"
#include "support/TreeBuilding.h"
#include "text/Windows1252.h"
#include "tree/Layout.h"

namespace kvistra {
namespace {

using testing::Fixture;
using testing::levelProbabilities;
using enum Control;

// Level 1: 0.2, 0.3, 0.5; level 2: pairs of 0.5; entered the way a user does.
void completeThreeByTwo(Fixture& f) {
  f.build({3, 2});
  f.type({"0.2", "0.3", "0.5"});
  setFirstProbabilities(f.context);
  copyNextGroup(f.context, CopyDirection::Down);
  copyNextGroup(f.context, CopyDirection::Down);
  ASSERT_TRUE(f.state.input.allProbabilitiesEntered);
}

void reduceTo(Fixture& f, const std::string& event) {
  f.host.promptReplies.push_back({event, PromptClose::Ok});
  askReduction(f.context);
  ASSERT_TRUE(f.state.reduction.reduced);
}

// Chooses the tool and clicks in the middle of the branch's line.
void clickWith(Fixture& f, ToolMode mode, int level, int slot) {
  chooseTool(f.context, mode);
  const Branch& branch = f.state.tree.branch(level, slot);
  releaseOnDrawing(f.context, ScreenOffsetX + branch.x + LevelPitch / 2, branch.y);
}

std::string names(const TreeState& state, int level) {
  std::string all;
  for (int slot = 1; slot <= state.tree.branch(level, 1).levelNodeCount; ++slot)
    all += state.tree.branch(level, slot).name.str() + " ";
  return all;
}

TEST(branchHitTest, LevelComesFromXFirstAndThePressSparesTheLeftEnd) {
  Fixture f;
  f.build({2, 2});  // level 1 at y 137, 353 from x 80; level 2 at y 83, 191, 299, 407 from x 180
  struct Case {
    int x, y;
    PointerPoint point;
    std::optional<BranchAddress> hit;
  };
  using enum PointerPoint;
  const Case cases[] = {
      {80, 137, Release, BranchAddress{1, 1}},  {80, 137, Press, std::nullopt},
      {179, 121, Press, BranchAddress{1, 1}},   {179, 120, Release, std::nullopt},
      {120, 356, Release, BranchAddress{1, 2}}, {120, 357, Release, std::nullopt},
      {200, 137, Release, std::nullopt},  // inside level 1's rectangle, but in level 2's band
      {200, 191, Release, BranchAddress{2, 2}}, {330, 83, Release, std::nullopt},
  };
  for (const Case& c : cases) {
    f.state.pointer = {c.x, c.y, c.x, c.y, ToolMode::None};
    EXPECT_EQ(branchHitTest(f.state, c.point), c.hit) << c.x << "," << c.y;
  }
}

TEST(editBranchValue, AsksTheClickedBranchAndTheRestOfItsGroup) {
  struct Case {
    int level, slot;
    std::initializer_list<std::optional<std::string>> typed;
    std::vector<double> expected;
    std::vector<std::string> messages;
  };
  const Case cases[] = {
      {1, 1, {"0.1", "0.6"}, {0.1, 0.6, 0.3}, {}},
      {1, 2, {"0.4"}, {0.2, 0.4, 0.4}, {}},
      {1, 3, {}, {0.2, 0.3, 0.5}, {" |Sandsynlighederne skal give summen 1.000"}},
      {2, 2, {"0.25"}, {0.75, 0.25, 0.5, 0.5, 0.5, 0.5}, {}},
  };
  for (const Case& c : cases) {
    Fixture f;
    completeThreeByTwo(f);
    const InputPosition before = f.state.input;
    f.type(c.typed);
    const int dialogs = f.host.probabilityDialogs;
    clickWith(f, ToolMode::EditValue, c.level, c.slot);
    const std::vector<double> values = levelProbabilities(f.state, c.level);
    ASSERT_EQ(values.size(), c.expected.size());
    for (std::size_t i = 0; i < values.size(); ++i)
      EXPECT_NEAR(values[i], c.expected[i], 1e-12) << c.level << "," << c.slot << " slot " << i;
    EXPECT_EQ(f.host.probabilityDialogs - dialogs, static_cast<int>(c.typed.size()));
    EXPECT_EQ(f.host.messages, c.messages);
    EXPECT_EQ(f.state.pointer.toolMode, ToolMode::None);
    EXPECT_EQ(f.state.input.currentLevel, before.currentLevel);
    EXPECT_EQ(f.state.input.currentSlot, before.currentSlot);
    EXPECT_TRUE(f.state.input.allProbabilitiesEntered);
    EXPECT_TRUE(f.controls().isEnabled(CalculationsMenu));
  }
}

TEST(editBranchValue, FortrydLeavesTheTreeAsItWasReducedOrNot) {
  for (const bool reduced : {false, true}) {
    Fixture f;
    completeThreeByTwo(f);
    addResult(f.context, "A1", "0.2000");
    if (reduced) reduceTo(f, "A1");
    const std::string file = treeFileText(f.state);
    const WindowState window = f.controls();
    f.type({"0.1", std::nullopt});
    clickWith(f, ToolMode::EditValue, 1, 1);
    EXPECT_EQ(treeFileText(f.state), file) << reduced;
    EXPECT_EQ(f.controls().enabled, window.enabled) << reduced;
    EXPECT_EQ(f.window.reductionNote, window.reductionNote) << reduced;
  }
}

// A value changed on a reduced tree changes what the tree was reduced to.
TEST(editBranchValue, OnAReducedTreeSumsTheReductionAgainOrRestoresAtZero) {
  struct Case {
    std::initializer_list<std::optional<std::string>> typed;
    bool stillReduced;
    std::string note;
  };
  const Case cases[] = {
      {{"0.4", "0.1"}, true, "Sands. på reduc. træ:0.4000"},
      {{"0", "0.6"}, false, ""},
  };
  for (const Case& c : cases) {
    Fixture f;
    completeThreeByTwo(f);
    reduceTo(f, "A1");
    f.host.yesNoReplies = {true};  // a probability of 0 is confirmed
    f.type(c.typed);
    clickWith(f, ToolMode::EditValue, 1, 1);
    EXPECT_EQ(f.state.reduction.reduced, c.stillReduced);
    EXPECT_EQ(f.window.reductionNote.probability, w1252(c.note));
    EXPECT_EQ(f.host.messages.size(), c.stillReduced ? 0u : 1u);
    EXPECT_EQ(f.controls().isEnabled(RestoreTree), c.stillReduced);
  }
}

TEST(editBranchValue, TypingTheLastMissingGroupCompletesTheTree) {
  Fixture f;
  f.build({2, 2});
  f.type({"0.3"});
  setFirstProbabilities(f.context);
  copyNextGroup(f.context, CopyDirection::Across);
  f.type({"0.4"});
  clickWith(f, ToolMode::EditValue, 2, 3);
  EXPECT_TRUE(f.state.input.allProbabilitiesEntered);
  EXPECT_TRUE(f.controls().isEnabled(CalculationsMenu));
  EXPECT_FALSE(f.controls().isEnabled(EnterProbabilities));
}

TEST(replaceLetterInTree, RenamesEveryLevelAndRefusesALetterInUse) {
  struct Case {
    int level, slot;
    std::optional<std::string> typed;  // std::nullopt presses "Fortryd"
    std::string level1, level2;
    std::vector<std::string> messages;
  };
  const std::string same1 = "A1 B1 ", same2 = "A2 B2 C2 A2 B2 C2 ";
  const std::vector<std::string> inUse{" |Bogstavet er allerede i brug."};
  const Case cases[] = {
      {1, 1, "k", "K1 B1 ", "K2 B2 C2 K2 B2 C2 ", {}},
      {2, 3, w1252("ø"), same1, w1252("A2 B2 Ø2 A2 B2 Ø2 "), {}},
      {1, 2, "a", same1, same2, inUse},  // A1 is level 1's first name
      {1, 1, "C", same1, same2, inUse},  // C2 is not on outcome 1's path
      {1, 1, "5", same1, same2, {" |Skriv et bogstav."}},
      {1, 1, std::nullopt, same1, same2, {}},
  };
  for (const Case& c : cases) {
    Fixture f;
    f.build({2, 3});
    addResult(f.context, "A1", "0.5000");
    f.host.promptReplies.push_back(
        {c.typed.value_or(""), c.typed ? PromptClose::Ok : PromptClose::Cancel});
    clickWith(f, ToolMode::ReplaceLetter, c.level, c.slot);
    const std::string what = c.typed.value_or("Fortryd");
    EXPECT_EQ(f.host.questionsAsked, std::vector<std::string>{" Nyt navn ?  "}) << what;
    EXPECT_EQ(names(f.state, 1) + names(f.state, 2), c.level1 + c.level2) << what;
    EXPECT_EQ(f.host.messages, c.messages) << what;
    EXPECT_EQ(f.state.results.count, c.level1 + c.level2 != same1 + same2 ? 2 : 1) << what;
    EXPECT_EQ(f.state.pathNames[3][2], f.state.tree.branch(2, 3).name) << what;
  }
}

}  // namespace
}  // namespace kvistra
