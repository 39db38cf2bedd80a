// One engine prints the three analysis reports; each module describes what sets its report apart (its
// gadget array and labour array, its captions, columns and the sections it prints its own way).
#pragma once

#include <span>
#include <string>

#include "shell/shell_globals.h"

using AnalysisGadgets = BoundedArray<int, 10, 40, 2, 10>;
using AnalysisLabour = BoundedArray<std::string, 10, 2, 10>;

struct AnalysisReportKind;
using AnalysisSection = void (*)(const AnalysisReportKind&);

// A row of the summary table: the row's cells, the texts around its values and the rule under it.
struct SummaryRow {
  int row = 0;
  const char* prefix = "";
  const char* suffix = "";  // stands beyond the column edge
  bool secondOnly = false;  // the first situation has no value in this row
  bool bar = false;         // a bar of 2 under the row instead of a thin rule
  bool heading = false;     // a heading line in place of values
};

struct AnalysisReportKind {
  AnalysisGadgets* gadget = nullptr;
  AnalysisLabour* labour = nullptr;
  int noticeKind = 0;  // the module's row in NoticeGadget
  const char* firstTitle = "";
  const char* column1 = "";  // the two situations as the headings name them
  const char* column2 = "";
  bool capitalHeadings = false;  // headings of the costs and the summary printed in capitals

  // Description: label edge and value left; the rows after the "types of changes" heading.
  double labelEdge = 0.4, valueLeft = 0.43;
  std::span<const int> rowsAfterHeading;
  double descriptionEnd = 3;

  // Work time: both periods' dates under headings, or one date; value edges of the groups and totals.
  bool twoDates = true;
  double groupEdge1 = 0.65, groupEdge2 = 0.85;
  bool headingsAfterEveryBand = false;

  AnalysisSection incidents = nullptr;
  AnalysisSection turnover = nullptr;
  AnalysisSection insurance = nullptr;

  double turnoverBreak = 0.5;  // of the page height; beyond it the section starts a new page
  double turnoverAdvance = 2;
  bool insuranceOnNewPage = false;
  bool summaryOnNewPage = false;
  double summaryAdvance = 2;
  double summaryLabelLimit = 0.4;
  std::span<const SummaryRow> summaryRows;
  double costsEndAdvance = 0;  // after the total intervention costs
  double claimsEdge1 = 0.2, claimsEdge2 = 0.44;
  const char* claimsCaption1 = "";
  const char* claimsCaption2 = "";
  bool claimsAllCodes = true;  // the premium change of all codes closes the claims block
};

void PrintAnalysisReport(const AnalysisReportKind& kind);

// Sections and pieces the modules compose their own sections from.
std::string AnalysisCell(const AnalysisReportKind& kind, int page, int row, int column, int slot);
// Both situations' lists side by side in a grid; a row that goes on over a page closes its cells at the
// page's end.
void PrintPairedCriteriaRow(const AnalysisReportKind& kind, int row, double left1, double right1,
                            double left2, double right2, struct ReportSeparators& seps);
// Every selected item of one list under each other beside the row's label; `emptyLines` is where the
// cursor goes when none is selected (0 the label's line, 1 the line below it).
void PrintSharedCriteriaRow(const AnalysisReportKind& kind, int row, double emptyLines);
void PrintIncidentTotals(const AnalysisReportKind& kind, std::span<const int> rows,
                         struct ReportSeparators& seps);
void PrintGridTop(struct ReportSeparators& seps);
void PrintClaimsBlock(const AnalysisReportKind& kind);
bool ShowsSummaryApproach(const AnalysisReportKind& kind);
