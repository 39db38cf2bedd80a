#include <gtest/gtest.h>
#include <sqlite3.h>
#include <unistd.h>

#include <filesystem>

#include "store/sqlite_db.h"

namespace {

class SqliteTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(db.Open(":memory:", true)); }
  sql::Database db;
};

TEST_F(SqliteTest, BoundTextRoundTripsQuotesSemicolonsAndNulBytes) {
  ASSERT_TRUE(db.Execute("CREATE TABLE t (v TEXT);"));
  const std::string awkward = std::string("it's; DROP TABLE t; --\xC3\xA9") + '\0' + "tail";
  sql::Statement insert(db, "INSERT INTO t (v) VALUES (?1);");
  ASSERT_TRUE(insert.Bind(1, awkward).Run());
  sql::Statement read(db, "SELECT v FROM t;");
  ASSERT_EQ(read.Next(), sql::Statement::Step::Row);
  EXPECT_EQ(read.Text(0), awkward);
  EXPECT_EQ(read.Next(), sql::Statement::Step::Done);
}

TEST_F(SqliteTest, AFaultyStatementCarriesTheDatabasesMessage) {
  sql::Statement bad(db, "SELECT x FROM nowhere;");
  EXPECT_FALSE(bad.Prepared());
  EXPECT_NE(bad.Failure().message.find("no such table"), std::string::npos) << bad.Failure().message;
  EXPECT_FALSE(bad.Run());
}

TEST_F(SqliteTest, TransactionRollsBackUnlessCommitted) {
  ASSERT_TRUE(db.Execute("CREATE TABLE t (v INTEGER);"));
  {
    sql::Transaction tx(db);
    ASSERT_TRUE(tx.Started());
    ASSERT_TRUE(db.Execute("INSERT INTO t VALUES (1);"));
  }
  {
    sql::Transaction tx(db);
    ASSERT_TRUE(db.Execute("INSERT INTO t VALUES (2);"));
    ASSERT_TRUE(tx.Commit());
  }
  sql::Statement read(db, "SELECT group_concat(v) FROM t;");
  ASSERT_EQ(read.Next(), sql::Statement::Step::Row);
  EXPECT_EQ(read.Text(0), "2");
}

TEST(SqliteOpen, MissingFileIsNotCreatedUnlessAsked) {
  const auto dir = std::filesystem::temp_directory_path() / ("qm_sqlite_" + std::to_string(::getpid()));
  std::filesystem::create_directories(dir);
  const auto path = (dir / "absent.dat").string();
  sql::Database db;
  EXPECT_FALSE(db.Open(path, false));
  EXPECT_FALSE(db.IsOpen());
  EXPECT_FALSE(std::filesystem::exists(path));
  EXPECT_TRUE(db.Open(path, true));
  db.Close();
  std::filesystem::remove_all(dir);
}

// Two connections to one file in a folder of the test's own.
class HeldFileScopeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = std::filesystem::temp_directory_path() / ("qm_held_" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    const std::string path = (dir / "records.dat").string();
    ASSERT_TRUE(db.Open(path, true));
    ASSERT_TRUE(db.Execute("CREATE TABLE t (v INTEGER); INSERT INTO t VALUES (1);"));
    ASSERT_TRUE(other.Open(path, false));
    // Each wait begins with attempt 0; giving up at once stands for the time-out.
    db.SetBusyHandler(
        [](void* waits, int attempt) {
          if (attempt == 0) ++*static_cast<int*>(waits);
          return 0;
        },
        &waits);
  }
  void TearDown() override {
    other.Close();
    db.Close();
    std::filesystem::remove_all(dir);
  }

  // The first step of a read; `last` keeps its failure.
  sql::Statement::Step Read() {
    sql::Statement read(db, "SELECT v FROM t;");
    const sql::Statement::Step step = read.Next();
    last = step == sql::Statement::Step::Error ? read.Failure() : sql::Outcome{};
    return step;
  }

  std::filesystem::path dir;
  sql::Database db, other;
  int waits = 0;
  sql::Outcome last;
};

