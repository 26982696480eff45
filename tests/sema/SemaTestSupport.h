// Support of the parser-object tests: a parser set up as a running parse
// sets it up (current, with a message list and the recorder as its
// call-back), and builders of the program trees that the grammar's actions
// would make, in source order so that serial numbers follow the source.
#ifndef LARK_TESTS_SEMA_SEMATESTSUPPORT_H
#define LARK_TESTS_SEMA_SEMATESTSUPPORT_H

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "MessageRecorder.h"
#include "NoSourceParser.h"
#include "OrvConstNodes.h"
#include "OrvExprOper.h"
#include "OrvNameNodes.h"
#include "OrvOperSlots.h"
#include "OrvParseInit.h"
#include "OrvParserImpl.h"
#include "OrvParserNames.h"
#include "OrvSymTab.h"
#include "TestStrings.h"

namespace sematest {

// One message of the parser's message list, as "<level> <text>".
inline std::string Line(int level, const std::string& text) {
  return std::to_string(level) + " " + text;
}

class ParserTest : public ::testing::Test {
 protected:
  void SetUp() override {
    parser.messageSink = &MessageRecorder::Sink;
    parser.messageList = &messages;
    currentParser = &parser;
  }

  void TearDown() override {
    // Programs still open are deleted as after a failed parse; the parse
    // state may point into the trees, so it goes before them.
    if (parser.progDepth > 1) parser.FinishSource(1);
    parser.ReleaseParseState();
    delete parser.root;
    parser.root = nullptr;
    for (OrvExpr* node : owned) delete node;
    currentParser = nullptr;
  }

  // Ends the parse so far (its tree deleted) and resets the parse state as
  // the next parse does; the message list is emptied.
  void NextParse() {
    if (parser.progDepth > 1) parser.FinishSource(1);
    parser.ReleaseParseState();
    delete parser.root;
    parser.ResetParseState();
    parser.messageList = &messages;
    messages.Clear();
  }

  // The root, its special registers and symbol table, as a parse begins.
  void StartFile() { InitParseTree(&parser); }

  // The messages of the list, each as Line(level, text).
  std::vector<std::string> Messages() const {
    std::vector<std::string> out;
    for (OrvTokenListNode* e = messages.Head(); e != nullptr; e = e->next) {
      out.push_back(Line(e->token->code, Str(e->token->image)));
    }
    return out;
  }
  // The positions of the messages of the list, in order.
  std::vector<OrvTxtPosn> MessagePosns() const {
    std::vector<OrvTxtPosn> out;
    for (OrvTokenListNode* e = messages.Head(); e != nullptr; e = e->next) {
      out.push_back(e->token->begin);
    }
    return out;
  }

  // The element of a word, as the lexer finds it.
  OrvSymTabElt* Name(const char* name) { return FindNameInProg(&parser, VString(name)); }
  // A definition of a word, as a grammar action makes it.
  OrvNamedObjDef* Define(const char* name, int category, int mayRepeat = 1) {
    return parser.SymTabDefine(Name(name), category, mayRepeat);
  }
  // A use of a qualified name (named item first), as the grammar makes it.
  OrvNamedObjUse* Use(int category, std::initializer_list<const char*> names,
                      int precedingOnly = 0) {
    OrvExpr* list = new OrvExprOper(OF_IN_LIST);
    for (const char* name : names) list->AddArg(new OrvNameUse(OrvLink(Name(name), -1)));
    return OrvNewNamedObjUse(list, category, precedingOnly);
  }

