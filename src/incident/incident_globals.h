// The incident calculator's own state: the controls of its start page, worksheet and summary page that the
// shell does not keep already, and the running positions of the two row builders.
#pragma once

#include <string>

#include "shell/shell_globals.h"

// ---- Worksheet ------------------------------------------------------------------------------------------
inline int IncidentRowY = 0;              // bottom of the worksheet row built last, in pixels
inline int IncidentSavedBanner = 0;       // the banner that a save animates
inline std::string ExampleIncidentTitle;  // the name of the example incident shown last
inline int IncidentRecalcCount = 0;       // recalculations of the worksheet since start-up
inline BoundedArray<int, 8> IncidentStepArea;  // the scroll area of each step page that has one

// ---- Start page -------------------------------------------------------------------------------------------
inline int IncidentInfoContainer = 0;
inline int IncidentPastContainer = 0, IncidentList = 0;
inline int IncidentExampleContainer = 0, ExampleIncidentList = 0;
inline int MIPastContainer = 0, MISummaryList = 0;

// ---- Multiple Incidents Summary -------------------------------------------------------------------------
inline int MIRowY = 0;  // bottom of the summary row built last, minus 1
inline Rgb MIRowColour = 0;
inline int MISaveAsNewButton = 0, MISaveButton = 0, MIPrintButton = 0, MIDeleteButton = 0;
