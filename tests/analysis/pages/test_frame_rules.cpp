// Rules of the module frame that need no window.
#include <gtest/gtest.h>

#include "analysis/pages/analysis_dispatch.h"
#include "analysis/pages/module_frame.h"

TEST(RecordListHeight, LargestRowCountThatFitsLessAThirdOfARow) {
  struct Case {
    int rowHeight;
    double scaleY;
    int expected;
  } cases[] = {
      {20, 1.0, 394},   // 20 rows of 20 fill 400 exactly
      {21, 1.0, 393},   // 19 rows
      {8, 1.0, 398},    // never more than 50 rows: 49.7 x 8 = 397.6
      {20, 1.5, 594},   // the limit scales: 600 px hold 30 rows
      {401, 1.0, 410},  // not even one row fits: the created height stays
      {0, 1.0, 410},    // an unmeasured row must not give an empty list
      {-3, 1.0, 410},
  };
  for (const auto& c : cases)
    EXPECT_EQ(RecordListHeight(c.rowHeight, c.scaleY, 410), c.expected) << c.rowHeight << " @ " << c.scaleY;
}

TEST(FieldColumnName, JoinsPageRowColumnAndSlot) {
  EXPECT_EQ(FieldColumnName(7, 9, 2, 2), "field_7x9x2x2");
  EXPECT_EQ(FieldColumnName(6, 29, 2, 0), "field_6x29x2x0");
  EXPECT_EQ(FieldColumnName(0, 0, 0, 0), "field_0x0x0x0");
}

TEST(LabourGroupNumber, KeepsStoredGroupsInsideTheSelectorsRange) {
  struct Case {
    const char* text;
    int group;
  } cases[] = {{"1", 1},  {"7", 7},  {"10", 10}, {"0", 1},  {"11", 1},
               {"12", 1}, {"-3", 1}, {"", 1},    {"abc", 1}};
  for (const auto& c : cases) EXPECT_EQ(LabourGroupNumber(c.text), c.group) << '"' << c.text << '"';
}
