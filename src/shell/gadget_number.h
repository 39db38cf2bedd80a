// Field readers: the text a control shows, read as a number the way the number-text functions read it.
#pragma once

#include <string>

// The field's number ("," removed; a "$" makes it read 0) rounded to `decimals`.
double GadgetNumber(int gadget, int decimals);

// The field's money amount ("," and "$" removed) rounded to `decimals`.
double GadgetMoney(int gadget, int decimals);

// The field's text with every "," removed and nothing converted.
std::string GadgetTextNoCommas(int gadget);
