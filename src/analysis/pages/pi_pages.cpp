// The Potential Intervention module: one department's existing situation against an estimated potential
// scenario. Its frame is the shared one; this file gives what sets it apart and the step contents (step 3
// in pi_step3.cpp).
#include "analysis/pages/pi_pages.h"

#include "analysis/pages/cg_pi_cost_steps.h"
#include "analysis/pages/cg_pi_step2.h"
#include "analysis/pages/pages_globals.h"
#include "analysis/pages/pi_rows.h"
#include "analysis/pages/pi_step3.h"
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
  const int area = pf::ContainerGadget(AutoNumber, 0, header, w - 2, h - header + 2, pf::flags::kBorder);
  pf::SetGadgetColour(area, BackColourType, PageColour);
  pf::OpenGadgetList(area);
  PIGadget(0, 0, 0, 0) = pf::TextGadget(AutoNumber, 0, 0, 0, 0, "");
  BuildRows(m, page, PIRows().step1);
  // Typing a number into the analysis number is how a stored analysis is opened: it stays editable.
  SetGadgetColours(PIGadget(page, 1, 1, 2), kAnalysisNumberBack, BlueColour, 14);
  // The two kinds of potential change read as items under their heading.
  pf::ResizeGadget(PIGadget(page, 9, 1, 0), 30, IgnoreValue, IgnoreValue, IgnoreValue);
  pf::ResizeGadget(PIGadget(page, 10, 1, 0), 30, IgnoreValue, 350, IgnoreValue);
  pf::CloseGadgetList();
}

constexpr int kCopiedRows[] = {5, 6, 7, 8, 9};

void Step2(const ModuleDescription& m, int page) {
  const GroupStep2Layout layout{
      "  Calculate the at-work time and labour costs of the department where the change "
      "would be made by occupational group",
      {{"Existing Situation", 565, 0, 170, 30}, {"Potential Scenario", 790, 0, 170, 30}},
      2,
      20,
      PIRows().step2Period,
      PIRows().step2Group,
      kCopiedRows};
  BuildGroupStep2(m, page, layout);
}

void Step3(const ModuleDescription& m, int page) { BuildPIStep3(m, page); }

void Step4(const ModuleDescription& m, int page) { BuildCostStep(m, page, PIRows().step4); }
void Step5(const ModuleDescription& m, int page) { BuildProductivityStep(m, page, PIRows().step5); }

void Step6(const ModuleDescription& m, int page) {
  const int w = StepPageWidth(m, page), h = StepPageHeight(m, page);
  const int header = StepHeaderHeight(6);
  const FrameCaption captions[] = {{"Justification for the Estimate", 620, 0, 320, 30}};
  const int stripBottom = ColumnStrip(header, 30, captions);
  const int area = StepScrollArea(0, stripBottom, w - 2, h - stripBottom + 2, w - 23, AddY(h, -70), 30, true);
  pf::OpenGadgetList(area);
  BuildRows(m, page, PIRows().step6);
  pf::CloseGadgetList();
}

void Step7(const ModuleDescription& m, int page) {
  BuildInsuranceStep(m, page, PIRows().step7Top, PIRows().step7Rest, 750, 2);
}

void Step8(const ModuleDescription& m, int page) {
  const int w = StepPageWidth(m, page), h = StepPageHeight(m, page);
  const int header = StepHeaderHeight(8);
  const FrameCaption captions[] = {{"Existing Situation", 590, 0, 170, 30},
                                   {"Potential Scenario", 810, 0, 180, 30}};
  const int stripBottom = ColumnStrip(header, 30, captions);
  const int area =
      StepScrollArea(0, stripBottom, w - 2, h - header - DY(30) + 2, w - 23, AddY(h, 550), 30, true);
  pf::OpenGadgetList(area);
  pf::FieldGadget(AutoNumber, 0, 0, 0, 0, "", pf::flags::kReadOnly);
  const std::span<const AnalysisRow> rows = PIRows().step8;
  const int insuranceBottom = BuildRows(m, page, rows.first(19));  // to the long-term disability line
  BuildRows(m, page, rows.subspan(19));
  // The result rows run across the column divider unbroken.
  VerticalRule(DX(775), 0, insuranceBottom);
  pf::CloseGadgetList();
}

