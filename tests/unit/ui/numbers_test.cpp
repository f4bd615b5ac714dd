#include "ui/numbers.h"

#include <gtest/gtest.h>

#include <cmath>

namespace slumbrix {
namespace {

TEST(LeadingNumber, ReadsTheNumberAtTheStart) {
  struct Row {
    const char* text;
    double expected;
  };
  const Row rows[] = {
      {"", 0},      {"abc", 0},     {"12a", 12}, {".5", 0.5}, {"1.5", 1.5}, {" 1 2", 12},
      {"\t7\n", 7}, {"1.2.3", 1.2}, {"-3", 0},   {"+3", 0},   {"05", 5},    {"999", 999},
      {"1.", 1},    {".", 0},       {"00", 0},   {"3e2", 3},  {"&H10", 0},  {"1a2", 1},
  };
  for (const Row& row : rows) EXPECT_DOUBLE_EQ(leadingNumber(row.text), row.expected) << row.text;
}

TEST(LeadingNumber, HugeDigitRunsDoNotOverflowIntoGarbage) {
  const std::string digits(400, '9');
  EXPECT_TRUE(std::isinf(leadingNumber(digits)));
}

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour) {
  EXPECT_EQ(roundHalfEven(0.5), 0);
  EXPECT_EQ(roundHalfEven(1.5), 2);
  EXPECT_EQ(roundHalfEven(2.5), 2);
  EXPECT_EQ(roundHalfEven(-0.5), 0);
  EXPECT_EQ(roundHalfEven(-1.5), -2);
  EXPECT_EQ(roundHalfEven(2.4999), 2);
  EXPECT_EQ(roundHalfEven(std::nan("")), 0);
  EXPECT_EQ(roundToInt16(1e9), 32767);
  EXPECT_EQ(roundToInt16(-1e9), -32768);
}

TEST(Decimal, PlainAndTwoDigitForms) {
  EXPECT_EQ(plainDecimal(0), "0");
  EXPECT_EQ(plainDecimal(-2), "-2");
  EXPECT_EQ(plainDecimal(100), "100");
  EXPECT_EQ(twoDigits(0), "00");
  EXPECT_EQ(twoDigits(7), "07");
  EXPECT_EQ(twoDigits(59), "59");
  EXPECT_EQ(twoDigits(123), "123");
}

}  // namespace
}  // namespace slumbrix
