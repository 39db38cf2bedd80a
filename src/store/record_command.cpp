#include "store/record_command.h"

#include "shell/gadget_helpers.h"
#include "store/store_globals.h"

namespace {

int OpenCommands = 0;
bool HeldFileReported = false;

}  // namespace

RecordFileCommand::RecordFileCommand() : held_(RecordDatabase) { ++OpenCommands; }

RecordFileCommand::~RecordFileCommand() {
  if (--OpenCommands == 0) HeldFileReported = false;
}

void ShowRecordFailure(const sql::Outcome& failure) {
  if (OpenCommands > 0 && sql::FileHeld(failure)) {
    if (HeldFileReported) return;
    HeldFileReported = true;
  }
  ShowMessage(failure.message);
}
