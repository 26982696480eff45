// The level-number check of data description entries.
#ifndef LARK_SEMA_ORVCHECKLEVELNUMBER_H
#define LARK_SEMA_ORVCHECKLEVELNUMBER_H

class OrvExpr;
class OrvParserImpl;

// The low 32 bits of the level number's value.  A value other than 1 to 49,
// 66, 77, 78 or 88 is reported ("Level number should be between 01 and 49,
// or 66, 77, 78, 88, not %s" with the number as written, MSG_ERR) at the
// begin of the node's tokens, and returned all the same.  The parser
// argument is what the grammar passes; it is not needed.  A missing node
// gives 0 and no message.
int CheckLevelNumber(OrvParserImpl* parser, OrvExpr* levelNumber);

#endif
