#include "events/VariableQuestions.h"

#include <optional>

#include "distribution/VariableValue.h"
#include "events/EventCalculation.h"
#include "text/Windows1252.h"
#include "tree/RandomVariable.h"
#include "window/DistributionPane.h"

namespace kvistra {

namespace {

// The variable's letter in a row: the first character that belongs to no number and no sign.
std::string rowLetter(const std::string& rowText) {
  const std::size_t at = rowText.find_first_not_of("0123456789-.,/<>= ");
  return at == std::string::npos ? "X" : rowText.substr(at, 1);
}

// Marks the outcomes whose value the question takes, as an event's are, and offers the answer.
void answerQuestion(Context& context, const VariableQuestion& question,
                    const std::string& separator) {
  TreeState& state = context.state;
  const std::optional<Distribution> x = variableDistribution(state);
  if (!x) return;
  const std::string name(1, state.variable->name);
  const std::string row = questionRowText(question, name);
  state.variableQuestion = row;
  const Tree& tree = state.tree;
  state.event.outcomeMarked.fill(false);
  for (int k = 1; k <= tree.outcomeSlots(); ++k) {
    const std::optional<Exact> value = variableValue(tree, *state.variable, k);
    state.event.outcomeMarked[k] = tree.leaf(k).exists && value && satisfies(question, *value);
  }
  state.event.shown = true;
  sumMarkedPaths(state);
  // The pane shows the answer and colours its bars while the approve box is open.
  context.window.distributionPane = distributionPaneOf(state);
  context.host.repaintDrawing();
  const Exact value = probabilityOf(*x, question);
  const std::string working = answerDisplayText(*x, question, paneNumberStyle(state), name);
  approveResult(context, row,
                {fixedPoint(value, 6, 4), fractionText(value), {working}, {}, TextEncoding::Utf8},
                separator);
  context.host.repaintDrawing();
}

}  // namespace

void askVariableQuestion(Context& context, Comparison comparison, const std::string& bound,
                         const std::string& upper) {
  const std::optional<Exact> first = readVariableValue(bound);
  const std::optional<Exact> second =
      comparison == Comparison::Between ? readVariableValue(upper) : Exact();
  if (!first || !second) {
    context.host.showMessage("Skriv et tal, f.eks. -5, 2.5 eller 1/2.", " ");
    return;
  }
  answerQuestion(context, {comparison, *first, *second}, TypedEventSeparator);
}

bool isVariableQuestionRow(const std::string& rowText) {
  return rowText.find_first_of("<>=") != std::string::npos;
}

void reevaluateVariableQuestion(Context& context, const std::string& rowText) {
  const std::optional<RandomVariable>& variable = context.state.variable;
  const std::string letter = rowLetter(rowText);
  if (!variable || letter != std::string(1, variable->name)) {
    context.host.showMessage(letter + w1252(" er ikke defineret for dette træ."), " ");
    return;
  }
  if (const std::optional<VariableQuestion> question = readQuestionRow(rowText, letter))
    answerQuestion(context, *question, RowEventSeparator);
}

}  // namespace kvistra
