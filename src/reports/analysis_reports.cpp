// The three analysis reports: what each module prints its own way, its description, and its entry point.
#include <algorithm>
#include <array>

#include "platform/platform.h"
#include "reports/analysis_report.h"
#include "reports/report_frame.h"
#include "reports/reports.h"
#include "shell/design_grid.h"
#include "shell/paragraph_drawing.h"

namespace {

int W(double f) { return ReportColumn(f); }

ReportSeparators GridSeparators() {
  ReportSeparators seps;
  seps.xs = {W(0.6), W(0.25)};
  return seps;
}

// A date row whose values start at their columns' left and wrap within them.
void PrintDateRow(const AnalysisReportKind& k, int row, bool twoColumns) {
  const std::string label = AnalysisCell(k, 6, row, 1, 0);
  struct Column {
    std::string text;
    int left, right;
  };
  std::vector<Column> columns;
  if (twoColumns) {
    columns = {{AnalysisCell(k, 6, row, 1, 2), W(0.3), W(0.6)},
               {AnalysisCell(k, 6, row, 2, 2), W(0.65), W(0.95)}};
  } else {
    columns = {{AnalysisCell(k, 6, row, 1, 2), W(0.35), W(0.95)}};
  }
  int lines = ReportLines(label, 10, W(0.25));
  for (const auto& c : columns) lines = std::max(lines, ReportLines(c.text, c.left, c.right));
  ReportKeepLines(lines);
  const int lineY = ReportCursorY();
  for (const auto& c : columns) DrawParagraph(c.text, 0, c.left, c.right, lineY, 0, -1, 0);
  DrawParagraph(label, 0, 10, W(0.25), lineY, 0, -1, 0);
  ReportAdvance(1.5, 10, ReportWidth);
}

// The stored-incidents cells, or in the summary approach the dates and totals of the typed figures, which
// are the figures the rest of the analysis uses.
struct IncidentRows {
  int start, end;
  std::array<int, 3> totals;
  bool criteria;
};
IncidentRows IncidentRowsShown(const AnalysisReportKind& k) {
  if (ShowsSummaryApproach(k)) return {18, 19, {36, 37, 38}, false};
  return {2, 3, {11, 12, 13}, true};
}

// Each caption wraps inside the column it heads.
void PrintTwoColumnHeadings(const char* first, const char* second) {
  const ReportCaption captions[] = {{first, W(0.3), W(0.6)}, {second, W(0.65), W(0.95)}};
  ReportCaptionLine(captions, ReportCursorY());
  ReportAdvance(1, W(0.65), ReportWidth);
}

void PrintBAIncidents(const AnalysisReportKind& k) {
  ReportSectionHeading("INCIDENTS", 1);
  const IncidentRows rows = IncidentRowsShown(k);
  ReportSeparators seps = GridSeparators();
  // A page that rows of the grid move to opens with the grid's headings and top; its lines start there.
  const auto top = [&k, &seps] {
    PrintTwoColumnHeadings(k.column1, k.column2);
    PrintGridTop(seps);
  };
  {
    const ReportHeading grid;
    ReportKeepLines(3);
    top();
  }
  ReportContinueWith(top);
  for (const int row : {rows.start, rows.end}) {
    PrintDateRow(k, row, true);
    seps.Down(ReportRule());
  }
  if (rows.criteria) {
    for (const int row : {4, 5, 9, 10, 7, 14, 6}) {
      PrintPairedCriteriaRow(k, row, 0.3, 0.6, 0.65, 0.95, seps);
      seps.Down(ReportRule());
    }
  }
  PrintIncidentTotals(k, rows.totals, seps);
  ReportContinueWith(nullptr);
}

void PrintCGIncidents(const AnalysisReportKind& k) {
  ReportSectionHeading("INCIDENTS", 1);
  const IncidentRows rows = IncidentRowsShown(k);
  for (const int row : {rows.start, rows.end}) {
    PrintDateRow(k, row, false);
    ReportRule();
  }
  if (rows.criteria)
    for (const int row : {4, 5, 9, 10, 7, 14}) PrintSharedCriteriaRow(k, row, 0);
  ReportAdvance(1);
  ReportSeparators seps = GridSeparators();
  const auto top = [&seps] {
    PrintTwoColumnHeadings("Non-Intervention Department", "Intervention Department");
    PrintGridTop(seps);
  };
  {
    const ReportHeading grid;
    ReportKeepLines(3);
    top();
  }
  ReportContinueWith(top);
  if (rows.criteria) {
    PrintPairedCriteriaRow(k, 6, 0.3, 0.6, 0.65, 0.95, seps);
    const int ruleY = ReportRule();
    seps.Down(ruleY);
    ReportMoveTo(-1, -1, ruleY);
    ReportBar(1);
  }
  PrintIncidentTotals(k, rows.totals, seps);
  ReportContinueWith(nullptr);
  ReportAdvance(3);
}

// ---- Potential Intervention: the breakdown of the estimate grid by incident type -------------------------

constexpr const char* kIncidentTypes[] = {"Lost-time work injuries/illnesses",
                                          "No-lost-time work injuries/illnesses (including first aid)",
                                          "General sickness absences", "Near misses", "Other incidents"};

// The title wraps left of the situations' captions and the justification's caption in its own column;
// the band grows to hold their lines.
void PrintBreakdownBand(bool continued) {
  const std::string title = continued ? "INCIDENTS BREAKDOWN (continued)" : "INCIDENTS BREAKDOWN";
  const int titleRight = W(0.5) - pf::TextWidth("Situation") - pf::TextWidth(" ");
  const int lines = std::max(ReportLines(title, 0, titleRight),
                             ReportLines("Justification for Estimate", W(0.7), ReportWidth));
  OpenReportBand(1.5 + lines);
  ReportRightAligned("Existing", W(0.5));
  ReportRightAligned("Potential", W(0.65));
  ReportAdvance(1);
  const int lineY = ReportCursorY();
  ReportRightAligned("Situation", W(0.5));
  ReportRightAligned("Scenario", W(0.65));
  DrawParagraph(title, 0, 0, titleRight, lineY, 0, -1, 0);
  DrawParagraph("Justification for Estimate", 0, W(0.7), ReportWidth, lineY, 0, -1, 0);
  ReportMoveTo(0, ReportWidth, lineY + (lines - 1) * ReportLineHeight());
  ReportAdvance(1.25);
  CloseReportBand();
}

// One figure of a type: its caption, both situations and the justification of the grid row it comes from.
struct BreakdownLine {
  const char* caption;
  const char* prefix;
  int row;
  bool justification;
};

std::string Justification(const AnalysisReportKind& k, const BreakdownLine& line) {
  return line.justification ? AnalysisCell(k, 6, line.row, 2, 6) : "";
}

void PrintBreakdownLine(const AnalysisReportKind& k, const BreakdownLine& line, int type) {
  ReportRightAligned(line.caption, W(0.35));
  const ReportValue values[] = {{line.prefix + AnalysisCell(k, 6, line.row, 1, type), W(0.5)},
                                {line.prefix + AnalysisCell(k, 6, line.row, 2, type), W(0.65)}};
  ReportValuesOnLine(values, W(0.35), ReportCursorY());
  ReportText(Justification(k, line), 1.5, W(0.7), W(0.99));
}

// Time-loss types are costed through their multiplier, the others through an average indirect cost; the
// first type of each kind carries the grid row's justification.
std::array<BreakdownLine, 2> BreakdownLines(int type) {
  const BreakdownLine count{"Number of incidents", "", 20, type == 1};
  if (type == 1 || type == 3) return {count, BreakdownLine{"Indirect costs multiplier", "", 35, type == 1}};
  return {count, BreakdownLine{"Average incident cost", "$", 34, type == 2}};
}

// From the rule above a type's block to the top of its last line.
int BreakdownBlockDown(const AnalysisReportKind& k, int type) {
  int down = ReportAdvanceHeight(0.75) + ReportAdvanceHeight(1.5);
  const auto lines = BreakdownLines(type);
  down += (ReportLines(Justification(k, lines[0]), W(0.7), W(0.99)) - 1) * ReportLineHeight();
  down += ReportAdvanceHeight(1.5);
  return down + (ReportLines(Justification(k, lines[1]), W(0.7), W(0.99)) - 1) * ReportLineHeight();
}

// A type's block stands whole on one page; one that starts a page does so under the heading, continued.
void PrintBreakdown(const AnalysisReportKind& k) {
  {
    const ReportHeading band;
    PrintBreakdownBand(false);
  }
  ReportContinueWith([] { PrintBreakdownBand(true); }, false);
  for (int type = 1; type <= 5; ++type) {
    ReportKeepDown(BreakdownBlockDown(k, type));
    ReportRule();
    ReportText(kIncidentTypes[type - 1], 1.5, 0, ReportWidth);
    for (const auto& line : BreakdownLines(type)) PrintBreakdownLine(k, line, type);
  }
  for (const int row : {36, 37, 38}) {
    ReportBar(2);
    const std::string prefix = row == 36 ? "" : "$";
    const std::string label = AnalysisCell(k, 6, row, 1, 0);
    ReportKeepLines(ReportLines(label, 0, W(0.35)));
    ReportText(label, 0, 0, W(0.35));
    const ReportValue values[] = {{prefix + AnalysisCell(k, 6, row, 1, 2), W(0.5)},
                                  {prefix + AnalysisCell(k, 6, row, 2, 2), W(0.65)}};
    ReportValuesOnLine(values, PrintX, ReportCursorY());
    ReportAdvance(1.5, 10, ReportWidth);
  }
  ReportBar(2);
}

void PrintPIIncidents(const AnalysisReportKind& k) {
  ReportSectionHeading("INCIDENTS", 1);
  for (const int row : {2, 3}) {
    PrintDateRow(k, row, false);
    ReportRule();
  }
  for (const int row : {4, 5, 9, 10, 7, 11, 6}) PrintSharedCriteriaRow(k, row, 1);
  ReportAdvance(1);
  PrintBreakdown(k);
  ReportAdvance(3);
}

// ---- Turnover ---------------------------------------------------------------------------------------

void PrintTurnoverRows(const AnalysisReportKind& k) {
  for (const int row : {2, 3}) {
    const ReportValue values[] = {{"$" + AnalysisCell(k, 3, row, 1, 2), W(0.77)},
                                  {"$" + AnalysisCell(k, 3, row, 2, 2), W(0.95)}};
    ReportValueRow(AnalysisCell(k, 3, row, 1, 0), values, W(0.6));
  }
  const ReportValue change[] = {{"$ " + AnalysisCell(k, 3, 5, 2, 2), W(0.95)}};
  ReportValueRow(AnalysisCell(k, 3, 5, 1, 0), change, W(0.6), 0, 2.75);
}

void PrintBATurnover(const AnalysisReportKind& k) {
  ReportSectionHeading("TURNOVER COSTS", 2);
  const auto headings = [&k] {
    const ReportValue columns[] = {{k.column1, W(0.77)}, {k.column2, W(0.95)}};
    ReportHeadings(columns, ReportUnderlineFont, 1.5);
    ReportMoveTo(0, ReportWidth, -1);
  };
  headings();
  ReportContinueWith(headings);
  PrintTurnoverRows(k);
}

void PrintCGTurnoverHeadings() {
  const ReportValue first[] = {{"Non-Intervention", W(0.77)}, {"Intervention", W(0.95)}};
  ReportHeadings(first, ReportFont, 1);
  const ReportValue second[] = {{"Department", W(0.77)}, {"Department", W(0.95)}};
  ReportHeadings(second, ReportUnderlineFont, 1.5);
  ReportMoveTo(0, ReportWidth, -1);
}

void PrintCGTurnover(const AnalysisReportKind& k) {
  ReportSectionHeading("TURNOVER COSTS", 1);
  PrintCGTurnoverHeadings();
  ReportContinueWith(PrintCGTurnoverHeadings);
  PrintTurnoverRows(k);
}

void PrintPITurnoverHeadings() {
  SelectReportFont(ReportUnderlineFont);
  ReportText("Justification for Estimate", 0, W(0.7));
  SelectReportFont(ReportFont);
  ReportAdvance(1.5, 0);
}

void PrintPITurnover(const AnalysisReportKind& k) {
  ReportSectionHeading("TURNOVER COSTS", 2);
  PrintPITurnoverHeadings();
  ReportContinueWith(PrintPITurnoverHeadings);
  for (const int row : {2, 3}) {
    const ReportValue value[] = {{"$" + AnalysisCell(k, 3, row, 1, 2), W(0.63)}};
    ReportValueRow(AnalysisCell(k, 3, row, 1, 0), value, W(0.5));
  }
  // The row ends below the lower of its label and its justification.
  const std::string label = AnalysisCell(k, 3, 4, 1, 0), justification = AnalysisCell(k, 3, 4, 2, 2);
  ReportKeepLines(std::max(ReportLines(label, 10, W(0.5)), ReportLines(justification, W(0.7), W(0.98))));
  const int lineY = ReportCursorY();
  ReportRightAligned(AnalysisCell(k, 3, 4, 1, 2), W(0.63),
                     ReportTextEnd(label, 10, W(0.5)) + pf::TextWidth(" "));
  ReportText("%", 0, -1);
  const int justificationEnd = DrawParagraph(justification, 0, W(0.7), W(0.98), lineY, 0, -1, 0);
  const int labelEnd = DrawParagraph(label, 0, 10, W(0.5), lineY, 0, -1, 0);
  ReportMoveTo(-1, -1, std::max(justificationEnd, labelEnd));
  ReportAdvance(1.5, 10, ReportWidth);
  ReportBar(2);
  const ReportValue change[] = {{"$ " + AnalysisCell(k, 3, 5, 2, 2), W(0.63)}};
  ReportValueRow(AnalysisCell(k, 3, 5, 1, 0), change, W(0.5), 2, 2.75);
}

// ---- Insurance --------------------------------------------------------------------------------------

void PrintInsuranceOpening(const AnalysisReportKind& k) {
  ReportSectionHeading("INSURANCE COSTS", 0.25);
  ReportText("Workers' compensation costs", 0, 10, ReportWidth);
  SelectReportFont(ReportFont);
  ReportAdvance(1.5, 0, ReportWidth);
  ReportText("Your organizations's experience rating program: " + AnalysisCell(k, 2, 3, 1, 2), 3, 10,
             ReportWidth);
  PrintClaimsBlock(k);
}

void PrintBAInsurance(const AnalysisReportKind& k) {
  PrintInsuranceOpening(k);
  ReportAdvance(3);
}

void PrintDisabilityHeadings() {
  const int gap = pf::TextWidth(" ");
  const ReportCaption first[] = {{"Existing", W(0.42), W(0.6) - gap}, {"Potential", W(0.6), W(0.7) - gap}};
  ReportCaptionLine(first, ReportCursorY());
  ReportAdvance(1, 0);
  SelectReportFont(ReportUnderlineFont);
  const ReportCaption second[] = {{"Situation", W(0.42), W(0.6) - gap},
                                  {"Scenario", W(0.6), W(0.7) - gap},
                                  {"Justification for Estimate", W(0.7), ReportWidth}};
  ReportCaptionLine(second, ReportCursorY());
  ReportAdvance(1.5, 0);
  SelectReportFont(ReportFont);
}

void PrintPIInsurance(const AnalysisReportKind& k) {
  PrintInsuranceOpening(k);
  const std::string allCodes = AnalysisCell(k, 2, 25, 1, 0);
  ReportKeepLines(ReportLines(allCodes, 0, W(0.51)));
  ReportText(allCodes, 0, 0, W(0.51));
  ReportRightAligned("$ " + AnalysisCell(k, 2, 25, 2, 2), W(0.68), PrintX + pf::TextWidth(" "));
  ReportAdvance(1.5, 10, ReportWidth);
  ReportRule();
  const std::string estimate =
      "Estimate the percentage reduction in your short- and long-term disability insurance costs due to "
      "the potential intervention";
  {
    const ReportHeading band;
    OpenReportBand(1.5, ReportLines(estimate, 0, ReportWidth) + 5);
  }
  ReportText("Short- and long-term disability costs", 1.5, 0);
  CloseReportBand();
  ReportText(estimate, 2, 0, ReportWidth);
  PrintDisabilityHeadings();
  ReportContinueWith(PrintDisabilityHeadings);
  ReportAdvance(1, 0);
  for (const int row : {26, 27}) {
    ReportRule();
    const std::string label = AnalysisCell(k, 2, row, 1, 0), value = "$" + AnalysisCell(k, 2, row, 2, 2);
    ReportKeepLines(std::max(ReportLines(label, 0, W(0.4)), ReportLines(value, W(0.6), ReportWidth)));
    const int lineY = ReportCursorY();
    const int labelEnd = DrawParagraph(label, 0, 0, W(0.4), lineY, 0, -1, 0);
    const int valueEnd = DrawParagraph(value, 0, W(0.6), ReportWidth, lineY, 0, -1, 0);
    ReportMoveTo(-1, -1, std::max(labelEnd, valueEnd));
    ReportAdvance(1.5, 0);
  }
  ReportRule(3);
}

// ---- Descriptions of the three modules ----------------------------------------------------------------

constexpr int kBAAfterHeading[] = {9, 10};
constexpr int kCGAfterHeading[] = {9, 10, 11};

constexpr SummaryRow kBASummary[] = {
    {2, "", " days", false, true},
    {3, "", " hrs"},
    {8, "$", "", false, true},
    {5},
    {4},
    {21},
    {22},
    {23},
    {6, "", " hrs"},
    {7, "", " hrs", false, true},
    {9, "", "", false, false, true},
    {10, "", " hrs"},
    {11, "$"},
    {12, "$"},
    {13, "$", "", true},
    {14, "$", "", true},
    {15, "$", "", true},
    {16, "$", "", true},
    {17, "$", "", true, true},
};
// The concurrent groups show the adjusted labour costs of row 24 where the before and after periods show
// those of row 8; the rest is the same.
constexpr auto kCGSummary = [] {
  auto rows = std::to_array(kBASummary);
  rows[2].row = 24;
  return rows;
}();
constexpr SummaryRow kPISummary[] = {
    {2, "", " days", false, true},
    {3, "", " hrs"},
    {8, "$", "", false, true},
    {5},
    {4},
    {21},
    {22},
    {23},
    {12, "$"},
    {13, "$", "", true},
    {14, "$", "", true},
    {15, "$", "", true},
    {16, "$", "", true},
    {17, "$", "", true, true},
};

AnalysisReportKind BAReport() {
  AnalysisReportKind k;
  k.gadget = &BAGadget, k.labour = &BALabour, k.noticeKind = 1;
  k.firstTitle = "INTERVENTION DESCRIPTION";
  k.column1 = "Before Period", k.column2 = "After Period";
  k.rowsAfterHeading = kBAAfterHeading;
  k.incidents = PrintBAIncidents, k.turnover = PrintBATurnover, k.insurance = PrintBAInsurance;
  k.summaryRows = kBASummary;
  k.claimsCaption1 = "BEFORE PERIOD", k.claimsCaption2 = "AFTER PERIOD";
  return k;
}

AnalysisReportKind CGReport() {
  AnalysisReportKind k = BAReport();
  k.gadget = &CGGadget, k.labour = &CGLabour, k.noticeKind = 2;
  k.column1 = "Non-Intervention Department", k.column2 = "Intervention Department";
  k.capitalHeadings = true;
  k.rowsAfterHeading = kCGAfterHeading;
  k.twoDates = false, k.groupEdge1 = 0.72, k.groupEdge2 = 0.98, k.headingsAfterEveryBand = true;
  k.incidents = PrintCGIncidents, k.turnover = PrintCGTurnover;
  k.summaryAdvance = 1.5, k.summaryLabelLimit = 0.5, k.summaryRows = kCGSummary;
  k.claimsEdge1 = 0.27, k.claimsEdge2 = 0.51;
  k.claimsCaption1 = "Non-Intervention Department", k.claimsCaption2 = "Intervention Department";
  return k;
}

AnalysisReportKind PIReport() {
  AnalysisReportKind k;
  k.gadget = &PIGadget, k.labour = &PILabour, k.noticeKind = 3;
  k.firstTitle = "POTENTIAL INTERVENTION DESCRIPTION";
  k.column1 = "Existing Situation", k.column2 = "Potential Scenario";
  k.labelEdge = 0.42, k.valueLeft = 0.45, k.rowsAfterHeading = kBAAfterHeading, k.descriptionEnd = 2;
  k.twoDates = false, k.groupEdge1 = 0.72, k.groupEdge2 = 0.98, k.headingsAfterEveryBand = true;
  k.incidents = PrintPIIncidents, k.turnover = PrintPITurnover, k.insurance = PrintPIInsurance;
  k.turnoverBreak = 0.75, k.insuranceOnNewPage = true, k.summaryOnNewPage = true;
  k.summaryAdvance = 1.5, k.summaryLabelLimit = 0.5, k.summaryRows = kPISummary;
  k.costsEndAdvance = 3;
  k.claimsEdge1 = 0.27, k.claimsEdge2 = 0.51;
  k.claimsCaption1 = "Existing Situation", k.claimsCaption2 = "Potential Scenario";
  k.claimsAllCodes = false;
  return k;
}

}  // namespace

void PrintBAReport() { PrintAnalysisReport(BAReport()); }
void PrintCGReport() { PrintAnalysisReport(CGReport()); }
void PrintPIReport() { PrintAnalysisReport(PIReport()); }
