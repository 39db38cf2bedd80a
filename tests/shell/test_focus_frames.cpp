// The control with the keyboard focus shows it: a picture button, a coloured button and a drop-down combo
// box each look different while they have the focus, and only the one that has it.
#include <vector>

#include "incident/incident_globals.h"
#include "program_fixture.h"
#include "shell/page_globals.h"
#include "shell/shell_globals.h"

namespace {

class FocusFrames : public ProgramTest {
 protected:
  void SetUp() override {
    ProgramTest::SetUp();
    Click(HomeTile(2));
    Click(IncidentNewTile);  // step 1 of a new incident
  }
  void Focus(int gadget) {
    pf::SetActiveGadget(gadget);
    Pump();
  }
  static int Grab() {
    const int shot = pf::test::GrabMainWindow();
    EXPECT_NE(shot, 0);
    return shot;
  }
  // Pixels of the control's place that differ between two grabs of the window.
  static int Changed(int before, int after, int gadget) {
    const pf::Rect r = pf::GadgetScreenRect(gadget);
    const pf::Point origin = pf::ClientToScreen(pf::kMainWindow, {0, 0});
    int changed = 0;
    for (int y = r.y - origin.y; y < r.y - origin.y + r.h; ++y)
      for (int x = r.x - origin.x; x < r.x - origin.x + r.w; ++x)
        changed += pf::PicturePixel(before, x, y) != pf::PicturePixel(after, x, y);
    return changed;
  }
};

TEST_F(FocusFrames, EveryFooterStopShowsTheFocusAndOnlyItsOwn) {
  const std::vector<int> stops = {IncidentNextButton, IncidentPreviousButton, IncidentSaveAsNewButton,
                                  IncidentSaveButton, IncidentPrintButton,    IncidentDeleteButton};
  const int unfocused = Grab();
  Focus(stops[0]);
  for (std::size_t i = 0; i < stops.size(); ++i) {
    SCOPED_TRACE(i);
    ASSERT_EQ(pf::GetActiveGadget(), stops[i]) << "Tab walks the footer in this order";
    const int shot = Grab();
    for (std::size_t j = 0; j < stops.size(); ++j)
      EXPECT_EQ(Changed(unfocused, shot, stops[j]) > 0, i == j) << "stop " << j;
    pf::test::PressTab();
    Pump();
  }
}

TEST_F(FocusFrames, AColouredButtonAndADropDownShowTheFocus) {
  Click(SecondTabGadget(1));  // step 8 shows the coloured buttons
  const int unfocused = Grab();
  Focus(IncidentSaveAnotherButton);
  EXPECT_GT(Changed(unfocused, Grab(), IncidentSaveAnotherButton), 0);
  EXPECT_EQ(Changed(unfocused, Grab(), IncidentSaveReturnButton), 0);

  Click(SecondTabGadget(8));
  const int type = IncidentGadget(0, 5, 2);  // "Incident type"
  const int before = Grab();
  Focus(IncidentGadget(0, 4, 2));
  pf::test::PressTab();
  Pump();
  ASSERT_EQ(pf::GetActiveGadget(), type);
  EXPECT_GT(Changed(before, Grab(), type), 0);
}

}  // namespace
