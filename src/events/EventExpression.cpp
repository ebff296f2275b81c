#include "events/EventExpression.h"

#include <algorithm>
#include <limits>
#include <vector>

#include "text/TextFormat.h"
#include "text/Windows1252.h"
#include "tree/TreeHelpers.h"

namespace kvistra {

namespace {

// A literal keeps at most this many characters; longer ones can never be a name anyway.
constexpr std::size_t LiteralCapacity = 12;

// Letters of the language: upper case only, the callers fold lower case before evaluating.
bool isLetter(char c) {
  const auto code = static_cast<unsigned char>(c);
  return (c >= 'A' && c <= 'Z') || code == 197 || code == 198 || code == 216;
}

bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

bool contains(std::string_view text, char c) {
  return text.find(c) != std::string_view::npos;
}

bool leafExists(const TreeState& state, int outcome) {
  const BranchAt leaf = state.tree.outcome(outcome);
  return state.tree.branch(leaf).exists;
}

int countExistingOutcomes(const TreeState& state) {
  int count = 0;
  for (int j = 1; j <= state.tree.outcomeSlots(); ++j) count += leafExists(state, j) ? 1 : 0;
  return count;
}

int lastExistingOutcome(const TreeState& state) {
  int j = state.tree.outcomeSlots();
  while (j >= 1 && !leafExists(state, j)) --j;
  return j;
}

// Pieces of a comma list, empty pieces included.
std::vector<std::string_view> splitAtCommas(std::string_view list) {
  std::vector<std::string_view> items;
  for (std::size_t start = 0;;) {
    const std::size_t comma = list.find(',', start);
    items.push_back(list.substr(start, comma - start));
    if (comma == std::string_view::npos) return items;
    start = comma + 1;
  }
}

// --- Parenthesis expansion: one pass rewrites the first group of the text. ---

ParserState expandLeadingGroup(std::string& s, std::size_t p, std::size_t q) {
  const std::size_t n = s.size();
  const std::string head = s.substr(0, p);
  const std::string inner = s.substr(p + 1, q - p - 1);
  // A "(" inside a group is an error wherever the group stands: read as if it were not there,
  // "(A1(B2),C2)" would quietly mark A1B2,A1C2.
  if (contains(inner, '(')) return ParserState::ParenthesisError;
  if (q + 1 == n || s[q + 1] == ',') {  // the group is a whole term
    s.erase(q, 1);
    s.erase(p, 1);
    return ParserState::NoParenthesisError;
  }

  // Every position up to the end is looked at: a comma in the last position still ends the
  // term, so "(A1)B1," keeps its empty last term instead of turning into "B1,A1".
  const std::size_t e = s.find_first_of(",(", q + 1);
  if (e == std::string::npos) {
    s = head + distributeFactor(std::string_view(s).substr(q + 1), inner);
    return ParserState::NoParenthesisError;
  }
  if (s[e] == ',') {
    s = head + distributeFactor(std::string_view(s).substr(q + 1, e - q - 1), inner) + s.substr(e);
    return ParserState::NoParenthesisError;
  }

  // A second group follows. Without its ")" the factor would lose a character to the stripping
  // in distributeFactor ("(A1)(A" would pass as "AA1" or worse), so it is refused here.
  const std::size_t f = s.find(')', e + 1);
  if (f == std::string::npos) return ParserState::ParenthesisError;
  const std::string factor = s.substr(q + 1, f - q);
  if (f + 1 == n) {
    s = head + distributeFactor(factor, inner);
    return ParserState::NoParenthesisError;
  }
  if (s[f + 1] == ',') {
    s = head + distributeFactor(factor, inner) + s.substr(f + 1);
    return ParserState::NoParenthesisError;
  }
  const std::string suffix = s.substr(f + 1);
  if (suffix.find_first_of(",(") != std::string::npos) return ParserState::CommaMissing;
  s = head + distributeFactor(factor, distributeFactor(suffix, inner));
  return ParserState::NoParenthesisError;
}

// "X(list)Y" becomes "(X·list)Y", which the next pass expands as a leading group.
ParserState movePrefixIntoGroup(std::string& s, std::size_t p, std::size_t q) {
  if (s[p - 1] == '-') return ParserState::MinusBeforeParenthesis;
  const std::size_t comma = s.rfind(',', p - 1);
  // A comma in the very first position is left in the prefix, where it stays an empty term.
  const std::size_t start = (comma == std::string::npos || comma == 0) ? 0 : comma + 1;
  const std::string head = s.substr(0, start);
  const std::string prefix = s.substr(start, p - start);
  const std::string after = s.substr(q + 1);
  const std::string inner = s.substr(p + 1, q - p - 1);
  if (contains(inner, '(')) return ParserState::ParenthesisError;
  s = head + "(" + distributeFactor(prefix, inner) + ")" + after;
  return ParserState::NoParenthesisError;
}

ParserState expandFirstGroup(std::string& s) {
  const std::size_t p = s.find('(');
  const std::size_t q = s.find(')');
  if (q == std::string::npos || q < p) return ParserState::ParenthesisError;
  if (p == 0 || s[p - 1] == ',') return expandLeadingGroup(s, p, q);
  return movePrefixIntoGroup(s, p, q);
}

// --- Name terms. ---

struct Literal {
  std::string name;
  bool excluded = false;  // written with "-": the path must not hold the name
};

void appendToLiteral(std::string& slot, char c) {
  if (slot.size() < LiteralCapacity) slot += c;
}

// Cuts a term into its literals: a digit ends a literal, a letter after a letter starts one, and
// "-" starts one unless the current literal is still empty.
std::vector<std::string> splitIntoSlots(std::string_view term) {
  std::vector<std::string> slots(1);
  char previous = ' ';
  for (std::size_t i = 0; i < term.size(); ++i) {
    const char c = term[i];
    if (c == '-') {
      if (i > 0 && !slots.back().empty()) slots.emplace_back();
      appendToLiteral(slots.back(), c);
    } else if (isDigit(c)) {
      appendToLiteral(slots.back(), c);
      if (i + 1 < term.size()) slots.emplace_back();
    } else {
      if (isLetter(previous)) slots.emplace_back();
      appendToLiteral(slots.back(), c);
    }
    previous = c;
  }
  return slots;
}

std::vector<Literal> literalsOf(std::string_view term) {
  std::vector<Literal> literals;
  for (std::string& slot : splitIntoSlots(term)) {
    // One-letter names are stored with a trailing blank.
    if (slot.size() == 1 || (slot.size() == 2 && slot[0] == '-')) slot += ' ';
    const bool excluded = !slot.empty() && slot[0] == '-';
    literals.push_back({excluded ? slot.substr(1) : slot, excluded});
  }
  return literals;
}

bool pathHolds(const TreeState& state, int outcome, std::string_view name) {
  const auto& row = state.pathNames[outcome];
  return std::any_of(row.begin() + 1, row.end(), [&](const RowName& n) { return n == name; });
}

// The same name on two branchings (two rows of the names dialog given R) would let "RR" mean "R
// somewhere" instead of "R twice", a quietly wrong answer; such a name is refused instead.
bool onSeveralBranchings(const TreeState& state, std::string_view name) {
  int branchings = 0;
  for (int level = 1; level <= state.tree.depth(); ++level) {
    for (int slot = 1; slot <= state.tree.slotsOn(level); ++slot) {
      if (state.tree.branch(level, slot).name == name) {
        ++branchings;
        break;
      }
    }
  }
  return branchings > 1;
}

bool outcomeMatches(const TreeState& state, int outcome, const std::vector<Literal>& literals) {
  return std::all_of(literals.begin(), literals.end(), [&](const Literal& literal) {
    return pathHolds(state, outcome, literal.name) != literal.excluded;
  });
}

// --- Number terms. ---

// A decimal integer: an optional minus sign and at least one digit. Values beyond the range of
// int32 are held at its ends, which keeps their meaning (beyond every outcome, or below 1).
std::optional<int32_t> readBound(std::string_view text) {
  const bool negative = !text.empty() && text[0] == '-';
  if (negative) text.remove_prefix(1);
  if (text.empty() || !std::all_of(text.begin(), text.end(), isDigit)) return std::nullopt;
  constexpr int64_t limit = std::numeric_limits<int32_t>::max();
  int64_t value = 0;
  for (const char c : text) value = std::min(value * 10 + (c - '0'), limit);
  return static_cast<int32_t>(negative ? -value : value);
}

struct Range {
  std::optional<int32_t> lo;
  std::optional<int32_t> hi;
};

Range rangeOf(const TreeState& state, std::string_view term) {
  const std::size_t dots = term.find("..");
  if (dots == std::string_view::npos) return {readBound(term), readBound(term)};
  if (dots == 0) return {1, readBound(term.substr(2))};
  const auto lo = readBound(term.substr(0, dots));
  if (dots + 2 == term.size()) return {lo, lastExistingOutcome(state)};
  if (!lo) return {};
  return {lo, readBound(term.substr(dots + 2))};
}

bool isNameTerm(std::string_view term) {
  const std::size_t first = (!term.empty() && term[0] == '-') ? 1 : 0;
  return first < term.size() && isLetter(term[first]);
}

// An empty term (",," or a comma at either end, or "()") reaches here as a number term and is
// refused as unreadable.
void evaluateTerms(TreeState& state, std::string_view expanded) {
  for (const std::string_view term : splitAtCommas(expanded)) {
    if (isNameTerm(term))
      matchNameTerm(state, term);
    else
      matchNumberTerm(state, term);
  }
}

void refuseAsInputError(TreeState& state, std::string& text) {
  state.event.parseError = true;
  text.clear();
}

}  // namespace

std::string normaliseExpression(std::string_view typed) {
  std::string text(typed);
  removeSpaces(text);
  std::transform(text.begin(), text.end(), text.begin(), upcaseDanish);
  return text;
}

void evaluateExpression(TreeState& state, std::string_view text) {
  state.event.parseError = false;
  state.event.ambiguousName.clear();
  std::string expanded(text);
  expandParentheses(state, expanded);
  if (state.event.parserState != ParserState::NoParenthesisError || state.event.parseError) return;
  evaluateTerms(state, expanded);
}

bool evaluateExpressionQuietly(TreeState& state, std::string_view text) {
  const ParserState parserState = state.event.parserState;
  const bool parseError = state.event.parseError;
  const std::string ambiguousName = state.event.ambiguousName;
  state.event.parseError = false;
  std::string expanded(text);
  expandParentheses(state, expanded);
  const bool hasTerms = !expanded.empty();
  if (hasTerms) evaluateTerms(state, expanded);
  state.event.parserState = parserState;
  state.event.parseError = parseError;
  state.event.ambiguousName = ambiguousName;
  return hasTerms;
}

void expandParentheses(TreeState& state, std::string& text) {
  state.event.parserState = ParserState::NoParenthesisError;
  if (text.size() > MaxExpressionLength) return refuseAsInputError(state, text);
  std::erase(text, '*');
  // Every pass removes a group or moves a prefix into one; the pass limit only guards the
  // bound on the work should a text keep copying groups without growing.
  for (std::size_t pass = 0; contains(text, '('); ++pass) {
    if (pass > MaxExpansionLength) return refuseAsInputError(state, text);
    state.event.parserState = expandFirstGroup(text);
    if (state.event.parserState != ParserState::NoParenthesisError) {
      text.clear();
      return;
    }
    if (text.size() > MaxExpansionLength) return refuseAsInputError(state, text);
  }
}

std::string distributeFactor(std::string_view factor, std::string_view list) {
  // The product with an empty group is empty; it stays visible as an empty term.
  if (factor == "()") return {};
  if (!contains(factor, ',') && !factor.empty() && factor.front() == '(') {
    factor.remove_prefix(1);
    if (!factor.empty()) factor.remove_suffix(1);
  }
  std::string result;
  bool first = true;
  for (const std::string_view item : splitAtCommas(list)) {
    if (!first) result += ',';
    first = false;
    // An empty item stays empty, so that "(A1,)B1" still shows its empty term.
    if (item.empty()) continue;
    result += factor;
    result += item;
  }
  return result;
}

void matchNameTerm(TreeState& state, std::string_view term) {
  const std::vector<Literal> literals = literalsOf(term);
  for (const Literal& literal : literals) {
    if (!nameExists(state, literal.name)) {
      state.event.parseError = true;
      return;
    }
    if (onSeveralBranchings(state, literal.name)) {
      state.event.parseError = true;
      if (state.event.ambiguousName.empty()) state.event.ambiguousName = literal.name;
      return;
    }
  }
  for (int j = 1; j <= state.tree.outcomeSlots(); ++j) {
    if (leafExists(state, j) && outcomeMatches(state, j, literals))
      state.event.outcomeMarked[j] = true;
  }
  state.event.outcomeCount = countExistingOutcomes(state);
}

void matchNumberTerm(TreeState& state, std::string_view term) {
  const bool negated = !term.empty() && term[0] == '-';
  if (negated) term.remove_prefix(1);
  const Range range = rangeOf(state, term);
  if (!range.lo || !range.hi || *range.lo <= 0) {
    state.event.parseError = true;
    return;
  }
  const int32_t lo = *range.lo;
  const int32_t hi = *range.hi;
  for (int j = 1; j <= state.tree.outcomeSlots(); ++j) {
    const bool inside = lo <= j && j <= hi;
    if (leafExists(state, j) && inside != negated) state.event.outcomeMarked[j] = true;
  }
  state.event.outcomeCount = countExistingOutcomes(state);
}

bool nameExists(const TreeState& state, std::string_view name) {
  name = name.substr(0, LiteralCapacity);
  for (int level = 1; level <= state.tree.depth(); ++level) {
    for (int slot = 1; slot <= state.tree.slotsOn(level); ++slot) {
      if (state.tree.branch(level, slot).name == name) return true;
    }
  }
  return false;
}

std::optional<ErrorMessage> expressionErrorMessage(const TreeState& state) {
  switch (state.event.parserState) {
    case ParserState::ParenthesisError:
      return ErrorMessage{" Parentesfejl", " Fejl"};
    case ParserState::CommaMissing:
      return ErrorMessage{" Parentesfejl eller komma mangler", " Fejl"};
    case ParserState::MinusBeforeParenthesis:
      return ErrorMessage{" Ikke minus foran parentes ", " Fejl"};
    default:
      break;
  }
  if (!state.event.parseError) return std::nullopt;
  if (const std::string& name = state.event.ambiguousName; !name.empty()) {
    const std::string shown = name.substr(0, name.find_last_not_of(' ') + 1);
    return ErrorMessage{w1252("Navnet ") + shown +
                            w1252(" står på mere end én forgrening, så hændelsen kan ikke "
                                  "beregnes. Giv grenene forskellige navne under »Navn og tekst "
                                  "på grene«."),
                        " "};
  }
  return ErrorMessage{"Fejl i input.", " "};
}

}  // namespace kvistra
