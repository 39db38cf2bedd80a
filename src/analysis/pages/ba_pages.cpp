// The Before & After module: its frame data and the content areas of its eight steps.
#include <algorithm>

#include "analysis/pages/ba_rows.h"
#include "analysis/pages/module_frame.h"
#include "analysis/pages/pages_globals.h"
#include "analysis/rows/row_builders.h"
#include "analysis/rows/rows_globals.h"
#include "platform/platform.h"
#include "shell/date_fields.h"
#include "shell/design_grid.h"
#include "shell/gadget_helpers.h"
#include "shell/hover_help.h"
#include "shell/services.h"
#include "store/example_analyses.h"
#include "store/record_store.h"

namespace {

constexpr Rgb kAnalysisNumberBack = pf::MakeRgb(150, 150, 150);

int HeaderBottom(const ModuleDescription& m, int step) {
  return m.steps[step].headerHelp ? RoundHalfEven(35 * ScaleY + 1) : StepHeaderHeight(step);
}

// The page height plus design units and pixels, rounded as a whole (pixels). A canvas grows with the scale,
// as its rows do; a fixed number of pixels would leave the last rows out of reach on a larger screen.
int PageHeightPlus(double units, int pixels = 0) {
  return RoundHalfEven(CurrentPageHeight() + pixels + units * ScaleY);
}

// A thin-bordered scroll area across the page at `top`, out of the Tab order, with a canvas 23 px narrower
// than the page and `innerHeight` high (pixels).
int ContentArea(int top, int height, int innerHeight) {
  const int w = CurrentPageWidth();
  return StepScrollArea(0, top, w - 2, height, w - 23, innerHeight, 30, false);
}

void Step1(const ModuleDescription& m, int page) {
  const int w = CurrentPageWidth(), h = CurrentPageHeight(), top = HeaderBottom(m, 1);
  const int area = pf::ContainerGadget(AutoNumber, 0, top, w - 2, h - top + 2, pf::flags::kBorder);
  pf::SetGadgetColour(area, BackColourType, PageColour);
  pf::OpenGadgetList(area);
  BAGadget(0, 0, 0, 0) = pf::TextGadget(AutoNumber, 0, 0, 0, 0, "");
  BuildRows(m, page, ba_rows::Step1.first(1));
  SetGadgetColours(BAGadget(8, 1, 1, 2), kAnalysisNumberBack, BlueColour, 5);
  BuildRows(m, page, ba_rows::Step1.subspan(1));
  pf::CloseGadgetList();
}

void Step2(const ModuleDescription& m, int page) {
  static const FrameCaption kCaptions[] = {
      {"  Calculate the at-work time and labour cost of the department by occupational group", 0, 0, 1200, 30,
       &HeadingGreyColour},
      {"Before Period", 600, 30, 120, 30},
      {"After Period", 820, 30, 120, 30},
  };
  const int header = HeaderBottom(m, 2);
  const int strip = ColumnStrip(header, 60, kCaptions);
  const int area = ContentArea(strip - 1, CurrentPageHeight() - strip + 2, CurrentPageHeight() + 120);
  pf::OpenGadgetList(area);
  const int groupBottom = BuildRows(m, page, ba_rows::Step2Dates);
  const int totalsBottom = BuildRows(m, page, ba_rows::Step2Groups);
  // The 120 px beyond the page do not grow with the scale, as the rows do: on a large screen the canvas
  // would cut the last total, whose label reaches a pixel below its row.
  const int contentBottom = std::max(totalsBottom, CanvasContentBottom(area));
  if (contentBottom > pf::ScrollAreaInnerHeight(area))
    pf::SetScrollAreaInner(area, pf::ScrollAreaInnerWidth(area), contentBottom);
  VerticalRule(DX(770), 0, DY(110));
  VerticalRule(DX(770), groupBottom, totalsBottom - groupBottom);
  pf::CloseGadgetList();
}

void Step3Summary(const ModuleDescription& m, int page) {
  const int w = CurrentPageWidth(), h = CurrentPageHeight();
  BASummaryPanel = pf::ContainerGadget(AutoNumber, 0, DY(90) - 1, w - 2, h - DY(90) + 2, pf::flags::kBorder);
  pf::SetGadgetColour(BASummaryPanel, BackColourType, PageColour);
  pf::OpenGadgetList(BASummaryPanel);
  pf::SetGadgetColour(pf::TextGadget(AutoNumber, 0, 0, w - 2, DY(30), ""), BackColourType, BlueColour);
  for (const FrameCaption c :
       {FrameCaption{"Before Period", 355, 0, 120, 30}, FrameCaption{"After Period", 745, 0, 120, 30}})
    SetGadgetColours(
        pf::TextGadget(AutoNumber, DX(c.x), DY(c.y), DX(c.w), DY(c.h), c.text, pf::flags::kVCentre),
        BlueColour, OrangeColour, 4);
  const int gridTop = BuildRows(m, page, ba_rows::Step3SummaryDates);
  VerticalRule(DX(617) + 1, DY(30) - 1, gridTop - (DY(30) - 1));  // down to the grid, which has its own
  const int grid =
      StepScrollArea(0, gridTop, w - 2, PageHeightPlus(-90 - 175, 2), w - 23, PageHeightPlus(255), 30, true);
  pf::OpenGadgetList(grid);
  const int gridBottom = BuildRows(m, page, ba_rows::Step3Grid);
  VerticalRule(DX(617), 0, gridBottom);
  pf::CloseGadgetList();
  pf::CloseGadgetList();
  pf::HideGadget(BASummaryPanel, true);
}

void Step3(const ModuleDescription& m, int page) {
  const int panelBottom = BuildApproachBand(m, page);
  BADatabaseScrollArea = ContentArea(panelBottom - 1, PageHeightPlus(-90 - 60, 2), PageHeightPlus(950));
  NoticeGadget(m.notice, 4) = BADatabaseScrollArea;
  pf::OpenGadgetList(BADatabaseScrollArea);
  const int listsBottom = BuildRows(m, page, ba_rows::Step3Criteria);
  const int totalsBottom = BuildRows(m, page, ba_rows::Step3Totals);
  VerticalRule(DX(617), 0, totalsBottom);
  // The retrieve row is made after the totals (Tab order) but stands in the gap below the lists.
  AddBARow(46, page, 8, "", -1, listsBottom, -1, "", "", -1);
  pf::CloseGadgetList();
  Step3Summary(m, page);
}

void Step4(const ModuleDescription& m, int page) {
  static const FrameCaption kCaptions[] = {{"Details", 475, 0, 120, 30}, {"Amount", 820, 0, 120, 30}};
  const int header = HeaderBottom(m, 4);
  const int strip = ColumnStrip(header, 30, kCaptions);
  const int area = ContentArea(strip - 1, PageHeightPlus(-30, 2 - header), PageHeightPlus(500));
  pf::OpenGadgetList(area);
  BuildRows(m, page, ba_rows::Step4);
  pf::CloseGadgetList();
}

void Step5(const ModuleDescription& m, int page) {
  const int w = CurrentPageWidth(), h = CurrentPageHeight();
  const int area =
      StepScrollArea(0, DY(35), w - 5, h - StepHeaderHeight(5), w - 23, PageHeightPlus(-50), 30, false);
  pf::OpenGadgetList(area);
  BuildGuidance(m);
  BuildRows(m, page, ba_rows::Step5);
  pf::CloseGadgetList();
}

void Step6(const ModuleDescription& m, int page) {
  static const FrameCaption kCaptions[] = {{"Before Period", 600, 0, 120, 30},
                                           {"After Period", 820, 0, 120, 30}};
  const int header = HeaderBottom(m, 6);
  const int strip = ColumnStrip(header, 30, kCaptions);
  const int area = ContentArea(strip, CurrentPageHeight() - strip + 1, PageHeightPlus(-100));
  pf::OpenGadgetList(area);
  BuildRows(m, page, ba_rows::Step6);
  pf::CloseGadgetList();
}

void Step7(const ModuleDescription& m, int page) {
  const int w = CurrentPageWidth(), h = CurrentPageHeight(), header = HeaderBottom(m, 7);
  const int area = StepScrollArea(0, header, w - 5, h - header + 1, w - 26, PageHeightPlus(700), 10, false);
  pf::OpenGadgetList(area);
  const int codeBottom = BuildRows(m, page, ba_rows::Step7Industry.first(3));
  BuildRows(m, page, ba_rows::Step7Industry.subspan(3));  // the rule below the industry-code row
  BuildIndustryPlaceholders(m, codeBottom);
  BuildRows(m, page, ba_rows::Step7Rest);
  pf::CloseGadgetList();
}

void Step8(const ModuleDescription& m, int page) {
  static const FrameCaption kCaptions[] = {{"Before Period", 600, 0, 120, 30},
                                           {"After Period", 834, 0, 120, 30}};
  const int header = HeaderBottom(m, 8);
  const int strip = ColumnStrip(header, 30, kCaptions);
  const int area = ContentArea(strip, PageHeightPlus(-30, 1 - header), PageHeightPlus(700));
  pf::OpenGadgetList(area);
  pf::FieldGadget(AutoNumber, 0, 0, 0, 0, "", pf::flags::kReadOnly);
  const int ruleBottom = BuildRows(m, page, ba_rows::Step8Labour);
  const int resultsBottom = BuildRows(m, page, ba_rows::Step8Results);
  BuildRows(m, page, ba_rows::Step8Returns);
  VerticalRule(DX(775), 0, resultsBottom);
  AddBARow(20, page, 9, ba_rows::Step8Heading[0].label, BlueGreyColour, ruleBottom, -1, "", "", -1);
  const AnalysisRow& heading = ba_rows::Step8Heading[0];
  RegisterHelpText(heading.help, heading.helpX, -1, heading.helpRaise, 0);
  pf::CloseGadgetList();
}

ModuleDescription MakeBADescription() {
  ModuleDescription m{};
  m.prefix = "BA";
  m.notice = 1;
  m.recordKind = KindBA;
  m.gadget = &BAGadget;
  m.addRow = AddBARow;
  m.rowY = &BARowY;
  m.title = "Before && After Analysis";
  m.tileWidth = 240;
  m.tileLine = "BEFORE && AFTER";
  m.descriptions[0] = "Enter a new Before && After analysis in your database.";
  m.descriptions[1] = "Review one of your Before && After analyses stored in the database.";
  m.descriptions[2] =
      "Review an example Before && After analysis to see the costs and consequences of a real intervention.";
  m.captionWidths[0] = m.captionWidths[1] = m.captionWidths[2] = 200;
  m.pastCloseX = m.exampleCloseX = 579;
  m.listWidth = 598;
  m.exampleItem = "Lift Study at Car Plant";
  m.registerHovers = false;
  m.footerExtraPixel = 1;
  m.steps[1] = {0, 0, nullptr, Step1};
  m.steps[2] = {0, 0, nullptr, Step2};
  m.steps[3] = {0, 0, nullptr, Step3};
  m.steps[4] = {0, 0, nullptr, Step4};
  m.steps[5] = {
      4, 2,
      "Use this step only if you think the intervention had an effect on your organization’s productivity. "
      "In order for the software to calculate this, the wage rate for occupational groups must be entered "
      "in Step 2: Labour costs.",
      Step5};
  m.steps[6] = {
      0, 0,
      "Enter data in this step only if you think the intervention had an effect on your organization’s "
      "turnover costs.",
      Step6};
  m.steps[7] = {4, 0, nullptr, Step7};
  m.steps[8] = {0, 0, nullptr, Step8};
  m.band = {
      "This retrieves data from the Incident Cost Calculator database. It has high accuracy because it is "
      "based on "
      "data collected for each incident.~~If you have not entered incidents for the before or after periods "
      "you may "
      "do so at anytime by clicking the INCIDENT CALCULATOR tab above.~~To retrieve incidents for inclusion "
      "in this "
      "analysis choose from the categories below and click the button underneath them to retrieve incidents "
      "matching the criteria specified. The software defaults to the dates you have entered in Step 2.",
      850,
      "This requires entry of aggregate incident information. It has lower accuracy because it is based on "
      "aggregate incident information rather than information entered into the Incident Cost Calculator each "
      "time "
      "an incident occurs.",
      850,
      "  Retrieve incidents already entered in the incident cost calculator database:",
      650,
      "In this step data is retrieved from the Incident Cost Calculator database. If you have not entered "
      "incidents "
      "for the before or after periods you may do so at anytime by clicking the INCIDENT CALCULATOR tab "
      "above.~~To "
      "retrieve incidents for inclusion in this analysis choose from the categories below and click the "
      "button "
      "underneath them to retrieve incidents matching the criteria specified. The software defaults to the "
      "dates "
      "you have entered in Step 2.",
      60,
      {{"Before Period", 230, 30, 375, 30}, {"After Period", 630, 30, 375, 30}},
      true,
      500,
      false,
      515,
      "For this step of the analysis, data was retrieved from the Incident Cost Calculator database. "
      "~~Incident data "
      "matching the specified dates and criteria may have changed since the last time this analysis was "
      "saved. The "
      "software does not automatically retrieve changes. If you wish to include new or changed incident data "
      "in "
      "this analysis click the Update button. If not, click the Dismiss button.  This reminder will appear "
      "every "
      "time you review an old analysis.",
  };
  m.guidance = {
      {"Changes in productivity are generally due to changes in equipment, workstation design, tools and "
       "the skill level of workers. Guidelines to help you estimate percentage productivity change:",
       "1. Has the intervention resulted in a higher average skill level of the workforce? Training of "
       "workers can advance their skills. The average skill level may also increase due to reduced "
       "turnover of senior workers.",
       "2. Has the intervention resulted in changes in the quantity of product or service for the given "
       "amount of labour time?",
       "3. Has the intervention resulted in changes in quality of products or services?",
       "Estimate the percentage productivity change due to the intervention (do not include changes in "
       "injury/illness absences and productivity during periods of modified work) "},
      33,
      1};
  m.root = &BARoot;
  m.pages = &BAPage;
  m.newTile = &BANewTile, m.pastTile = &BAPastTile, m.exampleTile = &BAExampleTile;
  m.infoContainer = &BAInfoContainer, m.needLink = &BANeedLink, m.accuracyLink = &BAAccuracyLink;
  m.understandingLink = &BAUnderstandingLink;
  m.pastContainer = &BAPastContainer, m.pastCloseText = &BAPastCloseText, m.analysisList = &BAAnalysisList;
  m.exampleContainer = &BAExampleContainer, m.exampleCloseText = &BAExampleCloseText;
  m.exampleList = &BAExampleList;
  m.databaseOption = &BADatabaseOption, m.summaryOption = &BASummaryOption;
  m.databaseMark = &BADatabaseMark, m.summaryMark = &BASummaryMark;
  m.databasePanel = &BADatabasePanel;
  m.industryPanel0 = &BAIndustryPanel0, m.industryPanel1 = &BAIndustryPanel1;
  m.footer = &BAFooter, m.stepText = &BAStepText, m.nextButton = &BANextButton;
  m.previousButton = &BAPreviousButton, m.saveAsNewButton = &BASaveAsNewButton, m.saveButton = &BASaveButton;
  m.printButton = &BAPrintButton, m.deleteButton = &BADeleteButton;
  m.saveAnotherButton = &BASaveAnotherButton, m.saveReturnButton = &BASaveReturnButton;
  m.printReportButton = &BAPrintReportButton;
  m.savedBanner = &BASavedBanner;
  m.labour = &BALabour;
  m.recalc = RecalcBA;
  m.fillList = FillBAAnalysisList;
  m.newRecord = NewBAAnalysis;
  m.loadExample = LoadBAExample;
  m.syncDates = SyncBADates;
  m.copiedRows = 1u << 7 | 1u << 9;
  m.copyOnUserEditsOnly = true;
  m.understandingTopics[0] = 4.4, m.understandingTopics[1] = 4.6, m.understandingTopics[2] = 4.1;
  return m;
}

}  // namespace

const ModuleDescription& BADescription() {
  static const ModuleDescription description = MakeBADescription();
  return description;
}

void BuildBAPages() { BuildModule(BADescription()); }
