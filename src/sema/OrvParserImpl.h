// OrvParserImpl: the parser object.  It is the parser settings (OrvParser)
// plus everything a running parse needs: the root under construction, the
// caller's message list, the embedded lexer, the program stack, the
// data-description level stack, the procedure-structure state and the state
// of the token supply.  The grammar's actions, the token supply, the lexer's
// hooks and the walks that finish a program reach the running parser through
// the process-wide pointer `currentParser`; one parse runs at a time.
#ifndef LARK_SEMA_ORVPARSERIMPL_H
#define LARK_SEMA_ORVPARSERIMPL_H

#include <cstdint>
#include <unordered_map>
#include <vector>

#include "OrvLexer.h"
#include "OrvOperSlots.h"
#include "OrvParser.h"
#include "OrvToken.h"
#include "OrvTxtPosn.h"
#include "VString.h"

class OrvExpr;
class OrvNamedObjDef;
class OrvSymTabElt;

// Entries of the program stack: entry 0 holds the COBOL_FILE root, so at
// most 19 programs are open at once.
const int ORV_PROG_STACK_SIZE = 20;
// Most data-description entries open at once; the level stack is used from
// index 1 up to this index.
const int ORV_LEVEL_STACK_SIZE = 50;
// The level number of a COPY, REPLACE or INCLUDE marker among entries.
const int ORV_MARKER_LEVEL = 99;
// The holder code that places a node as it is, without a holder node.
const short ORV_NO_HOLDER = 1;
// Argument slots of a data-description entry that the permission tables of
// CheckEntryClauses cover: all of them, up to the global offset.
const int ORV_DD_ENTRY_SLOTS = DECL_DD_ENTRY__OFFSET_GLOBAL + 1;

// Whether a clause slot of an entry must be absent, may be present or must
// be present (CheckEntryClauses).
enum OrvClausePermission : unsigned char {
  ORV_CLAUSE_FORBIDDEN = 0,
  ORV_CLAUSE_ALLOWED = 1,
  ORV_CLAUSE_REQUIRED = 2
};
// The currency sign of a program that gives no CURRENCY SIGN clause.
const int ORV_DEFAULT_CURRENCY_SIGN = '$';

// One open data-description entry: its nesting level and its holder node.
struct OrvLevelEntry {
  int level;
  OrvExpr* holder;
};

class OrvParserImpl;

// The parser whose parse is running; null between parses.
extern OrvParserImpl* currentParser;

class OrvParserImpl : public OrvParser {
 public:
  // Default settings, a lexer given the parser's five hooks, a reset parse
  // state.
  OrvParserImpl();
  // The settings of `other` (with an empty option group), a fresh lexer
  // with the same hooks, a reset parse state.
  OrvParserImpl(const OrvParserImpl& other);
  // Takes the settings of `other` (clearing the option group), resets the
  // parse state; the lexer is left as it is.
  OrvParserImpl& operator=(const OrvParserImpl& other);
  // Frees what the parse state still owns (ReleaseParseState), the pending
  // EXEC list and the NOTE lines; never the root or the end-of-input tokens.
  ~OrvParserImpl() override;

  // Parses one source file into *tree.  This class stands below the
  // grammar, so it cannot run a parse: the class that parses whole sources
  // (OrvSourceParser) gives the parse, and a test that only drives the
  // parse state gives its own.
  OrvParserResult Parse(const VString& fileName, OrvExpr** tree,
                        OrvTokenList* messages) override = 0;

  // --- parse state ----------------------------------------------------------

  // Puts every parse-state field to its start value.  Frees nothing but the
  // NOTE lines: what a previous parse left in the other fields was handed
  // out or freed by it (they may point into a tree already deleted).  Also
  // empties the grammar's clause collectors (unless another parser's parse
  // runs) and keeps the settings that RestoreParseSettings puts back.
  void ResetParseState();
  // Frees what a parse leaves behind that no tree holds: an error node, an
  // EXEC token list, NOTE lines, a held-back token group, record and marker
  // lists and an open record that were not attached, the programs that did
  // not fit the program stack, the nodes retired by the finishing walks,
  // what the grammar's clause collectors still hold (unless another
  // parser's parse runs); clears those fields.  Called after the grammar
  // returns, before the tree is handed out or deleted, and by the
  // destructor.
  void ReleaseParseState();

