// Step 3's two approaches: stored incidents (flag 0) and typed summary figures (flag 1). Switching keeps
// aside what the approach being left put into the worksheet and brings back what the other one had.
#pragma once

#include <string>
#include <string_view>

// The ESC-ended fields of a kept text; the n-th (from 1), or "" when there is no such field.
std::string KeptField(std::string_view kept, int n);

// The flag of the kind's database mark moves to the other approach; the worksheet is recalculated.
void SwitchStep3Approach(int kind);
void SwitchBAStep3Approach();
void SwitchCGStep3Approach();
void SwitchPIStep3Approach();
