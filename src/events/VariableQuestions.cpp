#include "events/VariableQuestions.h"

#include <optional>

#include "distribution/TrialsQuestion.h"
#include "distribution/VariableValue.h"
#include "events/EventCalculation.h"
#include "text/Windows1252.h"
#include "tree/RandomVariable.h"
#include "tree/TrialsDistribution.h"
#include "window/DistributionPane.h"
#include "window/TrialsPane.h"

namespace kvistra {

namespace {

// The approve line has room for the fractions of small tables; longer ones are left to the decimal.
constexpr std::size_t ApprovedFractionLength = 20;

// The letter questions ask about: the variable's, or X for trials without a tree; none else.
std::string questionLetter(const TreeState& state) {
  if (showsTrials(state)) return trialsVariableName(state);
  return state.variable ? std::string(1, state.variable->name) : "";
}

// The variable's letter in a row: the first character that belongs to no number and no sign.
std::string rowLetter(const std::string& rowText) {
  const std::size_t at = rowText.find_first_not_of("0123456789-.,/<>= ");
  return at == std::string::npos ? "X" : rowText.substr(at, 1);
}

// Marks the outcomes whose value the question takes, as an event's are; nothing without a tree.
void markTakenOutcomes(TreeState& state, const VariableQuestion& question) {
  const Tree& tree = state.tree;
  state.event.outcomeMarked.fill(false);
  if (!state.variable || !tree.complete || tree.depth() == 0) return;
  for (int k = 1; k <= tree.outcomeSlots(); ++k) {
    const std::optional<Exact> value = variableValue(tree, *state.variable, k);
    state.event.outcomeMarked[k] = tree.leaf(k).exists && value && satisfies(question, *value);
  }
  state.event.shown = true;
  sumMarkedPaths(state);
}

// The value, the fraction when short enough to read, and the working, of X's distribution or,
// for repeated trials, of their exact table.
std::optional<EventResult> answerOf(const TreeState& state, const VariableQuestion& question,
                                    const std::string& name) {
  if (showsTrials(state)) {
    const NumberStyle style = trialsNumberStyle(state);
    const std::optional<TrialsTable> table = trialsTable(*state.trials);
    if (!table) return std::nullopt;
    const Exact value = trialsProbability(*table, question);
    const std::string fraction = fractionText(value);
    return EventResult{fixedPoint(value, 6, 4),
                       fraction.size() <= ApprovedFractionLength ? fraction : "",
                       {trialsAnswerDisplayText(*table, question, style, name)},
                       {},
                       TextEncoding::Utf8};
  }
  const std::optional<Distribution> x = variableDistribution(state);
  if (!x) return std::nullopt;
  const Exact value = probabilityOf(*x, question);
  return EventResult{fixedPoint(value, 6, 4),
                     fractionText(value),
                     {answerDisplayText(*x, question, paneNumberStyle(state), name)},
                     {},
                     TextEncoding::Utf8};
}

void answerQuestion(Context& context, const VariableQuestion& question,
                    const std::string& separator) {
  TreeState& state = context.state;
  const std::string name = questionLetter(state);
  const std::optional<EventResult> result = answerOf(state, question, name);
  if (!result) return;
  const std::string row = questionRowText(question, name);
  state.variableQuestion = row;
  markTakenOutcomes(state, question);
  // The pane shows the answer and colours its bars while the approve box is open.
  context.window.distributionPane = distributionPaneOf(state);
  context.host.repaintDrawing();
  approveResult(context, row, *result, separator);
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
  const std::string letter = rowLetter(rowText);
  if (letter != questionLetter(context.state)) {
    context.host.showMessage(letter + w1252(" er ikke defineret for dette træ."), " ");
    return;
  }
  if (const std::optional<VariableQuestion> question = readQuestionRow(rowText, letter))
    answerQuestion(context, *question, RowEventSeparator);
}

}  // namespace kvistra
