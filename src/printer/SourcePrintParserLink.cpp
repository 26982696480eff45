// The links of the SourcePrint preparation to the running parser.
//
// The preparation runs inside a parse, whose parser object supplies the
// positions trace word and the message path that tallies a warning into the
// parse result.  Until the parser object is part of the program, no parse
// state exists: the trace stays off and a warning goes to the process-wide
// message sink.
#include "OrvSourcePrintPrep.h"

#include "OrvMessage.h"
#include "OrvMessageSink.h"

int SourcePrintTraceLevel() { return 0; }

void SourcePrintWarning(const VString& text, const OrvTxtPosn& position) {
  OrvGlobalMessageSink(MSG_WARN, &position, &text);
}
