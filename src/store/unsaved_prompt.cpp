#include <algorithm>

#include "shell/design_grid.h"
#include "shell/page_switching.h"
#include "shell/shell_globals.h"
#include "store/record_kinds.h"
#include "store/record_store.h"
#include "store/store_globals.h"

namespace {

struct PromptOfKind {
  int top, second;  // the page shown before the question
  const char* title;
};
constexpr PromptOfKind kPrompts[6] = {
    {},
    {2, -1, "Incident modified"},
    {1, 3, "Before & After Analysis modified"},
    {1, 2, "Concurrent Groups Analysis modified"},
    {1, 1, "Potential Intervention Analysis modified"},
    {2, 10, "Summary modified"},
};

// Each kind's own record: the title line may belong to the summary, which shares the incident calculator.
std::string RecordName(int kind) {
  switch (kind) {
    case KindIncident: {
      const std::string uid = pf::GetGadgetText(IncidentGadget(0, 0, 0));
      return uid == "\n" ? "Example Incident" : "Incident " + uid;
    }
    case KindBA:
      return "Before & After Analysis " + pf::GetGadgetText(BAGadget(8, 1, 1, 2));
    case KindCG:
      return "Concurrent Groups Analysis " + pf::GetGadgetText(CGGadget(8, 1, 1, 2));
    case KindPI:
      return "Potential Intervention Analysis " + pf::GetGadgetText(PIGadget(8, 1, 1, 2));
    default:
      return "Multiple Incident Summary " + pf::GetGadgetText(MIGadget(0, 0));
  }
}

// The worksheet asked about must be in sight, also when the home page stands in front of the tabs.
void BringTabbedAreaToFront() {
  if (!pf::IsGadgetHidden(TabbedArea)) return;
  pf::HideGadget(TabbedArea, false);
  pf::HideGadget(FrontPageHolder, true);
}

void AnimateBanner(int banner, const std::string& text) {
  pf::SetGadgetText(banner, text);
  int x = RoundHalfEven(500 * ScaleX), y = RoundHalfEven(200 * ScaleY);
  int w = 0, h = RoundHalfEven(100 * ScaleMin);
  pf::ResizeGadget(banner, x, y, w, h);
  pf::HideGadget(banner, false);
  // It opens evenly about its starting x, a pixel each side per step at full scale.
  const int s = RoundHalfEven(ScaleMin);
  for (int i = 0; i < 200; ++i) {
    x -= s;
    w += 2 * s;
    pf::ResizeGadget(banner, x, y, w, h);
    pf::RepaintGadget(banner);
    if (w >= 400 * ScaleX) break;
  }
  pf::Delay(1000);
  // Then it closes evenly about its middle.
  const int d = RoundHalfEven(ScaleY);
  for (int i = RoundHalfEven(100 * ScaleY); i >= 0; i -= 2) {
    y += d;
    h = std::max(0, h - 2 * d);
    pf::ResizeGadget(banner, x, y, w, h);
    pf::RepaintWindow(pf::kMainWindow);
  }
  pf::HideGadget(banner, true);
}

}  // namespace

PromptOutcome AskAboutUnsavedChanges(int kind) {
  for (int k = KindIncident; k <= KindMISummary; ++k) {
    if ((kind != -1 && kind != k) || ModifiedFlags(k) != 1) continue;
    BringTabbedAreaToFront();
    ShowPage(kPrompts[k].top, kPrompts[k].second, -1);
    const pf::Answer answer = pf::MessageRequester(
        kPrompts[k].title, RecordName(k) + " has been modified. Would you like to save it before proceeding?",
        pf::Buttons::YesNoCancel);
    pf::RepaintWindow(pf::kMainWindow);
    if (answer == pf::Answer::Yes) {
      // A save that failed has kept the changes; going on would lose them.
      if (!SaveRecord(k, 0)) return PromptOutcome::SaveFailed;
    } else if (answer == pf::Answer::No) {
      if (k == KindMISummary) pf::SetActiveGadget(MIGadget(1, 2));
    } else {
      return PromptOutcome::Cancelled;
    }
  }
  return PromptOutcome::Proceed;
}

int AskSaveModified(int kind) { return AskAboutUnsavedChanges(kind) == PromptOutcome::Proceed ? 0 : 1; }

void ShowIncidentSavedBanner(const std::string& text) { AnimateBanner(IncidentSavedBanner, text); }
void ShowBASavedBanner(const std::string& text) { AnimateBanner(BASavedBanner, text); }
void ShowCGSavedBanner(const std::string& text) { AnimateBanner(CGSavedBanner, text); }
void ShowPISavedBanner(const std::string& text) { AnimateBanner(PISavedBanner, text); }
