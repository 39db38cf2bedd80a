#include <string>
#include <vector>

#include "analysis/calc/calc_globals.h"
#include "analysis/calc/industry_code_combo.h"
#include "analysis/calc/recalculation.h"
#include "shell/page_globals.h"
#include "shell/program_fixture.h"
#include "shell/services.h"
#include "shell/shell_globals.h"

namespace {

// The real program with plain controls standing in for the worksheet cells a case needs.
class RecalcTest : public ProgramTest {
 protected:
  using Cell = std::array<int, 4>;

  int Field(WorksheetGadgets& g, Cell c, const std::string& text = "") {
    const int id = pf::FieldGadget(AutoNumber, 0, 0, 80, 20, text);
    g(c[0], c[1], c[2], c[3]) = id;
    made_.push_back(id);
    return id;
  }
  void Fields(WorksheetGadgets& g, std::initializer_list<std::pair<Cell, const char*>> cells) {
    for (const auto& [c, text] : cells) Field(g, c, text);
  }
  void Date(WorksheetGadgets& g, Cell c, pf::Date d) {
    const int id = pf::DateGadget(AutoNumber, 0, 0, 120, 20, "%yyyy-%mm-%dd");
    pf::SetGadgetDate(id, d);
    g(c[0], c[1], c[2], c[3]) = id;
  }
  int Combo(WorksheetGadgets& g, Cell c, std::vector<std::string> items) {
    const int id = pf::ComboGadget(AutoNumber, 0, 0, 80, 20);
    for (std::size_t i = 0; i < items.size(); ++i) pf::AddGadgetItem(id, -1, items[i], int(i));
    g(c[0], c[1], c[2], c[3]) = id;
    return id;
  }
  static std::string Shown(const WorksheetGadgets& g, Cell c) {
    return pf::GetGadgetText(g(c[0], c[1], c[2], c[3]));
  }
  static void Type(const WorksheetGadgets& g, Cell c, const std::string& text) {
    pf::SetGadgetText(g(c[0], c[1], c[2], c[3]), text);
  }

  // Every computed text is a number, never "inf" or "nan".
  void ExpectNoNonNumbers() const {
    for (int id : made_) {
      const std::string text = pf::GetGadgetText(id);
      EXPECT_EQ(text.find("inf"), std::string::npos) << text;
      EXPECT_EQ(text.find("nan"), std::string::npos) << text;
    }
  }

  // Before & After: labour 200 / 300 over 100 / 150 hours, incident costs 10,000 / 4,000, intervention
  // costs 5,000, two periods of a year.
  void FillBASummaryCase() {
    auto& g = BAGadget;
    Fields(g, {{{7, 4, 1, 2}, "1"},
               {{7, 6, 1, 2}, "100"},
               {{7, 7, 1, 2}, "2"},
               {{7, 6, 2, 2}, "150"},
               {{7, 7, 2, 2}, "2"},
               {{6, 11, 1, 2}, "4"},
               {{6, 12, 1, 2}, "10,000.00"},
               {{6, 11, 2, 2}, "0"},
               {{6, 12, 2, 2}, "4,000.00"},
               {{5, 3, 2, 2}, "5,000"}});
    for (int row : {15, 16, 17, 18})
      for (int j : {1, 2}) Field(g, {7, row, j, 2});
    for (int j : {1, 2}) Field(g, {6, 13, j, 2});
    Field(g, {5, 20, 2, 2});
    Date(g, {7, 2, 1, 2}, {2009, 1, 1});
    Date(g, {7, 3, 1, 2}, {2009, 12, 31});
    Date(g, {7, 2, 2, 2}, {2010, 1, 1});
    Date(g, {7, 3, 2, 2}, {2010, 12, 31});
    for (int row : {2, 3, 8, 10, 11, 12})
      for (int j : {1, 2}) Field(g, {1, row, j, 2});
    for (int row = 13; row <= 17; ++row) Field(g, {1, row, 2, 2});
    for (int row : {18, 19, 20})
      for (Cell c : {Cell{1, row, 2, 1}, Cell{1, row, 1, 2}, Cell{1, row, 2, 2}}) Field(g, c);
  }

