#include "platform/fitted_items.h"

#include <QAbstractItemView>
#include <QFontMetrics>
#include <QPainter>
#include <QStyle>

#include "platform/text_fitting.h"

namespace pf::detail {

void FittingItemDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                const QModelIndex& index) const {
  QStyleOptionViewItem opt = option;
  initStyleOption(&opt, index);
  const QWidget* widget = opt.widget;
  QStyle* style = widget ? widget->style() : nullptr;
  if (!style) {
    QStyledItemDelegate::paint(painter, option, index);
    return;
  }
  // The style keeps a margin either side of the text; what is past the view's right edge is not seen.
  const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
  QRect room =
      style->subElementRect(QStyle::SE_ItemViewItemText, &opt, widget).adjusted(margin, 0, -margin, 0);
  if (const auto* view = qobject_cast<const QAbstractItemView*>(widget))
    room.setRight(std::min(room.right(), view->viewport()->width() - 1 - margin));
  const QString text = opt.text;
  if (!text.isEmpty() && QFontMetrics(opt.font).horizontalAdvance(text) > room.width()) {
    for (const QFont& face : SmallerFaces(opt.font)) {
      opt.font = face;
      if (QFontMetrics(face).horizontalAdvance(text) <= room.width()) break;
    }
    opt.fontMetrics = QFontMetrics(opt.font);
  }
  drawn.push_back({text, opt.font, QFontMetrics(opt.font).horizontalAdvance(text), room});
  style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);
}

}  // namespace pf::detail
