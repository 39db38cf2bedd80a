// The query over the stored incidents that fills step 3 of an analysis: the period and the criteria lists
// become SQL with every value bound as a parameter, and the rows come back as the texts of named columns.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "store/sqlite_db.h"

// One criteria list: its stored column, whether its items match by text (departments, occupations) or by
// code, its lowest selected item (-1: none) and the values of the selected items after the first.
struct RetrievalCriterion {
  const char* column;
  bool byText;
  int lowest = -1;
  std::vector<std::string> values;
};

// Query text with "?" for every value, and the values in order.
struct RetrievalQuery {
  std::string sql;
  std::vector<std::string> values;
};

// `select` is the column list ("*" or named columns); `start` and `end` are "YYYY-MM-DD", both included.
// A list whose all-values entry (item 0) is selected adds no clause; a list with nothing selected admits
// nothing. `orderByCode` sorts the rows by industry code.
RetrievalQuery BuildRetrievalQuery(std::string_view select, const std::string& start, const std::string& end,
                                   const std::vector<RetrievalCriterion>& lists, bool orderByCode);

// "2009-01-05".
std::string RetrievalDateText(int year, int month, int day);

// The rows of a query, each the texts of the asked columns in the asked order ("" for NULL or for a column
// the result lacks). `ok` false: the query failed and `message` is the database's own.
struct RetrievedRows {
  bool ok = true;
  std::string message;
  std::vector<std::vector<std::string>> rows;
};
// Runs the query to its end before anything is shown, so a failure halfway changes nothing. A table that
// no incident was ever saved into lacks the named columns: that is no incidents, not a failure.
RetrievedRows RunRetrievalQuery(sql::Database& db, const RetrievalQuery& query,
                                const std::vector<const char*>& columns);

// The type column (1 lost-time, 2 no-lost-time, 3 general sickness absence, 4 near miss, 5 other) of a
// stored incident type code: codes 0 to 3 are their own types, anything else (99, empty, unreadable) other.
int IncidentTypeColumn(std::string_view storedType);

// The leading number of a stored text ("," ignored); 0 when it has none.
double StoredValue(std::string_view text);
