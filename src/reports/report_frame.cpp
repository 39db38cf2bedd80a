#include "reports/report_frame.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "platform/platform.h"
#include "shell/design_grid.h"
#include "shell/paragraph_drawing.h"
#include "shell/shell_globals.h"

namespace {

constexpr pf::Rgb kBandGrey = pf::MakeRgb(220, 220, 220);

int ReportFontInUse = ReportFont;

// What heads a page that the rows of the current block go on to.
struct Continuation {
  std::string title;
  std::function<void()> headings;
  bool withTitle = true;
};

// The headings drawn since the last row: where they begin on their page and among its drawings. A page
// they are taken to is headed as a page that a row moved to would have been when they began.
struct HeadingRun {
  int from = 0;
  int y = 0;
  int page = 0;
  bool opensSection = false;
  Continuation before;
};

// Everything the frame keeps about where pages end; a report starts with it fresh.
struct PageCarry {
  Continuation continued;
  bool heading = false;  // the continuation is being drawn: rows it draws itself are not moved again
  std::optional<HeadingRun> run;
  int headingDepth = 0;  // inside a heading, keeps are the heading's own
  // Pages are counted so that a y kept from one page is never taken for a y on another. The last carry
  // says which y of the page before went where on this one.
  int page = 0;
  struct {
    int page = -1;
    int fromY = 0;
    int dy = 0;
  } moved;
};
PageCarry Carry;
constexpr int kMeasuredPage = -2;

void PageStarted() {
  ++Carry.page;
  Carry.run.reset();
}

// Heads a page that a row was moved to; the row goes on with its own margins and font.
void PrintContinuation(const Continuation& c) {
  const int left = PrintLeft, right = PrintRight, font = ReportFontInUse;
  Carry.heading = true;
  SelectReportFont(ReportFont);
  if (c.withTitle && !c.title.empty())
    DrawParagraph(c.title + " (continued)", 1.5, 0, ReportWidth, -1, 0, -1, 0);
  if (c.headings) c.headings();
  SelectReportFont(font);
  ReportMoveTo(left, right, -1);
  Carry.heading = false;
}

// How far down a page its continued headings reach.
int ContinuationHeight(const Continuation& c) {
  const int y = PrintY;
  PrintY = 0;
  const int height = ReportMeasure([&c] { PrintContinuation(c); });
  PrintY = y;
  return height;
}

// A row that does not fit goes on a new page under the headings of its block.
void StartContinuedPage() {
  pf::NewPrinterPage();
  PageStarted();
  ReportMoveTo(-1, -1, 0);
  PrintContinuation(Carry.continued);
}

// Whether the headings drawn since the last row can go to the next page with the row whose last line
// begins `down` below the cursor: they do not already open their page, and they and the row fit under
// what heads the new page.
bool RunCarries(const HeadingRun& run, int down) {
  if (run.page != Carry.page || run.y <= 10) return false;
  const int span = (PrintY - run.y) + std::max(down, 0), room = LastLineTop();
  // Headings and a row that take no more than half a page fit under any page's continued headings; only
  // a taller run is measured against them.
  if (span + 10 > room) return false;
  if (run.opensSection || span <= room / 2) return true;
  return ContinuationHeight(run.before) + span <= room;
}

// Takes the headings drawn since the last row, with the row, to a new page: a section taken there starts
// where sections that begin a page start, other headings go under their section's continued title. Keeps
// made inside a heading leave the run open, so the rest of the heading joins it. The run is taken by value:
// the new page ends the one it was kept in.
void CarryHeadingRun(HeadingRun run, bool row) {
  const int y = PrintY;
  pf::NewPrinterPageCarrying(run.from);
  PageStarted();
  ReportMoveTo(-1, -1, run.opensSection ? 10 : 0);
  if (!run.opensSection) PrintContinuation(run.before);
  const int top = PrintY, first = pf::PrinterPageDrawings();
  const int dy = top - run.y;
  pf::PlaceCarriedDrawings(dy);
  Carry.moved = {Carry.page, run.y, dy};
  PrintY = y + dy;
  if (!row) Carry.run = HeadingRun{first, top, Carry.page, run.opensSection, run.before};
}

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
  Carry = {};
  SetPageStartedHandler([] {
    PageStarted();
    PrintContinuation(Carry.continued);
  });
  ReportScale = pf::PrinterDpiY() > 0 ? pf::PrinterDpiY() / 96.0 : 1.0;
  pf::LoadFont(ReportFont, "Arial", ReportFontSize(12, ReportScale));
  pf::LoadFont(ReportUnderlineFont, "Arial", ReportFontSize(12, ReportScale),
               pf::FontStyle{.underline = true});
  pf::LoadFont(ReportBoldFont, "Arial", ReportFontSize(12, ReportScale), pf::FontStyle{.bold = true});
  pf::LoadFont(ReportSmallFont, "Arial", ReportFontSize(10, ReportScale));
  pf::FrontColour(kBlack);
  pf::BackColour(kWhite);
  pf::DrawingMode(pf::DrawMode::Default);
  SelectReportFont(ReportFont);
  ReportWidth = pf::PrinterPageWidth();

