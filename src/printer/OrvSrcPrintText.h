// Printing the tokens of a token list that are not regenerated from a
// template: the comments kept in the tree (comment lines, and the
// persistent lines of NOTE paragraphs), and the spacing of preserved text.
// Copying the text of source tokens from the source files (SourcePrint) is
// not part of this program: a token that would be copied is skipped.
#ifndef LARK_PRINTER_ORVSRCPRINTTEXT_H
#define LARK_PRINTER_ORVSRCPRINTTEXT_H

#include "OrvResult.h"

class OrvTokenList;

// Prints, for each token of the list in order: a CM_COMMENT as a comment
// line (while "gen-print-comments" is on), a CM_PERSISTENT always, and for
// PRESERVED_SPACE and PRESERVED_STRING the spaces up to the token's begin
// column.  Keywords and other source tokens are not printed: the templates
// spell them.  `commentPrinted` (may be null) is set to 1 when a comment
// line was written.  0, or a failure code.
OrvResult SrcPrintText(const OrvTokenList& tokens, int srcP, int* commentPrinted);

#endif
