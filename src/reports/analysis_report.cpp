// The sections the three analysis reports share, printed from the worksheet's controls and its labour
// array; where a module lays a section out its own way, its description names the function.
#include "reports/analysis_report.h"

#include <algorithm>
#include <array>
#include <vector>

#include "platform/platform.h"
#include "reports/report_frame.h"
#include "shell/design_grid.h"
#include "shell/number_text.h"
#include "shell/paragraph_drawing.h"

namespace {

int W(double f) { return ReportColumn(f); }

std::string Label(const AnalysisReportKind& k, int page, int row) { return AnalysisCell(k, page, row, 1, 0); }

std::string Caps(const AnalysisReportKind& k, const std::string& text) {
  return k.capitalHeadings ? ReportUpper(text) : text;
}

// ---- Description ------------------------------------------------------------------------------------

void PrintDescription(const AnalysisReportKind& k) {
  ReportSectionHeading(k.firstTitle, 2);
  const int a = W(k.labelEdge), b = W(k.valueLeft);
  const auto line = [&](int row) {
    ReportDescriptionLine(Label(k, 8, row), AnalysisCell(k, 8, row, 1, 2), a, b, 1.2);
  };
  for (int row = 2; row <= 7; ++row) line(row);
  ReportAdvance(0.5);
  {
    const ReportHeading types;
    SelectReportFont(ReportUnderlineFont);
    const std::string heading = Label(k, 8, 8);
    ReportKeepLines(ReportLines(heading, std::max(10, a - pf::TextWidth(heading)), a));
    ReportLabelEndingAt(heading, a);
    ReportAdvance(1.3);
    SelectReportFont(ReportFont);
  }
  for (const int row : k.rowsAfterHeading) line(row);
  ReportAdvance(k.descriptionEnd);
}

// ---- Work time and labour costs ---------------------------------------------------------------------

struct GroupRow {
  int row, field;
  const char* prefix;
  const char* suffix;
  double bar, advance;  // bar 0: a thin rule
  bool currency;
};
constexpr GroupRow kGroupRows[] = {
    {5, 1, "", "", 0, 0.75, false},      {6, 2, "", " hrs", 0, 0.75, false},
    {7, 3, "$", " /hr", 0, 0.75, false}, {8, 4, "", " hrs", 0, 0.75, false},
    {9, 5, "$", " /hr", 1, 0.75, false}, {17, 9, "", " hrs", 1, 0.75, false},
    {15, 10, "", "", 1, 1.5, true},
};

void PrintMainHeadings(const AnalysisReportKind& k, double e1, double e2) {
  const ReportValue headings[] = {{k.column1, W(e1)}, {k.column2, W(e2)}};
  ReportHeadings(headings, ReportUnderlineFont, 1.5);
  ReportMoveTo(0, ReportWidth, -1);
}

// A group is printed when either situation has hours, so no cost in the totals goes unexplained.
bool GroupInUse(const AnalysisReportKind& k, int group) {
  return GroupHoursInUse((*k.labour)(group, 0, 9)) || GroupHoursInUse((*k.labour)(group, 1, 9));
}

void PrintGroup(const AnalysisReportKind& k, int group, int e1, int e2) {
  const int a = e1 - pf::TextWidth(k.column1);
  ReportGroupBand(group, (*k.labour)(group, 0, 0), a, e2);
  if (k.headingsAfterEveryBand || group > 1) PrintMainHeadings(k, k.groupEdge1, k.groupEdge2);
  ReportContinueWith([&k, group, a, e2] {
    ReportGroupBand(group, (*k.labour)(group, 0, 0), a, e2, true);
    PrintMainHeadings(k, k.groupEdge1, k.groupEdge2);
  });
  for (const auto& r : kGroupRows) {
    const auto value = [&](int column) {
      const std::string text = (*k.labour)(group, column, r.field);
      return r.currency ? FormatCurrency(text) : r.prefix + text + r.suffix;
    };
    const ReportValue values[] = {{value(0), e1}, {value(1), e2}};
    ReportValueRow(Label(k, 7, r.row), values, W(0.5), r.bar, r.advance);
  }
}

void PrintWorkTime(const AnalysisReportKind& k) {
  ReportSectionHeading("WORK TIME & LABOUR COSTS", 2);
  if (k.twoDates) {
    PrintMainHeadings(k, 0.65, 0.85);
    ReportContinueWith([&k] { PrintMainHeadings(k, 0.65, 0.85); });
  }
  // A date is words: one wider than its cell wraps there.
  for (const int row : {2, 3}) {
    if (k.twoDates) {
      const ReportValue values[] = {{AnalysisCell(k, 7, row, 1, 2), W(0.65), "", true},
                                    {AnalysisCell(k, 7, row, 2, 2), W(0.85), "", true}};
      ReportValueRow(Label(k, 7, row), values, W(0.6));
    } else {
      const ReportValue values[] = {{AnalysisCell(k, 7, row, 1, 2), W(0.65), "", true}};
      ReportValueRow(Label(k, 7, row), values, W(0.6));
    }
  }
  const int e1 = W(k.groupEdge1), e2 = W(k.groupEdge2);
  for (int group = 1; group <= 10; ++group)
    if (GroupInUse(k, group)) PrintGroup(k, group, e1, e2);
  ReportTotalsBand();
  ReportContinueWith([&k] { PrintMainHeadings(k, k.groupEdge1, k.groupEdge2); });
  const ReportValue hours[] = {{AnalysisCell(k, 7, 18, 1, 2) + " hrs", e1},
                               {AnalysisCell(k, 7, 18, 2, 2) + " hrs", e2}};
  ReportValueRow(Label(k, 7, 18), hours, W(0.5), 1);
  const ReportValue costs[] = {{"$" + AnalysisCell(k, 7, 16, 1, 2), e1},
                               {"$" + AnalysisCell(k, 7, 16, 2, 2), e2}};
  ReportValueRow(Label(k, 7, 16), costs, W(0.5), 1, 0.2);
  ReportBar(1, 2);
}

// ---- Intervention costs and productivity ------------------------------------------------------------

void PrintColumnRuleStart() {
  ReportRule();
  SelectReportFont(ReportFont);
  ReportMoveTo(0, ReportWidth, -1);
  ReportAdvance(0.25);
}

void PrintCostHeadings() {
  ReportText("Details", 0, W(0.42));
  ReportRightAligned("Amount", W(0.95));
  ReportAdvance(1);
  PrintColumnRuleStart();
}

void PrintInterventionCosts(const AnalysisReportKind& k) {
  ReportSectionHeading("INTERVENTION COSTS", 2);
  PrintCostHeadings();
  ReportContinueWith(PrintCostHeadings);
  const int gap = pf::TextWidth(" ");
  for (int row = 2; row <= 19; ++row) {
    if (row == 2 || row == 10 || row == 13 || row == 17) {
      const ReportHeading group;
      const std::string heading = Caps(k, Label(k, 5, row));
      ReportKeepLines(ReportLines(heading, 10, W(0.39)));
      ReportText(heading, 1.25, 10, W(0.39));
      ReportRule();
      continue;
    }
    // The amount stands on the label's first line, the details begin on its last.
    const std::string label = Label(k, 5, row), details = AnalysisCell(k, 5, row, 1, 2);
    const int labelLines = ReportLines(label, 10, W(0.39));
    ReportKeepLines(labelLines - 1 + ReportLines(details, W(0.42), W(0.85)));
    const int lineY = ReportCursorY();
    const int columnEnd = labelLines == 1 ? ReportTextEnd(details, W(0.42), W(0.85)) : W(0.39);
    ReportRightAligned("$" + AnalysisCell(k, 5, row, 2, 2), W(0.95), columnEnd + gap);
    DrawParagraph(label, 0, 10, W(0.39), lineY, 0, -1, 0);
    ReportText(details, 1.5, W(0.42), W(0.85));
    if (row == 19) {
      ReportBar(2);
    } else {
      ReportRule();
    }
  }
  const std::string total = Caps(k, Label(k, 5, 20));
  ReportKeepLines(ReportLines(total, 10, W(0.39)));
  ReportText(total, 0, 10, W(0.39));
  ReportRightAligned("$" + AnalysisCell(k, 5, 20, 2, 2), W(0.95), PrintX + gap);
  ReportAdvance(1.5, 10, ReportWidth);
  ReportBar(2);
  if (k.costsEndAdvance > 0) ReportAdvance(k.costsEndAdvance);
}

void PrintProductivityHeadings() {
  ReportRightAligned("Percentage change", W(0.77));
  ReportRightAligned("Value", W(0.95));
  ReportAdvance(1);
  PrintColumnRuleStart();
}

void PrintProductivity(const AnalysisReportKind& k) {
  ReportSectionHeading("AT-WORK PRODUCTIVITY", 2);
  PrintProductivityHeadings();
  ReportContinueWith(PrintProductivityHeadings);
  // Both values stand on the label's last line.
  const std::string label = Label(k, 4, 3);
  ReportKeepLines(ReportLines(label, 10, W(0.65)));
  ReportText(label, 0, 10, W(0.65));
  const ReportValue values[] = {{AnalysisCell(k, 4, 2, 1, 2) + "%", W(0.77)},
                                {"$" + AnalysisCell(k, 4, 3, 2, 2), W(0.95)}};
  ReportValuesOnLine(values, PrintX, ReportCursorY());
  ReportAdvance(1.5);
  ReportRule(2.75);
}

// ---- Summary ----------------------------------------------------------------------------------------

constexpr std::array<std::array<const char*, 3>, 3> kSensitivityHeader = {
    {{"Calculated", "Calculated", "Calculated"},
     {"benefits less", "value", "benefits plus"},
     {"10%", "", "10%"}}};
constexpr int kSensitivityRows[] = {18, 19, 20};

// The sensitivity table's columns: the line left of each (line[0] to line[2]) and the edge its figures end
// at, which is the next column's line (line[3] for the last). Each caption stands in its column from
// captionLeft to captionRight.
struct SensitivityColumns {
  std::array<int, 4> line{};
  std::array<int, 3> captionLeft{}, captionRight{};
};

std::string SensitivityValue(const AnalysisReportKind& k, int row, int column) {
  return (column == 0   ? AnalysisCell(k, 1, row, 1, 2)
          : column == 1 ? AnalysisCell(k, 1, row, 2, 1)
                        : AnalysisCell(k, 1, row, 2, 2)) +
         " ";
}

// A column is as wide as its captions' widest word with a blank either side, and as its figures at their
// full size, the label column giving the room down to its own widest word: the widths of the printer's
// fonts do not scale with its dpi, so they are measured here rather than taken from the page's fractions.
// Where the fractions leave room enough, the columns stand where they are.
SensitivityColumns LayOutSensitivityTable(const AnalysisReportKind& k) {
  const int gap = pf::TextWidth(" ");
  std::array<int, 3> widestCaption{};
  int need = 0;
  for (const auto& line : kSensitivityHeader)
    for (std::size_t c = 0; c < 3; ++c) {
      widestCaption[c] = std::max(widestCaption[c], ReportWidestWord(line[c]));
      need = std::max(need, widestCaption[c] + 2 * gap + 1);
    }
  int labelWord = 0;
  for (const int row : kSensitivityRows) {
    labelWord = std::max(labelWord, ReportWidestWord(Label(k, 1, row)));
    for (int c = 0; c < 3; ++c) need = std::max(need, pf::TextWidth(SensitivityValue(k, row, c)) + gap);
  }
  SensitivityColumns t;
  t.line[3] = W(0.95);
  const int most = (t.line[3] - labelWord - gap - 1) / 3;
  const int width = std::max(0, std::min(need, most));
  constexpr double kLines[] = {0.5, 0.65, 0.8};
  for (std::size_t c = 3; c-- > 0;) t.line[c] = std::min(W(kLines[c]), t.line[c + 1] - width);
  // Captions start a little right of their line, as far left as their widest word needs.
  for (std::size_t c = 0; c < 3; ++c) {
    t.captionRight[c] = t.line[c + 1] - gap;
    t.captionLeft[c] =
        std::max(t.line[c] + gap, std::min(t.line[c] + W(0.01), t.captionRight[c] - widestCaption[c] - 1));
  }
  return t;
}

// The line under a row of the table, and the table's lines from the row's top down to it.
void PrintSensitivityLine(const SensitivityColumns& t, ReportPlace& top) {
  ReportAdvance(1.5, 10, ReportWidth);
  const int bottom = ReportLineHere();
  ReportVerticalLines(std::span(t.line).first(3), ReportPlaceY(top, bottom), bottom);
  top = ReportPlaceAt(bottom);
  ReportAdvance(0.75, 10, ReportWidth);
}

// Each line of the header starts below the lowest caption of the line before, which may have wrapped in
// its cell. Only a word wider than the whole cell is broken.
void PrintSensitivityHeader(const SensitivityColumns& t, ReportPlace& top) {
  for (const auto& line : kSensitivityHeader) {
    const int lineY = ReportCursorY();
    int lowest = lineY;
    for (std::size_t c = 0; c < 3; ++c)
      lowest =
          std::max(lowest, DrawParagraph(line[c], 0, t.captionLeft[c], t.captionRight[c], lineY, 0, -1, 0));
    ReportMoveTo(-1, -1, lowest);
    ReportAdvance(1, t.captionLeft[0]);
  }
  PrintSensitivityLine(t, top);
}

// The table's lines start under the bar of the last summary row; on a page its rows go on to, at the top
// of the header repeated there.
void PrintSensitivityTable(const AnalysisReportKind& k, ReportPlace top) {
  const SensitivityColumns t = LayOutSensitivityTable(k);
  // The header, as many lines as its captions wrap to, stays with the first row.
  ReportContinueWith(nullptr);
  const int header = ReportMeasure([&t] {
    ReportPlace measured;
    PrintSensitivityHeader(t, measured);
  });
  if (ReportKeepDown(header + (ReportLines(Label(k, 1, 18), 0, t.line[0]) - 1) * ReportLineHeight()) ||
      ReportPlaceY(top, -1) < 0)
    top = ReportPlaceAt(ReportCursorY());
  PrintSensitivityHeader(t, top);
  ReportContinueWith([&t, &top] {
    top = ReportPlaceAt(ReportCursorY());
    PrintSensitivityHeader(t, top);
  });
  for (const int row : kSensitivityRows) {
    const std::string label = Label(k, 1, row);
    ReportKeepLines(ReportLines(label, 0, t.line[0]));
    const ReportValue values[] = {{SensitivityValue(k, row, 0), t.line[1]},
                                  {SensitivityValue(k, row, 1), t.line[2]},
                                  {SensitivityValue(k, row, 2), t.line[3]}};
    ReportValuesOnLine(values, t.line[0], ReportCursorY());
    ReportText(label, 0, 0, t.line[0]);
    PrintSensitivityLine(t, top);
  }
  ReportContinueWith(nullptr);
}

void PrintSummary(const AnalysisReportKind& k) {
  ReportSectionHeading("SUMMARY", k.summaryAdvance);
  const auto headings = [&k] {
    PrintMainHeadings(k, 0.65, 0.92);
    ReportRule();
  };
  headings();
  ReportContinueWith(headings);
  ReportPlace top;
  for (const auto& r : k.summaryRows) {
    if (r.heading) {
      const ReportHeading group;
      const std::string heading = Caps(k, Label(k, 1, r.row));
      ReportKeepLines(ReportLines(heading, 10, ReportWidth));
      ReportText(heading, 1.5, 10, ReportWidth);
      top = ReportPlaceAt(ReportBar(2));
      continue;
    }
    std::vector<ReportValue> values;
    if (!r.secondOnly) values.push_back({r.prefix + AnalysisCell(k, 1, r.row, 1, 2), W(0.65), r.suffix});
    values.push_back({r.prefix + AnalysisCell(k, 1, r.row, 2, 2), W(0.92), r.suffix});
    const int y = ReportValueRow(Label(k, 1, r.row), values, W(k.summaryLabelLimit), r.bar ? 2 : 0);
    if (r.bar) top = ReportPlaceAt(y);  // the y below the bar
  }
  PrintSensitivityTable(k, top);
}

}  // namespace

