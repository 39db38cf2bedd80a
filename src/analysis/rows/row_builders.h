// The row builders of the three analysis worksheets. A page builder calls one once per row while a row
// area's gadget list is open; the builder creates the row's controls there, records the ones the rest of
// the program addresses in the module's gadget array (BAGadget, CGGadget, PIGadget: also the stored
// record layout), leaves a hidden help icon in LastHelpIcon and returns the y below the row.
#pragma once

#include <cstdint>
#include <string>

// backColour: a 24-bit colour, or -1 for the next colour of the alternation. y: -1 keeps the running y.
// dy: pixels added to the running y for the row's top. required: 1 switches on the kind's optional
// feature; the gap row (kind 100) reads it as its height (-1: 54 design units).
int AddBARow(int kind, int page, int row, const std::string& label, std::int64_t backColour, int y, int dy,
             const std::string& prefix, const std::string& suffix, int required);
int AddCGRow(int kind, int page, int row, const std::string& label, std::int64_t backColour, int y, int dy,
             const std::string& prefix, const std::string& suffix, int required);
int AddPIRow(int kind, int page, int row, const std::string& label, std::int64_t backColour, int y, int dy,
             const std::string& prefix, const std::string& suffix, int required);
