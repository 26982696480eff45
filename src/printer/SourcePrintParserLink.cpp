// The links of the SourcePrint preparation to the running parser: the
// positions trace word of its parse state, and its message path, which puts a
// warning into the parse's message list so that it counts in the result.
// Outside a parse the trace is off and the warning goes to the process-wide
// message sink (the parser's message routine does that when none runs).
#include "OrvSourcePrintPrep.h"

#include "OrvMessage.h"
#include "OrvParserImpl.h"

int SourcePrintTraceLevel() { return currentParser ? currentParser->debugLevel : 0; }

void SourcePrintWarning(const VString& text, const OrvTxtPosn& position) {
  OrvParserImpl::ParserError(MSG_WARN, &position, &text);
}
