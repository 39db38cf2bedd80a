#include <gtest/gtest.h>
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

}  // namespace
