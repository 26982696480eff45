// Parsing one source file: the steps of OrvSourceParser::Parse around the
// lexer and the grammar.
#include "OrvParseSource.h"

#include <algorithm>
#include <iostream>
#include <vector>

#include "OrvConstNodes.h"
#include "OrvExprOper.h"
#include "OrvGrammar.h"
#include "OrvLengthsAndOffsets.h"
#include "OrvLayoutState.h"
#include "OrvMessage.h"
#include "OrvMessageSink.h"
#include "OrvOperSlots.h"
#include "OrvParseInit.h"
#include "OrvParserImpl.h"
#include "OrvParserStatics.h"
#include "OrvSourcePrintPrep.h"
#include "OrvTreeWalk.h"

namespace {

// Whether the fill of empty slots may put a NULL_NODE in a slot whose
// stored word holds no child: an empty word not filled yet, or a record
// (which the fill looks at itself).
bool MayTakeFill(std::uintptr_t w) {
  using namespace orv_slot_word;
  if (Tag(w) == kEmptyTag) return (w & kFillBit) == 0;
  return w != 0 && Tag(w) == kRecordTag;
}

// Reports a step to the settings' progress call-back, with the empty
// position.
void Progress(const OrvParserImpl& parser, const char* text) {
  const OrvProgressCallBack progress = parser.lexerSettings.progressCallBack;
  if (progress == nullptr) return;
  const VString value(text);
  progress(&OrvNullPosn, &value);
}

// The lexer takes the settings of this parse whole; its SQL (CICS)
// handling is on only when the grammar's flag is on too.
void ConfigureLexer(OrvParserImpl& parser) {
  OrvLexerSettings& settings = parser.lexer.settings;
  settings = parser.lexerSettings;
  settings.sql = settings.sql && GrammarSupportsSql ? 1 : 0;
  settings.cics = settings.cics && GrammarSupportsCics ? 1 : 0;
}

// The fill of empty slots (OrvFillNullArgs) for a parsed tree: the
// NULL_NODE of an empty slot stands for what the source left out, so it is
// marked as source like every other node of the tree.
void FillEmptySlot(OrvExpr* node, int i) {
  OrvExpr* empty = new OrvNullNode;
  empty->SetFromSrc(1);
  node->SetArg(i, empty, -1, 0);
}

int FillNullSlotsAsSource(OrvExpr* node, void* context) {
  (void)context;
  for (int i = 0; i < node->NArgs(); ++i)
    if (node->ChildAt(i) == nullptr) FillEmptySlot(node, i);
  return ORV_WALK_CHILDREN;
}

// Runs visit(node, stack) on each node from `root` on, in pre-order, over
// an explicit stack instead of the recursion: `visit` pushes the children
// to visit after the node, in reverse slot order.
template <class Visit>
void VisitFromRoot(OrvExpr* root, Visit visit) {
  std::vector<OrvExpr*> stack;
  if (root != nullptr) stack.push_back(root);
  while (!stack.empty()) {
    OrvExpr* node = stack.back();
    stack.pop_back();
    visit(node, stack);
  }
}

// FillNullSlotsAsSource over the whole tree.  Without the walk trace, a
// tree-edit hook or the fill switch, the nodes are visited in one loop over
// an explicit stack, in the walk's order, and each fills its empty slots in
// slot order (OrvExprOper::FillEmptySlots), so the NULL_NODEs take the
// serial numbers the walk would give them; they are made only when
// something asks for them.  The nodes without slots are not visited at
// all.  Otherwise the walk makes each NULL_NODE as it fills its slot (the
// trace shows the new nodes, the hook sees each one set).
void FillNullSlots(OrvExpr* root) {
  if (OrvWalkTraceSwitch || OrvTreeEditHook != nullptr || OrvFillNullSwitch) {
    WalkTheTree(root, nullptr, &FillNullSlotsAsSource);
    return;
  }
  // The children with slots are stacked in reverse slot order, so that
  // they come off in slot order.
  // A node none of whose slots the fill could take (every one holds a
  // child or a NULL_NODE of an earlier fill) is passed by without the
  // call; the fill leaves the children in place.
  VisitFromRoot(root, [](OrvExpr* node, std::vector<OrvExpr*>& stack) {
    const int n = node->NArgs();
    if (n == 0) return;
    const std::uintptr_t* words = node->PeekWords();
    bool empty = false;
    for (int i = n - 1; i >= 0; --i) {
      const std::uintptr_t w = words[i];
      OrvExpr* child = orv_slot_word::StoredChildOf(w);
      if (child == nullptr) {
        empty = empty || MayTakeFill(w);
        continue;
      }
      if (child->NArgs() > 0) stack.push_back(child);
    }
    if (empty) static_cast<OrvExprOper*>(node)->FillEmptySlots();
  });
}

// Marks the node and its slots as source.  The slots are read and set as
// they are stored: no slot record is made for the mark.
void MarkNodeFromSource(OrvExpr* node) {
  if (node->FromSrc() == 0) node->SetFromSrc(1);
  if (node->NArgs() > 0) static_cast<OrvExprOper*>(node)->MarkSlotsFromSource();
}

// Whether the marks take a walk of their own, the named walk
// "SetFromSrcWalker": with the walk trace (which shows it) or the fill
// switch (under which an empty slot is reported as the walk passes it).
// Otherwise the SourcePrint preparation, which reaches every node of the
// tree, marks each node as it goes.
bool MarksApart() { return OrvWalkTraceSwitch || OrvFillNullSwitch; }

void MarkFromSource(OrvExpr* root) {
  OrvWalkTree(root, nullptr, "SetFromSrcWalker", &SetFromSrcWalker, nullptr, nullptr);
}

// Reads the tokens to the end of the input and drops them (lex only).
void ReadAllTokens(OrvLexer& lexer) {
  for (;;) {
    OrvTokenGroup* group = lexer.GetToken();
    const bool end = group == nullptr || group->token == nullptr || group->token->code == SEP_EOF;
    delete group;
    if (end) return;
  }
}

// Runs the grammar over the source; true when it failed.  Every program the
// grammar left open is ended (or deleted, when it failed) and what the parse
// state still holds is released; the root stays with the parser.
bool RunGrammar(OrvParserImpl& parser) {
  ParseResultValue = 0;
  ParseResultPosition = nullptr;
  InitParseTree(&parser);
  bool failed = yyparse() != 0;
  failed = failed || parser.lexer.errorFlag != 0 || parser.parseFailed != 0;
  parser.lexer.CloseInput();
  if (ParseResultPosition != nullptr) {
    ParseResultPosition->Clear();
    delete ParseResultPosition;
    ParseResultPosition = nullptr;
  }
  parser.ReleaseParseState();
  return failed;
}

// The end of the file after a good parse: an END_COBOL_FILE with the tokens
// that came with the end of the input, in slot 1 of the root.
void EndFile(OrvParserImpl& parser, OrvExpr* root) {
  OrvExpr* end = new OrvExprOper(END_COBOL_FILE);
  if (parser.eofTokens != nullptr) {
    end->Tokens().Splice(*parser.eofTokens);
    delete parser.eofTokens;
    parser.eofTokens = nullptr;
  }
  root->SetArg(COBOL_FILE__END_OF_FILE, end, -1, 0);
}

// The result of a good parse from the levels of its messages; information
// and warnings then leave the list unless "warnings" is on.
OrvParserResult Tally(const OrvParserImpl& parser, OrvTokenList* messages) {
  OrvParserResult result = ORV_PARSE_OK;
  if (messages == nullptr) return result;
  for (OrvToken* e = messages->First(); e != nullptr; e = messages->Next(e)) {
    if (e->code == MSG_WARN && result == ORV_PARSE_OK) result = ORV_PARSE_WARNINGS;
    if (e->code == MSG_ERR) result = ORV_PARSE_ERRORS;
  }
  if (!parser.warnings)
    messages->RemoveIf([](OrvToken* token) { return token->code == MSG_INFO || token->code == MSG_WARN ? 1 : 0; });
  return result;
}

OrvParserResult ParseFile(OrvParserImpl& parser, const VString& fileName, OrvExpr** tree, OrvTokenList* messages) {
  const OrvDials& dials = parser.lexerSettings.dials;
  if (!CanParseDialects(&dials)) {
    const VString text = OrvFormat("Parser cannot parse this mix of dialects: %s", OrvDialsToText(dials).text);
    OrvParserImpl::ParserError(MSG_SEVERE, &OrvNullPosn, &text);
    return ORV_PARSE_DIALECTS_REFUSED;
  }
  ConfigureLexer(parser);
  parser.lexer.Reset();
  const OrvResult opened = parser.lexer.SetInput(fileName);
  if (opened != 0) return static_cast<OrvParserResult>(opened);

  OrvParserResult result = ORV_PARSE_OK;
  if (parser.tokenDump) {
    ReadAllTokens(parser.lexer);
    parser.lexer.CloseInput();
  } else if (RunGrammar(parser)) {
    parser.FinishSource(1);
    delete parser.root;
    parser.root = nullptr;
    if (parser.eofTokens != nullptr) {
      parser.eofTokens->Clear();
      delete parser.eofTokens;
      parser.eofTokens = nullptr;
    }
    result = ORV_PARSE_FAILED;
  } else {
    parser.FinishSource(0);
    *tree = parser.root;
    parser.root = nullptr;
    EndFile(parser, *tree);
    if (MarksApart()) {
      MarkFromSource(*tree);
      Progress(parser, "Preparing SourcePrint");
      PrepareSourcePrint(*tree);
    } else {
      // The preparation reaches every node: the marks go with it.
      Progress(parser, "Preparing SourcePrint");
      PrepareSourcePrint(*tree, &MarkNodeFromSource);
    }
    Progress(parser, "*");
    if (parser.lengOffs) {
      Progress(parser, "Computing Lengths & Offsets");
      OrvCalcLengthsAndOffsets(*tree, messages, 1, 1, 1, OrvLayoutOptionsOf(parser));
      Progress(parser, "*");
    }
    if (parser.fillNullSlots) FillNullSlots(*tree);
    result = Tally(parser, messages);
  }

  if (parser.traceWords[ORV_TRACE_WORD_TREE_DUMP]) {
    std::cout << "***Program Tree after parsing***\n";
    if (*tree != nullptr)
      (*tree)->DebugDump(std::cout);
    else
      std::cout << "(NULL)";
    std::cout << "\n\n";
  }
  parser.tokenCount = parser.lexer.tokenCount;
  parser.lineCount = parser.lexer.lineCount;
  parser.locCount = parser.lexer.locCount;
  return result;
}

}  // namespace

OrvParserResult OrvParseSource(OrvParserImpl& parser, const VString& fileName, OrvExpr** tree,
                               OrvTokenList* messages) {
  if (currentParser != nullptr) {
    const VString text("Cannot have more than one working instance of OrvParserImpl object");
    if (OrvGlobalMessageSink != nullptr) OrvGlobalMessageSink(MSG_TERMINAL, &OrvNullPosn, &text);
    return ORV_PARSE_ALREADY_RUNNING;
  }
  currentParser = &parser;
  parser.ResetParseState();
  OrvExpr* none = nullptr;
  if (tree == nullptr) tree = &none;
  *tree = nullptr;
  parser.messageList = messages;
  const OrvParserResult result = ParseFile(parser, fileName, tree, messages);
  parser.RestoreParseSettings();
  currentParser = nullptr;
  return result;
}

int SetFromSrcWalker(OrvExpr* node, OrvExpr* root, void* context) {
  (void)root;
  (void)context;
  MarkNodeFromSource(node);
  return ORV_WALK_CHILDREN;
}
