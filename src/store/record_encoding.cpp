#include "store/record_encoding.h"

#include <cmath>
#include <cstdio>

#include "shell/date_arithmetic.h"
#include "shell/number_text.h"

namespace {

constexpr std::size_t kStoredIndustryFields = 24;  // s0 to s23; s24 is the hidden mark

bool AllDigits(std::string_view s) {
  for (char c : s)
    if (c < '0' || c > '9') return false;
  return true;
}

}  // namespace

std::string StoredColumnName(const CellIndex& cell) {
  std::string name = "field_";
  for (int i = 0; i < cell.count; ++i) {
    if (i) name += 'x';
    name += std::to_string(cell.at[i]);
  }
  return name;
}

bool ParseStoredColumnName(std::string_view name, int count, CellIndex& cell) {
  if (name.find("field_") == std::string_view::npos) return false;
  std::string_view rest = name.substr(name.find('_') + 1);
  cell = {};
  cell.count = count;
  for (int i = 0; i < count; ++i) {
    const std::size_t x = rest.find('x');
    const std::string_view part = rest.substr(0, x);
    // Nine digits at most: an index no array has, but no overflow either.
    if (!AllDigits(part) || part.size() > 9) return false;
    cell.at[i] = part.empty() ? 0 : std::stoi(std::string(part));
    rest = x == std::string_view::npos ? std::string_view() : rest.substr(x + 1);
  }
  return true;
}

std::string SlashDateText(const pf::Date& d) {
  return std::to_string(d.year) + "/" + std::to_string(d.month) + "/" + std::to_string(d.day);
}

std::string DashDateText(const pf::Date& d) {
  char text[48];
  std::snprintf(text, sizeof text, "%d-%02d-%02d", d.year, d.month, d.day);
  return text;
}

int StoredInteger(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  long long value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    value = value * 10 + (text[i] - '0');
    if (value > 2147483647LL) value = 2147483647LL;
  }
  return int(negative ? -value : value);
}

pf::Date ParseStoredDate(std::string_view text, char separator) {
  const std::size_t first = text.find(separator);
  const std::size_t second = first == std::string_view::npos ? first : text.find(separator, first + 1);
  pf::Date d;
  d.year = StoredInteger(text.substr(0, first));
  if (first != std::string_view::npos) d.month = StoredInteger(text.substr(first + 1, second - first - 1));
  if (second != std::string_view::npos) d.day = StoredInteger(text.substr(second + 1));
  return d;
}

std::string StoredDateInWords(const std::string& text) {
  const std::size_t first = text.find('-');
  const pf::Date d = ParseStoredDate(text, '-');
  if (d.month < 1 || d.month > 12) return text;
  return MonthName(d.month) + " " + std::to_string(d.day) + ", " + text.substr(0, first);
}

int IncidentTypeColumn(std::string_view storedType) {
  const double code = std::trunc(LeadingValue(TextNoCommas(storedType)));
  return code >= 0 && code <= 3 ? int(code) + 1 : 5;
}

std::string CompoundSafe(std::string text) {
  for (char& c : text)
    if (c == '\r' || c == '\n' || c == kFieldEnd) c = ' ';
  return text;
}

std::string EncodeLabour(const LabourArray& labour) {
  std::string text;
  for (int g = 0; g <= 10; ++g) {
    text += CompoundSafe(labour(g, 0, 0)) + kFieldEnd;
    for (int f = 1; f <= 10; ++f) {
      text += CompoundSafe(labour(g, 0, f)) + kFieldEnd;
      text += CompoundSafe(labour(g, 1, f)) + kFieldEnd;
    }
    text += kRecordEnd;
  }
  return text;
}

void DecodeLabour(std::string_view text, LabourArray& labour) {
  int g = 0, k = 0, f = 0;
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size() && g <= 10; ++i) {
    const char c = text[i];
    if (c == kFieldEnd) {
      const std::string token(text.substr(start, i - start));
      if (f == 0) {
        labour(g, 0, 0) = token;
        f = 1;
      } else {
        labour(g, k, f) = token;  // a field past 10 has no cell and is dropped
        k = 1 - k;
        if (k == 0) ++f;
      }
      start = i + 1;
    } else if (c == kRecordEnd) {
      ++g;
      k = f = 0;
      start = i + 1;
    }
  }
}

std::string EncodeIndustryCodes(const std::vector<IndustryCodeEntry>& list) {
  std::string text;
  for (const auto& entry : list) {
    if (!entry.s[kStoredIndustryFields].empty()) continue;  // hidden
    for (std::size_t f = 0; f < kStoredIndustryFields; ++f) text += CompoundSafe(entry.s[f]) + kFieldEnd;
    text += kRecordEnd;
  }
  return text;
}

std::vector<IndustryCodeEntry> DecodeIndustryCodes(std::string_view text) {
  std::vector<IndustryCodeEntry> list;
  std::size_t start = 0;
  for (std::size_t end = text.find(kRecordEnd);
       end != std::string_view::npos && list.size() < kMaxStoredIndustryCodes;
       start = end + 1, end = text.find(kRecordEnd, start)) {
    const std::string_view record = text.substr(start, end - start);
    if (record.empty()) continue;
    IndustryCodeEntry entry;
    entry.s[kStoredIndustryFields - 1] = "yo";
    std::size_t from = 0;
    for (std::size_t f = 0; f < kStoredIndustryFields; ++f) {
      const std::size_t esc = record.find(kFieldEnd, from);
      if (esc == std::string_view::npos) break;
      entry.s[f] = std::string(record.substr(from, esc - from));
      from = esc + 1;
    }
    list.push_back(std::move(entry));
  }
  return list;
}
