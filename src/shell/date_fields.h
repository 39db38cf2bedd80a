// Date fields of the worksheets: setting a date, the month-name display mask that follows the date, and
// the rules that keep each worksheet's start and end dates in order.
#pragma once

#include <string>

#include "shell/date_arithmetic.h"

// The field's date, time fields 0.
DateRecord GadgetDateRecord(int gadget);
// Sets the field's date and its month-name mask; a date that does not exist leaves the field as it was.
void SetDateGadget(int gadget, int year, int month, int day, int hour = 0, int minute = 0, int second = 0);
// "July " for a field showing a July date.
std::string DateMaskPrefix(int gadget);
// Gives the field the mask of its month: "July %dd, %yyyy".
void ResetDateMask(int gadget);
// "Monday, November 2, 2009" for the field's date: the incident's own date field shows it as its mask.
std::string DateGadgetLongText(int gadget);

// Before & After: before start <= before end < after start <= after end.
void SyncBADates();
// Concurrent Groups and Potential Intervention: start <= end.
void SyncCGDates();
void SyncPIDates();
// Multiple Incidents Summary: start <= end, and the period's length in days.
void SyncMIDates();
