// Operations of the analysis calculations that the record store calls.
#pragma once

// Switch step 3 of the analysis to the approach that is not chosen (marks, panels, step-8 values, step-7
// combo) and recalculate.
void SwitchBAStep3Approach();
void SwitchCGStep3Approach();
void SwitchPIStep3Approach();
