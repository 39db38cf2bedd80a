#include "incident/incident_pages.h"
#include "platform/platform.h"
#include "shell/page_globals.h"
#include "shell/shell_globals.h"

void BuildMISummaryPage() {
  MISummaryPage = pf::ContainerGadget(AutoNumber, 0, 0, pf::GadgetWidth(PageHolder), pf::GadgetHeight(PageHolder));
  pf::SetGadgetColour(MISummaryPage, BackColourType, PageColour);
}
