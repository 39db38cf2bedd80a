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
};

GridGeometry Geometry(Module m) {
  if (m == Module::PI) return {{0, 160, 510}, 50, 55};
  return {{0, 220, 625}, 59, 64};
}

struct UnitBoxLayout {
  const char* mark;
  int markX, markY, markW;
  unsigned markAlign;
  int fieldX, fieldW;
};

UnitBoxLayout BoxLayout(Module m, GridUnit unit, bool narrowDollar) {
  const bool pi = m == Module::PI;
  switch (unit) {
    case GridUnit::Hours:
      return pi ? UnitBoxLayout{"hrs", 27, 3, 18, kRight, 0, 31}
                : UnitBoxLayout{"hrs", 36, 0, 18, kRight, 0, 39};
    case GridUnit::Dollar:
      return pi ? UnitBoxLayout{"$", 0, 0, 7, kCentre, 7, narrowDollar ? 41 : 40}
                : UnitBoxLayout{"$", 0, 0, 7, kCentre, 7, 47};
    default:
      return pi ? UnitBoxLayout{"%", 33, 3, 12, kRight, 0, 36} : UnitBoxLayout{"%", 42, 0, 12, kRight, 0, 45};
  }
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
      RowText(g.base[column] + g.pitch * slot, pi && slot == 2 ? 0 : 10, g.cell, pi ? 70 : 65,
              kCaptions[pi][slot], kRight, call.colour, kBlack, 55);
  if (pi) RowText(855, 10, 160, 70, "\r\r\r\rJustification for the estimate", 0, call.colour, kBlack, 55);
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
        const UnitBoxLayout box = BoxLayout(call.module, unit, spec.kind184);
        const int holder =
            pf::ContainerGadget(AutoNumber, DX(x), DY(spec.cellY), DX(g.cell), DY(20), kBorder);
        pf::SetGadgetColour(holder, BackColourType, kWhite);
        pf::OpenGadgetList(holder);
        // The mark comes first and stays drawn over the right or left end of the field.
        const int mark =
            RowText(box.markX, box.markY, box.markW, 20, box.mark, box.markAlign, kWhite, kBlack, -1);
        // A mark at the right end covers the field's last units; the field stops where the mark starts, so
        // its right-aligned number ends beside the mark instead of under it.
        const int fieldW = box.markAlign == kRight ? std::min(box.fieldW, box.markX) : box.fieldW;
        field = RowField(box.fieldX, 0, fieldW, 20, kRight);
        pf::RaiseGadget(mark);
        pf::CloseGadgetList();
      }
      SetGadgetColours(field, NumberFieldColour, kBlack, pi && slot != 0 ? 57 : -1);
      Record(call, column, slot, field);
    }
  }
  if (pi) {
    const int why = RowField(850, spec.cellY, 160, 20, kBorder);
    pf::SetGadgetFont(why, 57);
    Record(call, 2, 6, why);
  }
  pf::CloseGadgetList();
  return panel;
}
