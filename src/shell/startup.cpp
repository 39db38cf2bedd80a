#include "shell/startup.h"

#include "assets/assets.h"
#include "colouring/colour_library.h"
#include "platform/platform.h"
#include "shell/event_loop.h"
#include "shell/global_tables.h"
#include "shell/main_window.h"
#include "shell/shell_globals.h"
#include "shell/tab_bars.h"

namespace {

void ClearGlobalArrays() {
  IncidentGadget.Clear();
  BAGadget.Clear();
  CGGadget.Clear();
  PIGadget.Clear();
  MIGadget.Clear();
  IncidentPage.Clear();
  BAPage.Clear();
  CGPage.Clear();
  PIPage.Clear();
  RememberedTab.Clear();
  HelpText.Clear();
  HoverTable.Clear();
  ModifiedFlags.Clear();
  BALabour.Clear();
  CGLabour.Clear();
  PILabour.Clear();
  NoticeGadget.Clear();
}

// The pictures are decoded beside the rest of the start-up; the first use of a picture waits for them.
void DecodePictures() {
  std::vector<pf::EncodedPicture> pictures;
  for (const auto& p : assets::Pictures()) pictures.push_back({p.number, p.data, p.size});
  pf::DecodePicturesAhead(std::move(pictures));
}

void FillHelpDocuments() {
  const auto offsets = assets::GuideDocumentOffsets();
  for (std::size_t i = 0; i < offsets.size(); ++i) HelpDocument(int(i)) = offsets[i];
}

}  // namespace

void StartProgram(int& argc, char** argv) {
  DecodePictures();
  pf::InitPlatform(argc, argv);
  InitColourLibrary();
  ClearGlobalArrays();
  LineBreak = "\r";
  SetColourPalette();
  CreateGlobalLists();
  FillHelpDocuments();
  TitleFont = 34;
  TabFont = 35;
  RowLabelFont = 17;
  BuildCategoryLists();
  Province = "derorere";
  OpenMainWindow();
  if (ExitRequested) return;
  InstallPasteRule();
  // The top bar shows HOME selected before the first event.
  CurrentTopTab = 1;
  SelectTopTab(4);
}

int RunEventLoop() {
  while (!ExitRequested) HandleEvent(pf::WaitWindowEvent());
  ExitSequence();
  return 0;
}

void ExitSequence() {
  pf::CloseWindow(pf::kMainWindow);
  EndColourLibrary();
  pf::ShutdownPlatform();
}

int RunProgram(int& argc, char** argv) {
  StartProgram(argc, argv);
  if (ExitRequested) {  // start-up was stopped: no event loop, and the caller learns it failed
    ExitSequence();
    return 1;
  }
  return RunEventLoop();
}
