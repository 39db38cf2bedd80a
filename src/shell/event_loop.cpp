#include "shell/event_loop.h"

#include "shell/company_name.h"
#include "shell/gadget_helpers.h"
#include "shell/main_window.h"
#include "shell/numeric_filter.h"
#include "shell/services.h"
#include "shell/shell_globals.h"
#include "shell/startup.h"
#include "store/record_command.h"

namespace {

using pf::EventType;
using pf::GadgetEvent;
using pf::Kind;

bool IsField(int gadget) { return gadget && pf::GadgetKind(gadget) == Kind::Field; }

void KeepFocusAcrossWindows() {
  const int focused = pf::GetActiveGadget();
  const bool mainActive = pf::ActiveWindow() == pf::kMainWindow;
  if (!focused && mainActive && FocusLeftWindow == 1) {
    pf::SetActiveGadget(SavedFocusGadget);
    if (IsField(SavedFocusGadget)) {
      pf::SetGadgetSelection(SavedFocusGadget, SavedSelectionStart, SavedSelectionEnd);
      SelectionRestored = 1;
    }
    FocusLeftWindow = 0;
  } else if (mainActive && focused) {
    SavedFocusGadget = focused;
    // With the side the caret stands on, so that a restored highlight shows what this one shows.
    if (IsField(focused)) pf::GetGadgetAnchoredSelection(focused, SavedSelectionStart, SavedSelectionEnd);
  } else if (!mainActive) {
    FocusLeftWindow = 1;
  }
}

void ClearCompanyHint() {
  if (pf::GetActiveGadget() == CompanyNameField &&
      pf::GetGadgetColour(CompanyNameField, FrontColourType) == kCompanyHintColour) {
    pf::SetGadgetColour(CompanyNameField, FrontColourType, kBlack);
    pf::SetGadgetText(CompanyNameField, "");
  }
}

void HandleResize(const pf::Event& e) {
  if (e.type == EventType::LeftButtonUp && ResizePending == 1) {
    ResizePending = 0;
    ResizeMainArea();
  }
  if (e.type == EventType::SizeWindow && e.window == pf::kMainWindow) {
    if (pf::IsLeftButtonDown())
      ResizePending = 1;
    else
      ResizeMainArea();
  }
}

void FilterNumericKey(const pf::Event& e) {
  const int focused = pf::GetActiveGadget();
  if (e.type != EventType::KeyDown || !IsField(focused)) return;
  if (!IsNumericFieldColour(pf::GetGadgetColour(focused, BackColourType))) return;
  if (e.modifiers & (pf::mods::kControl | pf::mods::kAlt)) return;  // copy, cut, paste, select all
  int start = 0, end = 0;
  pf::GetGadgetSelection(focused, start, end);
  if (!NumericCharacterAllowed(pf::GetGadgetText(focused), start, e.text, end)) pf::DropPendingCharacter();
}

void EnterAsTab(const pf::Event& e) {
  if (e.type == EventType::KeyDown && e.key == pf::vk::kReturn && IsField(pf::GetActiveGadget()))
    pf::ReplacePendingKeyWithTab();
}

void FlagTypingInEditor(const pf::Event& e) {
  if (e.type != EventType::KeyDown || e.key == pf::vk::kTab) return;
  const int focused = pf::GetActiveGadget();
  if (!focused || pf::GadgetKind(focused) != Kind::Editor) return;
  const int kind = WorksheetKindOnScreen();
  if (kind >= 1 && kind <= 4) ModifiedFlags(kind) = 1;
}

void SelectAllOnFocus(const pf::Event& e) {
  if (e.kind != GadgetEvent::Focus || !IsField(e.gadget)) return;
  // The focus may have passed on before this turn (page switching moves it on at once); a field that no
  // longer has it must not keep a highlight.
  // The whole text is highlighted from its end, so a text longer than the field shows its start.
  if (SelectionRestored == 0 && pf::GetActiveGadget() == e.gadget)
    pf::SetGadgetSelection(e.gadget, -1, 0);
  else
    SelectionRestored = 0;
  LastFocusedField = e.gadget;
}

void RecalculateOnScreen(const pf::Event& e) {
  const Kind kind = pf::GadgetKind(e.gadget);
  const bool fieldLeft = e.kind == GadgetEvent::LostFocus && kind == Kind::Field;
  const bool comboChanged = e.kind == GadgetEvent::SelectionChange && kind == Kind::Combo;
  switch (WorksheetKindOnScreen()) {
    case KindIncident:
      if ((fieldLeft || kind == Kind::Date) && e.gadget != IncidentGadget(0, 2, 2)) RecalcIncident();
      break;
    case KindBA:
      if (fieldLeft || comboChanged) RecalcBA();
      break;
    case KindCG:
      if (fieldLeft || comboChanged) RecalcCG();
      break;
    case KindPI:
      if (fieldLeft) RecalcPI();
      break;
    default:
      break;
  }
}

// Step 1's record-number fields: typing a number there opens that record, which changes nothing shown.
bool IsRecordNumberField(int gadget) {
  return gadget == IncidentGadget(0, 2, 2) || gadget == BAGadget(8, 1, 1, 2) ||
         gadget == CGGadget(8, 1, 1, 2) || gadget == PIGadget(8, 1, 1, 2);
}

void FlagModification(const pf::Event& e) {
  // What a load, a new record or an example writes into the worksheet is not an edit.
  if (e.inFill) return;
  // The company name stands above every worksheet and is stored on its own.
  if (e.gadget == CompanyNameField) return;
  const int kind = WorksheetKindOnScreen();
  if (kind == 0) return;
  const Kind k = pf::GadgetKind(e.gadget);
  const bool changed =
      (e.kind == GadgetEvent::Change && k == Kind::Field && !IsRecordNumberField(e.gadget)) ||
      (e.kind == GadgetEvent::SelectionChange && k == Kind::Combo) ||
      (e.kind == GadgetEvent::LeftClick && k == Kind::ListBox) ||
      // A changed period would otherwise be dropped without a question; date fields report only what the
      // user changes.
      (e.kind == GadgetEvent::DateChange && k == Kind::Date);
  if (changed) ModifiedFlags(kind) = 1;
}

void StoreCompanyNameWhenLeft(const pf::Event& e) {
  const int focused = pf::GetActiveGadget();
  if (focused == CompanyNameField && e.type == EventType::Gadget && e.kind == GadgetEvent::LeftClick &&
      e.gadget != CompanyNameField) {
    pf::SetActiveGadget(GadgetZero);
    StoreCompanyName();
    CompanyNameSavePending = 0;
  }
  if (CompanyNameSavePending == 1 && pf::GetActiveGadget() != CompanyNameField) {
    StoreCompanyName();
    CompanyNameSavePending = 0;
  }
}

}  // namespace

