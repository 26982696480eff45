// OrvLexUnit: the value form of the lexer's unit, used between its lower
// layers so that reading a character costs no heap object.  It carries what
// an OrvTokenGroup carries - a code, a begin and end position, a text and the
// tokens attached in front of it - and is turned into a group only when it
// leaves the lexer's public layer operations.
#ifndef LARK_LEXER_ORVLEXUNIT_H
#define LARK_LEXER_ORVLEXUNIT_H

#include <iosfwd>

#include "OrvTokenChain.h"
#include "OrvTxtPosn.h"
#include "VString.h"

class OrvTokenGroup;

struct OrvLexUnit {
  int code = 0;
  OrvTxtPosn beg;
  OrvTxtPosn end;    // exclusive: one character at column c ends at c + 1
  VString text;      // literal images and comment texts; empty otherwise
  OrvTokenChain attached;

  OrvLexUnit() = default;
  OrvLexUnit(const OrvLexUnit&) = delete;
  OrvLexUnit& operator=(const OrvLexUnit&) = delete;
  // Take the other unit's content; the other unit is left empty.
  OrvLexUnit(OrvLexUnit&& o) noexcept;
  OrvLexUnit& operator=(OrvLexUnit&& o) noexcept;

  // Empties the unit: code 0, null positions, no text, no attached tokens.
  void Clear() {
    code = 0;
    beg = OrvTxtPosn();
    end = OrvTxtPosn();
    if (text.text != nullptr || text.length != 0) text = VString();
    attached.Clear();
  }
  // Takes the other unit in as part of this one: the other's attached tokens
  // go to the end of this one's, this unit now ends where the other ends,
  // and the other is left empty.
  void Absorb(OrvLexUnit& o);
  // A new group holding the unit's token and attached tokens; the unit is
  // left empty.
  OrvTokenGroup* ToGroup();
  // Takes over the group's token and attached tokens and deletes the group.
  void FromGroup(OrvTokenGroup* group);
  // Writes the unit as OrvTokenGroup::Print writes a group (for traces).
  void Print(std::ostream& out) const;
};

#endif
