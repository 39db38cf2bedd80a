#include <string>

#include "program_fixture.h"
#include "shell/hover_help.h"
#include "shell/page_globals.h"
#include "shell/reading_pages.h"
#include "shell/shell_globals.h"

namespace {

// The program with the ABOUT area open, as its home tile leaves it.
class ReadingTest : public ProgramTest {
 protected:
  void SetUp() override {
    ProgramTest::SetUp();
    Click(HomeTile(1));
  }

  void ClickItem(int list, int item) {
    const pf::Rect r = pf::GadgetItemRect(list, item);
    pf::test::Click(list, r.x + r.w / 2, r.y + r.h / 2);
    Pump();
  }
  void Key(int key) {
    pf::test::KeyPress(key);
    Pump();
  }
  void OpenUnderstanding() { Click(AboutTile(1)); }
  void OpenGlossary() { Click(AboutTile(3)); }
  void OpenExamples() { Click(AboutTile(2)); }

  static int TopicList(int k) { return UnderstandingTopicList(k); }
};

// The viewer shows `needle`'s line at its top, or as near the top as the end of the text allows.
::testing::AssertionResult ScrolledTo(int viewer, const std::string& needle) {
  const int line = FindViewerLine(viewer, needle);
  if (line < 0) return ::testing::AssertionFailure() << "no line holds " << needle;
  const int first = pf::ViewerFirstVisibleLine(viewer);
  if (first == line) return ::testing::AssertionSuccess();
  if (first > line) return ::testing::AssertionFailure() << needle << " at " << line << " is above " << first;
  pf::ViewerScrollLines(viewer, 1);
  if (pf::ViewerFirstVisibleLine(viewer) != first)
    return ::testing::AssertionFailure() << needle << " at " << line << " left below the top line " << first;
  return ::testing::AssertionSuccess();
}

}  // namespace

TEST_F(ReadingTest, EachAboutTileOpensItsPage) {
  const struct {
    int tile;
    const int* page;
    const int* focus;
  } cases[] = {{1, &UnderstandingPage, &UnderstandingTopicList(1)},
               {2, &ExamplesPage, &ExamplesList},
               {3, &GlossaryPage, &GlossaryTermList}};
  for (const auto& c : cases) {
    Click(SecondTabGadget(4));
    ASSERT_TRUE(pf::IsGadgetVisible(AboutPage));
    Click(AboutTile(c.tile));
    EXPECT_TRUE(pf::IsGadgetVisible(*c.page)) << c.tile;
    EXPECT_TRUE(pf::test::HasFocus(*c.focus)) << c.tile;
  }
}

TEST_F(ReadingTest, FirstVisitShowsTheOpeningDocumentAndItComesBackSelected) {
  OpenUnderstanding();
  EXPECT_EQ(ShownDocument, 0);
  EXPECT_NE(pf::ViewerLineText(UnderstandingViewer, 0).find("How to Use this Tool"), std::string::npos);
  EXPECT_EQ(pf::GetGadgetState(TopicList(1)), 0);
  EXPECT_TRUE(pf::test::HasFocus(TopicList(1)));
  EXPECT_FALSE(pf::IsGadgetVisible(UnderstandingReturnButton));

  // Leaving after choosing the opening document and coming back keeps that choice on screen and in focus.
  ClickItem(TopicList(1), 1);
  ClickItem(TopicList(1), 0);
  Click(SecondTabGadget(1));  // the glossary
  Click(SecondTabGadget(3));
  EXPECT_EQ(ShownDocument, 0);
  EXPECT_EQ(pf::GetGadgetState(TopicList(1)), 0);
  EXPECT_TRUE(pf::test::HasFocus(TopicList(1)));
}

TEST_F(ReadingTest, EveryTopicShowsItsDocumentAtItsMarker) {
  const struct {
    int list, item, document;
    const char* title;
    const char* marker;
  } cases[] = {
      {1, 1, 1, "Features of this Tool", "topic1"},
      {1, 0, 0, "How to Use this Tool", "topic1"},
      {2, 1, 2, "How to use the Incident Cost Calculator", "topic1"},
      {2, 2, 2, "How to use the Incident Cost Calculator", "topic2"},
      {2, 3, 2, "How to use the Incident Cost Calculator", "topic3"},
      {3, 1, 3, "How to Do Your Own Analysis", "topic1"},
      {3, 3, 3, "How to Do Your Own Analysis", "topic3"},
      {3, 4, 3, "How to Do Your Own Analysis", "topic4"},
      {4, 1, 4, "Before & After Analysis", "topic1"},
      {4, 2, 4, "Before & After Analysis", "topic2"},
      {4, 6, 4, "Before & After Analysis", "topic6"},
      {5, 4, 5, "Concurrent Groups Analysis", "topic4"},
      {5, 5, 5, "Concurrent Groups Analysis", "topic5"},
      {6, 1, 6, "Analysis of a Potential Intervention", "topic1"},
      {6, 3, 6, "Analysis of a Potential Intervention", "topic3"},
      {6, 6, 6, "Analysis of a Potential Intervention", "topic6"},
  };
  OpenUnderstanding();
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.list) + "." + std::to_string(c.item));
    ClickItem(TopicList(c.list), c.item);
    EXPECT_EQ(ShownDocument, c.document);
    EXPECT_NE(FindViewerLine(UnderstandingViewer, c.title), -1);
    EXPECT_TRUE(ScrolledTo(UnderstandingViewer, c.marker));
    EXPECT_TRUE(pf::test::HasFocus(TopicList(c.list)));
  }
}

