// The pane "Fordeling af X" as the window state holds it, on three coins with X the number of
// heads: plain, reduced, while values are missing, and with a question asked.
#include "window/DistributionPane.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "events/EventExpression.h"
#include "events/Reduction.h"
#include "support/TreeBuilding.h"
#include "support/TreeShapes.h"

namespace kvistra {
namespace {

using testing::Fixture;

// Three coins, each branch named A (heads) or B; X counts the heads.
void openThreeCoins(Fixture& f) {
  ASSERT_TRUE(testing::openShape(f.context, testing::evenShape("1/2,1/2", 3)));
  Tree& tree = f.state.tree;
  for (int level = 1; level <= tree.depth(); ++level)
    for (int slot = 1; slot <= tree.slotsOn(level); ++slot)
      tree.branch(level, slot).counted = tree.branch(level, slot).name[0] == 'A';
  f.state.variable = RandomVariable{VariableKind::CountOfNames, 'X'};
  f.state.tree.showFractions = true;
}

// "x | P(X = x) | Decimaltal", a row a string.
std::vector<std::string> tableOf(const DistributionPane& pane) {
  std::vector<std::string> rows;
  for (const DistributionPaneRow& row : pane.rows)
    rows.push_back(row.value + " | " + row.probability + " | " + row.decimal +
                   (row.taken ? " *" : ""));
  return rows;
}

TEST(DistributionPane, ShowsWhatTheTreeGivesX) {
  struct Case {
    const char* what;
    std::function<void(Fixture&)> change;
    std::string heading;
    std::string note;
    std::vector<std::string> rows;
    std::string mean;
  };
  const Case cases[] = {
      {"as built",
       [](Fixture&) {},
       "Fordeling af X",
       "",
       {"0 | 1/8 | 0.1250", "1 | 3/8 | 0.3750", "2 | 3/8 | 0.3750", "3 | 1/8 | 0.1250"},
       "E(X) = 3/2"},
      {"reduced to a first head",
       [](Fixture& f) {
         evaluateExpression(f.state, "A1");
         f.state.reduction.text = "A1";
         applyReduction(f.context);
       },
       "Fordeling af X givet A1",
       "",
       {"1 | 1/4 | 0.2500", "2 | 1/2 | 0.5000", "3 | 1/4 | 0.2500"},
       "E(X) = 2"},
      {"in decimals, a question asked",
       [](Fixture& f) {
         f.state.tree.showFractions = false;
         f.state.view.decimalComma = true;
         f.state.variableQuestion = "X>=2";
       },
       "Fordeling af X",
       "",
       {"0 | 0,1250 | ", "1 | 0,3750 | ", "2 | 0,3750 |  *", "3 | 0,1250 |  *"},
       "E(X) = 1,5"},
      {"values missing",
       [](Fixture& f) {
         f.state.variable->kind = VariableKind::SumOfBranches;
         for (int slot = 1; slot <= f.state.tree.slotsOn(1); ++slot)
           f.state.tree.branch(1, slot).branchValue = "1";
         for (int level = 2; level <= 3; ++level)
           for (int slot = 1; slot <= f.state.tree.slotsOn(level); ++slot)
             f.state.tree.branch(level, slot).branchValue = slot == 2 || slot == 5 ? "" : "0";
       },
       "Fordeling af X",
       "Mangler værdier på udfald 2, 3, 4, 5",
       {},
       ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Fixture f;
    openThreeCoins(f);
    c.change(f);
    const std::optional<DistributionPane> pane = distributionPaneOf(f.state);
    ASSERT_TRUE(pane);
    EXPECT_EQ(pane->heading, c.heading);
    EXPECT_EQ(pane->note, c.note);
    EXPECT_EQ(tableOf(*pane), c.rows);
    EXPECT_EQ(pane->mean, c.mean);
  }
  Fixture f;
  openThreeCoins(f);
  EXPECT_EQ(distributionPaneOf(f.state)->standardDeviation, "σ(X) = √(3)/2 ≈ 0.8660");
  f.state.variable.reset();
  EXPECT_FALSE(distributionPaneOf(f.state));
}

}  // namespace
}  // namespace kvistra
