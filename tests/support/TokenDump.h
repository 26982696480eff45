// The token dump of the tests of the lexer and of the layers above it: one
// line per token,
//
//   NAME "text" L:C-L:C
//
// NAME is the code's name (OrvTokenCodeName), or the character in single
// quotes for a code of 1..255; the text is the token's own text with '\',
// '"' and control bytes escaped (\\, \", \n, \t, \r, \xNN); L:C are the line
// and the column (counted from 0) of the begin and of the end.  The tokens
// attached in front of a token come first, each on a line that starts with
// "  + ".  Every line ends with a line feed.
#ifndef LARK_TESTS_SUPPORT_TOKENDUMP_H
#define LARK_TESTS_SUPPORT_TOKENDUMP_H

#include <string>

class OrvLexer;
class OrvToken;
class OrvTokenGroup;

// The line of one token, without its line feed.
std::string DumpToken(const OrvToken& token);

// The lines of one group: its attached tokens, then its token.
std::string DumpGroup(const OrvTokenGroup& group);

// Reads tokens with GetToken up to and including SEP_EOF, deletes each group
// and returns the dump of them all.  After `limit` tokens without SEP_EOF
// the dump ends with the line "!no SEP_EOF after <limit> tokens".
std::string DumpTokens(OrvLexer& lexer, int limit = 1000000);

#endif
