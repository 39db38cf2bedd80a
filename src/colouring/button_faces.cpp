#include "colouring/button_faces.h"

#include <algorithm>
#include <string>

namespace bs = pf::button_style;

// ---- Colour requests ------------------------------------------------------------------------------------

// Answers a control's colour request from its record. Controls paint their own captions without a
// background of their own here, on the back colour set on them, which is what an option button needs.
// Buttons with a face picture and controls without a record keep the colours they have.
bool ColourParentWindowProc(int window, int gadget) {
  std::erase_if(SubclassedParents, [](const SubclassedParent& p) { return !pf::WindowExists(p.window); });
  const bool known = std::any_of(SubclassedParents.begin(), SubclassedParents.end(),
                                 [window](const SubclassedParent& p) { return p.window == window; });
  if (!known) return false;
  const GadgetColourRecord* r = FindColourRecord(gadget);
  if (!r || r->ownerRendered) return false;
  pf::SetGadgetColour(gadget, pf::kFrontColour, r->textColour);
  pf::SetGadgetColour(gadget, pf::kBackColour, r->brushOrPressedText);
  return true;
}

// ---- Face pictures --------------------------------------------------------------------------------------
namespace {

// Captions show a doubled "&" as one, as every other text control does.
std::string ShownCaption(std::string text) {
  for (std::size_t at = text.find("&&"); at != std::string::npos; at = text.find("&&", at + 1)) {
    text.erase(at, 1);
  }
  return text;
}

// Left and right together mean centred, as neither does.
bool AlignedRight(unsigned style) { return (style & bs::kCentre) == bs::kRight; }
bool AlignedLeft(unsigned style) { return (style & bs::kCentre) == bs::kLeft; }

void DrawOneLineCaption(int w, int h, const std::string& caption, unsigned style) {
  const int width = pf::TextWidth(caption);
  const int y = (h - GetDCTextHeight()) / 2;
  const int x = AlignedRight(style) ? w - width - 4 : AlignedLeft(style) ? 4 : (w - width) / 2;
  pf::DrawText(x, y, caption);
}

// Word-broken between 4-pixel insets and centred vertically. A caption taller than the face starts at
// the top, so its first words stay readable, and its last visible line ends in "...".
void DrawMultiLineCaption(int w, int h, const std::string& caption, unsigned style) {
  const unsigned across = AlignedRight(style)  ? pf::kAlignRight
                          : AlignedLeft(style) ? pf::kAlignLeft
                                               : pf::kAlignCentre;
  const int areaWidth = w - 8;
  const int top = std::max(0, (h - pf::TextBoxHeight(areaWidth, caption)) / 2);
  pf::DrawTextBox(pf::Rect{4, top, areaWidth, h - top}, caption, across | pf::kAlignTop);
}

int DrawFace(int picture, int gadget, pf::Rgb textColour, pf::Rgb faceColour, unsigned savedStyle) {
  const int w = pf::GadgetWidth(gadget);
  const int h = pf::GadgetHeight(gadget);
  const int number = pf::CreatePicture(picture != 0 ? picture : pf::kAutoNumber, w, h, faceColour);
  if (!pf::StartDrawingOnPicture(number)) return number;
  pf::DrawingMode(pf::DrawMode::Transparent);
  pf::DrawingFont(pf::GetGadgetFont(gadget));
  pf::FrontColour(textColour);
  const std::string caption = ShownCaption(pf::GetGadgetText(gadget));
  if (savedStyle & bs::kMultiLine) {
    DrawMultiLineCaption(w, h, caption, savedStyle);
  } else {
    DrawOneLineCaption(w, h, caption, savedStyle);
  }
  pf::StopDrawing();
  return number;
}

void ShowColouredFace(const GadgetColourRecord& r) {
  pf::SetButtonStyle(r.gadget, (pf::GetButtonStyle(r.gadget) & ~ButtonLayoutBits) | bs::kBitmap);
  pf::SetButtonFace(r.gadget, r.face1);
}

// The layer's own disabled button, caption placed as it was before the colouring.
void ShowStandardFace(const GadgetColourRecord& r) {
  pf::SetButtonStyle(r.gadget, (pf::GetButtonStyle(r.gadget) & ~bs::kBitmap) | r.savedStyle);
  pf::RepaintGadget(r.gadget);
}

void ShowFace(const GadgetColourRecord& r, bool pressed) {
  pf::SetButtonFace(r.gadget, pressed ? r.face2 : r.face1);
  pf::RepaintGadget(r.gadget);
}

bool IsSubclassedButton(int gadget) {
  return std::any_of(SubclassedControls.begin(), SubclassedControls.end(),
                     [gadget](const SubclassedControl& e) { return e.window == gadget; });
}

}  // namespace

// The two faces are drawn into the record's own pictures (new ones on the first call), so a button has
// one pair of faces however often it is coloured.
void RenderButtonFaces(int gadget, int /*window*/, pf::Rgb textColour, pf::Rgb faceColour,
                       pf::Rgb pressedTextColour, pf::Rgb pressedFaceColour, unsigned savedStyle) {
  GadgetColourRecord* r = FindColourRecord(gadget);
  if (!r) return;
  r->face1 = DrawFace(r->face1, gadget, textColour, faceColour, savedStyle);
  r->face2 = DrawFace(r->face2, gadget, pressedTextColour, pressedFaceColour, savedStyle);
  if (!pf::IsGadgetDisabled(gadget)) ShowColouredFace(*r);
}

bool ColouredButtonProc(pf::Message& message, const pf::CallPrevious& previous) {
  if (!IsSubclassedButton(message.gadget)) return false;
  previous();
  const GadgetColourRecord* r = FindColourRecord(message.gadget);
  if (!r) return true;
  switch (message.type) {
    case pf::Msg::Enable:
      if (message.flag) {
        ShowColouredFace(*r);
      } else {
        ShowStandardFace(*r);
      }
      break;
    case pf::Msg::Size:
    case pf::Msg::TextSet:
      RenderButtonFaces(r->gadget, r->window, r->textColour, r->backColour, r->brushOrPressedText,
                        r->pressedFaceColour, r->savedStyle);
      break;
    case pf::Msg::PushState:
    case pf::Msg::CheckState:
      ShowFace(*r, message.flag);
      break;
    default:
      break;
  }
  return true;
}

// ---- Visual styles and fonts ----------------------------------------------------------------------------

void DisableVisualStyles(int gadget) {
  if (ThemeActive == 1) pf::DisableGadgetTheme(gadget);
}

// The cell height of the font on the picture or page being drawn on.
int GetDCTextHeight() { return pf::TextHeight("H"); }
