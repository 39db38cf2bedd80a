// Checks on what a report drew, read from the recorded operations of its pages as a reader reads the paper
// and the file: every text inside the page, no text over another or hidden, no rule across a text, no line
// twice in a row, no word broken that fits its room, every row on one page, every page under a heading,
// and the same words as the report printed on one tall page.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <map>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "platform/test_surface.h"

namespace report_tests {

using Op = pf::test::DrawOp;
constexpr int kUnderlineFont = 102;
constexpr pf::Rgb kWhite = pf::MakeRgb(255, 255, 255);

// A text trimmed of blanks and in capitals, as a reader compares captions.
inline std::string FoldedText(std::string text) {
  const auto b = text.find_first_not_of(' ');
  text = b == std::string::npos ? "" : text.substr(b, text.find_last_not_of(' ') - b + 1);
  for (char& c : text) c = char(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

struct PageText {
  const Op* op;
  int page;
};

inline std::string Where(const PageText& t) {
  return "\"" + t.op->text + "\" on page " + std::to_string(t.page + 1) + " at (" + std::to_string(t.op->x) +
         ", " + std::to_string(t.op->y) + ")";
}

inline bool Overlap(const Op& a, const Op& b) {
  return a.x < b.x + b.w && b.x < a.x + a.w && a.y < b.y + b.h && b.y < a.y + a.h;
}

inline bool Covers(const Op& box, const Op& t) {
  const int x1 = std::min(box.x, box.x + box.w), x2 = std::max(box.x, box.x + box.w);
  const int y1 = std::min(box.y, box.y + box.h), y2 = std::max(box.y, box.y + box.h);
  return x1 <= t.x && t.x + t.w <= x2 && y1 <= t.y && t.y + t.h <= y2;
}

// The paragraph each text of a page belongs to: the pieces of a wrapped paragraph follow each other a line
// apart, each but the last ending at its break (the blank it was broken after), the second starting left
// of the first's end and every later one where the second starts.
inline std::vector<int> ParagraphOf(const std::vector<Op>& ops) {
  std::vector<int> of(ops.size(), -1);
  const Op* before = nullptr;
  int paragraph = -1, pieces = 0, continuedAt = 0;
  for (std::size_t i = 0; i < ops.size(); ++i) {
    if (ops[i].type != Op::Type::Text) {
      before = nullptr;  // a rule or box ends what stands above it
      continue;
    }
    const Op& o = ops[i];
    const bool nextLine =
        before && !before->text.empty() && before->text.back() == ' ' && o.y == before->y + before->h;
    const bool goesOn = nextLine && (pieces == 1 ? o.x <= before->x + before->w : o.x == continuedAt);
    if (goesOn) {
      if (++pieces == 2) continuedAt = o.x;
    } else {
      ++paragraph;
      pieces = 1;
    }
    of[i] = paragraph;
    before = &o;
  }
  return of;
}

// The texts a reader sees: a text that a later box paints over entirely is not on the paper.
inline std::vector<PageText> VisibleTexts(const std::vector<pf::test::PrintedPage>& pages) {
  std::vector<PageText> texts;
  for (std::size_t p = 0; p < pages.size(); ++p) {
    const auto& ops = pages[p].ops;
    for (std::size_t i = 0; i < ops.size(); ++i) {
      if (ops[i].type != Op::Type::Text) continue;
      bool covered = false;
      for (std::size_t j = i + 1; j < ops.size() && !covered; ++j)
        covered = ops[j].type == Op::Type::Box && Covers(ops[j], ops[i]);
      if (!covered) texts.push_back({&ops[i], int(p)});
    }
  }
  return texts;
}

inline void ExpectInsideThePage(const std::vector<PageText>& texts, int width, int height) {
  for (const auto& t : texts) {
    const Op& o = *t.op;
    EXPECT_TRUE(o.x >= 0 && o.x + o.w <= width && o.y >= 0 && o.y + o.h <= height)
        << Where(t) << " is " << o.w << " wide: it leaves the printable area";
  }
}

inline void ExpectNoTextOverAnother(const std::vector<PageText>& texts) {
  for (std::size_t i = 0; i < texts.size(); ++i)
    for (std::size_t j = i + 1; j < texts.size() && texts[j].page == texts[i].page; ++j)
      if (Overlap(*texts[i].op, *texts[j].op))
        ADD_FAILURE() << Where(texts[j]) << " is drawn over " << Where(texts[i]);
}

// The lines of the pages as a reader reads them: the texts that stand at one y, left to right.
struct PrintedLine {
  int page, y;
  std::string text;
};

inline std::vector<PrintedLine> PrintedLines(const std::vector<PageText>& texts) {
  std::map<std::pair<int, int>, std::vector<const Op*>> byLine;
  for (const auto& t : texts) byLine[{t.page, t.op->y}].push_back(t.op);
  std::vector<PrintedLine> lines;
  for (auto& [at, ops] : byLine) {
    std::sort(ops.begin(), ops.end(), [](const Op* a, const Op* b) { return a->x < b->x; });
    std::string text;
    for (const Op* o : ops) {
      const std::string folded = FoldedText(o->text);
      if (!folded.empty()) text += (text.empty() ? "" : " | ") + folded;
    }
    if (!text.empty()) lines.push_back({at.first, at.second, text});
  }
  return lines;
}

// Every text of the pages, as a reader of the file finds them: those a box was painted over too.
inline std::vector<PageText> AllTexts(const std::vector<pf::test::PrintedPage>& pages) {
  std::vector<PageText> texts;
  for (std::size_t p = 0; p < pages.size(); ++p)
    for (const auto& op : pages[p].ops)
      if (op.type == Op::Type::Text) texts.push_back({&op, int(p)});
  return texts;
}

// The file holds no text the paper does not show: a reader who searches or copies it finds each text where
// it is printed, none under a box painted over it.
inline void ExpectNoTextHidden(const std::vector<pf::test::PrintedPage>& pages) {
  const auto visible = VisibleTexts(pages);
  std::set<const Op*> shown;
  for (const auto& t : visible) shown.insert(t.op);
  for (const auto& t : AllTexts(pages))
    if (!shown.count(t.op)) ADD_FAILURE() << Where(t) << " is hidden under a box";
}

// A row or heading is read once where it stands: no line of the file repeats the line above it, not even
// one hidden under a box.
inline void ExpectNoLineTwiceInARow(const std::vector<pf::test::PrintedPage>& pages) {
  const auto lines = PrintedLines(AllTexts(pages));
  for (std::size_t i = 1; i < lines.size(); ++i)
    if (lines[i].page == lines[i - 1].page && lines[i].text == lines[i - 1].text)
      ADD_FAILURE() << "\"" << lines[i].text << "\" on page " << lines[i].page + 1 << " at y " << lines[i].y
                    << " repeats the line above it, at y " << lines[i - 1].y;
}

// A rule or bar across the page never touches a text: the rule that closes a row keeps its gap below the
// row's last line, wherever the page ends.
inline void ExpectRulesClearOfText(const std::vector<pf::test::PrintedPage>& pages,
                                   const std::vector<PageText>& texts, int pageWidth) {
  for (std::size_t p = 0; p < pages.size(); ++p)
    for (const Op& op : pages[p].ops) {
      Op rule = op;
      if (op.type == Op::Type::Line && op.y == op.h && std::abs(op.w - op.x) >= pageWidth / 2) {
        rule.type = Op::Type::Box;
        rule.x = std::min(op.x, op.w), rule.w = std::abs(op.w - op.x) + 1, rule.h = 1;
      } else if (!(op.type == Op::Type::Box && op.front == 0 && std::abs(op.w) >= pageWidth / 2)) {
        continue;
      }
      if (rule.w < 0) rule.x += rule.w, rule.w = -rule.w;
      if (rule.h < 0) rule.y += rule.h, rule.h = -rule.h;
      for (const auto& t : texts)
        if (t.page == int(p) && Overlap(rule, *t.op))
          ADD_FAILURE() << "the rule at y " << rule.y << " on page " << p + 1 << " crosses " << Where(t);
    }
}

// Words a reader expects whole (the captions of columns, the names of groups) are never broken over two
// lines: a piece of one drawn without its blank, followed by the rest of it.
inline void ExpectWordsWhole(const std::vector<pf::test::PrintedPage>& pages,
                             const std::set<std::string>& words) {
  std::set<std::string> whole;
  for (const auto& w : words) {
    std::istringstream in(FoldedText(w));
    for (std::string word; in >> word;) whole.insert(word);
  }
  for (std::size_t p = 0; p < pages.size(); ++p) {
    const Op* before = nullptr;
    for (const Op& op : pages[p].ops) {
      if (op.type != Op::Type::Text) continue;
      if (before && !before->text.empty() && before->text.back() != ' ' && !op.text.empty() &&
          op.text.front() != ' ') {
        const std::string head = FoldedText(before->text), tail = FoldedText(op.text);
        const std::string joined =
            head.substr(head.find_last_of(' ') == std::string::npos ? 0 : head.find_last_of(' ') + 1) +
            tail.substr(0, tail.find(' '));
        if (whole.count(joined))
          ADD_FAILURE() << "\"" << joined << "\" is broken as \"" << before->text << "\" / \"" << op.text
                        << "\" on page " << p + 1;
      }
      before = &op;
    }
  }
}

// A row, or a block of lines, is what the report draws between two rules, bars or boxes: it stands on one
// page, so no label is parted from its figures and no block runs onto a page without its heading. A
// section that the report sends to a new page starts a row of its own at y 10. Only a list of criteria
// may go on over a page, beside its label repeated as continued before the row's rule. In a list of
// labels and their values, which has no rules, a page may begin with the next label and its value.
inline void ExpectRowsWhole(const std::vector<pf::test::PrintedPage>& pages) {
  std::optional<PageText> first;
  for (std::size_t p = 0; p < pages.size(); ++p) {
    const auto& ops = pages[p].ops;
    if (!ops.empty() && ops.front().type == Op::Type::Text && ops.front().y == 10) first.reset();
    for (std::size_t i = 0; i < ops.size(); ++i) {
      const Op& op = ops[i];
      if (op.type == Op::Type::Line || op.type == Op::Type::Box) {
        first.reset();
      } else if (op.type == Op::Type::Text && op.back != kWhite) {
        first.reset();  // a shaded block's texts stand on its box, which is kept whole
      } else if (op.type == Op::Type::Text) {
        if (!first) {
          first = PageText{&op, int(p)};
        } else if (first->page != int(p)) {
          bool labelled = false;
          for (std::size_t j = i; j < ops.size() && ops[j].type != Op::Type::Line && !labelled; ++j)
            labelled = ops[j].type == Op::Type::Text && ops[j].text.find("(continued):") != std::string::npos;
          // A heading row of the list (underlined) may stand between the title and the label, and the
          // label may wrap: its value stands beside its last line.
          std::size_t at = i + 1;
          while (at < ops.size() && ops[at].type == Op::Type::Text && ops[at].font == kUnderlineFont) ++at;
          const auto paragraphOf = ParagraphOf(ops);
          while (at + 1 < ops.size() && paragraphOf[at + 1] >= 0 && paragraphOf[at + 1] == paragraphOf[at])
            ++at;
          if (op.text.find("(continued)") != std::string::npos && at + 1 < ops.size()) {
            const Op& label = ops[at];
            const Op& value = ops[at + 1];
            const bool isLabel = label.type == Op::Type::Text && FoldedText(label.text).ends_with(":");
            // An empty value prints nothing beside its label.
            const bool beside = value.type == Op::Type::Text && value.y == label.y;
            labelled = labelled || (isLabel && (!beside || value.x > label.x + label.w));
          }
          if (!labelled)
            ADD_FAILURE() << "\"" << op.text << "\" on page " << p + 1 << " belongs to the row of "
                          << Where(*first);
          first.reset();
        }
      }
    }
  }
}

// Breakdown lines on a page stand under the breakdown's heading, repeated with "(continued)": its grey band,
// whose title may wrap.
inline void ExpectBreakdownHeadedOnEveryPage(const std::vector<PageText>& texts) {
  int headedPage = -1;
  for (const auto& t : texts) {
    if (t.op->text.rfind("INCIDENTS", 0) == 0 && t.op->back != kWhite) headedPage = t.page;
    if (t.op->text.find("Number of incidents") != std::string::npos) {
      EXPECT_EQ(t.page, headedPage) << Where(t) << " has no breakdown heading above it";
    }
  }
}

// Every page after the first opens a section (its title over the section's bar) or a group (its band), or
// goes on with one under a heading that says "(continued)".
inline void ExpectEveryPageHeaded(const std::vector<pf::test::PrintedPage>& pages) {
  for (std::size_t p = 1; p < pages.size(); ++p) {
    const auto& ops = pages[p].ops;
    const auto first =
        std::find_if(ops.begin(), ops.end(), [](const Op& op) { return op.type == Op::Type::Text; });
    if (first == ops.end()) continue;
    // A title may wrap: the bar follows its last line.
    const auto paragraphOf = ParagraphOf(ops);
    auto last = first;
    while (last + 1 != ops.end() && last[1].type == Op::Type::Text &&
           paragraphOf[std::size_t(last + 1 - ops.begin())] == paragraphOf[std::size_t(first - ops.begin())])
      ++last;
    const bool opensSection = (last + 1 != ops.end() && last[1].type == Op::Type::Box) ||
                              (ops.front().type == Op::Type::Box && ops.front().y <= 10);
    bool continued = false;
    int texts = 0;
    for (auto op = first; op != ops.end() && texts < 8 && !continued; ++op) {
      if (op->type != Op::Type::Text) continue;
      ++texts;
      continued = op->text.find("(continued)") != std::string::npos;
    }
    EXPECT_TRUE(opensSection || continued)
        << "page " << p + 1 << " begins with \"" << first->text << "\" under no heading";
  }
}

// What a reader takes for a heading, from the highest: a section's title (a text over a bar across the
// page, or that title continued), a band (texts on a grey box), column headings (underlined, or lines of
// nothing but the captions of a table's columns) and the worksheet's own heading rows.
enum class Level { Section, Band, Columns, Heading, Row };

struct HeadingTexts {
  std::set<std::string> columnCaptions;  // texts that head a table's columns
  std::set<std::string> headingRows;     // the worksheet's heading rows, as printed (letter case aside)
  std::set<pf::Rgb> bandColours;         // the greys that bands are drawn on
  int underlineFont = 0;
};

// A heading or a row as the page shows it: a band with all its texts, a section's title, or a line.
struct PageUnit {
  Level level;
  int page, y;
  std::string text;
};

// Whether the paragraph of ops[i] is a section's title: its last piece stands over a bar across the page.
inline bool IsTitle(const std::vector<Op>& ops, const std::vector<int>& paragraphOf, std::size_t i,
                    int pageWidth) {
  std::size_t last = i;
  for (std::size_t j = i + 1;
       j < ops.size() && ops[j].type == Op::Type::Text && paragraphOf[j] == paragraphOf[i]; ++j)
    last = j;
  return last + 1 < ops.size() && ops[last + 1].type == Op::Type::Box && ops[last + 1].x == 0 &&
         ops[last + 1].w == pageWidth && ops[last + 1].front == 0 &&
         ops[last + 1].y == ops[last].y + ops[last].h;
}

// The text of each paragraph of a page, its pieces joined, as a reader compares captions.
inline std::vector<std::string> ParagraphTexts(const std::vector<Op>& ops,
                                               const std::vector<int>& paragraphOf) {
  std::vector<std::string> texts;
  for (std::size_t j = 0; j < ops.size(); ++j) {
    if (paragraphOf[j] < 0) continue;
    texts.resize(std::max(texts.size(), std::size_t(paragraphOf[j]) + 1));
    texts[std::size_t(paragraphOf[j])] += ops[j].text;
  }
  for (auto& t : texts) t = FoldedText(t);
  return texts;
}

// What each text is to a reader, and the units of the pages: a band with all its texts, a section's title,
// or a line. A title's or a continued paragraph's pieces are all of its rank.
inline std::vector<PageUnit> PageUnits(const std::vector<pf::test::PrintedPage>& pages, int pageWidth,
                                       const HeadingTexts& h, std::map<const Op*, Level>* levels = nullptr) {
  std::set<std::string> titles;  // found by their bars, so that a continued one is known anywhere
  std::vector<std::vector<int>> paragraphsOf;
  std::vector<std::vector<std::string>> paragraphTexts;
  for (const auto& page : pages) {
    paragraphsOf.push_back(ParagraphOf(page.ops));
    paragraphTexts.push_back(ParagraphTexts(page.ops, paragraphsOf.back()));
    for (std::size_t i = 0; i < page.ops.size(); ++i)
      if (page.ops[i].type == Op::Type::Text && IsTitle(page.ops, paragraphsOf.back(), i, pageWidth))
        titles.insert(paragraphTexts.back()[std::size_t(paragraphsOf.back()[i])]);
  }
  std::set<std::string> captions, rows;
  for (const auto& c : h.columnCaptions) captions.insert(FoldedText(c));
  for (const auto& r : h.headingRows)
    if (!FoldedText(r).empty()) rows.insert(FoldedText(r));

  std::vector<PageUnit> units;
  const auto texts = VisibleTexts(pages);
  for (std::size_t p = 0; p < pages.size(); ++p) {
    const auto& ops = pages[p].ops;
    const auto& paragraphOf = paragraphsOf[p];
    const auto paragraphText = [&](std::size_t i) -> const std::string& {
      return paragraphTexts[p][std::size_t(paragraphOf[i])];
    };
    // The texts of the page by line; a band's texts are one unit, named by the band's box.
    std::map<int, std::vector<const Op*>> lines;
    std::map<const Op*, int> bandOf;
    for (const auto& t : texts) {
      if (t.page != int(p)) continue;
      const Op& o = *t.op;
      int band = -1;
      if (h.bandColours.count(o.back))
        for (std::size_t j = 0; j < ops.size(); ++j)
          if (ops[j].type == Op::Type::Box && ops[j].front == o.back && Covers(ops[j], o)) band = int(j);
      if (band >= 0) {
        bandOf[&o] = band;
        if (levels) (*levels)[&o] = Level::Band;
      } else {
        lines[o.y].push_back(&o);
      }
    }
    std::map<int, PageUnit> bands;  // by box
    for (const auto& [op, box] : bandOf) {
      auto [it, fresh] = bands.try_emplace(box, PageUnit{Level::Band, int(p), op->y, op->text});
      if (!fresh) {
        it->second.y = std::min(it->second.y, op->y);
        it->second.text += " " + op->text;
      }
    }
    for (const auto& [box, unit] : bands) units.push_back(unit);
    const std::string continued = " (CONTINUED)";
    std::map<int, std::size_t> headingUnit;  // the unit of a heading's paragraph
    for (const auto& [y, line] : lines) {
      // Captions head columns side by side; a single caption-like word is a row's wrapped label.
      bool title = false, allUnderlined = true, allCaptions = line.size() > 1, allHeadingRows = true;
      std::string text;
      for (const Op* o : line) {
        const auto i = std::size_t(o - ops.data());
        // A caption or heading that wraps is known by its whole text.
        const std::string& paragraph = paragraphText(i);
        const std::string& folded = paragraph;
        const bool continuedTitle = paragraph.size() > continued.size() && paragraph.ends_with(continued) &&
                                    titles.count(paragraph.substr(0, paragraph.size() - continued.size()));
        title = title || IsTitle(ops, paragraphOf, i, pageWidth) || continuedTitle;
        allUnderlined = allUnderlined && o->font == h.underlineFont;
        allCaptions = allCaptions && (captions.count(folded) || folded.empty());
        allHeadingRows = allHeadingRows && rows.count(folded);
        text += (text.empty() ? "" : " | ") + o->text;
      }
      Level level = title                          ? Level::Section
                    : allUnderlined || allCaptions ? Level::Columns
                    : allHeadingRows               ? Level::Heading
                                                   : Level::Row;
      // The lines of a wrapped heading are one heading: a line of nothing but the wrapped ends of headings
      // is of their rank.
      const int firstParagraph = paragraphOf[std::size_t(line.front() - ops.data())];
      const auto wrapped = headingUnit.find(firstParagraph);
      const bool allWrappedHeadings = std::all_of(line.begin(), line.end(), [&](const Op* o) {
        return headingUnit.count(paragraphOf[std::size_t(o - ops.data())]) > 0;
      });
      if (level == Level::Row && allWrappedHeadings) level = units[wrapped->second].level;
      if (level != Level::Row && wrapped != headingUnit.end() && units[wrapped->second].level == level) {
        units[wrapped->second].text += " " + text;
      } else {
        if (level != Level::Row)
          for (const Op* o : line) headingUnit[paragraphOf[std::size_t(o - ops.data())]] = units.size();
        units.push_back({level, int(p), y, text});
      }
      if (levels)
        for (const Op* o : line) {
          // A label or title that goes on over a page repeats there, whatever line it stands on.
          const auto i = std::size_t(o - ops.data());
          const bool repeated = paragraphText(i).find("(CONTINUED)") != std::string::npos;
          (*levels)[o] = repeated && level == Level::Row ? Level::Heading : level;
        }
    }
  }
  std::stable_sort(units.begin(), units.end(), [](const PageUnit& a, const PageUnit& b) {
    return a.page != b.page ? a.page < b.page : a.y < b.y;
  });
  return units;
}

// Every heading has a row of its own under it on its page: no page ends on a heading, and no heading is
// followed by one of its own rank or higher before a row comes (a group's band by the next group's, a
// section's continued headings by the next section). Column headings may take several lines.
// `units` are the pages' units as PageUnits reads them.
inline void ExpectEveryHeadingOverItsRows(const std::vector<PageUnit>& units) {
  for (std::size_t i = 0; i < units.size(); ++i) {
    const PageUnit& u = units[i];
    if (u.level == Level::Row) continue;
    const std::string where = "\"" + u.text + "\" on page " + std::to_string(u.page + 1);
    if (i + 1 == units.size() || units[i + 1].page != u.page) {
      ADD_FAILURE() << where << " ends its page with no row under it";
      continue;
    }
    const PageUnit& next = units[i + 1];
    const bool samePlace = next.level == u.level && u.level != Level::Columns;
    if (next.level != Level::Row && (next.level < u.level || samePlace))
      ADD_FAILURE() << where << " has no row under it: \"" << next.text << "\" follows";
  }
}

// The words of a report by how often they are printed: in rows, and in what repeats over a page (headings
// of every rank, and the texts that say they are continued).
struct WordCounts {
  std::map<std::string, int> rows, headings;
};

// `levels` are what PageUnits found each text to be.
inline WordCounts CountWords(const std::map<const Op*, Level>& levels) {
  WordCounts counts;
  for (const auto& [op, level] : levels) {
    std::istringstream in(FoldedText(op->text));
    for (std::string word; in >> word;) ++(level == Level::Row ? counts.rows : counts.headings)[word];
  }
  return counts;
}

inline WordCounts CountWords(const std::vector<pf::test::PrintedPage>& pages, int pageWidth,
                             const HeadingTexts& h) {
  std::map<const Op*, Level> levels;
  PageUnits(pages, pageWidth, h, &levels);
  return CountWords(levels);
}

// Every word of the report printed on one tall page is printed on the pages of a real printer of the same
// width, and no row's word more often: nothing is lost where a page ends and nothing is printed twice; only
// headings repeat on the page a block goes on to.
inline void ExpectSameWordsAsOnOneTallPage(const WordCounts& printed, const WordCounts& tall) {
  std::map<std::string, int> all = tall.rows;
  for (const auto& [word, n] : tall.headings) all[word] += n;
  for (const auto& [word, n] : all) {
    const auto count = [&word](const std::map<std::string, int>& m) {
      const auto it = m.find(word);
      return it == m.end() ? 0 : it->second;
    };
    const int rows = count(printed.rows), onPages = rows + count(printed.headings);
    if (onPages < n)
      ADD_FAILURE() << "\"" << word << "\" is printed " << onPages << " times, " << n << " on one tall page";
    if (rows > n)
      ADD_FAILURE() << "\"" << word << "\" is printed in rows " << rows << " times, " << n
                    << " on one tall page";
  }
  for (const auto& [word, n] : printed.rows)
    if (!all.count(word))
      ADD_FAILURE() << "\"" << word << "\" is printed " << n << " times, never on one tall page";
}

}  // namespace report_tests
