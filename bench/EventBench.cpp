// Evaluations per second of event expressions on a full tree of 3 × 3 × 3 outcomes.
#include <benchmark/benchmark.h>

#include <string>

#include "events/EventExpression.h"
#include "events/EventTrees.h"

namespace kvistra {
namespace {

void evaluateRepeatedly(benchmark::State& run, const std::string& expression) {
  TreeState state = test_trees::MakeTree({3, 3, 3});
  evaluateExpression(state, expression);
  if (state.event.parseError || state.event.parserState != ParserState::NoParenthesisError) {
    run.SkipWithError("the expression does not evaluate");
    return;
  }
  for (auto _ : run) {
    state.tree.outcomeMarked = {};
    evaluateExpression(state, expression);
    benchmark::DoNotOptimize(state.tree.outcomeMarked);
  }
  run.SetItemsProcessed(run.iterations());
}

void BM_EvaluateSimpleExpression(benchmark::State& run) {
  evaluateRepeatedly(run, "A1-B3");
}

void BM_EvaluateTwoGroupExpression(benchmark::State& run) {
  evaluateRepeatedly(run, "(A1,B1)C2(A3,B3)");
}

BENCHMARK(BM_EvaluateSimpleExpression);
BENCHMARK(BM_EvaluateTwoGroupExpression);

}  // namespace
}  // namespace kvistra
