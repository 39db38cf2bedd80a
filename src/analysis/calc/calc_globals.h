// State of the analysis calculations that lives between recalculations.
#pragma once

#include <string>

// The database-approach marks of the first two analyses; their gadget data is the step-3 approach flag
// (0 stored incidents, 1 typed summary). The third analysis's mark is a shell global (PIDatabaseMark).
inline int BADatabaseMark = 0, CGDatabaseMark = 0;

// The claim-code text of each analysis's last industry-code combo refill; survives new records and loads.
inline std::string BALastClaimCodes, CGLastClaimCodes, PILastClaimCodes;

// How often each record kind (2-4) was recalculated.
inline int RecalcCount[6] = {};
