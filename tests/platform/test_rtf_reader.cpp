#include <gtest/gtest.h>

#include <string>

#include "platform/rtf_reader.h"

using pf::rtf::Align;
using pf::rtf::Document;
using pf::rtf::ReadRtf;
using RtfRun = pf::rtf::Run;

namespace {

// Paragraphs joined by "|", hidden runs included.
std::string AllText(const Document& d) {
  std::string s;
  for (std::size_t i = 0; i < d.paragraphs.size(); ++i) {
    if (i > 0) s += '|';
    for (const RtfRun& r : d.paragraphs[i].runs) s += r.text;
  }
  return s;
}

// The run that holds `text`, in the first paragraph that has one.
RtfRun RunWith(const Document& d, const std::string& text) {
  for (const auto& p : d.paragraphs) {
    for (const RtfRun& r : p.runs) {
      if (r.text.find(text) != std::string::npos) return r;
    }
  }
  ADD_FAILURE() << "no run holds " << text;
  return {};
}

TEST(RtfReader, CharacterFormatsFollowGroupsTogglesAndPlain) {
  const Document d = ReadRtf(
      R"({\rtf1 {\b bold}{\i\ul both} \ul under\ulnone  normal \b on\b0  off \i\b\ul x\plain  plain})");
  EXPECT_EQ(AllText(d), "boldboth under normal on off x plain");
  EXPECT_TRUE(RunWith(d, "bold").bold);
  EXPECT_FALSE(RunWith(d, "bold").italic);
  const RtfRun both = RunWith(d, "both");
  EXPECT_TRUE(both.italic && both.underline && !both.bold);
  EXPECT_TRUE(RunWith(d, "under").underline);
  EXPECT_FALSE(RunWith(d, "normal").underline);
  EXPECT_TRUE(RunWith(d, "on").bold);
  EXPECT_FALSE(RunWith(d, "off").bold);
  const RtfRun plain = RunWith(d, "plain");
  EXPECT_FALSE(plain.bold || plain.italic || plain.underline);
}

TEST(RtfReader, ColourIndexResolvesAgainstTheColourTable) {
  const Document d = ReadRtf(R"({\rtf1{\colortbl;\red255\green0\blue0;\red0\green128\blue255;})"
                             R"(\cf1 red\cf2  blue\cf0  auto\cf9  unknown{\cf1  inner} after})");
  EXPECT_EQ(RunWith(d, "red").colour, 0xFF0000u);
  EXPECT_EQ(RunWith(d, "blue").colour, 0x0080FFu);
  EXPECT_EQ(RunWith(d, "auto").colour, std::nullopt);
  EXPECT_EQ(RunWith(d, "unknown").colour, std::nullopt);
  EXPECT_EQ(RunWith(d, "inner").colour, 0xFF0000u);
  EXPECT_EQ(RunWith(d, "after").colour, std::nullopt);
  EXPECT_EQ(AllText(d), "red blue auto unknown inner after");
}

TEST(RtfReader, FontIndexResolvesAgainstTheFontTable) {
  const Document d = ReadRtf(
      R"({\rtf1\ansi\deff1{\fonttbl{\f0\fswiss\fcharset0 Arial;}{\f1\froman{\*\panose 02020603}Times New Roman;})"
      R"(\f2\fnil Courier New;}default \f0 arial \f7 unknown \fs28 big\fs9999999  huge})");
  EXPECT_EQ(RunWith(d, "default").face, "Times New Roman");
  EXPECT_EQ(RunWith(d, "arial").face, "Arial");
  EXPECT_EQ(RunWith(d, "unknown").face, "");
  EXPECT_EQ(RunWith(d, "default").halfPoints, 0);
  EXPECT_EQ(RunWith(d, "big").halfPoints, 28);
  EXPECT_EQ(RunWith(d, "huge").halfPoints, pf::rtf::kMaxHalfPoints);
  EXPECT_EQ(AllText(d), "default arial unknown big huge");
  EXPECT_EQ(RunWith(ReadRtf(R"({\rtf1{\fonttbl\f3 Courier New;}\f3 mono})"), "mono").face, "Courier New");
}

TEST(RtfReader, HiddenTextStaysInTheTextMarkedHidden) {
  const Document d = ReadRtf(R"({\rtf1\pard{\v topic2}Costs\par \v term\v0 : shown\par})");
  EXPECT_EQ(AllText(d), "topic2Costs|term: shown");
  ASSERT_EQ(d.paragraphs.at(0).runs.size(), 2u);
  EXPECT_TRUE(d.paragraphs[0].runs[0].hidden);
  EXPECT_FALSE(d.paragraphs[0].runs[1].hidden);
  EXPECT_TRUE(RunWith(d, "term").hidden);
  EXPECT_FALSE(RunWith(d, ": shown").hidden);
}

TEST(RtfReader, EscapesBecomeUtf8) {
  struct Case {
    const char* rtf;
    const char* text;
  } cases[] = {
      {R"({caf\'e9})", "caf\u00e9"},
      {R"({Workers\'92 \'80\'85})", "Workers\u2019 \u20ac\u2026"},
      {R"({\'81})", "\ufffd"},            // unassigned in Windows-1252
      {R"({\u8217?s})", "\u2019s"},       // the fallback character is dropped
      {R"({\uc2\u233 xyz})", "\u00e9z"},  // \ucN drops N fallback characters
      {R"({\uc0\u233 x})", "\u00e9x"},
      {R"({\u8217\'92s})", "\u2019s"},           // a fallback escape counts as one character
      {R"({\u-10179?\u-8704?})", "\U0001F600"},  // a surrogate pair as signed units
      {R"({\u-10179?x})", "\ufffdx"},            // a lone high surrogate
      {R"({a\\b\{c\}d\~e\-f})", "a\\b{c}d\u00a0ef"},
      {"{raw \xc3\xa9 \xe9}", "raw \u00e9 \u00e9"},  // valid UTF-8 kept, a stray byte as Windows-1252
      {"{\\lquote x\\rquote  \\ldblquote y\\rdblquote  a\\endash b\\emdash c\\bullet}",
       "\u2018x\u2019 \u201cy\u201d a\u2013b\u2014c\u2022"},
  };
  for (const Case& c : cases) EXPECT_EQ(AllText(ReadRtf(c.rtf)), c.text) << c.rtf;
}

TEST(RtfReader, ReadsOnlyTheFirstCompleteGroup) {
  using namespace std::string_literals;
  EXPECT_EQ(AllText(ReadRtf(R"({\rtf1 first\par}{\rtf1 second\par})")), "first");
  EXPECT_EQ(AllText(ReadRtf("junk {\\rtf1 doc} tail"s)), "doc");
  EXPECT_EQ(AllText(ReadRtf("{\\rtf1 doc}\0{\\rtf1 more}"s)), "doc");
  EXPECT_EQ(AllText(ReadRtf("{\\rtf1 before\0after}"s)), "before");  // a zero byte ends the text
  EXPECT_EQ(AllText(ReadRtf("no group at all")), "");
}

TEST(RtfReader, ParagraphsLineBreaksAndTabs) {
  EXPECT_EQ(AllText(ReadRtf(R"({\rtf1 a\par b\par})")), "a|b");  // the closing mark adds no empty paragraph
  EXPECT_EQ(AllText(ReadRtf(R"({\rtf1 a\par\par b})")), "a||b");
  EXPECT_EQ(AllText(ReadRtf("{\\rtf1 a\\\nb}")), "a|b");  // backslash before a line end
  EXPECT_EQ(AllText(ReadRtf("{\\rtf1 a\r\nb\\line c\\tab d}")), "ab\nc\td");
  EXPECT_TRUE(ReadRtf(R"({\rtf1})").paragraphs.empty());
}

TEST(RtfReader, AlignmentAndIndentsBelongToTheParagraphAtItsMark) {
  const Document d = ReadRtf(
      R"({\rtf1\pard\qc centred\par\pard\qr\li720\fi-360 right\par\pard plain\par{\pard\qc grouped\par}})");
  ASSERT_EQ(d.paragraphs.size(), 4u);
  EXPECT_EQ(d.paragraphs[0].align, Align::Centre);
  EXPECT_EQ(d.paragraphs[1].align, Align::Right);
  EXPECT_EQ(d.paragraphs[1].leftIndent, 720);
  EXPECT_EQ(d.paragraphs[1].firstIndent, -360);
  EXPECT_EQ(d.paragraphs[2].align, Align::Left);
  EXPECT_EQ(d.paragraphs[2].leftIndent, 0);
  EXPECT_EQ(d.paragraphs[3].align, Align::Centre);
  EXPECT_EQ(ReadRtf(R"({\li-99999999999999 x})").paragraphs.at(0).leftIndent, -pf::rtf::kMaxIndent);
}

TEST(RtfReader, IgnorableDestinationsLeaveNoText) {
  const Document d = ReadRtf(
      R"({\rtf1{\*\generator Writer 1.0;}{\info{\title T}{\author A}}{\stylesheet{\s0 Normal;}})"
      R"({\*\unknown secret}{\header head}shown{\*\bkmkstart b}{\field{\*\fldinst HYPERLINK x}{\fldrslt link}}})");
  EXPECT_EQ(AllText(d), "shownlink");
}

TEST(RtfReader, DeepNestingIsSkippedAndReadingGoesOn) {
  const std::string deep = std::string(100000, '{') + "lost" + std::string(100000, '}');
  EXPECT_EQ(AllText(ReadRtf("{\\rtf1 a" + deep + "b}")), "ab");
  const std::string limit =
      std::string(pf::rtf::kMaxGroupDepth - 1, '{') + "kept" + std::string(pf::rtf::kMaxGroupDepth - 1, '}');
  EXPECT_EQ(AllText(ReadRtf("{" + limit + "}")), "kept");
  const std::string past =
      std::string(pf::rtf::kMaxGroupDepth, '{') + "lost" + std::string(pf::rtf::kMaxGroupDepth, '}');
  EXPECT_EQ(AllText(ReadRtf("{" + past + "after}")), "after") << "one level past the limit is skipped";
}

TEST(RtfReader, UnfinishedGroupGivesWhatWasRead) {
  EXPECT_EQ(AllText(ReadRtf(R"({\rtf1 a\par {\b b)")), "a|b");
  EXPECT_TRUE(RunWith(ReadRtf(R"({\rtf1 a\par {\b b)"), "b").bold);
}

// Broken input of every kind reads without crashing, hanging or reading past the end, and gives what
// could be understood of it.
TEST(RtfReader, MalformedInputGivesWhatCanBeRead) {
  using namespace std::string_literals;
  const std::string aThousand(1000, 'a');
  const std::pair<std::string, std::string> cases[] = {
      {"{", ""},
      {"}", ""},
      {"{\\", ""},
      {"\\", ""},
      {"{\\'", ""},
      {"{\\'4", ""},
      {"{\\'zz}", "zz"},  // not a hex escape: the escape goes, the letters stay
      {"{\\u", ""},       // no number, no character
      {"{\\u-", "-"},
      {"{\\u0 x}", ""},  // never a zero character; the fallback is still skipped
      {"{\\u99999999999999999999 x}", "\ufffd"},
      {"{\\u-99999999999 x}", "\ufffd"},
      {"{\\uc99999999\\u65 abc}", "A"},  // at most 16 fallback characters are skipped
      {"{\\fs-5 x}", "x"},
      {"{\\f-3 x}", "x"},
      {"{\\cf-1 x}", "x"},
      {"{\\fonttbl{\\f0", ""},
      {"{\\fonttbl\\f99999999999 " + std::string(5000, 'A') + ";}x}", ""},  // the table is the whole group
      {"{\\colortbl\\red999\\green-4;" + std::string(5000, ';') + "}\\cf4000 x}", ""},
      {"{\\*", ""},
      {"{\\*\\", ""},
      {"}}}{a}", "a"},
      {"{" + aThousand + "\\" + std::string(100000, 'b') + "}", aThousand},  // an unknown long word
      {"{\\b" + std::string(100000, '9') + " x}", "x"},
      {"{\\u-10179", "\ufffd"},  // a high surrogate that nothing follows
      {"{\\u-10179?\\par}", "\ufffd"},
      {"{\xff\xfe\xc3}", "\u00ff\u00fe\u00c3"},
      {"{\\pard\\li\\fi\\qc\\par\\par", "|"},
      {"\0"s, ""},
      {"{" + std::string(300, '\\'), std::string(150, '\\')},
  };
  for (const auto& [rtf, text] : cases) {
    const Document d = ReadRtf(rtf);
    EXPECT_EQ(AllText(d), text) << rtf.substr(0, 60);
    for (const auto& p : d.paragraphs) {
      EXPECT_LE(std::abs(p.leftIndent), pf::rtf::kMaxIndent);
      for (const RtfRun& r : p.runs) EXPECT_LE(r.halfPoints, pf::rtf::kMaxHalfPoints);
    }
  }
}

TEST(RtfReader, ColourComponentsAreHeldTo0To255) {
  const Document d = ReadRtf(R"({\rtf1{\colortbl;\red300\green-4\blue256;\red12\green999999999999\blue0;})"
                             R"(\cf1 first\cf2  second})");
  EXPECT_EQ(RunWith(d, "first").colour, 0xFF00FFu);
  EXPECT_EQ(RunWith(d, "second").colour, 0x0CFF00u);
}

TEST(RtfReader, FontSizeWithoutANumberIsTwelvePoints) {
  const Document d = ReadRtf(R"({\rtf1\fs40 big\fs  plain\fs1  tiny})");
  EXPECT_EQ(RunWith(d, "big").halfPoints, 40);
  EXPECT_EQ(RunWith(d, "plain").halfPoints, 24);
  EXPECT_EQ(RunWith(d, "tiny").halfPoints, 24) << "a size below one point is ignored";
}

TEST(RtfReader, TablesStopGrowingAtTheirCaps) {
  // 1024 fonts and 1024 colours are kept; later ones are not, except that a kept font may be renamed.
  std::string fonts = R"({\rtf1{\fonttbl)";
  for (int i = 0; i <= 1024; ++i) fonts += "{\\f" + std::to_string(i) + " F" + std::to_string(i) + ";}";
  fonts += R"({\f5 Renamed;}}\f1023 last\f1024  over\f5  again})";
  const Document f = ReadRtf(fonts);
  EXPECT_EQ(RunWith(f, "last").face, "F1023");
  EXPECT_EQ(RunWith(f, "over").face, "");
  EXPECT_EQ(RunWith(f, "again").face, "Renamed");

  std::string colours = R"({\rtf1{\colortbl;)";
  for (int i = 1; i <= 1024; ++i) colours += "\\red" + std::to_string(i % 256) + "\\green1\\blue2;";
  colours += R"(}\cf1023 last\cf1024  over})";
  const Document c = ReadRtf(colours);
  EXPECT_EQ(RunWith(c, "last").colour, 0xFF0102u);  // 1023 % 256 = 255
  EXPECT_EQ(RunWith(c, "over").colour, std::nullopt);

  const Document n = ReadRtf(R"({\rtf1{\fonttbl{\f0 )" + std::string(300, 'N') + R"(;}}\f0 x})");
  EXPECT_EQ(RunWith(n, "x").face, std::string(256, 'N'));
}

}  // namespace