  std::vector<int> made_;
};

TEST_F(RecalcTest, BeforeAfterSummaryScalesTheFirstColumnAndShowsTheResult) {
  FillBASummaryCase();
  RecalcBA();
  const auto& g = BAGadget;
  const std::pair<Cell, const char*> expected[] = {
      {{7, 15, 1, 2}, "200.00"},      {{7, 17, 2, 2}, "150"},         {{7, 16, 2, 2}, "300.00"},
      {{6, 13, 1, 2}, "2,500.00"},    {{6, 13, 2, 2}, "0.00"},        {{5, 20, 2, 2}, "5,000.00"},
      {{1, 2, 1, 2}, "365"},          {{1, 2, 2, 2}, "365"},          {{1, 3, 1, 2}, "100"},
      {{1, 10, 1, 2}, "150"},         {{1, 8, 1, 2}, "200.00"},       {{1, 11, 1, 2}, "300.00"},
      {{1, 11, 2, 2}, "300.00"},      {{1, 12, 1, 2}, "15,000.00"},   {{1, 12, 2, 2}, "4,000.00"},
      {{1, 13, 2, 2}, "5,000.00"},    {{1, 18, 2, 1}, "$6,000"},      {{1, 18, 1, 2}, "$4,900"},
      {{1, 18, 2, 2}, "$7,100"},      {{1, 19, 2, 1}, "5.53 months"}, {{1, 19, 1, 2}, "6.14 months"},
      {{1, 19, 2, 2}, "5.03 months"}, {{1, 20, 2, 1}, "2.20"},        {{1, 20, 1, 2}, "1.98"},
      {{1, 20, 2, 2}, "2.42"},
  };
  for (const auto& [c, text] : expected) EXPECT_EQ(Shown(g, c), text) << c[0] << "," << c[1] << "," << c[2];
  EXPECT_EQ(BALabour(1, 1, 10), "300.00");
  EXPECT_EQ(BALabour(1, 1, 2), "150");

  // Emptied inputs give zeros everywhere, never a division by zero.
  for (Cell c : {Cell{7, 6, 1, 2}, Cell{7, 6, 2, 2}, Cell{6, 12, 1, 2}, Cell{6, 12, 2, 2}, Cell{5, 3, 2, 2}})
    Type(g, c, "");
  RecalcBA();
  EXPECT_EQ(Shown(g, {1, 18, 2, 1}), "$0");
  EXPECT_EQ(Shown(g, {1, 19, 1, 2}), "0.00 months");
  EXPECT_EQ(Shown(g, {1, 20, 2, 2}), "0.00");
  ExpectNoNonNumbers();
}

TEST_F(RecalcTest, GroupSwitchKeepsEveryGroupsValuesInTheTotals) {
  auto& g = BAGadget;
  Fields(g, {{{7, 4, 1, 2}, "1"},
             {{7, 4, 2, 2}, "Welders"},
             {{7, 5, 1, 2}, "3"},
             {{7, 6, 1, 2}, "10.4"},
             {{7, 7, 1, 2}, "10"},
             {{7, 8, 1, 2}, ""},
             {{7, 9, 1, 2}, ""}});
  for (int row : {15, 16, 17, 18}) Field(g, {7, row, 1, 2});
  Field(g, {1, 3, 1, 2});
  RecalcBA();
  EXPECT_EQ(Shown(g, {7, 15, 1, 2}), "104.00");
  // The loop stores the shown group and fills in the next one; the recalculation keeps it from there.
  Type(g, {7, 4, 1, 2}, "2");
  Type(g, {7, 4, 2, 2}, "Drivers");
  Type(g, {7, 7, 1, 2}, "20");
  RecalcBA();
  EXPECT_EQ(Shown(g, {7, 15, 1, 2}), "208.00");
  EXPECT_EQ(Shown(g, {7, 16, 1, 2}), "312.00");
  EXPECT_EQ(Shown(g, {7, 17, 1, 2}), "10");
  EXPECT_EQ(Shown(g, {7, 18, 1, 2}), "20");
  EXPECT_EQ(Shown(g, {1, 3, 1, 2}), "21");  // unrounded hours 20.8
  EXPECT_EQ(BALabour(1, 0, 0), "Welders");
  EXPECT_EQ(BALabour(1, 0, 3), "10");
  EXPECT_EQ(BALabour(2, 0, 0), "Drivers");
  EXPECT_EQ(BALabour(2, 0, 1), "3");

  // A group number outside 1 to 10 names no group: nothing is stored and the totals stay.
  for (const char* stray : {"11", "0", "-3"}) {
    Type(g, {7, 4, 1, 2}, stray);
    Type(g, {7, 7, 1, 2}, "1000");
    RecalcBA();
    EXPECT_EQ(Shown(g, {7, 16, 1, 2}), "312.00") << stray;
  }
  EXPECT_EQ(BALabour(2, 0, 3), "20");
}

TEST_F(RecalcTest, RateModelOfTheChosenCodeAndComboChange) {
  auto& g = BAGadget;
  Date(g, {7, 2, 1, 2}, {2009, 1, 1});
  Date(g, {7, 3, 1, 2}, {2009, 12, 31});
  Date(g, {7, 2, 2, 2}, {2010, 1, 1});
  Date(g, {7, 3, 2, 2}, {2010, 12, 31});
  BAIndustryCodes.assign(2, IndustryCodeEntry{});
  BAIndustryCodes[0].s[kCodeField] = "72100";
  BAIndustryCodes[0].s[kClaims1Field] = "3,000";
  BAIndustryCodes[0].s[kClaims2Field] = "1000";
  BAIndustryCodes[1].s[kCodeField] = "44000";
  BAIndustryCodes[1].s[kAverageRateField] = "7";
  const int combo = Combo(g, {2, 3, 1, 2}, {"72100", "44000"});
  pf::SetGadgetState(combo, 0);
  const int limit =
      Combo(g, {2, 11, 1, 2},
            {"10%", "20%", "30%", "40%", "50%", "-5%", "-10%", "-15%", "-20%", "-25%", "new firm"});
  pf::SetGadgetState(limit, 0);
  Fields(g, {{{2, 4, 1, 2}, "2010"},
             {{2, 12, 1, 2}, "2"},
             {{2, 13, 1, 2}, "2"},
             {{2, 20, 1, 2}, "8000"},
             {{2, 21, 1, 2}, "1.5"},
             {{2, 22, 1, 2}, "3"}});
  for (int row = 14; row <= 19; ++row) Field(g, {2, row, 1, 2}, "1,000,000");
  for (int row : {24, 25}) Field(g, {2, row, 2, 2});
  for (int row : {11, 14}) Field(g, {2, row, 1, 0});
  Field(g, {2, 14, 1, 1});
  RecalcBA();
  EXPECT_EQ(Shown(g, {2, 24, 2, 2}), "-4,809.52");
  EXPECT_EQ(Shown(g, {2, 25, 2, 2}), "-4,809.52");  // the other code has no range: change 0
  EXPECT_EQ(BAIndustryCodes[0].s[kPremiumChangeField], "-4809.52");
  EXPECT_EQ(BAIndustryCodes[0].s[kLimitTextField], "10%");
  EXPECT_EQ(BAIndustryCodes[0].s[kPayrollField + 5], "1,000,000");
  EXPECT_EQ(BAIndustryCodes[1].s[kPremiumChangeField], "0.00");
  EXPECT_EQ(Shown(g, {2, 11, 1, 0}), "Enter your 2009 basic change limit for this industry code:");
  EXPECT_EQ(Shown(g, {2, 14, 1, 1}), "2010");

  // Picking the other code shows its inputs and leaves the first code's inputs in its record.
  pf::SetGadgetState(combo, 1);
  OnIndustryCodeComboChange(KindBA);
  EXPECT_EQ(pf::GetGadgetData(combo), 1);
  EXPECT_EQ(Shown(g, {2, 12, 1, 2}), "7");
  EXPECT_EQ(Shown(g, {2, 14, 1, 2}), "");
  EXPECT_EQ(Shown(g, {2, 24, 2, 2}), "0.00");
  EXPECT_EQ(Shown(g, {2, 25, 2, 2}), "-4,809.52");
  EXPECT_EQ(BAIndustryCodes[0].s[kAverageRateField], "2");
}

TEST_F(RecalcTest, PotentialClaimLinesBuildTheCodeListWhateverTheBlanks) {
  auto& g = PIGadget;
  Date(g, {7, 2, 1, 2}, {2009, 1, 1});
  Date(g, {7, 3, 1, 2}, {2009, 12, 31});
  Fields(g, {{{6, 27, 1, 0}, "ab1 "},
             {{6, 27, 1, 1}, "3,000"},
             {{6, 28, 1, 0}, ""},
             {{6, 27, 2, 0}, " ab1"},
             {{6, 27, 2, 2}, "1000"},
             {{6, 25, 1, 1}, "100"},
             {{6, 25, 1, 3}, "50"},
             {{6, 25, 2, 1}, "40"},
             {{6, 25, 2, 3}, "10"}});
  const int combo = Combo(g, {2, 3, 1, 2}, {});
  Combo(g, {2, 11, 1, 2}, {"10%", "20%"});
  for (int row : {12, 13, 20, 21, 22}) Field(g, {2, row, 1, 2});
  for (int row = 14; row <= 19; ++row) Field(g, {2, row, 1, 2});
  for (int row : {24, 25, 26, 27}) Field(g, {2, row, 2, 2});
  Field(g, {2, 8, 1, 1});
  Field(g, {2, 8, 1, 2});
  Field(g, {2, 14, 1, 1});
  RecalcPI();
  ASSERT_EQ(PIIndustryCodesSummary.size(), 1u);
  EXPECT_EQ(pf::CountGadgetItems(combo), 1);
  EXPECT_EQ(pf::GetGadgetText(combo), "ab1");
  EXPECT_EQ(Shown(g, {2, 8, 1, 1}), "$3,000.00 ");
  EXPECT_EQ(Shown(g, {2, 8, 1, 2}), "$1,000.00 ");
  EXPECT_EQ(Shown(g, {2, 26, 2, 2}), "-115.00");
  EXPECT_EQ(Shown(g, {2, 14, 1, 1}), " 2010");  // this year, with the leading blank

  // The inputs typed for the code are copied into its record and computed.
  Type(g, {2, 12, 1, 2}, "2");
  Type(g, {2, 13, 1, 2}, "2");
  for (int row = 14; row <= 19; ++row) Type(g, {2, row, 1, 2}, "1000000");
  Type(g, {2, 20, 1, 2}, "8000");
  Type(g, {2, 21, 1, 2}, "1.5");
  Type(g, {2, 22, 1, 2}, "3");
  RecalcPI();
  EXPECT_EQ(Shown(g, {2, 24, 2, 2}), "-4,809.52");
  EXPECT_EQ(PIIndustryCodesSummary[0].s[kAverageRateField], "2");

  // Only an amount changed: no refill, the shown claims follow.
  Type(g, {6, 27, 1, 1}, "2,000");
  RecalcPI();
  EXPECT_EQ(Shown(g, {2, 8, 1, 1}), "$2,000.00 ");
  EXPECT_EQ(Shown(g, {2, 12, 1, 2}), "2");
  const std::string change = Shown(g, {2, 24, 2, 2});

  // Another code in capitals is another code: its claims stay its own, and ab1's figures stay as they were.
  Type(g, {6, 28, 1, 0}, "AB1");
  Field(g, {6, 28, 1, 1}, "500");
  RecalcPI();
  ASSERT_EQ(PIIndustryCodesSummary.size(), 2u);
  EXPECT_EQ(PIIndustryCodesSummary[0].s[kClaims1Field], "2000.00");
  EXPECT_EQ(PIIndustryCodesSummary[1].s[kClaims1Field], "500.0000000000");
  EXPECT_EQ(pf::CountGadgetItems(combo), 2);
  EXPECT_EQ(pf::GetGadgetText(combo), "ab1");
  EXPECT_EQ(Shown(g, {2, 8, 1, 1}), "$2,000.00 ");
  EXPECT_EQ(Shown(g, {2, 24, 2, 2}), change);
  EXPECT_EQ(Shown(g, {2, 25, 2, 2}), change);  // AB1 has no rate range yet: no change of its own
}

TEST_F(RecalcTest, RecalculationBeforeThePagesExistChangesNothing) {
  const std::string title = pf::GetGadgetText(RecordTitleText);
  RecalcBA();
  RecalcCG();
  RecalcPI();
  EXPECT_EQ(RecalcCount[KindBA], 1);
  EXPECT_EQ(RecalcCount[KindCG], 1);
  EXPECT_EQ(RecalcCount[KindPI], 1);
  EXPECT_EQ(pf::GetGadgetText(RecordTitleText), title);
}

}  // namespace
