// Questions about X on three coins (X the number of heads), asked in the pane and clicked again
// in the results list: what is marked, offered and kept, and what is refused.
#include "events/VariableQuestions.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>

#include "events/EventCalculation.h"
#include "support/TreeBuilding.h"
#include "support/TreeShapes.h"
#include "text/Windows1252.h"

namespace kvistra {
namespace {

using testing::Fixture;

void openThreeCoins(Fixture& f, std::optional<char> variable) {
  ASSERT_TRUE(testing::openShape(f.context, testing::evenShape("1/2,1/2", 3)));
  Tree& tree = f.state.tree;
  for (int level = 1; level <= tree.depth(); ++level)
    for (int slot = 1; slot <= tree.slotsOn(level); ++slot)
      tree.branch(level, slot).counted = tree.branch(level, slot).name[0] == 'A';
  if (variable) f.state.variable = RandomVariable{VariableKind::CountOfNames, *variable};
  tree.showFractions = true;
}

// The outcomes marked, as "1235".
std::string marked(const TreeState& state) {
  std::string outcomes;
  for (int k = 1; k <= state.tree.outcomeSlots(); ++k)
    if (state.event.outcomeMarked[k]) outcomes += std::to_string(k);
  return outcomes;
}

TEST(VariableQuestions, AskedAndClickedAgainAsQuestionsNeverAsEvents) {
  struct Case {
    const char* what;
    std::optional<char> variable;
    std::function<void(Context&)> ask;
    std::string approveLine;  // empty: no approve box
    std::string message;      // empty: none
    std::string marks;
    std::string working;  // of the row approved
  };
  const Case cases[] = {
      {"typed in the pane", 'X',
       [](Context& c) { askVariableQuestion(c, Comparison::AtLeast, "2"); },
       "Hændelse : X>=2: 0.5000 = 1/2", "", "1235",
       "P(X ≥ 2) = P(X = 2) + P(X = 3) = 3/8 + 1/8 = 1/2"},
      {"an interval's row clicked", 'X', [](Context& c) { reevaluateResult(c, "1<=X<=3"); },
       "Hændelse : 1<=X<=3   : 0.8750 = 7/8", "", "1234567",
       "P(1 ≤ X ≤ 3) = P(X = 1) + P(X = 2) + P(X = 3) = 3/8 + 3/8 + 1/8 = 7/8"},
      {"a value that is no number", 'X',
       [](Context& c) { askVariableQuestion(c, Comparison::Between, "1", "to"); }, "",
       "Skriv et tal, f.eks. -5, 2.5 eller 1/2.", "", ""},
      {"a row clicked without a variable", std::nullopt,
       [](Context& c) { reevaluateResult(c, "X>=2"); }, "", "X er ikke defineret for dette træ.",
       "", ""},
      {"a row of another letter", 'X', [](Context& c) { reevaluateResult(c, "Y<1"); }, "",
       "Y er ikke defineret for dette træ.", "", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Fixture f;
    openThreeCoins(f, c.variable);
    f.host.approveReplies = {ApproveChoice::Approve};
    c.ask(f.context);
    const std::string& box = f.host.approveLines.empty() ? "" : f.host.approveLines.back();
    EXPECT_EQ(box.substr(box.find('|') + 1), w1252(c.approveLine));
    EXPECT_EQ(f.host.messages.empty() ? "" : f.host.messages.back(),
              c.message.empty() ? "" : " |" + w1252(c.message));
    EXPECT_EQ(marked(f.state), c.marks);
    if (c.working.empty()) {
      EXPECT_EQ(f.state.results.count, 0);
      continue;
    }
    const ResultRow& row = f.state.results.rows[1];
    EXPECT_EQ(row.working, std::vector<std::string>{c.working});
    EXPECT_EQ(row.workingEncoding, TextEncoding::Utf8);
  }
}

}  // namespace
}  // namespace kvistra
