#include "tree/TrialsDistribution.h"

#include "distribution/DisplayNumbers.h"
#include "distribution/VariableValue.h"

namespace kvistra {

namespace {

bool isLetter(char c) {
  return c >= 'A' && c <= 'Z';
}

}  // namespace

std::optional<Exact> successProbability(const RepeatedTrials& trials) {
  if (!trials.withReplacement) {
    if (trials.population < 1) return std::nullopt;
    return Exact(trials.populationSuccesses, trials.population);
  }
  return readVariableValue(trials.probability.view());
}

std::string trialsRefusal(const RepeatedTrials& trials) {
  if (trials.count < 1 || trials.count > MostTrials)
    return "Antallet af forsøg skal være et helt tal fra 1 til 1000.";
  if (!isLetter(trials.success) || !isLetter(trials.failure))
    return "Navnene på succes og fiasko skal være ét bogstav hver.";
  if (trials.success == trials.failure) return "Succes og fiasko skal have hver sit bogstav.";
  if (trials.withReplacement) {
    const std::optional<Exact> p = successProbability(trials);
    if (!p || sgn(*p) <= 0 || *p >= 1)
      return "Sandsynligheden for succes skal være et tal mellem 0 og 1, f.eks. 0.3 eller 1/6.";
    if (trials.count <= MostTrialsDrawn &&
        trialsValueText(*p, trials).size() > TypedProbability::capacity)
      return "Sandsynligheden for succes kan højst skrives med 10 tegn på træet.";
    return "";
  }
  if (trials.population < 1 || trials.population > LargestPopulation)
    return "Antallet i alt skal være et helt tal fra 1 til 10000.";
  if (trials.count > trials.population)
    return "Der kan højst trækkes lige så mange, som der er i alt.";
  if (trials.populationSuccesses < 0 || trials.populationSuccesses > trials.population)
    return "Antallet af succeser skal være fra 0 til antallet i alt.";
  return "";
}

std::string trialsValueText(const Exact& value, const RepeatedTrials& trials) {
  const bool fraction = trials.probability.view().find('/') != std::string_view::npos;
  if (!fraction && hasAtMostPlaces(value, 4)) return exactDecimalText(value, false);
  return fractionText(value);
}

std::string trialsDescription(const RepeatedTrials& trials, bool decimalComma) {
  const std::string n = "n = " + std::to_string(trials.count);
  if (!trials.withReplacement)
    return n + " trukket fra N = " + std::to_string(trials.population) +
           " med M = " + std::to_string(trials.populationSuccesses) + " succeser";
  const std::optional<Exact> p = successProbability(trials);
  return n + ", p = " + (p ? displayText(trialsValueText(*p, trials), decimalComma) : "?");
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
