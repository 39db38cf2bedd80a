// The Multiple Incidents Summary page: period and criteria above, the results grid below, one scroll bar
// that moves the upper area until the column headings reach the top and then only the results.
#include <algorithm>
#include <cmath>

#include "incident/incident_globals.h"
#include "incident/incident_pages.h"
#include "incident/mi_summary_rows.h"
#include "platform/platform.h"
#include "shell/date_fields.h"
#include "shell/design_grid.h"
#include "shell/gadget_helpers.h"
#include "shell/hover_help.h"
#include "shell/page_globals.h"
#include "shell/subclassed_controls.h"

namespace {

namespace fl = pf::flags;

constexpr int kResultsMargin = 4;  // pixels of page colour below the results' last row

int Scaled(double value) { return int(std::lround(value * ScaleMin)); }

// The first item of each code list and the list of entries below it; row 9 (occupations) and row 11
// (departments) are filled from the stored incidents instead.
struct CriteriaList {
  int row;
  const char* allItems;
  const std::vector<CategoryEntry>* entries;
};
const CriteriaList kCodeLists[] = {
    {5, "ALL TYPES", &IncidentTypeList},
    {6, "ALL NATURES", &InjuryNatureList},
    {7, "ALL PARTS", &BodyPartList},
    {8, "ALL CAUSES", &IncidentCauseList},
    {10, "ALL CATEGORIES", &WorkerCategoryList},
};

int LinesOf(int row) {
  for (const CriteriaList& list : kCodeLists)
    if (list.row == row) return int(list.entries->size()) + 1;
  return 10;
}

void AddRow(const MISummaryRowDescription& spec, std::int64_t colour, int y, int dy) {
  AddMISummaryRow(spec.kind, spec.row, spec.label, colour, y, dy, spec.kind == 5 ? LinesOf(spec.row) : 0);
  if (spec.help) RegisterHelpText(spec.help, spec.kind >= 8 ? 415 : 750, -1, 0, 0);
}

void FillCriteriaList(int row) {
  const int list = MIGadget(row, 2);
  for (const CriteriaList& c : kCodeLists) {
    if (c.row != row) continue;
    AddGadgetItemWithData(list, -1, c.allItems, 100);
    FillGadgetFromList(list, *c.entries);
  }
  if (row == 9 || row == 11) {
    SetGadgetProperty(list, "savetype", 1);
    pf::AddGadgetItem(list, -1, row == 9 ? "ALL GROUPS" : "ALL DEPARTMENTS");
  }
}

void SharedScrollBar(int pageH) {
  const int holder = pf::ContainerGadget(AutoNumber, DX(1024) - 14, DY(35), 29, pageH - DY(52) - DY(35));
  pf::SetGadgetColour(holder, BackColourType, OrangeColour);
  pf::OpenGadgetList(holder);
  MIScrollArea(1) =
      pf::ScrollAreaGadget(AutoNumber, -7, 0, 23, pf::GadgetHeight(holder), 1, pageH + DY(1950), 30);
  pf::SetGadgetColour(MIScrollArea(1), BackColourType, DarkGreyColour);
  pf::AddGadgetHandler(MIScrollArea(1), MISplitScrollProc);
  pf::CloseGadgetList();
}

// The upper area's rows down to the column headings; the results go into a third area below them.
void BuildRows(int pageW, int pageH) {
  const auto rows = MISummaryRowDescriptions();
  std::size_t i = 0;
  for (; i < rows.size() && rows[i].kind < 8; ++i) {
    const MISummaryRowDescription& spec = rows[i];
    const std::int64_t colour = spec.row == 60   ? std::int64_t(PageColour)
                                : spec.kind == 2 ? std::int64_t(HeadingGreyColour)
                                                 : -1;
    AddRow(spec, colour, spec.row == 60 ? 0 : -1, 0);
    if (spec.row == 60) SetGadgetColours(MIGadget(60, 2), DarkGreyColour, DarkBlueColour, RowLabelFont);
    if (spec.kind == 2) SetGadgetColours(MIGadget(4, 0), HeadingGreyColour, OrangeColour, -1);
    if (spec.kind == 4) SyncMIDates();
    if (spec.kind == 5) FillCriteriaList(spec.row);
    if (spec.kind == 6) MIScrollSplit = MIRowY + 3;
  }
  MIScrollArea(3) =
      pf::ScrollAreaGadget(AutoNumber, 0, MIRowY + 1, pageW + DX(100), pageH, pageW + 15, DY(2500), 30);
  pf::SetGadgetColour(MIScrollArea(3), BackColourType, PageColour);
  pf::AddGadgetHandler(MIScrollArea(3), MIScrollForwardProc);
  pf::OpenGadgetList(MIScrollArea(3));
  for (bool first = true; i < rows.size(); ++i, first = false)
    AddRow(rows[i], -1, first ? 0 : -1, first ? -1 : 0);
  pf::CloseGadgetList();
}

int FooterButton(int x, int y, int picture, const char* tip) {
  const int button = pf::PictureButtonGadget(AutoNumber, Scaled(x), y, Scaled(44), Scaled(35), picture);
  RegisterHoverGadget(button, 2, picture + 1, picture, 0, 0);
  pf::SetToolTip(button, tip);
  return button;
}

void BuildFooter(int pageW, int pageH) {
  const int footer = pf::ContainerGadget(AutoNumber, 0, pageH - DY(52), pageW, DY(52) + 2);
  pf::SetGadgetColour(footer, BackColourType, BlueColour);
  pf::OpenGadgetList(footer);
  const int y = int(std::lround((DY(52) - 35 * ScaleMin) / 2));
  MISaveAsNewButton = FooterButton(148, y, 27, "SAVE AS NEW");
  MISaveButton = FooterButton(104, y, 25, "SAVE CURRENT");
  // The summary has no printed report, so its print button is never shown.
  MIPrintButton = FooterButton(60, y, 29, "PRINT DETAILED REPORT");
  pf::HideGadget(MIPrintButton, true);
  MIDeleteButton = FooterButton(10, y, 32, "DELETE INCIDENT SUMMARY");
  pf::ContainerGadget(AutoNumber, Scaled(200), -3, 5, pf::GadgetHeight(IncidentFooter) + 3, fl::kBorder);
  pf::CloseGadgetList();
}

// The bar reaches the split and then the results' last row, no further: with the upper area at the split,
// the results' view ends where the upper area's does, and their canvas ends below their last row.
void FitSharedScroll() {
  const int upperView = pf::ScrollAreaViewHeight(MIScrollArea(2));
  const int lowerTop = pf::GadgetY(MIScrollArea(3));
  pf::ResizeGadget(MIScrollArea(3), IgnoreValue, IgnoreValue, IgnoreValue,
                   upperView - (lowerTop - MIScrollSplit));
  FitCanvasToRows(MIScrollArea(3), kResultsMargin);
  pf::SetScrollAreaInner(MIScrollArea(2), pf::ScrollAreaInnerWidth(MIScrollArea(2)),
                         MIScrollSplit + upperView);
  const int resultsEnd =
      std::max(0, pf::ScrollAreaInnerHeight(MIScrollArea(3)) - pf::ScrollAreaViewHeight(MIScrollArea(3)));
  pf::SetScrollAreaInner(MIScrollArea(1), pf::ScrollAreaInnerWidth(MIScrollArea(1)),
                         pf::ScrollAreaViewHeight(MIScrollArea(1)) + MIScrollSplit + resultsEnd);
}

}  // namespace

