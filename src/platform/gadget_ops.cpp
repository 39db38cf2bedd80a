// Operations common to every control: text, colours, fonts, visibility, geometry, data, pictures,
// button looks and option states.
#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScrollArea>
#include <QTextCursor>
#include <QTextEdit>
#include <QTreeWidget>

#include "platform/core.h"
#include "platform/gadget_widgets.h"

namespace pf::detail {
namespace {

const char* const kRawText = "pfRawText";

// A static text shows "&&" as "&" (a single "&" marks a mnemonic and is not shown) and breaks lines at
// "\r", "\r\n" and "\n".
QString CaptionText(const std::string& raw) {
  QString out;
  const QString in = QString::fromStdString(raw);
  for (qsizetype i = 0; i < in.size(); ++i) {
    const QChar c = in[i];
    if (c == u'&') {
      if (i + 1 < in.size() && in[i + 1] == u'&') {
        out += u'&';
        ++i;
      }
      continue;
    }
    if (c == u'\r') {
      out += u'\n';
      if (i + 1 < in.size() && in[i + 1] == u'\n') ++i;
      continue;
    }
    out += c;
  }
  return out;
}

QString EditorText(const std::string& raw) {
  QString t = QString::fromStdString(raw);
  t.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  t.replace(u'\r', u'\n');
  return t;
}

QColor ToQColor(std::int64_t c) { return QColor(Red(Rgb(c)), Green(Rgb(c)), Blue(Rgb(c))); }

bool UsesBase(Kind k) {
  switch (k) {
    case Kind::Field:
    case Kind::Editor:
    case Kind::Combo:
    case Kind::ListBox:
    case Kind::ListView:
    case Kind::Date:
    case Kind::RichViewer:
      return true;
    default:
      return false;
  }
}

void WriteText(Gadget& g, const std::string& text) {
  QWidget* w = g.widget;
  const QString q = QString::fromStdString(text);
  switch (g.kind) {
    case Kind::Text:
      w->setProperty(kRawText, q);
      static_cast<QLabel*>(w)->setText(CaptionText(text));
      FitOneLineText(static_cast<QLabel*>(w));
      break;
    case Kind::Field:
      static_cast<FieldEdit*>(w)->SetProgramText(q);
      break;
    case Kind::Editor:
      static_cast<QPlainTextEdit*>(w)->setPlainText(EditorText(text));
      break;
    case Kind::Combo: {
      auto* c = static_cast<QComboBox*>(w);
      if (c->isEditable())
        c->setEditText(q);
      else
        c->setCurrentIndex(c->findText(q, Qt::MatchExactly));
      break;
    }
    case Kind::Button:
    case Kind::PictureButton:
    case Kind::Option:
      static_cast<QAbstractButton*>(w)->setText(q);
      break;
    case Kind::RichViewer:
      static_cast<QTextEdit*>(w)->setPlainText(EditorText(text));
      break;
    default:
      break;
  }
}

}  // namespace

void ApplyColours(Gadget& g) {
  QWidget* w = g.widget;
  QPalette pal = w->palette();
  if (g.back >= 0) {
    const QColor c = ToQColor(g.back);
    if (UsesBase(g.kind)) {
      pal.setColor(QPalette::Base, c);
    } else {
      pal.setColor(QPalette::Window, c);
      w->setAutoFillBackground(true);
    }
    pal.setColor(QPalette::Button, c);
  }
  if (g.front >= 0) {
    const QColor c = ToQColor(g.front);
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) pal.setColor(role, c);
  }
  w->setPalette(pal);
  if (g.kind == Kind::ScrollArea && g.back >= 0) {
    auto* area = static_cast<QScrollArea*>(w);
    area->viewport()->setPalette(pal);
    area->viewport()->setAutoFillBackground(true);
    if (g.inner) g.inner->setPalette(pal);  // the canvas stays see-through (ScrollAreaGadget)
  }
}

void ApplyFont(Gadget& g) {
  const int number = g.font ? g.font : Core().defaultFont;
  const QFont* f = FindFont(number);
  g.widget->setFont(f ? *f : DefaultGadgetFont());
}

void ClearFocusWithin(QWidget* w) {
  QWidget* focus = QApplication::focusWidget();
  if (focus && (focus == w || w->isAncestorOf(focus))) {
    ProgramScope program;
    focus->clearFocus();
  }
}

}  // namespace pf::detail

