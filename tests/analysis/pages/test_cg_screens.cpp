// Writes a picture of every worksheet step, start page and summary page when QM_SCREENSHOT_DIR names a
// folder (under a real display); does nothing otherwise.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "platform/test_surface.h"
#include "shell/page_switching.h"
#include "shell/program_fixture.h"
#include "shell/shell_globals.h"

namespace {

class WorksheetScreens : public ProgramTest {};

TEST_F(WorksheetScreens, EveryStepOfEveryWorksheet) {
  const char* dir = std::getenv("QM_SCREENSHOT_DIR");
  if (!dir) GTEST_SKIP() << "no QM_SCREENSHOT_DIR";
  pf::HideGadget(FrontPageHolder, true);
  pf::HideGadget(TabbedArea, false);
  const auto shoot = [&](int top, int second, int third, const std::string& name) {
    ShowPage(top, second, third);
    Pump();
    EXPECT_TRUE(pf::test::SaveScreenshot(std::string(dir) + "/" + name + ".png"));
  };
  for (auto [second, name] : {std::pair{3, "ba"}, std::pair{2, "cg"}, std::pair{1, "pi"}}) {
    shoot(1, second, 9, std::string(name) + "_start");
    for (int step = 1; step <= 8; ++step)
      shoot(1, second, 9 - step, name + std::string("_step") + std::to_string(step));
  }
  shoot(2, 9, -1, "incident_start");
  for (int step = 1; step <= 8; ++step) shoot(2, 9 - step, -1, "incident_step" + std::to_string(step));
  shoot(2, 10, -1, "incident_summary");
}

}  // namespace
