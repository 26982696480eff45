// Printing the tokens of a token list: with SourcePrint ("gen-src") the
// text of source tokens is copied from the source files, token span by
// token span, so that spacing, line breaks, comments, sequence numbers and
// spelling survive; in a print from templates only the comments kept in
// the tree and the spacing of preserved text are printed, the templates
// spelling everything else.
#ifndef LARK_PRINTER_ORVSRCPRINTTEXT_H
#define LARK_PRINTER_ORVSRCPRINTTEXT_H

#include "OrvResult.h"

class OrvTokenList;

// Prints, for each token of the list in order: a CM_COMMENT with both
// positions copied from the source when "gen-src" is on, else as a comment
// line while "gen-print-comments" is on; a CM_PERSISTENT always as a
// comment line; any other token copied from the source when `srcP` is 1,
// and a PRESERVED_SPACE or PRESERVED_STRING also with `srcP` 0 (then only
// the spaces up to its column are put).  A copied token that lies in
// another file than the text before it is shown by one blank (with a
// warning), unless it is a space token, which then starts at the line of
// the text before it or at the start of its own line.  `commentPrinted`
// (may be null) is set to 1 when a comment line was written or the last
// copied character was a line break.  0; 47 (the end of a file, or of a
// line in the sequence area, where source text is expected, or a source
// that cannot be read again); 48 (a position in no file of the run).
OrvResult SrcPrintText(const OrvTokenList& tokens, int srcP, int* commentPrinted);

// The end of an output line whose last text was copied from a source line
// (the print state's last source position): when the source line reaches
// the right margin, the output is padded to it and the rest of the source
// line is copied, which reproduces columns 73 and on.  A shorter source
// line adds nothing.
void OrvCopySourceLineEnd();

#endif
