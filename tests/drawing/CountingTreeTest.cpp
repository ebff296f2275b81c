#include "drawing/CountingTree.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "construction/TrialsTree.h"
#include "drawing/TreeDrawing.h"
#include "support/RecordingCanvas.h"
#include "support/TreeShapes.h"

namespace kvistra {
namespace {

using testing::binomialTrials;
using testing::hypergeometricTrials;
using testing::RecordingCanvas;

// A work of trials alone, as a document of more trials than a tree can hold opens.
TreeState trialsWork(const RepeatedTrials& trials, bool fractions) {
  TreeState state;
  state.trials = trials;
  state.tree.showFractions = fractions;
  return state;
}

// Wrong counts of paths, binomial or hypergeometric probabilities, step chances on a node that
// does not lead where it says, or a step that empties the urn of one kind drawn all the same, are
// read here as the screen reader reads them.
TEST(CountingTree, NodesAndStepsAreCountedAndWeighed) {
  struct Case {
    TreeState state;
    std::string reading;
    bool read = true;
  };
  const TreeState fair = trialsWork(binomialTrials(3, "1/2"), true);
  const TreeState urn = trialsWork(hypergeometricTrials(5, 2, 3), true);
  const Case cases[] = {
      {fair, "Tælletræ: n = 3, p = 1/2"},
      {fair, "Efter 3 forsøg 3 S: 1 vej, 1/8"},
      {fair, "Efter 3 forsøg 2 S: 3 veje, 3/8"},
      {fair, "Efter 3 forsøg 1 S: 3 veje, 3/8"},
      {fair, "Efter 3 forsøg 0 S: 1 vej, 1/8"},
      {urn, "Tælletræ: n = 3 trukket fra N = 5 med M = 2 succeser"},
      {urn, "Efter 3 forsøg 2 S: 3 veje, 3/10"},
      // The urn's fractions keep what is left in it: 2 successes of 4.
      {urn, "Efter 1 forsøg 0 S, så S: 2/4"},
      {urn, "Efter 2 forsøg 1 S, så S: 1/3"},
      {urn, "Efter 3 forsøg 3 S", false},
      {urn, "Efter 2 forsøg 2 S, så S", false},
      {urn, "Efter 2 forsøg 2 S, så F: 3/3"},
      // Thirteen digits do not fit a node: written in the tree's decimals.
      {trialsWork(binomialTrials(10, "0.3"), true), "Efter 10 forsøg 3 S: 120 veje, 0.2668"},
  };
  for (const Case& c : cases) {
    RecordingCanvas measurer;
    const std::vector<DrawingReading> readings = drawingReadings(c.state, measurer);
    const bool read = std::any_of(readings.begin(), readings.end(), [&](const auto& reading) {
      EXPECT_EQ(reading.encoding, TextEncoding::Utf8) << reading.text;
      return reading.text.starts_with(c.reading);
    });
    EXPECT_EQ(read, c.read) << c.reading;
  }
}

// Which works the drawing shows the counting tree for, and that the one drawing routine, on a
// printed page too, draws it there in display text.
TEST(CountingTree, ShownWhereItIsChosenOrTheOnlyDrawing) {
  struct Case {
    RepeatedTrials trials;
    bool withTree;
    bool chosen;
    bool shown;
  };
  const Case cases[] = {
      {binomialTrials(3, "1/2"), true, false, false},  // the tree, until chosen
      {binomialTrials(3, "1/2"), true, true, true},
      {binomialTrials(10, "0.3"), false, false, true},      // nothing else to draw
      {hypergeometricTrials(6, 6, 4), false, false, true},  // no failures: no tree
      {binomialTrials(13, "0.3"), false, true, false},
      {binomialTrials(3, "3/2"), false, true, false},
  };
  for (const Case& c : cases) {
    TreeState state = trialsWork(c.trials, false);
    if (c.withTree) state.tree = trialsTree(c.trials);
    state.view.countingTree = c.chosen;
    EXPECT_EQ(drawsCountingTree(state), c.shown) << c.trials.count << " " << c.chosen;
  }

  TreeState state = trialsWork(binomialTrials(3, "1/2"), true);
  state.tree = trialsTree(*state.trials);
  state.view.countingTree = true;
  RecordingCanvas page(true);
  drawTree(state, page, PrinterOffsetX);
  const auto heading = std::find_if(page.texts.begin(), page.texts.end(), [](const auto& text) {
    return text.text == "Tælletræ: n = 3, p = 1/2";
  });
  ASSERT_NE(heading, page.texts.end());
  EXPECT_EQ(heading->encoding, TextEncoding::Utf8);
  EXPECT_TRUE(std::none_of(page.texts.begin(), page.texts.end(), [](const auto& text) {
    return text.text == "S1";
  })) << "the tree's branches are not drawn under it";
}

}  // namespace
}  // namespace kvistra
