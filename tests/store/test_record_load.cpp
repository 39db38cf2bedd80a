#include <algorithm>
#include <functional>
#include <optional>
#include <set>

#include "analysis/calc/industry_codes.h"
#include "store/worksheet_fixture.h"

namespace {

struct KindCase {
  const char* name;
  int kind;
  void (*newRecord)();
  bool (*load)(int uid);
};

const KindCase kKinds[] = {
    {"Incident", KindIncident, NewIncident, LoadIncident},
    {"BeforeAfter", KindBA, NewBAAnalysis, LoadBAAnalysis},
    {"ConcurrentGroups", KindCG, NewCGAnalysis, LoadCGAnalysis},
    {"PotentialIntervention", KindPI, NewPIAnalysis, LoadPIAnalysis},
    {"Summary", KindMISummary, NewMISummary, LoadMISummary},
};

bool IsAnalysis(int kind) { return kind >= KindBA && kind <= KindPI; }

// What an analysis keeps beside its cells: step-2 group 3 on screen, occupational groups, industry-code
// records of both approaches with the step-7 choice, and the remembered step-3 texts.
void FillAnalysisExtras(int kind) {
  const AnalysisParts& p = AnalysisPartsOf(kind);
  auto& X = *p.gadget;
  pf::SetGadgetText(X(7, 4, 1, 2), "3");
  pf::SetGadgetData(X(7, 4, 1, 2), 3);
  pf::SetGadgetText(X(7, 4, 1, 3), "3");
  (*p.labour)(4, 0, 0) = "Welders (night)";
  (*p.labour)(4, 0, 1) = "4";
  (*p.labour)(4, 1, 1) = "5";
  (*p.labour)(10, 1, 10) = "last";
  IndustryCodeEntry a, b, c;
  a.s[0] = "1234", a.s[5] = "x", a.s[23] = "yo";
  b.s[0] = "5678";
  c.s[0] = "9999", c.s[12] = "short";
  *p.codes = {a, b};
  *p.codesSummary = {c};
  const int combo = X(2, 3, 1, 2);
  pf::ClearGadgetItems(combo);
  pf::AddGadgetItem(combo, -1, "1234", 0);
  pf::AddGadgetItem(combo, -1, "5678", 1);
  pf::SetGadgetState(combo, 1);
  pf::SetGadgetData(combo, 1);
  *p.longSummary = "kept";
  if (kind == KindPI) PIShortInci = "short 'inci'", PILongInci = "long\ninci";
}

std::string AnalysisExtras(int kind) {
  const AnalysisParts& p = AnalysisPartsOf(kind);
  std::string s;
  for (int g = 0; g <= 10; ++g)
    for (int k = 0; k <= 1; ++k)
      for (int f = 0; f <= 10; ++f) s += (*p.labour)(g, k, f) + "|";
  // The potential analysis keeps hidden records only until it is saved. Dropping them moves the others up
  // the list, so a record's list position (field 22, and the combo's remembered record) is compared by
  // the record it names.
  const bool potential = kind == KindPI;
  for (const auto* list : {p.codes, p.codesSummary}) {
    s += "\ncodes:";
    for (const auto& e : *list) {
      if (potential && !IsVisibleRecord(e)) continue;
      for (std::size_t f = 0; f < e.s.size(); ++f)
        s += (potential && f == kComboIndexField ? "" : e.s[f]) + "|";
    }
  }
  const int combo = (*p.gadget)(2, 3, 1, 2);
  const int remembered = pf::GetGadgetData(combo);
  s += "\ncombo:" + std::to_string(pf::GetGadgetState(combo)) + "/" +
       (potential ? p.codesSummary->at(std::size_t(remembered)).s[kCodeField] : std::to_string(remembered));
  for (int i = 0; i < pf::CountGadgetItems(combo); ++i)
    s += pf::GetGadgetItemText(combo, i) + "=" + std::to_string(pf::GetGadgetItemData(combo, i)) + ",";
  s += "\n" + *p.longSummary;
  if (kind == KindPI) s += "\n" + PIShortInci + "\n" + PILongInci;
  return s;
}

class RoundTripTest : public WorksheetTest, public ::testing::WithParamInterface<KindCase> {};

// Every input of the real worksheet, filled in, saved, reset by a new record and loaded back from the
// stored-records list, shows what it showed after the save.
TEST_P(RoundTripTest, SavedThenLoadedIntoAFreshWorksheetIsEqual) {
  const KindCase& c = GetParam();
  const RecordKind& k = RecordKindOf(c.kind);
  Open(c.kind);
  FillEveryInput(c.kind);
  if (IsAnalysis(c.kind)) FillAnalysisExtras(c.kind);
  pf::test::DrainEvents();
  ModifiedFlags(c.kind) = 1;
  ASSERT_TRUE(SaveRecord(c.kind, 1));
  const std::string uid = pf::GetGadgetText(k.control(k.uidCell));
  ASSERT_EQ(uid, "1");
  const auto saved = InputSnapshot(c.kind);
  ASSERT_GT(saved.size(), 3u);
  const std::string extras = IsAnalysis(c.kind) ? AnalysisExtras(c.kind) : "";
  if (IsAnalysis(c.kind)) {
    const std::string labour = Row("labourgroupfield", "uid=1", k.table);
    EXPECT_EQ(std::count(labour.begin(), labour.end(), '\r'), 11);
    EXPECT_EQ(std::count(labour.begin(), labour.end(), '\x1b'), 11 * 21);
  }

  c.newRecord();
  EXPECT_EQ(pf::GetGadgetText(k.control(k.numberCell)), k.newPlaceholder);
  EXPECT_NE(InputSnapshot(c.kind), saved);
  pf::SetGadgetState(*k.list, -1);
  EXPECT_FALSE(c.load(-1));  // a click beside the rows loads nothing
  SelectListRow(*k.list, uid);
  ASSERT_TRUE(c.load(-1));

  EXPECT_EQ(pf::GetGadgetText(k.control(k.uidCell)), uid);
  EXPECT_EQ(pf::GetGadgetText(k.control(k.numberCell)), uid);
  const auto loaded = InputSnapshot(c.kind);
  for (const auto& [name, value] : saved) EXPECT_EQ(loaded.at(name), value) << name;
  if (IsAnalysis(c.kind)) {
    auto& X = *AnalysisPartsOf(c.kind).gadget;
    EXPECT_EQ(AnalysisExtras(c.kind), extras);
    EXPECT_EQ(pf::GetGadgetData(X(7, 4, 1, 2)), 3);   // the group stored is the group shown
    EXPECT_FALSE(pf::IsGadgetHidden(X(8, 1, 2, 1)));  // "* Successfully loaded *"
    // Typed into the number field, with no new record before: the step-7 combo lists the record alone.
    ASSERT_TRUE(c.load(1));
    EXPECT_EQ(AnalysisExtras(c.kind), extras);
  }
  EXPECT_EQ(ModifiedFlags(c.kind), 0);
  // The change events that the fill raised are no edits of the worksheet.
  Pump();
  EXPECT_EQ(ModifiedFlags(c.kind), 0);
  EXPECT_TRUE(pf::test::TakeMessageLog().empty());
}

const KindCase kRoundTripKinds[] = {kKinds[0], kKinds[1], kKinds[2], kKinds[3], kKinds[4]};
INSTANTIATE_TEST_SUITE_P(Kinds, RoundTripTest, ::testing::ValuesIn(kRoundTripKinds),
                         [](const auto& info) { return std::string(info.param.name); });

class NoEditTest : public WorksheetTest, public ::testing::WithParamInterface<KindCase> {};

// Showing a worksheet's steps and saving it recalculate it; the figures that writes into its fields are
// not edits, so nothing asks to save afterwards.
TEST_P(NoEditTest, ShowingEveryStepAndSavingLeaveTheRecordUnmodified) {
  const KindCase& c = GetParam();
  Open(c.kind);
  const int second = c.kind == KindBA ? 3 : c.kind == KindCG ? 2 : 1;
  for (int step = 8; step >= 1; --step) {
    if (IsAnalysis(c.kind))
      ShowPage(1, second, step);
    else
      ShowPage(2, step, -1);
    Pump();
    EXPECT_EQ(ModifiedFlags(c.kind), 0) << "step " << 9 - step;
  }
  FillEveryInput(c.kind);
  pf::test::DrainEvents();  // the writes above stand for the user's typing
  ModifiedFlags(c.kind) = 1;
  ASSERT_TRUE(SaveRecord(c.kind, 1));
  Pump();
  EXPECT_EQ(ModifiedFlags(c.kind), 0);
}

INSTANTIATE_TEST_SUITE_P(Worksheets, NoEditTest,
                         ::testing::Values(kKinds[0], kKinds[1], kKinds[2], kKinds[3]),
                         [](const auto& info) { return std::string(info.param.name); });

class NumberFieldTest : public WorksheetTest, public ::testing::WithParamInterface<KindCase> {};

// A number typed into an analysis's number field only names the record to open: opening it asks nothing,
// while typing into any other field of the worksheet is an edit.
TEST_P(NumberFieldTest, TypingARecordNumberIsNoEdit) {
  const KindCase& c = GetParam();
  const RecordKind& k = RecordKindOf(c.kind);
  auto& X = *AnalysisPartsOf(c.kind).gadget;
  Open(c.kind);
  pf::SetGadgetText(X(8, 2, 1, 2), "Lift study");
  pf::test::DrainEvents();
  ASSERT_TRUE(SaveRecord(c.kind, 1));
  c.newRecord();
  Pump();
  pf::test::TakeMessageLog();
  ASSERT_EQ(ModifiedFlags(c.kind), 0);

  pf::SetActiveGadget(k.control(k.numberCell));
  Pump();
  pf::test::TypeText("1");
  Pump();
  EXPECT_EQ(ModifiedFlags(c.kind), 0);
  pf::test::PressTab();
  Pump();
  EXPECT_TRUE(pf::test::TakeMessageLog().empty());
  EXPECT_EQ(pf::GetGadgetText(k.control(k.uidCell)), "1");
  EXPECT_EQ(pf::GetGadgetText(X(8, 2, 1, 2)), "Lift study");
  EXPECT_EQ(ModifiedFlags(c.kind), 0);

  pf::SetActiveGadget(X(8, 2, 1, 2));
  Pump();
  pf::test::TypeText("x");
  Pump();
  EXPECT_EQ(ModifiedFlags(c.kind), 1);
}

INSTANTIATE_TEST_SUITE_P(Analyses, NumberFieldTest, ::testing::Values(kKinds[1], kKinds[2], kKinds[3]),
                         [](const auto& info) { return std::string(info.param.name); });

class NewRecordTest : public WorksheetTest, public ::testing::WithParamInterface<KindCase> {};

// A blank record of each kind: today's local date in every date field, "0" in numeric fields that must
// hold a number, nothing in the others, the first item of every list, the kind's new-record number.
TEST_P(NewRecordTest, BlankRecordShowsTheKindsDefaults) {
  const KindCase& c = GetParam();
  const RecordKind& k = RecordKindOf(c.kind);
  pf::test::SetToday({2010, 7, 5}, {2010, 7, 6});  // UTC is already the next day
  Open(c.kind);
  FillEveryInput(c.kind);
  if (IsAnalysis(c.kind)) FillAnalysisExtras(c.kind);
  PILongSummary = "of the record before";
  ModifiedFlags(c.kind) = 0;
  c.newRecord();

  EXPECT_EQ(pf::GetGadgetText(k.control(k.numberCell)), k.newPlaceholder);
  EXPECT_EQ(pf::GetGadgetText(k.control(k.uidCell)), "");
  // Cells the kind sets apart from the walk.
  const std::set<int> emptied = {IncidentGadget(5, 28, 3), IncidentGadget(6, 2, 4),
                                 IncidentGadget(6, 3, 4),  IncidentGadget(6, 4, 4),
                                 IncidentGadget(0, 12, 2), IncidentGadget(0, 14, 2)};
  int dates = 0;
  WalkCells(k.dims, k.resetWalk, [&](const CellIndex& cell) {
    const int g = k.control(cell);
    if (!g || g == k.control(k.numberCell)) return;
    if (IsAnalysis(c.kind) && cell.at[0] == 7 && cell.at[1] == 4) return;  // the group selector
    SCOPED_TRACE(StoredColumnName(cell));
    const std::int64_t back = pf::GetGadgetColour(g, BackColourType);
    switch (pf::GadgetKind(g)) {
      case pf::Kind::Field:
      case pf::Kind::Editor: {
        if (c.kind == KindIncident && emptied.count(g)) {
          EXPECT_EQ(pf::GetGadgetText(g), "");
          return;
        }
        const bool zero = back == std::int64_t(NumberFieldColour) ||
                          (IsAnalysis(c.kind) && back == std::int64_t(RequiredFieldColour));
        // Some analysis fields are recalculated from what the new record left.
        if (IsAnalysis(c.kind) && cell.at[0] == 1) return;
        EXPECT_EQ(pf::GetGadgetText(g), zero ? "0" : "");
        return;
      }
      case pf::Kind::Combo:
        if (c.kind == KindIncident && emptied.count(g)) {
          EXPECT_EQ(pf::GetGadgetState(g), -1);
          EXPECT_EQ(pf::GetGadgetText(g), "");
          return;
        }
        if (pf::CountGadgetItems(g) > 0) {
          EXPECT_EQ(pf::GetGadgetState(g), 0);
        }
        return;
      case pf::Kind::ListBox:
        for (int i = 0, n = pf::CountGadgetItems(g); i < n; ++i)
          EXPECT_EQ(pf::IsGadgetItemSelected(g, i), i == 0);
        return;
      case pf::Kind::Date:
        ++dates;
        EXPECT_EQ(pf::GetGadgetDate(g), (pf::Date{2010, 7, 5}));
        // The incident's date shows its weekday as well.
        if (c.kind != KindIncident) {
          EXPECT_EQ(pf::GetDateMask(g).substr(0, 4), "July");
        }
        return;
      default:
        return;
    }
  });
  EXPECT_GT(dates, 0);
  EXPECT_EQ(ModifiedFlags(c.kind), 0);
  if (IsAnalysis(c.kind)) {
    const AnalysisParts& p = AnalysisPartsOf(c.kind);
    auto& X = *p.gadget;
    EXPECT_EQ(pf::GetGadgetText(X(7, 4, 1, 3)), "1");
    EXPECT_EQ(pf::GetGadgetData(X(7, 4, 1, 2)), 1);
    EXPECT_EQ((*p.labour)(4, 0, 0), "");
    EXPECT_EQ((*p.labour)(10, 1, 10), "");
    EXPECT_TRUE(p.codes->empty() && p.codesSummary->empty());
    EXPECT_EQ(pf::CountGadgetItems(X(2, 3, 1, 2)), 0);
    EXPECT_EQ(*p.longSummary, "");  // Potential Intervention too: nothing of the record before comes back
    EXPECT_TRUE(pf::IsGadgetHidden(NoticeGadget(c.kind - 1, 1)));
  }
  if (c.kind == KindMISummary) {
    EXPECT_EQ(pf::GetGadgetText(RecordTitleText), "New Multiple Incidents Summary");
    EXPECT_EQ(pf::GetGadgetText(MIGadget(12, 1)), "");
  }
}

INSTANTIATE_TEST_SUITE_P(Kinds, NewRecordTest, ::testing::ValuesIn(kKinds),
                         [](const auto& info) { return std::string(info.param.name); });

using LoadTest = WorksheetTest;

TEST_F(LoadTest, NewIncidentStartsWithTheCompanyFiguresLastSaved) {
  MakeIncident();
  ASSERT_TRUE(SaveIncident(1));
  NewIncident();
  EXPECT_EQ(pf::GetGadgetText(IncidentGadget(6, 2, 4)), "5");
  EXPECT_EQ(pf::GetGadgetText(IncidentGadget(6, 3, 4)), "12,000");
  EXPECT_EQ(pf::GetGadgetText(IncidentGadget(6, 4, 4)), "1950");
  EXPECT_EQ(pf::GetGadgetText(IncidentGadget(0, 3, 2)), "");
}

// Rows written by something else, or damaged, load into the real incident worksheet without harm: only
// positions inside the worksheet reach a control, and odd texts are read as far as they make sense.
TEST_F(LoadTest, MalformedRowsLoadWithoutHarm) {
  OpenIncident();
  const int description = IncidentGadget(0, 6, 2), alt = IncidentGadget(0, 3, 2);
  const int date = IncidentGadget(0, 4, 2), type = IncidentGadget(0, 5, 2);
  const auto otherType = [&] {
    for (int i = 0; i < pf::CountGadgetItems(type); ++i)
      if (pf::GetGadgetItemData(type, i) == 99) return i;
    return -2;
  };
  struct Case {
    const char* name;
    const char* column;
    std::optional<std::string> value;
    std::function<void()> check;
  };
  const std::vector<Case> cases = {
      {"UnknownExtraColumn", "surplus", "x", [&] { EXPECT_EQ(pf::GetGadgetText(alt), ""); }},
      {"StepOutsideTheArray", "field_11x3x2", "x", [&] { EXPECT_EQ(pf::GetGadgetText(alt), ""); }},
      {"RowOutsideTheArray", "field_0x31x2", "x", [&] { EXPECT_EQ(pf::GetGadgetText(alt), ""); }},
      {"HugeIndices", "field_99999999999x3x2", "x", [&] { EXPECT_EQ(pf::GetGadgetText(alt), ""); }},
      {"NegativeIndex", "\"field_-1x3x2\"", "x", [&] { EXPECT_EQ(pf::GetGadgetText(alt), ""); }},
      {"NotANumber", "field_0xthreex2", "x", [&] { EXPECT_EQ(pf::GetGadgetText(alt), ""); }},
      {"Null", "field_0x3x2", std::nullopt, [&] { EXPECT_EQ(pf::GetGadgetText(alt), ""); }},
      {"MegabyteText", "field_0x6x2", std::string(1 << 20, 'm'),
       [&] { EXPECT_EQ(pf::GetGadgetText(description).substr(0, 3), "mmm"); }},
      {"DateWithoutSeparators", "field_0x4x2", "no date",
       [&] {
         EXPECT_EQ(pf::GetGadgetDate(date), (pf::Date{2010, 7, 5}));
       }},
      {"DateThatDoesNotExist", "field_0x4x2", "2010-13-45",
       [&] {
         EXPECT_EQ(pf::GetGadgetDate(date), (pf::Date{2010, 7, 5}));
       }},
      {"UnknownCodeIsOther", "field_0x5x2", "42", [&] { EXPECT_EQ(pf::GetGadgetState(type), otherType()); }},
      {"EmptyCodeIsTheFirst", "field_0x5x2", "", [&] { EXPECT_EQ(pf::GetGadgetState(type), 0); }},
      // After field_0x3x2 in the table, so that its own empty text cannot hide the fault.
      {"NameThatOnlyContainsField", "xfield_0x3x2", "x", [&] { EXPECT_EQ(pf::GetGadgetText(alt), ""); }},
  };
  sql::Database other;
  ASSERT_TRUE(other.Open(kRecordFileName, false));
  int uid = 0;
  for (const auto& c : cases) {
    ++uid;
    other.Execute(std::string("alter table incidents add column ") + c.column + " text;");  // may exist
    sql::Statement row(other, std::string("insert into incidents (uid, ") + c.column + ") values (?1, ?2)");
    row.Bind(1, std::to_string(uid));
    if (c.value) row.Bind(2, *c.value);
    ASSERT_TRUE(row.Run()) << c.name;
  }
  other.Close();
  uid = 0;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    NewIncident();
    ASSERT_TRUE(LoadIncident(++uid));
    c.check();
    EXPECT_EQ(pf::GetGadgetText(IncidentGadget(0, 2, 2)), std::to_string(uid));
  }
  EXPECT_FALSE(LoadIncident(999));  // no such record: nothing changes
  EXPECT_EQ(pf::GetGadgetText(IncidentGadget(0, 2, 2)), std::to_string(uid));
  EXPECT_TRUE(pf::test::TakeMessageLog().empty());
}

