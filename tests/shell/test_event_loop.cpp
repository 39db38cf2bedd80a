#include <optional>
#include <string>

#include "shell/numeric_filter.h"
#include "shell/shell_globals.h"
#include "test_page.h"

namespace {

// A page of test fields inside the running program: a numeric field, a plain white field and another
// numeric field after them in Tab order.
class LoopTest : public TestPage {
 protected:
  void SetUp() override {
    TestPage::SetUp();
    numeric = pf::FieldGadget(AutoNumber, 10, 10, 100, 20, "");
    pf::SetGadgetColour(numeric, BackColourType, NumberFieldColour);
    plain = pf::FieldGadget(AutoNumber, 10, 40, 100, 20, "");
    pf::SetGadgetColour(plain, BackColourType, kWhite);
    next = pf::FieldGadget(AutoNumber, 10, 70, 100, 20, "");
    pf::SetGadgetColour(next, BackColourType, RequiredFieldColour);
    Built();
  }

  int numeric = 0, plain = 0, next = 0;
};

}  // namespace

TEST(NumericFilter, JudgesEachCharacterByTheFieldsRules) {
  struct Case {
    std::string text;
    int caret;
    std::string typed;
    bool allowed;
    int selEnd = -1;  // the end of a selection the character replaces
  };
  const Case cases[] = {
      {"12.34", 5, "5", false},  // two decimals, caret at the end
      {"12.34", 3, "5", false},  // right after the point
      {"12.34", 0, "5", true},   // before the 1
      {"12.34", 0, ".", false},  // already holds a point, even when all is selected
      {"12.3", 4, "4", true},    // a second decimal
      {"12", 2, ".", true},
      {"12", 0, "-", true},  // minus only at position 0
      {"12", 1, "-", false},
      {"12", 2, "a", false},
      {"12", 2, "!", false},  // a shifted digit key types a symbol
      {"12", 2, " ", false},
      {"12.34", 5, "\b", true},  // Backspace types nothing the rules judge
      {"12.34", 5, "", true},    // arrows, Home, End
      // At most twelve digits before the point, wherever the digit goes; decimals are not counted.
      {"123456789012", 12, "3", false},
      {"123456789012", 0, "9", false},
      {"-123456789012", 13, "3", false},
      {"12345678901", 11, "2", true},
      {"123456789012.5", 14, "0", true},
      {"123456789012", 12, ".", true},
      {"123456789012", 0, "5", true, 12},  // the whole figure selected is replaced
      {"123456789012", 3, "0", true, 4},   // one digit replaced by another
  };
  for (const auto& c : cases)
    EXPECT_EQ(NumericCharacterAllowed(c.text, c.caret, c.typed, c.selEnd), c.allowed)
        << c.text << " caret " << c.caret << " typed '" << c.typed << "'";
  EXPECT_FALSE(IsNumericFieldColour(pf::MakeRgb(255, 255, 255)));
}

TEST(NumericFilter, APasteLosesItsSeparatorsAndOuterBlanksThenFollowsTheSameRules) {
  struct Case {
    std::string text;
    int start, end;
    std::string pasted;
    std::optional<std::string> inserted;  // none: refused
  };
  const Case cases[] = {
      {"", 0, 0, "1,250.50", "1250.50"},  // a figure copied from a result cell
      {"", 0, 0, " 1,250.50 \n", "1250.50"},
      {"", 0, 0, "-68,114", "-68114"},
      {"12", 2, 2, ".5", ".5"},
      {"abc", 0, 3, "-3.25", "-3.25"},
      {"", 0, 0, "999,999,999,999.99", "999999999999.99"},
      {"", 0, 0, "1,000,000,000,000", std::nullopt},  // thirteen digits before the point
      {"12", 0, 0, "34,567,890,123", std::nullopt},   // twelve pasted in front of two
      {"", 0, 0, std::string(400, '9'), std::nullopt},
      {"12", 2, 2, "$5", std::nullopt},
      {"1.2", 3, 3, "34", std::nullopt},
      {"", 0, 0, "1 250", std::nullopt},  // a blank inside the figure stays, and is no digit
      {"", 0, 0, "1,250.505", std::nullopt},
  };
  for (const auto& c : cases)
    EXPECT_EQ(NumericPasteText(c.text, c.start, c.end, c.pasted), c.inserted) << c.text << " + " << c.pasted;
}

