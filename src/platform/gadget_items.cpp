// Items of combo boxes, list boxes and list views. The program's own selections raise no events.
#include <QComboBox>
#include <QListWidget>
#include <QScrollBar>
#include <QTreeWidget>

#include "platform/core.h"

namespace pf::detail {
namespace {

QComboBox* Combo(Gadget* g) {
  return g && g->kind == Kind::Combo ? static_cast<QComboBox*>(g->widget.data()) : nullptr;
}
QListWidget* List(Gadget* g) {
  return g && g->kind == Kind::ListBox ? static_cast<QListWidget*>(g->widget.data()) : nullptr;
}
QTreeWidget* View(Gadget* g) {
  return g && g->kind == Kind::ListView ? static_cast<QTreeWidget*>(g->widget.data()) : nullptr;
}
QAbstractItemView* ItemView(Gadget* g) {
  if (QListWidget* l = List(g)) return l;
  if (QTreeWidget* t = View(g)) return t;
  return nullptr;
}

QListWidgetItem* ListItem(Gadget* g, int i) {
  QListWidget* l = List(g);
  return l && i >= 0 && i < l->count() ? l->item(i) : nullptr;
}
QTreeWidgetItem* ViewItem(Gadget* g, int i) {
  QTreeWidget* t = View(g);
  return t && i >= 0 && i < t->topLevelItemCount() ? t->topLevelItem(i) : nullptr;
}

int InsertAt(int position, int count) { return position < 0 || position > count ? count : position; }

// A drop-down list does not pick an item by itself when the first one arrives.
void AddComboItem(QComboBox* c, int position, const QString& text, int data) {
  const int index = c->currentIndex();
  const QString edit = c->currentText();
  c->insertItem(InsertAt(position, c->count()), text, data);
  if (index < 0) c->setCurrentIndex(-1);
  if (c->isEditable()) c->setEditText(edit);
}

int RowOf(const QModelIndex& i) { return i.isValid() ? i.row() : -1; }

// The lowest selected row, or -1.
int LowestSelected(QAbstractItemView* v) {
  int lowest = -1;
  for (const QModelIndex& i : v->selectionModel()->selectedIndexes())
    if (lowest < 0 || i.row() < lowest) lowest = i.row();
  return lowest;
}

}  // namespace
}  // namespace pf::detail

