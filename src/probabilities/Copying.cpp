#include "probabilities/Copying.h"

#include "drawing/TreeDrawing.h"
#include "probabilities/ProbabilityInput.h"
#include "tree/TreeHelpers.h"

namespace kvistra {

namespace {

bool sameSize(const Group& a, const Group& b) {
  return a.range.size() == b.range.size();
}

// Across: the group the target's parent stands in, one branching up.
std::optional<Group> acrossSource(const Tree& tree, const Group& target) {
  if (target.level < 2) return std::nullopt;
  const Group source =
      groupOf(tree, target.level - 1, tree.parent(target.level, target.range.first));
  if (!sameSize(source, target) || !groupEntered(tree, source)) return std::nullopt;
  return source;
}

// Down: the nearest group above the target on its branching with values and the same size.
std::optional<Group> downSource(const Tree& tree, const Group& target) {
  for (int slot = target.range.first - 1; slot >= 1;) {
    const Group above = groupOf(tree, target.level, slot);
    if (sameSize(above, target) && groupEntered(tree, above)) return above;
    slot = above.range.first - 1;
  }
  return std::nullopt;
}

void completeWhenAllEntered(Context& context) {
  if (context.state.tree.complete && context.state.input.allProbabilitiesEntered)
    treeCompletion(context);
}

}  // namespace

std::optional<CopyPlan> copyPlan(const Tree& tree, CopyDirection direction) {
  const std::optional<Group> first = firstOpenGroup(tree);
  if (!first) return std::nullopt;
  bool passesOver = false;
  for (int slot = first->range.first; slot <= tree.slotsOn(first->level);) {
    const Group target = groupOf(tree, first->level, slot);
    if (target.range.size() == 0) break;
    slot = target.range.last + 1;
    if (groupEntered(tree, target)) continue;
    const std::optional<Group> source =
        direction == CopyDirection::Across ? acrossSource(tree, target) : downSource(tree, target);
    if (source) return CopyPlan{*source, target, passesOver};
    passesOver = true;
  }
  return std::nullopt;
}

void moveToFirstOpenGroup(TreeState& state) {
  if (const std::optional<Group> open = firstOpenGroup(state.tree)) {
    state.input.currentLevel = open->level;
    state.input.currentSlot = open->range.first - 1;
  }
}

std::string copyPassingHint(const TreeState& state) {
  if (!state.input.firstGroupsEntered || state.input.allProbabilitiesEntered) return {};
  for (const CopyDirection direction : {CopyDirection::Across, CopyDirection::Down}) {
    const std::optional<CopyPlan> plan = copyPlan(state.tree, direction);
    if (plan && plan->passesOver) return "Grupper med et andet antal grene springes over";
  }
  return {};
}

void enterNextGroup(Context& context) {
  TreeState& state = context.state;
  if (state.input.allProbabilitiesEntered) return;
  if (!firstOpenGroup(state.tree)) return;
  moveToFirstOpenGroup(state);
  state.input.cancelled = false;
  state.input.groupSum = 0.0;
  const int start = state.input.currentSlot;
  enterSiblingGroup(context);
  if (state.input.cancelled) {
    state.input.cancelled = false;
    state.input.groupSum = 0.0;
    state.input.currentSlot = start;
    context.host.repaintDrawing();
    return;
  }
  state.input.allProbabilitiesEntered = allBranchesEntered(state);
  copyAvailability(context);
  completeWhenAllEntered(context);
}

void copyNextGroup(Context& context, CopyDirection direction) {
  TreeState& state = context.state;
  if (state.input.allProbabilitiesEntered) return;
  copyGroup(context, direction);
  state.input.allProbabilitiesEntered = allBranchesEntered(state);
  if (!state.input.allProbabilitiesEntered) copyAvailability(context);
  completeWhenAllEntered(context);
}

void copyGroup(Context& context, CopyDirection direction) {
  TreeState& state = context.state;
  const std::optional<CopyPlan> plan = copyPlan(state.tree, direction);
  if (!plan) return;
  const int size = plan->target.range.size();
  for (int i = 0; i < size; ++i) {
    const Branch& source = state.tree.branch(plan->source.level, plan->source.range.first + i);
    Branch& branch = state.tree.branch(plan->target.level, plan->target.range.first + i);
    branch.probability = source.probability;
    branch.typedText = source.typedText.view();
    branch.probabilityEntered = true;
  }
  state.input.currentLevel = plan->target.level;
  state.input.currentSlot = plan->target.range.last;
  // Drawn once the whole group is there, as the drawing writes values: a filled-in branch's
  // exact value needs its siblings.
  paintTreeOnScreen(state, context.host);
}

void copyAvailability(Context& context) {
  TreeState& state = context.state;
  moveToFirstOpenGroup(state);
  state.input.canCopyAcross = copyPlan(state.tree, CopyDirection::Across).has_value();
  state.input.canCopyDown = copyPlan(state.tree, CopyDirection::Down).has_value();
}

void treeCompletion(Context& context) {
  context.host.repaintDrawing();
  rebuildPathNames(context.state);
}

}  // namespace kvistra
