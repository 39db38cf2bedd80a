// The footer's record commands and the record-number field, driven on the real worksheets through the
// dispatch.
#include "shell/page_switching.h"
#include "shell/services.h"
#include "shell/tab_bars.h"
#include "store/footer_commands.h"
#include "store/worksheet_fixture.h"

namespace {

class FooterTest : public WorksheetTest {
 protected:
  // The incident worksheet on step 1, showing a new incident.
  void OpenIncident() {
    pf::HideGadget(TabbedArea, false);
    pf::HideGadget(FrontPageHolder, true);
    SelectTopTab(2);
    SelectSecondTab(8);
    ShowPage(-1, -1, -1);
    NewIncident();
    Pump();
  }
  // Step 8 of the incident worksheet, where the two save buttons are.
  void OpenIncidentLastStep() {
    SelectSecondTab(1);
    ShowPage(-1, -1, -1);
    Pump();
  }
  void OpenBA() {
    SelectTopTab(1);
    SelectSecondTab(3);
    SelectThirdTab(8);
    ShowPage(-1, -1, -1);
    NewBAAnalysis();
    Pump();
  }
  void OpenSummary() {
    SelectTopTab(2);
    SelectSecondTab(10);
    ShowPage(-1, -1, -1);
    NewMISummary();
    Pump();
  }

  static int Uid() { return IncidentGadget(0, 0, 0); }
  static int Number() { return IncidentGadget(0, 2, 2); }
  static std::string Text(int g) { return pf::GetGadgetText(g); }

  // A stored incident on screen, with unsaved edits.
  void StoredIncident() {
    OpenIncident();
    pf::SetGadgetText(IncidentGadget(0, 3, 2), "ALT-7");
    ASSERT_TRUE(SaveIncident(1));
    ASSERT_EQ(Text(Uid()), "1");
    pf::SetGadgetText(IncidentGadget(0, 3, 2), "edited");
    Pump();
    ModifiedFlags(KindIncident) = 1;
    pf::test::TakeMessageLog();
  }

  void Event(int gadget, pf::GadgetEvent kind) {
    DispatchGadgetEvent(gadget, kind);
    Pump();
  }

  // Another connection is writing to the record file: the program can read it but not write, and gives up
  // at once.
  void LockRecordFile() {
    RecordDatabase.SetBusyTimeout(0);
    ASSERT_TRUE(locker.Open(kRecordFileName, false));
    ASSERT_TRUE(locker.Execute("BEGIN IMMEDIATE;"));
  }
  void UnlockRecordFile() { locker.Close(); }

