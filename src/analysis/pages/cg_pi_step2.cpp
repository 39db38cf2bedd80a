#include "analysis/pages/cg_pi_step2.h"

#include "platform/gadget_state.h"
#include "shell/design_grid.h"
#include "shell/gadget_helpers.h"

int PageText(int x, int y, int w, int h, const char* text, Rgb back, Rgb front, int font, unsigned flags) {
  const int gadget = pf::TextGadget(AutoNumber, x, y, w, h, text, flags);
  SetGadgetColours(gadget, back, front, font);
  return gadget;
}

int AddY(int pixels, double units) { return RoundHalfEven(pixels + units * ScaleY); }

int StepPageWidth(const ModuleDescription& m, int page) { return pf::GadgetWidth((*m.pages)(page)); }
int StepPageHeight(const ModuleDescription& m, int page) { return pf::GadgetHeight((*m.pages)(page)); }

void BuildGroupStep2(const ModuleDescription& m, int page, const GroupStep2Layout& layout) {
  const int w = StepPageWidth(m, page), h = StepPageHeight(m, page);
  const int header = StepHeaderHeight(2);
  const unsigned vcentre = pf::flags::kVCentre;

  const int strip = pf::ContainerGadget(AutoNumber, 0, header, w, DY(30), pf::flags::kBorder);
  pf::SetGadgetColour(strip, BackColourType, BlueColour);
  pf::OpenGadgetList(strip);
  PageText(0, 0, DX(1200), DY(30), layout.caption, HeadingGreyColour, OrangeColour, 4, vcentre);
  pf::CloseGadgetList();
  const int stripHeight = pf::GadgetHeight(strip);

  const int area = pf::ContainerGadget(AutoNumber, 0, header + stripHeight - 1, w - 2,
                                       h - header - stripHeight + 2, pf::flags::kBorder);
  pf::SetGadgetColour(area, BackColourType, PageColour);
  pf::OpenGadgetList(area);
  const int periodBottom = BuildRows(m, page, layout.period);

  const int columns = pf::ContainerGadget(AutoNumber, 0, periodBottom - 1, w, DY(30), pf::flags::kBorder);
  pf::SetGadgetColour(columns, BackColourType, BlueColour);
  pf::OpenGadgetList(columns);
  for (const FrameCaption& c : layout.columns)
    PageText(DX(c.x), DY(c.y), DX(c.w), DY(c.h), c.text, BlueColour, OrangeColour, 4, vcentre);
  pf::CloseGadgetList();

  // Tab moves between the group's fields, never onto the area itself.
  const int groupArea = pf::ScrollAreaGadget(AutoNumber, 0, periodBottom - 1 + pf::GadgetHeight(columns),
                                             w - layout.areaWidthLess, DY(312) + 3, w - layout.innerWidthLess,
                                             DY(530), 30, pf::flags::kNoTabStop);
  pf::SetGadgetColour(groupArea, BackColourType, PageColour);
  pf::OpenGadgetList(groupArea);
  const int groupBottom = BuildRows(m, page, layout.group);
  VerticalRule(DX(770), 0, groupBottom);
  pf::CloseGadgetList();
  pf::CloseGadgetList();

  // The second column's entry of these rows follows the first column; Tab goes past it.
  for (int row : layout.copiedRows) pf::SetGadgetTabStop((*m.gadget)(page, row, 2, 2), false);
}
