// What the four printed reports share: the print job, the printer-scaled fonts, the page header, section
// headings and the break that sends a section to a new page, the grey band over an occupational group, and
// the few line patterns every label, value and rule of a report is laid out in. All layout goes through
// DrawParagraph's cursor; positions are device pixels of the chosen printer.
#pragma once

#include <climits>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <span>
#include <string>
#include <vector>

// The page width W and the printer scale s (its vertical dpi over 96), read when a report starts.
inline int ReportWidth = 0;
inline double ReportScale = 1.0;

inline constexpr int ReportFont = 101;           // header, titles, labels, values
inline constexpr int ReportUnderlineFont = 102;  // column and row headings
inline constexpr int ReportBoldFont = 103;       // loaded for completeness, never selected
inline constexpr int ReportSmallFont = 104;      // the incident report's absence grid
inline constexpr int ReportFittedFont = 105;     // a figure drawn smaller to fit its cell

// Pure layout arithmetic, kept apart so it can be checked without a printer.
int ReportFontSize(double points, double scale);      // nearest whole size, halves to even
int ReportColumn(double fraction, int pageWidth);     // f x W, halves to even
int ReportBarHeight(double k, double scale);          // round(k x s), halves to even
bool GroupHoursInUse(const std::string& totalHours);  // the leading whole number is above 0
std::string ReportUpper(const std::string& text);     // capital letters of the ASCII range
// A caption as its static text shows it: "&&" is one "&", a single "&" marks a mnemonic and is not shown.
std::string ShownCaption(const std::string& caption);

// Shows the print dialog and starts the job "Report" with fonts, black ink and the header. False when the
// user cancelled (nothing happens) or the job could not start (the user is told).
bool BeginReport();
// Ends the job; a printer that refuses the end of the job is reported.
void EndReport();

int ReportColumn(double fraction);  // of the current page width
int ReportPageHeight();
// Selects one of the report's fonts (101 to 104); the frame keeps it to draw an oversized figure smaller.
void SelectReportFont(int font);
int ReportFontSelected();

// Pages end where DrawParagraph ends them: no line begins below 98 % of the page height. A row (a label and
// its figures) or a block of lines is kept whole: when its last line would begin below that, or so low that
// the rule under it would not keep its distance above the page's end, it starts a new page first, at y 0
// with the margins kept. `down` is how far below the cursor its last line begins;
// a row already at the top of a page is not moved. True when a new page was started.
// The headings drawn since the last row (see ReportHeading) go to the new page with the row, so that no
// heading ends a page; a page the row moves to otherwise opens with its section's continued headings.
bool ReportKeepDown(int down);

// What is drawn from its start to the next row is a heading: a section title, a band, column headings or a
// heading row. Headings never end a page: a row that does not fit under them takes them to the next page.
// A section title opens its section, so a page it is taken to needs no continued title; any other heading
// is taken there under its section's continued title and headings. Keeps made while it lives are the
// heading's own (they keep the heading whole and do not count as its first row).
class ReportHeading {
 public:
  explicit ReportHeading(bool opensSection = false);
  ~ReportHeading();
  ReportHeading(const ReportHeading&) = delete;
  ReportHeading& operator=(const ReportHeading&) = delete;
};

// A y on the current page that stays true when the drawings below it are taken to the next page.
struct ReportPlace {
  int y = 0;
  int page = -1;
};
ReportPlace ReportPlaceAt(int y);
// Where a place stands on the current page: moved with the headings taken there, or `otherwise` when its
// page has ended.
int ReportPlaceY(const ReportPlace& place, int otherwise);
bool ReportKeepLines(int lines);  // `lines` lines of the current font
// Whether a row whose last line begins `down` below the cursor stays where it is.
bool ReportFits(int down);
int ReportLineHeight();
int ReportAdvanceHeight(double lines);  // what advancing `lines` lines moves the cursor down
// How many lines a text takes in a column of the current font, starting at its left.
int ReportLines(const std::string& text, int left, int right, int hang = 0);
// Where the first line of a text drawn from `left` ends: the column's right limit when it wraps.
int ReportTextEnd(const std::string& text, int left, int right);

// What a section prints at the top of a page that one of its rows or blocks was moved to: its title with
// "(continued)", then the headings set here (its column headings, a group's band). A section heading
// clears them, and so does the end of a report; a section that sets headings reading its own locals clears
// them when it ends. Without the title the headings name themselves continued. A block that has headings
// of its own (a group, a grid) clears those of the block before it as it begins.
void ReportContinueWith(std::function<void()> headings, bool withTitle = true);

// How far the cursor moves down while `draw` lays out what it would draw; nothing is drawn and no page is
// started, and the cursor, its margins and the font are as before afterwards.
int ReportMeasure(const std::function<void()>& draw);
// A filled box, drawn unless a block is being measured.
void ReportBox(int x, int y, int w, int h, uint32_t colour);

// Reads the cursor y without moving it.
int ReportCursorY();
// A section title in capitals, a bar of 3 under it, then `advance` lines.
void ReportSectionHeading(const std::string& title, double advance = 2);
// The default test before a section: past half the page, the section starts on a new page at y 10.
void ReportSectionBreak();
// Starts a new page when the cursor y is beyond `limit`.
void ReportBreakBeyond(int limit);
void ReportNewPage();

