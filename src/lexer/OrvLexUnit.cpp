// The value form of the lexer's unit and its conversion to and from groups.
#include "OrvLexUnit.h"

#include <ostream>

#include "OrvToken.h"

OrvTokenGroup* OrvLexUnit::ToGroup() {
  OrvTokenGroup* group = new OrvTokenGroup(TakeToken());
  attached.MoveToFront(group->attached);
  Clear();
  return group;
}

void OrvLexUnit::FromGroup(OrvTokenGroup* group) {
  Clear();
  if (group == nullptr) return;
  if (group->token != nullptr) {
    code = group->token->code;
    text = group->token->Image();
    beg = group->token->begin;
    end = group->token->end;
  }
  attached.TakeList(group->attached);
  delete group;
}

void OrvLexUnit::Print(std::ostream& out) const {
  OrvToken token(code, text, beg, end);
  token.PrintCode(out);
  out << ", {";
  for (OrvToken* p : attached.Tokens()) {
    if (p != attached.First()) out << ", ";
    p->PrintCode(out);
  }
  out << '}';
}
