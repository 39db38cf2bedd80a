// The row kinds of the three modules. A kind number is the contract between a module's page builder and
// its row builder; the same number may build another row in another module.
#include <map>

#include "analysis/rows/row_description.h"

namespace {

using K = ValueKind;
using G = GridUnit;
using L = LabelStyle;

RowDescription Heading(bool border) {
  return {.shape = Shape::Heading, .height = 35, .border = border, .label = {.w = 1000}};
}

RowDescription Pair(ValueKind kind, int w, LabelSpec label = {}) {
  RowDescription s{.label = label, .values = {{1, 600, w, kind}, {2, 820, w, kind}}};
  if (kind == K::Computed) {
    s.valueY = 18;
    s.valueText = "0";
    s.valueFont = s.unitFont = 14;
  }
  return s;
}

RowDescription NumberInputs(int labelW, bool wrapped) {
  RowDescription s = Pair(K::NumberInput, 70);
  s.requiredMark = true;
  if (wrapped) {
    s.label = {.y = 7, .w = labelW, .h = 55, .style = L::Wrapped};
    s.values[1].suffixW = 60;
  }
  return s;
}

RowDescription ComputedPair(int x1, int x2, int w, LabelSpec label = {}) {
  RowDescription s = Pair(K::Computed, w, label);
  s.values[0].x = x1;
  s.values[1].x = x2;
  return s;
}

RowDescription SummaryPair(int labelW, int prefix1Dx) {
  RowDescription s = ComputedPair(600, 820, 100, {.w = labelW});
  s.values[0].prefixDx = prefix1Dx;
  return s;
}

RowDescription SecondColumn(bool zeroCell) {
  RowDescription s = Pair(K::Computed, 100);
  s.values.erase(s.values.begin());
  if (zeroCell) s.zeroCells = {{1, 2, 0, 0, true}};
  return s;
}

RowDescription CostRow() {
  RowDescription s{.label = {.x = 30, .w = 400}};
  s.values = {{1, 475, 240, K::TextInput, false}, {2, 820, 70, K::NumberInput}};
  return s;
}

RowDescription Result(int w, const char* text, bool firstHidden) {
  RowDescription s = SecondColumn(false);
  s.label.w = 650;
  s.values[0].w = w;
  s.valueText = text;
  if (firstHidden) s.zeroCells.push_back({1, 2, 870, 18});
  s.zeroCells.push_back({2, 1, 870, 18});
  return s;
}

RowDescription Turnover(int height, LabelSpec label, int fieldY, int fieldW, int prefixY) {
  RowDescription s = Pair(K::NumberInput, fieldW, label);
  s.height = height;
  s.valueY = fieldY;
  s.prefixY = prefixY;
  return s;
}

RowDescription PITurnover() {
  RowDescription s = Turnover(70, {.y = 5, .w = 400, .h = 80, .style = L::Wrapped}, 20, 100, 23);
  s.values = {{1, 470, 100}};
  s.suffixY = 22;
  s.justificationWhenRequired = true;
  return s;
}

RowDescription Totals(int x1, int x2, int w, LabelSpec label) { return ComputedPair(x1, x2, w, label); }

RowDescription Text(Shape shape, int height, int labelW, int fieldX, int noticeX = 0) {
  return {.shape = shape, .height = height, .label = {.w = labelW}, .fieldX = fieldX, .noticeX = noticeX};
}

RowDescription Dates(std::vector<BoxSpec> pickers, bool single) {
  return {.shape = Shape::PeriodDates, .boxes = pickers, .monthMask = single, .hiddenSecondPicker = single};
}

RowDescription DateTexts(int height, int font, int y, std::vector<BoxSpec> texts) {
  return {.shape = Shape::DateTexts, .height = height, .label = {.font = font}, .fieldY = y, .boxes = texts};
}

RowDescription Group(int captionX, int fieldW, const char* replacement) {
  return {.shape = Shape::GroupSelector,
          .height = 30,
          .label = {.w = 270},
          .fieldW = fieldW,
          .captionX = captionX,
          .replacement = replacement};
}

RowDescription List(int panelH, int labelH, int listH, const std::vector<CategoryEntry>* list,
                    const char* all, std::vector<BoxSpec> boxes, bool stub, int listY = 10) {
  return {.shape = Shape::CriteriaList,
          .height = panelH,
          .label = {.h = labelH},
          .boxes = boxes,
          .listY = listY,
          .listH = listH,
          .category = list,
          .allText = all,
          .stub = stub};
}

RowDescription Retrieve(int buttonX, int x, int y, int w, int h, const char* text) {
  return {.shape = Shape::Retrieve,
          .fieldX = buttonX,
          .statusX = x,
          .statusY = y,
          .statusW = w,
          .statusH = h,
          .statusText = text};
}

RowDescription Grid(int height, LabelSpec label, std::vector<std::pair<int, GridUnit>> cells, int cellY = 7) {
  label.font = 54;
  return {.shape = Shape::GridRow,
          .height = height,
          .border = false,
          .label = label,
          .gridCells = cells,
          .cellY = cellY};
}

LabelSpec Centred(int w, bool recorded = true) { return {.w = w, .recorded = recorded}; }
LabelSpec Wrapped(int y, int w) { return {.y = y, .w = w, .style = L::Wrapped}; }

RowDescription Step7(Shape shape, int labelW = 550) {
  return {.shape = shape,
          .height = shape == Shape::YearField || shape == Shape::IndustryCombo ? 55 : 35,
          .label = {.x = 30, .w = labelW}};
}

// Every module builds these kinds the same way, up to the module-specific numbers passed in.
using Table = std::map<int, RowDescription>;

void Common(Table& t, Module m) {
  const bool pi = m == Module::PI, cg = m == Module::CG;
  t[1] = NumberInputs(500, false);
  t[1].readOnlyOnGroupInputs = pi;
  t[6] = Pair(K::Computed, 100);
  t[6].values[0].suffixW = t[6].values[1].suffixW = 50;
  t[7] = Group(cg ? 390 : 415, m == Module::BA ? 390 : 400,
               cg ? "Occupation of workers" : "Occupation of workers:");
  t[10] = Text(Shape::FreeText, 50, cg ? 400 : 380, cg ? 430 : 400);
  t[20] = Heading(!pi);
  t[36] = SummaryPair(m == Module::BA ? 560 : 550, -5);
  t[43] = Text(Shape::SingleText, 55, 430, cg ? 430 : 400, pi ? 600 : 650);
  t[48] = CostRow();
  t[49] = Result(cg ? 145 : 100, m == Module::BA ? "0.00" : "0", !pi);
  t[81] = SecondColumn(m == Module::BA);
  t[85] = {.shape = Shape::SensitivityHeader, .height = 35, .variant = m == Module::BA ? 0 : 1};
  t[86] = {.shape = Shape::ResultBoxes};
  t[99] = {.shape = Shape::Line};
  t[100] = {.shape = Shape::Gap};
  t[155] = {.shape = Shape::ClaimsValues, .height = 35, .border = false};
  t[156] = {.shape = Shape::ClaimsHeader, .height = 35, .border = false};
  t[157] = {.shape = Shape::ClaimsCaption, .height = 35, .border = false};
  t[160] = {.shape = Shape::GridHeader, .height = 75, .border = false};
  t[182] = DateTexts(55, 17, 15,
                     m == Module::BA ? std::vector<BoxSpec>{{1, 230, 375}, {2, 630, 375}}
                     : cg            ? std::vector<BoxSpec>{{1, 500, 500}}
                                     : std::vector<BoxSpec>{{1, 600, 400}});

  const std::vector<BoxSpec> lists = m == Module::BA ? std::vector<BoxSpec>{{1, 230, 375}, {2, 630, 375}}
                                     : cg            ? std::vector<BoxSpec>{{1, 500, 500}}
                                                     : std::vector<BoxSpec>{{1, 600, 400}};
  const bool single = m != Module::BA;
  t[17] = List(120, 120, 103, &IncidentTypeList, "ALL TYPES", lists, single);
  t[44] = pi   ? List(210, 130, 190, &InjuryNatureList, "ALL NATURES", lists, true)
          : cg ? List(220, 220, 203, &InjuryNatureList, "ALL NATURES", lists, true)
               : List(210, 210, 190, &InjuryNatureList, "ALL NATURES", lists, false);
  t[171] = List(230, 140, 210, &BodyPartList, "ALL PARTS", lists, false);
  t[172] = List(220, 220, 203, &IncidentCauseList, "ALL CAUSES", lists, false);
  t[173] = List(120, 120, 103, &WorkerCategoryList, "ALL CATEGORIES", lists, false);
  t[80] = List(130, 130, 103, nullptr, "", cg ? std::vector<BoxSpec>{{1, 500, 235}, {2, 767, 235}} : lists,
               pi, 15);

  t[46] = m == Module::BA ? Retrieve(380, 10, 15, 350, 25, "* Incidents successfully retrieved (see below) *")
          : cg            ? Retrieve(500, 0, 15, 500, 30, "* Incidents successfully retrieved *")
                          : Retrieve(500, 0, 10, 500, 35, "* Incidents successfully retrieved *");

  // The grid rows that every module numbers alike.
  t[161] =
      Grid(35, Centred(230), {{1, G::Plain}, {2, G::Plain}, {3, G::Plain}, {4, G::Plain}, {5, G::Plain}});
  t[162] = Grid(35, Centred(230), {{1, G::Hours}, {3, G::Hours}});
  t[163] = Grid(35, pi ? Wrapped(3, 110) : Centred(230), {{1, G::Hours}, {2, G::Hours}, {3, G::Hours}});
  t[165] = Grid(35, Centred(200, false), {{0, G::Plain}, {1, G::Dollar}, {2, G::Dollar}});
  t[166] = pi ? Grid(52, Wrapped(4, 140), {{2, G::Dollar}, {4, G::Dollar}, {5, G::Dollar}}, 12)
              : Grid(52, Wrapped(3, 130), {{2, G::Dollar}, {4, G::Dollar}, {5, G::Dollar}}, 15);
  t[166].label.recorded = false;
  t[167] = Grid(35, pi ? LabelSpec{.w = 130, .style = L::Wrapped} : Wrapped(3, 170),
                {{1, G::Plain}, {3, G::Plain}});
}

RowDescription WagesRow(LabelSpec label) { return Grid(35, label, {{1, G::Dollar}, {3, G::Dollar}}); }
RowDescription ModifiedWork(LabelSpec label) {
  return Grid(35, label, {{1, G::Dollar}, {2, G::Dollar}, {3, G::Dollar}});
}
RowDescription Percent(int height, LabelSpec label, int cellY) {
  return Grid(height, label, {{1, G::Percent}, {2, G::Percent}, {3, G::Percent}}, cellY);
}

Table BuildBA() {
  Table t;
  Common(t, Module::BA);
  t[3] = NumberInputs(500, true);
  t[47] = Totals(330, 760, 130, {});
  t[50] = Turnover(55, {.y = 7, .w = 500, .h = 55, .style = L::Wrapped}, 15, 100, 18);
  t[51] = Turnover(70, {.y = 5, .w = 500, .h = 80, .style = L::Wrapped}, 20, 100, 23);
  t[88] = Dates({{1, 600, 120}, {2, 820, 120}}, false);
  t[89] = Step7(Shape::YearField);
  t[90] = Step7(Shape::IndustryCombo, 550);
  t[91] = {.shape = Shape::RateBlock, .height = 630, .border = false};
  t[164] = WagesRow(Centred(200));
  t[168] = WagesRow(Wrapped(3, 200));
  t[169] = ModifiedWork(Centred(200));
  t[183] = DateTexts(35, 54, 7, {{1, 230, 375}, {2, 630, 375}});
  t[184] = Percent(35, Wrapped(4, 200), 7);
  t[185] = Totals(330, 760, 130, {.y = 3, .w = 270, .style = L::Wrapped});
  return t;
}

Table BuildCG() {
  Table t;
  Common(t, Module::CG);
  t[3] = NumberInputs(450, true);
  t[35] = ComputedPair(600, 820, 100, {.y = 8, .w = 500, .h = 40, .style = L::Wrapped});
  t[35].values[0].prefixDx = -5;
  t[47] = Totals(600, 820, 100, {});
  t[51] = Turnover(70, {.y = 5, .w = 500, .h = 80, .style = L::Wrapped}, 20, 145, 23);
  t[89] = Step7(Shape::YearField);
  t[90] = Step7(Shape::IndustryCombo, 455);
  t[91] = {.shape = Shape::RateBlock, .height = 630, .border = false};
  t[164] = WagesRow(Centred(200));
  t[168] = Totals(400, 800, 100, {.w = 500});
  t[169] = Totals(400, 800, 100, {.y = 5, .w = 270, .style = L::Wrapped});
  t[183] = DateTexts(35, 54, 7, {{1, 400, 400}});
  t[184] = WagesRow(Wrapped(3, 200));
  t[185] = ModifiedWork(Centred(200));
  t[186] = Percent(35, Wrapped(4, 200), 7);
  t[201] = Dates({{1, 600, 400}}, true);
  t[801] = List(130, 130, 103, nullptr, "", {{1, 500, 500}}, false, 15);
  t[802] = {.shape = Shape::HeaderStrip, .height = 30};
  return t;
}

Table BuildPI() {
  Table t;
  Common(t, Module::PI);
  t[2] = Dates({{1, 600, 400}}, true);
  t[91] = PITurnover();
  t[158] = {.shape = Shape::RateBlock, .height = 630, .border = false};
  t[168] = Totals(370, 730, 100, {.w = 500});
  t[169] = Totals(370, 730, 100, {.y = 3, .w = 270, .style = L::Wrapped});
  t[184] = WagesRow(Wrapped(3, 135));
  t[185] = ModifiedWork(Wrapped(3, 110));
  t[186] = Percent(52, Wrapped(4, 130), 15);
  t[187] = Step7(Shape::YearField);
  t[188] = Step7(Shape::IndustryCombo, 455);
  return t;
}

}  // namespace

const RowDescription* FindRowDescription(Module module, int kind) {
  // Built on first use: the category lists they point to are filled at start-up.
  static const Table tables[3] = {BuildBA(), BuildCG(), BuildPI()};
  const Table& t = tables[int(module)];
  const auto it = t.find(kind);
  return it == t.end() ? nullptr : &it->second;
}
