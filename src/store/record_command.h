// One command of the user on the record file: everything that one turn of the event loop runs (a click
// that opens a page and fills its lists, a footer command, a retrieval). Once a read finds the file held
// by another program, the rest of the command does not wait for it again and the user is told once.
#pragma once

#include <string>

#include "store/sqlite_db.h"

class RecordFileCommand {
 public:
  RecordFileCommand();

 private:
  sql::HeldFileScope held_;
};

// Shows a failure of the record file as the database words it, under the title given (none: the box has
// no title of its own). Within a command, a held file is reported once: the reads after the first one
// fail with the same message without having tried, and the box is the first failure's, with its title.
void ShowRecordFailure(const sql::Outcome& failure, const std::string& title = "");

// The user asked to try again: the command's next statement waits for the file once more.
void TryRecordFileAgain();
