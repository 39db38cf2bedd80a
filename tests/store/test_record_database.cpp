#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <functional>
#include <set>

#include "shell/program_fixture.h"
#include "shell/shell_globals.h"
#include "store/record_database.h"
#include "store/store_fixture.h"
#include "store/store_globals.h"

namespace {

namespace fs = std::filesystem;
const std::string kFile = kRecordFileName;
const std::string kLegacy = kLegacyRecordFileName;
constexpr const char* kHint = "Click here to enter your workplace information";

std::string CompanyShown() { return pf::GetGadgetText(CompanyNameField); }

// Root ignores permissions, an ordinary user does not. The saved id keeps the way back to root; the real
// and effective ids agree, as the toolkit insists.
void DropToOrdinaryUser() { ASSERT_EQ(::setresuid(65534, 65534, 0), 0); }

// Another program's connection that holds the record file locked.
sql::Database& Locker() {
  static sql::Database db;
  return db;
}

std::set<std::string> Tables(const std::string& path) {
  sql::Database db;
  std::set<std::string> names;
  if (!db.Open(path, false)) return names;
  sql::Statement s(db, "select name from sqlite_master where type='table'");
  while (s.Next() == sql::Statement::Step::Row) names.insert(s.Text(0));
  return names;
}

// Where a rejected file went, and which of the files it was.
struct Aside {
  const char* name;
  std::string from;
};

struct OpenCase {
  const char* name;
  std::function<void()> prepare;
  bool ends;                 // start-up stops with a message
  std::string message;       // the one box after the "Draft Version" notice ("": none shown)
  const char* companyShown;  // nullptr: the hint stays
  const char* versionAfter;  // dbversion of the record file after start-up
  std::vector<Aside> asides;
  bool legacyGone = false;  // a legacy file present at start was taken over or moved aside
};

class OpenDatabaseTest : public ProgramTest, public ::testing::WithParamInterface<OpenCase> {
 protected:
  void PrepareDirectory() override {
    startAnswers = {pf::Answer::Ok, pf::Answer::Ok, pf::Answer::Ok};
    GetParam().prepare();
    // The reference copy of whatever the test put there, to prove that what is kept is kept whole.
    for (const auto& f : {kFile, kLegacy})
      if (fs::is_regular_file(f)) before[f] = ReadWholeFile(f);
  }
  void TearDown() override {
    Locker().Close();
    ProgramTest::TearDown();
  }
  std::map<std::string, std::string> before;
};

const std::string kNotOurs = " is not a record file of this version of the program. It has been kept as ";
const std::string kNewFile = "A new, empty record file \"" + kFile + "\" has been started.";
const std::string kLegacyUsed =
    "The records of \"" + kLegacy + "\" are used from now on, under the name \"" + kFile + "\".";
std::string Rejected(const std::string& file, const std::string& aside) {
  return "The file \"" + file + "\"" + kNotOurs + "\"" + aside + "\".\n\n";
}

// A full disk: every write to a file fails.
void FillTheDisk() {
  ::signal(SIGXFSZ, SIG_IGN);
  const rlimit none{0, RLIM_INFINITY};
  ::setrlimit(RLIMIT_FSIZE, &none);
}

const OpenCase kOpenCases[] = {
    {"NewFileInEmptyDirectory", [] {}, false, "", nullptr, "10", {}},
    {"LegacyFileTakenOver",
     [] { MakeRecordFile(kLegacy, "10", "Legacy Works"); },
     false,
     "",
     "Legacy Works",
     "10",
     {},
     true},
    {"BothPresentUsesTheCurrentOne",
     [] {
       MakeRecordFile(kFile, "10", "Current Works");
       MakeRecordFile(kLegacy, "10", "Legacy Works");
     },
     false,
     "",
     "Current Works",
     "10",
     {}},
    {"VersionElevenAndAHalfAccepted",
     [] { MakeRecordFile(kFile, "10.5", "Half"); },
     false,
     "",
     "Half",
     "10.5",
     {}},
    {"VersionNineMovedAside",
     [] { MakeRecordFile(kFile, "9", "Old Works"); },
     false,
     Rejected(kFile, kFile + ".old") + kNewFile,
     nullptr,
     "10",
     {{"H + S Quillmark data.dat.old", kFile}}},
    {"EmptyVersionMovedAside",
     [] { MakeRecordFile(kFile, "", "Old Works"); },
     false,
     Rejected(kFile, kFile + ".old") + kNewFile,
     nullptr,
     "10",
     {{"H + S Quillmark data.dat.old", kFile}}},
    {"NoStaticInfoMovedAside",
     [] { MakeRecordFile(kFile, nullptr); },
     false,
     Rejected(kFile, kFile + ".old") + kNewFile,
     nullptr,
     "10",
     {{"H + S Quillmark data.dat.old", kFile}}},
    {"NotADatabaseMovedAsideBesideAnEarlierOne",
     [] {
       WriteWholeFile(kFile, std::string(4096, 'x'));
       WriteWholeFile(kFile + ".old", "an earlier rejected file");
     },
     false,
     Rejected(kFile, kFile + ".old-2") + kNewFile,
     nullptr,
     "10",
     {{"H + S Quillmark data.dat.old-2", kFile}}},
    // The old file is moved aside, and then the legacy file's records are the ones taken over.
    {"VersionNineBesideALegacyFileOfVersionTen",
     [] {
       MakeRecordFile(kFile, "9", "Old Works");
       MakeRecordFile(kLegacy, "10", "Legacy Works");
     },
     false,
     Rejected(kFile, kFile + ".old") + kLegacyUsed,
     "Legacy Works",
     "10",
     {{"H + S Quillmark data.dat.old", kFile}},
     true},
    {"LegacyFileOfVersionNineMovedAsideUnderItsOwnName",
     [] { MakeRecordFile(kLegacy, "9", "Legacy Works"); },
     false,
     Rejected(kLegacy, kLegacy + ".old") + kNewFile,
     nullptr,
     "10",
     {{"BraskData.dat.old", kLegacy}},
     true},
    {"BothOfVersionNineMovedAside",
     [] {
       MakeRecordFile(kFile, "9", "Old Works");
       MakeRecordFile(kLegacy, "9", "Legacy Works");
     },
     false,
     Rejected(kFile, kFile + ".old") + Rejected(kLegacy, kLegacy + ".old") + kNewFile,
     nullptr,
     "10",
     {{"H + S Quillmark data.dat.old", kFile}, {"BraskData.dat.old", kLegacy}},
     true},
    {"ZeroLengthFileReplacedSilently", [] { WriteWholeFile(kFile, ""); }, false, "", nullptr, "10", {}},
    {"ReadOnlyDirectoryEndsStartUp",
     [] {
       ::chmod(".", 0555);
       DropToOrdinaryUser();
     },
     true,
     "Please avoid running the program from a CD or DVD. Program will now close.",
     nullptr,
     nullptr,
     {}},
    {"FolderInTheWayEndsStartUpAndLeavesTheLegacyFile",
     [] {
       fs::create_directory(kFile);
       MakeRecordFile(kLegacy, "10", "Legacy Works");
     },
     true,
     "The record file \"" + kFile +
         "\" cannot be kept in this folder: a folder of that name is in the way. Please move or rename it. "
         "The program will now close.",
     nullptr,
     nullptr,
     {}},
    {"FullDiskAtFirstStartSaysSoOnce",
     FillTheDisk,
     true,
     "The record file \"" + kFile + "\" could not be created: disk I/O error. The program will now close.",
     nullptr,
     nullptr,
     {}},
    {"LockedFileEndsStartUpUntouched",
     [] {
       MakeRecordFile(kFile, "10", "Busy Works");
       ASSERT_TRUE(Locker().Open(kFile, false));
       ASSERT_TRUE(Locker().Execute("BEGIN EXCLUSIVE;"));
       RecordBusyTimeout = 100;
     },
     true,
     "The record file \"" + kFile + "\" could not be read: database is locked. The program will now close.",
     nullptr,
     "10",
     {}},
};

TEST_P(OpenDatabaseTest, OutcomeOfStartingFile) {
  ::setresuid(0, 0, 0);
  const rlimit unlimited{RLIM_INFINITY, RLIM_INFINITY};
  ::setrlimit(RLIMIT_FSIZE, &unlimited);
  Locker().Close();
  const OpenCase& c = GetParam();
  auto log = pf::test::TakeMessageLog();
  ASSERT_GE(log.size(), 1u);
  EXPECT_EQ(log[0].title, "Draft Version");
  if (!c.message.empty()) {
    ASSERT_EQ(log.size(), 2u);
    EXPECT_EQ(log[1].text, c.message);
    EXPECT_EQ(log[1].title, "");
  } else {
    EXPECT_EQ(log.size(), 1u) << log.back().text;
  }
  EXPECT_EQ(ExitRequested, c.ends);
  EXPECT_EQ(RecordDatabase.IsOpen(), !c.ends);
  if (c.ends) {
    // Nothing was touched: the files are as they were, or there still is none.
    for (const std::string& f : {kFile, kLegacy})
      if (before.count(f)) {
        EXPECT_EQ(ReadWholeFile(f), before[f]) << f;
      }
    if (!before.count(kFile)) {
      EXPECT_FALSE(fs::is_regular_file(kFile));
    }
    return;
  }
  EXPECT_EQ(CompanyShown(), c.companyShown ? c.companyShown : kHint);
  EXPECT_EQ(pf::GetGadgetColour(CompanyNameField, FrontColourType),
            c.companyShown ? CompanyNameColour : kCompanyHintColour);
  EXPECT_EQ(QueryText(kFile, "select dbversion from staticinfo"), c.versionAfter);
  EXPECT_EQ(QueryText(kFile, "select count(*) from staticinfo"), "1");
  const std::set<std::string> tables = Tables(kFile);
  for (const char* t : {"StaticInfo", "Incidents", "BAAnalyses", "cganalyses", "PIanalyses", "MISummaries"})
    EXPECT_TRUE(tables.count(t)) << t;
  for (const Aside& a : c.asides) EXPECT_EQ(ReadWholeFile(a.name), before[a.from]) << a.name;
  if (before.count(kLegacy)) {
    EXPECT_EQ(fs::exists(kLegacy), !c.legacyGone);
    if (!c.legacyGone) {
      EXPECT_EQ(ReadWholeFile(kLegacy), before[kLegacy]);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(StartingFiles, OpenDatabaseTest, ::testing::ValuesIn(kOpenCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Start-up that cannot use the record file never reaches the event loop and reports failure.
TEST(StartUpStops, RunProgramReturnsFailureWithoutLooping) {
  char pattern[] = "/tmp/quillmark-test-XXXXXX";
  ASSERT_NE(::mkdtemp(pattern), nullptr);
  const fs::path previous = fs::current_path();
  fs::current_path(pattern);
  WriteWholeFile(kFile, "");
  ::chmod(kFile.c_str(), 0);
  ::chmod(".", 0555);
  DropToOrdinaryUser();
  pf::test::SetWorkArea(1024, 708);
  pf::test::UseVirtualClock(true);
  pf::test::ScriptMessageAnswers({pf::Answer::Ok, pf::Answer::Ok});
  static int argc = 1;
  static char name[] = "quillmark";
  static char* argv[] = {name, nullptr};
  const int status = RunProgram(argc, argv);
  ::setresuid(0, 0, 0);
  EXPECT_EQ(status, 1);
  EXPECT_EQ(ReadWholeFile(kFile), "");
  fs::current_path(previous);
  fs::remove_all(pattern);
}

class CompanyNameTest : public ProgramTest {
 protected:
  void PrepareDirectory() override { MakeRecordFile(kFile, "10", Awkward()); }
  static std::string Awkward() {
    std::string name = "O'Brien \"&\" Sons; DROP TABLE StaticInfo; -- Zürich ★ ";
    while (name.size() < 500) name += 'x';
    return name;
  }
};

TEST_F(CompanyNameTest, AwkwardNameRoundTripsExactly) {
  EXPECT_EQ(CompanyShown(), Awkward());
  const std::string next = Awkward() + "'; --";
  EXPECT_TRUE(UpdateCompanyName(next));
  EXPECT_EQ(QueryText(kFile, "select companyname from staticinfo"), next);
  EXPECT_EQ(QueryText(kFile, "select count(*) from sqlite_master where name='StaticInfo'"), "1");
}

// A name the file does not take is reported under the name's own title, and typing goes on.
TEST_F(CompanyNameTest, ANameThatCannotBeStoredIsReportedUnderItsOwnTitle) {
  pf::test::TakeMessageLog();
  pf::HideGadget(FrontPageHolder, true);
  pf::HideGadget(TabbedArea, false);
  pf::test::Click(CompanyNameField);
  Pump();
  ASSERT_TRUE(pf::test::HasFocus(CompanyNameField));
  pf::test::TypeText("x");
  Pump();
  ASSERT_TRUE(RecordDatabase.Execute("PRAGMA query_only=1;"));
  pf::test::ScriptMessageAnswers({pf::Answer::Ok});
  pf::test::PressTab();
  Pump();
  const auto log = pf::test::TakeMessageLog();
  ASSERT_EQ(log.size(), 1u);
  EXPECT_EQ(log[0].title, "nope");
  EXPECT_NE(log[0].text.find("readonly"), std::string::npos) << log[0].text;
  EXPECT_EQ(QueryText(kFile, "select companyname from staticinfo"), Awkward());
}

TEST(RecordHelpers, ColumnIndexIsExactAndRandomKeysStayInRange) {
  sql::Database db;
  ASSERT_TRUE(db.Open(":memory:", true));
  ASSERT_TRUE(
      db.Execute("create table t (uid integer primary key, field1 text, field2 text, titlefield text);"));
  {
    RecordQuery q(db, "select * from t");
    EXPECT_EQ(DatabaseColumnIndex("titlefield", -1), 3);
    EXPECT_EQ(DatabaseColumnIndex("Titlefield", -1), -1);
    EXPECT_EQ(DatabaseColumnIndex("uid", q), 0);
  }
  EXPECT_EQ(DatabaseColumnIndex("titlefield", -1), -1);  // no current query any more
  std::set<std::string> keys;
  for (int i = 0; i < 200; ++i) {
    const std::string key = MakeRandomKey();
    ASSERT_EQ(key.size(), 30u);
    for (char ch : key) ASSERT_TRUE(ch >= 48 && ch <= 122) << int(ch);
    keys.insert(key);
  }
  EXPECT_EQ(keys.size(), 200u);
}

TEST(RecordHelpers, VersionTextsBelowTenOrEmptyAreRejected) {
  for (const char* v : {"10", "10.5", "11", " 10"}) EXPECT_TRUE(RecordVersionAccepted(v)) << v;
  for (const char* v : {"", "9", "9.99", "abc", "-10"}) EXPECT_FALSE(RecordVersionAccepted(v)) << v;
}

}  // namespace
