// Turning the selected tab indices into the page on screen.
#pragma once

#include <string>

// Each argument is a tab index, or -1 to keep the current one.
void ShowPage(int top, int second, int third);

// The page key of a position: the three indices joined by ".".
std::string PageKey(int top, int second, int third);

// The step caption of a worksheet footer.
std::string StepCaption(int step);
