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

// The note, or the rows as "x | P(X = x) | Decimaltal" with those the question takes starred,
// then E(X).
std::vector<std::string> linesOf(const DistributionPane& pane) {
  std::vector<std::string> lines;
  if (!pane.note.empty()) lines.push_back(pane.note);
  for (const DistributionPaneRow& row : pane.rows)
    lines.push_back(row.value + " | " + row.probability + " | " + row.decimal +
                    (row.taken ? " *" : ""));
  lines.push_back(pane.mean);
  return lines;
}

TEST(DistributionPane, ShowsWhatTheTreeGivesX) {
  struct Case {
    const char* what;
    std::function<void(Fixture&)> change;
    std::string heading;
    std::vector<std::string> lines;
  };
  const Case cases[] = {
      {"as built",
       [](Fixture&) {},
       "Fordeling af X",
       {"0 | 1/8 | 0.1250", "1 | 3/8 | 0.3750", "2 | 3/8 | 0.3750", "3 | 1/8 | 0.1250",
        "E(X) = 3/2"}},
      {"reduced to a first head",
       [](Fixture& f) {
         evaluateExpression(f.state, "A1");
         f.state.reduction.text = "A1";
         applyReduction(f.context);
       },
       "Fordeling af X givet A1",
       {"1 | 1/4 | 0.2500", "2 | 1/2 | 0.5000", "3 | 1/4 | 0.2500", "E(X) = 2"}},
      {"in decimals, a question asked",
       [](Fixture& f) {
         f.state.tree.showFractions = false;
         f.state.view.decimalComma = true;
         f.state.variableQuestion = "X>=2";
       },
       "Fordeling af X",
       {"0 | 0,1250 | ", "1 | 0,3750 | ", "2 | 0,3750 |  *", "3 | 0,1250 |  *", "E(X) = 1,5"}},
      {"values missing",
       [](Fixture& f) {
         f.state.variable->kind = VariableKind::ValuePerOutcome;
         for (int k : {1, 6, 7, 8}) f.state.tree.branch(f.state.tree.outcome(k)).outcomeValue = "0";
       },
       "Fordeling af X",
       {"Mangler værdier på udfald 2, 3, 4, 5", ""}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Fixture f;
    ASSERT_TRUE(testing::openThreeCoins(f.context));
    c.change(f);
    const std::optional<DistributionPane> pane = distributionPaneOf(f.state);
    ASSERT_TRUE(pane);
    EXPECT_EQ(pane->heading, c.heading);
    EXPECT_EQ(linesOf(*pane), c.lines);
  }
  Fixture f;
  EXPECT_FALSE(distributionPaneOf(f.state));
}

}  // namespace
}  // namespace kvistra
