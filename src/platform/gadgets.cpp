// Control numbers, the control tree and the creation of every control kind.
#include <QAbstractItemView>
#include <QComboBox>
#include <QFrame>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTextEdit>
#include <QToolButton>
#include <QTreeWidget>

#include "platform/core.h"
#include "platform/fitted_items.h"
#include "platform/gadget_widgets.h"

namespace pf::detail {

Gadget* FindGadget(int number) {
  if (number <= 0) return nullptr;
  auto& t = Core().gadgets;
  auto it = t.find(number);
  return it == t.end() || !it->second->widget ? nullptr : it->second.get();
}

Gadget* GadgetOfPart(const QWidget* w) {
  auto& m = Core().byWidget;
  auto it = m.find(w);
  return it == m.end() ? nullptr : FindGadget(it->second);
}

Gadget* GadgetOfWidget(const QWidget* w) { return GadgetOfPart(w); }

bool IsEditableCombo(const Gadget& g) { return g.kind == Kind::Combo && (g.flags & flags::kEditable); }

void RegisterPart(Gadget& g, QWidget* part) {
  if (!part) return;
  Core().byWidget[part] = g.number;
  const int number = g.number;
  QObject::connect(part, &QObject::destroyed, [part, number] {
    auto& m = Core().byWidget;
    auto it = m.find(part);
    if (it != m.end() && it->second == number) m.erase(it);
  });
}

void PrepareWidgetTree(QWidget* w) {
  w->setMouseTracking(true);
  for (QWidget* child : w->findChildren<QWidget*>()) child->setMouseTracking(true);
}

QWidget* FocusTarget(Gadget& g) {
  QWidget* w = g.widget;
  while (w && w->focusProxy()) w = w->focusProxy();
  return w;
}

void FreeGadgetTree(int number) {
  auto& t = Core().gadgets;
  auto it = t.find(number);
  if (it == t.end()) return;
  std::unique_ptr<Gadget> g = std::move(it->second);
  t.erase(it);
  for (int child : g->children) FreeGadgetTree(child);
  if (Gadget* parent = FindGadget(g->parent))
    std::erase(parent->children, number);
  else
    std::erase(Core().topLevel[g->window], number);
  delete g->widget.data();
}

void DestroyGadgets() {
  auto& c = Core();
  std::vector<int> tops;
  for (const auto& [n, g] : c.gadgets)
    if (!FindGadget(g->parent)) tops.push_back(n);
  for (int n : tops) FreeGadgetTree(n);
  c.gadgets.clear();
  c.byWidget.clear();
  c.topLevel.clear();
  c.lists.clear();
}

namespace {

// A fixed number already in use gives its old control up; kAutoNumber takes the next free number.
int TakeNumber(int number) {
  auto& c = Core();
  if (!c.mainWindow) return 0;
  if (number == kAutoNumber) {
    while (c.gadgets.count(c.nextGadget)) ++c.nextGadget;
    return c.nextGadget++;
  }
  if (number <= 0) return 0;
  FreeGadgetTree(number);
  return number;
}

struct Place {
  QWidget* parent = nullptr;
  int window = 0;
  int gadget = 0;
};

Place CurrentPlace() {
  auto& c = Core();
  while (!c.lists.empty()) {
    const ListTarget t = c.lists.back();
    if (Gadget* g = FindGadget(t.gadget))
      return Place{g->inner ? g->inner.data() : g->widget.data(), g->window, g->number};
    if (Window* w = FindWindow(t.window)) return Place{w->widget, w->number, 0};
    c.lists.pop_back();  // its container is gone
  }
  return Place{c.mainWindow.get(), kMainWindow, 0};
}

// Registers a created widget under its number, in its place, at its geometry.
Gadget& Register(int number, Kind kind, QWidget* w, const Place& pl, Rect r, unsigned fl) {
  auto g = std::make_unique<Gadget>();
  g->number = number;
  g->kind = kind;
  g->widget = w;
  g->window = pl.window;
  g->parent = pl.gadget;
  g->flags = fl;
  Gadget& ref = *g;
  Core().gadgets[number] = std::move(g);
  if (Gadget* parent = FindGadget(pl.gadget))
    parent->children.push_back(number);
  else
    Core().topLevel[pl.window].push_back(number);
  RegisterPart(ref, w);
  w->setGeometry(r.x, r.y, r.w, r.h);
  ApplyFont(ref);
  PrepareWidgetTree(w);
  AttachChain(ref, w);
  w->show();
  return ref;
}

void SetFrame(QFrame* f, unsigned fl) {
  f->setFrameStyle((fl & flags::kBorder) ? (QFrame::Box | QFrame::Plain) : QFrame::NoFrame);
  f->setLineWidth(1);
}

Qt::Alignment TextAlignment(unsigned fl) {
  Qt::Alignment a = (fl & flags::kCentre)  ? Qt::AlignHCenter
                    : (fl & flags::kRight) ? Qt::AlignRight
                                           : Qt::AlignLeft;
  return a | ((fl & flags::kVCentre) ? Qt::AlignVCenter : Qt::AlignTop);
}

}  // namespace

void ReportRightClicks(QWidget* w, int number) {
  w->setContextMenuPolicy(Qt::CustomContextMenu);
  QObject::connect(w, &QWidget::customContextMenuRequested, w,
                   [number] { PostGadgetEvent(number, GadgetEvent::RightClick); });
}

// Shared by the kind-specific creators below and in other files.
Gadget* CreateGadget(int number, Kind kind, unsigned fl, Rect r,
                     const std::function<QWidget*(QWidget*, int)>& make) {
  const int n = TakeNumber(number);
  if (!n) return nullptr;
  const Place pl = CurrentPlace();
  QWidget* w = make(pl.parent, n);
  return &Register(n, kind, w, pl, r, fl);
}

}  // namespace pf::detail

