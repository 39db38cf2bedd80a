// Step 8's footer stacks three buttons where the other steps show their navigation. At the work areas of
// common screens (the design scale follows the work area), the three stand one under the other without
// overlapping, keep a margin above the window's bottom edge, and are tall enough for their captions.
#include <gtest/gtest.h>

#include <string>

#include "analysis/pages/pages_globals.h"
#include "platform/test_surface.h"
#include "shell/page_switching.h"
#include "shell/program_fixture.h"
#include "shell/shell_globals.h"

namespace {

class StepEightFooter : public WorkAreaTest {
 protected:
  void SetUp() override {
    ProgramTest::SetUp();
    pf::HideGadget(FrontPageHolder, true);
    pf::HideGadget(TabbedArea, false);
  }

  // The height the caption takes word-broken inside the button's insets, in the button's font.
  static int CaptionHeight(int button) {
    static const int scratch = pf::CreatePicture(pf::kAutoNumber, 1, 1);
    if (!pf::StartDrawingOnPicture(scratch)) return 0;
    pf::DrawingFont(pf::GetGadgetFont(button));
    const int h = pf::TextBoxHeight(pf::GadgetWidth(button) - 8, pf::GetGadgetText(button));
    pf::StopDrawing();
    return h;
  }
};

TEST_P(StepEightFooter, ThreeButtonsStackInsideTheWindowWithRoomForTheirCaptions) {
  constexpr int kMargin = 2;  // pixels of footer below the last button
  const struct {
    const char* name;
    int second;
    const int *footer, *buttons[3];
  } modules[] = {
      {"before & after", 3, &BAFooter, {&BASaveAnotherButton, &BASaveReturnButton, &BAPrintReportButton}},
      {"concurrent groups", 2, &CGFooter, {&CGSaveAnotherButton, &CGSaveReturnButton, &CGPrintReportButton}},
      {"potential", 1, &PIFooter, {&PISaveAnotherButton, &PISaveReturnButton, &PIPrintReportButton}},
  };
  const int windowTop = pf::ClientToScreen(pf::kMainWindow, {0, 0}).y;
  const int windowBottom = windowTop + pf::WindowClientHeight(pf::kMainWindow);
  for (const auto& m : modules) {
    SCOPED_TRACE(m.name);
    ShowPage(1, m.second, 1);
    Pump();
    int above = pf::GadgetScreenRect(*m.footer).y + 1;  // under the footer's top line
    for (const int* button : m.buttons) {
      SCOPED_TRACE(pf::GetGadgetText(*button));
      ASSERT_TRUE(pf::IsGadgetVisible(*button));
      const pf::Rect r = pf::GadgetScreenRect(*button);
      EXPECT_GE(r.y, above);
      EXPECT_GE(r.h, CaptionHeight(*button));
      above = r.y + r.h;
    }
    EXPECT_LE(above + kMargin, windowBottom) << "the last button's bottom";
  }
}

INSTANTIATE_TEST_SUITE_P(WorkAreas, StepEightFooter,
                         ::testing::Values(WorkArea{1024, 708}, WorkArea{1024, 748}, WorkArea{1280, 770},
                                           WorkArea{1280, 780}, WorkArea{1366, 740}, WorkArea{1920, 1050}),
                         WorkAreaName);

}  // namespace
