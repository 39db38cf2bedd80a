// What the layer draws by itself: the borders of containers and the scroll bars of scroll areas.
#include "platform_fixture.h"

namespace pf::testing {
namespace {

bool Light(Rgb c) { return Red(c) > 0xB0 && Green(c) > 0xB0 && Blue(c) > 0xB0; }

TEST_F(PlatformTest, BorderedContainerKeepsItsBorderAroundChildren) {
  const int box = ContainerGadget(kAutoNumber, 20, 20, 100, 60, flags::kBorder);
  SetGadgetColour(box, kFrontColour, 0x00FF00);
  SetGadgetColour(box, kBackColour, 0x0000FF);
  OpenGadgetList(box);
  const int cover = TextGadget(kAutoNumber, 0, 0, 100, 60, "");
  CloseGadgetList();
  SetGadgetColour(cover, kBackColour, 0xFF0000);
  EXPECT_EQ(GadgetX(cover), 0) << "children keep the coordinates they were given";
  EXPECT_EQ(GadgetScreenRect(cover).x, GadgetScreenRect(box).x + 1);
  ResizeGadget(box, kIgnoreValue, kIgnoreValue, 140, 80);
  const int shot = test::GrabMainWindow();
  ASSERT_NE(shot, 0);
  for (auto [x, y] : {std::pair{20, 20}, {159, 99}, {20, 60}, {80, 99}, {159, 40}})
    EXPECT_EQ(PicturePixel(shot, x, y), 0x00FF00u) << x << "," << y;
  EXPECT_EQ(PicturePixel(shot, 21, 21), 0xFF0000u);
  EXPECT_EQ(PicturePixel(shot, 130, 90), 0x0000FFu) << "the client area grows with the container";
  EXPECT_EQ(GadgetAtPoint(ClientToScreen(kMainWindow, {130, 90})), box);
}

TEST_F(PlatformTest, ContainerWithoutBorderPlacesChildrenAtItsCorner) {
  const int box = ContainerGadget(kAutoNumber, 20, 20, 100, 60);
  OpenGadgetList(box);
  const int child = TextGadget(kAutoNumber, 0, 0, 10, 10, "");
  CloseGadgetList();
  EXPECT_EQ(GadgetScreenRect(child).x, GadgetScreenRect(box).x);
}

TEST_F(PlatformTest, ScrollBarsShowOnABlackArea) {
  const int area = ScrollAreaGadget(kAutoNumber, 0, 0, 300, 200, 600, 400, 10);
  SetGadgetColour(area, kBackColour, 0x000000);
  ASSERT_LT(ScrollAreaViewWidth(area), 300) << "both bars show";
  const int shot = test::GrabMainWindow();
  ASSERT_NE(shot, 0);
  EXPECT_EQ(PicturePixel(shot, 100, 100), 0x000000u);
  int lightRight = 0, lightBottom = 0;
  for (int i = 0; i < 12; ++i) {
    lightRight += Light(PicturePixel(shot, 299 - i, 100));
    lightBottom += Light(PicturePixel(shot, 100, 199 - i));
  }
  std::string seen;
  for (int i = 0; i < 20; ++i) seen += std::to_string(PicturePixel(shot, 299 - i, 100)) + " ";
  EXPECT_GT(lightRight, 4) << "the vertical bar is drawn light: " << seen;
  EXPECT_GT(lightBottom, 4) << "the horizontal bar is drawn light";
}

}  // namespace
}  // namespace pf::testing
