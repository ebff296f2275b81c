// Reading typed probabilities, and filling the largest tree (3 × 3 × 3) the way a user does:
// the first groups typed, every other group copied across.
#include <benchmark/benchmark.h>

#include <string>

#include "probabilities/Copying.h"
#include "probabilities/ProbabilityInput.h"
#include "probabilities/ProbabilityReading.h"
#include "support/TreeBuilding.h"

namespace kvistra {
namespace {

void BM_ReadTypedProbabilities(benchmark::State& run) {
  const std::string typed[] = {"0.25", "1/6", "0.125", "2/3/4", "1.2.3", "12/100"};
  for (auto _ : run)
    for (const auto& text : typed) benchmark::DoNotOptimize(probabilityValue(text));
  run.SetItemsProcessed(run.iterations() * std::size(typed));
}

void BM_FillLargestTreeByCopying(benchmark::State& run) {
  for (auto _ : run) {
    testing::Fixture f;
    f.build({3, 3, 3});
    f.host.probabilityReplies = {"1/6", "1/3"};
    setFirstProbabilities(f.context);
    while (!f.state.input.allProbabilitiesEntered) copyNextGroup(f.context, CopyDirection::Across);
    benchmark::DoNotOptimize(f.state.input.allProbabilitiesEntered);
  }
}

BENCHMARK(BM_ReadTypedProbabilities);
BENCHMARK(BM_FillLargestTreeByCopying)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace kvistra
