#include "window/TrialsPane.h"

#include <optional>

#include "distribution/Distribution.h"
#include "distribution/TrialsQuestion.h"
#include "tree/TrialsDistribution.h"

namespace kvistra {

namespace {

// The table's narrow columns show fractions up to "2340/52969"; longer ones as decimals.
constexpr std::size_t LongestTableFraction = 10;

// Decimals as typed read well up to this many characters; longer numbers are fractions.
constexpr std::size_t LongestDecimal = 10;

// An exact number of the working: "0.3", "1/6", "36/49 ≈ 0.7347"; with the tree's "Brøker"
// always the fraction, as the tree writes its values.
std::string exactText(Exact value, const NumberStyle& style) {
  // The table's mean of a share M/N comes unreduced: 5/50 · 10 is 1.
  value.canonicalize();
  const std::string decimal = exactDecimalText(value, style.decimalComma);
  if (!style.fractions && !decimal.empty() && decimal.size() <= LongestDecimal) return decimal;
  return fractionText(value);
}

std::string resultText(const Exact& value, const NumberStyle& style) {
  const std::string exact = exactText(value, style);
  if (exact.find('/') == std::string::npos) return exact;
  return exact + " ≈ " + displayDecimal(value, style.decimals, style.decimalComma);
}

std::string cellText(const Exact& value, const NumberStyle& style) {
  const std::string text = tableProbabilityDisplayText(value, style.decimals, style.decimalComma);
  if (text.size() <= LongestTableFraction) return text;
  return displayDecimal(value, style.decimals, style.decimalComma);
}

std::string count(int value) {
  return std::to_string(value);
}

// "E(X) = n · p = 10 · 0.3 = 3" and "Var(X) = n · p · (1 − p) = …", with the pane's lines.
void showBinomialMoments(DistributionPane& pane, const RepeatedTrials& trials, const Exact& p,
                         const TrialsTable& table, const NumberStyle& style) {
  const std::string& x = pane.name;
  const std::string n = count(trials.count);
  const std::string pText = exactText(p, style);
  pane.heading = "Binomialfordeling";
  pane.trialsLine = x + " ~ b(" + n + "; " + pText + ")";
  pane.working.push_back("E(" + x + ") = n · p = " + n + " · " + pText + " = " +
                         resultText(table.mean, style));
  pane.working.push_back("Var(" + x + ") = n · p · (1 − p) = " + n + " · " + pText + " · " +
                         exactText(1 - p, style) + " = " + resultText(table.variance, style));
}

void showHypergeometricMoments(DistributionPane& pane, const RepeatedTrials& trials,
                               const TrialsTable& table, const NumberStyle& style) {
  const std::string& x = pane.name;
  const int N = trials.population;
  const int M = trials.populationSuccesses;
  const std::string n = count(trials.count);
  const std::string share = count(M) + "/" + count(N);
  const std::string rest = count(N - M) + "/" + count(N);
  // As hypergeometricTable takes it: a population of one leaves nothing to vary.
  const std::string finite = N == 1 ? "0" : count(N - trials.count) + "/" + count(N - 1);
  pane.heading = "Hypergeometrisk fordeling";
  pane.trialsLine = trialsDescription(trials, style.decimalComma);
  pane.working.push_back("E(" + x + ") = n · M/N = " + n + " · " + share + " = " +
                         resultText(table.mean, style));
  pane.working.push_back("Var(" + x + ") = n · M/N · (1 − M/N) · (N − n)/(N − 1) = " + n + " · " +
                         share + " · " + rest + " · " + finite + " = " +
                         resultText(table.variance, style));
}

std::string standardDeviationText(const Exact& variance, const NumberStyle& style) {
  if (const std::optional<Exact> root = rationalRoot(variance))
    if (exactText(*root, style).find('/') == std::string::npos) return exactText(*root, style);
  const std::string decimal =
      displayText(roundedRootText(variance, style.decimals), style.decimalComma);
  const std::optional<std::string> exact = exactRootText(variance);
  return (exact ? *exact + " ≈ " : "≈ ") + decimal;
}

// The k whose term the working shows: the question's first, else the most probable.
int workedValue(const TrialsTable& table, const TakenValues& taken) {
  if (!taken.empty()) return taken.first;
  std::size_t best = 0;
  for (std::size_t k = 1; k < table.rows.size(); ++k)
    if (table.rows[k].probability > table.rows[best].probability) best = k;
  return static_cast<int>(best);
}

}  // namespace

bool showsTrials(const TreeState& state) {
  return state.trials.has_value() && !state.reduction.reduced;
}

std::string trialsVariableName(const TreeState& state) {
  return std::string(1, state.variable ? state.variable->name : 'X');
}

NumberStyle trialsNumberStyle(const TreeState& state) {
  return {false, state.tree.decimalCount, state.view.decimalComma};
}

DistributionPane trialsPaneOf(const TreeState& state) {
  const RepeatedTrials& trials = *state.trials;
  DistributionPane pane;
  pane.name = trialsVariableName(state);
  const std::string& x = pane.name;
  const NumberStyle style = trialsNumberStyle(state);
  pane.decimalComma = style.decimalComma;
  pane.heading = trials.withReplacement ? "Binomialfordeling" : "Hypergeometrisk fordeling";
  const std::optional<TrialsTable> table = trialsTable(trials);
  const std::optional<Exact> p = successProbability(trials);
  if (!table || !p) {
    pane.note = "Forsøgene kan ikke regnes ud.";
    return pane;
  }
  pane.valueColumn = "k";
  pane.probabilityColumn = "P(" + x + " = k)";
  pane.cumulativeColumn = "P(" + x + " ≤ k)";

  const std::optional<VariableQuestion> question = readQuestionRow(state.variableQuestion, x);
  const TakenValues taken = question ? takenValues(*question, trials.count) : TakenValues{};
  const std::vector<int> charted = chartedValues(*table, taken.first, taken.last);
  pane.rows.resize(table->rows.size());
  for (const TrialsRow& row : table->rows) {
    DistributionPaneRow& shown = pane.rows[static_cast<std::size_t>(row.k)];
    shown.value = count(row.k);
    shown.probability = cellText(row.probability, style);
    shown.cumulative = cellText(row.cumulative, style);
    shown.share = row.probability.get_d();
    shown.taken = taken.contains(row.k);
    shown.charted = false;
  }
  for (int k : charted) pane.rows[static_cast<std::size_t>(k)].charted = true;

  if (trials.withReplacement)
    showBinomialMoments(pane, trials, *p, *table, style);
  else
    showHypergeometricMoments(pane, trials, *table, style);
  pane.mean = "E(" + x + ") = " + resultText(table->mean, style);
  pane.variance = "Var(" + x + ") = " + resultText(table->variance, style);
  const std::string sigma = standardDeviationText(table->variance, style);
  pane.standardDeviation = "σ(" + x + ")" + (sigma.starts_with("≈") ? " " : " = ") + sigma;
  pane.working.push_back("σ(" + x + ") = √(Var(" + x + "))" +
                         (sigma.starts_with("≈") ? " " : " = ") + sigma);
  const int k = workedValue(*table, taken);
  pane.focusedRow = k;
  pane.working.push_back(
      trials.withReplacement
          ? binomialTermDisplayText(trials.count, *p, k, style.decimals, style.decimalComma, x)
          : hypergeometricTermDisplayText(trials.population, trials.populationSuccesses,
                                          trials.count, k, style.decimals, style.decimalComma, x));
  if (question) {
    pane.answer = questionDisplayText(*question, style, x) + " = " +
                  tableProbabilityDisplayText(trialsProbability(*table, *question), style.decimals,
                                              style.decimalComma);
    pane.answerWorking = trialsAnswerDisplayText(*table, *question, style, x);
  }
  return pane;
}

}  // namespace kvistra
