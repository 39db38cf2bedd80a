// The Before & After row tables, step by step in call order. Split where the page builder places something
// of its own between rows.
#pragma once

#include <span>

#include "analysis/pages/module_frame.h"

namespace ba_rows {
extern const std::span<const AnalysisRow> Step1, Step2Dates, Step2Groups, Step3Criteria, Step3Totals,
    Step3SummaryDates, Step3Grid, Step4, Step5, Step6, Step7Industry, Step7Rest, Step8Labour, Step8Results,
    Step8Returns, Step8Heading;
}
