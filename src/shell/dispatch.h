// The one dispatch of every control event. Each row names a range of controls kept in a global or an array
// of globals and the action for them; the rows of a page's controls join the tables when the page exists.
#pragma once

#include <span>

#include "platform/platform.h"

struct DispatchEntry {
  int (*control)(int slot);               // the control number in a slot; 0 while its page is not built
  int first, last;                        // the slots the row covers
  bool (*accepts)(pf::GadgetEvent kind);  // nullptr: every kind of event
  void (*action)(int slot, pf::GadgetEvent kind);
};

// The rows of the tab bars and the HOME tab.
std::span<const DispatchEntry> TabBarEntries();
// The rows of the introduction pages, the About page and the guide, examples and glossary pages.
std::span<const DispatchEntry> ReadingPageEntries();
// The rows of the example incident list and of the summary's retrieve button.
std::span<const DispatchEntry> ExampleIncidentEntries();

// The row that handles an event of `gadget`, or nullptr; `slot` receives the matching slot.
const DispatchEntry* FindDispatchEntry(int gadget, pf::GadgetEvent kind, int& slot);
