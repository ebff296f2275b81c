#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "distribution/VariableQuestion.h"
#include "distribution/VariableValue.h"

namespace kvistra {
namespace {

using enum Comparison;

// Three coins: each question's answer, rows, texts, and its row read back to itself.
TEST(VariableQuestion, AnswersTextsAndRowRoundTrip) {
  const Distribution coins(
      {{0, Exact(1, 8)}, {1, Exact(3, 8)}, {2, Exact(3, 8)}, {3, Exact(1, 8)}});
  struct Case {
    VariableQuestion question;
    Exact probability;
    std::vector<Exact> values;
    std::string display, row;
  };
  const Case cases[] = {
      {{AtMost, 1, 0}, Exact(1, 2), {0, 1}, "P(X ≤ 1)", "X<=1"},
      {{AtLeast, 2, 0}, Exact(1, 2), {2, 3}, "P(X ≥ 2)", "X>=2"},
      {{Equal, 3, 0}, Exact(1, 8), {3}, "P(X = 3)", "X=3"},
      {{Below, 1, 0}, Exact(1, 8), {0}, "P(X < 1)", "X<1"},
      {{Above, 1, 0}, Exact(1, 2), {2, 3}, "P(X > 1)", "X>1"},
      {{Between, 1, 3}, Exact(7, 8), {1, 2, 3}, "P(1 ≤ X ≤ 3)", "1<=X<=3"},
      {{Between, Exact(-1, 2), Exact(1, 2)}, Exact(1, 8), {0}, "P(−1/2 ≤ X ≤ 1/2)", "-1/2<=X<=1/2"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(probabilityOf(coins, c.question), c.probability) << c.row;
    EXPECT_EQ(valuesTaken(coins, c.question), c.values) << c.row;
    EXPECT_EQ(questionDisplayText(c.question, {}), c.display);
    EXPECT_EQ(questionRowText(c.question), c.row);
    EXPECT_EQ(readQuestionRow(c.row), c.question) << c.row;
  }
}

// The rows taken named and summed; one row named once, none summed at all.
TEST(VariableQuestion, AnswersWithTheirWorking) {
  const Distribution coins(
      {{0, Exact(1, 8)}, {1, Exact(3, 8)}, {2, Exact(3, 8)}, {3, Exact(1, 8)}});
  const std::pair<VariableQuestion, std::string> cases[] = {
      {{AtLeast, 2, 0}, "P(X ≥ 2) = P(X = 2) + P(X = 3) = 3/8 + 1/8 = 1/2"},
      {{Equal, 3, 0}, "P(X = 3) = 1/8"},
      {{Below, 1, 0}, "P(X < 1) = P(X = 0) = 1/8"},
      {{Above, 3, 0}, "P(X > 3) = 0"},
  };
  for (const auto& [question, answer] : cases)
    EXPECT_EQ(answerDisplayText(coins, question, {}), answer);
}

TEST(readQuestionRow, RefusesWhatIsNoQuestion) {
  for (const char* row : {"", "X", "X<=", "Y<=1", "X=<1", "X≤1", "X<=1 ", "3<=X",
                          "1<=X<=", "X<=1<=3", "P(X<=1)", "X==1"})
    EXPECT_FALSE(readQuestionRow(row)) << row;
  EXPECT_EQ(readQuestionRow("Y>2", "Y"), (VariableQuestion{Above, 2, 0}));
}

TEST(readVariableValue, KeepsNumbersExactlyAndRefusesTheRest) {
  const std::pair<const char*, Exact> accepted[] = {{"-5", -5},
                                                    {"2.5", Exact(5, 2)},
                                                    {"2,5", Exact(5, 2)},
                                                    {"-1/2", Exact(-1, 2)},
                                                    {"0.1", Exact(1, 10)},
                                                    {"123456789", 123456789},
                                                    {"6/4", Exact(3, 2)}};
  for (const auto& [text, value] : accepted) EXPECT_EQ(readVariableValue(text), value) << text;
  for (const char* text : {"", "-", "1234567890", "1/0", "+5", "2.", ".5", "1e3", " 5", "1/-2",
                           "--5", "1/2/3", "1/2.5", "5-", "2.5.1", "x"})
    EXPECT_FALSE(readVariableValue(text)) << text;
}

}  // namespace
}  // namespace kvistra
