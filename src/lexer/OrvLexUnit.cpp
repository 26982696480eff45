// The value form of the lexer's unit and its conversion to and from groups.
#include "OrvLexUnit.h"

#include <ostream>

#include "OrvToken.h"

OrvLexUnit::OrvLexUnit(OrvLexUnit&& o) noexcept
    : code(o.code), beg(o.beg), end(o.end), attached(std::move(o.attached)) {
  text.TakeOver(o.text);
  o.code = 0;
  o.beg = OrvTxtPosn();
  o.end = OrvTxtPosn();
}

OrvLexUnit& OrvLexUnit::operator=(OrvLexUnit&& o) noexcept {
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

void OrvLexUnit::Absorb(OrvLexUnit& o) {
  attached.Splice(o.attached);
  end = o.end;
  o.Clear();
}

OrvTokenGroup* OrvLexUnit::ToGroup() {
  OrvToken* token = new OrvToken();
  token->code = static_cast<std::int16_t>(code);
  token->image.TakeOver(text);
  token->begin = beg;
  token->end = end;
  OrvTokenGroup* group = new OrvTokenGroup(token);
  attached.MoveToFront(group->attached);
  Clear();
  return group;
}

void OrvLexUnit::FromGroup(OrvTokenGroup* group) {
  Clear();
  if (group == nullptr) return;
  if (group->token != nullptr) {
    code = group->token->code;
    text.TakeOver(group->token->image);
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
  for (OrvTokenListNode* p = attached.Head(); p != nullptr; p = p->next) {
    if (p != attached.Head()) out << ", ";
    p->token->PrintCode(out);
  }
  out << '}';
}
