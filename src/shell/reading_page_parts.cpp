#include <cctype>

#include "shell/design_grid.h"
#include "shell/reading_pages.h"
#include "shell/shell_globals.h"

int BuildText(int x, int y, int w, int h, const std::string& text, pf::Rgb front, pf::Rgb back, int font,
              unsigned flags) {
  const int g = pf::TextGadget(AutoNumber, x, y, w, h, text, flags);
  pf::SetGadgetColour(g, FrontColourType, front);
  pf::SetGadgetColour(g, BackColourType, back);
  pf::SetGadgetFont(g, font);
  return g;
}

int BuildPageTitle(int pageWidth, const std::string& text) {
  std::string upper = text;
  for (char& c : upper) c = char(std::toupper(static_cast<unsigned char>(c)));
  const int title = BuildText(0, 0, pageWidth, DY(35), upper, OrangeColour, BlueColour, TitleFont,
                              pf::flags::kCentre | pf::flags::kVCentre);
  return pf::GadgetY(title) + pf::GadgetHeight(title);
}

int BuildTextTile(int x, int y, int w, int h, const std::string& caption, int font) {
  const int frame = pf::ContainerGadget(AutoNumber, x, y, w, h, pf::flags::kBorder);
  pf::OpenGadgetList(frame);
  const int tile = BuildText(0, 0, w, h, caption, kBlack, BlueGreyColour, font,
                             pf::flags::kCentre | pf::flags::kVCentre | pf::flags::kClickable);
  pf::CloseGadgetList();
  return tile;
}
