#include "distribution/TrialsQuestion.h"

#include <algorithm>

namespace kvistra {

namespace {

// The whole numbers at or above, and at or below, a bound that may be a fraction.
int ceilingOf(const Exact& value) {
  mpz_class result;
  mpz_cdiv_q(result.get_mpz_t(), value.get_num_mpz_t(), value.get_den_mpz_t());
  // Bounds far outside 0 … n only need to stay outside.
  return static_cast<int>(std::clamp<long>(result.get_si(), -1, MostTrials + 1));
}

int floorOf(const Exact& value) {
  mpz_class result;
  mpz_fdiv_q(result.get_mpz_t(), value.get_num_mpz_t(), value.get_den_mpz_t());
  return static_cast<int>(std::clamp<long>(result.get_si(), -1, MostTrials + 1));
}

std::string probabilityText(const Exact& value, const NumberStyle& style) {
  return tableProbabilityDisplayText(value, style.decimals, style.decimalComma);
}

}  // namespace

TakenValues takenValues(const VariableQuestion& question, int n) {
  TakenValues taken{0, n};
  const Exact& bound = question.bound;
  switch (question.comparison) {
    case Comparison::Equal:
      taken = {ceilingOf(bound), floorOf(bound)};
      break;
    case Comparison::AtMost:
      taken.last = floorOf(bound);
      break;
    case Comparison::AtLeast:
      taken.first = ceilingOf(bound);
      break;
    case Comparison::Below:
      taken.last = ceilingOf(bound) - 1;
      break;
    case Comparison::Above:
      taken.first = floorOf(bound) + 1;
      break;
    case Comparison::Between:
      taken = {ceilingOf(bound), floorOf(question.upper)};
      break;
  }
  taken.first = std::max(taken.first, 0);
  taken.last = std::min(taken.last, n);
  return taken;
}

Exact trialsProbability(const TrialsTable& table, const VariableQuestion& question) {
  const TakenValues taken = takenValues(question, static_cast<int>(table.rows.size()) - 1);
  if (taken.empty()) return Exact(0);
  Exact sum = table.rows[static_cast<std::size_t>(taken.last)].cumulative;
  if (taken.first > 0) sum -= table.rows[static_cast<std::size_t>(taken.first - 1)].cumulative;
  return sum;
}

std::string trialsAnswerDisplayText(const TrialsTable& table, const VariableQuestion& question,
                                    const NumberStyle& style, const std::string& name) {
  const TakenValues taken = takenValues(question, static_cast<int>(table.rows.size()) - 1);
  const auto term = [&](int k) { return "P(" + name + " = " + std::to_string(k) + ")"; };
  const std::string text = questionDisplayText(question, style, name) + " = ";
  const std::string answer = probabilityText(trialsProbability(table, question), style);
  if (taken.empty() || (taken.first == taken.last && question.comparison == Comparison::Equal))
    return text + answer;
  if (taken.first == taken.last) return text + term(taken.first) + " = " + answer;
  if (taken.last - taken.first + 1 > MostTermsSpelledOut)
    return text + term(taken.first) + " + … + " + term(taken.last) + " = " + answer;
  std::string names;
  std::string values;
  for (int k = taken.first; k <= taken.last; ++k) {
    const std::string plus = k > taken.first ? " + " : "";
    names += plus + term(k);
    values += plus + probabilityText(table.rows[static_cast<std::size_t>(k)].probability, style);
  }
  return text + names + " = " + values + " = " + answer;
}

}  // namespace kvistra
