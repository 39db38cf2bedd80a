// The record store's state: the one open record database of the program, and the controls of the pages
// that the store fills, shows and reads (each stays 0 until its page builder makes it, and 0 names no
// control, so the store's operations on a page not built yet change nothing).
#pragma once

#include <string>

#include "analysis/pages/pages_globals.h"
#include "incident/incident_globals.h"
#include "shell/bounded_array.h"
#include "store/sqlite_db.h"

// The file in the current directory that holds every record; open from start-up to exit.
inline sql::Database RecordDatabase;
// How long a statement waits for a file that another program holds locked.
inline int RecordBusyTimeout = 20000;

// The lists of stored records, the banners and the footer commands are the pages' globals (incident and
// analysis), which the store fills, shows and reads.
// Which of them (by record kind) missed their last fill because another program held the file: each is
// filled again as soon as its panel is on screen, so the stored records do not stay out of sight.
inline BoundedArray<int, 5> RecordListStale;
// The same for the department and occupation choices that the stored incidents feed, by the record kind
// whose worksheet offers them: filled again when next shown.
inline BoundedArray<int, 5> IncidentChoicesStale;

// What the analyses keep beside their worksheets: the step-8 values of the step-3 approach not shown, and
// the Potential Intervention step-3 entry texts of either approach.
inline std::string BALongSummary, CGLongSummary, PILongSummary, PIShortInci, PILongInci;
