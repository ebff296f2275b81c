// The one record of all state of a run, grouped by what belongs together: the work an undo step
// gives back (the tree, the reduction, the results and the label rows, compared to tell whether a
// command changed it), what rides along with it (the input position, the event shown), and the
// run's own state around them. Text is Windows-1252 bytes throughout.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "text/ShortString.h"
#include "text/TextEncoding.h"

namespace kvistra {

// A tree of any shape: up to 6 branchings and 64 outcomes. Every node of a level has at least two
// branches or none, so no level holds more branches than the tree has outcomes.
inline constexpr int MaxBranchings = 6;
inline constexpr int MaxOutcomes = 64;
inline constexpr int MaxNodesPerLevel = MaxOutcomes;
// The branches under one node.
inline constexpr int FewestBranches = 2;
inline constexpr int MostBranches = 6;
// The names dialog's rows: one for each name a branching gives, on up to 6 branchings of up to 6
// branches.
inline constexpr int MaxLabelRows = MaxBranchings * MostBranches;
inline constexpr int MaxResults = 30;

using BranchName = ShortString<10>;
using TypedProbability = ShortString<10>;
using RowName = ShortString<12>;
// A value of the random variable as typed ("-5", "2.5", "-1/2").
using VariableText = ShortString<24>;

// One branch of the store. Coordinates are drawing units before the drawing's x offset.
struct Branch {
  int32_t branchesPerNode = 0;
  int32_t levelNodeCount = 0;
  int32_t parentIndex = 0;
  int32_t x = 0;
  int32_t y = 0;
  int32_t nameX = 0;
  int32_t probabilityX = 0;
  int32_t reserved = 0;  // unused, but kept in tree files
  BranchName name;
  TypedProbability typedText;
  double probability = 0.0;
  bool exists = false;
  bool probabilityEntered = false;
  // What the random variable makes of the branch, kept on the branch so that it follows it
  // through renames and changes of shape: whether its name is one counted, its value (summed
  // along a path), and, on a leaf, its outcome's own value. Not kept in tree files.
  bool counted = false;
  VariableText branchValue;
  VariableText outcomeValue;
  friend bool operator==(const Branch&, const Branch&) = default;
};

// One row of the branch-label table: a distinct label, its new name and its text.
struct LabelRow {
  RowName oldName;
  RowName newName;
  std::string text;
  friend bool operator==(const LabelRow&, const LabelRow&) = default;
};

// One row of the results list: the line and its value, and the value's exact fraction where it is
// known ("3/10"). The fraction lives in memory only: tree files do not hold it, and a change of
// the tree takes it from the rows before.
struct ResultRow {
  std::string line;
  RowName value;
  std::string fraction{};
  // How an approved event's value came about, on the tree of that moment; in memory only, and
  // only until the tree changes. A question about the random variable is worked in UTF-8 display
  // text, an event in the program's Windows-1252.
  std::vector<std::string> working{};
  TextEncoding workingEncoding = TextEncoding::Windows1252;
  friend bool operator==(const ResultRow&, const ResultRow&) = default;
};

// Consecutive slots first..last of one level; empty when last < first.
struct Slots {
  int first = 1;
  int last = 0;
  int size() const { return std::max(0, last - first + 1); }
  friend bool operator==(const Slots&, const Slots&) = default;
};

// Where a branch stands in the store: its level, which is its depth below the root, and its slot.
struct BranchAt {
  int level = 0;
  int slot = 0;
  friend bool operator==(const BranchAt&, const BranchAt&) = default;
};

// The tree: its shape, its branches, its decimals. Two trees are the same work when all of it is.
struct Tree {
  // Levels 0..6 and slots 1..64; index 0 of the slots is unused so slots count from 1.
  std::array<std::array<Branch, MaxNodesPerLevel + 1>, MaxBranchings + 1> branches{};

