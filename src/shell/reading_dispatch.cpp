// The dispatch rows of the introduction pages and of the reading pages: tiles, "Learn more" links, the
// lists and the return button of the Understanding guide.
#include "platform/platform.h"
#include "shell/dispatch.h"
#include "shell/page_globals.h"
#include "shell/page_switching.h"
#include "shell/reading_pages.h"
#include "shell/services.h"
#include "shell/shell_globals.h"
#include "shell/tab_bars.h"

namespace {

void Open(int top, int second) {
  SelectTopTab(top);
  SelectSecondTab(second);
  ShowPage(-1, -1, -1);
}

// Second-bar indices count from the right: ABOUT 3 Understanding, 2 Examples, 1 Glossary; DO ANALYSIS
// 3 Before & After, 2 Concurrent Groups, 1 Potential Intervention. Slot k of each row opens index 4 - k.
int About(int k) { return AboutTile(k); }
void ChooseAboutTile(int k, pf::GadgetEvent) { Open(3, 4 - k); }

int Choice(int k) { return AnalysisChoiceTile(k); }
void ChooseAnalysis(int k, pf::GadgetEvent) { Open(1, 4 - k); }

int ChoiceLink(int k) {
  static int* const links[] = {nullptr, &BAChoiceLink, &CGChoiceLink, &PIChoiceLink};
  return *links[k];
}
// The guide opens at the chapter of the analysis, with the way back to the analyses shown.
void LearnAboutAnalysis(int k, pf::GadgetEvent) {
  ReturnTopTab = 1;
  UnderstandingTopic = 3 + k + 0.1;
  Open(3, 3);
  pf::HideGadget(UnderstandingReturnButton, false);
}

int ReturnButton(int) { return UnderstandingReturnButton; }
void ReturnFromGuide(int, pf::GadgetEvent) {
  SelectTopTab(ReturnTopTab);
  ShowPage(-1, -1, -1);
}

bool ChangeOrClick(pf::GadgetEvent kind) {
  return kind == pf::GadgetEvent::Change || kind == pf::GadgetEvent::LeftClick;
}

int TopicList(int k) { return UnderstandingTopicList(k); }
void ChooseTopic(int k, pf::GadgetEvent) { ChooseUnderstandingTopic(k); }

int Terms(int) { return GlossaryTermList; }
void ChooseTerm(int, pf::GadgetEvent) { ChooseGlossaryTerm(); }

int Examples(int) { return ExamplesList; }
void ChooseExampleEntry(int, pf::GadgetEvent) { ChooseExample(); }

constexpr DispatchEntry kReadingPageEntries[] = {
    {About, 1, 3, nullptr, ChooseAboutTile},
    {Choice, 1, 3, nullptr, ChooseAnalysis},
    {ChoiceLink, 1, 3, nullptr, LearnAboutAnalysis},
    {ReturnButton, 0, 0, nullptr, ReturnFromGuide},
    {TopicList, 1, 6, ChangeOrClick, ChooseTopic},
    {Terms, 0, 0, ChangeOrClick, ChooseTerm},
    {Examples, 0, 0, ChangeOrClick, ChooseExampleEntry},
};

}  // namespace

std::span<const DispatchEntry> ReadingPageEntries() { return kReadingPageEntries; }
