// The incident calculator: its root, the eight step pages of the worksheet with their rows and help, the
// saved banner and the worksheet footer.
#include "incident/incident_pages.h"

#include <algorithm>
#include <cmath>

#include "colouring/colour_library.h"
#include "incident/incident_globals.h"
#include "incident/incident_row_builder.h"
#include "incident/incident_rows.h"
#include "platform/platform.h"
#include "shell/design_grid.h"
#include "shell/gadget_helpers.h"
#include "shell/hover_help.h"
#include "shell/page_globals.h"
#include "shell/services.h"
#include "shell/subclassed_controls.h"

namespace {

namespace fl = pf::flags;

constexpr int kRowAreaMargin = 4;  // pixels of page colour below a step's last row

struct Frame {
  int w = 0, h = 0, footer = 0;  // the root's size and the footer's height, pixels
};

int Scaled(double value) { return int(std::lround(value * ScaleMin)); }

int Page(int width, int height) {
  const int page = pf::ContainerGadget(AutoNumber, 0, 0, width, height);
  pf::SetGadgetColour(page, BackColourType, PageColour);
  return page;
}

// A bordered title bar across the page; returns the bottom of its text.
int TitleBar(int width, const char* text) {
  const int bar = pf::ContainerGadget(AutoNumber, 0, 0, width, DY(35), fl::kBorder);
  pf::OpenGadgetList(bar);
  const int title = pf::TextGadget(AutoNumber, 0, 0, width, DY(35), text, fl::kVCentre);
  SetGadgetColours(title, HeadingGreyColour, kWhite, 4);
  pf::CloseGadgetList();
  return GadgetBottom(title);
}

// A borderless scroll area whose canvas is the page colour; left open for the rows.
int OpenRowArea(int x, int y, int w, int h, int innerW, int innerH) {
  const int area = pf::ScrollAreaGadget(AutoNumber, x, y, w, h, innerW, innerH, 30);
  pf::SetGadgetColour(area, BackColourType, PageColour);
  pf::OpenGadgetList(area);
  return area;
}

void AddRow(int step, const IncidentRowDescription& spec, int y, int dy) {
  const Rgb colour = spec.colour ? *spec.colour : kBlack;
  AddIncidentRow(spec.kind, step, spec.row, spec.label, colour, y, dy);
  if (!spec.help) return;
  RegisterHelpText(spec.help, spec.helpX, -1, 0, 0);
  KeepHelpIconClearOfLabel(LastHelpIcon, IncidentGadget(step, spec.row, 1));
}

// Rows of a step from `first` on; the first of them at `y` with `dy`, the others below with -1.
void AddRows(int step, std::size_t first, int y, int dy) {
  const auto rows = IncidentStepRows(step);
  for (std::size_t i = first; i < rows.size(); ++i) {
    AddRow(step, rows[i], i == first ? y : -1, i == first ? dy : -1);
    if (step == 0 && rows[i].row == 2)  // the record number, which the program writes
      SetGadgetColours(IncidentGadget(0, 2, 2), pf::MakeRgb(150, 150, 150), BlueColour, 14);
  }
}

void BuildStep1(const Frame& f) {
  const int pageH = f.h - f.footer;
  IncidentPage(0) = Page(f.w, pageH);
  pf::OpenGadgetList(IncidentPage(0));
  const int top = TitleBar(f.w, "  STEP 1: INCIDENT DESCRIPTION");
  const int area = OpenRowArea(0, top, f.w + 13, pageH - DY(35), f.w, pageH - DY(40));
  IncidentStepArea(0) = area;
  IncidentGadget(0, 0, 0) = pf::TextGadget(AutoNumber, 0, 0, 0, 0, "");
  AddRows(0, 0, 0, -1);
  pf::CloseGadgetList();
  pf::CloseGadgetList();
}

void BuildCostStep(const Frame& f, int step) {
  IncidentPage(step) = Page(f.w - 5, f.h - f.footer);
  pf::OpenGadgetList(IncidentPage(step));
  AddRows(step, 0, 0, 0);
  pf::CloseGadgetList();
}

void BuildStep6(const Frame& f) {
  const int step = 5;
  IncidentPage(step) = Page(f.w - 5, f.h - f.footer);
  pf::OpenGadgetList(IncidentPage(step));
  AddRow(step, IncidentStepRows(step)[0], 0, 0);
  pf::SetGadgetFont(IncidentGadget(step, 1, 1), 21);
  IncidentStepArea(step) = OpenRowArea(0, DY(35), f.w - 4, f.h - f.footer - DY(37), f.w - 25, DY(870));
  AddRows(step, 1, 0, -1);
  pf::CloseGadgetList();
  pf::CloseGadgetList();
}

void BuildStep8(const Frame& f) {
  const int step = 7, pageH = f.h - f.footer;
  IncidentPage(step) = Page(f.w, pageH);
  pf::OpenGadgetList(IncidentPage(step));
  const int top = TitleBar(f.w, " STEP 8: SUMMARY REPORT");
  IncidentStepArea(step) = OpenRowArea(0, top, f.w - 4, pageH - DY(35) - 2, f.w - 21, DY(600));
  pf::FieldGadget(AutoNumber, 0, 0, 0, 0, "", fl::kReadOnly);
  AddRows(step, 0, 0, -1);
  pf::CloseGadgetList();
  pf::CloseGadgetList();
}

int FooterPicture(int x, int y, int picture, const char* tip) {
  const int button = pf::PictureButtonGadget(AutoNumber, Scaled(x), y, Scaled(44), Scaled(35), picture);
  pf::SetToolTip(button, tip);
  return button;
}

int StepEightButton(int y, int h, const char* caption) {
  const int button = pf::ButtonGadget(AutoNumber, DX(750), y, DX(220), h, caption);
  pf::SetGadgetFont(button, 5);
  SetButtonColours(button, kBlack, MidBlueColour);
  return button;
}

void BuildFooter(const Frame& f) {
  IncidentFooter = pf::ContainerGadget(AutoNumber, 0, f.h - f.footer, f.w, f.footer + 2, fl::kBorder);
  pf::SetGadgetColour(IncidentFooter, BackColourType, BlueColour);
  pf::OpenGadgetList(IncidentFooter);
  const int y = int(std::lround((f.footer - 35 * ScaleMin) / 2));
  IncidentStepText =
      pf::TextGadget(AutoNumber, DX(440), 0, DX(145), f.footer, "", fl::kCentre | fl::kVCentre);
  SetGadgetColours(IncidentStepText, BlueColour, OrangeColour, 4);
  const int right = DX(440) + DX(145);
  const int finished =
      pf::TextGadget(AutoNumber, right, y, Scaled(145), Scaled(35), "FINISHED!", fl::kCentre | fl::kVCentre);
  SetGadgetColours(finished, BlueColour, OrangeColour, 4);
  IncidentNextButton = pf::PictureButtonGadget(AutoNumber, right, y, Scaled(145), Scaled(35), NextStepImage);
  pf::AddGadgetHandler(IncidentNextButton, ImageButtonProc);
  IncidentPreviousButton =
      pf::PictureButtonGadget(AutoNumber, DX(440) - Scaled(145), y, Scaled(145), Scaled(35), 16);
  IncidentSaveAsNewButton = FooterPicture(148, y, 27, "SAVE AS NEW");
  IncidentSaveButton = FooterPicture(104, y, 25, "SAVE CURRENT");
  IncidentPrintButton = FooterPicture(60, y, 29, "PRINT DETAILED REPORT");
  IncidentDeleteButton = FooterPicture(10, y, 32, "DELETE INCIDENT");
  pf::ContainerGadget(AutoNumber, Scaled(200), -3, 5, f.footer + 2 + 3, fl::kBorder);
  IncidentSaveAnotherButton = StepEightButton(0, DY(17), "Save and enter another incident");
  IncidentSaveReturnButton = StepEightButton(DY(17), DY(17), "Save and return to menu");
  IncidentPrintReportButton = StepEightButton(DY(34), DY(16), "Print detailed report");
  pf::CloseGadgetList();
}

void BuildSavedBanner() {
  IncidentSavedBanner = pf::TextGadget(AutoNumber, DX(300), DY(-200), DX(200), DY(50), "Incident Saved",
                                       fl::kCentre | fl::kVCentre | fl::kBorder);
  SetGadgetColours(IncidentSavedBanner, BlueColour, OrangeColour, 17);
  pf::HideGadget(IncidentSavedBanner, true);
}

}  // namespace

