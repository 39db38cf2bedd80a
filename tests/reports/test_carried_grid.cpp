// A grid whose headings would end a page goes to the next page with its first row, under its section's
// title continued: its cells' vertical lines start there at the grid's top rule, which moved with the
// headings, not at the top of the page.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "report_printing.h"
#include "reports/report_frame.h"

namespace {

using namespace report_tests;

constexpr int kDpi = 600;
constexpr int kLine = 12;  // the thickness of the grid's top rule and of its separators at 600 dpi

bool IsGridTop(const Op& op, int width) {
  return op.type == Op::Type::Box && op.front == 0 && op.x == 10 && op.w == ReportColumn(0.95, width) - 10 &&
         op.h == kLine;
}

bool IsSeparator(const Op& op, int width) {
  return op.type == Op::Type::Box && op.front == 0 && op.w == kLine &&
         (op.x == ReportColumn(0.25, width) || op.x == ReportColumn(0.6, width));
}

bool Opens(const pf::test::PrintedPage& page, const std::string& text) {
  const auto first =
      std::find_if(page.ops.begin(), page.ops.end(), [](const Op& op) { return op.type == Op::Type::Text; });
  return first != page.ops.end() && FoldedText(first->text) == FoldedText(text);
}

using CarriedGrid = ReportPrinting;

// The concurrent groups' incidents grid stands below the shared criteria, so that page heights a little
// apart put the end of a page under its headings.
TEST_F(CarriedGrid, ItsLinesStartAtItsTopRuleOnThePageItWasCarriedTo) {
  ChooseExample(Sheet::CG, 0);
  constexpr int width = 3196;
  int carried = 0;
  for (int height = 2600; height <= 3000; height += 25) {
    SCOPED_TRACE("page " + std::to_string(width) + " x " + std::to_string(height));
    const auto pages =
        Print(Sheet::CG, {"Carried", width, height, kDpi}, "CarriedGrid-" + std::to_string(height));
    ASSERT_FALSE(pages.empty());
    bool gridBegun = false;
    for (std::size_t p = 0; p < pages.size(); ++p) {
      const auto& ops = pages[p].ops;
      const auto top =
          std::find_if(ops.begin(), ops.end(), [](const Op& op) { return IsGridTop(op, width); });
      if (top == ops.end()) continue;
      // The grid begins on a page its section goes on to: its headings were carried there.
      if (!gridBegun && Opens(pages[p], "INCIDENTS (continued)")) ++carried;
      gridBegun = true;
      const auto separator =
          std::find_if(top, ops.end(), [](const Op& op) { return IsSeparator(op, width); });
      ASSERT_NE(separator, ops.end()) << "no cell lines under the grid's top on page " << p + 1;
      EXPECT_EQ(separator->y, top->y) << "the cell lines on page " << p + 1 << " start at y " << separator->y
                                      << ", the grid's top rule stands at y " << top->y;
    }
  }
  EXPECT_GT(carried, 0) << "no page height carried the grid's headings to a new page";
}

}  // namespace
