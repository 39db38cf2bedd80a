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
#include <vector>

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

struct ButtonSpec {
  const char* text;
  QMessageBox::ButtonRole role;
  Answer answer;
};

std::vector<ButtonSpec> ButtonsOf(Buttons buttons) {
  switch (buttons) {
    case Buttons::Ok:
      return {{"OK", QMessageBox::AcceptRole, Answer::Ok}};
    case Buttons::YesNo:
      return {{"&Yes", QMessageBox::YesRole, Answer::Yes}, {"&No", QMessageBox::NoRole, Answer::No}};
    case Buttons::YesNoCancel:
      return {{"&Yes", QMessageBox::YesRole, Answer::Yes},
              {"&No", QMessageBox::NoRole, Answer::No},
              {"Cancel", QMessageBox::RejectRole, Answer::Cancel}};
  }
  return {};
}

// What closing the box without a button means.
Answer Dismissed(Buttons buttons) {
  switch (buttons) {
    case Buttons::Ok:
      return Answer::Ok;
    case Buttons::YesNo:
      return Answer::No;
    case Buttons::YesNoCancel:
      return Answer::Cancel;
  }
  return Answer::Ok;
}

Answer Shown(const std::string& title, const std::string& text, Buttons buttons) {
  QWidget* owner = MainWindowWidget();
  QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(title), QString::fromStdString(text),
                  QMessageBox::NoButton, owner);
  // Buttons made from their captions, not as standard buttons: a standard button fetches its icon from
  // the desktop's icon theme, which alone took a sixth of the start-up before the first box.
  const std::vector<ButtonSpec> specs = ButtonsOf(buttons);
  std::vector<QPushButton*> made;
  for (const ButtonSpec& b : specs) made.push_back(box.addButton(QString::fromUtf8(b.text), b.role));
  box.setDefaultButton(made.front());
  // Escape and the close button answer the last choice: OK, No or Cancel.
  box.setEscapeButton(made.back());
  MakeRoomForTitle(box, box.windowTitle());
  // Without a window manager nobody activates the box, nor gives the owner its activation back.
  QTimer::singleShot(0, &box, [&box] { box.activateWindow(); });
  box.exec();
  if (owner) owner->activateWindow();
  for (std::size_t i = 0; i < made.size(); ++i)
    if (box.clickedButton() == made[i]) return specs[i].answer;
  return Dismissed(buttons);
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
