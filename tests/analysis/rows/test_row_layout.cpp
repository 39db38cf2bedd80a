// Every kind of every module built one after another, as a page builder stacks them: each returns the
// bottom of its own panel. With ROWS_SCREENSHOT_DIR set, the stacks are saved as pictures for a look.
#include <cstdlib>
#include <vector>

#include "platform/gadget_state.h"
#include "row_harness.h"

namespace {

const std::vector<std::vector<int>> kStacks[3] = {{{20, 1, 3, 6, 7, 10, 43},
                                                   {88, 182, 183, 17, 80, 46, 47},
                                                   {48, 49, 50, 51, 36, 81, 85, 86},
                                                   {89, 90, 99, 100, 156, 157, 155},
                                                   {91},
                                                   {44, 171, 172, 173},
                                                   {160, 161, 162, 163, 164, 168, 165, 169},
                                                   {166, 167, 184, 185}},
                                                  {{20, 1, 3, 6, 7, 10, 43},
                                                   {201, 182, 183, 17, 802, 80, 801},
                                                   {46, 47, 48, 49, 51, 35, 36, 81, 85, 86},
                                                   {89, 90, 99, 100, 156, 157, 155},
                                                   {91},
                                                   {44, 171, 172, 173},
                                                   {160, 161, 162, 163, 164, 184, 165, 185},
                                                   {166, 167, 186, 168, 169}},
                                                  {{20, 1, 6, 7, 10, 43, 2},
                                                   {182, 17, 80, 46, 48, 49},
                                                   {91, 36, 81, 85, 86},
                                                   {187, 188, 99, 100, 156, 157, 155},
                                                   {158},
                                                   {44, 171, 172, 173},
                                                   {160, 161, 162, 163, 184, 165, 185},
                                                   {166, 167, 186, 168, 169}}};

class RowLayout : public RowHarness, public ::testing::WithParamInterface<Module> {};

}  // namespace

TEST_P(RowLayout, StackedRowsEndAtTheirPanelsBottom) {
  const Module m = GetParam();
  const char* dir = std::getenv("ROWS_SCREENSHOT_DIR");
  int shot = 0;
  for (const std::vector<int>& stack : kStacks[int(m)]) {
    OpenArea(m, 700);
    std::vector<int> panels;
    int y = 0;
    for (int kind : stack) {
      SCOPED_TRACE(kind);
      const int row = kind == 43 ? 1 : kind == 91 || kind == 158 ? 9 : 5;
      const int page = kind == 43 ? 8 : kind == 1 ? 7 : 6;
      const int before = LastHelpIcon;
      const int bottom = Add(m, kind, page, row, "Label of kind " + std::to_string(kind), -1, y == 0 ? 0 : -1,
                             -1, "$", kind == 1 ? "hours" : "", kind == 1 || kind == 91 ? 1 : -1);
      if (kind != 99 && kind != 100) {
        ASSERT_NE(LastHelpIcon, before);
        const int panel = pf::GadgetParent(LastHelpIcon);
        EXPECT_EQ(bottom, pf::GadgetY(panel) + pf::GadgetHeight(panel));
        // A row that closes more lists than it opens puts the rows after it outside the row area.
        EXPECT_EQ(pf::GadgetParent(panel), area);
        panels.push_back(panel);
      }
      EXPECT_GT(bottom, y);
      y = bottom;
    }
    Show();
    for (int panel : panels) {
      EXPECT_TRUE(pf::IsGadgetVisible(panel)) << panel;
      EXPECT_GT(pf::GadgetWidth(panel), 0);
      EXPECT_GT(pf::GadgetHeight(panel), 0);
    }
    if (dir)
      pf::test::SaveScreenshot(std::string(dir) + "/rows_" + std::to_string(int(m)) + "_" +
                               std::to_string(shot++) + ".png");
  }
}

INSTANTIATE_TEST_SUITE_P(Modules, RowLayout, ::testing::Values(Module::BA, Module::CG, Module::PI));

// In the incident grid a unit mark stands over one end of its field's box: the field must end where a
// right-hand mark ("hrs", "%") starts and begin after a left-hand "$", so a right-aligned number is never
// drawn under the mark.
TEST_P(RowLayout, GridNumbersStayClearOfTheirUnitMarks) {
  const Module m = GetParam();
  OpenArea(m, 700);
  // Hours, money and percent boxes; the kind numbers differ in the first analysis.
  const std::vector<int> kinds =
      m == Module::BA ? std::vector<int>{162, 163, 164, 169, 184} : std::vector<int>{162, 163, 184, 185, 186};
  int row = 20, y = 0;
  for (int kind : kinds) y = Add(m, kind, 6, row++, "Label", -1, y == 0 ? 0 : -1);
  Show();
  int checked = 0;
  for (int r = 20; r < row; ++r)
    for (int slot = 1; slot <= 5; ++slot) {
      const int field = At(m, 6, r, 1, slot);
      if (field == 0) continue;
      const int box = pf::GadgetParent(field);
      ASSERT_NE(pf::GadgetParent(box), area) << "a unit box holds the field";
      for (int mark : pf::GadgetChildren(box)) {
        if (pf::GadgetKind(mark) != pf::Kind::Text) continue;
        SCOPED_TRACE(pf::GetGadgetText(mark) + " row " + std::to_string(r));
        const int fieldEnd = pf::GadgetX(field) + pf::GadgetWidth(field);
        if (pf::GadgetX(mark) > pf::GadgetX(field))
          EXPECT_LE(fieldEnd, pf::GadgetX(mark));
        else
          EXPECT_GE(pf::GadgetX(field), pf::GadgetX(mark) + pf::GadgetWidth(mark));
        ++checked;
      }
    }
  EXPECT_GT(checked, 10);
}
