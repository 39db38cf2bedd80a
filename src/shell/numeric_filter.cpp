#include "shell/numeric_filter.h"

#include <algorithm>
#include <cctype>

#include "shell/shell_globals.h"

namespace {
bool IsControlText(const std::string& s) {
  return s.empty() || std::all_of(s.begin(), s.end(), [](unsigned char c) { return c < 0x20 || c == 0x7F; });
}
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The text once [selStart, selEnd) is replaced by `inserted`.
std::string Replaced(const std::string& text, int selStart, int selEnd, const std::string& inserted) {
  const int n = int(text.size());
  selStart = std::clamp(selStart, 0, n);
  selEnd = std::clamp(selEnd, selStart, n);
  return text.substr(0, selStart) + inserted + text.substr(selEnd);
}

int WholeDigits(const std::string& text) {
  return int(std::count_if(text.begin(), std::find(text.begin(), text.end(), '.'), IsDigit));
}
}  // namespace

bool NumericCharacterAllowed(const std::string& fieldText, int selStart, const std::string& typed,
                             int selEnd) {
  if (IsControlText(typed)) return true;  // Backspace, Delete, arrows, Tab, Enter: nothing is typed
  if (typed.size() != 1) return false;
  const char c = typed[0];
  const bool digit = IsDigit(c);
  if (!digit && c != '.' && c != '-') return false;
  const auto point = fieldText.find('.');
  const int pointPos = point == std::string::npos ? 0 : int(point) + 1;  // 1-based, 0 for none
  if (c != '.' && pointPos > 0 && int(fieldText.size()) > pointPos + 1 && selStart >= pointPos) return false;
  if (c == '.' && pointPos > 0) return false;
  if (c == '-' && selStart != 0) return false;
  if (digit) {
    // A digit that lands before the point may not make the figure longer than its limit.
    const std::string result = Replaced(fieldText, selStart, selEnd < 0 ? selStart : selEnd, typed);
    const auto resultPoint = result.find('.');
    const bool whole = resultPoint == std::string::npos ||
                       std::size_t(std::clamp(selStart, 0, int(result.size()))) <= resultPoint;
    if (whole && WholeDigits(result) > kMaxWholeDigits) return false;
  }
  return true;
}

bool NumericPasteAllowed(const std::string& fieldText, int selStart, int selEnd, const std::string& pasted) {
  const std::string result = Replaced(fieldText, selStart, selEnd, pasted);
  std::size_t i = 0;
  if (i < result.size() && result[i] == '-') ++i;
  while (i < result.size() && IsDigit(result[i])) ++i;
  if (WholeDigits(result) > kMaxWholeDigits) return false;
  if (i < result.size() && result[i] == '.') {
    ++i;
    std::size_t decimals = 0;
    while (i < result.size() && IsDigit(result[i])) ++i, ++decimals;
    if (decimals > 2) return false;
  }
  return i == result.size();
}

std::optional<std::string> NumericPasteText(const std::string& fieldText, int selStart, int selEnd,
                                            const std::string& pasted) {
  std::string text;
  std::copy_if(pasted.begin(), pasted.end(), std::back_inserter(text), [](char c) { return c != ','; });
  const auto blank = [](unsigned char c) { return std::isspace(c) != 0; };
  text.erase(text.begin(), std::find_if_not(text.begin(), text.end(), blank));
  text.erase(std::find_if_not(text.rbegin(), text.rend(), blank).base(), text.end());
  if (!NumericPasteAllowed(fieldText, selStart, selEnd, text)) return std::nullopt;
  return text;
}

bool IsNumericFieldColour(long long backColour) {
  return backColour == NumberFieldColour || backColour == BlankNumberFieldColour ||
         backColour == RequiredFieldColour;
}
