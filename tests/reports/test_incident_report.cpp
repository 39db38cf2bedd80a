// The incident report printed from a filled worksheet: its sections in order, its page rules, the grid in
// the small font, the shaded blocks and the PDF a user would get.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <memory>

#include "report_fixture.h"
#include "reports/reports.h"

namespace {

using report_tests::PrintedText;

class IncidentReportTest : public report_tests::ReportTest {
 protected:
  // Labels "I<step>-<row>" and values "i<step>-<row>-<column>".
  static void FillIncident() {
    for (int step = 0; step <= 7; ++step)
      for (int row = 1; row <= 30; ++row) {
        IncidentGadget(step, row, 1) = Text("I" + std::to_string(step) + "-" + std::to_string(row));
        for (int column = 2; column <= 4; ++column)
          IncidentGadget(step, row, column) =
              Text("i" + std::to_string(step) + "-" + std::to_string(row) + "-" + std::to_string(column));
      }
  }
};

TEST_F(IncidentReportTest, PrintsEverySectionInOrder) {
  FillIncident();
  const auto printed = Print(PrintIncidentReport);
  ExpectInOrder(printed, {"Acme Works",
                          "Record title",
                          "INCIDENT DESCRIPTION",
                          "I0-2:",
                          "i0-2-2",
                          "I0-3:",
                          "I0-4:",
                          "I0-5:",
                          "I0-8:",
                          "I0-10:",
                          "I0-9:",
                          "I0-6:",
                          "I0-7:",
                          "I0-14:",
                          "I0-13:",
                          "I0-12:",
                          "I0-15:",
                          "i0-15-2",
                          "IMMEDIATE COSTS",
                          "TIME",
                          "RATE",
                          "INDIRECT COST",
                          "i1-2-2",
                          "hrs",
                          "$i1-2-3",
                          "/hr",
                          "$i1-2-4",
                          "I1-2",
                          "I1-4",
                          "I1-5:",
                          "$i1-6-4",
                          "I1-6",
                          "I1-7",
                          "$i1-8-4",
                          "I1-8",
                          "I1-9",
                          "$i1-10-4",
                          "I1-10 (i1-10-2)",
                          "i1-12-3:",
                          "$i1-12-4",
                          "INVESTIGATION COSTS",
                          "I2-2",
                          "I2-4",
                          "I2-5",
                          "I2-7:",
                          "I2-8",
                          "I2-9",
                          "I2-10 (i2-10-2)",
                          "$i2-12-4",
                          "DAMAGE COSTS",
                          "I3-5",
                          "I3-6",
                          "I3-8",
                          "I3-9",
                          "I3-10 (i3-10-2)",
                          "$i3-12-4",
                          "OVERTIME & WORKER REPLACEMENT COSTS",
                          "I4-6",
                          "I4-7",
                          "I4-10 (i4-10-2)",
                          "$i4-12-4",
                          "ABSENCE, MODIFIED WORK AND DISABILITY MANAGEMENT COSTS",
                          "TIME",
                          "RATE",
                          "INDIRECT COST",
                          "$i5-29-3",
                          "I5-29",
                          "i5-30-3",
                          "I5-30",
                          "i5-14-2 hrs",
                          "$i5-14-3 /hr",
                          "$i5-14-4",
                          "I5-14",
                          "i5-15-3%",
                          "I5-15",
                          "i5-20-3%",
                          "I5-20",
                          "$i5-3-3",
                          "I5-3",
                          "i5-21-2 hrs",
                          "I5-21",
                          "I5-27",
                          "$i5-4-3",
                          "I5-4",
                          "i5-28-3%",
                          "I5-28",
                          "$i5-6-3",
                          "I5-6",
                          "$i5-2-4",
                          "I5-2",
                          "$i5-5-4",
                          "I5-5 (i5-5-2)",
                          "i5-12-3:",
                          "$i5-12-4",
                          "BUSINESS PERFORMANCE AND HUMAN RESOURCES MEASURES",
                          "i6-2-4%",
                          "I6-2",
                          "$i6-3-4 /day",
                          "I6-3",
                          "i6-4-4 hours",
                          "I6-4",
                          "SUMMARY",
                          "I7-1",
                          "$i7-2-4",
                          "I7-2",
                          "$i7-6-4",
                          "I7-6",
                          "$i7-7-4",
                          "Total Indirect Costs",
                          "$i7-9-4",
                          "I7-9",
                          "$i7-21-4",
                          "I7-21",
                          "$i7-11-4",
                          "Total Direct + Indirect Costs",
                          "I7-12",
                          "i7-13-2",
                          "i7-13-3",
                          "i7-13-4",
                          "I7-13",
                          "I7-15",
                          "I7-16",
                          "i7-18-4",
                          "hrs",
                          "I7-18",
                          "i7-19-4",
                          "%",
                          "I7-19",
                          "i7-20-4",
                          "I7-20"});
  // The grid and the title after it are in the small font, the business rows in the normal one.
  EXPECT_EQ(Find(printed, "I5-29")->font, 104);
  EXPECT_EQ(Find(printed, "BUSINESS PERFORMANCE AND HUMAN RESOURCES MEASURES")->font, 104);
  EXPECT_EQ(Find(printed, "I6-2")->font, 101);
  EXPECT_TRUE(OpensItsPage(printed, "ABSENCE, MODIFIED WORK AND DISABILITY MANAGEMENT COSTS"));
  EXPECT_TRUE(OpensItsPage(printed, "SUMMARY"));
}

// The costs follow on the same page however low the description ends, as long as their title and first rows
// fit there.
TEST_F(IncidentReportTest, ALongDescriptionPushesTheCostsDownWithoutABreakTest) {
  FillIncident();
  std::string text;
  for (int i = 0; i < 300; ++i) text += "word ";
  pf::SetGadgetText(IncidentGadget(0, 7, 2), text);
  const auto printed = Print(PrintIncidentReport);
  const auto* costs = Find(printed, "IMMEDIATE COSTS");
  ASSERT_NE(costs, nullptr);
  EXPECT_EQ(costs->page, 0);
  EXPECT_GT(costs->y, 6600 / 2);
}

// Where the grid's rows go on to a new page, the grid's headings and their line are repeated there and the
// cells' separators start at that line, as they do under the headings on the grid's first page.
TEST_F(IncidentReportTest, AGridGoingOnToANewPageStartsItsCellsAtItsRepeatedHeadingLine) {
  using Op = pf::test::DrawOp;
  FillIncident();
  int continuedPages = 0;
  for (int height = 2600; height <= 3600; height += 100) {
    SCOPED_TRACE("page height " + std::to_string(height));
    pf::test::ScriptPrinter(5100, height, 600, "");
    PrintIncidentReport();
    const auto jobs = pf::test::TakePrintJobs();
    ASSERT_EQ(jobs.size(), 1u);
    for (const auto& page : jobs[0].pages) {
      const auto& ops = page.ops;
      if (ops.empty() ||
          ops.front().text != "ABSENCE, MODIFIED WORK AND DISABILITY MANAGEMENT COSTS (continued)")
        continue;
      ++continuedPages;
      const auto isLine = [](const Op& op, bool across) {
        return op.type == Op::Type::Line && (across ? op.y == op.h && op.w > op.x : op.x == op.w);
      };
      const auto headingLine =
          std::find_if(ops.begin(), ops.end(), [&](const Op& op) { return isLine(op, true); });
      const auto firstSeparator =
          std::find_if(ops.begin(), ops.end(), [&](const Op& op) { return isLine(op, false); });
      ASSERT_NE(headingLine, ops.end());
      ASSERT_NE(firstSeparator, ops.end());
      EXPECT_EQ(firstSeparator->y, headingLine->y);
    }
  }
  EXPECT_GT(continuedPages, 0);
}

std::string CommandOutput(const std::string& command) {
  std::string out;
  std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
  if (!pipe) return out;
  char buffer[4096];
  for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe.get())) > 0;) out.append(buffer, n);
  return out;
}

TEST_F(IncidentReportTest, TheReportReadsBackFromItsPdf) {
  FillIncident();
  const auto dir = std::filesystem::temp_directory_path() / ("incident_report_" + std::to_string(::getpid()));
  std::filesystem::create_directories(dir);
  const auto pdf = dir / "report.pdf";
  Print(PrintIncidentReport, pdf.string());
  const std::string text = CommandOutput("pdftotext -layout " + pdf.string() + " - 2>/dev/null");
  std::filesystem::remove_all(dir);
  for (const char* want : {"INCIDENT DESCRIPTION", "I0-15:", "IMMEDIATE COSTS",
                           "Total Direct + Indirect Costs", "$i7-11-4", "I7-20"})
    EXPECT_NE(text.find(want), std::string::npos) << want;
}

}  // namespace