// A thin rule (style 6) or a bar of k (style 7) across the page, then `advance` lines. A rule under a row
// stays on the row's page: one that would reach past the page's end is drawn at its foot.
int ReportRule(double advance = 0.75);
int ReportBar(double k, double advance = 0.75);

// The grey band over an occupational group: a and b bound the two value columns the name is centred over.
// Continued, it heads the group's rows on a page they were moved to, with no section break before it, and
// stays one or two lines high: a name too long for them is shortened with "...".
void ReportGroupBand(int group, const std::string& occupation, int a, int b, bool continued = false);
void ReportTotalsBand();
// A text cut to `room` with "..." after it, at a word's end where a whole word fits.
std::string ReportShortened(const std::string& text, int room);

// "• " + text with its continuation lines under the text.
int ReportBullet(const std::string& text, double lineFactor, int left, int right, int y = -1);
int ReportBulletLines(const std::string& text, int left, int right);

// A label ending at `edge`, staying on its last line; one wider than the room from 10 to the edge wraps
// there rather than reach past the page's left edge. The right limit in force is kept.
int ReportLabelEndingAt(const std::string& label, int edge);
// Label + ":" ending at a, the value from b (on the label's last line) with the right limit in force,
// advancing f lines; label and value are kept on one page.
void ReportDescriptionLine(const std::string& label, const std::string& value, int a, int b, double f);

struct ReportValue {
  std::string text;             // prefix, value and suffix as printed
  int edge = 0;                 // where the text ends
  std::string unmeasured = {};  // a unit that follows beyond the edge
  bool words = false;           // words (a date, a name) wrap in their cell; a figure is drawn smaller
};
// Values right-aligned at their edges on the label's first line, the label at 10..right, 1.5 lines below
// the lower of the label's and the values' last lines, then the row's rule: a thin rule, or a bar of `bar`
// when bar > 0. Returns what the rule's drawing returned. Each value's cell begins after the label's column
// or after the value (and unit) before it; the row is kept on one page. A label beside words (a date)
// wraps sooner where that lets them stand whole.
int ReportValueRow(const std::string& label, std::span<const ReportValue> values, int right, double bar = 0,
                   double ruleAdvance = 0.75, int labelLeft = 10);
// Values right-aligned at their edges on the line at y, staying on it; the first value's cell begins where
// the column before it ends (`columnEnd`), each later one's after the value and unit before it. Returns the
// y of the lowest line a value wrapped to; ReportValueLines counts those lines.
int ReportValuesOnLine(std::span<const ReportValue> values, int columnEnd, int y);
int ReportValueLines(std::span<const ReportValue> values, int columnEnd);
// A caption starting at `left` whose column ends at `right`.
struct ReportCaption {
  std::string text;
  int left = 0;
  int right = 0;
};
// Captions side by side from the line at y, each wrapping inside its own column. A word wider than its
// column is not broken: it reaches on toward the next caption, which then starts after it. Leaves the
// cursor on the lowest caption's last line and returns its y.
int ReportCaptionLine(std::span<const ReportCaption> captions, int y);
int ReportWidestWord(const std::string& text);
// Texts right-aligned at their edges in `font`, each wrapping in its cell (from the edge before it, or the
// page's left margin), then `advance` lines below the lowest and font 101.
void ReportHeadings(std::span<const ReportValue> headings, int font, double advance);
// A caption or typed text right-aligned at an edge in the cell from `cellLeft`: one wider than the cell
// wraps there, each line ending at the edge (a word wider than the cell is broken). Drawn from the line at
// y; returns the y of its last line and leaves the cursor there. ReportRightAlignedLines counts the lines.
int ReportRightAlignedText(const std::string& text, int edge, int cellLeft, int y);
int ReportRightAlignedLines(const std::string& text, int edge, int cellLeft);
// Right-aligns one text at an edge, staying on the line. A figure whose cell begins at `cellLeft` and that
// is wider than its cell is drawn in a smaller size that fits, never over its neighbour.
void ReportRightAligned(const std::string& text, int edge, int cellLeft = INT_MIN);

// The current text of a control, "" for a cell without one; a line break typed into a multi-line field
// prints as a blank, so each value is one paragraph.
std::string ReportCellText(int gadget);
// Moves the cursor down `lines` lines, with -1 keeping the left margin or the right limit.
int ReportAdvance(double lines, int left = -1, int right = -1);
// Sets the left margin, right limit and y without drawing (-1 keeps one).
void ReportMoveTo(int left, int right, int y);
// Left-aligned text from `left` to the right limit `right`, then `lines` lines (0 stays on the line).
int ReportText(const std::string& text, double lines, int left, int right = -1);
// A grey box across the page, `lines` heights of "I" high, with the text background grey; close it to
// return to white. The box and `keepAfter` further lines stand on one page.
void OpenReportBand(double lines = 1.5, int keepAfter = 2);
void CloseReportBand();
// A thin line across the page at the cursor, the cursor staying; returns its y.
int ReportLineHere();
// Thin vertical lines at `xs` from top to bottom; none when a new page began in between.
void ReportVerticalLines(std::span<const int> xs, int top, int bottom);

// The vertical separators of a grid: started at its top rule, drawn down to every row's rule.
struct ReportSeparators {
  std::vector<int> xs;
  ReportPlace top;
  void Start(int y) { top = ReportPlaceAt(y); }
  void Down(int y2);
};
