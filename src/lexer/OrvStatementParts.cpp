// Pieces shared by the lexer's statement readers.
#include "OrvStatementParts.h"

#include <cstring>

#include "OrvConstNodes.h"
#include "OrvExpr.h"
#include "OrvPosnWalkers.h"
#include "OrvToken.h"

bool OrvIsWordAnyCase(const OrvLexUnit& u, const char* word) {
  const size_t n = std::strlen(word);
  if (u.code != TK_CHAR_STRING || u.text.length != static_cast<int>(n)) return false;
  for (size_t i = 0; i < n; ++i)
    if (OrvToUpper(u.text.text[i]) != word[i]) return false;
  return true;
}

void OrvMoveUnitTo(OrvLexUnit& u, OrvTokenList& list) { list.AppendGroup(u.ToGroup()); }

void OrvCopyUnitTo(const OrvLexUnit& u, OrvTokenList& list) {
  for (OrvToken* p : u.attached.Tokens()) {
    OrvToken* copy = new OrvToken(*p);
    list.Append(copy);
  }
  OrvToken* token = new OrvToken(u.code, u.text, u.beg, u.end);
  list.Append(token);
}

OrvExpr* OrvNewIntConst(int value) { return new OrvIntNumConst(OrvFormat("%d", value), value); }

void OrvFinishStatementNode(OrvExpr* node) {
  ProcessToken(node);
  node->SetFromSrc(1);
}
