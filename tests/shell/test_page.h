// The running program with the tabbed area in front and an empty page holder, into which a test builds
// the few controls it needs.
#pragma once

#include <vector>

#include "program_fixture.h"
#include "shell/shell_globals.h"

class TestPage : public ProgramTest {
 protected:
  void SetUp() override {
    ProgramTest::SetUp();
    pf::test::TakeMessageLog();
    pf::HideGadget(FrontPageHolder, true);
    pf::HideGadget(TabbedArea, false);
    pf::OpenGadgetList(PageHolder);
  }

  // Ends the building; the controls made since SetUp are on screen.
  void Built() {
    pf::CloseGadgetList();
    Pump();
  }

  void Focus(int gadget) {
    pf::SetActiveGadget(gadget);
    Pump();
  }

  // Handles the queued events as the program does and keeps them for the test to look at.
  std::vector<pf::Event> PumpAndRecord() {
    std::vector<pf::Event> seen;
    pf::test::Pump([&](const pf::Event& e) {
      seen.push_back(e);
      HandleEvent(e);
    });
    return seen;
  }
};