void BuildIncidentPages() {
  IncidentRoot =
      pf::ContainerGadget(AutoNumber, -3, 0, pf::GadgetWidth(PageHolder) + 3, pf::GadgetHeight(PageHolder));
  pf::HideGadget(IncidentRoot, true);
  pf::OpenGadgetList(IncidentRoot);
  const Frame f{pf::GadgetWidth(IncidentRoot), pf::GadgetHeight(IncidentRoot), DY(52)};
  // The summary page measures the footer, so a stand-in of its size comes first; the real footer is built
  // last, after the step pages, so that Tab reaches a step's own fields before the footer's buttons.
  IncidentFooter = pf::ContainerGadget(AutoNumber, 0, f.h - f.footer, f.w, f.footer + 2, fl::kBorder);
  pf::HideGadget(IncidentFooter, true);
  BuildIncidentMenuPage();
  BuildMISummaryPage();
  BuildStep1(f);
  for (int step = 1; step <= 4; ++step) BuildCostStep(f, step);
  BuildStep6(f);
  BuildCostStep(f, 6);
  BuildStep8(f);
  FillIncidentSuggestionLists();
  BuildSavedBanner();
  BuildFooter(f);
  pf::CloseGadgetList();
  // A step's area ends inside the window and above the footer, and scrolls no further than its last row.
  for (int step = 0; step <= 7; ++step)
    if (IncidentStepArea(step)) FitScrollArea(IncidentStepArea(step), kRowAreaMargin);
  for (int i = 0; i <= 7; ++i) pf::HideGadget(IncidentPage(i), true);
  pf::HideGadget(IncidentRoot, false);
  StartNewIncident();
}

void ShowIncidentStepsFromTop() {
  for (int step = 0; step <= 7; ++step) pf::SetScrollY(IncidentStepArea(step), 0);
}
