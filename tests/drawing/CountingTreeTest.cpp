#include "drawing/CountingTree.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "construction/TrialsTree.h"
#include "drawing/TreeDrawing.h"
#include "support/RecordingCanvas.h"

namespace kvistra {
namespace {

using testing::RecordingCanvas;

RepeatedTrials withReplacement(int n, const char* p) {
  return RepeatedTrials{.count = n, .probability = p};
}

RepeatedTrials withoutReplacement(int n, int population, int successes) {
  RepeatedTrials trials;
  trials.count = n;
  trials.withReplacement = false;
  trials.population = population;
  trials.populationSuccesses = successes;
  return trials;
}

// A work of trials alone, as a document of more trials than a tree can hold opens.
TreeState trialsWork(const RepeatedTrials& trials, bool fractions) {
  TreeState state;
  state.trials = trials;
  state.tree.showFractions = fractions;
  return state;
}

std::vector<std::string> readTexts(const TreeState& state) {
  RecordingCanvas measurer;
  std::vector<std::string> texts;
  for (const DrawingReading& reading : drawingReadings(state, measurer)) {
    EXPECT_EQ(reading.encoding, TextEncoding::Utf8) << reading.text;
    texts.push_back(reading.text);
  }
  return texts;
}

bool readsOneStartingWith(const std::vector<std::string>& texts, const std::string& start) {
  return std::any_of(texts.begin(), texts.end(),
                     [&](const std::string& text) { return text.starts_with(start); });
}

// Wrong counts of paths, binomial or hypergeometric probabilities, or step chances on a node that
// does not lead where it says, are read here as the screen reader reads them.
TEST(CountingTree, NodesAndStepsAreCountedAndWeighed) {
  struct Case {
    TreeState state;
    std::string reading;
  };
  const TreeState fair = trialsWork(withReplacement(3, "1/2"), true);
  const TreeState urn = trialsWork(withoutReplacement(3, 5, 2), true);
  const Case cases[] = {
      {fair, "Tælletræ: n = 3, p = 1/2"},
      {fair, "Efter 3 forsøg 3 S: 1 vej, 1/8"},
      {fair, "Efter 3 forsøg 2 S: 3 veje, 3/8"},
      {fair, "Efter 3 forsøg 1 S: 3 veje, 3/8"},
      {fair, "Efter 3 forsøg 0 S: 1 vej, 1/8"},
      {fair, "Efter 2 forsøg 1 S, så F: 1/2"},
      {urn, "Tælletræ: n = 3 trukket fra N = 5 med M = 2 succeser"},
      {urn, "Efter 3 forsøg 2 S: 3 veje, 3/10"},
      {urn, "Efter 3 forsøg 0 S: 1 vej, 1/10"},
      // The urn's fractions keep what is left in it: 2 successes of 4.
      {urn, "Efter 1 forsøg 0 S, så S: 2/4"},
      {urn, "Efter 2 forsøg 1 S, så S: 1/3"},
      // Thirteen digits do not fit a node: written in the tree's decimals.
      {trialsWork(withReplacement(10, "0.3"), true), "Efter 10 forsøg 3 S: 120 veje, 0.2668"},
  };
  for (const Case& c : cases) {
    const std::vector<std::string> texts = readTexts(c.state);
    EXPECT_NE(std::find(texts.begin(), texts.end(), c.reading), texts.end()) << c.reading;
  }
}

// Without replacement a step that empties the urn of one kind goes nowhere.
TEST(CountingTree, WhatCannotBeDrawnIsLeftOut) {
  const std::vector<std::string> texts = readTexts(trialsWork(withoutReplacement(3, 5, 2), true));
  EXPECT_FALSE(readsOneStartingWith(texts, "Efter 3 forsøg 3 S"));
  EXPECT_FALSE(readsOneStartingWith(texts, "Efter 2 forsøg 2 S, så S"));
  EXPECT_TRUE(readsOneStartingWith(texts, "Efter 2 forsøg 2 S, så F"));
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
      {withReplacement(3, "1/2"), true, false, false},  // the tree, until chosen
      {withReplacement(3, "1/2"), true, true, true},
      {withReplacement(10, "0.3"), false, false, true},   // nothing else to draw
      {withoutReplacement(4, 6, 6), false, false, true},  // no failures: no tree
      {withReplacement(13, "0.3"), false, true, false},
      {withReplacement(3, "3/2"), false, true, false},
  };
  for (const Case& c : cases) {
    TreeState state = trialsWork(c.trials, false);
    if (c.withTree) state.tree = trialsTree(c.trials);
    state.view.countingTree = c.chosen;
    EXPECT_EQ(drawsCountingTree(state), c.shown) << c.trials.count << " " << c.chosen;
  }

  TreeState state = trialsWork(withReplacement(3, "1/2"), true);
  state.tree = trialsTree(*state.trials);
  state.view.countingTree = true;
  RecordingCanvas page(true);
  drawTree(state, page, PrinterOffsetX);
  const auto heading = std::find_if(page.texts.begin(), page.texts.end(), [](const auto& text) {
    return text.text == "Tælletræ: n = 3, p = 1/2";
  });
  ASSERT_NE(heading, page.texts.end());
  EXPECT_EQ(heading->x, PrinterOffsetX);
  EXPECT_EQ(heading->encoding, TextEncoding::Utf8);
  EXPECT_TRUE(std::none_of(page.texts.begin(), page.texts.end(), [](const auto& text) {
    return text.text == "S1";
  })) << "the tree's branches are not drawn under it";
}

}  // namespace
}  // namespace kvistra
