// The example incidents in the running program: chosen from the start page's list, they fill the worksheet,
// are recalculated, count as unmodified and are stored only as new incidents.
#include <map>
#include <string>
#include <tuple>

#include "incident/incident_globals.h"
#include "platform/test_surface.h"
#include "shell/page_globals.h"
#include "shell/page_switching.h"
#include "shell/program_fixture.h"
#include "shell/services.h"
#include "shell/shell_globals.h"
#include "shell/tab_bars.h"
#include "store/example_incidents.h"
#include "store/record_store.h"
#include "store/store_fixture.h"
#include "store/store_globals.h"

namespace {

using Cell = std::tuple<int, int, int>;

class ExampleIncidentTest : public ProgramTest {
 protected:
  void SetUp() override {
    ProgramTest::SetUp();
    pf::HideGadget(FrontPageHolder, true);
    pf::HideGadget(TabbedArea, false);
    ShowPage(2, 9, -1);
    Pump();
    pf::HideGadget(IncidentExampleContainer, false);
    pf::HideGadget(IncidentInfoContainer, true);
    pf::test::TakeMessageLog();
  }

  void ShowStartPage() {
    SelectSecondTab(9);
    ShowPage(-1, -1, -1);
    pf::HideGadget(IncidentExampleContainer, false);
    Pump();
  }

  // A click on the row of the example list, as the user chooses it.
  void ChooseExample(int row) {
    ShowStartPage();
    const pf::Rect r = pf::GadgetItemRect(ExampleIncidentList, row);
    pf::test::Click(ExampleIncidentList, r.x + 20, r.y + r.h / 2);
    Pump();
  }

  // What a new incident holds in every cell an example names.
  std::map<Cell, std::string> NewIncidentTexts() {
    NewIncident();
    Pump();
    std::map<Cell, std::string> texts;
    for (const ExampleIncidentText& cell : ExampleIncidentTexts())
      texts[{cell.step, cell.row, cell.column}] = Text(cell.step, cell.row, cell.column);
    return texts;
  }

