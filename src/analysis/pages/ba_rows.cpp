#include "analysis/pages/ba_rows.h"

#include "analysis/pages/ba_help_texts.h"

namespace {

// Columns: kind, storage row, label, back colour (nullptr alternates), y (design; kKeepY continues), dy,
// prefix, suffix, required (gap rows: the gap), help x, help raise, help text.
constexpr const Rgb* Alt = nullptr;
constexpr const Rgb* Heading = &HeadingGreyColour;
constexpr const Rgb* Total = &BlueGreyColour;
constexpr const Rgb* Green = &LightGreenColour;
constexpr const Rgb* Result = &MidBlueColour;
constexpr const Rgb* Page = &PageColour;
constexpr const Rgb* Grey = &GreyColour;
constexpr int K = kKeepY;
constexpr int None = kNoHelp;

constexpr AnalysisRow kStep1[] = {
    {43, 1, "Analysis number", Alt, 0, -1, "", "", -1, 360, 0, kBAHelp8_1},
    {43, 2, "Intervention name", Alt, K, -1, "", "", -1, 360, 0, kBAHelp8_2},
    {10, 3, "Brief summary of the intervention", Alt, K, -1, "", "", -1, 360, 0, kBAHelp8_3},
    {10, 4, "Key expenditures", Alt, K, -1, "", "", -1, 360, 0, kBAHelp8_4},
    {10, 5, "Department in which change will be made", Alt, K, -1, "", "", -1, 360, 0, kBAHelp8_5},
    {10, 6, "Occupational groups that will be affected", Alt, K, -1, "", "", -1, 360, 0, kBAHelp8_6},
    {10, 7, "Category of workers affected", Alt, K, -1, "", "", -1, 360, 0, kBAHelp8_7},
    {20, 8, "Types of changes expected", Alt, K, -1, "", "", -1},
    {10, 9, "Injuries, illnesses or other incidents", Alt, K, -1, "", "", -1, 360, 0, kBAHelp8_9},
    {10, 10, "Other expected changes", Alt, K, -1, "", "", -1, 360, 0, kBAHelp8_10},
};

constexpr AnalysisRow kStep2Dates[] = {
    {88, 2, "Start date of the 'before' and 'after' periods", &RowColourA, 0, -1, "", "", -1, 550, 0,
     kBAHelp7_2},
    {88, 3, "End date of the 'before' and 'after' periods", Alt, K, -1, "", "", -1, 550, 0, kBAHelp7_3},
    {7, 4, "Occupational group number", Heading, K, -1, "", "", -1, 340, 0, kBAHelp7_4},
};

constexpr AnalysisRow kStep2Groups[] = {
    {1, 5, "Number of workers in this occupational group", Alt, K, -1, "", "", -1, 550, 0, kBAHelp7_5},
    {3, 6, "Total regular hours worked by this occupational group during each period", Alt, K, -1, "",
     "hours", 1, 550, 0, kBAHelp7_6},
    {1, 7, "Regular wage rate per hour for this occupational group", Alt, K, -1, "$", "/hour", -1, 550, 0,
     kBAHelp7_7},
    {1, 8, "Total overtime hours of work for this occupational group", Alt, K, -1, "", "hours", 1, 550, 0,
     kBAHelp7_8},
    {1, 9, "Overtime wage rate per hour for this occupational group", Alt, K, -1, "$", "/hour", -1, 550, 0,
     kBAHelp7_9},
    {6, 17, "Total hours worked by this occupational group", Total, K, -1, "", "hours", -1},
    {6, 15, "Total paid labour cost for this occupational group", Total, K, -1, "$", "", -1},
    {6, 18, "Total hours worked by all groups during this period", Total, K, -1, "", "hours", -1},
    {6, 16, "Total labour cost for all groups", Total, K, -1, "$", "", -1},
};

constexpr AnalysisRow kStep3Criteria[] = {
    {182, 2, "Start date", Alt, 0, -1, "", "", -1, 190, 0, kBAHelp6_2_3},
    {182, 3, "End date", Alt, K, -1, "", "", -1, 190, 0, kBAHelp6_2_3},
    {17, 4, "Incident types", Alt, K, -1, "", "", -1, 190, 0, kBAHelp6_4},
    {44, 5, "Nature of injury/illness", Alt, K, -1, "", "", -1, 190, 0, kBAHelp6_5},
    {171, 9, "Body part affected", Alt, K, -1, "", "", -1, 190, 0, kBAHelp6_9},
    {172, 10, "Incident cause", Alt, K, -1, "", "", -1, 190, 0, kBAHelp6_10},
    {80, 7, "Occupational groups", Alt, K, -1, "", "", -1, 190, 0, kBAHelp6_7},
    {173, 14, "Category of worker", Alt, K, -1, "", "", -1, 190, 0, kBAHelp6_14},
    {80, 6, "Department", Alt, K, -1, "", "", -1, 190, 0, kBAHelp6_6},
};

// The gap left after the department lists takes the retrieve row, which is built after the totals.
constexpr AnalysisRow kStep3Totals[] = {
    {100, 8, "", Alt, K, -1, "", "", 54},
    {47, 11, "Total number of incidents included", Total, K, -1, "", "", -1},
    {47, 12, "Total cost of all incidents included", Total, K, -1, "$", "", -1, 550, 0, kBAHelp6_12},
    {47, 13, "Average cost per incident", Total, K, -1, "$", "", -1},
};

constexpr AnalysisRow kStep3SummaryDates[] = {
    {183, 18, "Start date", Alt, 30, -1, "", "", -1},
    {183, 19, "End date", Alt, K, -1, "", "", -1},
    {160, 20, "", Alt, K, 1, "", "", -1},
};

constexpr AnalysisRow kStep3Grid[] = {
    {161, 20, "Total number of incidents", Alt, 0, -1, "", "", -1, 220, 0, kBAHelp6_20},
    {162, 21, "Total absence time (hours)", Alt, K, -1, "", "", -1, 220, 0, kBAHelp6_21},
    {164, 23, "Total wage value of time off work", Alt, K, -1, "", "", -1, 220, 0, kBAHelp6_23},
    {168, 24, "Total wages paid by your workplace for time off work", Alt, K, -1, "", "", -1, 220, 0,
     kBAHelp6_24},
    {164, 25, "Total wage paid by short-term disability", Alt, K, -1, "", "", -1, 220, 0, kBAHelp6_25},
    {164, 26, "Total wage paid by long-term disability", Alt, K, -1, "", "", -1, 220, 0, kBAHelp6_26},
    {163, 22, "Total modified work time (hours)", Alt, K, -1, "", "", -1, 220, 0, kBAHelp6_22},
    {169, 33, "Total wage value of modified work", Alt, K, -1, "", "", -1, 220, 0, kBAHelp6_33},
    {184, 39, "Estimated value of worker output during time on modfied work (percent)", Alt, K, -1, "", "",
     -1, 220, 0, kBAHelp6_39},
    {165, 27, "Total WCB claim costs", Alt, K, -1, "", "", -1, 190, 0, kBAHelp6_27},
    {165, 28, "", Alt, K, -1, "", "", -1},
    {165, 29, "", Alt, K, -1, "", "", -1},
    {165, 30, "", Alt, K, -1, "", "", -1},
    {165, 31, "", Alt, K, -1, "", "", -1},
    {165, 32, "", Alt, K, -1, "", "", -1},
    {166, 34, "Average indirect cost for each no-lost-time, near misses and other incidents", Alt, K, -1, "",
     "", -1, 190, 0, kBAHelp6_34},
    {167, 35, "Indirect costs multiplier for time loss incidents", Alt, K, -1, "", "", -1, 190, 0,
     kBAHelp6_35},
    {99, 36, "", Alt, K, -1, "", "", -1},
    {47, 36, "Total number of incidents included", Total, K, -1, "", "", -1},
    {185, 37, "Total cost of all incidents (includes both direct and indirect costs)", Total, K, -1, "$", "",
     -1, 285, 0, kBAHelp6_37},
    {185, 38, "Average cost per incident (includes both direct and indirect costs)", Total, K, -1, "$", "",
     -1, 285, 0, kBAHelp6_38},
};

constexpr AnalysisRow kStep4[] = {
    {20, 2, "Equipment, material costs and operating costs", Heading, 0, -1, "", "", -1, 400, 0, kBAHelp5_2},
    {48, 3, "Equipment costs", Alt, K, -1, "$", "", -1, 400, 0, kBAHelp5_3},
    {48, 4, "Installation costs", Alt, K, -1, "$", "", -1, 400, 0, kBAHelp5_4},
    {48, 5, "Material costs", Alt, K, -1, "$", "", -1, 400, 0, kBAHelp5_5},
    {48, 6, "Energy costs", Alt, K, -1, "$", "", -1, 400, 0, kBAHelp5_6},
    {48, 7, "Maintenance costs", Alt, K, -1, "$", "", -1, 400, 0, kBAHelp5_7},
    {48, 8, "Disposal costs", Alt, K, -1, "$", "", -1, 400, 0, kBAHelp5_8},
    {48, 9, "Other costs", Alt, K, -1, "$", "", -1, 400, 0, kBAHelp5_9},
    {20, 10, "Intervention training costs", Heading, K, -1, "", "", -1},
    {48, 11, "Time spent training workers (trainer time)", Alt, K, -1, "$", "", -1, 400, 0, kBAHelp5_11_12},
    {48, 12, "Worker time spent in training (trainee time)", Alt, K, -1, "$", "", -1, 400, 0, kBAHelp5_11_12},
    {20, 13, "Intervention development costs", Heading, K, -1, "", "", -1},
    {48, 14, "Planning", Alt, K, -1, "$", "", -1, 400, 0, kBAHelp5_14},
    {48, 15, "Dissemination", Alt, K, -1, "$", "", -1, 400, 0, kBAHelp5_15},
    {48, 16, "Ongoing intervention activities", Alt, K, -1, "$", "", -1, 400, 0, kBAHelp5_16},
    {20, 17, "External costs", Heading, K, -1, "", "", -1},
    {48, 18, "Consulting", Alt, K, -1, "$", "", -1, 400, 0, kBAHelp5_18},
    {48, 19, "Other external costs", Alt, K, -1, "$", "", -1, 400, 0, kBAHelp5_19},
    {49, 20, "Total intervention costs", Total, K, -1, "$", "", -1},
};

constexpr AnalysisRow kStep5[] = {
    {49, 3, "Estimated value of productivity changes in the After Period", Total, 420, -1, "$", "", -1, 550,
     0, kBAHelp4_3},
};

constexpr AnalysisRow kStep6[] = {
    {51, 2,
     "What were the management, supervisory and human resource costs for recruitment and training of new "
     "workers "
     "associated with this department in the Before and After Period?",
     Alt, 0, -1, "$", "", -1, 550, 0, kBAHelp3_2},
    {50, 3,
     "What were the other costs associated with turnover in the Before and After Period (e.g. advertising, "
     "fees "
     "&& commissions)?",
     Alt, K, -1, "$", "", -1, 550, 0, kBAHelp3_3},
    {49, 5, "Change in turnover costs", Total, K, -1, "$", "", -1, 550, 0, kBAHelp3_5},
};

// Up to the rule below the industry-code row; the two step-7 placeholders go at the y below that row.
constexpr AnalysisRow kStep7Industry[] = {
    {20, 2, "Workers' compensation costs", Grey, 0, -1, "", "", -1},
    {89, 4, "Enter the calendar year in which you started the intervention:", Alt, K, -1, "", "", -1, 670, 0,
     kBAHelp2_4},
    {90, 3, "This calculation includes incidents from this industry code:", Alt, K, -1, "", "", -1, 670, 0,
     kBAHelp2_3},
    {99, 5, "", Alt, K, -1, "", "", -1},
};

constexpr AnalysisRow kStep7Rest[] = {
    {100, 5, "", Heading, K, -1, "", "", 27},
    {156, 6, "", Page, K, -1, "", "", -1},
    {157, 7, "", Page, K, -1, "", "", -1},
    {155, 8, "", Page, K, -1, "", "", -1},
    {100, 5, "", Heading, K, -1, "", "", 27},
    {91, 9, "", Page, K, -1, "", "", -1},
    {49, 24, "Estimated change in WCB premiums due to the intervention for this industry code:", Total, K, -1,
     "$", "", -1, 670, 0, kBAHelp2_24},
    {49, 25, "Estimated change in WCB premiums due to the intervention for all industry codes:", Total, K, -1,
     "$", "", -1, 670, 0, kBAHelp2_25},
    {100, 26, "", Heading, K, -1, "", "", 27},
    {20, 26, "Other insurance costs", Grey, K, -1, "", "", -1},
    {49, 26, "Change in short-term diability insurance costs", Total, K, -1, "$", "", -1},
    {49, 27, "Change in long-term diability insurance costs", Total, K, -1, "$", "", -1},
};

// Up to the rule after row 7; the heading of the scaled comparison goes into the gap that follows it.
constexpr AnalysisRow kStep8Labour[] = {
    {36, 2, "Length of time period", Total, 0, -1, "", "days", -1, 550, 0, kBAHelp1_2},
    {99, 3, "", Alt, K, -1, "", "", -1},
    {36, 3, "Total work hours", Green, K, -1, "", "hours", -1, 550, 0, kBAHelp1_3},
    {36, 8, "Total labour costs (After Period adjusted for productivity)", Green, K, -1, "$", "", -1, 550, 0,
     kBAHelp1_8},
    {99, 4, "", Alt, K, -1, "", "", -1},
    {36, 5, "Number of lost-time work injuries/illnesses", Total, K, -1, "", "", -1, 550, 0,
     kBAHelp1_5_4_21_22_23},
    {36, 4, "Number of no-lost-time work injuries/illnesses", Green, K, -1, "", "", -1, 550, 0,
     kBAHelp1_5_4_21_22_23},
    {36, 21, "Number of general sickness absences", Total, K, -1, "", "", -1, 550, 0, kBAHelp1_5_4_21_22_23},
    {36, 22, "Number of near misses", Green, K, -1, "", "", -1, 550, 0, kBAHelp1_5_4_21_22_23},
    {36, 23, "Number of other incidents", Total, K, -1, "", "", -1, 550, 0, kBAHelp1_5_4_21_22_23},
    {36, 6, "Absence time due to incidents", Green, K, -1, "", "hours", -1, 550, 0, kBAHelp1_6},
    {36, 7, "Modified work time due to incidents", Total, K, -1, "", "hours", -1, 550, 0, kBAHelp1_7},
    {99, 8, "", Alt, K, -1, "", "", -1},
};

// Up to row 17, the bottom of the separator between the columns.
constexpr AnalysisRow kStep8Results[] = {
    {100, 9, "", Alt, K, -1, "", "", 35},
    {36, 10, "Total work hours", Total, K, -1, "", "hours", -1, 550, 0, kBAHelp1_10},
    {36, 11, "Total labour costs", Green, K, -1, "$", "", -1, 550, 0, kBAHelp1_11},
    {36, 12, "Incident costs", Total, K, -1, "$", "", -1, 550, 0, kBAHelp1_12},
    {81, 13, "Intervention costs", Green, K, -1, "$", "", -1, 550, 0, kBAHelp1_13},
    {81, 14, "Changes in turnover costs", Total, K, -1, "$", "", -1, 550, 0, kBAHelp1_14},
    {81, 15, "Estimated change in workers' compensation insurance costs", Green, K, -1, "$", "", -1, 550, 0,
     kBAHelp1_15_16_17},
    {81, 16, "Estimated change in short-term disability insurance costs", Total, K, -1, "$", "", -1, 550, 0,
     kBAHelp1_15_16_17},
    {81, 17, "Estimated change in long-term disability insurance costs", Green, K, -1, "$", "", -1, 550, 0,
     kBAHelp1_15_16_17},
};

constexpr AnalysisRow kStep8Returns[] = {
    {99, 18, "", Alt, K, -1, "", "", -1},
    {85, 24, "", Alt, K, -1, "", "", -1},
    {86, 18, "Net return from the intervention", Result, K, -1, "$", "", -1, 550, 0, kBAHelp1_18},
    {86, 19, "Payback period in months for the intervention", Result, K, -1, "", "months", -1, 550, 0,
     kBAHelp1_19},
    {86, 20, "Benefit to cost ratio", Result, K, -1, "", "", -1, 550, 0, kBAHelp1_20},
};

// Placed by the page builder at the y below the rule after row 7.
constexpr AnalysisRow kStep8Heading[] = {
    {20, 9, "Work-time scaled comparison (scaled to the After period total work hours)", Total, K, -1, "", "",
     -1, 600, 0, kBAHelp1_9},
};

}  // namespace

namespace ba_rows {
const std::span<const AnalysisRow> Step1 = kStep1, Step2Dates = kStep2Dates, Step2Groups = kStep2Groups,
                                   Step3Criteria = kStep3Criteria, Step3Totals = kStep3Totals,
                                   Step3SummaryDates = kStep3SummaryDates, Step3Grid = kStep3Grid,
                                   Step4 = kStep4, Step5 = kStep5, Step6 = kStep6,
                                   Step7Industry = kStep7Industry, Step7Rest = kStep7Rest,
                                   Step8Labour = kStep8Labour, Step8Results = kStep8Results,
                                   Step8Returns = kStep8Returns, Step8Heading = kStep8Heading;
}
