#include <gtest/gtest.h>

#include "analysis/calc/industry_codes.h"

namespace {

IndustryCodeEntry Record(const std::string& code) {
  IndustryCodeEntry e;
  e.s[kCodeField] = code;
  return e;
}

std::vector<std::string> Codes(const IndustryCodeList& list) {
  std::vector<std::string> codes;
  for (const auto& e : list) codes.push_back(e.s[kCodeField] + (e.s[kHiddenField].empty() ? "" : "#"));
  return codes;
}

TEST(IndustryCodes, CodesMatchAsExactTextsWithoutSurroundingBlanks) {
  const struct {
    const char *a, *b;
    bool same;
  } cases[] = {
      {" ab12 ", "ab12", true}, {"", "  ", true},     {"\t7\t", "7", true},  {"ab1", "AB1", false},
      {"AB1", "AB12", false},   {"A B", "AB", false}, {"[none]", "", false},
  };
  for (const auto& c : cases)
    EXPECT_EQ(SameIndustryCode(c.a, c.b), c.same) << '"' << c.a << "\" \"" << c.b << '"';
}

TEST(ClaimMerge, SumsEveryLineOfACodeIntoOneRecord) {
  IndustryCodeList list = {Record("72100")};
  list[0].s[kClaims1Field] = "999";  // rebuilt from the lines every time
  list[0].s[kAverageRateField] = "2.5";
  const ClaimMerge merge = MergeClaimLines(
      list,
      {{{{"72100", "1,000.004", "50"}, {" 72100 ", "10", ""}, {"", "40", "1"}, {"x9", "5", ""}},
        {{"X9 ", "", "7.5"}, {"72100", "abc", "3"}}}},
      false);
  EXPECT_EQ(Codes(list), (std::vector<std::string>{"72100", "x9", "X9"}));
  EXPECT_EQ(list[0].s[kClaims1Field], "1060.00");
  EXPECT_EQ(list[0].s[kClaims2Field], "3.00");
  EXPECT_EQ(list[0].s[kAverageRateField], "2.5");  // inputs typed for the code survive
  EXPECT_EQ(list[1].s[kClaims1Field], "5.0000000000");
  EXPECT_EQ(list[1].s[kClaims2Field], "");
  EXPECT_EQ(list[2].s[kClaims1Field], "");  // another code than x9: a record of its own
  EXPECT_EQ(list[2].s[kClaims2Field], "7.5000000000");
  EXPECT_EQ(merge.seen, (std::vector<std::string>{"72100", "72100", "x9", "X9", "72100"}));
  EXPECT_EQ(merge.claimCodes,
            "\x1b"
            "72100\x1b"
            "72100\x1b\x1bx9\x1bX9\x1b"
            "72100");
}

TEST(ClaimMerge, AnUncodedLineWithAmountsCountsAsSeenOnlyInThePotentialAnalysis) {
  IndustryCodeList list;
  EXPECT_TRUE(MergeClaimLines(list, {{{{"", "40", ""}}, {}}}, false).seen.empty());
  EXPECT_EQ(MergeClaimLines(list, {{{{"", "40", ""}}, {}}}, true).seen, std::vector<std::string>{""});
  EXPECT_TRUE(MergeClaimLines(list, {{{{"", "0.4", ""}}, {}}}, true).seen.empty());
  EXPECT_TRUE(list.empty());
}

TEST(ClaimMerge, CodesThatLeftTheLinesAreDeletedOrHidden) {
  IndustryCodeList list = {Record("A"), Record("B"), Record("C"), Record("b")};
  DropUnseenRecords(list, {" b "}, false, 1);
  EXPECT_EQ(Codes(list), std::vector<std::string>{"b"});

  // The potential analysis hides a missing code with the approach it is kept for, shows it again when
  // the code returns, and deletes it once it is missing while that approach is shown.
  IndustryCodeList pi = {Record("A"), Record("B")};
  pi[1].s[kAverageRateField] = "3";
  DropUnseenRecords(pi, {"A"}, true, 1);
  EXPECT_EQ(Codes(pi), (std::vector<std::string>{"A", "B#"}));
  EXPECT_EQ(pi[1].s[kHiddenField], "0");
  DropUnseenRecords(pi, {"A"}, true, 1);
  EXPECT_EQ(Codes(pi), (std::vector<std::string>{"A", "B#"}));
  MergeClaimLines(pi, {{{{" B", "1", ""}}, {}}}, true);
  EXPECT_EQ(Codes(pi), (std::vector<std::string>{"A", "B"}));
  EXPECT_EQ(pi[1].s[kAverageRateField], "3");
  DropUnseenRecords(pi, {"A"}, true, 1);
  DropUnseenRecords(pi, {"A"}, true, 0);
  EXPECT_EQ(Codes(pi), std::vector<std::string>{"A"});
}

}  // namespace
