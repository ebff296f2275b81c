#include "construction/TreeReplacement.h"

#include <utility>

#include "construction/Construction.h"
#include "drawing/TreeDrawing.h"
#include "events/Reduction.h"
#include "names/BranchNames.h"
#include "results/ResultsList.h"
#include "text/Windows1252.h"
#include "tree/TreeHelpers.h"
#include "window/Startup.h"

namespace kvistra {

namespace {

// Names the branches of each invalid group: the negative ones, or the whole group when it does
// not add up to 1. Below level 1 the path above them tells groups of the same names apart.
std::string invalidProbabilitiesMessage(const Tree& tree) {
  std::string faults;
  for (const InvalidGroup& group : invalidGroups(tree)) {
    std::string names;
    int named = 0;
    for (int slot = group.firstSlot; slot <= group.lastSlot; ++slot) {
      const Branch& branch = tree.branch(group.level, slot);
      if (group.negative && branch.probability >= 0.0) continue;
      names += (named++ ? ", " : "") + std::string(branch.name.view());
    }
    if (group.level > 1)
      names += " efter " + pathNameOf(tree, group.level - 1,
                                      tree.branch(group.level, group.firstSlot).parentIndex);
    const char* fault =
        group.negative ? (named > 1 ? " er negative" : " er negativ") : " giver ikke summen 1";
    faults += (faults.empty() ? "" : "; ") + names + fault;
  }
  return w1252(" Nogle sandsynligheder i filen passer ikke: ") + faults +
         w1252(
             ". Ret dem med »Ret talværdi«. Indtil da kan der ikke beregnes hændelser, "
             "reduceres eller udskrives. ");
}

// Everything shown is made anew from the loaded state.
void showLoadedTree(Context& context, const std::string& shownName) {
  TreeState& state = context.state;
  WindowState& window = context.window;
  state.tree.complete = true;
  state.input.allProbabilitiesEntered = true;
  // A file saved before the names dialog was opened has no rows: they are made as a finished
  // construction makes them, so that the dialog shows this tree's names.
  if (state.labels.count == 0) collectLabelRows(state);
  window.toolbarVisible = window.sidePaneVisible = true;
  window.branchCountBarVisible = window.startPictureVisible = false;
  window.title = captionWith(shownName);
  rebuildResultsPane(state, window);
  rebuildPathNames(state);
  paintTreeOnScreen(state, context.host);
  context.host.repaintDrawing();
  window.branchTextsVisible = state.labels.count > 0;
  window.branchTextLines = branchTextLines(state.labels);
  window.reductionNote = reductionNote(state);
  if (!invalidGroups(state.tree).empty())
    context.host.showMessage(invalidProbabilitiesMessage(state.tree), " ");
}

}  // namespace

std::string captionWith(const std::string& shownName) {
  return std::string("   Kvistra    ") + ProgramVersion + "   " + shownName;
}

void showReplacedTree(Context& context, TreeState replacement, const std::string& shownName) {
  resetTree(context);
  context.state = std::move(replacement);
  showLoadedTree(context, shownName);
}

}  // namespace kvistra