TEST_F(ReadingTest, SameTopicTwiceLeavesTheViewerWhereTheUserScrolledIt) {
  OpenUnderstanding();
  ClickItem(TopicList(4), 2);
  const int first = pf::ViewerFirstVisibleLine(UnderstandingViewer);
  pf::ViewerScrollLines(UnderstandingViewer, 3);
  ClickItem(TopicList(4), 2);
  EXPECT_EQ(pf::ViewerFirstVisibleLine(UnderstandingViewer), first + 3);
}

TEST_F(ReadingTest, ArrowKeysWalkThroughTheTopicListsAsOneList) {
  OpenUnderstanding();
  ClickItem(TopicList(1), 1);  // " Features of the tool", the first list's last real item
  Key(pf::vk::kDown);
  EXPECT_TRUE(pf::test::HasFocus(TopicList(2)));
  EXPECT_EQ(pf::GetGadgetState(TopicList(2)), 1);
  EXPECT_EQ(ShownDocument, 2);
  EXPECT_EQ(pf::GetGadgetState(TopicList(1)), -1);

  Key(pf::vk::kDown);
  Key(pf::vk::kDown);  // the last sub-topic
  Key(pf::vk::kDown);  // on to the next list's heading
  EXPECT_TRUE(pf::test::HasFocus(TopicList(3)));
  EXPECT_EQ(pf::GetGadgetState(TopicList(3)), 1);
  EXPECT_EQ(ShownDocument, 3);
  EXPECT_EQ(pf::GetTopItem(TopicList(2)), 1) << "the list left behind shows its own items again";

  Key(pf::vk::kUp);  // from a heading back to the last sub-topic above
  EXPECT_TRUE(pf::test::HasFocus(TopicList(2)));
  EXPECT_EQ(pf::GetGadgetItemText(TopicList(2), pf::GetGadgetState(TopicList(2))),
            "   -  What do you need to begin?");
  EXPECT_TRUE(ScrolledTo(UnderstandingViewer, "topic3"));

  Key(pf::vk::kUp);
  Key(pf::vk::kUp);  // the heading of list 2
  Key(pf::vk::kUp);  // " Features of the tool"
  EXPECT_TRUE(pf::test::HasFocus(TopicList(1)));
  EXPECT_EQ(pf::GetGadgetState(TopicList(1)), 1);
  EXPECT_EQ(ShownDocument, 1);

  Key(pf::vk::kNext);  // paging is not the lists'
  EXPECT_EQ(pf::GetGadgetState(TopicList(1)), 1);
}

TEST_F(ReadingTest, AfterAClickIntoTheViewerTheKeysScrollItUntilAnEntryIsChosen) {
  OpenUnderstanding();
  ClickItem(TopicList(4), 1);
  const int first = pf::ViewerFirstVisibleLine(UnderstandingViewer);
  Click(UnderstandingViewer);
  EXPECT_EQ(ViewerClicked, 1);
  EXPECT_TRUE(pf::test::HasFocus(TopicList(4))) << "the viewer never takes the focus";
  Key(pf::vk::kDown);
  Key(pf::vk::kDown);
  EXPECT_EQ(pf::GetGadgetState(TopicList(4)), 1);
  EXPECT_EQ(pf::ViewerFirstVisibleLine(UnderstandingViewer), first + 2);
  Key(pf::vk::kUp);
  EXPECT_EQ(pf::ViewerFirstVisibleLine(UnderstandingViewer), first + 1);

  ClickItem(TopicList(4), 3);
  EXPECT_EQ(ViewerClicked, 0);
  Key(pf::vk::kDown);
  EXPECT_EQ(pf::GetGadgetState(TopicList(4)), 4);
}

TEST_F(ReadingTest, WheelOverATopicListScrollsTheViewer) {
  OpenUnderstanding();
  ClickItem(TopicList(4), 1);
  const int first = pf::ViewerFirstVisibleLine(UnderstandingViewer);
  pf::test::Wheel(TopicList(4), -120);
  Pump();
  EXPECT_EQ(pf::ViewerFirstVisibleLine(UnderstandingViewer), first + 5);
  pf::test::Wheel(TopicList(4), 120);
  Pump();
  EXPECT_EQ(pf::ViewerFirstVisibleLine(UnderstandingViewer), first);
}

