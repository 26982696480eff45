// Input-output statements in the grammar's actions: READ and WRITE, whose
// nodes keep one of the AT END (AT END-OF-PAGE) and INVALID KEY phrases
// and one of their NOT twins, and the KEY phrase of START.
#ifndef LARK_GRAMMAR_ORVGRAMFILEIO_H
#define LARK_GRAMMAR_ORVGRAMFILEIO_H

#include "OrvActionFrame.h"

class OrvExpr;

// The end of READ, whose node holds its other phrases already: the AT END
// phrase in `atEnd` and the INVALID KEY phrase in `invalidKey` share
// STMT_READ__AT_END_INVALID_KEY, the NOT AT END and NOT INVALID KEY phrases
// STMT_READ__NOT_AT_END_INVALID_KEY (OrvGramKeepOnePhrase chooses, with
// "Both AT AND and INVALID KEY used"), END-READ goes to STMT_READ__END_READ.
// Returns the node.
OrvExpr* OrvGramFinishRead(OrvExpr* read, OrvExpr** atEnd, OrvExpr** invalidKey,
                           OrvExpr** notAtEnd, OrvExpr** notInvalidKey, OrvExpr* end);

// The same for WRITE: AT END-OF-PAGE or INVALID KEY into
// STMT_WRITE__AT_END_OF_PAGE_INVALID_KEY, their NOT phrases into
// STMT_WRITE__NOT_AT_END_OF_PAGE_INVALID_KEY (with "Both AT END-OF-PAGE and
// INVALID KEY used"), END-WRITE into STMT_WRITE__END_WRITE.
OrvExpr* OrvGramFinishWrite(OrvExpr* write, OrvExpr** endOfPage, OrvExpr** invalidKey,
                            OrvExpr** notEndOfPage, OrvExpr** notInvalidKey, OrvExpr* end);

// One slot of `statement` for two phrases, each present when it is neither
// null nor a NULL_NODE.  Both present: the error `bothMessage` at the
// running parser's current position, the first goes into the slot and the
// second is dropped; only the second present: it goes into the slot and the
// first is dropped; otherwise the first goes into the slot and the second is
// dropped.  A dropped phrase leaves no source text behind: its tokens move
// to the end of the statement's own token list, the parser forgets an
// error node that lay in it, the phrase is deleted and its stack entry
// cleared.
void OrvGramKeepOnePhrase(OrvExpr* statement, int slot, OrvExpr** first, OrvExpr** second,
                          const char* bothMessage);

// START KEY [IS] relational-operator key: a node of the operator's
// operation `op` (CMP_EQ ... CMP_NOT_LE) over the START_KEY node of the
// word KEY and the REC_KEY_USE of the key components.
OrvExpr* OrvGramStartKey(int op, OrvExpr* keyWord, OrvExpr* keyUse);

#endif
