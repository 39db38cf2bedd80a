// Painting the whole window with a worksheet step in front: every caption, label and list item is fitted
// into its room as it paints (the fits are remembered, so a repaint only draws).
#include <benchmark/benchmark.h>

#include "analysis/pages/pages_globals.h"
#include "bench_program.h"
#include "platform/platform.h"
#include "platform/test_surface.h"
#include "shell/event_loop.h"
#include "shell/page_globals.h"
#include "shell/shell_globals.h"

namespace {

void Click(int gadget) {
  pf::test::Click(gadget);
  pf::test::Pump(HandleEvent);
}

// The Before & After example at a step, as the user opens it.
void OpenBAExampleStep(int step) {
  static bool opened = false;
  if (!opened) {
    opened = true;
    Click(HomeTile(2));
    Click(TopTabGadget(1));
    Click(SecondTabGadget(3));
    Click(ThirdTabGadget(9));
    Click(BAExampleTile);
    const pf::Rect r = pf::GadgetItemRect(BAExampleList, 0);
    pf::test::Click(BAExampleList, r.x + 20, r.y + r.h / 2);
    pf::test::Pump(HandleEvent);
  }
  Click(ThirdTabGadget(9 - step));
}

void BM_PaintBAStep(benchmark::State& state) {
  StartProgramHeadless();
  OpenBAExampleStep(int(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(pf::test::GrabMainWindow());
}
BENCHMARK(BM_PaintBAStep)->Arg(3)->Arg(8)->Unit(benchmark::kMillisecond)->Iterations(40);

}  // namespace

BENCHMARK_MAIN();
