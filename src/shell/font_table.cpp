#include "shell/font_table.h"

#include "platform/platform.h"
#include "shell/design_grid.h"
#include "shell/shell_globals.h"

namespace {
constexpr bool B = true, N = false;
constexpr FontTableEntry kFonts[] = {
    {1, "Arial", 24, N, N, N},
    {2, "Arial", 16, N, N, N},
    {3, "Arial", 20, N, N, B},
    {4, "Arial", 14, N, N, N},
    {5, "Arial", 9, B, N, N},
    {6, "Arial", 22, N, N, N},
    {7, "Arial", 16, N, N, B},
    {8, "Arial", 10, N, N, B},
    {9, "gothic", 10, N, N, N},
    {10, "times new roman", 12, B, N, N},
    {11, "times new roman", 12, B, N, B},
    {12, "quicktype", 11, B, N, N},
    {13, "quicktype", 11, B, N, B},
    {14, "Arial", 10, B, N, N},
    {15, "calibri", 12, N, N, N},
    {16, "times new roman", 13, B, N, N},
    {17, "Arial", 12, B, N, N},
    {18, "arial", 10, N, N, N},
    {19, "calibri", 10, B, N, N},
    {20, "calibri", 12, B, N, N},
    {21, "Arial", 11, B, N, N},
    {22, "Arial", 12, B, N, B},
    {23, "Arial", 10, B, N, B},
    {24, "Arial", 11, B, N, B},
    {25, "Arial", 14, B, N, B},
    {26, "Arial", 16, B, N, B},
    {27, "Arial", 16, B, N, N},
    {28, "Arial", 14, B, N, N},
    {29, "Arial", 15, B, N, N},
    {30, "Arial", 36, N, N, N},
    {31, "Arial", 12, N, N, N},
    {32, "Arial", 8, B, N, N},
    {33, "Arial", 28, N, N, N},
    {34, "rockwell", 13, N, N, N},
    {35, "rockwell", 11, N, N, N},
    {36, "rockwell", 28, N, N, N},
    {37, "rockwell", 15, N, N, N},
    {38, "Arial", 15, N, N, N},
    {39, "Arial", 13, B, N, N},
    {40, "Arial", 12, B, B, N},
    {41, "Arial", 14, N, N, B},
    {42, "Arial", 11, B, N, N},
    {43, "Arial", 13, N, N, N},
    {44, "Arial", 12, B, B, N},
    {45, "Arial", 14, B, B, N},
    {46, "Verdana", 12, N, N, N},
    {47, "Arial", 11, N, N, N},
    {50, "Arial", 75, N, N, N},
    {51, "Arial", 75, N, N, B},
    {52, "Arial", 75, B, N, N},
    {53, "Arial", 9, N, N, N},
    {54, "Arial", 8, N, N, N},
    {55, "Arial", 7, N, N, N},
    {56, "Arial", 10, B, B, N},
    {57, "Arial Narrow", 9, N, N, N},
    {58, "Arial", 7, B, N, N},
};
}  // namespace

std::span<const FontTableEntry> FontTable() { return kFonts; }

void LoadScaledFont(int number, const char* face, int points, bool bold, bool italic, bool underline) {
  pf::LoadFont(number, face, ScaledFontPoints(points, FontScale), pf::FontStyle{bold, italic, underline});
}

void LoadFonts() {
  for (const auto& f : kFonts) LoadScaledFont(f.number, f.face, f.points, f.bold, f.italic, f.underline);
  pf::LoadFont(99, "MS Shell Dlg", DefaultFontPoints(FontScale));
}
