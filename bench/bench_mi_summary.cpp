// The Multiple Incidents Summary's retrieval over 100,000 stored incidents, next to the database's own
// command-line shell running the same query on the same file, so the two figures come from one run.
#include <benchmark/benchmark.h>

#include <cctype>
#include <cstdio>
#include <string>

#include "bench_files.h"
#include "bench_program.h"
#include "incident/incident_pages.h"
#include "incident/incident_rows.h"
#include "incident/mi_summary_query.h"
#include "platform/platform.h"
#include "platform/test_surface.h"
#include "shell/date_fields.h"
#include "shell/event_loop.h"
#include "shell/page_switching.h"
#include "shell/services.h"
#include "shell/shell_globals.h"
#include "shell/startup.h"
#include "store/record_database.h"
#include "store/record_store.h"
#include "store/store_globals.h"

namespace {

constexpr int kStoredIncidents = 100000;
const char* const kStart = "2010-01-01";
const char* const kEnd = "2030-12-31";

// Copies of the saved incident, spread over the incident types and over eleven years of dates.
void CopyFirstIncident(int copies) {
  std::string columns;
  {
    sql::Statement info(RecordDatabase, "pragma table_info(incidents)");
    while (info.Next() == sql::Statement::Step::Row) {
      const std::string name = Lower(info.Text(1));
      if (name != "uid" && name != "field1" && name != "incidenttypefield" && name != "datefield")
        columns += "," + name;
    }
  }
  sql::Transaction tx(RecordDatabase);
  const sql::Outcome copied = RecordDatabase.Execute(
      "insert into incidents (field1,incidenttypefield,datefield" + columns +
      ") select 'k' || n.i, n.i % 6, date('2011-01-01', '+' || (n.i % 4000) || ' days')" + columns +
      " from incidents, (with recursive n(i) as (select 1 union all select i+1 from n where i < " +
      std::to_string(copies) + ") select i from n) as n where uid = 1;");
  if (!copied) std::fprintf(stderr, "copying the incident failed: %s\n", copied.message.c_str());
  tx.Commit();
}

void Start() {
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
  // Every list on its all-items entry, over the whole period of the stored incidents.
  for (int row = 5; row <= 11; ++row) pf::SetGadgetItemSelected(MIGadget(row, 2), 0, true);
  SetDateGadget(MIGadget(2, 2), 2010, 1, 1);
  SetDateGadget(MIGadget(3, 2), 2030, 12, 31);
}

// The query text with its values written in, as one would type it into the shell.
std::string InlineQuery() {
  const MIQuery q = BuildMISummaryQuery(kStart, kEnd, {});
  std::string text;
  std::size_t next = 0;
  for (char c : q.sql)
    if (c == '?')
      text += "'" + q.values.at(next++) + "'";
    else
      text += c;
  return text + ";";
}

void BM_MISummaryRetrieve(benchmark::State& state) {
  Start();
  for (auto _ : state) RetrieveIncidentsForMI();
  state.counters["incidents"] = kStoredIncidents;
}
BENCHMARK(BM_MISummaryRetrieve)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_ShellRunsSameQuery(benchmark::State& state) {
  Start();
  const std::string command =
      std::string("sqlite3 -readonly '") + kRecordFileName + "' \"" + InlineQuery() + "\" > /dev/null";
  for (auto _ : state) {
    FILE* shell = ::popen(command.c_str(), "r");
    if (!shell || ::pclose(shell) != 0) state.SkipWithError("the sqlite3 shell did not run");
  }
}
BENCHMARK(BM_ShellRunsSameQuery)->Unit(benchmark::kMillisecond)->Iterations(5);

// The shell starting and answering a trivial query: what of its figure is not the query.
void BM_ShellStartsAlone(benchmark::State& state) {
  Start();
  const std::string command =
      std::string("sqlite3 -readonly '") + kRecordFileName + "' 'select 1;' > /dev/null";
  for (auto _ : state) {
    FILE* shell = ::popen(command.c_str(), "r");
    if (!shell || ::pclose(shell) != 0) state.SkipWithError("the sqlite3 shell did not run");
  }
}
BENCHMARK(BM_ShellStartsAlone)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace

BENCHMARK_MAIN();
