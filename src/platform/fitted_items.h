// Inside the layer: list items kept readable whole. An item wider than its list would be cut short with
// "..."; it is drawn in the narrow twin of its font or smaller instead, down to three quarters of its size.
#pragma once

#include <QFont>
#include <QRect>
#include <QString>
#include <QStyledItemDelegate>
#include <vector>

namespace pf::detail {

class FittingItemDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

  // What the items painted since the last clear showed: viewport pixels.
  struct DrawnItem {
    QString text;
    QFont font;
    int width = 0;  // the text's width in that font
    QRect room;     // where the item lets its text stand
  };
  mutable std::vector<DrawnItem> drawn;
};

}  // namespace pf::detail
