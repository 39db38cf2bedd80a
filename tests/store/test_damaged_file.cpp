// A record file with one damaged data page: every read that runs into it says so once and leaves what it
// was filling as it was, instead of passing part of the records off as all of them.
#include <cstdint>
#include <vector>

#include "shell/services.h"
#include "store/worksheet_fixture.h"

namespace {

std::uint64_t ReadVarint(const std::string& bytes, std::size_t& at) {
  std::uint64_t v = 0;
  for (int i = 0; i < 9; ++i) {
    const auto b = static_cast<unsigned char>(bytes[at++]);
    if (i == 8) return (v << 8) | b;
    v = (v << 7) | (b & 0x7F);
    if (!(b & 0x80)) break;
  }
  return v;
}

// Overwrites the table leaf page that holds row `uid` of the one big table with garbage, and returns the
// first row it held (0: none found). The file must not be open.
std::int64_t DamagePageHolding(const std::string& path, std::int64_t uid) {
  std::string file = ReadWholeFile(path);
  std::size_t pageSize = (static_cast<unsigned char>(file[16]) << 8) | static_cast<unsigned char>(file[17]);
  if (pageSize == 1) pageSize = 65536;
  std::size_t hit = 0;
  std::int64_t first = 0;
  for (std::size_t page = 1; page * pageSize < file.size(); ++page) {  // page 2 onwards
    const std::size_t base = page * pageSize;
    const int cells =
        (static_cast<unsigned char>(file[base + 3]) << 8) | static_cast<unsigned char>(file[base + 4]);
    if (file[base] != 0x0D || cells == 0) continue;
    std::size_t at = base + ((static_cast<unsigned char>(file[base + 8]) << 8) |
                             static_cast<unsigned char>(file[base + 9]));
    ReadVarint(file, at);  // the payload's length
    const auto rowid = std::int64_t(ReadVarint(file, at));
    if (rowid <= uid && rowid > first) first = rowid, hit = base;
  }
  if (!hit) return 0;
  for (std::size_t i = 0; i < pageSize; ++i) file[hit + i] = char(0xA5 ^ (i * 7));
  WriteWholeFile(path, file);
  return first;
}

class DamagedFileTest : public WorksheetTest {
 protected:
  // 200 records of the kind: the one saved, and copies of it as another program might have made.
  void MakeManyRecords(int kind) {
    const std::string table = RecordKindOf(kind).table;
    ASSERT_TRUE(RecordDatabase.Execute("create temp table copy as select * from " + table +
                                       " where uid=1; update copy set uid=null; begin;"));
    for (int i = 0; i < 199; ++i)
      ASSERT_TRUE(RecordDatabase.Execute("insert into " + table + " select * from copy;"));
    ASSERT_TRUE(RecordDatabase.Execute("commit; drop table copy;"));
  }
  // The file as it lies on the disk from now on, with a damaged page in the middle of the big table.
  void DamageTheMiddle() {
    RecordDatabase.Close();
    damagedUid = DamagePageHolding(kRecordFileName, 100);
    ASSERT_GT(damagedUid, 1);
    ASSERT_TRUE(RecordDatabase.Open(kRecordFileName, false));
    RecordDatabase.SetBusyTimeout(RecordBusyTimeout);
  }
  static void ExpectOneDamageMessage() {
    const auto log = pf::test::TakeMessageLog();
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log[0].title, "");
    EXPECT_NE(log[0].text.find("malformed"), std::string::npos) << log[0].text;
  }
  std::int64_t damagedUid = 0;
};

struct ListCase {
  const char* name;
  int kind;
  int* saveAsNew;
  int* pastTile;  // opens the panel with the list
  CellIndex nameCell;
};
const ListCase kLists[] = {
    {"Incidents", KindIncident, &IncidentSaveAsNewButton, &IncidentPastTile, Cell(0, 3, 2, 0, 3)},
    {"BeforeAfter", KindBA, &BASaveAsNewButton, &BAPastTile, Cell(8, 2, 1, 2, 4)},
    {"ConcurrentGroups", KindCG, &CGSaveAsNewButton, &CGPastTile, Cell(8, 2, 1, 2, 4)},
    {"PotentialIntervention", KindPI, &PISaveAsNewButton, &PIPastTile, Cell(8, 2, 1, 2, 4)},
    {"Summaries", KindMISummary, &MISaveAsNewButton, &MIReviewTile, Cell(1, 2, 0, 0, 2)},
};

class DamagedListTest : public DamagedFileTest, public ::testing::WithParamInterface<ListCase> {};

