// The parser object of the `larkstat` program.
#ifndef LARK_STATTOOL_LARKSTATPARSER_H
#define LARK_STATTOOL_LARKSTATPARSER_H

class OrvParser;

// A new parser object for the program's tool record, which owns it.
OrvParser* NewLarkstatParser();

#endif
