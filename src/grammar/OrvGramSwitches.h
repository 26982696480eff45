// The switches that the grammar's actions set in the lexer and in the token
// supply of the running parse, so that the tokens after them are read the
// way their construct needs: reserved-word lookup, name lookup, function
// names, special reserved words, debugging lines, the decimal-point
// character and Area A names.  Rules that set a switch run in trial parses
// too, because the tokens they govern are read (and queued) there.
#ifndef LARK_GRAMMAR_ORVGRAMSWITCHES_H
#define LARK_GRAMMAR_ORVGRAMSWITCHES_H

// Where an error rule stands, for the switches it puts back.
enum OrvSwitchContext {
  ORV_SWITCHES_ENVIRONMENT = 0,    // CONFIGURATION SECTION
  ORV_SWITCHES_SPECIAL_NAMES = 1,  // a clause of SPECIAL-NAMES
  ORV_SWITCHES_PROCEDURE = 2,      // the PROCEDURE DIVISION
  ORV_SWITCHES_DATA = 3,           // the INPUT-OUTPUT SECTION and the DATA DIVISION
  ORV_SWITCHES_DISPLAY_ITEM = 4    // the phrases of a DISPLAY item
};

// The lexer's reserved-word lookup: off while a PROGRAM-ID name is read.
void OrvGramReservedLookup(int on);
// The token supply's name lookup: off while a computer name or a linkage
// type is read, so that a user-defined word arrives as a character string.
void OrvGramNameLookup(int on);
// Function-name mode for the word after FUNCTION: on sets reserved-word
// lookup and name lookup off and function-name mode on; off puts all three
// back as a reset leaves them.
void OrvGramFunctionMode(int on);
// The special reserved words (devices, switches): on inside SPECIAL-NAMES.
void OrvGramSpecialWords(int on);
// WITH DEBUGGING MODE: debugging lines become source lines.
void OrvGramDebuggingLines();
// DECIMAL-POINT IS COMMA: "," becomes the decimal point of numbers.
void OrvGramDecimalPointComma();
// The token supply's Area A names: on in the PROCEDURE DIVISION.
void OrvGramAreaANames(int on);

// After a syntax error the switches may have been left set by a construct
// that recovery threw away (a function name, a computer name, a PROGRAM-ID
// name): an error rule puts them back as its context expects them, that is
// as a reset leaves them, with the special reserved words on only inside
// SPECIAL-NAMES and the items of DISPLAY, and Area A names on only in the
// PROCEDURE DIVISION.
void OrvGramResetSwitches(OrvSwitchContext context);

#endif
