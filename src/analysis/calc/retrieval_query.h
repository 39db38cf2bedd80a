// The query over the stored incidents that fills step 3 of an analysis: the period and the criteria lists
// become SQL with every value bound as a parameter, and the rows come back as the texts of named columns.
#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
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

// Rows of texts, all held in one buffer. A retrieval keeps every row until the query has ended, and one
// allocation per row was the larger part of its time over many incidents.
class RetrievedTable {
 public:
  class Row {
   public:
    Row(const RetrievedTable& table, std::size_t row) : table_(&table), first_(row * table.columns_) {}
    std::string_view operator[](std::size_t column) const { return table_->Cell(first_ + column); }
    std::size_t size() const { return table_->columns_; }

   private:
    const RetrievedTable* table_;
    std::size_t first_;  // index of the row's first cell
  };
  class Iterator {
   public:
    Iterator(const RetrievedTable& table, std::size_t row) : table_(&table), row_(row) {}
    Row operator*() const { return Row(*table_, row_); }
    Iterator& operator++() { return ++row_, *this; }
    bool operator!=(const Iterator& other) const { return row_ != other.row_; }

   private:
    const RetrievedTable* table_;
    std::size_t row_;
  };

  RetrievedTable() = default;
  explicit RetrievedTable(std::size_t columns) : columns_(columns) {}
  // Rows written out cell by cell (short rows read "" in their missing columns).
  RetrievedTable(const std::vector<std::vector<std::string>>& rows);  // implicit on purpose
  RetrievedTable(std::initializer_list<std::vector<std::string>> rows)
      : RetrievedTable(std::vector<std::vector<std::string>>(rows)) {}

  // Appends the next cell; a row is complete after `columns` cells.
  // False, and nothing added, when the texts would outgrow what the table can address (4 GiB).
  bool AddCell(std::string_view text) {
    if (text.size() > kMaxText - text_.size()) return false;
    text_.append(text);
    ends_.push_back(std::uint32_t(text_.size()));
    return true;
  }
  std::size_t size() const { return columns_ ? ends_.size() / columns_ : 0; }
  bool empty() const { return size() == 0; }
  void clear() { text_.clear(), ends_.clear(); }
  Row operator[](std::size_t row) const { return Row(*this, row); }
  Iterator begin() const { return Iterator(*this, 0); }
  Iterator end() const { return Iterator(*this, size()); }

 private:
  std::string_view Cell(std::size_t index) const {
    const std::size_t from = index ? ends_[index - 1] : 0;
    return std::string_view(text_).substr(from, ends_[index] - from);
  }
  static constexpr std::size_t kMaxText = 0xffffffffu;
  std::size_t columns_ = 0;
  std::string text_;
  std::vector<std::uint32_t> ends_;  // where each cell's text ends in `text_`; 4 bytes keep the table small
};

// The rows of a query, each the texts of the asked columns in the asked order ("" for NULL or for a column
// the result lacks). `ok` false: the query failed and `message` is the database's own.
struct RetrievedRows {
  bool ok = true;
  int code = 0;  // the database's result code of a failure
  std::string message;
  RetrievedTable rows;
};
// Runs the query to its end before anything is shown, so a failure halfway changes nothing. A table that
// no incident was ever saved into lacks the named columns: that is no incidents, not a failure.
RetrievedRows RunRetrievalQuery(sql::Database& db, const RetrievalQuery& query,
                                const std::vector<const char*>& columns);

// The leading number of a stored text ("," ignored); 0 when it has none.
double StoredValue(std::string_view text);
