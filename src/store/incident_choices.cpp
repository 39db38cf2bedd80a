#include "store/incident_choices.h"

#include <algorithm>

#include "shell/gadget_helpers.h"
#include "store/record_command.h"
#include "store/record_kinds.h"
#include "store/store_globals.h"

namespace {

// The controls of a kind that offer one column of the stored incidents, and how many first items of
// each are its own ("ALL DEPARTMENTS" and its like).
struct Offering {
  std::vector<int> controls;
  int ownItems = 0;
};

Offering OfferingOf(int kind, bool departments) {
  if (kind == KindIncident) return {{IncidentGadget(0, departments ? 14 : 12, 2)}, 0};
  if (kind == KindMISummary) return {{MIGadget(departments ? 11 : 9, 2)}, 1};
  Offering o{{}, 1};
  if (kind < KindBA || kind > KindPI) return o;
  const auto& X = *AnalysisPartsOf(kind).gadget;
  for (int column = 1; column <= 2; ++column)
    if (const int list = X(6, departments ? 6 : 7, column, 2); pf::GadgetKind(list) == pf::Kind::ListBox)
      o.controls.push_back(list);
  return o;
}

// The distinct non-empty texts of a column, in the order the choices show them. A column no incident
// has stored yet reads as none.
sql::Outcome ReadStoredTexts(const char* column, std::vector<std::string>& texts) {
  const std::string c = column;
  sql::Statement q(RecordDatabase, "select distinct " + c + " from incidents where " + c +
                                       " <> '' order by upper(" + c + ")");
  sql::Statement::Step step;
  while ((step = q.Next()) == sql::Statement::Step::Row) texts.push_back(q.Text(0));
  if (step != sql::Statement::Step::Error) return {};
  // Choices read part of the way would look complete; none at all is the plainer miss.
  texts.clear();
  return q.Failure();
}

struct Item {
  std::string text;
  int data = 0;
  bool selected = false;
};

void Offer(int control, int ownItems, const std::vector<std::string>& stored) {
  const pf::Kind kind = pf::GadgetKind(control);
  if (kind != pf::Kind::Combo && kind != pf::Kind::ListBox) return;
  std::vector<Item> items;
  std::vector<std::string> texts;
  const int state = pf::GetGadgetState(control);
  for (int i = 0, n = pf::CountGadgetItems(control); i < n; ++i) {
    const bool selected = kind == pf::Kind::ListBox ? pf::IsGadgetItemSelected(control, i) : i == state;
    items.push_back({pf::GetGadgetItemText(control, i), pf::GetGadgetItemData(control, i), selected});
    texts.push_back(items.back().text);
  }
  const std::vector<std::string> merged = MergedChoices(texts, ownItems, stored);
  if (merged == texts) return;
  // A text keeps its data and its choice wherever it now stands; the own items keep their places.
  auto before = [&](std::size_t at) -> Item {
    if (at < std::size_t(ownItems)) return items[at];
    Item made{merged[at]};
    for (std::size_t i = std::size_t(ownItems); i < items.size(); ++i)
      if (items[i].text == merged[at]) made.data = items[i].data, made.selected |= items[i].selected;
    return made;
  };
  const std::string typed = kind == pf::Kind::Combo ? pf::GetGadgetText(control) : "";
  const int top = kind == pf::Kind::ListBox ? pf::GetTopItem(control) : 0;
  // The rebuilt items are no edit of the worksheet.
  const pf::FillScope fill;
  pf::ClearGadgetItems(control);
  int chosen = -1;
  for (std::size_t at = 0; at < merged.size(); ++at) {
    const Item item = before(at);
    pf::AddGadgetItem(control, -1, item.text, item.data);
    if (!item.selected) continue;
    if (kind == pf::Kind::ListBox)
      pf::SetGadgetItemSelected(control, int(at), true);
    else if (chosen < 0)
      chosen = int(at);
  }
  if (kind == pf::Kind::ListBox) return pf::SetTopItem(control, top);
  pf::SetGadgetState(control, chosen);
  pf::SetGadgetText(control, typed);
}

}  // namespace

std::vector<std::string> MergedChoices(const std::vector<std::string>& items, int ownItems,
                                       const std::vector<std::string>& stored) {
  const std::size_t own = std::min(items.size(), std::size_t(std::max(ownItems, 0)));
  std::vector<std::string> merged(items.begin(), items.begin() + std::ptrdiff_t(own));
  auto listed = [&](const std::string& t) {
    return std::find(merged.begin() + std::ptrdiff_t(own), merged.end(), t) != merged.end();
  };
  for (const std::string& t : stored)
    if (!listed(t)) merged.push_back(t);
  for (std::size_t i = own; i < items.size(); ++i)
    if (!listed(items[i])) merged.push_back(items[i]);
  return merged;
}

void FillIncidentChoices(int kind) {
  IncidentChoicesStale(kind) = 0;
  for (const bool departments : {true, false}) {
    std::vector<std::string> texts;
    const sql::Outcome o = ReadStoredTexts(departments ? "departmentfield" : "occupationfield", texts);
    if (sql::FileHeld(o)) {
      IncidentChoicesStale(kind) = 1;
      return ShowRecordFailure(o);
    }
    const Offering offering = OfferingOf(kind, departments);
    for (const int control : offering.controls) Offer(control, offering.ownItems, texts);
  }
}

void RefillShownIncidentChoices() {
  for (int kind = KindIncident; kind <= KindMISummary; ++kind) {
    if (!IncidentChoicesStale(kind)) continue;
    const std::vector<int> controls = OfferingOf(kind, true).controls;
    if (std::any_of(controls.begin(), controls.end(), pf::IsGadgetVisible)) FillIncidentChoices(kind);
  }
}

void RefillIncidentChoicesOf(int kind) {
  if (IncidentChoicesStale(kind)) FillIncidentChoices(kind);
}
