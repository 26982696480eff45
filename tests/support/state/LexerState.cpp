// The lexer layer's part of the state the test main restores around each
// case: the dialect masks of the COBOL reserved words (a parse with
// "exclude-keywords" un-reserves words for the rest of the process) and the
// stream of the lexer's traces.
#include <iterator>

#include "OrvLexer.h"
#include "OrvWords.h"
#include "ProcessState.h"

namespace {

class ReservedWordsPart : public ProcessStatePart {
 public:
  ReservedWordsPart() : ProcessStatePart("reserved words") {}
  void Save() override {
    for (int i = 0; i < ORV_COBOL_KEYWORD_COUNT; ++i) masks_[i] = OrvCobolKeywords[i].mask;
  }
  void Restore() override {
    for (int i = 0; i < ORV_COBOL_KEYWORD_COUNT; ++i) OrvCobolKeywords[i].mask = masks_[i];
  }

 private:
  OrvDials masks_[ORV_COBOL_KEYWORD_COUNT];
};

ReservedWordsPart reservedWords;

SavedVariables lexerTrace("lexer trace stream", OrvLexerTraceOut);

}  // namespace
