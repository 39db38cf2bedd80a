// Filling a list view with many rows at once.
#include <QTreeWidget>

#include "platform/core.h"

namespace pf {

void AddListViewRows(int gadget, const std::vector<ListViewRow>& rows) {
  detail::Gadget* g = detail::FindGadget(gadget);
  if (!g) return;
  if (g->kind != Kind::ListView) {
    // Other item controls take the rows one by one, the first text of each.
    for (const ListViewRow& row : rows)
      AddGadgetItem(gadget, -1, row.texts.empty() ? "" : row.texts[0], row.data);
    return;
  }
  // Items made apart from the view and handed over in one insertion: the view lays itself out and tells
  // its model's users once, not once per row and text, which is what made long lists slow to fill.
  QList<QTreeWidgetItem*> items;
  items.reserve(qsizetype(rows.size()));
  for (const ListViewRow& row : rows) {
    auto* item = new QTreeWidgetItem;
    item->setText(0, row.texts.empty() ? QString() : QString::fromStdString(row.texts[0]));
    for (std::size_t c = 1; c < row.texts.size(); ++c)
      if (!row.texts[c].empty()) item->setText(int(c), QString::fromStdString(row.texts[c]));
    item->setData(0, Qt::UserRole, row.data);
    items.append(item);
  }
  detail::ProgramScope program;
  static_cast<QTreeWidget*>(g->widget.data())->addTopLevelItems(items);
}

}  // namespace pf
