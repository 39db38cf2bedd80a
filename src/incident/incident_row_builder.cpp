#include "incident/incident_row_builder.h"

#include <cmath>

#include "colouring/text_contrast.h"
#include "incident/incident_globals.h"
#include "platform/platform.h"
#include "shell/design_grid.h"
#include "shell/gadget_helpers.h"
#include "shell/hover_help.h"
#include "shell/page_globals.h"
#include "shell/subclassed_controls.h"

namespace {

namespace fl = pf::flags;

constexpr int kLabelFont = 17;
constexpr int kPercentFont = 42;
constexpr Rgb kTotalPercentColour = pf::MakeRgb(253, 252, 167);

// The row being built: its panel, cells and the height of its value boxes in design units.
struct Row {
  int kind, step, row;
  int panel = 0, label = 0;
  Rgb colour = 0;
  int height = 35;  // design units
  int& Cell(int column) { return IncidentGadget(step, row, column); }
};

int Text(int x, int y, int w, int h, const std::string& text, unsigned flags, Rgb back, Rgb front = kBlack,
         int font = -1) {
  const int g = pf::TextGadget(AutoNumber, DX(x), DY(y), DX(w), DY(h), text, flags);
  SetGadgetColours(g, back, front, font);
  return g;
}

// A bordered box of the row at design (x, -1) that holds value controls; left open for them.
int OpenBox(int x, int w, int h, Rgb colour) {
  const int box = pf::ContainerGadget(AutoNumber, DX(x), DY(-1), DX(w), DY(h), fl::kBorder);
  pf::SetGadgetColour(box, BackColourType, colour);
  pf::OpenGadgetList(box);
  return box;
}
// The same at pixel x and width, for boxes measured from the row's right edge.
int OpenPixelBox(int x, int w, int h, Rgb colour) {
  const int box = pf::ContainerGadget(AutoNumber, x, DY(-1), w, DY(h), fl::kBorder);
  pf::SetGadgetColour(box, BackColourType, colour);
  pf::OpenGadgetList(box);
  return box;
}

int Unit(int x, int y, int w, const char* text, Rgb back, int font = -1) {
  return Text(x, y, w, 20, text, fl::kVCentre, back, kBlack, font);
}
int Input(int x, int y, int w, int h = 20) {
  const int g = pf::FieldGadget(AutoNumber, DX(x), DY(y), DX(w), DY(h), "0", fl::kRight);
  pf::SetGadgetColour(g, BackColourType, NumberFieldColour);
  return g;
}
int PlainField(int x, int y, int w, int h, unsigned flags = 0) {
  return pf::FieldGadget(AutoNumber, DX(x), DY(y), DX(w), DY(h), "", flags);
}
int Value(int x, int y, int w, Rgb back, int font = -1) {
  return Text(x, y, w, 20, "0", fl::kRight | fl::kVCentre, back, kBlack, font);
}
int Caption(int w, int h, const char* text, Rgb back, Rgb front, int font) {
  return Text(0, 0, w, h, text, fl::kCentre | fl::kVCentre, back, front, font);
}

int RowWidth() { return pf::GadgetWidth(IncidentRoot); }
// Boxes that end a fixed distance before the row's right edge start at pixel x.
int Step6TotalX() { return DX(777) + DX(86) - 1; }
int SummaryBoxX() { return DX(872); }

// ---- Cell-box templates ------------------------------------------------------------------------------
void WideTimeBox(Row& r) {
  OpenBox(600, 141, r.height, r.colour);
  r.Cell(2) = Input(25, 7, 70);
  Unit(100, 7, 40, "hours", r.colour);
  pf::CloseGadgetList();
}
void WideRateBox(Row& r) {
  OpenBox(740, 144, r.height, r.colour);
  r.Cell(3) = Input(25, 7, 70);
  Unit(15, 7, 10, "$", r.colour);
  Unit(100, 7, 40, "/hour", r.colour);
  pf::CloseGadgetList();
}
// The computed cost, or with `input` the typed amount, in cell 4.
int WideCostBox(Row& r, bool input, Rgb colour) {
  const int box = OpenBox(882, 142, r.height, colour);
  Unit(35, 7, 10, "$", colour);
  r.Cell(4) = input ? Input(45, 7, 74) : Value(45, 7, 70, colour);
  pf::CloseGadgetList();
  return box;
}
// The narrow boxes of step 6 hold a field and its marks between lines 88 pixels apart, where the time
// box's last line stands inside the rate box: the fields are a little narrower than the design's, so that
// our wider marks keep a few pixels from the field and from the lines.
void NarrowTimeBox(Row& r) {
  OpenBox(601, 90, r.height, r.colour);
  r.Cell(2) = Input(8, 7, 38);
  Unit(50, 7, 36, "hours", r.colour);
  pf::CloseGadgetList();
}
void NarrowRateBox(Row& r, int width) {
  OpenBox(689, width, r.height, r.colour);
  r.Cell(3) = Input(15, 7, 36);
  Unit(4, 7, 8, "$", r.colour);
  Unit(55, 7, 32, "/hour", r.colour);
  pf::CloseGadgetList();
}
void OpenAmountBox(Row& r, Rgb colour) { OpenBox(777, 86, r.height, colour); }
void Step6TotalBox(Row& r, bool input, Rgb colour) {
  const int x = Step6TotalX();
  OpenPixelBox(x, RowWidth() - x - 26, r.height, colour);
  Unit(35, 7, 10, "$", colour);
  r.Cell(4) = input ? Input(45, 7, 74) : Value(45, 7, 70, colour);
  pf::CloseGadgetList();
}
int OpenSummaryBox(int h, Rgb colour) {
  const int x = SummaryBoxX();
  return OpenPixelBox(x, RowWidth() - x - 22, h, colour);
}

void MoveRight(int gadget) {
  pf::ResizeGadget(gadget, pf::GadgetX(gadget) + 1, IgnoreValue, IgnoreValue, IgnoreValue);
}

// ---- Label shapes ------------------------------------------------------------------------------------
void ResizeLabel(Row& r, int x, int w) { pf::ResizeGadget(r.label, DX(x), IgnoreValue, DX(w), IgnoreValue); }
void Recolour(Row& r, Rgb colour) {
  r.colour = colour;
  pf::SetGadgetColour(r.panel, BackColourType, colour);
  pf::SetGadgetColour(r.label, BackColourType, colour);
}
bool HasTwoLineLabel(int kind) { return kind == 7 || kind == 47 || kind == 51; }

// The row's label: one line, vertically centred; the taller rows wrap theirs inside an inner panel.
void AddLabel(Row& r, const std::string& text, int rowHeight) {
  if (HasTwoLineLabel(r.kind)) {
    const int inner = pf::ContainerGadget(AutoNumber, 0, DY(-1), DX(560), DY(rowHeight));
    pf::SetGadgetColour(inner, BackColourType, r.colour);
    pf::OpenGadgetList(inner);
    r.label = Text(10, 2, 550, rowHeight, text, 0, r.colour, kBlack, kLabelFont);
    pf::CloseGadgetList();
  } else if (r.kind == 32) {  // a sub-row, its label ending where the group row's time column begins
    r.label = Text(10, 0, 550, 35, text, fl::kRight | fl::kVCentre, r.colour, kBlack, kLabelFont);
  } else {
    r.label = Text(10, 0, 600, rowHeight == 30 ? 30 : 35, text, fl::kVCentre, r.colour, kBlack, kLabelFont);
  }
  r.Cell(1) = r.label;
}

// ---- Kinds ---------------------------------------------------------------------------------------------
void TitleRow(Row& r) {
  Recolour(r, HeadingGreyColour);
  SetGadgetColours(r.label, HeadingGreyColour, kWhite, 4);
  const auto caption = [&](int column, int x, int w, const char* text, Rgb box) {
    OpenBox(x, w, 35, box);
    r.Cell(column) = Caption(w, 35, text, box, kWhite, kLabelFont);
    pf::CloseGadgetList();
  };
  if (r.kind == 1) {
    caption(2, 600, 141, "TIME", HeaderCellColour);
    caption(3, 740, 144, "RATE", HeaderCellColour);
    caption(4, 882, 142, "INDIRECT COST", HeaderCellColour);
  } else if (r.kind == 41) {
    caption(2, 601, 90, "TIME", HeadingGreyColour);
    OpenBox(689, 89, 35, HeadingGreyColour);
    r.Cell(3) = Caption(90, 35, "RATE", HeadingGreyColour, kWhite, kLabelFont);
    pf::CloseGadgetList();
    OpenPixelBox(Step6TotalX(), DX(142), 35, HeadingGreyColour);
    r.Cell(4) = Caption(142, 35, "INDIRECT COST", HeadingGreyColour, kWhite, kLabelFont);
    pf::CloseGadgetList();
  } else {  // 55: a heading across the page
    ResizeLabel(r, 10, 800);
  }
}

void TotalRow(Row& r) {
  const bool running = r.kind == 40 || r.kind == 48;
  const Rgb colour = running ? SlateBlueColour : MidBlueColour;
  const char* text = running ? "Running grand total" : "Sub-total";
  const bool step6 = r.kind == 46 || r.kind == 48;
  const int box = OpenBox(step6 ? 721 : 740, 144, 35, running ? SlateBlueColour : HeaderCellColour);
  r.Cell(3) = Caption(144, 35, text, colour, kBlack, 5);
  pf::CloseGadgetList();
  if (step6) {
    Step6TotalBox(r, false, colour);
  } else {
    MoveRight(box);
    MoveRight(WideCostBox(r, false, colour));
  }
}

void BusinessRow(Row& r) {
  OpenBox(500, 142, 35, r.colour);
  if (r.kind == 15) Unit(35, 7, 10, "$", r.colour);
  r.Cell(4) = Input(45, 7, 55);
  if (r.kind == 14) Unit(105, 7, 10, "%", r.colour);
  if (r.kind == 15) Unit(105, 7, 30, "/day", r.colour);
  if (r.kind == 35) Unit(105, 7, 40, "hours", r.colour);
  pf::CloseGadgetList();
}

void SummaryAmountRow(Row& r, Rgb passed) {
  if (r.kind == 11) {
    OpenSummaryBox(35, MidBlueColour);
    Unit(35, 7, 10, "$", MidBlueColour);
    r.Cell(4) = Value(45, 7, 70, MidBlueColour);
  } else {
    if (r.kind == 62) ResizeLabel(r, 10, 700);
    Recolour(r, r.kind == 62 ? SlateBlueColour : MidBlueColour);
    OpenSummaryBox(35, passed);
    // The Total's box is a dark blue on which black hardly reads: its figure and "$" take the lettering
    // that does.
    const Rgb lettering = r.kind == 62 ? ReadableTextColour(passed) : kBlack;
    SetGadgetColours(Unit(35, 7, 10, "$", passed, 14), passed, lettering, -1);
    r.Cell(4) = Value(45, 7, 72, passed, 14);
    SetGadgetColours(r.Cell(4), passed, lettering, -1);
  }
  pf::CloseGadgetList();
}

void RangeRow(Row& r, Rgb passed) {
  static const char* const kCaptions[3][3] = {{"-2%", "0%", "2%"}, {"$", "$", "$"}, {"Days", "Days", "Days"}};
  const auto& captions = kCaptions[r.kind - 16];
  Recolour(r, CalculatedColour);
  const int xs[3] = {600, 740, 882}, ws[3] = {141, 144, 142};
  for (int k = 0; k < 3; ++k) {
    const int x = DX(xs[k]) - DX(10);
    const int w = k < 2 ? DX(ws[k]) : RowWidth() - x - 22;
    OpenPixelBox(x, w, 35, passed);
    r.Cell(k + 2) = pf::TextGadget(AutoNumber, 0, 0, w, DY(30), captions[k], fl::kCentre | fl::kVCentre);
    SetGadgetColours(r.Cell(k + 2), passed, kBlack, kLabelFont);
    pf::CloseGadgetList();
  }
}

void WorkingTimeRow(Row& r, Rgb passed) {
  Recolour(r, CalculatedColour);
  if (r.kind == 381) ResizeLabel(r, 10, 700);
  OpenSummaryBox(30, passed);
  r.Cell(4) = Text(45, r.kind == 37 ? 6 : 4, 55, 20, "0", fl::kRight | fl::kVCentre, passed, kBlack, 14);
  if (r.kind == 381) Text(105, 4, 40, 20, "hrs", fl::kVCentre, passed, kBlack, 14);
  if (r.kind == 37) Text(105, 4, 40, 20, "%", fl::kVCentre, passed, kBlack, 14);
  pf::CloseGadgetList();
}

const std::vector<CategoryEntry>& CategoryListOf(int kind) {
  switch (kind) {
    case 20:
      return IncidentTypeList;
    case 29:
      return InjuryNatureList;
    case 30:
      return IncidentCauseList;
    case 301:
      return BodyPartList;
    default:
      return WorkerCategoryList;
  }
}

void DescriptionRow(Row& r) {
  const int x = 325, y = 5, w = 400, h = 24;
  switch (r.kind) {
    case 19:
      r.Cell(2) = PlainField(x, y, w, h);
      if (r.step == 0 && r.row == 2) {
        const int note =
            Text(775, 7, 200, 25, "* Successfully loaded *", fl::kVCentre, r.colour, BlueColour, kLabelFont);
        pf::HideGadget(note, true);
        r.Cell(3) = note;
      }
      break;
    case 80:
      ResizeLabel(r, 10, 300);
      r.Cell(2) = pf::ComboGadget(AutoNumber, DX(x), DY(y), DX(w), DY(h), fl::kEditable);
      AttachComboAutoComplete(r.Cell(2));
      SetGadgetProperty(r.Cell(2), "savetype", 1);
      break;
    case 26:
      r.Cell(2) = pf::DateGadget(AutoNumber, DX(x), DY(y), DX(w), DY(h), "%mm/%dd/%yyyy");
      break;
    case 27:
      ResizeLabel(r, 10, 300);
      r.Cell(2) = pf::EditorGadget(AutoNumber, DX(x), DY(10), DX(w), DY(73));
      pf::AddGadgetHandler(r.Cell(2), WorksheetFieldProc);
      break;
    default: {  // a category with its "Describe:" field for an "other" choice
      ResizeLabel(r, 10, 300);
      r.Cell(2) = pf::ComboGadget(AutoNumber, DX(x), DY(y), DX(w), DY(h));
      FillGadgetFromList(r.Cell(2), CategoryListOf(r.kind));
      pf::SetGadgetState(r.Cell(2), 0);
      r.Cell(3) = Text(730, 0, 100, 35, "Describe:", fl::kVCentre, r.colour, kBlack, 14);
      r.Cell(4) = PlainField(800, y, 200, h);
      pf::HideGadget(r.Cell(3), true);
      pf::HideGadget(r.Cell(4), true);
    }
  }
}

// The controls of every kind but the separator, inside the open row panel.
void BuildKind(Row& r, Rgb passed) {
  switch (r.kind) {
    case 1:
    case 41:
    case 55:
      return TitleRow(r);
    case 13:
      ResizeLabel(r, 10, 700);
      return SetGadgetColours(r.label, r.colour, OrangeColour, kLabelFont);
    case 2:
    case 32:
    case 7:
      WideTimeBox(r);
      WideRateBox(r);
      WideCostBox(r, false, IncidentCalculatedColour);
      return;
    case 44:
      NarrowTimeBox(r);
      NarrowRateBox(r, 90);
      OpenAmountBox(r, r.colour);
      Unit(5, 7, 7, "$", r.colour);
      r.Cell(4) = Value(17, 7, 55, r.colour);
      return pf::CloseGadgetList();
    case 47:
      NarrowTimeBox(r);
      NarrowRateBox(r, 89);
      return Step6TotalBox(r, false, IncidentCalculatedColour);
    case 3:
      OpenBox(882, 142, 35, IncidentCalculatedColour);
      return pf::CloseGadgetList();
    case 4:
      WideCostBox(r, true, IncidentCalculatedColour);
      return;
    case 5:
      r.Cell(2) = PlainField(225, 7, 300, 20);
      WideCostBox(r, true, IncidentCalculatedColour);
      return;
    case 52:
      r.Cell(2) = PlainField(600, 7, 250, 20);
      return Step6TotalBox(r, true, IncidentCalculatedColour);
    case 74:
      ResizeLabel(r, 10, 630);
      OpenAmountBox(r, r.colour);
      Unit(5, 7, 7, "$", r.colour);
      r.Cell(3) = Value(17, 7, 55, r.colour);
      return pf::CloseGadgetList();
    case 51:
      OpenAmountBox(r, r.colour);
      Text(5, 10, 15, 20, "$", fl::kVCentre, r.colour);
      r.Cell(3) = Input(15, 10, 65);
      return pf::CloseGadgetList();
    case 53:
      OpenAmountBox(r, r.colour);
      r.Cell(3) = PlainField(20, 7, 40, 20, fl::kRight);
      return pf::CloseGadgetList();
    case 42:
    case 45:
      if (r.kind == 42) ResizeLabel(r, 50, 560);
      OpenAmountBox(r, r.colour);
      r.Cell(3) = Input(20, 7, 40);
      Unit(65, 7, r.kind == 42 ? 40 : 15, "%", r.colour, kPercentFont);
      return pf::CloseGadgetList();
    case 43:
      ResizeLabel(r, 50, 560);
      OpenAmountBox(r, kTotalPercentColour);
      Unit(65, 7, 15, "%", kTotalPercentColour, kPercentFont);
      r.Cell(3) = Value(10, 7, 47, kTotalPercentColour, 14);
      return pf::CloseGadgetList();
    case 6:
    case 40:
    case 46:
    case 48:
      return TotalRow(r);
    case 14:
    case 15:
    case 35:
      return BusinessRow(r);
    case 11:
    case 12:
    case 62:
      return SummaryAmountRow(r, passed);
    case 16:
    case 17:
    case 18:
      return RangeRow(r, passed);
    case 381:
    case 37:
    case 38:
      return WorkingTimeRow(r, passed);
    default:
      return DescriptionRow(r);
  }
}

int RowHeight(int kind) {
  switch (kind) {
    case 7:
    case 47:
    case 51:
      return 45;
    case 27:
      return 100;
    case 13:
    case 11:
    case 12:
    case 62:
    case 16:
    case 17:
    case 18:
    case 381:
    case 37:
    case 38:
      return 30;
    default:
      return 35;
  }
}

// The value boxes of the 30-high summary rows stay 35 high and are clipped by their row.
int BoxHeight(int kind) {
  switch (kind) {
    case 11:
    case 12:
    case 62:
    case 16:
    case 17:
    case 18:
      return 35;
    default:
      return RowHeight(kind);
  }
}

void AddSeparator(int dy) {
  const int strip = pf::ContainerGadget(AutoNumber, 0, IncidentRowY + dy, DX(1050), DY(5));
  pf::SetGadgetColour(strip, BackColourType, kBlack);
  IncidentRowY += pf::GadgetHeight(strip);
  LastHelpIcon = 0;
}

void AddHelpIcon(int panel) {
  pf::OpenGadgetList(panel);
  const int picture = HelpIconForColour(Rgb(pf::GetGadgetColour(panel, BackColourType)));
  LastHelpIcon = 0;
  if (picture) {
    const int y = RoundHalfEven((pf::GadgetHeight(panel) - pf::PictureHeight(HelpIconPageImage)) / 2.0 - 1);
    LastHelpIcon = pf::PictureGadget(AutoNumber, DX(550), y, 30, 25, picture);
    pf::HideGadget(LastHelpIcon, true);
  }
  pf::CloseGadgetList();
}

}  // namespace

