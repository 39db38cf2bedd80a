// A started program with the real worksheets, built as their tabs build them, and filled in cell by cell
// as a user would, so that saving, loading and new records are exercised on what a user gets.
#pragma once

#include <map>
#include <string>

#include "shell/date_fields.h"
#include "shell/gadget_helpers.h"
#include "shell/page_globals.h"
#include "shell/page_switching.h"
#include "shell/program_fixture.h"
#include "shell/shell_globals.h"
#include "store/record_kinds.h"
#include "store/record_store.h"
#include "store/store_fixture.h"
#include "store/store_globals.h"

class WorksheetTest : public ProgramTest {
 protected:
  void SetUp() override {
    ProgramTest::SetUp();
    pf::test::TakeMessageLog();
  }

  // The incident calculator on step 1 (its start page and the summary page are built with it).
  void OpenIncident() {
    ShowPage(2, 8, -1);
    Pump();
  }
  // An analysis module (KindBA, KindCG, KindPI) on step 1.
  void OpenAnalysis(int kind) {
    ShowPage(1, kind == KindBA ? 3 : kind == KindCG ? 2 : 1, 8);
    Pump();
  }
  void Open(int kind) {
    if (kind == KindIncident || kind == KindMISummary)
      OpenIncident();
    else
      OpenAnalysis(kind);
  }

  // An incident as a user enters it: step-1 texts and choices, a first-aid cost and the company figures.
  // The occupation combo lists "welder" and the department combo "Shipping" from earlier incidents.
  void MakeIncident() {
    OpenIncident();
    pf::SetGadgetText(IncidentGadget(0, 3, 2), "ALT-7");
    SetDateGadget(IncidentGadget(0, 4, 2), 2012, 2, 5);
    pf::SetGadgetState(IncidentGadget(0, 5, 2), 2);
    pf::SetGadgetText(IncidentGadget(0, 6, 2), "Slipped on the loading dock");
    pf::AddGadgetItem(IncidentGadget(0, 12, 2), -1, "welder");
    pf::SetGadgetText(IncidentGadget(0, 12, 2), "Painter");
    pf::AddGadgetItem(IncidentGadget(0, 14, 2), -1, "Shipping");
    pf::SetGadgetText(IncidentGadget(0, 14, 2), "Shipping");
    pf::SetGadgetText(FirstAidCostField(), "1234.5");
    pf::SetGadgetText(IncidentGadget(6, 2, 4), "5");
    pf::SetGadgetText(IncidentGadget(6, 3, 4), "12,000");
    pf::SetGadgetText(IncidentGadget(6, 4, 4), "1950");
    pf::test::DrainEvents();  // the writes above stand for the user's typing
    ModifiedFlags(KindIncident) = 1;
  }

  // The input field of step 2's "Cost of first aid supplies and equipment".
  static int FirstAidCostField() {
    for (int c = 2; c <= 4; ++c)
      if (pf::GadgetKind(IncidentGadget(1, 8, c)) == pf::Kind::Field) return IncidentGadget(1, 8, c);
    return 0;
  }

  // ---- Every cell a user fills in ---------------------------------------------------------------------
  static bool IsInput(int gadget) {
    switch (pf::GadgetKind(gadget)) {
      case pf::Kind::Field:
      case pf::Kind::Editor:
      case pf::Kind::Combo:
      case pf::Kind::ListBox:
      case pf::Kind::Date:
        return true;
      default:
        return false;
    }
  }
  static bool IsNumeric(int gadget) {
    const std::int64_t back = pf::GetGadgetColour(gadget, BackColourType);
    return back == std::int64_t(NumberFieldColour) || back == std::int64_t(RequiredFieldColour) ||
           back == std::int64_t(BlankNumberFieldColour);
  }
  // The input controls of a kind's worksheet by stored column name (the summary's result texts too), the
  // record-number fields and the analyses' step-2 group selector left out.
  static std::map<std::string, int> Inputs(int kind) {
    const RecordKind& k = RecordKindOf(kind);
    const int number = k.control(k.numberCell);
    const int group = kind >= KindBA && kind <= KindPI ? (*AnalysisPartsOf(kind).gadget)(7, 4, 1, 2) : 0;
    std::map<std::string, int> inputs;
    WalkCells(k.dims, k.saveWalk, [&](const CellIndex& cell) {
      const int g = k.control(cell);
      if (!g || g == number || g == group || g == k.control(k.uidCell)) return;
      if (IsInput(g) || (kind == KindMISummary && pf::GadgetKind(g) == pf::Kind::Text))
        inputs[StoredColumnName(cell)] = g;
    });
    return inputs;
  }

