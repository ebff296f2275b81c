// The largest tree of the most branchings: 64 outcomes on six branchings of two (126 branches),
// opened from its document, an event over it evaluated and valued, and the document read and
// written.
#include <benchmark/benchmark.h>

#include "distribution/DistributionText.h"
#include "events/EventCalculation.h"
#include "events/EventExpression.h"
#include "storage/TreeDocument.h"
#include "support/TreeBuilding.h"
#include "support/TreeShapes.h"
#include "tree/RandomVariable.h"

namespace kvistra {
namespace {

const std::string SixBranchings = testing::evenShape("1/3,2/3", 6);

// Marks an event on every branching, with "-" and a range, and values it exactly, as
// "Hændelser" does before the approve box.
void BM_EventOver64Outcomes(benchmark::State& run) {
  testing::Fixture f;
  if (!testing::openShape(f.context, SixBranchings)) return run.SkipWithError("not opened");
  const std::string event = normaliseExpression("A1-B3,(A2,B4)A6,40..50");
  for (auto _ : run) {
    f.state.event.outcomeMarked.fill(false);
    evaluateExpression(f.state, event);
    sumMarkedPaths(f.state);
    benchmark::DoNotOptimize(exactEventValue(f.state));
  }
}

// X = the number of first branches on the path: its distribution given the tree, E(X), Var(X)
// and their working, as the distribution pane shows them after every command.
void BM_VariableOver64Outcomes(benchmark::State& run) {
  testing::Fixture f;
  if (!testing::openShape(f.context, SixBranchings)) return run.SkipWithError("not opened");
  Tree& tree = f.state.tree;
  for (int level = 1; level <= tree.depth(); ++level)
    for (int slot = 1; slot <= tree.slotsOn(level); ++slot)
      tree.branch(level, slot).counted = tree.branch(level, slot).name[0] == 'A';
  f.state.variable = RandomVariable{VariableKind::CountOfNames, 'X'};
  const NumberStyle style;
  for (auto _ : run) {
    const std::optional<Distribution> x = variableDistribution(f.state);
    if (!x) return run.SkipWithError("no distribution");
    benchmark::DoNotOptimize(meanDisplayText(*x, style));
    benchmark::DoNotOptimize(varianceDisplayText(*x, style));
    benchmark::DoNotOptimize(standardDeviationDisplayText(*x, style));
  }
}

void BM_WriteDocument64Outcomes(benchmark::State& run) {
  testing::Fixture f;
  if (!testing::openShape(f.context, SixBranchings)) return run.SkipWithError("not opened");
  const TreeState& state = f.state;
  for (auto _ : run) benchmark::DoNotOptimize(writeTreeDocument(state));
}

void BM_ReadDocument64Outcomes(benchmark::State& run) {
  const std::string document = testing::shapeDocument(SixBranchings);
  for (auto _ : run) benchmark::DoNotOptimize(readTreeDocument(document));
  run.SetBytesProcessed(run.iterations() * static_cast<int64_t>(document.size()));
}

BENCHMARK(BM_EventOver64Outcomes)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_VariableOver64Outcomes)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WriteDocument64Outcomes)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ReadDocument64Outcomes)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace kvistra
