// The values of the example analyses, as data.
#pragma once

#include <span>

// Which examples a value belongs to: bit kind (KindBA 2, KindCG 3, KindPI 4).
inline constexpr unsigned kExampleBA = 1u << 2, kExampleCG = 1u << 3, kExamplePI = 1u << 4;
inline constexpr unsigned kExampleAll = kExampleBA | kExampleCG | kExamplePI;

struct ExampleCell {
  unsigned kinds;
  int page, row, column, slot;
  const char* text;
};
std::span<const ExampleCell> ExampleAnalysisCells();

// An occupational group of step 2: its name and fields 1-5 of the first and the second column.
struct ExampleGroup {
  const char* name;
  const char* first[5];
  const char* second[5];
};
std::span<const ExampleGroup> ExampleAnalysisGroups();
