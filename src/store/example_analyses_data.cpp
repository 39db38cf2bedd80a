#include "store/example_analyses_data.h"

namespace {

constexpr unsigned All = kExampleAll, BA = kExampleBA, CG = kExampleCG, PI = kExamplePI, Two = BA | CG;

constexpr ExampleCell kCells[] = {
    // Step 1.
    {All, 8, 2, 1, 2, "Lift Study at Car Plant"},
    {All, 8, 3, 1, 2,
     "ergonomics program consisting of engineering controls and workstation modification following "
     "ergonomics "
     "evaluation"},
    {All, 8, 4, 1, 2,
     "modification to workstations, adjustable chairs, conveyors, lift tables, anti-fatigue matting and "
     "catwalks"},
    {All, 8, 5, 1, 2, "manufacturing plant"},
    {All, 8, 6, 1, 2, "assembly line workers"},
    {All, 8, 7, 1, 2, "full-time, part-time"},
    {All, 8, 9, 1, 2, "reduced injuries due to lift-related strains"},
    {All, 8, 10, 1, 2, "increased productivity"},
    {CG, 8, 11, 1, 2, "sister plant"},
    // Step 3: the retrieved totals, or the potential analysis's grid entries.
    {Two, 6, 11, 1, 2, "4"},
    {Two, 6, 11, 2, 2, "3"},
    {Two, 6, 12, 1, 2, "10,000"},
    {Two, 6, 12, 2, 2, "6,000"},
    {PI, 6, 21, 1, 2, "4"},
    {PI, 6, 21, 2, 1, "3"},
    {PI, 6, 22, 1, 2, "7,097.50"},
    {PI, 6, 22, 2, 1, "3,548.50"},
    {PI, 6, 23, 1, 2, "3,548.50"},
    {PI, 6, 23, 2, 1, "3,548.50"},
    // Step 4: details and amounts.
    {All, 5, 3, 1, 2, "chairs, conveyors, lift tables, anti-fatigue matting, grabbers, catwalks"},
    {All, 5, 3, 2, 2, "10200"},
    {All, 5, 4, 1, 2, "workstation modification, conveyors, lift tables, catwalks"},
    {All, 5, 4, 2, 2, "5250"},
    {All, 5, 5, 1, 2, "miscellaneous materials"},
    {All, 5, 5, 2, 2, "500"},
    {All, 5, 6, 1, 2, "power"},
    {All, 5, 6, 2, 2, "500"},
    {All, 5, 7, 1, 2, "conveyors, lift tables"},
    {All, 5, 7, 2, 2, "1000"},
    {All, 5, 8, 1, 2, "old chairs"},
    {All, 5, 8, 2, 2, "150"},
    {All, 5, 11, 2, 2, "2000"},
    {All, 5, 12, 2, 2, "2000"},
    {All, 5, 14, 1, 2, "head office, plant management, finance, consultant meetings"},
    {All, 5, 14, 2, 2, "653"},
    {All, 5, 15, 1, 2, "staff meetings"},
    {All, 5, 15, 2, 2, "500"},
    {All, 5, 18, 1, 2, "consultant services"},
    {All, 5, 18, 2, 2, "3500"},
    // Step 5.
    {All, 4, 2, 1, 2, "5"},
    // Step 6: turnover.
    {All, 3, 2, 1, 2, "4000"},
    {Two, 3, 2, 2, 2, "1000"},
    {All, 3, 3, 1, 2, "500"},
    {Two, 3, 3, 2, 2, "200"},
    {PI, 3, 4, 1, 2, "5"},
    {PI, 3, 4, 2, 2, "less need for temporary workers"},
    // Step 7: the claim costs of the industry-code line and assessable payrolls ("0 " as the example has it).
    {All, 2, 8, 1, 1, "4000"},
    {Two, 2, 8, 1, 2, "1000"},
    {PI, 2, 8, 1, 2, "419"},
    {Two, 2, 15, 1, 2, "12000"},
    {Two, 2, 18, 1, 2, "0 "},
    {PI, 2, 17, 1, 2, "5"},
    {PI, 2, 18, 1, 2, "12000"},
    {PI, 2, 21, 1, 2, "0 "},
    // Step 8: the counts and hours a retrieval would have written.
    {Two, 1, 4, 1, 2, "2"},
    {Two, 1, 4, 2, 2, "2"},
    {Two, 1, 5, 1, 2, "2"},
    {Two, 1, 5, 2, 2, "1"},
    {Two, 1, 6, 1, 2, "225"},
    {Two, 1, 6, 2, 2, "150"},
    {Two, 1, 7, 1, 2, "450"},
    {Two, 1, 7, 2, 2, "100"},
};

constexpr ExampleGroup kGroups[] = {
    {"assemblers", {"10", "20000", "30.20", "2000", "45.30"}, {"10", "30000", "30.20", "3000", "45.30"}},
    {"welders", {"8", "18000", "32.25", "1200", "47.50"}, {"8", "27000", "32.25", "1800", "47.50"}},
    {"drillers", {"12", "16000", "31.50", "1000", "46.75"}, {"12", "24000", "31.50", "1500", "46.75"}},
};

}  // namespace

std::span<const ExampleCell> ExampleAnalysisCells() { return kCells; }
std::span<const ExampleGroup> ExampleAnalysisGroups() { return kGroups; }
