// The harness grammar's table unit, its action dispatcher and the helpers
// its actions call: nodes of the catalogue's operations built from the
// values of the right-hand side, the error statement, a stand-in clause
// collector for WRITE, and the function-name switch of the word source.
#include <string>

#include "EngineHarness.h"
#include "OrvConstNodes.h"
#include "OrvExprOper.h"
#include "OrvListExpr.h"
#include "OrvOperSlots.h"
#include "OrvParserErrors.h"
#include "OrvParserImpl.h"

namespace engine_harness {

namespace {

// The slots of the harness's WRITE node: those of STMT_WRITE, its INVALID
// KEY phrases in the slots of the phrase pairs.
const int HARNESS_RECORD_SLOT = STMT_WRITE__RECORD_NAME;
const int HARNESS_FROM_SLOT = STMT_WRITE__FROM;
const int HARNESS_INVALID_SLOT = STMT_WRITE__AT_END_OF_PAGE_INVALID_KEY;
const int HARNESS_NOT_INVALID_SLOT = STMT_WRITE__NOT_AT_END_OF_PAGE_INVALID_KEY;

// The node of a value, or a new NULL_NODE for a value that is none.
OrvExpr* NodeOrNull(OrvParseValue value) {
  OrvExpr* node = OrvGrammarValueNode(value);
  return node != nullptr ? node : new OrvNullNode();
}

OrvParseValue ValueOf(OrvExpr* node) { return reinterpret_cast<OrvParseValue>(node); }

// A node of `op` with the given values in its first slots.
OrvParseValue HarnessNode(int op, OrvParseValue a = 0, OrvParseValue b = 0, OrvParseValue c = 0) {
  OrvExpr* node = new OrvExprOper(static_cast<OrvOper>(op));
  const OrvParseValue values[] = {a, b, c};
  for (int i = 0; i < node->NArgs() && i < 3; ++i) node->SetArg(i, NodeOrNull(values[i]), -1, 0);
  return ValueOf(node);
}

// A list of `op` holding one item, and a list grown by one item.
OrvParseValue HarnessList(int op, OrvParseValue item) {
  OrvExpr* node = OrvGrammarValueNode(item);
  return ValueOf(node != nullptr ? OrvListExpr(static_cast<OrvOper>(op), node, nullptr)
                                 : new OrvExprOper(static_cast<OrvOper>(op)));
}
OrvParseValue HarnessAppend(int op, OrvParseValue list, OrvParseValue item) {
  return ValueOf(OrvListExpr(static_cast<OrvOper>(op), OrvGrammarValueNode(list), NodeOrNull(item)));
}

OrvParseValue HarnessNull() { return ValueOf(new OrvNullNode()); }

// Sets the first slot of a phrase node made before its statement.
OrvParseValue HarnessFill(OrvParseValue phrase, OrvParseValue statement) {
  OrvExpr* node = OrvGrammarValueNode(phrase);
  node->SetArg(0, NodeOrNull(statement), -1, 0);
  return phrase;
}

// The start symbol hangs the sentences under the parser's root, where a
// source's programs go.
OrvParseValue HarnessFile(OrvParseValue sentences) {
  OrvExpr* root = currentParser->root;
  root->SetArg(COBOL_FILE__PROGRAM_LIST, NodeOrNull(sentences), -1, 0);
  return ValueOf(root);
}

// The error rule: the current error node, and the position step skipped.
OrvParseValue HarnessErrorStatement() {
  OrvExpr* node = GenErrNode();
  currentParser->noReduce = 1;
  return ValueOf(node);
}

OrvParseValue HarnessSubscripted(OrvParseValue word, OrvParseValue subscripts) {
  return HarnessNode(TABLE_ELT, word, subscripts);
}

// The stand-in collector: the WRITE node being built.  It never owns the
// node (the value stack does), so a node that recovery discards is only
// forgotten.
OrvExpr* collectorNode = nullptr;

OrvParseValue HarnessWriteBegin(OrvParseValue record) {
  OrvExpr* node = new OrvExprOper(STMT_WRITE);
  node->SetArg(HARNESS_RECORD_SLOT, NodeOrNull(record), -1, 0);
  collectorNode = node;
  return ValueOf(node);
}

void HarnessCollect(int slot, OrvParseValue clause) {
  OrvExpr* node = OrvGrammarValueNode(clause);
  if (collectorNode == nullptr) {
    delete node;
    return;
  }
  collectorNode->SetArg(slot, node, -1, 0);
}

OrvParseValue HarnessWriteEnd(OrvParseValue write, OrvParseValue invalid, OrvParseValue notInvalid) {
  OrvExpr* node = OrvGrammarValueNode(write);
  node->SetArg(HARNESS_INVALID_SLOT, NodeOrNull(invalid), -1, 0);
  node->SetArg(HARNESS_NOT_INVALID_SLOT, NodeOrNull(notInvalid), -1, 0);
  if (collectorNode == node) collectorNode = nullptr;
  return write;
}

void HarnessFunctionNames(int on) { SetFunctionNames(on != 0); }

}  // namespace

#define LARK_GRAMMAR_CONSTANTS "EngineHarness.constants.h"
#define LARK_GRAMMAR_TABLES "EngineHarness.tables.inc"
#include "OrvGrammarTables.inc"

#define LARK_GRAMMAR_ACTIONS "EngineHarness.actions.inc"
#include "OrvGrammarActions.inc"

const OrvGrammarDef Grammar = {&ParseTables, &RunAction, 0};

void ForgetCollectedWrite() { collectorNode = nullptr; }

}  // namespace engine_harness
