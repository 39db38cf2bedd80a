// A thin RAII layer over the SQLite C library: one connection, prepared statements with bound values, and a
// transaction guard that rolls back unless committed. Failures come back as the database's own message, so
// the procedures above can show it to the user as it stands.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

namespace sql {

// What an operation did: ok, or the database's message (and its result code).
struct Outcome {
  bool ok = true;
  int code = 0;
  std::string message;
  explicit operator bool() const { return ok; }
};

// Whether the failure came from another connection holding the file (busy). A table locked by the
// connection's own unfinished statement is a conflict inside the program, not a held file.
bool FileHeld(const Outcome& o);

class Database {
 public:
  Database() = default;
  ~Database();
  Database(const Database&) = delete;
  Database& operator=(const Database&) = delete;
  Database(Database&& other) noexcept;
  Database& operator=(Database&& other) noexcept;

  // Opens an existing file read/write, or creates it when `create` is set. A failed open leaves it closed.
  Outcome Open(const std::string& path, bool create);
  void Close();
  bool IsOpen() const { return handle_ != nullptr; }
  sqlite3* Handle() const { return handle_; }

  // Runs constant SQL text (schema batches); never used with values from the user.
  Outcome Execute(const std::string& sqlText);
  // How a statement waits for a file another connection holds: up to a time, or by a handler of the
  // caller's (a test's). Either is kept, so a NoWaitScope can put it back.
  Outcome SetBusyTimeout(int milliseconds);
  Outcome SetBusyHandler(int (*handler)(void*, int), void* context);
  std::int64_t LastInsertId() const;
  int Changes() const;
  std::string LastMessage() const;
  int LastCode() const;

  // The failure that ended the open held-file scope's use of the connection, or nullptr.
  const Outcome* HeldFailure() const { return held_ ? &held_->failure : nullptr; }
  // True the first time it is asked about the held failure of the open scope, so whoever tells the user
  // about it does so once; false when there is none.
  bool TakeHeldNotice();
  // The user asked to try again: the next statement of the open scope waits for the file once more.
  void TryHeldFileAgain() { held_.reset(); }

 private:
  friend class Statement;
  friend class HeldFileScope;
  friend class NoWaitScope;
  // Passes a failure on, keeping it first when it is the file held while a scope is open.
  Outcome Note(Outcome failure);
  Outcome ApplyBusyWait();

  struct Held {
    Outcome failure;
    bool noticed = false;
  };
  sqlite3* handle_ = nullptr;
  int heldScopes_ = 0;
  int noWaitScopes_ = 0;
  std::optional<Held> held_;
  int busyMilliseconds_ = 0;
  int (*busyHandler_)(void*, int) = nullptr;
  void* busyContext_ = nullptr;
};

// While a scope is open on a connection, the first statement that finds the file held by another
// connection (busy, once the busy time-out has passed) is the last one that tries: every later
// statement and Execute on the connection fails at once with the same outcome. A command that reads
// several things so waits for the file once. Scopes nest; the outermost one's end lets the connection try
// again.
class HeldFileScope {
 public:
  explicit HeldFileScope(Database& db);
  ~HeldFileScope();
  HeldFileScope(const HeldFileScope&) = delete;
  HeldFileScope& operator=(const HeldFileScope&) = delete;

 private:
  Database& db_;
};

// While it lives, statements on the connection do not wait for a held file: they fail at once. Such a
// failure says only that the file was taken at that instant, so it does not end a held-file scope's use
// of the connection.
class NoWaitScope {
 public:
  explicit NoWaitScope(Database& db);
  ~NoWaitScope();
  NoWaitScope(const NoWaitScope&) = delete;
  NoWaitScope& operator=(const NoWaitScope&) = delete;

 private:
  Database& db_;
};

class Statement {
 public:
  enum class Step { Row, Done, Error };

  Statement(Database& db, std::string_view sqlText);
  ~Statement();
  Statement(const Statement&) = delete;
  Statement& operator=(const Statement&) = delete;

  // Whether the text compiled; when not, `Failure()` has the database's message.
  bool Prepared() const { return stmt_ != nullptr; }
  const Outcome& Failure() const { return failure_; }

  // Parameters count from 1, as in the library.
  Statement& Bind(int index, std::string_view text);
  Statement& Bind(int index, std::int64_t value);
  Statement& Bind(int index, double value);
  Statement& BindNull(int index);

  Step Next();
  // Steps to the end; ok when every step succeeded.
  Outcome Run();
  void Reset();

  int ColumnCount() const;
  std::string ColumnName(int index) const;
  std::string Text(int index) const;  // NULL reads as ""
  std::int64_t Integer(int index) const;
  double Real(int index) const;
  bool IsNull(int index) const;

 private:
  Database& db_;
  sqlite3_stmt* stmt_ = nullptr;
  Outcome failure_;
};

// Begins on construction; rolls back on destruction unless Commit() succeeded.
class Transaction {
 public:
  explicit Transaction(Database& db);
  ~Transaction();
  Transaction(const Transaction&) = delete;
  Transaction& operator=(const Transaction&) = delete;

  const Outcome& Started() const { return started_; }
  Outcome Commit();

 private:
  Database& db_;
  Outcome started_;
  bool open_ = false;
};

}  // namespace sql