namespace pf {
using detail::FindGadget;

std::string GetGadgetText(int gadget) {
  detail::Gadget* g = FindGadget(gadget);
  if (!g) return {};
  QWidget* w = g->widget;
  switch (g->kind) {
    case Kind::Text:
      return w->property(detail::kRawText).toString().toStdString();
    case Kind::Field:
      return static_cast<QLineEdit*>(w)->text().toStdString();
    case Kind::Editor:
      return static_cast<QPlainTextEdit*>(w)->toPlainText().toStdString();
    case Kind::Combo:
      return static_cast<QComboBox*>(w)->currentText().toStdString();
    case Kind::Button:
    case Kind::PictureButton:
    case Kind::Option:
      return static_cast<QAbstractButton*>(w)->text().toStdString();
    case Kind::Date:
      return static_cast<QDateEdit*>(w)->text().toStdString();
    case Kind::ListBox: {
      auto* l = static_cast<QListWidget*>(w);
      return l->currentItem() && l->currentItem()->isSelected() ? l->currentItem()->text().toStdString() : "";
    }
    case Kind::ListView: {
      auto* t = static_cast<QTreeWidget*>(w);
      const auto sel = t->selectedItems();
      return sel.isEmpty() ? "" : sel.first()->text(0).toStdString();
    }
    case Kind::RichViewer:
      return static_cast<QTextEdit*>(w)->toPlainText().toStdString();
    default:
      return {};
  }
}

// A field raises a Change event for the program's own write too, even when the text stays the same.
void SetGadgetText(int gadget, const std::string& text) {
  detail::Gadget* g = FindGadget(gadget);
  if (!g) return;
  detail::ProgramScope program;
  Message m;
  m.type = Msg::TextSet;
  m.gadget = gadget;
  m.text = text;
  const int number = g->number;
  const Kind kind = g->kind;
  auto write = [number, &text] {
    if (detail::Gadget* target = FindGadget(number)) detail::WriteText(*target, text);
  };
  if (!detail::RunHandlers(*g, m, write)) write();
  if (kind == Kind::Field && FindGadget(number)) detail::PostGadgetEvent(number, GadgetEvent::Change);
}

void SetMaxLength(int gadget, int characters) {
  detail::Gadget* g = FindGadget(gadget);
  if (!g || g->kind != Kind::Field) return;
  // A limit on what the user types: a longer text that the program writes (a hint) stays whole.
  if (auto* field = dynamic_cast<detail::FieldEdit*>(g->widget.data())) field->SetTypingLimit(characters);
}

void SetFieldTextInset(int gadget, int left, int right) {
  detail::Gadget* g = FindGadget(gadget);
  auto* field = g ? dynamic_cast<detail::FieldEdit*>(g->widget.data()) : nullptr;
  if (!field) return;
  // Measured from where the field lays its text out without margins.
  field->setTextMargins(0, 0, 0, 0);
  const QRect room = field->TextRoom();
  const int fromRight = field->width() - 1 - room.right();
  field->setTextMargins(std::max(0, left - room.left()), 0, std::max(0, right - fromRight), 0);
}

void SetGadgetColour(int gadget, int type, Rgb colour) {
  detail::Gadget* g = FindGadget(gadget);
  if (!g || (type != kFrontColour && type != kBackColour)) return;
  (type == kFrontColour ? g->front : g->back) = colour & 0xFFFFFF;
  detail::ApplyColours(*g);
}

std::int64_t GetGadgetColour(int gadget, int type) {
  detail::Gadget* g = FindGadget(gadget);
  if (!g) return 0;
  if (type == kFrontColour) return g->front;
  if (type == kBackColour) return g->back;
  return 0;
}

void SetGadgetFont(int gadget, int font) {
  detail::Gadget* g = FindGadget(gadget);
  if (!g) return;
  g->font = font;
  const QFont* f = detail::FindFont(font);
  g->widget->setFont(f ? *f : detail::DefaultGadgetFont());
}

int GetGadgetFont(int gadget) {
  detail::Gadget* g = FindGadget(gadget);
  return g ? g->font : 0;
}

int TextGadgetHeight(int font, int width, const std::string& text) {
  // A hidden label set up as a wrapping text control is, so the measure and the screen never disagree.
  static QLabel* measure = nullptr;
  if (!measure) {
    measure = new QLabel;
    measure->setWordWrap(true);
    measure->setTextFormat(Qt::PlainText);
  }
  const QFont* f = detail::FindFont(font ? font : detail::Core().defaultFont);
  measure->setFont(f ? *f : detail::DefaultGadgetFont());
  measure->setText(detail::CaptionText(text));
  return text.empty() ? 0 : measure->heightForWidth(std::max(1, width));
}

int GadgetTextWidth(int gadget) {
  detail::Gadget* g = FindGadget(gadget);
  if (!g) return 0;
  // A static text shows "&&" as "&" and "\r" as a line break.
  const QString text = g->kind == Kind::Text ? static_cast<QLabel*>(g->widget.data())->text()
                                             : QString::fromStdString(GetGadgetText(gadget));
  int widest = 0;
  for (const QString& line : text.split(QLatin1Char('\n')))
    widest = std::max(widest, g->widget->fontMetrics().horizontalAdvance(line));
  return widest;
}

void HideGadget(int gadget, bool hide) {
  detail::Gadget* g = FindGadget(gadget);
  if (!g) return;
  detail::ProgramScope program;
  g->hidden = hide;
  // The focus does not wander to some other control: a hidden control simply loses it.
  if (hide) detail::ClearFocusWithin(g->widget);
  g->widget->setVisible(!hide);
}

bool IsGadgetHidden(int gadget) {
  detail::Gadget* g = FindGadget(gadget);
  return g && g->hidden;
}

bool IsGadgetVisible(int gadget) {
  for (detail::Gadget* g = FindGadget(gadget); g; g = FindGadget(g->parent))
    if (g->hidden) return false;
  return FindGadget(gadget) != nullptr;
}

void DisableGadget(int gadget, bool disable) {
  detail::Gadget* g = FindGadget(gadget);
  if (!g) return;
  detail::ProgramScope program;
  g->disabled = disable;
  if (disable) detail::ClearFocusWithin(g->widget);
  g->widget->setEnabled(!disable);
}

bool IsGadgetDisabled(int gadget) {
  detail::Gadget* g = FindGadget(gadget);
  return g && g->disabled;
}

void RepaintGadget(int gadget) {
  if (detail::Gadget* g = FindGadget(gadget)) g->widget->repaint();
}

int GadgetX(int gadget) {
  detail::Gadget* g = FindGadget(gadget);
  return g ? g->widget->x() : 0;
}
int GadgetY(int gadget) {
  detail::Gadget* g = FindGadget(gadget);
  return g ? g->widget->y() : 0;
}
int GadgetWidth(int gadget) {
  detail::Gadget* g = FindGadget(gadget);
  return g ? g->widget->width() : 0;
}
int GadgetHeight(int gadget) {
  detail::Gadget* g = FindGadget(gadget);
  return g ? g->widget->height() : 0;
}

void ResizeGadget(int gadget, int x, int y, int w, int h) {
  detail::Gadget* g = FindGadget(gadget);
  if (!g) return;
  // A text widened to show its line whole keeps the place the program gave it for the values left alone.
  const QRect r = g->kind == Kind::Text ? detail::GivenRect(static_cast<QLabel*>(g->widget.data()))
                                        : g->widget->geometry();
  auto keep = [](int v, int old) { return v == kIgnoreValue ? old : v; };
  g->widget->setGeometry(keep(x, r.x()), keep(y, r.y()), keep(w, r.width()), keep(h, r.height()));
  if (g->kind == Kind::Text) detail::FitOneLineText(static_cast<QLabel*>(g->widget.data()));
}

Rect GadgetScreenRect(int gadget) {
  detail::Gadget* g = FindGadget(gadget);
  if (!g) return {};
  const QPoint p = g->widget->mapToGlobal(QPoint(0, 0));
  return Rect{p.x(), p.y(), g->widget->width(), g->widget->height()};
}

void SetGadgetData(int gadget, int value) {
  if (detail::Gadget* g = FindGadget(gadget)) g->data = value;
}

int GetGadgetData(int gadget) {
  detail::Gadget* g = FindGadget(gadget);
  return g ? g->data : 0;
}

void SetGadgetPicture(int gadget, int picture) {
  detail::Gadget* g = FindGadget(gadget);
  if (!g || (g->kind != Kind::Picture && g->kind != Kind::PictureButton)) return;
  const QImage* img = detail::FindPicture(picture);
  g->picture = img ? picture : 0;
  const QImage copy = img ? img->copy() : QImage();
  if (g->kind == Kind::Picture) {
    static_cast<QLabel*>(g->widget.data())->setPixmap(QPixmap::fromImage(copy));
  } else {
    static_cast<detail::FaceButton*>(g->widget.data())->face = copy;
    g->widget->update();
  }
}

int GetGadgetPicture(int gadget) {
  detail::Gadget* g = FindGadget(gadget);
  return g ? g->picture : 0;
}

void SetToolTip(int gadget, const std::string& text) {
  detail::Gadget* g = FindGadget(gadget);
  if (!g) return;
  g->tooltip = text;
  g->widget->setToolTip(QString::fromStdString(text));
}

std::string GetToolTip(int gadget) {
  detail::Gadget* g = FindGadget(gadget);
  return g ? g->tooltip : std::string();
}

unsigned GetButtonStyle(int gadget) {
  detail::Gadget* g = FindGadget(gadget);
  return g && g->kind == Kind::Button ? g->buttonStyle : 0;
}

namespace {
void ShowFace(detail::Gadget& g) {
  const QImage* img = (g.buttonStyle & button_style::kBitmap) ? detail::FindPicture(g.buttonFace) : nullptr;
  static_cast<detail::FaceButton*>(g.widget.data())->face = img ? img->copy() : QImage();
  g.widget->update();
}
}  // namespace

void SetButtonStyle(int gadget, unsigned style) {
  detail::Gadget* g = FindGadget(gadget);
  if (!g || g->kind != Kind::Button) return;
  g->buttonStyle = style;
  ShowFace(*g);
}

void SetButtonFace(int gadget, int picture) {
  detail::Gadget* g = FindGadget(gadget);
  if (!g || g->kind != Kind::Button) return;
  g->buttonFace = detail::FindPicture(picture) ? picture : 0;
  ShowFace(*g);
}

int GetButtonFace(int gadget) {
  detail::Gadget* g = FindGadget(gadget);
  return g && g->kind == Kind::Button ? g->buttonFace : 0;
}

bool IsButtonPushed(int gadget) {
  detail::Gadget* g = FindGadget(gadget);
  return g && (g->kind == Kind::Button || g->kind == Kind::PictureButton) &&
         static_cast<QAbstractButton*>(g->widget.data())->isDown();
}

void SetOptionChecked(int gadget, bool checked) {
  detail::Gadget* g = FindGadget(gadget);
  if (!g || g->kind != Kind::Option) return;
  detail::ProgramScope program;
  auto* r = static_cast<QRadioButton*>(g->widget.data());
  // An exclusive button cannot be unchecked directly; the program may leave a group with none checked.
  r->setAutoExclusive(checked);
  r->setChecked(checked);
  r->setAutoExclusive(true);
}

bool IsOptionChecked(int gadget) {
  detail::Gadget* g = FindGadget(gadget);
  return g && g->kind == Kind::Option && static_cast<QRadioButton*>(g->widget.data())->isChecked();
}

}  // namespace pf

