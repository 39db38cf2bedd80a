#include <string>
#include <vector>

#include "program_fixture.h"
#include "shell/global_tables.h"
#include "shell/main_window.h"
#include "shell/shell_globals.h"

TEST(CategoryLists, KeepTheirDisplayOrderAndCodes) {
  BuildCategoryLists();
  struct Expect {
    const std::vector<CategoryEntry>* list;
    std::size_t size;
    std::string first;
    int firstCode;
    std::string last;
    int lastCode;
  };
  const Expect cases[] = {
      {&IncidentTypeList, 5, "work injury/illness (lost-time)", 0, "other", 99},
      {&InjuryNatureList, 12, "wounds (e.g. cuts, punctures, abrasions etc.)", 4, "not applicable", 11},
      {&BodyPartList, 13, "head", 0, "other", 99},
      {&IncidentCauseList, 13, "struck by or against object/equipment", 0, "not applicable", 11},
      {&WorkerCategoryList, 6, "full-time permanent", 0, "other/multiple", 99},
  };
  for (const auto& c : cases) {
    ASSERT_EQ(c.list->size(), c.size) << c.first;
    EXPECT_EQ(c.list->front().name, c.first);
    EXPECT_EQ(c.list->front().code, c.firstCode);
    EXPECT_EQ(c.list->back().name, c.last);
    EXPECT_EQ(c.list->back().code, c.lastCode);
  }
  // "other" stands before "unknown" and "not applicable" among the causes.
  EXPECT_EQ(IncidentCauseList[10].name, "other");
  EXPECT_EQ(InjuryNatureList[7].name,
            "environmental trauma  (e.g. reaction to allergens, sun, cold, insect bites etc.)");
}

TEST_F(ProgramTest, StartsWithTheDraftNoticeAndTheFrame) {
  const auto log = pf::test::TakeMessageLog();
  ASSERT_EQ(log.size(), 1u);
  EXPECT_EQ(log[0].title, "Draft Version");
  EXPECT_EQ(log[0].text, "");
  EXPECT_EQ(log[0].buttons, pf::Buttons::Ok);

  EXPECT_EQ(pf::WindowClientWidth(pf::kMainWindow), 1024);
  EXPECT_EQ(pf::WindowClientHeight(pf::kMainWindow), 708);
  EXPECT_DOUBLE_EQ(ScaleX, 1.0);
  EXPECT_DOUBLE_EQ(FontScale, 1.0);
  // The front page shows first; the tabbed area waits behind it.
  EXPECT_TRUE(pf::IsGadgetVisible(FrontPageHolder));
  EXPECT_FALSE(pf::IsGadgetVisible(TabbedArea));
  EXPECT_EQ(pf::GetGadgetText(CompanyNameField), "Click here to enter your workplace information");
  EXPECT_EQ(pf::GetGadgetColour(CompanyNameField, FrontColourType), kCompanyHintColour);
  EXPECT_EQ(pf::GetGadgetColour(TabBarStrip, BackColourType), pf::MakeRgb(248, 154, 49));
  EXPECT_EQ(CurrentTopTab, 4);
  EXPECT_FALSE(pf::IsWindowVisible(HelpPopupWindow));
  // Fonts at their table sizes: 12 points at 96 dpi is 16 pixels.
  EXPECT_EQ(pf::FontPixelHeight(17), 16);
  EXPECT_EQ(pf::FontPixelHeight(99), 11);
}

TEST_F(ProgramTest, ClosingWithNothingModifiedEndsTheProgram) {
  pf::test::RequestClose();
  Pump();
  EXPECT_TRUE(ExitRequested);
  EXPECT_TRUE(pf::test::TakeMessageLog().size() == 1);  // only the start-up notice
}

TEST_F(ProgramTest, HomeTilesLeadIntoTheirAreas) {
  const struct { int tile, top; } cases[] = {{3, 1}, {2, 2}, {1, 3}};
  for (const auto& c : cases) {
    pf::HideGadget(FrontPageHolder, false);
    pf::HideGadget(TabbedArea, true);
    pf::test::Click(HomeTile(c.tile));
    Pump();
    EXPECT_EQ(CurrentTopTab, c.top) << "tile " << c.tile;
    EXPECT_TRUE(pf::IsGadgetVisible(TabbedArea));
    EXPECT_FALSE(pf::IsGadgetVisible(FrontPageHolder));
  }
  EXPECT_EQ(pf::GetGadgetText(HomeTile(2)), "\rINCIDENT COST\rCALCULATOR");
}

// The step buttons are JPEG pictures decoded while the program starts: their orange face stays orange,
// red well above blue, beside the arrow.
TEST_F(ProgramTest, BuiltInJpegPicturesKeepTheirColours) {
  for (int picture : {14, 16}) {
    SCOPED_TRACE(picture);
    ASSERT_EQ(pf::PictureWidth(picture), 140);
    const pf::Rgb face = pf::PicturePixel(picture, 5, 16);
    EXPECT_GT(pf::Red(face), 200);
    EXPECT_LT(pf::Blue(face), 120);
  }
}
