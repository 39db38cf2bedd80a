// Writes a picture of every worksheet step, start page and summary page when QM_SCREENSHOT_DIR names a
// folder; does nothing otherwise. Steps taller than the window are also pictured
// page by page down their scroll areas (the incident's too), and step 3 of the second and third analyses in
// both approaches.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "analysis/pages/pages_globals.h"
#include "incident/incident_globals.h"
#include "platform/gadget_state.h"
#include "platform/test_surface.h"
#include "shell/page_switching.h"
#include "shell/program_fixture.h"
#include "shell/shell_globals.h"

namespace {

class WorksheetScreens : public ProgramTest {
 protected:
  // QM_WORK_AREA ("1366x749") sets the work area the program lays itself out for.
  WorksheetScreens() {
    if (const char* area = std::getenv("QM_WORK_AREA")) std::sscanf(area, "%dx%d", &workWidth, &workHeight);
  }

  std::string dir_;

  void Shoot(const std::string& name) {
    Pump();
    EXPECT_TRUE(pf::test::SaveScreenshot(dir_ + "/" + name + ".png"));
  }

  // The shown scroll areas under a control, outermost first.
  static void ShownScrollAreas(int gadget, std::vector<int>& found) {
    for (int child : pf::GadgetChildren(gadget)) {
      if (!pf::IsGadgetVisible(child)) continue;
      if (pf::GadgetKind(child) == pf::Kind::ScrollArea) found.push_back(child);
      ShownScrollAreas(child, found);
    }
  }

  // Pictures of the rest of a step: each area that scrolls, one view further down at a time.
  void ShootScrolled(int page, const std::string& name) {
    std::vector<int> areas;
    ShownScrollAreas(page, areas);
    int n = 0;
    for (int area : areas) {
      if (area == PIStep3ScrollBar || area == PIStep3UpperArea || area == PIStep3LowerArea) continue;
      const int view = pf::ScrollAreaViewHeight(area);
      const int end = pf::ScrollAreaInnerHeight(area) - view;
      if (view <= 0 || end <= 0) continue;
      for (int y = view - 40; y < end + view - 40; y += view - 40) {
        pf::SetScrollY(area, y);
        Shoot(name + "_scroll" + std::to_string(++n));
      }
      pf::SetScrollY(area, 0);
    }
  }

  // The third analysis's step 3 moves through its one bar, as a user drags it.
  void ShootSplitScroll(const std::string& name) {
    const int end = PIStep3ScrollHeight - pf::ScrollAreaViewHeight(PIStep3ScrollBar);
    int n = 0;
    for (int y = 300; y < end + 300; y += 300) {
      pf::SendScrollRequest(PIStep3ScrollBar, pf::ScrollKind::ThumbPosition, y);
      Shoot(name + "_bar" + std::to_string(++n));
    }
    pf::SendScrollRequest(PIStep3ScrollBar, pf::ScrollKind::ThumbPosition, 0);
  }
};

TEST_F(WorksheetScreens, EveryStepOfEveryWorksheet) {
  const char* dir = std::getenv("QM_SCREENSHOT_DIR");
  if (!dir) GTEST_SKIP() << "no QM_SCREENSHOT_DIR";
  dir_ = dir;
  pf::HideGadget(FrontPageHolder, true);
  pf::HideGadget(TabbedArea, false);
  struct Module {
    int second;
    const char* name;
    BoundedArray<int, 11>* pages;
    int* summaryMark;
    int* databaseMark;
  };
  const Module modules[] = {{3, "ba", &BAPage, &BASummaryMark, &BADatabaseMark},
                            {2, "cg", &CGPage, &CGSummaryMark, &CGDatabaseMark},
                            {1, "pi", &PIPage, &PISummaryMark, &PIDatabaseMark}};
  for (const Module& m : modules) {
    const std::string name = m.name;
    ShowPage(1, m.second, 9);
    Shoot(name + "_start");
    for (int step = 1; step <= 8; ++step) {
      const std::string stepName = name + "_step" + std::to_string(step);
      ShowPage(1, m.second, 9 - step);
      Shoot(stepName);
      ShootScrolled((*m.pages)(9 - step), stepName);
      if (step != 3) continue;
      if (m.second == 1) ShootSplitScroll(stepName);
      pf::test::Click(*m.summaryMark);
      Shoot(stepName + "_summary");
      ShootScrolled((*m.pages)(9 - step), stepName + "_summary");
      if (m.second == 1) ShootSplitScroll(stepName + "_summary");
      pf::test::Click(*m.databaseMark);
      Pump();
    }
  }
  ShowPage(2, 9, -1);
  Shoot("incident_start");
  for (int step = 1; step <= 8; ++step) {
    ShowPage(2, 9 - step, -1);
    Shoot("incident_step" + std::to_string(step));
    ShootScrolled(IncidentPage(step - 1), "incident_step" + std::to_string(step));
  }
  ShowPage(2, 10, -1);
  Shoot("incident_summary");
}

}  // namespace
