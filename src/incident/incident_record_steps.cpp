// The record-store steps that building the calculator and the summary page runs at their end. Until the
// record store provides them, the suggestion lists hold only their first items, a new incident is the
// worksheet as built, recalculated, and a new summary covers today with every list on its first item.
#include "incident/incident_pages.h"
#include "platform/platform.h"
#include "shell/date_fields.h"
#include "shell/services.h"
#include "shell/shell_globals.h"

void FillIncidentSuggestionLists() {}

void StartNewIncident() { RecalcIncident(); }

void FillMISuggestionLists() {}

void StartNewMISummary() {
  for (int row = 5; row <= 11; ++row) pf::SetGadgetItemSelected(MIGadget(row, 2), 0, true);
  const pf::Date today = pf::TodayLocal();
  for (int row : {2, 3}) SetDateGadget(MIGadget(row, 2), today.year, today.month, today.day);
  SyncMIDates();
}
