#include "analysis/pages/module_frame.h"

#include <cctype>
#include <cmath>

#include "analysis/pages/frame_parts.h"
#include "analysis/pages/pages_globals.h"
#include "platform/gadget_state.h"
#include "platform/platform.h"
#include "shell/design_grid.h"
#include "shell/gadget_helpers.h"
#include "shell/hover_help.h"
#include "shell/page_globals.h"
#include "store/incident_choices.h"
#include "store/store_globals.h"

namespace {

int PageWidth = 0, PageHeight = 0;  // the step page being built

constexpr const char* kStepHeaders[9] = {
    "",
    "  Step 1: Intervention Description",
    "  Step 2: Work Time && Labour Costs",
    "  Step 3: Incidents",
    "  Step 4: Intervention Costs",
    "  Step 5: At-Work Productivity",
    "  Step 6: Turnover Costs",
    "  Step 7: Insurance Costs",
    "  Step 8: Summary",
};

// The header band of a step; steps with a header help text stand in a light grey band with the icon.
void BuildStepHeader(int step, const StepFrame& frame, int pageWidth) {
  const std::string caption = UpperCased(kStepHeaders[step]);
  const unsigned vcentre = pf::flags::kVCentre;
  if (!frame.headerHelp) {
    FrameText(0, 0, pageWidth, StepHeaderHeight(step), caption, HeadingGreyColour, kWhite, 4, vcentre);
    return;
  }
  const int bandHeight = RoundHalfEven(35 * ScaleY + 1);
  const int band = pf::ContainerGadget(AutoNumber, 0, 0, pageWidth, bandHeight);
  pf::SetGadgetColour(band, BackColourType, LightGreyColour);
  pf::OpenGadgetList(band);
  const int header = FrameText(0, 0, pageWidth, DY(35), caption, HeadingGreyColour, kWhite, 4, vcentre);
  const int icon = HelpIcon(DX(350), (pf::GadgetHeight(header) - 25) / 2, HelpIconHeadingImage);
  RegisterHelpText(frame.headerHelp, -1, icon, 0, 0);
  pf::CloseGadgetList();
}

void BuildStepPage(const ModuleDescription& m, int step, int footerHeight) {
  const StepFrame& frame = m.steps[step];
  const int page = 9 - step;
  const int w = pf::GadgetWidth(*m.root) + frame.extraWidth;
  const int h = pf::GadgetHeight(*m.root) - footerHeight + frame.extraHeight;
  const int container = pf::ContainerGadget(AutoNumber, 0, 0, w, h);
  pf::SetGadgetColour(container, BackColourType, PageColour);
  (*m.pages)(page) = container;
  PageWidth = w, PageHeight = h;
  pf::OpenGadgetList(container);
  if (step == 3) {
    // The blank band under the approach choice comes first: the header and the options lie over it.
    const int band = pf::ContainerGadget(AutoNumber, 0, 0, w, DY(90));
    pf::SetGadgetColour(band, BackColourType, PageColour);
  }
  BuildStepHeader(step, frame, w);
  if (frame.content) frame.content(m, page);
  pf::CloseGadgetList();
}

void BuildSavedBanner(const ModuleDescription& m) {
  *m.savedBanner = FrameText(300, -200, 200, 50, "", BlueColour, OrangeColour, 17,
                             pf::flags::kBorder | pf::flags::kCentre | pf::flags::kVCentre);
  pf::HideGadget(*m.savedBanner, true);
}

// Starts each list cell of a criteria row with its "ALL ..." item, selected; the stored values follow.
void StartCriteriaLists(const ModuleDescription& m, int row, const char* all) {
  for (int column = 1; column <= 2; ++column) {
    const int list = (*m.gadget)(6, row, column, 2);
    if (pf::GadgetKind(list) != pf::Kind::ListBox) continue;
    pf::AddGadgetItem(list, -1, all);
    pf::SetGadgetItemSelected(list, 0, true);
  }
}

// Every scroll area of the steps ends inside its page, above the footer and inside the window, with a
// canvas as high as its rows. The third analysis's step 3 fits its split areas itself.
void FitStepAreas(int gadget) {
  for (int child : pf::GadgetChildren(gadget)) {
    if (child == PIStep3ScrollBar || child == PIStep3UpperArea) continue;
    if (pf::GadgetKind(child) == pf::Kind::ScrollArea)
      FitScrollArea(child, kCanvasMargin);
    else
      FitStepAreas(child);
  }
}

void RunEndSequence(const ModuleDescription& m) {
  for (int page = 1; page <= 8; ++page) pf::HideGadget((*m.pages)(page), true);
  pf::HideGadget(*m.footer, true);
  pf::HideGadget(*m.root, false);
  StartCriteriaLists(m, 6, "ALL DEPARTMENTS");
  StartCriteriaLists(m, 7, "ALL GROUPS");
  FillIncidentChoices(m.recordKind);
  if (m.newRecord) m.newRecord();
}

}  // namespace

