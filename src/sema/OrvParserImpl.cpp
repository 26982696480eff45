// The parser object: construction, copying, the per-parse reset and release
// of the parse state and the lexer's name and root hooks.
#include "OrvParserImpl.h"

#include <algorithm>

#include "OrvClauseCollector.h"
#include "OrvExpr.h"
#include "OrvMessageSink.h"
#include "OrvParserNames.h"

OrvParserImpl* currentParser = nullptr;

OrvParserImpl::OrvParserImpl()
    : OrvParser(),
      lexer(&OrvParserImpl::ParserError, &OrvParserImpl::AddExecToken,
            &OrvParserImpl::AddNoteToken, &LexerFindNameHook, &LexerRootHook) {
  ResetParseState();
}

OrvParserImpl::OrvParserImpl(const OrvParserImpl& other)
    : OrvParser(other),
      // A lexer is never copied: the copy gets a fresh one with the hooks.
      lexer(&OrvParserImpl::ParserError, &OrvParserImpl::AddExecToken,
            &OrvParserImpl::AddNoteToken, &LexerFindNameHook, &LexerRootHook) {
  ResetParseState();
}

OrvParserImpl& OrvParserImpl::operator=(const OrvParserImpl& other) {
  if (this == &other) return *this;
  OrvParser::operator=(other);
  ResetParseState();
  return *this;
}

OrvParserImpl::~OrvParserImpl() { ReleaseParseState(); }

// The grammar's collectors are process-wide: a parser object touches them
// only while no other parser's parse runs.
static bool OwnsCollectors(const OrvParserImpl* parser) {
  return currentParser == nullptr || currentParser == parser;
}

void OrvParserImpl::ResetParseState() {
  // What the collectors still hold belongs to no tree: the grammar attaches
  // a held node only when it finishes the collection.
  if (OwnsCollectors(this)) OrvResetCollectors(this);
  savedNumSignTrailSep = numSignTrailSep;
  messageList = nullptr;
  root = nullptr;
  curPosn = OrvTxtPosn();
  curSymTab = nullptr;
  nameLookup = 1;
  inUseForDebugging = 0;
  areaANames = 0;
  inDeclaratives = 0;
  inDataDivision = 0;
  noReduce = 0;
  errNode = nullptr;
  errNodeTaken = 0;
  currencySign = ORV_DEFAULT_CURRENCY_SIGN;
  lastTokenCode = 0;
  copySkip = 0;
  pendingGroup = nullptr;
  eofTokens = nullptr;
  for (OrvExpr*& entry : progStack) entry = nullptr;
  progDepth = 0;
  for (OrvLevelEntry& entry : levelStack) entry = OrvLevelEntry{0, nullptr};
  levelDepth = 0;
  recordList = nullptr;
  pendingMarkers = nullptr;
  execTokens = nullptr;
  noteLine = nullptr;
  noteTokens.Clear();
  procOwner = nullptr;
  procSlot = 0;
  curSection = nullptr;
  curPara = nullptr;
  debugLevel = traceWords[ORV_TRACE_WORD_POSITIONS];
  parseFailed = 0;
  cicsEibChoice = cicsEib;
  overflowPrograms.clear();
  retiredNodes.clear();
  droppedValues.clear();
  definitionsCached = false;
  definitionsOf.clear();
}

void OrvParserImpl::DeleteIfDetached(OrvExpr* node) {
  if (node != nullptr && node->Parent() == nullptr) delete node;
}

void OrvParserImpl::ReleaseParseState() {
  // First, while every tree is whole: a held node that a tree holds is only
  // forgotten, and an error node inside a deleted one is cleared.
  if (OwnsCollectors(this)) OrvResetCollectors(this);
  // Every parent is read before anything is deleted: a node that hangs in
  // one of these trees must not be looked at after its tree is gone.  The
  // nodes without parent are roots of separate trees; one pointer may still
  // stand in two fields, so each is deleted once.
  std::vector<OrvExpr*> detached;
  auto take = [&detached](OrvExpr* node) {
    if (node == nullptr || node->Parent() != nullptr) return;
    for (OrvExpr* seen : detached) {
      if (seen == node) return;
    }
    detached.push_back(node);
  };
  take(errNode);
  take(execTokens);
  take(recordList);
  take(pendingMarkers);
  int depth = levelDepth < 0 ? 0 : (levelDepth > ORV_LEVEL_STACK_SIZE ? ORV_LEVEL_STACK_SIZE
                                                                      : levelDepth);
  for (int i = depth; i >= 1; --i) take(levelStack[i].holder);
  for (OrvExpr* program : overflowPrograms) take(program);
  // The dropped values, sorted and each once, that no tree took back and
  // that are not among the nodes above.
  std::vector<OrvExpr*> dropped = DroppedRoots();
  for (OrvExpr* node : dropped) {
    bool seen = false;
    for (OrvExpr* other : detached) seen = seen || other == node;
    if (!seen) detached.push_back(node);
  }
  for (OrvExpr* node : detached) delete node;

  FreeRetiredNodes();
  overflowPrograms.clear();
  errNode = nullptr;
  errNodeTaken = 0;
  execTokens = nullptr;
  recordList = nullptr;
  pendingMarkers = nullptr;
  for (OrvLevelEntry& entry : levelStack) entry = OrvLevelEntry{0, nullptr};
  levelDepth = 0;
  delete noteLine;
  noteLine = nullptr;
  noteTokens.Clear();
  delete pendingGroup;
  pendingGroup = nullptr;
}

void OrvParserImpl::RestoreParseSettings() { numSignTrailSep = savedNumSignTrailSep; }

void OrvParserImpl::RetireNode(OrvExpr* node) {
  if (node != nullptr) retiredNodes.push_back(node);
}

void OrvParserImpl::FreeRetiredNodes() {
  // A retired node may have been hung into a tree again; then the tree owns
  // it.
  for (OrvExpr* node : retiredNodes) DeleteIfDetached(node);
  retiredNodes.clear();
}

std::vector<OrvExpr*> OrvParserImpl::DroppedRoots() {
  std::vector<OrvExpr*> roots;
  roots.swap(droppedValues);
  std::sort(roots.begin(), roots.end());
  roots.erase(std::unique(roots.begin(), roots.end()), roots.end());
  // Parents are read before anything is deleted.
  roots.erase(std::remove_if(roots.begin(), roots.end(),
                             [](const OrvExpr* node) { return node->Parent() != nullptr; }),
              roots.end());
  return roots;
}

void OrvParserImpl::FreeDroppedValues() {
  for (OrvExpr* node : DroppedRoots()) delete node;
}

void OrvParserImpl::ReportToCallBack(int level, const VString& text) {
  OrvMessageSink sink = messageSink != nullptr ? messageSink : OrvGlobalMessageSink;
  if (sink != nullptr) sink(level, &curPosn, &text);
}

OrvSymTabElt* LexerFindNameHook(const VString& name) {
  return currentParser != nullptr ? FindNameInProg(currentParser, name) : nullptr;
}

OrvExpr* LexerRootHook() { return currentParser != nullptr ? currentParser->root : nullptr; }
