#include "analysis/calc/industry_codes.h"

#include <algorithm>
#include <cmath>

#include "shell/number_text.h"

namespace {

constexpr char kFieldEnd = 27;

double ClaimAmount(const std::string& text) { return RoundD(TextNumber(text, 2), 2); }

}  // namespace

std::string TrimBlanks(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(" \t");
  return std::string(text.substr(first, last - first + 1));
}

bool SameIndustryCode(std::string_view a, std::string_view b) { return TrimBlanks(a) == TrimBlanks(b); }

int FindIndustryCode(const IndustryCodeList& list, std::string_view code) {
  for (std::size_t i = 0; i < list.size(); ++i) {
    if (SameIndustryCode(list[i].s[kCodeField], code)) return int(i);
  }
  return -1;
}

ClaimMerge MergeClaimLines(IndustryCodeList& list, const std::array<std::vector<ClaimLine>, 2>& columns,
                           bool potential) {
  for (auto& e : list) e.s[kClaims1Field] = e.s[kClaims2Field] = "0";
  ClaimMerge merge;
  for (int k = 0; k < 2; ++k) {
    const int field = kClaims1Field + k;
    for (const auto& line : columns[std::size_t(k)]) {
      const std::string code = TrimBlanks(line.code);
      const double lostTime = ClaimAmount(line.lostTime), noLostTime = ClaimAmount(line.noLostTime);
      const bool hasAmount = std::trunc(lostTime) != 0 || std::trunc(noLostTime) != 0;
      if (!code.empty() || (potential && hasAmount)) merge.seen.push_back(code);
      const int found = FindIndustryCode(list, code);
      if (found >= 0) {
        auto& e = list[std::size_t(found)];
        e.s[std::size_t(field)] =
            FixedText(TextNumber(e.s[std::size_t(field)], 2) + lostTime + noLostTime, 2);
        if (potential) e.s[kHiddenField].clear();
      } else if (!code.empty()) {
        IndustryCodeEntry e;
        e.s[kCodeField] = code;
        e.s[std::size_t(field)] = FixedText(lostTime + noLostTime, 10);
        list.push_back(std::move(e));
      }
      merge.claimCodes += kFieldEnd;
      merge.claimCodes += code;
    }
  }
  return merge;
}

void DropUnseenRecords(IndustryCodeList& list, const std::vector<std::string>& seen, bool potential,
                       int approachFlag) {
  const auto isSeen = [&](const IndustryCodeEntry& e) {
    return std::any_of(seen.begin(), seen.end(),
                       [&](const std::string& code) { return SameIndustryCode(e.s[kCodeField], code); });
  };
  const std::string shown = approachFlag == 0 ? "0" : "1", other = approachFlag == 0 ? "1" : "0";
  for (std::size_t i = 0; i < list.size();) {
    auto& e = list[i];
    if (isSeen(e)) {
      ++i;
    } else if (!potential || e.s[kHiddenField] == shown) {
      list.erase(list.begin() + std::ptrdiff_t(i));
    } else {
      e.s[kHiddenField] = other;
      ++i;
    }
  }
}