  DrawParagraph(pf::GetGadgetText(CompanyNameField), 1, 0, ReportWidth - 100, 20, 0, -1, 0);
  DrawParagraph(pf::GetGadgetText(RecordTitleText), 2, -1, -1, -1, 0, -1, 0);
  return true;
}

void EndReport() {
  Carry = {};
  SetPageStartedHandler(nullptr);
  pf::StopDrawing();
  if (!pf::StopPrinting()) ReportPrintFailure();
}

int ReportColumn(double fraction) { return ReportColumn(fraction, ReportWidth); }
int ReportPageHeight() { return pf::PrinterPageHeight(); }
int ReportCursorY() { return DrawParagraph("", 0, -1, -1, -1, 0, -1, 0); }

void SelectReportFont(int font) {
  ReportFontInUse = font;
  pf::DrawingFont(font);
}

int ReportFontSelected() { return ReportFontInUse; }

// The cursor is read as it stands: a cursor moved past the page's end by an advance starts the new page
// here, with the row.
bool ReportKeepDown(int down) {
  if (Carry.heading || MeasuringParagraphs()) return false;
  const bool row = Carry.headingDepth == 0;
  if (ReportFits(down)) {
    if (row) Carry.run.reset();
    return false;
  }
  if (Carry.run && RunCarries(*Carry.run, down)) {
    CarryHeadingRun(*Carry.run, row);
  } else {
    StartContinuedPage();
  }
  return true;
}

// A row's last line leaves room under it for the row's rule at its usual distance: the widest rule a row
// closes with, a bar of 2 one and a half lines below the line.
bool ReportFits(int down) {
  if (Carry.heading || MeasuringParagraphs() || ReportPageHeight() <= 0 || PrintY <= 10) return true;
  const int lastLine = PrintY + std::max(down, 0);
  const int lineHeight = ReportLineHeight();  // every text of a font is as high
  return lastLine <= LastLineTop(lineHeight) &&
         lastLine + int(std::lround(1.5 * lineHeight)) + ReportBarHeight(2, ReportScale) <=
             ReportPageHeight();
}

ReportHeading::ReportHeading(bool opensSection) {
  if (!Carry.heading && !Carry.run && !MeasuringParagraphs())
    Carry.run = HeadingRun{pf::PrinterPageDrawings(), PrintY, Carry.page, opensSection, Carry.continued};
  ++Carry.headingDepth;
}

ReportHeading::~ReportHeading() { --Carry.headingDepth; }

ReportPlace ReportPlaceAt(int y) { return {y, Carry.page}; }

int ReportPlaceY(const ReportPlace& place, int otherwise) {
  if (place.page == Carry.page) return place.y;
  if (Carry.moved.page == Carry.page && place.page == Carry.page - 1 && place.y >= Carry.moved.fromY)
    return place.y + Carry.moved.dy;
  return otherwise;
}

void ReportContinueWith(std::function<void()> headings, bool withTitle) {
  Carry.continued.headings = std::move(headings);
  Carry.continued.withTitle = withTitle;
}

bool ReportKeepLines(int lines) { return ReportKeepDown((lines - 1) * ReportLineHeight()); }
int ReportLineHeight() { return pf::TextHeight("H"); }
int ReportAdvanceHeight(double lines) { return int(std::lround(pf::TextHeight("L") * lines)); }

int ReportLines(const std::string& text, int left, int right, int hang) {
  return ParagraphLines(text, left, left, right, hang);
}

int ReportTextEnd(const std::string& text, int left, int right) {
  const int end = left + pf::TextWidth(text);
  return end <= right ? end : right;
}

