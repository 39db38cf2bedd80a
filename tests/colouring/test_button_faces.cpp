#include <string>

#include "colouring/button_faces.h"
#include "colouring_fixture.h"

namespace bs = pf::button_style;

namespace {

struct OneLineCase {
  unsigned style;
  const char* name;
};

class OneLineCaption : public ColouringTest, public ::testing::WithParamInterface<OneLineCase> {};

TEST_P(OneLineCaption, IsPlacedByTheButtonsAlignment) {
  const unsigned style = GetParam().style;
  const int button = pf::ButtonGadget(pf::kAutoNumber, 10, 10, 120, 30, "Save && go", style);
  EXPECT_EQ(SetButtonColours(button, kText, kFace), ColourModeButtonFace);

  const auto texts = DrawnTexts();
  ASSERT_EQ(texts.size(), 2u);  // the normal and the pressed face
  const int width = Measure("Save & go");
  const int expectedX = style == bs::kLeft ? 4 : style == bs::kRight ? 120 - width - 4 : (120 - width) / 2;
  for (const auto& op : texts) {
    EXPECT_EQ(op.text, "Save & go");
    EXPECT_EQ(op.x, expectedX);
    EXPECT_EQ(op.y, (30 - Measure("H", true)) / 2);
    EXPECT_EQ(op.front, kText);
    EXPECT_EQ(op.mode, pf::DrawMode::Transparent);
  }
  const GadgetColourRecord& r = RecordOf(button);
  EXPECT_EQ(pf::GetButtonFace(button), r.face1);
  EXPECT_EQ(pf::PicturePixel(r.face1, 1, 1), kFace);
  EXPECT_EQ(pf::PicturePixel(r.face2, 1, 1), kFace);
  // While the face shows, the caption's place lives in the picture, not in the button's style.
  EXPECT_EQ(pf::GetButtonStyle(button), bs::kBitmap);
  EXPECT_EQ(r.savedStyle, style);
}

INSTANTIATE_TEST_SUITE_P(Alignments, OneLineCaption,
                         ::testing::Values(OneLineCase{0, "Centred"}, OneLineCase{bs::kLeft, "Left"},
                                           OneLineCase{bs::kRight, "Right"},
                                           OneLineCase{bs::kCentre, "BothBitsCentre"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ColouringTest, EveryDoubledAmpersandShowsAsOne) {
  const std::pair<const char*, const char*> cases[] = {
      {"Save && go && stop", "Save & go & stop"},
      {"&&&&", "&&"},
      {"R&D", "R&D"},
      {"&&", "&"},
  };
  for (const auto& [caption, shown] : cases) {
    const int button = pf::ButtonGadget(pf::kAutoNumber, 10, 10, 160, 30, caption);
    SetButtonColours(button, kText, kFace);
    const auto texts = DrawnTexts();
    ASSERT_EQ(texts.size(), 2u) << caption;
    EXPECT_EQ(texts[0].text, shown) << caption;
    EXPECT_EQ(texts[1].text, shown) << caption;
  }
}

TEST_F(ColouringTest, MultiLineCaptionIsCentredWhenItFitsAndStartsAtTheTopWhenNot) {
  const int lineHeight = Measure("H", true);
  const int roomy =
      pf::ButtonGadget(pf::kAutoNumber, 10, 10, 100, 4 * lineHeight, "Next\rstep", bs::kMultiLine);
  SetButtonColours(roomy, kText, kFace);
  auto texts = DrawnTexts();
  ASSERT_EQ(texts.size(), 4u);
  EXPECT_EQ(texts[0].text, "Next");
  EXPECT_EQ(texts[0].y, lineHeight);  // two lines in four: one line of room above
  EXPECT_EQ(texts[1].y, 2 * lineHeight);
  EXPECT_EQ(texts[0].x, 4 + (92 - Measure("Next")) / 2);

  const int tight =
      pf::ButtonGadget(pf::kAutoNumber, 10, 60, 100, 2 * lineHeight + 2,
                       "one two three four five six seven eight nine ten eleven", bs::kMultiLine | bs::kLeft);
  SetButtonColours(tight, kText, kFace);
  texts = DrawnTexts();
  ASSERT_EQ(texts.size(), 4u);
  EXPECT_EQ(texts[0].y, 0);
  EXPECT_EQ(texts[0].x, 4);
  EXPECT_EQ(texts[1].y, lineHeight);
  EXPECT_EQ(texts[1].text.substr(texts[1].text.size() - 3), "...");
  EXPECT_LE(Measure(texts[1].text), 92);
}

TEST_F(ColouringTest, ColouringTwiceKeepsOneRecordOneHookAndOneFacePair) {
  const int button = pf::ButtonGadget(pf::kAutoNumber, 10, 10, 120, 30, "Help", bs::kLeft);
  SetButtonColours(button, kText, kFace);
  const int face1 = RecordOf(button).face1;
  const int face2 = RecordOf(button).face2;
  const pf::Rgb hover = pf::MakeRgb(33, 64, 146);
  EXPECT_EQ(SetButtonColours(button, 0x000000, hover), ColourModeButtonFace);

  EXPECT_EQ(ColourRecords.size(), 1u);
  EXPECT_EQ(SubclassedControls.size(), 1u);
  EXPECT_EQ(SubclassedParents.size(), 1u);
  EXPECT_EQ(RecordOf(button).face1, face1);
  EXPECT_EQ(RecordOf(button).face2, face2);
  EXPECT_EQ(pf::PicturePixel(face1, 1, 1), hover);
  // The style saved on the first colouring survives the second, which found the bits already cleared.
  EXPECT_EQ(RecordOf(button).savedStyle, bs::kLeft);
  DrawnTexts();

  // One hook: a caption change draws the two faces once, not once per colouring.
  pf::SetGadgetText(button, "More help");
  const auto texts = DrawnTexts();
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[0].front, 0x000000u);

  EXPECT_EQ(SetButtonColours(987654, kText, kFace), 0u);  // no such control
  EXPECT_EQ(ColourRecords.size(), 1u);
}

TEST_F(ColouringTest, CaptionAndSizeChangesRedrawTheFacesInTheSameColours) {
  const int button = pf::ButtonGadget(pf::kAutoNumber, 10, 10, 120, 30, "Open");
  SetButtonColours(button, kText, kFace);
  DrawnTexts();

  pf::SetGadgetText(button, "Close");
  auto texts = DrawnTexts();
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[0].text, "Close");
  EXPECT_EQ(texts[0].front, kText);
  EXPECT_EQ(texts[0].x, (120 - Measure("Close")) / 2);

  pf::ResizeGadget(button, pf::kIgnoreValue, pf::kIgnoreValue, 200, 40);
  texts = DrawnTexts();
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[0].x, (200 - Measure("Close")) / 2);
  const int face = pf::GetButtonFace(button);
  EXPECT_EQ(face, RecordOf(button).face1);
  EXPECT_EQ(pf::PictureWidth(face), 200);
  EXPECT_EQ(pf::PictureHeight(face), 40);
  EXPECT_EQ(pf::PicturePixel(face, 199, 39), kFace);
}

