#include "store/worksheet_fixture.h"

namespace {

using LoadTest = WorksheetTest;

// A Before & After worksheet with one control of each stored type.
void MakeBA() {
  auto& X = BAGadget;
  X(0, 0, 0, 0) = pf::TextGadget(-1, 0, 0, 0, 0, "");
  X(8, 1, 1, 2) = pf::FieldGadget(-1, 0, 0, 80, 20, "");
  X(8, 1, 2, 1) = pf::TextGadget(-1, 0, 0, 80, 20, "* Successfully loaded *");
  pf::HideGadget(X(8, 1, 2, 1), true);
  X(8, 2, 1, 2) = pf::FieldGadget(-1, 0, 0, 80, 20, "");
  X(8, 3, 1, 2) = pf::EditorGadget(-1, 0, 0, 80, 20);
  X(7, 2, 1, 2) = pf::DateGadget(-1, 0, 0, 80, 20, "%mm/%dd/%yyyy");
  X(7, 4, 1, 2) = pf::FieldGadget(-1, 0, 0, 0, 0, "1");
  X(7, 5, 1, 2) = pf::FieldGadget(-1, 0, 0, 80, 20, "");
  pf::SetGadgetColour(X(7, 5, 1, 2), BackColourType, NumberFieldColour);
  X(5, 3, 1, 1) = pf::TextGadget(-1, 0, 0, 80, 20, "");  // a computed text beside a row
  X(6, 6, 1, 2) = pf::ListBoxGadget(-1, 0, 0, 80, 60, pf::flags::kMultiSelect);
  for (const char* d : {"ALL DEPARTMENTS", "Shipping", "Paint shop"}) pf::AddGadgetItem(X(6, 6, 1, 2), -1, d);
  SetGadgetProperty(X(6, 6, 1, 2), "savetype", 1);
  X(6, 9, 1, 2) = pf::ListBoxGadget(-1, 0, 0, 80, 60, pf::flags::kMultiSelect);
  for (int code : {100, 3, 5, 7}) pf::AddGadgetItem(X(6, 9, 1, 2), -1, "code", code);
  X(2, 3, 1, 2) = pf::ComboGadget(-1, 0, 0, 80, 20);
  X(4, 4, 1, 2) = pf::ComboGadget(-1, 0, 0, 80, 20);
  for (int code : {0, 1, 99}) pf::AddGadgetItem(X(4, 4, 1, 2), -1, "c", code);
  BADatabaseMark = pf::TextGadget(-1, 0, 0, 10, 10, "X");
  BAAnalysisList = pf::ListViewGadget(-1, 0, 0, 300, 100, "Number", 40);
  for (int c = 1; c <= 2; ++c) pf::AddListViewColumn(BAAnalysisList, c, "", 80);
}

void FillBA() {
  auto& X = BAGadget;
  pf::SetGadgetText(X(8, 2, 1, 2), std::string("Lift 'Study'; ") + std::string(40, 'n'));
  pf::SetGadgetText(X(8, 3, 1, 2), "Two lines\nand more");
  pf::SetGadgetDate(X(7, 2, 1, 2), {2012, 2, 5});
  pf::SetGadgetText(X(7, 4, 1, 2), "3");
  pf::SetGadgetText(X(7, 5, 1, 2), "12");
  pf::SetGadgetText(X(5, 3, 1, 1), "$1,200.00");
  pf::SetGadgetItemSelected(X(6, 6, 1, 2), 2, true);
  pf::SetGadgetItemSelected(X(6, 9, 1, 2), 1, true);
  pf::SetGadgetItemSelected(X(6, 9, 1, 2), 3, true);
  pf::SetGadgetState(X(4, 4, 1, 2), 1);
  BALabour(3, 0, 0) = "Welders\r(night)";
  BALabour(3, 0, 1) = "4";
  BALabour(3, 1, 1) = "5";
  BALabour(10, 1, 10) = "last";
  IndustryCodeEntry a, b;
  a.s[0] = "1234";
  a.s[5] = "x";
  b.s[0] = "5678";
  BAIndustryCodes = {a, b};
  pf::AddGadgetItem(X(2, 3, 1, 2), -1, "1234", 0);
  pf::AddGadgetItem(X(2, 3, 1, 2), -1, "5678", 1);
  pf::SetGadgetState(X(2, 3, 1, 2), 1);
  BALongSummary = "kept";
  ModifiedFlags(KindBA) = 1;
}

TEST_F(LoadTest, AnalysisSavedThenLoadedIntoAFreshWorksheetIsEqual) {
  MakeBA();
  FillBA();
  pf::test::DrainEvents();  // the filling above stands for the user's typing
  ASSERT_TRUE(SaveBAAnalysis(1));
  const std::string where = "uid=1";
  EXPECT_EQ(Row("field_7x2x1x2", where, "BAAnalyses"), "2012/2/5");
  EXPECT_EQ(Row("field_6x9x1x2", where, "BAAnalyses"), "3\x1b" "7\x1b");
  EXPECT_EQ(Row("field_6x6x1x2", where, "BAAnalyses"), "Paint shop\x1b");
  EXPECT_EQ(Row("field_5x3x1x1", where, "BAAnalyses"), "$1,200.00");
  EXPECT_EQ(Row("longorshort", where, "BAAnalyses"), "0");
  EXPECT_EQ(Row("shortinci||'|'||longinci", where, "BAAnalyses"), "|");
  const std::string labour = Row("labourgroupfield", where, "BAAnalyses");
  EXPECT_EQ(std::count(labour.begin(), labour.end(), '\r'), 11);
  EXPECT_EQ(std::count(labour.begin(), labour.end(), '\x1b'), 11 * 21);
  EXPECT_NE(labour.find("Welders (night)\x1b"), std::string::npos);  // separators never inside a value

  // A fresh worksheet, as the new-record procedure leaves it, then the load.
  NewBAAnalysis();
  EXPECT_EQ(pf::GetGadgetText(BAGadget(8, 1, 1, 2)), "NEW ANALYSIS");
  EXPECT_EQ(pf::GetGadgetText(BAGadget(7, 5, 1, 2)), "0");
  EXPECT_EQ(pf::GetGadgetText(BAGadget(8, 2, 1, 2)), "");
  EXPECT_EQ(BALabour(3, 0, 1), "");
  EXPECT_TRUE(BAIndustryCodes.empty());
  EXPECT_EQ(pf::CountGadgetItems(BAGadget(2, 3, 1, 2)), 0);
  EXPECT_EQ(pf::GetGadgetState(BAAnalysisList), -1);
  EXPECT_FALSE(LoadBAAnalysis(-1));  // a click beside the rows loads nothing
  pf::SetGadgetState(BAAnalysisList, 0);
  ASSERT_TRUE(LoadBAAnalysis(-1));
  auto& X = BAGadget;
  EXPECT_EQ(pf::GetGadgetText(X(0, 0, 0, 0)), "1");
  EXPECT_EQ(pf::GetGadgetText(X(8, 1, 1, 2)), "1");
  EXPECT_EQ(pf::GetGadgetText(X(8, 2, 1, 2)), std::string("Lift 'Study'; ") + std::string(40, 'n'));
  EXPECT_EQ(pf::GetGadgetText(X(8, 3, 1, 2)), "Two lines\nand more");
  EXPECT_EQ(pf::GetGadgetDate(X(7, 2, 1, 2)), (pf::Date{2012, 2, 5}));
  EXPECT_EQ(pf::GetDateMask(X(7, 2, 1, 2)), "February %dd, %yyyy");
  EXPECT_EQ(pf::GetGadgetData(X(7, 4, 1, 2)), 3);
  EXPECT_EQ(pf::GetGadgetText(X(5, 3, 1, 1)), "$1,200.00");
  EXPECT_TRUE(pf::IsGadgetItemSelected(X(6, 6, 1, 2), 2));
  EXPECT_FALSE(pf::IsGadgetItemSelected(X(6, 6, 1, 2), 0));
  EXPECT_TRUE(pf::IsGadgetItemSelected(X(6, 9, 1, 2), 1) && pf::IsGadgetItemSelected(X(6, 9, 1, 2), 3));
  EXPECT_FALSE(pf::IsGadgetItemSelected(X(6, 9, 1, 2), 0));
  EXPECT_EQ(pf::GetGadgetState(X(4, 4, 1, 2)), 1);
  EXPECT_EQ(BALabour(3, 0, 0), "Welders (night)");
  EXPECT_EQ(BALabour(3, 1, 1), "5");
  EXPECT_EQ(BALabour(10, 1, 10), "last");
  ASSERT_EQ(BAIndustryCodes.size(), 2u);
  EXPECT_EQ(BAIndustryCodes[0].s[5], "x");
  EXPECT_EQ(BAIndustryCodes[1].s[23], "");
  EXPECT_EQ(pf::CountGadgetItems(X(2, 3, 1, 2)), 2);
  EXPECT_EQ(pf::GetGadgetState(X(2, 3, 1, 2)), 1);
  EXPECT_EQ(BALongSummary, "kept");
  EXPECT_FALSE(pf::IsGadgetHidden(X(8, 1, 2, 1)));
  EXPECT_EQ(ModifiedFlags(KindBA), 0);
  // Loaded from the number field with no new record before it: the combo still lists the record alone.
  ASSERT_TRUE(LoadBAAnalysis(1));
  EXPECT_EQ(pf::CountGadgetItems(X(2, 3, 1, 2)), 2);
  // The fill raised change events; none of them counts as an edit of the worksheet on screen.
  CurrentTopTab = 1, CurrentSecondTab = 3, CurrentThirdTab = 8;
  Pump();
  EXPECT_EQ(ModifiedFlags(KindBA), 0);
  // The list shows the first 30 characters of the name and 55 of the description.
  ASSERT_EQ(pf::CountGadgetItems(BAAnalysisList), 1);
  EXPECT_EQ(pf::GetGadgetItemText(BAAnalysisList, 0, 1), (std::string("Lift 'Study'; ") + std::string(40, 'n')).substr(0, 30));
}

// Rows written by something else, or damaged, load without harm: only positions inside the array reach
// a control, and odd texts are read as far as they make sense.
TEST_F(LoadTest, MalformedRowsLoadWithoutHarm) {
  MakeBA();
  sql::Database other;
  ASSERT_TRUE(other.Open(kRecordFileName, false));
  ASSERT_TRUE(other.Execute(
      "alter table BAAnalyses add column surplus text; alter table BAAnalyses add column field_99x99x99x99 text;"
      "alter table BAAnalyses add column field_8xtwox1x2 text; alter table BAAnalyses add column \"field_-1x2x1x2\" text;"
      "alter table BAAnalyses add column field_8x2x1x2 text; alter table BAAnalyses add column field_8x3x1x2 text;"
      "alter table BAAnalyses add column field_7x2x1x2 text; alter table BAAnalyses add column labourgroupfield text;"
      "alter table BAAnalyses add column industrycodesfield text; alter table BAAnalyses add column field_4x4x1x2 text;"
      "alter table BAAnalyses add column field_7x4x1x2 text; alter table BAAnalyses add column longorshort text;"));
  sql::Statement row(other,
                     "insert into BAAnalyses (uid, surplus, field_99x99x99x99, field_8xtwox1x2, \"field_-1x2x1x2\","
                     " field_8x2x1x2, field_8x3x1x2, field_7x2x1x2, labourgroupfield, industrycodesfield,"
                     " field_4x4x1x2, field_7x4x1x2, longorshort) values (5, 'x', 'x', 'x', 'x', ?1, NULL, 'no date',"
                     " ?2, ?3, '42', '77', 'junk')");
  std::string labour;
  for (int i = 0; i < 40; ++i) labour += std::string(30, 'f') + '\x1b';
  labour += "\r\r\r\r\r\r\r\r\r\r\r\r\r\rafter";
  std::string codes;
  for (int i = 0; i < 40; ++i) codes += "p\x1b";
  codes += "\r";
  ASSERT_TRUE(row.Bind(1, std::string(1 << 20, 'm')).Bind(2, labour).Bind(3, codes).Run());
  other.Close();
  pf::SetGadgetDate(BAGadget(7, 2, 1, 2), {2010, 7, 5});
  ASSERT_TRUE(LoadBAAnalysis(5));
  // The field keeps what it can hold of a megabyte; nothing else is disturbed.
  EXPECT_EQ(pf::GetGadgetText(BAGadget(8, 2, 1, 2)).substr(0, 3), "mmm");
  EXPECT_EQ(pf::GetGadgetText(BAGadget(8, 3, 1, 2)), "");
  EXPECT_EQ(pf::GetGadgetDate(BAGadget(7, 2, 1, 2)), (pf::Date{2010, 7, 5}));
  EXPECT_EQ(pf::GetGadgetState(BAGadget(4, 4, 1, 2)), 2);  // an unknown code falls back to "other"
  EXPECT_EQ(pf::GetGadgetData(BAGadget(7, 4, 1, 2)), 0);  // group 77 does not exist
  EXPECT_EQ(BALabour(0, 1, 10), std::string(30, 'f'));
  ASSERT_EQ(BAIndustryCodes.size(), 1u);
  EXPECT_EQ(BAIndustryCodes[0].s[24], "p");
  EXPECT_EQ(pf::GetGadgetText(BAGadget(0, 0, 0, 0)), "5");
}

}  // namespace
