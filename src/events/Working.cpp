#include "events/Working.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string_view>

#include "text/Exact.h"
#include "text/TextFormat.h"
#include "text/Windows1252.h"
#include "tree/ExactValues.h"

namespace kvistra {

namespace {

// A long event name would push folded lines too far right to leave room for the numbers.
constexpr std::size_t WidestIndent = 20;
constexpr int ShownDecimals = 4;

bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

std::string withoutBlanks(std::string_view text) {
  std::string kept;
  for (const char c : text)
    if (c != ' ') kept += c;
  return kept;
}

// The places after the point that write value exactly; nothing when no number of them does.
std::optional<int> exactPlaces(const Exact& value) {
  mpz_class rest = value.get_den();
  int twos = 0;
  int fives = 0;
  for (; mpz_divisible_ui_p(rest.get_mpz_t(), 2); ++twos) rest /= 2;
  for (; mpz_divisible_ui_p(rest.get_mpz_t(), 5); ++fives) rest /= 5;
  if (rest != 1) return std::nullopt;
  return std::max(twos, fives);
}

// How the working writes its numbers: a tree typed in decimals keeps to decimals wherever they
// are exact, any other tree is worked in fractions.
struct NumberStyle {
  bool decimals = false;
  bool comma = false;

  std::string text(const Exact& value) const {
    const std::optional<int> places = decimals ? exactPlaces(value) : std::nullopt;
    return shownNumber(places ? fixedPoint(value, 0, *places) : fractionText(value), comma);
  }
  // A value the four decimals shown already write exactly, in the working's own terms: a short
  // decimal of a decimal tree. A fraction tree writes even a whole result ("= 1 = 1.0000").
  bool saidByShownValue(const Exact& value) const {
    const std::optional<int> places = decimals ? exactPlaces(value) : std::nullopt;
    return places && *places <= ShownDecimals;
  }
  std::string shown(const Exact& value) const {
    return shownNumber(fixedPoint(value, 0, ShownDecimals), comma);
  }
};

// Each branch's value as the working writes it, made once, since a branch stands on many paths.
using BranchTexts = std::array<std::array<std::string, MaxNodesPerLevel + 1>, MaxBranchings + 1>;

struct WorkingNumbers {
  NumberStyle style;
  BranchTexts branches;
};

// Whole numbers over a slash ("2/4"): a fraction a pupil reads as it was typed. Any other
// typed fraction ("0.5/2") is written by its value.
bool plainFraction(const std::string& typed) {
  const std::size_t slash = typed.find('/');
  const auto digits = [](std::string_view part) {
    return !part.empty() && std::all_of(part.begin(), part.end(), isDigit);
  };
  return slash != std::string::npos && digits(std::string_view(typed).substr(0, slash)) &&
         digits(std::string_view(typed).substr(slash + 1));
}

WorkingNumbers workingNumbers(const TreeState& state, const ExactValues& values) {
  const Tree& tree = state.tree;
  std::array<std::array<std::optional<std::string>, MaxNodesPerLevel + 1>, MaxBranchings + 1>
      typed{};
  WorkingNumbers numbers{{true, state.view.decimalComma}, {}};
  for (int level = 1; level <= tree.depth(); ++level)
    for (int slot = 1; slot <= tree.slotsOn(level); ++slot) {
      typed[level][slot] = typedFraction(tree.branch(level, slot), values(level, slot));
      if (typed[level][slot] && !plainFraction(*typed[level][slot])) typed[level][slot].reset();
      if (typed[level][slot] || !exactPlaces(values(level, slot))) numbers.style.decimals = false;
    }
  for (int level = 1; level <= tree.depth(); ++level)
    for (int slot = 1; slot <= tree.slotsOn(level); ++slot)
      numbers.branches[level][slot] = typed[level][slot]
                                          ? shownNumber(*typed[level][slot], numbers.style.comma)
                                          : numbers.style.text(values(level, slot));
  return numbers;
}

// One marked outcome: the names on its path and the factors of its probability, level 1 first.
struct PathWorking {
  std::string name;
  std::vector<std::string> factors;
  Exact product;
};

PathWorking pathWorking(const Tree& tree, const ExactValues& values, const BranchTexts& texts,
                        int k) {
  PathWorking path;
  path.product = exactPathProbability(tree, values, k);
  for (BranchAt at = tree.outcome(k); at.level >= 1 && at.slot >= 1 && at.slot <= MaxNodesPerLevel;
       at = tree.above(at)) {
    path.name.insert(0, withoutBlanks(tree.branch(at).name.view()));
    path.factors.insert(path.factors.begin(), texts[at.level][at.slot]);
  }
  return path;
}

// The pieces one after another, a blank between, on as many lines as WorkingWidth asks; a line
// after the first starts indent blanks in. A piece is never split.
void appendFolded(std::vector<std::string>& lines, const std::vector<std::string>& pieces,
                  std::size_t indent) {
  indent = std::min(indent, WidestIndent);
  std::string line;
  for (const std::string& piece : pieces) {
    if (line.empty()) {
      line = piece;
    } else if (line.size() + 1 + piece.size() <= WorkingWidth) {
      line += " " + piece;
    } else {
      lines.push_back(line);
      line = std::string(indent, ' ') + piece;
    }
  }
  if (!line.empty()) lines.push_back(line);
}

// "P(name)" as a first piece, then "= a + b + c" and the sum, unless the sum says nothing the
// terms or the shown value do not.
std::vector<std::string> sumPieces(const std::string& name, const std::vector<std::string>& terms,
                                   const Exact& sum, const NumberStyle& style) {
  std::vector<std::string> pieces{"P(" + name + ")"};
  const bool termSaysAll = terms.size() == 1 && style.saidByShownValue(sum);
  if (!termSaysAll)
    for (std::size_t i = 0; i < terms.size(); ++i) pieces.push_back((i ? "+ " : "= ") + terms[i]);
  if (terms.size() > 1 && !style.saidByShownValue(sum)) pieces.push_back("= " + style.text(sum));
  return pieces;
}

// Whether an event text is names only, so that two of them written together mean both.
bool onlyNames(const std::string& event) {
  if (event.empty() || isDigit(event.front())) return false;
  return std::none_of(event.begin(), event.end(), [](char c) {
    return c == ',' || c == '(' || c == ')' || c == '-' || c == '.';
  });
}

// The first branching that has a branch of this name: names of both events are written in the
// order of the paths, as the working writes a path ("A1A2").
int branchingOf(const Tree& tree, const std::string& name) {
  for (int level = 1; level <= tree.depth(); ++level)
    for (int slot = 1; slot <= tree.slotsOn(level); ++slot)
      if (withoutBlanks(tree.branch(level, slot).name.view()) == name) return level;
  return MaxBranchings + 1;
}

// Two texts of names only as the one event of both: each name once, in the order of the paths.
// A name is a letter and the digit after it, if any.
std::string namesOfBoth(const Tree& tree, const std::string& first, const std::string& second) {
  std::vector<std::string> names;
  const std::string both = first + second;
  for (std::size_t i = 0; i < both.size();) {
    const std::size_t length = i + 1 < both.size() && isDigit(both[i + 1]) ? 2 : 1;
    const std::string name = both.substr(i, length);
    if (std::find(names.begin(), names.end(), name) == names.end()) names.push_back(name);
    i += length;
  }
  std::stable_sort(names.begin(), names.end(), [&](const std::string& a, const std::string& b) {
    return branchingOf(tree, a) < branchingOf(tree, b);
  });
  std::string joined;
  for (const std::string& name : names) joined += name;
  return joined;
}

// An event beside "og" is read as a whole only when no comma of it stands outside parentheses.
std::string asOneOperand(const std::string& event) {
  int depth = 0;
  for (const char c : event) {
    depth += c == '(' ? 1 : c == ')' ? -1 : 0;
    if (c == ',' && depth == 0) return "(" + event + ")";
  }
  return event;
}

// The event of both the shown event and the reduction, as the working names it.
std::string eventOfBoth(const Tree& tree, const std::string& display,
                        const std::string& reducedTo) {
  if (onlyNames(display) && onlyNames(reducedTo)) return namesOfBoth(tree, reducedTo, display);
  return asOneOperand(display) + " og " + asOneOperand(reducedTo);
}

}  // namespace

std::vector<std::string> eventWorking(const TreeState& state, const ExactValues& values,
                                      const std::string& display) {
  const Tree& tree = state.tree;
  const WorkingNumbers numbers = workingNumbers(state, values);
  const NumberStyle& style = numbers.style;

  std::vector<PathWorking> paths;
  for (int k = 1; k <= tree.outcomeSlots(); ++k)
    if (state.event.outcomeMarked[k])
      paths.push_back(pathWorking(tree, values, numbers.branches, k));
  std::size_t nameWidth = 0;
  for (const PathWorking& path : paths) nameWidth = std::max(nameWidth, path.name.size());

  std::vector<std::string> lines;
  std::vector<std::string> terms;
  Exact sum = 0;
  for (const PathWorking& path : paths) {
    std::vector<std::string> pieces{path.name + ":" +
                                    std::string(nameWidth - path.name.size(), ' ') + "  " +
                                    path.factors.front()};
    for (std::size_t i = 1; i < path.factors.size(); ++i)
      pieces.push_back(w1252("· ") + path.factors[i]);
    terms.push_back(style.text(path.product));
    pieces.push_back("= " + terms.back());
    appendFolded(lines, pieces, nameWidth + 1);
    sum += path.product;
  }

  if (!state.reduction.reduced) {
    std::vector<std::string> pieces = sumPieces(display, terms, sum, style);
    pieces.push_back("= " + style.shown(sum));
    appendFolded(lines, pieces, display.size() + 4);
    return lines;
  }

  // On a reduced tree the marked outcomes are those of both the event and the reduction.
  const std::string& reducedTo = state.reduction.text;
  const std::string both = eventOfBoth(tree, display, reducedTo);
  if (terms.size() > 1) appendFolded(lines, sumPieces(both, terms, sum, style), both.size() + 4);
  const Exact kept = exactReductionProbability(state, values);
  const Exact value = sgn(kept) > 0 ? Exact(sum / kept) : sum;
  const std::string conditional = "P(" + display + " | " + reducedTo + ")";
  std::vector<std::string> pieces{conditional, "= P(" + both + ") / P(" + reducedTo + ")",
                                  "= " + style.text(sum), ": " + style.text(kept)};
  if (!style.saidByShownValue(value)) pieces.push_back("= " + style.text(value));
  pieces.push_back("= " + style.shown(value));
  appendFolded(lines, pieces, conditional.size() + 1);
  return lines;
}

}  // namespace kvistra
