// Printing through a recording printer: the job, its pages and the operations drawn on them, the PDF it
// writes, cancelled dialogs and calls made outside a job.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "platform/drawing_fixture.h"
#include "platform/platform.h"
#include "platform/test_surface.h"

namespace {
using drawing_tests::PlatformTest;
using Op = pf::test::DrawOp;

constexpr pf::Rgb kBlack = 0x000000, kWhite = 0xFFFFFF, kGrey = 0xDCDCDC, kRed = 0xFF0000;

class PrintingTest : public PlatformTest {
 protected:
  void SetUp() override {
    PlatformTest::SetUp();
    ASSERT_EQ(pf::LoadFontPixels(101, "Arial", 60), 101);
  }
  // A letter page at 600 dpi, chosen and started.
  void StartLetterJob(const std::string& pdfPath = "") {
    pf::test::ScriptPrinter(5100, 6600, 600, pdfPath);
    ASSERT_TRUE(pf::PrintRequester("Report"));
    ASSERT_TRUE(pf::StartPrinting());
    ASSERT_TRUE(pf::StartDrawingOnPrinter());
  }
};

std::string CommandOutput(const std::string& command) {
  std::string out;
  std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
  if (!pipe) return out;
  char buffer[4096];
  for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe.get())) > 0;) out.append(buffer, n);
  return out;
}

std::filesystem::path TempPdf(const char* name) {
  const auto dir = std::filesystem::temp_directory_path() / ("print_test_" + std::to_string(::getpid()));
  std::filesystem::create_directories(dir);
  return dir / name;
}

TEST_F(PrintingTest, PageSizeIsThatOfTheLastPrinterChosen) {
  EXPECT_EQ(pf::PrinterPageWidth(), 0);
  EXPECT_EQ(pf::PrinterPageHeight(), 0);
  EXPECT_EQ(pf::PrinterDpiY(), 0);
  StartLetterJob();
  EXPECT_EQ(pf::PrinterPageWidth(), 5100);
  EXPECT_EQ(pf::PrinterPageHeight(), 6600);
  EXPECT_EQ(pf::PrinterDpiY(), 600);
  EXPECT_TRUE(pf::IsDrawingOnPrinter());
  pf::StopDrawing();
  EXPECT_TRUE(pf::StopPrinting());
  // Kept after the job, and after a cancelled dialog.
  pf::test::ScriptPrintCancel();
  EXPECT_FALSE(pf::PrintRequester("Report"));
  EXPECT_EQ(pf::PrinterPageWidth(), 5100);
  EXPECT_EQ(pf::PrinterPageHeight(), 6600);
  pf::test::ScriptPrinter(2550, 3300, 300);
  EXPECT_TRUE(pf::PrintRequester("Report"));
  EXPECT_EQ(pf::PrinterPageHeight(), 3300);
  EXPECT_EQ(pf::PrinterDpiY(), 300);
}