  // --- messages (parser messages and error nodes) -------------------------

  // The one entry of every parse diagnostic; the lexer's message call-back.
  // A position whose line and column are both 0 (or none) becomes curPosn.
  // MSG_WARN and MSG_ERR become tokens of the message list; the other
  // levels go to the settings' message call-back.  Without a message list a
  // terminal message says so and the message is dropped.  Works on
  // currentParser; with none the message goes to the process-wide sink.
  static void ParserError(int level, const OrvTxtPosn* position, const VString* text);
  // The same for this parser; the routines of the parser object report
  // through it.
  void ReportMessage(int level, const OrvTxtPosn* position, const VString* text);
  void ReportMessage(int level, const OrvTxtPosn& position, const VString& text);
  // The parser's trace switch (the settings' name-handling trace word): its
  // traces go to standard output.  No option sets it.
  int ParserTrace() const { return traceWords[ORV_TRACE_WORD_NAMES]; }
  // Sends a consistency message straight to the settings' message call-back
  // at curPosn (the process-wide sink when the settings have none).
  void ReportToCallBack(int level, const VString& text);

  // --- program structure ---------------------------------------------------

  // A new COBOL_PROGRAM with its symbol table (which becomes curSymTab),
  // pushed on the program stack.  With 19 programs open it is not pushed:
  // "Too many levels of Nested Programs" (terminal), the program is kept
  // until the parse state is released and the parse counts as failed.
  OrvExpr* StartProgram();
  // END PROGRAM: the node goes into slot 5 of the innermost open program,
  // which is finished, when the names agree; otherwise a message and the
  // node stays with the caller.
  void EndProgram(OrvExpr* endNode);
  // At the end of the source: ends every open program (failed 0), or
  // deletes them (failed 1).
  void FinishSource(int failed);
  // Ends the n innermost open programs: CICS EIB block, name resolution,
  // ACCEPT/DISPLAY items, attachment to the enclosing program or file.
  void FinishProgram(int n);
  // Files a section, paragraph or sentence-level node under procOwner.
  void ProcessNewProc(OrvExpr* node);
  // Leaves the procedure part: no current section or paragraph.
  void ClearCurProc();

  // --- names --------------------------------------------------------------

  // Defines the element's name in `category`; reports duplicates and
  // conflicting categories.  Returns the new definition (null when `elt` is
  // not a symbol-table element, after a terminal message).
  OrvNamedObjDef* SymTabDefine(OrvSymTabElt* elt, int category, int mayRepeat);
  // Resolves a NAMED_OBJ_USE to one definition, reports, or replaces it
  // (ASSIGN names).
  void SymTabQualResolve(OrvExpr* use);

  // --- nodes replaced while a walk visits them ------------------------------

  // Keeps a detached node alive until FreeRetiredNodes: a walk that visits
  // a node may still look at it after its call-back replaced it.
  void RetireNode(OrvExpr* node);
  // Deletes the retired nodes.
  void FreeRetiredNodes();
  // Deletes the values error recovery dropped (droppedValues) that no tree
  // took back; only safe when no parse-stack entry can still name a node
  // inside one (after the grammar returned).
  void FreeDroppedValues();

  // Resolves every name use of a program (and of the programs it contains).
  // The walk also gathers, in walk order, the ACCEPT and DISPLAY items in
  // screen form that OrvProcessAcceptItems(program) would meet, into
  // screenItems, and sets screenItemsGathered (not under the walk trace).
  void ResolveNames(OrvExpr* program);
  // The definitions among the element's References, in their order.  The
  // answer stays valid until the next call (or the next definition).
  const std::vector<OrvExpr*>& DefinitionsOf(OrvSymTabElt* elt);

  // --- data-description nesting --------------------------------------------

