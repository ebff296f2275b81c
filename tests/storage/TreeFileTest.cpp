#include "storage/TreeFile.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "construction/Construction.h"
#include "events/EventCalculation.h"
#include "events/EventExpression.h"
#include "probabilities/BranchEditing.h"
#include "probabilities/Copying.h"
#include "probabilities/ProbabilityInput.h"
#include "storage/TreeFileCommands.h"
#include "storage/TreeFiles.h"
#include "text/Windows1252.h"
#include "tree/Layout.h"

namespace kvistra {
namespace {

using testing::fileLines;
using testing::Fixture;
using testing::joinLines;
using testing::SavedTree;

// A 2 x 2 tree whose first branch of every pair was typed as 1/2, the second filled in.
void buildHalves(Fixture& f) {
  f.build({2, 2});
  for (int level = 1; level <= 2; ++level)
    for (int slot = 1; slot <= f.state.tree.branch(level, 1).levelNodeCount; ++slot) {
      Branch& branch = f.state.tree.branch(level, slot);
      branch.probability = 0.5;
      branch.probabilityEntered = true;
      branch.typedText = slot % 2 ? "1/2" : "0.5000";
    }
}

// A branch block of a level of count records at x, whose names and probabilities follow x.
std::vector<std::string> block(const char* count, const char* parent, const char* x, const char* y,
                               const char* name, const char* typed) {
  const int left = std::stoi(x);
  return {"2",
          count,
          parent,
          x,
          y,
          std::to_string(left + 5),
          std::to_string(left + 40),
          "0",
          name,
          " 5.00000000000000E-0001",
          typed,
          "1"};
}

TEST(TreeFile, WritesTheExampleTreeByteForByte) {
  Fixture f;
  buildHalves(f);
  std::vector<std::string> lines = {"2", "4", " 1.00000000000000E+0000", "", "0", "4", "0", "2"};
  const auto add = [&](std::vector<std::string> more) {
    lines.insert(lines.end(), more.begin(), more.end());
  };
  add(block("2", "1", "30", "137", "A1", "1/2"));
  add(block("2", "1", "30", "353", "B1", "0.5000"));
  add({"4"});
  add(block("4", "1", "130", "83", "A2", "1/2"));
  add(block("4", "1", "130", "191", "B2", "0.5000"));
  add(block("4", "2", "130", "299", "A2", "1/2"));
  add(block("4", "2", "130", "407", "B2", "0.5000"));
  add({"0"});
  ASSERT_EQ(lines.size(), 82u);
  EXPECT_EQ(treeFileText(f.state), joinLines(lines, "\r\n"));

  // A result, name rows with a one-letter name and Danish letters, and a branch of 1/6.
  f.state.tree.branch(1, 1).probability = 1.0 / 6;
  f.state.results.rows[1] = {w1252("Træet er ændret"), " "};
  f.state.results.count = 1;
  f.state.labels.count = 4;
  f.state.labels.rows[1].newName = w1252("Æ ");
  f.state.labels.rows[1].text = w1252("Hård æble");
  lines[6] = "1";
  lines[17] = " 1.66666666666667E-0001";
  lines.pop_back();
  add({w1252("Træet er ændret"), " ", "4", "A1", w1252("Æ "), w1252("Hård æble")});
  add({"B1", "B1", "", "A2", "A2", "", "B2", "B2", ""});
  EXPECT_EQ(treeFileText(f.state), joinLines(lines, "\r\n"));
}

TEST(TreeFile, RealsHaveFifteenDigitsAndAFourDigitExponent) {
  const std::pair<double, const char*> cases[] = {
      {1.0, " 1.00000000000000E+0000"},
      {0.0, " 0.00000000000000E+0000"},
      {1.0 / 6, " 1.66666666666667E-0001"},
      {std::nextafter(1.0, 0.0), " 1.00000000000000E+0000"},  // rounded, carrying over
      {0.00001, " 1.00000000000000E-0005"},
      {-0.25, "-2.50000000000000E-0001"},
      {1e-300, " 1.00000000000000E-0300"},
  };
  for (const auto& [value, text] : cases) EXPECT_EQ(treeFileReal(value), text) << value;
}

TEST(TreeFile, EveryShapeLoadsBackAsItWasSaved) {
  const SavedTree cases[] = {
      {{2, 3}, {}, 0, false},    {{6, 4}, {1, 2, 7}, 30, true}, {{3, 3, 3}, {5, 6, 27}, 0, true},
      {{6, 2, 2}, {}, 30, true}, {{2, 2, 2}, {1}, 1, false},
  };
  for (const auto& tree : cases) {
    Fixture saved;
    testing::makeSavedTree(saved, tree);
    const std::string text = treeFileText(saved.state);
    Fixture loaded;
    loaded.build({2, 2});
    ASSERT_TRUE(loadTreeText(loaded.context, text, "x.KV3")) << text;
    EXPECT_EQ(treeFileText(loaded.state), text);
    EXPECT_EQ(loaded.state.tree.branch(2, 2).name, saved.state.tree.branch(2, 2).name);
    EXPECT_EQ(loaded.state.labels.count, saved.state.labels.count);
    EXPECT_EQ(loaded.state.reduction.reduced, !tree.keptOutcomes.empty());
  }
}

// Another program's line ends, and texts longer than their fields, read like the program's own.
TEST(TreeFile, ReadsOtherLineEndsAndCutsLongTexts) {
  Fixture saved;
  testing::makeSavedTree(saved, {{3, 2}, {}, 2, true});
  const std::string text = treeFileText(saved.state);
  const std::vector<std::string> lines = fileLines(text);
  std::vector<std::string> longName = lines;
  longName[16] = "abcdefghijklmn";  // the first branch's name
  std::vector<std::string> cutName = lines;
  cutName[16] = "abcdefghij";
  std::vector<std::string> paddedNumbers = lines;
  paddedNumbers[0] = " 2 ";
  paddedNumbers[2] = "+1.0";
  const std::pair<std::string, std::string> variants[] = {
      {joinLines(lines, "\n"), text},
      {text.substr(0, text.size() - 2), text},
      {joinLines(lines, "\n").substr(0, text.size() - lines.size() - 1), text},
      {text + "\r\n\r\n", text},
      {joinLines(longName, "\r\n"), joinLines(cutName, "\r\n")},
      {joinLines(paddedNumbers, "\r\n"), text},
  };
  for (const auto& [variant, expected] : variants) {
    Fixture loaded;
    ASSERT_TRUE(loadTreeText(loaded.context, variant, "x.KV3")) << variant;
    EXPECT_EQ(treeFileText(loaded.state), expected);
  }
}

TEST(TreeFile, RefusesDamagedFilesAndKeepsTheTreeShown) {
  Fixture saved;
  testing::makeSavedTree(saved, {{2, 3}, {}, 2, true});
  const std::vector<std::string> lines = fileLines(treeFileText(saved.state));
  ASSERT_EQ(lines.size(), 125u);
  // Line numbers of the file, from 1, and what replaces them.
  using Damage = std::vector<std::pair<int, std::string>>;
  std::vector<Damage> damages = {
      {{1, "1"}},
      {{1, "4"}},
      {{1, "x"}},
      {{1, ""}},
      {{2, "0"}},
      {{2, "28"}},
      {{2, "5"}},
      {{3, "1.5"}},
      {{3, "abc"}},
      {{3, "0.5"}},
      {{5, "2"}},
      {{6, "7"}},
      {{7, "31"}},
      {{7, "-1"}},
      {{8, "28"}},
      {{8, "3"}},
      {{9, "7"}},
      {{9, "1"}},
      {{10, "3"}},
      {{11, "2"}},
      {{12, "99999999999"}},
      {{18, "nan"}},
      {{18, "inf"}},
      {{18, "0,5"}},
      {{20, "0"}},
      {{33, "27"}},
      {{36, "3"}},
      {{48, "2"}},
      {{110, "11"}},
      {{110, "4"}},
      {{125, "x\r\n1"}},
      // Reduced, but a level-1 branch stays while every branch below it is gone.
      {{5, "1"}, {81, "0"}, {93, "0"}, {105, "0"}},
      {{5, "1"}, {3, "0"}},  // a reduction of probability 0 would divide by it
  };
  for (std::size_t cut = 0; cut < lines.size(); ++cut)
    damages.push_back({{static_cast<int>(cut) + 1, "\x01cut"}});
  for (const Damage& damage : damages) {
    std::vector<std::string> damaged = lines;
    for (const auto& [line, value] : damage) damaged[static_cast<std::size_t>(line - 1)] = value;
    std::string text = joinLines(damaged, "\r\n");
    if (damage.front().second == "\x01cut")
      text = joinLines({lines.begin(), lines.begin() + damage.front().first - 1}, "\r\n");
    Fixture f;
    f.build({3, 2});
    f.enterUniformProbabilities();
    const std::string before = treeFileText(f.state);
    const WindowState windowBefore = f.controls();
    EXPECT_FALSE(loadTreeText(f.context, text, "x.KV3")) << "line " << damage.front().first;
    EXPECT_EQ(f.host.messages, std::vector<std::string>{w1252(" | Filen kan ikke læses")});
    EXPECT_EQ(treeFileText(f.state), before);
    EXPECT_EQ(f.window.title, windowBefore.title);
    EXPECT_EQ(f.controls().enabled, windowBefore.enabled);
  }
}

// Older versions saved a negative last branch when 1 was confirmed after others, and a file may
// be edited by hand: such a tree loads, says what is wrong, and computes nothing until mended.
TEST(TreeFile, LoadsProbabilitiesThatAreNoTreeAndComputesNothingUntilMended) {
  Fixture saved;
  testing::makeSavedTree(saved, {{2, 3}, {}, 2, false});
  std::vector<std::string> lines = fileLines(treeFileText(saved.state));
  lines[17] = "1.3";   // A1
  lines[29] = "-0.3";  // B1
  lines[42] = "0.5";   // A2 under A1, beside two thirds
  Fixture f;
  ASSERT_TRUE(loadTreeText(f.context, joinLines(lines, "\r\n"), "x.KV3"));
  EXPECT_EQ(f.host.messages,
            std::vector<std::string>{w1252(
                " | Nogle sandsynligheder i filen passer ikke: B1 er negativ; A2, B2, C2 efter A1 "
                "giver ikke summen 1. Ret dem med »Ret talværdi«. Indtil da kan der ikke beregnes "
                "hændelser, reduceres eller udskrives. ")});
  EXPECT_EQ(f.state.results.count, 2);
  const auto computingOpen = [&f] {
    for (Control c : {Control::AskEvent, Control::EventButton, Control::ReduceTree,
                      Control::ReduceButton, Control::Print, Control::PrintButton})
      if (f.controls().isEnabled(c)) return true;
    return false;
  };
  EXPECT_FALSE(computingOpen());

  const auto editValue = [&f](int level, int slot,
                              std::initializer_list<std::optional<std::string>> typed) {
    f.type(typed);
    chooseTool(f.context, ToolMode::EditValue);
    const Branch& branch = f.state.tree.branch(level, slot);
    releaseOnDrawing(f.context, ScreenOffsetX + branch.x + LevelPitch / 2, branch.y);
  };
  editValue(1, 1, {"0.6"});
  EXPECT_FALSE(computingOpen());
  editValue(2, 1, {"0.2", "0.3"});
  EXPECT_TRUE(computingOpen());
  EXPECT_FALSE(f.controls().isEnabled(Control::RestoreTree));
}

// A value computed from fractions is the same after a save and a reopening: the file keeps 15
// digits, and the typed fractions are read again exactly.
TEST(TreeFile, AnEventKeepsItsValueThroughASaveAndReopening) {
  Fixture f;
  f.build({3, 2});
  f.type({"1/3", "9/32", "3/7"});
  setFirstProbabilities(f.context);
  copyNextGroup(f.context, CopyDirection::Down);
  copyNextGroup(f.context, CopyDirection::Down);
  Fixture reopened;
  ASSERT_TRUE(loadTreeText(reopened.context, treeFileText(f.state), "x.KV3"));
  for (const char* event : {"A1A2", "B1,A2", "C1B2"}) {
    for (TreeState* state : {&f.state, &reopened.state}) state->event.outcomeMarked.fill(false);
    ASSERT_TRUE(evaluateExpressionQuietly(f.state, event));
    ASSERT_TRUE(evaluateExpressionQuietly(reopened.state, event));
    EXPECT_EQ(exactEventValue(reopened.state), exactEventValue(f.state)) << event;
  }
  EXPECT_EQ(exactEventValue(f.state), Exact(37, 168));  // C1B2: (1 - 1/3 - 9/32) · 4/7
}

}  // namespace
}  // namespace kvistra
