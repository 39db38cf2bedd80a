// Word-wrapped paragraphs with optional marks, drawn at a cursor that every drawing shares, on whatever
// target (picture or printer page) the caller has opened with its font, colours and mode.
#pragma once

#include <functional>
#include <string>

// The drawing cursor, kept between calls and never reset: each drawing passes explicit left, right and
// y on its first paragraph.
inline int PrintX = 0;         // where the next text or mark is drawn
inline int PrintY = 0;         // top of the current line
inline int PrintLeft = 0;      // wrapped and new lines start here
inline int PrintRight = 9999;  // a line must end left of it

// Draws one paragraph and returns the y of its last line. left, right and y of -1 keep the cursor's;
// style -1 draws no mark. On a printer, a text or mark that would begin below LastLineTop begins a new
// page; an empty paragraph without a mark only moves the cursor. See paragraph_drawing.cpp for the marks and
// the wrapping.
int DrawParagraph(const std::string& text, double lineFactor, int left, int right, int y, int hang, int style,
                  int barHeight);
// Called when DrawParagraph has started a new printer page, with the cursor at its top, so that the page
// can be headed before the drawing goes on below; the cursor's x and margins are put back afterwards. An
// empty handler (the default) draws nothing.
void SetPageStartedHandler(std::function<void()> handler);
// The lowest y at which a line may begin on the printer page: 98 % of its height, or higher where the
// current font's line would otherwise reach past the page's end.
int LastLineTop();
int LastLineTop(int lineHeight);  // the same for a font whose line height the caller has measured
// How many lines `text` takes when drawn from x with the margins left and right and a hanging indent of
// `hang` characters, laid out as DrawParagraph lays it out; nothing is drawn and the cursor stays.
int ParagraphLines(const std::string& text, int x, int left, int right, int hang = 0);
// While one lives, DrawParagraph lays paragraphs out and moves the cursor exactly as it would draw them,
// but draws nothing and starts no page: a block is measured by laying it out before it is drawn.
class ParagraphMeasuring {
 public:
  ParagraphMeasuring();
  ~ParagraphMeasuring();
  ParagraphMeasuring(const ParagraphMeasuring&) = delete;
  ParagraphMeasuring& operator=(const ParagraphMeasuring&) = delete;
};
bool MeasuringParagraphs();
// The outline of the rectangle from (x, y) to (x + width, y + height) in the current front colour.
void DrawFrame(int x, int y, int width, int height);
