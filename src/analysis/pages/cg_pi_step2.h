// Step 2 of the Concurrent Groups and Potential Intervention worksheets: a caption strip, a bordered
// area with the period and the occupational-group selector, a strip naming the two columns and, below
// it, a borderless scroll area with the figures of the group shown.
#pragma once

#include <span>

#include "analysis/pages/module_frame.h"

struct GroupStep2Layout {
  const char* caption;                // the strip below the header
  FrameCaption columns[2];            // the strip above the group area
  int areaWidthLess, innerWidthLess;  // pixels less than the page width
  std::span<const AnalysisRow> period, group;
  std::span<const int> copiedRows;  // column-2 entries that Tab passes by (the column-1 text is copied in)
};

void BuildGroupStep2(const ModuleDescription& m, int page, const GroupStep2Layout& layout);

// Small layout helpers shared by the two modules' step contents.
// A static text with colours, font (-1: the default) and flags, in pixels.
int PageText(int x, int y, int w, int h, const char* text, Rgb back, Rgb front, int font, unsigned flags);
// A pixel value plus design units along y, rounded as a whole.
int AddY(int pixels, double units);
// The page container a step content is building in, and its size.
int StepPageWidth(const ModuleDescription& m, int page);
int StepPageHeight(const ModuleDescription& m, int page);
