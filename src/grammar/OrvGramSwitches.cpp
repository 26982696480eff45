// The switches that the grammar's actions set in the lexer and in the token
// supply of the running parse.
#include "OrvGramSwitches.h"

#include "OrvParserImpl.h"

void OrvGramReservedLookup(int on) {
  if (currentParser != nullptr) currentParser->lexer.switches.reservedWordLookup = on;
}

void OrvGramNameLookup(int on) {
  if (currentParser != nullptr) currentParser->nameLookup = on;
}

void OrvGramFunctionMode(int on) {
  if (currentParser == nullptr) return;
  currentParser->lexer.switches.reservedWordLookup = !on;
  currentParser->lexer.switches.functionNameMode = on;
  currentParser->nameLookup = !on;
}

void OrvGramSpecialWords(int on) {
  if (currentParser != nullptr) currentParser->lexer.switches.specialReservedWords = on;
}

void OrvGramDebuggingLines() {
  if (currentParser != nullptr) currentParser->lexer.switches.debuggingLines = 1;
}

void OrvGramDecimalPointComma() {
  if (currentParser != nullptr) currentParser->lexer.switches.decimalPoint = ',';
}

void OrvGramAreaANames(int on) {
  if (currentParser != nullptr) currentParser->areaANames = on;
}

void OrvGramResetSwitches(OrvSwitchContext context) {
  OrvGramFunctionMode(0);
  OrvGramSpecialWords(context == ORV_SWITCHES_SPECIAL_NAMES || context == ORV_SWITCHES_DISPLAY_ITEM);
  OrvGramAreaANames(context == ORV_SWITCHES_PROCEDURE || context == ORV_SWITCHES_DISPLAY_ITEM);
}
