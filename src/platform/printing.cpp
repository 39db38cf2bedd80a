// Printing: the print dialog, the job on the chosen printer and its pages. A test can answer the dialog
// with a recording printer: a page size in device pixels and a resolution, whose every drawing call is
// recorded, on pages that are a PDF device (painted into a file when the test names one) so that text
// measures as it will on paper.
#include <QBuffer>
#include <QDialog>
#include <QDir>
#include <QGuiApplication>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QSizeF>
#include <QString>
#include <algorithm>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "platform/drawing_state.h"
#include "platform/registry.h"

namespace pf::detail {
namespace {

// The printer chosen last. Its page size stays readable after its jobs end, until another is chosen.
struct ChosenPrinter {
  std::shared_ptr<QPrinter> real;            // from the dialog
  std::optional<ScriptedPrinter> recording;  // a test's answer
  std::string jobName;
  int width = 0, height = 0, dpiY = 0;
};

// A running job. The painter is declared last so that it ends before its device goes away.
struct Job {
  std::shared_ptr<QPrinter> printer;
  std::unique_ptr<QBuffer> memory;
  std::unique_ptr<QPdfWriter> pdf;
  QPagedPaintDevice* device = nullptr;
  bool recorded = false;
  std::vector<HeldDrawing> page;     // what the current page holds, painted when it is finished
  std::vector<HeldDrawing> carried;  // taken off the page before, waiting for PlaceCarriedDrawings
  QPainter painter;
};

struct Printing {
  ChosenPrinter chosen;
  std::unique_ptr<Job> job;
};
Printing& P() {
  static Printing p;
  return p;
}

bool Offscreen() { return QGuiApplication::platformName() == QLatin1String("offscreen"); }

// Where "print to file" writes unless the user names a file: the job's name in the current folder when
// that lies in the home folder, else in the home folder.
QString DefaultPdfName(const QString& jobName) {
  const QString home = QDir::homePath();
  const QString current = QDir::currentPath();
  const QString folder = current.startsWith(home) ? current : home;
  return QDir(folder).filePath((jobName.isEmpty() ? QStringLiteral("print") : jobName) +
                               QStringLiteral(".pdf"));
}

std::shared_ptr<QPrinter> AskUser(const std::string& jobName) {
  auto printer = std::make_shared<QPrinter>(QPrinter::HighResolution);
  const QString name = QString::fromStdString(jobName);
  printer->setDocName(name);  // before the dialog, which offers it as the file name
  printer->setPageSize(QPageSize(QPageSize::Letter));
  // Qt fills in a default output file only on X11; elsewhere "print to file" would get a bare folder.
  if (QGuiApplication::platformName() != QLatin1String("xcb"))
    printer->setOutputFileName(DefaultPdfName(name));
  QPrintDialog dialog(printer.get(), MainWindowWidget());
  if (dialog.exec() != QDialog::Accepted) return nullptr;
  return printer;
}

// The recording printer's pages: a PDF of exactly its page size at its resolution, so that its device
// pixels are the page's pixels and text measures as it will on paper.
void OpenRecordingDevice(Job& job, const ScriptedPrinter& s, const std::string& jobName) {
  if (s.pdfPath.empty()) {
    job.memory = std::make_unique<QBuffer>();
    job.memory->open(QIODevice::WriteOnly);
    job.pdf = std::make_unique<QPdfWriter>(job.memory.get());
  } else {
    job.pdf = std::make_unique<QPdfWriter>(QString::fromStdString(s.pdfPath));
  }
  const int dpi = s.dpi > 0 ? s.dpi : 96;
  job.pdf->setResolution(dpi);
  job.pdf->setTitle(QString::fromStdString(jobName));
  const QSizeF inches(std::max(1, s.width) / double(dpi), std::max(1, s.height) / double(dpi));
  job.pdf->setPageLayout(QPageLayout(QPageSize(inches, QPageSize::Inch, QString(), QPageSize::ExactMatch),
                                     QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
  job.device = job.pdf.get();
}

// Paints the page's drawings (and records them for a recording printer); the page is then empty. A
// recording printer without a file only measures on its pages: nobody reads what would be painted there.
void FinishPage(Job& job) {
  for (const auto& d : job.page) {
    if (!job.memory) PaintDrawing(job.painter, d);
    if (job.recorded) RecordPrinterOp(d.op);
  }
  job.page.clear();
}

}  // namespace

void HoldPrinterDrawing(HeldDrawing drawing) {
  if (auto& job = P().job) job->page.push_back(std::move(drawing));
}

QPainter* PrinterPainter() {
  auto& job = P().job;
  return job ? &job->painter : nullptr;
}

// A job still open when the platform ends is finished while the fonts it embeds still exist; finishing it
// after the toolkit has gone would crash.
void EndOpenPrintJob() {
  auto& job = P().job;
  if (!job) return;
  if (job->painter.isActive()) job->painter.end();
  job.reset();
}

}  // namespace pf::detail

namespace pf {
using detail::P;

bool PrintRequester(const std::string& jobName) {
  auto& chosen = P().chosen;
  if (auto scripted = detail::TakeScriptedPrinter()) {
    if (scripted->cancel) return false;
    chosen =
        detail::ChosenPrinter{nullptr, *scripted, jobName, scripted->width, scripted->height, scripted->dpi};
    return true;
  }
  if (detail::Offscreen()) return false;  // nobody could answer a dialog: as cancelled
  auto printer = detail::AskUser(jobName);
  if (!printer) return false;
  chosen = detail::ChosenPrinter{printer,          std::nullopt,      jobName,
                                 printer->width(), printer->height(), printer->logicalDpiY()};
  return true;
}

bool StartPrinting() {
  auto& p = P();
  if (p.job || (!p.chosen.real && !p.chosen.recording)) return false;
  auto job = std::make_unique<detail::Job>();
  if (p.chosen.recording) {
    detail::OpenRecordingDevice(*job, *p.chosen.recording, p.chosen.jobName);
    job->recorded = true;
  } else {
    job->printer = p.chosen.real;
    job->device = job->printer.get();
  }
  if (!job->painter.begin(job->device)) return false;
  if (job->recorded) detail::BeginRecordedJob(p.chosen.jobName);
  p.job = std::move(job);
  return true;
}

bool NewPrinterPage() { return NewPrinterPageCarrying(PrinterPageDrawings()); }

int PrinterPageDrawings() {
  const auto& job = P().job;
  return job ? int(job->page.size()) : 0;
}

bool NewPrinterPageCarrying(int from) {
  auto& job = P().job;
  if (!job) return false;
  auto& page = job->page;
  from = std::clamp(from, 0, int(page.size()));
  job->carried.assign(std::make_move_iterator(page.begin() + from), std::make_move_iterator(page.end()));
  page.erase(page.begin() + from, page.end());
  detail::FinishPage(*job);
  // A recording printer without a file only measures: nobody reads its pages, so none is written. Writing
  // one compresses its content through buffers of megabytes, which would cost more than laying it out.
  if (!job->memory && !job->device->newPage()) return false;
  if (job->recorded) detail::AddRecordedPage();
  return true;
}

void PlaceCarriedDrawings(int dy) {
  auto& job = P().job;
  if (!job) return;
  for (auto& d : job->carried) {
    d.op.y += dy;
    if (d.op.type == test::DrawOp::Type::Line) d.op.h += dy;  // a line's second point
    job->page.push_back(std::move(d));
  }
  job->carried.clear();
}

bool StopPrinting() {
  auto& p = P();
  if (!p.job) return false;
  detail::ForgetPrinterTarget();
  detail::FinishPage(*p.job);
  const bool ended = p.job->painter.end();
  if (p.job->recorded) detail::EndRecordedJob();
  p.job.reset();
  return ended;
}

int PrinterPageWidth() { return P().chosen.width; }
int PrinterPageHeight() { return P().chosen.height; }
int PrinterDpiY() { return P().chosen.dpiY; }

}  // namespace pf
