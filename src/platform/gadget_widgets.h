// Inside the layer: the small toolkit widget subclasses behind some control kinds.
#pragma once

#include <QComboBox>
#include <QDateEdit>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>
#include <functional>
#include <optional>

#include "platform/fitted_figures.h"
#include "platform/text_fitting.h"

class QToolButton;

namespace pf::detail {

// Static texts and picture controls: a clickable one raises a left click when the button is released over
// it after being pressed on it. A text wider or taller than its room is fitted into it: a figure on its
// line, any other text wrapped or drawn in a narrower or smaller face.
class ClickLabel : public QLabel {
 public:
  ClickLabel(QWidget* parent, int number) : QLabel(parent), number_(number) {}
  bool clickable = false;
  QRect TextRoom() const;  // inside the frame, the margin and the indent
  const DrawnLine& Drawn() const { return drawn_; }
  const LaidText& Laid() const { return laid_; }  // where the last paint laid a text other than a figure

 protected:
  void paintEvent(QPaintEvent* e) override;
  void changeEvent(QEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseDoubleClickEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;

 private:
  int number_;
  bool pressed_ = false;
  DrawnLine drawn_;
  LaidText laid_;
  struct FitKey {
    QString text;
    QFont font;
    QRect room;
    int flags = 0;
  } fitKey_;
  LaidText fitted_;
};

// A vertically centred one-line text that does not fit its control even in a narrower or smaller face
// would be cut at the control's edge: the control grows to its text's width instead, keeping the edge (or the
// centre) its alignment holds. Fitting starts again from the place the program gave, so a text that fits
// again gets that place back.
void FitOneLineText(QLabel* label);
QRect GivenRect(QLabel* label);

// Bordered containers: children go into a client area inside the one-pixel border, so the border stays
// visible around them whatever they cover.
class BorderedFrame : public QFrame {
 public:
  explicit BorderedFrame(QWidget* parent);
  QWidget* Client() const { return client_; }

 protected:
  void resizeEvent(QResizeEvent* e) override;

 private:
  QWidget* client_;
};

// Single-line fields: whatever the user puts in (pasted, dropped, typed or committed by an input method)
// comes in as one line, line breaks and tabs as blanks and other control characters left out. Every way
// of pasting then goes through the program's paste judge, which may also tidy the text; a paste goes in
// whole or not at all. A text the program puts into a field that the user is not working in shows from
// its start, as it would had the user never entered the field, and a figure there is fitted into the
// field's room; the user works on it in the field's own font.
class FieldEdit : public QLineEdit {
 public:
  FieldEdit(QWidget* parent, int number);
  bool JudgedPaste(const QString& text);  // false when it was refused
  // The most characters the user can type or paste; the program's own writes are not cut.
  void SetTypingLimit(int characters) { typingLimit_ = characters; }
  void SetProgramText(const QString& text);
  QRect TextRoom() const;  // where the toolkit lays the text out
  const DrawnLine& Drawn() const { return drawn_; }

 protected:
  void paintEvent(QPaintEvent* e) override;
  void focusInEvent(QFocusEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;
  void inputMethodEvent(QInputMethodEvent* e) override;
  void contextMenuEvent(QContextMenuEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
  void dropEvent(QDropEvent* e) override;

 private:
  std::optional<QString> Judged(const QString& text) const;  // what goes in; none: refused
  bool PaintFittedFigure();  // false: the text is drawn as the toolkit draws it
  int Room() const;          // characters the user may still add in place of the selection
  int number_;
  int typingLimit_ = 0;
  bool caretForView_ = false;  // the caret stands at the start only to show a program text from there
  DrawnLine drawn_;
};

// Date fields. Tab leaves the field at once instead of walking its parts. Typing never changes the
// literal text of the mask: digits set the day, month or year part they are typed into, the arrow keys
// step the part under the caret (the month from its name, the literal text the mask opens with), and a
// mask that is all literal text (a whole date written out) takes no typing at all. F4 or Alt+Down opens
// the calendar, as a click on the arrow does. Typed text is taken when the field is left or Enter is
// pressed; a text that reads as no date goes back to the date the field had. A date wider than the
// field is drawn in a narrower or smaller font, so that its year shows.
class DateField : public QDateEdit {
 public:
  explicit DateField(QWidget* parent);
  void SetLiteralText(const QString* text);  // nullptr: show the display format
  // Sets the display format, whose literal opening text is `leading` characters long, keeping the part
  // the user is on.
  void SetFormat(const QString& format, int leading);
  void OpenCalendar();
  QDate lastDate;  // the date last set or reported: a date change is reported only when it is one

 protected:
  bool focusNextPrevChild(bool next) override;
  QString textFromDateTime(const QDateTime& dt) const override;
  QValidator::State validate(QString& text, int& pos) const override;
  bool eventFilter(QObject* watched, QEvent* e) override;
  void focusInEvent(QFocusEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;
  void wheelEvent(QWheelEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;
  void changeEvent(QEvent* e) override;
  StepEnabled stepEnabled() const override;
  void stepBy(int steps) override;

 private:
  bool InLeadingText() const;  // the caret or selection stands in the opening literal text
  void SelectLeadingText();
  void SelectPartAt(int position);
  void HandleKey(QKeyEvent* e);
  void FitText();
  bool literal_ = false;
  QString literalText_;
  int leading_ = 0;
  bool clicking_ = false;
  bool handlingKey_ = false;
};

// Push buttons and picture buttons: with a face picture the button shows that picture whole.
class FaceButton : public QPushButton {
 public:
  explicit FaceButton(QWidget* parent) : QPushButton(parent) {}
  QImage face;  // a copy of the picture as it was when set; null: the toolkit's own look
  bool pictureButton = false;

 protected:
  void paintEvent(QPaintEvent* e) override;
};

// Drop-down combo boxes: the focused one frames its current text, as a focused button frames its face;
// a choice wider than the box is drawn narrower or smaller.
class ComboWidget : public QComboBox {
 public:
  explicit ComboWidget(QWidget* parent) : QComboBox(parent) {}
  void showPopup() override;
  const DrawnLine& Drawn() const { return drawn_; }  // the choice as the last paint drew it

 protected:
  void paintEvent(QPaintEvent* e) override;

 private:
  DrawnLine drawn_;
};

// Up-down: two arrow buttons; every step writes the buddy field's number within the range.
class UpDownWidget : public QWidget {
 public:
  UpDownWidget(QWidget* parent, std::function<void(bool up)> step);
  QToolButton* Arrow(bool up) const { return up ? up_ : down_; }

 protected:
  void resizeEvent(QResizeEvent* e) override;

 private:
  QToolButton* up_;
  QToolButton* down_;
};

}  // namespace pf::detail