namespace pf {
using namespace detail;

void AddGadgetItem(int gadget, int position, const std::string& text, int data) {
  Gadget* g = FindGadget(gadget);
  ProgramScope program;
  const QString q = QString::fromStdString(text);
  if (QComboBox* c = Combo(g)) {
    AddComboItem(c, position, q, data);
  } else if (QListWidget* l = List(g)) {
    auto* item = new QListWidgetItem(q);
    item->setData(Qt::UserRole, data);
    l->insertItem(InsertAt(position, l->count()), item);
  } else if (QTreeWidget* t = View(g)) {
    auto* item = new QTreeWidgetItem(QStringList{q});
    item->setData(0, Qt::UserRole, data);
    t->insertTopLevelItem(InsertAt(position, t->topLevelItemCount()), item);
  }
}

void ClearGadgetItems(int gadget) {
  Gadget* g = FindGadget(gadget);
  ProgramScope program;
  if (QComboBox* c = Combo(g))
    c->clear();
  else if (QListWidget* l = List(g))
    l->clear();
  else if (QTreeWidget* t = View(g))
    t->clear();
}

int CountGadgetItems(int gadget) {
  Gadget* g = FindGadget(gadget);
  if (QComboBox* c = Combo(g)) return c->count();
  if (QListWidget* l = List(g)) return l->count();
  if (QTreeWidget* t = View(g)) return t->topLevelItemCount();
  return 0;
}

std::string GetGadgetItemText(int gadget, int item, int column) {
  Gadget* g = FindGadget(gadget);
  if (QComboBox* c = Combo(g)) return item >= 0 && item < c->count() ? c->itemText(item).toStdString() : "";
  if (QListWidgetItem* i = ListItem(g, item)) return i->text().toStdString();
  if (QTreeWidgetItem* i = ViewItem(g, item)) return i->text(column).toStdString();
  return {};
}

void SetGadgetItemText(int gadget, int item, const std::string& text, int column) {
  Gadget* g = FindGadget(gadget);
  ProgramScope program;
  const QString q = QString::fromStdString(text);
  if (QComboBox* c = Combo(g)) {
    if (item >= 0 && item < c->count()) c->setItemText(item, q);
  } else if (QListWidgetItem* i = ListItem(g, item)) {
    i->setText(q);
  } else if (QTreeWidgetItem* i = ViewItem(g, item)) {
    i->setText(column, q);
  }
}

int GetGadgetItemData(int gadget, int item) {
  Gadget* g = FindGadget(gadget);
  if (QComboBox* c = Combo(g)) return item >= 0 && item < c->count() ? c->itemData(item).toInt() : 0;
  if (QListWidgetItem* i = ListItem(g, item)) return i->data(Qt::UserRole).toInt();
  if (QTreeWidgetItem* i = ViewItem(g, item)) return i->data(0, Qt::UserRole).toInt();
  return 0;
}

void SetGadgetItemData(int gadget, int item, int data) {
  Gadget* g = FindGadget(gadget);
  if (QComboBox* c = Combo(g)) {
    if (item >= 0 && item < c->count()) c->setItemData(item, data);
  } else if (QListWidgetItem* i = ListItem(g, item)) {
    i->setData(Qt::UserRole, data);
  } else if (QTreeWidgetItem* i = ViewItem(g, item)) {
    i->setData(0, Qt::UserRole, data);
  }
}

int GetGadgetState(int gadget) {
  Gadget* g = FindGadget(gadget);
  if (QComboBox* c = Combo(g)) return c->currentIndex();
  if (QAbstractItemView* v = ItemView(g)) return LowestSelected(v);
  return 0;
}

void SetGadgetState(int gadget, int item) {
  Gadget* g = FindGadget(gadget);
  ProgramScope program;
  if (QComboBox* c = Combo(g)) {
    c->setCurrentIndex(item >= 0 && item < c->count() ? item : -1);
    return;
  }
  QAbstractItemView* v = ItemView(g);
  if (!v) return;
  v->clearSelection();
  const QModelIndex index = v->model()->index(item, 0);
  if (!index.isValid()) return;
  v->selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
  v->selectionModel()->select(index, QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

void SetGadgetItemSelected(int gadget, int item, bool selected) {
  Gadget* g = FindGadget(gadget);
  QAbstractItemView* v = ItemView(g);
  if (!v) return;
  ProgramScope program;
  const auto command =
      (selected ? QItemSelectionModel::Select : QItemSelectionModel::Deselect) | QItemSelectionModel::Rows;
  if (item < 0) {  // every item
    for (int r = 0; r < v->model()->rowCount(); ++r)
      v->selectionModel()->select(v->model()->index(r, 0), command);
    return;
  }
  const QModelIndex index = v->model()->index(item, 0);
  if (index.isValid()) v->selectionModel()->select(index, command);
}

bool IsGadgetItemSelected(int gadget, int item) {
  Gadget* g = FindGadget(gadget);
  QAbstractItemView* v = ItemView(g);
  if (!v) return false;
  const QModelIndex index = v->model()->index(item, 0);
  return index.isValid() && v->selectionModel()->isSelected(index);
}

int GetCaretItem(int gadget) {
  Gadget* g = FindGadget(gadget);
  if (QComboBox* c = Combo(g)) return c->currentIndex();
  QAbstractItemView* v = ItemView(g);
  return v ? RowOf(v->currentIndex()) : -1;
}

void SetGadgetItemColour(int gadget, int item, int type, Rgb colour) {
  Gadget* g = FindGadget(gadget);
  const QColor c(Red(colour), Green(colour), Blue(colour));
  const int role = type == kFrontColour ? Qt::ForegroundRole : Qt::BackgroundRole;
  if (QTreeWidgetItem* i = ViewItem(g, item)) {
    for (int col = 0; col < std::max(1, View(g)->columnCount()); ++col) i->setData(col, role, QBrush(c));
  } else if (QListWidgetItem* li = ListItem(g, item)) {
    li->setData(role, QBrush(c));
  }
}

Rect GadgetItemRect(int gadget, int item) {
  Gadget* g = FindGadget(gadget);
  QAbstractItemView* v = ItemView(g);
  if (!v) return {};
  const QModelIndex index = v->model()->index(item, 0);
  if (!index.isValid()) return {};
  QRect r = v->visualRect(index);
  if (QTreeWidget* t = View(g)) r.setWidth(t->viewport()->width());
  const QPoint p = v->viewport()->mapTo(v, r.topLeft());
  return Rect{p.x(), p.y(), r.width(), r.height()};
}

int GetTopItem(int gadget) {
  QAbstractItemView* v = ItemView(FindGadget(gadget));
  if (!v) return 0;
  const QModelIndex index = v->indexAt(QPoint(1, 1));
  return index.isValid() ? index.row() : 0;
}

void SetTopItem(int gadget, int item) {
  QAbstractItemView* v = ItemView(FindGadget(gadget));
  if (!v) return;
  const QModelIndex index = v->model()->index(item, 0);
  ProgramScope program;
  // The first item at the top is the scroll bar at its start; finding it by index would lay out every
  // row of a long list first.
  if (item == 0 && index.isValid() && v->horizontalScrollBar()->value() == 0) {
    v->verticalScrollBar()->setValue(0);
    return;
  }
  if (index.isValid()) v->scrollTo(index, QAbstractItemView::PositionAtTop);
}

int GadgetItemAt(int gadget, int x, int y) {
  QAbstractItemView* v = ItemView(FindGadget(gadget));
  if (!v) return -1;
  const QModelIndex index = v->indexAt(v->viewport()->mapFrom(v, QPoint(x, y)));
  return index.isValid() ? index.row() : -1;
}

}  // namespace pf
