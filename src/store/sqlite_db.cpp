#include "store/sqlite_db.h"

#include <sqlite3.h>

#include <utility>

namespace sql {

namespace {

Outcome Failed(sqlite3* db, int code) {
  Outcome o;
  o.ok = false;
  o.code = code;
  o.message = db ? sqlite3_errmsg(db) : sqlite3_errstr(code);
  return o;
}

}  // namespace

bool FileHeld(const Outcome& o) {
  const int primary = o.code & 0xFF;
  return !o.ok && primary == SQLITE_BUSY;
}

Database::~Database() { Close(); }

Database::Database(Database&& other) noexcept { *this = std::move(other); }

Database& Database::operator=(Database&& other) noexcept {
  if (this != &other) {
    Close();
    handle_ = std::exchange(other.handle_, nullptr);
    // The connection keeps the wait it was given.
    busyMilliseconds_ = other.busyMilliseconds_;
    busyHandler_ = other.busyHandler_;
    busyContext_ = other.busyContext_;
  }
  return *this;
}

Outcome Database::Open(const std::string& path, bool create) {
  Close();
  int flags = SQLITE_OPEN_READWRITE | (create ? SQLITE_OPEN_CREATE : 0);
  sqlite3* db = nullptr;
  const int rc = sqlite3_open_v2(path.c_str(), &db, flags, nullptr);
  if (rc != SQLITE_OK) {
    Outcome o = Failed(db, rc);
    sqlite3_close(db);
    return o;
  }
  handle_ = db;
  sqlite3_extended_result_codes(handle_, 1);
  return {};
}

void Database::Close() {
  if (handle_) sqlite3_close_v2(handle_);
  handle_ = nullptr;
  held_.reset();
  // A connection opened next starts without waiting, as SQLite's own do.
  busyMilliseconds_ = 0;
  busyHandler_ = nullptr;
  busyContext_ = nullptr;
}

Outcome Database::Execute(const std::string& sqlText) {
  if (!handle_) return {false, SQLITE_MISUSE, "no database is open"};
  if (held_) return held_->failure;
  const int rc = sqlite3_exec(handle_, sqlText.c_str(), nullptr, nullptr, nullptr);
  return rc == SQLITE_OK ? Outcome{} : Note(Failed(handle_, rc));
}

Outcome Database::Note(Outcome failure) {
  if (heldScopes_ > 0 && noWaitScopes_ == 0 && !held_ && FileHeld(failure)) held_ = Held{failure};
  return failure;
}

bool Database::TakeHeldNotice() {
  if (!held_ || held_->noticed) return false;
  held_->noticed = true;
  return true;
}

Outcome Database::SetBusyTimeout(int milliseconds) {
  busyMilliseconds_ = milliseconds;
  busyHandler_ = nullptr;
  busyContext_ = nullptr;
  return ApplyBusyWait();
}

Outcome Database::SetBusyHandler(int (*handler)(void*, int), void* context) {
  busyHandler_ = handler;
  busyContext_ = context;
  return ApplyBusyWait();
}

Outcome Database::ApplyBusyWait() {
  if (!handle_) return {false, SQLITE_MISUSE, "no database is open"};
  const int rc = noWaitScopes_ > 0 ? sqlite3_busy_handler(handle_, nullptr, nullptr)
                 : busyHandler_    ? sqlite3_busy_handler(handle_, busyHandler_, busyContext_)
                                   : sqlite3_busy_timeout(handle_, busyMilliseconds_);
  return rc == SQLITE_OK ? Outcome{} : Failed(handle_, rc);
}

std::int64_t Database::LastInsertId() const { return handle_ ? sqlite3_last_insert_rowid(handle_) : 0; }
int Database::Changes() const { return handle_ ? sqlite3_changes(handle_) : 0; }
std::string Database::LastMessage() const {
  return handle_ ? sqlite3_errmsg(handle_) : "no database is open";
}
int Database::LastCode() const { return handle_ ? sqlite3_extended_errcode(handle_) : SQLITE_MISUSE; }

Statement::Statement(Database& db, std::string_view sqlText) : db_(db) {
  if (!db.Handle()) {
    failure_ = {false, SQLITE_MISUSE, "no database is open"};
    return;
  }
  if (db.held_) {
    failure_ = db.held_->failure;
    return;
  }
  const int rc = sqlite3_prepare_v2(db.Handle(), sqlText.data(), int(sqlText.size()), &stmt_, nullptr);
  if (rc != SQLITE_OK) {
    failure_ = db.Note(Failed(db.Handle(), rc));
    sqlite3_finalize(stmt_);
    stmt_ = nullptr;
  }
}

Statement::~Statement() { sqlite3_finalize(stmt_); }

Statement& Statement::Bind(int index, std::string_view text) {
  if (stmt_) sqlite3_bind_text64(stmt_, index, text.data(), text.size(), SQLITE_TRANSIENT, SQLITE_UTF8);
  return *this;
}

Statement& Statement::Bind(int index, std::int64_t value) {
  if (stmt_) sqlite3_bind_int64(stmt_, index, value);
  return *this;
}

Statement& Statement::Bind(int index, double value) {
  if (stmt_) sqlite3_bind_double(stmt_, index, value);
  return *this;
}

Statement& Statement::BindNull(int index) {
  if (stmt_) sqlite3_bind_null(stmt_, index);
  return *this;
}

Statement::Step Statement::Next() {
  if (!stmt_) return Step::Error;
  if (db_.held_) {
    failure_ = db_.held_->failure;
    return Step::Error;
  }
  const int rc = sqlite3_step(stmt_);
  if (rc == SQLITE_ROW) return Step::Row;
  if (rc == SQLITE_DONE) return Step::Done;
  failure_ = db_.Note(Failed(db_.Handle(), rc));
  return Step::Error;
}

Outcome Statement::Run() {
  if (!stmt_) return failure_;
  for (;;) {
    switch (Next()) {
      case Step::Row:
        continue;
      case Step::Done:
        return {};
      case Step::Error:
        return failure_;
    }
  }
}

void Statement::Reset() {
  if (!stmt_) return;
  sqlite3_reset(stmt_);
  sqlite3_clear_bindings(stmt_);
}

int Statement::ColumnCount() const { return stmt_ ? sqlite3_column_count(stmt_) : 0; }

std::string Statement::ColumnName(int index) const {
  const char* name = stmt_ ? sqlite3_column_name(stmt_, index) : nullptr;
  return name ? name : "";
}

std::string Statement::Text(int index) const {
  if (!stmt_) return {};
  const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, index));
  if (!text) return {};
  return std::string(text, std::size_t(sqlite3_column_bytes(stmt_, index)));
}

