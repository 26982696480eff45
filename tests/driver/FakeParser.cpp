// The scripted parser object of the driver and statistics-tool tests.
#include "FakeParser.h"

#include <signal.h>

#include <fstream>
#include <sstream>

#include "OrvConstNodes.h"
#include "OrvExprOper.h"
#include "OrvMessageSink.h"
#include "OrvOperSlots.h"
#include "OrvToken.h"
#include "OrvTxtPosn.h"

std::vector<std::string> fakeWalkerFiles;

namespace {

// The rest of the line after the words read so far, without the blank
// in front.
std::string Rest(std::istringstream& in) {
  std::string rest;
  std::getline(in, rest);
  if (!rest.empty() && rest[0] == ' ') rest.erase(0, 1);
  return rest;
}

}  // namespace

OrvExpr* FakeProgramTree(const std::string& name) {
  OrvExpr* programId = new OrvExprOper(PARA_PROGRAM_ID);
  programId->SetArg(PPID_NAME, new OrvCharString(VString(name.c_str())));
  OrvExpr* ident = new OrvExprOper(DIVISION_IDENTIFICATION);
  ident->SetArg(DIVISION_IDENTIFICATION__PROGRAM_ID_PARAGRAPH, programId);
  OrvExpr* program = new OrvExprOper(COBOL_PROGRAM);
  program->SetArg(COBOL_PROGRAM__IDENTIFICATION_DIVISION, ident);
  OrvExpr* programs = new OrvExprOper(COBOL_PROGRAM_LIST);
  programs->AddArg(program);
  OrvExpr* file = new OrvExprOper(COBOL_FILE);
  file->SetArg(COBOL_FILE__PROGRAM_LIST, programs);
  return file;
}

OrvParserResult FakeParser::Parse(const VString& fileName, OrvExpr** tree,
                                  OrvTokenList* messages) {
  ++parseCalls;
  std::string path = fileName.text ? fileName.text : "";
  parsedFiles.push_back(path);
  *tree = nullptr;
  script = FakeScript();
  std::ifstream in(path);
  if (!in) return ORV_PARSE_INPUT_NOT_OPENED;
  int fileIx = OrvFileNameAdd(fileName);
  int result = 0;
  std::string program;
  std::string line;
  while (std::getline(in, line)) {
    std::istringstream words(line);
    std::string directive;
    words >> directive;
    if (directive == "result") {
      words >> result;
    } else if (directive == "counts") {
      words >> lineCount >> locCount >> tokenCount;
    } else if (directive == "message") {
      int level = 0, l = 0, c = 0;
      words >> level >> l >> c;
      messages->AddToken(level, OrvTxtPosn(l, c, fileIx), VString(Rest(words).c_str()));
    } else if (directive == "sink") {
      int level = 0;
      words >> level;
      VString text(Rest(words).c_str());
      messageSink(level, &OrvNullPosn, &text);
    } else if (directive == "progress") {
      int l = 0;
      words >> l;
      VString text(Rest(words).c_str());
      OrvTxtPosn posn(l, 0, fileIx);
      if (lexerSettings.progressCallBack) lexerSettings.progressCallBack(&posn, &text);
    } else if (directive == "program") {
      words >> program;
    } else if (directive == "walker") {
      words >> script.walkerResult;
    } else if (directive == "walker-message") {
      int level = 0;
      words >> level;
      script.walkerMessages.emplace_back(level, Rest(words));
    } else if (directive == "walker-sink") {
      words >> script.walkerSinkCount >> script.walkerSinkLevel;
    } else if (directive == "interrupt") {
      raise(SIGINT);
    }
  }
  if (result <= ORV_PARSE_ERRORS && !program.empty()) *tree = FakeProgramTree(program);
  return static_cast<OrvParserResult>(result);
}

OrvResult FakeWalker(OrvExpr**, const VString& inputFile, OrvParser* parser, OrvPrettyPrinter*,
                     OrvTokenList* messages) {
  fakeWalkerFiles.push_back(inputFile.text ? inputFile.text : "");
  FakeParser* fake = dynamic_cast<FakeParser*>(parser);
  if (fake == nullptr) return 99;
  for (const auto& m : fake->script.walkerMessages)
    messages->AddToken(m.first, OrvNullPosn, VString(m.second.c_str()));
  VString text("walker");
  for (int i = 0; i < fake->script.walkerSinkCount; ++i)
    OrvGlobalMessageSink(fake->script.walkerSinkLevel, &OrvNullPosn, &text);
  return static_cast<OrvResult>(fake->script.walkerResult);
}
