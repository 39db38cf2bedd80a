// Driving the loop from a test, and reading back what the controls show.
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScreen>

#include "platform/core.h"
#include "platform/test_surface.h"

namespace pf::test {
namespace {

// Lets the toolkit deliver what is posted and applies the loop's decisions on held keys, so that
// everything the last turn caused is in the queue.
void Settle() {
  detail::FlushHeldInput();
  detail::ProcessPendingQtEvents();
  detail::FlushHeldInput();
}

}  // namespace

void Pump(const std::function<void(const Event&)>& handle) {
  for (;;) {
    Settle();
    Event e;
    if (!detail::NextQueuedEvent(e)) return;
    if (handle) handle(e);
  }
}

bool HasPendingEvents() {
  Settle();
  return !detail::Core().queue.empty();
}

std::vector<Event> DrainEvents() {
  std::vector<Event> out;
  for (;;) {
    Settle();
    Event e;
    if (!detail::NextQueuedEvent(e)) return out;
    out.push_back(std::move(e));
  }
}

std::string DisplayedText(int gadget) {
  // Only a static text shows something other than its text: "&&" as "&", "\r" as a line break.
  const detail::Gadget* g = detail::FindGadget(gadget);
  if (g && g->kind == Kind::Text) return static_cast<QLabel*>(g->widget.data())->text().toStdString();
  return GetGadgetText(gadget);
}

int ShownTextWidth(int gadget) {
  const detail::Gadget* g = detail::FindGadget(gadget);
  if (!g || g->kind != Kind::Text) return 0;
  const auto* label = static_cast<QLabel*>(g->widget.data());
  int widest = 0;
  for (const QString& line : label->text().split(QLatin1Char('\n')))
    widest = std::max(widest, QFontMetrics(label->font()).horizontalAdvance(line));
  return widest;
}

bool AlignedRight(int gadget) {
  const detail::Gadget* g = detail::FindGadget(gadget);
  if (!g) return false;
  if (g->kind == Kind::Text) return static_cast<QLabel*>(g->widget.data())->alignment() & Qt::AlignRight;
  if (g->kind == Kind::Field) return static_cast<QLineEdit*>(g->widget.data())->alignment() & Qt::AlignRight;
  return false;
}

std::string ShownFieldText(int gadget) {
  const detail::Gadget* g = detail::FindGadget(gadget);
  if (!g || g->kind != Kind::Field) return {};
  auto* edit = static_cast<QLineEdit*>(g->widget.data());
  edit->grab();  // the view scrolls as the field paints
  const QRect inside = edit->contentsRect();
  const int y = inside.center().y();
  const int first = edit->cursorPositionAt(QPoint(inside.left(), y));
  const int last = edit->cursorPositionAt(QPoint(inside.right(), y));
  return edit->text().mid(first, last - first).toStdString();
}

bool HasFocus(int gadget) { return gadget > 0 && GetActiveGadget() == gadget; }

std::string ComboEditText(int gadget) {
  detail::Gadget* g = detail::FindGadget(gadget);
  if (!g || g->kind != Kind::Combo) return {};
  QLineEdit* e = static_cast<QComboBox*>(g->widget.data())->lineEdit();
  return e ? e->text().toStdString() : std::string();
}

bool SaveScreenshot(const std::string& path) {
  QWidget* m = detail::MainWindowWidget();
  return m && m->grab().save(QString::fromStdString(path), "PNG");
}

int GrabMainWindow() {
  QWidget* m = detail::MainWindowWidget();
  return m ? detail::StorePicture(kAutoNumber, m->grab().toImage()) : 0;
}

int GrabMainWindowScreen() {
  QWidget* m = detail::MainWindowWidget();
  if (!m || !m->screen()) return 0;
  const QPixmap shot = m->screen()->grabWindow(m->winId(), 0, 0, m->width(), m->height());
  return shot.isNull() ? 0 : detail::StorePicture(kAutoNumber, shot.toImage());
}

int PaintCount() { return detail::Core().paints; }
int BeepCount() { return detail::Core().beeps; }

}  // namespace pf::test
