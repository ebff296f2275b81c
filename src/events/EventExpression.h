// The event language: a typed expression over branch names and outcome numbers becomes marks
// on the outcomes of the tree, or one of the error states that the callers report.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "tree/TreeState.h"

namespace kvistra {

// Longer texts, and expansions growing longer, are refused as input errors, so that no
// expression can exhaust memory or time. Both lie far beyond any event of a 27-outcome tree.
inline constexpr std::size_t MaxExpressionLength = 255;
inline constexpr std::size_t MaxExpansionLength = 4096;

// What the callers do to a typed expression before evaluating it: blanks removed, upper case
// (Danish letters included). The result is also the text shown and stored with a result.
std::string normaliseExpression(std::string_view typed);

// Marks every outcome the (normalised) expression selects and sets parserState and parseError,
// and ambiguousName for a name on more than one branching. Marks are only ever set, never
// cleared: the callers clear them first.
void evaluateExpression(TreeState& state, std::string_view text);

// The evaluation of a stored result row: nothing is reported, so parserState, parseError and
// ambiguousName keep their values; a term that fails marks nothing and the other terms still count.
// Returns false when the expansion left no terms to evaluate (empty text, parenthesis error, too
// long).
bool evaluateExpressionQuietly(TreeState& state, std::string_view text);

// Removes "*" and rewrites the text into a comma list of terms without parentheses, setting
// parserState. On a parenthesis error, or when a bound is passed (then parseError is set), the
// text is emptied.
void expandParentheses(TreeState& state, std::string& text);

// Puts the factor in front of every item of the comma list.
std::string distributeFactor(std::string_view factor, std::string_view list);

// Checks and evaluates one term of branch names ("A1-B2") or of outcome numbers ("-2..4"). A
// name term fails on a name no branch carries, or one carried on more than one branching.
void matchNameTerm(TreeState& state, std::string_view term);
void matchNumberTerm(TreeState& state, std::string_view term);

// Whether some branch carries exactly this name (a one-letter name is stored with a blank).
bool nameExists(const TreeState& state, std::string_view name);

struct ErrorMessage {
  std::string text;
  std::string caption;
};

// The message box for the error the last evaluation recorded, if any.
std::optional<ErrorMessage> expressionErrorMessage(const TreeState& state);

}  // namespace kvistra
