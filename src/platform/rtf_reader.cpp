#include "platform/rtf_reader.h"

#include <algorithm>
#include <array>
#include <map>

namespace pf::rtf {
namespace {

constexpr std::int64_t kMaxParameter = 1'000'000'000;  // numbers saturate here
constexpr std::size_t kMaxFonts = 1024;
constexpr std::size_t kMaxColours = 1024;
constexpr std::size_t kMaxFaceBytes = 256;
constexpr int kMaxUnicodeSkip = 16;
constexpr char32_t kReplacement = 0xFFFD;

// ---------------------------------------------------------------------------------------------------------
// Text encodings

void AppendUtf8(std::string& out, char32_t c) {
  if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) c = kReplacement;
  if (c < 0x80) {
    out += char(c);
  } else if (c < 0x800) {
    out += char(0xC0 | (c >> 6));
    out += char(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += char(0xE0 | (c >> 12));
    out += char(0x80 | ((c >> 6) & 0x3F));
    out += char(0x80 | (c & 0x3F));
  } else {
    out += char(0xF0 | (c >> 18));
    out += char(0x80 | ((c >> 12) & 0x3F));
    out += char(0x80 | ((c >> 6) & 0x3F));
    out += char(0x80 | (c & 0x3F));
  }
}

// Windows-1252: Latin-1 except for 0x80-0x9F; its five unassigned bytes become the replacement character.
char32_t FromWindows1252(unsigned char b) {
  static constexpr std::array<char16_t, 32> kHigh = {
      0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
      0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD, 0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
      0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};
  return (b >= 0x80 && b < 0xA0) ? kHigh[b - 0x80] : char32_t(b);
}

// Length of a well-formed UTF-8 sequence at the start of `s`, or 0. Raw non-ASCII bytes in a document are
// taken as UTF-8 when they form one (text pasted by an editor), otherwise as Windows-1252.
std::size_t Utf8SequenceLength(std::string_view s) {
  const auto b0 = static_cast<unsigned char>(s[0]);
  std::size_t n = b0 >= 0xF0 && b0 <= 0xF4   ? 4
                  : b0 >= 0xE0 && b0 <= 0xEF ? 3
                  : b0 >= 0xC2 && b0 <= 0xDF ? 2
                                             : 0;
  if (n == 0 || s.size() < n) return 0;
  char32_t c = b0 & (0x7F >> n);
  for (std::size_t i = 1; i < n; ++i) {
    const auto b = static_cast<unsigned char>(s[i]);
    if ((b & 0xC0) != 0x80) return 0;
    c = (c << 6) | (b & 0x3F);
  }
  const char32_t least = n == 2 ? 0x80 : n == 3 ? 0x800 : 0x10000;
  if (c < least || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return 0;
  return n;
}

bool SameFormat(const Run& a, const Run& b) {
  return a.bold == b.bold && a.italic == b.italic && a.underline == b.underline && a.hidden == b.hidden &&
         a.halfPoints == b.halfPoints && a.face == b.face && a.colour == b.colour;
}

bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
int HexValue(char c) {
  if (IsDigit(c)) return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// ---------------------------------------------------------------------------------------------------------
// Tokens

struct Control {
  std::string_view word;  // empty for a control symbol
  char symbol = 0;
  bool hasParam = false;
  int param = 0;
};

// Reads the control word or symbol whose backslash is at `pos`; `pos` ends after it (never past the end).
Control ReadControl(std::string_view in, std::size_t& pos) {
  Control c;
  ++pos;
  if (pos >= in.size()) return c;  // a lone backslash at the end
  if (!IsLetter(in[pos])) {
    c.symbol = in[pos++];
    if (c.symbol == '\'') {  // \'hh; a truncated escape gives nothing
      const int hi = pos < in.size() ? HexValue(in[pos]) : -1;
      const int lo = hi >= 0 && pos + 1 < in.size() ? HexValue(in[pos + 1]) : -1;
      pos += (hi >= 0) + (lo >= 0);
      c.hasParam = lo >= 0;
      c.param = c.hasParam ? hi * 16 + lo : 0;
    }
    return c;
  }
  const std::size_t start = pos;
  while (pos < in.size() && IsLetter(in[pos])) ++pos;
  c.word = in.substr(start, pos - start);
  const bool negative = pos + 1 < in.size() && in[pos] == '-' && IsDigit(in[pos + 1]);
  if (negative) ++pos;
  std::int64_t value = 0;
  while (pos < in.size() && IsDigit(in[pos])) {
    c.hasParam = true;
    value = std::min(kMaxParameter, value * 10 + (in[pos++] - '0'));
  }
  c.param = int(negative ? -value : value);
  if (pos < in.size() && in[pos] == ' ') ++pos;  // the delimiting space belongs to the word
  return c;
}

// ---------------------------------------------------------------------------------------------------------
// Keywords

// clang-format off
enum class Key {
  Skip, FontTable, ColourTable, DefaultFont, Par, Line, Tab, Plain, Pard, Bold, Italic, Underline,
  UnderlineNone, FontSize, Font, Colour, Left, Centre, Right, LeftIndent, FirstIndent, Unicode, UnicodeSkip,
  Hidden, Red, Green, Blue, Character
};

struct Keyword {
  std::string_view word;
  Key key;
  char32_t character = 0;
};

// Besides the formats, the destinations whose text is never shown, and the named punctuation characters
// that writers emit in place of escapes.
constexpr std::array kKeywords = {
    Keyword{"fonttbl", Key::FontTable},  Keyword{"colortbl", Key::ColourTable}, Keyword{"deff", Key::DefaultFont},
    Keyword{"par", Key::Par},            Keyword{"line", Key::Line},            Keyword{"tab", Key::Tab},
    Keyword{"plain", Key::Plain},        Keyword{"pard", Key::Pard},            Keyword{"b", Key::Bold},
    Keyword{"i", Key::Italic},           Keyword{"ul", Key::Underline},         Keyword{"ulnone", Key::UnderlineNone},
    Keyword{"fs", Key::FontSize},        Keyword{"f", Key::Font},               Keyword{"cf", Key::Colour},
    Keyword{"ql", Key::Left},            Keyword{"qc", Key::Centre},            Keyword{"qr", Key::Right},
    Keyword{"li", Key::LeftIndent},      Keyword{"fi", Key::FirstIndent},       Keyword{"u", Key::Unicode},
    Keyword{"uc", Key::UnicodeSkip},     Keyword{"v", Key::Hidden},             Keyword{"red", Key::Red},
    Keyword{"green", Key::Green},        Keyword{"blue", Key::Blue},
    Keyword{"lquote", Key::Character, 0x2018},    Keyword{"rquote", Key::Character, 0x2019},
    Keyword{"ldblquote", Key::Character, 0x201C}, Keyword{"rdblquote", Key::Character, 0x201D},
    Keyword{"endash", Key::Character, 0x2013},    Keyword{"emdash", Key::Character, 0x2014},
    Keyword{"bullet", Key::Character, 0x2022},
    Keyword{"info", Key::Skip},          Keyword{"stylesheet", Key::Skip},      Keyword{"pict", Key::Skip},
    Keyword{"object", Key::Skip},        Keyword{"fldinst", Key::Skip},         Keyword{"header", Key::Skip},
    Keyword{"headerl", Key::Skip},       Keyword{"headerr", Key::Skip},         Keyword{"headerf", Key::Skip},
    Keyword{"footer", Key::Skip},        Keyword{"footerl", Key::Skip},         Keyword{"footerr", Key::Skip},
    Keyword{"footerf", Key::Skip},       Keyword{"footnote", Key::Skip},        Keyword{"listtable", Key::Skip},
    Keyword{"listoverridetable", Key::Skip}, Keyword{"revtbl", Key::Skip},      Keyword{"rsidtbl", Key::Skip},
    Keyword{"filetbl", Key::Skip},       Keyword{"xmlnstbl", Key::Skip},        Keyword{"themedata", Key::Skip},
    Keyword{"colorschememapping", Key::Skip}, Keyword{"latentstyles", Key::Skip},
    Keyword{"datastore", Key::Skip},     Keyword{"generator", Key::Skip},
};
// clang-format on

const Keyword* FindKeyword(std::string_view word) {
  for (const Keyword& k : kKeywords) {
    if (k.word == word) return &k;
  }
  return nullptr;
}

// ---------------------------------------------------------------------------------------------------------
// Reader state

enum class Destination { Text, Skip, FontTable, ColourTable };

struct CharState {
  bool bold = false, italic = false, underline = false, hidden = false;
  int halfPoints = 0;
  int font = -1;  // -1: the default font (\deff)
  int colour = 0;
};

struct ParaState {
  Align align = Align::Left;
  int leftIndent = 0, firstIndent = 0;
};

struct Group {
  CharState chr;
  ParaState para;
  Destination dest = Destination::Text;
  int unicodeSkip = 1;
};

struct ColourEntry {
  int red = 0, green = 0, blue = 0;
  bool given = false;
};

class Reader {
 public:
  explicit Reader(std::string_view in) : in_(in) {}
  Document Read();

 private:
  void OpenGroup();
  bool CloseGroup();  // true when the top-level group has ended
  void HandleControl(const Control& c);
  void HandleSymbol(const Control& c);
  void HandleKeyword(const Keyword& k, const Control& c);
  void HandleFormat(Key key, const Control& c);
  void HandleTableText(char c);
  void HandleRawText();
  void AppendText(std::string_view utf8);
  void AppendChar(char32_t c);
  void AppendUnicode(int param);
  void FlushSurrogate();
  void EndParagraph();
  void CommitFont();
  void CommitColour();
  Run CurrentFormat() const;
  Group& Top() { return stack_.back(); }
  Destination Dest() const { return overflow_ > 0 ? Destination::Skip : stack_.back().dest; }

  std::string_view in_;
  std::size_t pos_ = 0;
  std::vector<Group> stack_;
  int overflow_ = 0;     // groups nested beyond kMaxGroupDepth, skipped whole
  int unicodeSkip_ = 0;  // characters still to drop after a \u
  char16_t highSurrogate_ = 0;
  Document doc_;
  Paragraph para_;
  std::map<int, std::string> fonts_;
  int defaultFont_ = -1;
  int fontIndex_ = -1;
  std::string fontName_;
  std::vector<std::optional<std::uint32_t>> colours_;
  ColourEntry colour_;
};

Document Reader::Read() {
  pos_ = in_.find('{');
  const std::size_t nul = in_.find('\0');
  if (nul != std::string_view::npos) in_ = in_.substr(0, nul);
  if (pos_ >= in_.size()) return {};
  while (pos_ < in_.size()) {
    const char c = in_[pos_];
    if (c == '{' || c == '}') {
      ++pos_;
      unicodeSkip_ = 0;
      if (c == '{') {
        OpenGroup();
      } else if (CloseGroup()) {
        break;
      }
    } else if (c == '\r' || c == '\n') {
      ++pos_;
    } else if (unicodeSkip_ > 0) {
      --unicodeSkip_;
      if (c == '\\') {
        ReadControl(in_, pos_);
      } else {
        ++pos_;
      }
    } else if (c == '\\') {
      HandleControl(ReadControl(in_, pos_));
    } else {
      HandleRawText();
    }
  }
  FlushSurrogate();
  const bool hasText =
      std::any_of(para_.runs.begin(), para_.runs.end(), [](const Run& r) { return !r.text.empty(); });
  if (hasText) EndParagraph();
  return std::move(doc_);
}

void Reader::OpenGroup() {
  if (overflow_ > 0 || int(stack_.size()) >= kMaxGroupDepth) {
    ++overflow_;
  } else {
    stack_.push_back(stack_.empty() ? Group{} : stack_.back());
  }
}

bool Reader::CloseGroup() {
  if (overflow_ > 0) {
    --overflow_;
    return false;
  }
  if (stack_.back().dest == Destination::FontTable) CommitFont();
  if (stack_.size() == 1) return true;  // the document's group stays for the last paragraph
  stack_.pop_back();
  return false;
}

void Reader::HandleControl(const Control& c) {
  if (c.word.empty()) {
    HandleSymbol(c);
  } else if (const Keyword* k = FindKeyword(c.word)) {
    HandleKeyword(*k, c);
  }
}

void Reader::HandleSymbol(const Control& c) {
  switch (c.symbol) {
    case '*':
      if (overflow_ == 0) Top().dest = Destination::Skip;
      break;
    case '\'':
      if (!c.hasParam) break;
      if (Dest() == Destination::FontTable) {
        if (fontName_.size() < kMaxFaceBytes)
          AppendUtf8(fontName_, FromWindows1252(static_cast<unsigned char>(c.param)));
      } else {
        AppendChar(FromWindows1252(static_cast<unsigned char>(c.param)));
      }
      break;
    case '\\':
    case '{':
    case '}':
      if (Dest() == Destination::Text) AppendText(std::string_view(&c.symbol, 1));
      break;
    case '~':
      AppendChar(0xA0);
      break;
    case '\r':
    case '\n':  // a backslash before a line end is a paragraph mark
      if (Dest() == Destination::Text) EndParagraph();
      break;
    default:  // \- (optional hyphen) and symbols we do not show
      break;
  }
}

void Reader::HandleKeyword(const Keyword& k, const Control& c) {
  const Destination dest = Dest();
  if (dest == Destination::Skip) return;
  switch (k.key) {
    case Key::Skip:
      Top().dest = Destination::Skip;
      return;
    case Key::FontTable:
      Top().dest = Destination::FontTable;
      return;
    case Key::ColourTable:
      Top().dest = Destination::ColourTable;
      colour_ = {};
      return;
    case Key::DefaultFont:
      defaultFont_ = c.param;
      return;
    case Key::Unicode:
      // Without a number there is no character; and a zero character would end the text for every
      // reader after us, so it is left out too.
      if (c.hasParam && c.param != 0) AppendUnicode(c.param);
      if (c.hasParam && c.param == 0) unicodeSkip_ = Top().unicodeSkip;
      return;
    default:
      break;
  }
  if (dest == Destination::FontTable) {
    if (k.key == Key::Font) {
      CommitFont();
      fontIndex_ = c.param;
    }
  } else if (dest == Destination::ColourTable) {
    const int v = std::clamp(c.param, 0, 255);
    if (k.key == Key::Red) colour_.red = v;
    if (k.key == Key::Green) colour_.green = v;
    if (k.key == Key::Blue) colour_.blue = v;
    colour_.given = colour_.given || k.key == Key::Red || k.key == Key::Green || k.key == Key::Blue;
  } else if (k.key == Key::Character) {
    AppendChar(k.character);
  } else {
    HandleFormat(k.key, c);
  }
}

void Reader::HandleFormat(Key key, const Control& c) {
  CharState& chr = Top().chr;
  ParaState& para = Top().para;
  const bool on = !c.hasParam || c.param != 0;
  switch (key) {
    case Key::Par:
      EndParagraph();
      break;
    case Key::Line:
      AppendText("\n");
      break;
    case Key::Tab:
      AppendText("\t");
      break;
    case Key::Plain:
      chr = CharState{};
      break;
    case Key::Pard:
      para = ParaState{};
      break;
    case Key::Bold:
      chr.bold = on;
      break;
    case Key::Italic:
      chr.italic = on;
      break;
    case Key::Underline:
      chr.underline = on;
      break;
    case Key::UnderlineNone:
      chr.underline = false;
      break;
    case Key::Hidden:
      chr.hidden = on;
      break;
    case Key::FontSize:
      if (!c.hasParam) chr.halfPoints = 24;
      if (c.param >= 2) chr.halfPoints = std::min(c.param, kMaxHalfPoints);
      break;
    case Key::Font:
      chr.font = c.param;
      break;
    case Key::Colour:
      chr.colour = c.param;
      break;
    case Key::Left:
      para.align = Align::Left;
      break;
    case Key::Centre:
      para.align = Align::Centre;
      break;
    case Key::Right:
      para.align = Align::Right;
      break;
    case Key::LeftIndent:
      para.leftIndent = std::clamp(c.param, -kMaxIndent, kMaxIndent);
      break;
    case Key::FirstIndent:
      para.firstIndent = std::clamp(c.param, -kMaxIndent, kMaxIndent);
      break;
    case Key::UnicodeSkip:
      Top().unicodeSkip = std::clamp(c.param, 0, kMaxUnicodeSkip);
      break;
    default:
      break;
  }
}

// Plain text: runs of ordinary bytes, decoded, then handed to the current destination.
void Reader::HandleRawText() {
  const char c = in_[pos_];
  const Destination dest = Dest();
  if (dest == Destination::FontTable || dest == Destination::ColourTable) {
    ++pos_;
    HandleTableText(c);
    return;
  }
  if (static_cast<unsigned char>(c) < 0x80) {
    ++pos_;
    if (dest == Destination::Text) AppendText(in_.substr(pos_ - 1, 1));
    return;
  }
  const std::size_t n = Utf8SequenceLength(in_.substr(pos_));
  if (n > 0) {
    if (dest == Destination::Text) AppendText(in_.substr(pos_, n));
    pos_ += n;
  } else {
    ++pos_;
    if (dest == Destination::Text) AppendChar(FromWindows1252(static_cast<unsigned char>(c)));
  }
}

void Reader::HandleTableText(char c) {
  if (Dest() == Destination::ColourTable) {
    if (c == ';') CommitColour();
  } else if (c == ';') {
    CommitFont();
  } else if (fontName_.size() < kMaxFaceBytes) {
    fontName_ += c;
  }
}

void Reader::AppendText(std::string_view utf8) {
  if (Dest() != Destination::Text) return;
  FlushSurrogate();
  Run format = CurrentFormat();
  if (para_.runs.empty() || !SameFormat(para_.runs.back(), format)) para_.runs.push_back(std::move(format));
  para_.runs.back().text += utf8;
}

void Reader::AppendChar(char32_t c) {
  std::string utf8;
  AppendUtf8(utf8, c);
  AppendText(utf8);
}

// \uN: a signed 16-bit code unit; a surrogate pair arrives as two of them.
void Reader::AppendUnicode(int param) {
  const int unit = param < 0 ? param + 65536 : param;
  unicodeSkip_ = Top().unicodeSkip;
  if (Dest() != Destination::Text) return;
  if (unit < 0 || unit > 0xFFFF) {
    AppendChar(kReplacement);
  } else if (unit >= 0xDC00 && unit <= 0xDFFF && highSurrogate_ != 0) {
    const char32_t c = 0x10000 + ((char32_t(highSurrogate_) - 0xD800) << 10) + (char32_t(unit) - 0xDC00);
    highSurrogate_ = 0;
    AppendChar(c);
  } else if (unit >= 0xD800 && unit <= 0xDBFF) {
    FlushSurrogate();
    highSurrogate_ = char16_t(unit);
  } else {
    AppendChar(char32_t(unit));  // a lone low surrogate becomes the replacement character
  }
}

// A high surrogate that no low one followed.
void Reader::FlushSurrogate() {
  if (highSurrogate_ == 0) return;
  highSurrogate_ = 0;
  AppendChar(kReplacement);
}

void Reader::EndParagraph() {
  FlushSurrogate();
  const ParaState& p = Top().para;
  para_.align = p.align;
  para_.leftIndent = p.leftIndent;
  para_.firstIndent = p.firstIndent;
  doc_.paragraphs.push_back(std::move(para_));
  para_ = {};
}

void Reader::CommitFont() {
  if (fontIndex_ >= 0 && (fonts_.size() < kMaxFonts || fonts_.count(fontIndex_))) {
    const std::size_t first = fontName_.find_first_not_of(' ');
    const std::size_t last = fontName_.find_last_not_of(' ');
    fonts_[fontIndex_] = first == std::string::npos ? "" : fontName_.substr(first, last - first + 1);
  }
  fontIndex_ = -1;
  fontName_.clear();
}

void Reader::CommitColour() {
  if (colours_.size() < kMaxColours) {
    colours_.push_back(colour_.given ? std::optional<std::uint32_t>((std::uint32_t(colour_.red) << 16) |
                                                                    (std::uint32_t(colour_.green) << 8) |
                                                                    std::uint32_t(colour_.blue))
                                     : std::nullopt);
  }
  colour_ = {};
}

Run Reader::CurrentFormat() const {
  const CharState& c = stack_.back().chr;
  Run r;
  r.bold = c.bold;
  r.italic = c.italic;
  r.underline = c.underline;
  r.hidden = c.hidden;
  r.halfPoints = c.halfPoints;
  const auto font = fonts_.find(c.font >= 0 ? c.font : defaultFont_);
  if (font != fonts_.end()) r.face = font->second;
  if (c.colour > 0 && std::size_t(c.colour) < colours_.size()) r.colour = colours_[std::size_t(c.colour)];
  return r;
}

}  // namespace

Document ReadRtf(std::string_view rtf) { return Reader(rtf).Read(); }

}  // namespace pf::rtf