// ---- Shared pieces ----------------------------------------------------------------------------------------

int FrameText(int x, int y, int w, int h, const std::string& text, Rgb back, Rgb front, int font,
              unsigned flags) {
  const int g = pf::TextGadget(AutoNumber, x, y, w, h, text, flags);
  SetGadgetColours(g, back, front, font);
  return g;
}

int DM(double design) { return RoundHalfEven(design * ScaleMin); }
int SumY(int pixels, double designY) { return RoundHalfEven(pixels + designY * ScaleY); }
int HelpIcon(int x, int y, int picture) {
  const int icon = pf::PictureGadget(AutoNumber, x, y, 30, 25, picture);
  return icon;
}

std::string UpperCased(std::string text) {
  for (char& c : text) c = char(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

int StepHeaderHeight(int step) { return DY(step == 3 ? 30 : 35); }

// ---- Helpers for step contents ----------------------------------------------------------------------------

int BuildRows(const ModuleDescription& m, int page, std::span<const AnalysisRow> rows) {
  int y = *m.rowY;
  for (const AnalysisRow& r : rows) {
    const std::int64_t colour = r.colour ? std::int64_t(*r.colour) : -1;
    y = m.addRow(r.kind, page, r.row, r.label, colour, r.y == kKeepY ? -1 : DY(r.y), r.dy, r.prefix, r.suffix,
                 r.required);
    if (r.help && r.helpX != kNoHelp) RegisterHelpText(r.help, r.helpX, -1, r.helpRaise, 0);
  }
  return y;
}

int ColumnStrip(int top, int height, std::span<const FrameCaption> captions) {
  const int strip = pf::ContainerGadget(AutoNumber, 0, top, PageWidth, DY(height), pf::flags::kBorder);
  pf::SetGadgetColour(strip, BackColourType, BlueColour);
  pf::OpenGadgetList(strip);
  for (const FrameCaption& c : captions)
    FrameText(DX(c.x), DY(c.y), DX(c.w), DY(c.h), c.text, c.back ? *c.back : BlueColour, OrangeColour, 4,
              pf::flags::kVCentre);
  pf::CloseGadgetList();
  return top + pf::GadgetHeight(strip);
}

int CurrentPageWidth() { return PageWidth; }
int CurrentPageHeight() { return PageHeight; }

int StepScrollArea(int x, int y, int w, int h, int innerW, int innerH, int step, bool tabStop) {
  const unsigned flags = pf::flags::kBorder | (tabStop ? 0u : pf::flags::kNoTabStop);
  const int area = pf::ScrollAreaGadget(AutoNumber, x, y, w, h, innerW, innerH, step, flags);
  pf::SetGadgetColour(area, BackColourType, PageColour);
  return area;
}

int VerticalRule(int x, int y, int height) {
  return FrameText(x, y, 3, height, "", kBlack, kBlack, -1, pf::flags::kBorder);
}

// ---- Pure rules -------------------------------------------------------------------------------------------

int RecordListHeight(int rowHeight, double scaleY, int created) {
  // An unmeasured row (a list not laid out yet) would make every n fit and give an empty list.
  if (rowHeight <= 0) return created;
  const int limit = RoundHalfEven(400 * scaleY);
  for (int n = 50; n >= 1; --n)
    if (n * rowHeight <= limit) return RoundHalfEven((n - 0.3) * rowHeight);
  return created;
}

std::string FieldColumnName(int page, int row, int column, int slot) {
  return "field_" + std::to_string(page) + "x" + std::to_string(row) + "x" + std::to_string(column) + "x" +
         std::to_string(slot);
}

// ---- The frame --------------------------------------------------------------------------------------------

void BuildModule(const ModuleDescription& m) {
  BuiltModules[m.notice] = &m;
  *m.root = pf::ContainerGadget(AutoNumber, 0, 0, 0, 0);
  pf::HideGadget(*m.root, true);
  pf::ResizeGadget(*m.root, -3, 0, pf::GadgetWidth(PageHolder) + 2, pf::GadgetHeight(PageHolder));
  HelpIconPageImage = 40, HelpIconGreyImage = 41, HelpIconHeadingImage = 42, HelpIconCalculatedImage = 43;
  HelpIconMidBlueImage = 44, HelpIconSlateImage = 45, HelpIconGreenImage = 47, HelpIconApproachImage = 53;
  const int footerHeight = RoundHalfEven(52 * ScaleY + m.footerExtraPixel);
  pf::OpenGadgetList(*m.root);
  BuildStartPage(m);
  for (int step = 1; step <= 8; ++step) BuildStepPage(m, step, footerHeight);
  BuildFooter(m);
  BuildSavedBanner(m);
  pf::CloseGadgetList();
  for (int step = 1; step <= 8; ++step) FitStepAreas((*m.pages)(9 - step));
  RunEndSequence(m);
}
