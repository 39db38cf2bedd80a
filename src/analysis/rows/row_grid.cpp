// The summary incident grid of step 3: its caption row and its rows of number fields and unit boxes.
#include <algorithm>

#include "analysis/rows/row_frame.h"
#include "shell/design_grid.h"
#include "shell/gadget_helpers.h"

using namespace pf::flags;

namespace {

struct GridGeometry {
  int base[3];  // by column (index 0 unused)
  int cell, pitch;
  int caption;  // the captions' width; they end where their boxes end
};

GridGeometry Geometry(Module m) {
  // The boxes take their column's room but for a one-unit gap, for the figures they hold.
  if (m == Module::PI) return {{0, 160, 510}, 54, 55, 50};
  return {{0, 220, 625}, 59, 64, 59};
}

// A mark at the right stands at the box's right end, one at the left at its left end.
struct UnitBoxLayout {
  const char* mark;
  int markY;
  bool right;
};

UnitBoxLayout BoxLayout(Module m, GridUnit unit) {
  const bool pi = m == Module::PI;
  switch (unit) {
    case GridUnit::Hours:
      return UnitBoxLayout{"hrs", pi ? 3 : 0, true};
    case GridUnit::Dollar:
      return UnitBoxLayout{"$", 0, false};
    default:
      return UnitBoxLayout{"%", pi ? 3 : 0, true};
  }
}

// A bordered white box holding a unit mark and a number field: the field takes the box's room beside the
// mark's text, which is drawn in the figure's font.
int UnitBox(int x, int y, int w, const UnitBoxLayout& box, int font) {
  const int holder = pf::ContainerGadget(AutoNumber, DX(x), DY(y), DX(w), DY(20), kBorder);
  pf::SetGadgetColour(holder, BackColourType, kWhite);
  pf::OpenGadgetList(holder);
  const int inside = pf::GadgetWidth(holder) - 2;  // within its one-pixel lines
  const int mark = RowText(0, box.markY, 20, 20, box.mark, 0, kWhite, kBlack, font);
  const int markW = pf::GadgetTextWidth(mark);  // the mark hugs its text: never cut, never wider
  pf::ResizeGadget(mark, box.right ? inside - 1 - markW : 0, IgnoreValue, markW, IgnoreValue);
  const int field = pf::FieldGadget(AutoNumber, 0, 0, inside, DY(20), "", kRight);
  KeepClearOfMark(field, mark, 0);
  pf::CloseGadgetList();
  return field;
}

const char* const kCaptions[2][6] = {
    {"\r\r\r\rIndustry code", "\r\rLost-time work injuries/ illnesses",
     "No-lost-time work injuries/ illnesses (including first aid)", "\r\rGeneral sickness absences",
     "\r\r\r\rNear misses", "\r\r\rOther\rincidents"},
    {"\r\r\rIndustry\rcode", "\rLost-time\rwork\rinjuries/\rillnesses",
     "No-lost\r-time work\rinjuries/\rillnesses (including first aid)", "\r\rGeneral sickness absences",
     "\r\r\rNear\rmisses", "\r\r\rOther incidents"}};

void BuildHeader(const RowCall& call, const GridGeometry& g) {
  const bool pi = call.module == Module::PI;
  for (int column = 1; column <= 2; ++column)
    for (int slot = 0; slot <= 5; ++slot)
      RowText(g.base[column] + g.pitch * slot + g.cell - g.caption, pi && slot == 2 ? 0 : 10, g.caption,
              pi ? 70 : 65, kCaptions[pi][slot], kRight, call.colour, kBlack, 55);
  if (pi) RowText(855, 10, 145, 70, "\r\r\r\rJustification for the estimate", 0, call.colour, kBlack, 55);
}

}  // namespace

int BuildGridRow(const RowCall& call, const RowDescription& spec) {
  const int panel = OpenRowPanel(call, spec.height, false, call.colour);
  const GridGeometry g = Geometry(call.module);
  if (spec.shape == Shape::GridHeader) {
    BuildHeader(call, g);
    pf::CloseGadgetList();
    return panel;
  }
  const bool pi = call.module == Module::PI;
  RowLabel(call, spec, call.colour);
  for (int column = 1; column <= 2; ++column) {
    for (const auto& [slot, unit] : spec.gridCells) {
      const int x = g.base[column] + g.pitch * slot;
      int field = 0;
      if (unit == GridUnit::Plain) {
        field = RowField(x, spec.cellY, g.cell, 20, kBorder | kRight);
      } else {
        field = UnitBox(x, spec.cellY, g.cell, BoxLayout(call.module, unit), pi && slot != 0 ? 57 : -1);
      }
      SetGadgetColours(field, NumberFieldColour, kBlack, pi && slot != 0 ? 57 : -1);
      Record(call, column, slot, field);
    }
  }
  if (pi) {
    // Ends clear of the bar that scrolls the step, which stands a fixed number of pixels from the edge.
    const int why = RowField(850, spec.cellY, 150, 20, kBorder);
    pf::SetGadgetFont(why, 57);
    Record(call, 2, 6, why);
  }
  pf::CloseGadgetList();
  return panel;
}
