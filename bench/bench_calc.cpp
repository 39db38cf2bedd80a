// Time of one recalculation of each analysis on a worksheet whose every cell holds a value.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

#include "analysis/calc/calc_globals.h"
#include "analysis/calc/recalculation.h"
#include "platform/platform.h"
#include "platform/test_surface.h"
#include "shell/event_loop.h"
#include "shell/page_globals.h"
#include "shell/services.h"
#include "shell/shell_globals.h"
#include "shell/startup.h"

namespace {

void Set(WorksheetGadgets& g, int p, int r, int c, int s, int id) { g(p, r, c, s) = id; }

// Every cell a field with a number in it; dates, combos and the approach mark as the pages make them.
void FillWorksheet(const AnalysisModule& m, int summaryApproach) {
  auto& g = m.gadget;
  int value = 1;
  for (int p = 1; p <= 8; ++p)
    for (int r = 0; r <= 40; ++r)
      for (int c = 1; c <= 2; ++c)
        for (int s = 0; s <= 5; ++s)
          Set(g, p, r, c, s, pf::FieldGadget(AutoNumber, 0, 0, 60, 20, std::to_string(value++ % 97 + 3)));
  for (int j = 1; j <= 2; ++j) {
    for (int row = 2; row <= 3; ++row) {
      const int date = pf::DateGadget(AutoNumber, 0, 0, 100, 20, "%yyyy-%mm-%dd");
      pf::SetGadgetDate(date, {2009 + j - 1, row == 2 ? 1 : 12, row == 2 ? 1 : 31});
      Set(g, 7, row, j, 2, date);
    }
    for (int line = 27; line <= 32; ++line)
      pf::SetGadgetText(g(6, line, j, 0), "7" + std::to_string(line) + "00");
  }
  pf::SetGadgetText(g(7, 4, 1, 2), "1");
  Set(g, 2, 3, 1, 2, pf::ComboGadget(AutoNumber, 0, 0, 80, 20));
  const int limit = pf::ComboGadget(AutoNumber, 0, 0, 80, 20);
  for (const char* item :
       {"10%", "20%", "30%", "40%", "50%", "-5%", "-10%", "-15%", "-20%", "-25%", "new firm"})
    pf::AddGadgetItem(limit, -1, item, pf::CountGadgetItems(limit));
  pf::SetGadgetState(limit, 0);
  Set(g, 2, 11, 1, 2, limit);
  m.databaseMark = pf::TextGadget(AutoNumber, 0, 0, 10, 10, "");
  pf::SetGadgetData(m.databaseMark, summaryApproach);
  for (int group = 1; group <= 10; ++group)
    for (int k = 0; k <= 1; ++k)
      for (int f = 1; f <= 5; ++f) m.labour(group, k, f) = std::to_string(group * 10 + f + k);
  IndustryCodeEntry e;
  for (int f = 1; f <= 22; ++f) e.s[std::size_t(f)] = std::to_string(f * 1000);
  e.s[kLimitTextField] = "10%";
  for (int i = 0; i < 6; ++i) {
    e.s[kCodeField] = "7" + std::to_string(27 + i) + "00";
    m.databaseCodes.push_back(e);
  }
}

void Recalculate(benchmark::State& state, const AnalysisModule& m) {
  RecalcAnalysis(m);  // the first run writes every derived text; later runs repeat the field exit
  for (auto _ : state) RecalcAnalysis(m);
}

void BM_RecalcBA(benchmark::State& state) { Recalculate(state, BAModule()); }
void BM_RecalcCG(benchmark::State& state) { Recalculate(state, CGModule()); }
void BM_RecalcPI(benchmark::State& state) { Recalculate(state, PIModule()); }
BENCHMARK(BM_RecalcBA)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RecalcCG)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RecalcPI)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  pf::test::SetWorkArea(1024, 708);
  pf::test::UseVirtualClock(true);
  pf::test::ScriptMessageAnswers({pf::Answer::Ok});
  int programArgc = 1;
  static char name[] = "quillmark";
  char* programArgv[] = {name, nullptr};
  StartProgram(programArgc, programArgv);
  pf::test::Pump(HandleEvent);
  FillWorksheet(BAModule(), 1);
  FillWorksheet(CGModule(), 0);
  FillWorksheet(PIModule(), 1);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  pf::ShutdownPlatform();
  return 0;
}
