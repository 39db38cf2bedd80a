// Work time and labour costs of the occupational groups: what one group costs and works, the totals over
// every group kept in a labour array, and the hours ratio that scales the first column to the second.
#pragma once

#include <string>

#include "shell/bounded_array.h"

// Texts per group (0-10), column index (0 first column, 1 second) and field (0 name, 1 workers, 2 regular
// hours, 3 regular rate, 4 overtime hours, 5 overtime rate, 9 shown hours, 10 shown labour cost).
using LabourArray = BoundedArray<std::string, 10, 2, 10>;

inline constexpr int kFirstLabourGroup = 1;
inline constexpr int kLastLabourGroup = 10;

// A group number the worksheet may show; anything else (a stray stored or typed number) names no group.
bool IsLabourGroup(int group);

// Regular hours x regular rate + overtime hours x overtime rate.
double GroupLabourCost(double regularHours, double regularRate, double overtimeHours, double overtimeRate);

// Sum of one field over every group of a column, each text read as its leading number ("," removed).
double LabourFieldTotal(const LabourArray& labour, int column, int field);

// Unrounded regular plus overtime hours of every group of a column (fields 2 and 4).
double LabourWorkHours(const LabourArray& labour, int column);

// Second column's hours over the first's: 1 when equal (both 0 included), 0 when the first is 0.
double HoursRatio(double firstHours, double secondHours);
