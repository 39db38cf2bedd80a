// The numbered fonts of the user interface.
#pragma once

#include <span>

struct FontTableEntry {
  int number;
  const char* face;
  int points;
  bool bold, italic, underline;
};

std::span<const FontTableEntry> FontTable();

// Loads one font at its point size times FontScale.
void LoadScaledFont(int number, const char* face, int points, bool bold, bool italic, bool underline);
// Loads the whole table and font 99, the default control font.
void LoadFonts();