// Compound texts of an analysis written otherwise: what has no place in the groups or the records is
// skipped, and a group number that does not exist shows no group.
TEST_F(LoadTest, OverlongCompoundTextsStayInsideTheirArrays) {
  OpenAnalysis(KindBA);
  sql::Database other;
  ASSERT_TRUE(other.Open(kRecordFileName, false));
  ASSERT_TRUE(other.Execute(
      "create table if not exists BAAnalyses ( uid integer primary key,field1 text, field2 text);"
      "alter table BAAnalyses add column labourgroupfield text; alter table BAAnalyses add column "
      "industrycodesfield text; alter table BAAnalyses add column field_7x4x1x2 text;"
      "alter table BAAnalyses add column longorshort text;"));
  std::string labour;
  for (int i = 0; i < 40; ++i) labour += std::string(30, 'f') + '\x1b';
  labour += "\r\r\r\r\r\r\r\r\r\r\r\r\r\rafter";
  std::string codes;
  for (int i = 0; i < 40; ++i) codes += "p\x1b";
  codes += "\r";
  sql::Statement row(other,
                     "insert into BAAnalyses (uid, labourgroupfield, industrycodesfield, field_7x4x1x2,"
                     " longorshort) values (5, ?1, ?2, '77', 'junk')");
  ASSERT_TRUE(row.Bind(1, labour).Bind(2, codes).Run());
  other.Close();
  ASSERT_TRUE(LoadBAAnalysis(5));
  EXPECT_EQ(BALabour(0, 1, 10), std::string(30, 'f'));
  EXPECT_EQ(BALabour(1, 0, 0), "");
  ASSERT_EQ(BAIndustryCodes.size(), 1u);
  EXPECT_EQ(BAIndustryCodes[0].s[23], "p");
  EXPECT_EQ(BAIndustryCodes[0].s[24], "");
  EXPECT_EQ(pf::GetGadgetData(BAGadget(7, 4, 1, 2)), 1);  // group 77 does not exist: group 1 stays
  EXPECT_EQ(pf::GetGadgetText(BAGadget(0, 0, 0, 0)), "5");
}

