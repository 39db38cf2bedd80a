// Writes a picture of every step of both worksheets when QM_SCREENSHOT_DIR names a folder (under a real
// display); does nothing otherwise.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "platform/test_surface.h"
#include "shell/page_switching.h"
#include "shell/shell_globals.h"
#include "shell/program_fixture.h"

namespace {

class WorksheetScreens : public ProgramTest {};

TEST_F(WorksheetScreens, EveryStepOfBothWorksheets) {
  const char* dir = std::getenv("QM_SCREENSHOT_DIR");
  if (!dir) GTEST_SKIP() << "no QM_SCREENSHOT_DIR";
  pf::HideGadget(FrontPageHolder, true);
  pf::HideGadget(TabbedArea, false);
  for (auto [second, name] : {std::pair{2, "cg"}, std::pair{1, "pi"}})
    for (int step = 1; step <= 8; ++step) {
      ShowPage(1, second, 9 - step);
      Pump();
      EXPECT_TRUE(pf::test::SaveScreenshot(std::string(dir) + "/" + name + "_step" + std::to_string(step) + ".png"));
    }
}

}  // namespace
