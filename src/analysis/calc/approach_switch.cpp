#include "analysis/calc/approach_switch.h"

#include <cmath>
#include <vector>

#include "analysis/calc/analysis_module.h"
#include "analysis/calc/industry_code_combo.h"
#include "analysis/calc/recalculation.h"
#include "analysis/calc/worksheet_cells.h"
#include "platform/gadget_state.h"
#include "platform/platform.h"
#include "shell/page_globals.h"
#include "shell/shell_globals.h"
#include "store/store_globals.h"

namespace {

constexpr char kFieldEnd = 27;
constexpr int kStep3 = 6, kStep7 = 2, kStep8 = 1;
constexpr pf::Rgb kGrey = pf::MakeRgb(85, 85, 85);
// The step-8 figures that each approach works out for itself, kept while the other approach is shown.
constexpr int kKeptStep8Rows[] = {4, 5, 6, 7, 12, 21, 22, 23};

struct ApproachControls {
  int databaseOption, summaryOption, databaseMark, summaryMark;
  int summaryPanel, databasePanel, databaseScrollArea;
  std::string* kept;
};

ApproachControls ControlsOf(int kind) {
  if (kind == KindBA)
    return {BADatabaseOption, BASummaryOption, BADatabaseMark,       BASummaryMark,
            BASummaryPanel,   BADatabasePanel, BADatabaseScrollArea, &BALongSummary};
  if (kind == KindCG)
    return {CGDatabaseOption, CGSummaryOption, CGDatabaseMark,       CGSummaryMark,
            CGSummaryPanel,   CGDatabasePanel, CGDatabaseScrollArea, &CGLongSummary};
  return {PIDatabaseOption, PISummaryOption, PIDatabaseMark, PISummaryMark, 0, 0, 0, nullptr};
}

void Front(int gadget, pf::Rgb colour) { pf::SetGadgetColour(gadget, FrontColourType, colour); }

// The marks and option texts of the chosen approach; the mark of the other one keeps its look or greys.
void ShowChoice(const ApproachControls& a, bool summary, pf::Rgb otherColour) {
  Front(summary ? a.databaseOption : a.summaryOption, kGrey);
  Front(summary ? a.summaryOption : a.databaseOption, DarkBlueColour);
  pf::SetGadgetText(a.summaryMark, summary ? "X" : "");
  pf::SetGadgetText(a.databaseMark, summary ? "" : "X");
  Front(summary ? a.summaryMark : a.databaseMark, DarkBlueColour);
  Front(summary ? a.databaseMark : a.summaryMark, otherColour);
  pf::SetGadgetData(a.databaseMark, summary ? 1 : 0);
  pf::SetGadgetData(a.summaryMark, summary ? 0 : 1);
}

void SwitchTwoColumns(const AnalysisModule& m, const ApproachControls& a) {
  const bool toSummary = ApproachFlag(m) == 0;
  pf::HideGadget(a.summaryPanel, !toSummary);
  pf::HideGadget(a.databaseScrollArea, toSummary);
  pf::HideGadget(a.databasePanel, toSummary);
  ShowChoice(a, toSummary, DarkBlueColour);
  const WorksheetCells c(m.gadget);
  if (toSummary) {
    pf::SetGadgetData(c.Cell(kStep3, 27, 1, 0), 1);  // the recalculation refills the combo from its list
    std::string& kept = *a.kept;
    kept.clear();
    for (int k = 1; k <= 2; ++k)
      for (int row : kKeptStep8Rows) kept += c.Text(kStep8, row, k, 2) + kFieldEnd;
  } else {
    const int combo = c.Cell(kStep7, 3, 1, 2);
    pf::ClearGadgetItems(combo);
    const IndustryCodeList& list = m.databaseCodes;
    for (std::size_t i = 0; i < list.size(); ++i) {
      pf::AddGadgetItem(combo, -1, list[i].s[kCodeField], int(i));
      for (int item = 0; item < pf::CountGadgetItems(combo); ++item)
        if (pf::GetGadgetItemText(combo, item) == list[i].s[kCodeField]) {
          pf::SetGadgetItemData(combo, item, int(i));
          break;
        }
    }
    ShowIndustryCodeRecord(m, list.empty() ? nullptr : &list.front());
    pf::SetGadgetState(combo, 0);
    pf::SetGadgetData(combo, 0);
    int n = 1;
    for (int k = 1; k <= 2; ++k)
      for (int row : kKeptStep8Rows) c.Force(kStep8, row, k, 2, KeptField(*a.kept, n++));
  }
  // Recalculating after the return too keeps the rest of the worksheet in step with the restored figures.
  RecalcAnalysis(m);
}

// The step-3 grid's typed cells of the existing situation, in the order their texts are kept.
std::vector<int> EntryCells() {
  std::vector<int> cells;
  for (int row = 20; row <= 39; ++row)
    for (int slot = 0; slot <= 5; ++slot) {
      const int g = PIGadget(kStep3, row, 1, slot);
      if (g && pf::GadgetKind(g) == pf::Kind::Field) cells.push_back(g);
    }
  return cells;
}

// The unit sign beside a cell ("$", "hrs", "%"): the first static text of its row, when 1-3 characters.
int ShortLabel(int cell) {
  for (int sibling : pf::GadgetChildren(pf::GadgetParent(cell))) {
    if (pf::GadgetKind(sibling) != pf::Kind::Text) continue;
    const std::size_t length = pf::GetGadgetText(sibling).size();
    return length >= 1 && length <= 3 ? sibling : 0;
  }
  return 0;
}

void SwitchPotential(const AnalysisModule& m, const ApproachControls& a) {
  const bool toSummary = ApproachFlag(m) == 0;
  std::string& leaving = toSummary ? PILongInci : PIShortInci;
  const std::string& returning = toSummary ? PIShortInci : PILongInci;
  const pf::Rgb back = toSummary ? NumberFieldColour : BlueGreyColour;
  const WorksheetCells c(m.gadget);
  leaving.clear();
  int n = 1;
  for (int cell : EntryCells()) {
    pf::SetGadgetColour(cell, BackColourType, back);
    pf::SetGadgetReadOnly(cell, !toSummary);
    pf::SetGadgetTabStop(cell, toSummary);
    leaving += pf::GetGadgetText(cell) + kFieldEnd;
    pf::SetGadgetText(cell, KeptField(returning, n++));
    if (const int label = ShortLabel(cell)) pf::SetGadgetColour(label, BackColourType, back);
  }
  // The retrieved total stands beside the grid; the summary approach works its own out.
  if (toSummary)
    leaving += c.Text(kStep3, 37, 1, 2) + kFieldEnd;
  else
    c.Force(kStep3, 37, 1, 2, KeptField(returning, n));
  ShowChoice(a, toSummary, kGrey);
  if (toSummary) {
    const int lowerHeight = pf::GadgetHeight(PIStep3LowerArea);
    const int inner = lowerHeight > 0 ? int(std::lround(double(pf::ScrollAreaInnerHeight(PIStep3LowerArea)) *
                                                        pf::GadgetHeight(PIStep3ScrollBar) / lowerHeight))
                                      : pf::ScrollAreaInnerHeight(PIStep3ScrollBar);
    pf::SetScrollAreaInner(PIStep3ScrollBar, pf::ScrollAreaInnerWidth(PIStep3ScrollBar), inner);
    pf::SetScrollY(PIStep3ScrollBar, 0);
    pf::SetScrollY(PIStep3UpperArea, PIStep3ScrollSplit);
    pf::SetScrollY(PIStep3LowerArea, 0);
  } else {
    pf::SetScrollAreaInner(PIStep3ScrollBar, pf::ScrollAreaInnerWidth(PIStep3ScrollBar), PIStep3ScrollHeight);
    pf::SetScrollY(PIStep3ScrollBar, 0);
    pf::SetScrollY(PIStep3UpperArea, 0);
  }
  for (int row = 2; row <= 11; ++row) pf::DisableGadget(c.Cell(kStep3, row, 1, 2), toSummary);
  if (toSummary) {
    pf::HideGadget(NoticeGadget(3, 1), true);
    pf::DisableGadget(NoticeGadget(3, 0), false);
  }
  RecalcAnalysis(m);
}

}  // namespace

std::string KeptField(std::string_view kept, int n) {
  std::size_t from = 0;
  for (int i = 1; i < n; ++i) {
    const auto end = kept.find(kFieldEnd, from);
    if (end == std::string_view::npos) return {};
    from = end + 1;
  }
  const auto end = kept.find(kFieldEnd, from);
  return end == std::string_view::npos ? std::string() : std::string(kept.substr(from, end - from));
}

void SwitchStep3Approach(int kind) {
  const AnalysisModule* m = ModuleOfKind(kind);
  if (!m) return;
  const ApproachControls a = ControlsOf(kind);
  if (m->comparison == Comparison::Potential)
    SwitchPotential(*m, a);
  else
    SwitchTwoColumns(*m, a);
}

void SwitchBAStep3Approach() { SwitchStep3Approach(KindBA); }
void SwitchCGStep3Approach() { SwitchStep3Approach(KindCG); }
void SwitchPIStep3Approach() { SwitchStep3Approach(KindPI); }
