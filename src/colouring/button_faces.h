// The message side of the colouring library: answering colour requests from the records, drawing the two
// face pictures of a coloured push button and keeping its face in step with its state.
#pragma once

#include "colouring/colour_records.h"

bool ColourParentWindowProc(int window, int gadget);
void RenderButtonFaces(int gadget, int window, pf::Rgb textColour, pf::Rgb faceColour,
                       pf::Rgb pressedTextColour, pf::Rgb pressedFaceColour, unsigned savedStyle);
bool ColouredButtonProc(pf::Message& message, const pf::CallPrevious& previous);
void DisableVisualStyles(int gadget);
int GetDCTextHeight();
