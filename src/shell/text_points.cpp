#include "shell/text_points.h"

std::u32string ToCodePoints(const std::string& utf8) {
  std::u32string out;
  for (std::size_t i = 0; i < utf8.size();) {
    const unsigned char lead = utf8[i];
    const int length = lead < 0x80         ? 1
                       : (lead >> 5) == 6  ? 2
                       : (lead >> 4) == 14 ? 3
                       : (lead >> 3) == 30 ? 4
                                           : 0;
    char32_t cp = length == 1 ? lead : length == 2 ? lead & 0x1F : length == 3 ? lead & 0x0F : lead & 0x07;
    bool good = length > 0 && i + std::size_t(length) <= utf8.size();
    for (int k = 1; good && k < length; ++k) {
      const unsigned char next = utf8[i + std::size_t(k)];
      good = (next >> 6) == 2;
      cp = (cp << 6) | (next & 0x3F);
    }
    out.push_back(good ? cp : U'\uFFFD');
    i += good ? std::size_t(length) : 1;
  }
  return out;
}

std::string FromCodePoints(const std::u32string& text) {
  std::string out;
  for (char32_t cp : text) {
    if (cp < 0x80) {
      out += char(cp);
    } else if (cp < 0x800) {
      out += char(0xC0 | (cp >> 6));
      out += char(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
      out += char(0xE0 | (cp >> 12));
      out += char(0x80 | ((cp >> 6) & 0x3F));
      out += char(0x80 | (cp & 0x3F));
    } else {
      out += char(0xF0 | (cp >> 18));
      out += char(0x80 | ((cp >> 12) & 0x3F));
      out += char(0x80 | ((cp >> 6) & 0x3F));
      out += char(0x80 | (cp & 0x3F));
    }
  }
  return out;
}

std::u32string LowerCase(std::u32string text) {
  for (char32_t& c : text) {
    const bool latin1Capital = c >= 0xC0 && c <= 0xDE && c != 0xD7;
    if ((c >= U'A' && c <= U'Z') || latin1Capital) c += 32;
  }
  return text;
}
