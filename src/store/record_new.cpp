#include "incident/incident_pages.h"
#include "shell/date_fields.h"
#include "shell/gadget_helpers.h"
#include "shell/page_globals.h"
#include "shell/shell_globals.h"
#include "store/record_command.h"
#include "store/record_kinds.h"
#include "store/record_store.h"
#include "store/store_globals.h"

namespace {

void SetText(int gadget, const std::string& text) { pf::SetGadgetText(gadget, text); }
// Written only when it differs, so an unchanged field raises no change.
void SetTextIfDifferent(int gadget, const std::string& text) {
  if (pf::GetGadgetText(gadget) != text) pf::SetGadgetText(gadget, text);
}

void SelectFirstItemOnly(int gadget) {
  if (pf::GadgetKind(gadget) == pf::Kind::ListBox) pf::SetGadgetState(gadget, -1);
  pf::SetGadgetState(gadget, 0);
  pf::SetGadgetData(gadget, 0);
}

bool NumericColour(int kind, int gadget) {
  const std::int64_t back = pf::GetGadgetColour(gadget, BackColourType);
  return back == std::int64_t(NumberFieldColour) ||
         (kind >= KindBA && kind <= KindPI && back == std::int64_t(RequiredFieldColour));
}

void ResetControl(int kind, int gadget, const pf::Date& today) {
  switch (pf::GadgetKind(gadget)) {
    case pf::Kind::Text:
      if (kind != KindMISummary) return;
      [[fallthrough]];
    case pf::Kind::Field:
    case pf::Kind::Editor:
      SetText(gadget, NumericColour(kind, gadget) ? "0" : "");
      return;
    case pf::Kind::Combo:
    case pf::Kind::ListBox:
      SelectFirstItemOnly(gadget);
      return;
    case pf::Kind::Date:
      SetDateGadget(gadget, today.year, today.month, today.day);
      if (kind == KindMISummary) {
        SyncMIDates();
        ResetDateMask(gadget);
      }
      return;
    default:
      return;
  }
}

void ResetIncidentExtras() {
  SetText(IncidentGadget(0, 0, 0), "");
  SetText(IncidentGadget(0, 2, 2), "NEW INCIDENT");
  for (int combo : {IncidentGadget(0, 14, 2), IncidentGadget(0, 12, 2)}) {
    pf::SetGadgetState(combo, -1);
    SetText(combo, "");
  }
  SetText(IncidentGadget(5, 28, 3), "");
  // Every new incident starts with the company figures that the last saved incident stored.
  sql::Statement q(RecordDatabase, "select * from staticinfo;");
  const sql::Statement::Step step = q.Next();
  if (step == sql::Statement::Step::Error) ShowRecordFailure(q.Failure());
  const bool row = step == sql::Statement::Step::Row;
  SetText(IncidentGadget(6, 2, 4), row ? q.Text(4) : "");
  SetText(IncidentGadget(6, 3, 4), row ? q.Text(5) : "");
  SetText(IncidentGadget(6, 4, 4), row ? q.Text(2) : "");
}

void ResetAnalysisExtras(int kind) {
  const AnalysisParts& p = AnalysisPartsOf(kind);
  auto& X = *p.gadget;
  const bool pi = kind == KindPI;
  for (int row = 27; row <= 32; ++row)
    for (int column = 1; column <= 2; ++column) SetText(X(6, row, column, 0), "");
  SetText(X(0, 0, 0, 0), "");
  SetText(X(8, 1, 1, 2), "NEW ANALYSIS");
  SetText(X(7, 4, 1, 2), "1");
  pf::SetGadgetData(X(7, 4, 1, 2), 1);
  SetText(X(7, 4, 1, 3), "1");
  p.labour->Clear();
  p.codes->clear();
  p.codesSummary->clear();
  pf::ClearGadgetItems(X(2, 3, 1, 2));
  // The long summary of the record shown before would come back with a later approach switch.
  p.longSummary->clear();
  // The claims of the code shown before; no code is chosen now.
  SetText(X(2, 8, 1, 1), "");
  SetText(X(2, 8, 1, 2), "");
  if (!pi) {
    for (int column = 1; column <= 2; ++column) {
      SetText(X(6, 11, column, 2), "0");
      SetText(X(6, 12, column, 2), "0.00");
      SetText(X(6, 13, column, 2), "0.00");
    }
    for (int g : {X(2, 26, 1, 2), X(2, 26, 2, 1), X(2, 27, 1, 2), X(2, 27, 2, 1)})
      SetTextIfDifferent(g, "0.00");
  } else {
    SetTextIfDifferent(X(6, 37, 1, 2), "0.00");
  }
  pf::HideGadget(NoticeGadget(kind - 1, 1), true);
  pf::DisableGadget(NoticeGadget(kind - 1, 0), false);
  if (pi) PIShortInci.clear(), PILongInci.clear();
  if (pf::GetGadgetData(*p.databaseMark) == 1) p.switchApproach();
  for (int row = 3; row <= 23; ++row)
    for (int column = 1; column <= 2; ++column) SetText(X(1, row, column, 2), "0");
  if (pi) PIShortInci.clear(), PILongInci.clear(), p.longSummary->clear();
}

void ResetSummaryExtras() {
  SetText(MIGadget(0, 0), "");
  SetText(MIGadget(60, 2), "NEW INCIDENT SUMMARY");
  SetText(RecordTitleText, "New Multiple Incidents Summary");
  SetText(MIGadget(12, 1), "");
  SyncMIDates();
  for (int i = 1; i <= 3; ++i) pf::SetScrollY(MIScrollArea(i), 0);
}

void NewRecord(int kind) {
  if (AskSaveModified(kind) == 1) return;
  const RecordKind& k = RecordKindOf(kind);
  pf::FillScope fill;
  const pf::Date today = pf::TodayLocal();
  WalkCells(k.dims, k.resetWalk, [&](const CellIndex& cell) {
    if (const int g = k.control(cell)) ResetControl(kind, g, today);
  });
  if (kind == KindIncident)
    ResetIncidentExtras();
  else if (kind == KindMISummary)
    ResetSummaryExtras();
  else
    ResetAnalysisExtras(kind);
  if (k.recalc) k.recalc();
  if (kind == KindIncident) ShowIncidentStepsFromTop();
  ModifiedFlags(kind) = 0;
}

}  // namespace

void NewIncident() { NewRecord(KindIncident); }
void NewBAAnalysis() { NewRecord(KindBA); }
void NewCGAnalysis() { NewRecord(KindCG); }
void NewPIAnalysis() { NewRecord(KindPI); }
void NewMISummary() { NewRecord(KindMISummary); }
