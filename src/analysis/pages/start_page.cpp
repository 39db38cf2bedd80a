// A module's start page (three tiles, the description panel, the stored-records and example panels) and
// its footer.
#include "analysis/pages/frame_parts.h"
#include "analysis/pages/pages_globals.h"
#include "colouring/colour_library.h"
#include "platform/platform.h"
#include "shell/design_grid.h"
#include "shell/gadget_helpers.h"
#include "shell/hover_help.h"
#include "shell/subclassed_controls.h"

namespace {

using namespace pf::flags;

constexpr Rgb kTileHoverBack = pf::MakeRgb(200, 150, 0), kTileHoverText = pf::MakeRgb(0, 0, 255);
constexpr Rgb kCloseHoverBack = pf::MakeRgb(255, 0, 0);

void BuildTiles(const ModuleDescription& m, int titleBottom) {
  static constexpr const char* kFirstLines[3] = {"START A NEW", "REVIEW A PAST", "REVIEW AN EXAMPLE"};
  static constexpr int kOffsets[3] = {50, 204, 358};
  int* tiles[3] = {m.newTile, m.pastTile, m.exampleTile};
  for (int i = 0; i < 3; ++i) {
    const int frame = pf::ContainerGadget(AutoNumber, DX(100), SumY(titleBottom, kOffsets[i]),
                                          DX(m.tileWidth), DY(125), kBorder);
    pf::OpenGadgetList(frame);
    const std::string text = std::string("\r") + kFirstLines[i] + "\r" + m.tileLine + "\rANALYSIS";
    *tiles[i] =
        FrameText(0, 0, DX(m.tileWidth), DY(125), text, BlueGreyColour, kBlack, 29, kCentre | kClickable);
    pf::CloseGadgetList();
    if (m.registerHovers)
      RegisterHoverGadget(*tiles[i], 1, int(kTileHoverBack), int(kTileHoverText), int(BlueGreyColour),
                          int(kBlack));
  }
}

void BuildInfoPanel(const ModuleDescription& m, int titleBottom) {
  *m.infoContainer = pf::ContainerGadget(AutoNumber, DX(400), SumY(titleBottom, 65), DX(625), DY(700));
  pf::SetGadgetColour(*m.infoContainer, BackColourType, PageColour);
  pf::OpenGadgetList(*m.infoContainer);
  FrameText(0, 0, DX(550), DY(50), m.descriptions[0], PageColour, kBlack, 38);
  static constexpr const char* kLinks[3] = {"What you need to begin", "How to get the most accurate results",
                                            "Learn more in the Understanding section"};
  int* links[3] = {m.needLink, m.accuracyLink, m.understandingLink};
  for (int i = 0; i < 3; ++i)
    *links[i] =
        FrameText(0, DY(25 * (i + 1)), DX(600), DY(25), kLinks[i], PageColour, LinkColour, 4, kClickable);
  FrameText(0, DY(174), DX(550), DY(50), m.descriptions[1], PageColour, kBlack, 38);
  FrameText(0, DY(328), DX(550), DY(50), m.descriptions[2], PageColour, kBlack, 38);
  pf::CloseGadgetList();
}

int CloseBox(const ModuleDescription& m, int x) {
  const int box = FrameText(DX(x), 0, DX(20), DY(15), "X", BlueGreyColour, kBlack, 5, kCentre | kClickable);
  if (m.registerHovers)
    RegisterHoverGadget(box, 1, int(kCloseHoverBack), int(kWhite), int(CalculatedColour), int(kBlack));
  return box;
}

// A report-style list without header or sunken edge; the captions above it stand in for the header.
int RecordList(int width, const char* firstColumn, int firstWidth) {
  const int list = pf::ListViewGadget(AutoNumber, 0, DY(20), DX(width), DY(410), firstColumn, firstWidth,
                                      kNoHeader | kAlwaysShowSelection);
  SetGadgetColours(list, BlueGreyColour, kBlack, 18);
  return list;
}

int Panel(int titleBottom) {
  const int panel =
      pf::ContainerGadget(AutoNumber, DX(400), SumY(titleBottom, 50), DX(600), DY(433), kBorder);
  pf::SetGadgetColour(panel, BackColourType, BlueGreyColour);
  return panel;
}

void BuildPastPanel(const ModuleDescription& m, int titleBottom) {
  *m.pastContainer = Panel(titleBottom);
  pf::OpenGadgetList(*m.pastContainer);
  static constexpr const char* kCaptions[3] = {" Analysis #", "Intervention Name",
                                               "Intervention Description"};
  static constexpr int kCaptionX[3] = {0, 110, 280};
  for (int i = 0; i < 3; ++i)
    FrameText(DX(kCaptionX[i]), 0, DX(m.captionWidths[i]), DY(17), kCaptions[i], BlueGreyColour, kBlack, 14,
              kVCentre);
  *m.pastCloseText = CloseBox(m, m.pastCloseX);
  *m.analysisList = RecordList(m.listWidth, "", RoundHalfEven(109 * ScaleX - 5));
  pf::AddListViewColumn(*m.analysisList, 1, "", DX(170));
  pf::AddListViewColumn(*m.analysisList, 2, "", DX(295));
  pf::CloseGadgetList();
  pf::HideGadget(*m.pastContainer, true);
  if (m.fillList) m.fillList();
}

void BuildExamplePanel(const ModuleDescription& m, int titleBottom) {
  *m.exampleContainer = Panel(titleBottom);
  pf::OpenGadgetList(*m.exampleContainer);
  FrameText(0, 0, DX(600), DY(17), " Example Intervention Description", BlueGreyColour, kBlack, 14, kVCentre);
  *m.exampleCloseText = CloseBox(m, m.exampleCloseX);
  *m.exampleList = RecordList(m.listWidth, "", DX(595));
  pf::AddGadgetItem(*m.exampleList, -1, m.exampleItem);
  pf::CloseGadgetList();
  // The example list always holds its one row, so it gives the row height of both lists.
  const pf::Rect item = pf::GadgetItemRect(*m.exampleList, 0);
  if (item.h > 0) ListRowHeight = item.h;
  const int created = pf::GadgetHeight(*m.analysisList);
  pf::ResizeGadget(*m.analysisList, IgnoreValue, IgnoreValue, IgnoreValue,
                   RecordListHeight(item.h, ScaleY, created));
  pf::HideGadget(*m.exampleContainer, true);
}

int PictureButton(int x, int y, int w, int h, int picture, const char* tip) {
  const int b = pf::PictureButtonGadget(AutoNumber, x, y, w, h, picture);
  if (tip) pf::SetToolTip(b, tip);
  return b;
}

// One of step 8's three buttons stacked in the footer, from design y `top` to `bottom`: the stack is cut
// at the design's lines, so the buttons neither overlap after rounding nor run to the window's last row.
int StepEightButton(int top, int bottom, const char* text) {
  const int b = pf::ButtonGadget(AutoNumber, DX(750), DY(top), DX(220), DY(bottom) - DY(top), text,
                                 pf::button_style::kCentre | pf::button_style::kMultiLine);
  pf::SetGadgetFont(b, 5);
  SetButtonColours(b, kBlack, MidBlueColour);
  return b;
}

}  // namespace

