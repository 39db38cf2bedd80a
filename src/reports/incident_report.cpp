// The incident report: the description, the four cost steps, the absence grid, the business measures and
// the summary of the incident worksheet, read from its controls.
#include <algorithm>
#include <functional>
#include <vector>

#include "platform/platform.h"
#include "reports/report_frame.h"
#include "reports/reports.h"
#include "shell/design_grid.h"
#include "shell/paragraph_drawing.h"
#include "shell/shell_globals.h"

namespace {

constexpr pf::Rgb kShade = pf::MakeRgb(230, 230, 230);

int W(double f) { return ReportColumn(f); }
std::string Cell(int step, int row, int column) { return ReportCellText(IncidentGadget(step, row, column)); }
std::string Label(int step, int row) { return Cell(step, row, 1); }

// ---- Description -----------------------------------------------------------------------------------

constexpr int kDescriptionRows[] = {2, 3, 4, 5, 8, 10, 9, 6, 7, 14, 13, 12, 15};

void PrintIncidentDescription() {
  ReportSectionHeading("INCIDENT DESCRIPTION", 2);
  for (const int row : kDescriptionRows)
    ReportDescriptionLine(Label(0, row), Cell(0, row, 2), W(0.35), W(0.4), row == 15 ? 4 : 1);
}

// ---- Cost steps -------------------------------------------------------------------------------------

enum class CostRow { Time, SubHeading, SubRow, LastSubRow, Amount, Other };
struct CostLine {
  CostRow kind;
  int row;
};
struct CostStep {
  const char* title;
  std::vector<CostLine> lines;
};

const CostStep kCostSteps[] = {
    {"IMMEDIATE COSTS",
     {{CostRow::Time, 2},
      {CostRow::Time, 3},
      {CostRow::Time, 4},
      {CostRow::SubHeading, 5},
      {CostRow::SubRow, 6},
      {CostRow::LastSubRow, 7},
      {CostRow::Amount, 8},
      {CostRow::Amount, 9},
      {CostRow::Other, 10}}},
    {"INVESTIGATION COSTS",
     {{CostRow::Time, 2},
      {CostRow::Time, 4},
      {CostRow::Time, 5},
      {CostRow::SubHeading, 7},
      {CostRow::SubRow, 8},
      {CostRow::LastSubRow, 9},
      {CostRow::Other, 10}}},
    {"DAMAGE COSTS",
     {{CostRow::Time, 2},
      {CostRow::Time, 3},
      {CostRow::Time, 4},
      {CostRow::Time, 5},
      {CostRow::Amount, 6},
      {CostRow::Amount, 7},
      {CostRow::Amount, 8},
      {CostRow::Time, 9},
      {CostRow::Other, 10}}},
    {"OVERTIME & WORKER REPLACEMENT COSTS",
     {{CostRow::Time, 2},
      {CostRow::Time, 3},
      {CostRow::Time, 4},
      {CostRow::Time, 5},
      {CostRow::Time, 6},
      {CostRow::Amount, 7},
      {CostRow::Other, 10}}},
};

// The shaded sub-total from the rule just drawn, or from the top of the next page when its line would not
// fit under the rule; returns the y of its line.
int PrintSubTotal(int step, int ruleY, int costEdge, bool trailingBlank) {
  if (ReportKeepLines(1)) ruleY = ReportCursorY();
  ReportBox(0, ruleY, ReportWidth, ReportBarHeight(30, ReportScale), kShade);
  pf::BackColour(kShade);
  const std::string caption = Cell(step, 12, 3) + ":";
  const int lineY = ReportText(caption, 0, W(0.55), ReportWidth);
  ReportRightAligned("$" + Cell(step, 12, 4), costEdge, W(0.55) + pf::TextWidth(caption + " "));
  if (trailingBlank) ReportText(" ", 0, -1);
  ReportAdvance(4);
  CloseReportBand();
  return lineY;
}

void PrintCostHeadings() {
  const ReportValue headings[] = {{"TIME", W(0.55)}, {"RATE", W(0.72)}, {"INDIRECT COST", W(0.95)}};
  ReportHeadings(headings, ReportUnderlineFont, 1.5);
  ReportMoveTo(0, ReportWidth, -1);
}

int PrintCostStep(int step, const CostStep& layout) {
  ReportSectionHeading(layout.title, 2);
  PrintCostHeadings();
  ReportContinueWith(PrintCostHeadings);
  int ruleY = 0;
  for (const auto& line : layout.lines) {
    const int r = line.row;
    const ReportValue cost[] = {{"$" + Cell(step, r, 4), W(0.95)}};
    const ReportValue time[] = {{Cell(step, r, 2), W(0.55), " hrs"},
                                {"$" + Cell(step, r, 3), W(0.72), " /hr"},
                                {"$" + Cell(step, r, 4), W(0.95)}};
    switch (line.kind) {
      case CostRow::Time:
        ruleY = ReportValueRow(Label(step, r), time, W(0.4));
        break;
      case CostRow::SubHeading: {
        // The heading and its few rows are one block, kept on one page.
        const ReportHeading group;
        const std::string heading = Label(step, r) + ":";
        int down = (ReportLines(heading, 10, W(0.4)) - 1) * ReportLineHeight();
        for (auto sub = &line + 1; sub != layout.lines.data() + layout.lines.size(); ++sub) {
          if (sub->kind != CostRow::SubRow && sub->kind != CostRow::LastSubRow) break;
          const std::string label = Label(step, sub->row);
          down += ReportAdvanceHeight(1.5) +
                  (ReportLines(label, std::max(10, W(0.4) - pf::TextWidth(label)), W(0.4)) - 1) *
                      ReportLineHeight();
        }
        ReportKeepDown(down);
        ReportText(heading, 1.5, 10, W(0.4));
        break;
      }
      case CostRow::SubRow:
      case CostRow::LastSubRow: {
        // A label wider than its column wraps within it rather than reaching past the page's left edge.
        const std::string label = Label(step, r);
        const int labelLeft = std::max(10, W(0.4) - pf::TextWidth(label));
        ReportKeepLines(ReportLines(label, labelLeft, W(0.4)));
        const int lineY = ReportCursorY();
        ReportValuesOnLine(time, W(0.4), lineY);
        DrawParagraph(label, 0, labelLeft, W(0.4), lineY, 0, -1, 0);
        ReportAdvance(1.5, 10, ReportWidth);
        if (line.kind == CostRow::LastSubRow) ruleY = ReportRule();
        break;
      }
      case CostRow::Amount:
        ruleY = ReportValueRow(Label(step, r), cost, W(0.4), 0, 0.75, 0);
        break;
      case CostRow::Other:
        ruleY = ReportValueRow(Label(step, r) + " (" + Cell(step, r, 2) + ")", cost, W(0.4), 0, 0.35, 0);
        break;
    }
  }
  return PrintSubTotal(step, ruleY, W(0.95), false);
}

// ---- Absence, modified work and disability management grid --------------------------------------------

struct GridValue {
  int column;
  const char* prefix;
  const char* suffix;
  double edge;
  bool text = false;  // typed words, which wrap in their cell; figures are drawn smaller to fit
};
struct GridRow {
  int row;
  std::vector<GridValue> values;
  std::vector<double> separators;
  int hang = 0;  // 3: continuation lines indented; with `indent` the label is also pushed in
  bool indent = false;
  bool otherCosts = false;  // the label names the other costs; the trailing blank of the value stands outside
  bool endsBlock = false;
};

const std::vector<double> kTwoSeps = {0.67, 0.8};
const std::vector<double> kFourSeps = {0.4, 0.54, 0.67, 0.8};

std::vector<GridValue> TimeValues(double costEdge) {
  return {{2, "", " hrs ", 0.54}, {3, "$", " /hr ", 0.67}, {4, "$", " ", costEdge}};
}

std::vector<GridRow> AbsenceGrid() {
  std::vector<GridRow> rows;
  rows.push_back({29, {{3, "$", " ", 0.8}}, kTwoSeps});
  rows.push_back({30, {{3, "", " ", 0.8, true}}, kTwoSeps, 0, false, false, true});
  for (const int first : {14, 21}) {
    rows.push_back({first, TimeValues(0.8), kFourSeps});
    for (int r = first + 1; r <= first + 6; ++r)
      rows.push_back({r, {{3, "", "% ", 0.8}}, kTwoSeps, 3, r < first + 6});
    if (first == 14) rows.push_back({3, {{3, "$", " ", 0.8}}, kTwoSeps, 0, false, false, true});
  }
  rows.push_back({4, {{3, "$", " ", 0.8}}, kTwoSeps});
  rows.push_back({28, {{3, "", "% ", 0.8}}, kTwoSeps});
  rows.push_back({6, {{3, "$", " ", 0.97}}, kTwoSeps, 0, false, false, true});
  rows.push_back({2, TimeValues(0.97), kFourSeps});
  rows.push_back({5, {{4, "$", "", 0.97}}, {0.8}, 0, false, true, true});
  return rows;
}

// A grid row: values on the label's first line, each in the cell its separators bound, then the row's
// cell edges from the grid's top, which a row moved to a new page finds at the headings repeated there.
// Returns the cell bottom, the next row's top.
int PrintGridRow(const GridRow& g, ReportPlace& top) {
  std::string label = Label(5, g.row);
  if (g.otherCosts) label += " (" + Cell(5, g.row, 2) + ")";
  if (g.indent) label = "   " + label;
  const int gap = pf::TextWidth(" ");
  const auto cellLeft = [&](const GridValue& v) {
    double left = 0.4;
    for (const double f : g.separators)
      if (f < v.edge) left = std::max(left, f);
    return W(left) + gap;
  };
  const auto valueText = [&](const GridValue& v) { return v.prefix + Cell(5, g.row, v.column) + v.suffix; };
  int lines = ReportLines(label, 0, W(0.4), g.hang);
  for (const auto& v : g.values)
    if (v.text) lines = std::max(lines, ReportRightAlignedLines(valueText(v), W(v.edge), cellLeft(v)));
  ReportKeepLines(lines);
  const int lineY = ReportCursorY();
  const int cellTop = ReportPlaceY(top, lineY);
  int lastLine = lineY;
  for (const auto& v : g.values) {
    ReportMoveTo(-1, -1, lineY);
    if (v.text) {
      lastLine = std::max(lastLine, ReportRightAlignedText(valueText(v), W(v.edge), cellLeft(v), lineY));
    } else {
      ReportRightAligned(valueText(v), W(v.edge), cellLeft(v));
    }
  }
  if (g.otherCosts) ReportText(" ", 0, -1);
  lastLine = std::max(lastLine, DrawParagraph(label, 0, 0, W(0.4), lineY, g.hang, -1, 0));
  ReportMoveTo(-1, -1, lastLine);
  ReportAdvance(1.5, 10, ReportWidth);
  const int bottom = ReportLineHere();
  std::vector<int> xs;
  for (const double f : g.separators) xs.push_back(W(f));
  ReportVerticalLines(xs, cellTop, bottom);
  top = ReportPlaceAt(bottom);
  ReportAdvance(0.75, 10, ReportWidth);
  return bottom;
}

// The grid's headings and the line over its first cells; returns the line's y.
int PrintAbsenceHeadings() {
  SelectReportFont(ReportUnderlineFont);
  DrawParagraph("TIME", 0, W(0.54) - pf::TextWidth("TIME  "), -1, -1, 0, -1, 0);
  DrawParagraph("RATE", 0, W(0.67) - pf::TextWidth("RATE  "), -1, -1, 0, -1, 0);
  ReportRightAligned("INDIRECT COST", W(0.97));
  SelectReportFont(ReportSmallFont);
  ReportAdvance(1.5, 0, ReportWidth);
  const int line = ReportLineHere();
  ReportAdvance(0.75);
  return line;
}

int PrintAbsence() {
  ReportSectionHeading("ABSENCE, MODIFIED WORK AND DISABILITY MANAGEMENT COSTS", 2);
  ReportPlace top = ReportPlaceAt(PrintAbsenceHeadings());
  ReportContinueWith([&top] { top = ReportPlaceAt(PrintAbsenceHeadings()); });
  int bottom = 0;
  for (const auto& g : AbsenceGrid()) {
    bottom = PrintGridRow(g, top);
    if (g.endsBlock) {
      ReportMoveTo(-1, -1, bottom);
      top = ReportPlaceAt(ReportBar(2));
    }
  }
  // The sub-total's shading covers the bar under the last block. The grid's headings, which keep the
  // place of its top, are no longer repeated once the section ends.
  const int lineY = PrintSubTotal(5, bottom, W(0.97), true);
  ReportContinueWith(nullptr);
  return lineY;
}

// ---- Business measures ------------------------------------------------------------------------------

void PrintBusinessMeasures() {
  ReportSectionHeading("BUSINESS PERFORMANCE AND HUMAN RESOURCES MEASURES", 0.5);
  SelectReportFont(ReportFont);
  ReportAdvance(1.5, 0, ReportWidth);
  ReportLineHere();
  ReportAdvance(0.75);
  const struct {
    int row;
    const char* prefix;
    const char* suffix;
  } rows[] = {{2, "", "%"}, {3, "$", " /day"}, {4, "", " hours"}};
  for (const auto& r : rows) {
    const ReportValue value[] = {{r.prefix + Cell(6, r.row, 4) + r.suffix, W(0.72)}};
    ReportValueRow(Label(6, r.row), value, W(0.4), 0, 0.75, 0);
  }
}

// ---- Summary ----------------------------------------------------------------------------------------

// A heading or total on a shaded box exactly as tall as its texts. The first pass only finds the box's
// height, so it is laid out, not drawn; the second draws the texts on the box, from 0.75 line below its
// top. The block stands whole on one page, so neither pass is parted from the other by a page's end.
void PrintShaded(pf::Rgb colour, ReportPlace& top, const std::function<void(int pass)>& draw) {
  const ReportPlace above = top;  // the passes may move the next block's top; measuring must not
  const auto boxBottom = [&] { return ReportCursorY() + ReportMeasure([&] { draw(1); }); };
  const int cursor = ReportCursorY(), boxTop = ReportPlaceY(above, cursor);
  int drawnEnd = 0;
  ReportMeasure([&] {
    ReportMoveTo(10, ReportWidth, boxTop);
    ReportAdvance(0.75);
    draw(2);
    drawnEnd = ReportCursorY();
  });
  top = above;
  if (ReportKeepDown(std::max(boxBottom(), drawnEnd) - cursor - ReportLineHeight()))
    top = ReportPlaceAt(ReportCursorY());
  const int y = ReportPlaceY(top, ReportCursorY()), bottom = std::max(boxBottom(), y);
  ReportBox(0, y, ReportWidth, bottom - y, colour);
  pf::BackColour(colour);
  ReportMoveTo(10, ReportWidth, y);
  ReportAdvance(0.75);
  draw(2);
  CloseReportBand();
}

// A bar closes a block at the top of the next: from its foot the next block begins.
void PrintBlockEnd(ReportPlace& top) {
  ReportMoveTo(-1, -1, ReportPlaceY(top, ReportCursorY()));
  top = ReportPlaceAt(ReportBar(2));
}

void PrintSummaryCost(int row, const std::string& label, double lines) {
  const ReportValue value[] = {{"$" + Cell(7, row, 4), W(0.95)}};
  const int lineY = ReportCursorY();
  ReportValuesOnLine(value, ReportTextEnd(label, 10, W(0.4)), lineY);
  DrawParagraph(label, 0, 10, W(0.4), lineY, 0, -1, 0);
  ReportAdvance(lines, 0, ReportWidth);
}

// Both passes wrap the heading at the second pass's margins, so its box holds every line drawn on it.
void PrintSummaryHeading(int row, ReportPlace& top, double endLines, double extra) {
  const ReportHeading heading;
  const std::string label = ReportUpper(Label(7, row));
  PrintShaded(GreyColour, top, [&](int pass) {
    ReportText(label, 0, 10, ReportWidth);
    ReportAdvance(pass == 1 ? 1.5 : endLines, 0, ReportWidth);
  });
  top = ReportPlaceAt(ReportCursorY());
  if (extra > 0) ReportAdvance(extra);
}

void PrintIncidentSummary() {
  ReportSectionHeading("SUMMARY", 1);
  ReportAdvance(0.5, 0, ReportWidth);
  ReportPlace top = ReportPlaceAt(ReportLineHere());
  ReportAdvance(0.75);

  PrintShaded(GreyColour, top, [](int pass) {
    ReportText(Label(7, 1), 0, 10, W(0.4));
    ReportAdvance(pass == 1 ? 1.5 : 2.25, 0, ReportWidth);
  });
  top = ReportPlaceAt(ReportCursorY());
  for (int row = 2; row <= 6; ++row) {
    const ReportValue value[] = {{"$" + Cell(7, row, 4), W(0.95)}};
    top = ReportPlaceAt(ReportValueRow(Label(7, row), value, W(0.4), 0, 0));
    ReportAdvance(0.75);
  }
  PrintBlockEnd(top);
  PrintShaded(kShade, top,
              [](int pass) { PrintSummaryCost(7, "Total Indirect Costs", pass == 1 ? 1.5 : 2.25); });
  for (const int row : {9, 21}) {
    const ReportValue value[] = {{"$" + Cell(7, row, 4), W(0.95)}};
    top = ReportPlaceAt(ReportValueRow(Label(7, row), value, W(0.4)));
  }
  PrintBlockEnd(top);
  PrintShaded(kShade, top, [&](int pass) {
    PrintSummaryCost(11, "Total Direct + Indirect Costs", 0);
    ReportAdvance(1.5, 10, ReportWidth);
    if (pass == 1) {
      ReportLineHere();
    } else {
      top = ReportPlaceAt(ReportRule());
    }
  });
  PrintBlockEnd(top);
  PrintSummaryHeading(12, top, 1.5, 0.75);
  for (int row = 13; row <= 15; ++row) {
    const std::string label = Label(7, row);
    ReportKeepLines(ReportLines(label, 0, W(0.4)));
    const int lineY = ReportCursorY();
    const int cellTop = ReportPlaceY(top, lineY);
    const ReportValue values[] = {
        {Cell(7, row, 2) + " ", W(0.65)}, {Cell(7, row, 3) + " ", W(0.8)}, {Cell(7, row, 4) + " ", W(0.95)}};
    ReportValuesOnLine(values, ReportTextEnd(label, 0, W(0.4)), lineY);
    DrawParagraph(label, 0, 0, W(0.4), lineY, 0, -1, 0);
    ReportAdvance(1.5, 10, ReportWidth);
    const int bottom = ReportLineHere();
    const int xs[] = {W(0.65), W(0.8)};
    ReportVerticalLines(xs, cellTop, bottom);
    top = ReportPlaceAt(bottom);
    ReportAdvance(0.75, 10, ReportWidth);
  }
  PrintBlockEnd(top);
  PrintSummaryHeading(16, top, 2, 0);
  const struct {
    int row;
    const char* unit;
  } measures[] = {{18, " hrs "}, {19, " % "}, {20, " "}};
  for (const auto& m : measures) {
    const ReportValue value[] = {{Cell(7, m.row, 4), W(0.95), m.unit}};
    ReportValueRow(Label(7, m.row), value, W(0.4));
  }
}

// A section after a cost step starts a new page when the step's sub-total lay below half the page.
void BreakAfterSubTotal(int subTotalY) {
  if (subTotalY > ReportPageHeight() / 2) ReportNewPage();
}

}  // namespace

void PrintIncidentReport() {
  if (!BeginReport()) return;
  PrintIncidentDescription();
  int subTotalY = 0;
  for (int step = 1; step <= 4; ++step) {
    if (step > 1) BreakAfterSubTotal(subTotalY);
    subTotalY = PrintCostStep(step, kCostSteps[step - 1]);
  }
  ReportNewPage();
  subTotalY = PrintAbsence();
  BreakAfterSubTotal(subTotalY);
  PrintBusinessMeasures();
  ReportNewPage();
  PrintIncidentSummary();
  EndReport();
}
