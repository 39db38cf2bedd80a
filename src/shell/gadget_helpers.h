// Small helpers that the page and row builders, the record store and the event loop use on controls:
// coded list items, colours, geometry, a plain message, and named integer properties of controls.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "shell/shell_globals.h"

// Adds an item at `position` (-1 appends) whose item data is `code`.
void AddGadgetItemWithData(int gadget, int position, const std::string& text, int code);
// Appends one item per entry, in list order, each with its code as item data.
void FillGadgetFromList(int gadget, const std::vector<CategoryEntry>& list);
// Selects the first item whose item data is `code`; with no such item the selection stays as it is.
void SelectItemByData(int gadget, int code);
// Unless `font` is -1, gives the control that font; then its back and text colours.
void SetGadgetColours(int gadget, Rgb back, Rgb text, int font);
// The y just below the control, in its parent's coordinates.
int GadgetBottom(int gadget);
// The width of a one-line text in a numbered font, in pixels, as it is drawn and shown.
int TextWidthIn(int font, const std::string& text);
// The height a text control in a numbered font needs to show a text word-broken at a width (line breaks
// kept), in pixels.
int TextHeightIn(int font, int width, const std::string& text);
// The y just below the lowest shown control on a scroll area's canvas, at any depth (areas inside it
// excepted), in canvas pixels.
int CanvasContentBottom(int area);
// Keeps a scroll area whole inside its containers, and so inside the frame laid out for the work area: its
// bar and the foot of its view in sight, nothing of it under a footer or past the window's edge.
void KeepScrollAreaInside(int area);
// Fits a scroll area's canvas to its rows: as high as its lowest control (shown or not, as one may show
// later) and `margin` pixels, and no wider than its view. The wheel then turns it no further than its last
// row, and never sideways.
void FitCanvasToRows(int area, int margin);
// Both of the above.
void FitScrollArea(int area, int margin);
// A modal box with an empty title, the text and an OK button.
void ShowMessage(const std::string& text);

// Named integer properties of controls; a pair (gadget, name) has at most one value.
void SetGadgetProperty(int gadget, const std::string& name, std::int64_t value);
std::int64_t GetGadgetProperty(int gadget, const std::string& name);  // 0 when never set

// The back colour of an editable combo box that completes typed text from its items.
inline constexpr Rgb kAutoCompleteComboColour = pf::MakeRgb(0, 200, 200);
void AttachComboAutoComplete(int gadget);
// A multi-select criteria list whose item 0 ("ALL TYPES" and its like) excludes the other items.
void AttachExclusiveFirstItem(int gadget);
