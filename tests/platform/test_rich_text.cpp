#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QPixmap>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <memory>
#include <string>

#include "platform/registry.h"
#include "platform/rich_text.h"

using namespace pf::detail;

namespace {

class RichTextTest : public ::testing::Test {
 protected:
  void SetUp() override {
    static int argc = 1;
    static char name[] = "platform_tests";
    static char* argv[] = {name, nullptr};
    app_ = std::make_unique<QApplication>(argc, argv);
    viewer_ = std::make_unique<QTextEdit>();
    viewer_->setReadOnly(true);
    viewer_->setFocusPolicy(Qt::NoFocus);
    viewer_->setLineWrapMode(QTextEdit::WidgetWidth);
    viewer_->resize(400, 200);
  }
  void TearDown() override {
    viewer_.reset();
    app_.reset();
  }

  QImage Shot(std::string_view rtf) {
    LoadRtf(viewer_.get(), rtf);
    QApplication::processEvents();
    return viewer_->grab().toImage();
  }

  std::unique_ptr<QApplication> app_;
  std::unique_ptr<QTextEdit> viewer_;
};

std::string Numbered(int n) {
  std::string rtf = "{\\rtf1 ";
  for (int i = 0; i < n; ++i)
    rtf += "{\\v topic" + std::to_string(i) + "}Line " + std::to_string(i) + "\\par ";
  return rtf + "}";
}

TEST_F(RichTextTest, HiddenTextIsInTheLineTextButNotShown) {
  viewer_->show();
  LoadRtf(viewer_.get(), R"({\rtf1{\v topic1}Costs of incidents\par Next\par})");
  EXPECT_EQ(RichLineCount(viewer_.get()), 2);
  EXPECT_EQ(RichLineText(viewer_.get(), 0), "topic1Costs of incidents");
  EXPECT_EQ(RichVisibleLines(viewer_.get()), (std::vector<std::string>{"Costs of incidents", "Next"}));

  // Drawn, the hidden text leaves no mark and takes no room.
  const QImage withMarker = Shot(R"({\rtf1 {\v WWWWWWWWWWWWWWWW topic1}Costs\par})");
  const QImage without = Shot(R"({\rtf1 Costs\par})");
  EXPECT_TRUE(withMarker == without);
  const QImage blank = Shot(R"({\rtf1 })");
  EXPECT_TRUE(Shot(R"({\rtf1 {\v\b\ul\fs48 WWWWWWWW}})") == blank);
}

TEST_F(RichTextTest, FormatsReachTheDocument) {
  LoadRtf(viewer_.get(), R"({\rtf1{\fonttbl{\f0 Courier New;}}{\colortbl;\red0\green0\blue175;})"
                         R"(\pard\qc\li720\fi-360\b\cf1\fs32 Title\par\pard\f0\i body\line more\par})");
  QTextDocument* doc = viewer_->document();
  ASSERT_EQ(doc->blockCount(), 2);
  const QTextBlock title = doc->firstBlock();
  EXPECT_EQ(title.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
  EXPECT_DOUBLE_EQ(title.blockFormat().leftMargin(), 720 * viewer_->logicalDpiX() / 1440.0);
  EXPECT_DOUBLE_EQ(title.blockFormat().textIndent(), -360 * viewer_->logicalDpiX() / 1440.0);
  QTextCursor c(doc);
  c.setPosition(1);
  EXPECT_EQ(c.charFormat().fontWeight(), QFont::Bold);
  EXPECT_EQ(c.charFormat().foreground().color(), QColor(0, 0, 175));
  EXPECT_DOUBLE_EQ(c.charFormat().fontPointSize(), 16.0);
  const QTextBlock body = title.next();
  EXPECT_EQ(body.text(), QString("body") + QChar(QChar::LineSeparator) + "more");  // \line stays in the block
  c.setPosition(body.position() + 1);
  EXPECT_TRUE(c.charFormat().fontItalic());
  EXPECT_EQ(c.charFormat().fontFamilies().toStringList(), QStringList{InstalledFamily("Courier New")});
  EXPECT_EQ(RichLineCount(viewer_.get()), 3);
  EXPECT_EQ(RichLineText(viewer_.get(), 2), "more");
}

TEST_F(RichTextTest, WrappedLineCountGrowsAsTheViewerNarrows) {
  std::string words;
  for (int i = 0; i < 40; ++i) words += "incident ";
  LoadRtf(viewer_.get(), "{\\rtf1 " + words + "}");

  // Counted before the viewer was ever shown, as the help popup does.
  viewer_->resize(600, 200);
  const int wide = RichLineCount(viewer_.get());
  viewer_->resize(200, 200);
  const int narrow = RichLineCount(viewer_.get());
  EXPECT_GT(wide, 1);
  EXPECT_GT(narrow, wide);
  viewer_->show();
  viewer_->resize(120, 200);
  EXPECT_GT(RichLineCount(viewer_.get()), narrow);

  // The wrapped lines cover the paragraph exactly.
  std::string joined;
  for (int i = 0; i < RichLineCount(viewer_.get()); ++i) joined += RichLineText(viewer_.get(), i);
  EXPECT_EQ(joined, words);
}

TEST_F(RichTextTest, ScrollsByLinesAndPages) {
  viewer_->resize(300, 100);
  viewer_->show();
  LoadRtf(viewer_.get(), Numbered(60));
  QTextEdit* v = viewer_.get();
  ASSERT_EQ(RichLineCount(v), 60);
  EXPECT_EQ(RichFirstVisibleLine(v), 0);

  RichScrollLines(v, 10);
  EXPECT_EQ(RichFirstVisibleLine(v), 10);
  EXPECT_EQ(RichLineText(v, RichFirstVisibleLine(v)), "topic10Line 10");
  RichScrollLines(v, -3);
  EXPECT_EQ(RichFirstVisibleLine(v), 7);
  RichScrollLines(v, -100);
  EXPECT_EQ(RichFirstVisibleLine(v), 0);
  EXPECT_EQ(v->verticalScrollBar()->value(), 0);

  RichScrollPage(v, true);
  const int page = RichFirstVisibleLine(v);
  EXPECT_GT(page, 2);
  RichScrollPage(v, true);
  EXPECT_GT(RichFirstVisibleLine(v), page);
  RichScrollPage(v, false);
  EXPECT_EQ(RichFirstVisibleLine(v), page);

  // Past the end the view stops with the last line shown.
  RichScrollLines(v, 1000);
  EXPECT_EQ(v->verticalScrollBar()->value(), v->verticalScrollBar()->maximum());
  EXPECT_GT(RichFirstVisibleLine(v), 50);
  EXPECT_LT(RichFirstVisibleLine(v), 60);
}

TEST_F(RichTextTest, ScrollingToAMarkerBringsItsLineToTheTop) {
  viewer_->resize(300, 100);
  LoadRtf(viewer_.get(), Numbered(40));
  QTextEdit* v = viewer_.get();
  RichScrollLines(v, 30);
  int line = -1;
  for (int i = 0; i < RichLineCount(v) && line < 0; ++i) {
    if (RichLineText(v, i).find("topic12") != std::string::npos) line = i;
  }
  ASSERT_EQ(line, 12);
  for (int pass = 0; pass < 2; ++pass) RichScrollLines(v, line - RichFirstVisibleLine(v));
  EXPECT_EQ(RichFirstVisibleLine(v), 12);
  EXPECT_EQ(RichVisibleLines(v).at(12), "Line 12");
}

TEST_F(RichTextTest, PlainTextBreaksAtCarriageReturnsInTheViewersOwnFormat) {
  LoadRtf(viewer_.get(), R"({\rtf1{\v\fs60 hidden}})");  // leaves hidden text behind
  LoadViewerPlainText(viewer_.get(), "One\rTwo\r\nThree\r\rFive");
  QTextEdit* v = viewer_.get();
  ASSERT_EQ(RichLineCount(v), 5);
  EXPECT_EQ(RichVisibleLines(v), (std::vector<std::string>{"One", "Two", "Three", "", "Five"}));
  for (QTextBlock b = v->document()->begin(); b.isValid(); b = b.next()) {
    EXPECT_FALSE(IsHiddenFormat(b.charFormat()));
    EXPECT_EQ(b.charFormat().fontPointSize(), 0.0) << "no size of its own: the viewer's font";
  }
  QTextCursor c(v->document());
  c.setPosition(1);
  EXPECT_FALSE(IsHiddenFormat(c.charFormat()));
  EXPECT_EQ(QFontInfo(c.charFormat().font()).pointSize(), QFontInfo(v->font()).pointSize());
}

TEST_F(RichTextTest, NewTextStartsAtTheTop) {
  viewer_->resize(300, 100);
  LoadRtf(viewer_.get(), Numbered(40));
  RichScrollLines(viewer_.get(), 20);
  LoadRtf(viewer_.get(), Numbered(30));
  EXPECT_EQ(RichFirstVisibleLine(viewer_.get()), 0);
  RichScrollLines(viewer_.get(), 20);
  LoadViewerPlainText(viewer_.get(), std::string(40, '\r'));
  EXPECT_EQ(RichFirstVisibleLine(viewer_.get()), 0);
}

TEST_F(RichTextTest, OutOfRangeAndMissingViewersReadNothing) {
  LoadRtf(viewer_.get(), R"({\rtf1 only\par})");
  EXPECT_EQ(RichLineText(viewer_.get(), 1), "");
  EXPECT_EQ(RichLineText(viewer_.get(), -1), "");
  RichScrollLines(viewer_.get(), -2147483647 - 1);
  RichScrollLines(viewer_.get(), 2147483647);
  EXPECT_EQ(RichFirstVisibleLine(viewer_.get()), 0);
  LoadRtf(nullptr, "{x}");
  LoadViewerPlainText(nullptr, "x");
  RichScrollLines(nullptr, 1);
  RichScrollPage(nullptr, true);
  EXPECT_EQ(RichLineCount(nullptr), 0);
  EXPECT_EQ(RichFirstVisibleLine(nullptr), 0);
  EXPECT_EQ(RichLineText(nullptr, 0), "");
  EXPECT_TRUE(RichVisibleLines(nullptr).empty());
}

}  // namespace
