// What a row kind builds, as data: each module maps its kind numbers to a row shape and that shape's
// parameters. One number can name different shapes in different modules, so the tables are per module.
#pragma once

#include <string>
#include <vector>

#include "shell/shell_globals.h"

enum class Module { BA, CG, PI };

enum class Shape {
  Heading,
  Line,
  Gap,
  Values,         // label and one or two value columns (inputs or computed), with unit texts
  SingleText,     // label, single-line text field, loaded notice on the record's first row
  FreeText,       // label, wrapping multi-line field
  PeriodDates,    // date pickers
  DateTexts,      // read-only date texts
  GroupSelector,  // occupational group number, arrows, occupation field
  CriteriaList,   // multi-select lists
  HeaderStrip,    // captions over the department lists
  Retrieve,       // picture button and status text
  GridHeader,
  GridRow,
  SensitivityHeader,
  ResultBoxes,
  YearField,
  IndustryCombo,
  ClaimsHeader,
  ClaimsCaption,
  ClaimsValues,
  RateBlock,
};

enum class LabelStyle { Centred, Wrapped, None };

struct LabelSpec {
  int x = 10, y = 0, w = 500, h = 0;  // h 0: the panel's height
  LabelStyle style = LabelStyle::Centred;
  int font = 17;  // RowLabelFont
  bool recorded = true;
};

enum class ValueKind { NumberInput, TextInput, Computed };

struct ValueSpec {
  int column = 1, x = 600, w = 70;
  ValueKind kind = ValueKind::NumberInput;
  bool units = true;   // the row's prefix and suffix stand beside it
  int prefixDx = -10;  // design units from the value's x
  int suffixW = 40;
};

struct ZeroCell {  // a hidden 0 x 0 static text that other procedures address by position
  int column = 0, slot = 0, x = 0, y = 0;
  bool right = false;
};

struct BoxSpec {  // a date text, list box or caption: column and horizontal placement
  int column = 0, x = 0, w = 0;
};

enum class GridUnit { Plain, Hours, Dollar, Percent };

struct RowDescription {
  Shape shape = Shape::Values;
  int height = 55;
  bool border = true;
  LabelSpec label{};

  // Values
  std::vector<ValueSpec> values{};
  int valueY = 15, valueH = 20, valueFont = -1;
  std::string valueText{};
  int prefixY = 18, suffixY = 18, unitFont = -1;
  bool requiredMark = false;           // `required` 1 gives the inputs the required look and a red mark
  bool readOnlyOnGroupInputs = false;  // column 2 read-only on the step-2 group inputs
  bool justificationWhenRequired = false;
  std::vector<ZeroCell> zeroCells{};

  // Text rows and dates; lists; the retrieve row (fieldX: button x)
  int fieldX = 400, fieldY = 15, fieldW = 200, noticeX = 650;
  std::vector<BoxSpec> boxes{};
  bool monthMask = false, hiddenSecondPicker = false;

  // Lists
  int listY = 10, listH = 103;
  const std::vector<CategoryEntry>* category = nullptr;
  std::string allText{};
  bool stub = false;

  // Group selector: caption x, occupation width, replacement of the label's words
  int captionX = 415;
  std::string replacement{};

  // Retrieve row: status box and text
  int statusX = 0, statusY = 0, statusW = 0, statusH = 0;
  std::string statusText{};

  // Grid rows
  std::vector<std::pair<int, GridUnit>> gridCells{};
  int cellY = 7;

  // Sensitivity header: 0 breaks "Calculated" from "benefits less/plus 10%" onto its own line, 1 keeps
  // them on one line with a blank
  int variant = 0;
};

const RowDescription* FindRowDescription(Module module, int kind);
