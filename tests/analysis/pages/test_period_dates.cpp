// The study period of the Concurrent Groups and Potential Intervention worksheets: a date picked in the
// calendar shows its own month's name at once, the end follows a start moved past it, and step 3 repeats
// both dates as they are shown.
#include <gtest/gtest.h>

#include "platform/test_surface.h"
#include "shell/page_globals.h"
#include "shell/page_switching.h"
#include "shell/program_fixture.h"
#include "shell/shell_globals.h"
#include "store/record_kinds.h"

namespace {

class PeriodDates : public ProgramTest, public ::testing::WithParamInterface<int> {
 protected:
  void SetUp() override {
    ProgramTest::SetUp();
    pf::HideGadget(FrontPageHolder, true);
    pf::HideGadget(TabbedArea, false);
    ShowStep(2);
  }
  void ShowStep(int step) {
    ShowPage(1, GetParam() == KindCG ? 2 : 1, 9 - step);
    Pump();
  }
  int X(int page, int row) { return (*AnalysisPartsOf(GetParam()).gadget)(page, row, 1, 2); }
};

TEST_P(PeriodDates, APickedDateShowsItsMonthAtOnceAndStepThreeRepeatsIt) {
  const int start = X(7, 2), end = X(7, 3);
  ASSERT_EQ(pf::GetGadgetText(start), "July 05, 2010");
  pf::test::PickCalendarDate(start, {2011, 3, 15});
  Pump();
  EXPECT_EQ(pf::GetGadgetText(start), "March 15, 2011");
  EXPECT_EQ(pf::GetGadgetText(end), "March 15, 2011") << "the end follows a start moved past it";
  if (GetParam() == KindPI)
    EXPECT_TRUE(pf::test::HasFocus(end)) << "the end date is next";
  else
    EXPECT_TRUE(pf::test::HasFocus(start));

  pf::test::PickCalendarDate(end, {2011, 6, 30});
  Pump();
  EXPECT_EQ(pf::GetGadgetText(end), "June 30, 2011");
  EXPECT_EQ(pf::GetGadgetText(start), "March 15, 2011");

  ShowStep(3);
  EXPECT_EQ(pf::GetGadgetText(X(6, 2)), "March 15, 2011");
  EXPECT_EQ(pf::GetGadgetText(X(6, 3)), "June 30, 2011");
}

INSTANTIATE_TEST_SUITE_P(Modules, PeriodDates, ::testing::Values(KindCG, KindPI),
                         [](const auto& info) { return info.param == KindCG ? "Concurrent" : "Potential"; });

}  // namespace
