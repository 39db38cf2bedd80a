// Focus and the Tab order. The order is the layer's own: creation order, depth first through containers
// and scroll areas, skipping hidden, disabled and non-stop controls, wrapping around within the window.
// An option group is visited at its checked button.
#include <QApplication>
#include <QRadioButton>

#include "platform/core.h"

namespace pf::detail {
namespace {

void Walk(const std::vector<int>& numbers, std::vector<Gadget*>& out) {
  for (int n : numbers) {
    Gadget* g = FindGadget(n);
    if (!g) continue;
    out.push_back(g);
    Walk(g->children, out);
  }
}

std::vector<Gadget*> TreeOrder(int window) {
  std::vector<Gadget*> out;
  auto it = Core().topLevel.find(window);
  if (it != Core().topLevel.end()) Walk(it->second, out);
  return out;
}

bool ShownAndEnabled(const Gadget* g) {
  for (; g; g = FindGadget(g->parent))
    if (g->hidden || g->disabled) return false;
  return true;
}

bool Checked(const Gadget* g) { return static_cast<QRadioButton*>(g->widget.data())->isChecked(); }

const std::vector<int>& Siblings(const Gadget& g) {
  if (Gadget* parent = FindGadget(g.parent)) return parent->children;
  return Core().topLevel[g.window];
}

// An option button is the group's stop when it is checked, or when none is and it comes first. A group is
// a run of option buttons next to each other among their siblings.
bool OptionIsStop(const Gadget& g) {
  if (Checked(&g)) return true;
  const std::vector<int>& sib = Siblings(g);
  auto at = std::find(sib.begin(), sib.end(), g.number);
  if (at == sib.end()) return true;
  auto first = at;
  while (first != sib.begin()) {
    Gadget* prev = FindGadget(*(first - 1));
    if (!prev || prev->kind != Kind::Option) break;
    --first;
  }
  for (auto it = first; it != sib.end(); ++it) {
    Gadget* o = FindGadget(*it);
    if (!o || o->kind != Kind::Option) break;
    if (Checked(o)) return false;
  }
  return first == at;
}

bool KindTakesTab(Kind k) {
  switch (k) {
    case Kind::Field:
    case Kind::Editor:
    case Kind::Combo:
    case Kind::ListBox:
    case Kind::ListView:
    case Kind::Date:
    case Kind::Button:
    case Kind::PictureButton:
    case Kind::Option:
      return true;
    default:
      return false;
  }
}

bool IsStop(const Gadget& g) {
  if (!KindTakesTab(g.kind) || (g.flags & flags::kNoTabStop) || !ShownAndEnabled(&g)) return false;
  return g.kind != Kind::Option || OptionIsStop(g);
}

Gadget* ControlOf(QWidget* w) {
  for (; w; w = w->parentWidget())
    if (Gadget* g = GadgetOfPart(w)) return g;
  return nullptr;
}

}  // namespace

FocusReason ReasonOf(Qt::FocusReason r) {
  switch (r) {
    case Qt::MouseFocusReason:
      return FocusReason::Mouse;
    case Qt::TabFocusReason:
    case Qt::BacktabFocusReason:
    case Qt::ShortcutFocusReason:
      return FocusReason::Keyboard;
    default:
      return FocusReason::Program;
  }
}

void TabFrom(QWidget* focus, bool backward) {
  Gadget* current = ControlOf(focus);
  const int window =
      current ? current->window : (focus && WindowOfWidget(focus) ? WindowOfWidget(focus) : kMainWindow);
  const std::vector<Gadget*> order = TreeOrder(window);
  const int n = int(order.size());
  if (n == 0) return;
  int at = -1;
  for (int i = 0; i < n; ++i)
    if (order[i] == current) at = i;
  if (at < 0) at = backward ? 0 : n - 1;  // no focus: start from the first (or the last) stop
  for (int step = 1; step <= n; ++step) {
    Gadget* g = order[((at + (backward ? -step : step)) % n + n) % n];
    if (!IsStop(*g)) continue;
    if (g != current) g->widget->setFocus(backward ? Qt::BacktabFocusReason : Qt::TabFocusReason);
    return;
  }
}

}  // namespace pf::detail

namespace pf {

void SetActiveGadget(int gadget) {
  detail::ProgramScope program;
  if (gadget <= 0) {
    if (QWidget* f = QApplication::focusWidget(); f && detail::WindowOfWidget(f)) f->clearFocus();
    return;
  }
  if (detail::Gadget* g = detail::FindGadget(gadget)) g->widget->setFocus(Qt::OtherFocusReason);
}

int GetActiveGadget() {
  QWidget* f = QApplication::focusWidget();
  if (!f || !detail::WindowOfWidget(f)) return 0;
  detail::Gadget* g = detail::ControlOf(f);
  return g ? g->number : 0;
}

// As a Tab press does; the program's own move unless it runs inside the delivery of the user's key.
void MoveFocus(bool backward) {
  std::optional<detail::ProgramScope> program;
  if (detail::Core().origins.empty()) program.emplace();
  detail::TabFrom(QApplication::focusWidget(), backward);
}

bool IsTabStop(int gadget) {
  detail::Gadget* g = detail::FindGadget(gadget);
  return g && detail::IsStop(*g);
}

}  // namespace pf
