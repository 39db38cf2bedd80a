// The event queue: one application event filter turns toolkit events for our windows into the program's
// events, and WaitWindowEvent hands them out one at a time.
#include <QApplication>
#include <QCloseEvent>
#include <QEvent>
#include <QFocusEvent>
#include <QMouseEvent>
#include <QResizeEvent>
#include <QTimer>
#include <memory>

#include "platform/core.h"

namespace pf::detail {
namespace {

void ReportFocus(QWidget* w, QFocusEvent* e) {
  if (e->reason() == Qt::PopupFocusReason) return;  // a combo box's drop-down coming and going
  // The focus coming back with the window is no new focus: the field keeps its selection as it was.
  if (e->type() == QEvent::FocusIn && e->reason() == Qt::ActiveWindowFocusReason) return;
  Gadget* g = GadgetOfPart(w);
  if (!g || FocusTarget(*g) != w) return;
  // A click and the window's own activation are the user's doing whatever scope is open.
  const bool user = e->reason() == Qt::MouseFocusReason || e->reason() == Qt::ActiveWindowFocusReason;
  std::optional<OriginScope> scope;
  if (user) scope.emplace(Origin::User);
  PostGadgetEvent(g->number, e->type() == QEvent::FocusIn ? GadgetEvent::Focus : GadgetEvent::LostFocus);
}

void ReportPointer(QWidget* w, int window, QEvent* e) {
  if (!e->spontaneous()) return;  // once per pointer event, not again while it travels up to the parents
  auto* me = static_cast<QMouseEvent*>(e);
  const QPoint g = me->globalPosition().toPoint();
  Event ev;
  ev.window = window;
  ev.pos = Point{g.x(), g.y()};
  if (e->type() == QEvent::MouseMove) {
    ev.type = EventType::MouseMove;
  } else if (e->type() == QEvent::MouseButtonRelease && me->button() == Qt::LeftButton) {
    ev.type = EventType::LeftButtonUp;
  } else {
    return;
  }
  (void)w;
  PostEvent(ev);
}

// A drop-down list takes the activation for a moment; the window counts as active all along, so the
// loop sees a change only when another window really took it (or gave it back).
void ReportActivation(QWidget* w, bool active) {
  const int window = WindowOfWidget(w);
  auto& shown = Core().reportedActive;
  const QWidget* now = QApplication::activeWindow();
  if (!active && (QApplication::activePopupWidget() || (now && now->windowType() == Qt::Popup))) return;
  if (shown.count(window) && shown[window] == active) return;
  shown[window] = active;
  Event ev;
  ev.type = active ? EventType::ActivateWindow : EventType::DeactivateWindow;
  ev.window = window;
  PostEvent(ev);
}

bool IsInput(QEvent::Type t) {
  switch (t) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
      return true;
    default:
      return false;
  }
}

bool IsOurWindow(const QObject* window) {
  for (const auto& [number, win] : Core().windows)
    if (win.widget && win.widget->windowHandle() == window) return true;
  return false;
}

class AppFilter : public QObject {
 public:
  bool eventFilter(QObject* obj, QEvent* e) override {
    if (obj->isWindowType() && IsInput(e->type()) && IsOurWindow(obj))
      return FilterWindowInput(static_cast<QWindow*>(obj), e);
    if (!obj->isWidgetType() || e == ChainDefaultEvent()) return false;
    auto* w = static_cast<QWidget*>(obj);
    const QEvent::Type t = e->type();
    if (IsInput(t)) {
      const int window = WindowOfWidget(w);
      if (!window) return false;
      if (FilterInput(w, e)) return true;
      if (t == QEvent::MouseMove || t == QEvent::MouseButtonRelease) ReportPointer(w, window, e);
      return false;
    }
    switch (t) {
      case QEvent::Paint:
        if (WindowOfWidget(w)) ++Core().paints;
        return false;
      case QEvent::FocusIn:
      case QEvent::FocusOut:
        if (WindowOfWidget(w)) ReportFocus(w, static_cast<QFocusEvent*>(e));
        return false;
      case QEvent::Close:
        if (w->isWindow() && WindowOfWidget(w)) {
          e->ignore();  // the program decides
          Event ev;
          ev.type = EventType::CloseWindow;
          ev.window = WindowOfWidget(w);
          PostEvent(ev);
          return true;
        }
        return false;
      case QEvent::Resize:
        if (w == MainWindowWidget() &&
            static_cast<QResizeEvent*>(e)->size() != static_cast<QResizeEvent*>(e)->oldSize()) {
          Event ev;
          ev.type = EventType::SizeWindow;
          ev.window = kMainWindow;
          PostEvent(ev);
        }
        return false;
      case QEvent::WindowActivate:
      case QEvent::WindowDeactivate:
        if (w->isWindow() && WindowOfWidget(w)) ReportActivation(w, t == QEvent::WindowActivate);
        return false;
      default:
        return false;
    }
  }
};

std::unique_ptr<AppFilter>& Filter() {
  static std::unique_ptr<AppFilter> f;
  return f;
}

}  // namespace

OriginScope::OriginScope(Origin o) { Core().origins.push_back(o); }
OriginScope::~OriginScope() { Core().origins.pop_back(); }
Origin CurrentOrigin() { return Core().origins.empty() ? Origin::User : Core().origins.back(); }
bool InProgramWrite() { return CurrentOrigin() == Origin::Program; }
bool DeliveringUserInput() { return CurrentOrigin() == Origin::User; }

void InstallEventFilter() {
  if (Filter() || !qApp) return;
  Filter() = std::make_unique<AppFilter>();
  qApp->installEventFilter(Filter().get());
}

void RemoveEventFilter() {
  if (Filter() && qApp) qApp->removeEventFilter(Filter().get());
  Filter().reset();
}

void Beep() {
  ++Core().beeps;
  QApplication::beep();
}

void WakeLoop() {
  if (qApp) QCoreApplication::postEvent(qApp, new QEvent(QEvent::User));
}

void PostEvent(Event e) {
  Core().queue.push_back(std::move(e));
  WakeLoop();
}

void PostGadgetEvent(int gadget, GadgetEvent kind) {
  Gadget* g = FindGadget(gadget);
  if (!g) return;  // control 0 and unknown numbers raise nothing
  Event e;
  e.type = EventType::Gadget;
  e.window = g->window;
  e.gadget = gadget;
  e.kind = kind;
  e.origin = CurrentOrigin();
  e.inFill = Core().fillDepth > 0;
  PostEvent(std::move(e));
}

void ProcessPendingQtEvents() {
  QCoreApplication::processEvents(QEventLoop::AllEvents);
  // processEvents outside exec() never runs deleteLater on its own.
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

bool NextQueuedEvent(Event& out) {
  auto& q = Core().queue;
  if (q.empty()) return false;
  out = std::move(q.front());
  q.pop_front();
  KeyPopped(out);
  return true;
}

}  // namespace pf::detail

namespace pf {

Event WaitWindowEvent() {
  Event e;
  for (;;) {
    // The loop's decision on the key it saw last is applied before anything else happens.
    detail::FlushHeldInput();
    if (detail::NextQueuedEvent(e)) return e;
    if (!qApp) return e;
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
}

FillScope::FillScope() { ++detail::Core().fillDepth; }
FillScope::~FillScope() { --detail::Core().fillDepth; }

void SetPasteJudge(PasteJudge judge) { detail::Core().pasteJudge = std::move(judge); }

}  // namespace pf
