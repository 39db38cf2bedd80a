// Building every row kind of every module: 100 rows in all, into fresh row areas.
#include <benchmark/benchmark.h>

#include <utility>
#include <vector>

#include "analysis/rows/row_builders.h"
#include "bench_program.h"
#include "platform/platform.h"
#include "platform/test_surface.h"
#include "shell/event_loop.h"
#include "shell/page_globals.h"
#include "shell/shell_globals.h"
#include "shell/startup.h"

namespace {

const std::vector<int> kBA = {1,   3,   6,   7,   10,  17,  20,  36,  43,  44,  46,  47,  48,  49,  50,  51,
                              80,  81,  85,  86,  88,  89,  90,  91,  99,  100, 155, 156, 157, 160, 161, 162,
                              163, 164, 165, 166, 167, 168, 169, 171, 172, 173, 182, 183, 184, 185};
const std::vector<int> kCG = {1,   3,   6,   7,   10,  17,  20,  35,  36,  43,  44,  46,  47,
                              48,  49,  51,  80,  81,  85,  86,  89,  90,  91,  99,  100, 155,
                              156, 157, 160, 161, 162, 163, 164, 165, 166, 167, 168, 169, 171,
                              172, 173, 182, 183, 184, 185, 186, 201, 801, 802};
const std::vector<int> kPI = {1,   2,   6,   7,   10,  17,  20,  36,  43,  44,  46,  48,  49,  80,
                              81,  85,  86,  91,  99,  100, 155, 156, 157, 158, 160, 161, 162, 163,
                              165, 166, 167, 168, 169, 171, 172, 173, 182, 184, 185, 186, 187, 188};

void StartHeadless() {
  static bool started = false;
  if (started) return;
  started = true;
  StartProgramHeadless();
  for (int* root : {&BARoot, &CGRoot, &PIRoot}) {
    pf::OpenGadgetList(PageHolder);
    *root = pf::ContainerGadget(AutoNumber, -3, 0, pf::GadgetWidth(PageHolder) + 2, 600);
    pf::HideGadget(*root, true);
    pf::CloseGadgetList();
  }
}

// 137 kinds in all: the first 100 of them, module by module.
void BuildHundredRows() {
  int built = 0;
  const std::pair<int (*)(int, int, int, const std::string&, std::int64_t, int, int, const std::string&,
                          const std::string&, int),
                  const std::vector<int>*>
      modules[] = {{AddBARow, &kBA}, {AddCGRow, &kCG}, {AddPIRow, &kPI}};
  const int roots[] = {BARoot, CGRoot, PIRoot};
  for (int m = 0; m < 3 && built < 100; ++m) {
    pf::OpenGadgetList(roots[m]);
    const int area = pf::ContainerGadget(AutoNumber, 0, 0, pf::GadgetWidth(roots[m]), 8000);
    pf::OpenGadgetList(area);
    int y = 0;
    for (int kind : *modules[m].second) {
      if (built++ == 100) break;
      y = modules[m].first(kind, 6, 20, "Label", -1, y, -1, "$", "", -1);
    }
    pf::CloseGadgetList();
    pf::CloseGadgetList();
  }
}

void BM_BuildEveryRowKind(benchmark::State& state) {
  StartHeadless();
  for (auto _ : state) BuildHundredRows();
}
BENCHMARK(BM_BuildEveryRowKind)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace

BENCHMARK_MAIN();
