// The largest tree of the most branchings: 64 outcomes on six branchings of two (126 branches),
// opened from its document, an event over it evaluated and valued, and the document read and
// written.
#include <benchmark/benchmark.h>

#include "events/EventCalculation.h"
#include "events/EventExpression.h"
#include "storage/TreeDocument.h"
#include "support/TreeBuilding.h"
#include "support/TreeShapes.h"

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
BENCHMARK(BM_WriteDocument64Outcomes)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ReadDocument64Outcomes)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace kvistra
