// The three reading pages of the ABOUT area: the Understanding guide with its six topic lists, the worked
// Examples and the Glossary. Each is built once, on its first display.
#include "shell/reading_pages.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "assets/assets.h"
#include "platform/platform.h"
#include "shell/design_grid.h"
#include "shell/gadget_helpers.h"
#include "shell/hover_help.h"
#include "shell/page_globals.h"
#include "shell/services.h"
#include "shell/shell_globals.h"

namespace {

constexpr pf::Rgb kUnderstandingBack = pf::MakeRgb(72, 124, 174);
constexpr pf::Rgb kViewerBack = pf::MakeRgb(235, 235, 222);
constexpr pf::Rgb kTopicHeadingColour = pf::MakeRgb(0, 0, 175);
constexpr int kReturnImage = 36, kReturnHoverImage = 37;

// A topic list: its heading, its sub-topics, and whether blank spacers sit before and after them. The
// spacers lie just out of view; selecting one carries the choice into the neighbouring list, so the arrow
// keys walk through all topics as if they were one list.
struct TopicListRow {
  const char* heading;
  bool topicsAreHeadings;  // the first list has two headings and no sub-topics
  const char* const* topics;
  int topicCount;
  bool spacerBefore, spacerAfter;
};
constexpr const char* kCalculatorTopics[] = {"   -  What does it do?", "   -  What do you need to begin?"};
constexpr const char* kAnalysisTopics[] = {"   -  What does it do?", "   -  Which analysis to do?",
                                           "   -  The three options"};
constexpr const char* kModuleTopics[] = {
    "     -  How can it assist you?", "     -  When should you use it?", "     -  What do you need to begin?",
    "     -  What time periods should you use?", "     -  How to get the most accurate results"};
constexpr const char* kOpeningHeadings[] = {" Features of the tool"};
constexpr TopicListRow kTopicLists[] = {
    {" How to use this tool", true, kOpeningHeadings, 1, false, true},
    {" Incident Cost Calculator", false, kCalculatorTopics, 2, true, true},
    {" Do Your Own Analysis", false, kAnalysisTopics, 3, true, true},
    {"   Before & After Analysis", false, kModuleTopics, 5, true, true},
    {"   Concurrent Groups Analysis", false, kModuleTopics, 5, true, true},
    {"   Analysis of a Potential Intervention", false, kModuleTopics, 5, true, false},
};

constexpr const char* kGlossaryTerms[] = {
    "Absenteeism",
    "Absence costs",
    "Accident",
    "Amortization",
    "Analysis",
    "Assessable payroll",
    "Basic change limit",
    "Before & After Analysis",
    "Benefit expenses",
    "Benefit to cost ratio",
    "Concurrent",
    "Concurrent Groups Analysis",
    "Costs and consequences",
    "Cost-benefit analysis",
    "Disability",
    "Disability management",
    "Discount rate",
    "Double counting",
    "Effect",
    "Economic evaluation",
    "Ergonomics",
    "Expenditures",
    "Experience Rating",
    "Experience Rating Program",
    "Full-time equivalent worker",
    "General sickness absence",
    "Harm",
    "Hazard",
    "Hazardous situation",
    "Zevova promotion",
    "Immediate costs",
    "Incident",
    "Incremental costs",
    "Indirect costs",
    "Industry code",
    "Interest costs",
    "Intervention",
    "Lost-time work injury/illness",
    "Modified work",
    "Near miss",
    "Net return",
    "No lost-time work injury/illness",
    "No time-loss claims",
    "Outcome",
    "Payback period",
    "Potential Intervention Analysis",
    "Productivity",
    "Profit Margin",
    "Restated rate",
    "Revenue",
    "Return to Work",
    "Short-term disability insurance",
    "Long-term disability insurance",
    "Sickness absence or general sickness absence",
    "Status quo",
    "Time-loss claims",
    "Turnover costs",
    "Validity",
    "WCB",
    "WCB average rate",
    "Work-related injury/illness",
    "Workers\u2019 compensation",
};

struct ExampleRow {
  const char* text;
  int marker;  // -1: a sector heading
};
constexpr ExampleRow kExamples[] = {
    {"MANUFACTURING SECTOR", -1},
    {"Before & After Analysis", 0},
    {"Concurrent Groups Analysis", 1},
    {"Potential Intervention Analysis", 2},
    {"SERVICE SECTOR", -1},
    {"Before & After Analysis", 3},
    {"Concurrent Groups Analysis", 4},
    {"Potential Intervention Analysis", 5},
};

int BuildViewer(int x, int y, int w, int h, std::string_view document, unsigned flags = 0) {
  const int viewer = pf::RichViewerGadget(AutoNumber, x, y, w, h, flags);
  pf::SetGadgetColour(viewer, BackColourType, kViewerBack);
  pf::SetRichText(viewer, document);
  return viewer;
}

int BuildPanel(int x, int y, int w, int h, pf::Rgb back) {
  const int panel = pf::ContainerGadget(AutoNumber, x, y, w, h);
  pf::SetGadgetColour(panel, BackColourType, back);
  return panel;
}

// A read-only field of no size: somewhere for the focus to rest that shows nothing and types nothing.
int BuildZeroSizeField(bool hidden) {
  const int field = pf::FieldGadget(AutoNumber, 0, 0, 0, 0, "", pf::flags::kReadOnly);
  pf::HideGadget(field, hidden);
  return field;
}

int ScaledToWidth(int picture, double s) {
  pf::ResizePicture(picture, int(std::lround(pf::PictureWidth(picture) * s)),
                    int(std::lround(pf::PictureHeight(picture) * s)));
  return picture;
}

void BuildReturnBar(int pageWidth, int pageHeight) {
  const int barH = DY(52);
  const int bar =
      pf::ContainerGadget(AutoNumber, -1, pageHeight - barH, pageWidth + 2, barH + 2, pf::flags::kBorder);
  pf::SetGadgetColour(bar, BackColourType, BlueColour);
  pf::OpenGadgetList(bar);
  const double s = std::min(ScaleX, 1.0);
  ScaledToWidth(kReturnHoverImage, s);
  ScaledToWidth(kReturnImage, s);
  const int w = int(std::lround(295 * s)), h = int(std::lround(35 * s));
  const int x = int(std::lround((300 * ScaleY - 295 * s) / 2));
  const int y = int(std::lround((std::lround(52 * ScaleY) - 35 * s + 2) / 2));
  UnderstandingReturnButton = pf::PictureButtonGadget(AutoNumber, x, y, w, h, kReturnImage);
  pf::CloseGadgetList();
}

// One topic list, sized to show exactly its real items, scrolled past a leading spacer.
int BuildTopicList(const TopicListRow& row, int y) {
  // The column leaves room for the list's scroll bar (the spacers make the list longer than its view), so
  // that no horizontal bar covers the last item.
  const int list =
      pf::ListViewGadget(AutoNumber, 0, y, DY(310), DY(100), "", DY(310) - 30, pf::flags::kNoHeader);
  SetGadgetColours(list, LightGreyColour, kBlack, 14);
  if (row.spacerBefore) pf::AddGadgetItem(list, -1, "");
  const int heading = pf::CountGadgetItems(list);
  pf::AddGadgetItem(list, -1, row.heading);
  pf::SetGadgetItemColour(list, heading, FrontColourType, kTopicHeadingColour);
  for (int i = 0; i < row.topicCount; ++i) {
    const int item = pf::CountGadgetItems(list);
    pf::AddGadgetItem(list, -1, row.topics[i]);
    if (row.topicsAreHeadings) pf::SetGadgetItemColour(list, item, FrontColourType, kTopicHeadingColour);
  }
  if (row.spacerAfter) pf::AddGadgetItem(list, -1, "");
  const int realItems = 1 + row.topicCount;
  const int rowHeight = std::max(1, pf::GadgetItemRect(list, heading).h);
  pf::ResizeGadget(list, IgnoreValue, IgnoreValue, IgnoreValue, realItems * rowHeight);
  pf::SetTopItem(list, heading);
  return list;
}

}  // namespace

