#include "colouring/colour_library.h"

#include <array>
#include <utility>

#include "colouring/button_faces.h"

GadgetColourRecord* FindColourRecord(int gadget) {
  for (auto& r : ColourRecords) {
    if (r.gadget == gadget) return &r;
  }
  return nullptr;
}

void InitColourLibrary() {
  RedrawAfterChange = 1;
  ColourRecords.clear();
  SubclassedControls.clear();
  SubclassedParents.clear();
  DetectVisualTheme();
}

// The layer knows whether a visual style draws the controls; there is no system library to look for.
void DetectVisualTheme() { ThemeActive = pf::IsThemeActive() ? 1 : 0; }

void EndColourLibrary() { ReleaseColourLibrary(); }

unsigned SetButtonColours(int gadget, pf::Rgb textColour, pf::Rgb faceColour) {
  return ApplyGadgetColours(gadget, textColour, faceColour, 0, ColourModeButtonFace);
}

unsigned SetControlColours(int gadget, pf::Rgb textColour, pf::Rgb backColour) {
  return ApplyGadgetColours(gadget, textColour, backColour, 0, ColourModePlain);
}

namespace {

GadgetColourRecord& NewColourRecord(int gadget, unsigned mode) {
  GadgetColourRecord& r = ColourRecords.emplace_back();
  if (mode == ColourModeButtonFace) {
    r.ownerRendered = true;
    const unsigned style = pf::GetButtonStyle(gadget);
    r.savedStyle = style & ButtonLayoutBits;
    pf::SetButtonStyle(gadget, style & ~ButtonLayoutBits);
  }
  return r;
}

void ColourButtonFace(GadgetColourRecord& r, pf::Rgb textColour, pf::Rgb faceColour) {
  // The pressed face takes the same colours: a coloured button does not change colour while held down.
  r.textColour = textColour;
  r.backColour = faceColour;
  r.brushOrPressedText = textColour;
  r.pressedFaceColour = faceColour;
  RenderButtonFaces(r.gadget, r.window, textColour, faceColour, textColour, faceColour, r.savedStyle);
  SubclassGadget(r.gadget, ColouredButtonProc, false);
}

void ColourPlainControl(GadgetColourRecord& r, pf::Rgb textColour, pf::Rgb backColour,
                        const std::string& className) {
  r.textColour = textColour;
  r.backColour = backColour;
  r.brushOrPressedText = ResolveColour(backColour, 2, className);
  // A visual style paints option buttons its own way and would hide the colours.
  if (pf::GadgetKind(r.gadget) == pf::Kind::Option) DisableVisualStyles(r.gadget);
  // The layer paints a control with the colours set on it, so the colour request that every repaint
  // would make is answered once here, by the window that holds the control.
  // The procedure forgets windows that have closed, so it must not run over the list it edits.
  const std::vector<SubclassedParent> parents = SubclassedParents;
  for (const auto& p : parents) {
    if (p.window == r.topWindow && p.procedure) p.procedure(p.window, r.gadget);
  }
}

}  // namespace

unsigned ApplyGadgetColours(int gadget, pf::Rgb textColour, pf::Rgb colour, int /*extra*/, unsigned mode) {
  if (gadget == 0 || !pf::GadgetExists(gadget)) return 0;
  const std::string className = GetWindowClassText(gadget);
  // A record found again keeps its face picture numbers: the faces are drawn anew into the same two
  // pictures, so recolouring on every hover never piles up pictures.
  GadgetColourRecord* found = FindColourRecord(gadget);
  GadgetColourRecord& r = found ? *found : NewColourRecord(gadget, mode);
  r.gadget = gadget;
  r.window = gadget;
  // Only the top-level window is noted: containers in between take no part in a control's colours here.
  r.topWindow = pf::GadgetWindow(gadget);
  SubclassParentWindow(r.topWindow, ColourParentWindowProc);
  r.mode |= mode;
  r.kind = ClassifyControlClass(className);
  if (mode == ColourModeButtonFace) {
    ColourButtonFace(r, textColour, colour);
  } else if (mode == ColourModePlain) {
    ColourPlainControl(r, textColour, colour, className);
  }
  if (RedrawAfterChange == 1) pf::RepaintGadget(gadget);
  return r.mode;
}

