// Shared support of the name-binding tests: a message sink that records what
// it gets, and builders of small program trees with symbol tables.
#ifndef LARK_TESTS_TREE_NAMETESTSUPPORT_H
#define LARK_TESTS_TREE_NAMETESTSUPPORT_H

#include <string>
#include <vector>

#include "OrvExprOper.h"
#include "OrvMessageSink.h"
#include "OrvNameNodes.h"
#include "OrvSymTab.h"

namespace nametest {

struct Message {
  int level;
  std::string text;
};

inline std::vector<Message>& Messages() {
  static std::vector<Message> messages;
  return messages;
}

inline void RecordingSink(int level, const OrvTxtPosn*, const VString* text) {
  Messages().push_back({level, text != nullptr && text->text != nullptr ? text->text : ""});
}

// Installs the recording sink for the life of the object.
class SinkCapture {
 public:
  SinkCapture() : old_(OrvGlobalMessageSink) {
    Messages().clear();
    OrvGlobalMessageSink = &RecordingSink;
  }
  ~SinkCapture() { OrvGlobalMessageSink = old_; }
  const std::vector<Message>& Got() const { return Messages(); }
  bool Has(int level, const std::string& text) const {
    for (const Message& m : Messages()) {
      if (m.level == level && m.text == text) return true;
    }
    return false;
  }

 private:
  OrvMessageSink old_;
};

inline std::string Str(const VString& s) { return s.text != nullptr ? s.text : ""; }

// The images of a table's children, in order.
inline std::vector<std::string> TableNames(OrvExpr* table) {
  std::vector<std::string> names;
  for (int i = 0; i < table->NArgs(); ++i) names.push_back(Str(*table->Args(i)->Image()));
  return names;
}

// A COBOL_PROGRAM with an empty symbol table in argument 6.
inline OrvExpr* NewProgram() {
  OrvExpr* program = new OrvExprOper(COBOL_PROGRAM);
  program->SetArg(ORV_PROG_SYMTAB_ARG, new OrvExprOper(SYMBOL_TABLE_ELT_LIST), -1, 0);
  return program;
}

inline OrvExpr* SymTabOf(OrvExpr* program) { return program->Args(ORV_PROG_SYMTAB_ARG); }

}  // namespace nametest

#endif