TEST_F(ColouringTest, DisabledButtonShowsTheStandardFaceAndEnablingBringsTheColourBack) {
  const unsigned original = bs::kRight | bs::kMultiLine;
  const int button = pf::ButtonGadget(pf::kAutoNumber, 10, 10, 120, 30, "Print", original);
  SetButtonColours(button, kText, kFace);
  const GadgetColourRecord r = RecordOf(button);

  pf::DisableGadget(button, true);
  EXPECT_EQ(pf::GetButtonStyle(button), original);
  pf::DisableGadget(button, false);
  EXPECT_EQ(pf::GetButtonStyle(button), bs::kBitmap);
  EXPECT_EQ(pf::GetButtonFace(button), r.face1);

  // Colouring a disabled button draws its faces but keeps the standard look until it is enabled.
  pf::DisableGadget(button, true);
  SetButtonColours(button, 0x000000, kFace);
  EXPECT_EQ(pf::GetButtonStyle(button) & bs::kBitmap, 0u);
  pf::DisableGadget(button, false);
  EXPECT_EQ(pf::GetButtonStyle(button), bs::kBitmap);

  pf::Message push;
  push.type = pf::Msg::PushState;
  push.flag = true;
  pf::SendGadgetMessage(button, push);
  EXPECT_EQ(pf::GetButtonFace(button), r.face2);
  push.flag = false;
  pf::SendGadgetMessage(button, push);
  EXPECT_EQ(pf::GetButtonFace(button), r.face1);
}

TEST_F(ColouringTest, EndGivesEveryButtonItsStyleBackAndStopsFollowingIt) {
  const int plain = pf::ButtonGadget(pf::kAutoNumber, 10, 10, 120, 30, "One");
  const int multi = pf::ButtonGadget(pf::kAutoNumber, 10, 50, 120, 30, "Two", bs::kLeft | bs::kMultiLine);
  SetButtonColours(plain, kText, kFace);
  SetButtonColours(multi, kText, kFace);
  SetButtonColours(multi, 0x000000, kFace);
  DrawnTexts();

  EndColourLibrary();
  EXPECT_EQ(pf::GetButtonStyle(plain), 0u);
  EXPECT_EQ(pf::GetButtonStyle(multi), bs::kLeft | bs::kMultiLine);
  EXPECT_TRUE(ColourRecords.empty());
  EXPECT_TRUE(SubclassedControls.empty());
  pf::SetGadgetText(multi, "Three");
  EXPECT_TRUE(DrawnTexts().empty());
}

}  // namespace
