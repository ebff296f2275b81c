#include "events/EventCalculation.h"

#include <algorithm>
#include <optional>

#include "events/EventExpression.h"
#include "events/VariableQuestions.h"
#include "events/Working.h"
#include "host/Questions.h"
#include "output/PageLayout.h"
#include "output/PictureExport.h"
#include "output/Printing.h"
#include "output/TreePicture.h"
#include "results/ResultsList.h"
#include "text/TextFormat.h"
#include "text/Windows1252.h"
#include "tree/ExactValues.h"
#include "tree/NaturalFrequencies.h"
#include "tree/TreeHelpers.h"

namespace kvistra {

namespace {

constexpr std::size_t LongestUncutEvent = 23;
constexpr std::size_t CutEventKeeps = 21;
constexpr int CharacterWidth = 8;
constexpr int WidthMargin = 30;
constexpr int NarrowestBox = 300;

void clearMarks(TreeState& state) {
  state.event.outcomeMarked.fill(false);
}

// The event in counts while the tree shows counts or a simulation.
std::vector<std::string> eventCounts(const TreeState& state) {
  std::vector<std::string> counts;
  if (state.view.naturalFrequencies)
    counts.push_back(
        "I antal: " +
        eventFrequencyText(state, naturalFrequencies(state.tree, state.view.typedCaseCount)));
  if (state.simulation) counts.push_back("Simuleret: " + simulatedEventText(state));
  return counts;
}

// The marks are drawn, the probability summed and the result offered.
void showMarkedEvent(Context& context, const std::string& display, const std::string& separator) {
  TreeState& state = context.state;
  state.event.probability = 0.0;
  state.event.shown = true;
  context.host.repaintDrawing();
  sumMarkedPaths(state);
  // Made once: reading every branch's exact value is the larger part of the work.
  const ExactValues values(state.tree);
  const Exact value = exactEventValue(state, values);
  approveResult(context, display,
                {fixedPoint(value, 6, 4), fractionText(value), eventWorking(state, values, display),
                 eventCounts(state)},
                separator);
}

}  // namespace

double sumMarkedPaths(TreeState& state) {
  double sum = 0.0;
  for (int k = 1; k <= state.tree.outcomeSlots(); ++k)
    if (state.event.outcomeMarked[k]) sum += pathProbability(state, k);
  state.event.probability = sum;
  return sum;
}

Exact exactEventValue(const TreeState& state) {
  return exactEventValue(state, ExactValues(state.tree));
}

Exact exactEventValue(const TreeState& state, const ExactValues& values) {
  Exact value = exactMarkedSum(state, values);
  // On a reduced tree the event is conditional on the outcomes the reduction kept.
  const Exact kept = exactReductionProbability(state, values);
  if (sgn(kept) > 0) value /= kept;
  return value;
}

std::optional<std::string> askExpression(Context& context, const std::string& question) {
  return promptAnswer(context.host.showPrompt(question, ToolMode::None), ToolMode::None);
}

void eventKeyTyped(Context& context, char typed) {
  if ((typed == 'H' || typed == 'h') && computableTree(context.state)) askEvent(context);
}

void askEvent(Context& context) {
  TreeState& state = context.state;
  clearMarks(state);
  context.host.repaintDrawing();
  state.event.parseError = false;
  if (const std::optional<std::string> answer = askExpression(context, w1252("Hændelse ?  "))) {
    const std::string display = normaliseExpression(*answer);
    evaluateExpression(state, display);
    if (const std::optional<ErrorMessage> error = expressionErrorMessage(state))
      context.host.showMessage(error->text, error->caption);
    else
      showMarkedEvent(context, display, TypedEventSeparator);
  }
  context.host.repaintDrawing();
}

void reevaluateResult(Context& context, const std::string& rowText) {
  if (isVariableQuestionRow(rowText)) return reevaluateVariableQuestion(context, rowText);
  // Until every group is a distribution, any value shown would be wrong.
  if (!invalidGroups(context.state.tree).empty()) return;
  clearMarks(context.state);
  context.host.repaintDrawing();
  if (evaluateExpressionQuietly(context.state, rowText))
    showMarkedEvent(context, rowText, RowEventSeparator);
  context.host.repaintDrawing();
}

ApproveBoxLine approveBoxLine(const std::string& display, const std::string& value,
                              const std::string& separator, const std::string& fraction) {
  const std::string label =
      display.size() > LongestUncutEvent ? display.substr(0, CutEventKeeps) + ".." : display;
  std::string text = w1252("Hændelse : ") + label + separator + value;
  if (!fraction.empty()) text += " = " + fraction;
  const int width =
      largerOf(static_cast<int>(text.size()) * CharacterWidth + WidthMargin, NarrowestBox);
  return {std::move(text), width};
}

void approveResult(Context& context, const std::string& display, const EventResult& result,
                   const std::string& separator) {
  const bool comma = context.state.view.decimalComma;
  const ApproveBoxLine line = approveBoxLine(display, shownNumber(result.value, comma), separator,
                                             shownNumber(result.fraction, comma));
  std::vector<std::string> working = result.working;
  working.insert(working.end(), result.counts.begin(), result.counts.end());
  ApproveBoxActions actions;
  // The marks stay on while the box is open, so the copied picture carries them.
  actions.copyTree = [&] { copyTreePicture(context, line.text); };
  const TextEncoding encoding = result.workingEncoding;
  actions.print = [&] { printTree(context, line.text, working, encoding); };
  actions.exportPicture = [&] { exportTree(context, line.text, working, encoding); };
  actions.working = working;
  actions.workingEncoding = encoding;
  Font workingFont = CopiedTextFont;
  workingFont.encoding = encoding;
  if (!working.empty()) actions.copyWorking = [&] { context.host.copyText(working, workingFont); };
  const ApproveChoice choice = context.host.showApproveBox(line.text, line.width, actions);
  context.state.event.shown = false;
  if (choice == ApproveChoice::Approve)
    addResult(context, display, result.value, result.fraction, result.working, encoding);
  context.state.input.cancelled = false;
}

}  // namespace kvistra
