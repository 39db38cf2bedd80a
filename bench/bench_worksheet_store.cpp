// The incident worksheet and the record store together, in the running program, on a record file holding
// 10,000 fully filled incidents: saving (with and without the saved banner), loading, refilling the
// stored-incidents list and building the incident start page with that list filled.
#include <benchmark/benchmark.h>

#include <cctype>
#include <cstdio>
#include <string>

#include "bench_files.h"
#include "bench_program.h"
#include "incident/incident_globals.h"
#include "incident/incident_pages.h"
#include "incident/incident_rows.h"
#include "platform/platform.h"
#include "platform/test_surface.h"
#include "shell/event_loop.h"
#include "shell/page_globals.h"
#include "shell/page_switching.h"
#include "shell/services.h"
#include "shell/shell_globals.h"
#include "shell/startup.h"
#include "store/record_store.h"
#include "store/store_globals.h"

namespace {

constexpr int kStoredIncidents = 10000;

// Every stored column of the filled incident, copied into as many rows as asked.
void CopyFirstIncident(int copies) {
  std::string columns;
  {
    sql::Statement info(RecordDatabase, "pragma table_info(incidents)");
    while (info.Next() == sql::Statement::Step::Row)
      if (Lower(info.Text(1)) != "uid" && Lower(info.Text(1)) != "field1") columns += "," + info.Text(1);
  }
  sql::Transaction tx(RecordDatabase);
  const sql::Outcome copied = RecordDatabase.Execute(
      "insert into incidents (field1" + columns + ") select 'k' || n.i" + columns +
      " from incidents, (with recursive n(i) as (select 1 union all select i+1 from n where i < " +
      std::to_string(copies) + ") select i from n) as n where uid = 1;");
  if (!copied) std::fprintf(stderr, "copying the incident failed: %s\n", copied.message.c_str());
  tx.Commit();
}

void StartWithStoredIncidents() {
  static bool started = false;
  if (started) return;
  started = true;
  EnterFreshBenchDirectory();
  StartProgramHeadless();
  ShowPage(2, 7, -1);
  pf::test::Pump(HandleEvent);
  FillEveryNumberField();
  SaveIncident(1);
  CopyFirstIncident(kStoredIncidents - 1);
  FillIncidentList();
  pf::test::Pump(HandleEvent);
}

void BM_SaveFilledIncidentAsNew(benchmark::State& state) {
  StartWithStoredIncidents();
  for (auto _ : state) SaveIncident(1);
}
BENCHMARK(BM_SaveFilledIncidentAsNew)->Unit(benchmark::kMillisecond)->Iterations(20);

void BM_SaveFilledIncidentOverCurrent(benchmark::State& state) {
  StartWithStoredIncidents();
  for (auto _ : state) SaveIncident(0);
}
BENCHMARK(BM_SaveFilledIncidentOverCurrent)->Unit(benchmark::kMillisecond)->Iterations(20);

// The banner a save shows, alone: what of a save's time is its animation.
void BM_IncidentSavedBanner(benchmark::State& state) {
  StartWithStoredIncidents();
  for (auto _ : state) ShowIncidentSavedBanner("Incident Saved");
}
BENCHMARK(BM_IncidentSavedBanner)->Unit(benchmark::kMillisecond)->Iterations(20);

void BM_LoadFilledIncident(benchmark::State& state) {
  StartWithStoredIncidents();
  for (auto _ : state) LoadIncident(1);
}
BENCHMARK(BM_LoadFilledIncident)->Unit(benchmark::kMillisecond)->Iterations(20);

void BM_FillStoredIncidentList(benchmark::State& state) {
  StartWithStoredIncidents();
  for (auto _ : state) FillIncidentList();
}
BENCHMARK(BM_FillStoredIncidentList)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_OpenRecordFileWithStoredIncidents(benchmark::State& state) {
  StartWithStoredIncidents();
  for (auto _ : state) {
    RecordDatabase.Close();
    OpenRecordDatabase();
  }
}
BENCHMARK(BM_OpenRecordFileWithStoredIncidents)->Unit(benchmark::kMillisecond)->Iterations(20);

// A new start page, its stored-incidents list filled and shown.
void BM_IncidentStartPageReady(benchmark::State& state) {
  StartWithStoredIncidents();
  ShowPage(2, 0, -1);
  pf::test::Pump(HandleEvent);
  for (auto _ : state) {
    const int old = IncidentMenuPage;
    pf::OpenGadgetList(IncidentRoot);
    BuildIncidentMenuPage();
    pf::CloseGadgetList();
    FillIncidentList();
    pf::HideGadget(IncidentPastContainer, false);
    pf::RepaintWindow(pf::kMainWindow);
    state.PauseTiming();
    pf::HideGadget(old, true);
    pf::test::Pump(HandleEvent);
    state.ResumeTiming();
  }
}
BENCHMARK(BM_IncidentStartPageReady)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace

BENCHMARK_MAIN();
