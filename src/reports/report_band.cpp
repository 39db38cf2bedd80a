// The grey bands over the occupational groups of the analysis reports: the group's number, its caption and
// its occupation name, kept to a few lines at any page width.
#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "reports/report_frame.h"
#include "shell/paragraph_drawing.h"
#include "shell/shell_globals.h"

namespace {

constexpr const char* kCaption = "Occupation of workers:";

// A text of the band on its line (0 the first), from `left` to the right limit `right`.
struct BandText {
  std::string text;
  int left, right, line;
};

struct BandLayout {
  std::vector<BandText> texts;
  int lines = 1;
};

int Clamped(int x, int low, int high) { return std::max(low, std::min(x, high)); }

// The number stands at the band's left and the caption, its text ending at half the page, beside it. The
// name is centred over the value columns a..b on the caption's line when it fits there; otherwise it goes
// on the line below, under the caption's text, where the first band of a group wraps the full name and a
// band repeated on a continued page shortens it to one line, so that band stays one or two lines high.
BandLayout LayOutGroupBand(int group, const std::string& occupation, int a, int b, bool continued) {
  const int width = ReportWidth, gap = pf::TextWidth("  ");
  const std::string number =
      "Occupational group number: " + std::to_string(group) + (continued ? " (continued)" : "");
  const std::string caption = "\xE2\x80\xA2 " + std::string(kCaption);
  const int captionWidth = pf::TextWidth(caption);
  BandLayout band;
  band.texts.push_back({number, 0, width, 0});
  int captionLeft = std::max(ReportColumn(0.5) - captionWidth, pf::TextWidth(number) + gap), captionLine = 0;
  if (captionLeft + captionWidth > width) captionLeft = 0, captionLine = 1;
  band.texts.push_back({caption, captionLeft, width, captionLine});

  std::string name = ReportUpper(occupation);
  const int nameWidth = pf::TextWidth(name);
  const auto centredIn = [&](int low, const std::string& text) {
    const int w = text == name ? nameWidth : pf::TextWidth(text);
    return Clamped(a + ((b - a) - w) / 2, low, width - w - 1);
  };
  const int besideCaption = captionLeft + captionWidth + gap;
  const int underCaption = captionLeft + pf::TextWidth("\xE2\x80\xA2 ");
  if (nameWidth < width - besideCaption) {
    band.texts.push_back({name, centredIn(besideCaption, name), width, captionLine});
  } else if (continued && captionLine == 1) {
    name = ReportShortened(name, width - besideCaption - 1);
    band.texts.push_back({name, besideCaption, width, 1});
  } else if (continued) {
    name = ReportShortened(name, width - underCaption - 1);
    band.texts.push_back({name, centredIn(underCaption, name), width, 1});
  } else if (nameWidth < width - underCaption) {
    band.texts.push_back({name, centredIn(underCaption, name), width, captionLine + 1});
  } else {
    // Only a name wider than all the room under the caption takes more than one line.
    band.texts.push_back({name, underCaption, width, captionLine + 1});
    band.lines = captionLine + 1 + ReportLines(name, underCaption, width);
  }
  band.lines = std::max(band.lines, band.texts.back().line + 1);
  return band;
}

}  // namespace

std::string ReportShortened(const std::string& text, int room) {
  if (pf::TextWidth(text) <= room) return text;
  const std::string mark = "...";
  // At the end of the last whole word that fits; a first word too wide is cut between its characters.
  for (std::size_t end = text.rfind(' '); end != std::string::npos && end > 0;
       end = text.rfind(' ', end - 1)) {
    const std::string words = text.substr(0, text.find_last_not_of(' ', end) + 1);
    if (!words.empty() && pf::TextWidth(words + mark) <= room) return words + mark;
  }
  std::string cut = text.substr(0, text.find(' '));
  while (!cut.empty() && pf::TextWidth(cut + mark) > room) {
    std::size_t last = cut.size() - 1;
    while (last > 0 && (static_cast<unsigned char>(cut[last]) & 0xC0) == 0x80) --last;
    cut.erase(last);
  }
  return cut + mark;
}

void ReportGroupBand(int group, const std::string& occupation, int a, int b, bool continued) {
  if (group > 1 && !continued) ReportSectionBreak();
  std::optional<ReportHeading> heading;
  if (!continued) {
    ReportContinueWith(nullptr);
    heading.emplace();
  }
  const BandLayout band = LayOutGroupBand(group, occupation, a, b, continued);
  OpenReportBand(0.5 + band.lines, 4);
  const int lineY = ReportCursorY();
  for (const auto& t : band.texts)
    DrawParagraph(t.text, 0, t.left, t.right, lineY + t.line * ReportLineHeight(), 0, -1, 0);
  ReportMoveTo(0, ReportWidth, lineY + (band.lines - 1) * ReportLineHeight());
  ReportAdvance(2);
  CloseReportBand();
}

void ReportTotalsBand() {
  ReportContinueWith(nullptr);
  const ReportHeading heading;
  OpenReportBand(1.5, 4);
  DrawParagraph("OCCUPATIONAL GROUP TOTALS", 2, 0, -1, -1, 0, -1, 0);
  CloseReportBand();
}
