// On a screen scaled to two device pixels per pixel, text the program draws into a picture is as sharp as
// the text of the controls beside it, not a picture drawn at one pixel and blown up.
#include <stdlib.h>

#include <fstream>
#include <iterator>
#include <vector>

#include "program_fixture.h"
#include "shell/page_globals.h"
#include "shell/shell_globals.h"

namespace {

class ScaledScreen : public ProgramTest {
 protected:
  void SetUp() override {
    ::setenv("QT_SCALE_FACTOR", "2", 1);  // read when the toolkit starts
    ProgramTest::SetUp();
  }
  void TearDown() override {
    ProgramTest::TearDown();
    ::unsetenv("QT_SCALE_FACTOR");
  }

  // The window as the screen shows it, one picture pixel per device pixel.
  int DevicePixels() {
    const std::string path = (workDir / "screen.png").string();
    EXPECT_TRUE(pf::test::SaveScreenshot(path));
    std::ifstream in(path, std::ios::binary);
    const std::vector<unsigned char> png{std::istreambuf_iterator<char>(in), {}};
    return pf::DecodePicture(pf::kAutoNumber, png.data(), png.size());
  }

  struct Pixels {
    int text = 0;     // in the text colour
    int blurred = 0;  // in neither of the two colours
  };
  // The device pixels inside a control, clear of its edge. Text is drawn without smoothing, so sharp text
  // leaves no pixel in between its two colours; a picture blown up from one pixel to two leaves many.
  static Pixels Count(int shot, int gadget, pf::Rgb back, pf::Rgb text) {
    const pf::Rect r = pf::GadgetScreenRect(gadget);
    const pf::Point origin = pf::ClientToScreen(pf::kMainWindow, {0, 0});
    const int left = 2 * (r.x - origin.x + 3), top = 2 * (r.y - origin.y + 3);
    Pixels n;
    for (int y = top; y < top + 2 * (r.h - 6); ++y)
      for (int x = left; x < left + 2 * (r.w - 6); ++x) {
        const pf::Rgb p = pf::PicturePixel(shot, x, y);
        n.text += p == text;
        n.blurred += p != back && p != text;
      }
    return n;
  }
};

TEST_F(ScaledScreen, ThePictureTileIsAsSharpAsTheTextTilesBesideIt) {
  pf::test::Click(HomeTile(3));  // the analysis introduction page
  Pump();
  const int shot = DevicePixels();
  ASSERT_NE(shot, 0);
  ASSERT_EQ(pf::PictureWidth(shot), 2 * pf::GadgetWidth(ContentFrame)) << "two device pixels per pixel";
  // Each tile's bordered frame: the picture control is wider than the frame that shows it.
  const Pixels text = Count(shot, pf::GadgetParent(AnalysisChoiceTile(2)), BlueGreyColour, 0x000000);
  const Pixels picture = Count(shot, pf::GadgetParent(AnalysisChoiceTile(3)), BlueGreyColour, 0x000000);
  EXPECT_GT(picture.text, text.text / 2) << "the picture shows its four lines of text";
  EXPECT_EQ(text.blurred, 0);
  EXPECT_EQ(picture.blurred, 0);
  // The program still measures the picture in its own pixels.
  EXPECT_EQ(pf::PictureWidth(PIChoiceImage), pf::GadgetWidth(pf::GadgetParent(AnalysisChoiceTile(3))));
}

}  // namespace
