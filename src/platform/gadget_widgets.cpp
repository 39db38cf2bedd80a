// The small widget subclasses behind static texts, fields, date fields, buttons and up-downs.
#include "platform/gadget_widgets.h"

#include <QAbstractItemView>
#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QDropEvent>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QToolButton>
#include <QWheelEvent>
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
  // A figure keeps its place, where the unit marks beside it expect it, and is fitted into it instead.
  if (!text.isEmpty() && !label->wordWrap() && (label->alignment() & Qt::AlignVCenter) &&
      !text.contains(QLatin1Char('\n')) && !IsFigure(text)) {
    const QFontMetrics fm(label->font());
    const int frame = label->frameWidth();
    // A framed label indents its text by half an "x" from the frame.
    const int indent =
        label->indent() >= 0 ? label->indent() : (frame > 0 ? fm.horizontalAdvance(QLatin1Char('x')) / 2 : 0);
    const int side = frame + label->margin() + indent;
    const int need = fm.horizontalAdvance(text) + 2 * side + 1;
    // Growing may put it under a neighbour: first the text is fitted into the room it was given.
    const QRect room = QRect(QPoint(0, 0), given.size())
                           .adjusted(side, frame + label->margin(), -side, -frame - label->margin());
    const int flags = int(label->alignment()) | (label->wordWrap() ? int(Qt::TextWordWrap) : 0);
    if (need > given.width() && !FitText(label->font(), text, room, flags).Inside(room)) {
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

namespace {

bool IsLineBreak(char16_t c) {
  return c == u'\n' || c == u'\v' || c == u'\f' || c == u'\r' || c == 0x85 || c == 0x2028 || c == 0x2029;
}

// A field of one line holds what it shows: a line break (a CR LF pair being one) or a tab that comes in
// stands between its words as a blank, and other control characters, which would show as nothing or as
// a blank yet be stored as they are, are left out.
QString OneLine(const QString& text) {
  QString line;
  line.reserve(text.size());
  for (qsizetype i = 0; i < text.size(); ++i) {
    const char16_t c = text.at(i).unicode();
    if (c == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n') continue;
    if (c == u'\t' || IsLineBreak(c))
      line += QLatin1Char(' ');
    else if (QChar::category(c) != QChar::Other_Control)
      line += QChar(c);
  }
  return line;
}

}  // namespace

std::optional<QString> FieldEdit::Judged(const QString& text) const {
  const QString line = OneLine(text);
  const auto& judge = Core().pasteJudge;
  if (!judge) return line;
  const std::optional<std::string> judged = judge(number_, line.toStdString());
  if (!judged) return std::nullopt;
  return QString::fromStdString(*judged);
}

int FieldEdit::Room() const {
  const int limit = typingLimit_ > 0 ? std::min(typingLimit_, maxLength()) : maxLength();
  return limit - int(text().size()) + int(selectedText().size());
}

FieldEdit::FieldEdit(QWidget* parent, int number) : QLineEdit(parent), number_(number) {
  // A caret the program or the user places is theirs from then on.
  QObject::connect(this, &QLineEdit::cursorPositionChanged, this, [this] { caretForView_ = false; });
}

// The toolkit would put the caret after the new text and scroll the view to it. A field the user is not in
// keeps its caret at the start until the focus comes, so the view shows the start. Only in the focused
// field does the caret belong to the user: there a text that was highlighted whole stays highlighted
// whole, so that typing still replaces it, and otherwise the caret goes after the text as the toolkit puts
// it.
void FieldEdit::SetProgramText(const QString& text) {
  const bool focused = hasFocus();
  const bool wholeHighlighted = focused && hasSelectedText() && selectedText() == this->text();
  setText(text);
  if (!focused) {
    setCursorPosition(0);
    caretForView_ = true;
  } else if (wholeHighlighted) {
    selectAll();
  }
}

// The focus that comes other than by a click (which places the caret itself) finds the caret after the
// text, where the toolkit puts it; from there on the view follows the caret.
void FieldEdit::focusInEvent(QFocusEvent* e) {
  if (caretForView_ && e->reason() != Qt::MouseFocusReason && !hasSelectedText()) end(false);
  caretForView_ = false;
  QLineEdit::focusInEvent(e);
}

// The toolkit scrolls the view from where the last paint left it. When a long text gives way to a shorter
// one that is still too long for the field, that start can lie past the new text's end, and one paint then
// shows the end with the caret out of sight; a second pass starts from there and brings the caret in.
void FieldEdit::paintEvent(QPaintEvent* e) {
  if (PaintFittedFigure()) return;
  QLineEdit::paintEvent(e);
  const int caret = cursorRect().center().x();
  if (caret < contentsRect().left() || caret > contentsRect().right()) QLineEdit::paintEvent(e);
}

// A paste goes in whole or not at all: a text the field would cut, or one its judge refuses, is refused
// with the warning beep, so that nothing goes missing unnoticed.
bool FieldEdit::JudgedPaste(const QString& text) {
  if (isReadOnly()) return false;
  const std::optional<QString> judged = Judged(text);
  if (!judged || int(judged->size()) > Room()) {
    Beep();
    return false;
  }
  insert(*judged);
  return true;
}

void FieldEdit::keyPressEvent(QKeyEvent* e) {
  if (e->matches(QKeySequence::Paste) && !isReadOnly()) {
    JudgedPaste(QGuiApplication::clipboard()->text(QClipboard::Clipboard));
    e->accept();
    return;
  }
  // A key that types a text (an input tool can send several characters as one key) types it as one line;
  // keys whose own character is a control character (Enter, Escape, Backspace) stay the toolkit's.
  const QString typed = e->text();
  if (!typed.isEmpty() && QChar::category(typed.at(0).unicode()) != QChar::Other_Control) {
    const QString line = OneLine(typed);
    if (line != typed) {
      QKeyEvent oneLine(e->type(), e->key(), e->modifiers(), line, e->isAutoRepeat(), e->count());
      keyPressEvent(&oneLine);
      e->setAccepted(oneLine.isAccepted());
      return;
    }
  }
  const bool printable = !typed.isEmpty() && typed.at(0).isPrint() &&
                         !(e->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
  if (printable && Room() < int(typed.size())) {
    e->accept();
    return;
  }
  QLineEdit::keyPressEvent(e);
}

// What an input method commits goes in as one line, as a paste does.
void FieldEdit::inputMethodEvent(QInputMethodEvent* e) {
  const QString line = OneLine(e->commitString());
  if (line == e->commitString()) return QLineEdit::inputMethodEvent(e);
  QInputMethodEvent oneLine(e->preeditString(), e->attributes());
  oneLine.setCommitString(line, e->replacementStart(), e->replacementLength());
  QLineEdit::inputMethodEvent(&oneLine);
  e->setAccepted(oneLine.isAccepted());
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

// A middle click pastes the primary selection where the system has one, at the caret the press placed.
void FieldEdit::mouseReleaseEvent(QMouseEvent* e) {
  const QClipboard* cb = QGuiApplication::clipboard();
  if (e->button() == Qt::MiddleButton && cb->supportsSelection() && !isReadOnly()) {
    const QString text = cb->text(QClipboard::Selection);
    deselect();
    JudgedPaste(text);
    e->accept();
    return;
  }
  QLineEdit::mouseReleaseEvent(e);
}

// Dropped text is pasted where it is dropped. A move inside the field itself stays the field's own, when
// the text may go in as it is.
void FieldEdit::dropEvent(QDropEvent* e) {
  const QMimeData* data = e->mimeData();
  if (!data || !data->hasText() || isReadOnly()) {
    QLineEdit::dropEvent(e);
    return;
  }
  if (e->source() == this) {
    const std::optional<QString> judged = Judged(data->text());
    if (judged && *judged == data->text())
      QLineEdit::dropEvent(e);
    else
      e->ignore();
    return;
  }
  deselect();
  setCursorPosition(cursorPositionAt(e->position().toPoint()));
  if (JudgedPaste(data->text())) {
    e->setDropAction(Qt::CopyAction);
    e->accept();
  } else {
    e->ignore();
  }
}

// --- DateField -------------------------------------------------------------------------------------------

namespace {
bool IsPart(QDateTimeEdit::Section s) {
  return s == QDateTimeEdit::DaySection || s == QDateTimeEdit::MonthSection ||
         s == QDateTimeEdit::YearSection;
}
bool IsDigitKey(const QKeyEvent& e) {
  return e.text().size() == 1 && e.text().at(0).isDigit() &&
         !(e.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
}
}  // namespace

DateField::DateField(QWidget* parent) : QDateEdit(parent) {
  // A date is taken whole, when the user is done with it, not at every digit on the way.
  setKeyboardTracking(false);
  lineEdit()->installEventFilter(this);
  QObject::connect(lineEdit(), &QLineEdit::textChanged, this, [this] { FitText(); });
}

void DateField::SetLiteralText(const QString* text) {
  if (literal_ == (text != nullptr) && (!text || *text == literalText_)) return;
  literal_ = text != nullptr;
  literalText_ = text ? *text : QString();
  // A date written out whole has no part to type into: only the calendar changes it.
  lineEdit()->setReadOnly(literal_);
  // Re-render the display with the current date.
  const QDate d = date();
  setDate(d.addDays(1));
  setDate(d);
  // A part chosen before stands on letters of the written-out date now.
  if (literal_) lineEdit()->deselect();
}

void DateField::SetFormat(const QString& format, int leading) {
  const bool focused = hasFocus() && !literal_;
  const bool onLeading = focused && InLeadingText();
  const Section part = currentSection();
  const bool selected = lineEdit()->hasSelectedText();
  SetLiteralText(nullptr);
  leading_ = leading;
  if (format != displayFormat()) setDisplayFormat(format);
  if (!focused) return;
  if (onLeading)
    SelectLeadingText();
  else if (IsPart(part) && selected)
    setSelectedSection(part);
  else if (IsPart(part))
    setCurrentSection(part);
}

QString DateField::textFromDateTime(const QDateTime& dt) const {
  return literal_ ? literalText_ : QDateEdit::textFromDateTime(dt);
}

// A date outside the field's range is no date: the field goes back to its own rather than taking the
// nearest one it allows.
QValidator::State DateField::validate(QString& text, int& pos) const {
  const QValidator::State state = QDateEdit::validate(text, pos);
  if (state != QValidator::Acceptable) return state;
  const QDate typed = dateTimeFromText(text).date();
  return typed.isValid() && typed >= minimumDate() && typed <= maximumDate() ? state
                                                                             : QValidator::Intermediate;
}

// While a key is handled the field asks this to walk its parts (Ctrl with an arrow): the walk stays inside
// the field. Otherwise the focus moves on at once instead of walking the parts.
bool DateField::focusNextPrevChild(bool next) {
  if (!handlingKey_) return QWidget::focusNextPrevChild(next);
  if (literal_ || sectionCount() == 0) return false;
  const int at = std::clamp(currentSectionIndex() + (next ? 1 : -1), 0, sectionCount() - 1);
  setSelectedSection(sectionAt(at));
  return true;
}

bool DateField::InLeadingText() const {
  if (literal_ || leading_ <= 0) return false;
  const QLineEdit* edit = lineEdit();
  const int at = edit->hasSelectedText() ? edit->selectionStart() : edit->cursorPosition();
  return at < leading_;
}

// Selects the opening text without its closing blanks (the month's name), the caret at its start.
void DateField::SelectLeadingText() {
  int n = std::min(leading_, int(text().size()));
  while (n > 0 && text().at(n - 1).isSpace()) --n;
  lineEdit()->setSelection(n, -n);
}

// A click puts the user on a whole part, so that digits typed next replace it.
void DateField::SelectPartAt(int position) {
  if (literal_ || lineEdit()->hasSelectedText()) return;
  if (position < leading_) {
    SelectLeadingText();
    return;
  }
  if (IsPart(currentSection())) setSelectedSection(currentSection());
}

bool DateField::eventFilter(QObject* watched, QEvent* e) {
  if (watched == lineEdit() && e->type() == QEvent::MouseButtonRelease && !clicking_) {
    const auto* me = static_cast<QMouseEvent*>(e);
    if (me->button() == Qt::LeftButton && !lineEdit()->hasSelectedText()) {
      // The field places the caret first; the part under it is chosen after that.
      clicking_ = true;
      QCoreApplication::sendEvent(watched, e);
      clicking_ = false;
      SelectPartAt(lineEdit()->cursorPositionAt(me->position().toPoint()));
      return true;
    }
  }
  return QDateEdit::eventFilter(watched, e);
}

// The field selects its first part when the focus comes by the keyboard or back from another window; a
// date written out whole has no parts, and a part's place would mark letters inside its words.
void DateField::focusInEvent(QFocusEvent* e) {
  QDateEdit::focusInEvent(e);
  if (literal_) lineEdit()->deselect();
}

void DateField::OpenCalendar() {
  if (!calendarPopup() || !isEnabled()) return;
  // As a press on the drop-down arrow does it.
  QStyleOptionComboBox opt;
  opt.initFrom(this);
  opt.editable = true;
  opt.subControls = QStyle::SC_All;
  const QPoint arrow =
      style()->subControlRect(QStyle::CC_ComboBox, &opt, QStyle::SC_ComboBoxArrow, this).center();
  QMouseEvent press(QEvent::MouseButtonPress, QPointF(arrow), QPointF(mapToGlobal(arrow)), Qt::LeftButton,
                    Qt::LeftButton, Qt::NoModifier);
  QDateEdit::mousePressEvent(&press);
}

void DateField::keyPressEvent(QKeyEvent* e) {
  handlingKey_ = true;
  HandleKey(e);
  handlingKey_ = false;
}

void DateField::HandleKey(QKeyEvent* e) {
  const int key = e->key();
  if (key == Qt::Key_F4 || ((e->modifiers() & Qt::AltModifier) && key == Qt::Key_Down)) {
    e->accept();
    OpenCalendar();
    return;
  }
  const bool moves = key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Home ||
                     key == Qt::Key_End || key == Qt::Key_Tab || key == Qt::Key_Backtab ||
                     e->matches(QKeySequence::Copy) || e->matches(QKeySequence::SelectAll);
  const bool steps =
      key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp || key == Qt::Key_PageDown;
  // The whole date written out, or the month's name: nothing typed goes into literal text.
  if ((literal_ || InLeadingText()) && !moves && !(steps && !literal_)) {
    e->accept();
    return;
  }
  // Only digits go into a part; other characters would only meet the literal text.
  const bool printable = !e->text().isEmpty() && e->text().at(0).isPrint() &&
                         !(e->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
  if (printable && !IsDigitKey(*e)) {
    e->accept();
    return;
  }
  if (!IsDigitKey(*e) || lineEdit()->hasSelectedText()) {
    QDateEdit::keyPressEvent(e);
    return;
  }
  // A digit at the caret of a full part is refused by the field: it replaces the part instead.
  const QString before = text();
  QDateEdit::keyPressEvent(e);
  if (text() != before || !IsPart(currentSection())) return;
  setSelectedSection(currentSection());
  QDateEdit::keyPressEvent(e);
}

// The wheel turns the month only once the user has chosen it: a wheel passing over the field, its caret
// at the start, goes on to the page.
void DateField::wheelEvent(QWheelEvent* e) {
  if (InLeadingText() && !lineEdit()->hasSelectedText()) {
    e->ignore();
    return;
  }
  QDateEdit::wheelEvent(e);
}

QAbstractSpinBox::StepEnabled DateField::stepEnabled() const {
  if (literal_) return StepNone;
  if (InLeadingText()) return StepUpEnabled | StepDownEnabled;  // the month, from its name
  return QDateEdit::stepEnabled();
}

void DateField::stepBy(int steps) {
  if (literal_) return;
  if (!InLeadingText()) {
    QDateEdit::stepBy(steps);
    return;
  }
  const QDate next = date().addMonths(steps);
  if (next >= minimumDate() && next <= maximumDate()) setDate(next);
  SelectLeadingText();
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
  drawn_ = {};
  QStyleOptionComboBox opt;
  initStyleOption(&opt);
  const QRect text = style()->subControlRect(QStyle::CC_ComboBox, &opt, QStyle::SC_ComboBoxEditField, this);
  if (isEditable()) {
    QComboBox::paintEvent(e);  // the typed entry shows its own text, and its caret
    return;
  }
  // A choice wider than the box is drawn narrower or smaller, where the toolkit would cut it.
  const QRect room = text.adjusted(1, 0, -1, 0);
  const QFont fitted = FittingFont(font(), opt.currentText, room.width());
  QPainter p(this);
  p.setPen(palette().color(QPalette::Text));
  style()->drawComplexControl(QStyle::CC_ComboBox, &opt, &p, this);
  p.setFont(fitted);
  style()->drawControl(QStyle::CE_ComboBoxLabel, &opt, &p, this);
  const int width = QFontMetrics(fitted).horizontalAdvance(opt.currentText);
  drawn_ = DrawnLine{fitted != font(), opt.currentText, fitted, room.left(), room};
  drawn_.x = QStyle::visualAlignment(layoutDirection(), Qt::AlignLeft) & Qt::AlignRight
                 ? room.right() + 1 - width
                 : room.left();
  if (hasFocus()) DrawFocusFrame(p, text.adjusted(-2, -1, 1, 1) & rect().adjusted(2, 2, -2, -2));
}

// The list drops down at least as wide as its widest choice, so every choice can be read whole.
void ComboWidget::showPopup() {
  int widest = 0;
  const QFontMetrics fm(view()->font());
  for (int i = 0; i < count(); ++i) widest = std::max(widest, fm.horizontalAdvance(itemText(i)));
  const int margins = 2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1) + 8;
  const int bar =
      count() > maxVisibleItems() ? style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this) : 0;
  view()->setMinimumWidth(widest + margins + bar + 2 * view()->frameWidth());
  QComboBox::showPopup();
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
