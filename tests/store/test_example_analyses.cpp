// The built-in example analysis of each module: what it writes, what the recalculation makes of it, and
// that saving it stores a new record.
#include <map>
#include <string>

#include "platform/platform.h"
#include "shell/page_globals.h"
#include "shell/page_switching.h"
#include "shell/program_fixture.h"
#include "shell/shell_globals.h"
#include "shell/tab_bars.h"
#include "store/example_analyses.h"
#include "store/record_store.h"
#include "store/store_globals.h"

namespace {

class ExampleAnalysis : public ProgramTest {
 protected:
  using Gadgets = BoundedArray<int, 10, 40, 2, 10>;
  void Open(int secondTab, void (*newAnalysis)(), void (*example)()) {
    pf::HideGadget(FrontPageHolder, true);
    pf::HideGadget(TabbedArea, false);
    SelectTopTab(1);
    SelectSecondTab(secondTab);
    SelectThirdTab(8);
    ShowPage(-1, -1, -1);
    Pump();
    newAnalysis();
    example();
    Pump();
  }
  static std::string T(const Gadgets& x, int page, int row, int column, int slot) {
    return pf::GetGadgetText(x(page, row, column, slot));
  }
  static void ExpectCommon(const Gadgets& x, int kind) {
    EXPECT_EQ(T(x, 0, 0, 0, 0), "\n");
    EXPECT_EQ(T(x, 8, 1, 1, 2), "EXAMPLE ANALYSIS");
    EXPECT_EQ(pf::GetGadgetText(RecordTitleText), "Example Intervention: Lift Study at Car Plant");
    EXPECT_EQ(T(x, 7, 4, 2, 2), "assemblers");
    EXPECT_EQ(T(x, 5, 20, 2, 2), "26,253.00");  // the eleven intervention costs
    EXPECT_EQ(T(x, 4, 2, 1, 2), "5");
    EXPECT_EQ(ModifiedFlags(kind), 0);
    EXPECT_EQ(pf::CountGadgetItems(x(2, 3, 1, 2)), 0);
  }
};

TEST_F(ExampleAnalysis, BeforeAndAfterOpensWithItsInputsAndRecomputes) {
  Open(3, NewBAAnalysis, LoadBAExample);
  auto& x = BAGadget;
  ExpectCommon(x, KindBA);
  EXPECT_EQ(BALabour(1, 0, 10), "694600.00");  // 20000 x 30.20 + 2000 x 45.30
  EXPECT_EQ(BALabour(1, 0, 9), "22000");
  EXPECT_EQ(BALabour(3, 1, 9), "25500");
  EXPECT_EQ(T(x, 6, 13, 1, 2), "2,500.00");  // 10,000 over 4 incidents
  EXPECT_EQ(T(x, 2, 8, 1, 1), "4000");
  EXPECT_EQ(T(x, 1, 2, 2, 2), "547");  // the after period in days
  EXPECT_EQ(T(x, 1, 6, 1, 2), "225");
  EXPECT_TRUE(pf::IsGadgetHidden(NoticeGadget(1, 1)));

  // Saving it stores a new record, which then is an ordinary one.
  ASSERT_TRUE(SaveBAAnalysis(0));
  EXPECT_NE(T(x, 0, 0, 0, 0), "\n");
  EXPECT_EQ(ModifiedFlags(KindBA), 0);
}

TEST_F(ExampleAnalysis, ConcurrentGroupsWritesGroupHoursWithTwoDecimals) {
  Open(2, NewCGAnalysis, LoadCGExample);
  auto& x = CGGadget;
  ExpectCommon(x, KindCG);
  EXPECT_EQ(CGLabour(2, 0, 9), "19200.00");  // group 1 is rewritten by the recalculation, which shows it
  EXPECT_EQ(T(x, 8, 11, 1, 2), "sister plant");
  EXPECT_EQ(T(x, 6, 13, 2, 2), "2,000.00");
}

TEST_F(ExampleAnalysis, PotentialInterventionUsesTheFirstColumnTwiceAndItsGrid) {
  Open(1, NewPIAnalysis, LoadPIExample);
  auto& x = PIGadget;
  ExpectCommon(x, KindPI);
  EXPECT_EQ(PILabour(2, 1, 2), "18000");
  EXPECT_EQ(T(x, 7, 6, 2, 2), "20000");
  EXPECT_EQ(T(x, 6, 22, 1, 2), "7,097.50");
  EXPECT_EQ(T(x, 3, 4, 2, 2), "less need for temporary workers");
  EXPECT_EQ(T(x, 2, 8, 1, 2), "419");
}

TEST_F(ExampleAnalysis, CancelInTheQuestionLeavesTheWorksheetAsItWas) {
  Open(3, NewBAAnalysis, [] {});
  pf::SetGadgetText(BAGadget(8, 2, 1, 2), "my own");
  Pump();
  ASSERT_EQ(ModifiedFlags(KindBA), 1);
  pf::test::ScriptMessageAnswers({pf::Answer::Cancel});
  LoadBAExample();
  EXPECT_EQ(pf::GetGadgetText(BAGadget(8, 2, 1, 2)), "my own");
  EXPECT_EQ(pf::GetGadgetText(BAGadget(0, 0, 0, 0)), "");
}

// What every cell of a worksheet shows: texts, choices, list selections and dates.
std::map<std::string, std::string> Shown(const BoundedArray<int, 10, 40, 2, 10>& x) {
  std::map<std::string, std::string> shown;
  for (int p = 0; p <= 10; ++p)
    for (int r = 0; r <= 40; ++r)
      for (int c = 0; c <= 2; ++c)
        for (int s = 0; s <= 10; ++s) {
          const int g = x(p, r, c, s);
          if (!g) continue;
          std::string v = pf::GetGadgetText(g);
          if (pf::GadgetKind(g) == pf::Kind::Combo || pf::GadgetKind(g) == pf::Kind::ListBox) {
            v += "|" + std::to_string(pf::GetGadgetState(g)) + "/" + std::to_string(pf::CountGadgetItems(g));
            for (int i = 0; i < pf::CountGadgetItems(g); ++i) v += pf::IsGadgetItemSelected(g, i) ? "x" : ".";
          }
          if (pf::GadgetKind(g) == pf::Kind::Date) {
            const pf::Date d = pf::GetGadgetDate(g);
            v += "|" + std::to_string(d.year) + "-" + std::to_string(d.month) + "-" + std::to_string(d.day);
          }
          shown[std::to_string(p) + "," + std::to_string(r) + "," + std::to_string(c) + "," +
                std::to_string(s)] = v;
        }
  return shown;
}

// A new analysis chosen over the example is the analysis one chosen over nothing is: no figure of the
// example stays behind on any step, on screen or in print.
TEST_F(ExampleAnalysis, NewAnalysisAfterTheExampleIsLikeOneMadeFromNothing) {
  const struct {
    int secondTab;
    void (*newAnalysis)();
    void (*example)();
    Gadgets& x;
  } modules[] = {{3, NewBAAnalysis, LoadBAExample, BAGadget},
                 {2, NewCGAnalysis, LoadCGExample, CGGadget},
                 {1, NewPIAnalysis, LoadPIExample, PIGadget}};
  for (const auto& m : modules) {
    SCOPED_TRACE(m.secondTab);
    Open(m.secondTab, m.newAnalysis, [] {});
    const auto fresh = Shown(m.x);
    m.example();
    Pump();
    ASSERT_EQ(T(m.x, 0, 0, 0, 0), "\n");
    m.newAnalysis();
    Pump();
    const auto renewed = Shown(m.x);
    for (const auto& [cell, text] : fresh) EXPECT_EQ(renewed.at(cell), text) << cell;
  }
}

}  // namespace
