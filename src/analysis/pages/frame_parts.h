// Pieces of the module frame shared by its own files (not for the step contents).
#pragma once

#include <string>

#include "analysis/pages/module_frame.h"

// A static text with its colours and font; flags as pf::TextGadget takes them. Pixels.
int FrameText(int x, int y, int w, int h, const std::string& text, Rgb back, Rgb front, int font,
              unsigned flags = 0);
// A value scaled by ScaleMin, rounded half to even.
int DM(double design);
// A pixel value plus a design y, rounded as a whole.
int SumY(int pixels, double designY);
// A help icon picture of 30 x 25 pixels.
int HelpIcon(int x, int y, int picture);
// The text as shown upper-cased ("&&" stays a doubled ampersand).
std::string UpperCased(std::string text);

void BuildStartPage(const ModuleDescription& m);
void BuildFooter(const ModuleDescription& m);
