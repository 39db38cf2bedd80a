// The record commands that every worksheet's footer carries (save, save as new, print, delete, and the
// two save buttons of the last step), and opening a stored record by typing its number into step 1.
// Written once for the five kinds (1 incident, 2-4 analyses, 5 summary).
#pragma once

#include <string>

void SaveRecordAsNew(int kind);
// Updates the stored record (or stores a new one for a record never stored); the incident and the summary
// then give the keyboard focus back to the field that had it.
void SaveCurrentRecord(int kind);
void PrintRecordReport(int kind);
// Saves, then shows a new blank record on step 1 (or on the start page when `toStartPage`); a failed save
// keeps the worksheet as it is.
void SaveAndStartAnother(int kind, bool toStartPage);
// Asks, then deletes the record shown and shows a blank one on the start page. Examples are refused; a
// failed delete keeps worksheet, flag and list.
void DeleteShownRecord(int kind);
// Opens the record whose number the user typed into step 1's number field (kinds 1-4), or shows
// "NOT FOUND" there for a second.
void OpenTypedRecordNumber(int kind);
// Shows a blank record of `kind` (its own question about unsaved changes included).
void StartNewRecord(int kind);

// What the number field shows for a record of `kind` whose hidden number is `uid`.
std::string RecordNumberCaption(int kind, const std::string& uid);
// Whether the number field's text asks for another record than the one shown.
bool AsksForAnotherRecord(int kind, const std::string& uid, const std::string& typed);
