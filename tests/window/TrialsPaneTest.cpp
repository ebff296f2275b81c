// Repeated trials in the pane: their questions answered from the exact table against published
// values, and the pane's lines and the drawing's chart for trials without a tree.
#include "window/TrialsPane.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "construction/TrialsTree.h"
#include "drawing/TreeDrawing.h"
#include "events/EventCalculation.h"
#include "events/VariableQuestions.h"
#include "support/RecordingCanvas.h"
#include "support/TreeBuilding.h"
#include "support/TreeShapes.h"
#include "text/Windows1252.h"
#include "tree/RandomVariable.h"

namespace kvistra {
namespace {

using testing::Fixture;

using testing::binomialTrials;
using testing::hypergeometricTrials;

// The work as "Gentagne forsøg…" leaves it: a tree with X counting successes when it is drawn.
void openTrials(Fixture& f, const RepeatedTrials& trials) {
  f.state.trials = trials;
  if (!drawnAsTree(trials)) return;
  f.state.tree = trialsTree(trials);
  f.state.variable = RandomVariable{VariableKind::CountOfNames, 'X'};
}

TEST(TrialsPane, AnswersQuestionsFromTheTrialsTable) {
  struct Case {
    const char* what;
    RepeatedTrials trials;
    std::function<void(Context&)> ask;
    std::string approveLine;
    std::string answerWorking;  // in the pane
    int marked;                 // outcomes marked on the tree
  };
  const auto atMost = [](const char* k) {
    return [=](Context& c) { askVariableQuestion(c, Comparison::AtMost, k); };
  };
  const Case cases[] = {
      {"n = 20, p = 0.3", binomialTrials(20, "0.3"), atMost("5"), "Hændelse : X<=5: 0.4164",
       "P(X ≤ 5) = P(X = 0) + … + P(X = 5) = 0.4164", 0},
      {"n = 60, p = 0.1, its row clicked", binomialTrials(60, "0.1"),
       [](Context& c) { reevaluateResult(c, "X<=9"); }, "Hændelse : X<=9   : 0.9269",
       "P(X ≤ 9) = P(X = 0) + … + P(X = 9) = 0.9269", 0},
      {"n = 10, p = 1/2", binomialTrials(10, "1/2"),
       [](Context& c) { askVariableQuestion(c, Comparison::Equal, "5"); },
       "Hændelse : X=5: 0.2461 = 63/256", "P(X = 5) = 63/256", 0},
      {"a bound between whole k", binomialTrials(10, "1/2"),
       [](Context& c) { askVariableQuestion(c, Comparison::Above, "8.5"); },
       "Hændelse : X>17/2: 0.0107 = 11/1024",
       "P(X > 8.5) = P(X = 9) + P(X = 10) = 5/512 + 1/1024 = 11/1024", 0},
      {"N = 50, M = 5, n = 10", hypergeometricTrials(50, 5, 10),
       [](Context& c) { askVariableQuestion(c, Comparison::Equal, "0"); },
       "Hændelse : X=0: 0.3106 = 82251/264845", "P(X = 0) = 82251/264845", 0},
      {"four trials drawn as a tree", binomialTrials(4, "1/2"),
       [](Context& c) { askVariableQuestion(c, Comparison::AtLeast, "3"); },
       "Hændelse : X>=3: 0.3125 = 5/16", "P(X ≥ 3) = P(X = 3) + P(X = 4) = 1/4 + 1/16 = 5/16", 5},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Fixture f;
    openTrials(f, c.trials);
    f.host.approveReplies = {ApproveChoice::Approve};
    c.ask(f.context);
    ASSERT_FALSE(f.host.approveLines.empty());
    const std::string& box = f.host.approveLines.back();
    EXPECT_EQ(box.substr(box.find('|') + 1), w1252(c.approveLine));
    ASSERT_TRUE(f.window.distributionPane);
    EXPECT_EQ(f.window.distributionPane->answerWorking, c.answerWorking);
    int marked = 0;
    for (int k = 1; k <= f.state.tree.outcomeSlots(); ++k) marked += f.state.event.outcomeMarked[k];
    EXPECT_EQ(marked, c.marked);
    EXPECT_EQ(f.state.results.count, 1);
  }
}

TEST(TrialsPane, NamesTheTrialsAndTheirMoments) {
  struct Case {
    RepeatedTrials trials;
    std::vector<std::string> lines;  // heading, trials line, E, Var, σ, the term worked
  };
  const Case cases[] = {
      {binomialTrials(10, "0.3"),
       {"Binomialfordeling", "X ~ b(10; 0.3)", "E(X) = 3", "Var(X) = 2.1",
        "σ(X) = √(210)/10 ≈ 1.4491",
        "P(X = 3) = K(10, 3) · 0.3³ · 0.7⁷ = 120 · 0.027 · 0.0823543 = 0.2668"}},
      {hypergeometricTrials(50, 5, 10),
       {"Hypergeometrisk fordeling", "n = 10 trukket fra N = 50 med M = 5 succeser", "E(X) = 1",
        "Var(X) = 36/49 ≈ 0.7347", "σ(X) = 6/7 ≈ 0.8571",
        "P(X = 1) = K(5, 1) · K(45, 9) / K(50, 10) = 5 · 886163135 / 10272278170 = 0.4313"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.lines[1]);
    Fixture f;
    openTrials(f, c.trials);
    const DistributionPane pane = trialsPaneOf(f.state);
    EXPECT_EQ((std::vector<std::string>{pane.heading, pane.trialsLine, pane.mean, pane.variance,
                                        pane.standardDeviation, pane.working.back()}),
              c.lines);
    EXPECT_EQ(pane.rows.size(), 11u);
  }
}

// More than the counting tree's trials without a tree: the drawing is the chart, read bar by bar.
TEST(TrialsPane, TheDrawingReadsTheChartOfManyTrials) {
  Fixture f;
  openTrials(f, binomialTrials(200, "0.125"));
  ASSERT_TRUE(drawsTrialsChart(f.state));
  testing::RecordingCanvas canvas;
  const std::vector<DrawingReading> readings = drawingReadings(f.state, canvas);
  ASSERT_GT(readings.size(), 2u);
  EXPECT_EQ(readings[0].text, "Binomialfordeling");
  EXPECT_EQ(readings[1].text, "X ~ b(200; 0.125)");
  // Only the k worth a bar: none of P(X = k) < 0.00005, as P(X = 8) is.
  EXPECT_EQ(readings[2].text.substr(0, 6), "k = 9:");
}

}  // namespace
}  // namespace kvistra
