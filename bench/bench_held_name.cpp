// A workplace name that the record file did not take is tried again at every event until the file is
// free. While another program keeps holding the file each try must cost the user nothing they notice:
// it may not wait for the file.
#include <benchmark/benchmark.h>

#include "bench_files.h"
#include "bench_program.h"
#include "shell/company_name.h"
#include "store/record_database.h"
#include "store/store_globals.h"

namespace {

// The program on a record file of its own, which a second connection holds from the first call on.
bool HoldTheRecordFile() {
  static sql::Database other;
  if (other.IsOpen()) return true;
  EnterFreshBenchDirectory();
  StartProgramHeadless();
  pf::SetGadgetText(CompanyNameField, "Harbour Works");
  return other.Open(kRecordFileName, false) && other.Execute("BEGIN EXCLUSIVE;");
}

void BM_PendingNameTriedWhileTheFileIsHeld(benchmark::State& state) {
  if (!HoldTheRecordFile()) return state.SkipWithError("the file could not be held");
  for (auto _ : state) {
    CompanyNameUnstored = 1;
    RetryUnstoredCompanyName();
    if (CompanyNameUnstored != 1) return state.SkipWithError("the held file took the name");
  }
}
BENCHMARK(BM_PendingNameTriedWhileTheFileIsHeld)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
