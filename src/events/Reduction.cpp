#include "events/Reduction.h"

#include <algorithm>
#include <optional>
#include <string>

#include "drawing/TreeDrawing.h"
#include "events/EventCalculation.h"
#include "events/EventExpression.h"
#include "results/ResultsList.h"
#include "text/TextFormat.h"
#include "text/Windows1252.h"
#include "tree/ExactValues.h"
#include "tree/TreeHelpers.h"

namespace kvistra {

namespace {

// The outcome numbers where the leaf labels stand, so they can be read while the event is typed.
void writeOutcomeNumbers(Context& context) {
  const Tree& tree = context.state.tree;
  if (tree.depth() == 0) return;
  context.host.drawOnScreen([&](Canvas& canvas) {
    for (int k = 1; k <= tree.outcomeSlots(); ++k) {
      const BranchAt at = tree.outcome(k);
      const Branch& leaf = tree.branch(at);
      std::string number = std::to_string(k);
      if (number.size() < 2) number.insert(0, 1, ' ');
      canvas.textOut(ScreenOffsetX + leaf.x + LevelPitch + LeafLabelGap, leaf.y - LeafLabelRise,
                     number);
    }
  });
}

// A leaf exists when it is marked; a branch above exists when one of its children does. A leaf
// above the last branching keeps its mark.
void keepMarkedOutcomes(Tree& tree, const std::array<bool, MaxOutcomes + 1>& marked) {
  for (int k = 1; k <= tree.outcomeSlots(); ++k) {
    const BranchAt leaf = tree.outcome(k);
    tree.branch(leaf).exists = marked[k];
  }
  for (int level = tree.depth() - 1; level >= 1; --level) {
    for (int slot = 1; slot <= tree.slotsOn(level); ++slot) {
      const Slots children = tree.children(level, slot);
      if (children.size() == 0) continue;
      bool kept = false;
      for (int child = children.first; child <= children.last; ++child)
        kept = kept || tree.branch(level + 1, child).exists;
      tree.branch(level, slot).exists = kept;
    }
  }
}

void showReductionNote(Context& context) {
  context.window.reductionNote = reductionNote(context.state);
}

}  // namespace

ReductionNote reductionNote(const TreeState& state) {
  if (!state.reduction.reduced) return {};
  return {true, "Reduc: " + cutWithDots(state.reduction.text, 18, 16),
          w1252("Sands. på reduc. træ:") + reductionProbabilityText(state)};
}

void setAllBranchesExisting(Tree& tree) {
  for (int level = 1; level <= tree.depth(); ++level)
    for (int slot = 1; slot <= tree.slotsOn(level); ++slot) tree.branch(level, slot).exists = true;
}

void askReduction(Context& context) {
  TreeState& state = context.state;
  state.event.outcomeMarked.fill(false);
  setAllBranchesExisting(state.tree);
  writeOutcomeNumbers(context);
  do {
    state.event.outcomeMarked.fill(false);
    const std::optional<std::string> answer =
        askExpression(context, w1252("Reduktionshændelse ?  "));
    if (!answer) {
      state.reduction.text.clear();
      break;
    }
    state.reduction.text = normaliseExpression(*answer);
    evaluateExpression(state, state.reduction.text);
    if (const std::optional<ErrorMessage> error = expressionErrorMessage(state))
      context.host.showMessage(error->text, error->caption);
    else
      applyReduction(context);
  } while (!state.reduction.reduced);
  state.input.cancelled = false;
}

void applyReduction(Context& context) {
  TreeState& state = context.state;
  const double p = sumMarkedPaths(state);
  state.reduction.probability = p;
  const Exact exact = exactMarkedSum(state, ExactValues(state.tree));
  const std::string value = fixedPoint(exact, 6, 4);
  if (p != 0.0) {
    state.event.shown = true;
    state.reduction.reduced = true;
    keepMarkedOutcomes(state.tree, state.event.outcomeMarked);
    showReductionNote(context);
    addResult(context, ReductionRowPrefix + state.reduction.text, value, fractionText(exact));
    paintTreeOnScreen(state, context.host);
  } else {
    state.event.outcomeMarked.fill(false);
    setAllBranchesExisting(state.tree);
    state.reduction.reduced = false;
    state.reduction.probability = 1.0;
    state.event.outcomeCount = state.tree.leafCount;
    context.host.showMessage(w1252("Reducering nægtet (sandsynligheden er 0)."), " ");
  }
  state.event.shown = false;
}

void refreshReduction(Context& context) {
  TreeState& state = context.state;
  if (!state.reduction.reduced) return;
  const double p = existingOutcomesProbability(state);
  if (p > 0.0) {
    state.reduction.probability = p;
    context.window.reductionNote = reductionNote(state);
    return;
  }
  restoreTree(context);
  context.host.showMessage(
      w1252("Træet er gendannet: den hændelse, det var reduceret til, har nu sandsynligheden 0."),
      " ");
}

void restoreTree(Context& context) {
  TreeState& state = context.state;
  setAllBranchesExisting(state.tree);
  state.reduction.reduced = false;
  state.reduction.probability = 1.0;
  state.event.outcomeCount = state.tree.leafCount;
  state.input.cancelled = false;
  rebuildPathNames(state);
  paintTreeOnScreen(state, context.host);
  addResult(context, w1252(TreeRestoredNotice), " ");
  showReductionNote(context);
  context.host.repaintDrawing();
}

}  // namespace kvistra
