// The parser object: its parse state after construction and reset, copies
// and assignment, the release of what a parse leaves behind, the lexer's
// hooks.
#include "OrvParserImpl.h"

#include <gtest/gtest.h>

#include <type_traits>

#include "MessageRecorder.h"
#include "NoSourceParser.h"
#include "OrvConstNodes.h"
#include "OrvExprOper.h"
#include "OrvOperSlots.h"
#include "OrvParserNames.h"
#include "SemaTestSupport.h"
#include "TestStrings.h"

namespace {

// Every parse-state field at its start value.
void ExpectFreshState(const OrvParserImpl& p) {
  EXPECT_EQ(p.nameLookup, 1);
  EXPECT_EQ(p.currencySign, 36);
  EXPECT_EQ(p.root, nullptr);
  EXPECT_EQ(p.noReduce, 0);
  EXPECT_EQ(p.errNode, nullptr);
  EXPECT_EQ(p.messageList, nullptr);
  EXPECT_FALSE(p.curPosn.IsSet());
  EXPECT_EQ(p.curPosn.FileIx(), 0);
  EXPECT_EQ(p.curSymTab, nullptr);
  EXPECT_EQ(p.inUseForDebugging, 0);
  EXPECT_EQ(p.areaANames, 0);
  EXPECT_EQ(p.inDeclaratives, 0);
  EXPECT_EQ(p.inDataDivision, 0);
  EXPECT_EQ(p.lastTokenCode, 0);
  EXPECT_EQ(p.copySkip, 0);
  EXPECT_EQ(p.pendingGroup, nullptr);
  EXPECT_EQ(p.eofTokens, nullptr);
  EXPECT_EQ(p.progDepth, 0);
  for (OrvExpr* entry : p.progStack) EXPECT_EQ(entry, nullptr);
  EXPECT_EQ(p.levelDepth, 0);
  for (const OrvLevelEntry& entry : p.levelStack) {
    EXPECT_EQ(entry.level, 0);
    EXPECT_EQ(entry.holder, nullptr);
  }
  EXPECT_EQ(p.recordList, nullptr);
  EXPECT_EQ(p.pendingMarkers, nullptr);
  EXPECT_EQ(p.execTokens, nullptr);
  EXPECT_EQ(p.noteLine, nullptr);
  EXPECT_TRUE(p.noteTokens.IsEmpty());
  EXPECT_EQ(p.procOwner, nullptr);
  EXPECT_EQ(p.procSlot, 0);
  EXPECT_EQ(p.curSection, nullptr);
  EXPECT_EQ(p.curPara, nullptr);
  EXPECT_EQ(p.debugLevel, p.traceWords[ORV_TRACE_WORD_POSITIONS]);
  EXPECT_EQ(p.parseFailed, 0);
  EXPECT_EQ(p.cicsEibChoice, p.cicsEib);
  EXPECT_TRUE(p.overflowPrograms.empty());
  EXPECT_TRUE(p.retiredNodes.empty());
}

bool RecordIsZero(const OrvCLFlag& r) {
  return r.kind == 0 && r.name == nullptr && r.value == nullptr && r.words == nullptr &&
         r.strings == nullptr && r.count == nullptr && r.capacity == 0 &&
         r.description == nullptr && r.mask == 0;
}

// A parser whose settings all differ from the defaults, with a built
// option group.
void Customise(OrvParserImpl& p) {
  p.messageSink = &MessageRecorder::Sink;
  p.lexerSettings.dials = 0x12345;
  p.primaryDialect = ORV_DIAL_OSVS;
  p.dialectDigits = VString("00100000000000000000");
  p.lexerSettings.lineFormat = ORV_LINE_FORMAT_FREE;
  p.setConstants.items[p.setConstants.count++] = VString("A'x'");
  p.lexerSettings.excludeKeywords.items[p.lexerSettings.excludeKeywords.count++] = VString("TALLY");
  p.lexerSettings.copylibDirs.items[p.lexerSettings.copylibDirs.count++] = VString("lib");
  p.cicsEib = ORV_ANY_YES;
  p.multiUndefdErrs = 1;
  p.pointerSize = 8;
  p.traceWords[ORV_TRACE_WORD_POSITIONS] = 3;
  p.tokenCount = 11;
  p.lineCount = 12;
  p.locCount = 13;
  p.BuildOptions(ORV_PARSER_ALL_OPTIONS);
}

void ExpectSameSettings(const OrvParserImpl& a, const OrvParserImpl& b) {
  EXPECT_EQ(a.messageSink, b.messageSink);
  EXPECT_EQ(a.lexerSettings.dials, b.lexerSettings.dials);
  EXPECT_EQ(a.primaryDialect, b.primaryDialect);
  EXPECT_EQ(Str(a.dialectDigits), Str(b.dialectDigits));
  EXPECT_NE(a.dialectDigits.text, b.dialectDigits.text);
  EXPECT_EQ(a.lexerSettings.lineFormat, b.lexerSettings.lineFormat);
  EXPECT_EQ(a.cicsEib, b.cicsEib);
  EXPECT_EQ(a.multiUndefdErrs, b.multiUndefdErrs);
  EXPECT_EQ(a.pointerSize, b.pointerSize);
  EXPECT_EQ(a.traceWords[ORV_TRACE_WORD_POSITIONS], b.traceWords[ORV_TRACE_WORD_POSITIONS]);
  EXPECT_EQ(a.tokenCount, b.tokenCount);
  EXPECT_EQ(a.lineCount, b.lineCount);
  EXPECT_EQ(a.locCount, b.locCount);
  const VStringArray* arrays[][2] = {{&a.setConstants, &b.setConstants},
                                     {&a.lexerSettings.excludeKeywords, &b.lexerSettings.excludeKeywords},
                                     {&a.lexerSettings.copylibDirs, &b.lexerSettings.copylibDirs},
                                     {&a.lexerSettings.copylibSuffixes, &b.lexerSettings.copylibSuffixes}};
  for (auto& pair : arrays) {
    ASSERT_EQ(pair[0]->count, pair[1]->count);
    EXPECT_EQ(pair[0]->capacity, pair[1]->capacity);
    EXPECT_NE(pair[0]->items, pair[1]->items);  // deep copies
    for (int i = 0; i < pair[0]->count; ++i) {
      EXPECT_EQ(Str(pair[0]->items[i]), Str(pair[1]->items[i]));
    }
  }
}

void ExpectParserHooks(const OrvLexer& lexer) {
  EXPECT_EQ(lexer.messageSink, &OrvParserImpl::ParserError);
  EXPECT_EQ(lexer.execTokenHook, &OrvParserImpl::AddExecToken);
  EXPECT_EQ(lexer.noteTokenHook, &OrvParserImpl::AddNoteToken);
  EXPECT_EQ(lexer.constLookupHook, &LexerFindNameHook);
  EXPECT_EQ(lexer.constContextHook, &LexerRootHook);
}

// The parse-state layer cannot parse a source: only a class above the
// grammar can make a parser object.
static_assert(std::is_abstract<OrvParserImpl>::value, "OrvParserImpl leaves Parse to a derived class");

TEST(OrvParserImplState, ConstructionGivesAFreshStateAndTheFiveHooks) {
  NoSourceParser p;
  ExpectFreshState(p);
  ExpectParserHooks(p.lexer);
  EXPECT_EQ(currentParser, nullptr);
}

TEST(OrvParserImplState, ResetPutsEveryFieldBackAndTakesTheTraceWordAndEibChoice) {
  NoSourceParser p;
  p.traceWords[ORV_TRACE_WORD_POSITIONS] = 2;
  p.cicsEib = ORV_ANY_NO;
  OrvTokenList list;
  OrvExprOper file(COBOL_FILE);
  p.messageList = &list;
  p.root = &file;
  p.curPosn = OrvTxtPosn(4, 5, 1);
  p.nameLookup = 0;
  p.currencySign = '#';
  p.inDataDivision = p.inDeclaratives = p.areaANames = p.inUseForDebugging = 1;
  p.progStack[0] = &file;
  p.progDepth = 1;
  p.levelDepth = 3;
  p.lastTokenCode = 404;
  p.parseFailed = 1;
  p.noteTokens.AddToken(CM_PERSISTENT, OrvTxtPosn(1, 0, 1), VString("* note"));
  p.ResetParseState();
  ExpectFreshState(p);
  EXPECT_EQ(p.debugLevel, 2);
  EXPECT_EQ(p.cicsEibChoice, ORV_ANY_NO);
}

TEST(OrvParserImplCopy, CopyTakesTheSettingsWithAnEmptyGroupAndItsOwnLexer) {
  NoSourceParser source;
  Customise(source);
  ASSERT_GT(source.optionGroup.count, 0);
  source.lexer.settings.traceFlags = 7;
  source.nameLookup = 0;

  NoSourceParser copy(source);
  ExpectSameSettings(source, copy);
  EXPECT_EQ(copy.optionGroup.count, 0);
  for (const OrvCLFlag& record : copy.optionGroup.records) EXPECT_TRUE(RecordIsZero(record));
  ExpectParserHooks(copy.lexer);
  EXPECT_EQ(copy.lexer.settings.traceFlags, 0);  // a fresh lexer
  ExpectFreshState(copy);
  EXPECT_EQ(copy.debugLevel, 3);
  EXPECT_EQ(copy.cicsEibChoice, ORV_ANY_YES);
  EXPECT_EQ(currentParser, nullptr);

  // The copy's group, built anew, points at the copy's own fields.
  copy.BuildOptions(ORV_PARSER_ALL_OPTIONS);
  for (int i = 0; i < copy.optionGroup.count; ++i) {
    const OrvCLFlag& r = copy.optionGroup.records[i];
    if (r.value == nullptr) continue;
    const char* at = reinterpret_cast<const char*>(r.value);
    EXPECT_TRUE(at >= reinterpret_cast<const char*>(&copy) &&
                at < reinterpret_cast<const char*>(&copy + 1))
        << r.name;
  }
}

TEST(OrvParserImplCopy, AssignmentEmptiesTheGroupAndKeepsTheLexer) {
  NoSourceParser source;
  Customise(source);
  NoSourceParser target;
  target.BuildOptions(ORV_PARSER_ALL_OPTIONS);
  ASSERT_FALSE(RecordIsZero(target.optionGroup.records[1]));
  target.lexer.settings.traceFlags = 5;
  target.lexer.switches.decimalPoint = ',';
  target.currencySign = '#';

  OrvParserImpl& result = (target = source);
  EXPECT_EQ(&result, &target);
  ExpectSameSettings(source, target);
  EXPECT_EQ(target.optionGroup.count, 0);
  for (const OrvCLFlag& record : target.optionGroup.records) EXPECT_TRUE(RecordIsZero(record));
  EXPECT_EQ(target.lexer.settings.traceFlags, 5);
  EXPECT_EQ(target.lexer.switches.decimalPoint, ',');
  ExpectParserHooks(target.lexer);
  ExpectFreshState(target);

  target = target;  // assigning an object to itself changes nothing
  EXPECT_EQ(target.lexerSettings.dials, source.lexerSettings.dials);
}

TEST(OrvParserImplRelease, DetachedLeftoversAreFreedAndAttachedOnesKept) {
  sematest::ReleaseWatch watch;
  OrvExprOper tree(EX_LIST);
  NoSourceParser p;
  currentParser = &p;
  OrvExpr* errNode = new OrvExprOper(STMT__SYNTAX_ERROR, new OrvExprOper(EX_EXEC_TOKEN_LIST));
  OrvExpr* execTokens =
      new OrvExprOper(EX_EXEC_TOKEN_LIST, new OrvTokenString(VString("EXEC")));
  OrvExpr* records = new OrvExprOper(DECL_DD_LIST, new OrvExprOper(DECL_DD));
  OrvExpr* markers = new OrvExprOper(DECL_DD_LIST, new OrvExprOper(STMT_REPLACE));
  // An open record: an 01 holder with an 05 holder below it.
  OrvExpr* top = new OrvExprOper(DECL_DD);
  OrvExpr* sub = new OrvExprOper(DECL_DD);
  top->SetArgToList(DECL_DD__SUBORDINATE_ENTRIES, DECL_DD_LIST, sub);
  OrvExpr* overflow = new OrvExprOper(COBOL_PROGRAM);
  OrvExpr* retired = new OrvExprOper(NAMED_OBJ_USE);
  p.errNode = errNode;
  p.execTokens = execTokens;
  p.noteLine = new OrvToken(CM_PERSISTENT, VString("* a"), OrvTxtPosnRange());
  p.noteTokens.AddToken(CM_PERSISTENT, OrvTxtPosn(1, 0, 1), VString("* b"));
  p.pendingGroup = new OrvTokenGroup(new OrvToken(SEP_DOT, VString("."), OrvTxtPosnRange()));
  p.recordList = records;
  p.pendingMarkers = markers;
  p.levelStack[1] = OrvLevelEntry{1, top};
  p.levelStack[2] = OrvLevelEntry{5, sub};
  p.levelDepth = 2;
  p.overflowPrograms.push_back(overflow);
  p.RetireNode(retired);

  p.ReleaseParseState();
  const struct {
    const char* field;
    const OrvExpr* node;
  } freed[] = {{"errNode", errNode},   {"execTokens", execTokens}, {"recordList", records},
               {"pendingMarkers", markers}, {"open 01", top},       {"open 05", sub},
               {"overflow program", overflow}, {"retired", retired}};
  for (const auto& f : freed) EXPECT_TRUE(watch.Released(f.node)) << f.field;
  EXPECT_EQ(p.errNode, nullptr);
  EXPECT_EQ(p.execTokens, nullptr);
  EXPECT_EQ(p.noteLine, nullptr);
  EXPECT_TRUE(p.noteTokens.IsEmpty());
  EXPECT_EQ(p.pendingGroup, nullptr);
  EXPECT_EQ(p.recordList, nullptr);
  EXPECT_EQ(p.pendingMarkers, nullptr);
  EXPECT_EQ(p.levelDepth, 0);
  EXPECT_TRUE(p.overflowPrograms.empty());
  EXPECT_TRUE(p.retiredNodes.empty());

  // What a tree holds belongs to the tree, even when a field names it.
  watch.Clear();
  OrvExpr* attached = new OrvExprOper(STMT__SYNTAX_ERROR);
  OrvExpr* attachedRecords = new OrvExprOper(DECL_DD_LIST);
  tree.AddArg(attached);
  tree.AddArg(attachedRecords);
  p.errNode = attached;
  p.recordList = attachedRecords;
  p.ReleaseParseState();
  EXPECT_FALSE(watch.Released(attached));
  EXPECT_FALSE(watch.Released(attachedRecords));
  EXPECT_EQ(p.errNode, nullptr);
  EXPECT_EQ(p.recordList, nullptr);
  EXPECT_EQ(tree.Args(0), attached);
  currentParser = nullptr;
}

TEST(OrvParserImplRelease, DestroyingAParserAfterAFailedOrNoParseLeaksNothing) {
  sematest::ReleaseWatch watch;
  { NoSourceParser neverParsed; }
  EXPECT_EQ(watch.Count(), 0u);
  OrvParserImpl* p = new NoSourceParser;
  OrvExpr* execTokens = new OrvExprOper(EX_EXEC_TOKEN_LIST);
  OrvExpr* errNode = new OrvExprOper(STMT__SYNTAX_ERROR, new OrvExprOper(EX_EXEC_TOKEN_LIST));
  OrvExpr* overflow = new OrvExprOper(COBOL_PROGRAM);
  p->execTokens = execTokens;
  p->noteLine = new OrvToken(CM_PERSISTENT, VString("* x"), OrvTxtPosnRange());
  p->errNode = errNode;
  p->overflowPrograms.push_back(overflow);
  delete p;
  EXPECT_TRUE(watch.Released(execTokens));
  EXPECT_TRUE(watch.Released(errNode));
  EXPECT_TRUE(watch.Released(overflow));
}

TEST(OrvParserImplHooks, NameAndRootHooksServeTheCurrentParserOnly) {
  EXPECT_EQ(LexerFindNameHook(VString("X")), nullptr);
  EXPECT_EQ(LexerRootHook(), nullptr);
  NoSourceParser p;
  currentParser = &p;
  InitParseTree(&p);
  EXPECT_EQ(LexerRootHook(), p.root);
  OrvSymTabElt* x = LexerFindNameHook(VString("X"));
  ASSERT_NE(x, nullptr);
  EXPECT_EQ(x->Parent(), p.curSymTab);
  EXPECT_EQ(LexerFindNameHook(VString("X")), x);
  currentParser = nullptr;
  delete p.root;
}

}  // namespace
