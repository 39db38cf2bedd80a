#include "store/record_database.h"

#include <fcntl.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <random>

#include "shell/gadget_helpers.h"
#include "shell/number_text.h"
#include "shell/shell_globals.h"
#include "shell/startup.h"
#include "store/store_globals.h"

namespace {

const sql::Statement* CurrentQuery = nullptr;

constexpr const char* kStaticInfoSchema =
    "CREATE TABLE StaticInfo ( UID integer primary key, Companyname TEXT , HoursPerYear TEXT , "
    "PayrollExpenses "
    "TEXT , profitmargin TEXT, salesrevenue text,dbversion text );"
    "INSERT INTO Staticinfo (companyname,dbversion) VALUES ('','10');";

struct RecordTable {
  const char* name;
  const char* schema;
};
constexpr RecordTable kRecordTables[] = {
    {"Incidents", "CREATE TABLE Incidents ( UID integer primary key, field1 text, field2 text);"},
    {"BAAnalyses", "create table BAAnalyses ( uid integer primary key,field1 text, field2 text);"},
    {"cganalyses", "create table cganalyses ( uid integer primary key,field1 text, field2 text);"},
    {"PIanalyses", "create table PIanalyses ( uid integer primary key,field1 text, field2 text);"},
    {"MISummaries", "create table MISummaries ( uid integer primary key,field1 text, field2 text);"},
};

// A directory of that name does not count: only a file can be the record file.
bool IsFile(const char* path) {
  struct stat st {};
  return ::stat(path, &st) == 0 && S_ISREG(st.st_mode);
}

bool FileIsEmpty(const char* path) {
  struct stat st {};
  return ::stat(path, &st) == 0 && st.st_size == 0;
}

void EndStartUp(const std::string& message) {
  RecordDatabase.Close();
  ShowMessage(message);
  ExitRequested = true;
}

bool CreateEmptyFile(const char* path) {
  const int fd = ::open(path, O_WRONLY | O_CREAT | O_EXCL, 0666);
  if (fd < 0) return false;
  return ::close(fd) == 0;
}

bool CreateSchema() {
  sql::Database db;
  if (!db.Open(kRecordFileName, false)) return false;
  if (auto o = db.Execute(kStaticInfoSchema); !o) ShowMessage(o.message);
  for (const auto& t : kRecordTables)
    if (auto o = db.Execute(t.schema); !o) ShowMessage(o.message);
  return true;
}

// Moves a file this program cannot use out of the way under a name that nothing holds yet: link() refuses
// an existing name, so no other file is ever overwritten. "" when it could not be moved.
std::string MoveAside(const char* path) {
  for (int n = 1; n < 1000; ++n) {
    const std::string aside = std::string(path) + ".old" + (n == 1 ? "" : "-" + std::to_string(n));
    if (::link(path, aside.c_str()) == 0) {
      if (::unlink(path) == 0) return aside;
      ::unlink(aside.c_str());
      return {};
    }
    if (errno != EEXIST) return {};
  }
  return {};
}

bool IsDefiniteVerdict(int code, const std::string& message) {
  const int primary = code & 0xFF;
  if (primary == SQLITE_NOTADB) return true;
  // A readable database without the version table or column is a file of some other program.
  return primary == SQLITE_ERROR && (message.find("no such table") != std::string::npos ||
                                     message.find("no such column") != std::string::npos);
}

void CreateMissingRecordTables() {
  for (const auto& t : kRecordTables) {
    sql::Statement probe(RecordDatabase,
                         "select count(*) from sqlite_master where type='table' and name=?1 "
                         "collate nocase");
    probe.Bind(1, std::string_view(t.name));
    if (probe.Next() != sql::Statement::Step::Row || probe.Integer(0) != 0) continue;
    if (auto o = RecordDatabase.Execute(t.schema); !o) ShowMessage(o.message);
  }
}

void ShowStoredCompanyName() {
  sql::Statement query(RecordDatabase, "SELECT * FROM staticinfo");
  std::string name;
  while (query.Next() == sql::Statement::Step::Row) name = query.Text(1);
  if (name.empty()) return;
  pf::SetGadgetText(CompanyNameField, name);
  pf::SetGadgetColour(CompanyNameField, FrontColourType, CompanyNameColour);
}

enum class Pass { Opened, Retry, Ended };

Pass OpenOnce() {
  if (!IsFile(kRecordFileName) && IsFile(kLegacyRecordFileName)) {
    if (std::rename(kLegacyRecordFileName, kRecordFileName) != 0)
      ShowMessage(std::string("The record file \"") + kLegacyRecordFileName +
                  "\" could not be renamed to \"" + kRecordFileName + "\": " + std::strerror(errno));
  }
  if (!IsFile(kRecordFileName)) {
    if (!CreateEmptyFile(kRecordFileName)) {
      EndStartUp("Please avoid running the program from a CD or DVD. Program will now close.");
      return Pass::Ended;
    }
    CreateSchema();
  }
  if (auto o = RecordDatabase.Open(kRecordFileName, false); !o) {
    EndStartUp(o.message);
    return Pass::Ended;
  }
  RecordDatabase.SetBusyTimeout(RecordBusyTimeout);
  std::string message;
  switch (JudgeRecordFile(RecordDatabase, message)) {
    case RecordFileVerdict::Usable:
      return Pass::Opened;
    case RecordFileVerdict::Unreadable:
      EndStartUp(message);
      return Pass::Ended;
    case RecordFileVerdict::Foreign:
      break;
  }
  RecordDatabase.Close();
  if (FileIsEmpty(kRecordFileName)) {
    if (::unlink(kRecordFileName) != 0) {
      EndStartUp(std::string("The record file could not be replaced: ") + std::strerror(errno));
      return Pass::Ended;
    }
    return Pass::Retry;
  }
  const std::string aside = MoveAside(kRecordFileName);
  if (aside.empty()) {
    EndStartUp(std::string("The file \"") + kRecordFileName +
               "\" is not a record file of this version of the program and could not be moved aside: " +
               std::strerror(errno));
    return Pass::Ended;
  }
  ShowMessage(std::string("The file \"") + kRecordFileName +
              "\" is not a record file of this version of the program. It has been kept as \"" + aside +
              "\" and a new, empty record file has been started.");
  return Pass::Retry;
}

}  // namespace