TEST_F(PrintingTest, PageHoldsItsOperationsInOrder) {
  StartLetterJob();
  pf::FrontColour(kBlack);
  pf::DrawingFont(101);
  pf::DrawText(0, 20, "HEADER");
  pf::BackColour(kGrey);
  pf::Box(0, 100, 5100, 90, kGrey);
  pf::DrawText(10, 110, "Band");
  pf::BackColour(kWhite);
  pf::LineXY(0, 300, 5100, 300, kBlack);
  pf::Line(0, 400, 5100, 1, kBlack);
  pf::DrawingMode(pf::DrawMode::Outlined);
  pf::Circle(40, 520, 15, kRed);
  pf::DrawingMode(pf::DrawMode::Transparent);
  pf::DrawText(80, 500, "item");
  // A text's operation holds its cell, which an opaque text paints.
  const int lineHeight = pf::TextHeight("H");
  const int header = pf::TextWidth("HEADER"), band = pf::TextWidth("Band"), item = pf::TextWidth("item");
  pf::StopDrawing();
  ASSERT_TRUE(pf::StopPrinting());

  const auto jobs = pf::test::TakePrintJobs();
  ASSERT_EQ(jobs.size(), 1u);
  EXPECT_EQ(jobs[0].name, "Report");
  EXPECT_TRUE(jobs[0].ended);
  ASSERT_EQ(jobs[0].pages.size(), 1u);
  const auto& ops = jobs[0].pages[0].ops;
  ASSERT_EQ(ops.size(), 7u);
  const struct {
    Op::Type type;
    int x, y, w, h;
    const char* text;
    int font;
    pf::Rgb front, back;
    pf::DrawMode mode;
  } expected[] = {
      {Op::Type::Text, 0, 20, header, lineHeight, "HEADER", 101, kBlack, kWhite, pf::DrawMode::Default},
      {Op::Type::Box, 0, 100, 5100, 90, "", 101, kGrey, kGrey, pf::DrawMode::Default},
      {Op::Type::Text, 10, 110, band, lineHeight, "Band", 101, kBlack, kGrey, pf::DrawMode::Default},
      {Op::Type::Line, 0, 300, 5100, 300, "", 101, kBlack, kWhite, pf::DrawMode::Default},
      {Op::Type::Line, 0, 400, 5099, 400, "", 101, kBlack, kWhite, pf::DrawMode::Default},
      {Op::Type::Circle, 40, 520, 15, 0, "", 101, kRed, kWhite, pf::DrawMode::Outlined},
      {Op::Type::Text, 80, 500, item, lineHeight, "item", 101, kBlack, kWhite, pf::DrawMode::Transparent},
  };
  for (std::size_t i = 0; i < ops.size(); ++i) {
    SCOPED_TRACE(i);
    const auto& e = expected[i];
    EXPECT_EQ(ops[i].type, e.type);
    EXPECT_EQ((pf::Rect{ops[i].x, ops[i].y, ops[i].w, ops[i].h}), (pf::Rect{e.x, e.y, e.w, e.h}));
    EXPECT_EQ(ops[i].text, e.text);
    EXPECT_EQ(ops[i].font, e.font);
    EXPECT_EQ(ops[i].front, e.front);
    EXPECT_EQ(ops[i].back, e.back);
    EXPECT_EQ(ops[i].mode, e.mode);
  }
  EXPECT_TRUE(pf::test::TakePrintJobs().empty());
}

TEST_F(PrintingTest, NewPageStartsAnotherListOfOperations) {
  StartLetterJob();
  pf::DrawingFont(101);
  pf::DrawText(0, 0, "one");
  ASSERT_TRUE(pf::NewPrinterPage());
  EXPECT_TRUE(pf::IsDrawingOnPrinter());  // the drawing goes on, on the new page
  pf::DrawText(0, 10, "two");
  pf::DrawText(0, 90, "three");
  pf::StopDrawing();
  ASSERT_TRUE(pf::StopPrinting());
  const auto jobs = pf::test::TakePrintJobs();
  ASSERT_EQ(jobs.size(), 1u);
  ASSERT_EQ(jobs[0].pages.size(), 2u);
  ASSERT_EQ(jobs[0].pages[0].ops.size(), 1u);
  EXPECT_EQ(jobs[0].pages[0].ops[0].text, "one");
  ASSERT_EQ(jobs[0].pages[1].ops.size(), 2u);
  EXPECT_EQ(jobs[0].pages[1].ops[0].text, "two");
  EXPECT_EQ(jobs[0].pages[1].ops[1].text, "three");
}

TEST_F(PrintingTest, PdfOfTheJobHoldsTheTextPageByPage) {
  const auto pdf = TempPdf("two_pages.pdf");
  StartLetterJob(pdf.string());
  pf::DrawingFont(101);
  pf::DrawText(300, 300, "Injury prevention pays");
  ASSERT_TRUE(pf::NewPrinterPage());
  pf::DrawText(300, 300, "Second page summary");
  pf::StopDrawing();
  ASSERT_TRUE(pf::StopPrinting());

  const std::string info = CommandOutput("pdfinfo '" + pdf.string() + "'");
  EXPECT_NE(info.find("Pages:           2\n"), std::string::npos) << info;
  EXPECT_NE(info.find("612 x 792 pts"), std::string::npos) << info;  // letter
  const std::string text = CommandOutput("pdftotext '" + pdf.string() + "' -");
  const auto first = text.find("Injury prevention pays");
  const auto pageBreak = text.find('\f');
  const auto second = text.find("Second page summary");
  ASSERT_NE(first, std::string::npos) << text;
  ASSERT_NE(second, std::string::npos) << text;
  EXPECT_LT(first, pageBreak);
  EXPECT_LT(pageBreak, second);
  std::filesystem::remove_all(pdf.parent_path());
}

