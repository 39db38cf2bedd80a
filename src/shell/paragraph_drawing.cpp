// Marks (h = the height of "H"; each drawn at the cursor before the text, which then starts the width of
// "WI" further right, continuation lines aligned under it):
//   1 filled circle, radius h/4;  2 square outline h/2;  3 circle outline, then the default drawing mode;
//   5 orange rule from x 0 to PrintX + 1000;  6 black rule across the page;
//   7 black bar |barHeight| high across the page;  8 the same bar in the front colour;
//   other values of 0 or more: no shape.
// Wrapping is greedy: a line ends at the last space that leaves it strictly left of PrintRight, and the
// space stays with the line. A word wider than a whole line starts a line of its own and is broken where
// it reaches PrintRight, so nothing is drawn past the right limit and every paragraph ends.
#include "shell/paragraph_drawing.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>

#include "platform/platform.h"
#include "shell/shell_globals.h"

namespace {

// The first `count` characters of a UTF-8 text.
std::string CharacterPrefix(const std::string& text, int count) {
  std::size_t end = 0;
  for (int n = 0; n < count && end < text.size(); ++n) {
    ++end;
    while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) ++end;
  }
  return text.substr(0, end);
}

std::function<void()>& PageStarted() {
  static std::function<void()> handler;
  return handler;
}
bool HeadingPage = false;

// Laying out without drawing: ParagraphLines counts the lines of one paragraph, ParagraphMeasuring lays out
// whole blocks. Neither draws nor starts a page.
int MeasureDepth = 0;
bool CountingLines = false;
int MeasuredLines = 1;

// Only a printer has pages: a picture drawn after a report was printed must not be cut by that
// printer's page height. Tested before every line, so a long paragraph never runs off the page.
void BreakPageIfFull() {
  if (MeasureDepth > 0 || !pf::IsDrawingOnPrinter() || pf::PrinterPageHeight() <= 0) return;
  if (PrintY > LastLineTop()) {
    pf::NewPrinterPage();
    PrintY = 0;
    if (PageStarted() && !HeadingPage) {
      const int x = PrintX, left = PrintLeft, right = PrintRight;
      HeadingPage = true;
      PageStarted()();
      HeadingPage = false;
      PrintX = x, PrintLeft = left, PrintRight = right;
    }
  }
}

void NewLine(int x, const std::string& measured) {
  PrintX = x;
  PrintY += pf::TextHeight(measured);
  if (CountingLines) ++MeasuredLines;
  BreakPageIfFull();
}

void DrawPiece(const std::string& piece) {
  if (MeasureDepth == 0) pf::DrawText(PrintX, PrintY, piece);
}

// Draws the mark of a style and returns the new hanging indent.
int DrawMark(int style, int barHeight, int hang) {
  if (style == -1) return hang;
  const int h = pf::TextHeight("H");
  const int r = h / 4;
  const int bar = std::abs(barHeight);
  if (MeasureDepth > 0) {
    if (style == 7 || style == 8) PrintY += bar;
    style = 0;  // the cursor moves as the mark would move it; nothing is drawn
  }
  switch (style) {
    case 1:
      pf::Circle(PrintX + r, PrintY + 2 * r, r, pf::CurrentFrontColour());
      break;
    case 2:
      DrawFrame(PrintX, PrintY + h / 4, h / 2, h / 2);
      break;
    case 3:
      pf::DrawingMode(pf::DrawMode::Outlined);
      pf::Circle(PrintX + r, PrintY + 2 * r, r, pf::CurrentFrontColour());
      pf::DrawingMode(pf::DrawMode::Default);
      break;
    case 5:
      pf::LineXY(0, PrintY, PrintX + 1000, PrintY, OrangeColour);
      break;
    case 6:
      pf::LineXY(0, PrintY, pf::PrinterPageWidth(), PrintY, kBlack);
      break;
    case 7:
    case 8:
      pf::Box(0, PrintY, pf::PrinterPageWidth(), bar, style == 7 ? kBlack : pf::CurrentFrontColour());
      PrintY += bar;
      break;
    default:
      break;
  }
  PrintX += pf::TextWidth("WI");
  return PrintX - PrintLeft;
}

// The end of the first UTF-8 character of a text that starts at `from`.
std::size_t NextCharacter(const std::string& text, std::size_t from) {
  std::size_t end = from + 1;
  while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) ++end;
  return end;
}

// How much of a word (its first `wordEnd` bytes) fits between PrintX and PrintRight: whole characters, at
// least one, so that a word wider than any line still ends.
std::size_t FittingPart(const std::string& text, std::size_t wordEnd) {
  std::size_t fits = NextCharacter(text, 0);
  while (fits < wordEnd) {
    const std::size_t next = std::min(NextCharacter(text, fits), wordEnd);
    if (PrintX + pf::TextWidth(text.substr(0, next)) > PrintRight) break;
    fits = next;
  }
  return fits;
}

