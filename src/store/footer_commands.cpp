#include "store/footer_commands.h"

#include <cstdlib>

#include "reports/reports.h"
#include "shell/gadget_helpers.h"
#include "shell/page_globals.h"
#include "shell/page_switching.h"
#include "shell/shell_globals.h"
#include "shell/tab_bars.h"
#include "store/record_command.h"
#include "store/record_kinds.h"
#include "store/record_store.h"
#include "store/store_globals.h"

namespace {

// The printed reports of the four worksheets that have one; this is the one place that names them.
void PrintReportOfKind(int kind) {
  switch (kind) {
    case KindIncident:
      PrintIncidentReport();
      break;
    case KindBA:
      PrintBAReport();
      break;
    case KindCG:
      PrintCGReport();
      break;
    case KindPI:
      PrintPIReport();
      break;
    default:
      break;  // the summary has no report
  }
}

// What the footer commands of one kind need besides the store's description of the kind.
struct FooterKind {
  bool (*save)(int asNew);
  void (*newRecord)();
  bool (*load)(int uid);         // nullptr: no number field on step 1
  void (*selectTab)(int tab);    // the bar that holds the kind's steps and start page
  int stepOneTab, startTab;      // 0: none
  BoundedArray<int, 11>* pages;  // step 1 is pages(stepOnePage)
  int stepOnePage;
  const char* examplePlaceholder;
  const char* refusal;
  const char* confirmTitle;
  const char* confirmText;
  const char* newDeleted;
  const char* storedDeletedPrefix;  // + uid + " deleted."
  bool focusBackAfterSave;          // SAVE CURRENT returns the focus to the field that had it
};

FooterKind AnalysisFooter(bool (*save)(int), void (*newRecord)(), bool (*load)(int),
                          BoundedArray<int, 11>* pages) {
  return {save,
          newRecord,
          load,
          SelectThirdTab,
          8,
          9,
          pages,
          8,
          "EXAMPLE ANALYSIS",
          "Example analysis cannot be deleted.",
          "Delete Analysis",
          "Are you sure you want to permanently delete this analysis?",
          "New analysis deleted",
          "Analysis ",
          false};
}

const FooterKind& FooterKindOf(int kind) {
  static const FooterKind incident{SaveIncident,
                                   NewIncident,
                                   LoadIncident,
                                   SelectSecondTab,
                                   8,
                                   9,
                                   &IncidentPage,
                                   0,
                                   "EXAMPLE INCIDENT",
                                   "Example incident cannot be deleted.",
                                   "Delete Incident",
                                   "Are you sure you want to permanently delete this incident?",
                                   "New incident deleted",
                                   "Incident ",
                                   true};
  static const FooterKind ba = AnalysisFooter(SaveBAAnalysis, NewBAAnalysis, LoadBAAnalysis, &BAPage);
  static const FooterKind cg = AnalysisFooter(SaveCGAnalysis, NewCGAnalysis, LoadCGAnalysis, &CGPage);
  static const FooterKind pi = AnalysisFooter(SavePIAnalysis, NewPIAnalysis, LoadPIAnalysis, &PIPage);
  // The summary lives on the incident calculator: its start page is the calculator's.
  static const FooterKind summary{
      SaveMISummary,
      NewMISummary,
      nullptr,
      SelectSecondTab,
      0,
      9,
      nullptr,
      0,
      nullptr,
      "Example summary cannot be deleted.",
      "Delete Incident Summary",
      "Are you sure you want to permanently delete this multiple incident summary?",
      "New summary deleted",
      "Summary ",
      true};
  switch (kind) {
    case KindBA:
      return ba;
    case KindCG:
      return cg;
    case KindPI:
      return pi;
    case KindMISummary:
      return summary;
    default:
      return incident;
  }
}

// The "* Successfully loaded *" note beside the number field.
int LoadedNote(int kind) {
  return kind == KindIncident ? IncidentGadget(0, 2, 3) : RecordKindOf(kind).control(Cell(8, 1, 2, 1, 4));
}

constexpr const char* kExampleUid = "\n";  // what the hidden number holds for a built-in example

std::string Trimmed(const std::string& s) {
  const auto first = s.find_first_not_of(" \t");
  if (first == std::string::npos) return {};
  return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

long LeadingWholeNumber(const std::string& s) { return std::strtol(s.c_str(), nullptr, 10); }

int UidField(int kind) {
  const RecordKind& k = RecordKindOf(kind);
  return k.control(k.uidCell);
}

int NumberField(int kind) {
  const RecordKind& k = RecordKindOf(kind);
  return k.control(k.numberCell);
}

// A record that was never stored: nothing in the database to update or delete.
bool NeverStored(const std::string& uid) { return uid.empty() || uid == "0"; }

void ShowStartPage(const FooterKind& f) {
  f.selectTab(f.startTab);
  ShowPage(-1, -1, -1);
}

}  // namespace

std::string RecordNumberCaption(int kind, const std::string& uid) {
  const FooterKind& f = FooterKindOf(kind);
  if (uid.empty()) return RecordKindOf(kind).newPlaceholder;
  if (uid == kExampleUid) return f.examplePlaceholder ? f.examplePlaceholder : "";
  return uid;
}

bool AsksForAnotherRecord(int kind, const std::string& uid, const std::string& typed) {
  if (uid.empty()) return typed != RecordKindOf(kind).newPlaceholder;
  if (uid == kExampleUid) return typed != RecordNumberCaption(kind, uid);
  return LeadingWholeNumber(uid) > 0 && Trimmed(uid) != Trimmed(typed);
}

void SaveRecordAsNew(int kind) { FooterKindOf(kind).save(1); }

void SaveCurrentRecord(int kind) {
  const FooterKind& f = FooterKindOf(kind);
  if (!f.focusBackAfterSave) {
    // The analyses' save itself stores a record never stored as a new one.
    f.save(0);
    return;
  }
  const std::string uid = pf::GetGadgetText(UidField(kind));
  f.save(uid.empty() || uid == kExampleUid ? 1 : 0);
  pf::SetActiveGadget(LastFocusedField);
}

void PrintRecordReport(int kind) { PrintReportOfKind(kind); }

void SaveAndStartAnother(int kind, bool toStartPage) {
  const FooterKind& f = FooterKindOf(kind);
  // A failed save has told the user why and kept the changes: starting another record would lose them.
  if (!f.save(0)) return;
  pf::Delay(1000);
  // The save has brought the list up to date already; reading it again would only repeat a read error.
  f.newRecord();
  f.selectTab(toStartPage ? f.startTab : f.stepOneTab);
  ShowPage(-1, -1, -1);
  if (toStartPage && kind == KindIncident) pf::RepaintGadget(IncidentMenuPage);
}

void DeleteShownRecord(int kind) {
  const FooterKind& f = FooterKindOf(kind);
  const RecordKind& k = RecordKindOf(kind);
  const std::string uid = pf::GetGadgetText(UidField(kind));
  if (uid == kExampleUid) {
    ShowMessage(f.refusal);
    return;
  }
  if (pf::MessageRequester(f.confirmTitle, f.confirmText, pf::Buttons::YesNo) != pf::Answer::Yes) return;
  const bool stored = !NeverStored(uid);
  if (stored) {
    sql::Statement del(RecordDatabase, std::string("delete from ") + k.table + " where UID=?1");
    del.Bind(1, uid);
    // The record is still there: the worksheet, its flag and the list stay as they are.
    if (const sql::Outcome o = del.Prepared() ? del.Run() : del.Failure(); !o) {
      ShowRecordFailure(o);
      return;
    }
  }
  k.showBanner(stored ? f.storedDeletedPrefix + uid + " deleted." : f.newDeleted);
  pf::Delay(1000);
  // Cleared first, so the blank record that follows does not ask about the edits of the one just deleted.
  ModifiedFlags(kind) = 0;
  f.newRecord();
  if (stored) k.fillList();
  ShowStartPage(f);
  if (stored) pf::RepaintWindow(pf::kMainWindow);
}

void OpenTypedRecordNumber(int kind) {
  const FooterKind& f = FooterKindOf(kind);
  if (!f.load) return;
  const int field = NumberField(kind);
  const std::string uid = pf::GetGadgetText(UidField(kind));
  const std::string typed = pf::GetGadgetText(field);
  if (!AsksForAnotherRecord(kind, uid, typed)) return;
  // What the field shows again when nothing is opened; the program's own writes are no edit of the record.
  auto putBack = [&] {
    pf::FillScope fill;
    pf::SetGadgetText(field, RecordNumberCaption(kind, uid));
  };
  std::int64_t found = 0;
  {
    sql::Statement q(RecordDatabase,
                     std::string("select UID from ") + RecordKindOf(kind).table + " where UID=?1");
    q.Bind(1, Trimmed(typed));
    const sql::Statement::Step step = q.Next();
    if (step == sql::Statement::Step::Row) found = q.Integer(0);
    // A file that cannot be read is no answer to the number: say why, and show the record as it was.
    if (step == sql::Statement::Step::Error) {
      ShowRecordFailure(q.Failure());
      return putBack();
    }
  }
  if (found > 0 && found <= 0x7fffffff) {
    // Cancelled at the unsaved-changes question: the record shown stays, and so does its number.
    if (!f.load(int(found))) return putBack();
    pf::HideGadget(LoadedNote(kind), false);
    return;
  }
  {
    pf::FillScope fill;
    pf::SetGadgetText(field, "NOT FOUND");
  }
  pf::SetActiveGadget(field);
  pf::RepaintGadget((*f.pages)(f.stepOnePage));
  pf::Delay(1000);
  putBack();
}

void StartNewRecord(int kind) { FooterKindOf(kind).newRecord(); }