// What was drawn last on a page can still go to the next one: a heading left at a page's foot moves with
// the row that did not fit under it, onto paper as well as into the record.
TEST_F(PrintingTest, DrawingsCarriedToTheNextPageLeaveTheirPageAndStandLower) {
  const auto pdf = TempPdf("carried.pdf");
  StartLetterJob(pdf.string());
  pf::DrawingFont(101);
  pf::DrawText(300, 300, "Kept row");
  const int mark = pf::PrinterPageDrawings();
  EXPECT_EQ(mark, 1);
  pf::DrawText(300, 6000, "Carried heading");
  pf::LineXY(0, 6100, 5100, 6100, kBlack);
  ASSERT_TRUE(pf::NewPrinterPageCarrying(mark));
  EXPECT_EQ(pf::PrinterPageDrawings(), 0);
  pf::DrawText(0, 0, "Continued title");
  pf::PlaceCarriedDrawings(-5800);
  pf::DrawText(300, 400, "First row");
  pf::StopDrawing();
  ASSERT_TRUE(pf::StopPrinting());

  const auto jobs = pf::test::TakePrintJobs();
  ASSERT_EQ(jobs.size(), 1u);
  ASSERT_EQ(jobs[0].pages.size(), 2u);
  ASSERT_EQ(jobs[0].pages[0].ops.size(), 1u);
  EXPECT_EQ(jobs[0].pages[0].ops[0].text, "Kept row");
  const auto& second = jobs[0].pages[1].ops;
  ASSERT_EQ(second.size(), 4u);
  EXPECT_EQ(second[0].text, "Continued title");
  EXPECT_EQ(second[1].text, "Carried heading");
  EXPECT_EQ(second[1].y, 200);
  EXPECT_EQ(second[2].type, Op::Type::Line);
  EXPECT_EQ(second[2].y, 300);  // both ends of the line move
  EXPECT_EQ(second[2].h, 300);
  EXPECT_EQ(second[3].text, "First row");

  const std::string text = CommandOutput("pdftotext '" + pdf.string() + "' -");
  const auto pageBreak = text.find('\f');
  EXPECT_LT(text.find("Kept row"), pageBreak) << text;
  EXPECT_GT(text.find("Carried heading"), pageBreak) << text;
  std::filesystem::remove_all(pdf.parent_path());
}

TEST_F(PrintingTest, TextMeasuresAlikeOnPicturesAndPrinterPages) {
  ASSERT_EQ(pf::LoadFontPixels(102, "Arial", 11), 102);
  ASSERT_EQ(pf::LoadFontPixels(103, "Times New Roman", 37, {true, false, false}), 103);
  ASSERT_EQ(pf::LoadFont(104, "Arial", 10, {false, true, true}), 104);
  ASSERT_EQ(pf::CreatePicture(50, 100, 100), 50);
  const std::string text = "Occupational group totals: $1,234.50";
  StartLetterJob();
  for (const int font : {101, 102, 103, 104}) {
    SCOPED_TRACE(font);
    ASSERT_TRUE(pf::StartDrawingOnPicture(50));
    pf::DrawingFont(font);
    const int pictureWidth = pf::TextWidth(text), pictureHeight = pf::TextHeight(text);
    ASSERT_TRUE(pf::StartDrawingOnPrinter());
    pf::DrawingFont(font);
    EXPECT_EQ(pf::TextWidth(text), pictureWidth);
    EXPECT_EQ(pf::TextHeight(text), pictureHeight);
    EXPECT_GE(pictureHeight, pf::FontPixelHeight(font));
  }
  pf::StopDrawing();
  EXPECT_TRUE(pf::StopPrinting());
}

