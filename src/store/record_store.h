// The record store's operations on the five worksheets: saving, new records, loading, the lists of stored
// records, the unsaved-changes prompt and the banners that announce saves and deletions.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "store/record_database.h"

// Save the worksheet as shown: asNew 1 always inserts a row, 0 updates the stored record when there is one.
// True when the record is stored; on failure the database's message has been shown and the worksheet, its
// number and its modified flag are as they were.
bool SaveIncident(int asNew);
bool SaveBAAnalysis(int asNew);
bool SaveCGAnalysis(int asNew);
bool SavePIAnalysis(int asNew);
bool SaveMISummary(int asNew);
bool SaveRecord(int kind, int asNew);

// Refill a start page's list of stored records.
void FillIncidentList();
void FillBAAnalysisList();
void FillCGAnalysisList();
void FillPIAnalysisList();
void FillMISummaryList();
// Fills again each list of stored records, and each department and occupation choice, whose last fill
// missed because another program held the file, once it is on screen.
void RefillShownRecordLists();

// The step-1 department and occupation combos of the incident offer what stored incidents hold.
void FillIncidentSuggestions();

// Offers to save each modified kind (kind -1: all, in kind order); 1 when the user cancelled or a save
// failed, so the caller stops.
int AskSaveModified(int kind);
// The same question, telling a Cancel from a save that failed (whose message has been shown).
enum class PromptOutcome { Proceed, Cancelled, SaveFailed };
PromptOutcome AskAboutUnsavedChanges(int kind);

// The animated banner over a worksheet; returns when it has closed again.
void ShowIncidentSavedBanner(const std::string& text);
void ShowBASavedBanner(const std::string& text);
void ShowCGSavedBanner(const std::string& text);
void ShowPISavedBanner(const std::string& text);

// Blank records; each asks about unsaved changes of its kind first.
void NewIncident();
void NewBAAnalysis();
void NewCGAnalysis();
void NewPIAnalysis();
void NewMISummary();
// Loads a stored record (uid -1: the one of the selected row of the kind's list). False when nothing was
// loaded (cancelled at the prompt, or no such record).
bool LoadIncident(int uid);
bool LoadBAAnalysis(int uid);
bool LoadCGAnalysis(int uid);
bool LoadPIAnalysis(int uid);
bool LoadMISummary(int uid);

// A stored row as read: its record number and its other columns by name, in table order.
struct StoredRecord {
  std::int64_t uid = 0;
  std::vector<std::pair<std::string, std::string>> columns;
};
// Reads record `uid` of the kind; nothing when there is no such record or the read failed (the database's
// message has then been shown).
std::optional<StoredRecord> ReadStoredRecord(int kind, int uid);
// Puts a stored row into the kind's worksheet, recalculates it and clears its modified flag.
void PutStoredRecord(int kind, const StoredRecord& record);

// A record picked from the kind's start-page list (its number taken from the row when it was clicked):
// a blank record first, which asks about unsaved changes, then the stored one. After a Cancel the question
// is asked once more, and the record then goes over the worksheet as it stands. A record that cannot be
// read leaves the worksheet as it was.
void OpenStoredRecord(int kind, int uid);
// A built-in example picked from its list: the same questions, then `fillExample` over a blank record.
void OpenExampleRecord(int kind, const std::function<void()>& fillExample);
