// The program at a work area with its tabbed area open, and the user's way into the examples: the tabs,
// the start page's example tile and the first row of its list.
#pragma once

#include "analysis/pages/pages_globals.h"
#include "incident/incident_globals.h"
#include "shell/page_globals.h"
#include "shell/program_fixture.h"
#include "shell/shell_globals.h"

class ExampleWalkTest : public WorkAreaTest {
 protected:
  void SetUp() override {
    WorkAreaTest::SetUp();
    Click(HomeTile(2));  // from the home page into the tabbed area
  }

  void OpenIncidentExample(int row) {
    Click(TopTabGadget(2));
    Click(SecondTabGadget(9));
    Click(IncidentExampleTile);
    ClickRow(ExampleIncidentList, row);
  }

  // The module's globals are set as its pages are built, so they are read only as the walk reaches them.
  void OpenAnalysisExample(int second, const int& tile, const int& list) {
    Click(TopTabGadget(1));
    Click(SecondTabGadget(second));
    Click(ThirdTabGadget(9));
    Click(tile);
    ClickRow(list, 0);
  }
};
