#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdint>
#include <set>

#include "shell/gadget_helpers.h"
#include "shell/shell_globals.h"
#include "store/record_command.h"
#include "store/record_kinds.h"
#include "store/record_store.h"
#include "store/store_globals.h"

namespace {

std::string Lower(std::string s) {
  for (char& c : s) c = char(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

// The stored value of the control at a position, by the control's type; false when it stores none.
bool StoredValue(const RecordKind& k, const CellIndex& cell, int gadget, std::string& value) {
  switch (pf::GadgetKind(gadget)) {
    case pf::Kind::Field:
    case pf::Kind::Editor:
      value = pf::GetGadgetText(gadget);
      return true;
    case pf::Kind::Text:
      // The hidden record number and the rows' labels are not part of the record.
      if (!StaticTextStored(k, cell)) return false;
      value = pf::GetGadgetText(gadget);
      return true;
    case pf::Kind::Combo:
      value = GetGadgetProperty(gadget, "savetype") == 1
                  ? pf::GetGadgetText(gadget)
                  : std::to_string(pf::GetGadgetItemData(gadget, pf::GetGadgetState(gadget)));
      return true;
    case pf::Kind::ListBox: {
      if (!k.listsStored) return false;
      const bool byText = GetGadgetProperty(gadget, "savetype") == 1;
      value.clear();
      for (int i = 0, n = pf::CountGadgetItems(gadget); i < n; ++i) {
        if (!pf::IsGadgetItemSelected(gadget, i)) continue;
        value += byText ? CompoundSafe(pf::GetGadgetItemText(gadget, i))
                        : std::to_string(pf::GetGadgetItemData(gadget, i));
        value += kFieldEnd;
      }
      return true;
    }
    case pf::Kind::Date:
      value =
          k.slashDates ? SlashDateText(pf::GetGadgetDate(gadget)) : DashDateText(pf::GetGadgetDate(gadget));
      return true;
    default:
      return false;
  }
}

std::vector<NamedValue> StoredColumns(const RecordKind& k) {
  std::vector<NamedValue> columns;
  WalkCells(k.dims, k.saveWalk, [&](const CellIndex& cell) {
    const int gadget = k.control(cell);
    std::string value;
    if (gadget && StoredValue(k, cell, gadget, value))
      columns.push_back({StoredColumnName(cell), std::move(value)});
  });
  for (auto& named : k.namedColumns()) columns.push_back(std::move(named));
  return columns;
}

std::string RecordTableSchema(const RecordKind& k) {
  return std::string("create table ") + k.table + " ( uid integer primary key,field1 text, field2 text);";
}

// The table's columns, lower case (the database matches names without regard to case). A missing table is
// created first.
sql::Outcome PresentColumns(const RecordKind& k, std::set<std::string>& present) {
  for (int attempt = 0; attempt < 2; ++attempt) {
    sql::Statement info(RecordDatabase, std::string("pragma table_info(") + k.table + ")");
    if (!info.Prepared()) return info.Failure();
    sql::Statement::Step step;
    while ((step = info.Next()) == sql::Statement::Step::Row) present.insert(Lower(info.Text(1)));
    if (step == sql::Statement::Step::Error) return info.Failure();
    if (!present.empty()) return {};
    if (auto o = RecordDatabase.Execute(RecordTableSchema(k)); !o) return o;
  }
  return {false, 1, std::string("The table ") + k.table + " could not be created."};
}

sql::Outcome RunWithValues(const std::string& text, const std::vector<NamedValue>& columns,
                           const std::vector<std::string>& extra) {
  sql::Statement s(RecordDatabase, text);
  if (!s.Prepared()) return s.Failure();
  int n = 0;
  for (const auto& v : extra) s.Bind(++n, v);
  for (const auto& c : columns) s.Bind(++n, c.value);
  return s.Run();
}

sql::Outcome UpdateRow(const RecordKind& k, const std::vector<NamedValue>& columns, const std::string& uid) {
  std::string text = std::string("Update ") + k.table + " Set ";
  for (std::size_t i = 0; i < columns.size(); ++i)
    text += (i ? "," : "") + columns[i].name + "=?" + std::to_string(i + 2);
  text += " where UID=?1;";
  return RunWithValues(text, columns, {uid});
}

// The new record takes the number after the highest the program can hold: a row that another program
// stored under a larger number would otherwise push every new record out of the program's reach.
sql::Outcome InsertRow(const RecordKind& k, const std::vector<NamedValue>& columns, const std::string& key) {
  std::string names = std::string("INSERT INTO ") + k.table + " (uid,field1";
  std::string values = std::string(" VALUES ((select coalesce(max(uid),0)+1 from ") + k.table +
                       " where uid between 1 and 2147483646),?1";
  for (std::size_t i = 0; i < columns.size(); ++i) {
    names += "," + columns[i].name;
    values += ",?" + std::to_string(i + 2);
  }
  return RunWithValues(names + ")" + values + ");", columns, {key});
}

// The record number of the row just inserted, found by its row id: looking it up by its key would read
// through every stored record.
std::string InsertedUid(const RecordKind& k) {
  sql::Statement s(RecordDatabase, std::string("select UID from ") + k.table + " where rowid=?1");
  s.Bind(1, RecordDatabase.LastInsertId());
  return s.Next() == sql::Statement::Step::Row ? std::to_string(s.Integer(0)) : std::string();
}

// The step-7 company figures of the incident, as typed, go into the one StaticInfo row for the next new
// incident; a failure here loses nothing of the record and is not reported.
void StoreCompanyFigures() {
  sql::Statement s(RecordDatabase, "update staticinfo set hoursperyear=?1,salesrevenue=?2,profitmargin=?3;");
  s.Bind(1, pf::GetGadgetText(IncidentGadget(6, 4, 4)))
      .Bind(2, pf::GetGadgetText(IncidentGadget(6, 3, 4)))
      .Bind(3, pf::GetGadgetText(IncidentGadget(6, 2, 4)));
  s.Run();
}

bool Blank(const std::string& s) { return s.find_first_not_of(' ') == std::string::npos; }

// A department or occupation typed into an incident that its combo does not list yet becomes an item of
// the combo and of every criteria list that offers them.
void OfferNewSuggestion(int combo, int analysisRow, int summaryCell) {
  const std::string t = pf::GetGadgetText(combo);
  if (Blank(t)) return;
  for (int i = 0, n = pf::CountGadgetItems(combo); i < n; ++i)
    if (Lower(pf::GetGadgetItemText(combo, i)) == Lower(t)) return;
  pf::AddGadgetItem(combo, -1, t);
  auto addToList = [&](int list) {
    if (list && pf::GadgetKind(list) == pf::Kind::ListBox) pf::AddGadgetItem(list, -1, t);
  };
  for (int column = 1; column <= 2; ++column) {
    addToList(BAGadget(6, analysisRow, column, 2));
    addToList(CGGadget(6, analysisRow, column, 2));
    addToList(PIGadget(6, analysisRow, column, 2));
  }
  addToList(MIGadget(summaryCell, 2));
}

// A record number as the lists hold it; 0 for a text that is none.
int RecordNumber(const std::string& text) {
  std::int64_t n = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), n);
  return error == std::errc() && end == text.data() + text.size() && n >= 1 && n <= INT32_MAX ? int(n) : 0;
}

bool Fail(const sql::Outcome& o) {
  ShowRecordFailure(o);
  return false;
}

}  // namespace

