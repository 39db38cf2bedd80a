// Another incident opens every step at its top. Whichever way the user brings it up (a stored incident's
// row, an example's row, the step-8 command that saves and starts another), no step keeps the place the
// user had scrolled to in the incident shown before.
#include <functional>
#include <vector>

#include "incident/incident_globals.h"
#include "shell/tab_bars.h"
#include "store/worksheet_fixture.h"

namespace {

class StepScroll : public WorksheetTest {
 protected:
  void SetUp() override {
    WorksheetTest::SetUp();
    Click(HomeTile(2));  // the incident calculator, from its home tile
  }

  void ShowStep(int step) { Click(SecondTabGadget(9 - step)); }
  void ShowStartPage() { Click(SecondTabGadget(9)); }

  static int Area(int step) { return IncidentStepArea(step - 1); }
  static bool Scrolls(int step) {
    return pf::ScrollAreaInnerHeight(Area(step)) > pf::ScrollAreaViewHeight(Area(step));
  }

  // The wheel turned down over every step whose rows are taller than its view.
  void ScrollStepsDown() {
    for (int step : {1, 6, 8}) {
      if (!Scrolls(step)) continue;
      ShowStep(step);
      for (int turn = 0; turn < 4; ++turn) {
        pf::test::Wheel(Area(step), -120);
        Pump();
      }
      ASSERT_GT(pf::GetScrollY(Area(step)), 0) << "step " << step;
    }
  }
};

// The first three open the incident over a blank one; the last two fill the worksheet as it stands, after
// the user let its changes go (Cancel, then No) or by the number typed on step 1.
TEST_F(StepScroll, AnotherIncidentOpensEveryStepAtItsTop) {
  ASSERT_TRUE(Scrolls(6) && Scrolls(8));
  MakeIncident();
  ASSERT_TRUE(SaveRecord(KindIncident, 1));
  using A = pf::Answer;
  const struct {
    const char* name;
    std::vector<A> answers;
    std::function<void()> open;
  } cases[] = {
      {"stored incident's row",
       {},
       [this] {
         ShowStartPage();
         Click(IncidentPastTile);
         ClickRow(IncidentList, 0);
       }},
      {"example's row",
       {},
       [this] {
         ShowStartPage();
         Click(IncidentExampleTile);
         ClickRow(ExampleIncidentList, 1);
       }},
      {"save and enter another",
       {},
       [this] {
         ShowStep(8);
         Click(IncidentSaveAnotherButton);
       }},
      {"example's row over an edited incident",
       {A::Cancel, A::No},
       [this] {
         ShowStep(2);
         Click(FirstAidCostField());
         pf::test::TypeText("5");
         pf::test::PressTab();
         Pump();
         ASSERT_EQ(ModifiedFlags(KindIncident), 1);
         ShowStartPage();
         Click(IncidentExampleTile);
         ClickRow(ExampleIncidentList, 2);
       }},
      {"number typed on step 1",
       {},
       [this] {
         ShowStep(1);
         Click(IncidentGadget(0, 2, 2));
         pf::test::KeyPress('A', "", pf::mods::kControl);
         pf::test::TypeText("1");
         pf::test::PressTab();
         Pump();
         ASSERT_EQ(pf::GetGadgetText(IncidentGadget(0, 0, 0)), "1");
       }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ScrollStepsDown();
    pf::test::ScriptMessageAnswers(c.answers);
    c.open();
    EXPECT_EQ(pf::test::TakeMessageLog().size(), c.answers.size());
    for (int step : {1, 6, 8}) {
      ShowStep(step);
      EXPECT_EQ(pf::GetScrollY(Area(step)), 0) << "step " << step;
    }
  }
}

}  // namespace
