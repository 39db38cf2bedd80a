// Layout arithmetic of the reports, free of any printer.
#include <cctype>
#include <cmath>

#include "reports/report_frame.h"
#include "shell/design_grid.h"

int ReportFontSize(double points, double scale) { return RoundHalfEven(points * scale); }
int ReportColumn(double fraction, int pageWidth) { return RoundHalfEven(fraction * pageWidth); }
int ReportBarHeight(double k, double scale) { return RoundHalfEven(k * scale); }

bool GroupHoursInUse(const std::string& totalHours) {
  // Only the leading whole number counts: "12.7" is 12, "0.9" is 0, a text without digits is 0.
  std::size_t i = 0;
  while (i < totalHours.size() && totalHours[i] == ' ') ++i;
  if (i < totalHours.size() && totalHours[i] == '-') return false;
  long long whole = 0;
  bool any = false;
  for (; i < totalHours.size(); ++i) {
    const char c = totalHours[i];
    if (c == ',') continue;
    if (!std::isdigit(static_cast<unsigned char>(c))) break;
    any = true;
    whole = std::min<long long>(whole * 10 + (c - '0'), 1'000'000'000'000LL);
  }
  return any && whole > 0;
}

std::string ReportUpper(const std::string& text) {
  std::string upper = text;
  for (char& c : upper) c = char(std::toupper(static_cast<unsigned char>(c)));
  return upper;
}

std::string ShownCaption(const std::string& caption) {
  std::string shown;
  for (std::size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] != '&') {
      shown += caption[i];
    } else if (i + 1 < caption.size() && caption[i + 1] == '&') {
      shown += '&';
      ++i;
    }
  }
  return shown;
}
