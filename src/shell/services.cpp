// Entry points of subsystems that are not part of the program yet. Each does the least that lets the
// shell run: nothing to recalculate, nothing to dispatch, nothing to save, no database, an empty front
// page. They are replaced one by one as the worksheets, the record store and the pages arrive.
#include "shell/services.h"

#include "shell/shell_globals.h"

void RecalcIncident() { ++StubRecalcCount[KindIncident]; }
