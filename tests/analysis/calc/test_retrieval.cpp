// The stored-incident query and the sums the retrievals make of its rows, without a worksheet.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "analysis/calc/incident_fixture.h"
#include "analysis/calc/incident_retrieval.h"
#include "analysis/calc/retrieval_query.h"

namespace {

class RetrievalQueryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/quillmark-retrieval-XXXXXX";
    ASSERT_NE(::mkdtemp(pattern), nullptr);
    dir = pattern;
    path = dir + "/records.dat";
    ASSERT_TRUE(db.Open(path, true));
    ASSERT_TRUE(db.Execute("CREATE TABLE Incidents ( UID integer primary key, field1 text, field2 text);"));
  }
  void TearDown() override {
    db.Close();
    std::filesystem::remove_all(dir);
  }
  RetrievedRows Run(const std::string& start, const std::string& end, std::vector<RetrievalCriterion> lists) {
    return RunRetrievalQuery(db, BuildRetrievalQuery("*", start, end, lists, true), {"totalcostfield"});
  }
  std::string dir, path;
  sql::Database db;
};

RetrievalCriterion Departments(int lowest, std::vector<std::string> values) {
  return {"departmentfield", true, lowest, std::move(values)};
}

TEST_F(RetrievalQueryTest, PeriodAndCriteriaSelectTheMatchingIncidents) {
  AddIncidentColumns(db);
  InsertFixtureIncidents(db);
  InsertIncident(db, {{"datefield", "2009-05-05"}});  // no total cost: never retrieved
  struct Case {
    const char* name;
    const char* start;
    const char* end;
    std::vector<RetrievalCriterion> lists;
    std::vector<std::string> totals;  // in industry-code order
  };
  const Case cases[] = {
      {"all lists on their all entry",
       "2009-01-01",
       "2009-12-31",
       {Departments(0, {"kitchen"})},
       {"40", "250", "2,000", "1000.50", "500"}},
      {"both ends included", "2009-12-31", "2009-12-31", {}, {"500"}},
      {"a period ending before it starts", "2009-12-31", "2009-01-01", {}, {}},
      {"quotes in a department",
       "2009-01-01",
       "2009-12-31",
       {Departments(1, {"Pick 'n' pack"})},
       {"1000.50"}},
      {"% and _ match only themselves",
       "2009-01-01",
       "2009-12-31",
       {Departments(1, {"100%_sure"})},
       {"2,000"}},
      {"a list with nothing selected", "2009-01-01", "2010-12-31", {Departments(-1, {})}, {}},
      {"codes", "2009-01-01", "2010-12-31", {{"incidenttypefield", false, 1, {"3", "2"}}}, {"9000", "500"}},
  };
  for (const Case& c : cases) {
    const RetrievedRows r = Run(c.start, c.end, c.lists);
    ASSERT_TRUE(r.ok) << c.name << ": " << r.message;
    std::vector<std::string> totals;
    for (const auto& row : r.rows) totals.emplace_back(row[0]);
    EXPECT_EQ(totals, c.totals) << c.name;
  }
}

TEST_F(RetrievalQueryTest, ATableThatNeverHeldAnIncidentIsNoIncidentsButALockIsAFailure) {
  const RetrievedRows none = Run("2009-01-01", "2009-12-31", {});
  EXPECT_TRUE(none.ok);
  EXPECT_TRUE(none.rows.empty());

  AddIncidentColumns(db);
  InsertFixtureIncidents(db);
  sql::Database other;
  ASSERT_TRUE(other.Open(path, false));
  ASSERT_TRUE(other.Execute("begin exclusive;"));
  ASSERT_TRUE(db.SetBusyTimeout(0));
  const RetrievedRows locked = Run("2009-01-01", "2009-12-31", {});
  EXPECT_FALSE(locked.ok);
  EXPECT_NE(locked.message.find("locked"), std::string::npos) << locked.message;
  EXPECT_TRUE(locked.rows.empty());
}

