// Visual styles, and the pointer: where it is, which control is under it, whether the left button is down.
#include <QApplication>
#include <QCursor>
#include <QPointer>
#include <QStyle>
#include <QStyleFactory>

#include "platform/core.h"
#include "platform/test_surface.h"

namespace pf::detail {

// A control whose theme is off is drawn with a style that honours its palette, so its own colours show.
QStyle* UnthemedStyle() {
  static QPointer<QStyle> style;  // owned by the application object
  if (!style && qApp) {
    style = QStyleFactory::create(QStringLiteral("Fusion"));
    if (style) style->setParent(qApp);
  }
  return style;
}

}  // namespace pf::detail

namespace pf {

bool IsThemeActive() { return detail::Core().themeActive.value_or(true); }

void DisableGadgetTheme(int gadget) {
  detail::Gadget* g = detail::FindGadget(gadget);
  if (!g || g->themeDisabled) return;
  g->themeDisabled = true;
  if (QStyle* s = detail::UnthemedStyle()) g->widget->setStyle(s);
  detail::ApplyColours(*g);
}

bool IsGadgetThemeDisabled(int gadget) {
  detail::Gadget* g = detail::FindGadget(gadget);
  return g && g->themeDisabled;
}

bool IsLeftButtonDown() {
  if (detail::Core().leftButtonDown) return *detail::Core().leftButtonDown;
  return QGuiApplication::mouseButtons() & Qt::LeftButton;
}

Point CursorPosition() {
  if (detail::Core().cursor) return *detail::Core().cursor;
  const QPoint p = QCursor::pos();
  return Point{p.x(), p.y()};
}

// The deepest visible control under a screen point. An inner part (a combo's edit, a scroll area's
// canvas) is no control of the program's.
int GadgetAtPoint(Point screenPos) {
  auto& c = detail::Core();
  std::vector<QWidget*> tops;
  for (auto& [n, p] : c.popups) tops.push_back(p.get());  // popups lie above the main window
  tops.push_back(c.mainWindow.get());
  const QPoint global(screenPos.x, screenPos.y);
  for (QWidget* top : tops) {
    if (!top || !top->isVisible() || !top->frameGeometry().contains(global)) continue;
    QWidget* w = top->childAt(top->mapFromGlobal(global));
    for (; w && w != top; w = w->parentWidget()) {
      detail::Gadget* g = detail::GadgetOfPart(w);
      if (!g) continue;
      if (w == g->widget) return g->number;
      const bool innerPart = w == g->inner && (g->kind == Kind::ScrollArea || detail::IsEditableCombo(*g));
      return innerPart ? kNotAControl : g->number;
    }
    return 0;
  }
  return 0;
}

namespace test {
void SetThemeActive(bool on) { detail::Core().themeActive = on; }
}  // namespace test

}  // namespace pf
