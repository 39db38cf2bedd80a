// Criteria lists of step 3, the caption strip over the department lists, and the step-8 sensitivity
// captions and result boxes.
#include "analysis/rows/row_frame.h"
#include "shell/design_grid.h"
#include "shell/gadget_helpers.h"

using namespace pf::flags;

int BuildListRow(const RowCall& call, const RowDescription& spec) {
  const int panel = OpenRowPanel(call, spec.height, true, call.colour);
  if (spec.shape == Shape::HeaderStrip) {
    const int strip = pf::ContainerGadget(AutoNumber, 0, 0, DX(1200), DY(30));
    SetGadgetColours(strip, BlueColour, OrangeColour, 4);
    pf::OpenGadgetList(strip);
    RowText(500, 0, 300, 30, "Non-intervention Department", kVCentre, BlueColour, OrangeColour, 4);
    RowText(770, 0, 270, 30, "Intervention Department", kVCentre, BlueColour, OrangeColour, 4);
    pf::CloseGadgetList();
    pf::CloseGadgetList();
    return panel;
  }
  RowLabel(call, spec, call.colour);
  for (const BoxSpec& b : spec.boxes) {
    const int list = pf::ListBoxGadget(AutoNumber, DX(b.x), DY(spec.listY), DX(b.w), DY(spec.listH),
                                       kBorder | kMultiSelect);
    Record(call, b.column, 2, list);
    if (spec.category) {
      AddGadgetItemWithData(list, -1, spec.allText, 100);
      FillGadgetFromList(list, *spec.category);
    } else {
      // Filled later with departments or occupations; stored by the chosen texts.
      SetGadgetProperty(list, "savetype", 1);
    }
    AttachExclusiveFirstItem(list);
    if (spec.category) pf::SetGadgetItemSelected(list, 0, true);
  }
  if (spec.stub) {
    const int stub = RowField(800, 10, 0, 0, kBorder);
    Record(call, 2, 2, stub);
    pf::HideGadget(stub, true);
    pf::DisableGadget(stub, true);
  }
  pf::CloseGadgetList();
  return panel;
}

int BuildSummaryBoxes(const RowCall& call, const RowDescription& spec) {
  const int panel = OpenRowPanel(call, spec.height, true, MidBlueColour);
  const int w = pf::GadgetWidth(panel);
  // Anchored to the panel's right edge in pixels, so a wider root moves them right.
  const int left[3] = {RoundHalfEven(w - 360 * ScaleX - 22), RoundHalfEven(w - 240 * ScaleX - 23),
                       RoundHalfEven(w - 120 * ScaleX - 24)};
  if (spec.shape == Shape::SensitivityHeader) {
    const std::string gap = spec.variant == 0 ? std::string("\r") : std::string(" ");
    const std::string captions[3] = {"Calculated" + gap + "benefits less 10%",
                                     "Calculated" + LineBreak + "value",
                                     "Calculated" + gap + "benefits plus 10%"};
    for (int i = 0; i < 3; ++i) {
      const int box =
          pf::TextGadget(AutoNumber, left[i], -1, DX(120), DY(36), captions[i], kBorder | kCentre);
      SetGadgetColours(box, MidBlueColour, kBlack, 18);
    }
  } else {
    RowLabel(call, spec, call.colour);
    const std::pair<int, int> cells[3] = {{1, 2}, {2, 1}, {2, 2}};
    for (int i = 0; i < 3; ++i) {
      const int box =
          pf::TextGadget(AutoNumber, left[i], -1, DX(120), DY(56), "0 ", kBorder | kCentre | kVCentre);
      SetGadgetColours(box, MidBlueColour, kBlack, 14);
      Record(call, cells[i].first, cells[i].second, box);
    }
  }
  pf::CloseGadgetList();
  return panel;
}
