// The Concurrent Groups module: two departments over one period. Its frame is the shared one; this file
// gives what sets it apart (start-page texts, step-3 band texts, the step-5 guidance) and the step contents.
#include "analysis/pages/cg_pages.h"

#include "analysis/pages/cg_pi_cost_steps.h"
#include "analysis/pages/cg_pi_step2.h"
#include "analysis/pages/cg_rows.h"
#include "analysis/pages/pages_globals.h"
#include "analysis/rows/row_builders.h"
#include "analysis/rows/rows_globals.h"
#include "shell/date_fields.h"
#include "shell/design_grid.h"
#include "shell/gadget_helpers.h"
#include "shell/services.h"
#include "store/example_analyses.h"
#include "store/record_store.h"

namespace {

constexpr Rgb kAnalysisNumberBack = pf::MakeRgb(150, 150, 150);

void Step1(const ModuleDescription& m, int page) {
  const int w = StepPageWidth(m, page), h = StepPageHeight(m, page);
  const int header = StepHeaderHeight(1);
  const int area = StepScrollArea(0, header, w - 2, h - header + 2, w - 23, AddY(h, 20), 30, true);
  pf::OpenGadgetList(area);
  CGGadget(0, 0, 0, 0) = pf::TextGadget(AutoNumber, 0, 0, 0, 0, "");
  BuildRows(m, page, CGRows().step1);
  // Typing a number into the analysis number is how a stored analysis is opened: it stays editable.
  SetGadgetColours(CGGadget(page, 1, 1, 2), kAnalysisNumberBack, BlueColour, 14);
  pf::CloseGadgetList();
}

constexpr int kCopiedWageRows[] = {7, 9};

void Step2(const ModuleDescription& m, int page) {
  const GroupStep2Layout layout{
      "  Calculate the at-work time and labour cost of the two departments by occupational group",
      {{"Non-intervention Department", 515, 0, 250, 30}, {"Intervention Department", 795, 0, 220, 30}},
      5,
      23,
      CGRows().step2Period,
      CGRows().step2Group,
      kCopiedWageRows};
  BuildGroupStep2(m, page, layout);
}

// The summary approach: typed-in period and incident figures per department, hidden until chosen.
void Step3Summary(const ModuleDescription& m, int page, int top) {
  const int w = StepPageWidth(m, page), h = StepPageHeight(m, page);
  const CGRowTables& rows = CGRows();
  CGSummaryPanel = pf::ContainerGadget(AutoNumber, 0, top - 1, w - 2, AddY(h + 2, -90), pf::flags::kBorder);
  pf::SetGadgetColour(CGSummaryPanel, BackColourType, PageColour);
  pf::OpenGadgetList(CGSummaryPanel);
  const int bandTop = BuildRows(m, page, rows.step3SummaryDates);
  const int band =
      PageText(0, bandTop, pf::GadgetWidth(CGSummaryPanel), DY(30), "", BlueColour, BlueColour, -1, 0);
  const int bandBottom = bandTop + pf::GadgetHeight(band);
  const unsigned vcentre = pf::flags::kVCentre;
  PageText(DX(335), bandTop, DX(250), DY(30), "Non-intervention Department", BlueColour, OrangeColour, 4,
           vcentre);
  PageText(DX(735), bandTop, DX(200), DY(30), "Intervention Department", BlueColour, OrangeColour, 4,
           vcentre);
  const AnalysisRow gridHeader[] = {{160, 20, "", &BlueGreyColour, kKeepY, DY(30), "", "", -1}};
  const int headerBottom = BuildRows(m, page, gridHeader);
  VerticalRule(DX(617) + 1, bandBottom, headerBottom - bandBottom);
  const int grid =
      StepScrollArea(0, headerBottom, w - 2, AddY(h + 3, -90 - 175), w - 23, AddY(h, 255), 30, true);
  pf::OpenGadgetList(grid);
  const int gridBottom = BuildRows(m, page, rows.step3Grid);
  VerticalRule(DX(617), 0, gridBottom);
  pf::CloseGadgetList();
  pf::CloseGadgetList();
  pf::HideGadget(CGSummaryPanel, true);
}

void Step3(const ModuleDescription& m, int page) {
  const int w = StepPageWidth(m, page), h = StepPageHeight(m, page);
  const CGRowTables& rows = CGRows();
  const int panelBottom = BuildApproachBand(m, page);
  CGDatabaseScrollArea =
      StepScrollArea(0, panelBottom - 1, w - 2, AddY(h + 2, -90 - 60), w - 23, AddY(h, 1000), 30, true);
  NoticeGadget(2, 4) = CGDatabaseScrollArea;
  pf::OpenGadgetList(CGDatabaseScrollArea);
  const std::span<const AnalysisRow> database = rows.step3Database;
  BuildRows(m, page, database.first(8));                               // period and criteria
  const int stripBottom = BuildRows(m, page, database.subspan(8, 1));  // the department captions
  const int listsBottom = BuildRows(m, page, database.subspan(9, 1));  // one department list per column
  const int totalsBottom = BuildRows(m, page, database.subspan(10));   // the retrieve row's gap, the totals
  VerticalRule(DX(750), stripBottom, totalsBottom - stripBottom);
  // The retrieve row is made after the totals (Tab reaches it last) but stands in the gap below the lists.
  CGRowY = listsBottom;
  BuildRows(m, page, rows.step3Retrieve);
  pf::CloseGadgetList();
  Step3Summary(m, page, pf::GadgetY(CGDatabasePanel));
}

void Step4(const ModuleDescription& m, int page) { BuildCostStep(m, page, CGRows().step4); }
void Step5(const ModuleDescription& m, int page) { BuildProductivityStep(m, page, CGRows().step5); }

void Step6(const ModuleDescription& m, int page) {
  const int w = StepPageWidth(m, page), h = StepPageHeight(m, page);
  const int header = StepHeaderHeight(6);
  const FrameCaption captions[] = {{"Non-intervention Department", 540, 0, 240, 30},
                                   {"Intervention Department", 810, 0, 220, 30}};
  const int stripBottom = ColumnStrip(header, 30, captions);
  const int area = StepScrollArea(0, stripBottom, w - 2, h - stripBottom, w - 2, AddY(h, 100), 30, true);
  pf::OpenGadgetList(area);
  BuildRows(m, page, CGRows().step6);
  pf::CloseGadgetList();
}

void Step7(const ModuleDescription& m, int page) {
  BuildInsuranceStep(m, page, CGRows().step7Top, CGRows().step7Rest, 700, 1);
}

void Step8(const ModuleDescription& m, int page) {
  const int w = StepPageWidth(m, page), h = StepPageHeight(m, page);
  const int header = StepHeaderHeight(8);
  const FrameCaption captions[] = {{"Non-intervention Department", 530, 0, 240, 30},
                                   {"Intervention Department", 804, 0, 220, 30}};
  const int stripBottom = ColumnStrip(header, 30, captions);
  const int area =
      StepScrollArea(0, stripBottom, w - 2, h - header - DY(30) + 1, w - 23, AddY(h, 700), 30, true);
  pf::OpenGadgetList(area);
  pf::FieldGadget(AutoNumber, 0, 0, 0, 0, "", pf::flags::kReadOnly);
  const std::span<const AnalysisRow> rows = CGRows().step8;
  const int incidentsBottom = BuildRows(m, page, rows.first(12));   // up to the modified work time (row 7)
  const int ruleBottom = BuildRows(m, page, rows.subspan(12, 10));  // to the rule of row 18
  BuildRows(m, page, rows.subspan(22));
  VerticalRule(DX(775), 0, ruleBottom);
  // The comparison heading is made last but fills the gap left between rows 7 and 10.
  CGRowY = incidentsBottom;
  BuildRows(m, page, CGRows().step8Heading);
  pf::CloseGadgetList();
}

ModuleDescription MakeDescription() {
  ModuleDescription m{};
  m.prefix = "CG";
  m.notice = 2;
  m.recordKind = KindCG;
  m.gadget = &CGGadget;
  m.addRow = AddCGRow;
  m.rowY = &CGRowY;
  m.title = "Concurrent Groups Analysis";
  m.tileWidth = 250;
  m.tileLine = "CONCURRENT GROUPS";
  m.descriptions[0] = "Enter a new Concurrent Groups analysis in your database.";
  m.descriptions[1] = "Review one of your Concurrent Groups analyses stored in the database.";
  m.descriptions[2] =
      "Review an example Concurrent Groups analysis to see the costs and consequences of a real "
      "intervention.";
  m.captionWidths[0] = 600, m.captionWidths[1] = 200, m.captionWidths[2] = 200;
  m.pastCloseX = 579, m.exampleCloseX = 578;
  m.listWidth = 597;
  m.exampleItem = "Lift study at car plant";
  m.registerHovers = true;
  m.footerExtraPixel = 0;

  m.steps[1] = {0, 0, nullptr, Step1};
  m.steps[2] = {0, 0, nullptr, Step2};
  m.steps[3] = {0, 0, nullptr, Step3};
  m.steps[4] = {0, 0, nullptr, Step4};
  m.steps[5] = {4, 0, CGLateHelp(15), Step5};
  m.steps[6] = {0, 0,
                "Enter data in this step only if you think the intervention had an effect on your "
                "organization’s turnover costs. ",
                Step6};
  m.steps[7] = {4, 0, nullptr, Step7};
  m.steps[8] = {0, 0, nullptr, Step8};

  ApproachBand& b = m.band;
  b.databaseHelp = CGEarlyHelp(16), b.databaseHelpX = kNoHelp;
  b.summaryHelp = CGEarlyHelp(17), b.summaryHelpX = kNoHelp;
  b.retrieveCaption = "  Retrieve incidents already entered in the incident database:";
  b.retrieveHelpX = kNoHelp;
  b.retrieveHelp = CGEarlyHelp(18);
  b.panelHeight = 60;
  b.panelCaptions[0] = {"              Both departments      ", 600, 30, 400, 30};
  b.panelCaptions[1] = {nullptr, 0, 0, 0, 0};
  b.stripBorder = true;
  b.stripIconX = 660, b.stripIconXPixels = true;
  b.stripHelpX = 515;
  b.stripHelp = CGEarlyHelp(19);

  m.guidance.paragraphs[0] =
      "Changes in productivity are generally due to changes in equipment, workstation design, tools and the "
      "skill "
      "level of workers. Guidelines to help you estimate percentage productivity change:";
  m.guidance.paragraphs[1] =
      "1. Has the intervention resulted in a higher average skill level of the workforce? Training of "
      "workers can "
      "advance their skills. The average skill level may also increase due to reduced turnover of senior "
      "workers.";
  m.guidance.paragraphs[2] =
      "2. Has the intervention resulted in changes in the quantity of product or service for the given "
      "amount of "
      "labour time?";
  m.guidance.paragraphs[3] =
      "3. Has the intervention resulted in changes in quality of products or services?";
  m.guidance.paragraphs[4] =
      "Estimate the percentage productivity change due to the intervention (do not include changes in "
      "injury/illness absences and productivity during periods of modified work)";
  m.guidance.helpContainerLift = 30;
  m.guidance.percentHelpRaise = -15;

  m.root = &CGRoot;
  m.pages = &CGPage;
  m.newTile = &CGNewTile, m.pastTile = &CGPastTile, m.exampleTile = &CGExampleTile;
  m.infoContainer = &CGInfoContainer;
  m.needLink = &CGNeedLink, m.accuracyLink = &CGAccuracyLink, m.understandingLink = &CGUnderstandingLink;
  m.pastContainer = &CGPastContainer, m.pastCloseText = &CGPastCloseText, m.analysisList = &CGAnalysisList;
  m.exampleContainer = &CGExampleContainer, m.exampleCloseText = &CGExampleCloseText,
  m.exampleList = &CGExampleList;
  m.databaseOption = &CGDatabaseOption, m.summaryOption = &CGSummaryOption;
  m.databaseMark = &CGDatabaseMark, m.summaryMark = &CGSummaryMark;
  m.databasePanel = &CGDatabasePanel;
  m.industryPanel0 = &CGIndustryPanel0, m.industryPanel1 = &CGIndustryPanel1;
  m.footer = &CGFooter, m.stepText = &CGStepText, m.nextButton = &CGNextButton,
  m.previousButton = &CGPreviousButton;
  m.saveAsNewButton = &CGSaveAsNewButton, m.saveButton = &CGSaveButton, m.printButton = &CGPrintButton,
  m.deleteButton = &CGDeleteButton;
  m.saveAnotherButton = &CGSaveAnotherButton, m.saveReturnButton = &CGSaveReturnButton,
  m.printReportButton = &CGPrintReportButton;
  m.savedBanner = &CGSavedBanner;
  m.labour = &CGLabour;
  m.recalc = RecalcCG;
  m.fillList = FillCGAnalysisList;
  m.newRecord = NewCGAnalysis;
  m.loadExample = LoadCGExample;
  m.syncDates = SyncCGDates;
  m.copiedRows = 1u << 7 | 1u << 9;
  m.copyOnUserEditsOnly = false;
  m.understandingTopics[0] = 5.4, m.understandingTopics[1] = 5.6, m.understandingTopics[2] = 5.1;
  return m;
}

}  // namespace

const ModuleDescription& CGDescription() {
  static const ModuleDescription description = MakeDescription();
  return description;
}

void BuildCGPages() { BuildModule(CGDescription()); }
