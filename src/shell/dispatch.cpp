#include "shell/dispatch.h"

#include <set>

#include "analysis/pages/analysis_dispatch.h"
#include "shell/page_switching.h"
#include "shell/services.h"
#include "shell/shell_globals.h"
#include "shell/tab_bars.h"

namespace {

int TopTab(int i) { return TopTabGadget(i); }
int SecondTab(int i) { return SecondTabGadget(i); }
int ThirdTab(int i) { return ThirdTabGadget(i); }

// HOME has no page of its own: the front page simply takes the place of the tabbed area.
void ShowHome(int, pf::GadgetEvent) {
  pf::HideGadget(FrontPageHolder, false);
  pf::HideGadget(TabbedArea, true);
  SelectTopTab(4);
}

int Home(int i) { return HomeTile(i); }

// A home tile opens its area; the tabbed area takes the front page's place.
void ChooseHomeTile(int i, pf::GadgetEvent) {
  static constexpr int kTopTabOfTile[] = {0, 3, 2, 1};
  if (i == 1) {
    pf::HideGadget(TabbedArea, false);
    pf::HideGadget(FrontPageHolder, true);
  }
  SelectTopTab(kTopTabOfTile[i]);
  ShowPage(-1, -1, -1);
  if (i != 1) {
    pf::HideGadget(TabbedArea, false);
    pf::HideGadget(FrontPageHolder, true);
  }
}

void ChooseTopTab(int i, pf::GadgetEvent) {
  SelectTopTab(i);
  ShowPage(-1, -1, -1);
}

void ChooseSecondTab(int i, pf::GadgetEvent) {
  SelectSecondTab(i);
  ShowPage(-1, -1, -1);
}

void ChooseThirdTab(int i, pf::GadgetEvent) {
  SelectThirdTab(i);
  ShowPage(-1, -1, -1);
}

// The focus that page switching parks here moves on, as Tab presses would, to the first control of the
// shown page that takes the focus. One full round of the Tab order ends it, so a page without such a
// control leaves the focus parked.
void SkipParkedFocus(int, pf::GadgetEvent) {
  if (pf::GetActiveGadget() != FocusParkField) return;  // page switching already moved it on
  std::set<int> seen{FocusParkField};
  for (;;) {
    pf::MoveFocus(false);
    const int focused = pf::GetActiveGadget();
    if (focused > 0 && pf::GadgetKind(focused) != pf::Kind::ScrollArea) return;
    if (!seen.insert(focused).second) return;
  }
}

bool OnFocus(pf::GadgetEvent kind) { return kind == pf::GadgetEvent::Focus; }

int ParkField(int) { return FocusParkField; }

constexpr DispatchEntry kShellEntries[] = {
    {ParkField, 0, 0, OnFocus, SkipParkedFocus},
};

}  // namespace

std::span<const DispatchEntry> ShellEntries() { return kShellEntries; }

namespace {

constexpr DispatchEntry kTabBarEntries[] = {
    {TopTab, 4, 4, nullptr, ShowHome},         {Home, 1, 3, nullptr, ChooseHomeTile},
    {TopTab, 1, 3, nullptr, ChooseTopTab},     {SecondTab, 1, 9, nullptr, ChooseSecondTab},
    {ThirdTab, 1, 9, nullptr, ChooseThirdTab},
};

}  // namespace

std::span<const DispatchEntry> TabBarEntries() { return kTabBarEntries; }

const DispatchEntry* FindDispatchEntry(int gadget, pf::GadgetEvent kind, int& slot) {
  // Control 0 stands for every control not built yet, so it never matches.
  if (gadget <= 0) return nullptr;
  for (const auto table : {ShellEntries(), TabBarEntries(), ReadingPageEntries(), AnalysisEntries(),
                           NavigationEntries(), ExampleIncidentEntries(), RecordEntries()}) {
    for (const auto& entry : table) {
      if (entry.accepts && !entry.accepts(kind)) continue;
      for (int s = entry.first; s <= entry.last; ++s) {
        if (entry.control(s) != gadget) continue;
        slot = s;
        return &entry;
      }
    }
  }
  return nullptr;
}

void DispatchGadgetEvent(int gadget, pf::GadgetEvent kind) {
  int slot = 0;
  if (const DispatchEntry* entry = FindDispatchEntry(gadget, kind, slot)) entry->action(slot, kind);
}
