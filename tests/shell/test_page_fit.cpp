// The pages that do not scroll show everything they hold inside the window, every text whole, at the
// client sizes of common screens: the sizes a maximised window gets with a title bar (1024 x 768 and
// 1280 x 800 screens) and without one. The summary's retrieval line is looked at there too.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "incident/incident_globals.h"
#include "platform/gadget_state.h"
#include "platform/test_surface.h"
#include "program_fixture.h"
#include "shell/gadget_helpers.h"
#include "shell/page_globals.h"
#include "shell/shell_globals.h"

namespace {

class PageFit : public WorkAreaTest {
 protected:
  // The window's client area. The page holder reaches three pixels past its right edge, so that the
  // pages' right borders fall outside; a bar across the page may reach there too.
  static pf::Rect Client() {
    const pf::Point origin = pf::ClientToScreen(pf::kMainWindow, {0, 0});
    const pf::Rect holder = pf::GadgetScreenRect(PageHolder);
    return {origin.x, origin.y, holder.x + holder.w - origin.x, pf::WindowClientHeight(pf::kMainWindow)};
  }
  static bool Inside(const pf::Rect& inner, const pf::Rect& outer) {
    return inner.x >= outer.x && inner.y >= outer.y && inner.x + inner.w <= outer.x + outer.w &&
           inner.y + inner.h <= outer.y + outer.h;
  }
  static bool Overlap(const pf::Rect& a, const pf::Rect& b) {
    return a.x < b.x + b.w && b.x < a.x + a.w && a.y < b.y + b.h && b.y < a.y + a.h;
  }

  // Whether a box breaks its lines is up to the page; either way they must fit it: unbroken across and
  // down, or broken at its width with no word wider than the box and all of them in its height.
  static void ExpectWhole(int text) {
    const std::string shown = pf::test::DisplayedText(text);
    const int font = pf::GetGadgetFont(text), w = pf::GadgetWidth(text), h = pf::GadgetHeight(text);
    const int oneLine = TextHeightIn(font, 100000, "X");
    int lines = 1;
    for (char c : shown) lines += c == '\n' || c == '\r';
    const bool unbroken = pf::test::ShownTextWidth(text) <= w && lines * oneLine <= h;
    std::istringstream words(shown);
    bool wordsFit = true;
    for (std::string word; words >> word;) wordsFit = wordsFit && TextWidthIn(font, word) <= w;
    const bool broken = wordsFit && TextHeightIn(font, w, shown) <= h;
    EXPECT_TRUE(unbroken || broken) << "\"" << shown << "\" is cut in its " << w << " x " << h << " box";
  }

  // Every shown control under `gadget` lies inside the window, and every text is whole.
  static void ExpectAllInView(int gadget) {
    for (int child : pf::GadgetChildren(gadget)) {
      if (!pf::IsGadgetVisible(child)) continue;
      const pf::Kind kind = pf::GadgetKind(child);
      if (kind != pf::Kind::Container) {
        EXPECT_TRUE(Inside(pf::GadgetScreenRect(child), Client()))
            << "control " << child << " \"" << pf::test::DisplayedText(child) << "\" lies outside the window";
      }
      if (kind == pf::Kind::Text && !pf::GetGadgetText(child).empty()) ExpectWhole(child);
      ExpectAllInView(child);
    }
  }
};

TEST_P(PageFit, TheAboutAreaShowsItsPagesWholeInTheWindow) {
  Click(HomeTile(1));
  SCOPED_TRACE("about");
  ExpectAllInView(AboutPage);
  // The credits band keeps clear of the tiles and descriptions above it.
  const pf::Rect glossaryTile = pf::GadgetScreenRect(pf::GadgetParent(AboutTile(3)));
  int band = 0;
  for (int child : pf::GadgetChildren(AboutPage))
    if (pf::GadgetScreenRect(child).Bottom() == pf::GadgetScreenRect(AboutPage).Bottom()) band = child;
  ASSERT_NE(band, 0);
  EXPECT_GE(pf::GadgetScreenRect(band).y, glossaryTile.Bottom());

  const struct {
    int tab;
    const char* name;
    const int& page;
  } pages[] = {
      {3, "understanding", UnderstandingPage}, {2, "examples", ExamplesPage}, {1, "glossary", GlossaryPage}};
  for (const auto& p : pages) {
    SCOPED_TRACE(p.name);
    Click(SecondTabGadget(p.tab));
    ASSERT_TRUE(pf::IsGadgetVisible(p.page));
    // The viewer with its bar, down to the bar's lower arrow, is in the window with the rest.
    ExpectAllInView(p.page);
  }
}

TEST_P(PageFit, TheRetrievalLineStandsWholeBesideItsButton) {
  Click(HomeTile(2));
  Click(MICreateTile);
  const int button = MIGadget(12, 2), status = MIGadget(12, 1);
  const pf::Rect view = pf::GadgetScreenRect(pf::GadgetParent(MIScrollArea(2)));
  for (int turn = 0; turn < 40 && pf::GadgetScreenRect(button).Bottom() > view.Bottom(); ++turn) {
    pf::test::Wheel(MIScrollArea(2), -120);
    Pump();
  }
  ASSERT_TRUE(Inside(pf::GadgetScreenRect(button), view));
  Click(button);
  ASSERT_EQ(pf::GetGadgetText(status), "* Incidents successfully retrieved (see below) *");
  ExpectWhole(status);
  const pf::Rect r = pf::GadgetScreenRect(status);
  EXPECT_FALSE(Overlap(r, pf::GadgetScreenRect(button)));
  EXPECT_TRUE(Inside(r, pf::GadgetScreenRect(pf::GadgetParent(status))));
}

INSTANTIATE_TEST_SUITE_P(ClientSizes, PageFit,
                         ::testing::Values(WorkArea{1024, 708}, WorkArea{1024, 749}, WorkArea{1024, 768},
                                           WorkArea{1280, 781}, WorkArea{1280, 800}, WorkArea{1366, 740},
                                           WorkArea{1366, 749}, WorkArea{1920, 1050}),
                         WorkAreaName);

}  // namespace
