// Until the analysis calculations are part of the program, switching the step-3 approach only moves the
// approach flag, so that a record stored in either approach loads into the same approach. Weak, so the
// calculations' own definitions take their place.
#include "analysis/pages/pages_globals.h"
#include "store/analysis_services.h"

namespace {
void ToggleApproach(int mark) { pf::SetGadgetData(mark, 1 - pf::GetGadgetData(mark)); }
}  // namespace

[[gnu::weak]] void SwitchBAStep3Approach() { ToggleApproach(BADatabaseMark); }
[[gnu::weak]] void SwitchCGStep3Approach() { ToggleApproach(CGDatabaseMark); }
[[gnu::weak]] void SwitchPIStep3Approach() { ToggleApproach(PIDatabaseMark); }
