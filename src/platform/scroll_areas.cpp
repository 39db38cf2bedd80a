// Scroll areas: an inner canvas of its own size, a scroll step, and vertical scroll requests that pass
// through the control's handler chain before the view moves. The user's own scroll-bar moves reach the
// chain too, so a handler can tie several areas to one bar.
#include <QCoreApplication>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>
#include <QResizeEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyleFactory>
#include <QStyleOptionSlider>
#include <memory>

#include "platform/core.h"

namespace pf::detail {
namespace {

QScrollArea* Area(int gadget) {
  Gadget* g = FindGadget(gadget);
  return g && g->kind == Kind::ScrollArea ? static_cast<QScrollArea*>(g->widget.data()) : nullptr;
}

// Scroll bars are shown or hidden by a queued call after a size change; make it now, so that sizes read
// right after creating or resizing hold. An area that is not shown yet (a page being built) gets its
// resize events only when it is shown, and until then keeps the bars and view of its first size: it is
// laid out for its present size and canvas first.
QScrollArea* LaidOut(QScrollArea* a) {
  if (!a) return a;
  QCoreApplication::sendPostedEvents(a, QEvent::MetaCall);
  for (int round = 0; round < 3 && !a->isVisible(); ++round) {
    const QSize before = a->viewport()->size();
    QResizeEvent area(a->size(), a->size());
    QCoreApplication::sendEvent(a, &area);  // the view and bars take the area's size
    QResizeEvent canvas(a->widget()->size(), a->widget()->size());
    QCoreApplication::sendEvent(a->widget(), &canvas);        // the bars' ranges follow the canvas
    QCoreApplication::sendPostedEvents(a, QEvent::MetaCall);  // the bars show or hide, the view follows
    if (a->viewport()->size() == before) break;
  }
  return a;
}

void MoveView(Gadget& g, ScrollKind kind, int position) {
  QScrollBar* bar = static_cast<QScrollArea*>(g.widget.data())->verticalScrollBar();
  int v = bar->value();
  switch (kind) {
    case ScrollKind::LineUp:
      v -= bar->singleStep();
      break;
    case ScrollKind::LineDown:
      v += bar->singleStep();
      break;
    case ScrollKind::PageUp:
      v -= bar->pageStep();
      break;
    case ScrollKind::PageDown:
      v += bar->pageStep();
      break;
    case ScrollKind::Top:
      v = bar->minimum();
      break;
    case ScrollKind::Bottom:
      v = bar->maximum();
      break;
    case ScrollKind::ThumbTrack:
    case ScrollKind::ThumbPosition:
      v = position;
      break;
  }
  ProgramScope program;
  bar->setValue(std::clamp(v, bar->minimum(), bar->maximum()));
}

ScrollKind KindOfAction(int action) {
  switch (action) {
    case QAbstractSlider::SliderSingleStepSub:
      return ScrollKind::LineUp;
    case QAbstractSlider::SliderSingleStepAdd:
      return ScrollKind::LineDown;
    case QAbstractSlider::SliderPageStepSub:
      return ScrollKind::PageUp;
    case QAbstractSlider::SliderPageStepAdd:
      return ScrollKind::PageDown;
    case QAbstractSlider::SliderToMinimum:
      return ScrollKind::Top;
    case QAbstractSlider::SliderToMaximum:
      return ScrollKind::Bottom;
    case QAbstractSlider::SliderMove:
      return ScrollKind::ThumbTrack;
    default:
      return ScrollKind::ThumbPosition;
  }
}

// The user moved the bar (a drag, a click on it, or a wheel turn that reached the area through one of its
// children): the toolkit has moved the view already. It goes back first, so the chain sees the request
// the way a program's request arrives (the view still where it was, the new place in the message), and
// only the default moves it on; a handler that consumes the request keeps the view where it left it.
void WatchUserScrolls(Gadget& g) {
  QScrollBar* bar = static_cast<QScrollArea*>(g.widget.data())->verticalScrollBar();
  struct Track {
    int last = 0;
    ScrollKind kind = ScrollKind::ThumbPosition;
  };
  auto track = std::make_shared<Track>();
  const int n = g.number;
  QObject::connect(bar, &QAbstractSlider::actionTriggered, bar,
                   [track](int action) { track->kind = KindOfAction(action); });
  QObject::connect(bar, &QAbstractSlider::valueChanged, bar, [track, n, bar](int v) {
    const int old = track->last;
    track->last = v;
    Gadget* target = FindGadget(n);
    if (InProgramWrite() || !target || target->handlers.empty()) return;
    Message m;
    m.type = Msg::Scroll;
    m.gadget = n;
    m.scrollKind = track->kind;
    m.position = v;
    track->kind = ScrollKind::ThumbPosition;
    const auto moveTo = [track, bar](int value) {
      ProgramScope program;
      bar->setValue(value);
      track->last = bar->value();
    };
    moveTo(old);
    if (!RunHandlers(*target, m, [&] { moveTo(v); })) moveTo(v);
  });
}

}  // namespace

void RunScrollChain(Gadget& g, ScrollKind kind, int position) {
  Message m;
  m.type = Msg::Scroll;
  m.gadget = g.number;
  m.scrollKind = kind;
  m.position = position;
  const int n = g.number;
  if (!RunHandlers(g, m, [n, kind, position] {
        if (Gadget* target = FindGadget(n)) MoveView(*target, kind, position);
      }))
    MoveView(g, kind, position);
}

// Scroll bars are drawn in one plain, light look of their own: the areas behind them are often black, and
// a bar that took its colours from its area (as palettes pass from parent to child) would vanish. The style
// paints every bar with its own palette, whatever the widget's.
class PlainScrollBarStyle : public QProxyStyle {
 public:
  PlainScrollBarStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
      light_.setColor(group, QPalette::Window, QColor(0xF0, 0xF0, 0xF0));
      light_.setColor(group, QPalette::Base, QColor(0xF0, 0xF0, 0xF0));
      light_.setColor(group, QPalette::Button, QColor(0xD8, 0xD8, 0xD8));
      light_.setColor(group, QPalette::Light, QColor(0xFF, 0xFF, 0xFF));
      light_.setColor(group, QPalette::Midlight, QColor(0xE8, 0xE8, 0xE8));
      light_.setColor(group, QPalette::Mid, QColor(0xA0, 0xA0, 0xA0));
      light_.setColor(group, QPalette::Dark, QColor(0x80, 0x80, 0x80));
      light_.setColor(group, QPalette::Shadow, QColor(0x60, 0x60, 0x60));
      light_.setColor(group, QPalette::WindowText, QColor(0x30, 0x30, 0x30));
      light_.setColor(group, QPalette::ButtonText, QColor(0x30, 0x30, 0x30));
      light_.setColor(group, QPalette::Highlight, QColor(0x90, 0x90, 0x90));
    }
  }

  void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                          const QWidget* widget) const override {
    if (control != CC_ScrollBar) return QProxyStyle::drawComplexControl(control, option, painter, widget);
    QStyleOptionSlider bar = *qstyleoption_cast<const QStyleOptionSlider*>(option);
    bar.palette = light_;
    painter->fillRect(bar.rect, light_.color(QPalette::Window));
    QProxyStyle::drawComplexControl(control, &bar, painter, widget);
  }

 private:
  QPalette light_;
};

