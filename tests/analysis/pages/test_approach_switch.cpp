// Step 3's approach marks: switching keeps each approach's figures apart and marks the analysis changed.
#include <string>
#include <vector>

#include "analysis/calc/approach_switch.h"
#include "analysis/calc/industry_codes.h"
#include "platform/gadget_state.h"
#include "platform/platform.h"
#include "shell/page_globals.h"
#include "shell/page_switching.h"
#include "shell/program_fixture.h"
#include "shell/shell_globals.h"
#include "shell/tab_bars.h"
#include "store/record_store.h"
#include "store/store_globals.h"

namespace {

constexpr int kKeptRows[] = {4, 5, 6, 7, 12, 21, 22, 23};

class ApproachSwitch : public ProgramTest {
 protected:
  void Open(int secondTab, void (*newAnalysis)()) {
    pf::HideGadget(FrontPageHolder, true);
    pf::HideGadget(TabbedArea, false);
    SelectTopTab(1);
    SelectSecondTab(secondTab);
    SelectThirdTab(6);
    ShowPage(-1, -1, -1);
    Pump();
    newAnalysis();
    Pump();
  }
  void ClickMark(int mark) {
    pf::test::Click(mark);
    Pump();
  }
  static std::vector<std::string> Step8(const BoundedArray<int, 10, 40, 2, 10>& x) {
    std::vector<std::string> texts;
    for (int k = 1; k <= 2; ++k)
      for (int row : kKeptRows) texts.push_back(pf::GetGadgetText(x(1, row, k, 2)));
    return texts;
  }
};

TEST_F(ApproachSwitch, BeforeAndAfterKeepsTheDatabaseFiguresWhileTheSummaryIsShown) {
  Open(3, NewBAAnalysis);
  auto& x = BAGadget;
  const char* database[] = {"2", "3", "40.00", "8.00", "1,000.00", "1", "0", "4"};
  int i = 0;
  for (int k = 1; k <= 2; ++k)
    for (int row : kKeptRows) pf::SetGadgetText(x(1, row, k, 2), database[i++ % 8]);
  pf::SetGadgetText(x(6, 12, 1, 2), "1,000.00");
  pf::SetGadgetText(x(6, 12, 2, 2), "1,000.00");
  BAIndustryCodes.resize(2);
  BAIndustryCodes[0].s[kCodeField] = "4711";
  BAIndustryCodes[1].s[kCodeField] = "999";
  Pump();
  const auto kept = Step8(x);
  ModifiedFlags(KindBA) = 0;

  ClickMark(BADatabaseMark);  // the chosen approach's mark does nothing
  EXPECT_EQ(pf::GetGadgetData(BADatabaseMark), 0);
  EXPECT_EQ(ModifiedFlags(KindBA), 0);

  ClickMark(BASummaryMark);
  EXPECT_EQ(pf::GetGadgetData(BADatabaseMark), 1);
  EXPECT_EQ(pf::GetGadgetText(BASummaryMark), "X");
  EXPECT_FALSE(pf::IsGadgetHidden(BASummaryPanel));
  EXPECT_TRUE(pf::IsGadgetHidden(BADatabasePanel));
  EXPECT_EQ(ModifiedFlags(KindBA), 1);
  EXPECT_NE(Step8(x), kept);  // the summary approach works out its own

  ModifiedFlags(KindBA) = 0;
  ClickMark(BADatabaseMark);
  EXPECT_EQ(pf::GetGadgetData(BADatabaseMark), 0);
  EXPECT_EQ(Step8(x), kept);
  EXPECT_EQ(ModifiedFlags(KindBA), 1);
  const int combo = x(2, 3, 1, 2);
  ASSERT_EQ(pf::CountGadgetItems(combo), 2);
  EXPECT_EQ(pf::GetGadgetItemText(combo, 0), "4711");
  EXPECT_EQ(pf::GetGadgetState(combo), 0);
}

TEST_F(ApproachSwitch, ANewAnalysisEmptiesTheKeptFiguresOnItsWayBack) {
  Open(2, NewCGAnalysis);
  auto& x = CGGadget;
  ClickMark(CGSummaryMark);
  pf::SetGadgetText(x(6, 20, 1, 1), "3");
  Pump();
  pf::test::ScriptMessageAnswers({pf::Answer::No});
  NewCGAnalysis();  // returns to the database approach through the switch
  EXPECT_EQ(pf::GetGadgetData(CGDatabaseMark), 0);
  EXPECT_EQ(CGLongSummary, "");
  for (int k = 1; k <= 2; ++k)
    for (int row : {4, 5, 6, 7, 21, 22, 23}) EXPECT_EQ(pf::GetGadgetText(x(1, row, k, 2)), "0") << row;
}

TEST_F(ApproachSwitch, PotentialInterventionSwapsTheEntriesOfItsTwoApproaches) {
  Open(1, NewPIAnalysis);
  auto& x = PIGadget;
  const int count = x(6, 20, 1, 1), code = x(6, 27, 1, 0);
  pf::SetGadgetText(count, "5");  // as a retrieval left them
  pf::SetGadgetText(code, "4711 ");
  pf::SetGadgetText(x(6, 37, 1, 2), "2,500.00");
  Pump();
  ClickMark(PISummaryMark);
  EXPECT_EQ(pf::GetGadgetData(PIDatabaseMark), 1);
  EXPECT_EQ(pf::GetGadgetText(count), "");
  EXPECT_FALSE(pf::IsGadgetReadOnly(count));
  EXPECT_TRUE(pf::IsTabStop(count));
  EXPECT_EQ(pf::GetGadgetColour(count, BackColourType), std::int64_t(NumberFieldColour));
  EXPECT_TRUE(pf::IsGadgetDisabled(x(6, 8, 1, 2)));
  EXPECT_EQ(ModifiedFlags(KindPI), 1);

  pf::SetGadgetText(count, "2");  // typed in the summary approach
  Pump();
  ClickMark(PIDatabaseMark);
  EXPECT_EQ(pf::GetGadgetText(count), "5");
  EXPECT_EQ(pf::GetGadgetText(code), "4711 ");
  EXPECT_EQ(pf::GetGadgetText(x(6, 37, 1, 2)), "2,500.00");
  EXPECT_TRUE(pf::IsGadgetReadOnly(count));
  EXPECT_FALSE(pf::IsGadgetDisabled(x(6, 8, 1, 2)));
  ClickMark(PISummaryMark);
  EXPECT_EQ(pf::GetGadgetText(count), "2");
}

TEST(KeptFields, FieldsEndAtEscapeAndMissingOnesAreEmpty) {
  const std::string kept = std::string("a") + char(27) + char(27) + "c" + char(27) + "tail";
  EXPECT_EQ(KeptField(kept, 1), "a");
  EXPECT_EQ(KeptField(kept, 2), "");
  EXPECT_EQ(KeptField(kept, 3), "c");
  EXPECT_EQ(KeptField(kept, 4), "");  // not ended: no field
  EXPECT_EQ(KeptField("", 1), "");
}

}  // namespace
