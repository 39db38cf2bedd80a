#include <string>
#include <vector>

#include "analysis/calc/calc_globals.h"
#include "incident/incident_globals.h"
#include "program_fixture.h"
#include "shell/page_globals.h"
#include "shell/page_switching.h"
#include "shell/services.h"
#include "shell/shell_globals.h"

namespace {

enum Bar { kTop, kSecond, kThird };

// The program with its tabbed area in front, as a home tile leaves it.
class TabsTest : public ProgramTest {
 protected:
  void SetUp() override {
    ProgramTest::SetUp();
    pf::HideGadget(FrontPageHolder, true);
    pf::HideGadget(TabbedArea, false);
    Pump();
  }

  static int Tab(Bar bar, int index) {
    return bar == kTop      ? TopTabGadget(index)
           : bar == kSecond ? SecondTabGadget(index)
                            : ThirdTabGadget(index);
  }

  void ClickTab(Bar bar, int index) {
    pf::test::Click(Tab(bar, index));
    Pump();
  }

  static std::string Key() { return PageKey(CurrentTopTab, CurrentSecondTab, CurrentThirdTab); }

  // Whether a lower-bar tab's picture holds white caption pixels (on the orange strip a chosen tab's
  // caption is white, every other one black).
  static bool WhiteCaption(int picture) {
    for (int y = 0; y < pf::PictureHeight(picture); ++y)
      for (int x = 0; x < pf::PictureWidth(picture); ++x) {
        const Rgb c = pf::PicturePixel(picture, x, y);
        if (pf::Red(c) > 240 && pf::Green(c) > 240 && pf::Blue(c) > 240) return true;
      }
    return false;
  }

  // A footer for a module whose pages are already built, with the controls page switching drives.
  static void GiveBAFooter() {
    pf::OpenGadgetList(BARoot);
    BAFooter = pf::ContainerGadget(AutoNumber, 0, 500, 1000, 50);
    pf::OpenGadgetList(BAFooter);
    BAStepText = pf::TextGadget(AutoNumber, 0, 0, 100, 20, "");
    BANextButton = pf::ButtonGadget(AutoNumber, 100, 0, 50, 20, "next");
    BASaveAnotherButton = pf::ButtonGadget(AutoNumber, 150, 0, 50, 20, "another");
    BASaveReturnButton = pf::ButtonGadget(AutoNumber, 200, 0, 50, 20, "return");
    BAPrintReportButton = pf::ButtonGadget(AutoNumber, 250, 0, 50, 20, "print");
    pf::CloseGadgetList();
    pf::CloseGadgetList();
  }
};

struct Step {
  Bar bar;
  int tab;
  const char* key;
  const int* root;  // the container that ShownRoot must be
  const int* page;  // the page inside it that shows, or nullptr
};

}  // namespace