ModuleDescription MakeDescription() {
  ModuleDescription m{};
  m.prefix = "PI";
  m.notice = 3;
  m.recordKind = KindPI;
  m.gadget = &PIGadget;
  m.addRow = AddPIRow;
  m.rowY = &PIRowY;
  m.title = "Potential Intervention Analysis";
  m.tileWidth = 280;
  m.tileLine = "POTENTIAL INTERVENTION";
  m.descriptions[0] = "Enter a new Potential Intervention analysis in your database.";
  m.descriptions[1] = "Review one of your Potential Intervention analyses stored in the database.";
  m.descriptions[2] =
      "Review an example Potential Intervention analysis to see the costs and consequences of a real "
      "intervention.";
  m.captionWidths[0] = 600, m.captionWidths[1] = 600, m.captionWidths[2] = 600;
  m.pastCloseX = 579, m.exampleCloseX = 579;
  m.listWidth = 597;
  m.exampleItem = "Lift study at car plant";
  m.registerHovers = true;
  m.footerExtraPixel = 0;

  m.steps[1] = {0, 0, nullptr, Step1};
  m.steps[2] = {0, 0, nullptr, Step2};
  m.steps[3] = {0, 0, nullptr, Step3};
  m.steps[4] = {0, 0, nullptr, Step4};
  m.steps[5] = {
      4, 0,
      "Use this step only if you think the intervention had an effect on your organization’s "
      "productivity. In order for the software to calculate this, the wage rate for occupational groups "
      "must be entered in Step 2: Labour costs.",
      Step5};
  m.steps[6] = {0, 0,
                "Enter data in this step only if you think the intervention would have effect on your "
                "organization’s turnover costs. ",
                Step6};
  m.steps[7] = {4, 0, nullptr, Step7};
  m.steps[8] = {0, 0, nullptr, Step8};

  ApproachBand& b = m.band;
  b.databaseHelp =
      "This retrieves data from the Incident Cost Calculator database. It has high accuracy because it is "
      "based "
      "on data collected for each incident.~~If you have not entered incidents for the before or after "
      "periods "
      "you may do so at anytime by clicking the INCIDENT CALCULATOR tab above.~~To retrieve incidents for "
      "inclusion in this analysis choose from the categories below and click the button underneath them to "
      "retrieve incidents matching the criteria specified. The software defaults to the dates you have "
      "entered "
      "in Step 2.";
  b.databaseHelpX = kNoHelp;
  b.summaryHelp =
      "This requires entry of aggregate incident information. It has lower accuracy because it is based on "
      "aggregate incident information rather than information entered into the Incident Cost Calculator each "
      "time an incident occurs.";
  b.summaryHelpX = kNoHelp;
  b.retrieveCaption = "  Retrieve incidents already entered in the incident database:";
  b.retrieveHelpX = kNoHelp;
  b.retrieveHelp =
      "In this step data is retrieved from the Incident Cost Calculator database. If you have not entered "
      "incidents for the study period you may do so at anytime by clicking the INCIDENT CALCULATOR tab "
      "above.~~To retrieve incidents for inclusion in this analysis choose from the categories below and "
      "click "
      "the button underneath to retrieve incidents matching the criteria specified. The software defaults to "
      "the dates you have entered in Step 1 but it is possible to adjust this information if necessary.  ";
  b.panelHeight = 30;
  b.panelCaptions[0] = {nullptr, 0, 0, 0, 0};
  b.panelCaptions[1] = {nullptr, 0, 0, 0, 0};
  b.stripBorder = false;
  b.stripIconX = 660, b.stripIconXPixels = true;
  b.stripHelpX = 515;
  b.stripHelp =
      "For this step of the analysis, data was retrieved from the Incident Cost Calculator "
      "database.~~Incident "
      "data matching the specified dates and criteria may have changed since the last time this analysis was "
      "saved. The software does not automatically retrieve changes. If you wish to include new or changed "
      "incident data in this analysis click the Update button. If not, click the Dismiss button.  This "
      "reminder "
      "will appear every time you review an old analysis.";

  m.guidance.paragraphs[0] =
      "Changes in productivity are generally due to changes in equipment, workstation design, tools and the "
      "skill "
      "level of workers. Guidelines to help you estimate percentage productivity change:";
  m.guidance.paragraphs[1] =
      "1. Is the intervention expected to result in a higher average skill level of the workforce? Training "
      "of "
      "workers can advance their skills. The average skill level may also increase due to reduced turnover "
      "of "
      "senior workers.";
  m.guidance.paragraphs[2] =
      "2. Is the intervention expected to result in changes in the quantity of product or service for the "
      "given "
      "amount of labour time?";
  m.guidance.paragraphs[3] =
      "3. Is the intervention expected to result in changes in quality of products or services?";
  m.guidance.paragraphs[4] =
      "Estimate the percentage productivity change due to the potential intervention (do not include changes "
      "in "
      "injury/illness absences and productivity during periods of modified work) ";
  m.guidance.helpContainerLift = 30;
  m.guidance.percentHelpRaise = 1;

  m.root = &PIRoot;
  m.pages = &PIPage;
  m.newTile = &PINewTile, m.pastTile = &PIPastTile, m.exampleTile = &PIExampleTile;
  m.infoContainer = &PIInfoContainer;
  m.needLink = &PINeedLink, m.accuracyLink = &PIAccuracyLink, m.understandingLink = &PIUnderstandingLink;
  m.pastContainer = &PIPastContainer, m.pastCloseText = &PIPastCloseText, m.analysisList = &PIAnalysisList;
  m.exampleContainer = &PIExampleContainer, m.exampleCloseText = &PIExampleCloseText,
  m.exampleList = &PIExampleList;
  m.databaseOption = &PIDatabaseOption, m.summaryOption = &PISummaryOption;
  m.databaseMark = &PIDatabaseMark, m.summaryMark = &PISummaryMark;
  m.databasePanel = nullptr;
  m.industryPanel0 = &PIIndustryPanel0, m.industryPanel1 = &PIIndustryPanel1;
  m.footer = &PIFooter, m.stepText = &PIStepText, m.nextButton = &PINextButton,
  m.previousButton = &PIPreviousButton;
  m.saveAsNewButton = &PISaveAsNewButton, m.saveButton = &PISaveButton, m.printButton = &PIPrintButton,
  m.deleteButton = &PIDeleteButton;
  m.saveAnotherButton = &PISaveAnotherButton, m.saveReturnButton = &PISaveReturnButton,
  m.printReportButton = &PIPrintReportButton;
  m.savedBanner = &PISavedBanner;
  m.labour = &PILabour;
  m.recalc = RecalcPI;
  m.fillList = FillPIAnalysisList;
  m.newRecord = NewPIAnalysis;
  m.loadExample = LoadPIExample;
  m.syncDates = SyncPIDates;
  m.copiedRows = 1u << 5 | 1u << 6 | 1u << 7 | 1u << 8 | 1u << 9;
  m.copyOnUserEditsOnly = false;
  m.understandingTopics[0] = 6.4, m.understandingTopics[1] = 6.6, m.understandingTopics[2] = 6.1;
  return m;
}

}  // namespace

const ModuleDescription& PIDescription() {
  static const ModuleDescription description = MakeDescription();
  return description;
}

void BuildPIPages() { BuildModule(PIDescription()); }
