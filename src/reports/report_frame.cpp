#include "reports/report_frame.h"

#include <algorithm>

#include "platform/platform.h"
#include "shell/design_grid.h"
#include "shell/paragraph_drawing.h"
#include "shell/shell_globals.h"

namespace {

constexpr pf::Rgb kBandGrey = pf::MakeRgb(220, 220, 220);

void ReportPrintFailure() {
  pf::MessageRequester("Print", "The report could not be printed. Please check the printer and try again.");
}

}  // namespace

bool BeginReport() {
  if (!pf::PrintRequester("Report")) return false;
  if (!pf::StartPrinting()) {
    ReportPrintFailure();
    return false;
  }
  pf::StartDrawingOnPrinter();
  ReportScale = pf::PrinterDpiY() > 0 ? pf::PrinterDpiY() / 96.0 : 1.0;
  pf::LoadFont(ReportFont, "Arial", ReportFontSize(12, ReportScale));
  pf::LoadFont(ReportUnderlineFont, "Arial", ReportFontSize(12, ReportScale),
               pf::FontStyle{.underline = true});
  pf::LoadFont(ReportBoldFont, "Arial", ReportFontSize(12, ReportScale), pf::FontStyle{.bold = true});
  pf::LoadFont(ReportSmallFont, "Arial", ReportFontSize(10, ReportScale));
  pf::FrontColour(kBlack);
  pf::BackColour(kWhite);
  pf::DrawingMode(pf::DrawMode::Default);
  pf::DrawingFont(ReportFont);
  ReportWidth = pf::PrinterPageWidth();

  DrawParagraph(pf::GetGadgetText(CompanyNameField), 1, 0, ReportWidth - 100, 20, 0, -1, 0);
  DrawParagraph(pf::GetGadgetText(RecordTitleText), 2, -1, -1, -1, 0, -1, 0);
  return true;
}

void EndReport() {
  pf::StopDrawing();
  if (!pf::StopPrinting()) ReportPrintFailure();
}

int ReportColumn(double fraction) { return ReportColumn(fraction, ReportWidth); }
int ReportPageHeight() { return pf::PrinterPageHeight(); }
int ReportCursorY() { return DrawParagraph("", 0, -1, -1, -1, 0, -1, 0); }

void ReportSectionHeading(const std::string& title, double advance) {
  DrawParagraph(ReportUpper(title), 1, 0, -1, -1, 0, -1, 0);
  DrawParagraph("", advance, 0, -1, -1, 0, 7, ReportBarHeight(3, ReportScale));
}

void ReportNewPage() {
  pf::NewPrinterPage();
  DrawParagraph("", 0, 0, ReportWidth, 10, 0, -1, 0);
}

void ReportBreakBeyond(int limit) {
  if (ReportCursorY() > limit) ReportNewPage();
}

void ReportSectionBreak() { ReportBreakBeyond(ReportPageHeight() / 2); }

int ReportRule(double advance) { return DrawParagraph("", advance, 0, -1, -1, 0, 6, 0); }

int ReportBar(double k, double advance) {
  return DrawParagraph("", advance, 0, -1, -1, 0, 7, ReportBarHeight(k, ReportScale));
}

// The band's texts are drawn on its grey.
void OpenReportBand(double lines) {
  const int top = ReportCursorY();
  pf::Box(0, top, ReportWidth, RoundHalfEven(lines * pf::TextHeight("I")), kBandGrey);
  pf::BackColour(kBandGrey);
  DrawParagraph("", 0.25, 0, -1, -1, 0, -1, 0);
}

void CloseReportBand() { pf::BackColour(kWhite); }

std::string ReportCellText(int gadget) {
  std::string text = pf::GetGadgetText(gadget);
  std::replace(text.begin(), text.end(), '\n', ' ');
  return text;
}

int ReportAdvance(double lines, int left, int right) {
  return DrawParagraph("", lines, left, right, -1, 0, -1, 0);
}

