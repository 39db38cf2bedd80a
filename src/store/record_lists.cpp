#include "shell/shell_globals.h"
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

std::string Column(const RecordQuery& q, const char* name) {
  const int at = DatabaseColumnIndex(name, q);
  return at < 0 ? std::string() : q.Text(at);
}

struct ListOfKind {
  const char* query;
  int nameCut, descriptionCut;  // analyses: characters of name and description shown
};

void FillList(int kind, const ListOfKind& how) {
  const int list = *RecordKindOf(kind).list;
  pf::ClearGadgetItems(list);
  if (!list) return;
  RecordQuery q(RecordDatabase, how.query);
  while (q.Next() == sql::Statement::Step::Row) {
    const int uid = int(q.Integer(0));
    const int item = pf::CountGadgetItems(list);
    pf::AddGadgetItem(list, -1, std::to_string(uid), uid);
    std::string texts[3];
    if (kind == KindIncident) {
      texts[0] = Column(q, "altrefnumberfield");
      texts[1] = StoredDateInWords(Column(q, "datefield"));
      texts[2] = Column(q, "field_0x6x2");
    } else if (kind == KindMISummary) {
      texts[0] = Column(q, "titlefield");
    } else {
      texts[0] = FirstCharacters(Column(q, "interventionnamefield"), how.nameCut);
      texts[1] = FirstCharacters(Column(q, "interventiondescriptionfield"), how.descriptionCut);
    }
    for (int c = 0; c < 3; ++c)
      if (!texts[c].empty()) pf::SetGadgetItemText(list, item, texts[c], c + 1);
  }
}

}  // namespace

void FillIncidentList() { FillList(KindIncident, {"select * from Incidents order by UID", 0, 0}); }
void FillBAAnalysisList() { FillList(KindBA, {"select * from BAAnalyses", 30, 55}); }
void FillCGAnalysisList() { FillList(KindCG, {"select * from CGAnalyses", 30, 45}); }
void FillPIAnalysisList() { FillList(KindPI, {"select * from piAnalyses", 30, 30}); }
void FillMISummaryList() { FillList(KindMISummary, {"select * from MISummaries order by UID", 0, 0}); }

std::vector<std::string> StoredIncidentTexts(const std::string& column) {
  std::vector<std::string> texts;
  if (column != "departmentfield" && column != "occupationfield") return texts;
  sql::Statement q(RecordDatabase, "select distinct " + column + " from incidents where " + column +
                                       " <> '' order by upper(" + column + ")");
  while (q.Next() == sql::Statement::Step::Row) texts.push_back(q.Text(0));
  return texts;
}

void FillIncidentSuggestions() {
  for (const auto& t : StoredIncidentTexts("departmentfield")) pf::AddGadgetItem(IncidentGadget(0, 14, 2), -1, t);
  for (const auto& t : StoredIncidentTexts("occupationfield")) pf::AddGadgetItem(IncidentGadget(0, 12, 2), -1, t);
}
