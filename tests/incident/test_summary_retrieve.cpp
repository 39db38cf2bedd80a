// The summary's retrieve button in the running program, over a small record file of stored incidents: the
// period and each criteria list choose which incidents count.
#include <map>
#include <string>
#include <vector>

#include "incident/incident_globals.h"
#include "platform/test_surface.h"
#include "shell/date_fields.h"
#include "shell/page_globals.h"
#include "shell/page_switching.h"
#include "shell/program_fixture.h"
#include "store/record_store.h"
#include "store/store_globals.h"

namespace {

// Each incident's total cost is a power of two, so the summary's grand total names the incidents counted.
constexpr const char* kIncidents =
    "create table if not exists incidents (uid integer primary key, field1 text, field2 text);"
    "alter table incidents add column incidenttypefield text;"
    "alter table incidents add column injurynaturefield text;"
    "alter table incidents add column bodypartfield text;"
    "alter table incidents add column incidentcausefield text;"
    "alter table incidents add column categoryofworkerfield text;"
    "alter table incidents add column departmentfield text;"
    "alter table incidents add column occupationfield text;"
    "alter table incidents add column datefield text;"
    "alter table incidents add column totalcostfield text;"
    "insert into incidents (incidenttypefield, injurynaturefield, bodypartfield, incidentcausefield,"
    " categoryofworkerfield, departmentfield, occupationfield, datefield, totalcostfield) values"
    " ('0', '6', '4', '4', '0', 'Kitchen', 'cook', '2010-07-01', '1'),"
    " ('1', '1', '9', '3', '1', 'Plant ''B''', 'welder', '2010-07-31', '2'),"
    " ('3', '6', '99', '99', '0', '100% line', 'fitter_2', '2010-07-15', '4'),"
    " ('0', '3', '4', '4', '2', '100x line', 'fitterX2', '2010-07-20', '8'),"
    " ('99', '1', '9', '0', '0', 'Kitchen', 'cook', '2010-06-30', '16'),"
    " ('2', '3', '4', '0', '0', 'Kitchen', 'cook', '2010-08-01', '32');";

class SummaryRetrieve : public ProgramTest {
 protected:
  void SetUp() override {
    ProgramTest::SetUp();
    ASSERT_TRUE(RecordDatabase.Execute(kIncidents));
    pf::HideGadget(FrontPageHolder, true);
    pf::HideGadget(TabbedArea, false);
    ShowPage(2, 10, 1);
    NewMISummary();
    Pump();
    pf::test::TakeMessageLog();
  }

  // Chooses the list's items: by code for the lists of codes, by text for departments and occupations
  // (added when the list does not offer the text yet). No item: nothing selected at all.
  static void Choose(int row, const std::vector<std::string>& items) {
    const int list = MIGadget(row, 2);
    const bool byText = row == 9 || row == 11;
    for (int i = 0, n = pf::CountGadgetItems(list); i < n; ++i) pf::SetGadgetItemSelected(list, i, false);
    for (const std::string& item : items) {
      int found = -1;
      for (int i = 0, n = pf::CountGadgetItems(list); i < n && found < 0; ++i)
        if (byText ? pf::GetGadgetItemText(list, i) == item
                   : std::to_string(pf::GetGadgetItemData(list, i)) == item)
          found = i;
      if (found < 0 && byText) {
        found = pf::CountGadgetItems(list);
        pf::AddGadgetItem(list, -1, item);
      }
      ASSERT_GE(found, 0) << item;
      pf::SetGadgetItemSelected(list, found, true);
    }
  }

  static void AllItems() {
    for (int row = 5; row <= 11; ++row) Choose(row, {});
    for (int row = 5; row <= 11; ++row) pf::SetGadgetItemSelected(MIGadget(row, 2), 0, true);
  }

  static void Period(pf::Date start, pf::Date end) {
    SetDateGadget(MIGadget(2, 2), start.year, start.month, start.day);
    SetDateGadget(MIGadget(3, 2), end.year, end.month, end.day);
  }

  // The button sits below the criteria: the upper area is scrolled to it first, as the user would.
  void ClickRetrieve() {
    const int button = MIGadget(12, 2), area = MIScrollArea(2);
    const int below = pf::GadgetScreenRect(button).Bottom() - pf::GadgetScreenRect(area).Bottom();
    if (below > 0) pf::SetScrollY(area, pf::GetScrollY(area) + below + 10);
    Pump();
    pf::test::Click(button);
    Pump();
  }

