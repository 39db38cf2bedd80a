// The built-in pictures must be complete files that libpng/libjpeg decode to the sizes the pages
// are laid out for, and the guide documents must be what the Understanding page scrolls through.

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "assets/assets.h"
#include "platform/rtf_reader.h"

namespace {

enum class Format { Png, Jpeg };

struct ExpectedPicture {
  int number;
  Format format;
  int width;
  int height;
  bool rescaled;
};

constexpr ExpectedPicture ExpectedPictures[] = {
    {13, Format::Png, 678, 1017, false}, {14, Format::Jpeg, 140, 32, true},
    {15, Format::Jpeg, 140, 32, true},   {16, Format::Jpeg, 140, 32, true},
    {17, Format::Jpeg, 140, 32, true},   {25, Format::Png, 38, 32, true},
    {26, Format::Png, 38, 32, true},     {27, Format::Png, 38, 32, true},
    {28, Format::Png, 38, 32, true},     {29, Format::Png, 38, 32, true},
    {30, Format::Png, 38, 32, true},     {32, Format::Png, 38, 32, true},
    {33, Format::Png, 38, 32, true},     {36, Format::Png, 290, 32, false},
    {37, Format::Png, 290, 32, false},   {40, Format::Png, 26, 25, true},
    {41, Format::Png, 26, 25, true},     {42, Format::Png, 26, 25, true},
    {43, Format::Png, 26, 25, true},     {44, Format::Png, 26, 25, true},
    {45, Format::Png, 26, 25, true},     {47, Format::Png, 26, 25, true},
    {48, Format::Png, 500, 45, true},    {49, Format::Png, 500, 45, true},
    {50, Format::Png, 140, 32, true},    {51, Format::Png, 26, 25, true},
    {52, Format::Png, 400, 160, false},  {53, Format::Png, 26, 25, true},
};

constexpr int ProgramBannerNumber = 52;

std::uint32_t BigEndian(const unsigned char* bytes, int count) {
  std::uint32_t value = 0;
  for (int i = 0; i < count; ++i) value = value << 8 | bytes[i];
  return value;
}

struct ImageHeader {
  int width;
  int height;
  int kind;  // PNG: colour type; JPEG: the start-of-frame marker
};

// The IHDR chunk, which a PNG file must open with; nothing when the file does not end with IEND.
std::optional<ImageHeader> ReadPngHeader(const unsigned char* data, std::size_t size) {
  static constexpr unsigned char Signature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
  static constexpr unsigned char End[] = {0, 0, 0, 0, 'I', 'E', 'N', 'D', 0xae, 0x42, 0x60, 0x82};
  if (size < 33 + sizeof End || !std::equal(std::begin(Signature), std::end(Signature), data))
    return std::nullopt;
  if (BigEndian(data + 8, 4) != 13 || std::string_view(reinterpret_cast<const char*>(data + 12), 4) != "IHDR")
    return std::nullopt;
  if (!std::equal(std::begin(End), std::end(End), data + size - sizeof End)) return std::nullopt;
  return ImageHeader{static_cast<int>(BigEndian(data + 16, 4)), static_cast<int>(BigEndian(data + 20, 4)),
                     data[25]};
}

// The first start-of-frame segment of a JPEG file; nothing when the file does not end with EOI.
std::optional<ImageHeader> ReadJpegFrame(const unsigned char* data, std::size_t size) {
  if (size < 4 || data[0] != 0xff || data[1] != 0xd8 || data[size - 2] != 0xff || data[size - 1] != 0xd9)
    return std::nullopt;
  std::size_t at = 2;
  while (at + 4 <= size) {
    if (data[at] != 0xff) return std::nullopt;
    const unsigned char marker = data[at + 1];
    const std::size_t length = BigEndian(data + at + 2, 2);
    const bool startOfFrame =
        marker >= 0xc0 && marker <= 0xcf && marker != 0xc4 && marker != 0xc8 && marker != 0xcc;
    if (startOfFrame) {
      if (at + 9 > size) return std::nullopt;
      return ImageHeader{static_cast<int>(BigEndian(data + at + 7, 2)),
                         static_cast<int>(BigEndian(data + at + 5, 2)), marker};
    }
    at += 2 + length;
  }
  return std::nullopt;
}

TEST(Pictures, EveryNumberIsThereOnceInNumberOrder) {
  std::vector<int> numbers;
  for (const assets::EmbeddedPicture& picture : assets::Pictures()) numbers.push_back(picture.number);
  std::vector<int> expected;
  for (const ExpectedPicture& picture : ExpectedPictures) expected.push_back(picture.number);
  EXPECT_EQ(numbers, expected);
}

TEST(Pictures, EachIsACompleteFileOfItsFormatAndStoredSize) {
  const auto pictures = assets::Pictures();
  for (const ExpectedPicture& want : ExpectedPictures) {
    SCOPED_TRACE("picture " + std::to_string(want.number));
    const auto found = std::find_if(pictures.begin(), pictures.end(), [&](const assets::EmbeddedPicture& p) {
      return p.number == want.number;
    });
    ASSERT_NE(found, pictures.end());
    ASSERT_NE(found->data, nullptr);
    EXPECT_EQ(found->rescaled, want.rescaled);

    const std::optional<ImageHeader> header = want.format == Format::Png
                                                  ? ReadPngHeader(found->data, found->size)
                                                  : ReadJpegFrame(found->data, found->size);
    ASSERT_TRUE(header.has_value()) << "not a complete " << (want.format == Format::Png ? "PNG" : "JPEG")
                                    << " file";
    EXPECT_EQ(header->width, want.width);
    EXPECT_EQ(header->height, want.height);
    if (want.format == Format::Jpeg) {
      EXPECT_EQ(header->kind, 0xc0) << "not a baseline JPEG";
    }
  }
}

TEST(Pictures, ProgramBannerCarriesAnAlphaChannel) {
  const auto pictures = assets::Pictures();
  const auto banner = std::find_if(pictures.begin(), pictures.end(), [](const assets::EmbeddedPicture& p) {
    return p.number == ProgramBannerNumber;
  });
  ASSERT_NE(banner, pictures.end());
  const std::optional<ImageHeader> header = ReadPngHeader(banner->data, banner->size);
  ASSERT_TRUE(header.has_value());
  EXPECT_EQ(header->kind, 6) << "PNG colour type should be truecolour with alpha";
}

// ---------------------------------------------------------------------------------------------
// Guide documents

struct Paragraph {
  std::string visible;
  std::string hidden;
};

// The documents as the program's own reader sees them, paragraph by paragraph, hidden text apart.
std::vector<Paragraph> ReadParagraphs(std::string_view rtf) {
  std::vector<Paragraph> paragraphs;
  for (const pf::rtf::Paragraph& p : pf::rtf::ReadRtf(rtf).paragraphs) {
    Paragraph& out = paragraphs.emplace_back();
    for (const pf::rtf::Run& r : p.runs) (r.hidden ? out.hidden : out.visible) += r.text;
  }
  return paragraphs;
}

// The control words a document uses (letters after a backslash that is not itself escaped).
std::set<std::string> ControlWords(std::string_view rtf) {
  std::set<std::string> words;
  for (std::size_t at = 0; at + 1 < rtf.size(); ++at) {
    if (rtf[at] != '\\') continue;
    std::size_t end = at + 1;
    while (end < rtf.size() && std::isalpha(static_cast<unsigned char>(rtf[end]))) ++end;
    if (end > at + 1) words.insert(std::string(rtf.substr(at + 1, end - at - 1)));
    at = end > at + 1 ? end - 1 : at + 1;  // an escaped character is skipped whole
  }
  return words;
}

// Where the first group of `text` closes (escaped braces do not count); npos when it does not.
std::size_t EndOfFirstGroup(std::string_view text) {
  int depth = 0;
  for (std::size_t at = 0; at < text.size(); ++at) {
    if (text[at] == '\\') {
      ++at;
    } else if (text[at] == '{') {
      ++depth;
    } else if (text[at] == '}') {
      if (--depth == 0) return at;
    }
  }
  return std::string_view::npos;
}

std::vector<std::string_view> SplitDocuments() {
  const std::string_view all = assets::GuideDocuments();
  const auto offsets = assets::GuideDocumentOffsets();
  std::vector<std::string_view> documents;
  for (std::size_t i = 0; i < offsets.size(); ++i) {
    const std::size_t end = i + 1 < offsets.size() ? offsets[i + 1] : all.size() - 1;
    documents.push_back(all.substr(offsets[i], end - offsets[i]));
  }
  return documents;
}

TEST(GuideDocuments, EndWithTheOnlyZeroByte) {
  const std::string_view all = assets::GuideDocuments();
  ASSERT_FALSE(all.empty());
  EXPECT_EQ(all.back(), '\0');
  EXPECT_EQ(all.find('\0'), all.size() - 1);
}

TEST(GuideDocuments, FollowOneAnotherEachOneCompleteGroup) {
  const std::string_view all = assets::GuideDocuments();
  const auto offsets = assets::GuideDocumentOffsets();
  EXPECT_EQ(offsets[0], 0u);
  for (std::size_t i = 1; i < offsets.size(); ++i) ASSERT_LT(offsets[i - 1], offsets[i]);
  ASSERT_LT(offsets.back(), all.size() - 1);

  const auto documents = SplitDocuments();
  for (std::size_t i = 0; i < documents.size(); ++i) {
    SCOPED_TRACE("document " + std::to_string(i));
    EXPECT_TRUE(documents[i].starts_with("{\\rtf1"));
    // The viewer shows the first complete group, so it must close exactly where the next starts.
    EXPECT_EQ(EndOfFirstGroup(documents[i]), documents[i].size() - 1);
  }
}

TEST(GuideDocuments, UseOnlyTheControlWordsOurReaderKnows) {
  const std::set<std::string> known = {"rtf", "fonttbl", "colortbl", "red", "green", "blue", "par", "line",
                                       "tab", "b",       "i",        "ul",  "fs",    "f",    "cf",  "ql",
                                       "qc",  "qr",      "li",       "fi",  "u",     "v"};
  const auto documents = SplitDocuments();
  for (std::size_t i = 0; i < documents.size(); ++i) {
    for (const std::string& word : ControlWords(documents[i]))
      EXPECT_TRUE(known.count(word)) << "document " << i << " uses \\" << word;
  }
}

struct ExpectedDocument {
  const char* title;
  std::vector<std::string> headings;  // the visible text of the lines that carry topic2, topic3, ...
};

TEST(GuideDocuments, OpenWithTheirTitleAndMarkEachTopicOnItsHeading) {
  const std::vector<std::string> analysisTopics = {
      "How can it assist you?", "When should you use it?", "What do you need to begin?",
      "What time periods should you use?", "How to get the most accurate results"};
  const ExpectedDocument expected[] = {
      {"How to Use this Tool", {}},
      {"Features of this Tool", {}},
      {"How to use the Incident Cost Calculator", {"What does it do?", "What do you need to begin?"}},
      {"How to Do Your Own Analysis", {"What does it do?", "Which analysis to do?", "The three options"}},
      {"Before & After Analysis", analysisTopics},
      {"Concurrent Groups Analysis", analysisTopics},
      {"Analysis of a Potential Intervention", analysisTopics},
  };
  const auto documents = SplitDocuments();
  ASSERT_EQ(documents.size(), std::size(expected));
  for (std::size_t i = 0; i < documents.size(); ++i) {
    SCOPED_TRACE("document " + std::to_string(i));
    const std::vector<Paragraph> paragraphs = ReadParagraphs(documents[i]);
    ASSERT_FALSE(paragraphs.empty());
    EXPECT_EQ(paragraphs.front().visible, expected[i].title);
    EXPECT_EQ(paragraphs.front().hidden, "topic1");

    std::vector<std::string> markedHeadings;
    for (std::size_t p = 1; p < paragraphs.size(); ++p) {
      // A topic word in the shown text would catch the viewer's search before the real marker.
      EXPECT_EQ(paragraphs[p].visible.find("topic"), std::string::npos) << paragraphs[p].visible;
      if (paragraphs[p].hidden.empty()) continue;
      EXPECT_EQ(paragraphs[p].hidden, "topic" + std::to_string(markedHeadings.size() + 2));
      markedHeadings.push_back(paragraphs[p].visible);
    }
    EXPECT_EQ(markedHeadings, expected[i].headings);
  }
}

}  // namespace

