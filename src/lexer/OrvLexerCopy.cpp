// The copy-less layer of the lexer (OrvLexer::GetCopylessTextWord): carries
// out COPY statements, "-INC" lines and EXEC SQL INCLUDE statements by
// opening their members as new input levels, ends a member at its end of
// input, hands REPLACE statements to their reader, and keeps the statement
// nodes for the parser (the Take*Node accessors).
#include <cstdlib>
#include <memory>
#include <ostream>

#include "OrvConstNodes.h"
#include "OrvExprOper.h"
#include "OrvInputLevel.h"
#include "OrvLexer.h"
#include "OrvOper.h"
#include "OrvOperSlots.h"
#include "OrvReplaceTable.h"
#include "OrvStatementParts.h"

namespace {

const char* TextOf(const VString& s) { return s.text != nullptr ? s.text : ""; }

bool IsNameUnit(const OrvLexUnit& u) { return u.code == TK_CHAR_STRING || u.code == TK_NONNUM_LIT; }

// The name a member or library name unit stands for: a word as written, a
// literal's value without its delimiters.
VString NameOf(OrvLexer& lexer, const OrvLexUnit& u) {
  return u.code == TK_NONNUM_LIT ? OrvNonnumLiteralValue(lexer, u.text, u.beg) : u.text;
}

// The node of a member or library name, holding the name unit's tokens.
OrvExpr* NameNode(OrvLexUnit& u) {
  OrvExpr* node = u.code == TK_NONNUM_LIT ? static_cast<OrvExpr*>(new OrvStrConst(u.text))
                                           : new OrvCharString(u.text);
  OrvMoveUnitTo(u, node->Tokens());
  return node;
}

// The statement token of a statement from `beg` to `end`: no text, nothing
// attached (the statement's tokens are in its node).
void MakeStatementToken(OrvLexUnit& u, int code, const OrvTxtPosn& beg, const OrvTxtPosn& end) {
  u.Clear();
  u.code = code;
  u.beg = beg;
  u.end = end;
}

// Replaces a held node of one kind by a new one.
void Hold(OrvExpr*& field, OrvExpr* node) {
  delete field;
  field = node;
}

OrvExpr* Take(OrvExpr*& field) {
  OrvExpr* node = field;
  field = nullptr;
  return node;
}

}  // namespace

void OrvLexer::NextCopylessTextWordSlow(OrvLexUnit& u) {
  if (copylessSlotFull_) {
    u = std::move(copylessSlot_);
    copylessSlotFull_ = false;
  } else {
    for (;;) {
      NextRpldTextWord(u);
      if (!MayStartStatement(u)) {
        lastStatement_ = kNoStatement;
        break;
      }
      if (DispatchCopyless(u) == kHandOn) break;
    }
  }
  TraceUnit(ORV_LEX_TRACE_WORDS, "GetCopylessTextWord: ", u);
}

OrvTokenGroup* OrvLexer::GetCopylessTextWord() {
  return GroupOf(&OrvLexer::NextCopylessTextWord);
}

void OrvLexer::UnGetCopylessTextWord(OrvTokenGroup* group) {
  UnGroup(&OrvLexer::UnNextCopylessTextWord, group);
}

OrvLexer::CopylessStep OrvLexer::DispatchCopyless(OrvLexUnit& u) {
  // Inside a NOTE paragraph the words are comment text: nothing is copied
  // or replaced, and a -INC line includes nothing.
  if (noteMode) {
    if (u.code == SEP_COPY_INC) Hold(libInclusionNode, nullptr);
    lastStatement_ = kNoStatement;
    return kHandOn;
  }
  switch (u.code) {
    case SEP_EOF:
      return EndOfLevel(u);
    case SEP_COPY_INC:
      return LibraryInclusion(u);
    case TK_CHAR_STRING:
      if (OrvIsWord(u, "COPY")) return CopyStatement(u);
      // Inside an EXEC block REPLACE is a word of the block (SQL has one).
      if (OrvIsWord(u, "REPLACE") && execState == ORV_EXEC_NONE) return ReplaceStatement(u);
      if (OrvIsWord(u, "EXEC")) return ExecLookAhead(u);
      break;
    default:
      break;
  }
  lastStatement_ = kNoStatement;
  return kHandOn;
}

// ----------------------------------------------------------- end of level