namespace pf {

namespace {
// The single-line edit of a field or of an editable combo box.
QLineEdit* LineEditOf(detail::Gadget& g) {
  if (g.kind == Kind::Field) return static_cast<QLineEdit*>(g.widget.data());
  if (detail::IsEditableCombo(g)) return static_cast<QComboBox*>(g.widget.data())->lineEdit();
  return nullptr;
}
}  // namespace

// Selections in fields, editable combo boxes and editors, as character positions; the caret ends at `end`.
void SetGadgetSelection(int gadget, int start, int end) {
  detail::Gadget* g = FindGadget(gadget);
  if (!g) return;
  if (QLineEdit* e = LineEditOf(*g)) {
    const int len = int(e->text().size());
    start = start < 0 ? len : std::clamp(start, 0, len);
    end = end < 0 ? len : std::clamp(end, 0, len);
    if (start == end)
      e->setCursorPosition(start);
    else
      e->setSelection(start, end - start);
  } else if (g->kind == Kind::Editor) {
    auto* e = static_cast<QPlainTextEdit*>(g->widget.data());
    QTextCursor c = e->textCursor();
    const int len = int(e->toPlainText().size());
    c.setPosition(start < 0 ? len : std::clamp(start, 0, len));
    c.setPosition(end < 0 ? len : std::clamp(end, 0, len), QTextCursor::KeepAnchor);
    e->setTextCursor(c);
  }
}

void GetGadgetAnchoredSelection(int gadget, int& anchor, int& caret) {
  anchor = caret = 0;
  detail::Gadget* g = FindGadget(gadget);
  if (!g) return;
  if (QLineEdit* e = LineEditOf(*g)) {
    caret = e->cursorPosition();
    anchor = !e->hasSelectedText()               ? caret
             : caret == int(e->selectionStart()) ? int(e->selectionEnd())
                                                 : int(e->selectionStart());
  } else if (g->kind == Kind::Editor) {
    const QTextCursor c = static_cast<QPlainTextEdit*>(g->widget.data())->textCursor();
    anchor = c.anchor();
    caret = c.position();
  }
}

void GetGadgetSelection(int gadget, int& start, int& end) {
  start = end = 0;
  detail::Gadget* g = FindGadget(gadget);
  if (!g) return;
  if (QLineEdit* e = LineEditOf(*g)) {
    if (e->hasSelectedText()) {
      start = int(e->selectionStart());
      end = int(e->selectionEnd());
    } else {
      start = end = e->cursorPosition();
    }
  } else if (g->kind == Kind::Editor) {
    const QTextCursor c = static_cast<QPlainTextEdit*>(g->widget.data())->textCursor();
    start = c.selectionStart();
    end = c.selectionEnd();
  }
}

}  // namespace pf
