// The record database file: opening or creating it at start-up, the company name kept in it, and the two
// helpers the saves, loads and lists share.
#pragma once

#include <string>

#include "store/sqlite_db.h"

inline constexpr const char* kRecordFileName = "H + S Quillmark data.dat";
inline constexpr const char* kLegacyRecordFileName = "BraskData.dat";

// Opens the record file in the current directory (taking over or creating it) and shows the stored
// company name. When the file cannot be used it tells the user why and sets `ExitRequested`, so start-up
// stops before the event loop.
void OpenRecordDatabase();

// Stores the company name, waiting for the file as every statement does; or only when the file is free
// at this instant.
sql::Outcome UpdateCompanyName(const std::string& name);
sql::Outcome UpdateCompanyNameIfFree(const std::string& name);

// A query whose result the callers read by column name. While it lives it is the current query, which
// DatabaseColumnIndex with connection -1 looks at.
class RecordQuery : public sql::Statement {
 public:
  RecordQuery(sql::Database& db, std::string_view sqlText);
  ~RecordQuery();
  RecordQuery(const RecordQuery&) = delete;
  RecordQuery& operator=(const RecordQuery&) = delete;
};

// The position of the first result column named exactly `name` (same case), or -1. With connection -1 the
// current query is asked.
int DatabaseColumnIndex(const std::string& name, int connection);
int DatabaseColumnIndex(const std::string& name, const sql::Statement& query);

// 30 characters drawn uniformly from the codes 48 to 122; the key by which a save finds the row it inserted.
std::string MakeRandomKey();

// What a record file's version query says about it.
enum class RecordFileVerdict {
  Usable,      // version 10 or above
  Foreign,     // not a database of this program, or an older one: to be moved aside
  Unreadable,  // locked, busy, no permission, I/O failure: not to be touched
};
RecordFileVerdict JudgeRecordFile(sql::Database& db, std::string& message);
// The version text's verdict: empty or below 10 is an older file.
bool RecordVersionAccepted(const std::string& version);
