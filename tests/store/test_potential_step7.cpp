// The potential analysis's step 7 as a user works it: codes typed on step 3's claim lines, inputs typed
// for one of them on step 7, a code taken off the claim lines, and the analysis saved and opened again.
#include <algorithm>

#include "analysis/calc/incident_fixture.h"
#include "analysis/calc/incident_retrieval.h"
#include "store/worksheet_fixture.h"

namespace {

class PotentialStep7Test : public WorksheetTest {
 protected:
  static int X(int page, int row, int column, int slot) { return PIGadget(page, row, column, slot); }
  static int Combo() { return X(2, 3, 1, 2); }
  static int AverageRate() { return X(2, 12, 1, 2); }

  void ShowStep(int step) {
    ShowPage(1, 1, 9 - step);
    Pump();
  }
  void Type(int field, const std::string& text) {
    pf::SetActiveGadget(field);
    Pump();
    pf::SetGadgetText(field, "");
    pf::test::TypeText(text);
    pf::test::PressTab();
    Pump();
  }
  void ClaimLine(int row, const std::string& code, const std::string& cost) {
    Type(X(6, row, 2, 0), code);
    Type(X(6, row, 2, 1), cost);
  }
  static std::vector<std::string> ComboItems() {
    std::vector<std::string> items;
    for (int i = 0; i < pf::CountGadgetItems(Combo()); ++i)
      items.push_back(pf::GetGadgetItemText(Combo(), i));
    return items;
  }
  void Choose(int item) {
    pf::test::ChooseComboItem(Combo(), item);
    Pump();
  }
};

TEST_F(PotentialStep7Test, InputsTypedForACodeComeBackWithTheAnalysis) {
  Open(KindPI);
  ShowStep(3);
  ClaimLine(27, "111", "100");
  ClaimLine(28, "222", "200");
  ClaimLine(29, "333", "300");
  ShowStep(7);
  ASSERT_EQ(ComboItems(), (std::vector<std::string>{"111", "222", "333"}));
  Choose(1);
  Type(AverageRate(), "2.5");
  Choose(2);
  Type(AverageRate(), "1.5");

  // 222 leaves the claim lines: its record is hidden, so 333 moves up in the combo but keeps its inputs.
  ShowStep(3);
  Type(X(6, 28, 2, 0), "");
  Type(X(6, 28, 2, 1), "0");
  ShowStep(7);
  ASSERT_EQ(ComboItems(), (std::vector<std::string>{"111", "333"}));
  Choose(1);
  EXPECT_EQ(pf::GetGadgetText(AverageRate()), "1.5");

  ASSERT_TRUE(SaveRecord(KindPI, 1));
  Pump();
  EXPECT_EQ(ModifiedFlags(KindPI), 0);
  NewPIAnalysis();
  Pump();
  ASSERT_TRUE(LoadPIAnalysis(1));
  Pump();
  EXPECT_EQ(ModifiedFlags(KindPI), 0);
  ShowStep(7);
  EXPECT_EQ(ComboItems(), (std::vector<std::string>{"111", "333"}));
  Choose(1);
  EXPECT_EQ(pf::GetGadgetText(AverageRate()), "1.5");
  Choose(0);
  EXPECT_EQ(pf::GetGadgetText(AverageRate()), "");
  // The hidden record was not stored: the code typed back on step 3 starts without inputs.
  ShowStep(3);
  ClaimLine(28, "222", "200");
  ShowStep(7);
  ASSERT_EQ(ComboItems(), (std::vector<std::string>{"111", "333", "222"}));
  Choose(2);
  EXPECT_EQ(pf::GetGadgetText(AverageRate()), "");
}

// A stored record with more fields than a record has (written by something else) loads its first 24: the
// code stays in the step-7 combo, and the next save stores it whole again.
TEST_F(PotentialStep7Test, AStoredRecordOfThirtyFieldsLoadsVisibleAndSavesBackWhole) {
  Open(KindPI);
  ASSERT_TRUE(SaveRecord(KindPI, 1));
  std::string record = "111\x1b";
  for (int f = 1; f < 30; ++f) record += "f" + std::to_string(f) + "\x1b";
  sql::Database other;
  ASSERT_TRUE(other.Open(kRecordFileName, false));
  ASSERT_TRUE(sql::Statement(other, "update PIAnalyses set industrycodesShortfield = ?1 where uid = 1")
                  .Bind(1, record + "\r")
                  .Run());
  other.Close();
  NewPIAnalysis();
  Pump();
  ASSERT_TRUE(LoadPIAnalysis(1));
  Pump();
  ShowStep(7);
  EXPECT_EQ(ComboItems(), std::vector<std::string>{"111"});

  ASSERT_TRUE(SaveRecord(KindPI, 0));  // over the record opened
  const std::string stored = Row("industrycodesShortfield", "uid=1", "PIAnalyses");
  ASSERT_EQ(std::count(stored.begin(), stored.end(), '\x1b'), 24);
  EXPECT_EQ(stored.substr(0, 4), "111\x1b");
  EXPECT_EQ(stored.substr(stored.size() - 5), "f23\x1b\r");
}

// Codes that differ only in letter case are two codes: each keeps its own claims and its own inputs.
TEST_F(PotentialStep7Test, CodesInOtherLettersAreCodesOfTheirOwn) {
  AddIncidentColumns(RecordDatabase);
  InsertIncident(RecordDatabase, {{"datefield", "2009-03-03"},
                                  {"totalcostfield", "100"},
                                  {"incidenttypefield", "0"},
                                  {"rategroupfield", "ab1"},
                                  {"claimcostfield", "100"}});
  InsertIncident(RecordDatabase, {{"datefield", "2009-04-04"},
                                  {"totalcostfield", "200"},
                                  {"incidenttypefield", "0"},
                                  {"rategroupfield", "AB1"},
                                  {"claimcostfield", "200"}});
  Open(KindPI);
  ShowStep(2);
  pf::test::ChangeDate(X(7, 2, 1, 2), {2009, 1, 1});
  pf::test::ChangeDate(X(7, 3, 1, 2), {2009, 12, 31});
  Pump();
  ShowStep(3);
  RetrieveIncidentsForPI();
  Pump();
  ShowStep(7);
  ASSERT_EQ(ComboItems(), (std::vector<std::string>{"ab1", "AB1"}));
  EXPECT_EQ(pf::GetGadgetText(X(2, 8, 1, 1)), "$100.00 ");
  Type(AverageRate(), "2.5");
  Choose(1);
  EXPECT_EQ(pf::GetGadgetText(X(2, 8, 1, 1)), "$200.00 ");
  EXPECT_EQ(pf::GetGadgetText(AverageRate()), "");
  Type(AverageRate(), "1.5");
  Choose(0);
  EXPECT_EQ(pf::GetGadgetText(AverageRate()), "2.5");
  Choose(1);
  EXPECT_EQ(pf::GetGadgetText(AverageRate()), "1.5");
}

// The combo lists the codes of the records, so a choice always names one; should a choice name none, the
// last code's record is shown instead of leaving the step showing the code chosen before.
TEST_F(PotentialStep7Test, AChoiceThatNamesNoRecordShowsTheLastOne) {
  Open(KindPI);
  ShowStep(3);
  ClaimLine(27, "111", "100");
  ClaimLine(28, "222", "200");
  ShowStep(7);
  Choose(1);
  Type(AverageRate(), "2.5");
  Choose(0);
  ASSERT_EQ(pf::GetGadgetText(AverageRate()), "");
  pf::AddGadgetItem(Combo(), -1, "999", 2);
  Choose(2);
  EXPECT_EQ(pf::GetGadgetText(AverageRate()), "2.5");
  EXPECT_EQ(pf::GetGadgetText(X(2, 8, 1, 2)), "$200.00 ");
}

}  // namespace
