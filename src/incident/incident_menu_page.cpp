// The incident calculator's start page: five tiles, the panel that describes them, and in its place the
// panels of stored incidents, example incidents and stored summaries that the tiles open.
#include <algorithm>
#include <cmath>
#include <string>

#include "incident/incident_globals.h"
#include "incident/incident_pages.h"
#include "platform/platform.h"
#include "shell/design_grid.h"
#include "shell/gadget_helpers.h"
#include "shell/hover_help.h"
#include "shell/page_globals.h"

namespace {

namespace fl = pf::flags;

struct TileRow {
  int* tile;
  const char* caption;
  int offset;  // design units below the title
};
const TileRow kTiles[] = {
    {&IncidentNewTile, "\rENTER A NEW\rINCIDENT", 15},
    {&IncidentPastTile, "\rREVIEW A PAST\rINCIDENT", 125},
    {&IncidentExampleTile, "\rREVIEW AN EXAMPLE\rINCIDENT", 235},
    {&MICreateTile, "\rCREATE A MULTIPLE\rINCIDENTS SUMMARY", 345},
    {&MIReviewTile, "\rREVIEW A MULTIPLE\rINCIDENTS SUMMARY", 455},
};

struct InfoRow {
  int y, w, h;
  const char* text;
};
const InfoRow kInfo[] = {
    {10, 550, 20, "Enter a new incident in your database."},
    {125, 550, 50, "Review a past incident stored in your database."},
    {235, 550, 50, "Review an example incident."},
    {340, 500, 50, "Create a summary of multiple incidents from incidents stored in your database"},
    {455, 500, 50, "Review a multiple incidents summary stored in your database"},
};

const char* const kExamples[] = {
    "A short-order cook suffers a burn after spilling hot oil on his foot",
    "A cashier is traumatized when an armed robbery takes place",
    "A hotel room attendant sprains her back while trying to lift a heavy table",
    "A stone worker suffers a crushed leg when a heavy stone block falls on him",
    "An automotive plant worker suffers head injuries after slipping on a greasy floor",
    "A worker is accidentally hit by a forklift",
};

const char* const kPastHint =
    "To save time, you might use an old incident to help you record a new incident.  Simply call up the old "
    "incident and save it as an new incident by clicking on the \u2018save new\u2019 option. Be sure to then "
    "make the necessary changes to the file so that you are accurately recording information on the new "
    "incident.";

int Text(int x, int y, int w, int h, const std::string& text, unsigned flags, Rgb back, Rgb front, int font) {
  const int g = pf::TextGadget(AutoNumber, x, y, w, h, text, flags);
  SetGadgetColours(g, back, front, font);
  return g;
}

int Title() { return DY(35); }

void BuildTiles() {
  for (const TileRow& t : kTiles) {
    const int frame =
        pf::ContainerGadget(AutoNumber, DX(100), Title() + DY(t.offset), DX(240), DY(95), fl::kBorder);
    pf::OpenGadgetList(frame);
    *t.tile =
        Text(0, 0, DX(240), DY(100), t.caption, fl::kCentre | fl::kClickable, BlueGreyColour, kBlack, 29);
    pf::CloseGadgetList();
  }
  RegisterHoverGadget(MICreateTile, 1, int(pf::MakeRgb(200, 150, 0)), int(pf::MakeRgb(0, 0, 255)),
                      int(BlueGreyColour), 0);
}

void BuildInfoPanel() {
  IncidentInfoContainer = pf::ContainerGadget(AutoNumber, DX(400), DY(70), DX(500), DY(500));
  pf::SetGadgetColour(IncidentInfoContainer, BackColourType, PageColour);
  pf::OpenGadgetList(IncidentInfoContainer);
  // A box lower than the font's lines would cut the text: the first is, so it gets the height its text
  // takes.
  for (const InfoRow& row : kInfo)
    Text(0, DY(row.y), DX(row.w), std::max(DY(row.h), TextHeightIn(38, DX(row.w), row.text)), row.text, 0,
         PageColour, kBlack, 38);
  IncidentLearnMoreLink =
      Text(0, DY(40), DX(600), DY(30), "Learn more", fl::kClickable, PageColour, LinkColour, 4);
  pf::CloseGadgetList();
}

// A hidden record panel with its close mark; left open for its contents.
// A header as wide as the panel goes in before the "X", which must stay on top of it to take clicks.
int OpenRecordPanel(int& closeText, const char* wideHeader = nullptr) {
  const int panel = pf::ContainerGadget(AutoNumber, DX(400), Title() + DY(50), DX(600), DY(408), fl::kBorder);
  pf::SetGadgetColour(panel, BackColourType, BlueGreyColour);
  pf::HideGadget(panel, true);
  pf::OpenGadgetList(panel);
  if (wideHeader) Text(0, 0, DX(600), DY(17), wideHeader, fl::kVCentre, BlueGreyColour, kBlack, 14);
  closeText = Text(DX(579), 0, DX(20), DY(15), "X", fl::kCentre | fl::kClickable, BlueGreyColour, kBlack, 5);
  return panel;
}

int RecordList(int x, int y, int w, int h, int firstColumnWidth) {
  const int list = pf::ListViewGadget(AutoNumber, x, y, w, h, "", firstColumnWidth,
                                      fl::kNoHeader | fl::kAlwaysShowSelection);
  SetGadgetColours(list, BlueGreyColour, kBlack, 18);
  return list;
}

// The stored incidents or stored summaries: four header texts over a four-column list.
int RecordPanel(int& closeText, int& list, const char* hint) {
  const int panel = OpenRecordPanel(closeText);
  const char* const headers[] = {"Incident #", "Alternate #", "Date", "Description"};
  const int xs[] = {2, DX(103) + 6, DX(206) + 6, DX(346) + 6};
  for (int k = 0; k < 4; ++k)
    Text(xs[k], 0, DX(100), DY(17), headers[k], fl::kVCentre, BlueGreyColour, kBlack, 14);
  const int inner = pf::ContainerGadget(AutoNumber, 0, DY(20), DX(600), DY(400));
  pf::SetGadgetColour(inner, BackColourType, BlueGreyColour);
  pf::OpenGadgetList(inner);
  list = RecordList(0, 0, DX(597), DY(291), DX(103));
  pf::AddListViewColumn(list, -1, "", DX(103));
  pf::AddListViewColumn(list, -1, "", DX(140));
  pf::AddListViewColumn(list, -1, "", DX(597) - DX(346) - 18);
  pf::CloseGadgetList();
  if (hint) Text(DX(10), DY(408) - DY(70), DX(580), DY(70), hint, 0, BlueGreyColour, kBlack, 14);
  pf::CloseGadgetList();
  return panel;
}

void BuildExamplePanel() {
  IncidentExampleContainer = OpenRecordPanel(IncidentExampleCloseText, " Incident Description");
  ExampleIncidentList = RecordList(0, DY(20), DX(598), DY(388), DX(595));
  for (const char* example : kExamples) pf::AddGadgetItem(ExampleIncidentList, -1, example);
  pf::CloseGadgetList();
  const pf::Rect row = pf::GadgetItemRect(ExampleIncidentList, 0);
  ListRowHeight = row.h;
}

// The stored-record lists show 17.6 rows of the example list's height, whatever the screen.
void SizeToRows(int list) {
  pf::ResizeGadget(list, IgnoreValue, IgnoreValue, IgnoreValue, int(std::lround(17.6 * ListRowHeight + 2)));
}

}  // namespace

void BuildIncidentMenuPage() {
  const int w = pf::GadgetWidth(PageHolder), h = pf::GadgetHeight(PageHolder);
  IncidentMenuPage = pf::ContainerGadget(AutoNumber, 0, 0, w, h);
  pf::SetGadgetColour(IncidentMenuPage, BackColourType, PageColour);
  pf::OpenGadgetList(IncidentMenuPage);
  Text(0, 0, w, DY(35), "INCIDENT COST CALCULATOR", fl::kCentre | fl::kVCentre, BlueColour, OrangeColour,
       TitleFont ? TitleFont : 34);
  BuildTiles();
  BuildInfoPanel();
  IncidentPastContainer = RecordPanel(IncidentPastCloseText, IncidentList, kPastHint);
  BuildExamplePanel();
  SizeToRows(IncidentList);
  MIPastContainer = RecordPanel(MIPastCloseText, MISummaryList, nullptr);
  SizeToRows(MISummaryList);
  pf::CloseGadgetList();
}