  sql::Database locker;
};

// ---- Delete -----------------------------------------------------------------------------------------------

TEST_F(FooterTest, DeleteAsksThenRemovesTheStoredRecordWithoutAskingAboutItsEdits) {
  StoredIncident();
  pf::test::ScriptMessageAnswers({pf::Answer::Yes});
  Event(IncidentDeleteButton, pf::GadgetEvent::LeftClick);
  const auto log = pf::test::TakeMessageLog();
  ASSERT_EQ(log.size(), 1u);  // the confirmation only: the edits of the deleted record are not asked about
  EXPECT_EQ(log[0].title, "Delete Incident");
  EXPECT_EQ(log[0].text, "Are you sure you want to permanently delete this incident?");
  EXPECT_EQ(log[0].buttons, pf::Buttons::YesNo);
  EXPECT_EQ(RowCount(), 0);
  EXPECT_EQ(Text(IncidentSavedBanner), "Incident 1 deleted.");
  EXPECT_EQ(Text(Uid()), "");
  EXPECT_EQ(Text(Number()), "NEW INCIDENT");
  EXPECT_EQ(ModifiedFlags(KindIncident), 0);
  EXPECT_EQ(pf::CountGadgetItems(IncidentList), 0);
  EXPECT_EQ(CurrentSecondTab, 9);  // the start page
}

TEST_F(FooterTest, DeleteAnsweredNoKeepsEverything) {
  StoredIncident();
  pf::test::ScriptMessageAnswers({pf::Answer::No});
  Event(IncidentDeleteButton, pf::GadgetEvent::LeftClick);
  EXPECT_EQ(pf::test::TakeMessageLog().size(), 1u);
  EXPECT_EQ(RowCount(), 1);
  EXPECT_EQ(Text(Uid()), "1");
  EXPECT_EQ(Text(IncidentGadget(0, 3, 2)), "edited");
  EXPECT_EQ(ModifiedFlags(KindIncident), 1);
  EXPECT_EQ(CurrentSecondTab, 8);
}

TEST_F(FooterTest, ASummaryIsDeletedInItsOwnWordsAndTheCalculatorStartPageFollows) {
  OpenSummary();
  ASSERT_TRUE(SaveMISummary(1));
  pf::test::TakeMessageLog();
  pf::test::ScriptMessageAnswers({pf::Answer::Yes});
  Event(MIDeleteButton, pf::GadgetEvent::LeftClick);
  const auto log = pf::test::TakeMessageLog();
  ASSERT_EQ(log.size(), 1u);
  EXPECT_EQ(log[0].title, "Delete Incident Summary");
  EXPECT_EQ(log[0].text, "Are you sure you want to permanently delete this multiple incident summary?");
  EXPECT_EQ(RowCount("MISummaries"), 0);
  EXPECT_EQ(Text(IncidentSavedBanner), "Summary 1 deleted.");
  EXPECT_EQ(Text(MIGadget(0, 0)), "");
  EXPECT_EQ(CurrentTopTab, 2);
  EXPECT_EQ(CurrentSecondTab, 9);
}

// A record never stored is only replaced: no statement runs, so even a locked file reports nothing, and the
// list of stored records is not refilled.
TEST_F(FooterTest, DeletingARecordNeverStoredRunsNoStatement) {
  OpenIncident();
  pf::SetGadgetText(IncidentGadget(0, 3, 2), "typed");
  ModifiedFlags(KindIncident) = 1;
  pf::AddGadgetItem(IncidentList, -1, "stale");
  LockRecordFile();
  pf::test::ScriptMessageAnswers({pf::Answer::Yes});
  Event(IncidentDeleteButton, pf::GadgetEvent::LeftClick);
  EXPECT_EQ(pf::test::TakeMessageLog().size(), 1u);
  EXPECT_EQ(Text(IncidentSavedBanner), "New incident deleted");
  EXPECT_EQ(Text(IncidentGadget(0, 3, 2)), "");
  EXPECT_EQ(ModifiedFlags(KindIncident), 0);
  EXPECT_EQ(pf::CountGadgetItems(IncidentList), 1);
  EXPECT_EQ(CurrentSecondTab, 9);
  UnlockRecordFile();
}

TEST_F(FooterTest, FailedDeleteShowsTheDatabaseMessageAndKeepsTheRecord) {
  StoredIncident();
  FillIncidentList();
  LockRecordFile();
  pf::test::ScriptMessageAnswers({pf::Answer::Yes, pf::Answer::Ok});
  Event(IncidentDeleteButton, pf::GadgetEvent::LeftClick);
  const auto log = pf::test::TakeMessageLog();
  ASSERT_EQ(log.size(), 2u);
  EXPECT_EQ(log[1].text, "database is locked");
  UnlockRecordFile();
  EXPECT_EQ(RowCount(), 1);
  EXPECT_EQ(Text(Uid()), "1");
  EXPECT_EQ(Text(IncidentGadget(0, 3, 2)), "edited");
  EXPECT_EQ(ModifiedFlags(KindIncident), 1);
  EXPECT_EQ(pf::CountGadgetItems(IncidentList), 1);
  EXPECT_EQ(CurrentSecondTab, 8);
  EXPECT_TRUE(pf::IsGadgetHidden(IncidentSavedBanner));
}

// Built-in examples are refused before any question, in each kind's words.
TEST_F(FooterTest, ExamplesAreNotDeleted) {
  OpenIncident();
  OpenBA();
  OpenSummary();
  const struct {
    int uid, button, flag;
    const char* refusal;
  } cases[] = {
      {IncidentGadget(0, 0, 0), IncidentDeleteButton, KindIncident, "Example incident cannot be deleted."},
      {BAGadget(0, 0, 0, 0), BADeleteButton, KindBA, "Example analysis cannot be deleted."},
      {MIGadget(0, 0), MIDeleteButton, KindMISummary, "Example summary cannot be deleted."},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.refusal);
    pf::SetGadgetText(c.uid, "\n");
    ModifiedFlags(c.flag) = 1;
    pf::test::ScriptMessageAnswers({pf::Answer::Ok});
    Event(c.button, pf::GadgetEvent::LeftClick);
    const auto log = pf::test::TakeMessageLog();
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log[0].text, c.refusal);
    EXPECT_EQ(log[0].buttons, pf::Buttons::Ok);
    EXPECT_EQ(Text(c.uid), "\n");
    EXPECT_EQ(ModifiedFlags(c.flag), 1);
  }
}

