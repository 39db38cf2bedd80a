// The dispatch rows of the record commands: the worksheets' footer buttons (slot = record kind), step 1's
// record-number field, the incident calculator's record lists and the summary's retrieve button.
#include "incident/incident_pages.h"
#include "shell/dispatch.h"
#include "shell/page_globals.h"
#include "shell/page_switching.h"
#include "shell/tab_bars.h"
#include "store/footer_commands.h"
#include "store/record_kinds.h"
#include "store/record_store.h"
#include "store/store_globals.h"

namespace {

// The kind's control among five globals (kinds 1-5); a kind without one names no control.
int OfKind(int slot, int* incident, int* ba, int* cg, int* pi, int* summary) {
  int* const controls[] = {nullptr, incident, ba, cg, pi, summary};
  return slot >= 1 && slot <= 5 && controls[slot] ? *controls[slot] : 0;
}

int SaveAsNewButtonOf(int s) {
  return OfKind(s, &IncidentSaveAsNewButton, &BASaveAsNewButton, &CGSaveAsNewButton, &PISaveAsNewButton,
                &MISaveAsNewButton);
}
int SaveButtonOf(int s) {
  return OfKind(s, &IncidentSaveButton, &BASaveButton, &CGSaveButton, &PISaveButton, &MISaveButton);
}
// The summary has no report: its print button has no row and does nothing.
int PrintButtonOf(int s) {
  return OfKind(s, &IncidentPrintButton, &BAPrintButton, &CGPrintButton, &PIPrintButton, nullptr);
}
int PrintReportButtonOf(int s) {
  return OfKind(s, &IncidentPrintReportButton, &BAPrintReportButton, &CGPrintReportButton,
                &PIPrintReportButton, nullptr);
}
int DeleteButtonOf(int s) {
  return OfKind(s, &IncidentDeleteButton, &BADeleteButton, &CGDeleteButton, &PIDeleteButton, &MIDeleteButton);
}
int SaveAnotherButtonOf(int s) {
  return OfKind(s, &IncidentSaveAnotherButton, &BASaveAnotherButton, &CGSaveAnotherButton,
                &PISaveAnotherButton, nullptr);
}
int SaveReturnButtonOf(int s) {
  return OfKind(s, &IncidentSaveReturnButton, &BASaveReturnButton, &CGSaveReturnButton, &PISaveReturnButton,
                nullptr);
}
// Step 1's record-number field (incident and analyses).
int NumberFieldOf(int s) {
  if (s < KindIncident || s > KindPI) return 0;
  const RecordKind& k = RecordKindOf(s);
  return k.control(k.numberCell);
}

int Control(int* global) { return *global; }
int IncidentListControl(int) { return Control(&IncidentList); }
int SummaryListControl(int) { return Control(&MISummaryList); }

// Buttons and lists act on clicks only: the focus reaching a button does nothing.
bool LeftClickOnly(pf::GadgetEvent kind) { return kind == pf::GadgetEvent::LeftClick; }
bool LostFocusOnly(pf::GadgetEvent kind) { return kind == pf::GadgetEvent::LostFocus; }

void SaveAsNew(int kind, pf::GadgetEvent) { SaveRecordAsNew(kind); }
void SaveCurrent(int kind, pf::GadgetEvent) { SaveCurrentRecord(kind); }
void Print(int kind, pf::GadgetEvent) { PrintRecordReport(kind); }
void Delete(int kind, pf::GadgetEvent) { DeleteShownRecord(kind); }
void SaveAnother(int kind, pf::GadgetEvent) { SaveAndStartAnother(kind, false); }
void SaveReturn(int kind, pf::GadgetEvent) { SaveAndStartAnother(kind, true); }
void NumberLeft(int kind, pf::GadgetEvent) { OpenTypedRecordNumber(kind); }

// Opens a row of a start-page list on its worksheet: a blank record first (which asks about unsaved
// changes), then the row. A cancelled question keeps the record shown.
void OpenListRow(int list, int tab, int kind, void (*newRecord)(), bool (*load)(int)) {
  // A click beside the rows selects nothing.
  if (pf::GetGadgetState(list) < 0) return;
  SelectSecondTab(tab);
  ShowPage(-1, -1, -1);
  newRecord();
  if (ModifiedFlags(kind) == 1) return;
  load(-1);
}

void OpenStoredIncident(int, pf::GadgetEvent) {
  OpenListRow(IncidentList, 8, KindIncident, NewIncident, LoadIncident);
}
void OpenStoredSummary(int, pf::GadgetEvent) {
  OpenListRow(MISummaryList, 10, KindMISummary, NewMISummary, LoadMISummary);
}


constexpr DispatchEntry kEntries[] = {
    {SaveAsNewButtonOf, 1, 5, LeftClickOnly, SaveAsNew},
    {SaveButtonOf, 1, 5, LeftClickOnly, SaveCurrent},
    {PrintButtonOf, 1, 4, LeftClickOnly, Print},
    {PrintReportButtonOf, 1, 4, LeftClickOnly, Print},
    {DeleteButtonOf, 1, 5, LeftClickOnly, Delete},
    {SaveAnotherButtonOf, 1, 4, LeftClickOnly, SaveAnother},
    {SaveReturnButtonOf, 1, 4, LeftClickOnly, SaveReturn},
    {NumberFieldOf, 1, 4, LostFocusOnly, NumberLeft},
    {IncidentListControl, 0, 0, LeftClickOnly, OpenStoredIncident},
    {SummaryListControl, 0, 0, LeftClickOnly, OpenStoredSummary},
};

}  // namespace

std::span<const DispatchEntry> RecordEntries() { return kEntries; }
