// Dispatch rows that lead from page to page, and the incident worksheet's own step-1 rows.
#include "shell/date_fields.h"
#include "shell/dispatch.h"
#include "shell/page_globals.h"
#include "shell/page_switching.h"
#include "shell/services.h"
#include "shell/shell_globals.h"
#include "shell/tab_bars.h"

namespace {

using pf::GadgetEvent;

// Buttons also take and lose the focus when clicked; only the click moves on.
bool OnClick(GadgetEvent kind) { return kind == GadgetEvent::LeftClick; }
bool OnSelectionChange(GadgetEvent kind) { return kind == GadgetEvent::SelectionChange; }
bool OnDateChange(GadgetEvent kind) { return kind == GadgetEvent::DateChange; }

void Show(int top, int second) {
  SelectTopTab(top);
  if (second > 0) SelectSecondTab(second);
  ShowPage(-1, -1, -1);
}

// ---- Incident worksheet ---------------------------------------------------------------------------------
// Steps count down the second bar: step 1 is tab 8, so the previous step is the tab to the right.
int PreviousStepButton(int) { return IncidentPreviousButton; }
int NextStepButton(int) { return IncidentNextButton; }
void GoToPreviousStep(int, GadgetEvent) {
  SelectSecondTab(CurrentSecondTab + 1);
  ShowPage(-1, -1, -1);
}
void GoToNextStep(int, GadgetEvent) {
  SelectSecondTab(CurrentSecondTab - 1);
  ShowPage(-1, -1, -1);
}

// The step-1 combo boxes by row: type, nature, cause, body part and category of worker.
int StepOneChoice(int row) {
  switch (row) {
    case 5:
    case 8:
    case 9:
    case 10:
    case 13:
      return IncidentGadget(0, row, 2);
    default:
      return 0;
  }
}
// Recalculating shows or hides each row's "Describe:" cells for its "other" item.
void ChoiceChanged(int, GadgetEvent) { RecalcIncident(); }

int IncidentDate(int) { return IncidentGadget(0, 4, 2); }
// The loop has recalculated the incident for this event already; the month name follows the new date.
void IncidentDateChanged(int, GadgetEvent) { ResetDateMask(IncidentGadget(0, 4, 2)); }

int SummaryDate(int row) { return MIGadget(row, 2); }
void SummaryDateChanged(int row, GadgetEvent) {
  SyncMIDates();
  ResetDateMask(MIGadget(row, 2));
}

// ---- "Do Your Own Analysis" and About pages, and the links into the Understanding page -----------------
int ChoiceTile(int i) { return AnalysisChoiceTile(i); }
int About(int i) { return AboutTile(i); }
// Tile i opens Before & After (second tab 3), Concurrent Groups (2) or Potential Intervention (1); the About
// tiles open Understanding (3), Examples (2) and Glossary (1) in the same order.
void ChooseAnalysis(int i, GadgetEvent) { Show(1, 4 - i); }
void ChooseAboutPage(int i, GadgetEvent) { Show(3, 4 - i); }

// The links: the analysis choices' three, then the incident start page's.
int Link(int i) {
  switch (i) {
    case 1:
      return BAChoiceLink;
    case 2:
      return CGChoiceLink;
    case 3:
      return PIChoiceLink;
    default:
      return IncidentLearnMoreLink;
  }
}
void FollowLink(int i, GadgetEvent) {
  static constexpr double kTopics[] = {0, 4.1, 5.1, 6.1, 2.1};
  ReturnTopTab = i == 4 ? 2 : 1;
  UnderstandingTopic = kTopics[i];
  Show(3, 3);
  // Showing the Understanding page hides the button; only a page reached through a link offers it.
  pf::HideGadget(UnderstandingReturnButton, false);
}

int ReturnButton(int) { return UnderstandingReturnButton; }
void ReturnFromUnderstanding(int, GadgetEvent) {
  if (ReturnTopTab >= 1 && ReturnTopTab <= 3) Show(ReturnTopTab, 0);
}

constexpr DispatchEntry kNavigationEntries[] = {
    {PreviousStepButton, 0, 0, OnClick, GoToPreviousStep},
    {NextStepButton, 0, 0, OnClick, GoToNextStep},
    {StepOneChoice, 5, 13, OnSelectionChange, ChoiceChanged},
    {IncidentDate, 0, 0, OnDateChange, IncidentDateChanged},
    {SummaryDate, 2, 3, OnDateChange, SummaryDateChanged},
    {ChoiceTile, 1, 3, nullptr, ChooseAnalysis},
    {About, 1, 3, nullptr, ChooseAboutPage},
    {Link, 1, 4, nullptr, FollowLink},
    {ReturnButton, 0, 0, OnClick, ReturnFromUnderstanding},
};

}  // namespace

std::span<const DispatchEntry> NavigationEntries() { return kNavigationEntries; }
