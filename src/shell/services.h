// Operations of the program's other subsystems that the shell calls.
#pragma once

#include <string>

#include "platform/platform.h"
#include "store/sqlite_db.h"

// Recalculation of the worksheets.
void RecalcIncident();
void RecalcBA();
void RecalcCG();
void RecalcPI();

// The one dispatch of every control event; `CurrentEvent` holds the event being handled.
void DispatchGadgetEvent(int gadget, pf::GadgetEvent kind);

// Offers to save every record kind whose modified flag is set (kind -1: all); 1 when the user cancelled.
int AskSaveModified(int kind);

// Fills again each list of stored records, and each department and occupation choice, whose last fill
// missed because another program held the file, once it is on screen.
void RefillShownRecordLists();

// Opens or creates the record database and shows the stored company name.
void OpenRecordDatabase();
// Stores the company name, waiting for the file as every statement does; or only when the file is free
// at this instant.
sql::Outcome UpdateCompanyName(const std::string& name);
sql::Outcome UpdateCompanyNameIfFree(const std::string& name);

// Page builders, called once with the page holder open for new controls.
void BuildHomePage();
void BuildBAPages();
void BuildCGPages();
void BuildPIPages();
void BuildIncidentPages();
void BuildAnalysisChoicePage();
void BuildAboutPage();
void BuildUnderstandingPage();
void BuildExamplesPage();
void BuildGlossaryPage();
void ShowUnderstandingTopic(int list, int item);

// Hover looks and the help popup.
void AttachHelpPopupProcedures();
void OnMouseMove(const pf::Event& event);
