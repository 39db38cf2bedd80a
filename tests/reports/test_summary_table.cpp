// The summary table of each analysis (its net return, payback and ratio with their 10 % variants under the
// three "Calculated ..." captions) printed from the examples at the smallest printable areas and at every
// resolution from 300 to 1200 dpi: the same paper holds the same table, its captions' words whole and clear
// of the table's lines, and a figure drawn smaller to fit its cell at three quarters of its size or more.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "report_printing.h"

namespace {

using namespace report_tests;

// A5 less quarter-inch margins and A5 at the shortest page the reports hold, at each resolution; letter and
// A4 less their margins.
constexpr Geometry kAreas[] = {{"A5Margins300", 1598, 2330, 300},   {"A5Short300", 1598, 1300, 300},
                               {"A5Margins600", 3196, 4661, 600},   {"A5Short600", 3196, 2600, 600},
                               {"A5Margins1200", 6392, 9322, 1200}, {"LetterMargins300", 2466, 3216, 300},
                               {"A4Margins600", 4760, 6814, 600},   {"A4Margins1200", 9520, 13632, 1200}};

constexpr const char* kCaptions[] = {"Calculated", "benefits less", "value", "benefits plus", "10%"};

bool IsCaption(const std::string& text) {
  static const std::set<std::string> words = [] {
    std::set<std::string> w;
    for (const char* c : kCaptions) {
      std::istringstream in(FoldedText(c));
      for (std::string word; in >> word;) w.insert(word);
    }
    return w;
  }();
  std::istringstream in(FoldedText(text));
  int count = 0;
  for (std::string word; in >> word; ++count)
    if (!words.count(word)) return false;
  return count > 0;
}

// The pages of the summary section, its first page from its title on.
std::vector<pf::test::PrintedPage> SummaryPages(const std::vector<pf::test::PrintedPage>& pages) {
  std::vector<pf::test::PrintedPage> summary;
  for (const auto& page : pages) {
    const auto title = std::find_if(page.ops.begin(), page.ops.end(), [](const Op& op) {
      return op.type == Op::Type::Text && FoldedText(op.text) == "SUMMARY";
    });
    if (title != page.ops.end())
      summary.clear(), summary.push_back({{title, page.ops.end()}});
    else if (!summary.empty())
      summary.push_back(page);
  }
  return summary;
}

bool IsVertical(const Op& op) { return op.type == Op::Type::Line && op.x == op.w && op.y != op.h; }

const char* SheetName(Sheet sheet) {
  return sheet == Sheet::BA   ? "BeforeAfter"
         : sheet == Sheet::CG ? "ConcurrentGroups"
                              : "PotentialIntervention";
}

class SummaryTable : public ReportPrinting, public ::testing::WithParamInterface<Sheet> {};

TEST_P(SummaryTable, CaptionsStandWholeClearOfTheLinesAndFiguresKeepThreeQuartersOfTheirSize) {
  const Sheet sheet = GetParam();
  ChooseExample(sheet, 0);
  for (const auto& g : kAreas) {
    SCOPED_TRACE(g.name);
    const auto pages = SummaryPages(Print(sheet, g, std::string(SheetName(sheet)) + "-" + g.name));
    ASSERT_FALSE(pages.empty()) << "no summary printed";
    const auto texts = VisibleTexts(pages);
    ExpectInsideThePage(texts, g.width, g.height);
    ExpectNoTextOverAnother(texts);
    ExpectWordsWhole(pages, {std::begin(kCaptions), std::end(kCaptions)});
    int captions = 0, lineHeight = 0;
    for (const auto& t : texts)
      if (t.op->font != kFittedFont) lineHeight = std::max(lineHeight, t.op->h);
    for (const auto& t : texts) {
      const Op& o = *t.op;
      if (o.font == kFittedFont) {
        // The fitted size is whole pixels: its height may round a pixel below three quarters.
        EXPECT_GE(4 * o.h + 4, 3 * lineHeight) << Where(t) << " is drawn at " << o.h << " of " << lineHeight;
      }
      if (!IsCaption(o.text)) continue;
      ++captions;
      // Half a blank (a quarter of a line's height is about a blank) between a caption and the table's
      // lines on either side of it, so that neighbouring captions never touch.
      const int clearance = lineHeight / 8;
      for (const Op& line : pages[std::size_t(t.page)].ops) {
        if (!IsVertical(line) || std::max(line.y, line.h) < o.y || std::min(line.y, line.h) > o.y + o.h)
          continue;
        EXPECT_TRUE(line.x < o.x - clearance || line.x > o.x + o.w + clearance)
            << Where(t) << ", " << o.w << " wide, touches the table's line at x " << line.x;
      }
    }
    EXPECT_GE(captions, 8) << "the table's captions are not printed";
  }
}

INSTANTIATE_TEST_SUITE_P(Reports, SummaryTable, ::testing::Values(Sheet::BA, Sheet::CG, Sheet::PI),
                         [](const auto& info) { return std::string(SheetName(info.param)); });

}  // namespace
