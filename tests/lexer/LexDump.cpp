// lexdump <file> [dialect] [format]: a test-only program that lexes one
// source with a GetToken loop and prints the token dump (TokenDump.h) on
// standard output; the lexer's messages go to standard error.  The dialect
// is a short dialect name ("ansi85" when not given), the format "fixed"
// (the default), "free", "fsc-free" or "var".  EXEC SQL and EXEC CICS
// blocks are classified.  Exit status 0, or 21 for bad arguments and 11 when
// the file cannot be read.
#include <cstdio>
#include <cstring>
#include <iostream>

#include "OrvDials.h"
#include "OrvLexer.h"
#include "OrvParser.h"
#include "OrvWordIndex.h"
#include "TokenDump.h"

namespace {

void PrintMessage(int level, const OrvTxtPosn* posn, const VString* text) {
  std::cerr << level << ' ';
  if (posn != nullptr && posn->IsSet()) std::cerr << posn->Line() << ':' << posn->Column() << ' ';
  std::cerr << (text != nullptr && text->text != nullptr ? text->text : "") << '\n';
}

// The index of `word` in a value-word table ended by an empty word, or -1.
int IndexOf(const VString* words, const char* word) {
  for (int i = 0; words[i].length > 0; ++i)
    if (std::strcmp(words[i].text, word) == 0) return i;
  return -1;
}

int Usage() {
  std::cerr << "usage: lexdump <file> [dialect] [fixed|free|fsc-free|var]\n";
  return ORV_BAD_OPTIONS;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2 || argc > 4) return Usage();
  OrvLexerStartUp();
  const int dialect = argc > 2 ? IndexOf(OrvDialectShortNames, argv[2]) : ORV_DIAL_ANSI85;
  const int format = argc > 3 ? IndexOf(OrvLineFormatWords, argv[3]) : ORV_LINE_FORMAT_FIXED;
  if (dialect < 1 || format < ORV_LINE_FORMAT_FIXED) return Usage();

  OrvLexer lexer(PrintMessage, nullptr, nullptr, nullptr, nullptr);
  OrvSetDial(lexer.settings.dials, dialect);
  lexer.settings.lineFormat = format;
  lexer.settings.sql = 1;
  lexer.settings.cics = 1;
  lexer.Reset();
  if (lexer.SetInput(VString(argv[1])) != ORV_OK) return ORV_CANNOT_OPEN_INPUT;
  std::cout << DumpTokens(lexer);
  lexer.CloseInput();
  return ORV_OK;
}