OrvLexer::CopylessStep OrvLexer::EndOfLevel(OrvLexUnit& u) {
  lastStatement_ = kNoStatement;
  // The end of the main source is the end of input.
  if (levelCount_ <= 1) return kHandOn;
  VString name;
  const int endOper = CloseInputLevel(0, name);
  Hold(memberEndNode,
       new OrvExprOper(static_cast<OrvOper>(endOper), new OrvCharString(name), OrvNewIntConst(levelCount_)));
  u.code = SEP_COPY_EOF;
  return kHandOn;
}

// ------------------------------------------------------------- -INC lines

// The four statement nodes of COPY and INCLUDE keep member, library, file
// and nesting level in the same slots, so that one node changes its
// operation as its member opens.
static_assert(STMT_INLINED_COPY_BEG__COPY_MEMBER == STMT_UNINLINED_COPY__COPY_MEMBER &&
                  STMT_UNINLINED_INCLUDE__INCLUDE_MEMBER == STMT_UNINLINED_COPY__COPY_MEMBER &&
                  STMT_INLINED_INCLUDE_BEG__INCLUDE_MEMBER == STMT_UNINLINED_COPY__COPY_MEMBER &&
                  STMT_INLINED_COPY_BEG__COPY_LIBRARY == STMT_UNINLINED_COPY__COPY_LIBRARY &&
                  STMT_INLINED_INCLUDE_BEG__REAL_FILE_NAME == STMT_INLINED_COPY_BEG__REAL_FILE_NAME &&
                  STMT_UNINLINED_COPY__REAL_FILE_NAME == STMT_INLINED_COPY_BEG__REAL_FILE_NAME &&
                  STMT_INLINED_INCLUDE_BEG__NESTING_LEVEL == STMT_INLINED_COPY_BEG__NESTING_LEVEL &&
                  STMT_UNINLINED_COPY__NESTING_LEVEL == STMT_INLINED_COPY_BEG__NESTING_LEVEL,
              "COPY and INCLUDE statements keep their parts in the same slots");

OrvLexer::CopylessStep OrvLexer::LibraryInclusion(OrvLexUnit& u) {
  lastStatement_ = kLibInclusionStatement;
  OrvExpr* list = libInclusionNode != nullptr ? libInclusionNode->Args(STMT_UNINLINED_COPY__COPY_MEMBER) : nullptr;
  OrvExpr* name = list != nullptr && list->NArgs() > 0 ? list->Args(0) : nullptr;
  if (name == nullptr || name->Image() == nullptr) {
    u.code = SEP_UNINLINED_COPY;
    return kHandOn;
  }
  // The -INC token has no position: messages go to the member name.
  const OrvToken* nameToken = name->Tokens().First();
  const OrvTxtPosn at = nameToken != nullptr ? nameToken->begin : LinePosn();
  if (!OpenMember(*name->Image(), STMT_INLINED_COPY_END, libInclusionNode, at))
    u.code = SEP_UNINLINED_COPY;
  return kHandOn;
}

// --------------------------------------------------------- COPY statement

