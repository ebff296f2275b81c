#include <gtest/gtest.h>

#include <limits>
#include <optional>

#include "text/CharSet.h"
#include "text/Exact.h"
#include "text/TextFormat.h"
#include "text/Windows1252.h"
#include "tree/TreeHelpers.h"

namespace kvistra {
namespace {

// Values are shown from their exact value, so a half rounds away from zero however a double
// would have stored it.
TEST(FixedPoint, RoundsTheExactValueHalfAwayFromZero) {
  struct Case {
    const char* value;  // as typed
    int width, decimals;
    const char* text;
  };
  const Case cases[] = {
      {"0.125", 4, 2, "0.13"},       // exact half goes away from zero
      {"0.145", 4, 2, "0.15"},       // a double stores it just below the half
      {"1/6", 5, 3, "0.167"},        //
      {"1", 6, 4, "1.0000"},         //
      {"1/3", 4, 2, "0.33"},         //
      {"-0.5", 4, 2, "-0.50"},       // one character more, never cut
      {"-0.00001", 6, 4, "0.0000"},  // no minus on a zero
      {"0", 6, 4, "0.0000"},         //
      {"0.9999", 4, 2, "1.00"},      // carry into the integer part
      {"9.996", 4, 2, "10.00"},      // carry adds a digit
      {"0.00005", 6, 4, "0.0001"},   // half in the last place
      {"1/8", 12, 4, "      0.1250"}, {"123456.5", 6, 0, "123457"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(fixedPoint(*readExact(c.value), c.width, c.decimals), c.text) << c.value;
  // A filled-in branch's typed text keeps the double's form, as tree files have always held it.
  EXPECT_EQ(fixedPoint(0.145, 4, 2), "0.14");
  EXPECT_EQ(fixedPoint(1.0 / 3.0, 6, 4), "0.3333");
}

// What is typed is read exactly; what does not read, or would divide by 0, is nothing. A value
// agrees with a double when the tree file writes both alike.
TEST(Exact, ReadsTypedTextsAndAgreesWithTheFilesDigits) {
  struct Case {
    const char* typed;
    std::optional<Exact> value;
  };
  const Case cases[] = {
      {"3/5", Exact(3, 5)},     {"0.6", Exact(3, 5)},    {"0,25", Exact(1, 4)},
      {"1.5E-1", Exact(3, 20)}, {" .5 ", Exact(1, 2)},   {"2/4", Exact(1, 2)},
      {"1.5/3", Exact(1, 2)},   {"-0.5", Exact(-1, 2)},  {"+1", Exact(1)},
      {"1/0", std::nullopt},    {"2/3/4", std::nullopt}, {"", std::nullopt},
      {".", std::nullopt},      {"1e", std::nullopt},    {"1e999", std::nullopt},
      {"0.5x", std::nullopt},   {"1/-2", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(readExact(c.typed), c.value) << c.typed;

  EXPECT_TRUE(agreesWith(Exact(1, 3), 1.0 / 3.0));
  EXPECT_TRUE(agreesWith(Exact(7, 10), 1.0 - 0.1 - 0.2));
  EXPECT_FALSE(agreesWith(Exact(3333, 10000), 1.0 / 3.0));
  EXPECT_FALSE(agreesWith(Exact(1, 2), std::numeric_limits<double>::infinity()));
  EXPECT_EQ(fifteenDigitValue(0.1), Exact(1, 10));
}

TEST(probabilityFormat, FollowsDecimalCount) {
  TreeState state;
  const std::pair<int, const char*> cases[] = {{2, "0.33"}, {3, "0.333"}, {4, "0.3333"}};
  for (const auto& [decimals, text] : cases) {
    state.tree.decimalCount = decimals;
    EXPECT_EQ(probabilityFormat(state, 1.0 / 3.0), text);
  }
}

TEST(Helpers, SmallTextHelpers) {
  EXPECT_EQ(namePadding("A"), "    ");
  EXPECT_EQ(namePadding("A1"), "   ");
  EXPECT_EQ(namePadding("ABCDE"), "");
  EXPECT_EQ(namePadding("ABCDEFG"), "");
  EXPECT_EQ(largerOf(3 * 8 + 30, 300), 300);
  EXPECT_EQ(largerOf(40 * 8 + 30, 300), 350);

  std::string text = " A1 , B 2 ";
  removeSpaces(text);
  EXPECT_EQ(text, "A1,B2");
}

TEST(Helpers, UpcaseDanish) {
  const std::pair<unsigned char, unsigned char> cases[] = {
      {'a', 'A'}, {'z', 'Z'}, {'A', 'A'}, {'1', '1'}, {'(', '('}, {')', ')'},
      {229, 197}, {230, 198}, {248, 216}, {197, 197}, {216, 216}, {'-', '-'},
  };
  for (const auto& [in, out] : cases)
    EXPECT_EQ(static_cast<unsigned char>(upcaseDanish(static_cast<char>(in))), out) << int(in);
}

TEST(Helpers, ClickInRectIncludesEdges) {
  TreeState state;
  const std::pair<std::pair<int, int>, bool> cases[] = {
      {{10, 20}, true}, {{30, 40}, true},  {{10, 40}, true},  {{20, 30}, true},
      {{9, 30}, false}, {{31, 30}, false}, {{20, 19}, false}, {{20, 41}, false},
  };
  for (const auto& [click, inside] : cases) {
    state.pointer.releaseX = click.first;
    state.pointer.releaseY = click.second;
    EXPECT_EQ(clickInRect(state, 10, 20, 30, 40), inside) << click.first << "," << click.second;
  }
}

TEST(CharacterSets, AcceptTheInputCharacters) {
  for (char c : std::string("()-AZaz\b")) EXPECT_TRUE(ExpressionChars.contains(c)) << c;
  for (int c : {197, 198, 216, 229, 230, 248})
    EXPECT_TRUE(ExpressionChars.contains(static_cast<char>(c))) << c;
  for (char c : std::string(",./09\b")) EXPECT_TRUE(NumberChars.contains(c)) << c;
  for (char c : std::string("*+ 1")) EXPECT_FALSE(ExpressionChars.contains(c)) << c;
  for (char c : std::string("*+ a-")) EXPECT_FALSE(NumberChars.contains(c)) << c;
}

TEST(ShortStrings, CutOnAssignment) {
  BranchName name = "ABCDEFGHIJKLMN";
  EXPECT_EQ(name.str(), "ABCDEFGHIJ");
  RowName row = std::string("ABCDEFGHIJKLMN");
  EXPECT_EQ(row.size(), 12u);
  row = "A1";
  EXPECT_EQ(row, "A1");
}

}  // namespace
}  // namespace kvistra

namespace kvistra {
namespace {

TEST(Windows1252, ProgramLiteralsBecomeSingleBytes) {
  EXPECT_EQ(w1252("Træet"),
            "Tr\xE6"
            "et");
  EXPECT_EQ(w1252("ÆØÅæøå"), "\xC6\xD8\xC5\xE6\xF8\xE5");
  EXPECT_EQ(w1252("Træet").size(), 5u);
}

}  // namespace
}  // namespace kvistra
