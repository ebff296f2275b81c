// Every computation on trees of every shape: paths that end early, groups of different sizes, one
// branching, and the 64 outcomes of six branchings, each against values worked out by hand.
#include <gtest/gtest.h>

#include <numeric>

#include "chance/SimulationCommands.h"
#include "events/EventCalculation.h"
#include "events/EventExpression.h"
#include "events/Reduction.h"
#include "session/Session.h"
#include "storage/TreeDocument.h"
#include "support/TreeBuilding.h"
#include "support/TreeShapes.h"
#include "text/TextFormat.h"
#include "tree/ExactValues.h"
#include "tree/NaturalFrequencies.h"
#include "tree/TreeHelpers.h"

namespace kvistra {
namespace {

using testing::evenShape;
using testing::Fixture;

struct Event {
  const char* text;
  const char* value;
  const char* marked;  // outcome numbers top to bottom; a run of three or more as "a..b"
};

struct Shape {
  const char* name;
  std::string shape;
  int outcomes;
  std::vector<Event> events;  // the first is also counted, reduced and simulated
  const char* cases;          // the first event in "Antal ud af N"
  const char* reduceTo;
  const char* given;  // the first event's value given the reduction
  BranchAt branch;    // a kept branch, its value given the reduction and its cases
  const char* branchGiven;
  std::int64_t branchCases;
};

// clang-format off
const Shape Shapes[] = {
    {"best of three, ends at branching 2", "[3/5[3/5,2/5[3/5,2/5]],2/5[3/5[3/5,2/5],2/5]]", 6,
     {{"A1A2,A1B2A3,B1A2A3", "81/125", "1 2 4"}, {"A1A2,A3", "81/125", "1 2 4"},
      {"1,2,4", "81/125", "1 2 4"}, {"-A3", "89/125", "1 3 5 6"}, {"-b3", "101/125", "1 2 4 6"},
      {"2..5", "12/25", "2..5"}},
     "81 ud af 125", "A3,B3", "3/5", {3, 1}, "3/5", 18},
    {"ends at branchings 1 and 2", "[1/6,1/2[1/3,1/3,1/3[1/2,1/2]],1/3]", 6,
     {{"B1(A2,A3)", "1/4", "2 4"}, {"-B1", "1/2", "1 6"}, {"-A3", "11/12", "1..3 5 6"},
      {"4..", "1/2", "4..6"}},
     "3 ud af 12", "-B2", "3/10", {2, 3}, "1/2", 2},
    {"ends at every branching", "[1/2,1/2[1/2,1/2[1/2,1/2[1/2,1/2[1/2,1/2[1/2,1/2]]]]]]", 7,
     {{"B3", "1/8", "4..7"}, {"-A4-A5", "29/32", "1..3 6 7"}, {"6..7", "1/32", "6 7"}},
     "8 ud af 64", "B1", "1/4", {4, 1}, "1/2", 4},
    {"3 under A1, 2 under B1", "[1/4[1/3,1/3,1/3],3/4[1/2,1/2]]", 5,
     {{"A2", "11/24", "1 4"}, {"-C2", "11/12", "1 2 4 5"}, {"3..4", "11/24", "3 4"}},
     "11 ud af 24", "-C2", "1/2", {2, 2}, "1/2", 2},
    {"one branching", "[1/6,1/6,1/6,1/6,1/6,1/6]", 6,
     {{"-A1", "5/6", "2..6"}, {"2..4", "1/2", "2..4"}, {"-5", "5/6", "1..4 6"}},
     "5 ud af 6", "1..3", "2/3", {1, 2}, "1/3", 1},
    {"6 branchings x 2", evenShape("1/3,2/3", 6), 64,
     {{"A1A2-B3", "1/27", "1..8"}, {"33..", "2/3", "33..64"}, {"-B1", "1/3", "1..32"}},
     "27 ud af 729", "A1", "1/9", {6, 1}, "1/3", 1},
    {"4 x 4 x 4", evenShape("1/4,1/4,1/4,1/4", 3), 64,
     {{"A1,B2", "7/16", "1..16 21..24 37..40 53..56"}, {"64", "1/64", "64"},
      {"-D1", "3/4", "1..48"}},
     "28 ud af 64", "-D1", "1/2", {3, 48}, "1/4", 1},
};
// clang-format on

std::string markedOutcomes(const TreeState& state) {
  const auto& marked = state.event.outcomeMarked;
  std::string text;
  for (int k = 1; k <= MaxOutcomes; ++k) {
    if (!marked[k]) continue;
    int last = k;
    while (last < MaxOutcomes && marked[last + 1]) ++last;
    text += (text.empty() ? "" : " ") + std::to_string(k);
    if (last - k >= 2) text += ".." + std::to_string(k = last);
  }
  return text;
}

std::string valueOf(TreeState& state, const char* event) {
  state.event.outcomeMarked.fill(false);
  evaluateExpression(state, normaliseExpression(event));
  EXPECT_FALSE(state.event.parseError) << event;
  return fractionText(exactEventValue(state));
}

std::string documentOf(const TreeState& state) {
  return writeTreeDocument(state);
}

bool opened(Fixture& f, const Shape& shape) {
  if (!testing::openShape(f.context, shape.shape) || !computableTree(f.state)) return false;
  EXPECT_EQ(f.state.tree.outcomeSlots(), shape.outcomes);
  return true;
}

void expectEvents(Fixture& f, const Shape& shape) {
  for (const Event& event : shape.events) {
    EXPECT_EQ(valueOf(f.state, event.text), event.value) << event.text;
    EXPECT_EQ(markedOutcomes(f.state), event.marked) << event.text;
    EXPECT_NEAR(sumMarkedPaths(f.state), exactEventValue(f.state).get_d(), 1e-12) << event.text;
  }
  valueOf(f.state, shape.events[0].text);
  const NaturalFrequencies all = naturalFrequencies(f.state.tree, std::nullopt);
  EXPECT_EQ(eventFrequencyText(f.state, all), shape.cases);
  std::int64_t leaves = 0;
  for (int k = 1; k <= f.state.tree.outcomeSlots(); ++k) leaves += all.leafCount(f.state.tree, k);
  EXPECT_EQ(leaves, all.total);
}

void expectReduction(Fixture& f, const Shape& shape) {
  valueOf(f.state, shape.reduceTo);
  f.state.reduction.text = shape.reduceTo;
  applyReduction(f.context);
  ASSERT_TRUE(f.state.reduction.reduced);
  EXPECT_EQ(valueOf(f.state, shape.events[0].text), shape.given);
  f.state.view.conditionalValues = true;
  const ConditionalValues given(f.state.tree, ExactValues(f.state.tree));
  ASSERT_TRUE(given(shape.branch.level, shape.branch.slot));
  EXPECT_EQ(fractionText(*given(shape.branch.level, shape.branch.slot)), shape.branchGiven);
  EXPECT_EQ(shownCases(f.state).counts[shape.branch.level][shape.branch.slot], shape.branchCases);

  // Trials land on the outcomes the reduction kept, as often as their values given it say.
  constexpr std::int64_t Trials = 10000;
  f.host.simulationReplies.push_back(SimulationChoice{"10 000", "7"});
  simulate(f.context);
  ASSERT_TRUE(f.state.simulation);
  const auto& counts = f.state.simulation->counts;
  EXPECT_EQ(std::accumulate(counts.begin(), counts.end(), std::int64_t{0}), Trials);
  std::int64_t inEvent = 0;
  for (int k = 1; k <= MaxOutcomes; ++k) {
    const bool kept = k <= f.state.tree.outcomeSlots() && f.state.tree.leaf(k).exists;
    EXPECT_TRUE(kept || counts[k] == 0) << k;
    if (f.state.event.outcomeMarked[k]) inEvent += counts[k];
  }
  EXPECT_NEAR(static_cast<double>(inEvent) / Trials, readExact(shape.given)->get_d(), 0.03);
}

TEST(Shapes, ComputeEveryFeatureOnEveryShape) {
  for (const Shape& shape : Shapes) {
    SCOPED_TRACE(shape.name);
    Fixture f;
    if (!opened(f, shape)) {
      ADD_FAILURE() << "not opened";
      continue;
    }
    expectEvents(f, shape);
    expectReduction(f, shape);

    // A reduced tree of this shape is saved and reopened as it was.
    const std::string saved = documentOf(f.state);
    const TreeDocumentReading reopened = readTreeDocument(saved);
    ASSERT_TRUE(reopened.document) << reopened.error;
    EXPECT_EQ(reopened.document->tree, f.state.tree);
    EXPECT_EQ(reopened.document->reduction, f.state.reduction);

    // Restored, and the restore undone and redone, each with the values of its tree.
    Session session(f.state);
    session.run("Gendan træ", restoreTree, f.host);
    EXPECT_EQ(valueOf(f.state, shape.events[0].text), shape.events[0].value);
    session.undo(f.host);
    EXPECT_EQ(valueOf(f.state, shape.events[0].text), shape.given);
    session.redo(f.host);
    EXPECT_EQ(valueOf(f.state, shape.events[0].text), shape.events[0].value);
  }
}

}  // namespace
}  // namespace kvistra