OrvLexer::CopylessStep OrvLexer::CopyStatement(OrvLexUnit& u) {
  const OrvTxtPosn first = u.beg;
  std::unique_ptr<OrvExpr> node(new OrvExprOper(STMT_UNINLINED_COPY));
  u.code = TK_COPY;
  OrvMoveUnitTo(u, node->ArgSlots(STMT_UNINLINED_COPY__COPY_MEMBER)->tokens);

  GetStatementWord(u);
  if (!IsNameUnit(u))
    return StatementFailed(u, first, "We expect file name after COPY word. Ignored");
  VString member = NameOf(*this, u);
  OrvExpr* names = new OrvExprOper(OF_IN_LIST);
  node->SetArg(STMT_UNINLINED_COPY__COPY_MEMBER, names);
  names->AddArg(NameNode(u));

  GetStatementWord(u);
  if (OrvIsWord(u, "OF") || OrvIsWord(u, "IN")) {
    OrvLexUnit ofIn = std::move(u);
    GetStatementWord(u);
    if (!IsNameUnit(u))
      return StatementFailed(u, first, "Expect library name after OF/IN word in COPY statement");
    const VString library = NameOf(*this, u);
    // The library names an environment variable whose value is the
    // member's directory; the member is then opened there and nowhere else.
    const char* dir = std::getenv(TextOf(library));
    if (dir == nullptr)
      Report(MSG_WARN, u.beg,
             OrvFormat("Environment variable '%s' is not defined, so library name is ignored",
                       TextOf(library)));
    else
      member = VString(dir) + VString("/") + member;
    names->AddArg(NameNode(u));
    OrvMoveUnitTo(ofIn, names->ArgSlots(1)->tokens);
    GetStatementWord(u);
  }
  if (OrvIsWord(u, "SUPPRESS")) {
    OrvMoveUnitTo(u, node->ArgSlots(STMT_UNINLINED_COPY__COPY_LIBRARY)->tokens);
    GetStatementWord(u);
  }
  std::unique_ptr<OrvReplaceTable> phrases;
  if (OrvIsWord(u, "REPLACING")) {
    OrvExpr* replacing = new OrvExprOper(COPY_REPLACING);
    node->SetArg(STMT_UNINLINED_COPY__COPY_LIBRARY, replacing);
    OrvMoveUnitTo(u, replacing->ArgSlots(COPY_REPLACING__REPLACING_PHRASES)->tokens);
    OrvExpr* list = new OrvExprOper(COPY_REPLACING_LIST);
    replacing->SetArg(COPY_REPLACING__REPLACING_PHRASES, list);
    GetStatementWord(u);
    phrases.reset(new OrvReplaceTable());
    if (!ReadReplacePhrases(u, list, *phrases, true, first)) return kReadNext;
  }
  if (u.code != SEP_DOT)
    return StatementFailed(u, first, "COPY statement should be ended with separator period. Ignored.");
  const OrvTxtPosn last = u.end;
  OrvMoveUnitTo(u, node->Tokens());
  if (IncludeMember(node, copyNode, kCopyStatement, member, STMT_INLINED_COPY_END, first, last, u) &&
      phrases != nullptr) {
    // The member's text runs under its own phrases.
    phrases->SetKeeps();
    cur_->phrases = phrases.release();
    cur_->ownsPhrases = true;
    SetActiveTable();
  }
  return kHandOn;
}

// ---------------------------------------------------- EXEC SQL INCLUDE

OrvLexer::CopylessStep OrvLexer::ExecLookAhead(OrvLexUnit& u) {
  lastStatement_ = kNoStatement;
  // The words after EXEC are read as the words of an EXEC block (in some
  // dialects they keep their case), which they are unless they turn out to
  // be an EXEC SQL INCLUDE statement.
  const int saved = execState;
  execState = ORV_EXEC_WORD;
  const CopylessStep step = ExecSqlInclude(u);
  execState = saved;
  return step;
}

OrvLexer::CopylessStep OrvLexer::ExecSqlInclude(OrvLexUnit& u) {
  OrvLexUnit sqlWord;
  GetStatementWord(sqlWord);
  OrvLexUnit space;
  space.code = SEP_SPACE;
  if (!OrvIsWordAnyCase(sqlWord, "SQL")) {
    UnNextRpldTextWord(sqlWord);
    UnNextRpldTextWord(space);
    return kHandOn;
  }
  OrvLexUnit includeWord;
  GetStatementWord(includeWord);
  if (!OrvIsWordAnyCase(includeWord, "INCLUDE")) {
    // The words go up as read: EXEC, a space, SQL, a space, the third word
    // (with the spaces read before them in front of them).
    UnNextRpldTextWord(includeWord);
    UnNextRpldTextWord(space);
    space.code = SEP_SPACE;
    UnNextRpldTextWord(sqlWord);
    UnNextRpldTextWord(space);
    return kHandOn;
  }
  return SqlIncludeStatement(u, sqlWord, includeWord);
}

OrvLexer::CopylessStep OrvLexer::SqlIncludeStatement(OrvLexUnit& u, OrvLexUnit& sqlWord,
                                                      OrvLexUnit& includeWord) {
  const OrvTxtPosn first = u.beg;
  std::unique_ptr<OrvExpr> node(new OrvExprOper(STMT_UNINLINED_INCLUDE));
  OrvTokenList& head = node->ArgSlots(STMT_UNINLINED_INCLUDE__INCLUDE_MEMBER)->tokens;
  u.code = RW_EXEC;
  u.ClearText();
  OrvMoveUnitTo(u, head);
  sqlWord.code = TK_SQL;
  sqlWord.ClearText();
  OrvMoveUnitTo(sqlWord, head);
  includeWord.code = STK_INCLUDE;
  includeWord.ClearText();
  OrvMoveUnitTo(includeWord, head);

  GetStatementWord(u);
  if (u.code != TK_CHAR_STRING)
    return StatementFailed(u, first, "We expect file name after EXEC SQL INCLUDE. Ignored");
  const VString member = u.text;
  OrvExpr* names = new OrvExprOper(OF_IN_LIST);
  node->SetArg(STMT_UNINLINED_INCLUDE__INCLUDE_MEMBER, names);
  names->AddArg(NameNode(u));

  GetStatementWord(u);
  if (!OrvIsWordAnyCase(u, "END-EXEC"))
    return StatementFailed(u, first, "We expect END-EXEC after file name in EXEC SQL INCLUDE. Ignored");
  OrvTxtPosn last = u.end;
  OrvMoveUnitTo(u, node->Tokens());
  if (TakeAdjacentPeriod(u)) {
    last = u.end;
    OrvMoveUnitTo(u, node->Tokens());
  }

  IncludeMember(node, sqlIncludeNode, kSqlIncludeStatement, member, STMT_INLINED_INCLUDE_END, first, last, u);
  return kHandOn;
}

