// The frame every report is printed in: the job, the scaled fonts, the header, section breaks, bands and
// value rows, printed on a recording printer.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/drawing_fixture.h"
#include "platform/platform.h"
#include "platform/test_surface.h"
#include "reports/report_frame.h"
#include "shell/paragraph_drawing.h"
#include "shell/shell_globals.h"

namespace {

using Op = pf::test::DrawOp;

TEST(ReportLayout, ScalesFontsAndBarsToThePrinterWithHalvesToEven) {
  const double s600 = 600 / 96.0;  // 6.25
  EXPECT_EQ(ReportFontSize(12, s600), 75);
  EXPECT_EQ(ReportFontSize(10, s600), 62);  // 62.5
  EXPECT_EQ(ReportBarHeight(3, s600), 19);  // 18.75
  EXPECT_EQ(ReportBarHeight(2, s600), 12);  // 12.5
  EXPECT_EQ(ReportBarHeight(1, s600), 6);   // 6.25
  EXPECT_EQ(ReportColumn(0.65, 5100), 3315);
  EXPECT_EQ(ReportColumn(0.5, 5101), 2550);  // 2550.5
  EXPECT_EQ(ReportColumn(0.5, 5103), 2552);  // 2551.5
}

TEST(ReportLayout, AGroupIsInUseWhenTheWholeHoursAreAboveZero) {
  const struct {
    const char* hours;
    bool inUse;
  } cases[] = {{"12.7", true}, {"1", true},    {"0.9", false},  {"0", false}, {"", false},
               {"-5", false},  {"abc", false}, {"1,200", true}, {" 3", true}, {"99999999999999999999", true}};
  for (const auto& c : cases) EXPECT_EQ(GroupHoursInUse(c.hours), c.inUse) << c.hours;
}

// Captions print as their static texts show them on screen.
TEST(ReportLayout, ACaptionShowsItsDoubledAmpersandOnceAndHidesAMnemonicOne) {
  const std::pair<const char*, const char*> cases[] = {{"fees && commissions", "fees & commissions"},
                                                       {"Overtime && worker", "Overtime & worker"},
                                                       {"&&&&", "&&"},
                                                       {"&Save", "Save"},
                                                       {"trailing &", "trailing "},
                                                       {"none", "none"}};
  for (const auto& [caption, shown] : cases) EXPECT_EQ(ShownCaption(caption), shown) << caption;
}

class ReportFrameTest : public drawing_tests::PlatformTest {
 protected:
  void SetUp() override {
    PlatformTest::SetUp();
    pf::test::ScriptMessageBoxes(true);
  }
  void TearDown() override { pf::ShutdownPlatform(); }

