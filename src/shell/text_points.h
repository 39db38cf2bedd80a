// Texts as sequences of characters (code points), for procedures that count characters the way the
// controls count caret positions.
#pragma once

#include <string>

std::u32string ToCodePoints(const std::string& utf8);  // malformed bytes read as U+FFFD
std::string FromCodePoints(const std::u32string& text);
std::u32string LowerCase(std::u32string text);  // A-Z and the Latin-1 capitals