std::vector<std::string> PassRow(std::initializer_list<std::pair<int, const char*>> values) {
  std::vector<std::string> row(kPassColumns);
  for (const auto& [column, text] : values) row[std::size_t(column)] = text;
  return row;
}

TEST(PassSums, CountsCostsHoursAndDisabilityWagesOfAPass) {
  const std::vector<std::vector<std::string>> rows = {
      PassRow({{kTotalCost, "1,000.50"},
               {kIncidentType, "0"},
               {kAbsenceTime, "10"},
               {kAbsenceRate, "20"},
               {kAbsenceShortTerm, "50"},
               {kAbsenceLongTerm, "10"},
               {kModifiedTime, "4"},
               {kModifiedRate, "20"},
               {kModifiedShortTerm, "25"},
               {kModifiedLongTerm, "5"}}),
      PassRow({{kTotalCost, "0.004"}, {kIncidentType, "99"}, {kAbsenceTime, "0.004"}}),
      PassRow({{kTotalCost, "abc"}, {kIncidentType, ""}, {kModifiedTime, "0.004"}}),
  };
  const PassFigures f = SumPass(rows);
  EXPECT_EQ(f.count, 3);
  EXPECT_DOUBLE_EQ(f.totalCost, 1000.504);
  EXPECT_EQ(f.typeCount[1], 2);  // an empty type reads 0
  EXPECT_EQ(f.typeCount[5], 1);
  EXPECT_DOUBLE_EQ(f.absenceHours, 10.004);
  EXPECT_DOUBLE_EQ(f.modifiedHours, 4.004);
  EXPECT_DOUBLE_EQ(f.shortTermWages, 100 + 20);
  EXPECT_DOUBLE_EQ(f.longTermWages, 20 + 4);
}

TEST(PassClaims, CodesShareOneTrimmedRecordAndCodesNoLongerFoundLoseTheirs) {
  IndustryCodeList list(2);
  list[0].s[kCodeField] = "4711";
  list[0].s[kClaims1Field] = list[0].s[kClaims2Field] = "0";
  list[0].s[kAverageRateField] = "1.25";  // typed on step 7: kept while the code is retrieved
  list[1].s[kCodeField] = "gone";
  std::vector<std::string> seen;
  AddPassClaims(list, 0,
                {PassRow({{kIndustryCode, "4711"}, {kClaimCost, "300"}}),
                 PassRow({{kIndustryCode, " 4711 "}, {kClaimCost, "200.40"}})},
                seen);
  AddPassClaims(list, 1,
                {PassRow({{kIndustryCode, ""}, {kClaimCost, "50"}}),
                 PassRow({{kIndustryCode, "  "}, {kClaimCost, "1,000"}}),
                 PassRow({{kIndustryCode, "ab1"}, {kClaimCost, "7"}}),
                 PassRow({{kIndustryCode, "AB1"}, {kClaimCost, "8"}}),
                 PassRow({{kIndustryCode, "ab1 "}, {kClaimCost, "1"}})},
                seen);
  DropRecordsNotRetrieved(list, seen);
  ASSERT_EQ(list.size(), 4u);
  EXPECT_EQ(list[0].s[kClaims1Field], "500.40");
  EXPECT_EQ(list[0].s[kAverageRateField], "1.25");
  EXPECT_EQ(list[1].s[kCodeField], "");
  EXPECT_EQ(list[1].s[kClaims1Field], "");  // met only in the second pass
  EXPECT_EQ(list[1].s[kClaims2Field], "1050.00");
  // Letter case tells codes apart.
  EXPECT_EQ(list[2].s[kCodeField], "ab1");
  EXPECT_EQ(list[2].s[kClaims2Field], "8.00");
  EXPECT_EQ(list[3].s[kCodeField], "AB1");
  EXPECT_EQ(list[3].s[kClaims2Field], "8");
}

