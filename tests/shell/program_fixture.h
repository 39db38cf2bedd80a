// Starts the real program headless at a fixed window size and dpi, and drives its event loop.
#pragma once

#include <gtest/gtest.h>

#include "platform/platform.h"
#include "platform/test_surface.h"
#include "shell/event_loop.h"
#include "shell/startup.h"

class ProgramTest : public ::testing::Test {
 protected:
  void SetUp() override {
    pf::test::SetWorkArea(1024, 708);
    pf::test::SetScreenDpi(96);
    pf::test::SetToday({2010, 7, 5}, {2010, 7, 5});
    pf::test::UseVirtualClock(true);
    pf::test::ScriptMessageAnswers({pf::Answer::Ok});  // the "Draft Version" notice at every start
    static int argc = 1;
    static char name[] = "quillmark";
    static char* argv[] = {name, nullptr};
    StartProgram(argc, argv);
    Pump();
  }

  // The toolkit's objects must go before the process's static data does.
  void TearDown() override { pf::ShutdownPlatform(); }

  void Pump() { pf::test::Pump(HandleEvent); }
};
