// What a worksheet's gadget array must hold once its module is built, written as the rows' cells: the
// stored record layout. Label cells (column 1, slot 0, static texts) are left to the tests that name them.
#pragma once

#include <initializer_list>
#include <map>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "platform/platform.h"
#include "shell/shell_globals.h"

struct ExpectedCell {
  pf::Kind kind;
  const char* text;  // nullptr: not checked
};
using CellKey = std::tuple<int, int, int, int>;
using CellMap = std::map<CellKey, ExpectedCell>;

inline void Put(CellMap& m, int page, int row, std::initializer_list<std::pair<int, int>> cells,
                pf::Kind kind, const char* text = nullptr) {
  for (auto [column, slot] : cells) m[{page, row, column, slot}] = {kind, text};
}
// Both columns, the given slots: typed-in grid fields.
inline void Grid(CellMap& m, int page, int row, std::initializer_list<int> slots) {
  for (int column = 1; column <= 2; ++column)
    for (int slot : slots) m[{page, row, column, slot}] = {pf::Kind::Field, nullptr};
}

// Every cell of pages 1 to 8 but the row labels.
inline CellMap ActualCells(const BoundedArray<int, 10, 40, 2, 10>& gadgets) {
  CellMap actual;
  for (int page = 1; page <= 8; ++page)
    for (int row = 0; row <= 40; ++row)
      for (int column = 0; column <= 2; ++column)
        for (int slot = 0; slot <= 10; ++slot) {
          const int g = gadgets(page, row, column, slot);
          if (g == 0) continue;
          if (column == 1 && slot == 0 && pf::GadgetKind(g) == pf::Kind::Text) continue;
          actual[{page, row, column, slot}] = {pf::GadgetKind(g), nullptr};
        }
  return actual;
}

// Compares kinds and, where given, the texts of inputs; reports every difference.
inline std::vector<std::string> LayoutDifferences(const BoundedArray<int, 10, 40, 2, 10>& gadgets,
                                                  const CellMap& expected) {
  std::vector<std::string> out;
  const CellMap actual = ActualCells(gadgets);
  auto name = [](const CellKey& k) {
    return "(" + std::to_string(std::get<0>(k)) + "," + std::to_string(std::get<1>(k)) + "," +
           std::to_string(std::get<2>(k)) + "," + std::to_string(std::get<3>(k)) + ")";
  };
  for (const auto& [key, cell] : expected) {
    auto it = actual.find(key);
    if (it == actual.end()) {
      out.push_back("missing " + name(key));
      continue;
    }
    if (it->second.kind != cell.kind) out.push_back("kind of " + name(key));
    const int g = gadgets(std::get<0>(key), std::get<1>(key), std::get<2>(key), std::get<3>(key));
    // Computed texts are rewritten by the recalculation that showing a step runs; the row tests check the
    // text they are created with, so here only inputs are compared by text.
    if (cell.text && cell.kind != pf::Kind::Text && pf::GetGadgetText(g) != cell.text)
      out.push_back("text of " + name(key) + ": \"" + pf::GetGadgetText(g) + "\"");
  }
  for (const auto& [key, cell] : actual)
    if (!expected.count(key)) out.push_back("unexpected " + name(key));
  return out;
}

// Steps 4 to 8 cells that the two modules share (step 8 and step 6 differ and are added per module).
// A change row (kind 49) keeps hidden helper values in (2,1), and in Concurrent Groups also in (1,2).
inline void ChangeRow(CellMap& m, int page, int row, bool cg) {
  Put(m, page, row, {{2, 2}}, pf::Kind::Text, "0");
  Put(m, page, row, {{2, 1}}, pf::Kind::Text);
  if (cg) Put(m, page, row, {{1, 2}}, pf::Kind::Text);
}

inline void SharedLaterSteps(CellMap& m, bool cg) {
  using K = pf::Kind;
  for (int row : {3, 4, 5, 6, 7, 8, 9, 11, 12, 14, 15, 16, 18, 19})
    Put(m, 5, row, {{1, 2}, {2, 2}}, K::Field);
  auto change = [&](int page, int row) { ChangeRow(m, page, row, cg); };
  change(5, 20);
  change(4, 3);
  Put(m, 4, 2, {{1, 2}}, K::Field, "0");  // the productivity percentage
  // Step 7: the year, the industry-code combo, the claims block and the rate-model block.
  Put(m, 2, 4, {{1, 2}}, K::Field);
  Put(m, 2, 3, {{1, 2}}, K::Combo);
  Put(m, 2, 6, {{1, 2}}, K::Text);
  Put(m, 2, 7, {{1, 2}}, K::Text, "Total claims cost");
  Put(m, 2, 8, {{1, 1}, {1, 2}}, K::Text);
  Put(m, 2, 11, {{1, 2}}, K::Combo);
  for (int row : {12, 13, 20, 21, 22}) Put(m, 2, row, {{1, 2}}, K::Field);
  for (int row = 14; row <= 19; ++row) {
    Put(m, 2, row, {{1, 1}}, K::Text);
    Put(m, 2, row, {{1, 2}}, K::Field);
  }
  for (int row : {24, 25, 26, 27}) change(2, row);
}
