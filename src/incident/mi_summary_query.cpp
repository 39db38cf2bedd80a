#include "incident/mi_summary_query.h"

#include "incident/incident_cost_model.h"
#include "incident/mi_summary_rows.h"
#include "shell/number_text.h"
#include "store/record_encoding.h"

namespace {

// A value that no stored incident holds, so that the first term of each clause admits nothing by itself.
constexpr const char* kNoTotal = "ofgofdgfdgo";
constexpr const char* kNoCode = "-2";
constexpr const char* kNoText = "fdgdfggretredf";

std::string Whole(double value) { return AddThousandsSeparators(FixedText(value, 0)); }

double Ratio(double numerator, double denominator) { return denominator != 0 ? numerator / denominator : 0; }

}  // namespace

MIQuery BuildMISummaryQuery(const std::string& start, const std::string& end,
                            const std::vector<MICriterion>& lists) {
  MIQuery q;
  q.sql =
      "select * from incidents where totalcostfield <> ? and date(datefield) >= Date(?) and "
      "date(datefield) <= Date(?)";
  q.values = {kNoTotal, start, end};
  for (const MICriterion& list : lists) {
    if (list.state == 0) continue;  // the all-items entry is selected
    const std::string column = list.column;
    q.sql += " and (" + column + "=?";
    q.values.push_back(list.byText ? kNoText : kNoCode);
    for (const std::string& value : list.values) {
      q.sql += " or " + column + " = ?";
      q.values.push_back(value);
    }
    q.sql += ")";
  }
  return q;
}

MIIncident MIIncidentFromTexts(const std::array<std::string, 15>& t) {
  MIIncident i;
  i.type = t[0];
  double* const fields[] = {&i.absenceHours,     &i.absenceRate, &i.shortTermShare, &i.longTermShare,
                            &i.workplaceShare,   &i.claimCost,   &i.indirect,       &i.immediate,
                            &i.investigation,    &i.damage,      &i.replacement,    &i.disability,
                            &i.lostProductivity, &i.total};
  for (std::size_t k = 0; k < std::size(fields); ++k) *fields[k] = IncidentValue(t[k + 1]);
  return i;
}

void MITotals::Add(const MIIncident& i) {
  const int t = IncidentTypeColumn(i.type);
  sum[14][t] += 1;
  if (t == 1 || t == 3) {  // lost-time injuries and general sickness absences
    const double wages = i.absenceHours * i.absenceRate;
    sum[15][t] += i.absenceHours;
    sum[17][t] += wages;
    sum[19][t] += wages * i.shortTermShare * 0.01;
    sum[21][t] += wages * i.longTermShare * 0.01;
    sum[39][t] += wages * i.workplaceShare * 0.01;
  }
  if (t == 1 || t == 2) sum[23][t] += i.claimCost;  // work injuries
  sum[25][t] += i.indirect;
  sum[27][t] += i.immediate;
  sum[29][t] += i.investigation;
  sum[31][t] += i.damage;
  sum[33][t] += i.replacement;
  sum[35][t] += i.disability;
  sum[37][t] += i.lostProductivity;
  sum[41][t] += i.total;
}

MIRowColumns MIResultColumns(int kind) {
  switch (kind) {
    case 8:
      return {{1, 2, 3, 4, 5, 6}, {}};
    case 9:
      return {{1, 3, 6}, {1, 3}};
    case 10:
      return {{1, 2, 6}, {1, 2}};
    case 11:
      return {{1, 2, 3, 4, 5, 6}, {1, 2, 3, 4, 5}};
    case 12:
    case 13:
      return {{1, 3}, {}};
    default:
      return {};
  }
}

std::vector<MICellText> MISummaryFigures(const MITotals& totals, double fteHours) {
  std::vector<MICellText> out;
  for (const MISummaryRowDescription& spec : MISummaryRowDescriptions()) {
    if (spec.kind < 8 || spec.kind > 11) continue;
    const int row = spec.row;
    const MIRowColumns columns = MIResultColumns(spec.kind);
    double allTypes = 0;
    for (int c : columns.first) {
      if (c == 6) {
        out.push_back({row, 6, Whole(allTypes)});
      } else {
        out.push_back({row, c, Whole(totals.sum[std::size_t(row)][std::size_t(c)])});
        allTypes += totals.sum[std::size_t(row)][std::size_t(c)];
      }
    }
    for (int c : columns.average) {
      const double count = totals.sum[14][std::size_t(c)];
      out.push_back(
          {row + 1, c, Whole(count > 0 ? totals.sum[std::size_t(row)][std::size_t(c)] / count : 0)});
    }
  }
  // The rates work from the totals as shown, whole numbers.
  const auto shown = [&](int row, int column) {
    for (const MICellText& cell : out)
      if (cell.row == row && cell.column == column) return TextMoney(cell.text, 2);
    return 0.0;
  };
  for (int c : {1, 3}) {
    const double rate = Ratio(shown(17, c), shown(15, c));
    const double hours = Ratio(shown(25, c), rate);
    out.push_back({43, c, Whole(hours)});
    out.push_back({44, c, FixedText(Ratio(hours, fteHours) * 100, 2) + "%"});
    out.push_back({45, c, AddThousandsSeparators(FixedText(Ratio(shown(25, c), shown(17, c)), 2))});
  }
  return out;
}
