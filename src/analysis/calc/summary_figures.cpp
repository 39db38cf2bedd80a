#include "analysis/calc/summary_figures.h"

#include "shell/number_text.h"

namespace {

std::string DollarText(double value) { return FormatCurrency(FixedText(value, 0)); }

}  // namespace

double NetReturn(const SummaryInputs& in) {
  return (in.labour1 - in.labour2) + (in.incidents1 - in.incidents2) - in.interventionCost -
         in.turnoverChange - in.premiumChange - in.shortTermChange - in.longTermChange;
}

double PaybackMonths(double interventionCost, double netReturn, double periodDays) {
  const double benefits = netReturn + interventionCost;
  if (periodDays == 0 || benefits == 0) return 0;
  return interventionCost / (benefits / (periodDays / 30));
}

double BenefitCostRatio(double interventionCost, double netReturn) {
  if (interventionCost == 0) return 0;
  return (netReturn + interventionCost) / interventionCost;
}

SummaryTexts SummaryResults(const SummaryInputs& in) {
  const double cost = in.interventionCost;
  const double net = NetReturn(in);
  const double benefits = net + cost;
  SummaryTexts out;
  out.netReturn = {DollarText(net), DollarText(benefits * 0.9 - cost), DollarText(benefits * 1.1 - cost)};
  // Payback and ratio go on from the whole dollars shown, so the three rows agree on screen and paper.
  for (int v = 0; v < 3; ++v) {
    const double shown = TextMoney(out.netReturn[v], 2);
    out.payback[v] =
        AddThousandsSeparators(FixedText(PaybackMonths(cost, shown, in.periodDays), 2)) + " months";
    out.ratio[v] = AddThousandsSeparators(FixedText(BenefitCostRatio(cost, shown), 2));
  }
  return out;
}
