// Checks on what a report drew, read from the recorded operations of its pages: every text inside the page,
// no text over another, every row on one page, and every page under a heading.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/test_surface.h"

namespace report_tests {

using Op = pf::test::DrawOp;

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
      } else if (op.type == Op::Type::Text) {
        if (!first) {
          first = PageText{&op, int(p)};
        } else if (first->page != int(p)) {
          bool labelled = false;
          for (std::size_t j = i; j < ops.size() && ops[j].type != Op::Type::Line && !labelled; ++j)
            labelled = ops[j].type == Op::Type::Text && ops[j].text.find("(continued):") != std::string::npos;
          if (op.text.find("(continued)") != std::string::npos && i + 2 < ops.size()) {
            const Op& label = ops[i + 1];
            const Op& value = ops[i + 2];
            const bool isLabel = label.type == Op::Type::Text && FoldedText(label.text).ends_with(":");
            labelled = labelled || (isLabel && value.type == Op::Type::Text && value.y == label.y &&
                                    value.x > label.x + label.w);
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

// Breakdown lines on a page stand under the breakdown's heading, repeated with "(continued)".
inline void ExpectBreakdownHeadedOnEveryPage(const std::vector<PageText>& texts) {
  int headedPage = -1;
  for (const auto& t : texts) {
    if (t.op->text.rfind("INCIDENTS BREAKDOWN", 0) == 0) headedPage = t.page;
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
    const bool opensSection = (first + 1 != ops.end() && first[1].type == Op::Type::Box) ||
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

inline std::vector<PageUnit> PageUnits(const std::vector<pf::test::PrintedPage>& pages, int pageWidth,
                                       const HeadingTexts& h) {
  std::set<std::string> titles;  // found by their bars, so that a continued one is known anywhere
  const auto titleAt = [&](const std::vector<Op>& ops, std::size_t i) {
    return i + 1 < ops.size() && ops[i + 1].type == Op::Type::Box && ops[i + 1].x == 0 &&
           ops[i + 1].w == pageWidth && ops[i + 1].front == 0 && ops[i + 1].y == ops[i].y + ops[i].h;
  };
  for (const auto& page : pages)
    for (std::size_t i = 0; i < page.ops.size(); ++i)
      if (page.ops[i].type == Op::Type::Text && titleAt(page.ops, i))
        titles.insert(FoldedText(page.ops[i].text));
  std::set<std::string> captions, rows;
  for (const auto& c : h.columnCaptions) captions.insert(FoldedText(c));
  for (const auto& r : h.headingRows) rows.insert(FoldedText(r));

  std::vector<PageUnit> units;
  const auto texts = VisibleTexts(pages);
  for (std::size_t p = 0; p < pages.size(); ++p) {
    const auto& ops = pages[p].ops;
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
    for (const auto& [y, line] : lines) {
      // Captions head columns side by side; a single caption-like word is a row's wrapped label.
      bool title = false, allUnderlined = true, allCaptions = line.size() > 1, allHeadingRows = true;
      std::string text;
      for (const Op* o : line) {
        const std::string folded = FoldedText(o->text);
        const auto i = std::size_t(o - ops.data());
        const std::string continued = " (CONTINUED)";
        const bool continuedTitle =
            folded.size() > continued.size() &&
            folded.compare(folded.size() - continued.size(), continued.size(), continued) == 0 &&
            titles.count(folded.substr(0, folded.size() - continued.size()));
        title = title || titleAt(ops, i) || continuedTitle;
        allUnderlined = allUnderlined && o->font == h.underlineFont;
        allCaptions = allCaptions && (captions.count(folded) || folded.empty());
        allHeadingRows = allHeadingRows && rows.count(folded);
        text += (text.empty() ? "" : " | ") + o->text;
      }
      const Level level = title                          ? Level::Section
                          : allUnderlined || allCaptions ? Level::Columns
                          : allHeadingRows               ? Level::Heading
                                                         : Level::Row;
      units.push_back({level, int(p), y, text});
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
inline void ExpectEveryHeadingOverItsRows(const std::vector<pf::test::PrintedPage>& pages, int pageWidth,
                                          const HeadingTexts& h) {
  const auto units = PageUnits(pages, pageWidth, h);
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

}  // namespace report_tests