// Draws a text wider than the room left on the line, line by line; returns the last piece drawn.
std::string DrawWrapped(std::string text, int hang) {
  text += ' ';
  bool freshLine = false;  // a continuation line with nothing on it yet
  for (;;) {
    // The line ends after the last space whose line still fits. Prefix widths only grow, so the search
    // stops at the first space that does not fit: a long text costs what its lines cost, not its square.
    std::size_t i = 0;
    for (std::size_t space = text.find(' '); space != std::string::npos; space = text.find(' ', space + 1)) {
      if (PrintX + pf::TextWidth(text.substr(0, space + 1)) >= PrintRight) break;
      i = space + 1;
    }
    if (i == 0) {
      // The first word does not fit after what is on the line: it goes to the margin when it fits there;
      // one wider than any line starts a line of its own and is broken at the edge.
      const std::size_t wordEnd = text.find(' ');
      if (PrintX > PrintLeft && PrintLeft + pf::TextWidth(text.substr(0, wordEnd + 1)) < PrintRight) {
        if (freshLine) {
          PrintX = PrintLeft;  // an empty line is not left behind
        } else {
          NewLine(PrintLeft, "H");
        }
        freshLine = false;
        continue;
      }
      if (PrintX > PrintLeft + hang) {
        NewLine(PrintLeft + hang, "H");
        freshLine = true;
        continue;
      }
      i = FittingPart(text, wordEnd);
    }
    const std::string piece = text.substr(0, i);
    DrawPiece(piece);
    freshLine = false;
    // A broken word that ends at the edge leaves only the closing blank: no line is begun for it.
    if (text.find_first_not_of(' ', i) == std::string::npos) return piece;
    text.erase(0, i);
    // After no more than the indent (a bullet), a new line would give the rest no more room.
    const int after = PrintX + pf::TextWidth(piece);
    if (after <= PrintLeft + hang) {
      PrintX = after;
      continue;
    }
    NewLine(PrintLeft + hang, text);
    freshLine = true;
  }
}

}  // namespace

void DrawFrame(int x, int y, int width, int height) {
  const pf::Rgb colour = pf::CurrentFrontColour();
  pf::LineXY(x, y, x + width, y, colour);
  pf::LineXY(x + width, y, x + width, y + height, colour);
  pf::LineXY(x + width, y + height, x, y + height, colour);
  pf::LineXY(x, y + height, x, y, colour);
}

ParagraphMeasuring::ParagraphMeasuring() { ++MeasureDepth; }
ParagraphMeasuring::~ParagraphMeasuring() { --MeasureDepth; }
bool MeasuringParagraphs() { return MeasureDepth > 0; }

void SetPageStartedHandler(std::function<void()> handler) { PageStarted() = std::move(handler); }

// No line begins below 98 % of the page, nor so low that the line would reach past the page's end (on a
// page short for its font).
int LastLineTop() { return LastLineTop(pf::TextHeight("H")); }

int LastLineTop(int lineHeight) {
  const int height = pf::PrinterPageHeight();
  return std::min(int(std::lround(height * 0.98)), height - lineHeight);
}

int ParagraphLines(const std::string& paragraph, int x, int left, int right, int hang) {
  std::string text = paragraph;
  std::replace(text.begin(), text.end(), '\r', ' ');
  if (text.empty() || x + pf::TextWidth(text) <= right) return 1;
  const int savedX = PrintX, savedY = PrintY, savedLeft = PrintLeft, savedRight = PrintRight;
  PrintX = x, PrintLeft = left, PrintRight = right;
  hang = hang > 0 ? pf::TextWidth(CharacterPrefix(text, hang)) : 0;
  const ParagraphMeasuring measuring;
  CountingLines = true;
  MeasuredLines = 1;
  DrawWrapped(text, hang);
  CountingLines = false;
  PrintX = savedX, PrintY = savedY, PrintLeft = savedLeft, PrintRight = savedRight;
  return MeasuredLines;
}

int DrawParagraph(const std::string& paragraph, double lineFactor, int left, int right, int y, int hang,
                  int style, int barHeight) {
  std::string text = paragraph;
  std::replace(text.begin(), text.end(), '\r', ' ');
  lineFactor = std::max(lineFactor, 0.0);
  hang = std::max(hang, 0);
  if (left != -1) PrintLeft = PrintX = left;
  if (right != -1) PrintRight = right;
  if (y != -1) PrintY = y;
  if (hang != 0) hang = pf::TextWidth(CharacterPrefix(text, hang));
  // Only what draws needs a page: a cursor moved past the page's end starts none, so a page is never
  // begun for what may not come (the end of a section, a heading that breaks a page itself).
  if (!text.empty() || style >= 0) BreakPageIfFull();
  hang = DrawMark(style, barHeight, hang);

  std::string last = text;
  if (text.empty() || PrintX + pf::TextWidth(text) <= PrintRight) {
    if (!text.empty()) DrawPiece(text);
  } else {
    last = DrawWrapped(text, hang);
  }
  const int lastLineY = PrintY;
  if (!last.empty()) PrintX += pf::TextWidth(last);
  if (lineFactor != 0) {
    PrintX = PrintLeft;
    PrintY += static_cast<int>(std::lround(pf::TextHeight(last.empty() ? "L" : last) * lineFactor));
  }
  return lastLineY;
}
