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

class QToolButton;

namespace pf::detail {

// Static texts and picture controls: a clickable one raises a left click when the button is released over
// it after being pressed on it.
class ClickLabel : public QLabel {
 public:
  ClickLabel(QWidget* parent, int number) : QLabel(parent), number_(number) {}
  bool clickable = false;

 protected:
  void changeEvent(QEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseDoubleClickEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;

 private:
  int number_;
  bool pressed_ = false;
};

// A vertically centred one-line text wider than its control would be cut at the control's edge: the
// control grows to its text's width instead, keeping the edge (or the centre) its alignment holds.
// Fitting starts again from the place the program gave, so a text that fits again gets that place back.
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

// Single-line fields: every way of pasting goes through the program's paste judge first.
class FieldEdit : public QLineEdit {
 public:
  FieldEdit(QWidget* parent, int number) : QLineEdit(parent), number_(number) {}
  bool JudgedPaste(const QString& text);  // false when the judge refused it
  // The most characters the user can type or paste; the program's own writes are not cut.
  void SetTypingLimit(int characters) { typingLimit_ = characters; }

 protected:
  void keyPressEvent(QKeyEvent* e) override;
  void contextMenuEvent(QContextMenuEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
  void dropEvent(QDropEvent* e) override;

 private:
  bool Allowed(const QString& text) const;
  int Room() const;  // characters the user may still add in place of the selection
  int number_;
  int typingLimit_ = 0;
};

// Date fields: Tab leaves the field at once instead of walking its sections, and a mask that is all
// literal text (no day, month or year section) is shown as it is.
class DateField : public QDateEdit {
 public:
  explicit DateField(QWidget* parent) : QDateEdit(parent) {}
  void SetLiteralText(const QString* text);  // nullptr: show the display format

 protected:
  bool focusNextPrevChild(bool next) override { return QWidget::focusNextPrevChild(next); }
  QString textFromDateTime(const QDateTime& dt) const override;

 private:
  bool literal_ = false;
  QString literalText_;
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

// Drop-down combo boxes: the focused one frames its current text, as a focused button frames its face.
class ComboWidget : public QComboBox {
 public:
  explicit ComboWidget(QWidget* parent) : QComboBox(parent) {}

 protected:
  void paintEvent(QPaintEvent* e) override;
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
