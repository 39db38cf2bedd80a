#include "shell/global_tables.h"

namespace {

struct CategoryRow {
  const char* name;
  int code;
};

// Display order is the order of these rows, not the order of the codes.
constexpr CategoryRow kIncidentTypes[] = {
    {"work injury/illness (lost-time)", 0},
    {"work injury/illness including first aid (no-lost-time)", 1},
    {"general sickness absence (lost-time)", 2},
    {"near miss", 3},
    {"other", 99},
};
constexpr CategoryRow kInjuryNatures[] = {
    {"wounds (e.g. cuts, punctures, abrasions etc.)", 4},
    {"gradual onset of muscle/tissue injury (e.g. MSDs, strain)", 12},
    {"traumatic muscle/tissue injury (e.g. sprains, tears, bruises)", 1},
    {"traumatic bone/nerve/spine injury", 0},
    {"burns/scalds", 6},
    {"disorder/disease of body systems e.g. blood, skin, cardiovascular", 2},
    {"mental disorders", 3},
    {"environmental trauma  (e.g. reaction to allergens, sun, cold, insect bites etc.)", 7},
    {"other injury/illness", 99},
    {"multiple", 9},
    {"unknown", 10},
    {"not applicable", 11},
};
constexpr CategoryRow kBodyParts[] = {
    {"head", 0},
    {"neck/throat", 1},
    {"face/nose/mouth", 7},
    {"eyes/ears", 8},
    {"back", 9},
    {"chest", 10},
    {"abdomen", 11},
    {"pelvis", 12},
    {"upper extremities", 3},
    {"lower extremities", 4},
    {"body systems", 5},
    {"multiple body parts", 6},
    {"other", 99},
};
constexpr CategoryRow kIncidentCauses[] = {
    {"struck by or against object/equipment", 0},
    {"caught in equipment/objects", 1},
    {"slip, trip, fall", 2},
    {"overexertion", 3},
    {"exposure to harmful substances", 4},
    {"environmental exposure", 5},
    {"motor vehicle incident", 6},
    {"repetition", 7},
    {"assault", 8},
    {"fire/explosion", 9},
    {"other", 99},
    {"unknown", 10},
    {"not applicable", 11},
};
constexpr CategoryRow kWorkerCategories[] = {
    {"full-time permanent", 0},
    {"part-time permanent", 1},
    {"full-time temporary", 2},
    {"part-time temporary", 3},
    {"casual", 4},
    {"other/multiple", 99},
};

template <std::size_t N>
void Fill(std::vector<CategoryEntry>& list, const CategoryRow (&rows)[N]) {
  for (const auto& r : rows) AddCategory(list, r.name, r.code);
}

}  // namespace

void AddCategory(std::vector<CategoryEntry>& list, const std::string& name, int code) {
  list.push_back(CategoryEntry{name, code});
}

void SetColourPalette() {
  using pf::MakeRgb;
  PageColour = MakeRgb(239, 237, 224);
  LightGreyColour = MakeRgb(235, 236, 237);
  GreyColour = MakeRgb(200, 200, 200);
  DarkGreyColour = MakeRgb(150, 150, 150);
  BlueGreyColour = MakeRgb(194, 211, 220);
  CalculatedColour = BlueGreyColour;
  IncidentCalculatedColour = BlueGreyColour;
  MidBlueColour = MakeRgb(102, 154, 204);
  SlateBlueColour = MakeRgb(50, 100, 155);
  LightGreenColour = MakeRgb(210, 230, 210);
  OrangeColour = MakeRgb(247, 153, 57);
  BarOrangeColour = MakeRgb(248, 154, 49);
  BlueColour = MakeRgb(0, 52, 171);
  DarkBlueColour = MakeRgb(33, 64, 146);
  RequiredFieldColour = MakeRgb(255, 255, 200);
  RowColourA = PageColour;
  RowColourB = LightGreyColour;
  CompanyNameColour = MakeRgb(46, 51, 52);
  HeadingGreyColour = MakeRgb(85, 85, 85);
  HeaderCellColour = HeadingGreyColour;
  NumberFieldColour = MakeRgb(254, 254, 254);
  BlankNumberFieldColour = MakeRgb(253, 253, 253);
  LinkColour = MakeRgb(0, 0, 255);
}

void CreateGlobalLists() {
  GadgetProperties.clear();
  BAIndustryCodes.assign(2, IndustryCodeEntry{});
  BAIndustryCodesSummary.clear();
  CGIndustryCodes.assign(3, IndustryCodeEntry{});
  CGIndustryCodesSummary.clear();
  PIIndustryCodes.assign(2, IndustryCodeEntry{});
  PIIndustryCodesSummary.clear();
}

void BuildCategoryLists() {
  Fill(IncidentTypeList, kIncidentTypes);
  Fill(InjuryNatureList, kInjuryNatures);
  Fill(BodyPartList, kBodyParts);
  Fill(IncidentCauseList, kIncidentCauses);
  Fill(WorkerCategoryList, kWorkerCategories);
}
