// The lexer object: construction with its settings and hooks, the per-parse
// reset, opening and closing the main input, and the message report that
// every layer uses.
#include "OrvLexer.h"

#include <iostream>

#include "OrvExpr.h"
#include "OrvInputLevel.h"
#include "OrvMemberCache.h"
#include "OrvMessageSink.h"
#include "OrvReplaceTable.h"
#include "OrvWordIndex.h"
#include "OrvWords.h"

std::ostream* OrvLexerTraceOut = &std::cout;

OrvLexer::OrvLexer(OrvMessageSink sink, OrvExecTokenHook execHook, OrvNoteTokenHook noteHook,
                   OrvConstLookupHook constLookup, OrvConstContextHook constContext)
    : messageSink(sink),
      settings(),
      switches(),
      tokenCount(0),
      lineCount(0),
      locCount(0),
      errorFlag(0),
      copyNode(nullptr),
      sqlIncludeNode(nullptr),
      libInclusionNode(nullptr),
      memberEndNode(nullptr),
      replaceNode(nullptr),
      execTokenHook(execHook),
      noteTokenHook(noteHook),
      constLookupHook(constLookup),
      constContextHook(constContext),
      execState(ORV_EXEC_NONE),
      noteMode(0),
      sqlMode(0),
      cicsMode(0),
      pictureMode(0),
      ifDepth_(0),
      ifStates_(),
      inIdDivision_(1),
      openQuote_(0),
      previousLine_(0),
      lastIndicator_('\0'),
      sepSlotFull_(false),
      rawBuf_(),
      rawCarry_(0),
      wordTextDropped_(false),
      joinBuf_(),
      copylessSlotFull_(false),
      brokenText_(),
      brokenLength_(0),
      brokenIx_(0),
      tokenSlot_(nullptr),
      dialsSeen_(0),
      expandedDials_(0),
      noteParagraphs_(false),
      sqlQuestionMark_(false),
      replaceTable_(nullptr),
      replaceOn_(false),
      activeTable_(nullptr),
      keepComma_(false),
      keepSemicolon_(false),
      collapsedCount_(0),
      sepCatch_(nullptr),
      lastStatement_(kNoStatement),
      members_(new OrvMemberCache()),
      memberOpenAttempts_(0),
      levels_(),
      levelCount_(0),
      cur_(nullptr) {
  OrvLexerStartUp();
  Reset();
}

OrvLexer::OrvLexer(const OrvLexer& other)
    : OrvLexer(nullptr, nullptr, nullptr, nullptr, nullptr) {
  (void)other;
  VString text("OrvLexer::OrvLexer(const OrvLexer &) must not be called");
  OrvGlobalMessageSink(MSG_TERMINAL, &OrvNullPosn, &text);
}

OrvLexer::~OrvLexer() {
  // Levels left open by a parse that stopped early are closed here too, so
  // that no file's text outlives the lexer.
  CloseAllLevels();
  FreeHeldState();
  delete members_;
}

void OrvLexer::Reset() {
  OrvUnreserveKeywords(settings.excludeKeywords.items, settings.excludeKeywords.count);
  switches = {};

  tokenCount = 0;
  lineCount = 0;
  locCount = 0;
  errorFlag = 0;

  // The empty suffix lets a member be found under its bare name after the
  // configured suffixes; one is enough however often the lexer is reset.
  bool hasEmpty = false;
  VStringArray& suffixes = settings.copylibSuffixes;
  for (int i = 0; i < suffixes.count; ++i) hasEmpty |= suffixes.items[i].length == 0;
  if (!hasEmpty && suffixes.count < suffixes.capacity) suffixes.items[suffixes.count++] = VString();

  CloseAllLevels();
  FreeHeldState();
  RefreshDialects();
}

void OrvLexer::FreeHeldState() {
  pending_.Clear();
  sepSlot_.Clear();
  sepSlotFull_ = false;
  rawCarry_ = 0;
  openQuote_ = 0;
  previousLine_ = 0;
  lastIndicator_ = '\0';
  ifDepth_ = 0;
  inIdDivision_ = 1;
  execState = ORV_EXEC_NONE;
  noteMode = 0;
  sqlMode = 0;
  cicsMode = 0;
  pictureMode = 0;
  copylessSlot_.Clear();
  copylessSlotFull_ = false;
  brokenLength_ = 0;
  brokenIx_ = 0;
  brokenBeg_ = OrvTxtPosn();
  brokenEnd_ = OrvTxtPosn();
  delete tokenSlot_;
  tokenSlot_ = nullptr;
  execBeg_ = execEnd_ = OrvTxtPosn();
  noteBeg_ = noteEnd_ = OrvTxtPosn();
  OrvExpr** held[] = {&copyNode, &sqlIncludeNode, &libInclusionNode, &memberEndNode,
                      &replaceNode};
  for (OrvExpr** node : held) {
    delete *node;
    *node = nullptr;
  }
  ClearPushBacks();
  ClearReplacePhrases();
  delete replaceTable_;
  replaceTable_ = nullptr;
  replaceOn_ = false;
  SetActiveTable();
  sepCatch_ = nullptr;
  lastStatement_ = kNoStatement;
}

OrvResult OrvLexer::SetInput(const VString& fileName) {
  if (levelCount_ != 0) {
    Report(MSG_SEVERE, OrvNullPosn, VString("OrvLexer::SetInput: input_level!=0"));
    return ORV_CANNOT_OPEN_INPUT;
  }
  VString path;
  if (!OpenInputLevel(fileName.text != nullptr ? fileName.text : "", ORV_MAIN_SOURCE_END, path))
    return ORV_CANNOT_OPEN_INPUT;
  return ORV_OK;
}

void OrvLexer::CloseInput() {
  // Every level goes, not only the innermost: a parse that stopped inside a
  // COPY member would otherwise keep the member and its includers open.
  CloseAllLevels();
  errorFlag = 0;
}

void OrvLexer::Report(int level, const OrvTxtPosn& posn, const VString& text) {
  OrvMessageSink sink = messageSink != nullptr ? messageSink : OrvGlobalMessageSink;
  sink(level, &posn, &text);
}

VString OrvLexer::CurrentFileName() const { return cur_ != nullptr ? cur_->fileName : VString(); }

const char* OrvLexer::LineText() const { return cur_ != nullptr ? cur_->line : ""; }

int OrvLexer::LineLength() const { return cur_ != nullptr ? cur_->length : 0; }

OrvTxtPosn OrvLexer::LinePosn() const {
  return cur_ != nullptr ? OrvTxtPosn(cur_->posn.Line(), 0, cur_->posn.FileIx()) : OrvTxtPosn();
}
