#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "probabilities/ProbabilityInput.h"
#include "support/TreeBuilding.h"
#include "text/Windows1252.h"
#include "tree/Layout.h"

namespace kvistra {
namespace {

using testing::DrawnLine;
using testing::Fixture;
using testing::levelProbabilities;
using enum Control;

const std::string TooLarge = " |Indtast en sandsynlighed !";
const std::string SumOver = " |Sandsynlighederne skal give summen 1 !";
const std::string AskOne = w1252("Skal sandsynligheden være 1.000 ?");
const std::string AskZero = w1252("Skal sandsynligheden være 0.000 ?");

// A tree of the given branch counts, ready for its first probabilities.
Fixture& readyTree(Fixture& f, std::initializer_list<int> counts) {
  f.build(counts);
  f.host.canvas.clear();
  return f;
}

// Asks branch (level, slot) as the group stepping does, with the sum of the branches before it.
void enterBranch(Fixture& f, int level, int slot, double groupSum = 0.0) {
  f.state.input.currentLevel = level;
  f.state.input.currentSlot = slot;
  f.state.input.groupSum = groupSum;
  f.state.input.cancelled = false;
  enterBranchProbability(f.context);
}

TEST(enterBranchProbability, ChecksEachTypedValue) {
  struct Case {
    std::vector<std::optional<std::string>> typed;
    std::vector<bool> answers;
    std::vector<std::string> asked;     // yes/no questions, in order
    std::vector<std::string> messages;  // in order
    double accepted;
    std::string typedText;
  };
  const Case cases[] = {
      {{"0.5"}, {}, {}, {}, 0.5, "0.5"},
      {{"1/6"}, {}, {}, {}, 1.0 / 6, "1/6"},
      {{"3/2", "0.4"}, {}, {}, {TooLarge}, 0.4, "0.4"},
      {{"1"}, {true}, {AskOne}, {}, 1.0, "1"},
      {{"1/1", "0.2"}, {false}, {AskOne}, {}, 0.2, "0.2"},
      {{"0"}, {true}, {AskZero}, {}, 0.0, "0"},
      {{"0/5", "", "0.1"}, {false, false}, {AskZero, AskZero}, {}, 0.1, "0.1"},
      {{"2/3/4"}, {true}, {AskZero}, {}, 0.0, "2/3/4"},
      {{"12345678901234", "0.25"}, {}, {}, {TooLarge}, 0.25, "0.25"},
      {{"-0.5", "0.5"}, {}, {}, {TooLarge}, 0.5, "0.5"},
      {{"5e432", "1e999/2", "0.5"}, {}, {}, {TooLarge, TooLarge}, 0.5, "0.5"},
  };
  for (const auto& c : cases) {
    Fixture f;
    readyTree(f, {3, 2});
    for (const auto& t : c.typed) f.host.probabilityReplies.push_back(t);
    for (bool a : c.answers) f.host.yesNoReplies.push_back(a);
    enterBranch(f, 1, 1);
    const std::string name = *c.typed.front();
    const Branch& branch = f.state.tree.branch(1, 1);
    EXPECT_TRUE(branch.probabilityEntered) << name;
    EXPECT_DOUBLE_EQ(branch.probability, c.accepted) << name;
    EXPECT_EQ(branch.typedText, c.typedText) << name;
    EXPECT_EQ(f.host.questionsAsked, c.asked) << name;
    EXPECT_EQ(f.host.messages, c.messages) << name;
    EXPECT_TRUE(f.host.probabilityReplies.empty()) << name;
  }
}

TEST(enterBranchProbability, MarksTheBranchAskedThenDrawsTheValueInBlack) {
  Fixture f;
  readyTree(f, {3, 2});
  f.type({"1/6", "0.5"});
  enterBranch(f, 1, 2, 0.0);
  enterBranch(f, 2, 3, 0.0);
  EXPECT_EQ(f.host.probabilityLabels, (std::vector<std::string>{"B1", "A2 efter B1"}));
  const Branch& b = f.state.tree.branch(1, 2);
  const int left = ScreenOffsetX + b.x;
  const int textY = b.y - f.state.textLift;
  ASSERT_GE(f.host.canvas.lines.size(), 2u);
  EXPECT_TRUE(f.host.canvas.hasLine({left, b.y, left + 100, b.y, PenStyle::Thick, Red}));
  EXPECT_TRUE(f.host.canvas.hasLine({left, b.y, left + 100, b.y, PenStyle::Solid, Black}));
  EXPECT_EQ(f.host.canvas.penColor, Black);
  EXPECT_TRUE(f.host.canvas.hasText(ScreenOffsetX + b.nameX, textY, "B1"));
  EXPECT_TRUE(f.host.canvas.hasText(ScreenOffsetX + b.probabilityX, textY, "0.1667"));
}

TEST(enterBranchProbability, CompletesTheGroup) {
  struct Case {
    std::initializer_list<int> tree;
    int slot;  // the branch asked
    double groupSum;
    std::initializer_list<std::optional<std::string>> typed;
    std::vector<double> level1;
    int currentNodeAfter;
    std::string completedText;
  };
  const Case cases[] = {
      // The second-to-last of three: the last gets the rest and the position moves onto it.
      {{3, 2}, 2, 0.2, {"0.3"}, {0, 0.3, 0.5}, 3, "0.5000"},
      // The first of a pair completes the second.
      {{2, 2}, 1, 0.0, {"0.35"}, {0.35, 0.65}, 2, "0.6500"},
      // The second of a pair (only editing asks it) completes the first; the position stays.
      {{2, 2}, 2, 0.0, {"0.3"}, {0.7, 0.3}, 2, "0.7000"},
      // 0.2 + 0.8 is exactly 1 in doubles, so it is accepted and the last branch gets 0.
      {{3, 2}, 2, 0.2, {"0.8"}, {0, 0.8, 0}, 3, "0.0000"},
  };
  for (const auto& c : cases) {
    Fixture f;
    readyTree(f, c.tree);
    f.type(c.typed);
    if (c.groupSum > 0) {
      f.state.tree.branch(1, 1).probability = c.groupSum;
      f.state.tree.branch(1, 1).probabilityEntered = true;
    }
    enterBranch(f, 1, c.slot, c.groupSum);
    std::vector<double> level1 = levelProbabilities(f.state, 1);
    if (c.groupSum > 0) level1[0] = 0;
    ASSERT_EQ(level1.size(), c.level1.size());
    for (std::size_t i = 0; i < level1.size(); ++i)
      EXPECT_NEAR(level1[i], c.level1[i], 1e-15) << "slot " << c.slot << " of " << i + 1;
    EXPECT_EQ(f.state.input.currentSlot, c.currentNodeAfter);
    EXPECT_EQ(f.state.input.groupSum, 1.0);
    const int completed = c.slot == 2 && level1.size() == 2 ? 1 : static_cast<int>(level1.size());
    const Branch& last = f.state.tree.branch(1, completed);
    EXPECT_TRUE(last.probabilityEntered);
    EXPECT_EQ(last.typedText, c.completedText);
    EXPECT_TRUE(f.host.canvas.hasText(ScreenOffsetX + last.probabilityX, last.y - f.state.textLift,
                                      c.completedText));
  }
}

TEST(enterSiblingGroup, AGroupOverOneIsRefusedAndAskedAgain) {
  Fixture f;
  readyTree(f, {3, 2});
  f.type({"0.6", "0.5", "0.3"});
  f.state.input.currentSlot = 0;
  enterSiblingGroup(f.context);
  EXPECT_EQ(f.host.messages, std::vector<std::string>{SumOver});
  EXPECT_EQ(f.host.probabilityDialogs, 3);
  EXPECT_DOUBLE_EQ(f.state.tree.branch(1, 2).probability, 0.3);
  EXPECT_NEAR(f.state.tree.branch(1, 3).probability, 0.1, 1e-15);
  EXPECT_EQ(f.state.input.currentSlot, 3);
}

TEST(enterSiblingGroup, OneAfterOtherValuesIsRefusedSoNothingTurnsNegative) {
  Fixture f;
  readyTree(f, {3, 2});
  f.type({"0.3", "1", "0.7"});
  f.state.input.currentSlot = 0;
  enterSiblingGroup(f.context);
  EXPECT_EQ(f.host.messages, std::vector<std::string>{SumOver});
  EXPECT_TRUE(f.host.questionsAsked.empty());
  EXPECT_EQ(levelProbabilities(f.state, 1), (std::vector<double>{0.3, 0.7, 0.0}));
}

TEST(enterSiblingGroup, AFirstOneLeavesTheOthersToBeConfirmedAsZero) {
  Fixture f;
  readyTree(f, {3, 2});
  f.type({"1", "0"});
  f.host.yesNoReplies = {true, true};
  f.state.input.currentSlot = 0;
  enterSiblingGroup(f.context);
  EXPECT_EQ(f.host.questionsAsked, (std::vector<std::string>{AskOne, AskZero}));
  EXPECT_EQ(levelProbabilities(f.state, 1), (std::vector<double>{1, 0, 0}));
  EXPECT_EQ(f.state.input.currentSlot, 3);
}

TEST(resetAllProbabilities, FortrydClearsEveryProbabilityAndKeepsTheShape) {
  Fixture f;
  readyTree(f, {2, 3});
  f.enterUniformProbabilities();
  f.state.tree.branch(2, 4).typedText = "1/3";
  f.state.tree.branch(1, 1).name = "X";
  f.state.input.firstGroupsEntered = true;
  f.type({std::nullopt});
  enterBranch(f, 2, 4, 0.0);
  for (int level = 1; level <= 2; ++level) {
    for (int slot = 1; slot <= f.state.tree.branch(level, 1).levelNodeCount; ++slot) {
      const Branch& b = f.state.tree.branch(level, slot);
      EXPECT_FALSE(b.probabilityEntered);
      EXPECT_EQ(b.probability, 0.0);
      EXPECT_EQ(b.typedText, "");
      EXPECT_TRUE(b.exists);
    }
  }
  EXPECT_EQ(f.state.tree.branch(1, 1).name, "X");
  EXPECT_EQ(f.state.input.groupSum, 0.0);
  EXPECT_EQ(f.state.input.currentSlot, 4);
  EXPECT_TRUE(f.controls().isEnabled(SetFirstProbabilities));
  // The tree is drawn again on a cleared drawing, without probabilities.
  EXPECT_TRUE(f.host.canvas.rects.back().filledOnly);
  for (const auto& text : f.host.canvas.texts) EXPECT_EQ(text.text.find("0."), std::string::npos);
}

TEST(setFirstChances, AsksLevelOneAndLevelTwosFirstGroupWhenTheCountsDiffer) {
  struct Case {
    std::initializer_list<int> tree;
    std::initializer_list<std::optional<std::string>> typed;
    bool across, down;
    int currentSlot;
  };
  const Case cases[] = {
      {{2, 2}, {"0.3"}, true, false, 0},
      {{3, 3, 3}, {"0.2", "0.3"}, true, false, 0},
      {{3, 2}, {"0.2", "0.3", "0.6"}, false, true, 2},
      {{2, 3}, {"0.5", "0.1", "0.1"}, false, true, 3},
  };
  for (const auto& c : cases) {
    Fixture f;
    readyTree(f, c.tree);
    f.type(c.typed);
    setFirstProbabilities(f.context);
    EXPECT_TRUE(f.host.probabilityReplies.empty());
    EXPECT_EQ(f.state.input.currentLevel, 2);
    EXPECT_EQ(f.state.input.currentSlot, c.currentSlot);
    EXPECT_EQ(f.state.input.canCopyAcross, c.across);
    EXPECT_EQ(f.state.input.canCopyDown, c.down);
    EXPECT_FALSE(f.controls().isEnabled(SetFirstProbabilities));
    for (Control command : {EnterProbabilities, EnterProbabilitiesButton})
      EXPECT_TRUE(f.controls().isEnabled(command));
    for (Control command : {CopyAcross, CopyAcrossButton})
      EXPECT_EQ(f.controls().isEnabled(command), c.across);
    for (Control command : {CopyDown, CopyDownButton})
      EXPECT_EQ(f.controls().isEnabled(command), c.down);
  }
}

TEST(setFirstChances, CancellingInLevelTwoClearsLevelOneToo) {
  Fixture f;
  readyTree(f, {3, 2});
  f.type({"0.2", "0.3", std::nullopt});
  setFirstProbabilities(f.context);
  EXPECT_FALSE(f.state.tree.branch(1, 1).probabilityEntered);
  EXPECT_TRUE(f.controls().isEnabled(SetFirstProbabilities));
  EXPECT_FALSE(f.controls().isEnabled(EnterProbabilities));
  EXPECT_FALSE(f.controls().isEnabled(CopyDownButton));
  // Starting over asks level 1 again from its first branch.
  f.type({"0.5", "0.5", "0.5"});
  setFirstProbabilities(f.context);
  EXPECT_EQ(levelProbabilities(f.state, 1), (std::vector<double>{0.5, 0.5, 0.0}));
  EXPECT_TRUE(f.controls().isEnabled(CopyDownButton));
}

TEST(allLeavesEntered, OnlyTheDeepestLevelCounts) {
  Fixture f;
  readyTree(f, {2, 2});
  EXPECT_FALSE(allLeavesEntered(f.state));
  for (int slot = 1; slot <= 4; ++slot) f.state.tree.branch(2, slot).probabilityEntered = true;
  EXPECT_TRUE(allLeavesEntered(f.state));
  EXPECT_FALSE(allBranchesEntered(f.state));
  f.enterUniformProbabilities();
  EXPECT_TRUE(allBranchesEntered(f.state));
  f.state.tree.leafCount = 0;
  EXPECT_TRUE(allLeavesEntered(f.state));
}

}  // namespace
}  // namespace kvistra
