#include <sys/stat.h>
#include <unistd.h>

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

struct OpenCase {
  const char* name;
  std::function<void()> prepare;
  bool ends;                 // start-up stops with a message
  const char* message;       // a text the box after the "Draft Version" notice holds ("" none shown)
  const char* companyShown;  // nullptr: the hint stays
  const char* versionAfter;  // dbversion of the record file after start-up
  const char* asideName;     // where the rejected file went (nullptr: nowhere)
};

class OpenDatabaseTest : public ProgramTest, public ::testing::WithParamInterface<OpenCase> {
 protected:
  void PrepareDirectory() override {
    startAnswers = {pf::Answer::Ok, pf::Answer::Ok, pf::Answer::Ok};
    GetParam().prepare();
    // The reference copy of whatever the test put there, to prove that what is kept is kept whole.
    for (const auto& f : {kFile, kLegacy})
      if (fs::exists(f)) before[f] = ReadWholeFile(f);
  }
  void TearDown() override {
    Locker().Close();
    ProgramTest::TearDown();
  }
  std::map<std::string, std::string> before;
};

const OpenCase kOpenCases[] = {
    {"NewFileInEmptyDirectory", [] {}, false, "", nullptr, "10", nullptr},
    {"LegacyFileTakenOver", [] { MakeRecordFile(kLegacy, "10", "Legacy Works"); }, false, "", "Legacy Works",
     "10", nullptr},
    {"BothPresentUsesTheCurrentOne",
     [] {
       MakeRecordFile(kFile, "10", "Current Works");
       MakeRecordFile(kLegacy, "10", "Legacy Works");
     },
     false, "", "Current Works", "10", nullptr},
    {"VersionElevenAndAHalfAccepted", [] { MakeRecordFile(kFile, "10.5", "Half"); }, false, "", "Half",
     "10.5", nullptr},
    {"VersionNineMovedAside", [] { MakeRecordFile(kFile, "9", "Old Works"); }, false,
     "It has been kept as \"H + S Quillmark data.dat.old\"", nullptr, "10", "H + S Quillmark data.dat.old"},
    {"EmptyVersionMovedAside", [] { MakeRecordFile(kFile, "", "Old Works"); }, false, "kept as", nullptr,
     "10", "H + S Quillmark data.dat.old"},
    {"NoStaticInfoMovedAside", [] { MakeRecordFile(kFile, nullptr); }, false, "kept as", nullptr, "10",
     "H + S Quillmark data.dat.old"},
    {"NotADatabaseMovedAsideBesideAnEarlierOne",
     [] {
       WriteWholeFile(kFile, std::string(4096, 'x'));
       WriteWholeFile(kFile + ".old", "an earlier rejected file");
     },
     false, "kept as \"H + S Quillmark data.dat.old-2\"", nullptr, "10", "H + S Quillmark data.dat.old-2"},
    {"ZeroLengthFileReplacedSilently", [] { WriteWholeFile(kFile, ""); }, false, "", nullptr, "10", nullptr},
    {"ReadOnlyDirectoryEndsStartUp",
     [] {
       ::chmod(".", 0555);
       DropToOrdinaryUser();
     },
     true, "Please avoid running the program from a CD or DVD. Program will now close.", nullptr, nullptr,
     nullptr},
    {"LockedFileEndsStartUpUntouched",
     [] {
       MakeRecordFile(kFile, "10", "Busy Works");
       ASSERT_TRUE(Locker().Open(kFile, false));
       ASSERT_TRUE(Locker().Execute("BEGIN EXCLUSIVE;"));
       RecordBusyTimeout = 100;
     },
     true, "database is locked", nullptr, "10", nullptr},
};

TEST_P(OpenDatabaseTest, OutcomeOfStartingFile) {
  ::setresuid(0, 0, 0);
  Locker().Close();
  const OpenCase& c = GetParam();
  auto log = pf::test::TakeMessageLog();
  ASSERT_GE(log.size(), 1u);
  EXPECT_EQ(log[0].title, "Draft Version");
  if (*c.message) {
    ASSERT_EQ(log.size(), 2u);
    EXPECT_NE(log[1].text.find(c.message), std::string::npos) << log[1].text;
    EXPECT_EQ(log[1].title, "");
  } else {
    EXPECT_EQ(log.size(), 1u) << log.back().text;
  }
  EXPECT_EQ(ExitRequested, c.ends);
  EXPECT_EQ(RecordDatabase.IsOpen(), !c.ends);
  if (c.ends) {
    // Nothing was touched: the file is as it was, or there still is none.
    if (before.count(kFile)) {
      EXPECT_EQ(ReadWholeFile(kFile), before[kFile]);
    } else {
      EXPECT_FALSE(fs::exists(kFile));
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
  if (c.asideName) {
    EXPECT_EQ(ReadWholeFile(c.asideName), before[kFile]);
    EXPECT_EQ(QueryText(kFile, "select companyname from staticinfo"), "");
  }
  // A legacy file is taken over only when there is no current file; otherwise it is left alone.
  if (before.count(kLegacy) && before.count(kFile)) {
    EXPECT_EQ(ReadWholeFile(kLegacy), before[kLegacy]);
  }
  if (before.count(kLegacy) && !before.count(kFile)) {
    EXPECT_FALSE(fs::exists(kLegacy));
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
  EXPECT_EQ(UpdateCompanyName(next), "");
  EXPECT_EQ(QueryText(kFile, "select companyname from staticinfo"), next);
  EXPECT_EQ(QueryText(kFile, "select count(*) from sqlite_master where name='StaticInfo'"), "1");
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
