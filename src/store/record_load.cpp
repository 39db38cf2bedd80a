#include "shell/date_fields.h"
#include "shell/gadget_helpers.h"
#include "shell/shell_globals.h"
#include "store/record_kinds.h"
#include "store/record_store.h"
#include "store/store_globals.h"

namespace {

std::string Column(const RecordQuery& q, const char* name) {
  const int at = DatabaseColumnIndex(name, q);
  return at < 0 ? std::string() : q.Text(at);
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

void RestoreControl(const RecordKind& k, int gadget, const std::string& v) {
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
      if (k.staticTexts != StaticTexts::NotStored) pf::SetGadgetText(gadget, v);
      return;
    default:
      return;
  }
}

// The step-7 combo lists exactly the records of the list that step 7 works on, in list order, so its item
// index, its item data and the list index agree. The potential analysis works on its summary list in both
// approaches; only its visible records are stored, so all of them are listed.
void RestoreIndustryCodes(int kind, const AnalysisParts& p, const RecordQuery& q) {
  const int combo = (*p.gadget)(2, 3, 1, 2);
  pf::ClearGadgetItems(combo);
  const bool summaryList = kind == KindPI || Column(q, "longorshort") == "1";
  *p.codes = DecodeIndustryCodes(Column(q, "industrycodesfield"));
  *p.codesSummary = DecodeIndustryCodes(Column(q, "industrycodesShortfield"));
  const auto& shown = summaryList ? *p.codesSummary : *p.codes;
  for (std::size_t r = 0; r < shown.size(); ++r) pf::AddGadgetItem(combo, -1, shown[r].s[0], int(r));
  SelectItemByData(combo, StoredInteger(Column(q, "field_2x3x1x2")));
  pf::SetGadgetData(combo, pf::GetGadgetState(combo));
}

void RestoreAnalysisBefore(int kind, const RecordQuery& q) {
  const AnalysisParts& p = AnalysisPartsOf(kind);
  // The stored retrieval criteria stay as they are until the user updates or dismisses the notice.
  pf::HideGadget(NoticeGadget(kind - 1, 1), false);
  pf::DisableGadget(NoticeGadget(kind - 1, 0), true);
  if (StoredInteger(Column(q, "longorshort")) != pf::GetGadgetData(*p.databaseMark)) p.switchApproach();
  if (kind == KindPI) PIShortInci = Column(q, "shortinci"), PILongInci = Column(q, "longinci");
}

void RestoreAnalysisAfter(int kind, const RecordQuery& q) {
  const AnalysisParts& p = AnalysisPartsOf(kind);
  auto& X = *p.gadget;
  const int group = StoredInteger(pf::GetGadgetText(X(7, 4, 1, 2)));
  if (group >= 1 && group <= 10) pf::SetGadgetData(X(7, 4, 1, 2), group);
  DecodeLabour(Column(q, "labourgroupfield"), *p.labour);
  RestoreIndustryCodes(kind, p, q);
  *p.longSummary = Column(q, "longsummary");
  if (kind == KindPI) PIShortInci = Column(q, "shortinci"), PILongInci = Column(q, "longinci");
}

bool LoadRecord(int kind, int uid) {
  const RecordKind& k = RecordKindOf(kind);
  if (uid == -1) {
    const int row = pf::GetGadgetState(*k.list);
    if (row < 0) return false;  // a click beside the rows
    uid = pf::GetGadgetItemData(*k.list, row);
  }
  if (AskSaveModified(kind) == 1) return false;
  RecordQuery q(RecordDatabase, std::string("select * from ") + k.table + " where UID=?1");
  q.Bind(1, std::to_string(uid));
  switch (q.Next()) {
    case sql::Statement::Step::Row:
      break;
    case sql::Statement::Step::Done:
      return false;
    case sql::Statement::Step::Error:
      ShowMessage(q.Failure().message);
      return false;
  }
  pf::FillScope fill;
  const bool analysis = kind >= KindBA && kind <= KindPI;
  if (analysis) RestoreAnalysisBefore(kind, q);
  for (int i = 1, n = q.ColumnCount(); i < n; ++i) {
    CellIndex cell;
    // Positions outside the array name no control and are skipped.
    if (!ParseStoredColumnName(q.ColumnName(i), k.dims, cell)) continue;
    if (const int g = k.control(cell)) RestoreControl(k, g, q.Text(i));
  }
  const std::string uidText = std::to_string(q.Integer(0));
  pf::SetGadgetText(k.control(k.uidCell), uidText);
  pf::SetGadgetText(k.control(k.numberCell), uidText);
  if (analysis) {
    RestoreAnalysisAfter(kind, q);
    k.recalc();
    pf::HideGadget(AnalysisPartsOf(kind).gadget->operator()(8, 1, 2, 1), false);
  } else if (kind == KindIncident) {
    k.recalc();
  } else {
    pf::SetGadgetText(RecordTitleText, "Multiple Incident Summary " + pf::GetGadgetText(MIGadget(0, 0)));
  }
  ModifiedFlags(kind) = 0;
  return true;
}

}  // namespace

bool LoadIncident(int uid) { return LoadRecord(KindIncident, uid); }
bool LoadBAAnalysis(int uid) { return LoadRecord(KindBA, uid); }
bool LoadCGAnalysis(int uid) { return LoadRecord(KindCG, uid); }
bool LoadPIAnalysis(int uid) { return LoadRecord(KindPI, uid); }
bool LoadMISummary(int uid) { return LoadRecord(KindMISummary, uid); }