TEST_F(ReadingTest, EveryGlossaryTermFindsItsOwnEntry) {
  OpenGlossary();
  ASSERT_EQ(pf::CountGadgetItems(GlossaryTermList), 62);
  ClickItem(GlossaryTermList, 0);
  for (int i = 0; i < 62; ++i) {
    const std::string term = pf::GetGadgetItemText(GlossaryTermList, i);
    SCOPED_TRACE(term);
    if (i > 0) Key(pf::vk::kDown);
    EXPECT_EQ(GlossaryTermIndex, i);
    const int line = FindViewerLine(GlossaryViewer, term + ":");
    ASSERT_GE(line, 0);
    EXPECT_EQ(pf::ViewerLineText(GlossaryViewer, line).rfind(term + ":", 0), 0u)
        << "found inside another entry";
    EXPECT_TRUE(ScrolledTo(GlossaryViewer, term + ":"));
  }
}

TEST_F(ReadingTest, GlossaryKeysAndWheelFollowTheLastClick) {
  OpenGlossary();
  EXPECT_TRUE(pf::test::HasFocus(GlossaryTermList));
  ClickItem(GlossaryTermList, 10);  // "Concurrent"
  EXPECT_EQ(
      pf::ViewerLineText(GlossaryViewer, pf::ViewerFirstVisibleLine(GlossaryViewer)).rfind("Concurrent: ", 0),
      0u);
  Click(GlossaryViewer);
  EXPECT_TRUE(pf::test::HasFocus(GlossaryTermList));
  const int first = pf::ViewerFirstVisibleLine(GlossaryViewer);
  Key(pf::vk::kDown);
  pf::test::Wheel(GlossaryTermList, -120);
  Pump();
  EXPECT_EQ(pf::ViewerFirstVisibleLine(GlossaryViewer), first + 6);
  EXPECT_EQ(pf::GetGadgetState(GlossaryTermList), 10);
}

TEST_F(ReadingTest, ExamplesSkipTheSectorHeadings) {
  OpenExamples();
  EXPECT_EQ(pf::GetGadgetState(ExamplesList), 1);
  EXPECT_TRUE(pf::test::HasFocus(ExamplesList));
  Key(pf::vk::kUp);  // nothing above the first example but a heading
  EXPECT_EQ(pf::GetGadgetState(ExamplesList), 1);

  ClickItem(ExamplesList, 3);
  EXPECT_TRUE(ScrolledTo(ExamplesViewer, "topic2"));
  Key(pf::vk::kDown);  // over "SERVICE SECTOR"
  EXPECT_EQ(pf::GetGadgetState(ExamplesList), 5);
  EXPECT_TRUE(ScrolledTo(ExamplesViewer, "topic3"));
  Key(pf::vk::kDown);
  EXPECT_EQ(pf::GetGadgetState(ExamplesList), 6);
  EXPECT_TRUE(ScrolledTo(ExamplesViewer, "topic4"));

  ClickItem(ExamplesList, 4);  // a heading cannot be clicked
  EXPECT_EQ(pf::GetGadgetState(ExamplesList), 6);
  Click(ExamplesViewer);
  EXPECT_TRUE(pf::test::HasFocus(ExamplesList));
  const int first = pf::ViewerFirstVisibleLine(ExamplesViewer);
  Key(pf::vk::kUp);
  EXPECT_EQ(pf::ViewerFirstVisibleLine(ExamplesViewer), first - 1);
  EXPECT_EQ(pf::GetGadgetState(ExamplesList), 6);
}

TEST_F(ReadingTest, LearnMoreOpensTheGuideAtItsAnalysisAndReturns) {
  const struct {
    int* link;
    int document;
  } cases[] = {{&BAChoiceLink, 4}, {&CGChoiceLink, 5}, {&PIChoiceLink, 6}};
  for (const auto& c : cases) {
    Click(TopTabGadget(1));
    Click(SecondTabGadget(4));
    ASSERT_TRUE(pf::IsGadgetVisible(AnalysisChoicePage));
    Click(*c.link);
    EXPECT_TRUE(pf::IsGadgetVisible(UnderstandingPage));
    EXPECT_EQ(ShownDocument, c.document);
    EXPECT_EQ(pf::GetGadgetState(TopicList(c.document)), 1);
    EXPECT_TRUE(ScrolledTo(UnderstandingViewer, "topic1"));
    EXPECT_TRUE(pf::IsGadgetVisible(UnderstandingReturnButton));
    Click(UnderstandingReturnButton);
    EXPECT_EQ(CurrentTopTab, 1);
    EXPECT_TRUE(pf::IsGadgetVisible(AnalysisChoicePage));
  }
}

TEST_F(ReadingTest, AnalysisTilesOpenTheirModules) {
  const struct {
    int tile;
    const int* root;
  } cases[] = {{1, &BARoot}, {2, &CGRoot}, {3, &PIRoot}};
  for (const auto& c : cases) {
    Click(TopTabGadget(1));
    Click(SecondTabGadget(4));
    Click(AnalysisChoiceTile(c.tile));
    EXPECT_EQ(CurrentSecondTab, 4 - c.tile);
    EXPECT_TRUE(pf::IsGadgetVisible(*c.root)) << c.tile;
  }
}