void KeepHelpIconClearOfLabel(int icon, int label) {
  if (!icon || !label || pf::GadgetParent(icon) != pf::GadgetParent(label)) return;
  std::string shown = pf::GetGadgetText(label);  // "&&" shows as "&"
  for (std::size_t at = shown.find("&&"); at != std::string::npos; at = shown.find("&&", at + 1))
    shown.erase(at, 1);
  const int textEnd = pf::GadgetX(label) + TextWidthIn(pf::GetGadgetFont(label), shown);
  const int x = textEnd + DX(5);
  if (x > pf::GadgetX(icon)) pf::ResizeGadget(icon, x, IgnoreValue, IgnoreValue, IgnoreValue);
}

int HelpIconForColour(Rgb colour) {
  const std::pair<const Rgb*, const int*> icons[] = {
      {&PageColour, &HelpIconPageImage},           {&LightGreyColour, &HelpIconGreyImage},
      {&HeadingGreyColour, &HelpIconHeadingImage}, {&CalculatedColour, &HelpIconCalculatedImage},
      {&MidBlueColour, &HelpIconMidBlueImage},     {&SlateBlueColour, &HelpIconSlateImage},
  };
  for (const auto& [c, picture] : icons)
    if (*c == colour) return *picture;
  return 0;
}

int AddIncidentRow(int kind, int step, int row, const std::string& label, Rgb backColour, int y, int dy) {
  if (y != -1) IncidentRowY = y;
  if (kind == 63) {
    AddSeparator(dy);
    return 0;
  }
  Row r{kind, step, row};
  r.colour = backColour;
  r.height = BoxHeight(kind);
  const bool borderless = kind == 6 || kind == 40 || kind == 46 || kind == 48;
  const int x = (kind == 46 || kind == 48) ? 1 : 0;
  const int top = IncidentRowY + dy + ((kind == 6 || kind == 46) ? 1 : 0);
  r.panel =
      pf::ContainerGadget(AutoNumber, x, top, RowWidth(), DY(RowHeight(kind)), borderless ? 0 : fl::kBorder);
  pf::SetGadgetColour(r.panel, BackColourType, backColour);
  pf::OpenGadgetList(r.panel);
  AddLabel(r, label, RowHeight(kind));
  BuildKind(r, backColour);
  pf::CloseGadgetList();
  IncidentRowY = GadgetBottom(r.panel);
  AddHelpIcon(r.panel);
  return 0;
}
