// Start-up work: every built-in picture decoded from memory, and the whole start without a screen. The
// first box has to be up within 200 ms of launch and comes near the end of the start, so both must stay
// a small share of that.
#include <benchmark/benchmark.h>

#include "assets/assets.h"
#include "platform/platform.h"
#include "platform/test_surface.h"
#include "shell/startup.h"

namespace {

void BM_DecodeBuiltInPictures(benchmark::State& state) {
  for (auto _ : state)
    for (const auto& p : assets::Pictures())
      benchmark::DoNotOptimize(pf::DecodePicture(p.number, p.data, p.size));
}
BENCHMARK(BM_DecodeBuiltInPictures)->Unit(benchmark::kMillisecond);

// The program starts once per process, so this runs one iteration; the box is answered by script. It
// includes opening the record file after the box.
void BM_StartToFirstBox(benchmark::State& state) {
  pf::test::SetWorkArea(1024, 708);
  pf::test::SetScreenDpi(96);
  pf::test::ScriptMessageAnswers({pf::Answer::Ok});
  static int argc = 1;
  static char name[] = "quillmark";
  static char* argv[] = {name, nullptr};
  for (auto _ : state) StartProgram(argc, argv);
}
BENCHMARK(BM_StartToFirstBox)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

BENCHMARK_MAIN();
