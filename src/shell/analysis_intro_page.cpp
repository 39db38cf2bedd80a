// The introduction of the DO ANALYSIS area: one tile per kind of analysis, what each measures, and a link
// into the guide's chapter on it.
#include <string>

#include "platform/platform.h"
#include "shell/design_grid.h"
#include "shell/page_globals.h"
#include "shell/reading_pages.h"
#include "shell/services.h"
#include "shell/shell_globals.h"

namespace {

constexpr pf::Rgb kChoiceHoverBack = pf::MakeRgb(200, 150, 0);
constexpr pf::Rgb kChoiceHoverText = pf::MakeRgb(0, 0, 255);

struct ChoiceRow {
  int offset;      // of the tile below the title, design units
  int linkOffset;  // of its "Learn more" link
  const char* caption;
  const char* description;
};
constexpr ChoiceRow kChoices[] = {
    {50, 125, "\rOPTION 1:\rBEFORE && AFTER\rANALYSIS",
     "Measure the costs and consequences of an intervention by comparing before and after."},
    {204, 279, "\rOPTION 2:\rCONCURRENT GROUPS\rANALYSIS",
     "Measure the costs and consequences of an intervention by comparing two groups."},
    {358, 413, "", "Measure the costs and consequences of a potential intervention."},
};

// The third tile is a picture, drawn here in the look of the two text tiles (and of their hovered look).
int DrawChoicePicture(pf::Rgb back, pf::Rgb text) {
  const int picture = pf::CreatePicture(AutoNumber, DX(260), DY(125), back);
  if (!pf::StartDrawingOnPicture(picture)) return picture;
  pf::DrawingFont(29);
  pf::DrawingMode(pf::DrawMode::Transparent);
  pf::FrontColour(text);
  const int w = pf::PictureWidth(picture), lineHeight = pf::TextHeight("O");
  int y = (pf::PictureHeight(picture) - 4 * lineHeight) / 2;
  for (const char* line : {"OPTION 3:", "POTENTIAL", "INTERVENTION", "ANALYSIS"}) {
    pf::DrawText((w - pf::TextWidth(line)) / 2, y, line);
    y += lineHeight;
  }
  pf::StopDrawing();
  return picture;
}

}  // namespace

void BuildAnalysisChoicePage() {
  const int w = pf::GadgetWidth(PageHolder), h = pf::GadgetHeight(PageHolder);
  AnalysisChoicePage = pf::ContainerGadget(AutoNumber, 0, 0, w, h);
  pf::SetGadgetColour(AnalysisChoicePage, BackColourType, PageColour);
  pf::OpenGadgetList(AnalysisChoicePage);
  const int titleBottom = BuildPageTitle(w, "Do Your Own Analysis");
  PIChoiceImage = DrawChoicePicture(BlueGreyColour, kBlack);
  PIChoiceHoverImage = DrawChoicePicture(kChoiceHoverBack, kChoiceHoverText);
  int* const links[] = {&BAChoiceLink, &CGChoiceLink, &PIChoiceLink};
  for (int k = 0; k < 3; ++k) {
    const ChoiceRow& row = kChoices[k];
    const int y = titleBottom + DY(row.offset);
    if (k < 2) {
      AnalysisChoiceTile(k + 1) = BuildTextTile(DX(100), y, DX(260), DY(125), row.caption, 29);
    } else {
      const int frame = pf::ContainerGadget(AutoNumber, DX(100), y, DX(260), DY(125), pf::flags::kBorder);
      pf::OpenGadgetList(frame);
      AnalysisChoiceTile(3) =
          pf::PictureGadget(AutoNumber, 0, 0, DX(300), DY(125), PIChoiceImage, pf::flags::kClickable);
      pf::CloseGadgetList();
    }
    BuildText(DX(400), y + DY(30), DX(600), DY(100), row.description, kBlack, PageColour, 4);
    *links[k] = BuildText(DX(400), titleBottom + DY(row.linkOffset), DX(600), DY(30), "Learn more",
                          LinkColour, PageColour, 4, pf::flags::kClickable);
  }
  pf::CloseGadgetList();
}
