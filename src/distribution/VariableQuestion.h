// Questions about a random variable: P(X = k), P(X ≤ k), …, P(a ≤ X ≤ b), their answers,
// their display text and their row in the results list.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "distribution/DisplayNumbers.h"
#include "distribution/Distribution.h"

namespace kvistra {

enum class Comparison { Equal, AtMost, AtLeast, Below, Above, Between };

struct VariableQuestion {
  Comparison comparison = Comparison::Equal;
  Exact bound;  // k, or a in a ≤ X ≤ b
  Exact upper;  // b in a ≤ X ≤ b; unused otherwise
  bool operator==(const VariableQuestion&) const = default;
};

// Whether x satisfies the question.
bool satisfies(const VariableQuestion& question, const Exact& x);

// The x values of the rows the question takes, in rising order: the window marks their
// outcomes.
std::vector<Exact> valuesTaken(const Distribution& distribution, const VariableQuestion& question);

// The exact answer: the sum of P(X = x) over the rows taken.
Exact probabilityOf(const Distribution& distribution, const VariableQuestion& question);

// "P(X ≤ 1)", "P(1 ≤ X ≤ 3)", "P(X = −1/2)": UTF-8 display text.
std::string questionDisplayText(const VariableQuestion& question, const NumberStyle& style,
                                const std::string& name = "X");

// The answer with its working, UTF-8: "P(X ≥ 2) = P(X = 2) + P(X = 3) = 3/8 + 1/8 = 1/2". A
// single row taken is named once ("P(X ≥ 3) = P(X = 3) = 1/8", "P(X = 2) = 3/8"), none is "= 0",
// and past MostRowsSpelledOut rows only the first and last are named.
std::string answerDisplayText(const Distribution& distribution, const VariableQuestion& question,
                              const NumberStyle& style, const std::string& name = "X");

// The results-list row, plain ASCII: "X<=1", "X>=2", "X=3", "X<1", "X>1", "1<=X<=3",
// "X=-1/2".
std::string questionRowText(const VariableQuestion& question, const std::string& name = "X");

// The question a results row asks, read back from questionRowText's form; nothing for any
// other text.
std::optional<VariableQuestion> readQuestionRow(std::string_view row,
                                                const std::string& name = "X");

}  // namespace kvistra
