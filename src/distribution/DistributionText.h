// The working of E(X), Var(X) and σ(X) as the window shows it: UTF-8 display text.
#pragma once

#include <optional>
#include <string>

#include "distribution/DisplayNumbers.h"
#include "distribution/Distribution.h"

namespace kvistra {

// Tables with more rows than this get their E and Var worked with Σ only: longer lines no
// longer fit the explanation pane.
constexpr std::size_t MostRowsSpelledOut = 8;

// "E(X) = 0 · 1/8 + 1 · 3/8 + 2 · 3/8 + 3 · 1/8 = 3/2", or "E(X) = Σ x · P(X = x) = 3/2" for a
// table of more than MostRowsSpelledOut rows. name is the variable's letter.
std::string meanDisplayText(const Distribution& distribution, const NumberStyle& style,
                            const std::string& name = "X");

// "Var(X) = Σ (x − E(X))² · P(X = x) = 3/4".
std::string varianceDisplayText(const Distribution& distribution, const NumberStyle& style,
                                const std::string& name = "X");

// "Var(X) = (0 − 3/2)² · 1/8 + … = 3/4", for tables of at most MostRowsSpelledOut rows.
std::optional<std::string> varianceTermsDisplayText(const Distribution& distribution,
                                                    const NumberStyle& style,
                                                    const std::string& name = "X");

// "σ(X) = √(Var(X)) = √(3)/2 ≈ 0.8660"; without the exact root when its text is long, and
// without the decimal when σ is rational and shown exactly ("= 5", "= 1/3", "= 0.5").
std::string standardDeviationDisplayText(const Distribution& distribution, const NumberStyle& style,
                                         const std::string& name = "X");

}  // namespace kvistra
