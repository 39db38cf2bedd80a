// The small widget subclasses behind static texts, fields, date fields, buttons and up-downs.
#include "platform/gadget_widgets.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QToolButton>
#include <algorithm>
#include <memory>

#include "platform/core.h"

namespace pf::detail {

// --- BorderedFrame ---------------------------------------------------------------------------------------

BorderedFrame::BorderedFrame(QWidget* parent) : QFrame(parent), client_(new QWidget(this)) {
  setFrameStyle(QFrame::Box | QFrame::Plain);
  setLineWidth(1);
  client_->setGeometry(contentsRect());
}

void BorderedFrame::resizeEvent(QResizeEvent* e) {
  QFrame::resizeEvent(e);
  client_->setGeometry(contentsRect());
}

// --- ClickLabel ------------------------------------------------------------------------------------------

namespace {
constexpr char kGivenRect[] = "pfGivenRect";    // the place the program gave the text
constexpr char kFittedRect[] = "pfFittedRect";  // the place fitting gave it last
}  // namespace

QRect GivenRect(QLabel* label) {
  const QRect given = label->property(kGivenRect).toRect();
  // A place set since the last fitting (by the program or by a layout) is the one given now.
  return given.isValid() && label->geometry() == label->property(kFittedRect).toRect() ? given
                                                                                       : label->geometry();
}

void FitOneLineText(QLabel* label) {
  const QRect given = GivenRect(label);
  QRect target = given;
  const QString text = label->text();
  if (!text.isEmpty() && !label->wordWrap() && (label->alignment() & Qt::AlignVCenter) &&
      !text.contains(QLatin1Char('\n'))) {
    const QFontMetrics fm(label->font());
    const int frame = label->frameWidth();
    // A framed label indents its text by half an "x" from the frame.
    const int indent =
        label->indent() >= 0 ? label->indent() : (frame > 0 ? fm.horizontalAdvance(QLatin1Char('x')) / 2 : 0);
    const int need = fm.horizontalAdvance(text) + 2 * (frame + label->margin() + indent) + 1;
    if (need > given.width()) {
      const int grow = need - given.width();
      const Qt::Alignment h = label->alignment() & Qt::AlignHorizontal_Mask;
      target.setX(h & Qt::AlignHCenter ? given.x() - grow / 2
                  : h & Qt::AlignRight ? given.x() - grow
                                       : given.x());
      target.setWidth(need);
    }
  }
  label->setProperty(kGivenRect, given);
  label->setProperty(kFittedRect, target);
  if (label->geometry() != target) label->setGeometry(target);
}

void ClickLabel::changeEvent(QEvent* e) {
  QLabel::changeEvent(e);
  if (e->type() == QEvent::FontChange) FitOneLineText(this);
}

void ClickLabel::mousePressEvent(QMouseEvent* e) {
  if (e->button() == Qt::LeftButton) pressed_ = true;
  QLabel::mousePressEvent(e);
}

// The second press of a double click counts as a press, so a double click gives one more click.
void ClickLabel::mouseDoubleClickEvent(QMouseEvent* e) {
  if (e->button() == Qt::LeftButton) pressed_ = true;
  QLabel::mouseDoubleClickEvent(e);
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* e) {
  const bool click =
      clickable && pressed_ && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint());
  const bool rightClick =
      clickable && e->button() == Qt::RightButton && rect().contains(e->position().toPoint());
  if (e->button() == Qt::LeftButton) pressed_ = false;
  QLabel::mouseReleaseEvent(e);
  if (click) PostGadgetEvent(number_, GadgetEvent::LeftClick);
  if (rightClick) PostGadgetEvent(number_, GadgetEvent::RightClick);
}

// --- FieldEdit -------------------------------------------------------------------------------------------

bool FieldEdit::Allowed(const QString& text) const {
  const auto& judge = Core().pasteJudge;
  return !judge || judge(number_, text.toStdString());
}

int FieldEdit::Room() const {
  if (typingLimit_ <= 0) return 1 << 30;
  return typingLimit_ - int(text().size()) + int(selectedText().size());
}

bool FieldEdit::JudgedPaste(const QString& text) {
  if (isReadOnly() || !Allowed(text)) return false;
  insert(text.left(std::max(0, Room())));
  return true;
}

