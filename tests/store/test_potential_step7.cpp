// The potential analysis's step 7 as a user works it: codes typed on step 3's claim lines, inputs typed
// for one of them on step 7, a code taken off the claim lines, and the analysis saved and opened again.
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

}  // namespace
