// The record-store steps that building the calculator and the summary page runs at their end: the lists
// of stored records, the departments and occupations that stored incidents name, and a blank record.
#include "incident/incident_pages.h"
#include "platform/platform.h"
#include "shell/shell_globals.h"
#include "store/incident_choices.h"
#include "store/record_store.h"

void FillIncidentSuggestionLists() {
  FillIncidentSuggestions();
  FillIncidentList();
}

void StartNewIncident() { NewIncident(); }

void FillMISuggestionLists() {
  FillIncidentChoices(KindMISummary);
  FillMISummaryList();
}

void StartNewMISummary() { NewMISummary(); }
