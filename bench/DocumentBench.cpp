// Writing and reading the document of the largest tree: 27 outcomes on three branchings, every
// value typed as a fraction, every name row and a full results list.
#include <benchmark/benchmark.h>

#include "events/EventTrees.h"
#include "names/BranchNames.h"
#include "storage/TreeDocument.h"

namespace kvistra {
namespace {

TreeState largestTree() {
  TreeState state = test_trees::FractionTree();
  state.labels.count = labelRowsOf(state.tree);
  for (int i = 1; i <= state.labels.count; ++i) state.labels.rows[i] = {"A1", "A1", "Rød kugle"};
  state.results.count = MaxResults;
  for (int i = 1; i <= MaxResults; ++i)
    state.results.rows[i] = {"P(A1B2,(A2,B1)-C3) = ", "0,1234", "1234567/10000000"};
  return state;
}

std::string documentOf(const TreeState& state) {
  return writeTreeDocument(state);
}

void BM_WriteDocument27Outcomes(benchmark::State& run) {
  const TreeState state = largestTree();
  for (auto _ : run) benchmark::DoNotOptimize(documentOf(state));
}

void BM_ReadDocument27Outcomes(benchmark::State& run) {
  const std::string document = documentOf(largestTree());
  for (auto _ : run) benchmark::DoNotOptimize(readTreeDocument(document));
  run.SetBytesProcessed(run.iterations() * static_cast<int64_t>(document.size()));
}

BENCHMARK(BM_WriteDocument27Outcomes)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ReadDocument27Outcomes)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace kvistra
