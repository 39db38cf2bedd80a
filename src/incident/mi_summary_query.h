// The Multiple Incidents Summary's calculation over plain values: the query text for a period and
// criteria, the sums by incident type, and the figures the results grid shows.
#pragma once

#include <array>
#include <string>
#include <vector>

// One criteria list: its stored column, whether its items match by text (departments, occupations) or by
// code, the index of its lowest selected item (-1: none) and the values of the selected items from 1 on.
struct MICriterion {
  const char* column;
  bool byText;
  int state;
  std::vector<std::string> values;
};

// Query text with "?" for every value, and the values in order.
struct MIQuery {
  std::string sql;
  std::vector<std::string> values;
};
// `start` and `end` are "YYYY-MM-DD"; a list on its first (all-items) entry adds no clause.
MIQuery BuildMISummaryQuery(const std::string& start, const std::string& end,
                            const std::vector<MICriterion>& lists);

// The figures of one stored incident, read from its named columns.
struct MIIncident {
  std::string type;  // incidenttypefield as stored
  double absenceHours = 0, absenceRate = 0, shortTermShare = 0, longTermShare = 0, workplaceShare = 0;
  double claimCost = 0, indirect = 0, immediate = 0, investigation = 0, damage = 0, replacement = 0;
  double disability = 0, lostProductivity = 0, total = 0;
};
// The named columns that fill an MIIncident, in the order of its fields after `type`.
inline constexpr std::array<const char*, 15> kMIIncidentColumns = {
    "incidenttypefield",    "absencetimefield",          "absenceratefield", "absenceshorttermfield",
    "absencelongtermfield", "absenceworkplacefield",     "claimcostfield",   "indirectcostfield",
    "immediatecostfield",   "investigationcostfield",    "damagecostfield",  "replacementcostfield",
    "disabilitycostfield",  "lostproductivitycostfield", "totalcostfield"};
// Builds an incident from the texts of those columns (missing texts read 0; "," is ignored).
MIIncident MIIncidentFromTexts(const std::array<std::string, 15>& texts);

// Sums per results row (14-41) and type column (1-5).
struct MITotals {
  std::array<std::array<double, 6>, 46> sum{};
  void Add(const MIIncident& incident);
};

// Which type columns a results row shows on its first line and on its "Average per incident" line.
struct MIRowColumns {
  std::vector<int> first, average;
};
MIRowColumns MIResultColumns(int kind);
struct MICellText {
  int row, column;
  std::string text;
};
// Every shown figure: totals, averages, the all-types column and the three rates of rows 43-45.
std::vector<MICellText> MISummaryFigures(const MITotals& totals, double fteHours);
