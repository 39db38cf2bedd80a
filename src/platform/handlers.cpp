// Per-control handler chains: the program's handlers see the control's messages newest first and may
// consume them, pass them on, or run the older handlers and the control's own processing at once.
#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QWheelEvent>

#include "platform/core.h"

namespace pf::detail {
namespace {

const QEvent* gDefaultEvent = nullptr;

Point ControlPos(const Gadget& g, QWidget* part, QPointF local) {
  const QPoint p = part == g.widget ? local.toPoint() : part->mapTo(g.widget, local.toPoint());
  return Point{p.x(), p.y()};
}

// Fills a message for a toolkit event; false when the chain has no message for it.
bool ToMessage(Gadget& g, QWidget* part, QEvent* e, Message& m) {
  m.gadget = g.number;
  m.fromEdit = IsEditableCombo(g) && part == g.inner;
  switch (e->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick: {
      auto* me = static_cast<QMouseEvent*>(e);
      const bool press = e->type() != QEvent::MouseButtonRelease;
      if (me->button() == Qt::LeftButton) {
        m.type = e->type() == QEvent::MouseButtonDblClick ? Msg::DoubleClick
                 : press                                  ? Msg::LeftDown
                                                          : Msg::LeftUp;
      } else if (me->button() == Qt::RightButton) {
        m.type = press ? Msg::RightDown : Msg::RightUp;
      } else {
        return false;
      }
      m.pos = ControlPos(g, part, me->position());
      m.modifiers = ModifiersOf(me->modifiers());
      return true;
    }
    case QEvent::Wheel: {
      auto* we = static_cast<QWheelEvent*>(e);
      m.type = Msg::Wheel;
      m.delta = we->angleDelta().y();
      m.pos = ControlPos(g, part, we->position());
      m.modifiers = ModifiersOf(we->modifiers());
      return true;
    }
    case QEvent::FocusIn:
    case QEvent::FocusOut: {
      auto* fe = static_cast<QFocusEvent*>(e);
      if (fe->reason() == Qt::PopupFocusReason || part != FocusTarget(g)) return false;
      m.type = e->type() == QEvent::FocusIn ? Msg::FocusIn : Msg::FocusOut;
      m.reason = ReasonOf(fe->reason());
      return true;
    }
    case QEvent::EnabledChange:
      if (part != g.widget) return false;
      m.type = Msg::Enable;
      m.flag = part->isEnabled();
      return true;
    case QEvent::Resize:
      if (part != g.widget) return false;
      m.type = Msg::Size;
      return true;
    default:
      return false;
  }
}

// The scroll request a wheel turn over a scroll area becomes: three steps per notch.
void WheelToScroll(Gadget& g, int delta) {
  auto* area = static_cast<QAbstractScrollArea*>(g.widget.data());
  QScrollBar* bar = area->verticalScrollBar();
  const int target = bar->value() - delta * 3 * bar->singleStep() / 120;
  RunScrollChain(g, ScrollKind::ThumbPosition, std::clamp(target, bar->minimum(), bar->maximum()));
}

class ChainFilter : public QObject {
 public:
  bool eventFilter(QObject* obj, QEvent* e) override {
    if (e == gDefaultEvent || !obj->isWidgetType()) return false;
    auto* part = static_cast<QWidget*>(obj);
    Gadget* g = GadgetOfPart(part);
    if (!g) return false;
    const bool scrollWheel = g->kind == Kind::ScrollArea && e->type() == QEvent::Wheel;
    if (g->handlers.empty() && !scrollWheel) return false;
    Message m;
    if (!ToMessage(*g, part, e, m)) return false;
    const int number = g->number;
    auto def = [number, obj, e, scrollWheel, delta = m.delta] {
      Gadget* target = FindGadget(number);
      if (scrollWheel && target)
        WheelToScroll(*target, delta);
      else
        DeliverPastChain(obj, e);
      e->accept();
    };
    if (RunHandlers(*g, m, def)) {
      e->accept();
      return true;
    }
    if (scrollWheel) {
      def();
      return true;
    }
    return false;
  }
};

ChainFilter* TheChainFilter() {
  static ChainFilter* f = new ChainFilter;  // lives as long as the process; filters outlive widgets
  return f;
}

}  // namespace

const QEvent* ChainDefaultEvent() { return gDefaultEvent; }

void DeliverPastChain(QObject* obj, QEvent* e) {
  const QEvent* outer = gDefaultEvent;
  gDefaultEvent = e;
  QCoreApplication::sendEvent(obj, e);
  gDefaultEvent = outer;
}

void AttachChain(Gadget& g, QWidget* w) {
  (void)g;
  if (w) w->installEventFilter(TheChainFilter());
}

bool RunHandlers(Gadget& g, Message& m, const std::function<void()>& defaultAction) {
  const std::vector<HandlerEntry> hs = g.handlers;  // a handler may add or remove handlers
  bool defaultDone = false;
  std::function<bool(int)> run = [&](int i) -> bool {
    for (; i >= 0; --i) {
      bool called = false;
      const CallPrevious previous = [&, i] {
        if (called) return;
        called = true;
        if (!run(i - 1) && !defaultDone) {
          defaultDone = true;
          if (defaultAction) defaultAction();
        }
      };
      const bool consumed = hs[size_t(i)].fn(m, previous);
      if (called || consumed) return true;
    }
    return false;
  };
  return run(int(hs.size()) - 1);
}

// A key press runs KeyDown and then, when it types a character, Char: both see it before the control
// does, and consuming either keeps it from the control. A handler's previous() hands the whole key to the
// control at once.
bool DeliverKeyThroughChain(QWidget* target, QKeyEvent* e, const std::function<void()>& widgetDefault) {
  Gadget* g = nullptr;
  for (QWidget* w = target; w && !g; w = w->parentWidget()) g = GadgetOfPart(w);
  if (!g || g->handlers.empty()) {
    widgetDefault();
    return true;
  }
  const int number = g->number;
  bool delivered = false;
  auto deliver = [&] {
    if (!delivered) {
      delivered = true;
      widgetDefault();
    }
  };
  Message m;
  m.gadget = number;
  m.fromEdit = IsEditableCombo(*g);
  m.key = VirtualKeyOf(*e);
  m.modifiers = ModifiersOf(e->modifiers());
  m.autoRepeat = e->isAutoRepeat();
  if (e->type() == QEvent::KeyRelease) {
    m.type = Msg::KeyUp;
    if (!RunHandlers(*g, m, deliver)) deliver();
    return true;
  }
  m.type = Msg::KeyDown;
  bool consumed = RunHandlers(*g, m, deliver) && !delivered;
  const QString text = e->text();
  const bool control = e->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
  if (!text.isEmpty() && !control && !delivered && (g = FindGadget(number))) {
    Message c = m;
    c.type = Msg::Char;
    c.text = text.toStdString();
    c.key = int(text.toUcs4().value(0));
    if (RunHandlers(*g, c, deliver) && !delivered) consumed = true;
  }
  if (!consumed) deliver();
  return true;
}

void ConnectButtonSignals(Gadget& g) {
  auto* b = static_cast<QAbstractButton*>(g.widget.data());
  const int n = g.number;
  QObject::connect(b, &QAbstractButton::clicked, b, [n] { PostGadgetEvent(n, GadgetEvent::LeftClick); });
  auto state = [n](Msg type, bool flag) {
    Gadget* target = FindGadget(n);
    if (!target || target->handlers.empty()) return;
    Message m;
    m.type = type;
    m.gadget = n;
    m.flag = flag;
    RunHandlers(*target, m, nullptr);
  };
  if (g.kind == Kind::Option) {
    QObject::connect(b, &QAbstractButton::toggled, b, [state](bool on) { state(Msg::CheckState, on); });
  } else {
    QObject::connect(b, &QAbstractButton::pressed, b, [state] { state(Msg::PushState, true); });
    QObject::connect(b, &QAbstractButton::released, b, [state] { state(Msg::PushState, false); });
  }
}

}  // namespace pf::detail

namespace pf {

int AddGadgetHandler(int gadget, Handler handler) {
  detail::Gadget* g = detail::FindGadget(gadget);
  if (!g || !handler) return 0;
  static int nextId = 0;
  g->handlers.push_back(detail::HandlerEntry{++nextId, std::move(handler)});
  return nextId;
}

void RemoveGadgetHandler(int gadget, int id) {
  if (detail::Gadget* g = detail::FindGadget(gadget))
    std::erase_if(g->handlers, [id](const detail::HandlerEntry& h) { return h.id == id; });
}

}  // namespace pf
