#include "events/Reduction.h"

#include <gtest/gtest.h>

#include "support/TreeBuilding.h"
#include "text/Windows1252.h"
#include "tree/Layout.h"

namespace kvistra {
namespace {

using testing::Fixture;

std::vector<bool> existing(const TreeState& state, int level) {
  std::vector<bool> flags;
  for (int slot = 1; slot <= state.tree.branch(level, 1).levelNodeCount; ++slot)
    flags.push_back(state.tree.branch(level, slot).exists);
  return flags;
}

TEST(Reduction, AskedAgainAfterARefusalOrAnErrorUntilApplied) {
  Fixture f;
  f.build({2, 2});
  f.enterUniformProbabilities();
  f.state.input.allProbabilitiesEntered = true;  // as the last group entered leaves it
  for (const char* typed : {"A1B1", "(A1", "b 2"})
    f.host.promptReplies.push_back({typed, PromptClose::Ok});
  askReduction(f.context);
  EXPECT_EQ(f.host.questionsAsked, std::vector<std::string>(3, w1252("Reduktionshændelse ?  ")));
  EXPECT_EQ(f.host.messages,
            (std::vector<std::string>{w1252(" |Reducering nægtet (sandsynligheden er 0)."),
                                      " Fejl| Parentesfejl"}));
  EXPECT_TRUE(f.state.reduction.reduced);
  EXPECT_EQ(existing(f.state, 2), (std::vector<bool>{false, true, false, true}));
  EXPECT_EQ(f.state.results.rows[1].line, "Reduc: B2");
  EXPECT_EQ(f.state.results.rows[1].value, "0.5000");
  EXPECT_EQ(f.window.reductionNote,
            (ReductionNote{true, "Reduc: B2", w1252("Sands. på reduc. træ:0.5000")}));
  EXPECT_FALSE(f.controls().isEnabled(Control::ReduceTree));
  EXPECT_FALSE(f.controls().isEnabled(Control::ReduceButton));
  EXPECT_TRUE(f.controls().isEnabled(Control::RestoreTree));
  EXPECT_TRUE(f.controls().isEnabled(Control::RestoreButton));

  restoreTree(f.context);
  EXPECT_EQ(existing(f.state, 2), std::vector<bool>(4, true));
  EXPECT_EQ(f.state.results.rows[2].line, w1252("Træet er gendannet"));
  EXPECT_EQ(f.window.reductionNote, ReductionNote{});
  EXPECT_TRUE(f.controls().isEnabled(Control::ReduceButton));
  EXPECT_FALSE(f.controls().isEnabled(Control::RestoreTree));

  f.host.promptReplies.push_back({"", PromptClose::Cancel});
  askReduction(f.context);
  EXPECT_FALSE(f.state.reduction.reduced);
  EXPECT_EQ(f.state.reduction.probability, 1.0);
  EXPECT_EQ(f.state.results.count, 2);
}

TEST(Reduction, BranchesExistWhenALeafBelowThemRemains) {
  struct Case {
    const char* event;
    std::vector<bool> level1, level2, leaves;
  };
  const Case cases[] = {
      {"A1",
       {true, false},
       {true, true, false, false},
       {true, true, true, true, true, true, false, false, false, false, false, false}},
      {"B2C3",
       {true, true},
       {false, true, false, true},
       {false, false, false, false, false, true, false, false, false, false, false, true}},
  };
  for (const Case& c : cases) {
    Fixture f;
    f.build({2, 2, 3});
    f.enterUniformProbabilities();
    f.host.promptReplies.push_back({c.event, PromptClose::Ok});
    askReduction(f.context);
    EXPECT_EQ(existing(f.state, 1), c.level1) << c.event;
    EXPECT_EQ(existing(f.state, 2), c.level2) << c.event;
    EXPECT_EQ(existing(f.state, 3), c.leaves) << c.event;
    // The outcome numbers were written where the leaf labels stand while the event was asked.
    const Branch& leaf = f.state.tree.leaf(12);
    EXPECT_TRUE(f.host.canvas.hasText(ScreenOffsetX + leaf.x + 110, leaf.y - 8, "12"));
  }
}

}  // namespace
}  // namespace kvistra
