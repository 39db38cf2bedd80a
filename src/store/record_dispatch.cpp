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

// The record a click on a list row picked, or 0 for a click beside the rows. Taken when the click arrives:
// answering Yes to the question about unsaved changes saves, and the save fills the list again.
int ClickedRecord(int list) {
  const int row = pf::GetGadgetState(list);
  return row < 0 ? 0 : pf::GetGadgetItemData(list, row);
}

void OpenStoredIncident(int, pf::GadgetEvent) {
  const int uid = ClickedRecord(IncidentList);
  if (!uid) return;
  SelectSecondTab(8);
  ShowPage(-1, -1, -1);
  OpenStoredRecord(KindIncident, uid);
}
void OpenStoredSummary(int, pf::GadgetEvent) {
  const int uid = ClickedRecord(MISummaryList);
  if (!uid) return;
  SelectSecondTab(10);
  ShowPage(-1, -1, -1);
  OpenStoredRecord(KindMISummary, uid);
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
  RefillShownRecordLists();
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

enum class Ahead { BlankFirst, OverShown, Stop };

// The new record's question, and after a Cancel the load's own. A save that failed has told the user why;
// asking again would only fail again.
Ahead AskBeforeOpening(int kind) {
  switch (AskAboutUnsavedChanges(kind)) {
    case PromptOutcome::Proceed:
      return Ahead::BlankFirst;
    case PromptOutcome::SaveFailed:
      return Ahead::Stop;
    case PromptOutcome::Cancelled:
      break;
  }
  return AskAboutUnsavedChanges(kind) == PromptOutcome::Proceed ? Ahead::OverShown : Ahead::Stop;
}

// The user has let the unsaved changes go (saved or not): neither step asks again.
void OpenAfterQuestions(int kind, Ahead ahead, const std::function<void()>& fill) {
  ModifiedFlags(kind) = 0;
  if (ahead == Ahead::BlankFirst) StartNewRecord(kind);
  fill();
}

}  // namespace

std::span<const DispatchEntry> RecordEntries() { return kEntries; }

void OpenStoredRecord(int kind, int uid) {
  const Ahead ahead = AskBeforeOpening(kind);
  if (ahead == Ahead::Stop) return;
  // Read before anything is reset: a record that cannot be read leaves the worksheet as it was.
  const std::optional<StoredRecord> record = ReadStoredRecord(kind, uid);
  if (!record) return;
  OpenAfterQuestions(kind, ahead, [&] { PutStoredRecord(kind, *record); });
}

void OpenExampleRecord(int kind, const std::function<void()>& fillExample) {
  const Ahead ahead = AskBeforeOpening(kind);
  if (ahead != Ahead::Stop) OpenAfterQuestions(kind, ahead, fillExample);
}
