// Industry-code records: the step-3 claim lines merged into one record per code, and the removal or hiding
// of codes that left the claim lines. Their stored text form is the store's (record_encoding.h).
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "shell/shell_globals.h"

using IndustryCodeList = std::vector<IndustryCodeEntry>;

// Fields of a record that mean something to the calculations.
enum IndustryField {
  kCodeField = 0,
  kYearField = 1,
  kClaims1Field = 2,
  kClaims2Field = 3,
  kLimitDataField = 6,
  kAverageRateField = 7,
  kRestatedRateField = 8,
  kPayrollField = 9,  // to 14: years Y down to Y-5
  kDirectClaimsField = 15,
  kLowerBoundField = 16,
  kUpperBoundField = 17,
  kLimitTextField = 18,
  kPremiumChangeField = 20,
  kComboIndexField = 22,
  kLoadMarkField = 23,
  kHiddenField = 24,  // hidden mark of the potential analysis; never stored
};

std::string TrimBlanks(std::string_view text);

// Codes are compared as exact texts without their surrounding blanks: " 4711 " names the record "4711",
// while "ab1" and "AB1" are two codes with two records.
bool SameIndustryCode(std::string_view a, std::string_view b);

// Position of the first record with the code, or -1.
int FindIndustryCode(const IndustryCodeList& list, std::string_view code);

// A record that takes part in the combo and the rate model (the potential analysis hides some).
inline bool IsVisibleRecord(const IndustryCodeEntry& e) { return e.s[kHiddenField].empty(); }

// One claim line of step 3: the code and the two claim costs, as typed.
struct ClaimLine {
  std::string code;
  std::string lostTime;
  std::string noLostTime;
};

struct ClaimMerge {
  std::vector<std::string> seen;  // codes of the claim lines, trimmed
  std::string claimCodes;         // every line's code, each after an ESC: tells whether the lines changed
};

// Rebuilds the claim sums of the list from the claim lines of both columns; unknown codes get a record.
// `potential`: a line with amounts but no code counts as seen, and a found record becomes visible.
ClaimMerge MergeClaimLines(IndustryCodeList& list, const std::array<std::vector<ClaimLine>, 2>& columns,
                           bool potential);

// Records whose code is not among `seen` are deleted; the potential analysis first hides them, marked with
// the approach they belong to, and deletes them when they are missing from that approach too.
void DropUnseenRecords(IndustryCodeList& list, const std::vector<std::string>& seen, bool potential,
                       int approachFlag);
