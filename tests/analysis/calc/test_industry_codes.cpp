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

TEST(IndustryCodes, CodesMatchWithoutBlanksOrLetterCase) {
  EXPECT_TRUE(SameIndustryCode(" ab12 ", "AB12"));
  EXPECT_TRUE(SameIndustryCode("", "  "));
  EXPECT_FALSE(SameIndustryCode("AB1", "AB12"));
  EXPECT_FALSE(SameIndustryCode("A B", "AB"));
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
  EXPECT_EQ(Codes(list), (std::vector<std::string>{"72100", "x9"}));
  EXPECT_EQ(list[0].s[kClaims1Field], "1060.00");
  EXPECT_EQ(list[0].s[kClaims2Field], "3.00");
  EXPECT_EQ(list[0].s[kAverageRateField], "2.5");  // inputs typed for the code survive
  EXPECT_EQ(list[1].s[kClaims1Field], "5.0000000000");
  EXPECT_EQ(list[1].s[kClaims2Field], "7.50");
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
  IndustryCodeList list = {Record("A"), Record("B"), Record("C")};
  DropUnseenRecords(list, {"a"}, false, 1);
  EXPECT_EQ(Codes(list), std::vector<std::string>{"A"});

  // The potential analysis hides a missing code with the approach it is kept for, shows it again when
  // the code returns, and deletes it once it is missing while that approach is shown.
  IndustryCodeList pi = {Record("A"), Record("B")};
  pi[1].s[kAverageRateField] = "3";
  DropUnseenRecords(pi, {"A"}, true, 1);
  EXPECT_EQ(Codes(pi), (std::vector<std::string>{"A", "B#"}));
  EXPECT_EQ(pi[1].s[kHiddenField], "0");
  DropUnseenRecords(pi, {"A"}, true, 1);
  EXPECT_EQ(Codes(pi), (std::vector<std::string>{"A", "B#"}));
  MergeClaimLines(pi, {{{{"b", "1", ""}}, {}}}, true);
  EXPECT_EQ(Codes(pi), (std::vector<std::string>{"A", "B"}));
  EXPECT_EQ(pi[1].s[kAverageRateField], "3");
  DropUnseenRecords(pi, {"A"}, true, 1);
  DropUnseenRecords(pi, {"A"}, true, 0);
  EXPECT_EQ(Codes(pi), std::vector<std::string>{"A"});
}

TEST(StoredCodes, RoundTripAndDamagedTexts) {
  IndustryCodeList list = {Record("72100"), Record("")};
  for (int f = 1; f < 24; ++f) list[0].s[std::size_t(f)] = "v" + std::to_string(f);
  IndustryCodeEntry hidden = Record("gone");
  hidden.s[kHiddenField] = "1";
  list.push_back(hidden);
  const std::string text = IndustryCodesText(list);
  EXPECT_EQ(text.substr(text.size() - 25), std::string(24, '\x1b') + "\r");
  const IndustryCodeList back = IndustryCodesFromText(text);
  ASSERT_EQ(back.size(), 2u);
  EXPECT_EQ(back[0].s, list[0].s);
  EXPECT_EQ(back[1].s[kLoadMarkField], "");

  const IndustryCodeList damaged = IndustryCodesFromText(
      "A\x1b"
      "2010\x1b\r" +
      std::string(30, '\x1b') +
      "X\r"
      "B\x1b"
      "unterminated");
  ASSERT_EQ(damaged.size(), 2u);
  EXPECT_EQ(damaged[0].s[kCodeField], "A");
  EXPECT_EQ(damaged[0].s[kYearField], "2010");
  EXPECT_EQ(damaged[0].s[kLoadMarkField], "yo");
  EXPECT_EQ(damaged[1].s[kLoadMarkField], "");
  EXPECT_TRUE(IndustryCodesFromText("").empty());
}

}  // namespace
