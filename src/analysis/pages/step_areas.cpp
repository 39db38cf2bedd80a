// The parts of the step pages that every module has besides its rows: step 3's approach band with the
// notice strip, step 5's guidance picture with the percent field, and step 7's placeholders.
#include <algorithm>

#include "analysis/pages/frame_parts.h"
#include "analysis/pages/pages_globals.h"
#include "colouring/colour_library.h"
#include "platform/platform.h"
#include "shell/design_grid.h"
#include "shell/gadget_helpers.h"
#include "shell/hover_help.h"
#include "shell/paragraph_drawing.h"

namespace {

using namespace pf::flags;

constexpr Rgb kSummaryOptionText = pf::MakeRgb(85, 85, 85);
// Where an approach option's words start (past its mark) and where its help icon stands (design units).
constexpr int kOptionTextX = 56, kOptionIconX = 850;
constexpr int kIconGap = 4;  // pixels

// An approach option with its mark; the mark's gadget data says whether its approach is the one not chosen.
void BuildOption(int y, const std::string& text, Rgb back, Rgb front, int& option, int& mark,
                 const char* markText, Rgb markFront, int data) {
  const int w = CurrentPageWidth();
  // The band runs the page's width; its words stand between the mark and the help icon at its end.
  FrameText(0, DY(y), w, DY(30), "", back, front, 14, kVCentre);
  option =
      FrameText(DX(kOptionTextX), DY(y), DX(kOptionIconX) - kIconGap - DX(kOptionTextX), DY(30),
                text.substr(std::min(text.size(), text.find_first_not_of(' '))), back, front, 14, kVCentre);
  mark = FrameText(DX(12), DY(y + 3), DX(30), DY(22), markText, BlueGreyColour, markFront, 14,
                   kClickable | kCentre | kVCentre | kBorder);
  SetGadgetProperty(mark, "companion", option);
  RegisterHoverGadget(mark, 5, 0, 0, 0, 0);
  pf::SetGadgetData(mark, data);
}

void BuildNoticeStrip(const ModuleDescription& m) {
  const ApproachBand& b = m.band;
  const int w = CurrentPageWidth();
  const int strip = pf::ContainerGadget(AutoNumber, 0, -1, w, DY(31), b.stripBorder ? kBorder : 0u);
  pf::SetGadgetColour(strip, BackColourType, BlueGreyColour);
  NoticeGadget(m.notice, 1) = strip;
  pf::OpenGadgetList(strip);
  const int inner = pf::ContainerGadget(AutoNumber, 0, 0, w - 15, DY(30));
  pf::SetGadgetColour(inner, BackColourType, BlueGreyColour);
  pf::OpenGadgetList(inner);
  FrameText(DX(10), DY(5), DX(800), DY(45),
            "NOTE: Incident data may have changed. To update the analysis press Update.", BlueGreyColour,
            kBlack, 14);
  const char* captions[2] = {"Update", "Dismiss"};
  for (int i = 0; i < 2; ++i) {
    const int button = pf::ButtonGadget(AutoNumber, DX(715 + 150 * i), DY(4), DX(130), DY(22), captions[i],
                                        pf::button_style::kCentre | pf::button_style::kMultiLine);
    pf::SetGadgetFont(button, 14);
    SetButtonColours(button, kBlack, PageColour);
    RegisterHoverGadget(button, 4, int(PageColour), int(LinkColour), int(PageColour), int(kBlack));
    NoticeGadget(m.notice, 2 + i) = button;
  }
  const int iconX = b.stripIconXPixels ? b.stripIconX : DX(b.stripIconX);
  const int icon = HelpIcon(iconX, (pf::GadgetHeight(strip) - 25) / 2 + 1, HelpIconCalculatedImage);
  RegisterHelpText(b.stripHelp, b.stripHelpX == kNoHelp ? -1 : b.stripHelpX, icon, 0, 0);
  pf::CloseGadgetList();
  pf::CloseGadgetList();
  pf::HideGadget(strip, true);
}

void BuildDatabasePanel(const ModuleDescription& m, int& panel) {
  const ApproachBand& b = m.band;
  const int w = CurrentPageWidth();
  panel = pf::ContainerGadget(AutoNumber, 0, DY(90), w, DY(b.panelHeight), kBorder);
  pf::SetGadgetColour(panel, BackColourType, BlueColour);
  pf::OpenGadgetList(panel);
  const int caption = pf::ContainerGadget(AutoNumber, 0, 0, DX(1200), DY(30));
  pf::SetGadgetColour(caption, BackColourType, PageColour);
  NoticeGadget(m.notice, 0) = caption;
  pf::OpenGadgetList(caption);
  FrameText(0, 0, DX(1200), DY(30), b.retrieveCaption, HeadingGreyColour, OrangeColour, 4, kVCentre);
  const int icon = HelpIcon(DX(550), (pf::GadgetHeight(caption) - 25) / 2, HelpIconHeadingImage);
  RegisterHelpText(b.retrieveHelp, b.retrieveHelpX == kNoHelp ? -1 : b.retrieveHelpX, icon, 0, 0);
  pf::CloseGadgetList();
  for (const FrameCaption& c : b.panelCaptions)
    if (c.text)
      FrameText(DX(c.x), DY(c.y), DX(c.w), DY(c.h), c.text, BlueColour, OrangeColour, 4, kCentre | kVCentre);
  BuildNoticeStrip(m);
  pf::CloseGadgetList();
}

}  // namespace

