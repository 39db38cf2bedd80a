#include "store/record_kinds.h"

#include "shell/gadget_helpers.h"
#include "shell/number_text.h"
#include "shell/services.h"
#include "store/analysis_services.h"
#include "store/record_store.h"
#include "store/store_globals.h"

namespace {

int IncidentControl(const CellIndex& c) { return IncidentGadget(c.at[0], c.at[1], c.at[2]); }
int BAControl(const CellIndex& c) { return BAGadget(c.at[0], c.at[1], c.at[2], c.at[3]); }
int CGControl(const CellIndex& c) { return CGGadget(c.at[0], c.at[1], c.at[2], c.at[3]); }
int PIControl(const CellIndex& c) { return PIGadget(c.at[0], c.at[1], c.at[2], c.at[3]); }
int MIControl(const CellIndex& c) { return MIGadget(c.at[0], c.at[1]); }

std::string Text(int gadget) { return pf::GetGadgetText(gadget); }
std::string Code(int gadget) {
  return std::to_string(pf::GetGadgetItemData(gadget, pf::GetGadgetState(gadget)));
}

// The incident's named columns: what the lists, the summary query and the analyses' retrieval read.
enum class How { Text, Plain, Code, Date };
struct IncidentColumn {
  const char* name;
  int step, row, column;
  How how;
};
constexpr IncidentColumn kIncidentColumns[] = {
    {"altrefnumberfield", 0, 3, 2, How::Text},
    {"totalcostfield", 7, 11, 4, How::Plain},
    {"departmentfield", 0, 14, 2, How::Text},
    {"occupationfield", 0, 12, 2, How::Text},
    {"incidenttypefield", 0, 5, 2, How::Code},
    {"injurynaturefield", 0, 8, 2, How::Code},
    {"bodypartfield", 0, 10, 2, How::Code},
    {"incidentcausefield", 0, 9, 2, How::Code},
    {"claimcostfield", 5, 29, 3, How::Plain},
    {"rategroupfield", 5, 30, 3, How::Plain},
    {"absencetimefield", 5, 14, 2, How::Text},
    {"absenceratefield", 5, 14, 3, How::Text},
    {"absenceshorttermfield", 5, 17, 3, How::Text},
    {"absencelongtermfield", 5, 18, 3, How::Text},
    {"modifiedtimefield", 5, 21, 2, How::Text},
    {"modifiedratefield", 5, 21, 3, How::Text},
    {"modifiedshorttermfield", 5, 24, 3, How::Text},
    {"modifiedlongtermfield", 5, 25, 3, How::Text},
    {"categoryofworkerfield", 0, 13, 2, How::Code},
    {"absenceworkplacefield", 5, 15, 3, How::Text},
    {"modifiedvaluefield", 5, 28, 3, How::Text},
    {"indirectcostfield", 7, 7, 4, How::Plain},
    {"immediatecostfield", 1, 12, 4, How::Plain},
    {"investigationcostfield", 2, 12, 4, How::Plain},
    {"damagecostfield", 3, 12, 4, How::Plain},
    {"replacementcostfield", 4, 12, 4, How::Plain},
    {"disabilitycostfield", 5, 12, 4, How::Plain},
    {"lostproductivitycostfield", 5, 6, 3, How::Plain},
    {"datefield", 0, 4, 2, How::Date},
};

std::vector<NamedValue> IncidentColumns() {
  std::vector<NamedValue> columns;
  for (const auto& c : kIncidentColumns) {
    const int g = IncidentGadget(c.step, c.row, c.column);
    std::string value;
    switch (c.how) {
      case How::Text:
        value = Text(g);
        break;
      case How::Plain:
        value = TextNoCommas(Text(g));
        break;
      case How::Code:
        value = Code(g);
        break;
      case How::Date:
        value = DashDateText(pf::GetGadgetDate(g));
        break;
    }
    columns.push_back({c.name, std::move(value)});
  }
  return columns;
}

std::vector<NamedValue> AnalysisColumns(int kind) {
  const AnalysisParts& p = AnalysisPartsOf(kind);
  const bool pi = kind == KindPI;
  return {
      {"labourgroupfield", EncodeLabour(*p.labour)},
      {"interventionnamefield", Text((*p.gadget)(8, 2, 1, 2))},
      {"interventiondescriptionfield", Text((*p.gadget)(8, 3, 1, 2))},
      {"industrycodesfield", EncodeIndustryCodes(*p.codes)},
      {"industrycodesShortfield", EncodeIndustryCodes(*p.codesSummary)},
      {"longorshort", std::to_string(pf::GetGadgetData(*p.databaseMark))},
      {"longsummary", *p.longSummary},
      {"shortinci", pi ? PIShortInci : std::string()},
      {"longinci", pi ? PILongInci : std::string()},
  };
}

std::vector<NamedValue> SummaryColumns() { return {{"titlefield", Text(MIGadget(1, 2))}}; }

constexpr IndexRange kAnalysisSave[4] = {{0, 10}, {0, 40}, {0, 2}, {0, 10}};
constexpr IndexRange kAnalysisReset[4] = {{1, 8}, {1, 40}, {1, 2}, {1, 5}};

RecordKind AnalysisKind(int kind, const char* table, int (*control)(const CellIndex&),
                        std::vector<NamedValue> (*named)(), void (*recalc)(),
                        void (*banner)(const std::string&), void (*fillList)(), int* list) {
  RecordKind k{kind,
               table,
               4,
               control,
               {},
               {},
               StaticTexts::SlotsOneToTen,
               true,
               true,
               Cell(0, 0, 0, 0, 4),
               Cell(8, 1, 1, 2, 4),
               "NEW ANALYSIS",
               named,
               recalc,
               banner,
               "New Analysis Saved",
               "Analysis Saved",
               fillList,
               list};
  for (int i = 0; i < 4; ++i) {
    k.saveWalk[i] = kAnalysisSave[i];
    k.resetWalk[i] = kAnalysisReset[i];
  }
  return k;
}

const RecordKind kIncident{KindIncident,
                           "Incidents",
                           3,
                           IncidentControl,
                           {{0, 10}, {0, 30}, {0, 10}},
                           {{0, 6}, {2, 30}, {2, 4}},
                           StaticTexts::NotStored,
                           false,
                           false,
                           Cell(0, 0, 0, 0, 3),
                           Cell(0, 2, 2, 0, 3),
                           "NEW INCIDENT",
                           IncidentColumns,
                           RecalcIncident,
                           ShowIncidentSavedBanner,
                           "New Incident Saved",
                           "Incident Saved",
                           FillIncidentList,
                           &IncidentList};
const RecordKind kSummary{KindMISummary,
                          "MISummaries",
                          2,
                          MIControl,
                          {{0, 60}, {1, 10}},
                          {{0, 60}, {1, 10}},
                          StaticTexts::All,
                          true,
                          false,
                          Cell(0, 0, 0, 0, 2),
                          Cell(60, 2, 0, 0, 2),
                          "NEW INCIDENT SUMMARY",
                          SummaryColumns,
                          nullptr,
                          ShowIncidentSavedBanner,
                          "New Summary Saved",
                          "Summary Saved",
                          FillMISummaryList,
                          &MISummaryList};
const RecordKind kBA = AnalysisKind(
    KindBA, "BAAnalyses", BAControl, [] { return AnalysisColumns(KindBA); }, RecalcBA, ShowBASavedBanner,
    FillBAAnalysisList, &BAAnalysisList);
const RecordKind kCG = AnalysisKind(
    KindCG, "CGAnalyses", CGControl, [] { return AnalysisColumns(KindCG); }, RecalcCG, ShowCGSavedBanner,
    FillCGAnalysisList, &CGAnalysisList);
const RecordKind kPI = AnalysisKind(
    KindPI, "PIAnalyses", PIControl, [] { return AnalysisColumns(KindPI); }, RecalcPI, ShowPISavedBanner,
    FillPIAnalysisList, &PIAnalysisList);

}  // namespace

