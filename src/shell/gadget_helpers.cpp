#include "shell/gadget_helpers.h"

#include <algorithm>

#include "platform/gadget_state.h"
#include "shell/subclassed_controls.h"

void AddGadgetItemWithData(int gadget, int position, const std::string& text, int code) {
  pf::AddGadgetItem(gadget, position, text, code);
}

void FillGadgetFromList(int gadget, const std::vector<CategoryEntry>& list) {
  for (const CategoryEntry& entry : list) AddGadgetItemWithData(gadget, -1, entry.name, entry.code);
}

void SelectItemByData(int gadget, int code) {
  const int count = pf::CountGadgetItems(gadget);
  for (int item = 0; item < count; ++item) {
    if (pf::GetGadgetItemData(gadget, item) == code) {
      pf::SetGadgetState(gadget, item);
      return;
    }
  }
}

void SetGadgetColours(int gadget, Rgb back, Rgb text, int font) {
  if (font != -1) pf::SetGadgetFont(gadget, font);
  pf::SetGadgetColour(gadget, BackColourType, back);
  pf::SetGadgetColour(gadget, FrontColourType, text);
}

int GadgetBottom(int gadget) { return pf::GadgetY(gadget) + pf::GadgetHeight(gadget); }

namespace {
// Text is measured on a scratch picture, with the font that draws and shows it.
bool StartMeasuring(int font) {
  static int scratch = 0;
  if (!scratch) scratch = pf::CreatePicture(AutoNumber, 1, 1);
  if (!pf::StartDrawingOnPicture(scratch)) return false;
  pf::DrawingFont(font);
  return true;
}
}  // namespace

int TextWidthIn(int font, const std::string& text) {
  if (!StartMeasuring(font)) return 0;
  const int w = pf::TextWidth(text);
  pf::StopDrawing();
  return w;
}

int TextHeightIn(int font, int width, const std::string& text) {
  return pf::TextGadgetHeight(font, width, text);
}

namespace {
void LowestBottom(int gadget, int canvasTop, int& lowest) {
  for (int child : pf::GadgetChildren(gadget)) {
    if (pf::IsGadgetHidden(child) || pf::GadgetKind(child) == pf::Kind::ScrollArea) continue;
    const pf::Rect r = pf::GadgetScreenRect(child);
    if (r.h > 0) lowest = std::max(lowest, r.y + r.h - canvasTop);
    LowestBottom(child, canvasTop, lowest);
  }
}
}  // namespace

// Measured on the screen, since a control may reach below the row that holds it: a label as tall as its
// bordered row starts inside the border, and so ends a pixel below the row.
int CanvasContentBottom(int area) {
  const std::vector<int> children = pf::GadgetChildren(area);
  if (children.empty()) return 0;
  const int canvasTop = pf::GadgetScreenRect(children.front()).y - pf::GadgetY(children.front());
  int lowest = 0;
  LowestBottom(area, canvasTop, lowest);
  return lowest;
}

namespace {
// Every control counts, hidden or not; an area inside counts by its own rectangle.
void LowestOfAll(int gadget, int canvasTop, int& lowest) {
  for (int child : pf::GadgetChildren(gadget)) {
    const pf::Rect r = pf::GadgetScreenRect(child);
    if (r.h > 0) lowest = std::max(lowest, r.y + r.h - canvasTop);
    if (pf::GadgetKind(child) != pf::Kind::ScrollArea) LowestOfAll(child, canvasTop, lowest);
  }
}
}  // namespace

void KeepScrollAreaInside(int area) {
  if (pf::GadgetKind(area) != pf::Kind::ScrollArea) return;
  const pf::Rect r = pf::GadgetScreenRect(area);
  int right = r.x + r.w, bottom = r.y + r.h;
  for (int p = pf::GadgetParent(area); p != 0; p = pf::GadgetParent(p)) {
    // The view of an area around it moves over its canvas (the window's frame scrolls in a window made
    // smaller than the work area): the canvas is the room, and it is the next container up.
    if (pf::GadgetKind(p) == pf::Kind::ScrollArea) continue;
    const pf::Rect room = pf::GadgetScreenRect(p);
    right = std::min(right, room.x + room.w), bottom = std::min(bottom, room.y + room.h);
  }
  if (right - r.x < r.w || bottom - r.y < r.h)
    pf::ResizeGadget(area, IgnoreValue, IgnoreValue, std::max(0, right - r.x), std::max(0, bottom - r.y));
}

void FitCanvasToRows(int area, int margin) {
  const std::vector<int> children = pf::GadgetChildren(area);
  if (pf::GadgetKind(area) != pf::Kind::ScrollArea || children.empty()) return;
  const int canvasTop = pf::GadgetScreenRect(children.front()).y - pf::GadgetY(children.front());
  int lowest = 0;
  LowestOfAll(area, canvasTop, lowest);
  pf::SetScrollAreaInner(area, pf::ScrollAreaInnerWidth(area), lowest + margin);
  // The bar that the rows may now bring takes its room from the canvas.
  pf::SetScrollAreaInner(area, std::min(pf::ScrollAreaInnerWidth(area), pf::ScrollAreaViewWidth(area)),
                         lowest + margin);
}

void FitScrollArea(int area, int margin) {
  KeepScrollAreaInside(area);
  FitCanvasToRows(area, margin);
}

void ShowMessage(const std::string& text) { pf::MessageRequester("", text, pf::Buttons::Ok); }

namespace {

GadgetProperty* FindGadgetProperty(int gadget, const std::string& name) {
  auto found = std::find_if(GadgetProperties.begin(), GadgetProperties.end(),
                            [&](const GadgetProperty& p) { return p.gadget == gadget && p.name == name; });
  return found == GadgetProperties.end() ? nullptr : &*found;
}

}  // namespace

void SetGadgetProperty(int gadget, const std::string& name, std::int64_t value) {
  if (GadgetProperty* property = FindGadgetProperty(gadget, name))
    property->value = value;
  else
    GadgetProperties.push_back({gadget, name, value});
}

std::int64_t GetGadgetProperty(int gadget, const std::string& name) {
  const GadgetProperty* property = FindGadgetProperty(gadget, name);
  return property ? property->value : 0;
}

// The combo box's edit part reports to the combo's own handler chain, so the handler goes on the combo.
void AttachComboAutoComplete(int gadget) {
  pf::AddGadgetHandler(gadget, ComboAutoCompleteProc);
  pf::SetGadgetColour(gadget, BackColourType, kAutoCompleteComboColour);
}

void AttachExclusiveFirstItem(int gadget) { pf::AddGadgetHandler(gadget, ExclusiveFirstItemProc); }
