// The four printed reports. Each shows the print dialog and prints what its worksheet shows at that
// moment, unsaved edits included; a cancelled dialog prints nothing.
#pragma once

void PrintIncidentReport();
void PrintBAReport();
void PrintCGReport();
void PrintPIReport();