  int32_t branchingCount = 0;
  int32_t builtBranchings = 0;
  int32_t leafCount = 1;  // the tree's leaves as built so far: its deepest level's branches
  int32_t decimalCount = 4;
  // Values on the drawing as fractions ("Brøker"), a choice per tree like the decimal count;
  // not kept in tree files, so a new or loaded tree shows decimals.
  bool showFractions = false;
  bool complete = false;  // every branching built
  // Built by "Andre træformer…": while it is built its branch counts are bound by MaxOutcomes
  // alone, not by the table of "2 forgreninger" and "3 forgreninger". Cleared once complete, so
  // the tree is the same work as one of the same shape built by those.
  bool boundByOutcomesOnly = false;
  friend bool operator==(const Tree&, const Tree&) = default;

  Branch& branch(int level, int slot) { return branches[level][slot]; }
  const Branch& branch(int level, int slot) const { return branches[level][slot]; }
  Branch& branch(BranchAt at) { return branches[at.level][at.slot]; }
  const Branch& branch(BranchAt at) const { return branches[at.level][at.slot]; }
  Branch& root() { return branches[0][1]; }
  const Branch& root() const { return branches[0][1]; }

  // The tree's shape, asked in terms that hold for a tree of any shape. Every count is kept
  // within the store here, once, whatever a file held.

  // The branchings are levels 1..depth() below the root.
  int depth() const { return std::clamp(branchingCount, 0, MaxBranchings); }
  // The branches of a level stand in slots 1..slotsOn(level); level 0 holds the root alone,
  // whatever its record says.
  int slotsOn(int level) const {
    if (level == 0) return 1;
    return std::clamp(branches[level][1].levelNodeCount, 0, MaxNodesPerLevel);
  }
  // The outcomes are 1..outcomeSlots(), top to bottom: the leaves of the tree as built so far,
  // on whichever branching their path ends.
  int outcomeSlots() const { return std::clamp(leafCount, 0, MaxOutcomes); }
  BranchAt outcome(int k) const {
    // While the tree is built, and whenever every path reaches the last branching, the leaves
    // are that branching's branches in their slots.
    if (builtBranchings < depth() || outcomeSlots() == slotsOn(depth())) return {depth(), k};
    return leavesInOrder()[std::clamp(k, 0, MaxOutcomes)];
  }
  const Branch& leaf(int k) const { return branch(outcome(k)); }
  int parent(int level, int slot) const { return branches[level][slot].parentIndex; }
  // The branch a branch hangs from; level 0 is the root.
  BranchAt above(BranchAt at) const { return {at.level - 1, parent(at.level, at.slot)}; }
  // The branches under the node a branch ends in (level 0 slot 1 is the root): a group of
  // consecutive slots on the next level, empty for a leaf.
  Slots children(int level, int slot) const {
    if (level < 0 || level >= MaxBranchings) return {};
    Slots found{1, 0};
    for (int child = 1; child <= slotsOn(level + 1); ++child) {
      if (parent(level + 1, child) == slot) {
        if (found.size() == 0) found.first = child;
        found.last = child;
      } else if (found.size() > 0) {
        break;  // a group's slots follow one another
      }
    }
    return found;
  }
  // The group a branch belongs to: its parent's children; the root stands alone.
  Slots siblings(int level, int slot) const {
    return level == 0 ? Slots{1, 1} : children(level - 1, parent(level, slot));
  }
  // The size of a branching's first group, which every group of a branching built alike shares.
  int groupSize(int level) const { return siblings(level, 1).size(); }

