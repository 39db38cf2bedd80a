// The front page: a banner, a band of credits, the team picture and the three tiles that lead into the
// areas of the program.
#include <cmath>

#include "platform/platform.h"
#include "shell/design_grid.h"
#include "shell/page_globals.h"
#include "shell/services.h"
#include "shell/shell_globals.h"

namespace {

constexpr Rgb kBannerColour = pf::MakeRgb(33, 64, 146);

struct HomeTileRow {
  int tile;
  const char* caption;
  const char* description;
};
// Top to bottom.
constexpr HomeTileRow kTiles[] = {
    {3, "\rDO YOUR OWN\rANALYSIS", "Measure the costs and benefits of your health && safety interventions."},
    {2, "\rINCIDENT COST\rCALCULATOR",
     "Calculate the costs of your health && safety incidents. Retrieve past incidents from your database."},
    {1, "\rABOUT H&&S\rQUILLMARKING",
     "Learn how to use this tool, search the glossary of terms, review examples and get contact "
     "information."},
};

int Text(int x, int y, int w, int h, const char* text, Rgb front, Rgb back, int font, unsigned flags = 0) {
  const int g = pf::TextGadget(AutoNumber, x, y, w, h, text, flags);
  pf::SetGadgetColour(g, FrontColourType, front);
  pf::SetGadgetColour(g, BackColourType, back);
  pf::SetGadgetFont(g, font);
  return g;
}

int BuildBanner() {
  const int banner = pf::ContainerGadget(AutoNumber, 0, 0, DX(1024), DY(105));
  pf::SetGadgetColour(banner, BackColourType, kBannerColour);
  pf::OpenGadgetList(banner);
  pf::ResizePicture(52, int(std::lround(pf::PictureWidth(52) * HomeScale)),
                    int(std::lround(pf::PictureHeight(52) * HomeScale)));
  const int logo = pf::PictureGadget(AutoNumber, 0, 0, 0, 0, 52);
  pf::ResizeGadget(logo, IgnoreValue, (DY(105) - pf::GadgetHeight(logo)) / 2, IgnoreValue, IgnoreValue);
  Text(DX(260), DY(30), DX(600), DY(100), "Zevova && Dududu Quillmark:", BarOrangeColour, DarkBlueColour, 36);
  Text(DX(795), DY(30), DX(300), DY(100), "A cost-benefit tool for\rDerorere workplaces", BarOrangeColour,
       DarkBlueColour, 37);
  pf::CloseGadgetList();
  return pf::GadgetHeight(banner);
}

int BuildCreditsBand(int pageHeight) {
  const int top = pageHeight - DY(105);
  const int band = pf::ContainerGadget(AutoNumber, 0, top, DX(1024), DY(105));
  pf::SetGadgetColour(band, BackColourType, kBannerColour);
  pf::OpenGadgetList(band);
  Text(15, DY(10), DX(940), DY(100), "Funded by workplace health and safety partners of the province.",
       BarOrangeColour, DarkBlueColour, 21);
  Text(15, DY(57), DX(960), DY(100), "Developed with employers, workers and safety professionals.", kWhite,
       DarkBlueColour, 21);
  pf::CloseGadgetList();
  return top;
}

}  // namespace

void BuildHomePage() {
  const int w = pf::GadgetWidth(ContentFrame), h = pf::GadgetHeight(ContentFrame);
  HomePage = pf::ContainerGadget(AutoNumber, 0, 0, w, h);
  pf::SetGadgetColour(HomePage, BackColourType, PageColour);
  pf::OpenGadgetList(HomePage);
  const int bannerBottom = BuildBanner();
  const int bandTop = BuildCreditsBand(h);
  const int middle = bandTop - bannerBottom;
  if (pf::PictureHeight(13) > 0)
    pf::ResizePicture(13, int(std::lround(double(pf::PictureWidth(13)) * middle / pf::PictureHeight(13))),
                      middle);
  pf::PictureGadget(AutoNumber, 0, bannerBottom, 0, 0, 13);
  const int pictureW = pf::PictureWidth(13);
  const int tileW = DX(220), t = DY(100), descW = DX(360);
  const int free = middle - 3 * t, top = free / 4, gap = (free - 2 * top) / 2;
  const int across = (w - pictureW - tileW - descW) / 3;
  for (int k = 0; k < 3; ++k) {
    const int y = bannerBottom + top + k * (gap + t);
    const int frame = pf::ContainerGadget(AutoNumber, pictureW + across, y, tileW, t, pf::flags::kBorder);
    pf::OpenGadgetList(frame);
    HomeTile(kTiles[k].tile) = Text(0, 0, tileW, t, kTiles[k].caption, kBlack, BlueGreyColour, 29,
                                    pf::flags::kCentre | pf::flags::kVCentre | pf::flags::kClickable);
    pf::CloseGadgetList();
    Text(pictureW + 2 * across + tileW, y + int(std::lround(0.1 * t)), descW, t, kTiles[k].description,
         kBlack, PageColour, 4);
  }
  pf::CloseGadgetList();
}
