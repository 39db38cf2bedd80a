// The elements that the row shapes share, and the shapes of the plain value rows: number pairs, computed
// pairs, totals, cost and result rows, turnover rows and the step-8 pairs.
#include <algorithm>

#include "analysis/rows/row_frame.h"
#include "shell/design_grid.h"
#include "shell/gadget_helpers.h"

using namespace pf::flags;

void Record(const RowCall& call, int column, int slot, int gadget) {
  RecordAt(call, call.row, column, slot, gadget);
}

void RecordAt(const RowCall& call, int row, int column, int slot, int gadget) {
  ModuleCells(call.module)(call.page, row, column, slot) = gadget;
}

int RowText(int x, int y, int w, int h, const std::string& text, unsigned flags, Rgb back, Rgb front,
            int font) {
  const int t = pf::TextGadget(AutoNumber, DX(x), DY(y), DX(w), DY(h), text, flags);
  if (font != kNoColours) SetGadgetColours(t, back, front, font);
  return t;
}

int RowField(int x, int y, int w, int h, unsigned flags) {
  return pf::FieldGadget(AutoNumber, DX(x), DY(y), DX(w), DY(h), "", flags);
}

int OpenRowPanel(const RowCall& call, int designHeight, bool border, Rgb colour) {
  const int panel = pf::ContainerGadget(AutoNumber, 0, call.top, ModuleRootWidth(call.module),
                                        DY(designHeight), border ? kBorder : 0u);
  pf::SetGadgetColour(panel, BackColourType, colour);
  pf::OpenGadgetList(panel);
  return panel;
}

int RowLabel(const RowCall& call, const RowDescription& spec, Rgb back, Rgb front) {
  const LabelSpec& l = spec.label;
  const unsigned style = l.style == LabelStyle::Centred ? kVCentre : 0u;
  const int label = RowText(l.x, l.y, l.w, l.h ? l.h : spec.height, call.label, style, back, front,
                            l.font == 17 ? RowLabelFont : l.font);
  if (l.recorded) Record(call, 1, 0, label);
  return label;
}

void NumberLook(int field, Rgb back) {
  pf::SetGadgetColour(field, BackColourType, back ? back : NumberFieldColour);
}

void KeepClearOfMark(int value, int mark, unsigned markAlign) {
  constexpr int kGap = 2;  // pixels
  const int markX = pf::GadgetX(mark), markW = pf::GadgetWidth(mark), text = pf::GadgetTextWidth(mark);
  const int textLeft = markAlign & kRight    ? markX + markW - text
                       : markAlign & kCentre ? markX + (markW - text) / 2
                                             : markX;
  const int x = pf::GadgetX(value), end = x + pf::GadgetWidth(value);
  if (2 * textLeft + text < x + end) {  // the mark stands at the value's left
    const int start = std::max(x, textLeft + text + kGap);
    pf::ResizeGadget(value, start, IgnoreValue, end - start, IgnoreValue);
  } else {
    pf::ResizeGadget(value, IgnoreValue, IgnoreValue, std::min(end, textLeft - kGap) - x, IgnoreValue);
  }
}

int BuildValuesRow(const RowCall& call, const RowDescription& spec) {
  const int panel = OpenRowPanel(call, spec.height, spec.border, call.colour);
  if (spec.label.style != LabelStyle::None) RowLabel(call, spec, call.colour);
  const bool computed = !spec.values.empty() && spec.values[0].kind == ValueKind::Computed;
  const int unitFont = spec.unitFont;
  for (const ValueSpec& v : spec.values) {
    int value = 0;
    if (v.kind == ValueKind::Computed) {
      value = RowText(v.x, spec.valueY, v.w, spec.valueH, spec.valueText, kRight, call.colour, kBlack,
                      spec.valueFont);
    } else {
      unsigned flags = kBorder | kRight;
      if (v.column == 2 && spec.readOnlyOnGroupInputs && call.page == 7 && call.row >= 5 && call.row <= 9)
        flags |= kReadOnly;
      value = RowField(v.x, spec.valueY, v.w, spec.valueH, flags);
      if (v.kind == ValueKind::NumberInput) NumberLook(value);
    }
    Record(call, v.column, 2, value);
    if (!v.units) continue;
    if (!call.suffix.empty())
      KeepClearOfMark(
          value,
          RowText(v.x + v.w + 5, spec.suffixY, v.suffixW, 20, call.suffix, 0, call.colour, kBlack, unitFont),
          0);
    if (!call.prefix.empty())
      KeepClearOfMark(
          value,
          RowText(v.x + v.prefixDx, spec.prefixY, 10, 20, call.prefix, 0, call.colour, kBlack, unitFont), 0);
    if (spec.requiredMark && call.required == 1 && !computed) {
      RowText(v.x + v.w + 45, 10, 20, 20, "*", 0, call.colour, pf::MakeRgb(255, 0, 0), 1);
      SetGadgetColours(value, RequiredFieldColour, kBlack, 32);
    }
  }
  for (const ZeroCell& z : spec.zeroCells)
    Record(call, z.column, z.slot, RowText(z.x, z.y, 0, 0, "", z.right ? kRight : 0u, 0, 0, kNoColours));
  if (spec.justificationWhenRequired && call.required == 1)
    Record(call, 2, 2, RowField(620, 20, 320, 20, kBorder));
  pf::CloseGadgetList();
  return panel;
}
