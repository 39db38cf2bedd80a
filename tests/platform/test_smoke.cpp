#include "platform_fixture.h"

namespace pf::testing {
namespace {

TEST_F(PlatformTest, MainWindowFillsTheWorkArea) {
  EXPECT_EQ(WindowClientWidth(kMainWindow), 1024);
  EXPECT_EQ(WindowClientHeight(kMainWindow), 708);
  EXPECT_EQ(ActiveWindow(), kMainWindow);
}

}  // namespace
}  // namespace pf::testing
