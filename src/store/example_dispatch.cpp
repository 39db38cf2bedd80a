// Dispatch rows of the start page's example list and of the summary's retrieve button.
#include "incident/incident_globals.h"
#include "incident/incident_pages.h"
#include "shell/dispatch.h"
#include "shell/page_switching.h"
#include "shell/shell_globals.h"
#include "shell/tab_bars.h"
#include "store/example_incidents.h"
#include "store/record_store.h"

namespace {

using pf::GadgetEvent;

bool OnClick(GadgetEvent kind) { return kind == GadgetEvent::LeftClick; }

int ExampleList(int) { return ExampleIncidentList; }

// The worksheet opens on step 1 as a new incident, then the example goes over it; a click beside the rows
// chooses nothing and leaves the page as it is.
void OpenExample(int, GadgetEvent) {
  const int row = pf::GetGadgetState(ExampleIncidentList);
  if (row < 0 || row >= kExampleIncidentCount) return;
  SelectSecondTab(8);
  ShowPage(-1, -1, -1);
  OpenExampleRecord(KindIncident, [row] { LoadIncidentExample(row); });
}

int RetrieveButton(int) { return MIGadget(12, 2); }
void Retrieve(int, GadgetEvent) { RetrieveIncidentsForMI(); }

constexpr DispatchEntry kEntries[] = {
    {ExampleList, 0, 0, OnClick, OpenExample},
    {RetrieveButton, 0, 0, OnClick, Retrieve},
};

}  // namespace

std::span<const DispatchEntry> ExampleIncidentEntries() { return kEntries; }
