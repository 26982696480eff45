// The parser object of the `larkprint` program: the toolkit's parser object
// that parses each source whole.
#include "LarkprintParser.h"

#include "OrvSourceParser.h"

OrvParser* NewLarkprintParser() { return new OrvSourceParser; }
