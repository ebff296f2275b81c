#include "distribution/DistributionText.h"

namespace kvistra {

namespace {

// A value as a factor or term: negative ones in brackets, "(−5)", so signs never meet.
std::string factorText(const Exact& value, const NumberStyle& style) {
  const std::string text = displayNumber(value, style);
  return sgn(value) < 0 ? "(" + text + ")" : text;
}

std::string probabilityName(const std::string& name) {
  return "P(" + name + " = x)";
}

}  // namespace

std::string meanDisplayText(const Distribution& distribution, const NumberStyle& style,
                            const std::string& name) {
  const auto& rows = distribution.rows();
  std::string text = "E(" + name + ") = ";
  if (rows.size() > MostRowsSpelledOut || rows.empty()) {
    text += "Σ x · " + probabilityName(name);
  } else {
    for (std::size_t i = 0; i < rows.size(); ++i) {
      if (i > 0) text += " + ";
      text += factorText(rows[i].value, style) + " · " + factorText(rows[i].probability, style);
    }
  }
  return text + " = " + displayNumber(distribution.mean(), style);
}

std::string varianceDisplayText(const Distribution& distribution, const NumberStyle& style,
                                const std::string& name) {
  return "Var(" + name + ") = Σ (x − E(" + name + "))² · " + probabilityName(name) + " = " +
         displayNumber(distribution.variance(), style);
}

std::optional<std::string> varianceTermsDisplayText(const Distribution& distribution,
                                                    const NumberStyle& style,
                                                    const std::string& name) {
  const auto& rows = distribution.rows();
  if (rows.empty() || rows.size() > MostRowsSpelledOut) return std::nullopt;
  const std::string mean = factorText(distribution.mean(), style);
  std::string text = "Var(" + name + ") = ";
  for (std::size_t i = 0; i < rows.size(); ++i) {
    if (i > 0) text += " + ";
    text += "(" + displayNumber(rows[i].value, style) + " − " + mean + ")² · " +
            factorText(rows[i].probability, style);
  }
  return text + " = " + displayNumber(distribution.variance(), style);
}

std::string standardDeviationDisplayText(const Distribution& distribution, const NumberStyle& style,
                                         const std::string& name) {
  std::string text = "σ(" + name + ") = √(Var(" + name + "))";
  const std::optional<std::string> exact = exactRootText(distribution.variance());
  const std::string decimal =
      displayText(roundedRootText(distribution.variance(), style.decimals), style.decimalComma);
  if (const std::optional<Exact> sigma = rationalRoot(distribution.variance())) {
    if (style.fractions || hasAtMostPlaces(*sigma, style.decimals))
      return text + " = " + displayNumber(*sigma, style);
    return text + " ≈ " + decimal;
  }
  if (exact) text += " = " + *exact;
  return text + " ≈ " + decimal;
}

}  // namespace kvistra
