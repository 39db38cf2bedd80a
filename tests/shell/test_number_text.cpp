#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <locale>
#include <string>

#include "shell/number_text.h"

namespace {

struct FixedCase {
  double value;
  int decimals;
  const char* expected;
};

TEST(FixedText, RoundsTheDecimalValueHalfAwayFromZero) {
  const FixedCase cases[] = {
      {3.5 * 13.35, 2, "46.73"},  // the product is 46.72499... in binary
      {4.5 * 16.75, 2, "75.38"},  // an exact binary half
      {1.5 * 0.35, 2, "0.53"},    // 0.5249999999999999: its noise sits in the 16th digit
      {33.3 * 0.15, 2, "5.00"},   // 4.994999999999999
      {68114.5, 0, "68115"},
      {-68114.5, 0, "-68115"},
      {0.5, 0, "1"},
      {1.005, 2, "1.01"},  // 1.00499999999999989... in binary
      {2.675, 2, "2.68"},
      {-2.675, 2, "-2.68"},
      {0.045, 1, "0.0"},
      {0.05, 1, "0.1"},
      {9.995, 2, "10.00"},
      {999999.5, 0, "1000000"},
      {0.1 + 0.2, 10, "0.3000000000"},
      {1234567.891, 2, "1234567.89"},
      {12, 0, "12"},
      {12, 2, "12.00"},
      {0, 2, "0.00"},
      {1e20, 0, "100000000000000000000"},
      {1.5e-7, 2, "0.00"},
      {123.456, 10, "123.4560000000"},
      {100000000000000.5, 0, "100000000000001"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(FixedText(c.value, c.decimals), c.expected) << c.value << " / " << c.decimals;
}

TEST(FixedText, NeverWritesNegativeZero) {
  const FixedCase cases[] = {
      {-0.0, 0, "0"}, {-0.0, 2, "0.00"},      {-0.001, 2, "0.00"},
      {-0.4, 0, "0"}, {-0.004999, 2, "0.00"}, {-0.005, 2, "-0.01"},
  };
  for (const auto& c : cases) EXPECT_EQ(FixedText(c.value, c.decimals), c.expected) << c.value;
}

TEST(FixedText, WritesNoInfinityOrNaN) {
  EXPECT_EQ(FixedText(std::numeric_limits<double>::infinity(), 2), "0.00");
  EXPECT_EQ(FixedText(-std::numeric_limits<double>::infinity(), 0), "0");
  EXPECT_EQ(FixedText(std::numeric_limits<double>::quiet_NaN(), 1), "0.0");
}

struct ReadCase {
  const char* text;
  double expected;
};

TEST(LeadingValue, ReadsTheLongestLeadingDecimalNumber) {
  const ReadCase cases[] = {
      {"12", 12},
      {"  -12.5abc", -12.5},
      {"+3", 3},
      {"12 Days", 12},
      {"45.5%", 45.5},
      {"1.2.3", 1.2},
      {".5", 0.5},
      {"5.", 5},
      {"-.25", -0.25},
      {"1e3", 1000},
      {"2.5E-1x", 0.25},
      {"1e", 1},
      {"1e+", 1},
      {"7e-x", 7},
      {"1,234", 1},
      {"\t 8", 8},
      {"0012", 12},
      {"1e400", std::numeric_limits<double>::max()},
      {"-1e400", -std::numeric_limits<double>::max()},
      {"1e-400", 0},
      {"0.0001e-320", 0},
  };
  for (const auto& c : cases) EXPECT_EQ(LeadingValue(c.text), c.expected) << '"' << c.text << '"';
}

TEST(LeadingValue, ReadsZeroWhenTheTextDoesNotBeginWithANumber) {
  const char* texts[] = {"",   "   ", "$12",  "abc", "-",   "+",        ".",  "-.",
                         "e5", "inf", "-inf", "nan", "NAN", "infinity", "- 5"};
  for (const char* text : texts) EXPECT_EQ(LeadingValue(text), 0.0) << '"' << text << '"';
  // Hexadecimal forms stop after their leading zero.
  EXPECT_EQ(LeadingValue("0x1A"), 0.0);
  EXPECT_EQ(LeadingValue("0x1p3"), 0.0);
}

TEST(LeadingValue, NeverReturnsNegativeZero) {
  EXPECT_FALSE(std::signbit(LeadingValue("-0")));
  EXPECT_FALSE(std::signbit(LeadingValue("-0.000")));
}

struct TextCase {
  const char* text;
  const char* expected;
};

TEST(AddThousandsSeparators, GroupsTheIntegerDigits) {
  const TextCase cases[] = {
      {"1234567", "1,234,567"},
      {"123456.789", "123,456.789"},
      {"1234.56789", "1,234.56789"},
      {"-1234", "-1,234"},
      {"-123", "-123"},
      {"123", "123"},
      {"1000", "1,000"},
      {"$1234", "$1,234"},
      {"1,234", "1,234"},
      {"1234567,890", "1234567,890"},  // left of an existing "," stays as it is
      {".5", ".5"},
      {".12345", ".12345"},
      {"", ""},
      {"1234 ", "1,234 "},
      {"12345 Days", "12,345 Days"},
      {"abc.1234", "abc.1234"},
      {"-", "-"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(AddThousandsSeparators(c.text), c.expected) << '"' << c.text << '"';
    EXPECT_EQ(AddThousandsSeparators(c.expected), c.expected) << "twice: " << c.text;
  }
}

TEST(FormatCurrency, PutsTheDollarBeforeTheSign) {
  const TextCase cases[] = {
      {"", ""},
      {"   ", ""},
      {"0.00", "$0.00"},
      {"-1234.5", "$-1,234.5"},
      {"-1234.50", "$-1,234.50"},
      {"1234567.89", "$1,234,567.89"},
      {"12", "$12"},
  };
  for (const auto& c : cases) EXPECT_EQ(FormatCurrency(c.text), c.expected) << '"' << c.text << '"';
  EXPECT_EQ(FormatCurrency(FixedText(-0.001, 2)), "$0.00");
}

struct RoundCase {
  const char* text;
  int decimals;
  double expected;
};

TEST(TextMoney, RemovesCommasAndDollarsThenRounds) {
  const RoundCase cases[] = {
      {"$1,234.50", 2, 1234.5},
      {"$-1,234.567", 2, -1234.57},
      {"1,234.567", 2, 1234.57},
      {"$", 2, 0},
      {"", 2, 0},
      {"12 Days", 2, 12},
      {"45.5%", 2, 45.5},
      {"$1,234.5", 0, 1235},
      {"1,2,3,4", 2, 1234},
      {"0.12345", 4, 0.1235},
      {"-$5", 2, -5},
  };
  for (const auto& c : cases) EXPECT_EQ(TextMoney(c.text, c.decimals), c.expected) << '"' << c.text << '"';
}

TEST(TextNumber, RemovesCommasAndDoesNotRound) {
  const RoundCase cases[] = {
      {"1,234.567", 2, 1234.567},
      {"1,234.567", 0, 1234.567},
      {"$1,234.50", 2, 0},
      {"12 Days", 2, 12},
      {"", 2, 0},
  };
  for (const auto& c : cases) EXPECT_EQ(TextNumber(c.text, c.decimals), c.expected) << '"' << c.text << '"';
}

TEST(RoundD, PrintsExactlyAsItsFixedText) {
  const FixedCase cases[] = {
      {3.5 * 13.35, 2, "46.73"}, {2.675, 2, "2.68"},          {-0.001, 2, "0.00"},
      {0.1 + 0.2, 2, "0.30"},    {1234.5678, 4, "1234.5678"},
  };
  for (const auto& c : cases) {
    const double rounded = RoundD(c.value, c.decimals);
    EXPECT_EQ(FixedText(rounded, c.decimals), c.expected) << c.value;
    EXPECT_EQ(rounded, RoundD(rounded, c.decimals)) << c.value;
  }
  EXPECT_FALSE(std::signbit(RoundD(-0.001, 2)));
}

TEST(FormatUpTo2Decimals, ShowsAsFewDecimalsAsNeeded) {
  const TextCase cases[] = {
      {"12", "12"},          {"12.001", "12"}, {"12.5", "12.5"}, {"12.50", "12.5"},
      {"12.25", "12.25"},    {"-0.5", "-0.5"}, {"", "0"},        {"-0.001", "0"},
      {"0.3", "0.3"},        {"0.995", "1"},   {"12.996", "13"}, {"33.3333333333", "33.33"},
      {"-12.345", "-12.35"}, {"1e2", "100"},   {"abc", "0"},
  };
  for (const auto& c : cases) EXPECT_EQ(FormatUpTo2Decimals(c.text), c.expected) << '"' << c.text << '"';
  EXPECT_EQ(FormatUpTo2Decimals(FixedText(100.0 / 3.0, 10)), "33.33");
}

// A locale with a decimal comma and "." as thousands separator, as on many Linux desktops.
struct CommaDecimal : std::numpunct<char> {
  char do_decimal_point() const override { return ','; }
  char do_thousands_sep() const override { return '.'; }
  std::string do_grouping() const override { return "\3"; }
};

TEST(NumberText, IgnoresTheProcessLocale) {
  const std::locale saved = std::locale::global(std::locale(std::locale::classic(), new CommaDecimal));
  const bool german = std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr;
  EXPECT_EQ(FixedText(1234.5, 2), "1234.50");
  EXPECT_EQ(FixedText(3.5 * 13.35, 2), "46.73");
  EXPECT_EQ(LeadingValue("1234.5"), 1234.5);
  EXPECT_EQ(LeadingValue("1,5"), 1.0);
  EXPECT_EQ(TextMoney("$1,234.50", 2), 1234.5);
  EXPECT_EQ(FormatCurrency(FixedText(-1234.5, 2)), "$-1,234.50");
  EXPECT_EQ(FormatUpTo2Decimals("12.50"), "12.5");
  if (german) std::setlocale(LC_ALL, "C");
  std::locale::global(saved);
}

}  // namespace
