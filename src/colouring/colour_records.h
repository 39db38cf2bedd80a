// Every piece of state of the control-colouring library, in one place: one record per coloured control,
// the controls and windows whose handling the library took over, and the two switches.
#pragma once

#include <vector>

#include "platform/platform.h"

// Control kinds, from the layer's kind of control. Only buttons are coloured by this program; the other
// numbers are kept so that a kind read back means the same thing wherever it is printed or compared.
enum ControlKind {
  KindOther = 0,
  KindButton = 1,
  KindEdit = 2,
  KindListBox = 3,
  KindComboBox = 4,
  KindListView = 5,
  KindContainer = 6,
  KindScrollArea = 7,
  KindTree = 8,
  KindProgressBar = 9,
  KindRichEdit = 10,
  KindTab = 11,
};

// Mode bits of a record: every way the control was coloured.
inline constexpr unsigned ColourModePlain = 1;
inline constexpr unsigned ColourModeButtonFace = 1024;

// The style bits a coloured button gives up while its face picture shows: the caption's place is drawn
// into the picture instead.
inline constexpr unsigned ButtonLayoutBits = pf::button_style::kCentre | pf::button_style::kMultiLine;

struct GadgetColourRecord {
  int gadget = 0;
  int window = 0;  // the control's handle: on this layer a control's number names it for its whole life
  int kind = KindOther;
  pf::Rgb textColour = 0;
  pf::Rgb backColour = 0;  // plain record: back colour; button record: face colour
  pf::Rgb pressedFaceColour = 0;
  // Plain record: the colour the control's background is painted with. Button record: the caption
  // colour of the pressed face. Both live in one slot because a record is one or the other.
  pf::Rgb brushOrPressedText = 0;
  unsigned mode = 0;
  bool ownerRendered = false;
  unsigned savedStyle = 0;  // alignment and multi-line bits the button had before its first colouring
  int face1 = 0;            // normal face
  int face2 = 0;            // pressed face
  int topWindow = 0;
};

struct SubclassedControl {
  int gadget = 0;
  int window = 0;
  int hook = 0;  // our handler on the control; removing it gives the control its previous handling back
};

using ParentColourProc = bool (*)(int window, int gadget);
struct SubclassedParent {
  int window = 0;
  ParentColourProc procedure = nullptr;
};

inline std::vector<GadgetColourRecord> ColourRecords;
inline std::vector<SubclassedControl> SubclassedControls;
inline std::vector<SubclassedParent> SubclassedParents;
inline int ThemeActive = 0;
inline int RedrawAfterChange = 0;

// The first record of a control, or nullptr. Records are never removed during a run, but the vector
// may grow, so the pointer is good only until the next record is added.
GadgetColourRecord* FindColourRecord(int gadget);
