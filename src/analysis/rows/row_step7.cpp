// Step 7: the year and industry-code rows, the claims table and the premium rate-model block.
#include "analysis/rows/row_frame.h"
#include "shell/design_grid.h"
#include "shell/gadget_helpers.h"

using namespace pf::flags;

namespace {

// Claims table texts and positions: Before & After, Concurrent Groups, Potential Intervention.
struct ClaimsLayout {
  const char* first;
  int firstX, firstW;
  const char* second;
  int secondX, secondW;
  int totalX, iconX, shift, altShift;
};
const ClaimsLayout kClaims[3] = {
    {"Before Period", 100, 140, "After Period", 300, 140, 100, 243, -50, 0},
    {"Non-intervention Department", 10, 230, "Intervention Department", 285, 200, 50, 230, -50, 0},
    {"Existing Situation", 90, 140, "Potential Scenario", 290, 140, 100, 243, -40, -100}};

}  // namespace

int BuildStep7Row(const RowCall& call, const RowDescription& spec) {
  const ClaimsLayout& c = kClaims[int(call.module)];
  switch (spec.shape) {
    case Shape::YearField:
    case Shape::IndustryCombo: {
      const int panel = OpenRowPanel(call, 55, true, call.colour);
      RowLabel(call, spec, call.colour);
      if (spec.shape == Shape::YearField) {
        const int year = RowField(550, 17, 100, 20, kBorder | kRight);
        NumberLook(year, BlankNumberFieldColour);  // numeric, but a new record leaves it empty
        Record(call, 1, 2, year);
      } else {
        Record(call, 1, 2, pf::ComboGadget(AutoNumber, DX(550), DY(17), DX(100), DY(20)));
      }
      pf::CloseGadgetList();
      return panel;
    }
    case Shape::ClaimsHeader: {
      const int panel = OpenRowPanel(call, 35, false, call.colour);
      Record(call, 1, 0,
             RowText(c.firstX, 0, c.firstW, 35, c.first, kVCentre, call.colour, BlueColour, RowLabelFont));
      Record(call, 1, 2,
             RowText(c.secondX, 0, c.secondW, 35, c.second, kVCentre, call.colour, BlueColour, RowLabelFont));
      pf::CloseGadgetList();
      return panel;
    }
    case Shape::ClaimsCaption: {
      const int panel = OpenRowPanel(call, 35, false, call.colour);
      Record(call, 1, 0,
             RowText(c.totalX, 0, 140, 35, "Total claims cost", kVCentre, call.colour, kBlack, 14));
      const int icon = pf::PictureGadget(AutoNumber, DX(c.iconX), DY(4), DX(30), DY(25), HelpIconPageImage);
      RegisterHelpText(
          "This is a sum of the cost of each claim entered for these periods in Step 6 of the Incident Cost "
          "Calculator.",
          -1, icon, c.shift, c.altShift);
      Record(call, 1, 2, RowText(300, 0, 140, 35, "Total claims cost", kVCentre, call.colour, kBlack, 14));
      pf::CloseGadgetList();
      return panel;
    }
    default: {
      const int panel = OpenRowPanel(call, 35, false, call.colour);
      for (const auto& [x, slot] : {std::pair{c.totalX, 1}, std::pair{300, 2}}) {
        const int sum = RowText(x, 10, 100, 20, "", kBorder | kRight, 0, 0, kNoColours);
        pf::SetGadgetColour(sum, BackColourType, CalculatedColour);
        Record(call, 1, slot, sum);
      }
      pf::CloseGadgetList();
      return panel;
    }
  }
}
