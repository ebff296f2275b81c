// The printed page: a title, the heading, the tree with its results column and reduction note,
// and the explanation of the branch names.
#pragma once

#include <string>
#include <vector>

#include "host/Canvas.h"
#include "host/Context.h"

namespace kvistra {

// "Udskriv": asks the print dialog and prints the page. Nothing changes, whether it prints or
// the dialog is cancelled.
void printTree(Context& context);

// "Vis udskrift": the page "Udskriv" prints, shown first.
void previewTree(Context& context);

// Printing from the approve box: the page with the event's outcomes marked, the result being
// approved written under the heading, and its working, in its encoding, below everything else.
void printTree(Context& context, const std::string& resultLine,
               const std::vector<std::string>& working,
               TextEncoding workingEncoding = TextEncoding::Windows1252);

// The page on a printer's canvas, in page units; resultLine and working may be empty.
void drawPrintPage(const TreeState& state, const WindowState& window, Canvas& canvas,
                   const std::string& resultLine, const std::vector<std::string>& working = {},
                   TextEncoding workingEncoding = TextEncoding::Windows1252);

// The explanation lines a page prints: the pane's title line and its name rows, or none when
// the pane is hidden or holds no row.
std::vector<std::string> printedBranchTexts(const WindowState& window);

// The heading button: the heading dialog, then the heading it leaves. "OK" takes the field's
// text, "Fortryd" the text the field showed when it opened, the close box changes nothing.
void editPrintHeading(Context& context);

}  // namespace kvistra
