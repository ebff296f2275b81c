#include "window/DistributionPane.h"

#include "distribution/DistributionText.h"
#include "distribution/VariableQuestion.h"
#include "text/Windows1252.h"
#include "tree/RandomVariable.h"
#include "window/TrialsPane.h"

namespace kvistra {

namespace {

// The outcomes that exist and wait for a value; those cut away by a reduction need none.
std::vector<int> existingWithoutValue(const TreeState& state) {
  std::vector<int> missing;
  for (int k : outcomesWithoutValue(state.tree, *state.variable))
    if (state.tree.leaf(k).exists) missing.push_back(k);
  return missing;
}

std::string missingNote(const std::vector<int>& outcomes) {
  std::string note = "Mangler værdier på udfald ";
  for (std::size_t i = 0; i < outcomes.size(); ++i)
    note += (i > 0 ? ", " : "") + std::to_string(outcomes[i]);
  return note;
}

// "σ(X) = √(3)/2 ≈ 0.8660": the working's last step without its first.
std::string standardDeviationLine(const Distribution& x, const NumberStyle& style,
                                  const std::string& name) {
  const std::string working = standardDeviationDisplayText(x, style, name);
  const std::string formula = "σ(" + name + ") = √(Var(" + name + "))";
  return "σ(" + name + ")" + working.substr(working.starts_with(formula) ? formula.size() : 0);
}

void showAnswer(DistributionPane& pane, const TreeState& state, const Distribution& x,
                const NumberStyle& style) {
  const std::optional<VariableQuestion> question =
      readQuestionRow(state.variableQuestion, pane.name);
  if (!question) return;
  pane.answer = questionDisplayText(*question, style, pane.name) + " = " +
                displayNumber(probabilityOf(x, *question), style);
  pane.answerWorking = answerDisplayText(x, *question, style, pane.name);
  const auto& rows = x.rows();
  for (std::size_t i = 0; i < rows.size(); ++i)
    pane.rows[i].taken = satisfies(*question, rows[i].value);
}

}  // namespace

NumberStyle paneNumberStyle(const TreeState& state) {
  return {state.tree.showFractions, state.tree.decimalCount, state.view.decimalComma};
}

std::optional<DistributionPane> distributionPaneOf(const TreeState& state) {
  if (showsTrials(state)) return trialsPaneOf(state);
  if (!state.variable) return std::nullopt;
  DistributionPane pane;
  pane.name = std::string(1, state.variable->name);
  pane.heading = "Fordeling af " + pane.name;
  if (state.reduction.reduced)
    pane.heading += " givet " + utf8FromWindows1252(state.reduction.text);
  pane.probabilityColumn = "P(" + pane.name + " = x)";
  const NumberStyle style = paneNumberStyle(state);
  pane.decimalColumn = style.fractions;
  pane.decimalComma = style.decimalComma;
  if (const std::vector<int> missing = existingWithoutValue(state); !missing.empty()) {
    pane.note = missingNote(missing);
    return pane;
  }
  const std::optional<Distribution> x = variableDistribution(state);
  if (!x) {
    pane.note = "Fordelingen vises, når træets sandsynligheder er indtastet.";
    return pane;
  }
  for (const DistributionRow& row : x->rows()) {
    const std::string decimal = displayDecimal(row.probability, style.decimals, style.decimalComma);
    pane.rows.push_back({displayNumber(row.value, style),
                         style.fractions ? displayNumber(row.probability, style) : decimal,
                         style.fractions ? decimal : "", row.probability.get_d()});
  }
  pane.mean = "E(" + pane.name + ") = " + displayNumber(x->mean(), style);
  pane.variance = "Var(" + pane.name + ") = " + displayNumber(x->variance(), style);
  pane.standardDeviation = standardDeviationLine(*x, style, pane.name);
  pane.working.push_back(meanDisplayText(*x, style, pane.name));
  pane.working.push_back(varianceDisplayText(*x, style, pane.name));
  if (const auto terms = varianceTermsDisplayText(*x, style, pane.name))
    pane.working.push_back(*terms);
  pane.working.push_back(standardDeviationDisplayText(*x, style, pane.name));
  showAnswer(pane, state, *x, style);
  return pane;
}

}  // namespace kvistra
