// First build of the whole Before & After worksheet (start page and all eight steps) in a running program.
#include <benchmark/benchmark.h>

#include "platform/platform.h"
#include "platform/test_surface.h"
#include "shell/event_loop.h"
#include "shell/page_globals.h"
#include "shell/services.h"
#include "shell/shell_globals.h"
#include "shell/startup.h"

namespace {

void StartHeadless() {
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

void BM_BuildBAWorksheet(benchmark::State& state) {
  StartHeadless();
  for (auto _ : state) {
    pf::OpenGadgetList(PageHolder);
    BuildBAPages();
    pf::CloseGadgetList();
    state.PauseTiming();
    pf::HideGadget(BARoot, true);
    state.ResumeTiming();
  }
}
BENCHMARK(BM_BuildBAWorksheet)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace

BENCHMARK_MAIN();