bool RecordVersionAccepted(const std::string& version) {
  return !version.empty() && LeadingValue(version) >= 10;
}

RecordFileVerdict JudgeRecordFile(sql::Database& db, std::string& message) {
  sql::Statement query(db, "select dbversion from staticinfo");
  if (!query.Prepared()) {
    message = query.Failure().message;
    return IsDefiniteVerdict(query.Failure().code, message) ? RecordFileVerdict::Foreign
                                                            : RecordFileVerdict::Unreadable;
  }
  switch (query.Next()) {
    case sql::Statement::Step::Row:
      return RecordVersionAccepted(query.Text(0)) ? RecordFileVerdict::Usable : RecordFileVerdict::Foreign;
    case sql::Statement::Step::Done:
      return RecordFileVerdict::Foreign;  // no StaticInfo row
    case sql::Statement::Step::Error:
      break;
  }
  message = query.Failure().message;
  return IsDefiniteVerdict(query.Failure().code, message) ? RecordFileVerdict::Foreign
                                                          : RecordFileVerdict::Unreadable;
}

void OpenRecordDatabase() {
  // A file moved aside is replaced once; a fresh file that fails its own check ends the program instead
  // of moving files around for ever.
  for (int pass = 0; pass < 2; ++pass) {
    switch (OpenOnce()) {
      case Pass::Opened:
        CreateMissingRecordTables();
        ShowStoredCompanyName();
        return;
      case Pass::Ended:
        return;
      case Pass::Retry:
        break;
    }
  }
  EndStartUp(std::string("A new record file \"") + kRecordFileName + "\" could not be started.");
}

std::string UpdateCompanyName(const std::string& name) {
  sql::Statement update(RecordDatabase, "update StaticInfo set companyname = ?1");
  const sql::Outcome o = update.Bind(1, name).Run();
  return o ? std::string() : o.message;
}

RecordQuery::RecordQuery(sql::Database& db, std::string_view sqlText) : sql::Statement(db, sqlText) {
  CurrentQuery = this;
}

RecordQuery::~RecordQuery() {
  if (CurrentQuery == this) CurrentQuery = nullptr;
}

int DatabaseColumnIndex(const std::string& name, const sql::Statement& query) {
  const int n = query.ColumnCount();
  for (int i = 0; i < n; ++i)
    if (query.ColumnName(i) == name) return i;
  return -1;
}

int DatabaseColumnIndex(const std::string& name, int connection) {
  if (connection != -1 || !CurrentQuery) return -1;
  return DatabaseColumnIndex(name, *CurrentQuery);
}

std::string MakeRandomKey() {
  static std::mt19937 engine{std::random_device{}()};
  std::uniform_int_distribution<int> code(48, 122);
  std::string key(30, '0');
  for (char& c : key) c = char(code(engine));
  return key;
}
