// The table unit and the action dispatcher of the COBOL grammar, with the
// macros its one-line actions are written in.
#include "OrvGrammar.h"

#include "OrvConstNodes.h"
#include "OrvExprOper.h"
#include "OrvGramAcceptDisplay.h"
#include "OrvGramCall.h"
#include "OrvGramCics.h"
#include "OrvGramConditions.h"
#include "OrvGramDataDivision.h"
#include "OrvGramDataEntries.h"
#include "OrvGramFileIO.h"
#include "OrvGramFileSection.h"
#include "OrvGramInputOutput.h"
#include "OrvGramMiscStmts.h"
#include "OrvGramNames.h"
#include "OrvGramNodes.h"
#include "OrvGramProcedure.h"
#include "OrvGramProgramFrame.h"
#include "OrvGramReport.h"
#include "OrvGramScreen.h"
#include "OrvGramSpecialNames.h"
#include "OrvGramSql.h"
#include "OrvGramStatementNodes.h"
#include "OrvGramStatements.h"
#include "OrvGramSwitches.h"
#include "OrvGramUse.h"
#include "OrvListExpr.h"
#include "OrvOperSlots.h"
#include "OrvParserImpl.h"
#include "OrvParserStatics.h"
#include "OrvSymTab.h"

namespace cobol_grammar {

namespace {

// The position step of the reduction run now, with `node` as the new value
// (nothing in a trial or when it ran already); returns the node.
OrvExpr* PositionStep(OrvActionFrame& frame, OrvExpr* node) {
  OrvActionPositions(frame, reinterpret_cast<OrvParseValue>(node));
  return node;
}

// The index (k - m) of the value entry that holds `member`, the member an
// action names as $k: every entry is one word, so the member's address is
// its entry's.
int EntryIndex(const OrvActionFrame& frame, const void* member) {
  const std::intptr_t bytes = reinterpret_cast<std::intptr_t>(member) - reinterpret_cast<std::intptr_t>(frame.valueTop);
  return static_cast<int>(bytes / static_cast<std::intptr_t>(sizeof(OrvParseValue)));
}

// The position list of a right-hand-side symbol, from its value entry.
OrvTokenList*& PositionOf(OrvActionFrame& frame, const void* member) {
  return frame.positionTop[EntryIndex(frame, member)];
}

// A rule of one symbol whose node and tokens go up unchanged: a word's
// symbol-table element must not take the word's tokens (it lies outside the
// tree), the rule that uses it places them.
void PassUp(OrvActionFrame& frame, OrvExpr* const* node) {
  OrvTokenList*& position = PositionOf(frame, node);
  frame.newValue = frame.valueTop[EntryIndex(frame, node)];
  frame.newPosition = position;
  position = nullptr;
  frame.positionPending = 0;
}

}  // namespace

#define LARK_GRAMMAR_CONSTANTS "OrvGrammar.constants.h"
#define LARK_GRAMMAR_TABLES "OrvGrammar.tables.inc"
#include "OrvGrammarTables.inc"

// The macros of the actions (see OrvGrammar.y).
#define PARSER (*currentParser)
#define POSITION_STEP(node) PositionStep(frame, (node))
#define POSITION_OF(entry) PositionOf(frame, &(entry))
#define PASS_UP(entry) PassUp(frame, &(entry))
#define HAND_CLAUSE(collector, slot, node) (collector).SetClause((slot), POSITION_STEP(node))
#define HAND_LIST_ITEM(collector, slot, list, node) (collector).AddListItem((slot), (list), POSITION_STEP(node))
#define LARK_GRAMMAR_ACTIONS "OrvGrammar.actions.inc"
#include "OrvGrammarActions.inc"
#undef PARSER
#undef POSITION_STEP
#undef POSITION_OF
#undef PASS_UP
#undef HAND_CLAUSE
#undef HAND_LIST_ITEM

}  // namespace cobol_grammar

namespace {

// The deepest parse stack of a real program: the NIST suite and the CICS
// sample never go past 110 entries (a nested IF ... ELSE costs about seven
// per level, a parenthesis one).  The engine holds the height of the trees
// on the stack to the same bound (a chain of mixed operators, A + B - C ...,
// deepens the tree without deepening the stack), and every walk over them
// (the SourcePrint preparation, the layout, the statistics, node deletion)
// recurses per level: at 5000 levels
// the deepest of them needs about 2 MB of the machine stack under the
// address sanitizer, a quarter of the usual 8 MB, and far less without it.
const int kCobolMaxParseDepth = 5000;

// The COPY markers, which may stand between any two words of the source.
const int kCobolKeptBackTokens[] = {SEP_INLINED_COPY, SEP_UNINLINED_COPY, 0};

}  // namespace

const OrvGrammarDef OrvCobolGrammar = {&cobol_grammar::ParseTables, &cobol_grammar::RunAction,
                                       kCobolMaxParseDepth, kCobolKeptBackTokens};

int yyparse() { return OrvRunParse(OrvCobolGrammar); }