  // The grammar's call for each data-description, report-group or screen
  // entry (its level number, the entry, the holder code DECL_DD, DECL_RGD
  // or DECL_SCRD), for each COPY, REPLACE or INCLUDE marker among entries
  // (ORV_MARKER_LEVEL, the marker), and at the end of a group of entries
  // (0, no node, ORV_NO_HOLDER), after which the grammar takes recordList.
  // Begin markers wait in pendingMarkers and are placed in front of the
  // next entry, as its siblings; an end marker with nothing pending is
  // placed at once.  An entry with a level of 0 or below is nested as level
  // 1 (its level-number slot keeps what was written).  Returns levelDepth
  // after the entry was placed, or -1 when a marker was kept pending or the
  // node was ignored (a node at ORV_MARKER_LEVEL that is neither a marker
  // nor an entry; the caller keeps it).
  int AddDataDescEntry(int level, OrvExpr* node, short holderCode);
  // Places one node: wrapped in a new holder of holderCode (none for
  // ORV_NO_HOLDER), nested below the nearest open entry of a lower nesting
  // level (66 counts as 2, 77 as 1), closing the deeper ones; a record
  // closed down to the stack's bottom joins recordList.  No node: only the
  // closing.  Entries of levels 66, 78, 88 are checked and converted, a
  // VALUE clause of any other level becomes DX_VALUE.  Returns levelDepth.
  int PushDataDescEntry(int level, OrvExpr* node, short holderCode);
  // Reports each slot of the entry whose presence contradicts its
  // permission: "In <kind> clause '<slot name>' is present. It must not be
  // present." or "... is missing. It must be present.".  Slots beyond the
  // table must be absent.
  void CheckEntryClauses(OrvExpr* entry, const OrvClausePermission* permissions,
                         const char* kind, const OrvTxtPosn& position);

  // --- lexer hooks, EXEC lines and NOTE text -----------------------------------

  // Takes over one token group of an EXEC block that the grammar does not
  // parse: a TOKEN_STRING of the group's main token text, holding the
  // group's tokens (blanks as PRESERVED_SPACE, comments and blank lines as
  // they are, every other token as PRESERVED_STRING with its source text),
  // is appended to execTokens.  Without a running parse the group is freed.
  static void AddExecToken(OrvTokenGroup* group);
  // Builds the node of an EXEC block from execTokens: slot 0 the subsystem
  // word (the first item that is not a blank or a line break; a NULL_NODE
  // when there is none), slot 1 an EX_EXEC_LINE_LIST of the lines, each an
  // EX_EXEC_TOKEN_LIST.  execTokens is emptied.
  OrvExpr* MakeExecLines(std::uint16_t code);
  // Receives one token group of a NOTE paragraph (the lexer keeps and
  // deletes it): each source line becomes one CM_PERSISTENT comment line
  // "* <texts>" in noteTokens.  Null ends the line being built.
  static void AddNoteToken(OrvTokenGroup* group);
  // The end of a NOTE statement: ends the last comment line, drops the NOTE
  // and end-of-NOTE tokens from the statement's token list and moves the
  // comment lines to its end.
  void FinishNote(OrvExpr* statement);

  // --- settings a parse may change ------------------------------------------

  // Puts back the settings that the grammar's actions change for one parse
  // (NUMERIC SIGN IS TRAILING SEPARATE sets "num-sign-trail-sep") to their
  // values at ResetParseState, so that no source affects the next one.
  void RestoreParseSettings();

  // --- the parse state --------------------------------------------------------