  // Gives every input of the worksheet a value of its own: numbers in numeric fields, awkward texts in the
  // others, the last item of code combos, the second and last item of lists, a date per field.
  static void FillEveryInput(int kind) {
    int n = 0;
    for (const auto& [name, g] : Inputs(kind)) {
      ++n;
      const int items = pf::CountGadgetItems(g);
      switch (pf::GadgetKind(g)) {
        case pf::Kind::Field:
          pf::SetGadgetText(g,
                            IsNumeric(g) ? std::to_string(10 + n % 80) : "O'Brien; \"" + std::to_string(n));
          break;
        case pf::Kind::Editor:
          pf::SetGadgetText(g, "Line one of " + std::to_string(n) + "\nline 'two'");
          break;
        case pf::Kind::Text:
          pf::SetGadgetText(g, "$" + std::to_string(n) + ".25");
          break;
        case pf::Kind::Combo:
          if (GetGadgetProperty(g, "savetype") == 1)
            pf::SetGadgetText(g, "Typed " + std::to_string(n));
          else if (items > 1)
            pf::SetGadgetState(g, items - 1);
          break;
        case pf::Kind::ListBox:
          if (items < 2) break;
          for (int i = 0; i < items; ++i) pf::SetGadgetItemSelected(g, i, i == 1 || i == items - 1);
          break;
        case pf::Kind::Date:
          SetDateGadget(g, 2011, 1 + n % 12, 1 + n % 28);
          break;
        default:
          break;
      }
    }
  }

  // What the inputs show, by stored column name.
  static std::map<std::string, std::string> InputSnapshot(int kind) {
    std::map<std::string, std::string> shown;
    for (const auto& [name, g] : Inputs(kind)) {
      std::string s;
      switch (pf::GadgetKind(g)) {
        case pf::Kind::Combo:
          s = std::to_string(pf::GetGadgetState(g)) + "|" + pf::GetGadgetText(g);
          break;
        case pf::Kind::ListBox:
          for (int i = 0, n = pf::CountGadgetItems(g); i < n; ++i)
            if (pf::IsGadgetItemSelected(g, i)) s += std::to_string(i) + ",";
          break;
        case pf::Kind::Date: {
          const pf::Date d = pf::GetGadgetDate(g);
          s = std::to_string(d.year) + "-" + std::to_string(d.month) + "-" + std::to_string(d.day);
          break;
        }
        default:
          s = pf::GetGadgetText(g);
      }
      shown[name] = s;
    }
    return shown;
  }

  // Selects the row of a stored-records list that holds the record `uid`, as a click on it does.
  static void SelectListRow(int list, const std::string& uid) {
    for (int i = 0, n = pf::CountGadgetItems(list); i < n; ++i)
      if (std::to_string(pf::GetGadgetItemData(list, i)) == uid) return pf::SetGadgetState(list, i);
    ADD_FAILURE() << "no row for record " << uid;
  }

  static std::string Row(const std::string& column, const std::string& where = "UID=1",
                         const std::string& table = "incidents") {
    return QueryText(kRecordFileName, "select " + column + " from " + table + " where " + where);
  }
  static int RowCount(const std::string& table = "incidents") {
    return std::stoi(QueryText(kRecordFileName, "select count(*) from " + table));
  }
  static int ColumnCount(const std::string& table = "incidents") {
    return std::stoi(QueryText(kRecordFileName, "select count(*) from pragma_table_info('" + table + "')"));
  }
};
