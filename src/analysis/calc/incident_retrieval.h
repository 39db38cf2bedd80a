// Step 3's database approach: the stored incidents that match the period and the criteria lists fill the
// worksheet's incident figures. A query that fails shows the database's message and changes nothing.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "analysis/calc/industry_codes.h"
#include "analysis/calc/retrieval_query.h"

// What a run of the worksheet procedures came to. Failed: the query failed, its message has been shown and
// nothing changed; otherwise the worksheet shows what was found, or says that nothing was.
enum class RetrievalOutcome { Failed, NothingFound, Found };
RetrievalOutcome RetrieveIncidents(int kind);
void RetrieveIncidentsForBA();
void RetrieveIncidentsForCG();
void RetrieveIncidentsForPI();

// ---- Two-column analyses: one pass per column -------------------------------------------------------------
// The stored columns a pass reads, in this order.
enum PassColumn {
  kTotalCost,
  kIndustryCode,
  kClaimCost,
  kAbsenceTime,
  kAbsenceRate,
  kAbsenceShortTerm,
  kModifiedTime,
  kModifiedRate,
  kModifiedShortTerm,
  kAbsenceLongTerm,
  kModifiedLongTerm,
  kIncidentType,
  kPassColumns
};
const std::vector<const char*>& PassColumnNames();

// What one pass found, summed without rounding.
struct PassFigures {
  int count = 0;
  double totalCost = 0;
  std::array<int, 6> typeCount{};  // by type column 1-5
  double absenceHours = 0, modifiedHours = 0;
  double shortTermWages = 0, longTermWages = 0;  // paid by disability insurance
};
PassFigures SumPass(const RetrievedTable& rows);

// Adds the claim costs of a pass (0 first column, 1 second) to the records of their industry codes,
// appending a record for a code not listed yet; `seen` receives every code read.
void AddPassClaims(IndustryCodeList& list, int pass, const RetrievedTable& rows,
                   std::vector<std::string>& seen);
// Removes the records of codes that no retrieved incident carries.
void DropRecordsNotRetrieved(IndustryCodeList& list, const std::vector<std::string>& seen);

// ---- Potential Intervention: the existing situation's grid, by incident type
// -------------------------------
enum PIColumn {
  kPITotalCost,
  kPIType,
  kPIAbsenceTime,
  kPIAbsenceRate,
  kPIAbsenceWorkplace,
  kPIAbsenceShortTerm,
  kPIAbsenceLongTerm,
  kPIModifiedTime,
  kPIModifiedRate,
  kPIModifiedValue,
  kPIIndustryCode,
  kPIClaimCost,
  kPIIndirectCost,
  kPIColumns
};
const std::vector<const char*>& PIColumnNames();

inline constexpr int kClaimLines = 6;
struct PIClaimLine {
  std::string code;                // as the line shows it: the code and one blank, or "[none]"
  std::array<double, 3> amount{};  // by type column 1-2
  std::array<bool, 3> reached{};
};

struct PIGridFigures {
  double totalCost = 0;
  std::array<bool, 6> reached{};                // type columns that an incident reached
  std::array<std::array<double, 6>, 40> sum{};  // grid row x type column
  std::array<double, 6> indirect{};
  std::array<PIClaimLine, kClaimLines> lines;
  int linesUsed = 0;
  std::vector<std::string> leftOut;  // codes beyond the sixth claim line
};
// Sums the incidents in result order; the claim lines are taken by the codes in the order first met.
PIGridFigures SumPIIncidents(const RetrievedTable& rows);

// The grid texts of the figures: (row, type column or slot, text), rows 34, 35 and 39 included.
struct PIGridText {
  int row, slot;
  std::string text;
};
std::vector<PIGridText> PIGridTexts(const PIGridFigures& figures);
