// The introduction of the ABOUT area: three tiles that lead to the guide, the examples and the glossary,
// each with a short description, and the development team.
#include <algorithm>
#include <string>

#include "platform/platform.h"
#include "shell/design_grid.h"
#include "shell/gadget_helpers.h"
#include "shell/page_globals.h"
#include "shell/paragraph_drawing.h"
#include "shell/reading_pages.h"
#include "shell/services.h"
#include "shell/shell_globals.h"

namespace {

struct AboutTileRow {
  const char* caption;
  int offset;  // below the title, design units
  const char* description;
};
constexpr AboutTileRow kAboutTiles[] = {
    {"\rUNDERSTANDING\rECONOMIC\rEVALUATIONS", 50,
     "Learn about using each part of this software as well as the principles behind each type of analysis."},
    {"\rEXAMPLES OF\rECONOMIC\rEVALUATIONS", 180,
     "Browse real examples of workplace evaluations to see how each type of analysis can be used."},
    {"GLOSSARY", 310, "Review the terms and concepts used in this software."},
};

constexpr int kTeamFont = 17;
constexpr const char* kTeamLines[] = {
    "Principal Investigator: Dr. Lena Marchetti, Centre for Workplace Health Economics",
    "Project Co-ordinators: Owen Draycott and Priya Nandakumar, Workplace Safety Research Network",
    "Software Programmer: Tomas Varga, Varga Software Services",
    "Co-investigators: Dr. Helen Ostrowski, Provincial Institute of Occupational Health; "
    "Dr. Samuel Achebe, School of Business and Economics",
};

// Long descriptions are wrapped into a picture, which keeps the lines where the paragraph engine puts them.
int DescriptionPicture(const std::string& text, int right) {
  const int picture = pf::CreatePicture(AutoNumber, DX(600), DY(75), PageColour);
  if (pf::StartDrawingOnPicture(picture)) {
    pf::DrawingFont(4);
    pf::FrontColour(kBlack);
    pf::BackColour(PageColour);
    DrawParagraph(text, 1.0, 10, right, 1, 0, -1, 0);
    pf::StopDrawing();
  }
  return picture;
}

// The band stands on the page's bottom edge. Where a credit line wraps (our font is wider than the
// design's on narrow screens) the band grows upwards by what the text needs, so that its last line is not
// cut off below the window.
void BuildTeamBand(int pageHeight) {
  std::string team = "Development Team:";
  for (const char* line : kTeamLines) team += LineBreak + line;
  const int textW = DX(1000), textH = std::max(DY(100), TextHeightIn(kTeamFont, textW, team));
  const int bandH = std::max(DY(111), DY(5) + textH + DY(6));
  const int band = pf::ContainerGadget(AutoNumber, 0, pageHeight - bandH, DX(1030), bandH);
  pf::SetGadgetColour(band, BackColourType, DarkBlueColour);
  pf::OpenGadgetList(band);
  BuildText(DX(15), DY(5), textW, textH, team, kWhite, DarkBlueColour, kTeamFont);
  pf::CloseGadgetList();
}

}  // namespace

void BuildAboutPage() {
  const int w = pf::GadgetWidth(PageHolder), h = pf::GadgetHeight(PageHolder);
  AboutPage = pf::ContainerGadget(AutoNumber, 0, 0, w, h);
  pf::SetGadgetColour(AboutPage, BackColourType, PageColour);
  pf::OpenGadgetList(AboutPage);
  const int titleBottom = BuildPageTitle(w, "About Economic Evaluations");
  for (int k = 0; k < 3; ++k) {
    const AboutTileRow& row = kAboutTiles[k];
    const int y = titleBottom + DY(row.offset);
    AboutTile(k + 1) = BuildTextTile(DX(100), y, DX(220), DY(100), row.caption, 17);
    const bool last = k == 2;
    const int picture = DescriptionPicture(row.description, last ? 600 : DX(500));
    pf::PictureGadget(AutoNumber, DX(400), y + DY(20), DX(600), DY(last ? 200 : 100), picture);
  }
  BuildTeamBand(h);
  pf::CloseGadgetList();
}