TEST_F(TabsTest, EveryTabLeadsToItsPageAndEachAreaReopensWhereItWasLeft) {
  const Step steps[] = {
      {kTop, 1, "1.4.0", &AnalysisChoicePage, nullptr},
      {kSecond, 3, "1.3.9", &BARoot, &BAPage(9)},
      {kThird, 8, "1.3.8", &BARoot, &BAPage(8)},
      {kThird, 1, "1.3.1", &BARoot, &BAPage(1)},
      {kSecond, 2, "1.2.9", &CGRoot, &CGPage(9)},
      {kThird, 5, "1.2.5", &CGRoot, &CGPage(5)},
      {kSecond, 1, "1.1.9", &PIRoot, &PIPage(9)},
      {kThird, 2, "1.1.2", &PIRoot, &PIPage(2)},
      {kTop, 2, "2.9.0", &IncidentRoot, &IncidentMenuPage},  // the first visit opens the start page
      {kSecond, 8, "2.8.0", &IncidentRoot, &IncidentPage(0)},
      {kSecond, 1, "2.1.0", &IncidentRoot, &IncidentPage(7)},
      {kThird, 1, "2.10.1", &IncidentRoot, &MISummaryPage},
      {kSecond, 6, "2.6.0", &IncidentRoot, &IncidentPage(2)},
      {kThird, 1, "2.10.1", &IncidentRoot, &MISummaryPage},
      {kSecond, 9, "2.9.0", &IncidentRoot, &IncidentMenuPage},
      {kTop, 3, "3.4.0", &AboutPage, nullptr},
      {kSecond, 3, "3.3.0", &UnderstandingPage, nullptr},
      {kSecond, 2, "3.2.0", &ExamplesPage, nullptr},
      {kSecond, 1, "3.1.0", &GlossaryPage, nullptr},
      {kTop, 1, "1.1.2", &PIRoot, &PIPage(2)},  // the module and step shown last
      {kSecond, 3, "1.3.1", &BARoot, &BAPage(1)},
      {kTop, 2, "2.9.0", &IncidentRoot, &IncidentMenuPage},
      {kTop, 3, "3.1.0", &GlossaryPage, nullptr},
  };
  for (const auto& s : steps) {
    ClickTab(s.bar, s.tab);
    SCOPED_TRACE(s.key);
    EXPECT_EQ(Key(), s.key);
    EXPECT_EQ(ShownRoot, *s.root);
    EXPECT_TRUE(pf::IsGadgetVisible(*s.root));
    if (s.page) {
      EXPECT_TRUE(pf::IsGadgetVisible(*s.page));
    }
    for (int i = 1; i <= 9; ++i) {
      if (!pf::IsGadgetHidden(SecondTabGadget(i))) {
        EXPECT_EQ(WhiteCaption(SecondTabImage(i)), i == CurrentSecondTab) << "second tab " << i;
      }
      if (!pf::IsGadgetHidden(ThirdTabGadget(i))) {
        EXPECT_EQ(WhiteCaption(ThirdTabImage(i)), i == CurrentThirdTab) << "third tab " << i;
      }
    }
  }
  // Only the module's shown step is visible inside its root.
  for (int i = 1; i <= 9; ++i) EXPECT_EQ(pf::IsGadgetHidden(BAPage(i)), i != 1) << i;
  EXPECT_FALSE(pf::IsGadgetVisible(PIRoot));
}

TEST_F(TabsTest, TheSummaryTabSelectsNoStepAndAStepLeavesTheSummaryTabUnselected) {
  ClickTab(kTop, 2);
  ClickTab(kSecond, 4);  // "5 Replacement"
  ClickTab(kThird, 1);
  EXPECT_EQ(Key(), "2.10.1");
  EXPECT_TRUE(pf::IsGadgetVisible(RecordTitleText));
  for (int i = 1; i <= 9; ++i) EXPECT_NE(CurrentSecondTab, i);

  ClickTab(kSecond, 6);  // "3 Investigation"
  EXPECT_EQ(Key(), "2.6.0");
  EXPECT_EQ(ThirdTabCaption(1), "Multiple Incidents Summary");
  EXPECT_TRUE(pf::IsGadgetVisible(ThirdTabGadget(1)));
  EXPECT_FALSE(pf::IsGadgetVisible(MISummaryPage));

  // Leaving for another area and coming back reopens the summary.
  ClickTab(kThird, 1);
  ClickTab(kTop, 3);
  EXPECT_FALSE(pf::IsGadgetVisible(RecordTitleText));
  ClickTab(kTop, 2);
  EXPECT_EQ(Key(), "2.10.1");
  EXPECT_TRUE(pf::IsGadgetVisible(MISummaryPage));
}

