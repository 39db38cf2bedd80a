#include "store/record_command.h"

#include "platform/platform.h"
#include "store/store_globals.h"

RecordFileCommand::RecordFileCommand() : held_(RecordDatabase) {}

void ShowRecordFailure(const sql::Outcome& failure, const std::string& title) {
  // Within a command every read after the first that found the file held fails with its outcome.
  if (sql::FileHeld(failure) && RecordDatabase.HeldFailure() && !RecordDatabase.TakeHeldNotice()) return;
  pf::MessageRequester(title, failure.message, pf::Buttons::Ok);
}

void TryRecordFileAgain() { RecordDatabase.TryHeldFileAgain(); }