int WorksheetKindOnScreen() {
  if (CurrentTopTab == 2 && CurrentSecondTab >= 1 && CurrentSecondTab <= 8) return KindIncident;
  if (CurrentTopTab == 2 && CurrentSecondTab == 10) return KindMISummary;
  if (CurrentTopTab == 1 && CurrentThirdTab < 9) {
    if (CurrentSecondTab == 3) return KindBA;
    if (CurrentSecondTab == 2) return KindCG;
    if (CurrentSecondTab == 1) return KindPI;
  }
  return 0;
}

void InstallPasteRule() {
  // A paste into a numeric field must leave a valid number, or nothing of it goes in.
  pf::SetPasteJudge([](int gadget, const std::string& pasted) -> std::optional<std::string> {
    if (!IsNumericFieldColour(pf::GetGadgetColour(gadget, BackColourType))) return pasted;
    int start = 0, end = 0;
    pf::GetGadgetSelection(gadget, start, end);
    return NumericPasteText(pf::GetGadgetText(gadget), start, end, pasted);
  });
}

void HandleEvent(const pf::Event& e) {
  // Whatever this event sets off is one command: a file held by another program costs it one wait.
  const RecordFileCommand command;
  RetryUnstoredCompanyName();
  CurrentEvent = e;
  if (e.type == EventType::MouseMove) OnMouseMove(e);
  KeepFocusAcrossWindows();
  ClearCompanyHint();
  HandleResize(e);
  FilterNumericKey(e);
  EnterAsTab(e);
  if (pf::GetActiveGadget() == CompanyNameField) CompanyNameSavePending = 1;
  FlagTypingInEditor(e);
  if (e.type == EventType::Gadget) {
    if (pf::GadgetExists(e.gadget)) {
      SelectAllOnFocus(e);
      RecalculateOnScreen(e);
      FlagModification(e);
    }
    DispatchGadgetEvent(e.gadget, e.kind);
  }
  StoreCompanyNameWhenLeft(e);
  if (e.type == EventType::CloseWindow && AskSaveModified(-1) == 0 && CompanyNameStoredBeforeExit())
    ExitRequested = true;
}
