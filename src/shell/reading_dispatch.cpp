// The dispatch rows of the reading pages' lists (the tiles, links and return button that lead between pages
// are navigation rows).
#include "platform/platform.h"
#include "shell/dispatch.h"
#include "shell/page_globals.h"
#include "shell/page_switching.h"
#include "shell/reading_pages.h"
#include "shell/services.h"
#include "shell/shell_globals.h"
#include "shell/tab_bars.h"

namespace {

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
    {TopicList, 1, 6, ChangeOrClick, ChooseTopic},
    {Terms, 0, 0, ChangeOrClick, ChooseTerm},
    {Examples, 0, 0, ChangeOrClick, ChooseExampleEntry},
};

}  // namespace

std::span<const DispatchEntry> ReadingPageEntries() { return kReadingPageEntries; }
