#include "analysis/calc/incident_retrieval.h"

#include <algorithm>
#include <unordered_map>

#include "analysis/calc/retrieval_query.h"
#include "shell/number_text.h"
#include "store/record_encoding.h"

namespace {

double Value(const RetrievedTable::Row& row, int column) { return StoredValue(row[std::size_t(column)]); }

bool IsIn(int t, std::initializer_list<int> types) {
  return std::find(types.begin(), types.end(), t) != types.end();
}

}  // namespace

const std::vector<const char*>& PassColumnNames() {
  static const std::vector<const char*> names = {
      "totalcostfield",         "rategroupfield",        "claimcostfield",        "absencetimefield",
      "absenceratefield",       "absenceshorttermfield", "modifiedtimefield",     "modifiedratefield",
      "modifiedshorttermfield", "absencelongtermfield",  "modifiedlongtermfield", "incidenttypefield"};
  return names;
}

PassFigures SumPass(const RetrievedTable& rows) {
  PassFigures f;
  for (const auto& row : rows) {
    ++f.count;
    f.totalCost += Value(row, kTotalCost);
    const double absenceWages = Value(row, kAbsenceTime) * Value(row, kAbsenceRate);
    const double modifiedWages = Value(row, kModifiedTime) * Value(row, kModifiedRate);
    f.shortTermWages += absenceWages * Value(row, kAbsenceShortTerm) * 0.01 +
                        modifiedWages * Value(row, kModifiedShortTerm) * 0.01;
    f.longTermWages += absenceWages * Value(row, kAbsenceLongTerm) * 0.01 +
                       modifiedWages * Value(row, kModifiedLongTerm) * 0.01;
    ++f.typeCount[std::size_t(IncidentTypeColumn(row[kIncidentType]))];
    f.absenceHours += Value(row, kAbsenceTime);
    f.modifiedHours += Value(row, kModifiedTime);
  }
  return f;
}

void AddPassClaims(IndustryCodeList& list, int pass, const RetrievedTable& rows,
                   std::vector<std::string>& seen) {
  const std::size_t field = std::size_t(kClaims1Field + pass);
  // The claims of a code are summed first and written once, so a long pass does not round at every row.
  struct Claims {
    std::size_t record;
    double sum = 0;
    int rows = 0;
    bool created = false;
  };
  std::unordered_map<std::string, std::size_t> byCode;  // code -> position in `claims`
  std::vector<Claims> claims;
  for (const auto& row : rows) {
    // Codes are kept without surrounding blanks, so " 4711" and "4711" share one record.
    const std::string code = TrimBlanks(row[kIndustryCode]);
    auto at = byCode.find(code);
    if (at == byCode.end()) {
      seen.push_back(code);
      const int found = FindIndustryCode(list, code);
      Claims c{found >= 0 ? std::size_t(found) : list.size()};
      if (found < 0) {
        IndustryCodeEntry e;
        e.s[kCodeField] = code;
        e.s[field] = row[kClaimCost];  // a code's first claim stands as stored
        list.push_back(std::move(e));
        c.created = true;
      } else {
        c.sum = StoredValue(list[c.record].s[field]);
      }
      at = byCode.emplace(code, claims.size()).first;
      claims.push_back(c);
      if (c.created) continue;
    }
    Claims& c = claims[at->second];
    if (c.created && c.rows == 0) c.sum = StoredValue(list[c.record].s[field]);
    c.sum += Value(row, kClaimCost);
    ++c.rows;
  }
  for (const Claims& c : claims)
    if (c.rows > 0) list[c.record].s[field] = FixedText(c.sum, 2);
}

void DropRecordsNotRetrieved(IndustryCodeList& list, const std::vector<std::string>& seen) {
  std::erase_if(list, [&](const IndustryCodeEntry& e) {
    return std::none_of(seen.begin(), seen.end(),
                        [&](const std::string& code) { return SameIndustryCode(e.s[kCodeField], code); });
  });
}

// ---- Potential Intervention ------------------------------------------------------------------------------

const std::vector<const char*>& PIColumnNames() {
  static const std::vector<const char*> names = {
      "totalcostfield",        "incidenttypefield",     "absencetimefield",     "absenceratefield",
      "absenceworkplacefield", "absenceshorttermfield", "absencelongtermfield", "modifiedtimefield",
      "modifiedratefield",     "modifiedvaluefield",    "rategroupfield",       "claimcostfield",
      "indirectcostfield"};
  return names;
}