std::span<const char* const> GlossaryTerms() { return kGlossaryTerms; }

void BuildUnderstandingPage() {
  const int w = pf::GadgetWidth(PageHolder), h = pf::GadgetHeight(PageHolder);
  UnderstandingPage = BuildPanel(0, 0, w, h, kUnderstandingBack);
  pf::OpenGadgetList(UnderstandingPage);
  const int titleBottom = BuildPageTitle(w, "About Economic Evaluations: Understanding");
  BuildReturnBar(w, h);
  const int barTop = h - DY(52);
  const int left = BuildPanel(0, titleBottom, DY(300), barTop - titleBottom, LightGreyColour);
  pf::OpenGadgetList(left);
  int y = 0;
  for (int k = 1; k <= 6; ++k) {
    UnderstandingTopicList(k) = BuildTopicList(kTopicLists[k - 1], y);
    pf::AddGadgetHandler(UnderstandingTopicList(k), TopicListKeysProc);
    y += pf::GadgetHeight(UnderstandingTopicList(k)) + DY(5);
  }
  pf::CloseGadgetList();
  UnderstandingViewerPanel =
      BuildPanel(DY(300), titleBottom, w - DY(300), barTop - titleBottom, kUnderstandingBack);
  pf::AddGadgetHandler(UnderstandingViewerPanel, ViewerClickFlagProc);
  pf::OpenGadgetList(UnderstandingViewerPanel);
  BuildZeroSizeField(true);
  const std::string_view guides = assets::GuideDocuments();
  UnderstandingViewer =
      BuildViewer(10, 0, pf::GadgetWidth(UnderstandingViewerPanel) - 13, DY(508),
                  guides.substr(std::min(HelpDocument(0), guides.size())), pf::flags::kNoTabStop);
  pf::AddGadgetHandler(UnderstandingViewer, ReadOnlyEditorProc);
  pf::CloseGadgetList();
  pf::CloseGadgetList();
  if (UnderstandingTopic == 0) UnderstandingTopic = 1.0;
}

