#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "probabilities/ProbabilityReading.h"

namespace kvistra {
namespace {

TEST(ProbabilityKey, CommaBecomesPointAndOnlyNumberKeysPass) {
  const std::string passes = "0123456789./\b";
  for (int c = 0; c < 256; ++c) {
    const char typed = static_cast<char>(c);
    const std::optional<char> key = probabilityKey(typed);
    if (typed == ',')
      EXPECT_EQ(key, '.');
    else if (passes.find(typed) != std::string::npos)
      EXPECT_EQ(key, typed) << c;
    else
      EXPECT_FALSE(key.has_value()) << c;
  }
}

TEST(ReadDecimal, ValuesAndFaults) {
  struct Case {
    std::string text;
    double value;
    bool fault;
  };
  const Case cases[] = {
      {"0.25", 0.25, false}, {"5.", 5, false},   {".5", 0.5, false},    {".", 0, false},
      {"  0.5", 0.5, false}, {"+2", 2, false},   {"-0.5", -0.5, false}, {"1e-1", 0.1, false},
      {"2E+2", 200, false},  {"", 0, true},      {"   ", 0, true},      {"-", 0, true},
      {"1.2.3", 12, true},   {"0.5.5", 5, true}, {"-1.5x", 15, true},   {"0.5 ", 5, true},
      {"1e", 1, true},       {"1/2", 1, true},   {"007", 7, false},
  };
  for (const auto& c : cases) {
    const DecimalReading reading = readDecimal(c.text);
    EXPECT_DOUBLE_EQ(reading.value, c.value) << '"' << c.text << '"';
    EXPECT_EQ(reading.fault, c.fault) << '"' << c.text << '"';
  }
}

TEST(ReadDecimal, NumbersBeyondADoubleBecomeInfinityOrZero) {
  EXPECT_EQ(readDecimal(std::string(400, '9')).value, std::numeric_limits<double>::infinity());
  EXPECT_EQ(readDecimal("0." + std::string(400, '0') + "1").value, 0.0);
  EXPECT_EQ(readDecimal("1e999").value, std::numeric_limits<double>::infinity());
  EXPECT_EQ(readDecimal("1e-999").value, 0.0);
  EXPECT_EQ(readDecimal("0.001e99999999999999999999").value,
            std::numeric_limits<double>::infinity());
}

TEST(ProbabilityValue, DecimalsAndFractions) {
  struct Case {
    std::string text;
    double value;
  };
  const Case cases[] = {
      {"0.5", 0.5},  {"1/6", 1.0 / 6}, {"3/2", 1.5},   {"1/1", 1},
      {"0/5", 0},    {"2/3/4", 0},  // the denominator 3/4 does not read
      {"1/0", 0},    {"/6", 0},        {"1/", 0},      {"", 0},
      {"1.2.3", 12}, {"1/-2", 0},      {".5/2", 0.25}, {"5./10", 0.5},
  };
  for (const auto& c : cases) EXPECT_DOUBLE_EQ(probabilityValue(c.text), c.value) << c.text;
}

TEST(ProbabilityValue, HugeFractionsAreNeverNaN) {
  const std::string huge(400, '9');
  EXPECT_EQ(probabilityValue(huge + "/" + huge), 0.0);
  EXPECT_EQ(probabilityValue(huge + "/2"), std::numeric_limits<double>::infinity());
  EXPECT_EQ(probabilityValue("1/" + huge), 0.0);
}

}  // namespace
}  // namespace kvistra
