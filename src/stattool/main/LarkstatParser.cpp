// The parser object of the `larkstat` program.
//
// Parsing one whole source is not part of the program yet: this parser
// reports that at severe level through its message call-back and answers
// ORV_PARSE_FAILED, so that every file bails out and the program still runs
// end to end (banner, options, listings, input checks, totals, exit status).
// The program's real parser object takes its place here.
#include "LarkstatParser.h"

#include "OrvMessage.h"
#include "OrvParser.h"
#include "OrvTxtPosn.h"

namespace {

class UnbuiltParser : public OrvParser {
public:
  OrvParserResult Parse(const VString&, OrvExpr** tree, OrvTokenList*) override {
    if (tree) *tree = nullptr;
    VString text("parsing is not built");
    if (messageSink) messageSink(MSG_SEVERE, &OrvNullPosn, &text);
    return ORV_PARSE_FAILED;
  }
};

}  // namespace

OrvParser* NewLarkstatParser() { return new UnbuiltParser; }
