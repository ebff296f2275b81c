#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "construction/Construction.h"
#include "names/BranchNames.h"
#include "probabilities/BranchEditing.h"
#include "probabilities/Copying.h"
#include "probabilities/ProbabilityInput.h"
#include "storage/TreeDocument.h"
#include "support/TreeBuilding.h"
#include "text/Windows1252.h"
#include "tree/Layout.h"
#include "tree/TreeHelpers.h"

namespace kvistra {
namespace {

using testing::Fixture;

// A click with a tool on a branch, as a pupil makes it.
struct ToolClick {
  ToolMode tool;
  int level, slot;
  std::optional<int> count{};  // "Forgren grenen…"'s answer
  std::optional<bool> yes{};   // the answer to "Grenen har kun én søskende…"
};

void click(Fixture& f, const ToolClick& c) {
  if (c.count) f.host.countReplies.push_back(*c.count);
  if (c.yes) f.host.yesNoReplies.push_back(*c.yes);
  chooseTool(f.context, c.tool);
  const Branch& branch = f.state.tree.branch(c.level, c.slot);
  releaseOnDrawing(f.context, ScreenOffsetX + branch.x + LevelPitch / 2, branch.y);
}

// The outcomes' paths top to bottom: "A1A2,A1B2,B1".
std::string outcomePaths(const Tree& tree) {
  std::string paths;
  for (int k = 1; k <= tree.outcomeSlots(); ++k) {
    const BranchAt at = tree.outcome(k);
    paths += (k > 1 ? "," : "") + pathNameOf(tree, at.level, at.slot);
  }
  return paths;
}

struct ShapeCase {
  const char* what;
  std::vector<int> built;
  std::vector<ToolClick> clicks;
  const char* outcomes;
  std::optional<Group> firstOpen;  // the first group whose values the change cleared
  const char* message = "";
};

TEST(ShapeTools, ChangeTheShapeAndClearOnlyTheGroupsWhoseSizeChanged) {
  using enum ToolMode;
  const ShapeCase cases[] = {
      {"a path ends", {2, 2}, {{EndPath, 1, 2}}, "A1A2,A1B2,B1", std::nullopt},
      {"a leaf branches",
       {2, 2},
       {{BranchOut, 2, 1, 3}},
       "A1A2A3,A1A2B3,A1A2C3,A1B2,B1A2,B1B2",
       Group{3, {1, 3}}},
      {"a group grows", {2, 2}, {{AddBranch, 2, 2}}, "A1A2,A1B2,A1C2,B1A2,B1B2", Group{2, {1, 3}}},
      {"a branch goes with its subtree",
       {3, 2},
       {{DeleteBranch, 1, 2}},
       "A1A2,A1B2,C1A2,C1B2",
       Group{1, {1, 2}}},
      {"one of two goes by ending the path above",
       {2, 2},
       {{DeleteBranch, 2, 1, {}, true}},
       "A1,B1A2,B1B2",
       std::nullopt},
      {"one of two stays when the path is not ended",
       {2, 2},
       {{DeleteBranch, 2, 1, {}, false}},
       "A1A2,A1B2,B1A2,B1B2",
       std::nullopt},
      {"a new branch takes the first free letter",
       {3, 3},
       {{DeleteBranch, 2, 2}, {AddBranch, 2, 1}},
       "A1A2,A1C2,A1B2,B1A2,B1B2,B1C2,C1A2,C1B2,C1C2",
       Group{2, {1, 3}}},
      {"the first branching keeps two branches",
       {2, 2},
       {{DeleteBranch, 1, 1}},
       "A1A2,A1B2,B1A2,B1B2",
       std::nullopt,
       "Træet skal have mindst to grene i første forgrening."},
      {"a group has six branches at most",
       {6, 2},
       {{AddBranch, 1, 1}},
       nullptr,
       std::nullopt,
       "En gruppe kan højst have 6 grene."},
      {"a leaf is no path to end",
       {2, 2},
       {{EndPath, 2, 1}},
       "A1A2,A1B2,B1A2,B1B2",
       std::nullopt,
       "Grenen ender allerede her."},
  };
  for (const ShapeCase& c : cases) {
    SCOPED_TRACE(c.what);
    Fixture f;
    beginTree(f.context, static_cast<int>(c.built.size()));
    for (int b : c.built) addBranching(f.context, b);
    f.enterUniformProbabilities();
    f.state.input.allProbabilitiesEntered = f.state.input.firstGroupsEntered = true;
    f.state.labels.count = labelRowsOf(f.state.tree);  // as after the names dialog
    const Tree before = f.state.tree;
    for (const ToolClick& toolClick : c.clicks) click(f, toolClick);
    // The names dialog's rows follow the shape, or the document would not read back.
    const TreeDocumentReading reread = readTreeDocument(writeTreeDocument(f.state));
    EXPECT_EQ(reread.error, "");
    if (c.outcomes) {
      EXPECT_EQ(outcomePaths(f.state.tree), c.outcomes);
    }
    EXPECT_EQ(firstOpenGroup(f.state.tree), c.firstOpen);
    EXPECT_EQ(f.state.input.allProbabilitiesEntered, !c.firstOpen.has_value());
    if (*c.message) {
      EXPECT_EQ(f.host.messages, std::vector<std::string>{" |" + w1252(c.message)});
      EXPECT_EQ(f.state.tree, before);
    }
    EXPECT_EQ(f.state.pointer.toolMode, ToolMode::None);
  }
}

TEST(ShapeTools, CopiesPassOverGroupsOfAnotherSizeAndTheInputComesBackForThem) {
  // Level 2 holds groups of 3, 2 and 3 branches under A1, B1 and C1.
  Fixture f;
  f.build({3, 2});
  click(f, {ToolMode::AddBranch, 2, 1});
  click(f, {ToolMode::AddBranch, 2, 6});
  f.type({"1/2", "1/4"});
  setFirstProbabilities(f.context);
  copyNextGroup(f.context, CopyDirection::Across);
  EXPECT_EQ(copyPassingHint(f.state), "Grupper med et andet antal grene springes over");
  copyNextGroup(f.context, CopyDirection::Down);
  EXPECT_EQ(toolNote(f.state), "");
  EXPECT_FALSE(f.controls().isEnabled(Control::CopyDownButton));
  f.type({"1/2"});
  enterNextGroup(f.context);
  EXPECT_TRUE(f.state.input.allProbabilitiesEntered);
  EXPECT_EQ(f.host.probabilityLabels, (std::vector<std::string>{"A1", "B1", "A2 efter B1"}));
  EXPECT_EQ(testing::levelProbabilities(f.state, 2),
            (std::vector<double>{0.5, 0.25, 0.25, 0.5, 0.5, 0.5, 0.25, 0.25}));
}

}  // namespace
}  // namespace kvistra
