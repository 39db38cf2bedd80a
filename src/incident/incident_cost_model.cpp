#include "incident/incident_cost_model.h"

#include <utility>

#include "shell/number_text.h"

namespace {

const std::string kNoText;

// Steps 2 to 6 hold the costs; their sub-total and running grand total rows sit below rows 2 to 11.
constexpr int kFirstCostStep = 1, kLastCostStep = 5;
constexpr int kSubTotalRow = 12, kRunningTotalRow = 13;
constexpr int kSummaryStep = 7, kBusinessStep = 6, kAbsenceStep = 5;

class Calculation {
 public:
  explicit Calculation(IncidentSheet& sheet) : sheet_(sheet) {}

  double V(int s, int r, int c) const { return IncidentValue(sheet_.Text(s, r, c)); }
  double N(int s, int r, int c) const { return IncidentNumber(sheet_.Text(s, r, c)); }
  const std::string& Text(int s, int r, int c) const { return sheet_.Text(s, r, c); }
  bool Has(int s, int r, int c) const { return sheet_.Has(s, r, c); }

  void Write(int s, int r, int c, std::string text) {
    if (!sheet_.Has(s, r, c)) return;
    sheet_.Set(s, r, c, text);
    results_.push_back({s, r, c, std::move(text)});
  }
  void WriteAmount(int s, int r, int c, double value) { Write(s, r, c, IncidentAmountText(value)); }

  std::vector<IncidentResult> Take() { return std::move(results_); }

