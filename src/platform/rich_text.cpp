#include "platform/rich_text.h"

#include <QColor>
#include <QScrollBar>
#include <QString>
#include <QStringList>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

#include "platform/registry.h"
#include "platform/rtf_reader.h"

namespace pf::detail {
namespace {

// Marks hidden text in the document so that the line API can tell it from shown text.
constexpr int kHiddenProperty = QTextFormat::UserProperty + 0x48;
// Small enough that the glyphs take no width at any zoom, large enough to be a valid font size.
constexpr double kHiddenPointSize = 0.01;

QTextBlockFormat BlockFormat(const rtf::Paragraph& p, double pixelsPerTwip) {
  QTextBlockFormat f;
  switch (p.align) {
    case rtf::Align::Left:
      f.setAlignment(Qt::AlignLeft);
      break;
    case rtf::Align::Centre:
      f.setAlignment(Qt::AlignHCenter);
      break;
    case rtf::Align::Right:
      f.setAlignment(Qt::AlignRight);
      break;
  }
  f.setLeftMargin(p.leftIndent * pixelsPerTwip);
  f.setTextIndent(p.firstIndent * pixelsPerTwip);
  return f;
}

QTextCharFormat CharFormat(const rtf::Run& r) {
  QTextCharFormat f;
  f.setFontWeight(r.bold ? QFont::Bold : QFont::Normal);
  f.setFontItalic(r.italic);
  f.setFontUnderline(r.underline);
  if (r.halfPoints > 0) f.setFontPointSize(r.halfPoints / 2.0);
  if (!r.face.empty()) f.setFontFamilies(QStringList{InstalledFamily(r.face)});
  if (r.colour) f.setForeground(QColor(QRgb(*r.colour)));
  if (r.hidden) MakeHiddenFormat(f);
  return f;
}

// A line break inside a paragraph is the document's line separator; a plain "\n" would start a new block.
QString RunText(const std::string& utf8) {
  QString s = QString::fromStdString(utf8);
  s.replace(QChar('\n'), QChar(QChar::LineSeparator));
  return s;
}

// Starts the viewer over with an empty document at the top, without undo history.
QTextDocument* ClearViewer(QTextEdit* viewer) {
  QTextDocument* doc = viewer->document();
  doc->setUndoRedoEnabled(false);
  doc->clear();
  viewer->setCurrentCharFormat(QTextCharFormat());
  return doc;
}

void ShowFromTop(QTextEdit* viewer) {
  viewer->setTextCursor(QTextCursor(viewer->document()));
  viewer->verticalScrollBar()->setValue(0);
}

}  // namespace

void MakeHiddenFormat(QTextCharFormat& format) {
  format.setForeground(QColor(Qt::transparent));
  format.setFontPointSize(kHiddenPointSize);
  format.setFontUnderline(false);
  format.setProperty(kHiddenProperty, true);
}

bool IsHiddenFormat(const QTextCharFormat& format) { return format.boolProperty(kHiddenProperty); }

void LoadRtf(QTextEdit* viewer, std::string_view rtf) {
  if (!viewer) return;
  const rtf::Document model = rtf::ReadRtf(rtf);
  QTextDocument* doc = ClearViewer(viewer);
  const double pixelsPerTwip = viewer->logicalDpiX() / 1440.0;
  QTextCursor cursor(doc);
  cursor.beginEditBlock();
  bool first = true;
  for (const rtf::Paragraph& p : model.paragraphs) {
    // An empty paragraph takes the viewer's own font for its height, never the hidden text before it.
    if (first) {
      cursor.setBlockFormat(BlockFormat(p, pixelsPerTwip));
    } else {
      cursor.insertBlock(BlockFormat(p, pixelsPerTwip), QTextCharFormat());
    }
    first = false;
    for (const rtf::Run& r : p.runs) cursor.insertText(RunText(r.text), CharFormat(r));
  }
  cursor.endEditBlock();
  ShowFromTop(viewer);
}

void LoadViewerPlainText(QTextEdit* viewer, const std::string& text) {
  if (!viewer) return;
  QString s = QString::fromStdString(text);
  s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  s.replace(QChar('\r'), QChar('\n'));
  QTextCursor cursor(ClearViewer(viewer));
  cursor.insertText(s, QTextCharFormat());
  ShowFromTop(viewer);
}

}  // namespace pf::detail
