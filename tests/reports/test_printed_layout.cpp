// Every example incident and analysis, and worksheets with long words, long names, huge figures, many
// criteria, ten occupational groups and nothing at all, printed at real printers' printable areas down to
// A5 less its margins and at a sweep of page widths and heights, checked from what was drawn: every text
// inside the page, no text over another or hidden under a box, no rule across a text, no line twice in a
// row, no caption or name broken, every row on one page, every page and every carried-over block under its
// heading, every heading over a row of its own, and every word of the report on one tall page printed on
// the real pages, no row's word more often.
#include <gtest/gtest.h>

#include <cctype>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <optional>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "analysis/pages/pages_globals.h"
#include "incident/incident_globals.h"
#include "layout_checks.h"
#include "platform/platform.h"
#include "platform/test_surface.h"
#include "shell/page_globals.h"
#include "shell/page_switching.h"
#include "shell/program_fixture.h"
#include "shell/shell_globals.h"
#include "shell/tab_bars.h"

namespace {

using namespace report_tests;

struct Geometry {
  const char* name;
  int width, height, dpi;
};
// A letter page without margins at 600 dpi, and the printable areas of real printers: letter and A4 pages
// less their usual margins, and an A4 page printed to its edges.
constexpr Geometry kGeometries[] = {{"Page600", 5100, 6600, 600},         {"Letter300", 2466, 3216, 300},
                                    {"Letter600", 4932, 6432, 600},       {"Printer1200", 9866, 12866, 1200},
                                    {"A4Margins300", 2380, 3408, 300},    {"A4Edges600", 4960, 7016, 600},
                                    {"A4Margins1200", 9520, 13632, 1200}, {"A5Edges600", 3496, 4961, 600},
                                    {"A5Margins600", 3196, 4661, 600},    {"Narrow600", 4200, 5100, 600},
                                    {"NarrowShort600", 4200, 2600, 600}};

enum class Sheet { Incident, BA, CG, PI };

class ReportPrinting;
struct LayoutCase {
  const char* name;
  Sheet sheet;
  int example;                              // the row of the start page's example list; -1: a new record
  void (*edit)(ReportPrinting&) = nullptr;  // what the user changes before printing
};

// A word wider than any column: a pasted path.
const std::string kLongWord =
    "/srv/plants/north-assembly/shared/health-and-safety/incident-reports/2009/december/"
    "loading-dock-west/forklift-FT-4471-hydraulic-line-rupture-photos-and-witness-statements-final";
// An occupation name far wider than the band's room for it.
const std::string kLongName =
    "maintenance electricians and instrumentation technicians of the north plant night shift";

constexpr int kFittedFont = 105;  // the size a report draws a figure in when it is wider than its cell
constexpr int kTallPage = 60000;  // a page on which no row of a report is carried over

// A figure as a report prints it: digits with its currency, separators and sign, and a unit.
bool IsFigure(std::string text) {
  for (char& c : text) c = char(std::tolower(static_cast<unsigned char>(c)));
  for (const char* unit : {"hrs", "/hr", "days", "hours", "/day", "months"})
    for (auto at = text.find(unit); at != std::string::npos; at = text.find(unit))
      text.erase(at, strlen(unit));
  return text.find_first_not_of("0123456789$,.-% ") == std::string::npos;
}

class ReportPrinting : public ProgramTest {
 public:
  // The user opens an example from the start page's list, or starts a new record from its tile.
  void ChooseExample(Sheet sheet, int row) {
    pf::HideGadget(FrontPageHolder, true);
    pf::HideGadget(TabbedArea, false);
    int tile = 0, list = 0;
    if (sheet == Sheet::Incident) {
      ShowPage(2, 9, -1);
      tile = IncidentExampleTile, list = ExampleIncidentList;
    } else {
      SelectTopTab(1);
      SelectSecondTab(sheet == Sheet::BA ? 3 : sheet == Sheet::CG ? 2 : 1);
      SelectThirdTab(9);
      ShowPage(-1, -1, -1);
    }
    Pump();
    if (sheet == Sheet::BA) tile = BAExampleTile, list = BAExampleList;
    if (sheet == Sheet::CG) tile = CGExampleTile, list = CGExampleList;
    if (sheet == Sheet::PI) tile = PIExampleTile, list = PIExampleList;
    if (row < 0) {
      pf::test::Click(sheet == Sheet::Incident ? IncidentNewTile
                      : sheet == Sheet::BA     ? BANewTile
                      : sheet == Sheet::CG     ? CGNewTile
                                               : PINewTile);
      Pump();
      return;
    }
    pf::test::Click(tile);
    Pump();
    const pf::Rect r = pf::GadgetItemRect(list, row);
    pf::test::Click(list, r.x + 20, r.y + r.h / 2);
    Pump();
  }

  // Shows a step of the worksheet, puts `text` into a field as the user pastes it, and leaves the field.
  void PasteInto(Sheet sheet, int step, int field, const std::string& text) {
    if (sheet == Sheet::Incident) {
      SelectSecondTab(9 - step);
    } else {
      SelectThirdTab(9 - step);
    }
    ShowPage(-1, -1, -1);
    Pump();
    pf::SetGadgetText(field, "");  // as the user selects the field's text
    pf::test::Click(field);
    Pump();
    pf::test::Paste(text);
    Pump();
    pf::test::PressTab();
    Pump();
  }

  static decltype(BAGadget)& Gadgets(Sheet sheet) {
    return sheet == Sheet::BA ? BAGadget : sheet == Sheet::CG ? CGGadget : PIGadget;
  }