 private:
  // The leaves top to bottom, 1..outcomeSlots() (index 0 unused): a walk down the tree, each
  // node's group before the next node's. Paths that end early put their leaf between others.
  std::array<BranchAt, MaxOutcomes + 1> leavesInOrder() const {
    // Groups follow their parents' order, so a level's groups start where the one before ended.
    std::array<std::array<int, MaxNodesPerLevel + 1>, MaxBranchings + 1> firstChild{};
    for (int level = 0; level < depth(); ++level) {
      int child = 1;
      for (int slot = 1; slot <= slotsOn(level); ++slot) {
        firstChild[level][slot] = child;
        while (child <= slotsOn(level + 1) && parent(level + 1, child) == slot) ++child;
      }
    }
    std::array<BranchAt, MaxOutcomes + 1> leaves{};
    int found = 0;
    const auto walk = [&](const auto& self, int level, int slot) -> void {
      const int first = level < depth() ? firstChild[level][slot] : 0;
      bool leaf = true;
      for (int child = first;
           level < depth() && child <= slotsOn(level + 1) && parent(level + 1, child) == slot;
           ++child) {
        leaf = false;
        self(self, level + 1, child);
      }
      if (leaf && level > 0 && found < MaxOutcomes) leaves[++found] = {level, slot};
    };
    walk(walk, 0, 1);
    return leaves;
  }
};

// Where the probability input stands, group by group.
struct InputPosition {
  int32_t currentLevel = 1;
  int32_t currentSlot = 0;
  double groupSum = 0.0;
  bool canCopyAcross = false;
  bool canCopyDown = false;
  bool allProbabilitiesEntered = false;
  // "Sæt chancer på første grene" has entered the first groups: the rest follow one at a time.
  bool firstGroupsEntered = false;
  bool cancelled = false;  // the last dialog was cancelled; stops a running input sequence
};

// What a click on the drawing does.
enum class ToolMode {
  None,
  EditValue,
  ReplaceLetter,
  // The tools that change the tree's shape.
  EndPath,
  BranchOut,
  AddBranch,
  DeleteBranch
};

// The last press and release on the drawing, and the tool they act with.
struct Pointer {
  int32_t pressX = 0;
  int32_t pressY = 0;
  int32_t releaseX = 0;
  int32_t releaseY = 0;
  ToolMode toolMode = ToolMode::None;
};

// How the last evaluation of an event expression ended.
enum class ParserState {
  NoParenthesisError,
  ParenthesisError,        // ")" first, "(" unclosed, "(" in a group
  CommaMissing,            // text after a two-group term
  MinusBeforeParenthesis,  // "-(" inside a term
};

// The event being computed and shown on the drawing.
struct ShownEvent {
  bool shown = false;
  double probability = 0.0;
  ParserState parserState = ParserState::NoParenthesisError;
  bool parseError = false;
  // With parseError: the first name of the expression that stands on more than one branching,
  // which no event can mean; empty otherwise.
  std::string ambiguousName;
  // The outcomes 1..64 the event holds; index 0 unused. Shown, not work: an event computed but
  // not approved changes no step.
  std::array<bool, MaxOutcomes + 1> outcomeMarked{};
  int32_t outcomeCount = 0;  // existing outcomes as last counted; tree files keep it
};

// The event the tree is reduced to.
struct Reduction {
  bool reduced = false;
  std::string text;
  double probability = 1.0;
  friend bool operator==(const Reduction&, const Reduction&) = default;
};

// Rows past count are empty, so that lists of the same rows are equal.
struct Results {
  std::array<ResultRow, MaxResults + 1> rows{};  // 1..30
  int32_t count = 0;
  friend bool operator==(const Results&, const Results&) = default;
};

// Rows past count may hold what the names dialog's open rows were given; nothing else writes
// them, so they differ only after that dialog.
struct LabelRows {
  std::array<LabelRow, MaxLabelRows + 1> rows{};  // 1..36
  int32_t count = 0;  // in use once the names dialog has opened or a file with rows is loaded
  friend bool operator==(const LabelRows&, const LabelRows&) = default;
};

// The printout's own text, kept for the whole run: neither a new tree nor a tree file changes it.
struct Printout {
  std::string heading;
};

// The tree file this tree was last read from or written to (the file system's bytes), and the
// file text the tree then had, so that changes since can be told.
struct FileLink {
  std::string path;
  std::optional<std::string> savedText;
};

// How values are shown, chosen by the user for every tree of the run: not undone, not saved in
// tree files (the window keeps the decimal comma between runs).
struct ViewOptions {
  bool decimalComma = false;        // "Decimalkomma": values shown with "," instead of "."
  bool highlightEvent = true;       // "Fremhæv hændelsen": a shown event's paths in colour
  bool conditionalValues = false;   // "Vis betingede sandsynligheder" on a reduced tree
  bool naturalFrequencies = false;  // "Antal ud af N": counts of N cases for probabilities
  std::optional<int64_t> typedCaseCount{};  // the N typed; without one the tree chooses it
  bool variableOnOutcomes = true;           // "Vis X på udfaldene", once X is defined
  bool countingTree = false;                // "Tælletræ": the trials' counting tree for the tree
  friend bool operator==(const ViewOptions&, const ViewOptions&) = default;
};

// A simulation shown beside the tree: the seed it was drawn with, the trials of one run, the
// trials drawn so far and how often each outcome came up. It belongs to the tree it was drawn
// from and goes when that tree changes.
struct SimulationTally {
  uint64_t seed = 0;
  int64_t trialsPerRun = 0;
  int64_t trials = 0;
  std::array<int64_t, MaxOutcomes + 1> counts{};  // outcomes 1..64
};

// The Bayes working of each branch of a tree made by "Vend træet", in the names of the tree it
// came from, and the values it worked out: it holds only while the tree keeps those values.
struct ReversalWorking {
  // Strings start empty without "{}"; with it clang 14, which builds the fuzz targets, crashes.
  std::array<std::array<std::string, MaxNodesPerLevel + 1>, MaxBranchings + 1> lines;
  std::array<std::array<double, MaxNodesPerLevel + 1>, MaxBranchings + 1> values{};
};

// How the random variable gets its value on an outcome: the number of counted branches on the
// path, the sum of the branch values along it, or the outcome's own value.
enum class VariableKind { CountOfNames, SumOfBranches, ValuePerOutcome };

// The random variable defined on the tree; its values stand on the branches.
struct RandomVariable {
  VariableKind kind = VariableKind::CountOfNames;
  char name = 'X';
  friend bool operator==(const RandomVariable&, const RandomVariable&) = default;
};

// Repeated trials ("Gentagne forsøg…"): n trials of success or failure, each a success with the
// probability p, or n drawn without replacement from N of which M are successes.
struct RepeatedTrials {
  int32_t count = 1;         // n
  VariableText probability;  // p as typed, "0.3" or "1/6"; with replacement only
  char success = 'S';
  char failure = 'F';
  bool withReplacement = true;
  int32_t population = 0;           // N, without replacement
  int32_t populationSuccesses = 0;  // M, without replacement
  friend bool operator==(const RepeatedTrials&, const RepeatedTrials&) = default;
};

// The most trials a counting tree draws: its 13 columns can still be read, zoomed or scrolled.
inline constexpr int MostTrialsCounted = 12;

// The work an undo step gives back and compares: a command that leaves it equal is no step.
struct Work {
  Tree tree;
  Reduction reduction;
  Results results;
  LabelRows labels;
  std::optional<RandomVariable> variable;
  // The trials the work was built from: beside the tree built from them, or alone when they are
  // too many to draw.
  std::optional<RepeatedTrials> trials;
  friend bool operator==(const Work&, const Work&) = default;
};

// What an undo step gives back with the work without being compared: where the input stood, the
// event shown, the row picked, and the working of a reversed tree, which holds only for its tree.
struct ShownWork {
  InputPosition input;
  ShownEvent event;
  // The last question about the random variable asked in its pane, as its results row ("X>=2");
  // its answer is worked out again on the tree as it stands.
  std::string variableQuestion;
  int32_t selectedResultLine = 0;
  std::optional<ReversalWorking> reversal;
};

// The whole run: the work with what rides along, and what belongs to the run and not to a step.
struct TreeState : Work, ShownWork {
  // The branch names along each outcome's path, outcome 1..64 by level 1..6 (index 0 unused in
  // both); derived from the tree by rebuildPathNames.
  std::array<std::array<RowName, MaxBranchings + 1>, MaxOutcomes + 1> pathNames{};
  Pointer pointer;
  Printout printout;
  FileLink file;
  ViewOptions view;
  std::optional<SimulationTally> simulation;
  // Texts are written this far above their line: the drawing font's height of "H" plus 2.
  int32_t textLift = 0;
};

}  // namespace kvistra