  // A new program named `name` (PROGRAM-ID only), started on the stack.
  OrvExpr* BeginProgram(const char* name) {
    OrvExpr* program = parser.StartProgram();
    OrvExpr* id = new OrvExprOper(PARA_PROGRAM_ID);
    id->SetArg(PPID_NAME, Define(name, SYMCAT_PROGRAM_NAME, 0), -1, 0);
    OrvExpr* division = new OrvExprOper(DIVISION_IDENTIFICATION);
    division->SetArg(DIVISION_IDENTIFICATION__PROGRAM_ID_PARAGRAPH, id, -1, 0);
    program->SetArg(COBOL_PROGRAM__IDENTIFICATION_DIVISION, division, -1, 0);
    return program;
  }
  // The program's WORKING-STORAGE entry list, made with its division.
  OrvExpr* WorkingStorage(OrvExpr* program) {
    OrvExpr* division = program->Args(COBOL_PROGRAM__DATA_DIVISION);
    if (division == nullptr) {
      division = new OrvExprOper(DIVISION_DATA);
      program->SetArg(COBOL_PROGRAM__DATA_DIVISION, division, -1, 0);
    }
    OrvExpr* section = new OrvExprOper(SECTION_WORKING_STORAGE);
    OrvExpr* list = new OrvExprOper(DECL_DD_LIST);
    section->SetArg(SECTION_WORKING_STORAGE__DATA_DESCRIPTION_ENTRIES, list, -1, 0);
    division->SetArg(DIVISION_DATA__WORKING_STORAGE_SECTION, section, -1, 0);
    return list;
  }
  // A data item of the given level and name with its subordinates.
  OrvExpr* Item(int level, const char* name, std::initializer_list<OrvExpr*> subs = {}) {
    OrvExpr* entry = new OrvExprOper(DECL_DD_ENTRY);
    entry->SetArg(DECL_DD_ENTRY__LEVEL_NUMBER, new OrvIntNumConst(OrvFormat("%02d", level), level), -1, 0);
    entry->SetArg(DECL_DD_ENTRY__DATA_ITEM_DEFINED, Define(name, SYMCAT_DATA_NAME), -1, 0);
    OrvExpr* holder = new OrvExprOper(DECL_DD);
    holder->SetArg(DECL_DD__DATA_DESCRIPTION_ENTRY, entry, -1, 0);
    for (OrvExpr* sub : subs) holder->SetArgToList(DECL_DD__SUBORDINATE_ENTRIES, DECL_DD_LIST, sub);
    return holder;
  }
  // The program's PROCEDURE DIVISION, made the procedure container.
  OrvExpr* Procedure(OrvExpr* program) {
    OrvExpr* division = new OrvExprOper(DIVISION_PROCEDURE);
    program->SetArg(COBOL_PROGRAM__PROCEDURE_DIVISION, division, -1, 0);
    parser.procOwner = division;
    parser.procSlot = DIVISION_PROCEDURE__IMPERATIVES;
    parser.ClearCurProc();
    return division;
  }
  OrvExpr* Section(const char* name) {
    OrvExpr* section = new OrvExprOper(SECTION_PROC);
    section->SetArg(SECTION_NAME, Define(name, SYMCAT_SECTION_NAME, 0), -1, 0);
    parser.ProcessNewProc(section);
    return section;
  }
  OrvExpr* Paragraph(const char* name) {
    OrvExpr* para = new OrvExprOper(PARA_PROC);
    para->SetArg(PARA_NAME, Define(name, SYMCAT_PARA_NAME), -1, 0);
    parser.ProcessNewProc(para);
    return para;
  }
  // A sentence of one statement holding the given nodes.
  OrvExpr* Sentence(std::initializer_list<OrvExpr*> nodes) {
    OrvExpr* holder = new OrvExprOper(IDENT_LIST);
    for (OrvExpr* node : nodes) holder->AddArg(node);
    OrvExpr* sentence = new OrvExprOper(SENTENCE, new OrvExprOper(STMT_LIST, holder));
    parser.ProcessNewProc(sentence);
    return sentence;
  }

  MessageRecorder recorder;
  NoSourceParser parser;
  OrvTokenList messages;
  // Nodes the test hands out of the parser (trees, ignored nodes), deleted
  // at the end.
  std::vector<OrvExpr*> owned;
};

// While alive, records the address of every node whose memory is
// released, so that a test can tell which nodes were freed.
class ReleaseWatch {
 public:
  ReleaseWatch() : saved_(OrvNodeRelease) {
    current_ = this;
    OrvNodeRelease = &Record;
  }
  ~ReleaseWatch() {
    OrvNodeRelease = saved_;
    current_ = nullptr;
  }
  ReleaseWatch(const ReleaseWatch&) = delete;
  ReleaseWatch& operator=(const ReleaseWatch&) = delete;

  bool Released(const void* node) const {
    for (const void* r : released_) {
      if (r == node) return true;
    }
    return false;
  }
  size_t Count() const { return released_.size(); }
  // Forgets what was recorded: a later node may take a released address.
  void Clear() { released_.clear(); }

 private:
  static void Record(void* memory, std::size_t size) {
    current_->released_.push_back(memory);
    current_->saved_(memory, size);
  }
  OrvNodeReleaseFn saved_;
  std::vector<const void*> released_;
  static inline ReleaseWatch* current_ = nullptr;
};

// Gives a node a word token at (line, column) of file 1, so that its begin
// position is that place.
inline void PlaceAt(OrvExpr* node, int line, int column, const char* text = "W") {
  node->Tokens().AddToken(TK_USER_DEFD_WORD, OrvTxtPosn(line, column, 1), VString(text));
}

}  // namespace sematest

#endif
