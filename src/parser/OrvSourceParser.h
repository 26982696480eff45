// OrvSourceParser: the parser object that parses whole COBOL sources.  The
// parse-state machinery of OrvParserImpl stands below the grammar; this
// class, above it, gives the object its Parse.
#ifndef LARK_PARSER_ORVSOURCEPARSER_H
#define LARK_PARSER_ORVSOURCEPARSER_H

#include "OrvParserImpl.h"

class OrvSourceParser : public OrvParserImpl {
 public:
  // Default settings and a reset parse state (as OrvParserImpl).
  OrvSourceParser() = default;
  // The settings of `other` with an empty option group, its own lexer and a
  // reset parse state: a configured parser can be copied for each source.
  OrvSourceParser(const OrvSourceParser& other) = default;
  OrvSourceParser& operator=(const OrvSourceParser& other) = default;
  ~OrvSourceParser() override = default;

  // Parses one source file with OrvParseSource (see there for the results).
  OrvParserResult Parse(const VString& fileName, OrvExpr** tree,
                        OrvTokenList* messages) override;
};

#endif
