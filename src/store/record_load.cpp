#include <optional>

#include "incident/incident_pages.h"
#include "shell/date_fields.h"
#include "shell/gadget_helpers.h"
#include "shell/shell_globals.h"
#include "store/incident_choices.h"
#include "store/record_command.h"
#include "store/record_kinds.h"
#include "store/record_store.h"
#include "store/store_globals.h"

namespace {

// A named column of the stored row; a column the table lacks reads as empty.
std::string Column(const StoredRecord& r, const char* name) {
  for (const auto& [columnName, text] : r.columns)
    if (columnName == name) return text;
  return {};
}

std::vector<std::string> SplitAtFieldEnds(const std::string& v) {
  std::vector<std::string> parts(1);
  for (char c : v) {
    if (c == kFieldEnd)
      parts.emplace_back();
    else
      parts.back() += c;
  }
  return parts;
}

void SelectByCode(int combo, int code) {
  int fallback = -1;
  for (int i = 0, n = pf::CountGadgetItems(combo); i < n; ++i) {
    const int data = pf::GetGadgetItemData(combo, i);
    if (data == code) return pf::SetGadgetState(combo, i);
    if (data == 99 && fallback < 0) fallback = i;  // "other"
  }
  pf::SetGadgetState(combo, fallback >= 0 ? fallback : 99);
}

void SelectListParts(int list, const std::string& v) {
  const int n = pf::CountGadgetItems(list);
  for (int i = 0; i < n; ++i) pf::SetGadgetItemSelected(list, i, false);
  const bool byText = GetGadgetProperty(list, "savetype") == 1;
  for (const auto& part : SplitAtFieldEnds(v))
    for (int i = 0; i < n; ++i) {
      const std::string item =
          byText ? pf::GetGadgetItemText(list, i) : std::to_string(pf::GetGadgetItemData(list, i));
      if (item == part) pf::SetGadgetItemSelected(list, i, true);
    }
}

void RestoreControl(const RecordKind& k, const CellIndex& cell, int gadget, const std::string& v) {
  switch (pf::GadgetKind(gadget)) {
    case pf::Kind::Field:
    case pf::Kind::Editor:
      pf::SetGadgetText(gadget, v);
      return;
    case pf::Kind::Combo:
      if (GetGadgetProperty(gadget, "savetype") == 1)
        pf::SetGadgetText(gadget, v);
      else
        SelectByCode(gadget, StoredInteger(v));
      return;
    case pf::Kind::ListBox:
      if (k.listsStored) SelectListParts(gadget, v);
      return;
    case pf::Kind::Date: {
      // A date that does not exist leaves the field as the new record set it.
      const pf::Date d = ParseStoredDate(v, k.slashDates ? '/' : '-');
      SetDateGadget(gadget, d.year, d.month, d.day);
      return;
    }
    case pf::Kind::Text:
      if (StaticTextStored(k, cell)) pf::SetGadgetText(gadget, v);
      return;
    default:
      return;
  }
}

// The step-7 combo lists exactly the records of the list that step 7 works on, in list order, so its item
// index, its item data and the list index agree. The potential analysis works on its summary list in both
// approaches; only its visible records are stored, so all of them are listed.
void RestoreIndustryCodes(int kind, const AnalysisParts& p, const StoredRecord& r) {
  const int combo = (*p.gadget)(2, 3, 1, 2);
  pf::ClearGadgetItems(combo);
  const bool summaryList = kind == KindPI || Column(r, "longorshort") == "1";
  *p.codes = DecodeIndustryCodes(Column(r, "industrycodesfield"));
  *p.codesSummary = DecodeIndustryCodes(Column(r, "industrycodesShortfield"));
  const auto& shown = summaryList ? *p.codesSummary : *p.codes;
  for (std::size_t i = 0; i < shown.size(); ++i) pf::AddGadgetItem(combo, -1, shown[i].s[0], int(i));
  SelectItemByData(combo, StoredInteger(Column(r, "field_2x3x1x2")));
  pf::SetGadgetData(combo, pf::GetGadgetState(combo));
}

void RestoreAnalysisBefore(int kind, const StoredRecord& r) {
  const AnalysisParts& p = AnalysisPartsOf(kind);
  // The stored retrieval criteria stay as they are until the user updates or dismisses the notice.
  pf::HideGadget(NoticeGadget(kind - 1, 1), false);
  pf::DisableGadget(NoticeGadget(kind - 1, 0), true);
  if (StoredInteger(Column(r, "longorshort")) != pf::GetGadgetData(*p.databaseMark)) p.switchApproach();
  if (kind == KindPI) PIShortInci = Column(r, "shortinci"), PILongInci = Column(r, "longinci");
}

void RestoreAnalysisAfter(int kind, const StoredRecord& r) {
  const AnalysisParts& p = AnalysisPartsOf(kind);
  auto& X = *p.gadget;
  const int group = StoredInteger(pf::GetGadgetText(X(7, 4, 1, 2)));
  if (group >= 1 && group <= 10) pf::SetGadgetData(X(7, 4, 1, 2), group);
  DecodeLabour(Column(r, "labourgroupfield"), *p.labour);
  RestoreIndustryCodes(kind, p, r);
  *p.longSummary = Column(r, "longsummary");
  if (kind == KindPI) PIShortInci = Column(r, "shortinci"), PILongInci = Column(r, "longinci");
}

// Only positions that a save stores come back. A column named otherwise was written by some other
// program: a row's label, a name that merely contains "field_", a position outside the worksheet.
bool StoredPosition(const RecordKind& k, const std::string& name, CellIndex& cell) {
  if (name.rfind("field_", 0) != 0 || !ParseStoredColumnName(name, k.dims, cell)) return false;
  for (int d = 0; d < k.dims; ++d)
    if (cell.at[d] < k.saveWalk[d].first || cell.at[d] > k.saveWalk[d].last) return false;
  return true;
}

bool LoadRecord(int kind, int uid) {
  const RecordKind& k = RecordKindOf(kind);
  if (uid == -1) {
    const int row = pf::GetGadgetState(*k.list);
    if (row < 0) return false;  // a click beside the rows
    uid = pf::GetGadgetItemData(*k.list, row);
  }
  if (AskSaveModified(kind) == 1) return false;
  const std::optional<StoredRecord> record = ReadStoredRecord(kind, uid);
  if (!record) return false;
  PutStoredRecord(kind, *record);
  return true;
}

}  // namespace

