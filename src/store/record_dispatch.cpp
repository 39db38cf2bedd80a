// The dispatch rows of the record commands: the worksheets' footer buttons (slot = record kind), step 1's
// record-number field, the incident calculator's start page (tiles, record panels and their lists).
#include <iterator>

#include "incident/incident_pages.h"
#include "shell/dispatch.h"
#include "shell/gadget_helpers.h"
#include "shell/page_globals.h"
#include "shell/page_switching.h"
#include "shell/shell_globals.h"
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

// ---- The incident calculator's start page --------------------------------------------------------------
// Its three review tiles each open a record panel in the place of the tile descriptions; the selected look
// of a tile tells which panel is open. The two create tiles never change their look.
struct ReviewPanel {
  int* tile;
  int* container;
  int* list;
  int* closeText;
};
const ReviewPanel kReviewPanels[] = {
    {&IncidentPastTile, &IncidentPastContainer, &IncidentList, &IncidentPastCloseText},
    {&IncidentExampleTile, &IncidentExampleContainer, &ExampleIncidentList, &IncidentExampleCloseText},
    {&MIReviewTile, &MIPastContainer, &MISummaryList, &MIPastCloseText},
};
constexpr int kPanelCount = int(std::size(kReviewPanels));

int CreateTile(int i) { return i == 0 ? IncidentNewTile : MICreateTile; }
int ReviewTile(int i) { return *kReviewPanels[i].tile; }
int CloseText(int i) { return *kReviewPanels[i].closeText; }

void ShowDescriptions(bool show) {
  pf::HideGadget(IncidentLearnMoreLink, !show);
  pf::HideGadget(IncidentInfoContainer, !show);
}

// Panel `open` shown with its tile selected (-1: every panel hidden, every review tile plain).
void ShowOnlyPanel(int open) {
  for (int i = 0; i < kPanelCount; ++i) {
    const ReviewPanel& p = kReviewPanels[i];
    if (i == open)
      SetGadgetColours(*p.tile, BlueColour, OrangeColour, 29);
    else
      SetGadgetColours(*p.tile, BlueGreyColour, kBlack, 29);
    pf::HideGadget(*p.container, i != open);
  }
  ShowDescriptions(open < 0);
}

// A new incident on step 1, or a new summary; the new record asks about unsaved changes of its kind first.
void ChooseCreateTile(int i, pf::GadgetEvent) {
  ShowOnlyPanel(-1);
  SelectSecondTab(i == 0 ? 8 : 10);
  ShowPage(-1, -1, -1);
  if (i == 0)
    NewIncident();
  else
    NewMISummary();
}

void ChooseReviewTile(int i, pf::GadgetEvent) {
  ShowOnlyPanel(i);
  // The list takes the focus once its panel shows: a hidden control cannot hold it.
  pf::SetActiveGadget(*kReviewPanels[i].list);
}

// The "X" gives the tile its plain colours but keeps its font.
void ClosePanel(int i, pf::GadgetEvent) {
  const ReviewPanel& p = kReviewPanels[i];
  pf::HideGadget(*p.container, true);
  SetGadgetColours(*p.tile, BlueGreyColour, kBlack, -1);
  ShowDescriptions(true);
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
    {CreateTile, 0, 1, LeftClickOnly, ChooseCreateTile},
    {ReviewTile, 0, kPanelCount - 1, LeftClickOnly, ChooseReviewTile},
    {CloseText, 0, kPanelCount - 1, LeftClickOnly, ClosePanel},
};

}  // namespace

std::span<const DispatchEntry> RecordEntries() { return kEntries; }
