#include "analysis/pages/analysis_dispatch.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <optional>

#include "analysis/calc/approach_switch.h"
#include "analysis/calc/incident_retrieval.h"
#include "analysis/calc/industry_code_combo.h"
#include "analysis/pages/module_frame.h"
#include "analysis/pages/pages_globals.h"
#include "shell/date_fields.h"
#include "shell/event_loop.h"
#include "shell/gadget_helpers.h"
#include "shell/page_switching.h"
#include "shell/shell_globals.h"
#include "shell/tab_bars.h"
#include "store/record_store.h"

namespace {

// Slots 1-3 of every row are the modules (NoticeGadget rows); a module not built yet names no control.
const ModuleDescription* Module(int slot) { return slot >= 1 && slot <= 3 ? BuiltModules[slot] : nullptr; }

template <int* ModuleDescription::*Member>
int Control(int slot) {
  const ModuleDescription* m = Module(slot);
  return m && m->*Member ? *(m->*Member) : 0;
}

// Buttons, tiles and links act on clicks only: the focus reaching the next-step button moves nothing.
bool LeftClickOnly(pf::GadgetEvent kind) { return kind == pf::GadgetEvent::LeftClick; }

void TileLook(int tile, bool selected) {
  if (selected)
    SetGadgetColours(tile, BlueColour, OrangeColour, 29);
  else
    SetGadgetColours(tile, BlueGreyColour, kBlack, 29);
}

void ShowInfo(const ModuleDescription& m, bool show) {
  for (int* g : {m.needLink, m.accuracyLink, m.understandingLink, m.infoContainer}) pf::HideGadget(*g, !show);
}

void OpenStepOne() {
  SelectThirdTab(8);
  ShowPage(-1, -1, -1);
}

void NewAnalysis(const ModuleDescription& m) {
  if (m.newRecord) m.newRecord();
}

void ChooseNewTile(int slot, pf::GadgetEvent) {
  const ModuleDescription& m = *Module(slot);
  TileLook(*m.pastTile, false);
  TileLook(*m.exampleTile, false);
  pf::HideGadget(*m.pastContainer, true);
  pf::HideGadget(*m.exampleContainer, true);
  ShowInfo(m, true);
  OpenStepOne();
  NewAnalysis(m);
}

void ChoosePanelTile(const ModuleDescription& m, bool past) {
  TileLook(past ? *m.exampleTile : *m.pastTile, false);
  TileLook(past ? *m.pastTile : *m.exampleTile, true);
  pf::SetActiveGadget(past ? *m.analysisList : *m.exampleList);
  pf::HideGadget(past ? *m.pastContainer : *m.exampleContainer, false);
  pf::HideGadget(past ? *m.exampleContainer : *m.pastContainer, true);
  ShowInfo(m, false);
  RefillShownRecordLists();
}

void ChoosePastTile(int slot, pf::GadgetEvent) { ChoosePanelTile(*Module(slot), true); }
void ChooseExampleTile(int slot, pf::GadgetEvent) { ChoosePanelTile(*Module(slot), false); }

void ClosePanel(const ModuleDescription& m, bool past) {
  pf::HideGadget(past ? *m.pastContainer : *m.exampleContainer, true);
  SetGadgetColours(past ? *m.pastTile : *m.exampleTile, BlueGreyColour, kBlack, -1);
  ShowInfo(m, true);
}

void ClosePastPanel(int slot, pf::GadgetEvent) { ClosePanel(*Module(slot), true); }
void CloseExamplePanel(int slot, pf::GadgetEvent) { ClosePanel(*Module(slot), false); }

// The module's record kind (Before & After 2, Concurrent Groups 3, Potential Intervention 4).
int KindOfModule(int slot) { return slot + 1; }

void OpenStoredAnalysis(int slot, pf::GadgetEvent) {
  const ModuleDescription& m = *Module(slot);
  // A click below the last row selects nothing and must not load a row that is not there. The row's record
  // is taken now: saving the analysis shown, when the user asks for it, fills the list again.
  const int row = pf::GetGadgetState(*m.analysisList);
  if (row < 0) return;
  const int uid = pf::GetGadgetItemData(*m.analysisList, row);
  OpenStepOne();
  OpenStoredRecord(KindOfModule(slot), uid);
}

void OpenExample(int slot, pf::GadgetEvent) {
  const ModuleDescription& m = *Module(slot);
  if (pf::GetGadgetState(*m.exampleList) != 0 || !m.loadExample) return;
  OpenStepOne();
  OpenExampleRecord(KindOfModule(slot), m.loadExample);
}

void FollowLink(const ModuleDescription& m, int link) {
  ReturnTopTab = 1;
  UnderstandingTopic = m.understandingTopics[link];
  SelectTopTab(3);
  SelectSecondTab(3);
  ShowPage(-1, -1, -1);
  pf::HideGadget(UnderstandingReturnButton, false);
}

void FollowNeedLink(int slot, pf::GadgetEvent) { FollowLink(*Module(slot), 0); }
void FollowAccuracyLink(int slot, pf::GadgetEvent) { FollowLink(*Module(slot), 1); }
void FollowUnderstandingLink(int slot, pf::GadgetEvent) { FollowLink(*Module(slot), 2); }

void PreviousStep(int, pf::GadgetEvent) {
  SelectThirdTab(CurrentThirdTab + 1);
  ShowPage(-1, -1, -1);
}

void NextStep(int, pf::GadgetEvent) {
  SelectThirdTab(CurrentThirdTab - 1);
  ShowPage(-1, -1, -1);
}

// ---- Step 2
// ------------------------------------------------------------------------------------------------

// Cells of step 2 (page 7) addressed by slot: module (1-3) x 100 + row x 10 + column.
constexpr int StepTwoSlot(int module, int row, int column) { return module * 100 + row * 10 + column; }

// The four period dates of rows 2 and 3.
int DateField(int slot) {
  const ModuleDescription* m = Module(slot / 100);
  const int row = slot / 10 % 10, column = slot % 10;
  if (!m || row < 2 || row > 3 || column < 1 || column > 2) return 0;
  return (*m->gadget)(7, row, column, 2);
}

int GroupField(int slot) {
  const ModuleDescription* m = Module(slot);
  return m ? (*m->gadget)(7, 4, 1, 2) : 0;
}

bool DateChangeOnly(pf::GadgetEvent kind) { return kind == pf::GadgetEvent::DateChange; }
bool ChangeOnly(pf::GadgetEvent kind) { return kind == pf::GadgetEvent::Change; }

void StepTwoDateChanged(int slot, pf::GadgetEvent) {
  const ModuleDescription& m = *Module(slot / 100);
  if (m.syncDates) m.syncDates();
  if (m.recordKind == KindBA) return;  // its order rule gives every period date its month already
  // The month's name is literal text of the mask: a date of another month needs the mask of its own.
  const int field = DateField(slot), start = (*m.gadget)(7, 2, 1, 2), end = (*m.gadget)(7, 3, 1, 2);
  ResetDateMask(field);
  // The study period is entered start first, then its end.
  if (m.recordKind == KindPI && field == start) pf::SetActiveGadget(end);
}

// Shows another occupational group: the fields shown go back into the labour array first.
void SwitchLabourGroup(int slot, pf::GadgetEvent) {
  // A load, a new record or an example writes the group number together with that group's fields: there is
  // nothing to switch, and rewriting the fields afterwards would mark the fresh worksheet as changed.
  if (CurrentEvent.inFill) return;
  const ModuleDescription& m = *Module(slot);
  GadgetArray& x = *m.gadget;
  auto& lab = *m.labour;
  const int field = x(7, 4, 1, 2);
  // A record that never named its group shows group 1, as a new one does.
  const int stored = pf::GetGadgetData(field), shown = stored >= 1 && stored <= 10 ? stored : 1;
  {
    lab(shown, 0, 0) = pf::GetGadgetText(x(7, 4, 2, 2));
    for (int r = 1; r <= 5; ++r)
      for (int j = 1; j <= 2; ++j) lab(shown, j - 1, r) = pf::GetGadgetText(x(7, r + 4, j, 2));
  }
  const int chosen = LabourGroupNumber(pf::GetGadgetText(field));
  pf::SetGadgetText(x(7, 4, 2, 2), lab(chosen, 0, 0));
  for (int r = 1; r <= 5; ++r)
    for (int j = 1; j <= 2; ++j) pf::SetGadgetText(x(7, r + 4, j, 2), lab(chosen, j - 1, r));
  pf::SetGadgetData(field, chosen);
  pf::SetGadgetText(x(7, 4, 1, 3), std::to_string(chosen));
  pf::SetActiveGadget(x(7, 4, 2, 2));
  if (m.recalc) m.recalc();
}

// Step-2 rows 5 to 9, column 1: those the module copies into column 2.
int CopiedField(int slot) {
  const ModuleDescription* m = Module(slot / 100);
  const int row = slot / 10 % 10;
  if (!m || slot % 10 != 1 || !(m->copiedRows & (1u << row))) return 0;
  return (*m->gadget)(7, row, 1, 2);
}

void CopyToSecondColumn(int slot, pf::GadgetEvent) {
  const ModuleDescription& m = *Module(slot / 100);
  // Only what the user types is copied: a load or an example brings column 2's own stored text.
  if (m.copyOnUserEditsOnly && (CurrentEvent.origin != pf::Origin::User || CurrentEvent.inFill)) return;
  const int row = slot / 10 % 10;
  // A copy that follows a fill's own write is part of that fill, not an edit.
  std::optional<pf::FillScope> fill;
  if (CurrentEvent.inFill) fill.emplace();
  pf::SetGadgetText((*m.gadget)(7, row, 2, 2), pf::GetGadgetText((*m.gadget)(7, row, 1, 2)));
}

// ---- Step 3 and step 7
// -------------------------------------------------------------------------------------

// A click on the mark of the approach not chosen switches; the chosen one's mark does nothing.
void ChooseApproach(int slot, int mark) {
  const ModuleDescription& m = *Module(slot);
  if (pf::GetGadgetData(mark) != 1) return;
  SwitchStep3Approach(m.recordKind);
  ModifiedFlags(m.recordKind) = 1;
}
void ChooseDatabaseApproach(int slot, pf::GadgetEvent) {
  ChooseApproach(slot, Control<&ModuleDescription::databaseMark>(slot));
}
void ChooseSummaryApproach(int slot, pf::GadgetEvent) {
  ChooseApproach(slot, Control<&ModuleDescription::summaryMark>(slot));
}

int RetrieveButton(int slot) {
  const ModuleDescription* m = Module(slot);
  return m ? (*m->gadget)(6, 8, 1, 2) : 0;
}
void Retrieve(int slot, pf::GadgetEvent) { RetrieveIncidents(Module(slot)->recordKind); }

int DismissButton(int slot) { return Module(slot) ? NoticeGadget(slot, 3) : 0; }
int UpdateButton(int slot) { return Module(slot) ? NoticeGadget(slot, 2) : 0; }

void HideNotice(int slot) {
  pf::HideGadget(NoticeGadget(slot, 1), true);
  pf::DisableGadget(NoticeGadget(slot, 0), false);
}
void Dismiss(int slot, pf::GadgetEvent) { HideNotice(slot); }

void RepaintPage() { pf::RepaintGadget(PageHolder); }

// Brings the database approach's figures into view over 250 ms, so the user sees where the update lands.
void ScrollToFigures(const ModuleDescription& m) {
  const int area = NoticeGadget(m.notice, 4);
  const bool potential = m.recordKind == KindPI;
  const double y0 = pf::GetScrollY(area);
  const double target =
      potential ? 1180 * ScaleY : pf::ScrollAreaInnerHeight(area) - pf::ScrollAreaViewHeight(area);
  const double rate = std::round(target - y0) / 250;
  const std::int64_t t0 = pf::ElapsedMilliseconds();
  for (int i = 1; i <= 250; ++i) {
    if (pf::ElapsedMilliseconds() - t0 < i) pf::Delay(1);
    const std::int64_t passed = std::min<std::int64_t>(pf::ElapsedMilliseconds() - t0, 250);
    const int y = int(std::lround(y0 + double(passed) * rate));
    if (potential) {
      pf::SendScrollRequest(area, pf::ScrollKind::ThumbTrack, y);
      if (pf::GetScrollY(area) != y) RepaintPage();
    } else if (pf::GetScrollY(area) < y) {
      pf::SetScrollY(area, y);
      RepaintPage();
    }
  }
  if (potential) {
    pf::SendScrollRequest(area, pf::ScrollKind::ThumbTrack, int(std::lround(target)));
    RepaintPage();
  }
}

// The notice strip's Update: the stored incidents may have changed since the analysis was saved.
void Update(int slot, pf::GadgetEvent) {
  const ModuleDescription& m = *Module(slot);
  HideNotice(slot);
  RepaintPage();
  pf::Delay(250);
  ScrollToFigures(m);
  pf::Delay(500);
  // A retrieval that failed has shown why and changed nothing, and one that found nothing says so: there is
  // no update to announce.
  if (RetrieveIncidents(m.recordKind) != RetrievalOutcome::Found) return;
  const int status = (*m.gadget)(6, 8, 1, 1);
  pf::SetGadgetText(status, "* INCIDENT DATA UPDATED *");
  const Rgb flash[4][2] = {{OrangeColour, DarkBlueColour},
                           {BlueColour, OrangeColour},
                           {OrangeColour, DarkBlueColour},
                           {BlueColour, PageColour}};
  for (int i = 0; i < 4; ++i) {
    pf::SetGadgetColour(status, FrontColourType, flash[i][0]);
    pf::SetGadgetColour(status, BackColourType, flash[i][1]);
    RepaintPage();
    if (i < 3) pf::Delay(150);
  }
  ModifiedFlags(m.recordKind) = 1;
}

int IndustryCodeCombo(int slot) {
  const ModuleDescription* m = Module(slot);
  return m ? (*m->gadget)(2, 3, 1, 2) : 0;
}
bool SelectionChangeOnly(pf::GadgetEvent kind) { return kind == pf::GadgetEvent::SelectionChange; }
void ChooseIndustryCode(int slot, pf::GadgetEvent) { OnIndustryCodeComboChange(Module(slot)->recordKind); }

constexpr DispatchEntry kEntries[] = {
    {Control<&ModuleDescription::newTile>, 1, 3, LeftClickOnly, ChooseNewTile},
    {Control<&ModuleDescription::pastTile>, 1, 3, LeftClickOnly, ChoosePastTile},
    {Control<&ModuleDescription::exampleTile>, 1, 3, LeftClickOnly, ChooseExampleTile},
    {Control<&ModuleDescription::pastCloseText>, 1, 3, LeftClickOnly, ClosePastPanel},
    {Control<&ModuleDescription::exampleCloseText>, 1, 3, LeftClickOnly, CloseExamplePanel},
    {Control<&ModuleDescription::analysisList>, 1, 3, LeftClickOnly, OpenStoredAnalysis},
    {Control<&ModuleDescription::exampleList>, 1, 3, LeftClickOnly, OpenExample},
    {Control<&ModuleDescription::needLink>, 1, 3, LeftClickOnly, FollowNeedLink},
    {Control<&ModuleDescription::accuracyLink>, 1, 3, LeftClickOnly, FollowAccuracyLink},
    {Control<&ModuleDescription::understandingLink>, 1, 3, LeftClickOnly, FollowUnderstandingLink},
    {Control<&ModuleDescription::previousButton>, 1, 3, LeftClickOnly, PreviousStep},
    {Control<&ModuleDescription::nextButton>, 1, 3, LeftClickOnly, NextStep},
    {DateField, StepTwoSlot(1, 2, 1), StepTwoSlot(3, 3, 2), DateChangeOnly, StepTwoDateChanged},
    {GroupField, 1, 3, ChangeOnly, SwitchLabourGroup},
    {CopiedField, StepTwoSlot(1, 5, 1), StepTwoSlot(3, 9, 1), ChangeOnly, CopyToSecondColumn},
    {Control<&ModuleDescription::databaseMark>, 1, 3, LeftClickOnly, ChooseDatabaseApproach},
    {Control<&ModuleDescription::summaryMark>, 1, 3, LeftClickOnly, ChooseSummaryApproach},
    {RetrieveButton, 1, 3, LeftClickOnly, Retrieve},
    {DismissButton, 1, 3, LeftClickOnly, Dismiss},
    {UpdateButton, 1, 3, LeftClickOnly, Update},
    {IndustryCodeCombo, 1, 3, SelectionChangeOnly, ChooseIndustryCode},
};

}  // namespace

std::span<const DispatchEntry> AnalysisEntries() { return kEntries; }

int LabourGroupNumber(const std::string& text) {
  char* end = nullptr;
  const long n = std::strtol(text.c_str(), &end, 10);
  return end != text.c_str() && n >= 1 && n <= 10 ? int(n) : 1;
}
