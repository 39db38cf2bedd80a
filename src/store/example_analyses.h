// The built-in example analysis of each module, "Lift Study at Car Plant": written over a new worksheet as
// an unsaved example (its hidden number is a line feed), so saving it stores a new record.
#pragma once

void LoadBAExample();
void LoadCGExample();
void LoadPIExample();
// kind: KindBA, KindCG or KindPI.
void LoadAnalysisExample(int kind);
