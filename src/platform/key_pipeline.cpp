// The key pipeline. A key press is taken away from the toolkit and reported to the loop first; the loop's
// turn for it decides whether it reaches the focused control as it is, not at all, or as a Tab. While one
// key is undecided all later input waits behind it in order, and each waiting key is judged in turn
// against the focus of its own time.
#include <QApplication>
#include <QKeyEvent>
#include <QWindow>
#include <deque>
#include <memory>

#include "platform/core.h"

namespace pf::detail {
namespace {

enum class Decision { Deliver, Drop, Tab };

struct Held {
  std::unique_ptr<QEvent> ev;
  QPointer<QObject> receiver;  // where the toolkit sent it (a widget, or a window for pointer input);
                               // keys go to the focus of delivery time
  bool reported = false;       // its KeyDown is in the loop's queue
  bool seen = false;           // the loop has taken that KeyDown
  Decision decision = Decision::Deliver;
};

struct Pipeline {
  std::deque<Held> held;
  int redelivering = 0;
  bool flushing = false;
};

Pipeline& P() {
  static Pipeline p;
  return p;
}

bool IsKeyPress(const Held& h) { return h.ev->type() == QEvent::KeyPress; }

// The character a key types: none for control characters and for Ctrl or Alt combinations.
std::string TypedText(const QKeyEvent& e) {
  if (e.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return {};
  const QString t = e.text();
  for (QChar c : t)
    if (c.unicode() < 0x20 || c.unicode() == 0x7F) return {};
  return t.toStdString();
}

QWidget* KeyTarget(const Held& h) {
  QWidget* focus = QApplication::focusWidget();
  if (focus && WindowOfWidget(focus)) return focus;
  if (auto* w = qobject_cast<QWidget*>(h.receiver.data())) return w;
  return MainWindowWidget();
}

void ReportHead() {
  Held& h = P().held.front();
  h.reported = true;
  const auto& ke = static_cast<const QKeyEvent&>(*h.ev);
  QWidget* target = KeyTarget(h);
  Gadget* g = nullptr;
  for (QWidget* w = QApplication::focusWidget(); w && !g; w = w->parentWidget()) g = GadgetOfPart(w);
  Event e;
  e.type = EventType::KeyDown;
  e.window = target ? WindowOfWidget(target) : kMainWindow;
  e.gadget = g ? g->number : 0;
  e.key = VirtualKeyOf(ke);
  e.text = TypedText(ke);
  e.modifiers = ModifiersOf(ke.modifiers());
  PostEvent(std::move(e));
}

struct RedeliveryScope {
  OriginScope user{Origin::User};
  RedeliveryScope() { ++P().redelivering; }
  ~RedeliveryScope() { --P().redelivering; }
};

void DeliverKey(QWidget* target, QKeyEvent* ke) {
  if (!target) return;
  RedeliveryScope scope;
  QPointer<QWidget> t = target;
  DeliverKeyThroughChain(target, ke, [t, ke] {
    if (!t) return;
    if (ke->type() == QEvent::KeyPress && (ke->key() == Qt::Key_Tab || ke->key() == Qt::Key_Backtab)) {
      TabFrom(t, ke->key() == Qt::Key_Backtab || (ke->modifiers() & Qt::ShiftModifier));
      return;
    }
    if (ke->type() == QEvent::KeyRelease && (ke->key() == Qt::Key_Tab || ke->key() == Qt::Key_Backtab))
      return;
    qApp->notify(t, ke);
  });
}

void Deliver(Held& h) {
  if (h.ev->type() == QEvent::KeyPress || h.ev->type() == QEvent::KeyRelease) {
    DeliverKey(KeyTarget(h), static_cast<QKeyEvent*>(h.ev.get()));
    return;
  }
  if (!h.receiver) return;
  RedeliveryScope scope;
  qApp->notify(h.receiver, h.ev.get());
}

// Removes the release that belongs to a press that will not be delivered as it is.
void DropReleaseOf(int key) {
  auto& held = P().held;
  for (auto it = held.begin(); it != held.end(); ++it) {
    if (it->ev->type() != QEvent::KeyRelease) continue;
    if (static_cast<QKeyEvent*>(it->ev.get())->key() != key) continue;
    held.erase(it);
    return;
  }
}

void Apply(Held& h) {
  auto* ke = static_cast<QKeyEvent*>(h.ev.get());
  switch (h.decision) {
    case Decision::Deliver:
      Deliver(h);
      return;
    case Decision::Drop:
      DropReleaseOf(ke->key());
      return;
    case Decision::Tab: {
      DropReleaseOf(ke->key());
      QWidget* target = KeyTarget(h);
      QKeyEvent press(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier, QStringLiteral("\t"));
      QKeyEvent release(QEvent::KeyRelease, Qt::Key_Tab, Qt::NoModifier, QStringLiteral("\t"));
      DeliverKey(target, &press);
      DeliverKey(KeyTarget(h), &release);
      return;
    }
  }
}

void Hold(QObject* w, QEvent* e) {
  Held h;
  h.ev.reset(e->clone());
  h.receiver = w;
  P().held.push_back(std::move(h));
  e->accept();
}

Held* PendingKey() {
  auto& held = P().held;
  if (held.empty() || !IsKeyPress(held.front()) || !held.front().seen) return nullptr;
  return &held.front();
}

}  // namespace

bool Redelivering() { return P().redelivering > 0; }

bool FilterInput(QWidget* w, QEvent* e) {
  auto& p = P();
  // Our own deliveries, and the program's synthetic messages, go straight on.
  if (p.redelivering > 0 || !e->spontaneous()) return false;
  const QEvent::Type t = e->type();
  if (t == QEvent::KeyPress) {
    Hold(w, e);
    if (p.held.size() == 1) ReportHead();
    return true;
  }
  if (!p.held.empty()) {
    Hold(w, e);
    return true;
  }
  if (t == QEvent::KeyRelease) {
    // Releases go through the control's handler chain like presses do.
    DeliverKey(KeyTarget(Held{nullptr, w}), static_cast<QKeyEvent*>(e));
    e->accept();
    return true;
  }
  return false;
}

// The toolkit moves the focus on a button press before any widget's filter sees it, so a press that
// follows a key still waiting for the loop is held at its window, where nothing has happened yet: the key
// then reaches the field that had the focus when it was typed, and the click comes after it.
bool FilterWindowInput(QWindow* window, QEvent* e) {
  auto& p = P();
  if (p.redelivering > 0 || !e->spontaneous() || p.held.empty()) return false;
  switch (e->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
      Hold(window, e);
      return true;
    default:
      return false;
  }
}

void FlushHeldInput() {
  auto& p = P();
  if (p.flushing) return;
  p.flushing = true;
  while (!p.held.empty()) {
    Held& head = p.held.front();
    if (IsKeyPress(head)) {
      if (!head.reported) {
        ReportHead();
        break;
      }
      if (!head.seen) break;  // the loop has not taken its KeyDown yet
    }
    Held h = std::move(head);
    p.held.pop_front();
    if (IsKeyPress(h))
      Apply(h);
    else
      Deliver(h);
  }
  p.flushing = false;
}

void KeyPopped(const Event& e) {
  if (e.type != EventType::KeyDown) return;
  auto& held = P().held;
  if (!held.empty() && IsKeyPress(held.front()) && held.front().reported) held.front().seen = true;
}

void QueueSyntheticTab(bool backward) {
  const Qt::Key key = backward ? Qt::Key_Backtab : Qt::Key_Tab;
  const Qt::KeyboardModifiers mods = backward ? Qt::ShiftModifier : Qt::NoModifier;
  for (QEvent::Type t : {QEvent::KeyPress, QEvent::KeyRelease}) {
    Held h;
    h.ev = std::make_unique<QKeyEvent>(t, key, mods, QStringLiteral("\t"));
    P().held.push_back(std::move(h));
  }
  if (P().held.size() == 2) ReportHead();
}

void ClearHeldInput() { P().held.clear(); }

}  // namespace pf::detail

namespace pf {

void DropPendingCharacter() {
  detail::Held* h = detail::PendingKey();
  if (!h) return;
  // Keys that type nothing (arrows, Tab, Backspace, Delete) lose nothing.
  if (!detail::TypedText(static_cast<QKeyEvent&>(*h->ev)).empty()) h->decision = detail::Decision::Drop;
}

void ReplacePendingKeyWithTab() {
  if (detail::Held* h = detail::PendingKey()) h->decision = detail::Decision::Tab;
}

void InjectTab(bool backward) {
  detail::QueueSyntheticTab(backward);
  detail::WakeLoop();
}

}  // namespace pf
