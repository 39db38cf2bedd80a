// Every step of a worksheet opens with the keyboard focus on its first field, however the user got there:
// the start page's tile, the footer's continue button or the step's own tab. The focus must never rest on
// a footer button, where typed digits land nowhere and Enter or Space would act on the record.
#include <string>

#include "incident/incident_globals.h"
#include "program_fixture.h"
#include "shell/page_globals.h"
#include "shell/services.h"
#include "shell/shell_globals.h"

namespace {

struct Worksheet {
  const char* name;
  int second;         // its tab in the second bar under its top tab
  int* newTile;       // the start page's tile that opens a new record on step 1
  int* nextButton;    // the footer's continue button
  int (*first)(int);  // the first field of step n (1-7)
  int (*page)(int);   // the page container of step n
};

int IncidentFirst(int step) {
  // Step 6 opens on its claim-cost question; step 7 on the profit margin.
  static constexpr int kRow[] = {0, 2, 2, 2, 2, 2, 29, 2};
  static constexpr int kColumn[] = {0, 2, 2, 2, 2, 2, 3, 4};
  return IncidentGadget(step - 1, kRow[step], kColumn[step]);
}
int IncidentStepPage(int step) { return IncidentPage(step - 1); }

// The analyses' step 1 opens on the number field in the first analysis and on the intervention name in the
// others; step 3 on the incident types of the database approach, step 7 on the year.
constexpr int kAnalysisRow[] = {0, 1, 2, 4, 3, 2, 2, 4};
int BAFirst(int step) { return BAGadget(9 - step, kAnalysisRow[step], 1, 2); }
int CGFirst(int step) { return CGGadget(9 - step, step == 1 ? 2 : kAnalysisRow[step], 1, 2); }
int PIFirst(int step) { return PIGadget(9 - step, step == 1 ? 2 : kAnalysisRow[step], 1, 2); }
int BAStepPage(int step) { return BAPage(9 - step); }
int CGStepPage(int step) { return CGPage(9 - step); }
int PIStepPage(int step) { return PIPage(9 - step); }

const Worksheet kIncident{"incident",      0, &IncidentNewTile, &IncidentNextButton, IncidentFirst,
                          IncidentStepPage};
const Worksheet kAnalyses[] = {
    {"before and after", 3, &BANewTile, &BANextButton, BAFirst, BAStepPage},
    {"concurrent groups", 2, &CGNewTile, &CGNextButton, CGFirst, CGStepPage},
    {"potential intervention", 1, &PINewTile, &PINextButton, PIFirst, PIStepPage},
};

// A field shows its text highlighted while it holds a selection.
bool Highlighted(int field) {
  int start = 0, end = 0;
  pf::GetGadgetSelection(field, start, end);
  return start != end;
}

bool Inside(int gadget, int container) {
  for (int g = gadget; g; g = pf::GadgetParent(g))
    if (g == container) return true;
  return false;
}

class StepFocus : public ProgramTest {
 protected:
  // Step 8 holds only results: its focus rests on the step's own empty, zero-size field.
  static void ExpectFirstField(const Worksheet& w, int step, const std::string& how) {
    SCOPED_TRACE(std::string(w.name) + " step " + std::to_string(step) + " by " + how);
    const int active = pf::GetActiveGadget();
    if (step < 8) {
      EXPECT_EQ(active, w.first(step));
      EXPECT_NE(active, 0);
      return;
    }
    EXPECT_EQ(pf::GadgetKind(active), pf::Kind::Field);
    EXPECT_EQ(pf::GadgetWidth(active), 0);
    EXPECT_TRUE(Inside(active, w.page(8)));
  }

  // From the start page to step 8 by the continue button, then back through the steps by their tabs.
  void WalkSteps(const Worksheet& w, int (*stepTab)(int), int numberField) {
    Click(*w.newTile);
    ExpectFirstField(w, 1, "the start page");
    // The focus passes the record number on its way to the name; the number keeps no highlight.
    if (numberField != w.first(1)) {
      EXPECT_FALSE(Highlighted(numberField)) << w.name;
    }
    for (int step = 2; step <= 8; ++step) {
      Click(*w.nextButton);
      ExpectFirstField(w, step, "continue");
    }
    for (int step = 7; step >= 1; --step) {
      Click(stepTab(step));
      ExpectFirstField(w, step, "its tab");
    }
  }
};

TEST_F(StepFocus, IncidentStepsOpenOnTheirFirstField) {
  Click(HomeTile(2));
  WalkSteps(
      kIncident, [](int step) { return SecondTabGadget(9 - step); }, IncidentGadget(0, 2, 2));
}

TEST_F(StepFocus, AnalysisStepsOpenOnTheirFirstField) {
  Click(HomeTile(3));
  const int numberFields[] = {BAGadget(8, 1, 1, 2), CGGadget(8, 1, 1, 2), PIGadget(8, 1, 1, 2)};
  for (int k = 0; k < 3; ++k) {
    const Worksheet& w = kAnalyses[k];
    Click(SecondTabGadget(w.second));
    Click(ThirdTabGadget(9));  // the module's start page
    WalkSteps(
        w, [](int step) { return ThirdTabGadget(9 - step); }, numberFields[k]);
  }
}

// The summary opens past its number, which the program writes, on the name the user gives it; the
// number's highlight leaves with the focus.
TEST_F(StepFocus, TheSummaryOpensOnItsName) {
  Click(HomeTile(2));
  Click(MICreateTile);
  EXPECT_EQ(pf::GetActiveGadget(), MIGadget(1, 2));
  EXPECT_FALSE(Highlighted(MIGadget(60, 2)));
  Click(SecondTabGadget(7));
  Click(ThirdTabGadget(1));
  EXPECT_EQ(pf::GetActiveGadget(), MIGadget(1, 2));
  EXPECT_FALSE(Highlighted(MIGadget(60, 2)));
}

}  // namespace
