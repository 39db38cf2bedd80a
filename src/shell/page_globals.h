// Controls that the page builders leave in globals and that page switching shows, hides and focuses.
#pragma once

#include "shell/bounded_array.h"

// The analysis modules (Before & After, Concurrent Groups, Potential Intervention).
inline int BARoot = 0, CGRoot = 0, PIRoot = 0;
inline int BAFooter = 0, CGFooter = 0, PIFooter = 0;
inline int BAStepText = 0, CGStepText = 0, PIStepText = 0;
inline int BAPreviousButton = 0, CGPreviousButton = 0, PIPreviousButton = 0;
inline int BANextButton = 0, CGNextButton = 0, PINextButton = 0;
inline int BASaveAnotherButton = 0, CGSaveAnotherButton = 0, PISaveAnotherButton = 0;
inline int BASaveReturnButton = 0, CGSaveReturnButton = 0, PISaveReturnButton = 0;
inline int BAPrintReportButton = 0, CGPrintReportButton = 0, PIPrintReportButton = 0;

// The incident calculator and the Multiple Incidents Summary.
inline int IncidentRoot = 0, IncidentMenuPage = 0, MISummaryPage = 0, IncidentFooter = 0,
           IncidentStepText = 0;
inline int IncidentPreviousButton = 0, IncidentNextButton = 0;
inline int IncidentSaveAnotherButton = 0, IncidentSaveReturnButton = 0, IncidentPrintReportButton = 0;

// Single pages.
inline int HomePage = 0;
inline int AnalysisChoicePage = 0, AboutPage = 0, UnderstandingPage = 0, ExamplesPage = 0, GlossaryPage = 0;
inline int UnderstandingReturnButton = 0, ExamplesList = 0, GlossaryTermList = 0;

// The two content areas that share one scroll bar: the Multiple Incidents Summary (areas 1 the bar, 2 the
// upper area, 3 the lower area) and step 3 of the Potential Intervention analysis. The split is the bar
// position at which scrolling passes from the upper to the lower area.
inline BoundedArray<int, 3> MIScrollArea;
inline int MIScrollSplit = 0;
inline int PIStep3ScrollBar = 0, PIStep3UpperArea = 0, PIStep3LowerArea = 0, PIStep3ScrollSplit = 0;
inline int PIDatabaseMark = 0;  // its gadget data: 0 database approach, 1 summary approach

// Footer buttons, start-page tiles, close marks and links that take a hover look of their own. Each stays 0
// until its page is built, and 0 names no control, so looking one up before then finds nothing.
inline int IncidentSaveButton = 0, IncidentSaveAsNewButton = 0, IncidentPrintButton = 0,
           IncidentDeleteButton = 0;
inline int BASaveButton = 0, BASaveAsNewButton = 0, BAPrintButton = 0, BADeleteButton = 0;
inline int IncidentNewTile = 0, IncidentPastTile = 0, IncidentExampleTile = 0, MICreateTile = 0,
           MIReviewTile = 0;
inline int BANewTile = 0, BAPastTile = 0, BAExampleTile = 0;
inline int CGNewTile = 0, CGPastTile = 0, CGExampleTile = 0;
inline int PINewTile = 0, PIPastTile = 0, PIExampleTile = 0;
inline int IncidentPastCloseText = 0, IncidentExampleCloseText = 0, BAPastCloseText = 0,
           BAExampleCloseText = 0, MIPastCloseText = 0;
inline int BANeedLink = 0, BAAccuracyLink = 0, BAUnderstandingLink = 0;
inline int CGNeedLink = 0, CGAccuracyLink = 0, CGUnderstandingLink = 0;
inline int PINeedLink = 0, PIAccuracyLink = 0, PIUnderstandingLink = 0;
inline int IncidentLearnMoreLink = 0, BAChoiceLink = 0, CGChoiceLink = 0, PIChoiceLink = 0;
inline int PIChoiceImage = 0, PIChoiceHoverImage = 0;  // pictures of the third analysis choice
