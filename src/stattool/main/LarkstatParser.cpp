// The parser object of the `larkstat` program: the toolkit's parser object,
// which parses each source whole (OrvParseSource).
#include "LarkstatParser.h"

#include "OrvParseSource.h"
#include "OrvParserImpl.h"

OrvParser* NewLarkstatParser() {
  OrvInstallParseSource();
  return new OrvParserImpl;
}
