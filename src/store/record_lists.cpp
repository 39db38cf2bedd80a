#include <algorithm>
#include <string>
#include <vector>

#include "shell/gadget_helpers.h"
#include "shell/shell_globals.h"
#include "store/incident_choices.h"
#include "store/record_command.h"
#include "store/record_kinds.h"
#include "store/record_store.h"
#include "store/store_globals.h"

namespace {

// The first n characters (not bytes) of a UTF-8 text.
std::string FirstCharacters(const std::string& text, int n) {
  std::size_t i = 0;
  for (int count = 0; i < text.size(); ++i) {
    if ((static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) continue;  // inside a character
    if (count++ == n) break;
  }
  return text.substr(0, i);
}

struct ListOfKind {
  const char* table;
  bool byUid;                   // rows in record-number order
  int nameCut, descriptionCut;  // analyses: characters of name and description shown
};

// The stored columns each kind's list shows, after the record number.
std::vector<std::string> ShownColumns(int kind) {
  if (kind == KindIncident) return {"altrefnumberfield", "datefield", "field_0x6x2"};
  if (kind == KindMISummary) return {"titlefield"};
  return {"interventionnamefield", "interventiondescriptionfield"};
}

// Record numbers the program can hold. A row that another program stored under a number beyond them is
// left out of the lists, where it would pass for another record.
constexpr const char* kRecordNumbers = " UID between 1 and 2147483647";

// A record has hundreds of columns and the list shows a few: reading only those keeps a list of
// thousands of records quick to fill. A column the table does not have yet (no record has stored it)
// reads as empty. `where` narrows the rows further; `text` stays empty when the table does not exist.
sql::Outcome ListQuery(int kind, const ListOfKind& how, std::string& text, const std::string& where = "") {
  std::vector<std::string> present;
  {
    sql::Statement info(RecordDatabase, std::string("pragma table_info(") + how.table + ")");
    sql::Statement::Step step;
    while ((step = info.Next()) == sql::Statement::Step::Row) present.push_back(info.Text(1));
    if (step == sql::Statement::Step::Error) return info.Failure();
  }
  text.clear();
  if (present.empty()) return {};
  text = "select UID";
  for (const std::string& column : ShownColumns(kind))
    text += std::find(present.begin(), present.end(), column) != present.end() ? "," + column : ",''";
  text += std::string(" from ") + how.table + " where" + kRecordNumbers + where;
  if (how.byUid) text += " order by UID";
  return {};
}

// The list row of the query's current record: its number, then the shown texts.
pf::ListViewRow ListRow(int kind, const ListOfKind& how, const sql::Statement& q) {
  const int uid = int(q.Integer(0));  // within the record numbers: the query asks for no others
  pf::ListViewRow row;
  row.data = uid;
  if (kind == KindIncident)
    row.texts = {std::to_string(uid), q.Text(1), StoredDateInWords(q.Text(2)), q.Text(3)};
  else if (kind == KindMISummary)
    row.texts = {std::to_string(uid), q.Text(1)};
  else
    row.texts = {std::to_string(uid), FirstCharacters(q.Text(1), how.nameCut),
                 FirstCharacters(q.Text(2), how.descriptionCut)};
  return row;
}

// Every row of the list, or the database's message when the read stopped short of the end. A table that
// no save has made yet holds no records.
sql::Outcome ReadListRows(int kind, const ListOfKind& how, std::vector<pf::ListViewRow>& rows) {
  std::string text;
  if (auto o = ListQuery(kind, how, text); !o) return o;
  if (text.empty()) return {};
  sql::Statement q(RecordDatabase, text);
  for (;;) {
    switch (q.Next()) {
      case sql::Statement::Step::Row:
        rows.push_back(ListRow(kind, how, q));
        break;
      case sql::Statement::Step::Done:
        return {};
      case sql::Statement::Step::Error:
        return q.Failure();
    }
  }
}

// A list that cannot be read whole keeps what it showed: part of it would pass for all the records.
void FillList(int kind, const ListOfKind& how) {
  const int list = *RecordKindOf(kind).list;
  if (!list) return;
  std::vector<pf::ListViewRow> rows;
  if (const sql::Outcome o = ReadListRows(kind, how, rows); !o) {
    // A held file is let go sooner or later; a damaged one would fail the same way at every try.
    RecordListStale(kind) = sql::FileHeld(o) ? 1 : 0;
    ShowRecordFailure(o);
    return;
  }
  RecordListStale(kind) = 0;
  pf::ClearGadgetItems(list);
  pf::AddListViewRows(list, rows);
}

ListOfKind ListOf(int kind) {
  switch (kind) {
    case KindIncident:
      return {"Incidents", true, 0, 0};
    case KindBA:
      return {"BAAnalyses", false, 30, 55};
    case KindCG:
      return {"CGAnalyses", false, 30, 45};
    case KindPI:
      return {"piAnalyses", false, 30, 30};
    default:
      return {"MISummaries", true, 0, 0};
  }
}

int StoredCount(const char* table) {
  sql::Statement q(RecordDatabase, std::string("select count(*) from ") + table + " where" + kRecordNumbers);
  return q.Next() == sql::Statement::Step::Row ? int(q.Integer(0)) : -1;
}

// The first row whose record number is not below uid, in a list ordered by record number.
int FirstRowFrom(int list, int uid) {
  int low = 0, high = pf::CountGadgetItems(list);
  while (low < high) {
    const int middle = (low + high) / 2;
    if (pf::GetGadgetItemData(list, middle) < uid)
      low = middle + 1;
    else
      high = middle;
  }
  return low;
}

// Updates or adds the saved record's row in place; false when that cannot stand for a refill.
bool RefreshRow(int kind, const ListOfKind& how, int list, int uid) {
  if (!how.byUid || uid <= 0) return false;
  const int rows = pf::CountGadgetItems(list);
  const int at = FirstRowFrom(list, uid);
  const bool present = at < rows && pf::GetGadgetItemData(list, at) == uid;
  // The list must hold one row per stored record, the saved one included once it is in.
  if (StoredCount(how.table) != rows + (present ? 0 : 1)) return false;
  std::string text;
  if (!ListQuery(kind, how, text, " and UID=?1") || text.empty()) return false;
  sql::Statement q(RecordDatabase, text);
  q.Bind(1, std::int64_t(uid));
  if (q.Next() != sql::Statement::Step::Row) return false;
  const pf::ListViewRow row = ListRow(kind, how, q);
  if (!present) pf::AddGadgetItem(list, at, row.texts[0], uid);
  for (std::size_t c = 1; c < row.texts.size(); ++c) pf::SetGadgetItemText(list, at, row.texts[c], int(c));
  // As after a refill: nothing selected, the first rows in sight.
  pf::SetGadgetState(list, -1);
  pf::SetTopItem(list, 0);
  return true;
}

}  // namespace

void FillIncidentList() { FillList(KindIncident, ListOf(KindIncident)); }
void FillBAAnalysisList() { FillList(KindBA, ListOf(KindBA)); }
void FillCGAnalysisList() { FillList(KindCG, ListOf(KindCG)); }
void FillPIAnalysisList() { FillList(KindPI, ListOf(KindPI)); }
void FillMISummaryList() { FillList(KindMISummary, ListOf(KindMISummary)); }

void RefillShownRecordLists() {
  for (int kind = KindIncident; kind <= KindMISummary; ++kind) {
    const RecordKind& k = RecordKindOf(kind);
    if (RecordListStale(kind) && pf::IsGadgetVisible(*k.list)) k.fillList();
  }
  RefillShownIncidentChoices();
}

void RefreshSavedRecordRow(int kind, int uid) {
  const int list = *RecordKindOf(kind).list;
  if (list && RefreshRow(kind, ListOf(kind), list, uid)) return;
  RecordKindOf(kind).fillList();
}

void FillIncidentSuggestions() { FillIncidentChoices(KindIncident); }
