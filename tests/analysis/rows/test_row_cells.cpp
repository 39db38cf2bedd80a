// The cells each row kind records: the stored record layout. For every kind of every module, the set of
// cells written, with the control type, its first text and whether it shows.
#include <map>
#include <set>
#include <tuple>
#include <vector>

#include "row_harness.h"
#include "shell/gadget_helpers.h"

namespace {

using pf::Kind;
enum Look { kShown, kZero, kHidden };  // kZero: 0 x 0, not hidden; kHidden: hidden (and disabled for inputs)

struct Cell {
  int dRow, column, slot;
  Kind kind;
  const char* text;
  Look look = kShown;
};

struct KindCase {
  int kind, page, row;
  std::vector<Cell> cells;
};

constexpr Kind T = Kind::Text, F = Kind::Field, E = Kind::Editor, D = Kind::Date, L = Kind::ListBox,
               C = Kind::Combo, B = Kind::PictureButton;
const Cell kLabel{0, 1, 0, T, "Label"};

std::vector<Cell> Pair(Kind k, const char* text) { return {kLabel, {0, 1, 2, k, text}, {0, 2, 2, k, text}}; }
std::vector<Cell> Slots(std::vector<int> slots, bool label = true, bool pi = false) {
  std::vector<Cell> cells;
  if (label) cells.push_back(kLabel);
  for (int column = 1; column <= 2; ++column)
    for (int s : slots) cells.push_back({0, column, s, F, ""});
  if (pi) cells.push_back({0, 2, 6, F, ""});
  return cells;
}
std::vector<Cell> RateBlock() {
  std::vector<Cell> cells = {{2, 1, 0, T, "Enter your 2009 basic change limit for this industry code:"},
                             {2, 1, 2, C, ""},
                             {20, 1, 0, T, nullptr}};
  for (int r : {3, 4, 5, 11, 12, 13}) cells.push_back({r, 1, 0, T, nullptr});
  for (int r = 3; r <= 13; ++r) cells.push_back({r, 1, 2, F, ""});
  for (int r = 5; r <= 10; ++r) cells.push_back({r, 1, 1, T, ""});
  return cells;
}

std::vector<KindCase> Common(Module m) {
  const bool ba = m == Module::BA, pi = m == Module::PI;
  std::vector<KindCase> cases = {
      {1, 7, 5, Pair(F, "")},
      {6, 7, 15, Pair(T, "0")},
      {7,
       7,
       4,
       {kLabel, {0, 1, 3, T, "1"}, {0, 1, 2, F, "1", kZero}, {0, 2, 1, T, "Label"}, {0, 2, 2, F, ""}}},
      {10, 8, 3, {kLabel, {0, 1, 2, E, ""}}},
      {20, 8, 8, {kLabel}},
      {36, 1, 5, Pair(T, "0")},
      {43, 8, 1, {kLabel, {0, 1, 2, F, ""}, {0, 2, 1, T, "* Successfully loaded *", kHidden}}},
      {43, 8, 2, {kLabel, {0, 1, 2, F, ""}}},
      {46,
       6,
       8,
       {{0, 1, 2, B, ""},
        {0, 1, 1, T,
         ba ? "* Incidents successfully retrieved (see below) *" : "* Incidents successfully retrieved *"}}},
      {48, 5, 5, {kLabel, {0, 1, 2, F, ""}, {0, 2, 2, F, ""}}},
      {81, 1, 20,
       ba ? std::vector<Cell>{kLabel, {0, 2, 2, T, "0"}, {0, 1, 2, T, "", kZero}}
          : std::vector<Cell>{kLabel, {0, 2, 2, T, "0"}}},
      {85, 1, 30, {}},
      {86, 1, 31, {kLabel, {0, 1, 2, T, "0 "}, {0, 2, 1, T, "0 "}, {0, 2, 2, T, "0 "}}},
      {99, 1, 32, {}},
      {100, 1, 33, {}},
      {155, 2, 8, {{0, 1, 1, T, ""}, {0, 1, 2, T, ""}}},
      {157, 2, 7, {{0, 1, 0, T, "Total claims cost"}, {0, 1, 2, T, "Total claims cost"}}},
      {160, 6, 20, {}},
      {161, 6, 20, Slots({1, 2, 3, 4, 5}, true, pi)},
      {162, 6, 21, Slots({1, 3}, true, pi)},
      {163, 6, 22, Slots({1, 2, 3}, true, pi)},
      {165, 6, 27, Slots({0, 1, 2}, false, pi)},
      {166, 6, 34, Slots({2, 4, 5}, false, pi)},
      {167, 6, 35, Slots({1, 3}, true, pi)},
      {80, 6, 6,
       pi ? std::vector<Cell>{kLabel, {0, 1, 2, L, ""}, {0, 2, 2, F, "", kHidden}}
          : std::vector<Cell>{kLabel, {0, 1, 2, L, ""}, {0, 2, 2, L, ""}}},
  };
  const std::vector<Cell> one = {kLabel, {0, 1, 2, L, ""}};
  const std::vector<Cell> two = {kLabel, {0, 1, 2, L, ""}, {0, 2, 2, L, ""}};
  const std::vector<Cell> stub = {kLabel, {0, 1, 2, L, ""}, {0, 2, 2, F, "", kHidden}};
  for (int kind : {17, 44, 171, 172, 173})
    cases.push_back({kind, 6, kind % 40, ba ? two : (kind == 17 || kind == 44) ? stub : one});
  cases.push_back({182, 6, 2, ba ? Pair(T, "") : std::vector<Cell>{kLabel, {0, 1, 2, T, ""}}});
  cases.push_back(
      {49, 3, 5,
       pi ? std::vector<Cell>{kLabel, {0, 2, 2, T, "0"}, {0, 2, 1, T, "", kZero}}
          : std::vector<Cell>{
                kLabel, {0, 2, 2, T, ba ? "0.00" : "0"}, {0, 1, 2, T, "", kZero}, {0, 2, 1, T, "", kZero}}});
  cases.push_back({156, 2, 6, {{0, 1, 0, T, nullptr}, {0, 1, 2, T, nullptr}}});
  return cases;
}

std::vector<KindCase> Cases(Module m) {
  std::vector<KindCase> cases = Common(m);
  const auto add = [&](std::vector<KindCase> more) { cases.insert(cases.end(), more.begin(), more.end()); };
  const std::vector<Cell> year = {kLabel, {0, 1, 2, F, ""}}, combo = {kLabel, {0, 1, 2, C, ""}};
  // Today (5 July 2010) in the month-name look at once; the hidden picker keeps the short date.
  const std::vector<Cell> dates1 = {
      kLabel, {0, 1, 2, D, "July 05, 2010"}, {0, 2, 2, D, "07/05/2010", kHidden}};
  const std::vector<Cell> total = Pair(T, "0");
  switch (m) {
    case Module::BA:
      add({{3, 7, 6, Pair(F, "")},
           {47, 6, 11, total},
           {50, 3, 3, Pair(F, "")},
           {51, 3, 2, Pair(F, "")},
           {88, 7, 2, Pair(D, "07/05/2010")},
           {89, 2, 4, year},
           {90, 2, 3, combo},
           {91, 2, 9, RateBlock()},
           {164, 6, 23, Slots({1, 3})},
           {168, 6, 24, Slots({1, 3})},
           {169, 6, 33, Slots({1, 2, 3})},
           {183, 6, 18, Pair(T, "")},
           {184, 6, 39, Slots({1, 2, 3})},
           {185, 6, 37, total}});
      break;
    case Module::CG:
      add({{3, 7, 6, Pair(F, "")},
           {35, 1, 24, total},
           {47, 6, 11, total},
           {51, 3, 2, Pair(F, "")},
           {89, 2, 4, year},
           {90, 2, 3, combo},
           {91, 2, 9, RateBlock()},
           {164, 6, 23, Slots({1, 3})},
           {168, 6, 36, total},
           {169, 6, 37, total},
           {183, 6, 18, {kLabel, {0, 1, 2, T, ""}}},
           {184, 6, 24, Slots({1, 3})},
           {185, 6, 33, Slots({1, 2, 3})},
           {186, 6, 39, Slots({1, 2, 3})},
           {201, 7, 2, dates1},
           {801, 6, 7, {kLabel, {0, 1, 2, L, ""}}},
           {802, 6, 9, {}}});
      break;
    case Module::PI:
      add({{2, 7, 2, dates1},
           {91, 3, 2, {kLabel, {0, 1, 2, F, ""}}},
           {158, 2, 9, RateBlock()},
           {168, 6, 36, total},
           {169, 6, 37, total},
           {184, 6, 23, Slots({1, 3}, true, true)},
           {185, 6, 33, Slots({1, 2, 3}, true, true)},
           {186, 6, 39, Slots({1, 2, 3}, true, true)},
           {187, 2, 4, year},
           {188, 2, 3, combo}});
      break;
  }
  return cases;
}

class RowCells : public RowHarness, public ::testing::WithParamInterface<Module> {};

}  // namespace