int BuildApproachBand(const ModuleDescription& m, int /*page*/) {
  const ApproachBand& b = m.band;
  const int w = CurrentPageWidth(), h = CurrentPageHeight();
  FrameText(DX(210), 0, w, DY(30),
            "Select an approach to document incident information for this analysis:", HeadingGreyColour,
            kWhite, 14, kVCentre);
  BuildOption(
      30,
      "                Incident Cost Calculator Database Approach: This retrieves data from the Incident "
      "Cost Calculator database (high accuracy)",
      PageColour, DarkBlueColour, *m.databaseOption, *m.databaseMark, "X", DarkBlueColour, 0);
  const int optionH = pf::GadgetHeight(*m.databaseOption);
  // The popups of both options open 30 units below the database option.
  const int raise = RoundHalfEven((h - GadgetBottom(*m.databaseOption) - 30 * ScaleY) / ScaleY);
  const int databaseIcon =
      HelpIcon(DX(kOptionIconX), RoundHalfEven(30 * ScaleY + (optionH - 25) / 2.0), HelpIconPageImage);
  RegisterHelpText(b.databaseHelp, b.databaseHelpX == kNoHelp ? -1 : b.databaseHelpX, databaseIcon, raise, 0);
  BuildOption(60,
              "                Summary Incident Data Approach: This requires entry of aggregate incident "
              "information (low accuracy) ",
              GreyColour, kSummaryOptionText, *m.summaryOption, *m.summaryMark, "", kBlack, 1);
  const int summaryIcon =
      HelpIcon(DX(kOptionIconX), RoundHalfEven(60 * ScaleY + (optionH - 25) / 2.0), HelpIconApproachImage);
  RegisterHelpText(b.summaryHelp, b.summaryHelpX == kNoHelp ? -1 : b.summaryHelpX, summaryIcon, raise, 0);
  int panel = 0;
  BuildDatabasePanel(m, panel);
  if (m.databasePanel) *m.databasePanel = panel;
  return GadgetBottom(panel);
}

void BuildGuidance(const ModuleDescription& m) {
  const Guidance& g = m.guidance;
  const int picture = pf::CreatePicture(AutoNumber, DX(500), DY(500), PageColour);
  int lastY = 0, textBottom = DY(500);
  if (pf::StartDrawingOnPicture(picture)) {
    pf::DrawingFont(17);
    pf::FrontColour(kBlack);
    pf::BackColour(PageColour);
    const int indent = DX(25);
    lastY = DrawParagraph(g.paragraphs[0], 2, 0, DX(475), 5, 0, -1, 0);
    lastY = DrawParagraph(g.paragraphs[1], 1.3, indent, -1, -1, 2, -1, 0);
    lastY = DrawParagraph(g.paragraphs[2], 1.3, indent, -1, -1, 2, -1, 0);
    lastY = DrawParagraph(g.paragraphs[3], 2, indent, -1, -1, 2, -1, 0);
    lastY = DrawParagraph(g.paragraphs[4], 2, 0, -1, -1, 0, -1, 0);
    textBottom = std::min(textBottom, lastY + pf::TextHeight("Ag") + 2);
    pf::StopDrawing();
  }
  // The picture ends below its last line: the blank page colour under it would leave the step scrolling
  // on past its last row.
  pf::PictureGadget(AutoNumber, DX(15), DY(25), DX(500), textBottom, picture);
  const int field = pf::FieldGadget(AutoNumber, DX(520), lastY, DX(70), DY(20), "0", kRight | kBorder);
  pf::SetGadgetColour(field, BackColourType, NumberFieldColour);
  (*m.gadget)(4, 2, 1, 2) = field;
  FrameText(DX(596), lastY, DX(10), DY(20), "%", PageColour, kBlack, 14);
  const int holder = pf::ContainerGadget(AutoNumber, DX(610), lastY - g.helpContainerLift, DX(400), DY(60));
  pf::SetGadgetColour(holder, BackColourType, PageColour);
  pf::OpenGadgetList(holder);
  const int icon = HelpIcon(DX(50), 30, HelpIconPageImage);
  RegisterHelpText("Increases in productivity are given a positive sign and decreases a negative sign.", -1,
                   icon, g.percentHelpRaise, 0);
  pf::CloseGadgetList();
}

void BuildIndustryPlaceholders(const ModuleDescription& m, int y) {
  const int w = pf::GadgetWidth(*m.root);
  *m.industryPanel0 = pf::ContainerGadget(AutoNumber, 0, y, w, 0);
  *m.industryPanel1 = pf::ContainerGadget(AutoNumber, 0, y, w, 0);
  pf::HideGadget(*m.industryPanel1, true);
}
