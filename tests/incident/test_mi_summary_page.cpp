// The Multiple Incidents Summary page in the running program, retrieving from a real database file.
#include <unistd.h>

#include <filesystem>
#include <string>

#include "incident/incident_globals.h"
#include "incident/incident_pages.h"
#include "platform/test_surface.h"
#include "shell/date_fields.h"
#include "shell/page_globals.h"
#include "shell/page_switching.h"
#include "shell/program_fixture.h"
#include "store/store_globals.h"

namespace {

class MISummary : public ProgramTest {
 protected:
  void SetUp() override {
    ProgramTest::SetUp();
    dir_ = std::filesystem::temp_directory_path() / ("mi_summary_" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir_);
    ASSERT_TRUE(RecordDatabase.Open((dir_ / "records.dat").string(), true));
    // A new summary takes the company's figures from the file, as every new record does.
    Run("create table staticinfo (uid integer primary key, companyname text, hoursperyear text);"
        "insert into staticinfo (companyname, hoursperyear) values ('', '2,000');");
    pf::HideGadget(FrontPageHolder, true);
    pf::HideGadget(TabbedArea, false);
    ShowPage(2, 10, 1);
    Pump();
  }
  void TearDown() override {
    RecordDatabase.Close();
    std::filesystem::remove_all(dir_);
    ProgramTest::TearDown();
  }

  static void Run(const std::string& sqlText) { ASSERT_TRUE(RecordDatabase.Execute(sqlText)) << sqlText; }

  static void StoreIncidents() {
    Run("create table incidents (uid integer primary key, field1 text, field2 text, incidenttypefield text,"
        " datefield text, totalcostfield text, indirectcostfield text, departmentfield text);"
        "insert into incidents (incidenttypefield, datefield, totalcostfield, indirectcostfield, "
        "departmentfield)"
        " values ('0', '2010-07-01', '1,000', '1,000', 'Plant ''B'''),"
        "        ('3', '2010-07-05', '50', '50', 'Kitchen'),"
        "        ('99', '2010-07-03', '7', '7', 'Plant ''B'''),"
        "        ('0', '2010-06-30', '500', '500', 'Plant ''B'''),"
        "        ('1', '2010-07-06', '500', '500', 'Kitchen');");
  }

  static void Period(pf::Date start, pf::Date end) {
    SetDateGadget(MIGadget(2, 2), start.year, start.month, start.day);
    SetDateGadget(MIGadget(3, 2), end.year, end.month, end.day);
  }

  static std::string Shown(int row, int column) { return pf::GetGadgetText(MIGadget(row, column)); }

  std::filesystem::path dir_;
};

TEST_F(MISummary, PageStandsWithItsListsOnTheirFirstItems) {
  EXPECT_TRUE(pf::IsGadgetVisible(MISummaryPage));
  const struct {
    int row;
    const char* first;
  } lists[] = {{5, "ALL TYPES"},  {6, "ALL NATURES"},     {7, "ALL PARTS"},       {8, "ALL CAUSES"},
               {9, "ALL GROUPS"}, {10, "ALL CATEGORIES"}, {11, "ALL DEPARTMENTS"}};
  for (const auto& l : lists) {
    EXPECT_EQ(pf::GetGadgetItemText(MIGadget(l.row, 2), 0), l.first);
    EXPECT_TRUE(pf::IsGadgetItemSelected(MIGadget(l.row, 2), 0));
  }
  EXPECT_EQ(pf::CountGadgetItems(MIGadget(5, 2)), int(IncidentTypeList.size()) + 1);
  EXPECT_EQ(pf::GetGadgetItemData(MIGadget(5, 2), 0), 100);
  // Result cells exist only in the columns their rows show.
  EXPECT_NE(MIGadget(15, 3), 0);
  EXPECT_EQ(MIGadget(15, 2), 0);
  EXPECT_NE(MIGadget(26, 5), 0);
  EXPECT_EQ(MIGadget(26, 6), 0);
  EXPECT_FALSE(pf::IsGadgetVisible(MIPrintButton));
  EXPECT_TRUE(pf::IsGadgetVisible(MISaveButton));
}

TEST_F(MISummary, TheSharedBarMovesTheCriteriaFirstAndThenOnlyTheResults) {
  ASSERT_GT(MIScrollSplit, 0);
  pf::SendScrollRequest(MIScrollArea(1), pf::ScrollKind::Bottom);
  Pump();
  EXPECT_EQ(pf::GetScrollY(MIScrollArea(2)), MIScrollSplit);
  EXPECT_GT(pf::GetScrollY(MIScrollArea(3)), 0);
  pf::SendScrollRequest(MIScrollArea(1), pf::ScrollKind::Top);
  Pump();
  EXPECT_EQ(pf::GetScrollY(MIScrollArea(2)), 0);
  EXPECT_EQ(pf::GetScrollY(MIScrollArea(3)), 0);
}

TEST_F(MISummary, RetrievalCountsThePeriodAndTheChosenDepartment) {
  StoreIncidents();
  Period({2010, 7, 1}, {2010, 7, 5});
  RetrieveIncidentsForMI();
  EXPECT_EQ(Shown(14, 6), "3");  // both ends of the period are included
  EXPECT_EQ(Shown(14, 1), "1");
  EXPECT_EQ(Shown(41, 1), "1,000");
  EXPECT_EQ(Shown(41, 6), "1,057");
  EXPECT_EQ(Shown(44, 1), "0.00%");  // no absence wage, so no hours to compare
  EXPECT_EQ(ModifiedFlags(KindMISummary), 1);

  // Only the department whose name holds a quote.
  const int departments = MIGadget(11, 2);
  pf::AddGadgetItem(departments, -1, "Kitchen");
  pf::AddGadgetItem(departments, -1, "Plant 'B'");
  pf::SetGadgetItemSelected(departments, 0, false);
  pf::SetGadgetItemSelected(departments, 2, true);
  RetrieveIncidentsForMI();
  EXPECT_EQ(Shown(14, 6), "2");
  EXPECT_EQ(Shown(14, 4), "0");
  EXPECT_EQ(Shown(25, 5), "7");

  // A list with nothing selected admits nothing.
  pf::SetGadgetItemSelected(departments, 2, false);
  RetrieveIncidentsForMI();
  EXPECT_EQ(Shown(14, 6), "0");
  EXPECT_EQ(Shown(45, 1), "0.00");
}

TEST_F(MISummary, ATableWithoutTheNamedColumnsIsNoIncidents) {
  Run("create table incidents (uid integer primary key, field1 text, field2 text);");
  pf::test::TakeMessageLog();
  RetrieveIncidentsForMI();
  EXPECT_TRUE(pf::test::TakeMessageLog().empty());
  EXPECT_EQ(Shown(14, 6), "0");
  EXPECT_EQ(Shown(41, 3), "0");
  EXPECT_EQ(ModifiedFlags(KindMISummary), 1);
}

TEST_F(MISummary, AFailingDatabaseIsReportedAndChangesNothing) {
  StoreIncidents();
  Period({2010, 7, 1}, {2010, 7, 5});
  RetrieveIncidentsForMI();
  ModifiedFlags(KindMISummary) = 0;
  RecordDatabase.Close();
  pf::test::TakeMessageLog();
  pf::test::ScriptMessageAnswers({pf::Answer::Ok});
  RetrieveIncidentsForMI();
  EXPECT_EQ(pf::test::TakeMessageLog().size(), 1u);
  EXPECT_EQ(Shown(14, 6), "3");
  EXPECT_EQ(ModifiedFlags(KindMISummary), 0);
}

}  // namespace
