#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "incident/incident_cost_model.h"
#include "incident/incident_rows.h"

namespace {

struct Cell {
  int s, r, c;
  const char* text;
};

struct ModelCase {
  const char* name;
  std::vector<Cell> inputs;
  std::vector<Cell> expected;
};

IncidentSheet Calculated(const std::vector<Cell>& inputs) {
  IncidentSheet sheet;
  AddIncidentLayout(sheet);
  for (const Cell& in : inputs) sheet.Set(in.s, in.r, in.c, in.text);
  CalculateIncident(sheet);
  return sheet;
}

// Step indices: 1-5 are steps 2-6, 6 the business measures, 7 the summary.
const ModelCase kCases[] = {
    {"a time row costs hours x rate; amounts with separators add whole",
     {{1, 2, 2, "3"}, {1, 2, 3, "15.40"}, {1, 8, 4, "1,250.50"}},
     {{1, 2, 4, "46.20"}, {1, 12, 4, "1,296.70"}, {7, 2, 4, "1,296.70"}, {7, 7, 4, "1,296.70"}}},
    {"half cents round away from zero",
     {{1, 3, 2, "3.5"}, {1, 3, 3, "13.35"}, {2, 2, 2, "4.5"}, {2, 2, 3, "16.75"}},
     {{1, 3, 4, "46.73"}, {2, 2, 4, "75.38"}, {7, 7, 4, "122.11"}}},
    {"sub-rows of a group row, and every step's sub-total",
     {{1, 6, 2, "2"},
      {1, 6, 3, "10"},
      {1, 7, 2, "1"},
      {1, 7, 3, "30"},
      {2, 8, 2, "1"},
      {2, 8, 3, "5"},
      {3, 6, 4, "100"},
      {3, 9, 2, "2"},
      {3, 9, 3, "25"},
      {4, 2, 2, "10"},
      {4, 2, 3, "4"},
      {4, 7, 4, "300"},
      {4, 10, 4, "20"}},
     {{1, 12, 4, "50.00"},
      {2, 12, 4, "5.00"},
      {3, 12, 4, "150.00"},
      {4, 12, 4, "360.00"},
      {7, 3, 4, "5.00"},
      {7, 5, 4, "360.00"},
      {7, 7, 4, "565.00"}}},
    {"every running grand total shows the overall total",
     {{1, 8, 4, "100"}, {5, 5, 4, "50"}},
     {{1, 13, 4, "150.00"},
      {2, 13, 4, "150.00"},
      {3, 13, 4, "150.00"},
      {4, 13, 4, "150.00"},
      {5, 13, 4, "150.00"},
      {7, 7, 4, "150.00"}}},
    {"absence, modified work and lost productivity stay outside the step 6 sub-total",
     {{5, 14, 2, "40"},
      {5, 14, 3, "20"},
      {5, 15, 3, "60"},
      {5, 16, 3, "40"},
      {5, 21, 2, "10"},
      {5, 21, 3, "20"},
      {5, 22, 3, "100"},
      {5, 28, 3, "75"},
      {5, 2, 2, "2"},
      {5, 2, 3, "30"},
      {5, 5, 4, "40"}},
     {{5, 14, 4, "800.00"},
      {5, 20, 3, "100.00"},
      {5, 21, 4, "200.00"},
      {5, 27, 3, "100.00"},
      {5, 6, 3, "50.00"},
      {7, 21, 4, "50.00"},
      {5, 3, 3, "480.00"},
      {7, 9, 4, "480.00"},
      {5, 4, 3, "200.00"},
      {5, 2, 4, "60.00"},
      {5, 12, 4, "100.00"},
      {7, 6, 4, "100.00"},
      {7, 7, 4, "100.00"},
      {7, 11, 4, "630.00"}}},
    {"an output worth more than the share paid gives negative lost productivity",
     {{5, 21, 2, "10"}, {5, 21, 3, "20"}, {5, 22, 3, "50"}, {5, 28, 3, "80"}},
     {{5, 6, 3, "-60.00"}, {7, 21, 4, "-60.00"}, {7, 11, 4, "-60.00"}}},
    {"margin 5: range, gross sales and days",
     {{1, 8, 4, "1000"}, {6, 2, 4, "5"}, {6, 3, 4, "500"}},
     {{7, 13, 2, "4%"},
      {7, 13, 3, "5%"},
      {7, 13, 4, "6%"},
      {7, 14, 2, "$25,000"},
      {7, 14, 3, "$20,000"},
      {7, 14, 4, "$16,667"},
      {7, 15, 2, "50.00 Days"},
      {7, 15, 3, "40.00 Days"},
      {7, 15, 4, "33.33 Days"}}},
    {"a fractional margin keeps its decimals in the range",
     {{6, 2, 4, "7.5"}},
     {{7, 13, 2, "6.5%"}, {7, 13, 3, "7.5%"}, {7, 13, 4, "8.5%"}}},
    {"margin 0 needs no sales and no days",
     {{1, 8, 4, "1000"}, {6, 2, 4, "0"}, {6, 3, 4, "500"}},
     {{7, 13, 2, "-1%"},
      {7, 13, 3, "0%"},
      {7, 13, 4, "1%"},
      {7, 14, 2, "$0"},
      {7, 14, 3, "$0"},
      {7, 14, 4, "$0"},
      {7, 15, 2, "0.00 Days"},
      {7, 15, 3, "0.00 Days"},
      {7, 15, 4, "0.00 Days"}}},
    {"margin 1: the column below it shows nothing instead of dividing by zero",
     {{1, 8, 4, "1000"}, {6, 2, 4, "1"}, {6, 3, 4, "1000"}},
     {{7, 14, 2, "$0"},
      {7, 14, 3, "$100,000"},
      {7, 14, 4, "$50,000"},
      {7, 15, 2, "0.00 Days"},
      {7, 15, 3, "100.00 Days"},
      {7, 15, 4, "50.00 Days"}}},
    {"margin 0.5: the column below it does not go negative",
     {{1, 8, 4, "1000"}, {6, 2, 4, "0.5"}, {6, 3, 4, "1000"}},
     {{7, 13, 2, "-0.5%"}, {7, 14, 2, "$0"}, {7, 14, 3, "$200,000"}, {7, 15, 2, "0.00 Days"}}},
    {"margin 10 with separators in the sales per day",
     {{1, 8, 4, "12,345.67"}, {6, 2, 4, "10"}, {6, 3, 4, "1,000"}},
     {{7, 13, 2, "9%"},
      {7, 13, 4, "11%"},
      {7, 14, 2, "$137,174"},
      {7, 14, 3, "$123,457"},
      {7, 14, 4, "$112,233"},
      {7, 15, 2, "137.17 Days"},
      {7, 15, 3, "123.46 Days"},
      {7, 15, 4, "112.23 Days"}}},
    {"a negative margin and no sales per day",
     {{1, 8, 4, "1000"}, {6, 2, 4, "-3"}, {6, 3, 4, "0"}},
     {{7, 14, 2, "$0"},
      {7, 14, 3, "$0"},
      {7, 14, 4, "$0"},
      {7, 15, 2, "0 Days"},
      {7, 15, 3, "0 Days"},
      {7, 15, 4, "0 Days"}}},
    {"working time the indirect cost represents",
     {{1, 8, 4, "1000"}, {5, 14, 2, "40"}, {5, 14, 3, "20"}, {6, 4, 4, "2,000"}},
     {{7, 18, 4, "50.00"}, {7, 19, 4, "2.50"}, {7, 20, 4, "1.25"}}},
    {"no absence wage: no working time",
     {{1, 8, 4, "1000"}, {5, 14, 2, "40"}, {5, 14, 3, "0"}, {6, 4, 4, "2000"}},
     {{7, 18, 4, "0.00"}, {7, 19, 4, "0.00"}, {7, 20, 4, "0.00"}}},
    {"hours and rates with separators read whole",
     {{1, 2, 2, "1,200"}, {1, 2, 3, "2"}, {5, 15, 3, "1,00"}},
     {{1, 2, 4, "2,400.00"}, {5, 20, 3, "100.00"}}},
    {"empty fields read as zero",
     {{1, 2, 2, ""}, {1, 2, 3, ""}, {1, 8, 4, ""}, {6, 2, 4, ""}, {6, 3, 4, ""}, {6, 4, 4, ""}},
     {{1, 2, 4, "0.00"},
      {1, 12, 4, "0.00"},
      {7, 7, 4, "0.00"},
      {7, 11, 4, "0.00"},
      {7, 13, 3, "0%"},
      {7, 14, 3, "$0"},
      {7, 15, 3, "0 Days"},
      {7, 18, 4, "0.00"}}},
    {"text that is not a number reads as zero; a negative amount is kept",
     {{1, 2, 2, "abc"},
      {1, 2, 3, "-"},
      {1, 3, 2, "1,2,3"},
      {1, 3, 3, "1"},
      {1, 8, 4, "-50"},
      {1, 9, 4, "$20"}},
     {{1, 2, 4, "0.00"}, {1, 3, 4, "123.00"}, {1, 12, 4, "73.00"}}},
};

TEST(IncidentCostModel, FiguresPerStep) {
  for (const ModelCase& c : kCases) {
    SCOPED_TRACE(c.name);
    const IncidentSheet sheet = Calculated(c.inputs);
    for (const Cell& e : c.expected)
      EXPECT_EQ(sheet.Text(e.s, e.r, e.c), e.text) << "cell (" << e.s << ", " << e.r << ", " << e.c << ")";
  }
}

TEST(IncidentCostModel, HugeAndMalformedInputsNeverShowInfinityOrNaN) {
  const std::vector<Cell> inputs = {{1, 2, 2, "1e308"},   {1, 2, 3, "1e308"},  {1, 8, 4, "1e308"},
                                    {1, 9, 4, "1e308"},   {6, 2, 4, "1e-320"}, {6, 3, 4, "1e308"},
                                    {5, 14, 3, "1e-300"}, {6, 4, 4, "nan"},    {5, 15, 3, "inf"}};
  IncidentSheet sheet;
  AddIncidentLayout(sheet);
  for (const Cell& in : inputs) sheet.Set(in.s, in.r, in.c, in.text);
  for (const IncidentResult& r : CalculateIncident(sheet)) {
    SCOPED_TRACE("cell (" + std::to_string(r.step) + ", " + std::to_string(r.row) + ", " +
                 std::to_string(r.column) + ") = " + r.text);
    std::string figure = r.text;
    if (figure.ends_with(" Days")) figure.resize(figure.size() - 5);
    EXPECT_EQ(figure.find_first_not_of("$-0123456789.,%"), std::string::npos);
    EXPECT_FALSE(figure.empty());
  }
}

TEST(IncidentCostModel, ASecondCalculationChangesNothing) {
  IncidentSheet sheet;
  AddIncidentLayout(sheet);
  for (const Cell& in : kCases[4].inputs) sheet.Set(in.s, in.r, in.c, in.text);
  sheet.Set(6, 2, 4, "1.5");
  sheet.Set(6, 3, 4, "700");
  const std::vector<IncidentResult> first = CalculateIncident(sheet);
  const std::vector<IncidentResult> second = CalculateIncident(sheet);
  ASSERT_EQ(first.size(), second.size());
  for (std::size_t i = 0; i < first.size(); ++i) EXPECT_EQ(first[i].text, second[i].text);
}

TEST(IncidentCostModel, WritesOnlyCellsThatExist) {
  IncidentSheet sheet;  // nothing built: nothing to write
  EXPECT_TRUE(CalculateIncident(sheet).empty());
  AddIncidentLayout(sheet);
  for (const IncidentResult& r : CalculateIncident(sheet)) EXPECT_TRUE(sheet.Has(r.step, r.row, r.column));
  // Group rows and the computed wage rows of step 6 have no cost cell of their own.
  EXPECT_FALSE(sheet.Has(1, 5, 4));
  EXPECT_FALSE(sheet.Has(5, 3, 4));
}

}  // namespace