TEST_F(HeldFileScopeTest, WithinAScopeAHeldFileIsWaitedForOnce) {
  ASSERT_TRUE(other.Execute("BEGIN EXCLUSIVE;"));
  {
    sql::HeldFileScope scope(db);
    Read();
    EXPECT_TRUE(sql::FileHeld(last));
    EXPECT_EQ(last.message, "database is locked");
    Read();
    EXPECT_EQ(last.message, "database is locked");
    sql::Statement count(db, "SELECT count(*) FROM t;");
    EXPECT_FALSE(count.Prepared());
    EXPECT_EQ(count.Failure().message, "database is locked");
    EXPECT_EQ(db.Execute("INSERT INTO t VALUES (2);").message, "database is locked");
    EXPECT_EQ(waits, 1);
  }
  // Outside a scope each read tries on its own.
  Read();
  Read();
  EXPECT_EQ(waits, 3);
  ASSERT_TRUE(other.Execute("COMMIT;"));
  sql::HeldFileScope scope(db);
  EXPECT_EQ(Read(), sql::Statement::Step::Row);
}

// A table the connection's own unfinished read keeps locked is a conflict inside the program: it neither
// counts as a held file nor stops the statements after it.
TEST_F(HeldFileScopeTest, AConflictOnTheOwnConnectionIsNoHeldFile) {
  sql::HeldFileScope scope(db);
  sql::Statement reading(db, "SELECT v FROM t;");
  ASSERT_EQ(reading.Next(), sql::Statement::Step::Row);
  const sql::Outcome drop = db.Execute("DROP TABLE t;");
  ASSERT_EQ(drop.code & 0xFF, SQLITE_LOCKED) << drop.message;
  EXPECT_FALSE(sql::FileHeld(drop));
  EXPECT_EQ(db.HeldFailure(), nullptr);
  EXPECT_EQ(Read(), sql::Statement::Step::Row);
  EXPECT_EQ(waits, 0);
}

// A try that does not wait fails at once on a held file without ending the scope's use of the
// connection, and the wait comes back after it.
TEST_F(HeldFileScopeTest, ATryWithoutWaitingLeavesTheScopeFree) {
  ASSERT_TRUE(other.Execute("BEGIN EXCLUSIVE;"));
  sql::HeldFileScope scope(db);
  {
    const sql::NoWaitScope noWait(db);
    EXPECT_EQ(Read(), sql::Statement::Step::Error);
    EXPECT_TRUE(sql::FileHeld(last));
  }
  EXPECT_EQ(waits, 0);
  EXPECT_EQ(db.HeldFailure(), nullptr);
  EXPECT_EQ(Read(), sql::Statement::Step::Error);
  EXPECT_EQ(waits, 1);
  // Asked to try again, the scope waits once more.
  ASSERT_NE(db.HeldFailure(), nullptr);
  db.TryHeldFileAgain();
  ASSERT_TRUE(other.Execute("COMMIT;"));
  EXPECT_EQ(Read(), sql::Statement::Step::Row);
}

// A transaction that met the held file still gives the file back: the other connection can then commit.
TEST_F(HeldFileScopeTest, ATransactionThatMetAHeldFileIsRolledBack) {
  ASSERT_TRUE(other.Execute("BEGIN IMMEDIATE; INSERT INTO t VALUES (3);"));
  {
    sql::HeldFileScope scope(db);
    sql::Transaction tx(db);
    ASSERT_TRUE(tx.Started());
    ASSERT_EQ(Read(), sql::Statement::Step::Row);  // the read lock taken
    EXPECT_TRUE(sql::FileHeld(db.Execute("INSERT INTO t VALUES (2);")));
    EXPECT_FALSE(tx.Commit());
  }
  EXPECT_TRUE(other.Execute("COMMIT;"));
  sql::Statement sum(db, "SELECT group_concat(v) FROM t;");
  ASSERT_EQ(sum.Next(), sql::Statement::Step::Row);
  EXPECT_EQ(sum.Text(0), "1,3");
}

}  // namespace
