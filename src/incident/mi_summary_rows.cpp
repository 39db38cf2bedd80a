#include "incident/mi_summary_rows.h"

#include <algorithm>
#include <string>

#include "colouring/colour_library.h"
#include "incident/incident_globals.h"
#include "incident/incident_row_builder.h"
#include "incident/mi_summary_query.h"
#include "platform/platform.h"
#include "shell/date_fields.h"
#include "shell/design_grid.h"
#include "shell/gadget_helpers.h"
#include "shell/hover_help.h"
#include "shell/page_globals.h"

namespace {

namespace fl = pf::flags;

const MISummaryRowDescription kRows[] = {
    {1, 60, "Summary number",
     "This field keeps track of each summary in the order that you create them. It will automatically assign "
     "a "
     "new number each time you create a new summary."},
    {1, 1, "Summary name",
     "Give the summary a name that is easily identified when you need to update or review it. This name will "
     "appear in the list when you click on the REVIEW A MULTIPLE INCIDENTS SUMMARY button."},
    {2, 4, "Choose the details of the incidents you want to include in the summary", nullptr},
    {3, 2, "Start date", "Select a start date for your summary period."},
    {3, 3, "End date", "Select an end date for your summary period."},
    {4, 4, "Length of time period", "This is the length of the summary period in days."},
    {5, 5, "Incident types",
     "Choose which incident types you wish to include. It is possible to choose more than one."},
    {5, 6, "Nature of Injuries/Illnesses",
     "Choose which injuries or illnesses you wish to include. It is possible to choose more than one."},
    {5, 7, "Body parts affected",
     "Choose which affected body parts you wish to include. It is possible to choose more than one."},
    {5, 8, "Incidents causes",
     "Choose the incident cause or causes you wish to include. It is possible to choose more than one."},
    {5, 9, "Occupation of workers",
     " Choose the occupational groups you wish to include. It is possible to choose more than one."},
    {5, 10, "Category of workers",
     "Choose the category of worker you wish to include. It is possible to choose more than one. "},
    {5, 11, "Departments",
     "Choose the department, area, division, site, shift, or team you wish to include. It is possible to "
     "choose more than one. "},
    {6, 12, "", nullptr},
    {7, 13, "", nullptr},
    {8, 14, "Total number of incidents", "This is the total number of incidents included in this summary."},
    {9, 15, "Total absence time (hours)",
     "This is the total absence time in hours of incidents included in this summary."},
    {9, 17, "Total wage value of time off work",
     "This is the hours of absence time multiplied by the average wage rate of absent workers. It includes "
     "benefits that the workers receive. "},
    {9, 19, "Total wages paid by short-term disability insurance",
     "This is the amount of wage-replacement benefits paid by short-term disability insurance. "},
    {9, 21, "Total wages paid by long-term disability insurance",
     "This is the amount of wage-replacement benefits paid by long-term disability insurance."},
    {10, 23, "Total WCB claim costs",
     "This cost typically includes wages paid by WCB to the worker, any WCB healthcare costs and "
     "administration "
     "costs. These are not costs paid by the employer. "},
    {11, 25, "Total indirect incident costs",
     "These are the total indirect incident costs calculated from steps 2-6 in the Incident Cost Calculator. "
     "They include the immediate, investigation, damage, overtime and replacement, and disability management "
     "costs of the incidents, but not the wages paid during absences or the lost productivity during "
     "modified work."},
    {11, 27, "Total immediate costs",
     "These are the total costs entered in Step 2 for all the incidents included in the summary. "},
    {11, 29, "Total investigation costs",
     "These are the total costs entered in Step 3 for all the incidents included in the summary. "},
    {11, 31, "Total damage costs",
     "These are the total costs entered in Step 4 for all the incidents included in the summary. "},
    {11, 33, "Total overtime && worker replacement costs",
     "These are the total costs entered in Step 5 for all the incidents included in the summary. "},
    {11, 35, "Total disability management costs",
     "These are the total costs entered in Step 6 for all the incidents included in the summary. "},
    {9, 37, "Total lost productivity costs due to modified work",
     "This is the cost in lost productivity during modified work. It is based on your estimated value of the "
     "work being performed and the wages paid to workers. "},
    {9, 39, "Total wages paid by your workplace for time off work",
     "This is the wages paid by your workplace to workers during absences."},
    {11, 41, "Total cost of incidents (includes both direct and indirect costs)",
     "This includes the total indirect incident costs, absence costs and lost productivity costs during "
     "modified work. It does not include workers' compensation claim costs or the change in premiums."},
    {12, 43, "Hours of injured worker productive time the indirect incident costs represents",
     "This is the indirect cost of incidents represented in hours of work. This is calculated from the "
     "average "
     "wage of absent workers and the total indirect incident costs. This is only relevant for lost-time "
     "incidents."},
    {13, 44, "FTEs that the indirect incident costs represent",
     "This is the indirect cost of the incident in terms of one full-time equivalent position at your "
     "workplace.  This uses the average wage  of absent workers , the number of work hours in calendar year "
     "for "
     "a FTE worker and the indirect incident costs to estimate the full-time equivalent of the incident "
     "costs. "
     "This is only relevant for lost-time incidents."},
    {12, 45,
     "Indirect incident cost as a proportion of wage value of time off work (Indirect costs multiplier)",
     "This the indirect costs of lost time incidents as a ratio of the cost of absent workers' wages and "
     "time "
     "off work. A multiplier of 2.00, for example, means that for every dollar of wages lost to absences the "
     "incidents cost two more dollars in indirect costs. This is only relevant for lost-time incidents."},
};

int KindHeight(int kind, int lines) {
  switch (kind) {
    case 2:
      return 30;
    case 5:
      return 15 * lines + 10;
    case 6:
      return 55;
    case 7:
      return 75;
    case 9:
    case 10:
    case 11:
      return 60;
    case 12:
      return 50;
    default:
      return 35;
  }
}

int Text(int x, int y, int w, int h, const std::string& text, unsigned flags, Rgb back, Rgb front, int font) {
  const int g = pf::TextGadget(AutoNumber, DX(x), DY(y), DX(w), DY(h), text, flags);
  SetGadgetColours(g, back, front, font);
  return g;
}

int ValueBox(int column, int y) {
  const int g = pf::TextGadget(AutoNumber, DX(452 + 87 * (column - 1)), DY(y), DX(75), DY(20), "",
                               fl::kRight | fl::kVCentre | fl::kBorder);
  SetGadgetColours(g, BlueGreyColour, kBlack, -1);
  return g;
}

void ColumnHeadings(Rgb colour) {
  const std::string br = LineBreak.empty() ? "\r" : LineBreak;
  const std::string headings[6] = {
      br + br + br + "Lost-time work injuries/ illnesses",
      br + "No-lost-time work injuries/ illnesses (including first" + br + "aid)",
      br + br + br + "General sickness absences",
      br + br + br + br + "Near misses",
      br + br + br + "Other" + br + "incidents",
      br + br + br + "Totals for all" + br + "incidents",
  };
  for (int k = 0; k < 6; ++k) Text(450 + 87 * k, 10, 75, 65, headings[k], fl::kRight, colour, kBlack, 55);
}

// The status left of the button is wider than the room the button leaves it in our font at the
// narrower screens: there it wraps, and its box takes the lines' height about the middle of the row, so
// that it neither loses its ends nor runs into the button.
void RetrieveStatus(int row, int rowHeight) {
  constexpr int kFont = 17;
  const std::string status = "* Incidents successfully retrieved (see below) *";
  const int w = DX(323), h = std::max(DY(25), TextHeightIn(kFont, w, status));
  const int y = std::max(0, (DY(rowHeight) - h) / 2);
  MIGadget(row, 1) = pf::TextGadget(AutoNumber, DX(1), y, w, h, status, fl::kCentre);
  SetGadgetColours(MIGadget(row, 1), PageColour, BlueColour, kFont);
}

void RetrieveRow(int row, int height) {
  const int button = pf::PictureButtonGadget(AutoNumber, DX(325), DY(5), DX(500), DY(45), 48);
  RegisterHoverGadget(button, 2, 49, 48, 0, 0);
  pf::SetGadgetFont(button, 14);
  SetButtonColours(button, OrangeColour, DarkBlueColour);
  MIGadget(row, 2) = button;
  RetrieveStatus(row, height);
}

void ResultRow(int kind, int row, const std::string& label, Rgb colour) {
  const unsigned labelFlags = kind == 12 ? 0u : fl::kVCentre;
  Text(10, kind == 12 ? 5 : 0, 390, kind == 12 ? 50 : 35, label, labelFlags, colour, kBlack, 14);
  if (kind >= 9 && kind <= 11)
    Text(10, 30, kind == 11 ? 370 : 320, 35, "Average per incident", fl::kVCentre, colour, kBlack, 18);
  const MIRowColumns columns = MIResultColumns(kind);
  for (int c : columns.first) MIGadget(row, c) = ValueBox(c, 7);
  for (int c : columns.average) MIGadget(row + 1, c) = ValueBox(c, 30);
}

void RowControls(int kind, int row, const std::string& label, Rgb colour, int height, int lines) {
  const unsigned vc = fl::kVCentre;
  switch (kind) {
    case 1:
      MIGadget(row, 0) = Text(10, 0, 300, 35, label, vc, colour, kBlack, RowLabelFont);
      MIGadget(row, 2) = pf::FieldGadget(AutoNumber, DX(325), DY(5), DX(400), DY(24), "");
      return;
    case 2:
      MIGadget(row, 0) = Text(10, 0, 700, 30, label, vc, colour, OrangeColour, RowLabelFont);
      return;
    case 3:
      MIGadget(row, 0) = Text(10, 0, 600, 35, label, vc, colour, kBlack, RowLabelFont);
      MIGadget(row, 2) = pf::DateGadget(AutoNumber, DX(325), DY(5), DX(400), DY(24), "%dd/%mm/%yyyy");
      ResetDateMask(MIGadget(row, 2));
      return;
    case 4:
      MIGadget(row, 0) = Text(10, 0, 600, 35, label, vc, colour, kBlack, RowLabelFont);
      MIGadget(row, 2) = Text(325, 5, 400, 24, "", vc | fl::kBorder, BlueGreyColour, kBlack, -1);
      return;
    case 5:
      MIGadget(row, 0) = Text(10, 0, 300, height, label, vc, colour, kBlack, RowLabelFont);
      MIGadget(row, 2) =
          pf::ListBoxGadget(AutoNumber, DX(325), DY(5), DX(400), DY(15 * lines), fl::kMultiSelect);
      AttachExclusiveFirstItem(MIGadget(row, 2));
      return;
    case 6:
      return RetrieveRow(row, height);
    case 7:
      return ColumnHeadings(colour);
    default:
      return ResultRow(kind, row, label, colour);
  }
}

}  // namespace

