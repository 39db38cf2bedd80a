// The texts of a report's lines: bullets, labels and values, right-aligned figures and captions, column
// headings and captions side by side, each kept inside its column.
#include <algorithm>
#include <climits>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "reports/report_frame.h"
#include "shell/paragraph_drawing.h"
#include "shell/shell_globals.h"

namespace {

constexpr const char* kBullet = "\xE2\x80\xA2 ";

// Loads a smaller size of the font in use as the fitted font and selects it, the largest whose `text`
// is at most `room` wide.
void SelectFittedFont(const std::string& text, int room) {
  const bool small = ReportFontSelected() == ReportSmallFont;
  const pf::FontStyle style{.bold = ReportFontSelected() == ReportBoldFont,
                            .underline = ReportFontSelected() == ReportUnderlineFont};
  const int width = std::max(1, pf::TextWidth(text));
  int size = ReportFontSize(small ? 10 : 12, ReportScale);
  size = std::clamp(int(size * double(std::max(room, 0)) / width), 1, size);
  for (;; --size) {
    pf::LoadFont(ReportFittedFont, "Arial", size, style);
    pf::DrawingFont(ReportFittedFont);
    if (size == 1 || pf::TextWidth(text) <= room) return;
  }
}

}  // namespace

int ReportBullet(const std::string& text, double lineFactor, int left, int right, int y) {
  return DrawParagraph(kBullet + text, lineFactor, left, right, y, 2, -1, 0);
}

int ReportBulletLines(const std::string& text, int left, int right) {
  return ReportLines(kBullet + text, left, right, 2);
}

int ReportLabelEndingAt(const std::string& label, int edge) {
  const int right = PrintRight;
  const int lastLine = DrawParagraph(label, 0, std::max(10, edge - pf::TextWidth(label)), edge, -1, 0, -1, 0);
  PrintRight = right;
  return lastLine;
}

void ReportDescriptionLine(const std::string& label, const std::string& value, int a, int b, double f) {
  const std::string text = label + ":";
  // The value begins on the label's last line; the two stand on one page.
  ReportKeepLines(ReportLines(text, std::max(10, a - pf::TextWidth(text)), a) - 1 +
                  ReportLines(value, b, PrintRight));
  ReportLabelEndingAt(text, a);
  DrawParagraph(value, f, b, -1, -1, 0, -1, 0);
}

namespace {

// The first `count` bytes of `word` that fit in `room`, whole UTF-8 characters and at least one.
std::size_t FittingPrefix(const std::string& word, int room) {
  std::size_t fits = 0;
  for (std::size_t end = 1; end <= word.size(); ++end) {
    if (end < word.size() && (static_cast<unsigned char>(word[end]) & 0xC0) == 0x80) continue;
    if (fits > 0 && pf::TextWidth(word.substr(0, end)) > room) break;
    fits = end;
  }
  return fits;
}

// The lines of a text wrapped greedily at its spaces to `room`.
std::vector<std::string> WrappedLines(const std::string& text, int room) {
  std::vector<std::string> lines;
  std::string line;
  std::size_t at = 0;
  while (at <= text.size()) {
    const std::size_t space = std::min(text.find(' ', at), text.size());
    std::string word = text.substr(at, space - at);
    at = space + 1;
    const std::string joined = line.empty() ? word : line + " " + word;
    if (pf::TextWidth(joined) <= room) {
      line = joined;
      continue;
    }
    if (!line.empty()) lines.push_back(line);
    while (word.size() > 1 && pf::TextWidth(word) > room) {
      const std::size_t cut = FittingPrefix(word, room);
      lines.push_back(word.substr(0, cut));
      word.erase(0, cut);
    }
    line = word;
  }
  if (!line.empty() || lines.empty()) lines.push_back(line);
  return lines;
}

// A text's trailing blanks keep it clear of the edge: every wrapped line ends with them.
std::vector<std::string> RightAlignedLines(const std::string& text, int edge, int cellLeft) {
  const std::size_t end = text.find_last_not_of(' ');
  const std::string trail = end == std::string::npos ? "" : text.substr(end + 1);
  auto lines =
      WrappedLines(text.substr(0, text.size() - trail.size()), edge - pf::TextWidth(trail) - cellLeft);
  for (auto& line : lines) line += trail;
  return lines;
}

}  // namespace

int ReportRightAlignedLines(const std::string& text, int edge, int cellLeft) {
  return int(RightAlignedLines(text, edge, cellLeft).size());
}

int ReportRightAlignedText(const std::string& text, int edge, int cellLeft, int y) {
  int lineY = y - ReportLineHeight();
  for (const auto& line : RightAlignedLines(text, edge, cellLeft)) {
    lineY += ReportLineHeight();
    ReportMoveTo(-1, -1, lineY);
    ReportRightAligned(line, edge);
  }
  return lineY;
}

