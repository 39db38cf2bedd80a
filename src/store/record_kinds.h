// What sets the five record kinds apart, as data: one description per kind drives the saves, new records,
// loads, lists and the unsaved-changes prompt, which are written once.
#pragma once

#include <string>
#include <vector>

#include "store/record_encoding.h"

struct IndexRange {
  int first = 0, last = -1;
};

// A named column and its value.
struct NamedValue {
  std::string name, value;
};

enum class StaticTexts { NotStored, SlotsOneToTen, All };

struct RecordKind {
  int kind;                               // index of ModifiedFlags
  const char* table;                      // as the record database spells it
  int dims;                               // indices of a position
  int (*control)(const CellIndex& cell);  // the control at a position; 0 none or outside the array
  IndexRange saveWalk[4];                 // the positions stored, last index innermost
  IndexRange resetWalk[4];                // the positions a new record resets
  StaticTexts staticTexts;
  bool listsStored;      // multi-select criteria lists
  bool slashDates;       // "2012/2/5" rather than "2012-02-05"
  CellIndex uidCell;     // the hidden field that holds the stored record's number
  CellIndex numberCell;  // the field that shows it
  const char* newPlaceholder;
  std::vector<NamedValue> (*namedColumns)();
  void (*recalc)();  // nullptr: the kind is saved and loaded as shown
  void (*showBanner)(const std::string& text);
  const char* insertedBanner;
  const char* updatedBanner;
  void (*fillList)();
  int* list;  // the start page's list of stored records
};

const RecordKind& RecordKindOf(int kind);  // 1 incident, 2-4 analyses, 5 summary

// Whether the static text at a position is part of the record: an analysis row's label in slot 0 is not.
bool StaticTextStored(const RecordKind& k, const CellIndex& cell);

// After a save: the saved record's row of the kind's list, updated or added in record-number order; the
// whole list is filled again when it does not hold one row per stored record.
void RefreshSavedRecordRow(int kind, int uid);

// A walk over the positions of `ranges`, last index innermost, each from first to last.
template <typename F>
void WalkCells(int dims, const IndexRange* ranges, F&& visit) {
  CellIndex c;
  c.count = dims;
  auto step = [&](auto&& self, int d) -> void {
    if (d == dims) {
      visit(const_cast<const CellIndex&>(c));
      return;
    }
    for (int i = ranges[d].first; i <= ranges[d].last; ++i) {
      c.at[d] = i;
      self(self, d + 1);
    }
  };
  step(step, 0);
}

inline CellIndex Cell(int a, int b, int c = 0, int d = 0, int count = 0) {
  CellIndex cell;
  cell.at[0] = a;
  cell.at[1] = b;
  cell.at[2] = c;
  cell.at[3] = d;
  cell.count = count;
  return cell;
}

// The analyses' per-kind arrays and globals (kind 2-4).
struct AnalysisParts {
  BoundedArray<int, 10, 40, 2, 10>* gadget;
  LabourArray* labour;
  std::vector<IndustryCodeEntry>* codes;         // database approach
  std::vector<IndustryCodeEntry>* codesSummary;  // summary approach
  std::string* longSummary;
  int* databaseMark;
  void (*switchApproach)();
};
const AnalysisParts& AnalysisPartsOf(int kind);