std::string AnalysisCell(const AnalysisReportKind& kind, int page, int row, int column, int slot) {
  return ReportCellText((*kind.gadget)(page, row, column, slot));
}

// The summary approach hides the stored-incidents area of step 3.
bool ShowsSummaryApproach(const AnalysisReportKind& kind) {
  const int area = NoticeGadget(kind.noticeKind, 4);
  return area != 0 && pf::IsGadgetHidden(area);
}

void PrintGridTop(ReportSeparators& seps) {
  const int y = ReportCursorY();
  seps.Start(y);
  ReportBox(10, y, W(0.95) - 10, ReportBarHeight(2, ReportScale), kBlack);
  SelectReportFont(ReportFont);
  ReportAdvance(1.5, 0, ReportWidth);
}

void PrintAnalysisReport(const AnalysisReportKind& kind) {
  if (!BeginReport()) return;
  PrintDescription(kind);
  ReportSectionBreak();
  PrintWorkTime(kind);
  ReportSectionBreak();
  kind.incidents(kind);
  ReportSectionBreak();
  PrintInterventionCosts(kind);
  ReportSectionBreak();
  PrintProductivity(kind);
  ReportBreakBeyond(RoundHalfEven(kind.turnoverBreak * ReportPageHeight()));
  kind.turnover(kind);
  ReportBreakBeyond(kind.insuranceOnNewPage ? 0 : ReportPageHeight() / 2);
  kind.insurance(kind);
  ReportBreakBeyond(kind.summaryOnNewPage ? 0 : ReportPageHeight() / 2);
  PrintSummary(kind);
  EndReport();
}