  OrvExpr* root;              // the COBOL_FILE under construction
  int currencySign;           // of the current program; '$' at reset and program start
  int noReduce;               // the next reduction moves no tokens
  OrvExpr* errNode;           // the current STMT__SYNTAX_ERROR node
  int errNodeTaken;           // an error rule took errNode (GenErrNode gave it out)
  OrvTokenList* messageList;  // the caller's message list (not owned)
  OrvLexer lexer;
  OrvTxtPosn curPosn;         // begin of the token last handed to the grammar
  OrvExpr* curSymTab;         // SYMBOL_TABLE_ELT_LIST of the innermost program, or the file's
  int nameLookup;             // lexer-time name lookup on (1) or off
  int inUseForDebugging;      // reading the operands of USE FOR DEBUGGING
  int areaANames;             // Area A names flag of the token supply
  int inDeclaratives;         // inside DECLARATIVES
  int inDataDivision;         // set after the DATA DIVISION header
  int lastTokenCode;          // code last delivered to the grammar
  int copySkip;               // skipping the rest of an old-style COPY
  OrvTokenGroup* pendingGroup;   // group held back by the token supply
  OrvTokenList* eofTokens;    // tokens delivered with the end of input; owned
  OrvExpr* progStack[ORV_PROG_STACK_SIZE];  // the file, then the open programs
  int progDepth;              // used entries of progStack
  OrvLevelEntry levelStack[ORV_LEVEL_STACK_SIZE + 1];  // index 0 unused
  int levelDepth;             // open entries on levelStack
  OrvExpr* recordList;        // finished record holders for the grammar
  OrvExpr* pendingMarkers;    // COPY/REPLACE/INCLUDE markers not yet placed
  OrvExpr* execTokens;        // EX_EXEC_TOKEN_LIST of the EXEC block being read; owned
  OrvToken* noteLine;         // NOTE comment line being built; owned
  OrvTokenList noteTokens;    // finished NOTE comment lines
  // "num-sign-trail-sep" as it stood at ResetParseState.
  int savedNumSignTrailSep;
  OrvExpr* procOwner;         // node whose slot takes the SECTION_PROC_LIST
  int procSlot;               // that slot
  OrvExpr* curSection;        // current SECTION_PROC
  OrvExpr* curPara;           // current PARA_PROC
  int debugLevel;             // the settings' position trace word, taken at reset
  // Set when the parse cannot give a sound tree although the grammar went
  // on (a program that did not fit the program stack); the parse then fails
  // as when the lexer's error flag is set.
  int parseFailed;
  // The "cics-eib" choice of this parse: the setting, taken at reset; the
  // first finished program decides "auto" for the rest of the parse.
  int cicsEibChoice;
  // Programs started while the program stack was full; owned until the
  // parse state is released.
  std::vector<OrvExpr*> overflowPrograms;
  // Nodes replaced while a walk visited them; owned until FreeRetiredNodes.
  std::vector<OrvExpr*> retiredNodes;
  // Values that error recovery took out of the parse (DiscardErrValue):
  // owned until the parse state is released, because a stack entry below
  // them may still name a node that an action hung into one of them.
  std::vector<OrvExpr*> droppedValues;
  // While a resolution walk runs: the definitions among an element's
  // References, gathered at the element's first use, so that a name used
  // often is not searched again for each use.  A definition made meanwhile
  // drops its element's entry.
  bool definitionsCached;
  std::unordered_map<const OrvExpr*, std::vector<OrvExpr*>> definitionsOf;
  // The answer of DefinitionsOf outside a resolution walk, reused.
  std::vector<OrvExpr*> definitionsFound;
  // The definitions that remain for the use SymTabQualResolve resolves,
  // reused from use to use.
  std::vector<OrvExpr*> candidateDefs;
  // While a program's names are resolved: the programs that enclose it,
  // innermost first, whose GLOBAL names its uses may reach.
  std::vector<OrvExpr*> enclosingPrograms;
  // The items in screen form the last ResolveNames met, in the order the
  // walk of OrvProcessAcceptItems visits them, and whether it gathered them.
  std::vector<OrvExpr*> screenItems;
  bool screenItemsGathered = false;

 private:
  // Takes the dropped values out of droppedValues: each once, without those
  // a tree took back.
  std::vector<OrvExpr*> DroppedRoots();
  // Deletes a node that no tree holds (no parent); a node with a parent
  // belongs to its tree.
  static void DeleteIfDetached(OrvExpr* node);
};

// True for the tokens of a NOTE statement that its comment lines replace:
// RW_NOTE and TK_END_NOTE.
bool IsNoteToken(OrvToken* token);

// The lexer's name hook: FindNameInProg of the current parser (null when no
// parse runs).
OrvSymTabElt* LexerFindNameHook(const VString& name);
// The lexer's root hook: the root of the current parser (null when no parse
// runs).
OrvExpr* LexerRootHook();

#endif
