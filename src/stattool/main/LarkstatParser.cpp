// The parser object of the `larkstat` program: the toolkit's parser object
// that parses each source whole.
#include "LarkstatParser.h"

#include "OrvSourceParser.h"

OrvParser* NewLarkstatParser() { return new OrvSourceParser; }
