// Number text: the one place where numbers become display text and field texts become numbers.
// Fixed-point text is an optional "-", digits and, when decimals are asked for, "." and exactly that many
// digits. Display text adds "," between groups of three integer digits; money text puts "$" in front of
// the display text, before any sign ("$-1,234.50"). Nothing here depends on the process locale.
#pragma once

#include <string>
#include <string_view>

// The value with exactly `decimals` digits after the point (none and no point for 0), rounded half away
// from zero. Never "-0": a value that rounds to zero has no sign. Infinities and NaN print as zero.
std::string FixedText(double value, int decimals);

// The value of the longest leading decimal number of the text (blanks, sign, digits with at most one ".",
// exponent); 0 when the text does not begin with one. Hexadecimal forms, "inf" and "nan" are not numbers.
double LeadingValue(std::string_view text);

// Inserts "," into the digit run that ends before the first "." (or, without a ".", at the last digit).
std::string AddThousandsSeparators(std::string_view text);

// "$" and the thousands-separated text; a blank text gives an empty text, never a lone "$".
std::string FormatCurrency(std::string_view text);

// The text without any ",".
std::string TextNoCommas(std::string_view text);

// Reads a money text ("," and "$" removed) and rounds it to `decimals`.
double TextMoney(std::string_view text, int decimals);

// Reads a number text ("," removed) without rounding; `decimals` has no effect.
double TextNumber(std::string_view text, int decimals);

// The value rounded to `decimals` through its fixed-point text, so it prints exactly as that text.
double RoundD(double value, int decimals);

// The number in the text rounded to 2 decimals and written with as few decimals as show it (0, 1 or 2).
std::string FormatUpTo2Decimals(std::string_view text);