// ---- Save commands ----------------------------------------------------------------------------------------

TEST_F(FooterTest, SaveCurrentStoresANewIncidentAndReturnsTheFocus) {
  OpenIncident();
  const int field = IncidentGadget(0, 3, 2);
  pf::SetActiveGadget(field);
  Pump();
  pf::test::TypeText("A9");
  Pump();
  // Stored as new first, then updated in place.
  for (int rows : {1, 1}) {
    pf::SetActiveGadget(IncidentSaveButton);  // as the click on the button takes it
    Event(IncidentSaveButton, pf::GadgetEvent::LeftClick);
    EXPECT_EQ(RowCount(), rows);
    EXPECT_EQ(Text(Uid()), "1");
    EXPECT_EQ(Row("altrefnumberfield"), "A9");
    EXPECT_TRUE(pf::test::HasFocus(field));
  }
}

struct GoOnCase {
  const char* name;
  bool toStartPage, locked;
  int tab;  // the second tab shown afterwards
};

class SaveAndGoOnTest : public FooterTest, public ::testing::WithParamInterface<GoOnCase> {};

const GoOnCase kGoOn[] = {
    {"AnotherOpensStepOne", false, false, 8},
    {"ReturnOpensTheStartPage", true, false, 9},
    {"AnotherStopsOnAFailedSave", false, true, 1},
    {"ReturnStopsOnAFailedSave", true, true, 1},
};

