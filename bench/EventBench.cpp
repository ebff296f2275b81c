// Evaluations per second of event expressions on a full tree of 3 × 3 × 3 outcomes, and an event
// over all of them valued exactly with its working.
#include <benchmark/benchmark.h>

#include <string>

#include "events/EventCalculation.h"
#include "events/EventExpression.h"
#include "events/EventTrees.h"
#include "events/Working.h"

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
    state.event.outcomeMarked = {};
    evaluateExpression(state, expression);
    benchmark::DoNotOptimize(state.event.outcomeMarked);
  }
  run.SetItemsProcessed(run.iterations());
}

void BM_EvaluateSimpleExpression(benchmark::State& run) {
  evaluateRepeatedly(run, "A1-B3");
}

void BM_EvaluateTwoGroupExpression(benchmark::State& run) {
  evaluateRepeatedly(run, "(A1,B1)C2(A3,B3)");
}

// Every group typed with four-digit denominators, so the 27 path products and their sum are
// long fractions.
void BM_EventWorking27Leaves(benchmark::State& run) {
  TreeState state = test_trees::FractionTree();
  evaluateExpression(state, "1..27");
  for (auto _ : run) {
    const ExactValues values(state.tree);
    benchmark::DoNotOptimize(exactEventValue(state, values));
    benchmark::DoNotOptimize(eventWorking(state, values, "1..27"));
  }
  run.SetItemsProcessed(run.iterations());
}

BENCHMARK(BM_EvaluateSimpleExpression);
BENCHMARK(BM_EvaluateTwoGroupExpression);
BENCHMARK(BM_EventWorking27Leaves)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace kvistra