TEST_F(TabsTest, PagesAreBuiltOnceAndWorksheetsRecalculateWhenTheyShow) {
  // Counted over ShowPage alone: a field that loses the focus afterwards recalculates too.
  struct Visit {
    int top, second, third;
    int incident, ba, cg;  // recalculations this visit runs
  };
  const Visit visits[] = {
      {1, -1, -1, 0, 0, 0},                        // the analysis choice
      {-1, 3, -1, 0, 1, 0},                        // building a module starts a new analysis
      {-1, -1, 7, 0, 1, 0}, {-1, -1, 7, 0, 0, 0},  // the same position again changes nothing
      {-1, -1, 6, 0, 1, 0}, {-1, 2, -1, 0, 0, 1},
      {-1, -1, 1, 0, 0, 1}, {2, -1, -1, 1, 0, 0},  // building the calculator starts a new incident
      {-1, 7, -1, 1, 0, 0}, {-1, -1, 1, 0, 0, 0},  // the summary
      {1, -1, -1, 0, 0, 1},                        // back to the step shown last
      {-1, 3, -1, 0, 1, 0},
  };
  int firstRoots[3] = {};
  for (const auto& v : visits) {
    const int before[3] = {IncidentRecalcCount, RecalcCount[KindBA], RecalcCount[KindCG]};
    ShowPage(v.top, v.second, v.third);
    SCOPED_TRACE(Key());
    EXPECT_EQ(IncidentRecalcCount - before[0], v.incident);
    EXPECT_EQ(RecalcCount[KindBA] - before[1], v.ba);
    EXPECT_EQ(RecalcCount[KindCG] - before[2], v.cg);
    Pump();
    const int roots[3] = {BARoot, CGRoot, IncidentRoot};
    for (int i = 0; i < 3; ++i) {
      if (!firstRoots[i]) firstRoots[i] = roots[i];
      EXPECT_EQ(roots[i], firstRoots[i]) << "built again: root " << i;
    }
  }
  const int choice = AnalysisChoicePage;
  ClickTab(kSecond, 4);
  EXPECT_EQ(AnalysisChoicePage, choice);
  EXPECT_EQ(ShownRoot, choice);
}

TEST_F(TabsTest, TheFooterFollowsTheStep) {
  ClickTab(kTop, 1);
  ClickTab(kSecond, 3);
  GiveBAFooter();
  struct Case {
    int third;
    const char* caption;
    bool footer, next, stepEight;
  };
  const Case cases[] = {
      {6, "Step 3 of  8", true, true, false},
      {1, "Step 8 of  8", true, false, true},
      {8, "Step 1 of  8", true, true, false},
      {9, nullptr, false, false, false},  // the start page has no footer
  };
  for (const auto& c : cases) {
    ClickTab(kThird, c.third);
    SCOPED_TRACE(Key());
    if (c.caption) {
      EXPECT_EQ(pf::GetGadgetText(BAStepText), c.caption);
    }
    EXPECT_EQ(pf::IsGadgetVisible(BAFooter), c.footer);
    if (!c.footer) continue;
    EXPECT_EQ(pf::IsGadgetVisible(BANextButton), c.next);
    for (int b : {BASaveAnotherButton, BASaveReturnButton, BAPrintReportButton})
      EXPECT_EQ(pf::IsGadgetVisible(b), c.stepEight);
  }
}

TEST_F(TabsTest, FocusIsParkedThenMovedOnAsTabPressesDo) {
  struct Module {
    int second;
    BoundedArray<int, 11>* pages;
    int firstField;  // of step 1
  };
  ClickTab(kTop, 1);
  ClickTab(kSecond, 3);  // builds the modules on their start pages
  ClickTab(kSecond, 2);
  ClickTab(kSecond, 1);
  // The second and third analyses pass their number field.
  const Module modules[] = {{3, &BAPage, BAGadget(8, 1, 1, 2)},
                            {2, &CGPage, CGGadget(8, 2, 1, 2)},
                            {1, &PIPage, PIGadget(8, 2, 1, 2)}};
  for (const auto& m : modules) {
    ClickTab(kSecond, m.second);
    EXPECT_EQ(pf::GetActiveGadget(), FocusParkField) << m.second;
    ClickTab(kThird, 8);
    EXPECT_EQ(pf::GetActiveGadget(), m.firstField) << m.second;
    // Another step: the first control of the page that takes the focus, never a scroll area.
    ClickTab(kThird, 4);
    const int active = pf::GetActiveGadget();
    EXPECT_NE(active, FocusParkField) << m.second;
    EXPECT_NE(pf::GadgetKind(active), pf::Kind::ScrollArea) << m.second;
    EXPECT_TRUE(pf::IsGadgetVisible(active)) << m.second;
  }
}