// A row's label is no part of a record: a stored column for its position leaves it as it is.
TEST_F(LoadTest, StoredColumnsNeverReplaceRowLabels) {
  OpenAnalysis(KindBA);
  int column = 0;
  for (int c = 0; c <= 2 && !column; ++c)
    if (pf::GadgetKind(BAGadget(8, 2, c, 0)) == pf::Kind::Text &&
        !pf::GetGadgetText(BAGadget(8, 2, c, 0)).empty())
      column = c;
  const int label = BAGadget(8, 2, column, 0);
  const std::string shown = pf::GetGadgetText(label);
  ASSERT_NE(shown, "");
  const std::string name = "field_8x2x" + std::to_string(column) + "x0";
  ASSERT_TRUE(RecordDatabase.Execute("alter table BAAnalyses add column " + name + " text;"));
  ASSERT_TRUE(
      RecordDatabase.Execute("insert into BAAnalyses (uid, " + name + ") values (3, 'Overwritten');"));
  ASSERT_TRUE(LoadBAAnalysis(3));
  EXPECT_EQ(pf::GetGadgetText(label), shown);
  EXPECT_EQ(pf::GetGadgetText(BAGadget(8, 1, 1, 2)), "3");
}

// A department or occupation typed into a saved incident is offered from then on by every list that
// offers them, in every module, built before the save or after it; a differently cased twin adds nothing.
TEST_F(LoadTest, NewDepartmentAndOccupationReachEveryCriteriaList) {
  OpenAnalysis(KindBA);
  OpenAnalysis(KindCG);
  MakeIncident();
  pf::SetGadgetText(IncidentGadget(0, 14, 2), "Paint shop");
  ASSERT_TRUE(SaveIncident(1));
  pf::SetGadgetText(IncidentGadget(0, 12, 2), "PAINTER");
  pf::SetGadgetText(IncidentGadget(0, 14, 2), "paint SHOP");
  ASSERT_TRUE(SaveIncident(1));
  OpenAnalysis(KindPI);  // built after the saves: its lists come from the stored incidents
  const auto count = [](int list, const std::string& text) {
    int n = 0;
    for (int i = 0; i < pf::CountGadgetItems(list); ++i) n += pf::GetGadgetItemText(list, i) == text;
    return n;
  };
  EXPECT_EQ(count(IncidentGadget(0, 12, 2), "Painter"), 1);
  EXPECT_EQ(count(IncidentGadget(0, 12, 2), "PAINTER"), 0);
  EXPECT_EQ(count(IncidentGadget(0, 14, 2), "Paint shop"), 1);
  EXPECT_EQ(count(MIGadget(9, 2), "Painter"), 1);
  EXPECT_EQ(count(MIGadget(11, 2), "Paint shop"), 1);
  int lists = 0;
  for (auto* X : {&BAGadget, &CGGadget, &PIGadget})
    for (int column = 1; column <= 2; ++column) {
      for (const auto& [row, text] : {std::pair{7, "Painter"}, std::pair{6, "Paint shop"}}) {
        const int list = (*X)(6, row, column, 2);
        if (pf::GadgetKind(list) != pf::Kind::ListBox) continue;
        ++lists;
        EXPECT_EQ(count(list, text), 1) << text << " column " << column;
      }
    }
  EXPECT_GE(lists, 6);
}

}  // namespace