void ReportMoveTo(int left, int right, int y) { DrawParagraph("", 0, left, right, y, 0, -1, 0); }

int ReportText(const std::string& text, double lines, int left, int right) {
  return DrawParagraph(text, lines, left, right, -1, 0, -1, 0);
}

int ReportLineHere() { return DrawParagraph("", 0, -1, -1, -1, 0, 6, 0); }

void ReportVerticalLines(std::span<const int> xs, int top, int bottom) {
  if (bottom < top) return;
  for (const int x : xs) pf::Line(x, top, 0, bottom - top, kBlack);
}

void ReportGroupBand(int group, const std::string& occupation, int a, int b) {
  if (group > 1) ReportSectionBreak();
  OpenReportBand();
  DrawParagraph("Occupational group number: " + std::to_string(group), 0, 0, -1, -1, 0, -1, 0);
  const std::string caption = "Occupation of workers:";
  DrawParagraph("\xE2\x80\xA2 " + caption, 0,
                ReportColumn(0.5) - pf::TextWidth(caption) - pf::TextWidth("\xE2\x80\xA2 "), -1, -1, 0, -1,
                0);
  const std::string name = ReportUpper(occupation);
  DrawParagraph(name, 2, a + ((b - a) - pf::TextWidth(name)) / 2, -1, -1, 0, -1, 0);
  pf::BackColour(kWhite);
}

void ReportTotalsBand() {
  OpenReportBand();
  DrawParagraph("OCCUPATIONAL GROUP TOTALS", 2, 0, -1, -1, 0, -1, 0);
  pf::BackColour(kWhite);
}

int ReportBullet(const std::string& text, double lineFactor, int left, int right, int y) {
  return DrawParagraph("\xE2\x80\xA2 " + text, lineFactor, left, right, y, 2, -1, 0);
}

void ReportDescriptionLine(const std::string& label, const std::string& value, int a, int b, double f) {
  const std::string text = label + ":";
  DrawParagraph(text, 0, a - pf::TextWidth(text), -1, -1, 0, -1, 0);
  DrawParagraph(value, f, b, -1, -1, 0, -1, 0);
}

void ReportRightAligned(const std::string& text, int edge) {
  // The right limit is opened to the page so that the text never wraps; it ends exactly at its edge.
  DrawParagraph(text, 0, edge - pf::TextWidth(text), ReportWidth + 1, -1, 0, -1, 0);
}

int ReportValueRow(const std::string& label, std::span<const ReportValue> values, int right, double bar,
                   double ruleAdvance, int labelLeft) {
  const int lineY = ReportCursorY();
  for (const auto& v : values) {
    DrawParagraph("", 0, -1, -1, lineY, 0, -1, 0);
    ReportRightAligned(v.text, v.edge);
    if (!v.unmeasured.empty()) DrawParagraph(v.unmeasured, 0, -1, -1, -1, 0, -1, 0);
  }
  DrawParagraph(label, 0, labelLeft, right, lineY, 0, -1, 0);
  DrawParagraph("", 1.5, 10, ReportWidth, -1, 0, -1, 0);
  return bar > 0 ? ReportBar(bar, ruleAdvance) : ReportRule(ruleAdvance);
}

void ReportHeadings(std::span<const ReportValue> headings, int font, double advance) {
  pf::DrawingFont(font);
  const int lineY = ReportCursorY();
  for (const auto& h : headings) {
    DrawParagraph("", 0, -1, -1, lineY, 0, -1, 0);
    ReportRightAligned(h.text, h.edge);
  }
  DrawParagraph("", advance, 0, -1, -1, 0, -1, 0);
  pf::DrawingFont(ReportFont);
}

void ReportSeparators::Down(int y2) {
  if (y2 < y1) y1 = 0;  // a new page began inside the row
  const int w = ReportBarHeight(2, ReportScale);
  for (const int x : xs) pf::Box(x, y1, w, y2 - y1, kBlack);
  y1 = y2;
}
