// The main window, the borderless popup, activation and the end of the platform.
#include <QtGui/qguiapplication_platform.h>
#include <xcb/xcb.h>

#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLabel>
#include <QPalette>
#include <QScreen>
#include <QTimer>
#include <cstdlib>
#include <memory>

#include "platform/core.h"
#include "platform/environment.h"

namespace pf::detail {

// Never destroyed: its widgets must not be torn down after the toolkit's own statics at process exit.
CoreState& Core() {
  static auto* state = new CoreState;
  return *state;
}

Window* FindWindow(int number) {
  auto it = Core().windows.find(number);
  return it == Core().windows.end() || !it->second.widget ? nullptr : &it->second;
}

QWidget* MainWindowWidget() { return Core().mainWindow.get(); }

int WindowOfWidget(const QWidget* w) {
  if (!w) return 0;
  const QWidget* top = w->window();
  for (const auto& [number, win] : Core().windows)
    if (win.widget == top) return number;
  return 0;
}

bool Headless() { return QGuiApplication::platformName() == QLatin1String("offscreen"); }

namespace {

// How long a window manager may take to maximise the main window.
constexpr int kMaximiseWait = 1500;

void PaintBackground(QWidget* w, Rgb colour) {
  QPalette pal = w->palette();
  pal.setColor(QPalette::Window, QColor(Red(colour), Green(colour), Blue(colour)));
  w->setPalette(pal);
  w->setAutoFillBackground(true);
}

// Offscreen activates a shown window later, from the event queue; wait for it so the program starts with
// its window active as on a desktop.
void ActivateNow(QWidget* w) {
  w->activateWindow();
  for (int i = 0; i < 20 && QApplication::activeWindow() != w; ++i) QCoreApplication::processEvents();
}

// The window a window manager names on the root window (and on itself) while it runs; 0 for none.
xcb_window_t SupportingWindow(xcb_connection_t* conn, xcb_atom_t check, xcb_window_t on) {
  const auto cookie = xcb_get_property(conn, 0, on, check, XCB_ATOM_WINDOW, 0, 1);
  std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(
      xcb_get_property_reply(conn, cookie, nullptr), &std::free);
  if (!reply || reply->type != XCB_ATOM_WINDOW || xcb_get_property_value_length(reply.get()) < 4) return 0;
  return *static_cast<xcb_window_t*>(xcb_get_property_value(reply.get()));
}

// Whether something will maximise the window for us. An X server may run without a window manager (a
// virtual one for screenshots, say); the name a manager left behind counts only while its window still
// names itself. Other platforms always have one.
bool WindowManagerRuns() {
  auto* x11 = qApp ? qApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
  if (!x11 || !x11->connection()) return !Headless();
  xcb_connection_t* conn = x11->connection();
  static const char kName[] = "_NET_SUPPORTING_WM_CHECK";
  const auto atomCookie = xcb_intern_atom(conn, 1, sizeof kName - 1, kName);
  std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> atom(
      xcb_intern_atom_reply(conn, atomCookie, nullptr), &std::free);
  if (!atom || atom->atom == XCB_ATOM_NONE) return false;
  const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(conn)).data;
  if (!screen) return false;
  const xcb_window_t named = SupportingWindow(conn, atom->atom, screen->root);
  return named != 0 && SupportingWindow(conn, atom->atom, named) == named;
}

void CreateControlZero(QWidget* main) {
  auto* zero = new QLabel(main);
  zero->setGeometry(0, 0, 0, 0);
  zero->setFocusPolicy(Qt::NoFocus);
  zero->hide();
  Core().zero = zero;
}

}  // namespace

void ForgetWindows() {
  auto& c = Core();
  c.windows.clear();
  c.popups.clear();
  c.otherWindow.reset();
  c.mainWindow.reset();
}

}  // namespace pf::detail

