// What a numeric field accepts: digits, one ".", at most two digits after the point when typing after it,
// "-" only at the start, and at most 12 digits before the point. Judged by the character typed, so
// symbols on shifted digit keys and other keyboard layouts cannot slip through; pasted text is judged as a
// whole, after losing its thousands separators and the blanks around it.
#pragma once

#include <optional>
#include <string>

// The most digits a figure has before its point: larger amounts are beyond what the worksheets show and
// add up exactly.
inline constexpr int kMaxWholeDigits = 12;

// `typed` is the text a key press would insert ("" for keys that insert nothing); the field's selection
// [selStart, selEnd) is what it replaces (selEnd -1: nothing selected, the caret at selStart).
bool NumericCharacterAllowed(const std::string& fieldText, int selStart, const std::string& typed,
                             int selEnd = -1);

// Whether replacing the selection [selStart, selEnd) of `fieldText` by `pasted` leaves a valid number text.
bool NumericPasteAllowed(const std::string& fieldText, int selStart, int selEnd, const std::string& pasted);

// The text a paste puts into a numeric field: the pasted text without its "," and the blanks around it,
// so that a figure copied from a result ("1,250.50") goes in; nothing when the result is no valid number.
std::optional<std::string> NumericPasteText(const std::string& fieldText, int selStart, int selEnd,
                                            const std::string& pasted);

// The back colours that make a single-line field numeric.
bool IsNumericFieldColour(long long backColour);