void BuildStartPage(const ModuleDescription& m) {
  const int w = pf::GadgetWidth(*m.root), h = pf::GadgetHeight(*m.root);
  const int page = pf::ContainerGadget(AutoNumber, 0, 0, w, h);
  pf::SetGadgetColour(page, BackColourType, PageColour);
  (*m.pages)(9) = page;
  pf::OpenGadgetList(page);
  const int title = FrameText(0, 0, w, DY(35), UpperCased(m.title), BlueColour, OrangeColour, TitleFont,
                              kCentre | kVCentre);
  const int titleBottom = GadgetBottom(title);
  BuildTiles(m, titleBottom);
  BuildInfoPanel(m, titleBottom);
  BuildPastPanel(m, titleBottom);
  BuildExamplePanel(m, titleBottom);
  pf::CloseGadgetList();
}

void BuildFooter(const ModuleDescription& m) {
  const int f = DY(52);
  const int rootW = pf::GadgetWidth(*m.root), rootH = pf::GadgetHeight(*m.root);
  *m.footer = pf::ContainerGadget(AutoNumber, 0, rootH - f, rootW, f + 2, kBorder);
  pf::SetGadgetColour(*m.footer, BackColourType, BlueColour);
  pf::OpenGadgetList(*m.footer);
  *m.stepText = FrameText(DX(440), 0, DX(145), f, "", BlueColour, OrangeColour, 4, kCentre | kVCentre);
  const int captionX = pf::GadgetX(*m.stepText), buttonY = (f - DM(35)) / 2;
  const int nextX = captionX + pf::GadgetWidth(*m.stepText);
  // "FINISHED!" lies under the next-step button and shows where step 8 hides that button.
  FrameText(nextX, buttonY, DM(145), DM(35), "FINISHED!", BlueColour, OrangeColour, 4, kCentre | kVCentre);
  *m.nextButton = PictureButton(nextX, buttonY, DM(145), DM(35), NextStepImage, nullptr);
  OldImageButtonProc = pf::AddGadgetHandler(*m.nextButton, ImageButtonProc);
  *m.previousButton = PictureButton(captionX - DM(145), buttonY, DM(145), DM(35), 16, nullptr);
  *m.saveAsNewButton = PictureButton(DM(148), buttonY, DM(44), DM(35), 27, "SAVE AS NEW");
  *m.saveButton = PictureButton(DM(104), buttonY, DM(44), DM(35), 25, "SAVE CURRENT");
  *m.printButton = PictureButton(DM(60), buttonY, DM(44), DM(35), 29, "PRINT REPORT");
  *m.deleteButton = PictureButton(DM(10), buttonY, DM(44), DM(35), 32, nullptr);
  pf::ContainerGadget(AutoNumber, DM(200), -3, 5, pf::GadgetHeight(*m.footer) + 3, kBorder);
  // The footer's last row lies beyond the window; the stack ends a little above the window's edge.
  *m.saveAnotherButton = StepEightButton(0, 17, "Save and start another analysis");
  *m.saveReturnButton = StepEightButton(17, 33, "Save and return to menu");
  *m.printReportButton = StepEightButton(33, 49, "Print detailed report");
  pf::CloseGadgetList();
  if (!m.registerHovers) return;
  const struct {
    int control, hover, normal;
  } pictures[] = {{*m.nextButton, 15, 14}, {*m.previousButton, 17, 16}, {*m.saveAsNewButton, 28, 27},
                  {*m.saveButton, 26, 25}, {*m.printButton, 30, 29},    {*m.deleteButton, 33, 32}};
  for (const auto& p : pictures) RegisterHoverGadget(p.control, 2, p.hover, p.normal, 0, 0);
  for (int b : {*m.saveAnotherButton, *m.saveReturnButton, *m.printReportButton})
    RegisterHoverGadget(b, 3, 0, 0, 0, 0);
}