TEST_F(PrintingTest, PictureDrawnDuringAJobIsNotPartOfThePage) {
  ASSERT_EQ(pf::CreatePicture(50, 20, 20), 50);
  StartLetterJob();
  pf::DrawText(0, 0, "page");
  ASSERT_TRUE(pf::StartDrawingOnPicture(50));
  EXPECT_FALSE(pf::IsDrawingOnPrinter());
  pf::Box(0, 0, 5, 5, kRed);
  ASSERT_TRUE(pf::StartDrawingOnPrinter());
  pf::Box(0, 0, 5, 5, kBlack);
  pf::StopDrawing();
  ASSERT_TRUE(pf::StopPrinting());
  EXPECT_EQ(pf::PicturePixel(50, 2, 2), kRed);
  const auto jobs = pf::test::TakePrintJobs();
  ASSERT_EQ(jobs.size(), 1u);
  ASSERT_EQ(jobs[0].pages[0].ops.size(), 2u);
  EXPECT_EQ(jobs[0].pages[0].ops[1].front, kBlack);
}

TEST_F(PrintingTest, CancelledDialogPrintsNothing) {
  pf::test::ScriptPrintCancel();
  EXPECT_FALSE(pf::PrintRequester("Report"));
  EXPECT_FALSE(pf::StartPrinting());
  EXPECT_FALSE(pf::StartDrawingOnPrinter());
  pf::DrawText(0, 0, "lost");
  EXPECT_FALSE(pf::NewPrinterPage());
  EXPECT_FALSE(pf::StopPrinting());
  EXPECT_TRUE(pf::test::TakePrintJobs().empty());
  EXPECT_EQ(pf::PrinterPageWidth(), 0);
}

TEST_F(PrintingTest, EachScriptedAnswerServesOneDialog) {
  pf::test::ScriptPrinter(1000, 2000, 96);
  pf::test::ScriptPrintCancel();
  EXPECT_TRUE(pf::PrintRequester("first"));
  EXPECT_FALSE(pf::PrintRequester("second"));
  // Nothing left: offscreen no dialog can be answered, so it counts as cancelled at once.
  EXPECT_FALSE(pf::PrintRequester("third"));
  // The printer chosen first is still the one a job starts on.
  ASSERT_TRUE(pf::StartPrinting());
  ASSERT_TRUE(pf::StopPrinting());
  const auto jobs = pf::test::TakePrintJobs();
  ASSERT_EQ(jobs.size(), 1u);
  EXPECT_EQ(jobs[0].name, "first");
  EXPECT_EQ(pf::PrinterPageHeight(), 2000);
}

TEST_F(PrintingTest, JobCallsOutOfOrderFail) {
  pf::test::ScriptPrinter(1000, 2000, 96);
  ASSERT_TRUE(pf::PrintRequester("Report"));
  EXPECT_FALSE(pf::NewPrinterPage());
  EXPECT_FALSE(pf::StopPrinting());
  ASSERT_TRUE(pf::StartPrinting());
  EXPECT_FALSE(pf::StartPrinting());  // one job at a time
  ASSERT_TRUE(pf::StopPrinting());
  EXPECT_FALSE(pf::StopPrinting());
  EXPECT_FALSE(pf::StartDrawingOnPrinter());
  // The job's end also ends drawing on its pages.
  ASSERT_TRUE(pf::StartPrinting());
  ASSERT_TRUE(pf::StartDrawingOnPrinter());
  ASSERT_TRUE(pf::StopPrinting());
  EXPECT_FALSE(pf::IsDrawingOnPrinter());
  pf::DrawText(0, 0, "after the end");
  const auto jobs = pf::test::TakePrintJobs();
  ASSERT_EQ(jobs.size(), 2u);
  EXPECT_TRUE(jobs[1].pages[0].ops.empty());
}

TEST_F(PrintingTest, PrinterThatCannotStartFails) {
  pf::test::ScriptPrinter(1000, 2000, 96, "/nonexistent-folder/for/sure/out.pdf");
  ASSERT_TRUE(pf::PrintRequester("Report"));
  EXPECT_FALSE(pf::StartPrinting());
  EXPECT_FALSE(pf::StartDrawingOnPrinter());
  EXPECT_TRUE(pf::test::TakePrintJobs().empty());
}

}  // namespace
