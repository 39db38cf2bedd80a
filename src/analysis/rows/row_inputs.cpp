// Description rows of step 1, period dates and their read-only copies, the occupational group selector
// and the retrieve row of step 3.
#include "analysis/rows/row_frame.h"
#include "colouring/colour_library.h"
#include "shell/date_fields.h"
#include "shell/design_grid.h"
#include "shell/gadget_helpers.h"
#include "shell/subclassed_controls.h"

using namespace pf::flags;

int BuildTextRow(const RowCall& call, const RowDescription& spec) {
  const int panel = OpenRowPanel(call, spec.height, true, call.colour);
  RowLabel(call, spec, call.colour);
  if (spec.shape == Shape::SingleText) {
    Record(call, 1, 2, RowField(spec.fieldX, 15, 200, 20, kBorder));
    if (call.page == 8 && call.row == 1) {
      const int notice = RowText(spec.noticeX, 15, 200, 25, "* Successfully loaded *", 0, call.colour,
                                 BlueColour, RowLabelFont);
      pf::HideGadget(notice, true);
      Record(call, 2, 1, notice);
    }
  } else {
    // Wraps at its own width; Enter and Tab move on instead of breaking the line.
    const int editor = pf::EditorGadget(AutoNumber, DX(spec.fieldX), DY(7), DX(500), DY(35), kBorder);
    pf::AddGadgetHandler(editor, WorksheetFieldProc);
    Record(call, 1, 2, editor);
  }
  pf::CloseGadgetList();
  return panel;
}

int BuildDateRow(const RowCall& call, const RowDescription& spec) {
  const int panel = OpenRowPanel(call, spec.height, true, call.colour);
  RowLabel(call, spec, call.colour);
  if (spec.shape == Shape::PeriodDates) {
    for (const BoxSpec& b : spec.boxes) {
      const int picker = pf::DateGadget(AutoNumber, DX(b.x), DY(15), DX(b.w), DY(20), "", kBorder);
      if (spec.monthMask) {
        ResetDateMask(picker);  // the month-name look at once
        SetGadgetProperty(picker, "datestyle", 1);
      }
      Record(call, b.column, 2, picker);
    }
    if (spec.hiddenSecondPicker) {
      // Never shown, but saved, loaded and reset with the record like every picker.
      const int hidden = pf::DateGadget(AutoNumber, DX(820), DY(15), 0, 0, "", kBorder);
      pf::HideGadget(hidden, true);
      pf::DisableGadget(hidden, true);
      Record(call, 2, 2, hidden);
    }
  } else {
    for (const BoxSpec& b : spec.boxes)
      Record(
          call, b.column, 2,
          RowText(b.x, spec.fieldY, b.w, 20, "", kBorder | kCentre | kVCentre, BlueGreyColour, kBlack, 14));
  }
  pf::CloseGadgetList();
  return panel;
}

namespace {
std::string ReplaceAll(std::string text, const std::string& what, const std::string& with) {
  for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + with.size()))
    text.replace(at, what.size(), with);
  return text;
}
}  // namespace

int BuildGroupSelector(const RowCall& call, const RowDescription& spec) {
  const int panel = OpenRowPanel(call, 30, true, BlueColour);
  RowLabel(call, spec, BlueColour, OrangeColour);
  const int number = RowText(240, 2, 30, 22, "1", kBorder | kCentre | kVCentre, BlueGreyColour, kBlack, 14);
  Record(call, 1, 3, number);
  // The buddy: its text is the chosen group, its data value the group the step-2 fields hold.
  const int buddy = pf::FieldGadget(AutoNumber, 0, 0, 0, 0, "1", kReadOnly | kNoTabStop | kCentre);
  Record(call, 1, 2, buddy);
  // Left and right arrows; x and width are truncated, and the bottoms of arrows and number are level.
  const int arrows = pf::UpDownGadget(AutoNumber, int(271 * ScaleX), pf::GadgetY(number) + 1,
                                      int(30 * ScaleX), pf::GadgetHeight(number) - 1, 1, 10, buddy);
  pf::SetUpDownHorizontal(arrows);
  const std::string caption = ReplaceAll(call.label, "Occupational group number", spec.replacement);
  Record(call, 2, 1,
         RowText(spec.captionX, 0, 180, 30, caption, kVCentre, BlueColour, OrangeColour, RowLabelFont));
  const int occupation = RowField(600, 3, spec.fieldW, 22, kBorder | kCentre);
  SetGadgetColours(occupation, kWhite, DarkBlueColour, RowLabelFont);
  Record(call, 2, 2, occupation);
  pf::CloseGadgetList();
  return panel;
}

int BuildRetrieveRow(const RowCall& call, const RowDescription& spec) {
  const int panel = OpenRowPanel(call, 55, true, call.colour);
  const int button = pf::PictureButtonGadget(AutoNumber, DX(spec.fieldX), DY(5), DX(500), DY(45), 48);
  Record(call, 1, 2, button);
  RegisterHoverGadget(button, 2, 49, 48, -1, -1);
  SetButtonColours(button, OrangeColour, DarkBlueColour);
  const int status = RowText(spec.statusX, spec.statusY, spec.statusW, spec.statusH, spec.statusText,
                             kCentre | kVCentre, PageColour, BlueColour, 17);
  Record(call, 1, 1, status);
  pf::CloseGadgetList();
  return panel;
}