TEST_P(RowCells, EveryKindRecordsItsCellsWithTheirTypesTextsAndLooks) {
  const Module m = GetParam();
  const std::vector<KindCase> cases = Cases(m);
  const std::map<Module, std::size_t> kinds = {{Module::BA, 46}, {Module::CG, 49}, {Module::PI, 42}};
  std::set<int> distinct;
  for (const KindCase& c : cases) distinct.insert(c.kind);
  EXPECT_EQ(distinct.size(), kinds.at(m));

  for (const KindCase& c : cases) {
    SCOPED_TRACE("kind " + std::to_string(c.kind));
    // Clear the page so that each kind's cells are its own.
    for (int row = 0; row <= 40; ++row)
      for (int column = 0; column <= 2; ++column)
        for (int slot = 0; slot <= 10; ++slot) ModuleCells(m)(c.page, row, column, slot) = 0;
    Add(m, c.kind, c.page, c.row, "Label", -1, 0, -1, "", "", -1);
    std::set<std::tuple<int, int, int>> expected;
    for (const Cell& e : c.cells) {
      const int row = c.row + e.dRow;
      expected.insert({row, e.column, e.slot});
      const int g = At(m, c.page, row, e.column, e.slot);
      SCOPED_TRACE("cell " + std::to_string(row) + "," + std::to_string(e.column) + "," +
                   std::to_string(e.slot));
      ASSERT_NE(g, 0);
      EXPECT_EQ(pf::GadgetKind(g), e.kind);
      if (e.text) {
        EXPECT_EQ(pf::GetGadgetText(g), e.text);
      }
      const bool zero = pf::GadgetWidth(g) == 0 && pf::GadgetHeight(g) == 0;
      EXPECT_EQ(pf::IsGadgetHidden(g), e.look == kHidden);
      if (e.look != kHidden) {
        EXPECT_EQ(zero, e.look == kZero);
      }
      if (e.look == kHidden && e.kind != T) {
        EXPECT_TRUE(pf::IsGadgetDisabled(g));
      }
    }
    for (int row = 0; row <= 40; ++row)
      for (int column = 0; column <= 2; ++column)
        for (int slot = 0; slot <= 10; ++slot)
          if (At(m, c.page, row, column, slot) && !expected.count({row, column, slot}))
            ADD_FAILURE() << "unexpected cell " << row << "," << column << "," << slot;
  }
}

// The one-picker period rows mark their picker with the month-name look; the paired pickers, the hidden
// second picker and the read-only copies carry no such mark.
TEST_F(RowHarness, PeriodPickersOfTheSinglePeriodCarryTheirDateStyle) {
  struct Case {
    Module m;
    int kind;
    int column;
    std::int64_t style;
  };
  const Case cases[] = {{Module::CG, 201, 1, 1}, {Module::PI, 2, 1, 1},  {Module::CG, 201, 2, 0},
                        {Module::PI, 2, 2, 0},   {Module::BA, 88, 1, 0}, {Module::BA, 88, 2, 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE("kind " + std::to_string(c.kind) + ", column " + std::to_string(c.column));
    OpenArea(c.m);
    Add(c.m, c.kind, 7, 2);
    const int picker = At(c.m, 7, 2, c.column, 2);
    ASSERT_EQ(pf::GadgetKind(picker), pf::Kind::Date);
    EXPECT_EQ(GetGadgetProperty(picker, "datestyle"), c.style);
  }
}

INSTANTIATE_TEST_SUITE_P(Modules, RowCells, ::testing::Values(Module::BA, Module::CG, Module::PI));
