// Reads the small RTF subset of the program's built-in documents into a neutral model that the rich-text
// viewer turns into a document. Pure C++: nothing here knows the toolkit, so the reader is tested and fuzzed
// on its own.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pf::rtf {

enum class Align { Left, Centre, Right };

// A stretch of text with one character format. `text` is UTF-8; "\t" is a tab and "\n" a line break inside
// the paragraph.
struct Run {
  std::string text;
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool hidden = false;                  // part of the text, never shown
  int halfPoints = 0;                   // font size; 0: the viewer's own
  std::string face;                     // from the font table; "": the viewer's own
  std::optional<std::uint32_t> colour;  // 0xRRGGBB from the colour table; none: the viewer's own
  bool operator==(const Run&) const = default;
};

struct Paragraph {
  std::vector<Run> runs;
  Align align = Align::Left;
  int leftIndent = 0;   // twips
  int firstIndent = 0;  // twips, relative to the left indent (negative: hanging)
};

struct Document {
  std::vector<Paragraph> paragraphs;
};

// Limits that keep hostile or broken input cheap: deeper groups are skipped whole, numbers saturate.
constexpr int kMaxGroupDepth = 200;
constexpr int kMaxHalfPoints = 3276;
constexpr int kMaxIndent = 31680;  // 22 inches

// Reads the first complete top-level group of `rtf` (anything before its "{" and after its "}" is ignored,
// and so is everything from a zero byte on). Never fails: what cannot be understood is left out, and an
// unfinished group gives what was read up to the end.
Document ReadRtf(std::string_view rtf);

}  // namespace pf::rtf
