// The tool descriptor.
#include "OrvTool.h"

#include "OrvParser.h"

OrvTool::OrvTool(const VString& bannerFormat_, const VString& commandName_,
                 const VString& version_, const VString& notice_, OrvParser* parser_)
    : bannerFormat(bannerFormat_),
      commandName(commandName_),
      version(version_),
      notice(notice_),
      help(0),
      pf(0),
      v(0),
      genSfx(),
      genMainDir(),
      progress(0),
      bailoutLevel(ORV_BAILOUT_SEVERE),
      dumpTree(0),
      parser(parser_),
      printer(),
      inputFiles(),
      genFile() {}

OrvTool::~OrvTool() {
  genFile = VString();
  inputFiles.Clear();
  delete parser;
  parser = nullptr;
}
