// Changes to a control's state after it was made: its place in the Tab order, whether a field takes
// typing, and the controls it holds. Worksheets need these where a field's role changes after creation
// (a copied column that Tab skips, a column that is shown but not typed in).
#pragma once

#include <vector>

namespace pf {

// A control that is no Tab stop can still be clicked and typed into; Tab and Shift+Tab pass it by.
void SetGadgetTabStop(int gadget, bool stop);
// Single-line and multi-line fields only; other kinds are left as they are.
void SetGadgetReadOnly(int gadget, bool readOnly);
bool IsGadgetReadOnly(int gadget);
// The controls made inside a container or scroll area, in creation order (empty for any other control).
std::vector<int> GadgetChildren(int gadget);

}  // namespace pf
