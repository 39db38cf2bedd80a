// The pages of the ABOUT area and the analysis introduction page: the About page, the Understanding guide,
// the worked Examples and the Glossary. The reading pages show a list beside a read-only rich-text viewer;
// choosing an entry of the list scrolls the viewer to the matching place of a built-in document.
#pragma once

#include <span>
#include <string>

#include "platform/platform.h"

// ---- State ---------------------------------------------------------------------------------------------
inline int ShownDocument = 0;  // the guide document the Understanding viewer holds (0-6)
inline int ShownTopic = 0;     // and the topic it was last scrolled to
inline int UnderstandingViewer = 0, ExamplesViewer = 0, GlossaryViewer = 0;
inline int UnderstandingViewerPanel = 0, GlossaryViewerPanel = 0;
inline int GlossaryFocusField = 0;  // the hidden field a click beside the glossary viewer parks the focus in

// The glossary's terms, in the order of its list.
std::span<const char* const> GlossaryTerms();

// ---- Parts shared by the pages --------------------------------------------------------------------------
// The page title: the text in upper case across the page, 35 design units high. Returns its bottom.
int BuildPageTitle(int pageWidth, const std::string& text);
// A tile: a bordered container holding a clickable text that fills it, centred. Returns the text.
int BuildTextTile(int x, int y, int w, int h, const std::string& caption, int font);
// A text control with its colours and font.
int BuildText(int x, int y, int w, int h, const std::string& text, pf::Rgb front, pf::Rgb back, int font,
              unsigned flags = 0);

// ---- Choices ---------------------------------------------------------------------------------------------
// The first line of a viewer whose text (hidden text included) contains `needle`, or -1.
int FindViewerLine(int viewer, const std::string& needle);
// Scrolls the viewer so that `line` is its first visible line, as far as the viewer can scroll.
void ScrollViewerToLine(int viewer, int line);
// A new selection in (or a click on) topic list k, the examples list or the term list.
void ChooseUnderstandingTopic(int list);
void ChooseExample();
void ChooseGlossaryTerm();

// ---- Window procedures -----------------------------------------------------------------------------------
bool TopicListKeysProc(pf::Message& m, const pf::CallPrevious& previous);
bool TermListKeysProc(pf::Message& m, const pf::CallPrevious& previous);
bool ExamplesListProc(pf::Message& m, const pf::CallPrevious& previous);
bool ExamplesViewerProc(pf::Message& m, const pf::CallPrevious& previous);
bool ViewerClickFlagProc(pf::Message& m, const pf::CallPrevious& previous);
bool FocusEditChildProc(pf::Message& m, const pf::CallPrevious& previous);
