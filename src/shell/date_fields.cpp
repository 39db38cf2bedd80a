#include "shell/date_fields.h"

#include <array>

#include "shell/shell_globals.h"

DateRecord GadgetDateRecord(int gadget) {
  const pf::Date date = pf::GetGadgetDate(gadget);
  return {date.year, date.month, date.day};
}

// The month is literal text in the mask, so the mask has to follow every change of the date.
void SetDateGadget(int gadget, int year, int month, int day, int hour, int minute, int second) {
  if (!IsValidDate({year, month, day, hour, minute, second})) return;
  if (pf::SetGadgetDate(gadget, {year, month, day})) ResetDateMask(gadget);
}

std::string DateMaskPrefix(int gadget) { return DateMaskPrefix(GadgetDateRecord(gadget)); }

void ResetDateMask(int gadget) { pf::SetDateMask(gadget, MonthNameMask(GadgetDateRecord(gadget))); }

std::string DateGadgetLongText(int gadget) { return DateLongText(GadgetDateRecord(gadget)); }

namespace {

void SetDateRecord(int gadget, const DateRecord& date) {
  SetDateGadget(gadget, date.year, date.month, date.day);
}

bool SameDay(const DateRecord& a, const DateRecord& b) {
  return a.year == b.year && a.month == b.month && a.day == b.day;
}

// An end date before its start takes the start's date.
void SyncStartEnd(int start, int end) {
  const DateRecord from = GadgetDateRecord(start);
  if (DateIsAfter(from, GadgetDateRecord(end))) SetDateRecord(end, from);
}

}  // namespace

void SyncBADates() {
  const std::array<int, 4> fields = {BAGadget(7, 2, 1, 2), BAGadget(7, 3, 1, 2), BAGadget(7, 2, 2, 2),
                                     BAGadget(7, 3, 2, 2)};
  std::array<DateRecord, 4> dates;
  for (std::size_t i = 0; i < fields.size(); ++i) dates[i] = GadgetDateRecord(fields[i]);
  const std::array<DateRecord, 4> ordered = OrderBADates(dates);
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (!SameDay(ordered[i], dates[i])) SetDateRecord(fields[i], ordered[i]);
    // A date the user picked leaves the mask of the month it had before.
    if (pf::GetDateMask(fields[i]) != MonthNameMask(GadgetDateRecord(fields[i]))) ResetDateMask(fields[i]);
  }
}

void SyncCGDates() { SyncStartEnd(CGGadget(7, 2, 1, 2), CGGadget(7, 3, 1, 2)); }
void SyncPIDates() { SyncStartEnd(PIGadget(7, 2, 1, 2), PIGadget(7, 3, 1, 2)); }

void SyncMIDates() {
  const int start = MIGadget(2, 2), end = MIGadget(3, 2), period = MIGadget(4, 2);
  SyncStartEnd(start, end);
  const std::string text = PeriodText(PeriodDays(GadgetDateRecord(start), GadgetDateRecord(end)));
  if (pf::GetGadgetText(period) != text) pf::SetGadgetText(period, text);
}
