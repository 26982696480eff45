// Lengths and offsets of data items: after a source is parsed and its names
// resolved, every data-description entry of the WORKING-STORAGE,
// LOCAL-STORAGE and LINKAGE SECTIONs and of every FD or SD record gets its
// category (slot 16), length (17), offset in its group (18), offset from
// its 01/77 record (19) and global offset in its storage section (20); each
// OCCURS clause gets the length of one element (its slot 4) and each
// level-78 constant its value (slot 5).  Lengths and offsets are signed
// 64-bit byte counts, ORV_LAYOUT_UNDEF when they cannot be known.
#ifndef LARK_SEMA_ORVLENGTHSANDOFFSETS_H
#define LARK_SEMA_ORVLENGTHSANDOFFSETS_H

#include "OrvLayoutState.h"

class OrvExpr;
class OrvTokenList;

// Lays out every program of the tree (a COBOL_FILE), contained programs
// included.  Problems go as MSG_ERR tokens at the begin position of the
// entry concerned into `messages` (may be null); the computation goes on
// with a stated fallback.  The three switches turn on slot 18, slot 20 and
// the level-78 values (the parse passes 1 for all three).  The options are
// kept in OrvLayoutOptionsInUse.  Returns 0.
int OrvCalcLengthsAndOffsets(OrvExpr* root, OrvTokenList* messages, int offsetsInGroup,
                             int globalOffsets, int constantValues,
                             const OrvLayoutOptions& options);

// Lays out one DECL_DD_LIST, DECL_DD or DECL_DD_ENTRY (an elementary item)
// at the layout's current offset, recursively; any other node is left
// alone.  Runs inside OrvCalcLengthsAndOffsets, whose state it uses.
void OrvCalcDataOffsets(OrvExpr* node, const OrvLayoutOptions& options);

#endif
