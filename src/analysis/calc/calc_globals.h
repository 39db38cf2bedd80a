// State of the analysis calculations that lives between recalculations.
#pragma once

#include <string>

// The database-approach marks (BADatabaseMark, CGDatabaseMark, PIDatabaseMark) hold the step-3 approach
// flag in their gadget data (0 stored incidents, 1 typed summary); the pages create them.
#include "analysis/pages/pages_globals.h"

// The claim-code text of each analysis's last industry-code combo refill; survives new records and loads.
inline std::string BALastClaimCodes, CGLastClaimCodes, PILastClaimCodes;

// How often each record kind (2-4) was recalculated.
inline int RecalcCount[6] = {};