std::optional<StoredRecord> ReadStoredRecord(int kind, int uid) {
  const RecordKind& k = RecordKindOf(kind);
  sql::Statement q(RecordDatabase, std::string("select * from ") + k.table + " where UID=?1");
  q.Bind(1, std::int64_t(uid));
  switch (q.Next()) {
    case sql::Statement::Step::Row:
      break;
    case sql::Statement::Step::Done:
      return std::nullopt;
    case sql::Statement::Step::Error:
      ShowRecordFailure(q.Failure());
      return std::nullopt;
  }
  StoredRecord record;
  record.uid = q.Integer(0);
  for (int i = 1, n = q.ColumnCount(); i < n; ++i) record.columns.push_back({q.ColumnName(i), q.Text(i)});
  return record;
}

void PutStoredRecord(int kind, const StoredRecord& r) {
  // The record's chosen departments and occupations are chosen by their texts, which must be offered.
  RefillIncidentChoicesOf(kind);
  const RecordKind& k = RecordKindOf(kind);
  pf::FillScope fill;
  const bool analysis = kind >= KindBA && kind <= KindPI;
  if (analysis) RestoreAnalysisBefore(kind, r);
  for (const auto& [name, text] : r.columns) {
    CellIndex cell;
    if (!StoredPosition(k, name, cell)) continue;
    if (const int g = k.control(cell)) RestoreControl(k, cell, g, text);
  }
  const std::string uidText = std::to_string(r.uid);
  pf::SetGadgetText(k.control(k.uidCell), uidText);
  pf::SetGadgetText(k.control(k.numberCell), uidText);
  if (analysis) {
    RestoreAnalysisAfter(kind, r);
    k.recalc();
    pf::HideGadget(AnalysisPartsOf(kind).gadget->operator()(8, 1, 2, 1), false);
  } else if (kind == KindIncident) {
    k.recalc();
    ShowIncidentStepsFromTop();
  } else {
    pf::SetGadgetText(RecordTitleText, "Multiple Incident Summary " + pf::GetGadgetText(MIGadget(0, 0)));
  }
  ModifiedFlags(kind) = 0;
}

bool LoadIncident(int uid) { return LoadRecord(KindIncident, uid); }
bool LoadBAAnalysis(int uid) { return LoadRecord(KindBA, uid); }
bool LoadCGAnalysis(int uid) { return LoadRecord(KindCG, uid); }
bool LoadPIAnalysis(int uid) { return LoadRecord(KindPI, uid); }
bool LoadMISummary(int uid) { return LoadRecord(KindMISummary, uid); }
