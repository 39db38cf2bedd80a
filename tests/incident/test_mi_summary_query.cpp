#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>

#include "incident/mi_summary_query.h"

namespace {

const std::string kBase =
    "select * from incidents where totalcostfield <> ? and date(datefield) >= Date(?) and "
    "date(datefield) <= Date(?)";

TEST(MISummaryQuery, CriteriaJoinAsBoundValues) {
  struct Case {
    const char* name;
    std::vector<MICriterion> lists;
    std::string clauses;
    std::vector<std::string> values;  // after the period's three
  };
  const Case cases[] = {
      {"every list on its all-items entry adds nothing",
       {{"incidenttypefield", false, 0, {}}, {"departmentfield", true, 0, {}}},
       "",
       {}},
      {"a list with nothing selected admits no incident",
       {{"incidenttypefield", false, -1, {}}},
       " and (incidenttypefield=?)",
       {"-2"}},
      {"codes and texts, each list its own clause",
       {{"incidenttypefield", false, 1, {"0", "3"}}, {"departmentfield", true, 2, {"Plant 'B'"}}},
       " and (incidenttypefield=? or incidenttypefield = ? or incidenttypefield = ?)"
       " and (departmentfield=? or departmentfield = ?)",
       {"-2", "0", "3", "fdgdfggretredf", "Plant 'B'"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const MIQuery q = BuildMISummaryQuery("2010-07-01", "2010-07-31", c.lists);
    EXPECT_EQ(q.sql, kBase + c.clauses);
    std::vector<std::string> values = {"ofgofdgfdgo", "2010-07-01", "2010-07-31"};
    values.insert(values.end(), c.values.begin(), c.values.end());
    EXPECT_EQ(q.values, values);
  }
}

MIIncident Incident(const char* type, std::map<std::string, const char*> values) {
  std::array<std::string, 15> texts;
  texts[0] = type;
  for (std::size_t k = 1; k < kMIIncidentColumns.size(); ++k) {
    const auto found = values.find(kMIIncidentColumns[k]);
    if (found != values.end()) texts[k] = found->second;
  }
  return MIIncidentFromTexts(texts);
}

std::string Figure(const std::vector<MICellText>& cells, int row, int column) {
  for (const MICellText& c : cells)
    if (c.row == row && c.column == column) return c.text;
  return "(no cell)";
}

TEST(MISummaryQuery, TotalsAveragesAndRatesByType) {
  MITotals totals;
  totals.Add(Incident("0", {{"absencetimefield", "40"},
                            {"absenceratefield", "20"},
                            {"absenceshorttermfield", "10"},
                            {"absenceworkplacefield", "60"},
                            {"claimcostfield", "1000"},
                            {"indirectcostfield", "500"},
                            {"immediatecostfield", "100"},
                            {"lostproductivitycostfield", "50"},
                            {"totalcostfield", "1030"}}));
  totals.Add(Incident("0", {{"absencetimefield", "20"},
                            {"absenceratefield", "25"},
                            {"absenceworkplacefield", "100"},
                            {"claimcostfield", "2,000"},
                            {"indirectcostfield", "1,500"},
                            {"totalcostfield", "2000"}}));
  totals.Add(Incident("3", {{"absencetimefield", "8"},
                            {"absenceratefield", "20"},
                            {"indirectcostfield", "200"},
                            {"lostproductivitycostfield", "30"},
                            {"claimcostfield", "70"},
                            {"totalcostfield", "230"}}));
  totals.Add(Incident("99", {{"indirectcostfield", "100"}, {"totalcostfield", "100"}}));
  const std::vector<MICellText> f = MISummaryFigures(totals, 2000);
  const struct {
    int row, column;
    const char* text;
  } expected[] = {
      {14, 1, "2"},     {14, 2, "0"},     {14, 4, "1"},     {14, 5, "1"},    {14, 6, "4"},
      {15, 1, "60"},    {16, 1, "30"},    {15, 6, "60"},    {16, 3, "0"},    {17, 1, "1,300"},
      {18, 1, "650"},   {19, 1, "80"},    {21, 1, "0"},     {39, 1, "980"},  {23, 1, "3,000"},
      {24, 1, "1,500"}, {23, 6, "3,000"}, {25, 1, "2,000"}, {25, 4, "200"},  {25, 6, "2,300"},
      {26, 1, "1,000"}, {26, 2, "0"},     {27, 1, "100"},   {28, 1, "50"},   {37, 1, "50"},
      {37, 6, "50"},    {41, 1, "3,030"}, {41, 6, "3,360"}, {43, 1, "92"},   {44, 1, "4.62%"},
      {45, 1, "1.54"},  {43, 3, "0"},     {44, 3, "0.00%"}, {45, 3, "0.00"},
  };
  for (const auto& e : expected)
    EXPECT_EQ(Figure(f, e.row, e.column), e.text) << "cell (" << e.row << ", " << e.column << ")";
  // A near miss's absence and claim are neither shown nor counted; nor are cells outside a row's columns.
  EXPECT_EQ(Figure(f, 15, 4), "(no cell)");
  EXPECT_EQ(Figure(f, 23, 4), "(no cell)");
  EXPECT_EQ(Figure(f, 14 + 1, 2), "(no cell)");
}

TEST(MISummaryQuery, NoIncidentsAndNoFullTimeHoursShowZeros) {
  const std::vector<MICellText> f = MISummaryFigures(MITotals{}, 0);
  for (const MICellText& c : f) {
    SCOPED_TRACE("cell (" + std::to_string(c.row) + ", " + std::to_string(c.column) + ")");
    EXPECT_TRUE(c.text == "0" || c.text == "0.00" || c.text == "0.00%") << c.text;
  }
  EXPECT_EQ(Figure(f, 44, 1), "0.00%");
  EXPECT_EQ(Figure(f, 45, 3), "0.00");
}

}  // namespace
