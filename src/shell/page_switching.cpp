#include "shell/page_switching.h"

#include <cmath>

#include "platform/platform.h"
#include "shell/page_globals.h"
#include "shell/services.h"
#include "shell/shell_globals.h"
#include "shell/tab_bars.h"

namespace {

// One analysis module as page switching sees it.
struct ModuleView {
  int second;  // its second-bar index
  int& root;
  BoundedArray<int, 11>& pages;
  int& footer;
  int& stepText;
  int& nextButton;
  int& saveAnother;
  int& saveReturn;
  int& printReport;
  void (*build)();
  void (*recalc)();
  int tabsToFirstField;  // Tab presses from the park field to step 1's first field
};

ModuleView Module(int second) {
  switch (second) {
    case 3:
      return {3,
              BARoot,
              BAPage,
              BAFooter,
              BAStepText,
              BANextButton,
              BASaveAnotherButton,
              BASaveReturnButton,
              BAPrintReportButton,
              BuildBAPages,
              RecalcBA,
              1};
    case 2:
      return {2,
              CGRoot,
              CGPage,
              CGFooter,
              CGStepText,
              CGNextButton,
              CGSaveAnotherButton,
              CGSaveReturnButton,
              CGPrintReportButton,
              BuildCGPages,
              RecalcCG,
              2};
    default:
      return {1,
              PIRoot,
              PIPage,
              PIFooter,
              PIStepText,
              PINextButton,
              PISaveAnotherButton,
              PISaveReturnButton,
              PIPrintReportButton,
              BuildPIPages,
              RecalcPI,
              2};
  }
}

// Shows `root` in the page holder, building it on first use; true when it was already the one shown.
bool ShowRoot(int& root, void (*build)()) {
  if (root && root == ShownRoot) return true;
  if (root) {
    pf::HideGadget(root, false);
  } else {
    pf::OpenGadgetList(PageHolder);
    build();
    pf::CloseGadgetList();
  }
  if (ShownRoot != root) pf::HideGadget(ShownRoot, true);
  ShownRoot = root;
  return false;
}

void ShowOnly(BoundedArray<int, 11>& pages, int first, int last, int shown) {
  for (int i = first; i <= last; ++i) pf::HideGadget(pages(i), i != shown);
}

void ParkFocus(int tabs) {
  pf::SetActiveGadget(-1);
  pf::SetActiveGadget(FocusParkField);
  for (int i = 0; i < tabs; ++i) pf::MoveFocus(false);
}

void ShowStepButtons(int next, int saveAnother, int saveReturn, int printReport, bool lastStep) {
  pf::HideGadget(next, lastStep);
  pf::HideGadget(saveAnother, !lastStep);
  pf::HideGadget(saveReturn, !lastStep);
  pf::HideGadget(printReport, !lastStep);
}

void ServeModule(int second, int third) {
  ModuleView m = Module(second);
  const bool wasShown = ShowRoot(m.root, m.build);
  ShowOnly(m.pages, 0, 9, wasShown ? third : RememberedTab(1, second, 0));
  ShowStepButtons(m.nextButton, m.saveAnother, m.saveReturn, m.printReport, third == 1);
  pf::SetGadgetText(m.stepText, StepCaption(9 - third));
  pf::HideGadget(m.footer, third == 9);
  ParkFocus(third == 8 ? m.tabsToFirstField : 0);
}

void ServeIncidentStep(int second) {
  const bool wasShown = ShowRoot(IncidentRoot, BuildIncidentPages);
  ShowOnly(IncidentPage, 0, 7, 8 - second);
  if (wasShown) {
    pf::HideGadget(IncidentMenuPage, true);
    pf::HideGadget(MISummaryPage, true);
  }
  ShowStepButtons(IncidentNextButton, IncidentSaveAnotherButton, IncidentSaveReturnButton,
                  IncidentPrintReportButton, second == 1);
  pf::HideGadget(IncidentPreviousButton, false);
  pf::SetGadgetText(IncidentStepText, StepCaption(9 - second));
  pf::HideGadget(IncidentFooter, false);
  ParkFocus(second == 8 ? 1 : 0);
}

void ServeIncidentOverview(bool summary) {
  ShowRoot(IncidentRoot, BuildIncidentPages);
  pf::HideGadget(IncidentMenuPage, summary);
  pf::HideGadget(MISummaryPage, !summary);
  ShowOnly(IncidentPage, 0, 7, -1);
  pf::HideGadget(IncidentPreviousButton, true);
  pf::HideGadget(IncidentFooter, true);
  if (summary) {
    ParkFocus(2);
    pf::SetGadgetText(RecordTitleText, "Multiple Incident Summary " + pf::GetGadgetText(MIGadget(0, 0)));
  }
}

void ServeSinglePage(int& page, void (*build)()) {
  if (!page || page != ShownRoot) ShowRoot(page, build);
}

void ServeUnderstanding() {
  ServeSinglePage(UnderstandingPage, BuildUnderstandingPage);
  const int list = int(UnderstandingTopic);
  const int item = int(std::lround((UnderstandingTopic - list) * 10));
  pf::SetActiveGadget(UnderstandingTopicList(list));
  pf::SetGadgetState(UnderstandingTopicList(list), item);
  // The first list holds the two opening documents themselves, as choosing one of its items shows.
  if (list == 1)
    ShowUnderstandingTopic(item, 1);
  else
    ShowUnderstandingTopic(list, item);
  pf::HideGadget(UnderstandingReturnButton, true);
}

void RecalculateAndTitle(int top, int second, int third) {
  bool title = false;
  if (top == 2 && second >= 1 && second <= 8) {
    RecalcIncident();
    title = true;
  } else if (top == 1 && second >= 1 && second <= 3 && third < 9) {
    Module(second).recalc();
    title = true;
  } else if (top == 2 && second == 10) {
    title = true;
  }
  pf::HideGadget(RecordTitleText, !title);
}

void ServeKey(int top, int second, int third) {
  if (top == 1 && second >= 1 && second <= 3 && third >= 1 && third <= 9) return ServeModule(second, third);
  if (top == 1 && second == 4) return ServeSinglePage(AnalysisChoicePage, BuildAnalysisChoicePage);
  if (top == 2 && second >= 1 && second <= 8) return ServeIncidentStep(second);
  if (top == 2 && second == 9) return ServeIncidentOverview(false);
  if (top == 2 && second == 10) return ServeIncidentOverview(true);
  if (top == 3 && second == 4) return ServeSinglePage(AboutPage, BuildAboutPage);
  if (top == 3 && second == 3) return ServeUnderstanding();
  if (top == 3 && second == 2) {
    ServeSinglePage(ExamplesPage, BuildExamplesPage);
    return pf::SetActiveGadget(ExamplesList);
  }
  if (top == 3 && second == 1) {
    ServeSinglePage(GlossaryPage, BuildGlossaryPage);
    pf::SetGadgetState(GlossaryTermList, GlossaryTermIndex);
    return pf::SetActiveGadget(GlossaryTermList);
  }
}

}  // namespace

std::string PageKey(int top, int second, int third) {
  return std::to_string(top) + "." + std::to_string(second) + "." + std::to_string(third);
}

std::string StepCaption(int step) { return "Step " + std::to_string(step) + " of  8"; }

void ShowPage(int top, int second, int third) {
  if (top != -1) SelectTopTab(top);
  if (second != -1) SelectSecondTab(second);
  if (third != -1) SelectThirdTab(third);
  if (CurrentTopTab == LastShownTopTab && CurrentSecondTab == LastShownSecondTab &&
      CurrentThirdTab == LastShownThirdTab)
    return;
  if (CurrentTopTab == 2 && CurrentThirdTab > 0) {
    SelectSecondTab(10);
    SelectThirdTab(1);
  }
  top = CurrentTopTab;
  second = CurrentSecondTab;
  third = CurrentThirdTab;
  LastShownTopTab = top;
  LastShownSecondTab = second;
  LastShownThirdTab = third;
  RememberedTab(top, 0, 0) = second;
  RememberedTab(top, second, 0) = third;
  RecalculateAndTitle(top, second, third);
  ServeKey(top, second, third);
  // A record panel left open on the page comes back with it.
  RefillShownRecordLists();
}
