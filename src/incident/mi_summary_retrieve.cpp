// The summary's retrieve button: reads the period and criteria from the page, sums the matching stored
// incidents by type and shows the results.
#include <array>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "incident/incident_cost_model.h"
#include "incident/incident_pages.h"
#include "incident/mi_summary_query.h"
#include "platform/platform.h"
#include "shell/date_fields.h"
#include "shell/gadget_helpers.h"
#include "shell/shell_globals.h"
#include "store/record_command.h"
#include "store/store_globals.h"

namespace {

struct ListColumn {
  int row;
  const char* column;
  bool byText;
};
// The order in which the criteria join the query.
constexpr ListColumn kListColumns[] = {
    {5, "incidenttypefield", false},      {8, "incidentcausefield", false}, {7, "bodypartfield", false},
    {10, "categoryofworkerfield", false}, {6, "injurynaturefield", false},  {11, "departmentfield", true},
    {9, "occupationfield", true},
};

std::string StoredDate(int field) {
  const DateRecord d = GadgetDateRecord(field);
  char text[16];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d", d.year, d.month, d.day);
  return text;
}

MICriterion ReadCriterion(const ListColumn& c) {
  const int list = MIGadget(c.row, 2);
  MICriterion criterion{c.column, c.byText, -1, {}};
  const int count = pf::CountGadgetItems(list);
  for (int item = 0; item < count; ++item) {
    if (!pf::IsGadgetItemSelected(list, item)) continue;
    if (criterion.state < 0) criterion.state = item;
    if (item >= 1)
      criterion.values.push_back(c.byText ? pf::GetGadgetItemText(list, item)
                                          : std::to_string(pf::GetGadgetItemData(list, item)));
  }
  return criterion;
}

// A table that has never had an incident saved into it lacks the named columns: that is no incidents.
bool IsEmptyTable(const sql::Outcome& failure) {
  return failure.message.find("no such column") != std::string::npos;
}

// The sums of the matching incidents; nothing when the query failed for another reason (already shown).
std::optional<MITotals> SumMatchingIncidents() {
  std::vector<MICriterion> lists;
  for (const ListColumn& c : kListColumns) lists.push_back(ReadCriterion(c));
  const MIQuery q = BuildMISummaryQuery(StoredDate(MIGadget(2, 2)), StoredDate(MIGadget(3, 2)), lists);
  MITotals totals;
  sql::Statement st(RecordDatabase, q.sql);
  if (!st.Prepared()) {
    if (IsEmptyTable(st.Failure())) return totals;
    ShowRecordFailure(st.Failure());
    return std::nullopt;
  }
  for (std::size_t k = 0; k < q.values.size(); ++k) st.Bind(int(k + 1), q.values[k]);
  std::array<int, kMIIncidentColumns.size()> index;
  index.fill(-1);
  for (int c = 0; c < st.ColumnCount(); ++c)
    for (std::size_t k = 0; k < kMIIncidentColumns.size(); ++k)
      if (st.ColumnName(c) == kMIIncidentColumns[k]) index[k] = c;
  for (;;) {
    const sql::Statement::Step step = st.Next();
    if (step == sql::Statement::Step::Done) break;
    if (step == sql::Statement::Step::Error) {
      ShowRecordFailure(st.Failure());
      return std::nullopt;
    }
    std::array<std::string, kMIIncidentColumns.size()> texts;
    for (std::size_t k = 0; k < texts.size(); ++k) texts[k] = index[k] < 0 ? "" : st.Text(index[k]);
    totals.Add(MIIncidentFromTexts(texts));
  }
  return totals;
}

// Hours per year of a full-time worker, as the incident worksheet stored them last.
double FteHours() {
  sql::Statement st(RecordDatabase, "select * from staticinfo;");
  if (!st.Prepared() || st.Next() != sql::Statement::Step::Row || st.ColumnCount() < 3) return 0;
  return IncidentValue(st.Text(2));
}

void WriteIfChanged(int gadget, const std::string& text) {
  if (gadget && pf::GetGadgetText(gadget) != text) pf::SetGadgetText(gadget, text);
}

}  // namespace

void RetrieveIncidentsForMI() {
  const std::optional<MITotals> totals = SumMatchingIncidents();
  if (!totals) return;  // the worksheet stays as it was
  for (int row = 14; row <= 59; ++row)
    for (int column = 0; column <= 10; ++column)
      if (pf::GadgetKind(MIGadget(row, column)) == pf::Kind::Text) WriteIfChanged(MIGadget(row, column), "");
  for (const MICellText& cell : MISummaryFigures(*totals, FteHours()))
    WriteIfChanged(MIGadget(cell.row, cell.column), cell.text);
  // The results lie below the criteria, often out of view: the line under the button says where they went.
  WriteIfChanged(MIGadget(12, 1), "* Incidents successfully retrieved (see below) *");
  ModifiedFlags(KindMISummary) = 1;
}