QStyle* ScrollBarStyle() {
  static QPointer<QStyle> style;  // owned by the application object
  if (!style && qApp) {
    style = new PlainScrollBarStyle;
    style->setParent(qApp);
  }
  return style;
}

void PlainScrollBars(QAbstractScrollArea* area) {
  for (QScrollBar* bar : {area->verticalScrollBar(), area->horizontalScrollBar()})
    if (QStyle* s = ScrollBarStyle()) bar->setStyle(s);
}

}  // namespace pf::detail

namespace pf {
using detail::Area;

int ScrollAreaGadget(int number, int x, int y, int w, int h, int innerW, int innerH, int step, unsigned fl) {
  QWidget* canvas = nullptr;
  detail::Gadget* g = detail::CreateGadget(number, Kind::ScrollArea, fl, {x, y, w, h}, [&](QWidget* p, int) {
    auto* a = new QScrollArea(p);
    a->setFocusPolicy(Qt::NoFocus);
    a->setWidgetResizable(false);
    if (!(fl & flags::kBorder)) a->setFrameStyle(QFrame::NoFrame);
    canvas = new QWidget;
    canvas->resize(innerW, innerH);
    canvas->setFocusPolicy(Qt::NoFocus);
    a->setWidget(canvas);
    // The view fills the background and the canvas lets it show through (ApplyColours gives both one
    // colour). A filled canvas counts as opaque, and the toolkit then moves it by copying its pixels on
    // the screen and painting only the strip it uncovers. Where one area lies inside another and both
    // move in one turn of the loop (the split bar), the copy takes pixels that the other area has
    // uncovered but not painted yet, and the paint waiting for them stays behind: rows show twice. A
    // see-through canvas is painted afresh wherever it moves.
    canvas->setAutoFillBackground(false);
    detail::PlainScrollBars(a);
    a->verticalScrollBar()->setSingleStep(std::max(1, step));
    a->horizontalScrollBar()->setSingleStep(std::max(1, step));
    return a;
  });
  if (!g) return 0;
  auto* a = static_cast<QScrollArea*>(g->widget.data());
  g->inner = canvas;
  detail::RegisterPart(*g, canvas);
  detail::RegisterPart(*g, a->viewport());
  detail::AttachChain(*g, canvas);
  detail::AttachChain(*g, a->viewport());
  // The bar is part of the area: a wheel turn over it reaches the area's chain like one over the view.
  detail::RegisterPart(*g, a->verticalScrollBar());
  detail::AttachChain(*g, a->verticalScrollBar());
  detail::PrepareWidgetTree(a);
  detail::WatchUserScrolls(*g);
  return g->number;
}

void SetScrollAreaInner(int gadget, int innerW, int innerH) {
  if (QScrollArea* a = Area(gadget)) a->widget()->resize(innerW, innerH);
}

int ScrollAreaInnerWidth(int gadget) {
  QScrollArea* a = Area(gadget);
  return a ? a->widget()->width() : 0;
}

int ScrollAreaInnerHeight(int gadget) {
  QScrollArea* a = Area(gadget);
  return a ? a->widget()->height() : 0;
}

int ScrollAreaViewWidth(int gadget) {
  QScrollArea* a = detail::LaidOut(Area(gadget));
  return a ? a->viewport()->width() : 0;
}

int ScrollAreaViewHeight(int gadget) {
  QScrollArea* a = detail::LaidOut(Area(gadget));
  return a ? a->viewport()->height() : 0;
}

int GetScrollX(int gadget) {
  QScrollArea* a = Area(gadget);
  return a ? a->horizontalScrollBar()->value() : 0;
}

int GetScrollY(int gadget) {
  QScrollArea* a = Area(gadget);
  return a ? a->verticalScrollBar()->value() : 0;
}

void SetScrollX(int gadget, int x) {
  detail::ProgramScope program;
  if (QScrollArea* a = Area(gadget)) a->horizontalScrollBar()->setValue(x);
}

void SetScrollY(int gadget, int y) {
  detail::ProgramScope program;
  if (QScrollArea* a = Area(gadget)) a->verticalScrollBar()->setValue(y);
}

void SendScrollRequest(int gadget, ScrollKind kind, int position) {
  if (!Area(gadget)) return;
  detail::RunScrollChain(*detail::FindGadget(gadget), kind, position);
}

}  // namespace pf