TEST_F(TabsTest, IncidentStepsMoveWithTheirButtonsAndFocusTheirFirstField) {
  ClickTab(kTop, 2);
  ClickTab(kSecond, 7);  // step 2 builds the worksheet
  pf::test::Click(IncidentNextButton);
  Pump();
  EXPECT_EQ(CurrentSecondTab, 6);
  EXPECT_EQ(Key(), "2.6.0");
  // The focus leaves the park field for step 3's first control that takes it.
  const int active = pf::GetActiveGadget();
  EXPECT_NE(active, FocusParkField);
  EXPECT_NE(pf::GadgetKind(active), pf::Kind::ScrollArea);
  EXPECT_TRUE(pf::IsGadgetVisible(active));
  pf::test::Click(IncidentPreviousButton);
  Pump();
  pf::test::Click(IncidentPreviousButton);
  Pump();
  EXPECT_EQ(Key(), "2.8.0");
}

TEST_F(TabsTest, HomeBringsTheFrontPageWithoutSwitchingPages) {
  ClickTab(kTop, 2);
  const int shown = ShownRoot;
  ClickTab(kTop, 4);
  EXPECT_TRUE(pf::IsGadgetVisible(FrontPageHolder));
  EXPECT_FALSE(pf::IsGadgetVisible(TabbedArea));
  EXPECT_EQ(CurrentTopTab, 4);
  EXPECT_EQ(ShownRoot, shown);
  EXPECT_EQ(PageKey(LastShownTopTab, LastShownSecondTab, LastShownThirdTab), "2.9.0");
  for (int i = 1; i <= 9; ++i) EXPECT_TRUE(pf::IsGadgetHidden(SecondTabGadget(i))) << i;
}

TEST_F(TabsTest, TabsLineUpFromTheRightAndShowOnlyTheirBarsCaptions) {
  // Each tab's right edge is the left edge of the tab before it; the top bar ends short of the frame.
  EXPECT_EQ(pf::GadgetX(TopTabGadget(1)) + pf::GadgetWidth(TopTabGadget(1)), TopBarRightEdge);
  for (int i = 2; i <= 4; ++i)
    EXPECT_EQ(pf::GadgetX(TopTabGadget(i)) + pf::GadgetWidth(TopTabGadget(i)),
              pf::GadgetX(TopTabGadget(i - 1)));
  struct Bar {
    int top, visible;
  };
  for (const Bar b : {Bar{1, 4}, Bar{2, 9}, Bar{3, 4}}) {
    ClickTab(kTop, b.top);
    EXPECT_EQ(pf::GadgetX(SecondTabGadget(1)) + pf::GadgetWidth(SecondTabGadget(1)),
              pf::GadgetWidth(ContentFrame));
    for (int i = 1; i <= 9; ++i) {
      EXPECT_EQ(pf::IsGadgetHidden(SecondTabGadget(i)), i > b.visible) << b.top << "." << i;
      if (i > 1 && i <= b.visible) {
        EXPECT_EQ(pf::GadgetX(SecondTabGadget(i)) + pf::GadgetWidth(SecondTabGadget(i)),
                  pf::GadgetX(SecondTabGadget(i - 1)));
      }
    }
  }
  // The selected top tab is orange, the others grey, around their captions.
  const auto fill = [](int tab) {
    const int p = TopTabImage(tab);
    return pf::PicturePixel(p, 4, pf::PictureHeight(p) - 2);
  };
  EXPECT_EQ(fill(3), pf::MakeRgb(248, 154, 49));
  EXPECT_EQ(fill(1), pf::MakeRgb(230, 230, 230));
  EXPECT_EQ(fill(4), pf::MakeRgb(230, 230, 230));
  EXPECT_EQ(pf::PicturePixel(TopTabImage(1), 0, 0), pf::MakeRgb(255, 255, 255));
}