void SubclassParentWindow(int window, ParentColourProc procedure) {
  for (const auto& p : SubclassedParents) {
    if (p.window == window) return;
  }
  SubclassedParents.push_back({window, procedure});
}

void SubclassGadget(int gadget, const pf::Handler& procedure, bool useParent) {
  if (gadget == 0 || !pf::GadgetExists(gadget)) return;
  // The layer never frees a control, so a number names the same control for the whole run: an entry
  // for it means the control is hooked already.
  for (const auto& e : SubclassedControls) {
    if (e.gadget == gadget) return;
  }
  const int parent = pf::GadgetParent(gadget);
  const int target = useParent && parent != 0 ? parent : gadget;
  SubclassedControls.push_back({gadget, target, pf::AddGadgetHandler(target, procedure)});
}

void ReleaseColourLibrary() {
  for (const auto& r : ColourRecords) {
    if (!r.ownerRendered || r.face1 == 0 || !pf::GadgetExists(r.gadget)) continue;
    const unsigned style = pf::GetButtonStyle(r.gadget);
    pf::SetButtonStyle(r.gadget, (style & ~pf::button_style::kBitmap) | r.savedStyle);
    // The face pictures stay until the layer frees every picture, which follows right after.
  }
  ColourRecords.clear();
  for (const auto& e : SubclassedControls) pf::RemoveGadgetHandler(e.window, e.hook);
  SubclassedControls.clear();
}

// ---- Kinds of control -----------------------------------------------------------------------------------
// Controls have no class names on this layer; the layer's kind of control is named instead, so a kind
// can still be worked out from a name as the library's callers expect.
namespace {
const std::array<std::pair<pf::Kind, const char*>, 12> kClassNames = {{
    {pf::Kind::Button, "Button"},
    {pf::Kind::Option, "Button"},
    {pf::Kind::PictureButton, "Button"},
    {pf::Kind::Field, "Edit"},
    {pf::Kind::Editor, "Edit"},
    {pf::Kind::ListBox, "ListBox"},
    {pf::Kind::Combo, "ComboBox"},
    {pf::Kind::ListView, "ListView"},
    {pf::Kind::Container, "Container"},
    {pf::Kind::ScrollArea, "ScrollArea"},
    {pf::Kind::RichViewer, "RichEdit"},
    {pf::Kind::Text, "Static"},
}};
const std::array<std::pair<const char*, int>, 11> kClassKinds = {{
    {"Button", KindButton},
    {"Edit", KindEdit},
    {"ListBox", KindListBox},
    {"ComboBox", KindComboBox},
    {"ListView", KindListView},
    {"Container", KindContainer},
    {"ScrollArea", KindScrollArea},
    {"Tree", KindTree},
    {"ProgressBar", KindProgressBar},
    {"RichEdit", KindRichEdit},
    {"Tab", KindTab},
}};
}  // namespace

std::string GetWindowClassText(int gadget) {
  const pf::Kind kind = pf::GadgetKind(gadget);
  for (const auto& [k, name] : kClassNames) {
    if (k == kind) return name;
  }
  return "";
}

int ClassifyControlClass(const std::string& className) {
  for (const auto& [name, kind] : kClassKinds) {
    if (className == name) return kind;
  }
  return KindOther;
}

// The layer paints a control's background from its back colour, so the colour itself stands where a
// brush of it was needed (what 2); texts and backgrounds (what 0 and 1) are the colour anyway.
pf::Rgb ResolveColour(pf::Rgb colour, int /*what*/, const std::string& /*className*/) { return colour; }
