#include "store/record_command.h"

#include "shell/gadget_helpers.h"
#include "store/store_globals.h"

RecordFileCommand::RecordFileCommand() : held_(RecordDatabase) {}

void ShowRecordFailure(const sql::Outcome& failure) {
  // Within a command every read after the first that found the file held fails with its outcome.
  if (sql::FileHeld(failure) && RecordDatabase.HeldFailure() && !RecordDatabase.TakeHeldNotice()) return;
  ShowMessage(failure.message);
}

void TryRecordFileAgain() { RecordDatabase.TryHeldFileAgain(); }
