// Helpers for the record store's tests: record files made to order, and reading rows back with SQL.
#pragma once

#include <fstream>
#include <iterator>
#include <string>

#include "store/sqlite_db.h"

// A record file of the given version text (nullptr: no StaticInfo table at all) and company name.
inline void MakeRecordFile(const std::string& path, const char* version, const std::string& company = "") {
  sql::Database db;
  ASSERT_TRUE(db.Open(path, true));
  if (!version) {
    ASSERT_TRUE(db.Execute("CREATE TABLE Other (x text);"));
    return;
  }
  ASSERT_TRUE(
      db.Execute("CREATE TABLE StaticInfo ( UID integer primary key, Companyname TEXT , HoursPerYear TEXT , "
                 "PayrollExpenses "
                 "TEXT , profitmargin TEXT, salesrevenue text,dbversion text );"
                 "CREATE TABLE Incidents ( UID integer primary key, field1 text, field2 text);"));
  sql::Statement row(db, "INSERT INTO StaticInfo (companyname, dbversion) VALUES (?1, ?2);");
  ASSERT_TRUE(row.Bind(1, company).Bind(2, std::string_view(version)).Run());
}

inline std::string ReadWholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteWholeFile(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

// The first column of the first row of a query on a file of its own connection; "<none>" without a row.
inline std::string QueryText(const std::string& path, const std::string& query) {
  sql::Database db;
  if (!db.Open(path, false)) return "<no file>";
  sql::Statement s(db, query);
  if (s.Next() != sql::Statement::Step::Row) return "<none>";
  return s.Text(0);
}