void BuildMISummaryPage() {
  const int pageW = pf::GadgetWidth(PageHolder), pageH = pf::GadgetHeight(PageHolder);
  MISummaryPage = pf::ContainerGadget(AutoNumber, 0, 0, pageW, pageH);
  pf::SetGadgetColour(MISummaryPage, BackColourType, PageColour);
  pf::OpenGadgetList(MISummaryPage);
  const int title = pf::TextGadget(AutoNumber, 0, 0, pageW, DY(35), "MULTIPLE INCIDENTS SUMMARY",
                                   fl::kCentre | fl::kVCentre);
  SetGadgetColours(title, BlueColour, OrangeColour, TitleFont ? TitleFont : 34);
  SharedScrollBar(pageH);
  const int content = pf::ContainerGadget(AutoNumber, 0, DY(35), pageW - 17, pageH - DY(35) - DY(52));
  pf::OpenGadgetList(content);
  MIScrollArea(2) = pf::ScrollAreaGadget(AutoNumber, 0, 0, pageW + DX(100), pf::GadgetHeight(content),
                                         pageW + 15, DY(2500), 8);
  pf::SetGadgetColour(MIScrollArea(2), BackColourType, PageColour);
  pf::AddGadgetHandler(MIScrollArea(2), MIScrollForwardProc);
  pf::OpenGadgetList(MIScrollArea(2));
  MIGadget(0, 0) = pf::TextGadget(AutoNumber, 0, 0, 0, 0, "");
  BuildRows(pageW, pageH);
  pf::CloseGadgetList();
  pf::CloseGadgetList();
  BuildFooter(pageW, pageH);
  pf::CloseGadgetList();
  FitSharedScroll();
  pf::HideGadget(MISummaryPage, true);
  FillMISuggestionLists();
  StartNewMISummary();
}
