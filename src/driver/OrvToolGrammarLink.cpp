// The grammar's capabilities as the banner reports them.  The grammar of
// this program parses embedded SQL and CICS and every dialect mix but those
// holding Wang VS or DMS DML; until the grammar is part of the program these
// answers stand in for its own switches and dialect check.
#include "OrvToolGrammarLink.h"

int OrvToolCanParseSql() { return 1; }

int OrvToolCanParseCics() { return 1; }

int OrvToolCanParseDialects(OrvDials set) {
  const OrvDials refused = OrvDialFieldMask(ORV_DIAL_WANG) | OrvDialFieldMask(ORV_DIAL_DML);
  return (set & refused) == 0 ? 1 : 0;
}