namespace {

// The claim line of the code: its own line, else the first free one; -1 when all six hold other codes.
int ClaimLineOf(PIGridFigures& f, std::string_view storedCode) {
  const std::string code = TrimBlanks(storedCode);
  const std::string shown = code.empty() ? "[none]" : code;
  for (int l = 0; l < f.linesUsed; ++l)
    if (SameIndustryCode(f.lines[std::size_t(l)].code, shown)) return l;
  if (f.linesUsed == kClaimLines) return -1;
  f.lines[std::size_t(f.linesUsed)].code = code.empty() ? "[none]" : code + " ";
  return f.linesUsed++;
}

// Row 39 is a share of row 33, so the incidents' own shares are weighed by their wage value of modified
// work: row 33 x (1 - row 39 %) then equals the sum of each incident's own reduced value.
constexpr int kWeightedOutput = 0;  // row 0 of the sums holds the weighted shares

}  // namespace

PIGridFigures SumPIIncidents(const RetrievedTable& rows) {
  PIGridFigures f;
  for (const auto& row : rows) {
    const int t = IncidentTypeColumn(row[kPIType]);
    auto add = [&](int gridRow, double value) { f.sum[std::size_t(gridRow)][std::size_t(t)] += value; };
    f.reached[std::size_t(t)] = true;
    f.totalCost += Value(row, kPITotalCost);
    add(20, 1);
    const double absenceTime = Value(row, kPIAbsenceTime), wages = absenceTime * Value(row, kPIAbsenceRate);
    if (IsIn(t, {1, 3})) {
      add(21, absenceTime);
      add(23, wages);
      add(24, wages * Value(row, kPIAbsenceWorkplace) * 0.01);
      add(25, wages * Value(row, kPIAbsenceShortTerm) * 0.01);
      add(26, wages * Value(row, kPIAbsenceLongTerm) * 0.01);
    }
    if (IsIn(t, {1, 2, 3})) {
      const double modifiedTime = Value(row, kPIModifiedTime);
      const double modifiedWages = modifiedTime * Value(row, kPIModifiedRate);
      add(22, modifiedTime);
      add(33, modifiedWages);
      add(kWeightedOutput, modifiedWages * Value(row, kPIModifiedValue));
    }
    if (IsIn(t, {1, 2})) {
      const int line = ClaimLineOf(f, row[kPIIndustryCode]);
      if (line >= 0) {
        auto& l = f.lines[std::size_t(line)];
        l.amount[std::size_t(t)] += Value(row, kPIClaimCost);
        l.reached[std::size_t(t)] = true;
      } else {
        const std::string code = TrimBlanks(row[kPIIndustryCode]);
        if (std::find(f.leftOut.begin(), f.leftOut.end(), code) == f.leftOut.end()) f.leftOut.push_back(code);
      }
    }
    f.indirect[std::size_t(t)] += Value(row, kPIIndirectCost);
  }
  return f;
}

std::vector<PIGridText> PIGridTexts(const PIGridFigures& f) {
  std::vector<PIGridText> out;
  const auto whole = [](double v) { return AddThousandsSeparators(FixedText(v, 0)); };
  for (int t = 1; t <= 5; ++t) {
    if (!f.reached[std::size_t(t)]) continue;  // a column no incident reached stays empty
    const auto& sum = [&](int row) { return f.sum[std::size_t(row)][std::size_t(t)]; };
    const auto put = [&](int row, const std::string& text) { out.push_back({row, t, text}); };
    put(20, whole(sum(20)));
    if (IsIn(t, {1, 3}))
      for (int row : {21, 23, 24, 25, 26}) put(row, whole(sum(row)));
    if (IsIn(t, {1, 2, 3})) {
      put(22, whole(sum(22)));
      put(33, whole(sum(33)));
      put(39, whole(sum(33) != 0 ? sum(kWeightedOutput) / sum(33) : 0));
    }
    const double indirect = f.indirect[std::size_t(t)];
    if (IsIn(t, {1, 3}))
      put(35, sum(23) != 0 ? AddThousandsSeparators(FixedText(indirect / sum(23), 2)) : "0.00");
    else
      put(34, sum(20) != 0 ? whole(indirect / sum(20)) : "0");
  }
  for (int l = 0; l < f.linesUsed; ++l) {
    const auto& line = f.lines[std::size_t(l)];
    out.push_back({27 + l, 0, line.code});
    for (int t = 1; t <= 2; ++t)
      if (line.reached[std::size_t(t)]) out.push_back({27 + l, t, whole(line.amount[std::size_t(t)])});
  }
  return out;
}
