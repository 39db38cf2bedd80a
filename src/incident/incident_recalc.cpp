// The incident worksheet's recalculation: reads the cells into the cost model, writes back what changed,
// and keeps the date display, the title line, the "Describe:" fields and the focused field in view.
#include <array>
#include <string>

#include "incident/incident_cost_model.h"
#include "incident/incident_globals.h"
#include "platform/platform.h"
#include "shell/date_fields.h"
#include "shell/services.h"

namespace {

// Every program write into a field counts as an edit of the worksheet, so only changed texts are written.
void WriteIfChanged(int gadget, const std::string& text) {
  if (gadget && pf::GetGadgetText(gadget) != text) pf::SetGadgetText(gadget, text);
}

void Calculate() {
  IncidentSheet sheet;
  for (int s = 1; s < IncidentSheet::kSteps; ++s)
    for (int r = 0; r < IncidentSheet::kRows; ++r)
      for (int c = 1; c < IncidentSheet::kColumns; ++c)
        if (const int g = IncidentGadget(s, r, c)) sheet.Set(s, r, c, pf::GetGadgetText(g));
  for (const IncidentResult& result : CalculateIncident(sheet))
    WriteIfChanged(IncidentGadget(result.step, result.row, result.column), result.text);
}

// The incident's date field shows the weekday and the full date.
void ShowLongDate() {
  const int field = IncidentGadget(0, 4, 2);
  const std::string text = DateGadgetLongText(field);
  if (pf::GetDateDisplayText(field) != text) pf::SetDateMask(field, text);
}

void WriteTitle() {
  const std::string uid = pf::GetGadgetText(IncidentGadget(0, 0, 0));
  std::string title;
  if (uid == "\n") {
    title = "Example Incident: " + ExampleIncidentTitle;
  } else {
    const DateRecord date = GadgetDateRecord(IncidentGadget(0, 4, 2));
    title = "Incident " + uid + ": " + MonthName(date.month) + " " + std::to_string(date.day) + ", " +
            std::to_string(date.year);
  }
  WriteIfChanged(RecordTitleText, title);
}

// A category row's own description shows only while its choice is one of the "other" entries; hiding it
// keeps what was typed.
void ShowDescribeFields() {
  static constexpr std::array<int, 5> kCategoryRows = {5, 8, 9, 10, 13};
  for (int row : kCategoryRows) {
    const std::string choice = pf::GetGadgetText(IncidentGadget(0, row, 2));
    const bool other = choice == "other" || choice == "other injury/illness" || choice == "other/multiple";
    pf::HideGadget(IncidentGadget(0, row, 3), !other);
    pf::HideGadget(IncidentGadget(0, row, 4), !other);
  }
}

// Scrolls the nearest enclosing scroll area (up to five levels up) that hides the focused field's bottom.
void FocusedFieldIntoView() {
  const int focused = pf::GetActiveGadget();
  if (!focused) return;
  const int bottom = pf::GadgetScreenRect(focused).Bottom();
  int parent = pf::GadgetParent(focused);
  for (int level = 0; level < 5 && parent; ++level, parent = pf::GadgetParent(parent)) {
    if (pf::GadgetKind(parent) != pf::Kind::ScrollArea) continue;
    const int areaBottom = pf::GadgetScreenRect(parent).Bottom();
    if (bottom > areaBottom) {
      pf::SetScrollY(parent, pf::GetScrollY(parent) + bottom - areaBottom + 15);
      return;
    }
  }
}

}  // namespace

void RecalcIncident() {
  ++IncidentRecalcCount;
  if (!IncidentGadget(0, 0, 0)) return;  // the calculator is not built yet
  Calculate();
  ShowLongDate();
  WriteTitle();
  pf::HideGadget(IncidentGadget(0, 2, 3), true);
  ShowDescribeFields();
  FocusedFieldIntoView();
}