void BuildExamplesPage() {
  const int w = pf::GadgetWidth(PageHolder), h = pf::GadgetHeight(PageHolder);
  ExamplesPage = BuildPanel(0, 0, w, h, PageColour);
  pf::OpenGadgetList(ExamplesPage);
  const int titleBottom = BuildPageTitle(w, "About Economic Evaluations: Examples");
  const int panel = BuildPanel(0, titleBottom, w - 3, h - DY(35), PageColour);
  const int panelW = pf::GadgetWidth(panel), panelH = pf::GadgetHeight(panel);
  pf::OpenGadgetList(panel);
  ExamplesList = pf::ListViewGadget(AutoNumber, 0, 0, DX(220), panelH, "", DX(215),
                                    pf::flags::kNoHeader | pf::flags::kAlwaysShowSelection);
  SetGadgetColours(ExamplesList, LightGreyColour, kBlack, 14);
  for (const ExampleRow& row : kExamples) {
    const int item = pf::CountGadgetItems(ExamplesList);
    pf::AddGadgetItem(ExamplesList, -1, row.text, row.marker);
    if (row.marker >= 0) continue;
    pf::SetGadgetItemColour(ExamplesList, item, FrontColourType, BlueColour);
    pf::SetGadgetItemColour(ExamplesList, item, BackColourType, GreyColour);
  }
  pf::SetGadgetState(ExamplesList, 1);
  pf::AddGadgetHandler(ExamplesList, ExamplesListProc);
  const int side = BuildPanel(DX(220), 0, panelW - DX(220), panelH, PageColour);
  pf::OpenGadgetList(side);
  ExamplesViewer = BuildViewer(5, 0, pf::GadgetWidth(side) - 7, panelH - 3, assets::ExamplesDocument());
  pf::AddGadgetHandler(ExamplesViewer, ExamplesViewerProc);
  pf::CloseGadgetList();
  pf::CloseGadgetList();
  pf::CloseGadgetList();
  pf::SetActiveGadget(ExamplesList);
}

void BuildGlossaryPage() {
  const int w = pf::GadgetWidth(PageHolder), h = pf::GadgetHeight(PageHolder);
  GlossaryPage = BuildPanel(0, 0, w, h, PageColour);
  pf::OpenGadgetList(GlossaryPage);
  const int titleBottom = BuildPageTitle(w, "About Economic Evaluations: Glossary");
  GlossaryTermList = pf::ListBoxGadget(AutoNumber, 0, titleBottom, DY(370), h - titleBottom);
  SetGadgetColours(GlossaryTermList, LightGreyColour, kBlack, 14);
  for (const char* term : kGlossaryTerms) pf::AddGadgetItem(GlossaryTermList, -1, term);
  pf::AddGadgetHandler(GlossaryTermList, TermListKeysProc);
  const int listRight = DY(370);
  GlossaryViewerPanel =
      BuildPanel(listRight, titleBottom, w + DX(28) - listRight, h - titleBottom, PageColour);
  pf::AddGadgetHandler(GlossaryViewerPanel, FocusEditChildProc);
  pf::OpenGadgetList(GlossaryViewerPanel);
  GlossaryFocusField = BuildZeroSizeField(false);
  GlossaryViewer = BuildViewer(10, 0, DX(1024) - DY(370) - 13, DY(560), assets::GlossaryDocument());
  pf::AddGadgetHandler(GlossaryViewer, ReadOnlyEditorProc);
  pf::CloseGadgetList();
  pf::CloseGadgetList();
  pf::SetActiveGadget(GlossaryFocusField);
  GlossaryTermIndex = 0;
}
