#include "construction/TrialsTree.h"

#include <vector>

#include "construction/Construction.h"
#include "construction/ShapeEditing.h"
#include "construction/TreeReplacement.h"
#include "distribution/DisplayNumbers.h"
#include "distribution/VariableValue.h"
#include "text/Windows1252.h"

namespace kvistra {

namespace {

// A value as the tree types it, in the form p was typed in: a fraction when p was ("1/6" and
// "5/6"), else the exact decimal when it has at most four places ("0.3" and "0.7").
std::string typedValue(const Exact& value, const RepeatedTrials& trials) {
  const bool fraction = trials.probability.view().find('/') != std::string_view::npos;
  if (!fraction && hasAtMostPlaces(value, 4)) return exactDecimalText(value, false);
  return fractionText(value);
}

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
    successText = typedValue(success, trials);
    failureText = typedValue(failure, trials);
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

bool isLetter(char c) {
  return c >= 'A' && c <= 'Z';
}

}  // namespace

std::string trialsRefusal(const RepeatedTrials& trials) {
  if (trials.count < 1 || trials.count > MostTrials)
    return "Antallet af forsøg skal være et helt tal fra 1 til 1000.";
  if (!isLetter(trials.success) || !isLetter(trials.failure))
    return "Navnene på succes og fiasko skal være ét bogstav hver.";
  if (trials.success == trials.failure) return "Succes og fiasko skal have hver sit bogstav.";
  if (trials.withReplacement) {
    const std::optional<Exact> p = successProbability(trials);
    if (!p || sgn(*p) <= 0 || *p >= 1)
      return "Sandsynligheden for succes skal være et tal mellem 0 og 1, f.eks. 0.3 eller 1/6.";
    if (trials.count <= MostTrialsDrawn &&
        typedValue(*p, trials).size() > TypedProbability::capacity)
      return "Sandsynligheden for succes kan højst skrives med 10 tegn på træet.";
    return "";
  }
  if (trials.population < 1 || trials.population > LargestPopulation)
    return "Antallet i alt skal være et helt tal fra 1 til 10000.";
  if (trials.count > trials.population)
    return "Der kan højst trækkes lige så mange, som der er i alt.";
  if (trials.populationSuccesses < 0 || trials.populationSuccesses > trials.population)
    return "Antallet af succeser skal være fra 0 til antallet i alt.";
  return "";
}

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

std::string trialsDescription(const RepeatedTrials& trials, bool decimalComma) {
  const std::string n = "n = " + std::to_string(trials.count);
  if (!trials.withReplacement)
    return n + " trukket fra N = " + std::to_string(trials.population) +
           " med M = " + std::to_string(trials.populationSuccesses) + " succeser";
  const std::optional<Exact> p = successProbability(trials);
  return n + ", p = " + (p ? displayText(typedValue(*p, trials), decimalComma) : "?");
}

}  // namespace kvistra
