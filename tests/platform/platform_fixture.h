// A started platform with the main window open at a fixed work area, and helpers to collect events.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "platform/test_surface.h"

namespace pf::testing {

class PlatformTest : public ::testing::Test {
 protected:
  void SetUp() override {
    static char arg0[] = "platform_tests";
    static char* argv[] = {arg0, nullptr};
    static int argc = 1;
    test::SetWorkArea(1024, 708);
    test::SetScreenDpi(96);
    test::UseVirtualClock(true);
    InitPlatform(argc, argv);
    ASSERT_EQ(OpenMainWindow("Test", 0, 0, 768, 531, true), kMainWindow);
    test::DrainEvents();  // the window's own opening
  }
  void TearDown() override { ShutdownPlatform(); }

  // Every queued event, handled by `turn` the way the program's loop would.
  std::vector<Event> Run(const std::function<void(const Event&)>& turn = nullptr) {
    std::vector<Event> seen;
    test::Pump([&](const Event& e) {
      seen.push_back(e);
      if (turn) turn(e);
    });
    return seen;
  }

  // For failure messages: "type/gadget/kind" of each event.
  static std::string Describe(const std::vector<Event>& events) {
    std::string out;
    for (const Event& e : events)
      out += std::to_string(int(e.type)) + "/" + std::to_string(e.gadget) + "/" +
             std::to_string(int(e.kind)) + " ";
    return out;
  }

  // A file name in the test folder that no other test process uses, removed when the test ends.
  std::string TempPath(const std::string& stem) {
    static std::atomic<int> counter{0};
    const std::string path = ::testing::TempDir() + "qm_" + std::to_string(::getpid()) + "_" +
                             std::to_string(counter++) + "_" + stem;
    tempFiles_.push_back(path);
    return path;
  }
  ~PlatformTest() override {
    for (const auto& path : tempFiles_) std::remove(path.c_str());
  }

  static std::vector<Event> ControlEvents(const std::vector<Event>& all) {
    std::vector<Event> out;
    for (const Event& e : all)
      if (e.type == EventType::Gadget) out.push_back(e);
    return out;
  }

 private:
  std::vector<std::string> tempFiles_;
};

}  // namespace pf::testing
