// Hover looks of the main window's controls and the help popup of the worksheet rows. The page and row
// builders fill the two registries; the event loop calls OnMouseMove (declared in services.h) for every
// pointer move.
#pragma once

#include <string>

#include "platform/platform.h"
#include "shell/services.h"

// ---- State ---------------------------------------------------------------------------------------------
inline int HelpTextCount = 0;      // rows of HelpText in use (0-450)
inline int HoverCount = 0;         // rows of HoverTable in use (1-100; the first row is row 1)
inline int LastHelpIcon = 0;       // the help icon that a row builder created last
inline int HoveredGadget = 0;      // the control under the pointer at the last pointer move
inline int LastHoveredGadget = 0;  // the control whose hover look was applied last
inline int HelpPopupShown = 0;     // 1 while the help popup is visible
inline int ViewerClicked = 0;      // 1 once the user clicked into a read-only text box

// Record lists select the row under the pointer; their start pages measure the row height.
inline int ListRowHeight = 0;

// Columns of a HoverTable row.
enum HoverColumn { kHoverControl = 1, kHoverKind, kHoverValue1, kHoverValue2, kHoverValue3, kHoverValue4 };

// ---- Registration ----------------------------------------------------------------------------------------
// Shows a row's help icon (icon -1: LastHelpIcon), moves it to x design units when x >= 0, and files the
// text ("~" starts a new line) with the offsets (design units, 0: none). Rows beyond the table are dropped.
void RegisterHelpText(const std::string& text, int x, int icon, int upwardOffset, int fallbackOffset);
// Files a hover look of kind 1-5 with its four values. Rows beyond the table are dropped.
void RegisterHoverGadget(int control, int kind, int value1, int value2, int value3, int value4);

// ---- Looks -------------------------------------------------------------------------------------------
// Applies a registered look: hovered 1 when the pointer arrives, 0 when it leaves.
void ApplyHoverLook(int control, int hovered);
// The shell's own controls first, then the registry.
void ApplyAnyHoverLook(int control, bool hovered);

// ---- Pointer -------------------------------------------------------------------------------------------
// The control under the pointer: 0 for none, pf::kNotAControl for an inner part of a control.
int GadgetUnderCursor();
// A help icon is a picture control showing one of the help-icon pictures.
bool IsHelpIcon(int control);
// The record-list row under a pointer at screen y, or -1 when the list has no row height yet.
int ListRowAt(int pointerY, int listTop, int rowHeight, int firstVisibleRow);
// Selects and focuses the row of a record list under the pointer.
void FollowPointerInRecordList(int list);

// ---- Popup --------------------------------------------------------------------------------------------
struct PopupPlacement {
  int y = 0, height = 0;  // the window, screen pixels
  int panelTop = -1, panelHeight = 0;
};
// Where the popup of a row goes: below its row, raised by the upward offset, or, when it would reach into
// the strip above the footers, at the fallback offset, above the icon, or above the row.
PopupPlacement PlaceHelpPopup(const pf::Rect& holder, const pf::Rect& icon, const pf::Rect& row, int lines,
                              int upwardOffset, int fallbackOffset);
// Shows the help of a registered icon at once; false when the icon has no help text.
bool ShowHelpPopup(int icon);

// Read-only text boxes: clicks neither place a caret nor select; they only set ViewerClicked.
bool ReadOnlyEditorProc(pf::Message& message, const pf::CallPrevious& previous);
