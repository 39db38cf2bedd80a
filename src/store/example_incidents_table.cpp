// The values of the six example incidents, cell by cell, in the order of the example list's rows.
#include "store/example_incidents.h"

namespace {

constexpr const char* kKeep = nullptr;  // the example leaves the cell as a new incident has it

const ExampleIncident kExamples[kExampleIncidentCount] = {
    {"Cook burns foot with oil", "A short-order cook suffers a burn after spilling hot oil on his foot"},
    {"Cashier traumatized by armed robber", "A cashier is traumatized when an armed robbery takes place"},
    {"Room attendant sprains back",
     "A hotel room attendant sprains her back while trying to lift a heavy table"},
    {"Worker suffers crushed leg",
     "A stone worker suffers a crushed leg when a heavy stone block falls on him"},
    {"Worker suffers head injuries from fall",
     "An automotive plant worker suffers head injuries after slipping on a greasy floor"},
    {"Worker hit by fork truck", "A worker is accidentally hit by a forklift"},
};

const char* const kManaging = "Time spent managing the injury claim";

// clang-format off
const ExampleIncidentText kTexts[] = {
    // Step 1: the incident and the worker.
    {0, 3, 2, {"04376", "07823", "04333", "04376", "052195", "03328"}},
    {0, 6, 2, {kExamples[0].description, kExamples[1].description, kExamples[2].description,
               kExamples[3].description, kExamples[4].description, kExamples[5].description}},
    {0, 7, 2, {"2485", "2285", "8731", "135", "172", "351"}},
    {0, 14, 2, {"kitchen", "sales floor", "maintenance", "stoneworks", "assembly line", "production"}},
    {0, 12, 2, {"cook", "cashier", "attendant", "stone worker", "plant worker", "machinist"}},
    {0, 15, 2, {"none", "none", "none", "none", "none", "none"}},
    // Step 2: immediate costs.
    {1, 2, 2, {"1", kKeep, "0.25", "3", "1.5", "4.5"}},
    {1, 2, 3, {"13.35", kKeep, "13.40", "21.50", "25.00", "16.75"}},
    {1, 3, 2, {"3.5", kKeep, "3.5", "4", "4", kKeep}},
    {1, 3, 3, {"13.35", kKeep, "25.00", "21.50", "25.00", kKeep}},
    {1, 4, 2, {"1", kKeep, "0", "0", "0", "0"}},
    {1, 4, 3, {"10.55", kKeep, "0", "0", "0", "0"}},
    {1, 6, 2, {"3", "32", kKeep, "12", "13", "3"}},
    {1, 6, 3, {"10.55", "12.50", kKeep, "21.50", "25.00", "16.75"}},
    {1, 7, 2, {"4", "4", kKeep, "1", "1", "2"}},
    {1, 7, 3, {"25.00", "25.00", kKeep, "65.70", "88.20", "63.45"}},
    {1, 8, 4, {"10.00", kKeep, "10.00", "85.00", "35.00", "25.00"}},
    {1, 9, 4, {"20.00", kKeep, "25.00", "75.00", "75.00", kKeep}},
    // Step 3: investigation.
    {2, 2, 2, {"1", "2.5", "1", "3", "2", "2"}},
    {2, 2, 3, {"25.00", "25.00", "25.00", "44", "44", "44"}},
    {2, 4, 2, {"1", "1", "1", "3", "1", "2"}},
    {2, 4, 3, {"25.00", "25.00", "25.00", "65.70", "88.20", "63.45"}},
    {2, 5, 2, {"1", "1.5", "1", "2", "6", "2"}},
    {2, 5, 3, {"25.00", "25.00", "25.00", "65.70", "88.20", "63.45"}},
    {2, 8, 2, {"1", "4.5", "3", "9", kKeep, "3"}},
    {2, 8, 3, {"10.55", "12.50", "13.40", "21.50", kKeep, "16.75"}},
    {2, 9, 2, {"0.5", "0.5", "0.5", "1", kKeep, "1"}},
    {2, 9, 3, {"25.00", "25.00", "25.00", "65.70", kKeep, "63.45"}},
    {2, 10, 2, {"long distance call to equipment manufacturer", kKeep, kKeep, kKeep, kKeep, kKeep}},
    {2, 10, 4, {"7.50", kKeep, kKeep, kKeep, kKeep, kKeep}},
    // Step 4: damage.
    {3, 2, 2, {"1", kKeep, kKeep, "2", kKeep, kKeep}},
    {3, 2, 3, {"25.00", kKeep, kKeep, "21.50", kKeep, kKeep}},
    {3, 3, 2, {"1", kKeep, kKeep, kKeep, kKeep, kKeep}},
    {3, 3, 3, {"25.00", kKeep, kKeep, kKeep, kKeep, kKeep}},
    {3, 4, 2, {kKeep, kKeep, kKeep, "1", kKeep, "3"}},
    {3, 4, 3, {kKeep, kKeep, kKeep, "65.70", kKeep, "63.45"}},
    {3, 6, 4, {kKeep, kKeep, kKeep, "350.00", kKeep, "1500.00"}},
    {3, 7, 4, {kKeep, kKeep, kKeep, kKeep, kKeep, "300.00"}},
    {3, 8, 4, {"50.00", kKeep, kKeep, "500.00", kKeep, "950.00"}},
    // Step 5: overtime and replacement.
    {4, 2, 2, {kKeep, "16", kKeep, "4", kKeep, "3"}},
    {4, 2, 3, {kKeep, "25.00", kKeep, "65.70", kKeep, "63.45"}},
    {4, 3, 2, {"1", "3", kKeep, kKeep, "10", kKeep}},
    {4, 3, 3, {"13.35", "25.00", kKeep, kKeep, "44", kKeep}},
    {4, 4, 2, {kKeep, "16", "1", "8", kKeep, kKeep}},
    {4, 4, 3, {kKeep, "25.00", "25.00", "21.50", kKeep, kKeep}},
    {4, 5, 2, {kKeep, "16", "1", "8", kKeep, kKeep}},
    {4, 5, 3, {kKeep, "12.50", "13.40", "21.50", kKeep, kKeep}},
    {4, 10, 4, {kKeep, kKeep, kKeep, "300.00", kKeep, "300.00"}},
    // Step 6: claim, absence, modified work and disability management.
    {5, 29, 3, {"250", "575", "625", "8126", "560", "380"}},
    {5, 30, 3, {"919", "641", "921", "485", "419", "485"}},
    {5, 14, 2, {"20", "36", "40", "37.5", "15", "16"}},
    {5, 14, 3, {"10.55", "12.50", "13.40", "21.5", "25.00", "16.75"}},
    {5, 15, 3, {"15", "10", "15", "5", kKeep, kKeep}},
    {5, 16, 3, {"85", "85", "85", "95", "100", "100"}},
    {5, 21, 2, {kKeep, kKeep, "24", "75", kKeep, kKeep}},
    {5, 21, 3, {kKeep, kKeep, "13.40", "21.5", kKeep, kKeep}},
    {5, 22, 3, {kKeep, kKeep, "100", "50", kKeep, kKeep}},
    {5, 23, 3, {kKeep, kKeep, kKeep, "50", kKeep, kKeep}},
    {5, 28, 3, {kKeep, kKeep, "75", "50", kKeep, kKeep}},
    {5, 2, 2, {"1.5", kKeep, kKeep, "5.5", "2", kKeep}},
    {5, 2, 3, {"25.00", kKeep, kKeep, "65.70", "88.20", kKeep}},
    {5, 5, 2, {kManaging, kManaging, kManaging, kManaging, kManaging, kManaging}},
    {5, 5, 4, {"50.00", "125.00", "50.00", "1642.50", "150.00", "634.50"}},
    // Step 7: the business.
    {6, 2, 4, {"3", "4", "10", "8.1", "8", "10"}},
    {6, 3, 4, {"2740.00", "8219.00", "9905.00", "6500.00", "7500.00", "10000.00"}},
    {6, 4, 4, {"1879", "1879", "1879", "1879", "1879", "1879"}},
};

constexpr ExampleIncidentPick Item(int position, const char* name) { return {name, position}; }

const char* const kLostTime = "work injury/illness (lost-time)";
const char* const kSprain = "traumatic muscle/tissue injury (e.g. sprains, tears, bruises)";
const char* const kFullTime = "full-time permanent";

const ExampleIncidentChoice kChoices[] = {
    {5, &IncidentTypeList,
     {{{kLostTime}, {kLostTime}, {kLostTime}, {kLostTime}, {kLostTime},
       {"work injury/illness including first aid (no-lost-time)"}}}},
    {8, &InjuryNatureList,
     {{{"burns/scalds"}, {"mental disorders"}, {kSprain}, {"multiple"}, {"traumatic bone/nerve/spine injury"},
       {kSprain}}}},
    {10, &BodyPartList,
     {{{"lower extremities"}, {"other"}, {"back"}, {"lower extremities"}, Item(0, "head"), {"upper extremities"}}}},
    {9, &IncidentCauseList,
     {{{"exposure to harmful substances"}, {"other"}, {"overexertion"}, {"struck by or against object/equipment"},
       Item(10, "other"), {"other"}}}},
    {13, &WorkerCategoryList,
     {{Item(0, kFullTime), Item(0, kFullTime), Item(0, kFullTime), Item(0, kFullTime), Item(0, kFullTime),
       Item(0, kFullTime)}}},
};
// clang-format on

}  // namespace

std::span<const ExampleIncident> ExampleIncidents() { return kExamples; }
std::span<const ExampleIncidentText> ExampleIncidentTexts() { return kTexts; }
std::span<const ExampleIncidentChoice> ExampleIncidentChoices() { return kChoices; }
