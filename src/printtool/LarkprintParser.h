// The parser object of the `larkprint` program.
#ifndef LARK_PRINTTOOL_LARKPRINTPARSER_H
#define LARK_PRINTTOOL_LARKPRINTPARSER_H

class OrvParser;

// A new parser object for the program's tool record, which owns it.
OrvParser* NewLarkprintParser();

#endif
