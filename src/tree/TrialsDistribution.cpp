#include "tree/TrialsDistribution.h"

#include "distribution/VariableValue.h"

namespace kvistra {

std::optional<Exact> successProbability(const RepeatedTrials& trials) {
  if (!trials.withReplacement) {
    if (trials.population < 1) return std::nullopt;
    return Exact(trials.populationSuccesses, trials.population);
  }
  return readVariableValue(trials.probability.view());
}

std::optional<TrialsTable> trialsTable(const RepeatedTrials& trials) {
  if (trials.withReplacement) {
    const std::optional<Exact> p = successProbability(trials);
    if (!p) return std::nullopt;
    return binomialTable(trials.count, *p);
  }
  return hypergeometricTable(trials.population, trials.populationSuccesses, trials.count);
}

}  // namespace kvistra
