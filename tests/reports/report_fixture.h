// Worksheets made of plain controls at the cells a report reads, and the printed texts read back in order.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/platform.h"
#include "platform/platform_fixture.h"
#include "platform/test_surface.h"
#include "shell/shell_globals.h"

namespace report_tests {

struct PrintedText {
  std::string text;
  int page = 0, x = 0, y = 0, font = 0;
};

inline std::string Trim(const std::string& s) {
  const auto b = s.find_first_not_of(' ');
  if (b == std::string::npos) return "";
  return s.substr(b, s.find_last_not_of(' ') - b + 1);
}

class ReportTest : public pf::testing::PlatformTest {
 protected:
  void SetUp() override {
    PlatformTest::SetUp();
    pf::test::ScriptMessageBoxes(true);
    GreyColour = pf::MakeRgb(200, 200, 200);
    CompanyNameField = Text("Acme Works");
    RecordTitleText = Text("Record title");
  }
  void TearDown() override {
    IncidentGadget.Clear(), BAGadget.Clear(), CGGadget.Clear(), PIGadget.Clear();
    BALabour.Clear(), CGLabour.Clear(), PILabour.Clear();
    NoticeGadget.Clear();
    PlatformTest::TearDown();
  }

  static int Text(const std::string& text) { return pf::TextGadget(pf::kAutoNumber, 0, 0, 50, 10, text); }

  // A multi-select list whose items named in `selected` (by position) are selected.
  static int List(const std::vector<std::string>& items, const std::vector<int>& selected) {
    const int list = pf::ListBoxGadget(pf::kAutoNumber, 0, 0, 50, 50, pf::flags::kMultiSelect);
    for (const auto& item : items) pf::AddGadgetItem(list, -1, item);
    for (const int i : selected) pf::SetGadgetItemSelected(list, i, true);
    return list;
  }

  // Labels "L<page>-<row>" in slot 0 and values "v<page>-<row>-<column>-<slot>" in the other slots of an
  // analysis worksheet, for every cell the reports may read.
  static void FillAnalysis(BoundedArray<int, 10, 40, 2, 10>& gadget) {
    for (int page = 1; page <= 8; ++page)
      for (int row = 1; row <= 40; ++row) {
        gadget(page, row, 1, 0) = Text("L" + std::to_string(page) + "-" + std::to_string(row));
        // The step-3 grid has a field per incident type and a justification; elsewhere slots 1 and 2 do.
        const int lastSlot = page == 6 && row >= 20 ? 6 : 2;
        for (int column = 1; column <= 2; ++column)
          for (int slot = 1; slot <= lastSlot; ++slot)
            gadget(page, row, column, slot) = Text(Value(page, row, column, slot));
      }
  }
  static std::string Value(int page, int row, int column, int slot) {
    return "v" + std::to_string(page) + "-" + std::to_string(row) + "-" + std::to_string(column) + "-" +
           std::to_string(slot);
  }

  // Prints with a letter page at 600 dpi and gives every text drawn, in drawing order.
  template <typename Report>
  static std::vector<PrintedText> Print(Report report, const std::string& pdf = "", int pageHeight = 6600) {
    pf::test::ScriptPrinter(5100, pageHeight, 600, pdf);
    report();
    const auto jobs = pf::test::TakePrintJobs();
    EXPECT_EQ(jobs.size(), 1u);
    std::vector<PrintedText> texts;
    if (jobs.empty()) return texts;
    EXPECT_TRUE(jobs[0].ended);
    for (std::size_t p = 0; p < jobs[0].pages.size(); ++p)
      for (const auto& op : jobs[0].pages[p].ops)
        if (op.type == pf::test::DrawOp::Type::Text)
          texts.push_back({Trim(op.text), int(p), op.x, op.y, op.font});
    return texts;
  }

  // The expected texts appear in this order (other texts may stand between them); the failure names the
  // first one missing.
  static void ExpectInOrder(const std::vector<PrintedText>& printed,
                            const std::vector<std::string>& expected) {
    std::size_t at = 0;
    for (const auto& want : expected) {
      while (at < printed.size() && printed[at].text != want) ++at;
      ASSERT_LT(at, printed.size()) << "missing or out of order: \"" << want << "\"";
      ++at;
    }
  }

  // The text is the first on a page after the first, at its top.
  static bool OpensItsPage(const std::vector<PrintedText>& printed, const std::string& title) {
    for (std::size_t i = 0; i < printed.size(); ++i)
      if (printed[i].text == title)
        return i > 0 && printed[i - 1].page < printed[i].page && printed[i].y <= 10;
    return false;
  }

  static const PrintedText* Find(const std::vector<PrintedText>& printed, const std::string& text) {
    for (const auto& t : printed)
      if (t.text == text) return &t;
    return nullptr;
  }
};

}  // namespace report_tests