TEST(ReadingDocuments, ExamplesAndGlossaryAreWholeAndUseOnlyWhatOurReaderKnows) {
  const std::set<std::string> known = {"rtf", "fonttbl", "colortbl", "red", "green", "blue",
                                       "par", "b",       "i",        "fs",  "f",     "cf",
                                       "ql",  "li",      "fi",       "v",   "rquote"};
  for (const std::string_view document : {assets::ExamplesDocument(), assets::GlossaryDocument()}) {
    ASSERT_FALSE(document.empty());
    SCOPED_TRACE(std::string(document.substr(0, 200)));
    EXPECT_EQ(document.back(), '\0');
    EXPECT_EQ(EndOfFirstGroup(document), document.size() - 2);
    for (const std::string& word : ControlWords(document))
      EXPECT_TRUE(known.count(word)) << "uses \\" << word;
  }
}

TEST(ReadingDocuments, EachCaseStudyOpensWithItsMarkerInOrder) {
  std::vector<std::string> markers;
  for (const auto& paragraph : ReadParagraphs(assets::ExamplesDocument()))
    if (paragraph.hidden.starts_with("topic")) markers.push_back(paragraph.hidden);
  EXPECT_EQ(markers, (std::vector<std::string>{"topic0", "topic1", "topic2", "topic3", "topic4", "topic5"}));
}
