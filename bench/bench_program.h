// The whole program started once per benchmark process without a screen: a 1024 x 708 work area at
// 96 dpi, a virtual clock, and the start-up box answered. Also the incident worksheet with a figure in
// every number field, which several benchmarks start from.
#pragma once

#include <cctype>
#include <string>

#include "incident/incident_rows.h"
#include "platform/platform.h"
#include "platform/test_surface.h"
#include "shell/event_loop.h"
#include "shell/shell_globals.h"
#include "shell/startup.h"

// Starts the program on its first call; later calls do nothing.
inline void StartProgramHeadless() {
  static bool started = false;
  if (started) return;
  started = true;
  pf::test::SetWorkArea(1024, 708);
  pf::test::SetScreenDpi(96);
  pf::test::UseVirtualClock(true);
  pf::test::ScriptMessageAnswers({pf::Answer::Ok});
  static int argc = 1;
  static char name[] = "quillmark";
  static char* argv[] = {name, nullptr};
  StartProgram(argc, argv);
  pf::test::Pump(HandleEvent);
}

// A distinct figure in every input of steps 1 to 6, and a margin that gives every recovery column one.
inline void FillEveryNumberField() {
  int n = 0;
  for (int step = 1; step <= 6; ++step)
    for (const IncidentRowDescription& spec : IncidentStepRows(step)) {
      const IncidentKindCells cells = KindCells(spec.kind);
      for (int c = 2; c <= 4; ++c)
        if (cells.input[c])
          pf::SetGadgetText(IncidentGadget(step, spec.row, c), std::to_string(1000 + 37 * ++n));
    }
  pf::SetGadgetText(IncidentGadget(6, 2, 4), "4.5");
  pf::test::Pump(HandleEvent);
}

inline std::string Lower(std::string s) {
  for (char& c : s) c = char(std::tolower(static_cast<unsigned char>(c)));
  return s;
}