bool SaveRecord(int kind, int asNew) {
  const RecordKind& k = RecordKindOf(kind);
  if (k.recalc) {
    // The figures brought up to date for the save are no edit that would need saving again.
    pf::FillScope fill;
    k.recalc();
  }
  std::set<std::string> present;
  if (auto o = PresentColumns(k, present); !o) return Fail(o);
  const std::vector<NamedValue> columns = StoredColumns(k);
  const std::string uid = pf::GetGadgetText(k.control(k.uidCell));
  bool insert = asNew == 1 || uid.empty() || uid == "\n" || uid == "0";
  const std::string key = MakeRandomKey();
  std::string newUid;
  {
    // Columns, row and figures go in together or not at all.
    sql::Transaction tx(RecordDatabase);
    if (!tx.Started()) return Fail(tx.Started());
    for (const auto& c : columns) {
      if (present.count(Lower(c.name))) continue;
      if (auto o = RecordDatabase.Execute(std::string("Alter table ") + k.table + " add column " + c.name +
                                          " text;");
          !o)
        return Fail(o);
      present.insert(Lower(c.name));
    }
    if (!insert) {
      if (auto o = UpdateRow(k, columns, uid); !o) return Fail(o);
      // The stored record was deleted meanwhile: keep the work as a new record.
      insert = RecordDatabase.Changes() == 0;
    }
    if (insert) {
      if (auto o = InsertRow(k, columns, key); !o) return Fail(o);
      newUid = InsertedUid(k);
    }
    if (kind == KindIncident) StoreCompanyFigures();
    if (auto o = tx.Commit(); !o) return Fail(o);
  }
  // What the save writes into the worksheet is not an edit of it.
  pf::FillScope fill;
  k.showBanner(insert ? k.insertedBanner : k.updatedBanner);
  if (kind == KindIncident || kind == KindMISummary)
    RefreshSavedRecordRow(kind, RecordNumber(insert ? newUid : uid));
  if (insert) {
    pf::SetGadgetText(k.control(k.uidCell), newUid);
    pf::SetGadgetText(k.control(k.numberCell), newUid);
  }
  if (kind == KindIncident) {
    OfferNewSuggestion(IncidentGadget(0, 12, 2), 7, 9);
    OfferNewSuggestion(IncidentGadget(0, 14, 2), 6, 11);
  } else if (kind == KindMISummary) {
    pf::SetGadgetText(RecordTitleText, "Multiple Incident Summary " + pf::GetGadgetText(MIGadget(0, 0)));
  }
  if (k.recalc) k.recalc();
  if (kind != KindIncident && kind != KindMISummary) k.fillList();
  ModifiedFlags(kind) = 0;
  return true;
}

bool SaveIncident(int asNew) { return SaveRecord(KindIncident, asNew); }
bool SaveBAAnalysis(int asNew) { return SaveRecord(KindBA, asNew); }
bool SaveCGAnalysis(int asNew) { return SaveRecord(KindCG, asNew); }
bool SavePIAnalysis(int asNew) { return SaveRecord(KindPI, asNew); }
bool SaveMISummary(int asNew) { return SaveRecord(KindMISummary, asNew); }
