#include "store/example_analyses.h"

#include "platform/platform.h"
#include "shell/date_fields.h"
#include "shell/number_text.h"
#include "shell/shell_globals.h"
#include "store/example_analyses_data.h"
#include "store/record_kinds.h"
#include "store/record_store.h"

namespace {

struct ExampleDate {
  int row, column;
  pf::Date date;
};

// The before and after periods, or the one study period.
constexpr ExampleDate kBADates[] = {
    {2, 1, {2006, 1, 1}}, {3, 1, {2006, 12, 31}}, {2, 2, {2007, 1, 1}}, {3, 2, {2008, 6, 30}}};
constexpr ExampleDate kStudyDates[] = {{2, 1, {2009, 1, 1}}, {3, 1, {2010, 1, 1}}};

void SetDates(int kind, const AnalysisParts& p) {
  auto& X = *p.gadget;
  if (kind == KindBA) {
    for (const ExampleDate& d : kBADates) pf::SetGadgetDate(X(7, d.row, d.column, 2), d.date);
    SyncBADates();  // keeps the order and writes the month-name masks
    return;
  }
  for (const ExampleDate& d : kStudyDates) {
    const int g = X(7, d.row, d.column, 2);
    SetDateGadget(g, d.date.year, d.date.month, d.date.day);
    pf::SetDateMask(g, DateMaskPrefix(g) + " %dd, %yyyy");
  }
}

// Step 2: the three groups into the labour array, with the cost and hours that mark a group as in use,
// and group 1 into the fields that show the current group.
void SetGroups(int kind, const AnalysisParts& p) {
  auto& X = *p.gadget;
  auto& lab = *p.labour;
  const int hourDecimals = kind == KindCG ? 2 : 0;
  int g = 1;
  for (const ExampleGroup& group : ExampleAnalysisGroups()) {
    lab(g, 0, 0) = group.name;
    for (int j = 0; j < 2; ++j) {
      const char* const* fields = j == 1 && kind != KindPI ? group.second : group.first;
      for (int f = 1; f <= 5; ++f) lab(g, j, f) = fields[f - 1];
      const auto value = [&](int f) { return LeadingValue(fields[f - 1]); };
      lab(g, j, 10) = FixedText(value(2) * value(3) + value(4) * value(5), 2);
      lab(g, j, 9) = FixedText(value(2) + value(4), hourDecimals);
    }
    ++g;
  }
  pf::SetGadgetText(X(7, 4, 2, 2), lab(1, 0, 0));
  for (int f = 1; f <= 5; ++f)
    for (int j = 1; j <= 2; ++j) pf::SetGadgetText(X(7, f + 4, j, 2), lab(1, j - 1, f));
}

}  // namespace

void LoadAnalysisExample(int kind) {
  if (kind < KindBA || kind > KindPI) return;
  if (AskSaveModified(kind) == 1) return;
  const AnalysisParts& p = AnalysisPartsOf(kind);
  auto& X = *p.gadget;
  {
    pf::FillScope fill;
    pf::SetGadgetText(X(0, 0, 0, 0), "\n");  // an example: saving stores a new record, deleting is refused
    pf::SetGadgetText(X(8, 1, 1, 2), "EXAMPLE ANALYSIS");
    SetDates(kind, p);
    SetGroups(kind, p);
    const unsigned bit = 1u << kind;
    for (const ExampleCell& c : ExampleAnalysisCells())
      if (c.kinds & bit) pf::SetGadgetText(X(c.page, c.row, c.column, c.slot), c.text);
    pf::HideGadget(NoticeGadget(kind - 1, 1), true);
    pf::DisableGadget(NoticeGadget(kind - 1, 0), false);
    RecordKindOf(kind).recalc();
  }
  ModifiedFlags(kind) = 0;
}

void LoadBAExample() { LoadAnalysisExample(KindBA); }
void LoadCGExample() { LoadAnalysisExample(KindCG); }
void LoadPIExample() { LoadAnalysisExample(KindPI); }
