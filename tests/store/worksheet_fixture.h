// A started program with small stand-in worksheets: the controls the record store walks are created at
// their array positions here, as the page builders would, so saving, loading and new records can be
// exercised before the real pages exist.
#pragma once

#include <string>

#include "shell/gadget_helpers.h"
#include "shell/program_fixture.h"
#include "shell/shell_globals.h"
#include "store/record_store.h"
#include "store/store_fixture.h"
#include "store/store_globals.h"

class WorksheetTest : public ProgramTest {
 protected:
  void SetUp() override {
    ProgramTest::SetUp();
    pf::test::TakeMessageLog();
  }

  static int Field(int& cell, const std::string& text = "") { return cell = pf::FieldGadget(-1, 0, 0, 80, 20, text); }
  static int Editor(int& cell) { return cell = pf::EditorGadget(-1, 0, 0, 80, 40); }
  static int Label(int& cell, const std::string& text) { return cell = pf::TextGadget(-1, 0, 0, 80, 20, text); }
  static int Date(int& cell, pf::Date d) {
    cell = pf::DateGadget(-1, 0, 0, 80, 20, "%mm/%dd/%yyyy");
    pf::SetGadgetDate(cell, d);
    return cell;
  }
  static int CodeCombo(int& cell, const std::vector<CategoryEntry>& list, int selected) {
    cell = pf::ComboGadget(-1, 0, 0, 80, 20);
    FillGadgetFromList(cell, list);
    pf::SetGadgetState(cell, selected);
    return cell;
  }
  static int TextCombo(int& cell, std::initializer_list<const char*> items, const std::string& text) {
    cell = pf::ComboGadget(-1, 0, 0, 80, 20, pf::flags::kEditable);
    for (const char* i : items) pf::AddGadgetItem(cell, -1, i);
    SetGadgetProperty(cell, "savetype", 1);
    pf::SetGadgetText(cell, text);
    return cell;
  }
  static int CriteriaList(int& cell, std::initializer_list<std::pair<const char*, int>> items, bool byText) {
    cell = pf::ListBoxGadget(-1, 0, 0, 80, 60, pf::flags::kMultiSelect);
    for (const auto& [text, code] : items) pf::AddGadgetItem(cell, -1, text, code);
    if (byText) SetGadgetProperty(cell, "savetype", 1);
    return cell;
  }

  // The incident worksheet's cells that the store reads by position, filled as a user would.
  void MakeIncident() {
    Label(IncidentGadget(0, 0, 0), "");
    Field(IncidentGadget(0, 2, 2), "NEW INCIDENT");
    Field(IncidentGadget(0, 3, 2), "ALT-7");
    Date(IncidentGadget(0, 4, 2), {2012, 2, 5});
    CodeCombo(IncidentGadget(0, 5, 2), IncidentTypeList, 2);
    Editor(IncidentGadget(0, 6, 2));
    pf::SetGadgetText(IncidentGadget(0, 6, 2), "Slipped on the loading dock");
    Label(IncidentGadget(0, 6, 1), "Incident description");  // a label: never stored
    TextCombo(IncidentGadget(0, 12, 2), {"welder"}, "Painter");
    TextCombo(IncidentGadget(0, 14, 2), {"Shipping"}, "Shipping");
    Field(IncidentGadget(7, 11, 4), "1,234.50");
    Field(IncidentGadget(6, 2, 4), "5");
    Field(IncidentGadget(6, 3, 4), "12,000");
    Field(IncidentGadget(6, 4, 4), "1950");
    IncidentSavedBanner = pf::TextGadget(-1, 0, 0, 0, 0, "");
    pf::HideGadget(IncidentSavedBanner, true);
    IncidentList = pf::ListViewGadget(-1, 0, 0, 300, 200, "Number", 50);
    for (int c = 1; c <= 3; ++c) pf::AddListViewColumn(IncidentList, c, "", 80);
    ModifiedFlags(KindIncident) = 1;
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