  static std::vector<std::string> Texts(const pf::test::PrintedPage& page) {
    std::vector<std::string> texts;
    for (const auto& op : page.ops)
      if (op.type == Op::Type::Text) texts.push_back(op.text);
    return texts;
  }
};

TEST_F(ReportFrameTest, ACancelledDialogPrintsNothingAndLoadsNoFont) {
  pf::test::ScriptPrintCancel();
  EXPECT_FALSE(BeginReport());
  EXPECT_TRUE(pf::test::TakePrintJobs().empty());
  EXPECT_FALSE(pf::FontExists(ReportFont));
  EXPECT_TRUE(pf::test::TakeMessageLog().empty());
}

TEST_F(ReportFrameTest, AJobThatCannotStartIsReportedNotPrinted) {
  pf::test::ScriptPrinter(5100, 6600, 600, "/nonexistent-folder/for/report.pdf");
  pf::test::ScriptMessageAnswers({pf::Answer::Ok});
  EXPECT_FALSE(BeginReport());
  const auto log = pf::test::TakeMessageLog();
  ASSERT_EQ(log.size(), 1u);
  EXPECT_NE(log[0].text.find("could not be printed"), std::string::npos);
}

// A row low on the page keeps its rule there; the next row goes on the next page under the section's title,
// continued, and the headings the section set.
TEST_F(ReportFrameTest, ARowAtTheFootOfAPageKeepsItsRuleAndTheNextGoesOnUnderTheHeadings) {
  pf::test::ScriptPrinter(5100, 6600, 600);
  ASSERT_TRUE(BeginReport());
  ReportSectionHeading("costs");
  ReportContinueWith([] { ReportText("Amount", 1, ReportColumn(0.8)); });
  const int lastLineTop = LastLineTop();
  const int rowY = lastLineTop - 100;  // its rule still fits on the paper, the next row does not
  ReportMoveTo(0, ReportWidth, rowY);
  const ReportValue first[] = {{"$1", ReportColumn(0.95)}};
  const int ruleY = ReportValueRow("first", first, ReportColumn(0.4));
  const ReportValue next[] = {{"$2", ReportColumn(0.95)}};
  ReportValueRow("next", next, ReportColumn(0.4));
  EndReport();

  auto jobs = pf::test::TakePrintJobs();
  ASSERT_EQ(jobs.size(), 1u);
  ASSERT_EQ(jobs[0].pages.size(), 2u);
  const auto& ops = jobs[0].pages[0].ops;
  EXPECT_GT(ruleY, lastLineTop);
  EXPECT_NE(std::find_if(ops.begin(), ops.end(),
                         [&](const Op& op) { return op.type == Op::Type::Line && op.y == ruleY; }),
            ops.end());
  EXPECT_EQ(Texts(jobs[0].pages[1]), (std::vector<std::string>{"COSTS (continued)", "Amount", "$2", "next"}));
}

TEST_F(ReportFrameTest, HeaderOnTheFirstPageOnlyAndSectionsBreakPastHalfThePage) {
  pf::test::ScriptPrinter(5100, 6600, 600);
  ASSERT_TRUE(BeginReport());
  EXPECT_EQ(ReportWidth, 5100);
  EXPECT_DOUBLE_EQ(ReportScale, 6.25);
  ReportSectionHeading("first section");
  // Exactly at half the page the next section stays; one pixel lower it moves to a new page at y 10.
  DrawParagraph("", 0, 0, -1, 3300, 0, -1, 0);
  ReportSectionBreak();
  EXPECT_EQ(ReportCursorY(), 3300);
  DrawParagraph("", 0, 0, -1, 3301, 0, -1, 0);
  ReportSectionBreak();
  EXPECT_EQ(ReportCursorY(), 10);
  ReportSectionHeading("second");
  EndReport();

  auto jobs = pf::test::TakePrintJobs();
  ASSERT_EQ(jobs.size(), 1u);
  EXPECT_EQ(jobs[0].name, "Report");
  EXPECT_TRUE(jobs[0].ended);
  ASSERT_EQ(jobs[0].pages.size(), 2u);
  const auto first = Texts(jobs[0].pages[0]);
  EXPECT_NE(std::find(first.begin(), first.end(), "FIRST SECTION"), first.end());
  const auto second = Texts(jobs[0].pages[1]);
  ASSERT_FALSE(second.empty());
  EXPECT_EQ(second.front(), "SECOND");
  // The section bar under a title is 3 x s high across the page.
  const auto& ops = jobs[0].pages[1].ops;
  const auto bar =
      std::find_if(ops.begin(), ops.end(), [](const Op& op) { return op.type == Op::Type::Box; });
  ASSERT_NE(bar, ops.end());
  EXPECT_EQ(bar->w, 5100);
  EXPECT_EQ(bar->h, 19);
}

TEST_F(ReportFrameTest, ValuesEndAtTheirEdgesOnTheLabelsFirstLine) {
  pf::test::ScriptPrinter(5100, 6600, 600);
  ASSERT_TRUE(BeginReport());
  const int y = ReportCursorY();
  const ReportValue values[] = {{"$1,234.50", 3315}, {"$7.00", 4845}};
  ReportValueRow("Regular wage rate of the workers in this group", values, ReportColumn(0.5));
  const int w1 = pf::TextWidth("$1,234.50"), w2 = pf::TextWidth("$7.00");
  EndReport();
  const auto jobs = pf::test::TakePrintJobs();
  ASSERT_EQ(jobs.size(), 1u);
  for (const auto& op : jobs[0].pages[0].ops) {
    if (op.type != Op::Type::Text || op.text.find('$') == std::string::npos) continue;
    EXPECT_EQ(op.y, y) << op.text;
    EXPECT_TRUE(op.x + w1 == 3315 || op.x + w2 == 4845) << op.text;
  }
}

TEST_F(ReportFrameTest, GroupBandsAreGreyAndTheBackgroundReturnsToWhite) {
  pf::test::ScriptPrinter(5100, 6600, 600);
  ASSERT_TRUE(BeginReport());
  ReportGroupBand(1, "welders", 3000, 4400);
  DrawParagraph("after", 1, 0, -1, -1, 0, -1, 0);
  const int nameWidth = pf::TextWidth("WELDERS");
  EndReport();
  const auto jobs = pf::test::TakePrintJobs();
  ASSERT_EQ(jobs.size(), 1u);
  bool sawName = false, sawAfter = false;
  for (const auto& op : jobs[0].pages[0].ops) {
    if (op.type != Op::Type::Text) continue;
    if (op.text == "WELDERS") {
      sawName = true;
      EXPECT_EQ(op.back, pf::MakeRgb(220, 220, 220));
      EXPECT_EQ(op.x, 3000 + (1400 - nameWidth) / 2);
    }
    if (op.text == "after") {
      sawAfter = true;
      EXPECT_EQ(op.back, pf::MakeRgb(255, 255, 255));
    }
  }
  EXPECT_TRUE(sawName);
  EXPECT_TRUE(sawAfter);
}

// A5 less quarter-inch margins at 600 dpi: the narrowest printable area the reports are laid out for.
constexpr int kA5Width = 3196, kA5Height = 4661;

std::string Trim(const std::string& text) {
  const auto b = text.find_first_not_of(' ');
  return b == std::string::npos ? "" : text.substr(b, text.find_last_not_of(' ') - b + 1);
}

std::vector<Op> TextsOf(const pf::test::PrintedPage& page) {
  std::vector<Op> texts;
  for (const auto& op : page.ops)
    if (op.type == Op::Type::Text) texts.push_back(op);
  return texts;
}

TEST_F(ReportFrameTest, AShortenedTextEndsWithItsMarkAtAWordsEndWhereOneFits) {
  pf::test::ScriptPrinter(kA5Width, kA5Height, 600);
  ASSERT_TRUE(BeginReport());
  const std::string name = "MAINTENANCE ELECTRICIANS AND INSTRUMENTATION TECHNICIANS";
  const struct {
    int room;
    std::string shortened;
  } cases[] = {{pf::TextWidth(name), name},
               {pf::TextWidth("MAINTENANCE ELECTRICIANS AND..."), "MAINTENANCE ELECTRICIANS AND..."},
               {pf::TextWidth("MAINTENANCE ELECTRICIANS AND I..."), "MAINTENANCE ELECTRICIANS AND..."},
               {pf::TextWidth("MAINT..."), "MAINT..."},
               {0, "..."}};
  for (const auto& c : cases) EXPECT_EQ(ReportShortened(name, c.room), c.shortened) << c.room;
  EndReport();
  pf::test::TakePrintJobs();
}

// On the narrowest page the name goes under the caption: whole where the group starts, on one line with
// "..." where its band is repeated; no word of it is broken and no text leaves the band's page width.
TEST_F(ReportFrameTest, ALongOccupationNameWrapsUnderItsCaptionAndIsShortenedWhenRepeated) {
  pf::test::ScriptPrinter(kA5Width, kA5Height, 600);
  ASSERT_TRUE(BeginReport());
  const std::string name = "maintenance electricians and instrumentation technicians of the night shift";
  const int a = ReportColumn(0.5), b = ReportColumn(0.98);
  const int lineHeight = ReportLineHeight();
  ReportMoveTo(0, ReportWidth, 1000);
  ReportGroupBand(1, name, a, b);
  ReportMoveTo(0, ReportWidth, 2000);
  ReportGroupBand(10, name, a, b, true);
  ReportMoveTo(0, ReportWidth, 3000);
  ReportGroupBand(2, "assemblers", a, b, true);
  EndReport();

  const auto jobs = pf::test::TakePrintJobs();
  ASSERT_EQ(jobs.size(), 1u);
  std::string first, repeated, short_;
  int firstLines = 0, repeatedBottom = 0;
  for (const auto& t : TextsOf(jobs[0].pages[0])) {
    EXPECT_LE(t.x + t.w, kA5Width) << t.text;
    if (t.y < 1000) continue;
    if (t.y < 2000 && t.text.rfind("Occupational", 0) != 0 &&
        t.text.find("Occupation of") == std::string::npos) {
      first += t.text;
      ++firstLines;
    } else if (t.y >= 2000 && t.y < 3000) {
      repeatedBottom = std::max(repeatedBottom, t.y + t.h);
      if (t.text.find("MAINTENANCE") == 0) repeated = t.text;
    } else if (t.y >= 3000 && t.text.find("ASSEMBLERS") != std::string::npos) {
      short_ = t.text;
    }
  }
  EXPECT_EQ(Trim(first), "MAINTENANCE ELECTRICIANS AND INSTRUMENTATION TECHNICIANS OF THE NIGHT SHIFT");
  EXPECT_GT(firstLines, 1);
  EXPECT_TRUE(repeated.ends_with("...")) << repeated;
  EXPECT_LE(repeatedBottom - 2000, 2 * lineHeight + lineHeight / 2);
  EXPECT_EQ(short_, "ASSEMBLERS");
}

// Captions side by side keep to their columns: a long one wraps inside its own, a word wider than its
// column pushes the next caption along rather than run into it or be broken.
TEST_F(ReportFrameTest, CaptionsWrapInTheirColumnsAndAWideWordPushesTheNextAlong) {
  pf::test::ScriptPrinter(kA5Width, kA5Height, 600);
  ASSERT_TRUE(BeginReport());
  const int gap = pf::TextWidth(" ");
  const int x1 = ReportColumn(0.3), x2 = ReportColumn(0.6), x3 = ReportColumn(0.7);
  const ReportCaption captions[] = {{"Non-Intervention Department", x1, x2 - gap},
                                    {"Scenario", x2, x2 + pf::TextWidth("Scen")},
                                    {"Justification for Estimate", x3, ReportWidth}};
  const int y = ReportCursorY();
  const int last = ReportCaptionLine(captions, y);
  const int lineHeight = ReportLineHeight(), scenarioEnd = x2 + pf::TextWidth("Scenario");
  EndReport();

  const auto jobs = pf::test::TakePrintJobs();
  ASSERT_EQ(jobs.size(), 1u);
  const auto texts = TextsOf(jobs[0].pages[0]);
  std::vector<Op> captionTexts;
  for (const auto& t : texts)
    if (t.y >= y) captionTexts.push_back(t);
  for (std::size_t i = 0; i < captionTexts.size(); ++i)
    for (std::size_t j = i + 1; j < captionTexts.size(); ++j) {
      const Op &p = captionTexts[i], &q = captionTexts[j];
      EXPECT_FALSE(p.x < q.x + q.w && q.x < p.x + p.w && p.y < q.y + q.h && q.y < p.y + p.h)
          << p.text << " / " << q.text;
    }
  const auto at = [&](const std::string& text) {
    for (const auto& t : captionTexts)
      if (Trim(t.text) == text) return t;
    ADD_FAILURE() << "no " << text;
    return Op{};
  };
  EXPECT_EQ(at("Non-Intervention").x, x1);
  EXPECT_EQ(at("Department").y, y + lineHeight);
  EXPECT_EQ(at("Scenario").x, x2);
  EXPECT_GE(at("Justification for").x, scenarioEnd);
  EXPECT_EQ(last, y + lineHeight);
}

// A date is words: beside a label that reaches its column's end it stands whole, the label wrapping
// sooner; one wider than all the room left wraps at its blanks, never inside a word.
TEST_F(ReportFrameTest, ADateBesideALongLabelStandsWholeAndTheLabelWrapsSooner) {
  pf::test::ScriptPrinter(kA5Width, kA5Height, 600);
  ASSERT_TRUE(BeginReport());
  const std::string label = "Start date of the 'before' and 'after' periods";
  const int edge = ReportColumn(0.65), y = ReportCursorY();
  const ReportValue dates[] = {{"January 01, 2006", edge, "", true},
                               {"December 31, 2006", ReportColumn(0.85), "", true}};
  ReportValueRow(label, dates, ReportColumn(0.6));
  EndReport();

  const auto jobs = pf::test::TakePrintJobs();
  ASSERT_EQ(jobs.size(), 1u);
  std::vector<std::string> onFirstLine;
  for (const auto& t : TextsOf(jobs[0].pages[0]))
    if (t.y == y) onFirstLine.push_back(Trim(t.text));
  EXPECT_NE(std::find(onFirstLine.begin(), onFirstLine.end(), "January 01, 2006"), onFirstLine.end());
  EXPECT_NE(std::find(onFirstLine.begin(), onFirstLine.end(), "December"), onFirstLine.end())
      << ::testing::PrintToString(onFirstLine);
  EXPECT_EQ(std::find(onFirstLine.begin(), onFirstLine.end(), label), onFirstLine.end());
}

// A row low on a short page goes to the next page rather than have its bar drawn over its text.
TEST_F(ReportFrameTest, ARowsBarKeepsItsDistanceBelowTheRowAtThePagesFoot) {
  pf::test::ScriptPrinter(5100, 2800, 600);
  ASSERT_TRUE(BeginReport());
  const int lastLineTop = LastLineTop();
  ReportMoveTo(0, ReportWidth, lastLineTop);
  const ReportValue value[] = {{"$1", ReportColumn(0.95)}};
  const int belowBar = ReportValueRow("Potential change in turnover costs", value, ReportColumn(0.5), 2);
  const int gap = ReportAdvanceHeight(1.5) + ReportBarHeight(2, ReportScale);
  EndReport();

  const auto jobs = pf::test::TakePrintJobs();
  ASSERT_EQ(jobs.size(), 1u);
  ASSERT_EQ(jobs[0].pages.size(), 2u);
  const auto texts = TextsOf(jobs[0].pages[1]);
  ASSERT_FALSE(texts.empty());
  EXPECT_EQ(belowBar, texts.back().y + gap);
}

}  // namespace