// A save refills the list and meets the damage; then a row whose record lies on the damaged page is
// clicked. Each says so once; the list keeps its rows and the worksheet its record.
TEST_P(DamagedListTest, ListAndLoadSayWhyAndKeepWhatTheyShowed) {
  const ListCase& c = GetParam();
  const RecordKind& k = RecordKindOf(c.kind);
  pf::HideGadget(FrontPageHolder, true);
  pf::HideGadget(TabbedArea, false);
  Open(c.kind);
  const int list = *k.list;
  if (c.kind == KindMISummary) ShowPage(2, 10, -1), Pump();
  pf::SetGadgetText(k.control(c.nameCell), "Stored");
  pf::test::DrainEvents();
  ASSERT_TRUE(SaveRecord(c.kind, 1));
  MakeManyRecords(c.kind);
  k.fillList();
  ASSERT_EQ(pf::CountGadgetItems(list), 200);
  DamageTheMiddle();
  pf::test::TakeMessageLog();

  pf::SetGadgetText(k.control(c.nameCell), "Saved after the damage");
  pf::test::DrainEvents();
  ModifiedFlags(c.kind) = 1;
  pf::test::ScriptMessageAnswers({pf::Answer::Ok});
  DispatchGadgetEvent(*c.saveAsNew, pf::GadgetEvent::LeftClick);
  Pump();
  ExpectOneDamageMessage();
  const std::string saved = pf::GetGadgetText(k.control(k.uidCell));
  EXPECT_EQ(saved, "201");  // the record itself went in
  EXPECT_EQ(pf::CountGadgetItems(list), 200);
  EXPECT_EQ(pf::GetGadgetItemData(list, 199), 200);

  // The start page's list, scrolled to the damaged record's row, clicked there.
  if (c.kind >= KindBA && c.kind <= KindPI)
    ShowPage(1, c.kind == KindBA ? 3 : c.kind == KindCG ? 2 : 1, 9);
  else
    ShowPage(2, 9, -1);
  Pump();
  pf::test::Click(*c.pastTile);
  Pump();
  const int row = int(damagedUid) - 1;
  ASSERT_EQ(pf::GetGadgetItemData(list, row), damagedUid);
  pf::SetTopItem(list, row);
  const pf::Rect r = pf::GadgetItemRect(list, row);
  pf::test::ScriptMessageAnswers({pf::Answer::Ok});
  pf::test::Click(list, r.x + 20, r.y + r.h / 2);
  Pump();
  ExpectOneDamageMessage();
  EXPECT_EQ(pf::GetGadgetText(k.control(k.uidCell)), saved);
  EXPECT_EQ(pf::GetGadgetText(k.control(k.numberCell)), saved);
  EXPECT_EQ(pf::GetGadgetText(k.control(c.nameCell)), "Saved after the damage");
  EXPECT_EQ(ModifiedFlags(c.kind), 0);
}

INSTANTIATE_TEST_SUITE_P(Lists, DamagedListTest, ::testing::ValuesIn(kLists),
                         [](const auto& info) { return std::string(info.param.name); });

// The retrievals of the three analyses and the summary's query read every stored incident: each says once
// why it stopped and changes nothing, its result line included.
TEST_F(DamagedFileTest, RetrievalsAndTheSummarySayWhyAndChangeNothing) {
  MakeIncident();
  ASSERT_TRUE(SaveIncident(1));
  MakeManyRecords(KindIncident);
  DamageTheMiddle();
  struct Retrieval {
    const char* name;
    int kind;
    int button, resultLine;
  };
  std::vector<Retrieval> retrievals;
  for (int kind : {KindBA, KindCG, KindPI}) {
    OpenAnalysis(kind);
    auto& X = *AnalysisPartsOf(kind).gadget;
    retrievals.push_back({RecordKindOf(kind).table, kind, X(6, 8, 1, 2), X(6, 8, 1, 1)});
  }
  retrievals.push_back({"summary", KindMISummary, MIGadget(12, 2), MIGadget(12, 1)});
  for (const Retrieval& r : retrievals) {
    SCOPED_TRACE(r.name);
    if (r.kind == KindMISummary)
      ShowPage(2, 10, -1);
    else
      ShowPage(1, r.kind == KindBA ? 3 : r.kind == KindCG ? 2 : 1, 6);
    Pump();
    ModifiedFlags(r.kind) = 0;
    const std::string line = pf::GetGadgetText(r.resultLine);
    pf::test::TakeMessageLog();
    pf::test::ScriptMessageAnswers({pf::Answer::Ok});
    DispatchGadgetEvent(r.button, pf::GadgetEvent::LeftClick);
    Pump();
    ExpectOneDamageMessage();
    EXPECT_EQ(pf::GetGadgetText(r.resultLine), line);
    EXPECT_EQ(ModifiedFlags(r.kind), 0);
  }
}

}  // namespace
