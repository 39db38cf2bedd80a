#include "platform/gadget_state.h"

#include <QLineEdit>
#include <QPlainTextEdit>

#include "platform/registry.h"

namespace pf {

void SetGadgetTabStop(int gadget, bool stop) {
  detail::Gadget* g = detail::FindGadget(gadget);
  if (!g) return;
  if (stop)
    g->flags &= ~flags::kNoTabStop;
  else
    g->flags |= flags::kNoTabStop;
}

void SetGadgetReadOnly(int gadget, bool readOnly) {
  detail::Gadget* g = detail::FindGadget(gadget);
  if (!g || !g->widget) return;
  if (auto* e = qobject_cast<QLineEdit*>(g->widget.data()))
    e->setReadOnly(readOnly);
  else if (auto* t = qobject_cast<QPlainTextEdit*>(g->widget.data()))
    t->setReadOnly(readOnly);
  else
    return;
  if (readOnly)
    g->flags |= flags::kReadOnly;
  else
    g->flags &= ~flags::kReadOnly;
}

bool IsGadgetReadOnly(int gadget) {
  detail::Gadget* g = detail::FindGadget(gadget);
  if (!g || !g->widget) return false;
  if (auto* e = qobject_cast<QLineEdit*>(g->widget.data())) return e->isReadOnly();
  if (auto* t = qobject_cast<QPlainTextEdit*>(g->widget.data())) return t->isReadOnly();
  return false;
}

std::vector<int> GadgetChildren(int gadget) {
  detail::Gadget* g = detail::FindGadget(gadget);
  return g ? g->children : std::vector<int>{};
}

}  // namespace pf
