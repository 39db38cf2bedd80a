// Application object, environment (work area, dpi, today), the tick counter and blocking pauses.
#include <QApplication>
#include <QDate>
#include <QDateTime>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QGuiApplication>
#include <QLocale>
#include <QScreen>
#include <QTimer>

#include "platform/environment.h"
#include "platform/test_surface.h"

namespace pf::detail {

Environment& Env() {
  static Environment env;
  return env;
}

namespace {
// Deliberately not a static object: destroying the application during static destruction, after the
// toolkit's own statics are gone, crashes. It ends in ShutdownPlatform or with the process.
QApplication*& App() {
  static QApplication* app = nullptr;
  return app;
}
QElapsedTimer& Ticks() {
  static QElapsedTimer t;
  return t;
}
Date FromQDate(const QDate& d) { return Date{d.year(), d.month(), d.day()}; }
}  // namespace

void DestroyApplication() {
  delete App();
  App() = nullptr;
}

}  // namespace pf::detail

namespace pf {
using detail::Env;

void InitPlatform(int& argc, char** argv) {
  if (!qApp) {
    // Month and day names in date fields are English whatever the user's locale; number text never
    // goes through the toolkit's locale.
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    detail::App() = new QApplication(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
  }
  detail::Ticks().start();
}

Rect WorkArea() {
  if (Env().workArea) return *Env().workArea;
  const QScreen* s = QGuiApplication::primaryScreen();
  if (!s) return Rect{0, 0, 1024, 708};
  const QRect r = s->availableGeometry();
  return Rect{r.x(), r.y(), r.width(), r.height()};
}

int ScreenDpiY() {
  if (Env().dpiY) return *Env().dpiY;
  const QScreen* s = QGuiApplication::primaryScreen();
  return s ? int(s->logicalDotsPerInchY() + 0.5) : 96;
}

std::int64_t ElapsedMilliseconds() {
  if (Env().virtualClock) return Env().virtualNow;
  return detail::Ticks().isValid() ? detail::Ticks().elapsed() : 0;
}

void Delay(int ms) {
  if (ms < 0) ms = 0;
  if (Env().virtualClock) {
    // Time passes at once, in small steps, so a test can watch what each step shows; windows still
    // get their paint events, user input stays queued.
    const std::int64_t end = Env().virtualNow + ms;
    do {
      Env().virtualNow = std::min(end, Env().virtualNow + 1);
      if (Env().delayHook) Env().delayHook(Env().virtualNow);
    } while (Env().virtualNow < end);
    if (qApp) QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    return;
  }
  if (!qApp) return;
  QEventLoop loop;
  QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
  loop.exec(QEventLoop::ExcludeUserInputEvents);
}

Date TodayLocal() {
  if (Env().todayLocal) return *Env().todayLocal;
  return detail::FromQDate(QDate::currentDate());
}

Date TodayUtc() {
  if (Env().todayUtc) return *Env().todayUtc;
  return detail::FromQDate(QDateTime::currentDateTimeUtc().date());
}

namespace test {
void SetWorkArea(int w, int h) { Env().workArea = Rect{0, 0, w, h}; }
void SetScreenDpi(int dpiY) { Env().dpiY = dpiY; }
void SetToday(Date local, Date utc) {
  Env().todayLocal = local;
  Env().todayUtc = utc;
}
void UseVirtualClock(bool on) { Env().virtualClock = on; }
void AdvanceClock(int ms) { Env().virtualNow += ms; }
void OnDelayStep(std::function<void(std::int64_t)> hook) { Env().delayHook = std::move(hook); }
}  // namespace test

}  // namespace pf