  // Steps the occupational group of an analysis's step 2 with its arrows.
  void StepGroupUpTo(int group, Sheet sheet = Sheet::PI) {
    const int buddy = Gadgets(sheet)(7, 4, 1, 2);
    int arrows = buddy + 1;
    while (pf::GadgetKind(arrows) != pf::Kind::UpDown && arrows < buddy + 50) ++arrows;
    for (int step = 0; step < 10 && pf::GetGadgetText(buddy) != std::to_string(group); ++step) {
      pf::test::StepUpDown(arrows, true);
      Pump();
    }
  }

  // The headings a reader sees in the sheet's report: the captions of its tables' columns and the
  // worksheet's heading rows as they stand now.
  static HeadingTexts Headings(Sheet sheet) {
    HeadingTexts h;
    h.columnCaptions = {"Details",
                        "Amount",
                        "Percentage change",
                        "Value",
                        "Calculated",
                        "benefits less",
                        "value",
                        "benefits plus",
                        "10%",
                        "Non-Intervention",
                        "Intervention",
                        "Existing",
                        "Potential",
                        "Before Period",
                        "After Period",
                        "Non-Intervention Department",
                        "Intervention Department",
                        "Existing Situation",
                        "Potential Scenario",
                        "BEFORE PERIOD",
                        "AFTER PERIOD"};
    h.bandColours = {pf::MakeRgb(220, 220, 220), GreyColour};
    h.underlineFont = 102;
    const auto text = [](int gadget) { return pf::GetGadgetText(gadget); };
    if (sheet == Sheet::Incident) {
      h.headingRows = {text(IncidentGadget(1, 5, 1)) + ":", text(IncidentGadget(2, 7, 1)) + ":"};
      return h;
    }
    auto& g = Gadgets(sheet);
    for (const int row : {2, 10, 13, 17}) h.headingRows.insert(text(g(5, row, 1, 0)));
    for (const int row : {14, 29}) h.headingRows.insert(text(g(2, row, 1, 0)));
    h.headingRows.insert(text(g(1, 9, 1, 0)));
    return h;
  }

  // Words no page may break: the captions of the columns, and the names of the occupational groups.
  static std::set<std::string> WholeWords(Sheet sheet) {
    std::set<std::string> words = Headings(sheet).columnCaptions;
    if (sheet == Sheet::Incident) return words;
    auto& labour = sheet == Sheet::BA ? BALabour : sheet == Sheet::CG ? CGLabour : PILabour;
    // A pasted path is wider than a narrow page's line and may be broken.
    for (int group = 1; group <= 10; ++group)
      if (labour(group, 0, 0).size() < 40) words.insert(labour(group, 0, 0));
    return words;
  }

  // Presses the worksheet's print button with a recording printer of the geometry; the job's pages. With
  // QM_REPORT_PDF_DIR set, the pages are also written there as a PDF file to look at.
  std::vector<pf::test::PrintedPage> Print(Sheet sheet, const Geometry& g, const std::string& name) {
    std::string pdf;
    if (const char* dir = std::getenv("QM_REPORT_PDF_DIR")) {
      std::filesystem::create_directories(dir);
      pdf = (std::filesystem::path(dir) / (name + ".pdf")).string();
    }
    if (name.empty()) pdf.clear();
    pf::test::ScriptPrinter(g.width, g.height, g.dpi, pdf);
    const int button = sheet == Sheet::Incident ? IncidentPrintButton
                       : sheet == Sheet::BA     ? BAPrintButton
                       : sheet == Sheet::CG     ? CGPrintButton
                                                : PIPrintButton;
    pf::test::Click(button);
    Pump();
    auto jobs = pf::test::TakePrintJobs();
    if (jobs.size() != 1u || !jobs[0].ended) return {};
    return jobs[0].pages;
  }

  // The words of the report printed on one tall page of a width.
  WordCounts TallPageWords(const LayoutCase& c, int width, int dpi) {
    return CountWords(Print(c.sheet, {"Tall", width, kTallPage, dpi}, ""), width, Headings(c.sheet));
  }

  // Prints and checks the report at one page geometry; `tall` holds the words of the report on one tall
  // page of the same width, when they were counted already.
  void PrintAndCheck(const LayoutCase& c, const Geometry& g, const std::string& name,
                     const WordCounts* tall = nullptr) {
    const auto pages = Print(c.sheet, g, name);
    ASSERT_FALSE(pages.empty()) << "no report printed";
    const auto texts = VisibleTexts(pages);
    ExpectInsideThePage(texts, g.width, g.height);
    ExpectNoTextOverAnother(texts);
    ExpectRowsWhole(pages);
    ExpectEveryPageHeaded(pages);
    ExpectEveryHeadingOverItsRows(pages, g.width, Headings(c.sheet));
    ExpectNoLineTwiceInARow(pages);
    ExpectNoTextHidden(pages);
    ExpectRulesClearOfText(pages, texts, g.width);
    ExpectWordsWhole(pages, WholeWords(c.sheet));
    // Printed whole on one tall page, the report shows every word a reader must find on the real pages.
    ExpectSameWordsAsOnOneTallPage(pages, tall ? *tall : TallPageWords(c, g.width, g.dpi), g.width,
                                   Headings(c.sheet));
    if (c.sheet == Sheet::PI) ExpectBreakdownHeadedOnEveryPage(texts);
    // The captions' escaped ampersand prints as the screen shows it; only figures are drawn smaller to fit
    // their cells, words wrap.
    for (const auto& t : texts) {
      EXPECT_EQ(t.op->text.find("&&"), std::string::npos) << Where(t);
      if (t.op->font == kFittedFont) {
        EXPECT_TRUE(IsFigure(t.op->text)) << Where(t) << " is drawn smaller";
      }
    }
  }
};

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
    {"IncidentHugeFigures", Sheet::Incident, 0, IncidentHugeFigures},
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
