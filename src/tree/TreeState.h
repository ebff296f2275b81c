// The one record of all state of a run: the branch store, the tables derived from it, the
// results and the scalar state. Text is Windows-1252 bytes throughout.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "tree/ShortString.h"

namespace kvistra {

inline constexpr int MaxBranchings = 3;
inline constexpr int MaxNodesPerLevel = 27;
inline constexpr int MaxOutcomes = MaxNodesPerLevel;
inline constexpr int MaxLabelRows = 10;
inline constexpr int MaxResults = 30;

inline constexpr int RootX = -70;
inline constexpr int RootY = 245;
inline constexpr int LevelPitch = 100;
inline constexpr int NameOffset = 5;
inline constexpr int ProbabilityOffset = 40;
inline constexpr int VerticalSpan = 432;

using BranchName = ShortString<10>;
using ProbabilityInput = ShortString<10>;
using RowName = ShortString<12>;

// One branch (BranchNode) of the store.
struct Gren_Info {
  int32_t branchesPerNode = 0;
  int32_t levelNodeCount = 0;
  int32_t parentIndex = 0;
  int32_t x = 0;
  int32_t y = 0;
  int32_t nameX = 0;
  int32_t probX = 0;
  int32_t reserved = 0;
  BranchName name;
  ProbabilityInput enteredText;
  double probability = 0.0;
  bool exists = false;
  bool probabilityEntered = false;
};

// One row of the branch-label table: a distinct label, its new name and its text.
struct Grenlabels {
  RowName oldName;
  RowName newName;
  std::string text;
};

// One row of the results list: the line and its value.
struct skema_Var {
  std::string line;
  RowName value;
};

struct TreeState {
  // Levels 0..3 and slots 1..27; index 0 of the slots is unused so slots count from 1.
  std::array<std::array<Gren_Info, MaxNodesPerLevel + 1>, MaxBranchings + 1> nodes{};
  // Outcome 1..27 by level 1..3; index 0 unused in both.
  std::array<std::array<RowName, MaxBranchings + 1>, MaxOutcomes + 1> pathNames{};
  std::array<bool, MaxOutcomes + 1> outcomeMarked{};
  std::array<Grenlabels, MaxLabelRows + 1> labels{};
  std::array<skema_Var, MaxResults + 1> results{};

  int32_t branchingCount = 0;
  int32_t builtBranchings = 0;
  int32_t levelNodeCount = 1;
  int32_t outcomeCount = 0;
  int32_t decimalCount = 4;
  int32_t clickX = 0;
  int32_t clickY = 0;
  int32_t pointerX = 0;
  int32_t pointerY = 0;
  int32_t lineTextHeight = 0;
  int32_t resultCount = 0;
  int32_t currentLevel = 1;
  int32_t currentNode = 0;
  int32_t toolMode = 0;
  int32_t drawOffsetX = 0;
  int32_t labelRowCount = 0;
  int32_t selectedResultLine = 0;
  int32_t parserState = 0;
  double enteredValue = 0.0;
  double groupSum = 0.0;
  double eventProbability = 0.0;
  double reducedProbability = 1.0;
  std::string promptText;
  std::string probabilityText;
  std::string reductionText;
  bool cancelled = false;
  bool treeComplete = false;
  bool allEntered = false;
  bool answerYes = false;
  bool canCopyAcross = false;
  bool canCopyDown = false;
  bool resultsClicked = false;
  bool eventShown = false;
  bool parseError = false;
  bool treeReduced = false;

  Gren_Info& node(int level, int slot) { return nodes[level][slot]; }
  const Gren_Info& node(int level, int slot) const { return nodes[level][slot]; }
  Gren_Info& root() { return nodes[0][1]; }
  const Gren_Info& root() const { return nodes[0][1]; }
  // The leaf of outcome k on the deepest level.
  const Gren_Info& leaf(int k) const { return nodes[branchingCount][k]; }
};

// A set of 8-bit characters an input field accepts.
class CharSet {
 public:
  constexpr CharSet& add(unsigned char c) {
    members_[c] = true;
    return *this;
  }
  constexpr CharSet& addRange(unsigned char first, unsigned char last) {
    for (int c = first; c <= last; ++c) members_[c] = true;
    return *this;
  }
  constexpr bool contains(char c) const { return members_[static_cast<unsigned char>(c)]; }

 private:
  std::array<bool, 256> members_{};
};

inline constexpr char Backspace = 8;

inline constexpr CharSet ExpressionChars = CharSet{}
                                               .add(Backspace)
                                               .add('(')
                                               .add(')')
                                               .add('-')
                                               .addRange('A', 'Z')
                                               .addRange('a', 'z')
                                               .add(197)
                                               .add(198)
                                               .add(216)
                                               .add(229)
                                               .add(230)
                                               .add(248);

inline constexpr CharSet NumberChars =
    CharSet{}.add(Backspace).add(',').add('.').add('/').addRange('0', '9');

}  // namespace kvistra
