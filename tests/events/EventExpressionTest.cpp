#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "events/EventExpression.h"
#include "events/EventTrees.h"

namespace kvistra {
namespace {

using test_trees::ExampleTree;
using test_trees::MakeTree;
using test_trees::MarkedOutcomes;
using test_trees::RemoveOutcomes;
using test_trees::RenameBranches;

using Outcomes = std::vector<int>;

// Evaluates what a user typed, as the event command does.
Outcomes Evaluate(TreeState& state, const std::string& typed) {
  state.event.outcomeMarked = {};
  evaluateExpression(state, normaliseExpression(typed));
  return MarkedOutcomes(state);
}

std::string Expanded(const std::string& typed) {
  TreeState state = ExampleTree();
  std::string text = normaliseExpression(typed);
  expandParentheses(state, text);
  return text;
}

// Danish letters in Windows-1252.
const std::string AE = "\xC6", OE = "\xD8", ae = "\xE6", oe = "\xF8", aa = "\xE5";

struct Selection {
  std::string typed;
  Outcomes marked;
};

// Each expression selects exactly its outcomes, without an error.
void ExpectSelections(TreeState& state, const std::vector<Selection>& selections) {
  for (const Selection& s : selections) {
    EXPECT_EQ(Evaluate(state, s.typed), s.marked) << s.typed;
    EXPECT_FALSE(state.event.parseError) << s.typed;
  }
}

struct Example {
  const char* typed;
  const char* expanded;
  Outcomes marked;
};

// Outcomes of the example tree: 1 A1A2, 2 A1B2, 3 A1C2, 4 B1A2, 5 B1B2, 6 B1C2.
const Example workedExamples[] = {
    {"a1", "A1", {1, 2, 3}},
    {"A1 B2", "A1B2", {2}},
    {"A1-B2", "A1-B2", {1, 3}},
    {"-A1", "-A1", {4, 5, 6}},
    {"A1,B2", "A1,B2", {1, 2, 3, 5}},
    {"(A1,B1)B2", "B2A1,B2B1", {2, 5}},
    {"A1(A2,C2)", "A1A2,A1C2", {1, 3}},
    {"(A1,B1)(A2,B2)", "A1A2,A1B2,B1A2,B1B2", {1, 2, 4, 5}},
    {"(A1,B1)-C2", "-C2A1,-C2B1", {1, 2, 4, 5}},
    {"A1(B2),C2", "A1B2,C2", {2, 3, 6}},
    {"2..4", "2..4", {2, 3, 4}},
    {"-2..4", "-2..4", {1, 5, 6}},
    {"..2", "..2", {1, 2}},
    {"5..", "5..", {5, 6}},
    {"A1,5..", "A1,5..", {1, 2, 3, 5, 6}},
    {"A2B2", "A2B2", {}},
    // Further cases that must select exactly these outcomes without an error.
    {"A1 , B 2", "A1,B2", {1, 2, 3, 5}},
    {"b1c2", "B1C2", {6}},
    {"B2A1", "B2A1", {2}},
    {"B2,A1", "B2,A1", {1, 2, 3, 5}},
    {"A1*B2", "A1B2", {2}},
    {"7", "7", {}},
    {"-7", "-7", {1, 2, 3, 4, 5, 6}},
    {"3..1", "3..1", {}},
    {"-3..1", "-3..1", {1, 2, 3, 4, 5, 6}},
    {"3..-1", "3..-1", {}},
    {"99999999999", "99999999999", {}},
    {"1..99999999999", "1..99999999999", {1, 2, 3, 4, 5, 6}},
    {"(A1,B1)(A2,B2),C2", "A1A2,A1B2,B1A2,B1B2,C2", {1, 2, 3, 4, 5, 6}},
    {"C2,(A1,B1)A2(A2,B2)A2", "C2,A2A1A2A2,A2A1A2B2,A2B1A2A2,A2B1A2B2", {1, 3, 4, 6}},
};

TEST(EventExpression, SelectsTheOutcomesOfEachExample) {
  for (const Example& example : workedExamples) {
    TreeState state = ExampleTree();
    EXPECT_EQ(Expanded(example.typed), example.expanded) << example.typed;
    EXPECT_EQ(Evaluate(state, example.typed), example.marked) << example.typed;
    EXPECT_EQ(state.event.parserState, ParserState::NoParenthesisError) << example.typed;
    EXPECT_FALSE(state.event.parseError) << example.typed;
  }
  // The suffix goes in front of the first group's items, then the second group is expanded.
  EXPECT_EQ(Expanded("(A1,B1)C2(A2,B2)D2"), "D2A1C2A2,D2A1C2B2,D2B1C2A2,D2B1C2B2");
}

TEST(EventExpression, ReportsEachMalformedExpression) {
  struct Case {
    const char* typed;
    ParserState parserState;
  };
  const Case cases[] = {
      {"(A1", ParserState::ParenthesisError},
      {"A1)(B1", ParserState::ParenthesisError},
      {"((A1))", ParserState::ParenthesisError},
      {"((A1),B1)", ParserState::ParenthesisError},
      {"(A1(B2),C2)", ParserState::ParenthesisError},  // not A1B2,A1C2
      {"A1(B1(A2))", ParserState::ParenthesisError},
      {"(A1)(A", ParserState::ParenthesisError},  // a second group without ")" is not a factor "A"
      {"(A1)(", ParserState::ParenthesisError},
      {"(A1,B1)C2(A2,B2)D2,B1", ParserState::CommaMissing},
      {"(A1)B1(A2)B2(C2)", ParserState::CommaMissing},
      {"-(A1,B1)", ParserState::MinusBeforeParenthesis},
      {"A1-(A2,B2)", ParserState::MinusBeforeParenthesis},
      // Input errors: unknown names, stray characters, unreadable bounds, empty terms.
      {"A1)", ParserState::NoParenthesisError},
      {"A1.", ParserState::NoParenthesisError},
      {"A1/B2", ParserState::NoParenthesisError},
      {"A12", ParserState::NoParenthesisError},
      {"A1-", ParserState::NoParenthesisError},
      {"X9,A1", ParserState::NoParenthesisError},
      {"0", ParserState::NoParenthesisError},
      {"0..3", ParserState::NoParenthesisError},
      {"-0", ParserState::NoParenthesisError},
      {"..", ParserState::NoParenthesisError},
      {"-", ParserState::NoParenthesisError},
      {"--2", ParserState::NoParenthesisError},
      {"3x", ParserState::NoParenthesisError},
      {"1..2..3", ParserState::NoParenthesisError},
      {"5..A1", ParserState::NoParenthesisError},
      {"", ParserState::NoParenthesisError},
      {"A1,,B1", ParserState::NoParenthesisError},
      {",A1", ParserState::NoParenthesisError},
      {"A1,", ParserState::NoParenthesisError},
      {"()", ParserState::NoParenthesisError},
      {"A1()", ParserState::NoParenthesisError},
      {"()B1", ParserState::NoParenthesisError},
      {"(A1,)B1", ParserState::NoParenthesisError},
      {"(A1)B1,", ParserState::NoParenthesisError},  // the last comma still leaves an empty term
      {"(A1,B1)()", ParserState::NoParenthesisError},
      {"(A1,B1)(A2,)", ParserState::NoParenthesisError},
  };
  for (const Case& c : cases) {
    TreeState state = ExampleTree();
    const Outcomes marked = Evaluate(state, c.typed);
    EXPECT_EQ(state.event.parserState, c.parserState) << c.typed;
    EXPECT_EQ(state.event.parseError, c.parserState == ParserState::NoParenthesisError) << c.typed;
    if (c.parserState != ParserState::NoParenthesisError) {
      EXPECT_EQ(marked, Outcomes{}) << c.typed;
    }
    EXPECT_TRUE(expressionErrorMessage(state).has_value()) << c.typed;
  }
}

TEST(EventExpression, ErrorMessagesAreTheProgramsTexts) {
  struct Case {
    ParserState parserState;
    bool parseError;
    const char* text;
    const char* caption;
  };
  const Case cases[] = {
      {ParserState::ParenthesisError, false, " Parentesfejl", " Fejl"},
      {ParserState::CommaMissing, false, " Parentesfejl eller komma mangler", " Fejl"},
      {ParserState::MinusBeforeParenthesis, false, " Ikke minus foran parentes ", " Fejl"},
      {ParserState::NoParenthesisError, true, "Fejl i input.", " "},
  };
  for (const Case& c : cases) {
    TreeState state;
    state.event.parserState = c.parserState;
    state.event.parseError = c.parseError;
    const auto message = expressionErrorMessage(state);
    ASSERT_TRUE(message.has_value()) << c.text;
    EXPECT_EQ(message->text, c.text);
    EXPECT_EQ(message->caption, c.caption);
  }
  EXPECT_FALSE(expressionErrorMessage(TreeState{}).has_value());
}

TEST(EventExpression, NormalisingRemovesBlanksAndFoldsDanishLetters) {
  EXPECT_EQ(normaliseExpression(" a1 , b 2" + ae + oe + aa), "A1,B2" + AE + OE + "\xC5");
}

TEST(EventExpression, OneLetterAndDanishNames) {
  TreeState state = ExampleTree();
  RenameBranches(state, "A1", "K");
  RenameBranches(state, "B1", OE);
  RenameBranches(state, "C2", AE + "2");
  ExpectSelections(state, {{"K", {1, 2, 3}},
                           {"-K", {4, 5, 6}},
                           {"k", {1, 2, 3}},
                           {"KA2", {1}},
                           {"-KA2", {4}},
                           {oe, {4, 5, 6}},
                           {oe + "b2", {5}},
                           {ae + "2", {3, 6}},
                           {"(K," + OE + ")" + AE + "2", {3, 6}}});
  Evaluate(state, "K2");
  EXPECT_TRUE(state.event.parseError) << "K2 is not the name K";
  Evaluate(state, "A1");
  EXPECT_TRUE(state.event.parseError) << "the old name is gone";
}

TEST(EventExpression, ReducedTreeMarksOnlyRemainingOutcomes) {
  TreeState state = ExampleTree();
  RemoveOutcomes(state, {4, 5, 6});  // reduced to A1
  ExpectSelections(state, {{"B1", {}},
                           {"A1", {1, 2, 3}},
                           {"-A2", {2, 3}},
                           {"5..", {}},
                           {"2..", {2, 3}},
                           {"-7", {1, 2, 3}},
                           {"-3..1", {1, 2, 3}},
                           {"1..6", {1, 2, 3}}});
  state = ExampleTree();
  RemoveOutcomes(state, {2, 6});
  ExpectSelections(state, {{"4..", {4, 5}}, {"B2,C2", {3, 5}}});
}

TEST(EventExpression, OutcomeCountIsRecountedByPassingTerms) {
  TreeState state = ExampleTree();
  RemoveOutcomes(state, {4, 5, 6});
  state.event.outcomeCount = 99;
  Evaluate(state, "X9");
  EXPECT_EQ(state.event.outcomeCount, 99) << "a failing term counts nothing";
  Evaluate(state, "B1");
  EXPECT_EQ(state.event.outcomeCount, 3);
  state.event.outcomeCount = 99;
  Evaluate(state, "2..");
  EXPECT_EQ(state.event.outcomeCount, 3);
}

TEST(EventExpression, AnyNumberOfLiteralsAndItems) {
  TreeState state = MakeTree({3, 3, 3});
  ExpectSelections(state, {{"A1A2A3-B3-C3", {1}},
                           {"A1A2A3A1A2", {1}},
                           {"(A1,A1,A1,A1,A1,B1)A2A3", {1, 10}},
                           {"(A1,B1,C1)(A2,B2,C2)A3", {1, 4, 7, 10, 13, 16, 19, 22, 25}},
                           {"C1C2C3", {27}},
                           {"-A1-B1-C2-C3", {19, 20, 22, 23}}});
}

// Alternating items of one letter per level: "A1,B1,A1,...".
std::string Group(int items, const std::vector<std::string>& names) {
  std::string group = "(";
  for (int i = 0; i < items; ++i) group += (i ? "," : "") + names[i % names.size()];
  return group + ")";
}

TEST(EventExpression, RefusesTextsAndExpansionsBeyondTheBounds) {
  TreeState state = ExampleTree();
  std::string longest = "A1";
  while (longest.size() + 3 <= MaxExpressionLength) longest += ",A1";
  longest.resize(MaxExpressionLength, '*');
  EXPECT_EQ(Evaluate(state, longest), (Outcomes{1, 2, 3}));
  EXPECT_FALSE(state.event.parseError);
  Evaluate(state, longest + "*");
  EXPECT_TRUE(state.event.parseError);
  EXPECT_EQ(state.event.parserState, ParserState::NoParenthesisError);

  const std::string large = Group(20, {"A1", "B1"}) + Group(20, {"A2", "B2", "C2"});
  EXPECT_EQ(Evaluate(state, large), (Outcomes{1, 2, 3, 4, 5, 6}));
  EXPECT_FALSE(state.event.parseError);

  const std::string huge = Group(40, {"A1", "B1"}) + Group(40, {"A2", "B2", "C2"});
  ASSERT_LE(huge.size(), MaxExpressionLength);
  EXPECT_EQ(Evaluate(state, huge), Outcomes{});
  EXPECT_TRUE(state.event.parseError);
  EXPECT_EQ(state.event.parserState, ParserState::NoParenthesisError);
}

TEST(EventExpression, distributeFactor) {
  struct Case {
    const char* factor;
    const char* list;
    const char* result;
  };
  const Case cases[] = {
      {"C2", "A1,B1", "C2A1,C2B1"},
      {"A1", "A2", "A1A2"},
      {"(A2)", "B1", "A2B1"},
      {"(A2,B2)", "A1,B1", "(A2,B2)A1,(A2,B2)B1"},
      {"F", "1,2,3,4,5,6,7", "F1,F2,F3,F4,F5,F6,F7"},
      {"B1", "A1,", "B1A1,"},  // an empty item stays an empty term
      {"B1", "", ""},
      {"()", "A1,B1", ""},  // the product with an empty group is empty
  };
  for (const Case& c : cases)
    EXPECT_EQ(distributeFactor(c.factor, c.list), c.result) << c.factor << " " << c.list;
}

TEST(EventExpression, NameExistsComparesExactStoredNames) {
  TreeState state = ExampleTree();
  RemoveOutcomes(state, {4, 5, 6});
  RenameBranches(state, "B2", "K");
  EXPECT_TRUE(nameExists(state, "A1"));
  EXPECT_TRUE(nameExists(state, "C2"));
  EXPECT_TRUE(nameExists(state, "B1")) << "names of removed branches still exist";
  EXPECT_TRUE(nameExists(state, "K "));
  EXPECT_FALSE(nameExists(state, "K"));
  EXPECT_FALSE(nameExists(state, "C1"));
  EXPECT_FALSE(nameExists(state, "A"));
  EXPECT_FALSE(nameExists(state, ""));
  EXPECT_FALSE(nameExists(state, " ")) << "unused slots hold a blank name";
}

TEST(EventExpression, QuietEvaluationOfAStoredRow) {
  struct Case {
    std::string row;
    bool hasTerms;
    Outcomes marked;
  };
  const Case cases[] = {
      {"X9,A1", true, {1, 2, 3}},  // the failing term marks nothing, the other counts
      {"A1,,B2", true, {1, 2, 3, 5}},
      {"Reduc: A1", true, {}},
      {"Tr" + ae + "et er " + ae + "ndret", true, {}},
      {"(A1", false, {}},
      {"-(A1,B1)", false, {}},
      {"", false, {}},
  };
  for (const Case& c : cases) {
    TreeState state = ExampleTree();
    state.event.parserState = ParserState::CommaMissing;  // whatever the last evaluation left stays
    state.event.parseError = true;
    EXPECT_EQ(evaluateExpressionQuietly(state, c.row), c.hasTerms) << c.row;
    EXPECT_EQ(MarkedOutcomes(state), c.marked) << c.row;
    EXPECT_EQ(state.event.parserState, ParserState::CommaMissing) << c.row;
    EXPECT_TRUE(state.event.parseError) << c.row;
  }
}

}  // namespace
}  // namespace kvistra