void FieldEdit::keyPressEvent(QKeyEvent* e) {
  if (e->matches(QKeySequence::Paste) && !isReadOnly()) {
    JudgedPaste(QGuiApplication::clipboard()->text(QClipboard::Clipboard));
    e->accept();
    return;
  }
  const QString typed = e->text();
  const bool printable = !typed.isEmpty() && typed.at(0).isPrint() &&
                         !(e->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
  if (printable && Room() < int(typed.size())) {
    e->accept();
    return;
  }
  QLineEdit::keyPressEvent(e);
}

void FieldEdit::contextMenuEvent(QContextMenuEvent* e) {
  std::unique_ptr<QMenu> menu(createStandardContextMenu());
  for (QAction* a : menu->actions()) {
    if (a->objectName() != QLatin1String("edit-paste")) continue;
    QObject::disconnect(a, &QAction::triggered, nullptr, nullptr);
    QObject::connect(a, &QAction::triggered, this,
                     [this] { JudgedPaste(QGuiApplication::clipboard()->text(QClipboard::Clipboard)); });
  }
  menu->exec(e->globalPos());
}

// A middle click pastes the primary selection where the system has one.
void FieldEdit::mouseReleaseEvent(QMouseEvent* e) {
  const QClipboard* cb = QGuiApplication::clipboard();
  if (e->button() == Qt::MiddleButton && cb->supportsSelection() && !isReadOnly() &&
      !Allowed(cb->text(QClipboard::Selection))) {
    e->accept();
    return;
  }
  QLineEdit::mouseReleaseEvent(e);
}

void FieldEdit::dropEvent(QDropEvent* e) {
  if (e->mimeData() && e->mimeData()->hasText() && !Allowed(e->mimeData()->text())) {
    e->ignore();
    return;
  }
  QLineEdit::dropEvent(e);
}

// --- DateField -------------------------------------------------------------------------------------------

void DateField::SetLiteralText(const QString* text) {
  literal_ = text != nullptr;
  literalText_ = text ? *text : QString();
  // Re-render the display with the current date.
  const QDate d = date();
  setDate(d.addDays(1));
  setDate(d);
}

QString DateField::textFromDateTime(const QDateTime& dt) const {
  return literal_ ? literalText_ : QDateEdit::textFromDateTime(dt);
}

// --- FaceButton ------------------------------------------------------------------------------------------

namespace {

// A dotted frame that inverts what lies under it, so it shows on any face: on a light one as well as on a
// dark one, and across a picture's own colours.
void DrawFocusFrame(QPainter& p, const QRect& frame) {
  if (frame.width() < 2 || frame.height() < 2) return;
  p.save();
  p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
  QPen pen(Qt::white, 1);
  pen.setDashPattern({1, 1});
  p.setPen(pen);
  p.setBrush(Qt::NoBrush);
  p.drawRect(frame.adjusted(0, 0, -1, -1));
  p.restore();
}

}  // namespace

void FaceButton::paintEvent(QPaintEvent* e) {
  if (face.isNull()) {
    QPushButton::paintEvent(e);
    return;
  }
  QPainter p(this);
  if (!pictureButton) {
    p.drawImage(0, 0, face);
  } else {
    // A picture button shows its picture centred, pressed in by one pixel while held down.
    const int shift = isDown() ? 1 : 0;
    const QSize size = PictureSize(face);
    p.drawImage((width() - size.width()) / 2 + shift, (height() - size.height()) / 2 + shift, face);
  }
  // The face is the program's own picture, so the toolkit would draw no sign of the focus on it.
  if (hasFocus()) {
    const int inset =
        std::clamp(std::min(width(), height()) / 8, 1, 4);  // a low button keeps its caption clear
    DrawFocusFrame(p, rect().adjusted(inset, inset, -inset, -inset));
  }
}

// --- ComboWidget -----------------------------------------------------------------------------------------

void ComboWidget::paintEvent(QPaintEvent* e) {
  QComboBox::paintEvent(e);
  // An editable one shows its caret instead.
  if (!hasFocus() || isEditable()) return;
  QStyleOptionComboBox opt;
  initStyleOption(&opt);
  QPainter p(this);
  const QRect text = style()->subControlRect(QStyle::CC_ComboBox, &opt, QStyle::SC_ComboBoxEditField, this);
  DrawFocusFrame(p, text.adjusted(-2, -1, 1, 1) & rect().adjusted(2, 2, -2, -2));
}

// --- UpDownWidget ----------------------------------------------------------------------------------------

UpDownWidget::UpDownWidget(QWidget* parent, std::function<void(bool)> step)
    : QWidget(parent), up_(new QToolButton(this)), down_(new QToolButton(this)) {
  up_->setArrowType(Qt::UpArrow);
  down_->setArrowType(Qt::DownArrow);
  for (QToolButton* b : {up_, down_}) b->setFocusPolicy(Qt::NoFocus);
  QObject::connect(up_, &QToolButton::clicked, this, [step] { step(true); });
  QObject::connect(down_, &QToolButton::clicked, this, [step] { step(false); });
}

void UpDownWidget::resizeEvent(QResizeEvent*) {
  const int half = height() / 2;
  up_->setGeometry(0, 0, width(), half);
  down_->setGeometry(0, half, width(), height() - half);
}

}  // namespace pf::detail
