// Pages whose builders are not part of the program yet: each is an empty container of the page holder's
// size, and a module or the incident calculator gets its root with empty page containers, so that the tabs
// can be clicked through and every page shows (empty) where it will stand.
#include "platform/platform.h"
#include "shell/page_globals.h"
#include "shell/services.h"
#include "shell/shell_globals.h"

namespace {

int EmptyPage() {
  const int page = pf::ContainerGadget(AutoNumber, 0, 0, pf::GadgetWidth(PageHolder), pf::GadgetHeight(PageHolder));
  pf::SetGadgetColour(page, BackColourType, PageColour);
  return page;
}

void BuildEmptyModule(int& root, BoundedArray<int, 11>& pages) {
  root = EmptyPage();
  pf::OpenGadgetList(root);
  for (int i = 0; i <= 9; ++i) pages(i) = EmptyPage();
  pf::CloseGadgetList();
}

}  // namespace


void BuildIncidentPages() {
  BuildEmptyModule(IncidentRoot, IncidentPage);
  pf::OpenGadgetList(IncidentRoot);
  IncidentMenuPage = EmptyPage();
  MISummaryPage = EmptyPage();
  pf::CloseGadgetList();
}

