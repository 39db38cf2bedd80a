// The frame that the three analysis modules share: a root, the start page, eight step pages with their
// headers, the step-3 approach band with its notice strip, the step-5 guidance picture, the step-7
// placeholders, the footer and the saved banner. A module is described once by data (ModuleDescription);
// its step contents are small functions that build their content areas with the helpers below and their
// rows from row tables (AnalysisRow) through the module's row builder.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "shell/bounded_array.h"
#include "shell/shell_globals.h"

using GadgetArray = BoundedArray<int, 10, 40, 2, 10>;
using RowAdder = int (*)(int kind, int page, int row, const std::string& label, std::int64_t backColour,
                         int y, int dy, const std::string& prefix, const std::string& suffix, int required);

inline constexpr int kKeepY = -1;        // AnalysisRow::y: continue at the running y
inline constexpr int kNoHelp = -999;     // AnalysisRow::helpX: the row registers no help text
inline constexpr int kCanvasMargin = 4;  // pixels of page colour below a step's last row

// One call of a row builder. Design units unless said otherwise.
struct AnalysisRow {
  int kind;
  int row;  // storage row: part of the stored column names, never a display position
  const char* label;
  const Rgb* colour;    // a palette global, or nullptr for the next colour of the alternation
  int y;                // kKeepY, or a design y at which the running y restarts
  int dy;               // pixels added to the running y for the row's top (-1: overlap one pixel)
  const char* prefix;   // unit text before each value
  const char* suffix;   // unit text after each value
  int required;         // 1 required inputs, -1 none; the gap row (kind 100): its height (-1: 54)
  int helpX = kNoHelp;  // where the help icon goes (550: where the row builder put it)
  int helpRaise = 0;    // lifts the help popup (negative lowers it)
  const char* help = nullptr;
};

// A caption of a column strip or a panel.
struct FrameCaption {
  const char* text;
  int x, y, w, h;
  const Rgb* back = nullptr;  // nullptr: BlueColour
};

struct ModuleDescription;
using StepContent = void (*)(const ModuleDescription& m, int page);

// What a module's step page is besides its rows.
struct StepFrame {
  int extraWidth = 0, extraHeight = 0;  // pixels beyond the common page size
  const char* headerHelp = nullptr;     // steps 5 and 6: the header band's help text
  StepContent content = nullptr;        // column strip, content area, rows
};

// The step-3 approach band and its notice strip.
struct ApproachBand {
  const char* databaseHelp;
  int databaseHelpX;  // kNoHelp: the icon stays where it was created
  const char* summaryHelp;
  int summaryHelpX;
  const char* retrieveCaption;
  int retrieveHelpX;
  const char* retrieveHelp;
  int panelHeight;                // the database panel: 60, or 30 without a caption row
  FrameCaption panelCaptions[2];  // text nullptr: none
  bool stripBorder;
  int stripIconX;         // where the strip's help icon is created
  bool stripIconXPixels;  // stripIconX is plain pixels, not design units
  int stripHelpX;         // where its help text moves it (kNoHelp: not moved)
  const char* stripHelp;
};

// The step-5 guidance picture and the percent field beside its last line.
struct Guidance {
  const char* paragraphs[5];
  int helpContainerLift;  // pixels between the field's y and its help container's top
  int percentHelpRaise;
};

struct ModuleDescription {
  const char* prefix;  // "BA", "CG", "PI"
  int notice;          // the module's row of NoticeGadget (1-3)
  int recordKind;      // its ModifiedFlags index (KindBA, KindCG, KindPI)
  GadgetArray* gadget;
  RowAdder addRow;
  int* rowY;  // the row builder's running y (pixels)

  // Start page.
  const char* title;
  int tileWidth;
  const char* tileLine;  // the tiles' third text line
  const char* descriptions[3];
  int captionWidths[3];  // stored-records list captions
  int pastCloseX, exampleCloseX;
  int listWidth;
  const char* exampleItem;
  bool registerHovers;  // tiles, close marks, footer buttons: looks from the hover table

