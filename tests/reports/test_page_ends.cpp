// Wherever a page ends, a report parts no row: each report is printed from a worksheet whose labels wrap
// onto several lines, at page heights a few lines apart, and every label stands on the page of its figures.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "layout_checks.h"
#include "report_fixture.h"
#include "reports/reports.h"

namespace {

using namespace report_tests;

std::string Lower(std::string text) {
  for (char& c : text) c = char(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

// A label of several lines whose every word names its row: "q7r5q" for page 7, row 5.
std::string RowToken(int page, int row) {
  return "q" + std::to_string(page) + "r" + std::to_string(row) + "q";
}
std::string LongLabel(int page, int row) {
  std::string label = "L" + std::to_string(page) + "-" + std::to_string(row);
  for (int i = 0; i < 9; ++i) label += " " + RowToken(page, row);
  return label;
}

// The rows of the analyses' criteria lists.
constexpr int kCriteriaRows[] = {4, 5, 6, 7, 9, 10, 11, 14};

struct Report {
  const char* name;
  void (*fill)();
  void (*print)();
  char valueMark;  // values read "v<page>-<row>-..." (analyses) or "i<step>-<row>-..." (incident)
  int pages, rows;
};

// Worksheets with a label of several lines in every row and long selected items in the criteria lists.
class LongLabels : public ReportTest {
 public:
  static void FillLongAnalysis(BoundedArray<int, 10, 40, 2, 10>& gadget,
                               BoundedArray<std::string, 10, 2, 10>& labour) {
    FillAnalysis(gadget);
    for (int page = 1; page <= 8; ++page)
      for (int row = 1; row <= 40; ++row) pf::SetGadgetText(gadget(page, row, 1, 0), LongLabel(page, row));
    // Items name their row too, so that a list that runs onto the next page is seen there.
    for (const int row : kCriteriaRows)
      for (int column = 1; column <= 2; ++column) {
        const std::string token = RowToken(6, row);
        gadget(6, row, column, 2) = List({"ALL", "Falls from a height while loading the racking " + token,
                                          "Cuts " + token, "Burns " + token},
                                         {1, 2, 3});
      }
    for (int column = 0; column <= 1; ++column) {
      labour(1, column, 0) = "welders of the north plant";
      labour(1, column, 9) = "1000";
    }
  }

  static void FillLongIncident() {
    for (int step = 0; step <= 7; ++step)
      for (int row = 1; row <= 30; ++row) {
        IncidentGadget(step, row, 1) = Text(LongLabel(step, row));
        for (int column = 2; column <= 4; ++column)
          IncidentGadget(step, row, column) =
              Text("i" + std::to_string(step) + "-" + std::to_string(row) + "-" + std::to_string(column));
      }
  }
};

const Report kReports[] = {
    {"BeforeAfter", [] { LongLabels::FillLongAnalysis(BAGadget, BALabour); }, PrintBAReport, 'v', 8, 40},
    {"ConcurrentGroups", [] { LongLabels::FillLongAnalysis(CGGadget, CGLabour); }, PrintCGReport, 'v', 8, 40},
    {"PotentialIntervention", [] { LongLabels::FillLongAnalysis(PIGadget, PILabour); }, PrintPIReport, 'v', 8,
     40},
    {"Incident", LongLabels::FillLongIncident, PrintIncidentReport, 'i', 7, 30},
};

class PageEnds : public LongLabels, public ::testing::WithParamInterface<Report> {};

// The pages on which the texts of a row stand (its label's lines, its items and its values), and those on
// which its label begins.
struct RowSpread {
  std::set<int> pages, labelled;
};

std::map<std::string, RowSpread> RowPages(const std::vector<PageText>& texts, const Report& r) {
  std::map<std::string, RowSpread> rows;
  std::vector<std::string> lower;
  for (const auto& t : texts) lower.push_back(Lower(t.op->text));
  for (int page = 0; page <= r.pages; ++page)
    for (int row = 1; row <= r.rows; ++row) {
      const std::string token = RowToken(page, row);
      const std::string value = r.valueMark + std::to_string(page) + "-" + std::to_string(row) + "-";
      const std::string labelStart = "L" + std::to_string(page) + "-" + std::to_string(row) + " ";
      RowSpread spread;
      std::set<int> values;
      for (std::size_t i = 0; i < texts.size(); ++i) {
        if (lower[i].find(token) != std::string::npos) spread.pages.insert(texts[i].page);
        if (texts[i].op->text.rfind(labelStart, 0) == 0) spread.labelled.insert(texts[i].page);
        if (texts[i].op->text.find(value) != std::string::npos) values.insert(texts[i].page);
      }
      // A row whose label is not printed has no figures of its own here.
      if (spread.pages.empty()) continue;
      spread.pages.insert(values.begin(), values.end());
      rows[token] = spread;
    }
  return rows;
}

bool IsCriteriaRow(const Report& r, const std::string& token) {
  if (r.valueMark != 'v') return false;
  for (const int row : kCriteriaRows)
    if (token == RowToken(6, row)) return true;
  return false;
}

TEST_P(PageEnds, NoRowIsPartedFromItsFiguresWhereverThePageEnds) {
  const Report& r = GetParam();
  r.fill();
  // Heights a little more than a line apart put the page end inside every kind of row, on letter paper
  // and on A5 less its margins.
  for (const int width : {5100, 3196}) {
    for (int height = 2400; height <= 3600; height += 200) {
      SCOPED_TRACE("page " + std::to_string(width) + " x " + std::to_string(height));
      pf::test::ScriptPrinter(width, height, 600, "");
      r.print();
      const auto jobs = pf::test::TakePrintJobs();
      ASSERT_EQ(jobs.size(), 1u);
      const auto texts = VisibleTexts(jobs[0].pages);
      for (const auto& [token, spread] : RowPages(texts, r)) {
        // A criteria list may go on over pages, each time beside its label.
        if (IsCriteriaRow(r, token)) {
          EXPECT_EQ(spread.pages, spread.labelled) << "the list " << token << " goes on without its label";
          continue;
        }
        EXPECT_EQ(spread.pages.size(), 1u)
            << "the row " << token << " stands on pages " << *spread.pages.begin() + 1 << " to "
            << *spread.pages.rbegin() + 1;
      }
      ExpectInsideThePage(texts, width, height);
      ExpectNoTextOverAnother(texts);
      ExpectBreakdownHeadedOnEveryPage(texts);
      ExpectEveryPageHeaded(jobs[0].pages);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Reports, PageEnds, ::testing::ValuesIn(kReports),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
