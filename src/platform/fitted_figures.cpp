#include "platform/fitted_figures.h"

#include <QEvent>
#include <QFontInfo>
#include <QFontMetrics>
#include <QPainter>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOption>
#include <QStyleOptionFrame>
#include <algorithm>

#include "platform/gadget_widgets.h"
#include "platform/registry.h"
#include "platform/text_fitting.h"

namespace pf::detail {
namespace {

int Width(const QFont& font, const QString& text) { return QFontMetrics(font).horizontalAdvance(text); }

}  // namespace

bool IsFigure(const QString& text) {
  static const QRegularExpression kFigure(
      QStringLiteral(R"(^\s*[-+(]?\$?[-+]?[0-9.,]*[0-9][0-9.,]*\)?(\s*[%A-Za-z]+)?\s*$)"));
  return kFigure.match(text).hasMatch();
}

QFont FittingFont(const QFont& font, const QString& text, int room) {
  if (Width(font, text) <= room) return font;
  // Below three quarters of its own size a figure would no longer read as the figures beside it.
  QFont last = font;
  for (const QFont& face : SmallerFaces(font)) {
    last = face;
    if (Width(last, text) <= room) return last;
  }
  return last;
}

FittedLine FitFigure(const QFont& font, const QString& text, int room) {
  FittedLine fit{FittingFont(font, text, room), text};
  if (Width(fit.font, text) <= room) return fit;
  // Whole characters from the start, as many as leave room for the mark.
  QString start = text;
  while (!start.isEmpty() && Width(fit.font, start + kCutMark) > room) start.chop(1);
  fit.text = start.trimmed() + kCutMark;
  return fit;
}

DrawnLine DrawFittedFigure(QPainter& p, const QFont& font, const QString& text, const QRect& room,
                           Qt::Alignment align) {
  const FittedLine fit = FitFigure(font, text, room.width());
  const int width = Width(fit.font, fit.text);
  const Qt::Alignment across = align & Qt::AlignHorizontal_Mask;
  const int x = across & Qt::AlignRight     ? room.right() + 1 - width
                : across & Qt::AlignHCenter ? room.left() + (room.width() - width) / 2
                                            : room.left();
  // On the line the figure's own font would stand on, level with the marks and figures beside it.
  const QFontMetrics own(font);
  const int top = align & Qt::AlignVCenter ? room.top() + (room.height() - own.height()) / 2 : room.top();
  p.save();
  p.setFont(fit.font);
  p.drawText(QPoint(x, top + own.ascent()), fit.text);
  p.restore();
  return DrawnLine{true, fit.text, fit.font, x, room};
}

}  // namespace pf::detail

// --- The controls that fit figures (gadget_widgets.h) ------------------------------------------------------

