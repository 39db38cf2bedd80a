#include "analysis/calc/recalculation.h"

#include <cmath>

#include "analysis/calc/calc_globals.h"
#include "analysis/calc/industry_code_combo.h"
#include "analysis/calc/rate_model.h"
#include "analysis/calc/summary_figures.h"
#include "analysis/calc/worksheet_cells.h"
#include "analysis/calc/worksheet_figures.h"
#include "platform/platform.h"
#include "shell/number_text.h"
#include "shell/page_globals.h"
#include "shell/services.h"
#include "shell/shell_globals.h"

namespace {

// Pages of the steps (page = 9 - step).
constexpr int kStep1 = 8, kStep2 = 7, kStep3 = 6, kStep4 = 5, kStep5 = 4, kStep6 = 3, kStep7 = 2, kStep8 = 1;

// What one run works out and hands from step to step.
struct Run {
  const AnalysisModule& m;
  WorksheetCells cells;
  int flag = 0;
  double h1 = 0, h2 = 0, r = 1, a1 = 1, a2 = 1;

  bool Scaled() const { return m.comparison != Comparison::Potential; }
  bool Potential() const { return m.comparison == Comparison::Potential; }
};

DateRecord FieldDate(const Run& run, int row, int column) {
  const pf::Date d = pf::GetGadgetDate(run.cells.Cell(kStep2, row, column, 2));
  return {d.year, d.month, d.day};
}

// Lengths of the periods into step 8 and the factors that make their figures annual.
void PeriodLengths(Run& run) {
  const int columns = run.m.comparison == Comparison::BeforeAfter ? 2 : 1;
  std::int64_t days[3] = {};
  for (int j = 1; j <= columns; ++j) days[j] = AnalysisPeriodDays(FieldDate(run, 2, j), FieldDate(run, 3, j));
  if (columns == 1) days[2] = days[1];
  for (int j = 1; j <= 2; ++j)
    run.cells.Write(kStep8, 2, j, 2, AddThousandsSeparators(std::to_string(days[j])));
  run.a1 = AnnualisationFactor(days[1]);
  run.a2 = AnnualisationFactor(days[2]);
}

void Step2Labour(Run& run) {
  const auto& c = run.cells;
  for (int j = 1; j <= 2; ++j) {
    const double hours = c.Number(kStep2, 6, j, 2), overtime = c.Number(kStep2, 8, j, 2);
    const double cost =
        GroupLabourCost(hours, c.Number(kStep2, 7, j, 2), overtime, c.Number(kStep2, 9, j, 2));
    c.Write(kStep2, 15, j, 2, DisplayNumber(cost, 2));
    c.Write(kStep2, 17, j, 2, DisplayNumber(hours + overtime, 0));
  }
  const int g = int(TextNumber(c.Text(kStep2, 4, 1, 2), 0));
  const bool shown = IsLabourGroup(g);
  for (int j = 1; j <= 2; ++j) {
    if (shown) {
      run.m.labour(g, j - 1, 10) = TextNoCommas(c.Text(kStep2, 15, j, 2));
      run.m.labour(g, j - 1, 9) = TextNoCommas(c.Text(kStep2, 17, j, 2));
    }
    c.Write(kStep2, 16, j, 2, DisplayNumber(LabourFieldTotal(run.m.labour, j - 1, 10), 2));
    c.Write(kStep2, 18, j, 2, DisplayNumber(LabourFieldTotal(run.m.labour, j - 1, 9), 0));
  }
  if (!shown) return;
  run.m.labour(g, 0, 0) = c.Text(kStep2, 4, 2, 2);
  for (int f = 1; f <= 5; ++f) {
    for (int j = 1; j <= 2; ++j) run.m.labour(g, j - 1, f) = c.Text(kStep2, f + 4, j, 2);
  }
}

// The step-3 dates of the single-period analyses follow the step-2 fields.
void Step3PeriodCopies(Run& run) {
  const auto& c = run.cells;
  const std::string start = c.Text(kStep2, 2, 1, 2), end = c.Text(kStep2, 3, 1, 2);
  c.Write(kStep3, 2, 1, 2, start);
  c.Write(kStep3, 3, 1, 2, end);
  if (run.Potential()) return;
  c.Write(kStep3, 18, 1, 2, start);
  c.Write(kStep3, 19, 1, 2, end);
}

IncidentGrid ReadGrid(const Run& run, int j) {
  const auto& c = run.cells;
  IncidentGrid grid;
  for (int t = 1; t <= 5; ++t) {
    grid.count[t] = c.Number(kStep3, 20, j, t);
    grid.wageValueOff[t] = c.Number(kStep3, 23, j, t);
    grid.wagesPaid[t] = c.Number(kStep3, 24, j, t);
    grid.modifiedWageValue[t] = c.Number(kStep3, 33, j, t);
    grid.averageIndirect[t] = c.Number(kStep3, 34, j, t);
    grid.indirectMultiplier[t] = c.Number(kStep3, 35, j, t, 4);
    grid.outputPercent[t] = c.Number(kStep3, 39, j, t);
  }
  return grid;
}

void Step8IncidentCounts(const Run& run, int j) {
  const auto& c = run.cells;
  const int countRow[6] = {0, 5, 4, 21, 22, 23};
  for (int t = 1; t <= 5; ++t) {
    c.Write(kStep8, countRow[t], j, 2,
            run.Potential() ? DisplayNumber(std::round(c.Number(kStep3, 20, j, t)), 0)
                            : AddThousandsSeparators(c.Text(kStep3, 20, j, t)));
  }
  const auto sum = [&](int row, std::initializer_list<int> types) {
    double total = 0;
    for (int t : types) total += c.Number(kStep3, row, j, t);
    return total;
  };
  c.Write(kStep8, 6, j, 2, DisplayNumber(sum(21, {1, 3, 5}), 2));
  c.Write(kStep8, 7, j, 2, DisplayNumber(sum(22, {1, 2, 3, 5}), 2));
  if (run.Potential()) c.Write(kStep8, 12, j, 2, AddThousandsSeparators(c.Text(kStep3, 37, j, 2)));
}

void Step3Incidents(Run& run) {
  const auto& c = run.cells;
  if (run.flag != 0 && run.flag != 1) return;
  if (run.flag == 0 && !run.Potential()) {
    for (int j = 1; j <= 2; ++j) {
      const double count = std::round(c.Number(kStep3, 11, j, 2));
      c.Write(kStep3, 13, j, 2, DisplayNumber(AverageCost(c.Number(kStep3, 12, j, 2), count), 2));
    }
    return;
  }
  for (int j = 1; j <= 2; ++j) {
    const IncidentGrid grid = ReadGrid(run, j);
    c.Write(kStep3, 36, j, 2, DisplayNumber(GridIncidentCount(grid), 0));
    // In the database approach the retrieval totals the existing situation itself.
    if (!(run.Potential() && run.flag == 0 && j == 1))
      c.Write(kStep3, 37, j, 2, DisplayNumber(GridTotalCost(grid), 2));
    c.Write(kStep3, 38, j, 2,
            DisplayNumber(AverageCost(c.Number(kStep3, 37, j, 2), c.Number(kStep3, 36, j, 2)), 2));
  }
  for (int j = 1; j <= 2; ++j) Step8IncidentCounts(run, j);
  MergeIndustryCodeClaims(run.m);
}

void Steps4To6(Run& run) {
  const auto& c = run.cells;
  double cost = 0;
  for (int row : {3, 4, 5, 6, 7, 8, 9, 11, 12, 14, 15, 16, 18, 19}) cost += c.Number(kStep4, row, 2, 2);
  c.Write(kStep4, 20, 2, 2, DisplayNumber(cost, 2));
  c.Write(kStep5, 3, 2, 2,
          DisplayNumber(ProductivityValue(c.Number(kStep2, 16, 2, 2), c.Number(kStep5, 2, 1, 2)), 2));
  run.h1 = LabourWorkHours(run.m.labour, 0);
  run.h2 = LabourWorkHours(run.m.labour, 1);
  run.r = HoursRatio(run.h1, run.h2);
  const double turnover =
      run.Potential() ? PotentialTurnoverChange(c.Number(kStep6, 2, 1, 2), c.Number(kStep6, 3, 1, 2),
                                                c.Number(kStep6, 4, 1, 2))
                      : ScaledTurnoverChange(c.Number(kStep6, 2, 1, 2), c.Number(kStep6, 3, 1, 2),
                                             c.Number(kStep6, 2, 2, 2), c.Number(kStep6, 3, 2, 2), run.r);
  c.Write(kStep6, 5, 2, 2, DisplayNumber(turnover, 2));
}

void Step7Prompts(Run& run) {
  const auto& c = run.cells;
  const std::int64_t year = PromptYear(TextNumber(c.Text(kStep7, 4, 1, 2), 0), pf::TodayLocal().year);
  const auto prompts = RatePrompts(year, run.Potential());
  const int rows[6] = {11, 12, 13, 14, 20, 29};
  for (int i = 0; i < 6; ++i) {
    if (run.Potential() && i >= 3)
      c.Write(kStep7, rows[i], 1, 0, prompts[std::size_t(i)]);
    else
      c.Force(kStep7, rows[i], 1, 0, prompts[std::size_t(i)]);
  }
  for (int k = 0; k <= 5; ++k)
    c.Force(kStep7, 14 + k, 1, 1,
            (run.m.comparison == Comparison::BeforeAfter ? "" : " ") + std::to_string(year - k));
}

void Step3PeriodTexts(const Run& run) {
  for (int j = 1; j <= 2; ++j) {
    const std::string start = PeriodDateText(FieldDate(run, 2, j)),
                      end = PeriodDateText(FieldDate(run, 3, j));
    run.cells.Force(kStep3, 2, j, 2, start);
    run.cells.Force(kStep3, 18, j, 2, start);
    run.cells.Force(kStep3, 3, j, 2, end);
    run.cells.Force(kStep3, 19, j, 2, end);
  }
}

RateInputs RecordInputs(const IndustryCodeEntry& e) {
  const auto number = [&](int field) { return TextNumber(e.s[std::size_t(field)], 2); };
  RateInputs in;
  in.claims1 = TextMoney(e.s[kClaims1Field], 2);
  in.claims2 = TextMoney(e.s[kClaims2Field], 2);
  in.averageRate = number(kAverageRateField);
  in.restatedRate = number(kRestatedRateField);
  in.payroll = number(kPayrollField);
  for (int i = 0; i < 5; ++i) in.pastPayroll[i] = number(kPayrollField + 1 + i);
  in.directClaims = number(kDirectClaimsField);
  in.lowerBound = number(kLowerBoundField);
  in.upperBound = number(kUpperBoundField);
  in.limitPercent = number(kLimitTextField);
  return in;
}

void Step7Insurance(Run& run) {
  const auto& c = run.cells;
  CopyBackIndustryCode(run.m);
  for (int row : {26, 27}) {
    const double change =
        run.Potential() || run.flag == 1
            ? SummaryDisabilityChange(c.Number(kStep3, row - 1, 1, 1), c.Number(kStep3, row - 1, 1, 3),
                                      c.Number(kStep3, row - 1, 2, 1), c.Number(kStep3, row - 1, 2, 3), run.r)
            : DisabilityChange(c.Number(kStep7, row, 1, 2), c.Number(kStep7, row, 2, 1), run.r);
    c.Write(kStep7, row, 2, 2, DisplayNumber(change, 2));
  }
  const std::string chosen = c.Text(kStep7, 3, 1, 2);
  LimitStepMemory memory;
  double total = 0;
  for (auto& e : RateModelCodes(run.m)) {
    if (!IsVisibleRecord(e)) continue;
    const double change = PremiumChange(RecordInputs(e), run.r, run.a1, run.a2, memory);
    if (SameIndustryCode(e.s[kCodeField], chosen)) c.Write(kStep7, 24, 2, 2, DisplayNumber(change, 2));
    total += change;
    e.s[kPremiumChangeField] = FixedText(change, 2);
  }
  c.Write(kStep7, 25, 2, 2, DisplayNumber(total, 2));
}

void Step8Summary(const Run& run) {
  const auto& c = run.cells;
  const auto copy = [&](int row, int column, int slot, int page, int fromRow, int fromColumn) {
    c.Write(kStep8, row, column, slot, AddThousandsSeparators(c.Text(page, fromRow, fromColumn, 2)));
  };
  const double labour2 = c.Number(kStep2, 16, 2, 2) - c.Number(kStep5, 3, 2, 2);
  if (run.m.comparison == Comparison::BeforeAfter) {
    copy(8, 1, 2, kStep2, 16, 1);
    copy(8, 2, 2, kStep2, 16, 2);
  }
  c.Write(kStep8, 3, 1, 2, DisplayNumber(run.h1, 0));
  c.Write(kStep8, 3, 2, 2, DisplayNumber(run.h2, 0));
  int labourRow = 8;
  if (run.Scaled()) {
    labourRow = 11;
    c.Write(kStep8, 10, 1, 2, DisplayNumber(run.h2, 0));
    c.Write(kStep8, 10, 2, 2, DisplayNumber(run.h2, 0));
    c.Write(kStep8, 11, 2, 2, DisplayNumber(labour2, 2));
    c.Write(kStep8, 11, 1, 2, DisplayNumber(c.Number(kStep2, 16, 1, 2) * run.r, 2));
    if (run.m.comparison == Comparison::Concurrent) {
      c.Write(kStep8, 24, 2, 2, DisplayNumber(c.Number(kStep2, 16, 2, 2), 2));
      c.Write(kStep8, 24, 1, 2, DisplayNumber(c.Number(kStep2, 16, 1, 2), 2));
    }
    const int incidentRow = run.flag == 0 ? 12 : 37;
    c.Write(kStep8, 12, 1, 2, DisplayNumber(c.Money(kStep3, incidentRow, 1, 2) * run.r, 2));
    copy(12, 2, 2, kStep3, incidentRow, 2);
  } else {
    copy(8, 1, 2, kStep2, 16, 1);
    c.Write(kStep8, 8, 2, 2, DisplayNumber(labour2, 2));
  }
  const int changeFrom[5][2] = {{kStep4, 20}, {kStep6, 5}, {kStep7, 25}, {kStep7, 26}, {kStep7, 27}};
  for (int k = 0; k < 5; ++k) copy(13 + k, 2, 2, changeFrom[k][0], changeFrom[k][1], 2);

  SummaryInputs in;
  in.labour1 = c.Number(kStep8, labourRow, 1, 2);
  in.labour2 = c.Number(kStep8, labourRow, 2, 2);
  in.incidents1 = c.Number(kStep8, 12, 1, 2);
  in.incidents2 = c.Number(kStep8, 12, 2, 2);
  in.interventionCost = c.Number(kStep8, 13, 2, 2);
  in.turnoverChange = c.Number(kStep8, 14, 2, 2);
  in.premiumChange = c.Number(kStep8, 15, 2, 2);
  in.shortTermChange = c.Number(kStep8, 16, 2, 2);
  in.longTermChange = c.Number(kStep8, 17, 2, 2);
  in.periodDays = c.Number(kStep8, 2, 2, 2);
  const SummaryTexts out = SummaryResults(in);
  const int resultCell[3][2] = {{2, 1}, {1, 2}, {2, 2}};  // middle, left, right
  for (int v = 0; v < 3; ++v) {
    const auto [column, slot] = std::pair(resultCell[v][0], resultCell[v][1]);
    c.Write(kStep8, 18, column, slot, out.netReturn[std::size_t(v)]);
    c.Write(kStep8, 19, column, slot, out.payback[std::size_t(v)]);
    c.Write(kStep8, 20, column, slot, out.ratio[std::size_t(v)]);
  }
}

void RecordTitle(const Run& run) {
  if (!run.cells.Cell(kStep1, 2, 1, 2) || !RecordTitleText) return;
  const std::string title =
      InterventionTitle(run.cells.Text(0, 0, 0, 0) == "\n", run.cells.Text(kStep1, 2, 1, 2));
  if (pf::GetGadgetText(RecordTitleText) != title) pf::SetGadgetText(RecordTitleText, title);
}

// Keeps the field just left in sight: the nearest enclosing scroll area whose bottom cuts the field off
// moves down until the field ends 15 pixels above it.
void ScrollFocusIntoView(const Run& run) {
  const int focused = pf::GetActiveGadget();
  if (!focused) return;
  const int bottom = pf::GadgetScreenRect(focused).y + pf::GadgetScreenRect(focused).h;
  int area = pf::GadgetParent(focused);
  for (int step = 0; step < 5 && area; ++step, area = pf::GadgetParent(area)) {
    if (pf::GadgetKind(area) != pf::Kind::ScrollArea) continue;
    const pf::Rect rect = pf::GadgetScreenRect(area);
    const int areaBottom = rect.y + rect.h;
    if (areaBottom >= bottom) continue;
    if (run.Potential() && CurrentThirdTab == kStep3) {
      for (int i = 0; i < 5; ++i) pf::SendScrollRequest(PIStep3ScrollBar, pf::ScrollKind::LineDown);
    } else {
      pf::SetScrollY(area, pf::GetScrollY(area) + bottom - areaBottom + 15);
    }
    return;
  }
}

}  // namespace

void RecalcAnalysis(const AnalysisModule& m) {
  ++RecalcCount[m.kind];
  Run run{m, WorksheetCells(m.gadget)};
  run.flag = ApproachFlag(m);
  const bool singlePeriod = m.comparison != Comparison::BeforeAfter;
  if (singlePeriod) PeriodLengths(run);
  Step2Labour(run);
  if (singlePeriod) Step3PeriodCopies(run);
  Step3Incidents(run);
  Steps4To6(run);
  Step7Prompts(run);
  if (!singlePeriod) Step3PeriodTexts(run);
  PeriodLengths(run);
  Step7Insurance(run);
  Step8Summary(run);
  RecordTitle(run);
  ScrollFocusIntoView(run);
  pf::HideGadget(run.cells.Cell(kStep1, 1, 2, 1), true);
  pf::HideGadget(run.cells.Cell(kStep3, 8, 1, 1), true);
}

void RecalcBA() { RecalcAnalysis(BAModule()); }
void RecalcCG() { RecalcAnalysis(CGModule()); }
void RecalcPI() { RecalcAnalysis(PIModule()); }