void ReportSectionHeading(const std::string& title, double advance) {
  // A title is not left alone at the foot of a page.
  Carry.continued = {};
  Carry.run.reset();
  const ReportHeading heading(true);
  ReportKeepDown(ReportLineHeight() + ReportBarHeight(3, ReportScale) + ReportAdvanceHeight(advance) +
                 2 * ReportLineHeight());
  Carry.continued.title = ReportUpper(title);
  DrawParagraph(ReportUpper(title), 1, 0, -1, -1, 0, -1, 0);
  DrawParagraph("", advance, 0, -1, -1, 0, 7, ReportBarHeight(3, ReportScale));
}

// Places kept while a block is measured stand on no page, so that none is taken for a y of a real one.
int ReportMeasure(const std::function<void()>& draw) {
  const int x = PrintX, y = PrintY, left = PrintLeft, right = PrintRight, font = ReportFontInUse;
  const int page = Carry.page;
  Carry.page = kMeasuredPage;
  int moved = 0;
  {
    const ParagraphMeasuring measuring;
    draw();
    moved = PrintY - y;
  }
  Carry.page = page;
  PrintX = x, PrintY = y, PrintLeft = left, PrintRight = right;
  SelectReportFont(font);
  return moved;
}

void ReportBox(int x, int y, int w, int h, uint32_t colour) {
  if (!MeasuringParagraphs()) pf::Box(x, y, w, h, colour);
}

void ReportNewPage() {
  if (MeasuringParagraphs()) return;
  pf::NewPrinterPage();
  PageStarted();
  DrawParagraph("", 0, 0, ReportWidth, 10, 0, -1, 0);
}

void ReportBreakBeyond(int limit) {
  if (ReportCursorY() > limit) ReportNewPage();
}

void ReportSectionBreak() { ReportBreakBeyond(ReportPageHeight() / 2); }

namespace {

// A rule or bar under a row whose last line ended low on the page is drawn at the page's foot rather than
// on a page of its own; the next row starts the next page under its headings. Returns what DrawParagraph
// returns for the mark (the y below a bar).
int RowRule(int style, int height, double advance) {
  int y = PrintY;
  const int thickness = std::max(height, 1);
  if (ReportPageHeight() > 0 && y + thickness > ReportPageHeight())
    y = std::max(0, ReportPageHeight() - thickness);
  if (MeasuringParagraphs()) {
  } else if (style == 6) {
    pf::LineXY(0, y, ReportWidth, y, kBlack);
  } else {
    pf::Box(0, y, ReportWidth, height, kBlack);
  }
  PrintLeft = PrintX = 0;
  PrintY = y + height + ReportAdvanceHeight(advance);
  return y + height;
}

}  // namespace

int ReportRule(double advance) { return RowRule(6, 0, advance); }
int ReportBar(double k, double advance) { return RowRule(7, ReportBarHeight(k, ReportScale), advance); }

// The band's texts are drawn on its grey.
void OpenReportBand(double lines, int keepAfter) {
  const int height = RoundHalfEven(lines * pf::TextHeight("I"));
  ReportKeepDown(height + keepAfter * ReportLineHeight());
  const int top = ReportCursorY();
  ReportBox(0, top, ReportWidth, height, kBandGrey);
  pf::BackColour(kBandGrey);
  DrawParagraph("", 0.25, 0, -1, -1, 0, -1, 0);
}

void CloseReportBand() { pf::BackColour(kWhite); }

std::string ReportCellText(int gadget) {
  std::string text = pf::GetGadgetText(gadget);
  if (pf::GadgetKind(gadget) == pf::Kind::Text) text = ShownCaption(text);
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

int ReportLineHere() {
  const int x = PrintX, left = PrintLeft;
  const int y = RowRule(6, 0, 0);
  PrintX = x, PrintLeft = left;  // the cursor stays
  return y;
}

void ReportVerticalLines(std::span<const int> xs, int top, int bottom) {
  if (bottom < top || MeasuringParagraphs()) return;
  for (const int x : xs) pf::Line(x, top, 0, bottom - top, kBlack);
}

void ReportSeparators::Down(int y2) {
  const int y1 = ReportPlaceY(top, 0);  // from the page's top when a new page began inside the row
  const int w = ReportBarHeight(2, ReportScale);
  for (const int x : xs) ReportBox(x, y1, w, y2 - y1, kBlack);
  Start(y2);
}