const RecordKind& RecordKindOf(int kind) {
  switch (kind) {
    case KindBA:
      return kBA;
    case KindCG:
      return kCG;
    case KindPI:
      return kPI;
    case KindMISummary:
      return kSummary;
    default:
      return kIncident;
  }
}

bool StaticTextStored(const RecordKind& k, const CellIndex& cell) {
  switch (k.staticTexts) {
    case StaticTexts::All:
      return true;
    case StaticTexts::SlotsOneToTen:
      return cell.at[3] != 0;
    default:
      return false;
  }
}

const AnalysisParts& AnalysisPartsOf(int kind) {
  static const AnalysisParts ba{
      &BAGadget,      &BALabour,       &BAIndustryCodes,     &BAIndustryCodesSummary,
      &BALongSummary, &BADatabaseMark, SwitchBAStep3Approach};
  static const AnalysisParts cg{
      &CGGadget,      &CGLabour,       &CGIndustryCodes,     &CGIndustryCodesSummary,
      &CGLongSummary, &CGDatabaseMark, SwitchCGStep3Approach};
  static const AnalysisParts pi{
      &PIGadget,      &PILabour,       &PIIndustryCodes,     &PIIndustryCodesSummary,
      &PILongSummary, &PIDatabaseMark, SwitchPIStep3Approach};
  return kind == KindCG ? cg : kind == KindPI ? pi : ba;
}