TEST_P(SaveAndGoOnTest, StartsABlankRecordOnlyAfterASave) {
  const GoOnCase& c = GetParam();
  OpenIncident();
  pf::SetGadgetText(IncidentGadget(0, 3, 2), "kept");
  ModifiedFlags(KindIncident) = 1;
  OpenIncidentLastStep();
  if (c.locked) {
    LockRecordFile();
    pf::test::ScriptMessageAnswers({pf::Answer::Ok});
  }
  Event(c.toStartPage ? IncidentSaveReturnButton : IncidentSaveAnotherButton, pf::GadgetEvent::LeftClick);
  EXPECT_EQ(CurrentSecondTab, c.tab);
  if (c.locked) {
    EXPECT_EQ(pf::test::TakeMessageLog().size(), 1u);  // the database's message, nothing else
    UnlockRecordFile();
    EXPECT_EQ(RowCount(), 0);
    EXPECT_EQ(Text(IncidentGadget(0, 3, 2)), "kept");
    EXPECT_EQ(ModifiedFlags(KindIncident), 1);
  } else {
    EXPECT_TRUE(pf::test::TakeMessageLog().empty());
    EXPECT_EQ(Row("altrefnumberfield"), "kept");
    EXPECT_EQ(Text(IncidentGadget(0, 3, 2)), "");
    EXPECT_EQ(Text(Uid()), "");
    EXPECT_EQ(pf::CountGadgetItems(IncidentList), 1);
    EXPECT_EQ(ModifiedFlags(KindIncident), 0);
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, SaveAndGoOnTest, ::testing::ValuesIn(kGoOn),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- The record-number field ------------------------------------------------------------------------------

TEST_F(FooterTest, TypingAStoredNumberOpensThatRecord) {
  StoredIncident();
  pf::test::ScriptMessageAnswers({pf::Answer::No});
  NewIncident();
  pf::test::TakeMessageLog();
  ASSERT_EQ(Text(Uid()), "");
  pf::SetGadgetText(Number(), " 1 ");
  ModifiedFlags(KindIncident) = 0;
  Event(Number(), pf::GadgetEvent::LostFocus);
  EXPECT_TRUE(pf::test::TakeMessageLog().empty());
  EXPECT_EQ(Text(Uid()), "1");
  EXPECT_EQ(Text(Number()), "1");
  EXPECT_EQ(Text(IncidentGadget(0, 3, 2)), "ALT-7");
  EXPECT_FALSE(pf::IsGadgetHidden(IncidentGadget(0, 2, 3)));  // "* Successfully loaded *"
}

TEST_F(FooterTest, CancelAtTheUnsavedQuestionPutsTheNumberBack) {
  StoredIncident();
  pf::test::ScriptMessageAnswers({pf::Answer::No});
  NewIncident();
  pf::SetGadgetText(IncidentGadget(0, 3, 2), "unsaved");
  ModifiedFlags(KindIncident) = 1;
  pf::test::TakeMessageLog();
  pf::SetGadgetText(Number(), "1");
  pf::test::ScriptMessageAnswers({pf::Answer::Cancel});
  Event(Number(), pf::GadgetEvent::LostFocus);
  EXPECT_EQ(pf::test::TakeMessageLog().size(), 1u);
  EXPECT_EQ(Text(Number()), "NEW INCIDENT");
  EXPECT_EQ(Text(Uid()), "");
  EXPECT_EQ(Text(IncidentGadget(0, 3, 2)), "unsaved");
  EXPECT_EQ(ModifiedFlags(KindIncident), 1);
  EXPECT_TRUE(pf::IsGadgetHidden(IncidentGadget(0, 2, 3)));
}

// Text that names no stored record shows "NOT FOUND" for a second and changes nothing.
TEST_F(FooterTest, ANumberThatOpensNothingShowsNotFound) {
  StoredIncident();
  ModifiedFlags(KindIncident) = 0;
  std::string shownDuringWait;
  pf::test::OnDelayStep([&](std::int64_t) { shownDuringWait = Text(Number()); });
  for (const char* typed : {"7", "-1", "1x", "4294967297", "99999999999999999999", "1'", ""}) {
    SCOPED_TRACE(typed);
    shownDuringWait.clear();
    pf::SetGadgetText(Number(), typed);
    const std::int64_t before = pf::ElapsedMilliseconds();
    Event(Number(), pf::GadgetEvent::LostFocus);
    EXPECT_EQ(shownDuringWait, "NOT FOUND");
    EXPECT_GE(pf::ElapsedMilliseconds() - before, 1000);
    EXPECT_EQ(Text(Number()), "1");
    EXPECT_EQ(Text(Uid()), "1");
    EXPECT_EQ(Text(IncidentGadget(0, 3, 2)), "edited");
    EXPECT_TRUE(pf::test::HasFocus(Number()));
  }
  EXPECT_TRUE(pf::test::TakeMessageLog().empty());
  EXPECT_EQ(ModifiedFlags(KindIncident), 0);
  pf::test::OnDelayStep(nullptr);
}

// A file that another program holds is no answer to the number: the user is told why, once, and the
// record shown stays with its number.
TEST_F(FooterTest, ANumberTypedWhileTheFileIsLockedSaysWhy) {
  StoredIncident();
  ModifiedFlags(KindIncident) = 0;
  pf::SetGadgetText(IncidentGadget(0, 3, 2), "ALT-8");
  ASSERT_TRUE(SaveIncident(1));
  RecordDatabase.SetBusyTimeout(50);
  ASSERT_TRUE(locker.Open(kRecordFileName, false));
  ASSERT_TRUE(locker.Execute("BEGIN EXCLUSIVE;"));
  pf::test::TakeMessageLog();
  pf::SetGadgetText(Number(), "1");
  pf::test::ScriptMessageAnswers({pf::Answer::Ok});
  Event(Number(), pf::GadgetEvent::LostFocus);
  UnlockRecordFile();
  const auto log = pf::test::TakeMessageLog();
  ASSERT_EQ(log.size(), 1u);
  EXPECT_EQ(log[0].text, "database is locked");
  EXPECT_EQ(Text(Number()), "2");
  EXPECT_EQ(Text(Uid()), "2");
  EXPECT_EQ(Text(IncidentGadget(0, 3, 2)), "ALT-8");
}

TEST_F(FooterTest, AnAnalysisOpensByItsNumberToo) {
  OpenBA();
  const int uid = BAGadget(0, 0, 0, 0), number = BAGadget(8, 1, 1, 2), note = BAGadget(8, 1, 2, 1);
  pf::SetGadgetText(BAGadget(8, 2, 1, 2), "Lift Study");
  ASSERT_TRUE(SaveBAAnalysis(1));
  NewBAAnalysis();
  Pump();
  for (const char* typed : {"2", "1"}) {
    pf::SetGadgetText(number, typed);
    Pump();
    ModifiedFlags(KindBA) = 0;
    Event(number, pf::GadgetEvent::LostFocus);
  }
  EXPECT_TRUE(pf::test::TakeMessageLog().empty());
  EXPECT_EQ(Text(uid), "1");
  EXPECT_EQ(Text(BAGadget(8, 2, 1, 2)), "Lift Study");
  EXPECT_FALSE(pf::IsGadgetHidden(note));
}

TEST(RecordNumberTest, OnlyADifferentNumberAsksForAnotherRecord) {
  const struct {
    int kind;
    const char *uid, *typed;
    bool asks;
  } cases[] = {
      {KindIncident, "", "NEW INCIDENT", false},
      {KindIncident, "", "3", true},
      {KindIncident, "7", " 7 ", false},
      {KindIncident, "7", "8", true},
      {KindIncident, "\n", "EXAMPLE INCIDENT", false},
      {KindBA, "\n", "EXAMPLE ANALYSIS", false},
      {KindBA, "\n", "2", true},
      {KindBA, "", "NEW ANALYSIS", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.uid) + "|" + c.typed);
    EXPECT_EQ(AsksForAnotherRecord(c.kind, c.uid, c.typed), c.asks);
  }
}

// A stored-incident row opens its record after a blank one; cancelling the question about unsaved edits
// asks it once more, and cancelling that too keeps the record shown.
TEST_F(FooterTest, AStoredIncidentRowAsksAgainAfterACancel) {
  StoredIncident();
  FillIncidentList();
  pf::test::ScriptMessageAnswers({pf::Answer::No});
  NewIncident();
  pf::SetGadgetText(IncidentGadget(0, 3, 2), "unsaved");
  Pump();
  ModifiedFlags(KindIncident) = 1;
  pf::test::TakeMessageLog();
  pf::SetGadgetState(IncidentList, 0);
  pf::test::ScriptMessageAnswers({pf::Answer::Cancel, pf::Answer::Cancel});
  Event(IncidentList, pf::GadgetEvent::LeftClick);
  EXPECT_EQ(pf::test::TakeMessageLog().size(), 2u);
  EXPECT_EQ(Text(IncidentGadget(0, 3, 2)), "unsaved");
  EXPECT_EQ(ModifiedFlags(KindIncident), 1);
  pf::test::ScriptMessageAnswers({pf::Answer::No});
  Event(IncidentList, pf::GadgetEvent::LeftClick);
  EXPECT_EQ(pf::test::TakeMessageLog().size(), 1u);
  EXPECT_EQ(Text(Uid()), "1");
  EXPECT_EQ(Text(IncidentGadget(0, 3, 2)), "ALT-7");
}

}  // namespace
