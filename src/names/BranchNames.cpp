#include "names/BranchNames.h"

#include "drawing/TreeDrawing.h"
#include "names/NameFieldRules.h"
#include "results/ResultsList.h"
#include "text/TextFormat.h"
#include "text/Windows1252.h"
#include "tree/LabelRowMap.h"
#include "tree/Layout.h"
#include "tree/TreeHelpers.h"

namespace kvistra {

int labelRowsOf(const Tree& tree) {
  return labelRowMap(tree).count;
}

void applyLabelRows(TreeState& state) {
  LabelRows& labels = state.labels;
  for (int i = 1; i <= labels.count; ++i) {
    std::string name;
    for (char c : labels.rows[i].newName.view()) name += upcaseDanish(c);
    if (name.size() == 1) name += ' ';
    labels.rows[i].newName = name;
  }
  Tree& tree = state.tree;
  const LabelRowMap map = labelRowMap(tree);
  for (int level = 1; level <= tree.depth(); ++level)
    for (int slot = 1; slot <= tree.slotsOn(level); ++slot)
      if (const int row = map.rowOf[level][slot]; row > 0)
        tree.branch(level, slot).name = labels.rows[row].newName.view();
  rebuildPathNames(state);
}

std::vector<std::string> branchTextLines(const LabelRows& labels) {
  std::vector<std::string> lines{w1252("Gren Tekst på gren")};
  for (int i = 1; i <= labels.count; ++i) {
    const std::string_view name = labels.rows[i].newName.view();
    lines.push_back(" " + std::string(name) + namePadding(name) + labels.rows[i].text);
  }
  return lines;
}

void editBranchNames(Context& context) {
  TreeState& state = context.state;
  // Rows made before the tree's shape changed name no longer the branches: they are made anew
  // from the tree, each keeping the text its name had.
  const int rows = labelRowsOf(state.tree);
  if (state.labels.count > 0 && state.labels.count != rows)
    fillLabelRows(state.tree, LabelRows(state.labels), state.labels);
  state.labels.count = rows;
  if (const auto fields = context.host.showBranchNamesDialog(state.labels)) {
    for (int row = 1; row <= MaxLabelRows; ++row) {
      const BranchNameField& field = (*fields)[static_cast<std::size_t>(row - 1)];
      state.labels.rows[row].newName = newNameFromField(field.name);
      state.labels.rows[row].text = field.text.substr(0, TextFieldLength);
    }
  }
  context.window.branchTextsVisible = true;
  applyLabelRows(state);
  paintTreeOnScreen(state, context.host);
  noteTreeChanged(context);
  context.window.branchTextLines = branchTextLines(state.labels);
}

}  // namespace kvistra
