// Handlers that replace the standard behaviour of some controls. Each one is installed on the control's
// handler chain when the control is made and stays for the whole run; what it does not consume goes on
// to the handler the control had before (`previous`).
#pragma once

#include "platform/platform.h"

// The next-step picture button of the worksheet footers.
inline constexpr int NextStepImage = 14;       // CONTINUE
inline constexpr int NextStepFocusImage = 50;  // HIT ENTER TO CONTINUE
bool ImageButtonProc(pf::Message& m, const pf::CallPrevious& previous);

// Multi-line text fields of the worksheets.
bool WorksheetFieldProc(pf::Message& m, const pf::CallPrevious& previous);
// Installed on an editable combo box: completes the text typed into its edit part from its items.
bool ComboAutoCompleteProc(pf::Message& m, const pf::CallPrevious& previous);
// Multi-select criteria lists whose item 0 excludes the others.
bool ExclusiveFirstItemProc(pf::Message& m, const pf::CallPrevious& previous);

// Two content areas driven by one narrow scroll area's bar: the Multiple Incidents Summary page and step 3
// of the Potential Intervention analysis. The split procedures go on the bar, the forward procedures on
// both content areas.
bool MISplitScrollProc(pf::Message& m, const pf::CallPrevious& previous);
bool PISplitScrollProc(pf::Message& m, const pf::CallPrevious& previous);
bool MIScrollForwardProc(pf::Message& m, const pf::CallPrevious& previous);
bool PIScrollForwardProc(pf::Message& m, const pf::CallPrevious& previous);
