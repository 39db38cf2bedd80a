// Up-downs whose arrows point left and right, side by side; raising a control above its siblings.
#include <QEvent>
#include <QToolButton>

#include "platform/gadget_widgets.h"
#include "platform/registry.h"

namespace pf {

namespace {
// Takes over the arrows' layout on every resize, in place of the stacked one.
class SideBySide : public QObject {
 public:
  explicit SideBySide(detail::UpDownWidget* w) : QObject(w), widget_(w) { Layout(); }

  bool eventFilter(QObject* watched, QEvent* e) override {
    if (watched == widget_ && e->type() == QEvent::Resize) {
      Layout();
      return true;
    }
    return false;
  }

 private:
  void Layout() {
    const int half = widget_->width() / 2;
    widget_->Arrow(false)->setGeometry(0, 0, half, widget_->height());
    widget_->Arrow(true)->setGeometry(half, 0, widget_->width() - half, widget_->height());
  }
  detail::UpDownWidget* widget_;
};
}  // namespace

void SetUpDownHorizontal(int gadget) {
  detail::Gadget* g = detail::FindGadget(gadget);
  if (!g || g->kind != Kind::UpDown) return;
  auto* w = static_cast<detail::UpDownWidget*>(g->widget.data());
  if (w->property("pfSideBySide").toBool()) return;
  w->setProperty("pfSideBySide", true);
  w->Arrow(false)->setArrowType(Qt::LeftArrow);
  w->Arrow(true)->setArrowType(Qt::RightArrow);
  w->installEventFilter(new SideBySide(w));
}

void RaiseGadget(int gadget) {
  if (detail::Gadget* g = detail::FindGadget(gadget)) g->widget->raise();
}

}  // namespace pf
