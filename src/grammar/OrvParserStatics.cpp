// The grammar's process-wide objects and its dialect check.
#include "OrvParserStatics.h"

// Built in this order: the registry, which the parser object walks, lists
// them so.
OrvClauseCollector OrvConfigurationCollector;
OrvClauseCollector OrvSpecialNamesCollector;
OrvClauseCollector OrvSubClauseCollector;
OrvClauseCollector OrvEntryCollector;
OrvClauseCollector OrvFileControlCollector;
OrvClauseCollector OrvFileDescriptionCollector;
OrvClauseCollector OrvReportDescriptionCollector;
OrvClauseCollector OrvScreenItemCollector;
OrvCicsCollector OrvCicsStatementCollector;

std::uint16_t OrvPassingMode = 0;

int GrammarSupportsSql = 1;
int GrammarSupportsCics = 1;
int& OrvCanParseSql = GrammarSupportsSql;
int& OrvCanParseCics = GrammarSupportsCics;

int CanParseDialects(const OrvDials* dials) {
  if (dials == nullptr) return 1;
  const OrvDials refused = OrvDialFieldMask(ORV_DIAL_WANG) | OrvDialFieldMask(ORV_DIAL_DML);
  return (*dials & refused) == 0 ? 1 : 0;
}
