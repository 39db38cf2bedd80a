// Driving the loop from a test, and reading back what the controls show.
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>

#include "platform/core.h"
#include "platform/gadget_widgets.h"
#include "platform/test_surface.h"

namespace pf::test {
namespace {

// The text of a line edit that its view shows, and where: the characters between the edges of `room`.
ShownLine VisiblePart(QLineEdit* edit, const QRect& room) {
  const int y = room.center().y();
  const int first = edit->cursorPositionAt(QPoint(room.left(), y));
  const int last = edit->cursorPositionAt(QPoint(room.right(), y));
  const QString text = edit->text(), part = text.mid(first, last - first);
  const int width = edit->fontMetrics().horizontalAdvance(part);
  const bool right = QStyle::visualAlignment(edit->layoutDirection(), edit->alignment()) & Qt::AlignRight;
  // A part that fits stands at the aligned side; a longer one fills the room.
  int left = right ? room.right() + 1 - width : room.left();
  if (part != text) left = room.left();
  return ShownLine{part.toStdString(),
                   QFontInfo(edit->font()).family().toStdString(),
                   QFontInfo(edit->font()).pixelSize(),
                   left,
                   left + std::min(width, room.width()),
                   room.left(),
                   room.right() + 1};
}

ShownLine Drawn(const detail::DrawnLine& d) {
  const int width = QFontMetrics(d.font).horizontalAdvance(d.text);
  return ShownLine{d.text.toStdString(),
                   QFontInfo(d.font).family().toStdString(),
                   QFontInfo(d.font).pixelSize(),
                   d.x,
                   d.x + width,
                   d.room.left(),
                   d.room.right() + 1};
}

ShownLine OnScreen(ShownLine line, const QWidget* w) {
  const int dx = w->mapToGlobal(QPoint(0, 0)).x();
  for (int* x : {&line.left, &line.right, &line.roomLeft, &line.roomRight}) *x += dx;
  return line;
}

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

ShownLine ShownValueLine(int gadget) {
  detail::Gadget* g = detail::FindGadget(gadget);
  if (!g) return {};
  if (auto* field = dynamic_cast<detail::FieldEdit*>(g->widget.data())) {
    field->grab();  // as it paints now
    return OnScreen(field->Drawn().fitted ? Drawn(field->Drawn()) : VisiblePart(field, field->TextRoom()),
                    field);
  }
  if (auto* label = dynamic_cast<detail::ClickLabel*>(g->widget.data())) {
    label->grab();
    if (label->Drawn().fitted) return OnScreen(Drawn(label->Drawn()), label);
    const QRect room = label->TextRoom();
    const int width = label->fontMetrics().horizontalAdvance(label->text());
    const Qt::Alignment a = QStyle::visualAlignment(label->layoutDirection(), label->alignment());
    const int left = a & Qt::AlignRight     ? room.right() + 1 - width
                     : a & Qt::AlignHCenter ? room.left() + (room.width() - width) / 2
                                            : room.left();
    const QFontInfo font(label->font());
    return OnScreen(ShownLine{label->text().toStdString(), font.family().toStdString(), font.pixelSize(),
                              left, left + width, room.left(), room.right() + 1},
                    label);
  }
  if (auto* combo = dynamic_cast<detail::ComboWidget*>(g->widget.data()); combo && !combo->isEditable()) {
    // Across, where the letters really land: a choice cut at the field's edge has ink up to that edge.
    const QImage shot = combo->grab().toImage();
    ShownLine line = Drawn(combo->Drawn());
    const QRect room = combo->Drawn().room;
    int left = room.right() + 1, right = room.left() - 1;
    for (int x = room.left(); x <= room.right(); ++x)
      for (int y = room.top(); y <= room.bottom(); ++y)
        if (qGray(shot.pixel(x, y)) < 100) {
          left = std::min(left, x), right = std::max(right, x);
          break;
        }
    if (right >= left) line.left = left, line.right = right + 1;
    return OnScreen(line, combo);
  }
  if (g->kind == Kind::Date) {
    QLineEdit* edit = g->widget->findChild<QLineEdit*>();
    if (!edit) return {};
    edit->grab();
    const QRect room = edit->contentsRect().marginsRemoved(edit->textMargins()).adjusted(2, 0, -2, 0);
    return OnScreen(VisiblePart(edit, room), edit);
  }
  return {};
}

namespace {
QScrollArea* AreaOf(int gadget) {
  detail::Gadget* g = detail::FindGadget(gadget);
  return g && g->kind == Kind::ScrollArea ? static_cast<QScrollArea*>(g->widget.data()) : nullptr;
}
Rect ScreenRect(const QWidget* w) {
  const QPoint p = w->mapToGlobal(QPoint(0, 0));
  return Rect{p.x(), p.y(), w->width(), w->height()};
}
}  // namespace

Rect VerticalBarRect(int area) {
  QScrollArea* a = AreaOf(area);
  if (!a || !a->verticalScrollBar()->isVisible()) return {};
  return ScreenRect(a->verticalScrollBar());
}

Rect ScrollViewRect(int area) {
  QScrollArea* a = AreaOf(area);
  return a ? ScreenRect(a->viewport()) : Rect{};
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
