// The bespoke pieces of the analysis reports: the criteria lists beside their labels, the incident totals
// of the grid, and the claims block of the insurance costs.
#include <algorithm>
#include <optional>
#include <string>

#include "platform/platform.h"
#include "reports/analysis_report.h"
#include "reports/report_frame.h"
#include "shell/design_grid.h"
#include "shell/paragraph_drawing.h"

namespace {

int W(double f) { return ReportColumn(f); }

// Moves `next` past the list's next selected item and gives its text; none when the list has no selected
// item left.
std::optional<std::string> NextSelected(int list, int& next) {
  const int count = pf::CountGadgetItems(list);
  while (next < count) {
    const int item = next++;
    if (pf::IsGadgetItemSelected(list, item)) return pf::GetGadgetItemText(list, item);
  }
  return std::nullopt;
}

struct ListColumn {
  int list, left, right;
  int next = 0;
  bool HasMore() const { return next < pf::CountGadgetItems(list); }
};

// The label of a list that goes on at the top of a page.
std::string ContinuedLabel(const AnalysisReportKind& k, int row) {
  return AnalysisCell(k, 6, row, 1, 0) + " (continued):";
}

}  // namespace

// The selected items of the two lists stand side by side, one pair per line, each list in its own order;
// the next pair starts below the longer item of this one.
void PrintPairedCriteriaRow(const AnalysisReportKind& k, int row, double left1, double right1, double left2,
                            double right2, ReportSeparators& seps) {
  const std::string label = AnalysisCell(k, 6, row, 1, 0) + ":";
  ListColumn columns[] = {{(*k.gadget)(6, row, 1, 2), W(left1), W(right1)},
                          {(*k.gadget)(6, row, 2, 2), W(left2), W(right2)}};
  // Takes the pair of the next pass and the lines it needs; false when neither list has a selected item
  // left.
  std::optional<std::string> items[2];
  int pairLines = 1;
  const auto takePair = [&] {
    pairLines = 1;
    for (int c = 0; c < 2; ++c) {
      items[c] = columns[c].HasMore() ? NextSelected(columns[c].list, columns[c].next) : std::nullopt;
      if (items[c])
        pairLines = std::max(pairLines, ReportBulletLines(*items[c], columns[c].left, columns[c].right));
    }
    return items[0] || items[1];
  };
  bool more = takePair();
  // The first pair begins on the label's last line.
  ReportKeepLines(ReportLines(label, 10, W(0.25)) - 1 + pairLines);
  DrawParagraph(label, 0, 10, W(0.25), -1, 0, -1, 0);
  while (more) {
    const int lineY = ReportCursorY();
    int lowest = lineY;
    for (int c = 0; c < 2; ++c)
      if (items[c])
        lowest = std::max(lowest, ReportBullet(*items[c], 0, columns[c].left, columns[c].right, lineY));
    ReportMoveTo(-1, -1, lowest);
    ReportAdvance(1);
    more = takePair();
    if (!more) break;
    // Pairs moved to a new page begin on the last line of their label, repeated; the cells of this page
    // are closed at its end.
    const int down = (pairLines - 1) * ReportLineHeight();
    if (!ReportFits(down)) seps.Down(ReportCursorY());
    if (ReportKeepDown(down)) DrawParagraph(ContinuedLabel(k, row), 0, 10, W(0.25), -1, 0, -1, 0);
  }
  ReportAdvance(1, 10, ReportWidth);
}

// Every selected item under each other from the label's line; the row ends below the lower of the items
// and the label.
void PrintSharedCriteriaRow(const AnalysisReportKind& k, int row, double emptyLines) {
  const std::string label = AnalysisCell(k, 6, row, 1, 0) + ":";
  const int list = (*k.gadget)(6, row, 1, 2);
  int next = 0;
  std::optional<std::string> item = NextSelected(list, next);
  const int labelLines = ReportLines(label, 10, W(0.25));
  ReportKeepLines(std::max(labelLines, item ? ReportBulletLines(*item, W(0.35), W(0.95)) : 1));
  const int lineY = ReportCursorY();
  ReportPlace labelEnd = ReportPlaceAt(DrawParagraph(label, 0, 10, W(0.25), -1, 0, -1, 0));
  ReportMoveTo(-1, -1, lineY);
  int end = lineY + ReportAdvanceHeight(emptyLines);
  const double belowLabel = item ? 1 : emptyLines;
  for (bool first = true; item; item = NextSelected(list, next), first = false) {
    int itemY = first ? lineY : ReportCursorY();
    if (!first && ReportKeepLines(ReportBulletLines(*item, W(0.35), W(0.95)))) {
      // Items moved to a new page stand beside their label, repeated.
      itemY = ReportCursorY();
      labelEnd = ReportPlaceAt(DrawParagraph(ContinuedLabel(k, row), 0, 10, W(0.25), itemY, 0, -1, 0));
    }
    ReportBullet(*item, 1, W(0.35), W(0.95), itemY);
    end = ReportCursorY();
  }
  // The row ends below its label too, where the label stands on this page.
  const int labelY = ReportPlaceY(labelEnd, -1);
  if (labelY >= 0) end = std::max(end, labelY + ReportAdvanceHeight(belowLabel));
  ReportMoveTo(-1, -1, end);
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
  const int e1 = W(k.claimsEdge1), e2 = W(k.claimsEdge2), cell2 = e1 + pf::TextWidth(" ");
  // The captions, their headings and the two totals stand together; a caption wider than its column
  // wraps in it. They go to the next page with the first line of the inputs that does not fit, so that
  // no caption ends a page even where the totals are still empty.
  std::optional<ReportHeading> heading(std::in_place);
  const auto lines = [&](const std::string& first, const std::string& second) {
    return std::max(ReportRightAlignedLines(first, e1, 10), ReportRightAlignedLines(second, e2, cell2)) - 1;
  };
  SelectReportFont(ReportUnderlineFont);
  const int headingLines = lines("Total claims cost", "Total claims cost");
  SelectReportFont(ReportFont);
  ReportKeepDown((lines(k.claimsCaption1, k.claimsCaption2) + headingLines) * ReportLineHeight() +
                 ReportAdvanceHeight(2) + ReportAdvanceHeight(1.5));
  const int captionY = ReportCursorY();
  const int firstEnd = ReportRightAlignedText(k.claimsCaption1, e1, 10, captionY);
  const int lastLine = std::max(firstEnd, ReportRightAlignedText(k.claimsCaption2, e2, cell2, captionY));
  ReportMoveTo(0, -1, lastLine);
  ReportAdvance(2);
  const ReportValue headings[] = {{"Total claims cost", e1}, {"Total claims cost", e2}};
  ReportHeadings(headings, ReportUnderlineFont, 1.5);
  const ReportValue totals[] = {{AnalysisCell(k, 2, 8, 1, 1), e1}, {AnalysisCell(k, 2, 8, 1, 2), e2}};
  ReportValuesOnLine(totals, 0, ReportCursorY());
  ReportAdvance(1.5, 10, ReportWidth);
  ReportRule();
  heading.reset();
  for (const auto& line : kClaimsLines) {
    if (line.labelOnly) {
      const ReportHeading group;
      const std::string label = AnalysisCell(k, 2, line.row, 1, 0);
      ReportKeepLines(ReportLines(label, 10, ReportWidth));
      ReportText(label, 1.5, 10, ReportWidth);
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