bool OrvLexer::TakeAdjacentPeriod(OrvLexUnit& u) {
  // The period right after END-EXEC waits in the separator slot, or, when
  // phrases are in force, in the replacement layer's output or push-back.
  if (!rpldOut_.IsEmpty()) {
    if (rpldOut_.Front().code != SEP_DOT) return false;
    rpldOut_.PopFront(u);
    return true;
  }
  if (collapsedCount_ > 0) {
    OrvLexUnit& top = collapsed_[collapsedCount_ - 1];
    if (top.code != SEP_DOT || !top.attached.IsEmpty()) return false;
    u = std::move(top);
    --collapsedCount_;
    return true;
  }
  if (!sepSlotFull_ || sepSlot_.code != SEP_DOT) return false;
  u = std::move(sepSlot_);
  sepSlotFull_ = false;
  return true;
}

// ------------------------------------------------------------- members

bool OrvLexer::IncludeMember(std::unique_ptr<OrvExpr>& node, OrvExpr*& field, StatementKind kind,
                             const VString& member, int endOper, const OrvTxtPosn& first,
                             const OrvTxtPosn& last, OrvLexUnit& u) {
  OrvExpr* statement = node.release();
  Hold(field, statement);
  lastStatement_ = kind;
  MakeStatementToken(u, SEP_UNINLINED_COPY, first, last);
  const bool opened = OpenMember(member, endOper, statement, first);
  if (opened) {
    ParkLibInclusionNode();
    u.code = SEP_INLINED_COPY;
  }
  OrvFinishStatementNode(statement);
  return opened;
}

int OrvLexer::OpenMember(const VString& name, int endOper, OrvExpr* node, const OrvTxtPosn& at) {
  VString path;
  if (!OpenInputLevel(TextOf(name), endOper, path, &at)) return 0;
  node->SetOper(endOper == STMT_INLINED_INCLUDE_END ? STMT_INLINED_INCLUDE_BEG : STMT_INLINED_COPY_BEG);
  node->SetArg(STMT_INLINED_COPY_BEG__REAL_FILE_NAME, new OrvCharString(path));
  node->SetArg(STMT_INLINED_COPY_BEG__NESTING_LEVEL, OrvNewIntConst(levelCount_ - 1));
  return 1;
}

void OrvLexer::ParkLibInclusionNode() {
  // A -INC node still held belongs to the level below (its line may have
  // been read ahead there): it waits there until the member is read.
  if (libInclusionNode == nullptr || levelCount_ < 2) return;
  OrvLevelStash& stash = levels_[levelCount_ - 2]->stash;
  delete stash.libInclusionNode;
  stash.libInclusionNode = Take(libInclusionNode);
}

// ----------------------------------------------------- nodes for the parser

OrvExpr* OrvLexer::TakeCopyNode() {
  switch (lastStatement_) {
    case kCopyStatement:
      if (copyNode != nullptr) return Take(copyNode);
      break;
    case kSqlIncludeStatement:
      if (sqlIncludeNode != nullptr) return Take(sqlIncludeNode);
      break;
    case kLibInclusionStatement:
      if (libInclusionNode != nullptr) return Take(libInclusionNode);
      break;
    default:
      break;
  }
  if (copyNode != nullptr) return Take(copyNode);
  if (sqlIncludeNode != nullptr) return Take(sqlIncludeNode);
  return Take(libInclusionNode);
}

OrvExpr* OrvLexer::TakeMemberEndNode() { return Take(memberEndNode); }

OrvExpr* OrvLexer::TakeReplaceNode() { return Take(replaceNode); }
