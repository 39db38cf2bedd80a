// The user's road to a printed report: an example or a new record opened from a start page, fields pasted
// into, the print button pressed with a recording printer of a given printable area; and the checks every
// printed report is held to.
#pragma once

#include <gtest/gtest.h>

#include <cctype>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <map>
#include <set>
#include <string>
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

namespace report_tests {

struct Geometry {
  const char* name;
  int width, height, dpi;
};

enum class Sheet { Incident, BA, CG, PI };

class ReportPrinting;
struct LayoutCase {
  const char* name;
  Sheet sheet;
  int example;                              // the row of the start page's example list; -1: a new record
  void (*edit)(ReportPrinting&) = nullptr;  // what the user changes before printing
  bool wideFigures = false;                 // figures wider than any room a page could give them
};

constexpr int kFittedFont = 105;  // the size a report draws a figure in when it is wider than its cell
constexpr int kTallPage = 60000;  // a page on which no row of a report is carried over

// A figure as a report prints it: digits with its currency, separators and sign, and a unit.
inline bool IsFigure(std::string text) {
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
    // The pages are read once for their headings and rows, and for the words of each.
    const HeadingTexts headings = Headings(c.sheet);
    std::map<const Op*, Level> levels;
    ExpectEveryHeadingOverItsRows(PageUnits(pages, g.width, headings, &levels));
    ExpectNoLineTwiceInARow(pages);
    ExpectNoTextHidden(pages);
    ExpectRulesClearOfText(pages, texts, g.width);
    ExpectWordsWhole(pages, WholeWords(c.sheet));
    // Printed whole on one tall page, the report shows every word a reader must find on the real pages.
    ExpectSameWordsAsOnOneTallPage(CountWords(levels), tall ? *tall : TallPageWords(c, g.width, g.dpi));
    if (c.sheet == Sheet::PI) ExpectBreakdownHeadedOnEveryPage(texts);
    // The captions' escaped ampersand prints as the screen shows it; only figures are drawn smaller to fit
    // their cells, words wrap, and a figure keeps three quarters of its size or more where its row's label
    // can give it the room. The smallest font a page prints in stands for the size a figure was made
    // smaller from; a size of whole pixels may round a pixel below three quarters.
    std::map<int, int> smallest;  // line height by page
    for (const auto& t : texts)
      if (t.op->font != kFittedFont)
        smallest[t.page] = std::min(smallest.count(t.page) ? smallest[t.page] : t.op->h, t.op->h);
    for (const auto& t : texts) {
      EXPECT_EQ(t.op->text.find("&&"), std::string::npos) << Where(t);
      if (t.op->font == kFittedFont) {
        EXPECT_TRUE(IsFigure(t.op->text)) << Where(t) << " is drawn smaller";
        if (!c.wideFigures) {
          EXPECT_GE(4 * t.op->h + 4, 3 * smallest[t.page])
              << Where(t) << " is drawn at a height of " << t.op->h << " for " << smallest[t.page];
        }
      }
    }
  }
};

}  // namespace report_tests