std::span<const MISummaryRowDescription> MISummaryRowDescriptions() { return kRows; }

int AddMISummaryRow(int kind, int row, const std::string& label, std::int64_t backColour, int y, int dy,
                    int lines) {
  if (y != -1) MIRowY = y;
  if (backColour == -1) backColour = MIRowColour == RowColourA ? RowColourB : RowColourA;
  const Rgb colour = Rgb(backColour);
  MIRowColour = colour;
  const int width = kind <= 5 ? pf::GadgetWidth(IncidentRoot) : pf::GadgetWidth(MISummaryPage);
  const int height = KindHeight(kind, lines);
  const int panel = pf::ContainerGadget(AutoNumber, 0, MIRowY + dy, width, DY(height), fl::kBorder);
  pf::SetGadgetColour(panel, BackColourType, colour);
  pf::OpenGadgetList(panel);
  RowControls(kind, row, label, colour, height, lines);
  MIRowY = GadgetBottom(panel) - 1;
  LastHelpIcon = 0;
  if (const int picture = HelpIconForColour(colour)) {
    const int iconY =
        RoundHalfEven((pf::GadgetHeight(panel) - pf::PictureHeight(HelpIconPageImage)) / 2.0 - 1);
    LastHelpIcon = pf::PictureGadget(AutoNumber, DX(750), iconY, 30, 25, picture);
    pf::HideGadget(LastHelpIcon, true);
  }
  pf::CloseGadgetList();
  return MIRowY;
}
