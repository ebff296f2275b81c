#include "results/ResultsList.h"

#include <gtest/gtest.h>

#include "support/TreeBuilding.h"
#include "text/Windows1252.h"

namespace kvistra {
namespace {

TEST(ResultsList, PaneLinesLineUpAndCutLongTexts) {
  struct Case {
    std::string line;
    std::string value;
    std::string shown;
    bool comma = false;
  };
  const Case cases[] = {
      {"A1B2", "0.2500", " A1B2" + std::string(14, ' ') + "0.2500"},
      {"A1B2", "0.2500", " A1B2" + std::string(14, ' ') + "0,2500", true},
      {"(A1,B1)(A2,B2),C2", "0.5000", " (A1,B1)(A2,B2),C2 0.5000"},  // 17 characters stay whole
      {"(A1,B1)(A2,B2),C2,", "0.5000", " (A1,B1)(A2,B2),.. 0.5000"},
      {w1252("Træet er gendannet"), " ", " " + w1252("Træet er gendannet") + "      "},
  };
  for (const auto& c : cases) {
    Results results;
    results.count = 1;
    results.rows[1] = {c.line, c.value};
    EXPECT_EQ(resultsPaneLines(results, c.comma), (std::vector<std::string>{" ", c.shown}))
        << c.line;
  }
}

TEST(ResultsList, WarnsAtTheTwentyNinthRowAndRefusesTheThirtyFirst) {
  testing::Fixture f;
  for (int i = 1; i <= 28; ++i) addResult(f.context, "A1", "0.5000");
  EXPECT_TRUE(f.host.messages.empty());
  addResult(f.context, "A1", "0.5000");
  EXPECT_EQ(f.host.messages.back(), w1252(" |Rens skemaet efter næste beregning."));
  addResult(f.context, "B1", "0.123456789012345");
  EXPECT_EQ(f.state.results.rows[30].value, "0.1234567890");  // cut to 12
  EXPECT_EQ(f.host.messages.back(), " |Der er ikke plads til flere beregninger.");
  addResult(f.context, "C1", "0.5000");
  EXPECT_EQ(f.state.results.count, 30);
  EXPECT_EQ(f.host.messages.size(), 3u);
  EXPECT_EQ(f.window.resultLines.size(), 31u);
}

TEST(ResultsList, DeletingMovesLaterRowsUpAndNoticesAreNotRepeated) {
  testing::Fixture f;
  noteTreeChanged(f.context);
  EXPECT_EQ(f.state.results.count, 0);  // an empty list takes no notice
  for (const char* line : {"A1", "B1", "C1"}) addResult(f.context, line, "0.3333");
  deleteResultRow(f.state, f.window, 2);
  EXPECT_EQ(f.state.results.count, 2);
  EXPECT_EQ(f.state.results.rows[2].line, "C1");
  EXPECT_EQ(f.window.resultLines.size(), 3u);
  noteTreeChanged(f.context);
  noteTreeChanged(f.context);
  EXPECT_EQ(f.state.results.count, 3);
  clearResults(f.context);
  EXPECT_TRUE(f.window.resultLines.empty());
}

}  // namespace
}  // namespace kvistra
