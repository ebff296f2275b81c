#include "distribution/VariableQuestion.h"

#include <array>

#include "distribution/DistributionText.h"
#include "distribution/VariableValue.h"

namespace kvistra {

namespace {

struct ComparisonSigns {
  Comparison comparison;
  std::string_view row;      // ASCII, in the results list
  std::string_view display;  // UTF-8
};

// Longer signs first, so "<=" is never read as "<" followed by "=".
constexpr std::array<ComparisonSigns, 5> SingleBoundSigns = {{
    {Comparison::AtMost, "<=", " ≤ "},
    {Comparison::AtLeast, ">=", " ≥ "},
    {Comparison::Equal, "=", " = "},
    {Comparison::Below, "<", " < "},
    {Comparison::Above, ">", " > "},
}};

const ComparisonSigns& signsOf(Comparison comparison) {
  for (const auto& signs : SingleBoundSigns)
    if (signs.comparison == comparison) return signs;
  return SingleBoundSigns.front();
}

std::optional<VariableQuestion> readBetween(std::string_view row, const std::string& name) {
  const std::string middle = "<=" + name + "<=";
  const std::size_t at = row.find(middle);
  if (at == std::string_view::npos) return std::nullopt;
  const std::optional<Exact> lower = readVariableValue(row.substr(0, at));
  const std::optional<Exact> upper = readVariableValue(row.substr(at + middle.size()));
  if (!lower || !upper) return std::nullopt;
  return VariableQuestion{Comparison::Between, *lower, *upper};
}

}  // namespace

bool satisfies(const VariableQuestion& question, const Exact& x) {
  switch (question.comparison) {
    case Comparison::Equal:
      return x == question.bound;
    case Comparison::AtMost:
      return x <= question.bound;
    case Comparison::AtLeast:
      return x >= question.bound;
    case Comparison::Below:
      return x < question.bound;
    case Comparison::Above:
      return x > question.bound;
    case Comparison::Between:
      return question.bound <= x && x <= question.upper;
  }
  return false;
}

std::vector<Exact> valuesTaken(const Distribution& distribution, const VariableQuestion& question) {
  std::vector<Exact> values;
  for (const auto& row : distribution.rows())
    if (satisfies(question, row.value)) values.push_back(row.value);
  return values;
}

Exact probabilityOf(const Distribution& distribution, const VariableQuestion& question) {
  Exact sum;
  for (const auto& row : distribution.rows())
    if (satisfies(question, row.value)) sum += row.probability;
  return sum;
}

std::string questionDisplayText(const VariableQuestion& question, const NumberStyle& style,
                                const std::string& name) {
  if (question.comparison == Comparison::Between)
    return "P(" + displayNumber(question.bound, style) + " ≤ " + name + " ≤ " +
           displayNumber(question.upper, style) + ")";
  return "P(" + name + std::string(signsOf(question.comparison).display) +
         displayNumber(question.bound, style) + ")";
}

std::string answerDisplayText(const Distribution& distribution, const VariableQuestion& question,
                              const NumberStyle& style, const std::string& name) {
  std::vector<const DistributionRow*> taken;
  for (const auto& row : distribution.rows())
    if (satisfies(question, row.value)) taken.push_back(&row);
  const auto rowName = [&](const DistributionRow& row) {
    return "P(" + name + " = " + displayNumber(row.value, style) + ")";
  };
  std::string text = questionDisplayText(question, style, name);
  const std::string answer = displayNumber(probabilityOf(distribution, question), style);
  if (taken.empty() || (taken.size() == 1 && question.comparison == Comparison::Equal))
    return text + " = " + answer;
  if (taken.size() == 1) return text + " = " + rowName(*taken.front()) + " = " + answer;
  if (taken.size() > MostRowsSpelledOut)
    return text + " = " + rowName(*taken.front()) + " + … + " + rowName(*taken.back()) + " = " +
           answer;
  std::string names;
  std::string terms;
  for (std::size_t i = 0; i < taken.size(); ++i) {
    const std::string plus = i > 0 ? " + " : "";
    names += plus + rowName(*taken[i]);
    terms += plus + displayNumber(taken[i]->probability, style);
  }
  return text + " = " + names + " = " + terms + " = " + answer;
}

std::string questionRowText(const VariableQuestion& question, const std::string& name) {
  if (question.comparison == Comparison::Between)
    return fractionText(question.bound) + "<=" + name + "<=" + fractionText(question.upper);
  return name + std::string(signsOf(question.comparison).row) + fractionText(question.bound);
}

std::optional<VariableQuestion> readQuestionRow(std::string_view row, const std::string& name) {
  if (name.empty()) return std::nullopt;
  if (!row.starts_with(name)) return readBetween(row, name);
  const std::string_view rest = row.substr(name.size());
  for (const auto& signs : SingleBoundSigns) {
    if (!rest.starts_with(signs.row)) continue;
    const std::optional<Exact> bound = readVariableValue(rest.substr(signs.row.size()));
    if (!bound) return std::nullopt;
    return VariableQuestion{signs.comparison, *bound, Exact()};
  }
  return std::nullopt;
}

}  // namespace kvistra