void ReportRightAligned(const std::string& text, int edge, int cellLeft) {
  const int width = pf::TextWidth(text);
  if (edge - width >= cellLeft || text.empty()) {
    // The right limit is opened to the page so that the text never wraps; it ends exactly at its edge.
    DrawParagraph(text, 0, edge - width, ReportWidth + 1, -1, 0, -1, 0);
    return;
  }
  // Centred on the line in a smaller size; drawn where it stands, since a smaller text cannot need a page.
  const int y = ReportCursorY();
  const int font = ReportFontSelected();
  const int height = pf::TextHeight("H");
  SelectFittedFont(text, edge - cellLeft);
  const int fitted = pf::TextWidth(text);
  ReportMoveTo(edge - fitted, ReportWidth + 1, y);
  if (!MeasuringParagraphs()) pf::DrawText(edge - fitted, y + (height - pf::TextHeight("H")) / 2, text);
  SelectReportFont(font);
  PrintX = edge;
}

namespace {

// Where the cell of each value begins: after the column before the values, then after the value and unit
// before it.
std::vector<int> ValueCells(std::span<const ReportValue> values, int columnEnd) {
  const int gap = pf::TextWidth(" ");
  std::vector<int> cells;
  int cellLeft = columnEnd + gap;
  for (const auto& v : values) {
    cells.push_back(cellLeft);
    cellLeft = v.edge + (v.unmeasured.empty() ? 0 : pf::TextWidth(v.unmeasured)) + gap;
  }
  return cells;
}

}  // namespace

int ReportValueLines(std::span<const ReportValue> values, int columnEnd) {
  if (std::none_of(values.begin(), values.end(), [](const ReportValue& v) { return v.words; })) return 1;
  const auto cells = ValueCells(values, columnEnd);
  int lines = 1;
  for (std::size_t i = 0; i < values.size(); ++i)
    if (values[i].words)
      lines = std::max(lines, ReportRightAlignedLines(values[i].text, values[i].edge, cells[i]));
  return lines;
}

int ReportValuesOnLine(std::span<const ReportValue> values, int columnEnd, int y) {
  const auto cells = ValueCells(values, columnEnd);
  int lastLine = y;
  for (std::size_t i = 0; i < values.size(); ++i) {
    const ReportValue& v = values[i];
    DrawParagraph("", 0, -1, -1, y, 0, -1, 0);
    if (v.words) {
      lastLine = std::max(lastLine, ReportRightAlignedText(v.text, v.edge, cells[i], y));
    } else {
      ReportRightAligned(v.text, v.edge, cells[i]);
    }
    if (!v.unmeasured.empty()) DrawParagraph(v.unmeasured, 0, -1, -1, -1, 0, -1, 0);
  }
  return lastLine;
}

int ReportValueRow(const std::string& label, std::span<const ReportValue> values, int right, double bar,
                   double ruleAdvance, int labelLeft) {
  // Words beside the label (a date) have the room to stand whole on their line, and a figure to stand at
  // its full size: the label wraps sooner, down to its widest word, rather than leave them a cell they
  // would be broken or drawn smaller in.
  if (!values.empty()) {
    const ReportValue& v = values.front();
    const int room = v.edge - pf::TextWidth(v.text) - pf::TextWidth(" ");
    if (room < right) right = std::max(room, std::min(right, labelLeft + ReportWidestWord(label) + 1));
  }
  const int columnEnd = ReportTextEnd(label, labelLeft, right);
  ReportKeepLines(std::max(ReportLines(label, labelLeft, right), ReportValueLines(values, columnEnd)));
  const int lineY = ReportCursorY();
  const int valuesEnd = ReportValuesOnLine(values, columnEnd, lineY);
  const int labelEnd = DrawParagraph(label, 0, labelLeft, right, lineY, 0, -1, 0);
  ReportMoveTo(-1, -1, std::max(valuesEnd, labelEnd));
  DrawParagraph("", 1.5, 10, ReportWidth, -1, 0, -1, 0);
  return bar > 0 ? ReportBar(bar, ruleAdvance) : ReportRule(ruleAdvance);
}

void ReportHeadings(std::span<const ReportValue> headings, int font, double advance) {
  SelectReportFont(font);
  const int lineY = ReportCursorY();
  int cellLeft = 10, lastLine = lineY;
  for (const auto& h : headings) {
    lastLine = std::max(lastLine, ReportRightAlignedText(h.text, h.edge, cellLeft, lineY));
    cellLeft = h.edge + pf::TextWidth(" ");
  }
  DrawParagraph("", advance, 0, -1, lastLine, 0, -1, 0);
  SelectReportFont(ReportFont);
}

int ReportWidestWord(const std::string& text) {
  int widest = 0;
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t end = std::min(text.find(' ', at), text.size());
    widest = std::max(widest, pf::TextWidth(text.substr(at, end - at)));
    at = end + 1;
  }
  return widest;
}

int ReportCaptionLine(std::span<const ReportCaption> captions, int y) {
  const int gap = pf::TextWidth(" ");
  int lowest = y, after = INT_MIN;
  for (const auto& c : captions) {
    const int left = std::max(c.left, after);
    // A line must end strictly left of its limit; a word that fits its column exactly stays whole.
    const int right = std::max(c.right, left + ReportWidestWord(c.text) + 1);
    lowest = std::max(lowest, DrawParagraph(c.text, 0, left, right, y, 0, -1, 0));
    after = (left + pf::TextWidth(c.text) <= right ? left + pf::TextWidth(c.text) : right) + gap;
  }
  ReportMoveTo(-1, -1, lowest);
  return lowest;
}