TEST_F(LoopTest, NumericFieldRefusesWhatItsRulesRefuse) {
  struct Case {
    std::string start;
    int caret;  // -1: the whole text selected, as after the select-all on focus
    std::string typed;
    std::string result;
  };
  const Case cases[] = {
      {"12.34", 5, "5", "12.34"}, {"12.34", 3, "5", "12.34"},  {"12.34", 0, "5", "512.34"},
      {"12.34", -1, "5", "5"},    {"12.34", -1, ".", "12.34"}, {"12.3", 4, "45", "12.34"},
      {"7", 1, "-", "7"},         {"7", 0, "-", "-7"},         {"7", 1, "a", "7"},
  };
  for (const auto& c : cases) {
    Focus(numeric);
    pf::SetGadgetText(numeric, c.start);
    if (c.caret < 0)
      pf::SetGadgetSelection(numeric, 0, -1);
    else
      pf::SetGadgetSelection(numeric, c.caret, c.caret);
    Pump();
    pf::test::TypeText(c.typed);
    Pump();
    EXPECT_EQ(pf::GetGadgetText(numeric), c.result) << c.start << " + " << c.typed;
  }
}

TEST_F(LoopTest, LettersGoIntoAPlainWhiteField) {
  Focus(plain);
  pf::test::TypeText("ab.1-");
  Pump();
  EXPECT_EQ(pf::GetGadgetText(plain), "ab.1-");
}

TEST_F(LoopTest, EnterMovesTheFocusAsTabDoes) {
  Focus(numeric);
  pf::test::PressEnter();
  Pump();
  EXPECT_EQ(pf::GetActiveGadget(), plain);
  pf::SetGadgetText(next, "99");
  pf::test::PressTab();
  Pump();
  EXPECT_EQ(pf::GetActiveGadget(), next);
  int start = -1, end = -1;
  pf::GetGadgetSelection(next, start, end);
  EXPECT_EQ(start, 0);
  EXPECT_EQ(end, 2);  // select-all on focus
}

TEST_F(LoopTest, FocusComesBackWithItsSelectionAfterAnotherWindow) {
  Focus(plain);
  pf::SetGadgetText(plain, "hello");
  pf::SetGadgetSelection(plain, 1, 3);
  Pump();
  pf::test::ActivateOther();
  Pump();
  pf::test::ActivateMain();
  Pump();
  EXPECT_EQ(pf::GetActiveGadget(), plain);
  int start = -1, end = -1;
  pf::GetGadgetSelection(plain, start, end);
  EXPECT_EQ(start, 1);
  EXPECT_EQ(end, 3);
}

TEST_F(LoopTest, TheCompanyNameMarksNoWorksheetModified) {
  CurrentTopTab = 2;  // an incident step is on screen
  CurrentSecondTab = 1;
  ASSERT_EQ(WorksheetKindOnScreen(), KindIncident);
  pf::test::Click(CompanyNameField);  // clears the hint: a program write
  Pump();
  ASSERT_EQ(pf::GetGadgetText(CompanyNameField), "");
  pf::test::TypeText("Acme");
  Pump();
  EXPECT_EQ(ModifiedFlags(KindIncident), 0);
  pf::test::Click(plain);
  Pump();
  pf::test::TypeText("x");
  Pump();
  EXPECT_EQ(ModifiedFlags(KindIncident), 1) << "a worksheet field still marks it";
}
