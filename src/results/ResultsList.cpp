#include "results/ResultsList.h"

#include <algorithm>

#include "text/TextFormat.h"
#include "text/Windows1252.h"

namespace kvistra {

namespace {

constexpr std::size_t LongestUncutLine = 17;
constexpr std::size_t CutLineKeeps = 15;
constexpr int ValueEndsAtColumn = 24;  // after the leading blank
constexpr int MostPadding = 17;

std::string paneLine(const ResultRow& row, bool comma) {
  std::string text = row.line;
  const std::string value = shownNumber(row.value.str(), comma);
  if (text.size() > LongestUncutLine && value > " ") text = text.substr(0, CutLineKeeps) + "..";
  const int pad =
      std::clamp(ValueEndsAtColumn - static_cast<int>(value.size()) - static_cast<int>(text.size()),
                 0, MostPadding);
  return " " + text + std::string(static_cast<std::size_t>(pad), ' ') + value;
}

}  // namespace

void addResult(Context& context, const std::string& lineText, const std::string& valueText,
               const std::string& fraction, const std::vector<std::string>& working,
               TextEncoding workingEncoding) {
  Results& results = context.state.results;
  if (results.count < MaxResults) {
    ResultRow& row = results.rows[++results.count];
    row.line = lineText;
    row.value = valueText;
    row.fraction = fraction;
    row.working = working;
    row.workingEncoding = workingEncoding;
    rebuildResultsPane(context.state, context.window);
  }
  if (results.count == MaxResults - 1)
    context.host.showMessage(w1252("Rens skemaet efter næste beregning."), " ");
  if (results.count == MaxResults)
    context.host.showMessage("Der er ikke plads til flere beregninger.", " ");
}

std::vector<std::string> resultsPaneLines(const Results& results, bool comma) {
  std::vector<std::string> lines{" "};
  for (int i = 1; i <= results.count; ++i) lines.push_back(paneLine(results.rows[i], comma));
  return lines;
}

void rebuildResultsPane(const TreeState& state, WindowState& window) {
  window.resultLines = resultsPaneLines(state.results, state.view.decimalComma);
}

void clearResults(Context& context) {
  context.state.results = Results{};
  context.window.resultLines.clear();
  context.host.repaintDrawing();
}

void deleteResultRow(TreeState& state, WindowState& window, int k) {
  Results& results = state.results;
  if (k < 1 || k > results.count) return;
  std::move(results.rows.begin() + k + 1, results.rows.begin() + results.count + 1,
            results.rows.begin() + k);
  results.rows[results.count] = ResultRow{};
  --results.count;
  rebuildResultsPane(state, window);
}

void noteTreeChanged(Context& context) {
  const Results& results = context.state.results;
  const std::string notice = w1252(TreeChangedNotice);
  if (results.count == 0 || results.rows[results.count].line == notice) return;
  // The values may have changed with the tree: the rows keep what they showed, not more.
  for (int i = 1; i <= results.count; ++i) {
    context.state.results.rows[i].fraction.clear();
    context.state.results.rows[i].working.clear();
  }
  addResult(context, notice, " ");
}

}  // namespace kvistra
