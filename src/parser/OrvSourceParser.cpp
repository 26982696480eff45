// The parser object that parses whole COBOL sources.
#include "OrvSourceParser.h"

#include "OrvParseSource.h"

OrvParserResult OrvSourceParser::Parse(const VString& fileName, OrvExpr** tree,
                                       OrvTokenList* messages) {
  return OrvParseSource(*this, fileName, tree, messages);
}
