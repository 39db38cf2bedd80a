// The printing part of the test surface: scripted print-dialog answers, and the log of what was drawn on
// the pages of recording printers and, when asked, on pictures.
#include <deque>
#include <utility>
#include <vector>

#include "platform/drawing_state.h"
#include "platform/test_surface.h"

namespace pf::detail {
namespace {
struct Recording {
  std::deque<ScriptedPrinter> answers;
  std::vector<test::PrintJob> jobs;
  bool jobRunning = false;  // the last job in `jobs` is still receiving pages
  bool pictures = false;
  std::vector<test::DrawOp> pictureOps;
};
Recording& Rec() {
  static Recording r;
  return r;
}
}  // namespace

std::optional<ScriptedPrinter> TakeScriptedPrinter() {
  auto& a = Rec().answers;
  if (a.empty()) return std::nullopt;
  ScriptedPrinter next = std::move(a.front());
  a.pop_front();
  return next;
}

void BeginRecordedJob(const std::string& name) {
  auto& r = Rec();
  r.jobs.push_back(test::PrintJob{name, {test::PrintedPage{}}, false});
  r.jobRunning = true;
}

void AddRecordedPage() {
  auto& r = Rec();
  if (r.jobRunning && !r.jobs.empty()) r.jobs.back().pages.emplace_back();
}

void EndRecordedJob() {
  auto& r = Rec();
  if (r.jobRunning && !r.jobs.empty()) r.jobs.back().ended = true;
  r.jobRunning = false;
}

void RecordPrinterOp(const test::DrawOp& op) {
  auto& r = Rec();
  if (r.jobRunning && !r.jobs.empty()) r.jobs.back().pages.back().ops.push_back(op);
}

void RecordPictureOp(const test::DrawOp& op) {
  if (Rec().pictures) Rec().pictureOps.push_back(op);
}

}  // namespace pf::detail

namespace pf::test {

void ScriptPrintCancel() { detail::Rec().answers.push_back(detail::ScriptedPrinter{true, 0, 0, 0, {}}); }

void ScriptPrinter(int pageWidth, int pageHeight, int dpi, const std::string& pdfPath) {
  detail::Rec().answers.push_back(detail::ScriptedPrinter{false, pageWidth, pageHeight, dpi, pdfPath});
}

// A job still running is handed over as it stands; what it draws afterwards is not recorded.
std::vector<PrintJob> TakePrintJobs() {
  auto& r = detail::Rec();
  r.jobRunning = false;
  return std::exchange(r.jobs, {});
}

void RecordPictureDrawing(bool on) { detail::Rec().pictures = on; }

std::vector<DrawOp> TakePictureOps() { return std::exchange(detail::Rec().pictureOps, {}); }

}  // namespace pf::test
