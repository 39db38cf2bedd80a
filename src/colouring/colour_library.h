// The control-colouring library: coloured faces and captions for push buttons, and text and back colours
// for option buttons that show even while a visual style draws the controls.
#pragma once

#include <string>

#include "colouring/colour_records.h"

// Start and end of the library's life: once at program start, before any window, and once after the main
// window has closed.
void InitColourLibrary();
void DetectVisualTheme();
void EndColourLibrary();
void ReleaseColourLibrary();

// The two entry points the program uses. Both return the record's mode bits (0 for no such control).
unsigned SetButtonColours(int gadget, pf::Rgb textColour, pf::Rgb faceColour);
unsigned SetControlColours(int gadget, pf::Rgb textColour, pf::Rgb backColour);

unsigned ApplyGadgetColours(int gadget, pf::Rgb textColour, pf::Rgb colour, int extra, unsigned mode);
void SubclassParentWindow(int window, ParentColourProc procedure);
void SubclassGadget(int gadget, const pf::Handler& procedure, bool useParent);

int ClassifyControlClass(const std::string& className);
std::string GetWindowClassText(int gadget);
pf::Rgb ResolveColour(pf::Rgb colour, int what, const std::string& className);
