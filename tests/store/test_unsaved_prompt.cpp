#include "shell/design_grid.h"
#include "shell/services.h"
#include "store/worksheet_fixture.h"

namespace {

class PromptTest : public WorksheetTest {
 protected:
  // The real Before & After worksheet, a new analysis with a name.
  void MakeBAIdentity() {
    OpenAnalysis(KindBA);
    pf::SetGadgetText(BAGadget(8, 2, 1, 2), "Lift Study");
    pf::test::DrainEvents();
  }
};

struct AnswerCase {
  const char* name;
  std::vector<pf::Answer> answers;
  int result;
  int boxes;
  int incidentFlag, baFlag, rows;
};

class PromptAnswerTest : public PromptTest, public ::testing::WithParamInterface<AnswerCase> {};

const AnswerCase kAnswers[] = {
    {"CancelAtTheFirstStopsThere", {pf::Answer::Cancel}, 1, 1, 1, 1, 0},
    {"NoKeepsBothFlags", {pf::Answer::No, pf::Answer::No}, 0, 2, 1, 1, 0},
    {"YesSavesEach", {pf::Answer::Yes, pf::Answer::Yes}, 0, 2, 0, 0, 1},
    {"NoThenCancel", {pf::Answer::No, pf::Answer::Cancel}, 1, 2, 1, 1, 0},
};

TEST_P(PromptAnswerTest, AsksEachModifiedKindInOrder) {
  MakeIncident();
  MakeBAIdentity();
  // Stored incident 12 of 3 March 2011: its title names it "Incident 12: March 3, 2011".
  pf::SetGadgetText(IncidentGadget(0, 0, 0), "12");
  SetDateGadget(IncidentGadget(0, 4, 2), 2011, 3, 3);
  ModifiedFlags(KindBA) = 1;
  const AnswerCase& c = GetParam();
  pf::test::ScriptMessageAnswers(c.answers);
  EXPECT_EQ(AskSaveModified(-1), c.result);
  const auto log = pf::test::TakeMessageLog();
  ASSERT_EQ(int(log.size()), c.boxes);
  EXPECT_EQ(log[0].title, "Incident modified");
  EXPECT_EQ(log[0].text, "Incident 12 has been modified. Would you like to save it before proceeding?");
  EXPECT_EQ(log[0].buttons, pf::Buttons::YesNoCancel);
  if (c.boxes > 1) {
    EXPECT_EQ(log[1].title, "Before & After Analysis modified");
    EXPECT_EQ(log[1].text.substr(0, 37), "Before & After Analysis NEW ANALYSIS ");
  }
  EXPECT_EQ(ModifiedFlags(KindIncident), c.incidentFlag);
  EXPECT_EQ(ModifiedFlags(KindBA), c.baFlag);
  EXPECT_EQ(RowCount("incidents"), c.rows);
  EXPECT_EQ(RowCount("BAAnalyses"), c.rows);
  // The worksheet asked about is in front, not the home page.
  EXPECT_FALSE(pf::IsGadgetHidden(TabbedArea));
}

INSTANTIATE_TEST_SUITE_P(Answers, PromptAnswerTest, ::testing::ValuesIn(kAnswers),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(PromptTest, OneKindAsksOnlyAboutItself) {
  MakeIncident();
  MakeBAIdentity();
  ModifiedFlags(KindIncident) = 1;
  ModifiedFlags(KindBA) = 0;
  EXPECT_EQ(AskSaveModified(KindBA), 0);
  EXPECT_TRUE(pf::test::TakeMessageLog().empty());
  EXPECT_TRUE(pf::IsGadgetHidden(TabbedArea));  // nothing shown either
  ModifiedFlags(KindMISummary) = 1;
  pf::test::ScriptMessageAnswers({pf::Answer::No});
  EXPECT_EQ(AskSaveModified(KindMISummary), 0);
  const auto log = pf::test::TakeMessageLog();
  ASSERT_EQ(log.size(), 1u);
  EXPECT_EQ(log[0].title, "Summary modified");
  EXPECT_EQ(log[0].text,
            "Multiple Incident Summary  has been modified. Would you like to save it before proceeding?");
}

// With the summary in front of the incident calculator, closing still asks about each kind in that kind's
// own words, and each Yes saves the record its question names.
TEST_F(PromptTest, ClosingNamesEachKindsOwnRecordWhileTheSummaryIsInFront) {
  MakeIncident();
  ASSERT_TRUE(SaveIncident(1));
  pf::SetGadgetText(IncidentGadget(0, 3, 2), "edited");
  pf::test::DrainEvents();
  ModifiedFlags(KindIncident) = 1;
  ShowPage(2, 10, -1);
  Pump();
  pf::SetGadgetText(MIGadget(1, 2), "Summer");
  pf::test::DrainEvents();
  ModifiedFlags(KindMISummary) = 1;
  pf::test::TakeMessageLog();
  pf::test::ScriptMessageAnswers({pf::Answer::Yes, pf::Answer::Yes});
  pf::test::RequestClose();
  Pump();
  const auto log = pf::test::TakeMessageLog();
  ASSERT_EQ(log.size(), 2u);
  EXPECT_EQ(log[0].title, "Incident modified");
  EXPECT_EQ(log[0].text, "Incident 1 has been modified. Would you like to save it before proceeding?");
  EXPECT_EQ(log[1].title, "Summary modified");
  EXPECT_EQ(log[1].text,
            "Multiple Incident Summary  has been modified. Would you like to save it before proceeding?");
  EXPECT_EQ(Row("altrefnumberfield"), "edited");
  EXPECT_EQ(Row("titlefield", "uid=1", "MISummaries"), "Summer");
  EXPECT_TRUE(ExitRequested);
}

TEST_F(PromptTest, FailedSaveActsAsCancelAndTheProgramKeepsRunning) {
  MakeIncident();
  ASSERT_TRUE(RecordDatabase.Execute("PRAGMA query_only=1;"));
  pf::test::ScriptMessageAnswers({pf::Answer::Yes, pf::Answer::Ok});
  EXPECT_EQ(AskSaveModified(-1), 1);
  EXPECT_EQ(ModifiedFlags(KindIncident), 1);
  pf::test::TakeMessageLog();
  pf::test::ScriptMessageAnswers({pf::Answer::Yes, pf::Answer::Ok});
  pf::test::RequestClose();
  Pump();
  EXPECT_FALSE(ExitRequested);
  EXPECT_EQ(pf::test::TakeMessageLog().size(), 2u);
  // Once the file takes writes again, closing saves and ends.
  ASSERT_TRUE(RecordDatabase.Execute("PRAGMA query_only=0;"));
  pf::test::ScriptMessageAnswers({pf::Answer::Yes});
  pf::test::RequestClose();
  Pump();
  EXPECT_TRUE(ExitRequested);
  EXPECT_EQ(RowCount(), 1);
}

TEST_F(PromptTest, BannerOpensWaitsAndCloses) {
  BASavedBanner = pf::TextGadget(-1, 0, 0, 0, 0, "");
  pf::HideGadget(BASavedBanner, true);
  struct Seen {
    bool visible;
    int x, w, h;
  };
  std::vector<Seen> during;
  pf::test::OnDelayStep([&](std::int64_t) {
    during.push_back({!pf::IsGadgetHidden(BASavedBanner), pf::GadgetX(BASavedBanner),
                      pf::GadgetWidth(BASavedBanner), pf::GadgetHeight(BASavedBanner)});
  });
  const std::int64_t start = pf::ElapsedMilliseconds();
  ShowBASavedBanner("Analysis Saved");
  pf::test::OnDelayStep(nullptr);
  EXPECT_GE(pf::ElapsedMilliseconds() - start, 1000);
  ASSERT_FALSE(during.empty());
  // Open for the whole wait: 400 px wide about x = 500, 100 px high.
  for (const auto& s : during) {
    EXPECT_TRUE(s.visible);
    EXPECT_EQ(s.w, 400);
    EXPECT_EQ(s.x, 300);
    EXPECT_EQ(s.h, 100);
  }
  EXPECT_TRUE(pf::IsGadgetHidden(BASavedBanner));
  EXPECT_EQ(pf::GetGadgetText(BASavedBanner), "Analysis Saved");
  EXPECT_EQ(pf::GadgetHeight(BASavedBanner), 0);
  EXPECT_EQ(pf::GadgetY(BASavedBanner), 251);  // 51 closing steps of one pixel each
}

}  // namespace
