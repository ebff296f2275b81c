#include "events/ResultsPicking.h"

#include <gtest/gtest.h>

#include "results/ResultsList.h"
#include "support/TreeBuilding.h"
#include "text/Windows1252.h"

namespace kvistra {
namespace {

using enum MouseButton;
using enum PaneResponse;

TEST(ResultsPicking, WhatAReleaseOverThePaneDoes) {
  Results results;
  results.count = 4;
  results.rows[1] = {"A1B2", "0.2500"};
  results.rows[2] = {w1252(TreeChangedNotice), " "};
  results.rows[3] = {"Reduc: A1", "0.5000"};
  results.rows[4] = {w1252(TreeRestoredNotice), " "};
  struct Case {
    PaneRelease release;
    PaneDecision decision;
  };
  const Case cases[] = {
      {{Left, 1, ""}, {EvaluateRow, 1}},
      {{Middle, 1, ""}, {EvaluateRow, 1}},
      {{Left, 2, ""}, {}},  // notices and reductions are no events
      {{Left, 3, ""}, {}},
      {{Left, 4, ""}, {}},
      {{Right, 3, ""}, {ShowRow, 3}},
      {{Left, 0, ""}, {}},  // the blank first line
      {{Right, 5, ""}, {}},
      {{Left, -1, ""}, {}},
      {{Left, 1, "A1"}, {PickRow, 1}},
      {{Right, 2, " er"}, {PickRow, 2}},
      {{Left, 1, "\n A1"}, {EvaluateRow, 1}},  // a selection from a line break picks nothing
  };
  for (const Case& c : cases)
    EXPECT_EQ(decideRelease(results, c.release), c.decision)
        << c.release.line << " \"" << c.release.selection << "\"";
}

TEST(ResultsPicking, RowsAreEvaluatedShownAndDeletedAfterAQuestion) {
  testing::Fixture f;
  f.build({2, 2});
  f.enterUniformProbabilities();
  for (const char* line : {"A1", "A1B2", "B1"}) addResult(f.context, line, "0.2500");

  f.host.approveReplies = {ApproveChoice::Drop};
  releaseInResultsPane(f.context, {Left, 2, ""});
  EXPECT_EQ(f.host.approveLines.back(), w1252("300|Hændelse : A1B2   : 0.2500 = 1/4"));
  releaseInResultsPane(f.context, {Right, 2, ""});
  EXPECT_EQ(f.host.resultLinesShown.back(), "0.2500   A1B2");

  // Another key between the pick and Delete forgets the pick.
  releaseInResultsPane(f.context, {Left, 2, "A1"});
  keyReleasedInResultsPane(f.context, PaneKey::Other);
  keyReleasedInResultsPane(f.context, PaneKey::Delete);
  EXPECT_TRUE(f.host.questionsAsked.empty());

  f.host.yesNoReplies = {false, true};
  for (int i = 0; i < 2; ++i) {
    releaseInResultsPane(f.context, {Left, 2, "A1"});
    keyReleasedInResultsPane(f.context, PaneKey::Backspace);
  }
  EXPECT_EQ(f.host.questionsAsked,
            std::vector<std::string>(2, "Linien \"A1B2  0.2500\"  er udpeget."));
  EXPECT_EQ(f.state.results.count, 2);
  EXPECT_EQ(f.state.results.rows[2].line, "B1");
  EXPECT_EQ(f.window.resultLines.size(), 3u);
  EXPECT_EQ(deleteQuestion({std::string(20, 'A'), "0.2500"}).width, 50 * 8 + 30);

  // A plain click picks its row too.
  f.host.approveReplies = {ApproveChoice::Drop};
  releaseInResultsPane(f.context, {Left, 2, ""});
  EXPECT_EQ(f.state.selectedResultLine, 2);
}

}  // namespace
}  // namespace kvistra
