// Scripted message boxes: answers in order, a log, and a loud failure for a box nobody expected.
#include <QAbstractButton>
#include <QApplication>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform_fixture.h"

namespace pf::testing {
namespace {

TEST_F(PlatformTest, ScriptedAnswersAreReturnedAndLogged) {
  test::ScriptMessageAnswers({Answer::Ok, Answer::Cancel, Answer::No});
  EXPECT_EQ(MessageRequester("Draft Version", ""), Answer::Ok);
  EXPECT_EQ(MessageRequester("Save", "Save the incident?", Buttons::YesNoCancel), Answer::Cancel);
  EXPECT_EQ(MessageRequester("Delete", "Delete it?", Buttons::YesNo), Answer::No);
  EXPECT_EQ(test::PendingMessageAnswers(), 0);
  const auto log = test::TakeMessageLog();
  ASSERT_EQ(log.size(), 3u);
  EXPECT_EQ(log[1].title, "Save");
  EXPECT_EQ(log[1].text, "Save the incident?");
  EXPECT_EQ(log[1].buttons, Buttons::YesNoCancel);
  EXPECT_EQ(log[1].answer, Answer::Cancel);
  EXPECT_TRUE(test::TakeMessageLog().empty());
}

TEST_F(PlatformTest, UnexpectedBoxFailsWithItsTitleAndText) {
  struct Case {
    std::vector<Answer> script;
    Buttons buttons;
  } cases[] = {
      {{}, Buttons::Ok},                   // nothing scripted: headless runs never wait for a user
      {{Answer::Cancel}, Buttons::YesNo},  // an answer the box cannot give
      {{Answer::Yes}, Buttons::Ok},
  };
  for (const Case& c : cases) {
    test::ScriptMessageAnswers(c.script);
    try {
      MessageRequester("nope", "disk full", c.buttons);
      ADD_FAILURE() << "no failure";
    } catch (const std::logic_error& e) {
      const std::string what = e.what();
      EXPECT_NE(what.find("nope"), std::string::npos) << what;
      EXPECT_NE(what.find("disk full"), std::string::npos) << what;
    }
  }
}

TEST_F(PlatformTest, ShownBoxIsWideEnoughForItsTitle) {
  test::ScriptMessageBoxes(false);
  struct Seen {
    int width = 0, titleWidth = 0, textWidth = 0;
  };
  const auto show = [](const std::string& title, const std::string& text) {
    Seen seen;
    QTimer::singleShot(0, [&seen] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!box) return;
      QFont bold = box->font();
      bold.setBold(true);
      seen.width = box->width();
      seen.titleWidth = QFontMetrics(bold).horizontalAdvance(box->windowTitle());
      seen.textWidth = QFontMetrics(box->font()).horizontalAdvance(box->text());
      box->accept();
    });
    EXPECT_EQ(MessageRequester(title, text), Answer::Ok);
    return seen;
  };
  // The start-up box has a title and no text: the title bar still shows its whole title beside its buttons.
  const Seen empty = show("Draft Version", "");
  ASSERT_GT(empty.titleWidth, 0) << "the box was never shown";
  EXPECT_GE(empty.width, empty.titleWidth + 100);
  // A text wider than the title still sets the width.
  const Seen wide = show("nope", std::string(60, 'W'));
  EXPECT_GE(wide.width, wide.textWidth);
}

// The shown box's buttons carry their captions without icons; each gives its answer, and Escape gives
// the last one, as closing the box does.
TEST_F(PlatformTest, ShownBoxButtonsAndEscapeGiveTheirAnswers) {
  test::ScriptMessageBoxes(false);
  struct Case {
    Buttons buttons;
    std::vector<std::string> captions;
    std::vector<Answer> answers;
  };
  const Case cases[] = {
      {Buttons::Ok, {"OK"}, {Answer::Ok}},
      {Buttons::YesNo, {"&Yes", "&No"}, {Answer::Yes, Answer::No}},
      {Buttons::YesNoCancel, {"&Yes", "&No", "Cancel"}, {Answer::Yes, Answer::No, Answer::Cancel}},
  };
  for (const Case& c : cases) {
    for (int press = 0; press <= int(c.captions.size()); ++press) {  // the last round presses Escape
      SCOPED_TRACE(c.captions.front() + " box, press " + std::to_string(press));
      std::vector<std::string> captions;
      bool iconless = true;
      std::string defaultCaption;
      QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        for (QAbstractButton* b : box->buttons()) iconless = iconless && b->icon().isNull();
        // Laid out in the desktop's order; read them in the order the caller gave them.
        for (const std::string& wanted : c.captions)
          for (QAbstractButton* b : box->buttons())
            if (b->text().toStdString() == wanted) captions.push_back(wanted);
        if (box->defaultButton()) defaultCaption = box->defaultButton()->text().toStdString();
        if (press < int(c.captions.size())) {
          for (QAbstractButton* b : box->buttons())
            if (b->text().toStdString() == c.captions[std::size_t(press)]) b->click();
        } else {
          QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
          QApplication::sendEvent(box, &escape);
        }
      });
      const Answer a = MessageRequester("Question", "Go on?", c.buttons);
      EXPECT_EQ(captions, c.captions);
      EXPECT_TRUE(iconless);
      EXPECT_EQ(defaultCaption, c.captions.front());
      EXPECT_EQ(a, press < int(c.answers.size()) ? c.answers[std::size_t(press)] : c.answers.back());
    }
  }
}

}  // namespace
}  // namespace pf::testing
