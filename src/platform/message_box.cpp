// Message boxes owned by the main window. Under test the answers come from a script, so a box never
// waits for a user who is not there; a box nobody expected fails the test with its title and text.
#include <QApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <deque>
#include <optional>
#include <stdexcept>

#include "platform/core.h"
#include "platform/test_surface.h"

namespace pf::detail {
namespace {

struct Script {
  std::optional<bool> on;  // unset: on under the offscreen platform
  std::deque<Answer> answers;
  std::vector<test::MessageRecord> log;
};

Script& S() {
  static Script s;
  return s;
}

bool Possible(Buttons b, Answer a) {
  switch (b) {
    case Buttons::Ok:
      return a == Answer::Ok;
    case Buttons::YesNo:
      return a == Answer::Yes || a == Answer::No;
    case Buttons::YesNoCancel:
      return a == Answer::Yes || a == Answer::No || a == Answer::Cancel;
  }
  return false;
}

// Room the window manager takes in a title bar beside the title: the window icon, the minimise,
// maximise and close buttons and their margins.
constexpr int kTitleBarControls = 130;

// A box sized only for its text and buttons cuts its title down to a letter or two (the start-up box
// has no text at all); it must be at least as wide as its title bar needs.
void MakeRoomForTitle(QMessageBox& box, const QString& title) {
  auto* grid = qobject_cast<QGridLayout*>(box.layout());
  if (!grid || title.isEmpty()) return;
  QFont font = box.font();
  font.setBold(true);  // title bars draw their titles bold
  const int need = QFontMetrics(font).horizontalAdvance(title) + kTitleBarControls;
  const QMargins m = grid->contentsMargins();
  grid->addItem(new QSpacerItem(need - m.left() - m.right(), 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                grid->rowCount(), 0, 1, grid->columnCount());
}

std::string Describe(const std::string& title, const std::string& text) {
  return "message box \"" + title + "\": \"" + text + "\"";
}

Answer Scripted(const std::string& title, const std::string& text, Buttons buttons) {
  auto& s = S();
  if (s.answers.empty()) throw std::logic_error("unexpected " + Describe(title, text));
  const Answer a = s.answers.front();
  s.answers.pop_front();
  if (!Possible(buttons, a)) throw std::logic_error("impossible answer for " + Describe(title, text));
  s.log.push_back(test::MessageRecord{title, text, buttons, a});
  return a;
}

Answer Shown(const std::string& title, const std::string& text, Buttons buttons) {
  QWidget* owner = MainWindowWidget();
  QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(title), QString::fromStdString(text),
                  QMessageBox::NoButton, owner);
  switch (buttons) {
    case Buttons::Ok:
      box.setStandardButtons(QMessageBox::Ok);
      break;
    case Buttons::YesNo:
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
      break;
    case Buttons::YesNoCancel:
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
      box.setEscapeButton(QMessageBox::Cancel);  // closing the box is Cancel
      break;
  }
  MakeRoomForTitle(box, box.windowTitle());
  // Without a window manager nobody activates the box, nor gives the owner its activation back.
  QTimer::singleShot(0, &box, [&box] { box.activateWindow(); });
  const int r = box.exec();
  if (owner) owner->activateWindow();
  switch (r) {
    case QMessageBox::Yes:
      return Answer::Yes;
    case QMessageBox::No:
      return Answer::No;
    case QMessageBox::Cancel:
      return Answer::Cancel;
    default:
      return buttons == Buttons::YesNoCancel ? Answer::Cancel
             : buttons == Buttons::YesNo     ? Answer::No
                                             : Answer::Ok;
  }
}

}  // namespace
}  // namespace pf::detail

namespace pf {

Answer MessageRequester(const std::string& title, const std::string& text, Buttons buttons) {
  auto& s = detail::S();
  const bool scripted = s.on.value_or(detail::Headless());
  if (scripted) return detail::Scripted(title, text, buttons);
  detail::ProgramScope program;
  return detail::Shown(title, text, buttons);
}

namespace test {

void ScriptMessageAnswers(std::vector<Answer> answers) {
  auto& s = detail::S();
  s.on = true;
  s.answers.assign(answers.begin(), answers.end());
}

std::vector<MessageRecord> TakeMessageLog() { return std::exchange(detail::S().log, {}); }

int PendingMessageAnswers() { return int(detail::S().answers.size()); }

void ScriptMessageBoxes(bool on) { detail::S().on = on; }

}  // namespace test
}  // namespace pf