 private:
  IncidentSheet& sheet_;
  std::vector<IncidentResult> results_;
};

void AbsenceAndModifiedWork(Calculation& k) {
  const int s = kAbsenceStep;
  k.WriteAmount(s, 14, 4, k.V(s, 14, 2) * k.V(s, 14, 3));
  k.WriteAmount(s, 21, 4, k.V(s, 21, 2) * k.V(s, 21, 3));
  double absenceShares = 0, modifiedShares = 0;
  for (int r = 15; r <= 19; ++r) absenceShares += k.V(s, r, 3);
  for (int r = 22; r <= 26; ++r) modifiedShares += k.V(s, r, 3);
  k.WriteAmount(s, 20, 3, absenceShares);
  k.WriteAmount(s, 27, 3, modifiedShares);
  // What the workplace pays for modified work beyond the value of the worker's output; negative when the
  // output is worth more than the share paid.
  const double lostProductivity = k.N(s, 21, 4) * (k.N(s, 22, 3) - k.N(s, 28, 3)) * 0.01;
  k.WriteAmount(s, 6, 3, lostProductivity);
  k.WriteAmount(kSummaryStep, 21, 4, lostProductivity);
}

// Returns the grand total of steps 2 to 6.
double StepCosts(Calculation& k) {
  double grand = 0;
  for (int s = kFirstCostStep; s <= kLastCostStep; ++s) {
    double subTotal = 0;
    for (int r = 2; r <= 11; ++r) {
      if (k.Has(s, r, 3) && k.Has(s, r, 4)) k.WriteAmount(s, r, 4, k.V(s, r, 2) * k.V(s, r, 3));
      if (k.Has(s, r, 4)) subTotal += k.N(s, r, 4);
    }
    k.WriteAmount(s, kSubTotalRow, 4, subTotal);
    k.WriteAmount(kSummaryStep, s + 1, 4, subTotal);
    grand += subTotal;
  }
  return grand;
}

// The three margins of the recovery columns 2, 3 and 4: one point below, the margin, one point above.
std::array<double, 3> MarginColumns(double margin) { return {margin - 1, margin, margin + 1}; }

void Recovery(Calculation& k) {
  const int s = kSummaryStep;
  const double margin = k.N(kBusinessStep, 2, 4);
  const double salesPerDay = k.N(kBusinessStep, 3, 4);
  const std::string& marginText = k.Text(kBusinessStep, 2, 4);
  const double typedMargin = IncidentValue(marginText);
  k.Write(s, 13, 3, FormatUpTo2Decimals(TextNoCommas(marginText)) + "%");
  k.Write(s, 13, 4, FormatUpTo2Decimals(FixedText(typedMargin + 1, 10)) + "%");
  k.Write(s, 13, 2, FormatUpTo2Decimals(FixedText(typedMargin - 1, 10)) + "%");

  const double absentWagesPaid = k.N(kAbsenceStep, 14, 4) * k.N(kAbsenceStep, 15, 3) * 0.01;
  k.WriteAmount(s, 9, 4, absentWagesPaid);
  k.WriteAmount(kAbsenceStep, 3, 3, absentWagesPaid);
  k.WriteAmount(kAbsenceStep, 4, 3, k.N(kAbsenceStep, 21, 4) * k.N(kAbsenceStep, 22, 3) * 0.01);
  k.WriteAmount(s, 11, 4, k.N(s, 7, 4) + k.N(s, 9, 4) + k.N(s, 21, 4));
  const double total = k.N(s, 11, 4);

  // Without a margin nothing is earned back; a column whose own margin is not above zero (the one below a
  // margin of 1 or less) likewise shows no sales rather than a division by zero or a negative amount.
  const std::array<double, 3> margins = MarginColumns(margin);
  for (int c = 2; c <= 4; ++c) {
    const double m = margins[std::size_t(c - 2)];
    const std::string sales =
        margin > 0 && m > 0 ? AddThousandsSeparators(FixedText(total / (m * 0.01), 0)) : "0";
    k.Write(s, 14, c, "$" + sales);
  }
  for (int c = 2; c <= 4; ++c) {
    if (salesPerDay > 0) {
      const std::string& sales = k.Text(s, 14, c);
      const double gross = RoundD(IncidentValue(sales.empty() ? sales : sales.substr(1)), 0);
      k.Write(s, 15, c, AddThousandsSeparators(FixedText(gross / salesPerDay, 2) + " Days"));
    } else {
      k.Write(s, 15, c, "0 Days");
    }
  }
}

void WorkingTime(Calculation& k) {
  const int s = kSummaryStep;
  const double wage = k.N(kAbsenceStep, 14, 3);
  const double absenceCost = k.N(kAbsenceStep, 14, 4);
  const double fteHours = k.N(kBusinessStep, 4, 4);
  const double indirect = k.N(s, 7, 4);
  const double hours = wage > 0 ? RoundD(indirect / wage, 2) : 0;
  k.WriteAmount(s, 18, 4, hours);
  k.WriteAmount(s, 19, 4, fteHours > 0 ? RoundD(hours / fteHours * 100, 2) : 0);
  k.WriteAmount(s, 20, 4, absenceCost > 0 ? RoundD(indirect / absenceCost, 2) : 0);
}

}  // namespace

const std::string& IncidentSheet::Text(int step, int row, int column) const {
  return Has(step, row, column) ? text_[std::size_t(Index(step, row, column))] : kNoText;
}

void IncidentSheet::Set(int step, int row, int column, std::string text) {
  if (!InRange(step, row, column)) return;
  const auto i = std::size_t(Index(step, row, column));
  text_[i] = std::move(text);
  has_[i] = true;
}

double IncidentValue(std::string_view text) { return LeadingValue(TextNoCommas(text)); }

double IncidentNumber(std::string_view text) { return RoundD(IncidentValue(text), 2); }

std::string IncidentAmountText(double value) { return AddThousandsSeparators(FixedText(value, 2)); }

std::vector<IncidentResult> CalculateIncident(IncidentSheet& sheet) {
  Calculation k(sheet);
  AbsenceAndModifiedWork(k);
  const double grand = RoundD(StepCosts(k), 2);
  k.WriteAmount(kSummaryStep, 7, 4, grand);
  for (int s = kFirstCostStep; s <= kLastCostStep; ++s) k.WriteAmount(s, kRunningTotalRow, 4, grand);
  Recovery(k);
  WorkingTime(k);
  return k.Take();
}