namespace pf::detail {

// As the toolkit lays a label's text out: inside the frame and the margin, and a framed label indents
// its text from the frame on its aligned sides.
QRect ClickLabel::TextRoom() const {
  const int m = margin();
  QRect r = contentsRect().adjusted(m, m, -m, -m);
  int indent = this->indent();
  if (indent < 0 && frameWidth() > 0) indent = fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2 - m;
  if (indent > 0) {
    const Qt::Alignment a = QStyle::visualAlignment(layoutDirection(), alignment());
    if (a & Qt::AlignLeft) r.setLeft(r.left() + indent);
    if (a & Qt::AlignRight) r.setRight(r.right() - indent);
    if (a & Qt::AlignTop) r.setTop(r.top() + indent);
    if (a & Qt::AlignBottom) r.setBottom(r.bottom() - indent);
  }
  return r;
}

void ClickLabel::paintEvent(QPaintEvent* e) {
  drawn_ = {};
  laid_ = {};
  const QString shown = text();
  const QRect room = TextRoom();
  if (shown.isEmpty()) {
    QLabel::paintEvent(e);
    return;
  }
  if (!shown.contains(QLatin1Char('\n')) && IsFigure(shown)) {
    if (fontMetrics().horizontalAdvance(shown) <= room.width()) {
      QLabel::paintEvent(e);
      return;
    }
    QPainter p(this);
    drawFrame(&p);
    p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, foregroundRole()));
    drawn_ =
        DrawFittedFigure(p, font(), shown, room, QStyle::visualAlignment(layoutDirection(), alignment()));
    return;
  }
  // Where a container cuts the text's room, the text keeps a pixel clear of the cut.
  const QRect seen = SeenRect(this);
  QRect fitRoom = room & seen;
  if (seen.left() > room.left()) fitRoom.setLeft(fitRoom.left() + 1);
  if (seen.right() < room.right()) fitRoom.setRight(fitRoom.right() - 1);
  if (seen.top() > room.top()) fitRoom.setTop(fitRoom.top() + 1);
  if (seen.bottom() < room.bottom()) fitRoom.setBottom(fitRoom.bottom() - 1);
  const int flags =
      int(QStyle::visualAlignment(layoutDirection(), alignment())) | (wordWrap() ? int(Qt::TextWordWrap) : 0);
  if (fitKey_.text != shown || fitKey_.font != font() || fitKey_.room != fitRoom || fitKey_.flags != flags) {
    fitKey_ = {shown, font(), fitRoom, flags};
    fitted_ = FitText(font(), shown, fitRoom, flags);
  }
  laid_ = fitted_;
  if (fitRoom == room && laid_.font == font() && laid_.flags == flags) {
    QLabel::paintEvent(e);
    return;
  }
  QPainter p(this);
  drawFrame(&p);
  p.setFont(laid_.font);
  QStyleOption opt;
  opt.initFrom(this);
  style()->drawItemText(&p, fitRoom, laid_.flags, opt.palette, isEnabled(), shown, foregroundRole());
}

QRect FieldEdit::TextRoom() const {
  QStyleOptionFrame panel;
  initStyleOption(&panel);
  const QRect r = style()->subElementRect(QStyle::SE_LineEditContents, &panel, this);
  return r.marginsRemoved(textMargins()).adjusted(2, 1, -2, -1);  // the toolkit's own space around it
}

// Only while the user is not in the field: there the caret and the view are the user's.
bool FieldEdit::PaintFittedFigure() {
  drawn_ = {};
  const QString shown = text();
  if (hasFocus() || echoMode() != QLineEdit::Normal || !IsFigure(shown)) return false;
  const QRect laidOut = TextRoom();
  if (fontMetrics().horizontalAdvance(shown) <= laidOut.width()) return false;
  // A fitted figure may also take the pixel the toolkit keeps free at either side of the text.
  const QRect room = laidOut.adjusted(-1, 0, 1, 0);
  QPainter p(this);
  QStyleOptionFrame panel;
  initStyleOption(&panel);
  style()->drawPrimitive(QStyle::PE_PanelLineEdit, &panel, &p, this);
  p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::Text));
  drawn_ = DrawFittedFigure(p, font(), shown, room,
                            QStyle::visualAlignment(layoutDirection(), alignment()) | Qt::AlignVCenter);
  return true;
}

// The field's own font stays what the program set; only its edit draws in the fitted one.
void DateField::FitText() {
  QLineEdit* edit = lineEdit();
  if (!edit) return;
  const int room = edit->contentsRect().marginsRemoved(edit->textMargins()).width() - 4;
  const QFont fitted = FittingFont(font(), edit->text(), room);
  if (edit->font() != fitted) edit->setFont(fitted);
}

void DateField::resizeEvent(QResizeEvent* e) {
  QDateEdit::resizeEvent(e);
  FitText();
}

void DateField::changeEvent(QEvent* e) {
  QDateEdit::changeEvent(e);
  if (e->type() == QEvent::FontChange) FitText();
}

}  // namespace pf::detail