namespace pf {
using detail::CreateGadget;
using detail::FindGadget;

int TextGadget(int number, int x, int y, int w, int h, const std::string& text, unsigned fl) {
  detail::Gadget* g = CreateGadget(number, Kind::Text, fl, {x, y, w, h}, [&](QWidget* p, int n) {
    auto* l = new detail::ClickLabel(p, n);
    l->clickable = fl & flags::kClickable;
    // A vertically centred text stays on one line and is cut at its edge; only line breaks in the
    // text start a new line. Any other text wraps at its width from the top.
    l->setWordWrap(!(fl & flags::kVCentre));
    l->setTextFormat(Qt::PlainText);
    l->setAlignment(detail::TextAlignment(fl));
    detail::SetFrame(l, fl);
    return l;
  });
  if (!g) return 0;
  detail::ProgramScope program;
  SetGadgetText(g->number, text);
  return g->number;
}

int PictureGadget(int number, int x, int y, int w, int h, int picture, unsigned fl) {
  const QImage* img = detail::FindPicture(picture);
  if (img && (w <= 0 || h <= 0)) {
    w = detail::PictureSize(*img).width();
    h = detail::PictureSize(*img).height();
  }
  detail::Gadget* g = CreateGadget(number, Kind::Picture, fl, {x, y, w, h}, [&](QWidget* p, int n) {
    auto* l = new detail::ClickLabel(p, n);
    l->clickable = fl & flags::kClickable;
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return l;
  });
  if (!g) return 0;
  SetGadgetPicture(g->number, picture);
  return g->number;
}

int ContainerGadget(int number, int x, int y, int w, int h, unsigned fl) {
  detail::Gadget* g =
      CreateGadget(number, Kind::Container, fl, {x, y, w, h}, [&](QWidget* p, int) -> QWidget* {
        if (fl & flags::kBorder) return new detail::BorderedFrame(p);
        auto* f = new QFrame(p);
        detail::SetFrame(f, fl);
        return f;
      });
  if (!g) return 0;
  if (auto* bordered = dynamic_cast<detail::BorderedFrame*>(g->widget.data())) {
    // Pointer events over the client area fall through to the frame, which carries the handlers.
    g->inner = bordered->Client();
    detail::RegisterPart(*g, g->inner);
    detail::PrepareWidgetTree(g->widget);
  }
  return g->number;
}

int FieldGadget(int number, int x, int y, int w, int h, const std::string& text, unsigned fl) {
  detail::Gadget* g = CreateGadget(number, Kind::Field, fl, {x, y, w, h}, [&](QWidget* p, int n) {
    auto* e = new detail::FieldEdit(p, n);
    e->setFrame(fl & flags::kBorder);
    e->setReadOnly(fl & flags::kReadOnly);
    // Numbers stand at the right end, clear of a unit mark drawn over the field's left end.
    if (fl & flags::kRight) e->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return e;
  });
  if (!g) return 0;
  auto* e = static_cast<detail::FieldEdit*>(g->widget.data());
  const int n = g->number;
  {
    detail::ProgramScope program;
    e->SetProgramText(QString::fromStdString(text));
  }
  QObject::connect(e, &QLineEdit::textChanged, e, [n] {
    if (!detail::InProgramWrite()) detail::PostGadgetEvent(n, GadgetEvent::Change);
  });
  return n;
}

int EditorGadget(int number, int x, int y, int w, int h, unsigned fl) {
  detail::Gadget* g = CreateGadget(number, Kind::Editor, fl, {x, y, w, h}, [&](QWidget* p, int) {
    auto* e = new QPlainTextEdit(p);
    e->setTabChangesFocus(true);
    e->setReadOnly(fl & flags::kReadOnly);
    if (!(fl & flags::kBorder)) e->setFrameStyle(QFrame::NoFrame);
    return e;
  });
  if (!g) return 0;
  auto* e = static_cast<QPlainTextEdit*>(g->widget.data());
  detail::RegisterPart(*g, e->viewport());
  detail::AttachChain(*g, e->viewport());  // mouse presses land on the view, not on the editor itself
  return g->number;
}

int ComboGadget(int number, int x, int y, int w, int h, unsigned fl) {
  detail::Gadget* g = CreateGadget(number, Kind::Combo, fl, {x, y, w, h}, [&](QWidget* p, int n) {
    auto* c = new detail::ComboWidget(p);
    if (fl & flags::kEditable) {
      c->setEditable(true);
      // Pasting into the typed entry follows the rules of every single-line field.
      c->setLineEdit(new detail::FieldEdit(c, n));
      c->setInsertPolicy(QComboBox::NoInsert);
      c->setCompleter(nullptr);
    }
    return c;
  });
  if (!g) return 0;
  auto* c = static_cast<QComboBox*>(g->widget.data());
  if (c->lineEdit()) {
    g->inner = c->lineEdit();
    detail::RegisterPart(*g, c->lineEdit());
    detail::AttachChain(*g, c->lineEdit());
  }
  const int n = g->number;
  // Only the user's choice is reported; the program's selections raise nothing.
  QObject::connect(c, &QComboBox::activated, c,
                   [n] { detail::PostGadgetEvent(n, GadgetEvent::SelectionChange); });
  return n;
}

int ListBoxGadget(int number, int x, int y, int w, int h, unsigned fl) {
  detail::Gadget* g = CreateGadget(number, Kind::ListBox, fl, {x, y, w, h}, [&](QWidget* p, int) {
    auto* l = new QListWidget(p);
    l->setSelectionMode((fl & flags::kMultiSelect) ? QAbstractItemView::MultiSelection
                                                   : QAbstractItemView::SingleSelection);
    if (!(fl & flags::kBorder)) l->setFrameStyle(QFrame::NoFrame);
    l->setItemDelegate(new detail::FittingItemDelegate(l));
    return l;
  });
  if (!g) return 0;
  auto* l = static_cast<QListWidget*>(g->widget.data());
  detail::RegisterPart(*g, l->viewport());
  detail::AttachChain(*g, l->viewport());
  const int n = g->number;
  QObject::connect(l, &QListWidget::itemSelectionChanged, l, [n] {
    if (!detail::InProgramWrite()) detail::PostGadgetEvent(n, GadgetEvent::Change);
  });
  QObject::connect(l, &QListWidget::itemClicked, l,
                   [n] { detail::PostGadgetEvent(n, GadgetEvent::LeftClick); });
  detail::ReportRightClicks(l, n);
  return n;
}

int ListViewGadget(int number, int x, int y, int w, int h, const std::string& firstColumn,
                   int firstColumnWidth, unsigned fl) {
  detail::Gadget* g = CreateGadget(number, Kind::ListView, fl, {x, y, w, h}, [&](QWidget* p, int) {
    auto* t = new QTreeWidget(p);
    t->setRootIsDecorated(false);
    t->setItemsExpandable(false);
    t->setUniformRowHeights(true);
    t->setSelectionMode(QAbstractItemView::SingleSelection);
    t->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    t->setHeaderLabels({QString::fromStdString(firstColumn)});
    t->setColumnWidth(0, firstColumnWidth);
    t->header()->setStretchLastSection(false);
    t->setHeaderHidden(fl & flags::kNoHeader);
    if (!(fl & flags::kBorder)) t->setFrameStyle(QFrame::NoFrame);
    t->setItemDelegate(new detail::FittingItemDelegate(t));
    return t;
  });
  if (!g) return 0;
  auto* t = static_cast<QTreeWidget*>(g->widget.data());
  detail::RegisterPart(*g, t->viewport());
  detail::AttachChain(*g, t->viewport());
  const int n = g->number;
  QObject::connect(t, &QTreeWidget::itemSelectionChanged, t, [n] {
    if (!detail::InProgramWrite()) detail::PostGadgetEvent(n, GadgetEvent::Change);
  });
  QObject::connect(t, &QTreeWidget::itemClicked, t,
                   [n] { detail::PostGadgetEvent(n, GadgetEvent::LeftClick); });
  detail::ReportRightClicks(t, n);
  return n;
}

void AddListViewColumn(int gadget, int position, const std::string& title, int width) {
  detail::Gadget* g = FindGadget(gadget);
  if (!g || g->kind != Kind::ListView) return;
  auto* t = static_cast<QTreeWidget*>(g->widget.data());
  QTreeWidgetItem* header = t->headerItem();
  const int count = t->columnCount();
  const int col = (position < 0 || position > count) ? count : position;
  QStringList titles;
  for (int i = 0; i < count; ++i) titles << header->text(i);
  titles.insert(col, QString::fromStdString(title));
  t->setColumnCount(count + 1);
  t->setHeaderLabels(titles);
  t->setColumnWidth(col, width);
}

int ButtonGadget(int number, int x, int y, int w, int h, const std::string& text, unsigned style) {
  detail::Gadget* g = CreateGadget(number, Kind::Button, 0, {x, y, w, h}, [&](QWidget* p, int) {
    auto* b = new detail::FaceButton(p);
    b->setAutoDefault(false);
    return b;
  });
  if (!g) return 0;
  g->buttonStyle = style;
  auto* b = static_cast<detail::FaceButton*>(g->widget.data());
  b->setText(QString::fromStdString(text));
  detail::ConnectButtonSignals(*g);
  return g->number;
}

int PictureButtonGadget(int number, int x, int y, int w, int h, int picture, unsigned fl) {
  detail::Gadget* g = CreateGadget(number, Kind::PictureButton, fl, {x, y, w, h}, [&](QWidget* p, int) {
    auto* b = new detail::FaceButton(p);
    b->setAutoDefault(false);
    b->pictureButton = true;
    return b;
  });
  if (!g) return 0;
  detail::ConnectButtonSignals(*g);
  SetGadgetPicture(g->number, picture);
  return g->number;
}

int OptionGadget(int number, int x, int y, int w, int h, const std::string& text) {
  detail::Gadget* g = CreateGadget(number, Kind::Option, 0, {x, y, w, h}, [&](QWidget* p, int) {
    auto* r = new QRadioButton(QString::fromStdString(text), p);
    return r;
  });
  if (!g) return 0;
  detail::ConnectButtonSignals(*g);
  return g->number;
}

int RichViewerGadget(int number, int x, int y, int w, int h, unsigned fl) {
  detail::Gadget* g = CreateGadget(number, Kind::RichViewer, fl, {x, y, w, h}, [&](QWidget* p, int) {
    auto* v = new QTextEdit(p);
    v->setReadOnly(true);
    v->setFocusPolicy(Qt::NoFocus);
    v->setTextInteractionFlags(Qt::NoTextInteraction);
    v->setCursorWidth(0);
    v->setLineWrapMode(QTextEdit::WidgetWidth);
    if (!(fl & flags::kBorder)) v->setFrameStyle(QFrame::NoFrame);
    return v;
  });
  if (!g) return 0;
  auto* v = static_cast<QTextEdit*>(g->widget.data());
  detail::RegisterPart(*g, v->viewport());
  detail::AttachChain(*g, v->viewport());
  return g->number;
}

void OpenGadgetList(int container) {
  detail::Gadget* g = FindGadget(container);
  if (g && (g->kind == Kind::Container || g->kind == Kind::ScrollArea))
    detail::Core().lists.push_back(detail::ListTarget{container, 0});
}

void OpenWindowGadgetList(int window) {
  if (detail::FindWindow(window)) detail::Core().lists.push_back(detail::ListTarget{0, window});
}

void CloseGadgetList() {
  auto& lists = detail::Core().lists;
  if (!lists.empty()) lists.pop_back();
}

void SetDefaultGadgetFont(int font) { detail::Core().defaultFont = font; }

bool GadgetExists(int gadget) { return FindGadget(gadget) != nullptr; }

Kind GadgetKind(int gadget) {
  detail::Gadget* g = FindGadget(gadget);
  return g ? g->kind : Kind::None;
}

int GadgetParent(int gadget) {
  detail::Gadget* g = FindGadget(gadget);
  return g ? g->parent : 0;
}

int GadgetWindow(int gadget) {
  detail::Gadget* g = FindGadget(gadget);
  return g ? g->window : 0;
}

}  // namespace pf
