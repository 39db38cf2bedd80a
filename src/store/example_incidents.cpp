// Loading an example incident: the example's values over the worksheet as a new incident left it.
#include "store/example_incidents.h"

#include "incident/incident_pages.h"
#include "platform/platform.h"
#include "shell/date_fields.h"
#include "shell/gadget_helpers.h"
#include "shell/services.h"
#include "shell/shell_globals.h"
#include "store/store_globals.h"

namespace {

// A line feed in the hidden record number marks the worksheet as a built-in example: saving it stores a new
// incident and deleting it is refused.
constexpr const char* kExampleUid = "\n";

int CodeOf(const std::vector<CategoryEntry>& list, const char* name) {
  for (const CategoryEntry& entry : list)
    if (entry.name == name) return entry.code;
  return -1;
}

void Pick(const ExampleIncidentChoice& choice, int example) {
  const int combo = IncidentGadget(0, choice.row, 2);
  const ExampleIncidentPick& pick = choice.picks[std::size_t(example)];
  if (pick.position >= 0)
    pf::SetGadgetState(combo, pick.position);
  else
    SelectItemByData(combo, CodeOf(*choice.list, pick.name));
}

void FillExample(int example) {
  ExampleIncidentTitle = ExampleIncidents()[std::size_t(example)].name;
  SetDateGadget(IncidentGadget(0, 4, 2), 2009, 12, 12);
  for (const ExampleIncidentText& cell : ExampleIncidentTexts())
    if (const char* text = cell.values[std::size_t(example)])
      pf::SetGadgetText(IncidentGadget(cell.step, cell.row, cell.column), text);
  for (const ExampleIncidentChoice& choice : ExampleIncidentChoices()) Pick(choice, example);
}

}  // namespace

void LoadIncidentExample(int row) {
  // A click beside the list's rows chooses no example.
  if (row < 0 || row >= kExampleIncidentCount) return;
  if (AskSaveModified(KindIncident) == 1) return;
  {
    // What the example writes is not an edit of the worksheet.
    pf::FillScope fill;
    pf::SetGadgetText(IncidentGadget(0, 0, 0), kExampleUid);
    FillExample(row);
    pf::SetGadgetText(IncidentGadget(0, 2, 2), "EXAMPLE INCIDENT");
    ResetDateMask(IncidentGadget(0, 4, 2));
    RecalcIncident();
  }
  ShowIncidentStepsFromTop();
  ModifiedFlags(KindIncident) = 0;
}
