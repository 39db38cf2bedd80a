// Inside the layer only: the read-only rich-text viewer's content and its line API, on the viewer's own
// QTextEdit. Lines are the wrapped lines of the layout at the viewer's width, counted from 0 across the whole
// document.
#pragma once

#include <string>
#include <string_view>
#include <vector>

class QTextCharFormat;
class QTextEdit;

namespace pf::detail {

void LoadRtf(QTextEdit* viewer, std::string_view rtf);
// "\r", "\r\n" and "\n" break lines; the text takes the viewer's own font and colour.
void LoadViewerPlainText(QTextEdit* viewer, const std::string& text);

// Hidden text is part of the document's text but is drawn transparent and with no width.
void MakeHiddenFormat(QTextCharFormat& format);
bool IsHiddenFormat(const QTextCharFormat& format);

int RichLineCount(QTextEdit* viewer);
int RichFirstVisibleLine(QTextEdit* viewer);
std::string RichLineText(QTextEdit* viewer, int line);  // hidden text included; "" outside the lines
void RichScrollLines(QTextEdit* viewer, int lines);     // positive: down
void RichScrollPage(QTextEdit* viewer, bool down);
std::vector<std::string> RichVisibleLines(QTextEdit* viewer);  // every line as shown, hidden text left out

}  // namespace pf::detail
