// The random variable on trees of several shapes, defined each of the three ways, against means
// and variances worked out by hand, given a reduction, and through a document and back.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "drawing/TreeDrawing.h"
#include "events/EventExpression.h"
#include "events/Reduction.h"
#include "storage/TreeDocument.h"
#include "support/TreeBuilding.h"
#include "support/TreeShapes.h"
#include "text/TextFormat.h"
#include "tree/RandomVariable.h"

namespace kvistra {
namespace {

using testing::evenShape;
using testing::Fixture;

struct VariableCase {
  const char* what;
  std::string shape;
  VariableKind kind;
  // Gives each branch what the definition needs: its level, its slot and the branch.
  std::function<void(const Tree&, BranchAt, Branch&)> define;
  const char* mean;
  const char* variance;
  const char* reduceTo = nullptr;  // with the mean and variance given it
  const char* givenMean = nullptr;
  const char* givenVariance = nullptr;
};

// The branch's letter: A for the first of its group.
char letterOf(const Branch& branch) {
  return branch.name[0];
}

TEST(RandomVariable, GivesTheMeanAndVarianceWorkedOutByHand) {
  const VariableCase cases[] = {
      {"three coins, the number of heads", evenShape("1/2,1/2", 3), VariableKind::CountOfNames,
       [](const Tree&, BranchAt, Branch& b) { b.counted = letterOf(b) == 'A'; }, "3/2", "3/4", "A1",
       "2", "1/2"},
      {"two dice, their sum", evenShape("1/6,1/6,1/6,1/6,1/6,1/6", 2), VariableKind::SumOfBranches,
       [](const Tree&, BranchAt, Branch& b) {
         b.branchValue = std::to_string(letterOf(b) - 'A' + 1);
       },
       "7", "35/6"},
      {"two coins, 10 on two heads and -5 otherwise", evenShape("1/2,1/2", 2),
       VariableKind::ValuePerOutcome,
       [](const Tree& tree, BranchAt at, Branch& b) {
         if (at == tree.outcome(1))
           b.outcomeValue = "10";
         else
           b.outcomeValue = "-5";
       },
       "-5/4", "675/16"},
      {"best of three, the games played", "[3/5[3/5,2/5[3/5,2/5]],2/5[3/5[3/5,2/5],2/5]]",
       VariableKind::SumOfBranches, [](const Tree&, BranchAt, Branch& b) { b.branchValue = "1"; },
       "62/25", "156/625", "A1", "12/5", "6/25"},
  };
  for (const VariableCase& c : cases) {
    SCOPED_TRACE(c.what);
    Fixture f;
    ASSERT_TRUE(testing::openShape(f.context, c.shape));
    Tree& tree = f.state.tree;
    for (int level = 1; level <= tree.depth(); ++level)
      for (int slot = 1; slot <= tree.slotsOn(level); ++slot)
        c.define(tree, {level, slot}, tree.branch(level, slot));
    f.state.variable = RandomVariable{c.kind, 'X'};
    EXPECT_TRUE(outcomesWithoutValue(tree, *f.state.variable).empty());
    const std::optional<Distribution> x = variableDistribution(f.state);
    ASSERT_TRUE(x);
    EXPECT_EQ(fractionText(x->mean()), c.mean);
    EXPECT_EQ(fractionText(x->variance()), c.variance);
    // The first outcome is read, as drawn, with its value.
    const std::string first =
        "udfald 1, X = " + fractionText(*variableValue(tree, *f.state.variable, 1));
    bool read = false;
    for (const DrawingReading& reading : drawingReadings(f.state, f.host.canvas))
      read = read || reading.text.find(first) != std::string::npos;
    EXPECT_TRUE(read) << first;

    // The document keeps the variable and every value it stands on.
    const TreeDocumentReading reread = readTreeDocument(writeTreeDocument(f.state));
    ASSERT_EQ(reread.error, "");
    EXPECT_TRUE(reread.document->tree == f.state.tree);
    EXPECT_EQ(reread.document->variable, f.state.variable);

    if (!c.reduceTo) continue;
    evaluateExpression(f.state, c.reduceTo);
    f.state.reduction.text = c.reduceTo;
    applyReduction(f.context);
    const std::optional<Distribution> given = variableDistribution(f.state);
    ASSERT_TRUE(given);
    EXPECT_EQ(fractionText(given->mean()), c.givenMean);
    EXPECT_EQ(fractionText(given->variance()), c.givenVariance);
  }
}

TEST(RandomVariable, WaitsForEveryValueItNeeds) {
  Fixture f;
  ASSERT_TRUE(testing::openShape(f.context, evenShape("1/2,1/2", 2)));
  f.state.variable = RandomVariable{VariableKind::SumOfBranches, 'X'};
  f.state.tree.branch(1, 1).branchValue = "2";
  f.state.tree.branch(2, 1).branchValue = "1";
  EXPECT_EQ(outcomesWithoutValue(f.state.tree, *f.state.variable), (std::vector<int>{2, 3, 4}));
  EXPECT_FALSE(variableDistribution(f.state));
}

// Catches a simulated mean not divided by the trials, or a spread taken as a sample's (over n - 1)
// where σ(X) beside it is the distribution's.
TEST(RandomVariable, SimulationShowsTheTrialsMeanAndSpreadBesideTheExpected) {
  struct SimulationCase {
    const char* what;
    std::vector<int64_t> counts;  // outcomes 1..8 of three coins
    const char* lines;
  };
  const SimulationCase cases[] = {
      {"each outcome once",
       {1, 1, 1, 1, 1, 1, 1, 1},
       "Gennemsnit af X: 1.5000   E(X) = 1.5000|Spredning af X: 0.8660   σ(X) = 0.8660|"},
      {"three heads every time",
       {5, 0, 0, 0, 0, 0, 0, 0},
       "Gennemsnit af X: 3.0000   E(X) = 1.5000|Spredning af X: 0.0000   σ(X) = 0.8660|"},
  };
  for (const SimulationCase& c : cases) {
    SCOPED_TRACE(c.what);
    Fixture f;
    ASSERT_TRUE(testing::openShape(f.context, evenShape("1/2,1/2", 3)));
    Tree& tree = f.state.tree;
    for (int level = 1; level <= tree.depth(); ++level)
      for (int slot = 1; slot <= tree.slotsOn(level); ++slot)
        tree.branch(level, slot).counted = letterOf(tree.branch(level, slot)) == 'A';
    f.state.variable = RandomVariable{VariableKind::CountOfNames, 'X'};
    SimulationTally tally;
    for (std::size_t k = 0; k < c.counts.size(); ++k) tally.counts[k + 1] = c.counts[k];
    for (int64_t count : c.counts) tally.trials += count;
    f.state.simulation = tally;
    std::string lines;
    for (const DrawingReading& reading : drawingReadings(f.state, f.host.canvas))
      if (reading.encoding == TextEncoding::Utf8) lines += reading.text + "|";
    EXPECT_EQ(lines, c.lines);
  }
}

}  // namespace
}  // namespace kvistra
