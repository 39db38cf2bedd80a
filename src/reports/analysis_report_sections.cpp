// The bespoke pieces of the analysis reports: the criteria lists beside their labels, the incident totals
// of the grid, and the claims block of the insurance costs.
#include <algorithm>

#include "platform/platform.h"
#include "reports/analysis_report.h"
#include "reports/report_frame.h"
#include "shell/design_grid.h"
#include "shell/paragraph_drawing.h"

namespace {

int W(double f) { return ReportColumn(f); }

// Moves `next` past the list's next selected item and prints it; false when the list has no item left.
bool PrintNextSelected(int list, int& next, int left, int right, int y) {
  const int count = pf::CountGadgetItems(list);
  while (next < count) {
    const int item = next++;
    if (pf::IsGadgetItemSelected(list, item)) {
      ReportBullet(pf::GetGadgetItemText(list, item), 0, left, right, y);
      return true;
    }
  }
  return false;
}

}  // namespace

// The selected items of the two lists stand side by side, one pair per line, each list in its own order.
void PrintPairedCriteriaRow(const AnalysisReportKind& k, int row, double left1, double right1, double left2,
                            double right2) {
  DrawParagraph(AnalysisCell(k, 6, row, 1, 0) + ":", 0, 10, W(0.25), -1, 0, -1, 0);
  const int list1 = (*k.gadget)(6, row, 1, 2), list2 = (*k.gadget)(6, row, 2, 2);
  int next1 = 0, next2 = 0;
  while (next1 < pf::CountGadgetItems(list1) || next2 < pf::CountGadgetItems(list2)) {
    const int lineY = ReportCursorY();
    if (next1 < pf::CountGadgetItems(list1)) {
      PrintNextSelected(list1, next1, W(left1), W(right1), lineY);
      ReportMoveTo(-1, -1, lineY);
    }
    if (next2 < pf::CountGadgetItems(list2)) PrintNextSelected(list2, next2, W(left2), W(right2), lineY);
    ReportAdvance(1);
  }
  ReportAdvance(1, 10, ReportWidth);
}

void PrintSharedCriteriaRow(const AnalysisReportKind& k, int row, double emptyLines) {
  const int lineY = ReportCursorY();
  DrawParagraph(AnalysisCell(k, 6, row, 1, 0) + ":", 0, 10, W(0.25), -1, 0, -1, 0);
  ReportMoveTo(-1, -1, lineY);
  const int list = (*k.gadget)(6, row, 1, 2);
  bool any = false;
  for (int item = 0; item < pf::CountGadgetItems(list); ++item) {
    if (!pf::IsGadgetItemSelected(list, item)) continue;
    ReportBullet(pf::GetGadgetItemText(list, item), 1, W(0.35), W(0.95), any ? -1 : lineY);
    any = true;
  }
  if (!any) {
    ReportMoveTo(-1, -1, lineY);
    if (emptyLines > 0) ReportAdvance(emptyLines);
  }
  ReportAdvance(1.5, 10, ReportWidth);
  ReportRule();
}

// Number, total cost and average cost of the incidents included, under the grid's separators.
void PrintIncidentTotals(const AnalysisReportKind& k, std::span<const int> rows, ReportSeparators& seps) {
  const int e1 = RoundHalfEven(W(0.6) - 0.1 * ReportWidth), e2 = RoundHalfEven(W(0.95) - 0.1 * ReportWidth);
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const std::string prefix = i == 0 ? "" : "$";
    const ReportValue values[] = {{prefix + AnalysisCell(k, 6, rows[i], 1, 2), e1},
                                  {prefix + AnalysisCell(k, 6, rows[i], 2, 2), e2}};
    seps.Down(ReportValueRow(AnalysisCell(k, 6, rows[i], 1, 0), values, W(0.25), 1));
  }
}

namespace {

// The rate-model inputs of the chosen industry code, as step 7 shows them.
struct ClaimsLine {
  int row;
  const char* prefix;
  bool yearLabel = false;  // the payroll lines are named by their year
  bool labelOnly = false;
};
constexpr ClaimsLine kClaimsLines[] = {
    {11, ""},        {12, "$"},       {13, "$"},       {14, "", false, true},
    {14, "$", true}, {15, "$", true}, {16, "$", true}, {17, "$", true},
    {18, "$", true}, {19, "$", true}, {20, "$"},       {29, "", false, true},
    {21, "$"},       {22, "$"},
};

}  // namespace

// The claim costs of the two situations, the inputs of the premium model and the premium changes it gives.
void PrintClaimsBlock(const AnalysisReportKind& k) {
  const int e1 = W(k.claimsEdge1), e2 = W(k.claimsEdge2);
  ReportRightAligned(k.claimsCaption1, e1);
  ReportRightAligned(k.claimsCaption2, e2);
  ReportAdvance(2);
  const ReportValue headings[] = {{"Total claims cost", e1}, {"Total claims cost", e2}};
  ReportHeadings(headings, ReportUnderlineFont, 1.5);
  ReportRightAligned(AnalysisCell(k, 2, 8, 1, 1), e1);
  ReportRightAligned(AnalysisCell(k, 2, 8, 1, 2), e2);
  ReportAdvance(1.5, 10, ReportWidth);
  ReportRule();
  for (const auto& line : kClaimsLines) {
    if (line.labelOnly) {
      ReportText(AnalysisCell(k, 2, line.row, 1, 0), 1.5, 10, ReportWidth);
      continue;
    }
    const std::string label = AnalysisCell(k, 2, line.row, 1, line.yearLabel ? 1 : 0);
    const ReportValue value[] = {{line.prefix + AnalysisCell(k, 2, line.row, 1, 2), W(0.95)}};
    ReportValueRow(label, value, W(0.6));
  }
  for (const int row : {24, 25}) {
    if (row == 25 && !k.claimsAllCodes) break;
    const ReportValue value[] = {{"$ " + AnalysisCell(k, 2, row, 2, 2), W(0.95)}};
    ReportValueRow(AnalysisCell(k, 2, row, 1, 0), value, W(0.6));
  }
}
