// Starts the real program headless at a fixed window size and dpi, and drives its event loop. Every test
// runs in a fresh directory of its own, since the program keeps its record file in the current directory.
#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/gadget_state.h"
#include "platform/platform.h"
#include "platform/test_surface.h"
#include "shell/event_loop.h"
#include "shell/startup.h"

class ProgramTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/quillmark-test-XXXXXX";
    ASSERT_NE(::mkdtemp(pattern), nullptr);
    workDir = pattern;
    previousDir = std::filesystem::current_path();
    std::filesystem::current_path(workDir);
    PrepareDirectory();
    pf::test::SetWorkArea(workWidth, workHeight);
    pf::test::SetScreenDpi(96);
    pf::test::SetToday({2010, 7, 5}, {2010, 7, 5});
    pf::test::UseVirtualClock(true);
    pf::test::ScriptMessageAnswers(startAnswers);
    static int argc = 1;
    static char name[] = "quillmark";
    static char* argv[] = {name, nullptr};
    StartProgram(argc, argv);
    if (!ExitRequested) Pump();
  }

  // The toolkit's objects must go before the process's static data does.
  void TearDown() override {
    pf::ShutdownPlatform();
    std::error_code ignored;
    if (!previousDir.empty()) std::filesystem::current_path(previousDir, ignored);
    if (!workDir.empty()) std::filesystem::remove_all(workDir, ignored);
  }

  // Runs in the test's directory before the program starts (to put record files there, for example).
  virtual void PrepareDirectory() {}

  void Pump() { pf::test::Pump(HandleEvent); }

  // The user's left click on a control, or on a list's row, and the loop's turn for what it set off.
  void Click(int gadget) {
    pf::test::Click(gadget);
    Pump();
  }
  void ClickRow(int list, int row) {
    const pf::Rect r = pf::GadgetItemRect(list, row);
    pf::test::Click(list, r.x + 20, r.y + r.h / 2);
    Pump();
  }

  // The work area the program starts in (the design scale follows it); a test of another size sets it in
  // its constructor.
  int workWidth = 1024, workHeight = 708;

  // Answers to the boxes that start-up shows: the "Draft Version" notice at every start.
  std::vector<pf::Answer> startAnswers{pf::Answer::Ok};
  std::filesystem::path workDir, previousDir;
};

// A work area the program starts in; layouts are tested at several, since the design scale follows it.
struct WorkArea {
  int w, h;
};

// The program started at the work area of the test's parameter.
class WorkAreaTest : public ProgramTest, public ::testing::WithParamInterface<WorkArea> {
 protected:
  WorkAreaTest() { workWidth = GetParam().w, workHeight = GetParam().h; }
};

// The work areas of common screens less their task bars, and of those between them where fonts rounded
// to whole points grow more than their boxes.
inline const std::vector<WorkArea> kScreenWorkAreas{{1024, 708},  {1280, 770}, {1920, 1050}, {1366, 749},
                                                    {1280, 1005}, {1440, 881}, {1536, 845},  {1680, 1031},
                                                    {2560, 1421}, {1600, 861}, {1024, 749},  {1400, 1010}};

// Every control under `gadget` that shows, depth first.
inline void ShownControls(int gadget, std::vector<int>& found) {
  for (int child : pf::GadgetChildren(gadget)) {
    if (!pf::IsGadgetVisible(child)) continue;
    found.push_back(child);
    ShownControls(child, found);
  }
}

// Names a work area's test "1280x770".
inline std::string WorkAreaName(const ::testing::TestParamInfo<WorkArea>& info) {
  return std::to_string(info.param.w) + "x" + std::to_string(info.param.h);
}
