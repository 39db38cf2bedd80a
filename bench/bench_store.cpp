// Speed of the record store on a file with 10,000 stored incidents: opening it, saving a filled incident
// (new and over the current row) and refilling the stored-incidents list.
#include <benchmark/benchmark.h>

#include "bench_files.h"
#include "platform/platform.h"
#include "platform/test_surface.h"
#include "shell/shell_globals.h"
#include "store/record_store.h"
#include "store/store_globals.h"

namespace {

void PrepareStore() {
  static bool done = false;
  if (done) return;
  done = true;
  static int argc = 1;
  static char name[] = "bench";
  static char* argv[] = {name, nullptr};
  pf::test::UseVirtualClock(true);
  pf::InitPlatform(argc, argv);
  pf::OpenMainWindow("bench", 0, 0, 800, 600, false);
  EnterFreshBenchDirectory();
  OpenRecordDatabase();
  // A filled incident: every cell of steps 1 to 7 that a worksheet uses holds a field.
  for (int step = 0; step <= 7; ++step)
    for (int row = 2; row <= 30; ++row)
      for (int column = 2; column <= 4; ++column)
        IncidentGadget(step, row, column) = pf::FieldGadget(-1, 0, 0, 10, 10, "1,234.50");
  IncidentGadget(0, 0, 0) = pf::TextGadget(-1, 0, 0, 0, 0, "");
  IncidentList = pf::ListViewGadget(-1, 0, 0, 300, 100, "Number", 40);
  for (int c = 1; c <= 3; ++c) pf::AddListViewColumn(IncidentList, c, "", 80);
  SaveIncident(1);
  sql::Transaction tx(RecordDatabase);
  RecordDatabase.Execute(
      "insert into incidents (field1, field_0x6x2, datefield, altrefnumberfield) "
      "select 'k', 'description', '2011-03-03', 'ALT' from "
      "(with recursive n(i) as (select 1 union all select i+1 from n where i < 9999) select i from n);");
  tx.Commit();
}

void BM_OpenExistingDatabase(benchmark::State& state) {
  PrepareStore();
  for (auto _ : state) {
    RecordDatabase.Close();
    OpenRecordDatabase();
  }
}
BENCHMARK(BM_OpenExistingDatabase)->Unit(benchmark::kMillisecond);

void BM_SaveIncidentAsNew(benchmark::State& state) {
  PrepareStore();
  IncidentList = 0;  // the list refill is measured on its own
  for (auto _ : state) SaveIncident(1);
}
BENCHMARK(BM_SaveIncidentAsNew)->Unit(benchmark::kMillisecond);

void BM_SaveIncidentOverCurrent(benchmark::State& state) {
  PrepareStore();
  IncidentList = 0;
  for (auto _ : state) SaveIncident(0);
}
BENCHMARK(BM_SaveIncidentOverCurrent)->Unit(benchmark::kMillisecond);

void BM_FillIncidentList(benchmark::State& state) {
  PrepareStore();
  static int list = pf::ListViewGadget(-1, 0, 0, 300, 100, "Number", 40);
  IncidentList = list;
  for (auto _ : state) FillIncidentList();
}
BENCHMARK(BM_FillIncidentList)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