std::vector<std::string> PIRow(std::initializer_list<std::pair<int, const char*>> values) {
  std::vector<std::string> row(kPIColumns);
  for (const auto& [column, text] : values) row[std::size_t(column)] = text;
  return row;
}

std::map<std::pair<int, int>, std::string> GridOf(const std::vector<std::vector<std::string>>& rows) {
  std::map<std::pair<int, int>, std::string> grid;
  for (const PIGridText& t : PIGridTexts(SumPIIncidents(rows))) grid[{t.row, t.slot}] = t.text;
  return grid;
}

TEST(PotentialGrid, SumsKeepTheirCentsUntilWrittenAndTheDivisionsAreGuarded) {
  std::vector<std::vector<std::string>> rows;
  for (int i = 0; i < 10; ++i)
    rows.push_back(
        PIRow({{kPIType, "0"}, {kPIAbsenceTime, "0.4"}, {kPIClaimCost, "10.40"}, {kPIIndustryCode, "7"}}));
  rows.push_back(PIRow({{kPIType, "1"}, {kPIIndirectCost, "100"}}));
  rows.push_back(PIRow({{kPIType, "1"}, {kPIIndirectCost, "51"}}));
  rows.push_back(
      PIRow({{kPIType, "2"}, {kPIModifiedTime, "10"}, {kPIModifiedRate, "10"}, {kPIModifiedValue, "75"}}));
  rows.push_back(
      PIRow({{kPIType, "2"}, {kPIModifiedTime, "30"}, {kPIModifiedRate, "10"}, {kPIModifiedValue, "50"}}));
  const auto grid = GridOf(rows);
  EXPECT_EQ(grid.at({21, 1}), "4");    // ten times 0.4 hours
  EXPECT_EQ(grid.at({27, 1}), "104");  // ten claims of 10.40
  EXPECT_EQ(grid.at({27, 0}), "7 ");
  EXPECT_EQ(grid.at({35, 1}), "0.00");  // no wage value of time off work
  EXPECT_EQ(grid.at({34, 2}), "76");    // 151 over two incidents
  EXPECT_EQ(grid.at({39, 3}), "56");    // 75 % of 100 and 50 % of 300, weighed by value
  EXPECT_EQ(grid.at({20, 3}), "2");
  EXPECT_EQ(grid.count({20, 4}), 0u);  // no near miss: the column stays empty
  EXPECT_EQ(grid.count({21, 2}), 0u);  // no absence rows for no-lost-time incidents
}

TEST(PotentialGrid, SixClaimLinesTakeTheCodesFirstMetAndTheRestAreNamed) {
  std::vector<std::vector<std::string>> rows;
  for (const char* code : {"", "a", " b", "c", "b", "B", "d", "e", "f", "g", "  "})
    rows.push_back(PIRow({{kPIType, "1"}, {kPIIndustryCode, code}, {kPIClaimCost, "5"}}));
  rows.push_back(
      PIRow({{kPIType, "3"}, {kPIIndustryCode, "h"}, {kPIClaimCost, "5"}}));  // near miss: no claim
  const PIGridFigures f = SumPIIncidents(rows);
  EXPECT_EQ(f.leftOut, (std::vector<std::string>{"e", "f", "g"}));
  const auto grid = GridOf(rows);
  const std::vector<std::pair<std::string, std::string>> lines = {{"[none]", "10"}, {"a ", "5"}, {"b ", "10"},
                                                                  {"c ", "5"},      {"B ", "5"}, {"d ", "5"}};
  for (int l = 0; l < 6; ++l) {
    EXPECT_EQ(grid.at({27 + l, 0}), lines[std::size_t(l)].first);
    EXPECT_EQ(grid.at({27 + l, 2}), lines[std::size_t(l)].second);
    EXPECT_EQ(grid.count({27 + l, 1}), 0u);
  }
}

}  // namespace
