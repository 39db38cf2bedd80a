// Builders of the incident calculator's pages, and the record-store steps that the calculator's build
// runs at its end.
#pragma once

// The start page with its tiles and record panels; inside IncidentRoot.
void BuildIncidentMenuPage();
// The Multiple Incidents Summary page; inside IncidentRoot.
void BuildMISummaryPage();

// Offers the departments and occupations of the stored incidents in the two editable combos of step 1.
void FillIncidentSuggestionLists();
// Gives every field of the worksheet its new-incident value and recalculates.
void StartNewIncident();
// Scrolls every step of the worksheet back to its top: another incident starts where its steps begin, not
// where the user left the one shown before.
void ShowIncidentStepsFromTop();

// Offers the departments and occupations of the stored incidents in the summary's two criteria lists.
void FillMISuggestionLists();
// Resets the summary page to a new summary.
void StartNewMISummary();

// The summary's calculation, run by its retrieve button.
void RetrieveIncidentsForMI();
