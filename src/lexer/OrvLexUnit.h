// OrvLexUnit: the value form of the lexer's unit, used between its lower
// layers so that reading a character costs no heap object.  It carries what
// an OrvTokenGroup carries - a code, a begin and end position, a text and the
// tokens attached in front of it - and is turned into a group only when it
// leaves the lexer's public layer operations.
#ifndef LARK_LEXER_ORVLEXUNIT_H
#define LARK_LEXER_ORVLEXUNIT_H

#include <cstring>
#include <iosfwd>
#include <utility>

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
  // Take the other unit's content; the other unit is left empty.  Inline,
  // like the rest of the unit's small operations: units move between the
  // lexer's layers several times per word.
  OrvLexUnit(OrvLexUnit&& o) noexcept
      : code(o.code), beg(o.beg), end(o.end), attached(std::move(o.attached)) {
    text.TakeOver(o.text);
    o.code = 0;
    o.beg = OrvTxtPosn();
    o.end = OrvTxtPosn();
  }
  OrvLexUnit& operator=(OrvLexUnit&& o) noexcept {
    if (this != &o) {
      code = o.code;
      beg = o.beg;
      end = o.end;
      text.TakeOver(o.text);
      attached = std::move(o.attached);
      o.code = 0;
      o.beg = OrvTxtPosn();
      o.end = OrvTxtPosn();
    }
    return *this;
  }

  // Empties the unit: code 0, null positions, no text, no attached tokens.
  void Clear() {
    code = 0;
    beg = OrvTxtPosn();
    end = OrvTxtPosn();
    ClearText();
    attached.Clear();
  }
  // Drops the text only.
  void ClearText() {
    VStringText::Delete(text.text, text.length);
    text.text = nullptr;
    text.length = 0;
  }
  // Replaces the text by a copy of exactly the `n` characters at `s` (a
  // word's characters, which hold no NUL): one allocation and one copy.
  void SetText(const char* s, int n) {
    VString copy;
    if (n > 0) {
      copy.text = VStringText::New(n);
      std::memcpy(copy.text, s, static_cast<size_t>(n));
      copy.text[n] = '\0';
      copy.length = n;
    }
    text.TakeOver(copy);
  }
  // Takes the other unit in as part of this one: the other's attached tokens
  // go to the end of this one's, this unit now ends where the other ends,
  // and the other is left empty.
  void Absorb(OrvLexUnit& o) {
    attached.Splice(o.attached);
    end = o.end;
    o.Clear();
  }
  // A new token of the unit's code, positions and text (the unit's text is
  // emptied); the attached tokens stay with the unit.
  OrvToken* TakeToken() {
    OrvToken* token = new OrvToken();
    token->code = static_cast<std::int16_t>(code);
    if (text.length > 0) token->SetImage(text);
    ClearText();
    token->begin = beg;
    token->end = end;
    return token;
  }
  // A new group holding the unit's token and attached tokens; the unit is
  // left empty.
  OrvTokenGroup* ToGroup();
  // Takes over the group's token and attached tokens and deletes the group.
  void FromGroup(OrvTokenGroup* group);
  // Writes the unit as OrvTokenGroup::Print writes a group (for traces).
  void Print(std::ostream& out) const;
};

#endif
