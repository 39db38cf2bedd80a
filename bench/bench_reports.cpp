// Each report printed to a PDF file, what the user waits for after pressing the print button: the longest,
// a Before & After analysis with all ten occupational groups and filled criteria lists, the other two
// analyses filled the same way, and a filled incident. Each is also laid out on a recording printer
// without a file, as the layout tests print it at every page size they sweep, here on A5 less its margins
// at 600 dpi, whose short pages take the most page ends.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "platform/platform.h"
#include "platform/test_surface.h"
#include "reports/reports.h"
#include "shell/shell_globals.h"

namespace {

int Text(const std::string& text) { return pf::TextGadget(pf::kAutoNumber, 0, 0, 50, 10, text); }

// The potential intervention's step 3 has a field per incident type and a justification, and its own row
// for the category of worker.
void FillAnalysis(BoundedArray<int, 10, 40, 2, 10>& gadget, BoundedArray<std::string, 10, 2, 10>& labour,
                  bool potential = false) {
  const int lastSlot = potential ? 6 : 2;
  for (int page = 1; page <= 8; ++page)
    for (int row = 1; row <= 40; ++row) {
      gadget(page, row, 1, 0) =
          Text("Row label of page " + std::to_string(page) + " row " + std::to_string(row));
      for (int column = 1; column <= 2; ++column)
        for (int slot = 1; slot <= lastSlot; ++slot) gadget(page, row, column, slot) = Text("1,234.56");
    }
  for (int row = 2; row <= 10; ++row)
    pf::SetGadgetText(
        gadget(8, row, 1, 2),
        "A description of several lines that the user typed to explain the intervention, its "
        "reasons and the departments and occupations it reaches, repeated to fill the page width.");
  for (const int row : {4, 5, 9, 10, 7, potential ? 11 : 14, 6})
    for (int column = 1; column <= 2; ++column) {
      const int list = pf::ListBoxGadget(pf::kAutoNumber, 0, 0, 50, 50, pf::flags::kMultiSelect);
      for (int item = 0; item < 12; ++item) {
        pf::AddGadgetItem(list, -1, "Criteria item " + std::to_string(item));
        pf::SetGadgetItemSelected(list, item, item % 2 == 0);
      }
      gadget(6, row, column, 2) = list;
    }
  const char* fields[] = {"welders", "12", "1000", "20.00", "50", "30.00", "", "", "", "1050", "21500.00"};
  for (int group = 1; group <= 10; ++group)
    for (int column = 0; column <= 1; ++column)
      for (int field = 0; field <= 10; ++field) labour(group, column, field) = fields[field];
}

void FillIncident() {
  for (int step = 0; step <= 7; ++step)
    for (int row = 1; row <= 30; ++row) {
      IncidentGadget(step, row, 1) =
          Text("Row label of step " + std::to_string(step) + " row " + std::to_string(row));
      for (int column = 2; column <= 4; ++column) IncidentGadget(step, row, column) = Text("1,234.56");
    }
}

void PrintReport(benchmark::State& state, void (*fill)(), void (*print)(), bool toFile) {
  static char arg0[] = "quillmark_bench";
  static char* argv[] = {arg0, nullptr};
  static int argc = 1;
  pf::test::SetWorkArea(1024, 708);
  pf::InitPlatform(argc, argv);
  pf::OpenMainWindow("Bench", 0, 0, 768, 531, true);
  pf::test::ScriptMessageBoxes(true);
  CompanyNameField = Text("Acme Works");
  RecordTitleText = Text("Report 12");
  fill();
  const auto pdf =
      toFile ? std::filesystem::temp_directory_path() / "bench_report.pdf" : std::filesystem::path();
  std::size_t pages = 0;
  for (auto _ : state) {
    if (toFile) {
      pf::test::ScriptPrinter(5100, 6600, 600, pdf.string());
    } else {
      pf::test::ScriptPrinter(3196, 2600, 600, "");
    }
    print();
    state.PauseTiming();
    const auto jobs = pf::test::TakePrintJobs();
    pages = jobs.empty() ? 0 : jobs[0].pages.size();
    state.ResumeTiming();
  }
  state.counters["pages"] = double(pages);
  if (toFile) std::filesystem::remove(pdf);
  IncidentGadget.Clear(), BAGadget.Clear(), CGGadget.Clear(), PIGadget.Clear();
  BALabour.Clear(), CGLabour.Clear(), PILabour.Clear();
  pf::ShutdownPlatform();
}

void FillBA() { FillAnalysis(BAGadget, BALabour); }
void FillCG() { FillAnalysis(CGGadget, CGLabour); }
void FillPI() { FillAnalysis(PIGadget, PILabour, true); }

// Each report printed to a PDF file, and laid out only (a recording printer without a file), as the
// layout tests print it.
#define QM_REPORT_BENCH(name, fill, print)                           \
  BENCHMARK_CAPTURE(PrintReport, name##ToPdf, fill, print, true)     \
      ->Unit(benchmark::kMillisecond)                                \
      ->Iterations(5);                                               \
  BENCHMARK_CAPTURE(PrintReport, name##Measured, fill, print, false) \
      ->Unit(benchmark::kMillisecond)                                \
      ->Iterations(5)

QM_REPORT_BENCH(LongestReport, FillBA, PrintBAReport);
QM_REPORT_BENCH(ConcurrentGroupsReport, FillCG, PrintCGReport);
QM_REPORT_BENCH(PotentialInterventionReport, FillPI, PrintPIReport);
QM_REPORT_BENCH(IncidentReport, FillIncident, PrintIncidentReport);

}  // namespace
BENCHMARK_MAIN();
