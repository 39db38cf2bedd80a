// A step-3 retrieval over 100,000 stored incidents, side by side with the sqlite3 command-line tool running
// the same SQL on the same file (its output thrown away). Prints both times and their ratio.
#include <stdlib.h>
#include <sys/resource.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>

#include "analysis/calc/incident_retrieval.h"
#include "analysis/calc/retrieval_query.h"
#include "store/sqlite_db.h"

namespace {

constexpr int kIncidents = 100000;
constexpr int kRuns = 5;

void MakeFile(const std::string& path) {
  sql::Database db;
  db.Open(path, true);
  db.Execute(
      "CREATE TABLE Incidents (UID integer primary key, datefield text, totalcostfield text, "
      "incidenttypefield "
      "text, incidentcausefield text, bodypartfield text, categoryofworkerfield text, injurynaturefield "
      "text, "
      "departmentfield text, occupationfield text, rategroupfield text, claimcostfield text, "
      "absencetimefield "
      "text, absenceratefield text, absenceworkplacefield text, absenceshorttermfield text, "
      "absencelongtermfield "
      "text, modifiedtimefield text, modifiedratefield text, modifiedshorttermfield text, "
      "modifiedlongtermfield "
      "text, modifiedvaluefield text, indirectcostfield text);");
  sql::Transaction tx(db);
  sql::Statement st(
      db,
      "insert into incidents (datefield, totalcostfield, incidenttypefield, departmentfield, "
      "rategroupfield, claimcostfield, absencetimefield, absenceratefield, absenceshorttermfield, "
      "absencelongtermfield, modifiedtimefield, modifiedratefield, modifiedvaluefield, "
      "indirectcostfield) values (?,?,?,?,?,?,?,?,?,?,?,?,?,?);");
  const char* types[] = {"0", "1", "2", "3", "99"};
  for (int i = 0; i < kIncidents; ++i) {
    char date[16];
    std::snprintf(date, sizeof date, "20%02d-%02d-%02d", 5 + i % 6, 1 + i % 12, 1 + i % 28);
    st.Reset();
    st.Bind(1, std::string(date))
        .Bind(2, std::to_string(100 + i % 5000) + ".50")
        .Bind(3, std::string(types[i % 5]));
    st.Bind(4, std::string(i % 3 ? "kitchen" : "assembly line")).Bind(5, std::to_string(4000 + i % 9));
    st.Bind(6, std::to_string(i % 700)).Bind(7, std::string("12.5")).Bind(8, std::string("21.75"));
    st.Bind(9, std::string("60")).Bind(10, std::string("15")).Bind(11, std::string("4"));
    st.Bind(12, std::string("18")).Bind(13, std::string("50")).Bind(14, std::to_string(i % 300));
    st.Run();
  }
  tx.Commit();
}

// The query text with its values written in, as a user would type it into the tool.
std::string Literal(const RetrievalQuery& q) {
  std::string sql;
  std::size_t next = 0;
  for (char c : q.sql) {
    if (c != '?') {
      sql += c;
      continue;
    }
    std::string value = q.values[next++], quoted = "'";
    for (char v : value) quoted += v == '\'' ? std::string("''") : std::string(1, v);
    sql += quoted + "'";
  }
  return sql + ";";
}

struct Times {
  double wall, cpu;  // milliseconds per run
};

// Processor time of this process and of its ended children: on a busy machine the wall time of either side
// swings with the load, what each spends of the processor much less.
double CpuMilliseconds() {
  rusage self{}, children{};
  ::getrusage(RUSAGE_SELF, &self);
  ::getrusage(RUSAGE_CHILDREN, &children);
  const auto ms = [](const timeval& t) { return double(t.tv_sec) * 1e3 + double(t.tv_usec) / 1e3; };
  return ms(self.ru_utime) + ms(self.ru_stime) + ms(children.ru_utime) + ms(children.ru_stime);
}

// One untimed run first, so that neither side pays for the file just written or for memory first touched.
template <typename F>
Times Milliseconds(F&& run) {
  run();
  const auto start = std::chrono::steady_clock::now();
  const double cpu = CpuMilliseconds();
  for (int i = 0; i < kRuns; ++i) run();
  return {std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count() / kRuns,
          (CpuMilliseconds() - cpu) / kRuns};
}

void Compare(const char* name, const std::string& path, const RetrievalQuery& q,
             const std::vector<const char*>& columns, bool potential) {
  sql::Database db;
  db.Open(path, false);
  std::size_t found = 0;
  const Times ours = Milliseconds([&] {
    const RetrievedRows rows = RunRetrievalQuery(db, q, columns);
    found = rows.rows.size();
    if (potential) {
      const auto texts = PIGridTexts(SumPIIncidents(rows.rows));
      if (texts.empty()) std::abort();
    } else {
      IndustryCodeList list;
      std::vector<std::string> seen;
      const PassFigures f = SumPass(rows.rows);
      AddPassClaims(list, 0, rows.rows, seen);
      DropRecordsNotRetrieved(list, seen);
      if (f.count != int(found)) std::abort();
    }
  });
  const std::string sqlFile = path + ".sql";
  std::FILE* out = std::fopen(sqlFile.c_str(), "w");
  std::fputs(Literal(q).c_str(), out);
  std::fclose(out);
  const std::string command = "sqlite3 '" + path + "' < '" + sqlFile + "' > /dev/null";
  const Times tool = Milliseconds([&] {
    if (std::system(command.c_str()) != 0) std::abort();
  });
  std::printf(
      "%-28s %6zu rows   retrieval %8.1f ms   sqlite3 tool %8.1f ms   ratio %.2f   (processor time "
      "%.1f / %.1f ms, ratio %.2f)\n",
      name, found, ours.wall, tool.wall, ours.wall / tool.wall, ours.cpu, tool.cpu, ours.cpu / tool.cpu);
}

}  // namespace

int main() {
  char pattern[] = "/tmp/quillmark-bench-retrieval-XXXXXX";
  const std::string dir = ::mkdtemp(pattern);
  const std::string path = dir + "/records.dat";
  MakeFile(path);
  const std::vector<RetrievalCriterion> all;
  const std::vector<RetrievalCriterion> kitchen = {{"departmentfield", true, 1, {"kitchen"}}};
  Compare(
      "two-column pass, all", path,
      BuildRetrievalQuery("totalcostfield,rategroupfield,claimcostfield,absencetimefield,absenceratefield,"
                          "absenceshorttermfield,modifiedtimefield,modifiedratefield,modifiedshorttermfield,"
                          "absencelongtermfield,modifiedlongtermfield,incidenttypefield",
                          "2005-01-01", "2010-12-31", all, true),
      PassColumnNames(), false);
  Compare("potential, one department", path,
          BuildRetrievalQuery("*", "2005-01-01", "2010-12-31", kitchen, false), PIColumnNames(), true);
  std::filesystem::remove_all(dir);
}
