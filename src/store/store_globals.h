// The record store's state: the one open record database of the program, and the controls of the pages
// that the store fills, shows and reads (each stays 0 until its page builder makes it, and 0 names no
// control, so the store's operations on a page not built yet change nothing).
#pragma once

#include <string>

#include "analysis/pages/pages_globals.h"
#include "store/sqlite_db.h"

// The file in the current directory that holds every record; open from start-up to exit.
inline sql::Database RecordDatabase;
// How long a statement waits for a file that another program holds locked.
inline int RecordBusyTimeout = 20000;

// Lists of stored records on the incident calculator's start page: one line per record, item data the
// record's number. The analyses' lists, banners and approach marks are the analysis pages' globals.
inline int IncidentList = 0, MISummaryList = 0;

// The banner that announces saves and deletions of incidents and summaries.
inline int IncidentSavedBanner = 0;

// Footer commands of the summary.
inline int MISaveButton = 0, MISaveAsNewButton = 0, MIDeleteButton = 0, MIPrintButton = 0;

// What the analyses keep beside their worksheets: the step-8 values of the step-3 approach not shown, and
// the Potential Intervention step-3 entry texts of either approach.
inline std::string BALongSummary, CGLongSummary, PILongSummary, PIShortInci, PILongInci;
