// The stored text forms of a record: column names made of array positions, dates, the compound texts that
// hold an analysis's occupational groups and industry-code records, and their readers. Pure functions.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/platform.h"
#include "shell/shell_globals.h"

// A position in a gadget array: `count` indices (2 summary, 3 incident, 4 analyses).
struct CellIndex {
  int at[4] = {};
  int count = 0;
};

inline constexpr char kFieldEnd = 27;   // after every field of a compound text
inline constexpr char kRecordEnd = 13;  // after every record of a compound text

using LabourArray = BoundedArray<std::string, 10, 2, 10>;

// "field_8x2x1x2".
std::string StoredColumnName(const CellIndex& cell);
// The position a stored column names: the part after the first "_", split at "x", `count` parts (a missing
// part reads as 0). False for a name without "field_" or with a part that is not a plain decimal number.
bool ParseStoredColumnName(std::string_view name, int count, CellIndex& cell);

// "2012/2/5" (analyses) and "2012-02-05" (incident and summary).
std::string SlashDateText(const pf::Date& date);
std::string DashDateText(const pf::Date& date);
// Year, month and day of a stored date: the integer values of the texts around the first two separators.
pf::Date ParseStoredDate(std::string_view text, char separator);
// "March 3, 2011" for "2011-03-03"; the stored text itself when its month is not 1 to 12.
std::string StoredDateInWords(const std::string& text);

// The integer value of the text's leading digits (after blanks and a sign); 0 when there are none.
int StoredInteger(std::string_view text);

// The type column of a stored incident type code (1 lost-time work injury/illness, 2 no-lost-time work
// injury/illness, 3 general sickness absence, 4 near miss, 5 other). The code is read by its leading number
// as every stored number is ("" and "abc" read 0, "2.0" reads 2); 0 to 3 are their own types, every other
// value is other. The summary and every retrieval read it so, and so count an incident alike.
int IncidentTypeColumn(std::string_view storedType);

// A text that goes inside a compound value: its CR, LF and ESC become blanks, so the separators stay whole.
std::string CompoundSafe(std::string text);

// 11 records (groups 0-10): the group's name, then fields 1-10 of the first and second column.
std::string EncodeLabour(const LabourArray& labour);
// Puts the stored groups back without clearing the array first; what lies outside it is skipped.
void DecodeLabour(std::string_view text, LabourArray& labour);

// One record per entry, its fields s0 to s23, each ended by ESC, the record by CR. A record hidden by the
// potential analysis (a mark in s24, which is never stored) is left out: it would come back visible.
std::string EncodeIndustryCodes(const std::vector<IndustryCodeEntry>& list);
// The records of a stored list. A record is the text before a CR; its ESC-ended parts are s0 to s23 (a
// part without its ESC is no field, parts past the 24th are dropped, s23 is "yo" unless stored). Empty
// records are skipped and at most kMaxStoredIndustryCodes are read, so no stored text can make the load
// hold more than a screenful of records.
inline constexpr std::size_t kMaxStoredIndustryCodes = 1000;
std::vector<IndustryCodeEntry> DecodeIndustryCodes(std::string_view text);
