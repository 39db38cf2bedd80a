// Reading back where texts land as they paint: static texts, list items and drop-down lists.
#include <QAbstractItemView>
#include <QComboBox>
#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QStyle>
#include <QTimer>

#include "platform/core.h"
#include "platform/fitted_items.h"
#include "platform/gadget_widgets.h"
#include "platform/test_surface.h"

namespace pf::test {
namespace {

Rect OnScreen(const QRect& r, const QWidget* w) {
  if (r.isEmpty()) return {};
  const QPoint p = w->mapToGlobal(r.topLeft());
  return Rect{p.x(), p.y(), r.width(), r.height()};
}

int Pixels(const QFont& f) { return QFontInfo(f).pixelSize(); }

}  // namespace

ShownText ShownTextLines(int gadget) {
  detail::Gadget* g = detail::FindGadget(gadget);
  auto* label = g ? dynamic_cast<detail::ClickLabel*>(g->widget.data()) : nullptr;
  if (!label || label->text().isEmpty() || label->width() == 0 || label->height() == 0) return {};
  label->grab();  // as it paints now
  const int flags = int(QStyle::visualAlignment(label->layoutDirection(), label->alignment())) |
                    (label->wordWrap() ? int(Qt::TextWordWrap) : 0);
  detail::LaidText laid = label->Laid();
  if (const detail::DrawnLine& d = label->Drawn(); d.fitted) {
    // A figure drawn fitted on its line: across from where it was drawn.
    laid = detail::LayOutText(d.font, d.text, d.room, flags & ~int(Qt::TextWordWrap));
    laid.ink.translate(d.x - laid.box.left(), 0);
  } else if (laid.font.family().isEmpty() || (laid.box.isEmpty() && !label->text().trimmed().isEmpty())) {
    laid = detail::LayOutText(label->font(), label->text(), label->TextRoom(), flags);  // the toolkit drew it
  }
  return ShownText{OnScreen(laid.ink, label), Pixels(laid.font), Pixels(label->font()),
                   OnScreen(detail::SeenRect(label), label)};
}

std::vector<ShownItem> ShownItems(int gadget) {
  detail::Gadget* g = detail::FindGadget(gadget);
  auto* view = g ? dynamic_cast<QAbstractItemView*>(g->widget.data()) : nullptr;
  auto* delegate = view ? dynamic_cast<detail::FittingItemDelegate*>(view->itemDelegate()) : nullptr;
  if (!delegate) return {};
  view->doItemsLayout();
  delegate->drawn.clear();
  view->viewport()->grab();
  std::vector<ShownItem> items;
  const int own = Pixels(view->font());
  for (const auto& d : delegate->drawn) {
    const Rect room = OnScreen(d.room, view->viewport());
    const int left = room.x;
    items.push_back(
        {d.text.toStdString(), left, left + d.width, room.x, room.x + room.w, Pixels(d.font), own});
  }
  return items;
}

Rect PictureInkRect(int gadget) {
  detail::Gadget* g = detail::FindGadget(gadget);
  auto* label = g ? dynamic_cast<QLabel*>(g->widget.data()) : nullptr;
  if (!label || label->pixmap().isNull()) return {};
  const QImage image = label->pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
  const QRgb ground = image.pixel(0, 0);
  int left = image.width(), right = -1, top = image.height(), bottom = -1;
  for (int y = 0; y < image.height(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      if (line[x] == ground || qAlpha(line[x]) == 0) continue;
      left = std::min(left, x), right = std::max(right, x), top = std::min(top, y),
      bottom = std::max(bottom, y);
    }
  }
  if (right < 0) return {};
  const QRect ink = QRect(QPoint(left, top), QPoint(right, bottom)) & label->rect();
  return OnScreen(ink, label);
}

int DropDownListWidth(int gadget) {
  detail::Gadget* g = detail::FindGadget(gadget);
  auto* combo = g ? dynamic_cast<QComboBox*>(g->widget.data()) : nullptr;
  if (!combo) return 0;
  combo->showPopup();
  const int width = combo->view()->window()->width();
  combo->hidePopup();
  return width;
}

}  // namespace pf::test
