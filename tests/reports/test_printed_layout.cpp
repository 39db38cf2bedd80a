// Every example incident and analysis, and worksheets with long words, long names, huge figures, many
// criteria, ten occupational groups and nothing at all, printed at real printers' printable areas down to
// A5 less its margins and at a sweep of page widths and heights, checked from what was drawn: every text
// inside the page, no text over another or hidden under a box, no rule across a text, no line twice in a
// row, no caption or name broken, every row on one page, every page and every carried-over block under its
// heading, every heading over a row of its own, and every word of the report on one tall page printed on
// the real pages, no row's word more often.
#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "report_printing.h"

namespace {

using namespace report_tests;

// A letter page without margins at 600 dpi, and the printable areas of real printers: letter and A4 pages
// less their usual margins, and an A4 page printed to its edges.
constexpr Geometry kGeometries[] = {{"Page600", 5100, 6600, 600},         {"Letter300", 2466, 3216, 300},
                                    {"Letter600", 4932, 6432, 600},       {"Printer1200", 9866, 12866, 1200},
                                    {"A4Margins300", 2380, 3408, 300},    {"A4Edges600", 4960, 7016, 600},
                                    {"A4Margins1200", 9520, 13632, 1200}, {"A5Edges600", 3496, 4961, 600},
                                    {"A5Margins600", 3196, 4661, 600},    {"Narrow600", 4200, 5100, 600},
                                    {"NarrowShort600", 4200, 2600, 600},  {"A5Margins300", 1598, 2330, 300},
                                    {"A5Short300", 1598, 1300, 300}};

// A word wider than any column: a pasted path.
const std::string kLongWord =
    "/srv/plants/north-assembly/shared/health-and-safety/incident-reports/2009/december/"
    "loading-dock-west/forklift-FT-4471-hydraulic-line-rupture-photos-and-witness-statements-final";
// An occupation name far wider than the band's room for it.
const std::string kLongName =
    "maintenance electricians and instrumentation technicians of the north plant night shift";

class PrintedLayout : public ReportPrinting,
                      public ::testing::WithParamInterface<std::tuple<LayoutCase, Geometry>> {};

TEST_P(PrintedLayout, EveryTextWholeInsideThePageAndClearOfEveryOther) {
  const auto& [c, g] = GetParam();
  ChooseExample(c.sheet, c.example);
  if (c.edit) c.edit(*this);
  PrintAndCheck(c, g, std::string(c.name) + "-" + g.name);
}

// Page heights less than two lines apart put the page's end at every heading and row of the report, on
// pages as narrow as A5 less its margins, of a middle width and of letter width.
class PageSweep : public ReportPrinting, public ::testing::WithParamInterface<LayoutCase> {};

TEST_P(PageSweep, EveryHeadingStandsOverItsRowsWhereverThePageEnds) {
  const LayoutCase& c = GetParam();
  ChooseExample(c.sheet, c.example);
  if (c.edit) c.edit(*this);
  // The middle width starts its heights between those of the others, so that together they put the
  // page's end in more places.
  const struct { int width, firstHeight; } sweeps[] = {{3196, 2600}, {4200, 2700}, {5100, 2600}};
  for (const auto& sweep : sweeps) {
    const WordCounts tall = TallPageWords(c, sweep.width, 600);
    for (int height = sweep.firstHeight; height <= 7400; height += 200) {
      SCOPED_TRACE("page " + std::to_string(sweep.width) + " x " + std::to_string(height));
      const std::string name =
          std::string(c.name) + "-" + std::to_string(sweep.width) + "x" + std::to_string(height);
      PrintAndCheck(c, {"Sweep", sweep.width, height, 600}, name, &tall);
    }
  }
}

void IncidentLongWords(ReportPrinting& t) {
  t.PasteInto(Sheet::Incident, 1, IncidentGadget(0, 6, 2), "Spill near " + kLongWord + " then a fall");
  t.PasteInto(Sheet::Incident, 2, IncidentGadget(1, 10, 2), kLongWord);
  t.PasteInto(Sheet::Incident, 6, IncidentGadget(5, 30, 3), "Residential construction 42110");
}
// Inputs take twelve digits; their product takes more than a column holds.
void IncidentHugeFigures(ReportPrinting& t) {
  t.PasteInto(Sheet::Incident, 2, IncidentGadget(1, 2, 2), "999999999999");
  t.PasteInto(Sheet::Incident, 2, IncidentGadget(1, 2, 3), "999999999999");
}
void BALongWords(ReportPrinting& t) {
  t.PasteInto(Sheet::BA, 1, BAGadget(8, 2, 1, 2), kLongWord);
  t.PasteInto(Sheet::BA, 4, BAGadget(5, 3, 1, 2), kLongWord);
  t.PasteInto(Sheet::BA, 2, BAGadget(7, 4, 2, 2), kLongWord);
}
// Group 10 has the widest number of the band; group 1 a name far wider than its room.
void PILongNames(ReportPrinting& t) {
  t.PasteInto(Sheet::PI, 2, PIGadget(7, 4, 2, 2), kLongName);
  t.StepGroupUpTo(10);
  t.PasteInto(Sheet::PI, 2, PIGadget(7, 4, 2, 2), "riggers");
  t.PasteInto(Sheet::PI, 2, PIGadget(7, 6, 1, 2), "2000");
  t.PasteInto(Sheet::PI, 3, PIGadget(6, 20, 2, 6), kLongWord);
  t.PasteInto(Sheet::PI, 6, PIGadget(3, 4, 2, 2), kLongWord);
}

// The first group of the example named at length: its band is repeated on every page its rows go on to.
template <Sheet sheet>
void LongOccupationName(ReportPrinting& t) {
  t.PasteInto(sheet, 2, ReportPrinting::Gadgets(sheet)(7, 4, 2, 2), kLongName);
}

// Every item of every criteria list chosen, in both columns: the lists run over pages.
void SelectEveryCriterion(decltype(BAGadget)& gadget) {
  for (const int row : {4, 5, 6, 7, 9, 10, 11, 14})
    for (int column = 1; column <= 2; ++column) {
      const int list = gadget(6, row, column, 2);
      if (!list || pf::GadgetKind(list) != pf::Kind::ListBox) continue;
      for (int item = 1; item < pf::CountGadgetItems(list); ++item)
        pf::SetGadgetItemSelected(list, item, true);
    }
}
void BAManyCriteria(ReportPrinting&) { SelectEveryCriterion(BAGadget); }
void CGManyCriteria(ReportPrinting&) { SelectEveryCriterion(CGGadget); }
// Ten occupational groups with workers in both situations, named and given hours as the user types them.
template <Sheet sheet>
void TenGroups(ReportPrinting& t) {
  for (int group = 1; group <= 10; ++group) {
    t.StepGroupUpTo(group, sheet);
    t.PasteInto(sheet, 2, ReportPrinting::Gadgets(sheet)(7, 4, 2, 2), "group " + std::to_string(group));
    for (int column = 1; column <= 2; ++column)
      t.PasteInto(sheet, 2, ReportPrinting::Gadgets(sheet)(7, 6, column, 2), std::to_string(1000 + group));
  }
}

// The built-in examples first, as they are, then the worksheets the user changed.
constexpr std::size_t kExampleCases = 9;
const LayoutCase kCases[] = {
    {"Incident1", Sheet::Incident, 0},
    {"Incident2", Sheet::Incident, 1},
    {"Incident3", Sheet::Incident, 2},
    {"Incident4", Sheet::Incident, 3},
    {"Incident5", Sheet::Incident, 4},
    {"Incident6", Sheet::Incident, 5},
    {"BeforeAfter", Sheet::BA, 0},
    {"ConcurrentGroups", Sheet::CG, 0},
    {"PotentialIntervention", Sheet::PI, 0},
    {"IncidentLongWords", Sheet::Incident, 0, IncidentLongWords},
    {"IncidentHugeFigures", Sheet::Incident, 0, IncidentHugeFigures, true},
    {"BeforeAfterLongWords", Sheet::BA, 0, BALongWords},
    {"PotentialInterventionLongNames", Sheet::PI, 0, PILongNames},
    {"BeforeAfterLongName", Sheet::BA, 0, LongOccupationName<Sheet::BA>},
    {"ConcurrentGroupsLongName", Sheet::CG, 0, LongOccupationName<Sheet::CG>},
    {"BeforeAfterManyCriteria", Sheet::BA, 0, BAManyCriteria},
    {"ConcurrentGroupsManyCriteria", Sheet::CG, 0, CGManyCriteria},
    {"BeforeAfterTenGroups", Sheet::BA, 0, TenGroups<Sheet::BA>},
    {"PotentialInterventionTenGroups", Sheet::PI, 0, TenGroups<Sheet::PI>},
    {"NewIncident", Sheet::Incident, -1},
    {"NewBeforeAfter", Sheet::BA, -1},
    {"NewConcurrentGroups", Sheet::CG, -1},
    {"NewPotentialIntervention", Sheet::PI, -1},
};

// The printable areas at which the examples were first seen to print a total twice, a bar over its row or
// captions over each other.
constexpr Geometry kReportedAreas[] = {
    {"5100x2850", 5100, 2850, 600}, {"5100x2950", 5100, 2950, 600}, {"5100x3100", 5100, 3100, 600},
    {"4200x3100", 4200, 3100, 600}, {"4700x3100", 4700, 3100, 600}, {"6600x2600", 6600, 2600, 600},
    {"6600x5600", 6600, 5600, 600}, {"5100x4850", 5100, 4850, 600}, {"4200x3600", 4200, 3600, 600}};

class ReportedAreas : public ReportPrinting, public ::testing::WithParamInterface<LayoutCase> {};

TEST_P(ReportedAreas, EveryRowOnceAndEveryTextClearOfTheOthers) {
  const LayoutCase& c = GetParam();
  ChooseExample(c.sheet, c.example);
  for (const auto& g : kReportedAreas) {
    SCOPED_TRACE(g.name);
    PrintAndCheck(c, g, std::string(c.name) + "-" + g.name);
  }
}

INSTANTIATE_TEST_SUITE_P(Reports, ReportedAreas, ::testing::ValuesIn(kCases, kCases + kExampleCases),
                         [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(Reports, PrintedLayout,
                         ::testing::Combine(::testing::ValuesIn(kCases), ::testing::ValuesIn(kGeometries)),
                         [](const auto& info) {
                           return std::string(std::get<0>(info.param).name) + "_" +
                                  std::get<1>(info.param).name;
                         });

INSTANTIATE_TEST_SUITE_P(Reports, PageSweep, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
