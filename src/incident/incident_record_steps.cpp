// The record-store steps that building the calculator and the summary page runs at their end: the lists
// of stored records, the departments and occupations that stored incidents name, and a blank record.
#include "incident/incident_pages.h"
#include "platform/platform.h"
#include "shell/shell_globals.h"
#include "store/record_store.h"

void FillIncidentSuggestionLists() {
  FillIncidentSuggestions();
  FillIncidentList();
}

void StartNewIncident() { NewIncident(); }

void FillMISuggestionLists() {
  for (const auto& t : StoredIncidentTexts("departmentfield")) pf::AddGadgetItem(MIGadget(11, 2), -1, t);
  for (const auto& t : StoredIncidentTexts("occupationfield")) pf::AddGadgetItem(MIGadget(9, 2), -1, t);
  FillMISummaryList();
}

void StartNewMISummary() { NewMISummary(); }
