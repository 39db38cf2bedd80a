#include "analysis/calc/industry_code_combo.h"

#include "analysis/calc/recalculation.h"
#include "analysis/calc/worksheet_cells.h"
#include "platform/platform.h"
#include "shell/gadget_helpers.h"
#include "shell/number_text.h"

namespace {

constexpr int kStep7 = 2, kStep3 = 6;
constexpr int kFirstClaimLine = 27, kLastClaimLine = 32;
constexpr int kFirstInputRow = 12, kLastInputRow = 22;  // average rate to the upper rate boundary

int CodeCombo(const AnalysisModule& m) { return m.gadget(kStep7, 3, 1, 2); }
int LimitCombo(const AnalysisModule& m) { return m.gadget(kStep7, 11, 1, 2); }

std::string ClaimsText(const std::string& amount) {
  return FormatCurrency(FixedText(TextNumber(amount, 2), 2)) + " ";
}

void ShowClaims(const WorksheetCells& cells, const IndustryCodeEntry& e) {
  cells.Write(kStep7, 8, 1, 1, ClaimsText(e.s[kClaims1Field]));
  cells.Write(kStep7, 8, 1, 2, ClaimsText(e.s[kClaims2Field]));
}

// The records the combo lists, in list order: every record, or the visible ones of the potential analysis.
std::vector<int> ListedPositions(const IndustryCodeList& list) {
  std::vector<int> positions;
  for (std::size_t i = 0; i < list.size(); ++i) {
    if (IsVisibleRecord(list[i])) positions.push_back(int(i));
  }
  return positions;
}

void RefillIndustryCodeCombo(const AnalysisModule& m, IndustryCodeList& list) {
  const int combo = CodeCombo(m);
  pf::ClearGadgetItems(combo);
  const auto listed = ListedPositions(list);
  for (std::size_t p = 0; p < listed.size(); ++p) {
    const std::string& code = list[std::size_t(listed[p])].s[kCodeField];
    pf::AddGadgetItem(combo, -1, code, int(p));
    for (int item = 0; item < pf::CountGadgetItems(combo); ++item) {
      if (pf::GetGadgetItemText(combo, item) == code) {
        pf::SetGadgetItemData(combo, item, int(p));
        break;
      }
    }
  }
  ShowIndustryCodeRecord(m, listed.empty() ? nullptr : &list[std::size_t(listed.front())]);
  pf::SetGadgetState(combo, 0);
  const bool potential = m.comparison == Comparison::Potential;
  pf::SetGadgetData(combo, potential ? (listed.empty() ? -1 : listed.front()) : 0);
}

}  // namespace

void ShowIndustryCodeRecord(const AnalysisModule& m, const IndustryCodeEntry* record) {
  const WorksheetCells cells(m.gadget);
  if (!record) {
    cells.Write(kStep7, 8, 1, 1, " ");
    cells.Write(kStep7, 8, 1, 2, " ");
    SelectItemByData(LimitCombo(m), 0);
    for (int row = kFirstInputRow; row <= kLastInputRow; ++row) cells.Write(kStep7, row, 1, 2, "");
    return;
  }
  ShowClaims(cells, *record);
  SelectItemByData(LimitCombo(m), int(TextNumber(record->s[kLimitDataField], 0)));
  for (int row = kFirstInputRow; row <= kLastInputRow; ++row)
    cells.Write(kStep7, row, 1, 2, record->s[std::size_t(kAverageRateField + row - kFirstInputRow)]);
}

void CopyBackIndustryCode(const AnalysisModule& m) {
  const int combo = CodeCombo(m);
  if (!combo) return;  // no step 7 yet: nothing shown to copy
  auto& list = RateModelCodes(m);
  const int index = pf::GetGadgetData(combo);
  if (index < 0 || index >= int(list.size())) return;
  auto& e = list[std::size_t(index)];
  const WorksheetCells cells(m.gadget);
  const auto copy = [&](int field, int row) {
    if (cells.Cell(kStep7, row, 1, 2)) e.s[std::size_t(field)] = cells.Text(kStep7, row, 1, 2);
  };
  copy(kYearField, 4);
  for (int row = kFirstInputRow; row <= kLastInputRow; ++row)
    copy(kAverageRateField + row - kFirstInputRow, row);
  if (const int limit = LimitCombo(m)) {
    e.s[kLimitDataField] = std::to_string(pf::GetGadgetItemData(limit, pf::GetGadgetState(limit)));
    e.s[kLimitTextField] = pf::GetGadgetText(limit);
  }
  e.s[kComboIndexField] = std::to_string(index);
}

void MergeIndustryCodeClaims(const AnalysisModule& m) {
  const WorksheetCells cells(m.gadget);
  std::array<std::vector<ClaimLine>, 2> columns;
  for (int k = 1; k <= 2; ++k) {
    for (int line = kFirstClaimLine; line <= kLastClaimLine; ++line) {
      columns[std::size_t(k - 1)].push_back(
          {cells.Text(kStep3, line, k, 0), cells.Text(kStep3, line, k, 1), cells.Text(kStep3, line, k, 2)});
    }
  }
  const bool potential = m.comparison == Comparison::Potential;
  auto& list = m.summaryCodes;
  const ClaimMerge merge = MergeClaimLines(list, columns, potential);
  const int request = cells.Cell(kStep3, kFirstClaimLine, 1, 0);
  if (merge.claimCodes != m.lastClaimCodes || pf::GetGadgetData(request) == 1) {
    DropUnseenRecords(list, merge.seen, potential, ApproachFlag(m));
    RefillIndustryCodeCombo(m, list);
    m.lastClaimCodes = merge.claimCodes;
    pf::SetGadgetData(request, 0);
  }
  const int found = FindIndustryCode(list, pf::GetGadgetText(CodeCombo(m)));
  if (CodeCombo(m) && found >= 0) ShowClaims(cells, list[std::size_t(found)]);
}

void OnIndustryCodeComboChange(int kind) {
  const AnalysisModule* m = ModuleOfKind(kind);
  if (!m) return;
  const int combo = CodeCombo(*m);
  auto& list = RateModelCodes(*m);
  int index = -1;
  if (m->comparison == Comparison::Potential) {
    // The combo lists the visible records, so its text names one of them; should it name none, the last
    // one is shown rather than nothing.
    const std::string code = pf::GetGadgetText(combo);
    for (std::size_t i = 0; i < list.size(); ++i) {
      if (!IsVisibleRecord(list[i])) continue;
      index = int(i);
      if (SameIndustryCode(list[i].s[kCodeField], code)) break;
    }
  } else {
    index = pf::GetGadgetState(combo);
  }
  if (index >= 0 && index < int(list.size())) {
    ShowIndustryCodeRecord(*m, &list[std::size_t(index)]);
    pf::SetGadgetData(combo, index);
  }
  RecalcAnalysis(*m);
}
