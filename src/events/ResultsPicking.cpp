#include "events/ResultsPicking.h"

#include "events/EventCalculation.h"
#include "host/Questions.h"
#include "results/ResultsList.h"
#include "text/TextFormat.h"
#include "text/Windows1252.h"

namespace kvistra {

namespace {

constexpr int CharacterWidth = 8;
constexpr int WidthMargin = 30;
constexpr int NarrowestBox = 300;

bool showsRow(const Results& results, int line) {
  return line >= 1 && line <= results.count;
}

// Selected text counts when it does not begin with a line break or another control character.
bool endsSelection(const std::string& selection) {
  return !selection.empty() && static_cast<unsigned char>(selection.front()) >= ' ';
}

}  // namespace

PaneDecision decideRelease(const Results& results, const PaneRelease& release) {
  if (endsSelection(release.selection)) return {PaneResponse::PickRow, release.line};
  if (!showsRow(results, release.line)) return {};
  if (release.button == MouseButton::Right) return {PaneResponse::ShowRow, release.line};
  if (!isEventRow(results.rows[release.line])) return {};
  return {PaneResponse::EvaluateRow, release.line};
}

bool isEventRow(const ResultRow& row) {
  return row.line != w1252(TreeChangedNotice) && row.line != w1252(TreeRestoredNotice) &&
         !row.line.starts_with(ReductionRowPrefix);
}

std::string resultLineText(const ResultRow& row, bool comma) {
  std::string value = shownNumber(row.value.str(), comma);
  if (!row.fraction.empty()) value += " = " + row.fraction;
  return value + "   " + row.line;
}

std::vector<std::string> resultRowTips(const TreeState& state) {
  const Results& results = state.results;
  std::vector<std::string> tips{""};
  for (int i = 1; i <= results.count; ++i) {
    const ResultRow& row = results.rows[i];
    std::string value(row.value.view());
    value.erase(0, value.find_first_not_of(' '));
    std::string tip = row.line;
    if (!value.empty()) tip += ": " + shownNumber(value, state.view.decimalComma);
    if (!row.fraction.empty()) tip += " = " + row.fraction;
    tips.push_back(std::move(tip));
  }
  return tips;
}

DeleteQuestion deleteQuestion(const ResultRow& row) {
  std::string line1 = "Linien \"" + row.line + "  " + row.value.str() + "\"  er udpeget.";
  const int width =
      largerOf(static_cast<int>(line1.size()) * CharacterWidth + WidthMargin, NarrowestBox);
  return {std::move(line1), " Skal den slettes?", width};
}

void releaseInResultsPane(Context& context, const PaneRelease& release) {
  Results& results = context.state.results;
  // A release over a row picks it, a plain click as well as a selection, so that Delete then
  // offers to delete the row the user last pointed at.
  if (showsRow(results, release.line)) context.state.selectedResultLine = release.line;
  const PaneDecision decision = decideRelease(results, release);
  switch (decision.response) {
    case PaneResponse::PickRow:
      context.state.selectedResultLine = decision.row;
      break;
    case PaneResponse::ShowRow:
      context.host.showResultLine(
          resultLineText(results.rows[decision.row], context.state.view.decimalComma));
      break;
    case PaneResponse::EvaluateRow: {
      // A copy: approving the result adds a row to the same list.
      const std::string rowText = results.rows[decision.row].line;
      reevaluateResult(context, rowText);
      break;
    }
    case PaneResponse::Nothing:
      break;
  }
}

void keyReleasedInResultsPane(Context& context, PaneKey key) {
  Results& results = context.state.results;
  const int picked = context.state.selectedResultLine;
  context.state.selectedResultLine = 0;
  if (key == PaneKey::Other || !showsRow(results, picked)) return;
  const DeleteQuestion question = deleteQuestion(results.rows[picked]);
  if (askYesNo(context, question.line1, question.line2, question.width))
    deleteResultRow(context.state, context.window, picked);
}

}  // namespace kvistra
