// First build of the whole Before & After worksheet (start page and all eight steps) in a running program.
#include <benchmark/benchmark.h>

#include "bench_program.h"
#include "platform/platform.h"
#include "platform/test_surface.h"
#include "shell/event_loop.h"
#include "shell/page_globals.h"
#include "shell/services.h"
#include "shell/shell_globals.h"
#include "shell/startup.h"

namespace {

void BM_BuildBAWorksheet(benchmark::State& state) {
  StartProgramHeadless();
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
