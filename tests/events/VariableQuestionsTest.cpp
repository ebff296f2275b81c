// Questions about X on three coins (X the number of heads), asked in the pane and clicked again
// in the results list: what is marked, offered and kept, and what is refused.
#include "events/VariableQuestions.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "events/EventCalculation.h"
#include "support/TreeBuilding.h"
#include "support/TreeShapes.h"
#include "text/Windows1252.h"

namespace kvistra {
namespace {

using testing::Fixture;

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
    char variable;  // 0: none
    std::function<void(Context&)> ask;
    std::string approveLine;  // empty: no approve box
    std::string message;      // empty: none
    std::string marks;        // and, when marked, the row approved
  };
  const Case cases[] = {
      {"typed in the pane", 'X',
       [](Context& c) { askVariableQuestion(c, Comparison::AtLeast, "2"); },
       "Hændelse : X>=2: 0.5000 = 1/2", "", "1235"},
      {"an interval's row clicked", 'X', [](Context& c) { reevaluateResult(c, "1<=X<=3"); },
       "Hændelse : 1<=X<=3   : 0.8750 = 7/8", "", "1234567"},
      {"a value that is no number", 'X',
       [](Context& c) { askVariableQuestion(c, Comparison::Between, "1", "to"); }, "",
       "Skriv et tal, f.eks. -5, 2.5 eller 1/2.", ""},
      {"a row clicked without a variable", 0, [](Context& c) { reevaluateResult(c, "X>=2"); }, "",
       "X er ikke defineret for dette træ.", ""},
      {"a row of another letter", 'X', [](Context& c) { reevaluateResult(c, "Y<1"); }, "",
       "Y er ikke defineret for dette træ.", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Fixture f;
    ASSERT_TRUE(testing::openThreeCoins(f.context, c.variable));
    f.host.approveReplies = {ApproveChoice::Approve};
    c.ask(f.context);
    const std::string& box = f.host.approveLines.empty() ? "" : f.host.approveLines.back();
    EXPECT_EQ(box.substr(box.find('|') + 1), w1252(c.approveLine));
    EXPECT_EQ(f.host.messages.empty() ? "" : f.host.messages.back(),
              c.message.empty() ? "" : " |" + w1252(c.message));
    EXPECT_EQ(marked(f.state), c.marks);
    // The row keeps its working in the display text it was worked in.
    const ResultRow& row = f.state.results.rows[1];
    EXPECT_EQ(f.state.results.count, c.marks.empty() ? 0 : 1);
    EXPECT_EQ(row.working.size(), c.marks.empty() ? 0u : 1u);
    EXPECT_EQ(row.workingEncoding,
              c.marks.empty() ? TextEncoding::Windows1252 : TextEncoding::Utf8);
  }
}

}  // namespace
}  // namespace kvistra
