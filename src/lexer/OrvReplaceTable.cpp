// The phrase table of REPLACE statements and COPY ... REPLACING phrases.
#include "OrvReplaceTable.h"

#include "OrvToken.h"

void OrvReplaceTable::Clear() {
  for (int p = 0; p < count; ++p) {
    phrases[p].from.Clear();
    phrases[p].to.Clear();
  }
  count = 0;
  keepComma = false;
  keepSemicolon = false;
}

void OrvReplaceTable::SetKeeps() {
  keepComma = false;
  keepSemicolon = false;
  for (int p = 0; p < count; ++p) {
    keepComma |= phrases[p].from.IsSingle(SEP_COMMA);
    keepSemicolon |= phrases[p].from.IsSingle(SEP_SEMI);
  }
}
