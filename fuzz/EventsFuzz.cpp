// Fuzzes the event language: the first bytes choose a valid tree (shape, one renamed branch, a
// reduction), the rest is an expression. Besides crashes and sanitizer reports it checks what
// must hold for every input: marks only on existing outcomes, a bounded expansion, an unchanged
// tree, the quiet evaluation agreeing with the reported one, and relations between expressions
// (union, order, parentheses, a factor) that say the marks are right.
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "FuzzTrees.h"
#include "events/EventExpression.h"
#include "events/EventTrees.h"
#include "text/CharSet.h"

namespace kvistra {
namespace {

// Layout of an input: branchings, three branch counts, a rename, a 32-bit mask of removed
// outcomes, then the expression.
constexpr std::size_t HeaderSize = 9;

void fail(const char* property, std::string_view text) {
  std::fprintf(stderr, "property violated: %s\nexpression: \"%.*s\"\n", property,
               static_cast<int>(text.size()), text.data());
  std::abort();
}

void check(bool holds, const char* property, std::string_view text) {
  if (!holds) fail(property, text);
}

void renameOneLabel(TreeState& state, uint8_t choice) {
  if ((choice & 0x80) == 0) return;
  static const char* const newNames[] = {"K", "\xC6", "\xD8", "\xC5", "X9", "\xC6\xD8", "A", "B2"};
  const int level = 1 + choice % state.tree.branchingCount;
  const int letter = (choice >> 2) % state.tree.branch(level, 1).branchesPerNode;
  const std::string oldName = state.tree.branch(level, 1 + letter).name.str();
  test_trees::RenameBranches(state, oldName, newNames[(choice >> 4) & 7]);
}

void reduce(TreeState& state, const uint8_t* maskBytes) {
  const uint32_t mask = maskBytes[0] | maskBytes[1] << 8 | maskBytes[2] << 16 |
                        static_cast<uint32_t>(maskBytes[3]) << 24;
  std::vector<int> removed;
  for (int k = 1; k <= state.tree.leafCount; ++k) {
    if (mask >> (k - 1) & 1) removed.push_back(k);
  }
  test_trees::RemoveOutcomes(state, removed);
}

// What the evaluator may not change: the tree and its path names.
bool sameTree(const TreeState& a, const TreeState& b) {
  for (int level = 0; level <= MaxBranchings; ++level) {
    for (int slot = 1; slot <= MaxNodesPerLevel; ++slot) {
      const Branch& x = a.tree.branch(level, slot);
      const Branch& y = b.tree.branch(level, slot);
      if (!(x.name == y.name) || x.exists != y.exists || x.levelNodeCount != y.levelNodeCount ||
          x.parentIndex != y.parentIndex)
        return false;
    }
  }
  return a.pathNames == b.pathNames && a.tree.leafCount == b.tree.leafCount &&
         a.tree.branchingCount == b.tree.branchingCount;
}

int existingOutcomes(const TreeState& state) {
  int count = 0;
  for (int k = 1; k <= state.tree.leafCount; ++k) count += state.tree.leaf(k).exists ? 1 : 0;
  return count;
}

void checkExpansion(const TreeState& tree, std::string_view text) {
  TreeState state = tree;
  std::string expanded(text);
  expandParentheses(state, expanded);
  check(expanded.size() <= MaxExpansionLength, "expansion stays within its bound", text);
  check(state.event.parserState >= ParserState::NoParenthesisError &&
            state.event.parserState <= ParserState::MinusBeforeParenthesis,
        "parserState is one of the four states", text);
  if (state.event.parserState == ParserState::NoParenthesisError && !state.event.parseError) {
    check(expanded.find_first_of("(*") == std::string::npos,
          "a successful expansion leaves no group and no star", text);
  }
}

void checkEvaluation(const TreeState& tree, std::string_view text) {
  checkExpansion(tree, text);

  TreeState loud = tree;
  evaluateExpression(loud, text);
  check(sameTree(loud, tree), "evaluation leaves the tree unchanged", text);
  check(!loud.event.outcomeMarked[0], "no mark on outcome 0", text);
  for (int k = 1; k <= MaxOutcomes; ++k) {
    if (loud.event.outcomeMarked[k])
      check(k <= tree.tree.leafCount && tree.tree.leaf(k).exists, "marks only existing outcomes",
            text);
  }
  check(loud.event.outcomeCount == tree.event.outcomeCount ||
            loud.event.outcomeCount == existingOutcomes(tree),
        "outcomeCount is kept or recounted", text);
  const bool anyMark = loud.event.outcomeMarked != tree.event.outcomeMarked;
  if (loud.event.parserState != ParserState::NoParenthesisError) {
    check(!anyMark && !loud.event.parseError, "a parenthesis error marks and reports nothing else",
          text);
  }
  if (text.size() > MaxExpressionLength) {
    check(loud.event.parseError && !anyMark, "an over-long text is refused", text);
  }
  check(expressionErrorMessage(loud).has_value() ==
            (loud.event.parserState != ParserState::NoParenthesisError || loud.event.parseError),
        "an error state has its message", text);

  TreeState quiet = tree;
  quiet.event.parserState = ParserState::MinusBeforeParenthesis;
  quiet.event.parseError = true;
  evaluateExpressionQuietly(quiet, text);
  check(quiet.event.parserState == ParserState::MinusBeforeParenthesis && quiet.event.parseError,
        "the quiet evaluation reports nothing", text);
  check(quiet.event.outcomeMarked == loud.event.outcomeMarked, "quiet and reported marks agree",
        text);
}

using Marks = std::array<bool, MaxOutcomes + 1>;

// The marks of a text on the tree, or nothing when the text is refused.
std::optional<Marks> marksOf(const TreeState& tree, const std::string& text) {
  TreeState state = tree;
  evaluateExpression(state, text);
  if (state.event.parserState != ParserState::NoParenthesisError || state.event.parseError)
    return std::nullopt;
  return state.event.outcomeMarked;
}

Marks combined(const Marks& a, const Marks& b, bool both) {
  Marks result{};
  for (std::size_t k = 0; k < result.size(); ++k) result[k] = both ? a[k] && b[k] : a[k] || b[k];
  return result;
}

// Every term starts with a name (or a minus and a name), so a name put in front of it reads.
bool onlyNameTerms(std::string_view text) {
  bool termStart = true;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (termStart) {
      const char first = c == '-' && i + 1 < text.size() ? text[i + 1] : c;
      if (!ExpressionChars.contains(first) || first == '-' || first == '(' || first == ')')
        return false;
    }
    termStart = c == ',';
  }
  return !text.empty();
}

// Relations between expressions that hold on every tree: they check that the marks are right,
// not only well-formed. A combined text may be refused where its parts are not (a two-group term
// followed by more terms lacks its comma), so each relation is checked where both sides read.
void checkRelations(const TreeState& tree, const std::string& x) {
  if (x.empty() || x.size() > MaxExpressionLength / 2) return;
  const std::optional<Marks> marksX = marksOf(tree, x);
  if (!marksX) return;
  const std::string y = tree.tree.branch(1, 1).name.str();
  const std::optional<Marks> marksY = marksOf(tree, y);
  const std::optional<Marks> xThenY = marksOf(tree, x + "," + y);
  if (marksY && xThenY) {
    check(*xThenY == combined(*marksX, *marksY, false), "X,Y marks the union of X and Y", x);
    const std::optional<Marks> yThenX = marksOf(tree, y + "," + x);
    check(!yThenX || *yThenX == *xThenY, "Y,X marks the same as X,Y", x);
  }
  if (x.find_first_of("()") != std::string::npos) return;
  check(marksOf(tree, "(" + x + ")") == marksX, "(X) marks the same as X", x);
  const std::string factor = tree.tree.branch(2, 1).name.str();
  const std::optional<Marks> marksFactor = marksOf(tree, factor);
  if (!marksFactor || factor.size() != 2 || !onlyNameTerms(x)) return;
  const std::optional<Marks> factored = marksOf(tree, factor + "(" + x + ")");
  check(!factored || *factored == combined(*marksFactor, *marksX, true),
        "A2(X) marks what both A2 and X mark", x);
}

}  // namespace
}  // namespace kvistra

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  using namespace kvistra;
  if (size < HeaderSize) return 0;
  TreeState tree = test_trees::MakeTree(fuzzing::branchCounts(data));
  renameOneLabel(tree, data[4]);
  reduce(tree, data + 5);

  const std::string_view text(reinterpret_cast<const char*>(data + HeaderSize), size - HeaderSize);
  checkEvaluation(tree, text);
  const std::string normalised = normaliseExpression(text);
  check(normaliseExpression(normalised) == normalised, "normalising twice changes nothing", text);
  checkEvaluation(tree, normalised);
  checkRelations(tree, normalised);
  return 0;
}
