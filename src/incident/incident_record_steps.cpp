// The two record-store steps of building the calculator. Until the record store provides them, the
// suggestion combos start empty and a new incident is the worksheet as built, recalculated.
#include "incident/incident_pages.h"
#include "shell/services.h"

void FillIncidentSuggestionLists() {}

void StartNewIncident() { RecalcIncident(); }
