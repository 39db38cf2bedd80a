// Inside the layer: what drawing.cpp, printing.cpp and print_recording.cpp share. The print job owns the
// page painter; drawing borrows it while the printer is the drawing target. Drawing operations can be
// recorded for tests: on the pages of a recording printer, and on pictures when asked.
#pragma once

#include <QFont>
#include <QImage>
#include <optional>
#include <string>

#include "platform/test_surface.h"

class QPaintDevice;
class QPainter;

namespace pf::detail {

// The current drawing target's device (text is measured on it) and font; nullptr without a target.
QPaintDevice* DrawingDevice();
const QFont& DrawingQFont();

// One drawing call, with what it needs to be painted later: the operation as recorded (position, text,
// colours, mode), the font it was drawn in, and a picture's pixels.
struct HeldDrawing {
  test::DrawOp op;
  QFont font = {};
  QImage image = {};
  bool scaled = false;  // a picture drawn at op.w x op.h rather than its own size
};
void PaintDrawing(QPainter& painter, const HeldDrawing& drawing);

// The painter of the running print job's current page; nullptr when no job runs.
QPainter* PrinterPainter();
// Keeps a drawing with the current page of the running job; the page is painted when it is finished.
void HoldPrinterDrawing(HeldDrawing drawing);
// Drawing calls stop using the printer (the job is ending).
void ForgetPrinterTarget();

// What the next print dialog answers, when a test said so (taken once).
struct ScriptedPrinter {
  bool cancel = false;
  int width = 0, height = 0, dpi = 0;
  std::string pdfPath;
};
std::optional<ScriptedPrinter> TakeScriptedPrinter();

// The recorded job of a recording printer: started, one page more, ended.
void BeginRecordedJob(const std::string& name);
void AddRecordedPage();
void EndRecordedJob();
// An operation drawn on the current page of a recorded job (ignored when the job is not recorded).
void RecordPrinterOp(const test::DrawOp& op);
// An operation drawn on a picture (kept only while picture recording is on).
void RecordPictureOp(const test::DrawOp& op);

}  // namespace pf::detail
