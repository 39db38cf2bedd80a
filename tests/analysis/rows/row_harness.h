// Builds rows of any module headless, inside a visible module root on the running program's page holder,
// as the analysis page builders do: the root at x -3, two pixels wider than the page holder, and a row
// area inside it whose gadget list stays open while rows are added.
#pragma once

#include <cstdint>
#include <string>

#include "analysis/rows/row_builders.h"
#include "analysis/rows/row_frame.h"
#include "analysis/rows/rows_globals.h"
#include "shell/page_globals.h"
#include "shell/test_page.h"

class RowHarness : public TestPage {
 protected:
  void SetUp() override {
    TestPage::SetUp();
    for (int* root : {&BARoot, &CGRoot, &PIRoot}) {
      *root = pf::ContainerGadget(AutoNumber, -3, 0, pf::GadgetWidth(PageHolder) + 2,
                                  pf::GadgetHeight(PageHolder));
      pf::HideGadget(*root, true);
    }
  }

  // Opens a fresh row area of the module's root (shown, the others hidden) at the area's top.
  void OpenArea(Module m, int height = 2000) {
    if (area) pf::CloseGadgetList();
    if (lastArea) pf::HideGadget(lastArea, true);  // one area on screen at a time
    for (int root : {BARoot, CGRoot, PIRoot}) pf::HideGadget(root, root != Root(m));
    pf::OpenGadgetList(Root(m));
    area = lastArea = pf::ContainerGadget(AutoNumber, 0, 0, pf::GadgetWidth(Root(m)), height);
    pf::CloseGadgetList();
    pf::OpenGadgetList(area);
  }

  int Add(Module m, int kind, int page, int row, const std::string& label = "Label", std::int64_t colour = -1,
          int y = -1, int dy = -1, const std::string& prefix = "", const std::string& suffix = "",
          int required = -1) {
    if (!area) OpenArea(m);
    switch (m) {
      case Module::BA:
        return AddBARow(kind, page, row, label, colour, y, dy, prefix, suffix, required);
      case Module::CG:
        return AddCGRow(kind, page, row, label, colour, y, dy, prefix, suffix, required);
      case Module::PI:
        return AddPIRow(kind, page, row, label, colour, y, dy, prefix, suffix, required);
    }
    return 0;
  }

  int At(Module m, int page, int row, int column, int slot) {
    switch (m) {
      case Module::BA:
        return BAGadget(page, row, column, slot);
      case Module::CG:
        return CGGadget(page, row, column, slot);
      case Module::PI:
        return PIGadget(page, row, column, slot);
    }
    return 0;
  }

  static int Root(Module m) { return m == Module::BA ? BARoot : m == Module::CG ? CGRoot : PIRoot; }

  // Ends building: the area's list is closed and the rows are laid out on screen.
  void Show() {
    if (area) pf::CloseGadgetList();
    area = 0;
    if (pageHolderOpen) {
      pageHolderOpen = false;
      Built();  // closes the page holder's list, which SetUp left open
    } else {
      Pump();
    }
  }

  int area = 0, lastArea = 0;
  bool pageHolderOpen = true;
};
