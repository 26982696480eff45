// Parsing one source file (OrvSourceParser::Parse): the lexer configured from
// the settings and opened on the file, the root with its implicit
// declarations, the grammar run over the tokens, every program finished,
// every node marked as coming from the source, SourcePrint prepared, the
// lengths and offsets of data items computed when asked, empty slots filled
// when asked, the messages tallied into the result, the lexer's counters
// copied into the settings.
#ifndef LARK_PARSER_ORVPARSESOURCE_H
#define LARK_PARSER_ORVPARSESOURCE_H

#include "OrvParser.h"

class OrvExpr;
class OrvParserImpl;
class OrvTokenList;
class VString;

// Parses `fileName` with `parser`'s settings; *tree receives the tree (the
// caller's from then on) or null, `messages` the warnings and errors (the
// warnings and information only with "warnings" on).  Results: 0, 1
// (warnings), 2 (errors), 3 (the grammar or the lexer failed; no tree), 11
// (the file cannot be read), 20 (a dialect mix the grammar refuses), 23 (a
// parse already runs in this process: nothing of it is touched).
OrvParserResult OrvParseSource(OrvParserImpl& parser, const VString& fileName, OrvExpr** tree,
                               OrvTokenList* messages);

// The callback of the walk "SetFromSrcWalker" that marks a parsed tree as
// source: a node, and each of its argument slots, whose from-source state
// is 0 gets 1; other states stay.  Visits the children.
int SetFromSrcWalker(OrvExpr* node, OrvExpr* root, void* context);

#endif
