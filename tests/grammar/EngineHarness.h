// The harness of the parse-engine tests and benchmarks: the harness grammar
// (EngineHarness.y) with its action helpers, a token source that delivers
// the words of a text, and a parse of a text with the real parser object's
// messages, error nodes and position step, read back as a tree dump, the
// tokens in tree order, the messages and the engine's counters.
#ifndef LARK_TESTS_GRAMMAR_ENGINEHARNESS_H
#define LARK_TESTS_GRAMMAR_ENGINEHARNESS_H

#include <string>
#include <vector>

#include "OrvActionFrame.h"
#include "OrvParseCounters.h"
#include "OrvParseEngine.h"
#include "OrvParseTables.h"
#include "OrvTokenSource.h"

class OrvExpr;

namespace engine_harness {

// The tables and the action dispatcher of EngineHarness.y, and both as the
// engine takes them.
extern const OrvParseTables ParseTables;
OrvActionOutcome RunAction(int rule, OrvActionFrame& frame);
extern const OrvGrammarDef Grammar;

// The token code of one word of a harness text: keywords (READ, WRITE,
// PERFORM, COMPUTE, DISPLAY, MOVE, TO, FROM, AT-END, INVALID, NOT-AT, OF,
// FUNCTION, END-READ, AND), "(", ")", ".", digits (TK_INT_NUM_LIT), "#n" (the
// code n itself), any other word TK_USER_DEFD_WORD, or
// TK_FUNC_NAME_NO_ARGS while the function-name switch is on.
int WordCode(const std::string& word, bool functionNames);

// The words of a text (split at blanks).
std::vector<std::string> Words(const std::string& text);

// A generated text: `head`, `depth` opening parentheses, `inner`, as many
// closing ones, then `tail` ("COMPUTE ( ( X ) ) TO .").
std::string Nested(const std::string& head, int depth, const std::string& inner, const std::string& tail);

// The word source's function-name switch, which the grammar's FUNCTION
// rule turns on for the next word and off after it; it is the source's
// whole switch word.
void SetFunctionNames(bool on);

// The word source: the words given to StartWords, one token each (word i
// at line i + 1, column 7), then end of input, whose empty position list
// becomes the parser's end-of-input list as yylex makes it.  Every
// delivered token is counted in DeliveredTokens.
extern const OrvTokenSource WordSource;
void StartWords(const std::vector<std::string>& words);
extern long DeliveredTokens;

// The stand-in WRITE collector forgets the node it is building (a parse
// ends).
void ForgetCollectedWrite();

// What a harness parse gives back.
struct HarnessParse {
  int result = -1;  // PARSE_ACCEPTED or PARSE_ABORTED
  // The tree under the root, as NAME(child, ...), a word by its image, an
  // empty slot "-", a NULL_NODE "~", an error node's kept tokens by text.
  std::string tree;
  // The images of the tokens the tree holds, in walk order (each slot's
  // tokens before its child, a node's own tokens after its children), with
  // the index of the word they came from.
  std::vector<std::string> tokens;
  std::vector<int> tokenWords;
  // The message list: "<level> <text> @<word index>" (the index of the
  // word at the message's position, -1 for none).
  std::vector<std::string> messages;
  // The error nodes the tree holds, each as the words it kept.
  std::vector<std::string> errorNodes;
  OrvParseCounters counters;
  // The function-name switch as each token was read: '1' on, '0' off.
  std::string switches;
  // The tokens of the start symbol's position when the parse returned, -1
  // when there was none.
  int resultPositionTokens = -1;
  // The seconds the engine ran (OrvRunParse alone).
  double seconds = 0;
  // Queue indexes when the parse returned.
  int queueRead = -1;
  int queueEnd = -1;
};

struct HarnessOptions {
  bool memo = true;
  long forceAbortAtStep = -1;
  // Another grammar to parse with than the harness grammar.
  const OrvGrammarDef* grammar = nullptr;
  // Read the tree, its tokens and error nodes back (benchmarks of very
  // deep trees skip it).
  bool readBack = true;
};

// Parses the words of `text` with the harness grammar through a parser
// object made for the purpose; the tree, the messages and every token are
// read back and freed before it returns.
HarnessParse ParseText(const std::string& text, const HarnessOptions& options = HarnessOptions());

// The kept text of an error node: its tokens' texts joined by blanks.
std::string ErrorNodeText(OrvExpr* errorNode);

}  // namespace engine_harness

#endif