  int footerExtraPixel;  // added to 52 units before rounding the footer height that sizes the pages
  StepFrame steps[9];    // index = step number (0 unused)
  ApproachBand band;
  Guidance guidance;

  // The module's globals.
  int* root;
  BoundedArray<int, 11>* pages;
  int *newTile, *pastTile, *exampleTile;
  int *infoContainer, *needLink, *accuracyLink, *understandingLink;
  int *pastContainer, *pastCloseText, *analysisList;
  int *exampleContainer, *exampleCloseText, *exampleList;
  int *databaseOption, *summaryOption, *databaseMark, *summaryMark;
  int* databasePanel;  // may be nullptr (a module without a global for it)
  int *industryPanel0, *industryPanel1;
  int *footer, *stepText, *nextButton, *previousButton, *saveAsNewButton, *saveButton, *printButton,
      *deleteButton;
  int *saveAnotherButton, *saveReturnButton, *printReportButton;
  int* savedBanner;

  // The store's routines for the module (nullptr until the store provides them).
  void (*fillList)();
  void (*newRecord)();
  void (*loadExample)();

  // What the dispatch needs besides the controls.
  BoundedArray<std::string, 10, 2, 10>* labour;
  void (*recalc)();
  void (*syncDates)();            // after a step-2 date change
  unsigned copiedRows;            // bit r: step-2 row r's column 1 is copied into column 2
  bool copyOnUserEditsOnly;       // a loaded or example column 2 is kept
  double understandingTopics[3];  // of the need, accuracy and understanding links
};

// The modules built so far, by NoticeGadget row (1 BA, 2 CG, 3 PI); nullptr until built.
inline const ModuleDescription* BuiltModules[4] = {};

// ---- The frame --------------------------------------------------------------------------------------------
// Builds the whole module once (called with the page holder open).
void BuildModule(const ModuleDescription& m);

// ---- Helpers for step contents ----------------------------------------------------------------------------
// Runs the rows through the module's row builder, registering each row's help text right after it; returns
// the running y (pixels).
int BuildRows(const ModuleDescription& m, int page, std::span<const AnalysisRow> rows);
// A thin-bordered BlueColour strip across the page being built, at `top` (px) and `height` design units
// high, with orange v-centred captions; returns its bottom (px).
int ColumnStrip(int top, int height, std::span<const FrameCaption> captions);
// The size of the step page being built (pixels).
int CurrentPageWidth();
int CurrentPageHeight();
// A page-coloured scroll area (pixels), out of the Tab order when `tabStop` is false; opened when `open`.
int StepScrollArea(int x, int y, int w, int h, int innerW, int innerH, int step, bool tabStop);
// A vertical black line 3 px wide.
int VerticalRule(int x, int y, int height);
// Step 3's approach band, database panel and notice strip; returns the database panel's bottom (px).
int BuildApproachBand(const ModuleDescription& m, int page);
// Step 5's guidance picture and percent field (inside the open content area).
void BuildGuidance(const ModuleDescription& m);
// Step 7's two empty placeholders at y (pixels).
void BuildIndustryPlaceholders(const ModuleDescription& m, int y);
// The height of the header band of a step (pixels).
int StepHeaderHeight(int step);

// ---- Pure rules -------------------------------------------------------------------------------------------
// The stored-records list height for a row height h (px): (n - 0.3) x h for the largest n <= 50 with n x h <=
// 400 x ScaleY; `created` when no n fits or the row height is unknown.
int RecordListHeight(int rowHeight, double scaleY, int created);
// The stored column of a cell: "field_" + page, row, column and slot joined by "x".
std::string FieldColumnName(int page, int row, int column, int slot);

// ---- The modules ------------------------------------------------------------------------------------------
const ModuleDescription& BADescription();