namespace pf {
using detail::Core;

int OpenMainWindow(const std::string& title, int x, int y, int w, int h, bool maximised) {
  auto& c = Core();
  if (c.mainWindow || !qApp) return c.mainWindow ? kMainWindow : 0;
  detail::InstallEventFilter();
  c.mainWindow = std::make_unique<QWidget>();
  QWidget* win = c.mainWindow.get();
  win->setWindowTitle(QString::fromStdString(title));
  win->setMouseTracking(true);
  detail::PaintBackground(win, 0x000000);
  c.windows[kMainWindow] = detail::Window{kMainWindow, win, false};
  detail::CreateControlZero(win);
  const Rect area = WorkArea();
  if (maximised && (detail::Env().workArea || !detail::WindowManagerRuns())) {
    // Nothing would maximise it (under test, or an X server without a window manager): fill the work
    // area exactly, at once.
    win->setGeometry(area.x, area.y, area.w, area.h);
    win->show();
  } else if (maximised) {
    win->setGeometry(area.x + (area.w - w) / 2, area.y + (area.h - h) / 2, w, h);
    win->showMaximized();
    // The window manager maximises it a moment later; the layout is computed from the size it gets, so
    // wait for it. One that never does leaves the window to fill the work area itself.
    // The wait sleeps until the next event: spinning would take the processor from the window manager
    // we are waiting for. The timer wakes it when the time is up.
    QElapsedTimer waited;
    waited.start();
    QTimer deadline;
    deadline.setSingleShot(true);
    deadline.start(detail::kMaximiseWait);
    while (win->width() < area.w * 9 / 10 && waited.elapsed() < detail::kMaximiseWait)
      QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    if (win->width() < area.w * 9 / 10) win->setGeometry(area.x, area.y, area.w, area.h);
  } else {
    win->setGeometry(x ? x : area.x + (area.w - w) / 2, y ? y : area.y + (area.h - h) / 2, w, h);
    win->show();
  }
  // The focused control always shows its focus frame, not only once the keyboard has moved the focus
  // (showing the window clears the mark, so it is set after).
  win->setAttribute(Qt::WA_KeyboardFocusChange);
  detail::ActivateNow(win);
  return kMainWindow;
}

int OpenPopupWindow(int number, int x, int y, int w, int h) {
  auto& c = Core();
  if (!c.mainWindow) return 0;
  if (number == kAutoNumber) {
    while (c.windows.count(c.nextWindow)) ++c.nextWindow;
    number = c.nextWindow++;
  }
  if (number <= kMainWindow || c.windows.count(number)) return 0;
  // A tool-tip kind of window: borderless, above its owner, and never given the activation (offscreen
  // activates every other kind of window it shows).
  auto popup = std::make_unique<QWidget>(c.mainWindow.get(), Qt::ToolTip | Qt::FramelessWindowHint);
  popup->setAttribute(Qt::WA_ShowWithoutActivating);
  popup->setMouseTracking(true);
  popup->setGeometry(x, y, w, h);
  c.windows[number] = detail::Window{number, popup.get(), true};
  c.popups[number] = std::move(popup);
  // Controls created next go into the popup until the list is closed.
  c.lists.push_back(detail::ListTarget{0, number});
  return number;
}

bool WindowExists(int window) { return detail::FindWindow(window) != nullptr; }

void SetWindowColour(int window, Rgb colour) {
  if (auto* win = detail::FindWindow(window)) detail::PaintBackground(win->widget, colour);
}

void ResizeWindow(int window, int x, int y, int w, int h) {
  auto* win = detail::FindWindow(window);
  if (!win) return;
  QWidget* wd = win->widget;
  const QRect g = wd->geometry();
  const QPoint frame = wd->frameGeometry().topLeft();
  wd->move(x == kIgnoreValue ? frame.x() : x, y == kIgnoreValue ? frame.y() : y);
  wd->resize(w == kIgnoreValue ? g.width() : w, h == kIgnoreValue ? g.height() : h);
}

void ShowWindow(int window, bool show) {
  auto* win = detail::FindWindow(window);
  if (!win) return;
  if (!show) {
    win->widget->hide();
    return;
  }
  win->widget->show();
  if (win->popup) win->widget->raise();
}

bool IsWindowVisible(int window) {
  auto* win = detail::FindWindow(window);
  return win && win->widget->isVisible();
}

Rect WindowRect(int window) {
  auto* win = detail::FindWindow(window);
  if (!win) return {};
  const QRect r = win->widget->frameGeometry();
  return Rect{r.x(), r.y(), r.width(), r.height()};
}

int WindowClientWidth(int window) {
  auto* win = detail::FindWindow(window);
  return win ? win->widget->width() : 0;
}

int WindowClientHeight(int window) {
  auto* win = detail::FindWindow(window);
  return win ? win->widget->height() : 0;
}

Point ClientToScreen(int window, Point p) {
  auto* win = detail::FindWindow(window);
  if (!win) return p;
  const QPoint g = win->widget->mapToGlobal(QPoint(p.x, p.y));
  return Point{g.x(), g.y()};
}

int ActiveWindow() { return detail::WindowOfWidget(QApplication::activeWindow()); }

void CloseWindow(int window) {
  auto& c = Core();
  auto* win = detail::FindWindow(window);
  if (!win) return;
  std::vector<int> doomed;
  for (const auto& [n, g] : c.gadgets)
    if (g->window == window && g->parent == 0) doomed.push_back(n);
  for (int n : doomed) detail::FreeGadgetTree(n);
  if (window == kMainWindow) {
    detail::DestroyGadgets();
    detail::ForgetWindows();
    return;
  }
  c.windows.erase(window);
  c.popups.erase(window);
}

void RepaintWindow(int window) {
  if (auto* win = detail::FindWindow(window)) win->widget->repaint();
}

void ShutdownPlatform() {
  detail::EndOpenPrintJob();
  detail::DestroyGadgets();
  detail::ClearHeldInput();
  detail::ForgetWindows();
  detail::RemoveEventFilter();
  Core().queue.clear();
  Core().lists.clear();
  detail::DestroyApplication();
}

}  // namespace pf
