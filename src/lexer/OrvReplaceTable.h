// OrvReplaceTable: the phrases of one REPLACE statement or of one COPY ...
// REPLACING phrase list - each a FROM text and a TO text of lexer units -
// with the two switches that tell the space-collapsed layer to keep commas
// and semicolons as units of their own while the table is in force.
#ifndef LARK_LEXER_ORVREPLACETABLE_H
#define LARK_LEXER_ORVREPLACETABLE_H

#include "OrvLexUnit.h"

// Most phrases a table holds; a further phrase takes the last place again.
const int ORV_MAX_REPLACE_PHRASES = 6;
// Most units of one FROM or TO text; a further unit takes the last place.
const int ORV_MAX_REPLACE_UNITS = 30;

// One FROM or TO text: its units in source order, each with the spaces,
// commas, semicolons and comment lines that stood in front of it attached.
struct OrvReplaceText {
  int count = 0;
  OrvLexUnit units[ORV_MAX_REPLACE_UNITS];

  // Deletes every unit.
  void Clear() {
    for (int i = 0; i < count; ++i) units[i].Clear();
    count = 0;
  }
  // Whether the text is the one unit of that code.
  bool IsSingle(int code) const { return count == 1 && units[0].code == code; }
};

struct OrvReplacePhrase {
  OrvReplaceText from;
  OrvReplaceText to;
};

struct OrvReplaceTable {
  int count = 0;  // phrases stored; every stored FROM text has a unit
  OrvReplacePhrase phrases[ORV_MAX_REPLACE_PHRASES];
  // Some FROM text is a single comma, or a single semicolon: while the table
  // is in force the space-collapsed layer hands those on as units.
  bool keepComma = false;
  bool keepSemicolon = false;

  // Deletes every unit of every phrase and leaves the table empty.
  void Clear();
  // Sets keepComma and keepSemicolon from the FROM texts stored.
  void SetKeeps();
};

#endif
