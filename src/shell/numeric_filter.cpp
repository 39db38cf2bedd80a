#include "shell/numeric_filter.h"

#include <algorithm>
#include <cctype>

#include "shell/shell_globals.h"

namespace {
bool IsControlText(const std::string& s) {
  return s.empty() || std::all_of(s.begin(), s.end(), [](unsigned char c) { return c < 0x20 || c == 0x7F; });
}
}  // namespace

bool NumericCharacterAllowed(const std::string& fieldText, int selStart, const std::string& typed) {
  if (IsControlText(typed)) return true;  // Backspace, Delete, arrows, Tab, Enter: nothing is typed
  if (typed.size() != 1) return false;
  const char c = typed[0];
  const bool digit = c >= '0' && c <= '9';
  if (!digit && c != '.' && c != '-') return false;
  const auto point = fieldText.find('.');
  const int pointPos = point == std::string::npos ? 0 : int(point) + 1;  // 1-based, 0 for none
  if (c != '.' && pointPos > 0 && int(fieldText.size()) > pointPos + 1 && selStart >= pointPos) return false;
  if (c == '.' && pointPos > 0) return false;
  if (c == '-' && selStart != 0) return false;
  return true;
}

bool NumericPasteAllowed(const std::string& fieldText, int selStart, int selEnd, const std::string& pasted) {
  const int n = int(fieldText.size());
  selStart = std::clamp(selStart, 0, n);
  selEnd = std::clamp(selEnd, selStart, n);
  const std::string result = fieldText.substr(0, selStart) + pasted + fieldText.substr(selEnd);
  std::size_t i = 0;
  if (i < result.size() && result[i] == '-') ++i;
  while (i < result.size() && std::isdigit(static_cast<unsigned char>(result[i]))) ++i;
  if (i < result.size() && result[i] == '.') {
    ++i;
    std::size_t decimals = 0;
    while (i < result.size() && std::isdigit(static_cast<unsigned char>(result[i]))) ++i, ++decimals;
    if (decimals > 2) return false;
  }
  return i == result.size();
}

bool IsNumericFieldColour(long long backColour) {
  return backColour == NumberFieldColour || backColour == BlankNumberFieldColour ||
         backColour == RequiredFieldColour;
}