  static std::string Shown(int row, int column) { return pf::GetGadgetText(MIGadget(row, column)); }
};

TEST_F(SummaryRetrieve, TheCriteriaAloneAndTogetherChooseTheIncidents) {
  struct Case {
    const char* name;
    std::map<int, std::vector<std::string>> lists;  // criteria row -> chosen items
    const char* count;
    const char* total;  // the sum of the chosen incidents' powers of two
  };
  const Case cases[] = {
      {"every list on its all-items entry", {}, "4", "15"},
      {"the all-items entry with others chosen too",
       {{5, {"100", "0"}}, {11, {"ALL DEPARTMENTS", "Kitchen"}}},
       "4",
       "15"},
      {"incident types", {{5, {"0", "3"}}}, "3", "13"},
      {"injury natures", {{6, {"6"}}}, "2", "5"},
      {"body parts", {{7, {"99"}}}, "1", "4"},
      {"incident causes", {{8, {"4", "3"}}}, "3", "11"},
      {"occupations: an underscore is itself", {{9, {"fitter_2"}}}, "1", "4"},
      {"worker categories", {{10, {"2"}}}, "1", "8"},
      {"departments: a quote is itself", {{11, {"Plant 'B'"}}}, "1", "2"},
      {"departments: a percent sign is itself", {{11, {"100% line"}}}, "1", "4"},
      {"type and department together", {{5, {"0"}}, {11, {"Kitchen"}}}, "1", "1"},
      {"type, nature and part together", {{5, {"0", "1", "3"}}, {6, {"6", "1"}}, {7, {"4", "9"}}}, "2", "3"},
      {"a department no incident has", {{11, {"Nowhere"}}}, "0", "0"},
      {"a list with nothing chosen", {{8, {}}}, "0", "0"},
  };
  Period({2010, 7, 1}, {2010, 7, 31});
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    AllItems();
    for (const auto& [row, items] : c.lists) Choose(row, items);
    ClickRetrieve();
    EXPECT_EQ(Shown(14, 6), c.count);
    EXPECT_EQ(Shown(41, 6), c.total);
    EXPECT_EQ(pf::test::DisplayedText(MIGadget(12, 1)), "* Incidents successfully retrieved (see below) *");
  }
  EXPECT_TRUE(pf::test::TakeMessageLog().empty());
  // With nothing found every figure reads 0.
  EXPECT_EQ(Shown(14, 1), "0");
  EXPECT_EQ(Shown(25, 5), "0");
  EXPECT_EQ(Shown(44, 1), "0.00%");
  EXPECT_EQ(Shown(45, 3), "0.00");
  EXPECT_EQ(ModifiedFlags(KindMISummary), 1);
}

TEST_F(SummaryRetrieve, ThePeriodIncludesBothOfItsDays) {
  const struct {
    pf::Date start, end;
    const char* count;
    const char* total;
  } cases[] = {
      {{2010, 7, 1}, {2010, 7, 1}, "1", "1"},
      {{2010, 7, 31}, {2010, 8, 1}, "2", "34"},
      {{2010, 6, 30}, {2010, 8, 1}, "6", "63"},
      {{2010, 6, 1}, {2010, 6, 29}, "0", "0"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.start.month) + "/" + std::to_string(c.start.day));
    Period(c.start, c.end);
    ClickRetrieve();
    EXPECT_EQ(Shown(14, 6), c.count);
    EXPECT_EQ(Shown(41, 6), c.total);
  }
}

TEST_F(SummaryRetrieve, ANewSummaryEmptiesTheStatusLineAndOnlyAClickRetrieves) {
  Period({2010, 7, 1}, {2010, 7, 31});
  EXPECT_EQ(Shown(12, 1), "");
  pf::test::Click(MIGadget(12, 1));  // the status line is not the button
  Pump();
  EXPECT_EQ(Shown(14, 6), "");
  ClickRetrieve();
  EXPECT_EQ(Shown(14, 6), "4");
  ModifiedFlags(KindMISummary) = 0;
  NewMISummary();
  Pump();
  EXPECT_EQ(Shown(12, 1), "");
}

}  // namespace
