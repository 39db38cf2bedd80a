// The record file held by another program while the user opens pages and panels that read from it: the
// user waits out the busy time-out once per click and is told once, and the lists and choices that could
// not be read show the stored records as soon as they are shown again with the file free.
#include <string>

#include "shell/page_globals.h"
#include "shell/page_switching.h"
#include "shell/shell_globals.h"
#include "store/held_file_fixture.h"
#include "store/incident_choices.h"
#include "store/record_kinds.h"

namespace {

using namespace held;

TEST_F(HeldFileTest, TheIncidentCalculatorOpensWithOneWaitAndOneMessage) {
  Hold();
  ExpectOneWaitOneMessage(ClickAndCount(HomeTile(2)));
  EXPECT_EQ(CurrentTopTab, 2);
  EXPECT_FALSE(pf::IsGadgetHidden(IncidentMenuPage));
  EXPECT_EQ(Rows(IncidentList), 0);

  // Still held: the panel tries once more, at the same cost, and the list stays as it was.
  ExpectOneWaitOneMessage(ClickAndCount(IncidentPastTile));
  EXPECT_EQ(Rows(IncidentList), 0);

  Release();
  ExpectFree(ClickAndCount(IncidentPastTile));
  ASSERT_EQ(Rows(IncidentList), kIncidents);
  EXPECT_EQ(pf::GetGadgetItemText(IncidentList, 0, 1), "ALT-1");
  EXPECT_EQ(pf::GetGadgetItemData(IncidentList, kIncidents - 1), kIncidents);
  ExpectFree(ClickAndCount(MIReviewTile));
  ASSERT_EQ(Rows(MISummaryList), kSummaries);
  EXPECT_EQ(pf::GetGadgetItemText(MISummaryList, 2, 1), "Summary 3");
}

// A panel left open while the file was held shows the records once the user comes back to its page.
TEST_F(HeldFileTest, AnOpenPanelIsFilledWhenItsPageIsShownAgain) {
  Hold();
  ClickAndCount(HomeTile(2));
  ExpectOneWaitOneMessage(ClickAndCount(IncidentPastTile));
  Release();
  ExpectFree(ClickAndCount(SecondTabGadget(8)));  // step 1 of the incident
  EXPECT_EQ(Rows(IncidentList), 0);               // its panel is out of sight
  ExpectFree(ClickAndCount(SecondTabGadget(9)));  // back to the start page, the panel still open
  EXPECT_EQ(Rows(IncidentList), kIncidents);
}

// The department and occupation choices read while the file was held come back when next shown, with what
// the user typed or chose meanwhile.
TEST_F(HeldFileTest, MissedChoicesAreOfferedWhenNextShownKeepingTheUsersOwn) {
  Hold();
  ExpectOneWaitOneMessage(ClickAndCount(HomeTile(2)));
  // Still held when the summary comes up: one more try, at the same cost. The user takes the "ALL" item
  // of the departments off.
  ExpectOneWaitOneMessage(ClickAndCount(MICreateTile));
  const int departments = MIGadget(11, 2);
  ASSERT_EQ(Items(departments), std::vector<std::string>{"ALL DEPARTMENTS"});
  // The list stands below the page's first screen: the user turns the wheel to it.
  for (int turn = 0; turn < 40 && pf::GadgetScreenRect(departments).y > 400; ++turn) {
    pf::test::Wheel(MIScrollArea(2), -120);
    Pump();
  }
  ClickItem(departments, 0);
  Pump();
  ASSERT_FALSE(pf::IsGadgetItemSelected(departments, 0));
  // And on step 1 they type a department of their own.
  ExpectFree(ClickAndCount(SecondTabGadget(9)));
  ExpectOneWaitOneMessage(ClickAndCount(IncidentNewTile));
  const int department = IncidentGadget(0, 14, 2), occupation = IncidentGadget(0, 12, 2);
  EXPECT_TRUE(Items(department).empty());
  pf::test::Click(department);
  pf::test::TypeText("Dock");
  Pump();

  Release();
  ExpectFree(ClickAndCount(SecondTabGadget(7)));  // step 2
  ExpectFree(ClickAndCount(SecondTabGadget(8)));  // step 1 again
  EXPECT_EQ(Items(department), Numbered("", "Dept", 7));
  EXPECT_EQ(Items(occupation), Numbered("", "Trade", 5));
  EXPECT_EQ(pf::test::ComboEditText(department), "Dock");

  ExpectFree(ClickAndCount(ThirdTabGadget(1)));  // the summary
  EXPECT_EQ(Items(departments), Numbered("ALL DEPARTMENTS", "Dept", 7));
  EXPECT_EQ(Items(MIGadget(9, 2)), Numbered("ALL GROUPS", "Trade", 5));
  for (int i = 0; i < pf::CountGadgetItems(departments); ++i)
    EXPECT_FALSE(pf::IsGadgetItemSelected(departments, i)) << i;
}

// A department chosen in a criteria list that missed its fill stays chosen when the list is filled again
// and the item stands elsewhere.
TEST_F(HeldFileTest, AChoiceMadeWhileTheCriteriaMissedTheirFillStaysChosenWhenTheyAreFilled) {
  Hold();
  ExpectFree(ClickAndCount(HomeTile(3)));
  ExpectOneWaitOneMessage(ClickAndCount(AnalysisChoiceTile(1)));
  const int departments = BAGadget(6, 6, 1, 2);
  ASSERT_EQ(Items(departments), std::vector<std::string>{"ALL DEPARTMENTS"});
  // With the file free, an incident names a department of its own, which the criteria offer from then on.
  Release();
  ExpectFree(ClickAndCount(TopTabGadget(2)));
  ExpectFree(ClickAndCount(SecondTabGadget(9)));
  ExpectFree(ClickAndCount(IncidentNewTile));
  pf::test::Click(IncidentGadget(0, 14, 2));
  pf::test::TypeText("Dock");
  ExpectFree(ClickAndCount(IncidentSaveButton));
  ASSERT_EQ(Items(departments), (std::vector<std::string>{"ALL DEPARTMENTS", "Dock"}));

  // Held again when the user comes to the criteria, who chooses that department there.
  Hold();
  ExpectFree(ClickAndCount(TopTabGadget(1)));
  ExpectOneWaitOneMessage(ClickAndCount(ThirdTabGadget(6)));
  // The criteria stand below the step's first screen: the user turns the wheel to them.
  int area = pf::GadgetParent(departments);
  while (area && pf::GadgetKind(area) != pf::Kind::ScrollArea) area = pf::GadgetParent(area);
  for (int turn = 0; turn < 40 && pf::GadgetScreenRect(departments).y > 400; ++turn) {
    pf::test::Wheel(area, -120);
    Pump();
  }
  ExpectFree(Count([&] { ClickItem(departments, 1); }));
  ASSERT_TRUE(pf::IsGadgetItemSelected(departments, 1));
  const std::vector<std::string> chosen = Chosen(departments);

  Release();
  ExpectFree(ClickAndCount(ThirdTabGadget(7)));
  ExpectFree(ClickAndCount(ThirdTabGadget(6)));
  std::vector<std::string> offered = Numbered("ALL DEPARTMENTS", "Dept", 7);
  offered.push_back("Dock");
  EXPECT_EQ(Items(departments), offered);
  EXPECT_EQ(Chosen(departments), chosen);
}

// A control's items after the stored texts come in: its own first, then the stored ones in their order,
// then what saves added that the file no longer names, each once.
TEST(MergedChoices, KeepOwnItemsFirstAndEveryTextOnce) {
  struct Case {
    std::vector<std::string> items;
    int own;
    std::vector<std::string> stored, merged;
  };
  const Case cases[] = {
      {{"ALL"}, 1, {"Dock", "Yard"}, {"ALL", "Dock", "Yard"}},
      {{"ALL", "Yard", "Gone"}, 1, {"Dock", "Yard"}, {"ALL", "Dock", "Yard", "Gone"}},
      {{"Yard"}, 0, {"dock", "Dock", "Yard"}, {"dock", "Dock", "Yard"}},
      {{}, 1, {"Dock"}, {"Dock"}},
  };
  for (const Case& c : cases) EXPECT_EQ(MergedChoices(c.items, c.own, c.stored), c.merged);
}

struct ModuleCase {
  const char* name;
  int kind;
  int choiceTile;  // on the "Do Your Own Analysis" page
  int* pastTile;
  int* list;
};

void PrintTo(const ModuleCase& c, std::ostream* os) { *os << c.name; }

class HeldFileModuleTest : public HeldFileTest, public ::testing::WithParamInterface<ModuleCase> {};

TEST_P(HeldFileModuleTest, AnAnalysisOpensWithOneWaitAndOneMessageAndItsListsComeBack) {
  const ModuleCase& c = GetParam();
  Hold();
  // The choice page reads nothing.
  ExpectFree(ClickAndCount(HomeTile(3)));
  ExpectOneWaitOneMessage(ClickAndCount(AnalysisChoiceTile(c.choiceTile)));
  EXPECT_EQ(Rows(*c.list), 0);
  Release();
  ExpectFree(ClickAndCount(*c.pastTile));
  ASSERT_EQ(Rows(*c.list), kAnalyses);
  EXPECT_EQ(pf::GetGadgetItemText(*c.list, 0, 1), "Intervention 1");
  // The step-3 criteria missed their departments and groups too. The analysis opened from the list
  // chooses its department by its text, which must be there by then.
  ExpectFree(Count([&] { ClickItem(*c.list, 1); }));
  ExpectFree(ClickAndCount(ThirdTabGadget(6)));
  const auto& X = *AnalysisPartsOf(c.kind).gadget;
  const int departments = X(6, 6, 1, 2);
  EXPECT_EQ(Items(departments), Numbered("ALL DEPARTMENTS", "Dept", 7));
  EXPECT_EQ(Items(X(6, 7, 1, 2)), Numbered("ALL GROUPS", "Trade", 5));
  for (int i = 0; i < pf::CountGadgetItems(departments); ++i)
    EXPECT_EQ(pf::IsGadgetItemSelected(departments, i), i == 4) << i;
}

INSTANTIATE_TEST_SUITE_P(
    Modules, HeldFileModuleTest,
    ::testing::Values(ModuleCase{"BeforeAfter", KindBA, 1, &BAPastTile, &BAAnalysisList},
                      ModuleCase{"ConcurrentGroups", KindCG, 2, &CGPastTile, &CGAnalysisList},
                      ModuleCase{"PotentialIntervention", KindPI, 3, &PIPastTile, &PIAnalysisList}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
