// Controls of the three analysis modules that only their pages, the dispatch and the store address. The
// roots, footers, step captions, navigation buttons, tiles, links and two close marks that page switching
// and the hover looks need already live in shell/page_globals.h.
#pragma once

#include "shell/page_globals.h"
#include "shell/shell_globals.h"

// Start pages.
inline int BAInfoContainer = 0, CGInfoContainer = 0, PIInfoContainer = 0;
inline int BAPastContainer = 0, CGPastContainer = 0, PIPastContainer = 0;
inline int BAAnalysisList = 0, CGAnalysisList = 0, PIAnalysisList = 0;
inline int BAExampleContainer = 0, CGExampleContainer = 0, PIExampleContainer = 0;
inline int BAExampleList = 0, CGExampleList = 0, PIExampleList = 0;
inline int CGPastCloseText = 0, PIPastCloseText = 0, CGExampleCloseText = 0, PIExampleCloseText = 0;

// Step 3: the approach choice (the database mark's gadget data is the approach flag) and its areas.
inline int BADatabaseOption = 0, CGDatabaseOption = 0, PIDatabaseOption = 0;
inline int BASummaryOption = 0, CGSummaryOption = 0, PISummaryOption = 0;
inline int BADatabaseMark = 0, CGDatabaseMark = 0;  // PIDatabaseMark is a shell global
inline int BASummaryMark = 0, CGSummaryMark = 0, PISummaryMark = 0;
inline int BADatabasePanel = 0, CGDatabasePanel = 0;
inline int BADatabaseScrollArea = 0, CGDatabaseScrollArea = 0;
inline int BASummaryPanel = 0, CGSummaryPanel = 0;
inline int PIStep3ScrollHeight = 0;

// Step 7: the two empty placeholders that the record loader swaps by the industry-code combo's state.
inline int BAIndustryPanel0 = 0, BAIndustryPanel1 = 0, CGIndustryPanel0 = 0, CGIndustryPanel1 = 0,
           PIIndustryPanel0 = 0, PIIndustryPanel1 = 0;

// Footer buttons not in shell/page_globals.h, and the saved banners.
inline int CGSaveButton = 0, CGSaveAsNewButton = 0, CGPrintButton = 0, CGDeleteButton = 0;
inline int PISaveButton = 0, PISaveAsNewButton = 0, PIPrintButton = 0, PIDeleteButton = 0;
inline int BASavedBanner = 0, CGSavedBanner = 0, PISavedBanner = 0;

// The window procedure that the next-step buttons' ImageButtonProc replaced (kept for the store's banner
// and the reports, which compare with it).
inline int OldImageButtonProc = 0;

// The top tab that the Understanding page's return button goes back to (1 after an analysis link).
