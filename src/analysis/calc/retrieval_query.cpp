#include "analysis/calc/retrieval_query.h"

#include <algorithm>
#include <cstdio>
#include <string>

#include "shell/number_text.h"

namespace {

// Values no stored incident holds, so that the first term of each clause admits nothing by itself.
constexpr const char* kNoTotal = "ofgofdgfdgo";
constexpr const char* kNoCode = "-2";
constexpr const char* kNoText = "fdgdfggretredf";

bool IsMissingColumn(const std::string& message) {
  return message.find("no such column") != std::string::npos;
}

}  // namespace

RetrievedTable::RetrievedTable(const std::vector<std::vector<std::string>>& rows) {
  for (const auto& row : rows) columns_ = std::max(columns_, row.size());
  for (const auto& row : rows)
    for (std::size_t k = 0; k < columns_; ++k) AddCell(k < row.size() ? std::string_view(row[k]) : "");
}

RetrievalQuery BuildRetrievalQuery(std::string_view select, const std::string& start, const std::string& end,
                                   const std::vector<RetrievalCriterion>& lists, bool orderByCode) {
  RetrievalQuery q;
  q.sql = "select " + std::string(select) +
          " from incidents where totalcostfield <> ? and date(datefield) >= Date(?) and "
          "date(datefield) <= Date(?)";
  q.values = {kNoTotal, start, end};
  for (const RetrievalCriterion& list : lists) {
    if (list.lowest == 0) continue;  // the all-values entry is selected
    const std::string column = list.column;
    q.sql += " and (" + column + "=?";
    q.values.push_back(list.byText ? kNoText : kNoCode);
    for (const std::string& value : list.values) {
      q.sql += " or " + column + " = ?";
      q.values.push_back(value);
    }
    q.sql += ")";
  }
  if (orderByCode) q.sql += " order by rategroupfield";
  return q;
}

std::string RetrievalDateText(int year, int month, int day) {
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d", year, month, day);
  return text;
}

RetrievedRows RunRetrievalQuery(sql::Database& db, const RetrievalQuery& query,
                                const std::vector<const char*>& columns) {
  RetrievedRows out;
  out.rows = RetrievedTable(columns.size());
  sql::Statement st(db, query.sql);
  if (!st.Prepared()) {
    if (!IsMissingColumn(st.Failure().message))
      out.ok = false, out.code = st.Failure().code, out.message = st.Failure().message;
    return out;
  }
  for (std::size_t k = 0; k < query.values.size(); ++k) st.Bind(int(k + 1), query.values[k]);
  std::vector<int> at(columns.size(), -1);
  for (int c = 0; c < st.ColumnCount(); ++c)
    for (std::size_t k = 0; k < columns.size(); ++k)
      if (at[k] < 0 && st.ColumnName(c) == columns[k]) at[k] = c;
  for (;;) {
    const sql::Statement::Step step = st.Next();
    if (step == sql::Statement::Step::Done) return out;
    if (step == sql::Statement::Step::Error) {
      out.ok = false;
      out.code = st.Failure().code;
      out.message = st.Failure().message;
      out.rows.clear();
      return out;
    }
    for (std::size_t k = 0; k < columns.size(); ++k) {
      if (!out.rows.AddCell(at[k] >= 0 ? st.Text(at[k]) : std::string())) {
        out.ok = false;
        out.message = "The retrieved incidents are too many to hold in memory.";
        out.rows.clear();
        return out;
      }
    }
  }
}

double StoredValue(std::string_view text) {
  return text.find(',') == std::string_view::npos ? LeadingValue(text) : LeadingValue(TextNoCommas(text));
}
