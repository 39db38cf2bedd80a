// Checks on what a report drew, read from the recorded operations of its pages: every text inside the page,
// no text over another, every row on one page, and every page under a heading.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "platform/test_surface.h"

namespace report_tests {

using Op = pf::test::DrawOp;

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
// section that the report sends to a new page starts a row of its own at y 10.
inline void ExpectRowsWhole(const std::vector<pf::test::PrintedPage>& pages) {
  std::optional<PageText> first;
  for (std::size_t p = 0; p < pages.size(); ++p) {
    const auto& ops = pages[p].ops;
    if (!ops.empty() && ops.front().type == Op::Type::Text && ops.front().y == 10) first.reset();
    for (const auto& op : ops) {
      if (op.type == Op::Type::Line || op.type == Op::Type::Box) {
        first.reset();
      } else if (op.type == Op::Type::Text) {
        if (!first) {
          first = PageText{&op, int(p)};
        } else if (first->page != int(p)) {
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

}  // namespace report_tests