std::int64_t Statement::Integer(int index) const { return stmt_ ? sqlite3_column_int64(stmt_, index) : 0; }
double Statement::Real(int index) const { return stmt_ ? sqlite3_column_double(stmt_, index) : 0.0; }
bool Statement::IsNull(int index) const { return !stmt_ || sqlite3_column_type(stmt_, index) == SQLITE_NULL; }

Transaction::Transaction(Database& db) : db_(db) {
  started_ = db_.Execute("BEGIN;");
  open_ = started_.ok;
}

Transaction::~Transaction() {
  // Past the held-file check: what was begun is always rolled back, or the connection would keep the file.
  if (open_ && db_.Handle()) sqlite3_exec(db_.Handle(), "ROLLBACK;", nullptr, nullptr, nullptr);
}

Outcome Transaction::Commit() {
  if (!open_) return started_.ok ? Outcome{false, 21, "no transaction is open"} : started_;
  Outcome o = db_.Execute("COMMIT;");
  if (o.ok) open_ = false;
  return o;
}

HeldFileScope::HeldFileScope(Database& db) : db_(db) { ++db_.heldScopes_; }

HeldFileScope::~HeldFileScope() {
  if (--db_.heldScopes_ == 0) db_.held_.reset();
}

NoWaitScope::NoWaitScope(Database& db) : db_(db) {
  if (db_.noWaitScopes_++ == 0) db_.ApplyBusyWait();
}

NoWaitScope::~NoWaitScope() {
  if (--db_.noWaitScopes_ == 0) db_.ApplyBusyWait();
}

}  // namespace sql
