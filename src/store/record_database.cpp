#include "store/record_database.h"

#include <fcntl.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <random>
#include <vector>

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

bool Exists(const char* path) {
  struct stat st {};
  return ::stat(path, &st) == 0;
}

// A directory of that name does not count: only a file can be the record file.
bool IsFile(const char* path) {
  struct stat st {};
  return ::stat(path, &st) == 0 && S_ISREG(st.st_mode);
}

bool FileIsEmpty(const char* path) {
  struct stat st {};
  return ::stat(path, &st) == 0 && st.st_size == 0;
}

std::string Quoted(const std::string& name) { return "\"" + name + "\""; }

constexpr const char* kWillClose = " The program will now close.";

// What start-up tells the user about the record file: everything that happened to the files, in one box.
struct Opening {
  std::vector<std::string> notes;
  bool takenOver = false;  // in this pass the legacy file became the record file
  bool created = false;    // in this pass the record file was made new

  void Show(const std::string& last) {
    if (!last.empty()) notes.push_back(last);
    if (notes.empty()) return;
    std::string text;
    for (const std::string& note : notes) text += (text.empty() ? "" : "\n\n") + note;
    ShowMessage(text);
  }
  void End(const std::string& message) {
    RecordDatabase.Close();
    Show(message);
    ExitRequested = true;
  }
};

bool CreateEmptyFile(const char* path) {
  const int fd = ::open(path, O_WRONLY | O_CREAT | O_EXCL, 0666);
  if (fd < 0) return false;
  return ::close(fd) == 0;
}

// The tables of a new file, stopping at the first failure: what fails one statement (a full disk, say)
// fails the rest too.
sql::Outcome CreateSchema() {
  sql::Database db;
  if (auto o = db.Open(kRecordFileName, false); !o) return o;
  if (auto o = db.Execute(kStaticInfoSchema); !o) return o;
  for (const auto& t : kRecordTables)
    if (auto o = db.Execute(t.schema); !o) return o;
  return {};
}

// Moves a file this program cannot use out of the way under its own name with ".old" (and a number when
// that is taken): link() refuses an existing name, so no other file is ever overwritten. "" when it could
// not be moved.
std::string MoveAside(const char* path, const std::string& ownName) {
  for (int n = 1; n < 1000; ++n) {
    const std::string aside = ownName + ".old" + (n == 1 ? "" : "-" + std::to_string(n));
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
    if (auto o = RecordDatabase.Execute(t.schema); !o) return ShowMessage(o.message);
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

Pass OpenOnce(Opening& o) {
  const std::string file = kRecordFileName, legacy = kLegacyRecordFileName;
  o.takenOver = o.created = false;
  if (Exists(kRecordFileName) && !IsFile(kRecordFileName)) {
    o.End("The record file " + Quoted(file) +
          " cannot be kept in this folder: a folder of that name is in the way. Please move or rename it." +
          kWillClose);
    return Pass::Ended;
  }
  if (!IsFile(kRecordFileName) && IsFile(kLegacyRecordFileName)) {
    if (std::rename(kLegacyRecordFileName, kRecordFileName) == 0)
      o.takenOver = true;
    else
      o.notes.push_back("The record file " + Quoted(legacy) + " could not be renamed to " + Quoted(file) +
                        ": " + std::strerror(errno) + ".");
  }
  if (!IsFile(kRecordFileName)) {
    if (!CreateEmptyFile(kRecordFileName)) {
      const int error = errno;
      if (error == EROFS || error == EACCES || error == EPERM)
        o.End("Please avoid running the program from a CD or DVD. Program will now close.");
      else
        o.End("The record file " + Quoted(file) + " could not be created: " + std::strerror(error) + "." +
              kWillClose);
      return Pass::Ended;
    }
    o.created = true;
    if (const sql::Outcome made = CreateSchema(); !made) {
      // Nothing of the user's is in it; the next start begins afresh.
      ::unlink(kRecordFileName);
      o.End("The record file " + Quoted(file) + " could not be created: " + made.message + "." + kWillClose);
      return Pass::Ended;
    }
  }
  if (auto opened = RecordDatabase.Open(kRecordFileName, false); !opened) {
    o.End("The record file " + Quoted(file) + " could not be opened: " + opened.message + "." + kWillClose);
    return Pass::Ended;
  }
  RecordDatabase.SetBusyTimeout(RecordBusyTimeout);
  std::string message;
  switch (JudgeRecordFile(RecordDatabase, message)) {
    case RecordFileVerdict::Usable:
      return Pass::Opened;
    case RecordFileVerdict::Unreadable:
      o.End("The record file " + Quoted(file) + " could not be read: " + message + "." + kWillClose);
      return Pass::Ended;
    case RecordFileVerdict::Foreign:
      break;
  }
  RecordDatabase.Close();
  if (o.created) {
    o.End("A new record file " + Quoted(file) + " could not be started." + kWillClose);
    return Pass::Ended;
  }
  // The file came from here under its own name, or was the legacy file until a moment ago.
  const std::string origin = o.takenOver ? legacy : file;
  if (FileIsEmpty(kRecordFileName)) {
    if (::unlink(kRecordFileName) != 0) {
      o.End("The empty file " + Quoted(origin) + " could not be replaced: " + std::strerror(errno) + "." +
            kWillClose);
      return Pass::Ended;
    }
    return Pass::Retry;
  }
  const std::string aside = MoveAside(kRecordFileName, origin);
  if (aside.empty()) {
    o.End("The file " + Quoted(origin) +
          " is not a record file of this version of the program and could not be moved aside: " +
          std::strerror(errno) + "." + kWillClose);
    return Pass::Ended;
  }
  o.notes.push_back("The file " + Quoted(origin) +
                    " is not a record file of this version of the program. It has been kept as " +
                    Quoted(aside) + ".");
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
  // Each pass that does not open a file takes one out of the way: the record file, then the legacy file;
  // the third starts a new file, and a new file that fails its own check ends the program.
  Opening o;
  for (int pass = 0; pass < 3; ++pass) {
    switch (OpenOnce(o)) {
      case Pass::Opened:
        CreateMissingRecordTables();
        ShowStoredCompanyName();
        if (o.notes.empty()) return;
        o.Show(o.takenOver ? "The records of " + Quoted(kLegacyRecordFileName) +
                                 " are used from now on, under the name " + Quoted(kRecordFileName) + "."
                           : "A new, empty record file " + Quoted(kRecordFileName) + " has been started.");
        return;
      case Pass::Ended:
        return;
      case Pass::Retry:
        break;
    }
  }
  o.End(std::string("A new record file ") + Quoted(kRecordFileName) + " could not be started." + kWillClose);
}

sql::Outcome UpdateCompanyName(const std::string& name) {
  sql::Statement update(RecordDatabase, "update StaticInfo set companyname = ?1");
  return update.Bind(1, name).Run();
}

sql::Outcome UpdateCompanyNameIfFree(const std::string& name) {
  const sql::NoWaitScope noWait(RecordDatabase);
  return UpdateCompanyName(name);
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
