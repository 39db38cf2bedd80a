#include "shell/company_name.h"

#include "shell/gadget_helpers.h"
#include "shell/services.h"
#include "shell/shell_globals.h"
#include "store/record_command.h"

namespace {

std::string FieldName() { return pf::GetGadgetText(CompanyNameField); }

// The box that tells of a workplace name the file did not take has a title of its own, so that it is
// not taken for a failure of the record the user works on.
constexpr char kNameNotStoredTitle[] = "nope";

}  // namespace

void StoreCompanyName() {
  const sql::Outcome o = UpdateCompanyName(FieldName());
  CompanyNameUnstored = o ? 0 : 1;
  if (!o) ShowRecordFailure(o, kNameNotStoredTitle);
}

void RetryUnstoredCompanyName() {
  // While the user is in the field its text is not settled; leaving it stores it anyway.
  if (CompanyNameUnstored == 0 || pf::GetActiveGadget() == CompanyNameField) return;
  // The user was told when it failed; each try costs no wait, so a file still held freezes nothing.
  if (UpdateCompanyNameIfFree(FieldName())) CompanyNameUnstored = 0;
}

bool CompanyNameStoredBeforeExit() {
  // Closing the window does not take the focus out of the field, so what was typed there would be lost.
  if (pf::GetActiveGadget() == CompanyNameField) {
    CompanyNameSavePending = 0;
    CompanyNameUnstored = 1;
  }
  while (CompanyNameUnstored == 1) {
    const sql::Outcome o = UpdateCompanyName(FieldName());
    if (o) {
      CompanyNameUnstored = 0;
      break;
    }
    const pf::Answer answer =
        pf::MessageRequester("Workplace name not stored",
                             "The workplace name \"" + FieldName() + "\" could not be stored: " + o.message +
                                 ".\n\nYes tries again, No closes the program without it, Cancel keeps the "
                                 "program open.",
                             pf::Buttons::YesNoCancel);
    if (answer == pf::Answer::No) return true;
    if (answer != pf::Answer::Yes) return false;
    TryRecordFileAgain();
  }
  return true;
}
