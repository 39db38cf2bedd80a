#include "analysis/pages/pi_step3.h"

#include <algorithm>

#include "analysis/pages/cg_pi_step2.h"
#include "analysis/pages/pages_globals.h"
#include "analysis/pages/pi_rows.h"
#include "analysis/rows/rows_globals.h"
#include "platform/gadget_state.h"
#include "shell/design_grid.h"
#include "shell/gadget_helpers.h"
#include "shell/subclassed_controls.h"

namespace {

void MarkUnitBox(int field) {
  const int box = pf::GadgetParent(field);
  for (int sibling : pf::GadgetChildren(box)) {
    if (pf::GadgetKind(sibling) != pf::Kind::Text) continue;
    const std::size_t length = pf::GetGadgetText(sibling).size();
    if (length >= 1 && length <= 3) {
      pf::SetGadgetColour(sibling, BackColourType, BlueGreyColour);
      pf::SetGadgetColour(sibling, FrontColourType, BlueColour);
      // The box's ground too, which shows in the few pixels that keep the figure clear of its mark.
      pf::SetGadgetColour(box, BackColourType, BlueGreyColour);
    }
    return;  // only the first static text beside the field is its unit box
  }
}

}  // namespace

void ShowExistingSituationColumn() {
  for (int row = 20; row <= 39; ++row)
    for (int slot = 0; slot <= 5; ++slot) {
      const int field = PIGadget(6, row, 1, slot);
      if (field == 0 || pf::GadgetKind(field) != pf::Kind::Field) continue;
      pf::SetGadgetColour(field, BackColourType, BlueGreyColour);
      pf::SetGadgetReadOnly(field, true);
      pf::SetGadgetTabStop(field, false);
      MarkUnitBox(field);
    }
}

void BuildPIStep3(const ModuleDescription& m, int page) {
  const int w = StepPageWidth(m, page), h = StepPageHeight(m, page);
  const PIRowTables& rows = PIRows();
  const int panelBottom = BuildApproachBand(m, page);
  // What shows of the areas: the page below the database panel.
  const int shown = h - panelBottom;

  // The bar: a scroll area whose only visible part is its own vertical bar.
  const int barHolder = pf::ContainerGadget(AutoNumber, DX(1024) - 14, panelBottom, 30, shown);
  pf::SetGadgetColour(barHolder, BackColourType, OrangeColour);
  pf::OpenGadgetList(barHolder);
  PIStep3ScrollBar =
      pf::ScrollAreaGadget(AutoNumber, -7, 0, 23, shown, w - 23, AddY(h, 1800), 30, pf::flags::kNoTabStop);
  pf::SetGadgetColour(PIStep3ScrollBar, BackColourType, DarkGreyColour);
  pf::AddGadgetHandler(PIStep3ScrollBar, PISplitScrollProc);
  pf::CloseGadgetList();
  NoticeGadget(3, 4) = PIStep3ScrollBar;

  // The areas: wider than their holder, so their own bars fall outside it; their scroll requests go to the
  // bar.
  const int contentHolder = pf::ContainerGadget(AutoNumber, 0, panelBottom - 1, DX(1024) - 13, shown + 1);
  pf::SetGadgetColour(contentHolder, BackColourType, OrangeColour);
  pf::OpenGadgetList(contentHolder);
  PIStep3UpperArea = pf::ScrollAreaGadget(AutoNumber, 0, 0, DX(1024) + 3, shown + 1, w - 23, AddY(h, 1750), 1,
                                          pf::flags::kBorder | pf::flags::kNoTabStop);
  pf::SetGadgetColour(PIStep3UpperArea, BackColourType, PageColour);
  pf::AddGadgetHandler(PIStep3UpperArea, PIScrollForwardProc);
  pf::OpenGadgetList(PIStep3UpperArea);

  const std::span<const AnalysisRow> upper = rows.step3Upper;
  const int listsBottom = BuildRows(m, page, upper.first(9));  // the period and the criteria
  PIStep3ScrollSplit = BuildRows(m, page, upper.subspan(9));   // the gap and the estimate headings

  const int band = PageText(0, PIStep3ScrollSplit, DX(1030), DY(30), "", BlueColour, BlueColour, 4, 0);
  const int bandBottom = PIStep3ScrollSplit + pf::GadgetHeight(band);
  const unsigned vcentre = pf::flags::kVCentre;
  PageText(DX(225), PIStep3ScrollSplit, DX(1030), DY(30), "Existing Situation", BlueColour, OrangeColour, 4,
           vcentre);
  PageText(DX(700), PIStep3ScrollSplit, DX(170), DY(30), "Potential Scenario", BlueColour, OrangeColour, 4,
           vcentre);
  PIRowY = bandBottom;
  const int headerBottom = BuildRows(m, page, rows.step3GridHeader);
  VerticalRule(DX(500) + 1, bandBottom, headerBottom - bandBottom);

  // The retrieve row is made after the headings but stands in the gap below the department list.
  PIRowY = listsBottom;
  BuildRows(m, page, rows.step3Retrieve);

  // With the upper area at the split, the grid's view ends where the upper area's does.
  const int upperView = pf::ScrollAreaViewHeight(PIStep3UpperArea);
  const int lowerHeight = upperView - (headerBottom - 1 - PIStep3ScrollSplit);
  PIStep3LowerArea = pf::ScrollAreaGadget(AutoNumber, 0, headerBottom - 1, w, lowerHeight, w - 23,
                                          AddY(h, 450), 1, pf::flags::kBorder | pf::flags::kNoTabStop);
  pf::SetGadgetColour(PIStep3LowerArea, BackColourType, PageColour);
  pf::AddGadgetHandler(PIStep3LowerArea, PIScrollForwardProc);
  pf::OpenGadgetList(PIStep3LowerArea);
  const int gridBottom = BuildRows(m, page, rows.step3Lower);
  VerticalRule(DX(500), 0, gridBottom);
  pf::CloseGadgetList();
  pf::CloseGadgetList();
  pf::CloseGadgetList();

  // The bar reaches the split and then the grid's last row, no further.
  FitCanvasToRows(PIStep3LowerArea, kCanvasMargin);
  pf::SetScrollAreaInner(PIStep3UpperArea, pf::ScrollAreaInnerWidth(PIStep3UpperArea),
                         PIStep3ScrollSplit + upperView);
  const int gridEnd =
      std::max(0, pf::ScrollAreaInnerHeight(PIStep3LowerArea) - pf::ScrollAreaViewHeight(PIStep3LowerArea));
  PIStep3ScrollHeight = pf::ScrollAreaViewHeight(PIStep3ScrollBar) + PIStep3ScrollSplit + gridEnd;
  pf::SetScrollAreaInner(PIStep3ScrollBar, pf::ScrollAreaInnerWidth(PIStep3ScrollBar), PIStep3ScrollHeight);

  ShowExistingSituationColumn();
}
