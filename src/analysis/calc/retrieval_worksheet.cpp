// The retrieve button's procedures: read the period and the criteria from the worksheet, run the queries to
// their end, and only then write what they found, so a failed query leaves every cell as it was.
#include <string>
#include <vector>

#include "analysis/calc/analysis_module.h"
#include "analysis/calc/incident_retrieval.h"
#include "analysis/calc/industry_code_combo.h"
#include "analysis/calc/recalculation.h"
#include "analysis/calc/retrieval_query.h"
#include "analysis/calc/worksheet_cells.h"
#include "platform/platform.h"
#include "shell/date_fields.h"
#include "shell/gadget_helpers.h"
#include "shell/number_text.h"
#include "shell/shell_globals.h"
#include "store/record_command.h"
#include "store/store_globals.h"

namespace {

constexpr int kStep2 = 7, kStep3 = 6, kStep7 = 2, kStep8 = 1;
constexpr const char* kFound = "* Incidents successfully retrieved (see below) *";
constexpr const char* kNoneFound = "- No incidents found matching criteria -";

// The criteria lists in the order the query joins them: the step-3 row of each and how it matches.
struct ListRow {
  int row;
  const char* column;
  bool byText;
};
// The categories of worker sit on row 14 of the two-column analyses and on row 11 of the potential one.
constexpr ListRow kTwoColumnLists[] = {{4, "incidenttypefield", false}, {10, "incidentcausefield", false},
                                       {9, "bodypartfield", false},     {14, "categoryofworkerfield", false},
                                       {5, "injurynaturefield", false}, {6, "departmentfield", true},
                                       {7, "occupationfield", true}};
constexpr int kDepartmentList = 5;  // its index among the lists

RetrievalCriterion ReadCriterion(int list, const ListRow& r) {
  RetrievalCriterion c{r.column, r.byText, list ? pf::GetGadgetState(list) : 0, {}};
  const int count = pf::CountGadgetItems(list);
  for (int item = 1; item < count; ++item) {
    if (!pf::IsGadgetItemSelected(list, item)) continue;
    c.values.push_back(r.byText ? pf::GetGadgetItemText(list, item)
                                : std::to_string(pf::GetGadgetItemData(list, item)));
  }
  return c;
}

std::string DateOf(int field) {
  const DateRecord d = GadgetDateRecord(field);
  return RetrievalDateText(d.year, d.month, d.day);
}

// The query of the pass of column k: the Before & After periods and lists are the column's own; the
// Concurrent Groups passes share column 1's period and lists but the department list.
RetrievalQuery PassQuery(const AnalysisModule& m, int k) {
  const bool ownColumn = m.comparison == Comparison::BeforeAfter;
  const int dates = ownColumn ? k : 1;
  std::vector<RetrievalCriterion> lists;
  for (std::size_t i = 0; i < std::size(kTwoColumnLists); ++i) {
    const ListRow& r = kTwoColumnLists[i];
    const int column = ownColumn || i == kDepartmentList ? k : 1;
    lists.push_back(ReadCriterion(m.gadget(kStep3, r.row, column, 2), r));
  }
  return BuildRetrievalQuery(
      "totalcostfield,rategroupfield,claimcostfield,absencetimefield,absenceratefield,absenceshorttermfield,"
      "modifiedtimefield,modifiedratefield,modifiedshorttermfield,absencelongtermfield,modifiedlongtermfield,"
      "incidenttypefield",
      DateOf(m.gadget(kStep2, 2, dates, 2)), DateOf(m.gadget(kStep2, 3, dates, 2)), lists, true);
}

void ShowStatus(const WorksheetCells& cells, const std::string& text) {
  cells.Force(kStep3, 8, 1, 1, text);
  pf::HideGadget(cells.Cell(kStep3, 8, 1, 1), false);
}

void WritePass(const WorksheetCells& c, int k, const PassFigures& f) {
  const int countRow[6] = {0, 5, 4, 21, 22, 23};
  for (int t = 1; t <= 5; ++t)
    c.Write(kStep8, countRow[t], k, 2, DisplayNumber(f.typeCount[std::size_t(t)], 0));
  // A pass without incidents keeps the plain "0" the run starts from.
  c.Write(kStep8, 6, k, 2, f.count ? DisplayNumber(f.absenceHours, 2) : "0");
  c.Write(kStep8, 7, k, 2, f.count ? DisplayNumber(f.modifiedHours, 2) : "0");
  c.Force(kStep3, 11, k, 2, std::to_string(f.count));
  c.Write(kStep3, 12, k, 2, DisplayNumber(f.totalCost, 2));
}

void FillCodeCombo(const AnalysisModule& m, const IndustryCodeList& list) {
  const int combo = m.gadget(kStep7, 3, 1, 2);
  pf::ClearGadgetItems(combo);
  for (std::size_t i = 0; i < list.size(); ++i) {
    pf::AddGadgetItem(combo, -1, list[i].s[kCodeField], int(i));
    for (int item = 0; item < pf::CountGadgetItems(combo); ++item) {
      if (pf::GetGadgetItemText(combo, item) == list[i].s[kCodeField]) {
        pf::SetGadgetItemData(combo, item, int(i));
        break;
      }
    }
  }
  ShowIndustryCodeRecord(m, list.empty() ? nullptr : &list.front());
  pf::SetGadgetState(combo, 0);
  pf::SetGadgetData(combo, 0);
}

RetrievalOutcome RetrieveTwoColumns(const AnalysisModule& m) {
  RetrievedRows passes[2];
  for (int k = 1; k <= 2; ++k) {
    passes[k - 1] = RunRetrievalQuery(RecordDatabase, PassQuery(m, k), PassColumnNames());
    if (!passes[k - 1].ok) {
      ShowRecordFailure({false, passes[k - 1].code, passes[k - 1].message});
      return RetrievalOutcome::Failed;
    }
  }
  const WorksheetCells c(m.gadget);
  IndustryCodeList& list = m.databaseCodes;
  for (auto& e : list) e.s[kClaims1Field] = e.s[kClaims2Field] = "0";
  std::vector<std::string> seen;
  pf::ClearGadgetItems(c.Cell(kStep7, 3, 1, 2));
  for (int row : {4, 5, 6, 7, 21, 22, 23})
    for (int k = 1; k <= 2; ++k) c.Force(kStep8, row, k, 2, "0");
  PassFigures figures[2];
  for (int k = 1; k <= 2; ++k) {
    figures[k - 1] = SumPass(passes[k - 1].rows);
    AddPassClaims(list, k - 1, passes[k - 1].rows, seen);
    WritePass(c, k, figures[k - 1]);
  }
  const bool found = figures[0].count + figures[1].count > 0;
  DropRecordsNotRetrieved(list, seen);
  FillCodeCombo(m, list);
  // What disability insurance paid, with its 15 % administration share.
  c.Write(kStep7, 26, 1, 2, FixedText(figures[0].shortTermWages * 1.15, 2));
  c.Write(kStep7, 26, 2, 1, FixedText(figures[1].shortTermWages * 1.15, 2));
  c.Write(kStep7, 27, 1, 2, FixedText(figures[0].longTermWages * 1.15, 2));
  c.Write(kStep7, 27, 2, 1, FixedText(figures[1].longTermWages * 1.15, 2));
  RecalcAnalysis(m);
  ShowStatus(c, found ? kFound : kNoneFound);
  ModifiedFlags(m.kind) = 1;
  return found ? RetrievalOutcome::Found : RetrievalOutcome::NothingFound;
}

constexpr ListRow kPILists[] = {{4, "incidenttypefield", false}, {10, "incidentcausefield", false},
                                {9, "bodypartfield", false},     {11, "categoryofworkerfield", false},
                                {5, "injurynaturefield", false}, {6, "departmentfield", true},
                                {7, "occupationfield", true}};

std::string LeftOutNote(const std::vector<std::string>& codes) {
  std::string note = " Only six industry codes fit: the claims of ";
  for (std::size_t i = 0; i < codes.size(); ++i)
    note += (i ? ", " : "") + (codes[i].empty() ? "[none]" : codes[i]);
  return note + " are not shown.";
}

RetrievalOutcome RetrievePotential(const AnalysisModule& m) {
  std::vector<RetrievalCriterion> lists;
  for (const ListRow& r : kPILists) lists.push_back(ReadCriterion(m.gadget(kStep3, r.row, 1, 2), r));
  const RetrievalQuery q = BuildRetrievalQuery("*", DateOf(m.gadget(kStep2, 2, 1, 2)),
                                               DateOf(m.gadget(kStep2, 3, 1, 2)), lists, false);
  const RetrievedRows result = RunRetrievalQuery(RecordDatabase, q, PIColumnNames());
  if (!result.ok) {
    ShowRecordFailure({false, result.code, result.message});
    return RetrievalOutcome::Failed;
  }
  const WorksheetCells c(m.gadget);
  for (int row = 20; row <= 39; ++row)
    for (int slot = 0; slot <= 5; ++slot) {
      const int g = c.Cell(kStep3, row, 1, slot);
      if (g && pf::GadgetKind(g) == pf::Kind::Field) pf::SetGadgetText(g, "");
    }
  const PIGridFigures figures = SumPIIncidents(result.rows);
  for (const PIGridText& t : PIGridTexts(figures)) c.Write(kStep3, t.row, 1, t.slot, t.text);
  c.Write(kStep3, 37, 1, 2, DisplayNumber(figures.totalCost, 2));
  RecalcAnalysis(m);
  const bool found = c.Number(kStep3, 36, 1, 2) > 0;
  ShowStatus(c, found ? kFound + (figures.leftOut.empty() ? "" : LeftOutNote(figures.leftOut)) : kNoneFound);
  ModifiedFlags(m.kind) = 1;
  return found ? RetrievalOutcome::Found : RetrievalOutcome::NothingFound;
}

}  // namespace

RetrievalOutcome RetrieveIncidents(int kind) {
  const AnalysisModule* m = ModuleOfKind(kind);
  if (!m) return RetrievalOutcome::Failed;
  return m->comparison == Comparison::Potential ? RetrievePotential(*m) : RetrieveTwoColumns(*m);
}

void RetrieveIncidentsForBA() { RetrieveIncidents(KindBA); }
void RetrieveIncidentsForCG() { RetrieveIncidents(KindCG); }
void RetrieveIncidentsForPI() { RetrieveIncidents(KindPI); }
