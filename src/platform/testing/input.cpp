// Test input through the real path: key events go to the focused widget as the window system would send
// them (so they meet the key pipeline), mouse events enter through the window.
#include <QAbstractItemView>
#include <QApplication>
#include <QCalendarWidget>
#include <QClipboard>
#include <QComboBox>
#include <QDateEdit>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSpontaneKeyEvent>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTableView>
#include <QTest>
#include <QToolButton>
#include <QWheelEvent>
#include <QWindow>

#include "platform/core.h"
#include "platform/gadget_widgets.h"
#include "platform/test_surface.h"

namespace pf::test {
namespace {

using detail::Core;

QWidget* KeyReceiver() {
  // An open drop-down (a calendar, a list) has the keyboard, as the window system gives it.
  if (QWidget* popup = QApplication::activePopupWidget())
    return popup->focusWidget() ? popup->focusWidget() : popup;
  QWidget* f = QApplication::focusWidget();
  if (f && detail::WindowOfWidget(f)) return f;
  return detail::MainWindowWidget();
}

std::string DefaultText(int key) {
  switch (key) {
    case vk::kTab:
      return "\t";
    case vk::kReturn:
      return "\r";
    case vk::kBack:
      return "\b";
    case vk::kSpace:
      return " ";
    case vk::kEscape:
      return "\x1b";
    default:
      return {};
  }
}

void SendKey(QEvent::Type type, int key, std::string text, unsigned modifiers, bool autoRepeat) {
  QWidget* receiver = KeyReceiver();
  if (!receiver) return;
  bool keypad = false;
  Qt::Key k = detail::QtKeyOf(key, &keypad);
  if (k == Qt::Key_Tab && (modifiers & mods::kShift)) k = Qt::Key_Backtab;
  Qt::KeyboardModifiers m = detail::QtModifiers(modifiers);
  if (keypad) m |= Qt::KeypadModifier;
  if (text.empty()) text = DefaultText(key);
  QKeyEvent e(type, k, m, QString::fromStdString(text), autoRepeat);
  QSpontaneKeyEvent::setSpontaneous(&e);
  qApp->notify(receiver, &e);
}

// The top-level window under a screen point: a shown popup before the main window.
QWidget* TopAt(QPoint global) {
  for (auto& [n, p] : Core().popups)
    if (p->isVisible() && p->geometry().contains(global)) return p.get();
  return detail::MainWindowWidget();
}

QPoint PointIn(int gadget, int dx, int dy) {
  const Rect r = GadgetScreenRect(gadget);
  return QPoint(r.x + (dx < 0 ? r.w / 2 : dx), r.y + (dy < 0 ? r.h / 2 : dy));
}

enum class MouseAction { Click, Press, Release, DoubleClick, Move };

void Mouse(MouseAction action, QPoint global, Qt::MouseButton button = Qt::LeftButton) {
  QWidget* top = TopAt(global);
  if (!top || !top->windowHandle()) return;
  QWindow* w = top->windowHandle();
  const QPoint local = top->mapFromGlobal(global);
  switch (action) {
    case MouseAction::Click:
      QTest::mouseClick(w, button, {}, local);
      break;
    case MouseAction::Press:
      QTest::mousePress(w, button, {}, local);
      break;
    case MouseAction::Release:
      QTest::mouseRelease(w, button, {}, local);
      break;
    case MouseAction::DoubleClick:
      QTest::mouseDClick(w, button, {}, local);
      break;
    case MouseAction::Move:
      QTest::mouseMove(w, local);
      break;
  }
}

template <typename Pred>
void WaitFor(Pred pred) {
  (void)QTest::qWaitFor(pred, 2000);
}

}  // namespace

void KeyPress(int key, const std::string& text, unsigned modifiers) {
  SendKey(QEvent::KeyPress, key, text, modifiers, false);
  SendKey(QEvent::KeyRelease, key, text, modifiers, false);
}

void TypeText(const std::string& text) {
  for (char c : text) {
    const std::string s(1, c);
    if (c >= '0' && c <= '9')
      KeyPress(c, s);
    else if (c >= 'a' && c <= 'z')
      KeyPress(c - 'a' + 'A', s);
    else if (c >= 'A' && c <= 'Z')
      KeyPress(c, s, mods::kShift);
    else if (c == '.')
      KeyPress(vk::kOemPeriod, s);
    else if (c == '-')
      KeyPress(vk::kOemMinus, s);
    else if (c == ' ')
      KeyPress(vk::kSpace, s);
    else
      KeyPress(0, s);
  }
}

void PressTab(bool backward) { KeyPress(vk::kTab, "\t", backward ? mods::kShift : 0); }
void PressEnter() { KeyPress(vk::kReturn, "\r"); }

void KeyDownOnly(int key, const std::string& text, unsigned modifiers, bool autoRepeat) {
  SendKey(QEvent::KeyPress, key, text, modifiers, autoRepeat);
}

void KeyUpOnly(int key, unsigned modifiers) { SendKey(QEvent::KeyRelease, key, "", modifiers, false); }

void Paste(const std::string& text) {
  QGuiApplication::clipboard()->setText(QString::fromStdString(text));
  KeyPress('V', "\x16", mods::kControl);
}

void MoveMouse(Point screenPos) {
  Core().cursor = screenPos;
  Mouse(MouseAction::Move, QPoint(screenPos.x, screenPos.y));
}

void MoveMouseTo(int gadget, int dx, int dy) {
  const QPoint p = PointIn(gadget, dx, dy);
  MoveMouse(Point{p.x(), p.y()});
}

void Click(int gadget, int dx, int dy) { Mouse(MouseAction::Click, PointIn(gadget, dx, dy)); }
void ClickText(int gadget, int index) {
  detail::Gadget* g = detail::FindGadget(gadget);
  if (!g) return;
  QLineEdit* edit =
      g->kind == Kind::Date ? g->widget->findChild<QLineEdit*>() : qobject_cast<QLineEdit*>(g->widget.data());
  if (!edit) return;
  // The middle of the character: where a click puts the caret after it rather than before it.
  int x = 0;
  while (x < edit->width() && edit->cursorPositionAt(QPoint(x, edit->height() / 2)) <= index) ++x;
  Mouse(MouseAction::Click, edit->mapToGlobal(QPoint(x, edit->height() / 2)));
}

void ClickAt(Point screenPos) { Mouse(MouseAction::Click, QPoint(screenPos.x, screenPos.y)); }
void RightClick(int gadget, int dx, int dy) {
  Mouse(MouseAction::Click, PointIn(gadget, dx, dy), Qt::RightButton);
}
void DoubleClick(int gadget, int dx, int dy) { Mouse(MouseAction::DoubleClick, PointIn(gadget, dx, dy)); }
void LeftDown(int gadget, int dx, int dy) { Mouse(MouseAction::Press, PointIn(gadget, dx, dy)); }
void LeftUp(int gadget, int dx, int dy) { Mouse(MouseAction::Release, PointIn(gadget, dx, dy)); }

// The wheel turned with the pointer at a screen point: the control under it takes the turn, as Wheel does
// at a control's centre.
void WheelAt(Point screenPos, int delta) {
  const QPoint global(screenPos.x, screenPos.y);
  QWidget* top = TopAt(global);
  if (!top) return;
  QWidget* target = top->childAt(top->mapFromGlobal(global));
  if (!target) target = top;
  const QPointF local = target->mapFromGlobal(QPointF(global));
  QWheelEvent e(local, QPointF(global), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                Qt::NoScrollPhase, false);
  QSpontaneKeyEvent::setSpontaneous(&e);
  qApp->notify(target, &e);
}

void Wheel(int gadget, int delta) {
  const QPoint at = PointIn(gadget, -1, -1);
  WheelAt(Point{at.x(), at.y()}, delta);
}

void SetLeftButtonDown(bool down) { Core().leftButtonDown = down; }

void ResizeMainWindow(int clientW, int clientH) {
  if (QWidget* m = detail::MainWindowWidget()) m->resize(clientW, clientH);
}

void ActivateOther() {
  auto& other = Core().otherWindow;
  if (!other) {
    other = std::make_unique<QWidget>(nullptr, Qt::FramelessWindowHint);
    other->setGeometry(0, 0, 1, 1);
  }
  other->show();
  other->activateWindow();
  WaitFor([&] { return QApplication::activeWindow() == other.get(); });
}

void ActivateMain() {
  QWidget* m = detail::MainWindowWidget();
  if (!m) return;
  if (Core().otherWindow) Core().otherWindow->hide();
  m->activateWindow();
  WaitFor([m] { return QApplication::activeWindow() == m; });
}

void RequestClose() {
  if (QWidget* m = detail::MainWindowWidget()) m->close();
}

namespace {
// Offscreen lets a drop-down take the activation, and nothing gives it back, unlike a window manager.
// The closed drop-down's own activation changes may still be queued, so the main window is activated
// again until it stays active once they are through.
void ReactivateMainWindow() {
  QWidget* main = detail::MainWindowWidget();
  for (int round = 0; round < 5; ++round) {
    QCoreApplication::processEvents();
    if (QApplication::activeWindow() == main) break;
    main->activateWindow();
    WaitFor([main] { return QApplication::activeWindow() == main; });
  }
}

void ClickWidget(QWidget* w, QPoint local) {
  QTest::mouseClick(w, Qt::LeftButton, {}, local);
  QCoreApplication::processEvents();
}
}  // namespace

void ChooseComboItem(int gadget, int item) {
  detail::Gadget* g = detail::FindGadget(gadget);
  if (!g || g->kind != Kind::Combo) return;
  auto* c = static_cast<QComboBox*>(g->widget.data());
  if (item < 0 || item >= c->count()) return;
  c->showPopup();
  QAbstractItemView* view = c->view();
  WaitFor([view] { return view->isVisible(); });
  view->setCurrentIndex(c->model()->index(item, c->modelColumn()));
  QTest::keyClick(view, Qt::Key_Return);
  WaitFor([view] { return !view->isVisible(); });
  ReactivateMainWindow();
}

void ClickComboItem(int gadget, int item) {
  detail::Gadget* g = detail::FindGadget(gadget);
  if (!g || g->kind != Kind::Combo) return;
  auto* c = static_cast<QComboBox*>(g->widget.data());
  if (item < 0 || item >= c->count()) return;
  Click(gadget);
  QAbstractItemView* view = c->view();
  WaitFor([view] { return view->isVisible(); });
  // The list ignores a release that comes sooner than a double click after it opened (the end of the
  // press that opened it), as a user's second click never does.
  QTest::qWait(QApplication::doubleClickInterval() + 50);
  const QModelIndex index = c->model()->index(item, c->modelColumn());
  view->scrollTo(index);
  QTest::mouseMove(view->viewport(), view->visualRect(index).center());
  ClickWidget(view->viewport(), view->visualRect(index).center());
  WaitFor([view] { return !view->isVisible(); });
  ReactivateMainWindow();
}

void ChangeDate(int gadget, Date date) {
  detail::Gadget* g = detail::FindGadget(gadget);
  if (!g || g->kind != Kind::Date) return;
  // As the drop-down calendar does it.
  static_cast<QDateEdit*>(g->widget.data())->setDate(QDate(date.year, date.month, date.day));
}

void PickCalendarDate(int gadget, Date date) {
  detail::Gadget* g = detail::FindGadget(gadget);
  if (!g || g->kind != Kind::Date) return;
  auto* field = static_cast<QDateEdit*>(g->widget.data());
  QStyleOptionComboBox opt;
  opt.initFrom(field);
  opt.editable = true;
  opt.subControls = QStyle::SC_All;
  const QRect arrow =
      field->style()->subControlRect(QStyle::CC_ComboBox, &opt, QStyle::SC_ComboBoxArrow, field);
  const QPoint at = field->mapToGlobal(arrow.center());
  Click(gadget, at.x() - GadgetScreenRect(gadget).x, at.y() - GadgetScreenRect(gadget).y);
  QCalendarWidget* calendar = field->calendarWidget();
  QWidget* popup = calendar->window();
  WaitFor([popup] { return popup->isVisible(); });
  if (!popup->isVisible()) return;
  // Turn the pages as the user does, with the month buttons.
  const int target = date.year * 12 + date.month;
  for (int guard = 0; guard < 1200; ++guard) {
    const int shown = calendar->yearShown() * 12 + calendar->monthShown();
    if (shown == target) break;
    auto* button =
        calendar->findChild<QToolButton*>(shown < target ? "qt_calendar_nextmonth" : "qt_calendar_prevmonth");
    if (!button) return;
    ClickWidget(button, button->rect().center());
  }
  // The day's cell: the first "1" of the grid opens the month shown, after the last days of the one before.
  auto* view = calendar->findChild<QTableView*>("qt_calendar_calendarview");
  if (!view) return;
  QAbstractItemModel* model = view->model();
  const int firstRow = calendar->horizontalHeaderFormat() == QCalendarWidget::NoHorizontalHeader ? 0 : 1;
  const int firstColumn = calendar->verticalHeaderFormat() == QCalendarWidget::NoVerticalHeader ? 0 : 1;
  int dayOne = -1;
  for (int i = 0; i < 42 && dayOne < 0; ++i)
    if (model->index(firstRow + i / 7, firstColumn + i % 7).data().toString() == QLatin1String("1"))
      dayOne = i;
  if (dayOne < 0) return;
  const int cell = dayOne + date.day - 1;
  const QModelIndex index = model->index(firstRow + cell / 7, firstColumn + cell % 7);
  ClickWidget(view->viewport(), view->visualRect(index).center());
  WaitFor([popup] { return !popup->isVisible(); });
  ReactivateMainWindow();
}

void StepUpDown(int gadget, bool up) {
  detail::Gadget* g = detail::FindGadget(gadget);
  if (!g || g->kind != Kind::UpDown) return;
  QToolButton* arrow = static_cast<detail::UpDownWidget*>(g->widget.data())->Arrow(up);
  QTest::mouseClick(arrow, Qt::LeftButton);
}

}  // namespace pf::test
