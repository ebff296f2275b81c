#include "construction/TrialsTree.h"

#include <vector>

#include "construction/Construction.h"
#include "construction/ShapeEditing.h"
#include "construction/TreeReplacement.h"
#include "text/Windows1252.h"

namespace kvistra {

namespace {

Branch trialBranch(char letter, int trial, const std::string& typed, const Exact& value) {
  Branch branch;
  branch.name = std::string{letter, static_cast<char>('0' + trial)};
  branch.typedText = typed;
  branch.probability = value.get_d();
  branch.probabilityEntered = true;
  branch.exists = true;
  return branch;
}

// The draw after `drawn` draws with `successes` of them successes: its two branches, each with
// what follows it, or none when one of them can no longer happen.
std::vector<NestedBranch> trialGroup(const RepeatedTrials& trials, int drawn, int successes) {
  if (drawn >= trials.count) return {};
  std::string successText, failureText;
  Exact success, failure;
  if (trials.withReplacement) {
    success = *successProbability(trials);
    failure = 1 - success;
    successText = trialsValueText(success, trials);
    failureText = trialsValueText(failure, trials);
  } else {
    const int left = trials.population - drawn;
    const int successesLeft = trials.populationSuccesses - successes;
    const int failuresLeft = left - successesLeft;
    if (successesLeft <= 0 || failuresLeft <= 0) return {};
    // Unreduced, so the urn shows: 4 of the 9 balls left are red.
    successText = std::to_string(successesLeft) + "/" + std::to_string(left);
    failureText = std::to_string(failuresLeft) + "/" + std::to_string(left);
    success = Exact(successesLeft, left);
    failure = Exact(failuresLeft, left);
  }
  NestedBranch successBranch{trialBranch(trials.success, drawn + 1, successText, success),
                             trialGroup(trials, drawn + 1, successes + 1)};
  successBranch.branch.counted = true;
  NestedBranch failureBranch{trialBranch(trials.failure, drawn + 1, failureText, failure),
                             trialGroup(trials, drawn + 1, successes)};
  return {successBranch, failureBranch};
}

}  // namespace

bool drawnAsTree(const RepeatedTrials& trials) {
  if (trials.count > MostTrialsDrawn) return false;
  return trials.withReplacement ||
         (trials.populationSuccesses > 0 && trials.populationSuccesses < trials.population);
}

Tree trialsTree(const RepeatedTrials& trials) {
  Tree tree;
  storeNestedBranches(tree, trialGroup(trials, 0, 0));
  tree.showFractions =
      !trials.withReplacement || trials.probability.view().find('/') != std::string_view::npos;
  return tree;
}

bool treeOfTrials(const Tree& tree, const RepeatedTrials& trials) {
  if (!drawnAsTree(trials)) return tree.depth() == 0;
  const Tree built = trialsTree(trials);
  if (tree.depth() != built.depth() || tree.outcomeSlots() != built.outcomeSlots()) return false;
  for (int level = 1; level <= built.depth(); ++level) {
    if (tree.slotsOn(level) != built.slotsOn(level)) return false;
    for (int slot = 1; slot <= built.slotsOn(level); ++slot) {
      const Branch& have = tree.branch(level, slot);
      const Branch& made = built.branch(level, slot);
      if (have.name != made.name || have.typedText != made.typedText ||
          have.parentIndex != made.parentIndex || have.probability != made.probability)
        return false;
    }
  }
  return true;
}

void askRepeatedTrials(Context& context) {
  // Three coin tosses, or three drawn from an urn of ten with four red, as a first lesson has.
  RepeatedTrials preset;
  preset.count = 3;
  preset.probability = "1/2";
  preset.population = 10;
  preset.populationSuccesses = 4;
  const std::optional<RepeatedTrials> trials =
      context.host.askRepeatedTrials(context.state.trials.value_or(preset));
  if (!trials || !trialsRefusal(*trials).empty()) return;
  TreeState made = freshStateFrom(context.state);
  made.trials = *trials;
  if (drawnAsTree(*trials)) {
    made.tree = trialsTree(*trials);
    made.variable = RandomVariable{VariableKind::CountOfNames, 'X'};
  }
  made.event.outcomeCount = made.tree.leafCount;
  showReplacedTree(context, std::move(made), w1252("Gentagne forsøg"));
}

}  // namespace kvistra