  static std::string Text(int s, int r, int c) { return pf::GetGadgetText(IncidentGadget(s, r, c)); }
};

TEST_F(ExampleIncidentTest, EachExampleOpensWithItsValuesRecalculatedAndUnmodified) {
  const std::map<Cell, std::string> blank = NewIncidentTexts();
  // The start page's list and the examples agree row by row.
  ASSERT_EQ(pf::CountGadgetItems(ExampleIncidentList), kExampleIncidentCount);
  // Examples are chosen in an order where each one follows another that fills cells it leaves alone.
  for (int example : {0, 1, 2, 3, 4, 5}) {
    SCOPED_TRACE("example " + std::to_string(example));
    const ExampleIncident& e = ExampleIncidents()[std::size_t(example)];
    EXPECT_EQ(pf::GetGadgetItemText(ExampleIncidentList, example), e.description);
    ChooseExample(example);
    EXPECT_EQ(CurrentSecondTab, 8);  // step 1
    EXPECT_EQ(Text(0, 0, 0), "\n");
    EXPECT_EQ(Text(0, 2, 2), "EXAMPLE INCIDENT");
    EXPECT_EQ(pf::GetGadgetText(RecordTitleText), std::string("Example Incident: ") + e.name);
    EXPECT_EQ(pf::test::DisplayedText(IncidentGadget(0, 4, 2)), "Saturday, December 12, 2009");
    for (const ExampleIncidentText& cell : ExampleIncidentTexts()) {
      SCOPED_TRACE("cell (" + std::to_string(cell.step) + ", " + std::to_string(cell.row) + ", " +
                   std::to_string(cell.column) + ")");
      const char* value = cell.values[std::size_t(example)];
      EXPECT_EQ(Text(cell.step, cell.row, cell.column),
                value ? value : blank.at({cell.step, cell.row, cell.column}));
    }
    for (const ExampleIncidentChoice& choice : ExampleIncidentChoices())
      EXPECT_EQ(Text(0, choice.row, 2), choice.picks[std::size_t(example)].name) << "row " << choice.row;
    EXPECT_EQ(ModifiedFlags(KindIncident), 0);
    EXPECT_TRUE(pf::test::TakeMessageLog().empty());
  }
}

TEST_F(ExampleIncidentTest, FiguresAreComputedFromTheExamplesValues) {
  const struct {
    int example, s, r, c;
    const char* shown;
  } cases[] = {
      // Steps 2 to 6 of the cook: 232.28 + 105.55 + 100.00 + 13.35 + 87.50 (3.5 h x 13.35 rounds to 46.73).
      {0, 1, 12, 4, "232.28"},
      {0, 7, 7, 4, "538.68"},
      // Plus 15 % of 20 h x 10.55 paid by the workplace.
      {0, 7, 11, 4, "570.33"},
      {0, 7, 14, 3, "$19,011"},
      {1, 5, 20, 3, "95.00"},  // the cashier's absence shares
      // The attendant's modified work: 24 h x 13.40 x (100 % - 75 %).
      {2, 5, 21, 4, "321.60"},
      {2, 5, 6, 3, "80.40"},
      {3, 5, 21, 4, "1,612.50"},
      {5, 3, 12, 4, "2,940.35"},  // 3 h x 63.45 + 1,500 + 300 + 950 for the fork truck
  };
  for (const auto& c : cases) {
    SCOPED_TRACE("example " + std::to_string(c.example) + " cell (" + std::to_string(c.s) + ", " +
                 std::to_string(c.r) + ", " + std::to_string(c.c) + ")");
    ChooseExample(c.example);
    EXPECT_EQ(pf::GetGadgetText(IncidentGadget(c.s, c.r, c.c)), c.shown);
  }
  // "other" without a description: the cashier's body part and cause show empty "Describe:" fields.
  ChooseExample(1);
  for (int row : {9, 10}) {
    EXPECT_FALSE(pf::IsGadgetHidden(IncidentGadget(0, row, 3))) << "row " << row;
    EXPECT_EQ(Text(0, row, 4), "") << "row " << row;
  }
}

TEST_F(ExampleIncidentTest, UnsavedChangesAreAskedAboutBeforeTheExampleComes) {
  ChooseExample(0);
  auto edit = [] {
    pf::SetGadgetText(IncidentGadget(0, 3, 2), "MINE");
    pf::SetGadgetText(IncidentGadget(1, 2, 2), "9");
  };
  edit();
  Pump();
  ASSERT_EQ(ModifiedFlags(KindIncident), 1);

  // Cancel twice (the new incident's question, then the example's): the user's worksheet stays as it is.
  pf::test::ScriptMessageAnswers({pf::Answer::Cancel, pf::Answer::Cancel});
  ChooseExample(3);
  EXPECT_EQ(pf::test::TakeMessageLog().size(), 2u);
  EXPECT_EQ(Text(0, 3, 2), "MINE");
  EXPECT_EQ(Text(3, 6, 4), "0");  // the stone worker's contractors did not come in
  EXPECT_EQ(ExampleIncidentTitle, "Cook burns foot with oil");
  EXPECT_EQ(ModifiedFlags(KindIncident), 1);

  // Cancel, then No: the example goes over the worksheet as it stands, with no new incident before it.
  pf::test::ScriptMessageAnswers({pf::Answer::Cancel, pf::Answer::No});
  ChooseExample(1);
  EXPECT_EQ(pf::test::TakeMessageLog().size(), 2u);
  EXPECT_EQ(Text(0, 3, 2), "07823");
  EXPECT_EQ(Text(1, 2, 2), "9");  // the cashier names no first aid: the user's figure stays
  EXPECT_EQ(ModifiedFlags(KindIncident), 0);

  // No: the changes go and the example comes, over a new incident, without a second question.
  edit();
  Pump();
  pf::test::ScriptMessageAnswers({pf::Answer::No});
  ChooseExample(1);
  EXPECT_EQ(pf::test::TakeMessageLog().size(), 1u);
  EXPECT_EQ(Text(0, 3, 2), "07823");
  EXPECT_EQ(Text(1, 2, 2), "0");  // as a new incident has it
  EXPECT_EQ(ModifiedFlags(KindIncident), 0);

  // Yes: the edited incident is stored first (as a new one: it was an example).
  edit();
  Pump();
  pf::test::ScriptMessageAnswers({pf::Answer::Yes});
  ChooseExample(2);
  EXPECT_EQ(pf::test::TakeMessageLog().size(), 1u);
  EXPECT_EQ(QueryText(kRecordFileName, "select altrefnumberfield from incidents"), "MINE");
  EXPECT_EQ(Text(0, 3, 2), "04333");
  EXPECT_EQ(Text(0, 0, 0), "\n");

  // Leaving the page asks nothing: the example is not modified.
  ShowStartPage();
  EXPECT_TRUE(pf::test::TakeMessageLog().empty());
}

TEST_F(ExampleIncidentTest, AClickBesideTheRowsDoesNothing) {
  ChooseExample(4);
  ModifiedFlags(KindIncident) = 1;
  ShowStartPage();
  pf::test::TakeMessageLog();
  const pf::Rect last = pf::GadgetItemRect(ExampleIncidentList, kExampleIncidentCount - 1);
  pf::test::Click(ExampleIncidentList, last.x + 20, last.y + last.h * 3);
  Pump();
  EXPECT_TRUE(pf::test::TakeMessageLog().empty());
  EXPECT_EQ(CurrentSecondTab, 9);
  EXPECT_EQ(ModifiedFlags(KindIncident), 1);
  EXPECT_EQ(Text(0, 3, 2), "052195");
  // A click that leaves no row chosen (Ctrl+click on the chosen row) does nothing either.
  pf::SetGadgetState(ExampleIncidentList, -1);
  DispatchGadgetEvent(ExampleIncidentList, pf::GadgetEvent::LeftClick);
  Pump();
  EXPECT_TRUE(pf::test::TakeMessageLog().empty());
  EXPECT_EQ(CurrentSecondTab, 9);
  // Nor does a row number outside the examples reach the worksheet.
  LoadIncidentExample(-1);
  LoadIncidentExample(kExampleIncidentCount);
  EXPECT_TRUE(pf::test::TakeMessageLog().empty());
  EXPECT_EQ(ExampleIncidentTitle, "Worker suffers head injuries from fall");
  EXPECT_EQ(Text(0, 0, 0), "\n");
}

TEST_F(ExampleIncidentTest, SavingAnExampleStoresANewIncidentEachTime) {
  ChooseExample(2);
  ASSERT_TRUE(SaveIncident(0));
  Pump();
  const std::string first = Text(0, 0, 0);
  EXPECT_NE(first, "\n");
  EXPECT_EQ(Text(0, 2, 2), first);
  EXPECT_EQ(pf::GetGadgetText(RecordTitleText), "Incident " + first + ": December 12, 2009");
  EXPECT_EQ(QueryText(kRecordFileName, "select departmentfield from incidents where uid=" + first),
            "maintenance");
  EXPECT_EQ(QueryText(kRecordFileName, "select datefield from incidents where uid=" + first), "2009-12-12");

  ChooseExample(2);
  ASSERT_TRUE(SaveIncident(0));
  Pump();
  EXPECT_NE(Text(0, 0, 0), first);
  EXPECT_EQ(QueryText(kRecordFileName, "select count(*) from incidents"), "2");
}

}  // namespace
