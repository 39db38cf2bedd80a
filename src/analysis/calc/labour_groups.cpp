#include "analysis/calc/labour_groups.h"

#include "shell/number_text.h"

bool IsLabourGroup(int group) { return group >= kFirstLabourGroup && group <= kLastLabourGroup; }

double GroupLabourCost(double regularHours, double regularRate, double overtimeHours, double overtimeRate) {
  return regularHours * regularRate + overtimeHours * overtimeRate;
}

double LabourFieldTotal(const LabourArray& labour, int column, int field) {
  double total = 0;
  for (int g = 0; g <= kLastLabourGroup; ++g) total += TextNumber(labour(g, column, field), 2);
  return total;
}

double LabourWorkHours(const LabourArray& labour, int column) {
  return LabourFieldTotal(labour, column, 2) + LabourFieldTotal(labour, column, 4);
}

double HoursRatio(double firstHours, double secondHours) {
  if (secondHours == firstHours) return 1;
  if (firstHours == 0) return 0;
  return secondHours / firstHours;
}
