// OrvLexerSettings: every setting the lexer reads, each with its default in
// one place.  The parser settings hold one set (their option records point
// into it) and the parse driver copies it whole into the lexer before each
// parse; the lexer only reads its copy.
#ifndef LARK_LEXER_ORVLEXERSETTINGS_H
#define LARK_LEXER_ORVLEXERSETTINGS_H

#include "OrvDials.h"
#include "VString.h"

class OrvTxtPosn;

// Called with a source position (may be empty) and a progress text.
typedef void (*OrvProgressCallBack)(const OrvTxtPosn* position, const VString* text);

// Indexes of the words of the "copynames-case" and "line-format" selections.
// "dial" asks for the line format the dialects call for; the parser settings
// replace it (OrvParser::ResolveDialectOptions) before a parse.
enum OrvCaseWord { ORV_CASE_EXACT = 0, ORV_CASE_LOWER = 1, ORV_CASE_UPPER = 2 };
enum OrvLineFormat {
  ORV_LINE_FORMAT_DIAL = 0,
  ORV_LINE_FORMAT_FIXED = 1,
  ORV_LINE_FORMAT_FREE = 2,
  ORV_LINE_FORMAT_FSC_FREE = 3,
  ORV_LINE_FORMAT_VAR = 4
};

// Capacities of the string-list settings.
const int ORV_EXCLUDE_KEYWORDS_MAX = 100;
const int ORV_COPYLIB_DIRS_MAX = 12;
const int ORV_COPYLIB_SUFFIXES_MAX = 10;

// A list of `capacity` entries holding `first` alone.
VStringArray OrvOneEntryList(int capacity, const char* first);

struct OrvLexerSettings {
  OrvDials dials = OrvNoDials();            // the dialect set of the parse
  int lineFormat = ORV_LINE_FORMAT_FIXED;   // "line-format": OrvLineFormat
  int progidComments = 0;                   // "progid-comments"
  // "sep-space-reqd": a switch for the lexer ("dial", "no", "yes" in the
  // parser settings until the dialects are resolved).
  int sepSpaceReqd = 1;
  VStringArray excludeKeywords{ORV_EXCLUDE_KEYWORDS_MAX};  // "exclude-keywords"
  int sql = 0;                              // "sql": EXEC SQL blocks are parsed
  int cics = 0;                             // "cics": EXEC CICS blocks are parsed
  VStringArray copylibDirs = OrvOneEntryList(ORV_COPYLIB_DIRS_MAX, ".");          // "copylib-dir"
  VStringArray copylibSuffixes = OrvOneEntryList(ORV_COPYLIB_SUFFIXES_MAX, ".cpy");  // "copylib-sfx"
  int copynamesCase = ORV_CASE_LOWER;       // "copynames-case": OrvCaseWord
  int oldCopy = 0;                          // "old-copy"
  int inlineCopy = 1;                       // "inline-copy"
  OrvProgressCallBack progressCallBack = nullptr;  // none: no progress calls
  int progressInterval = 100;               // lines between two progress calls
  int traceFlags = 0;                       // OrvLexerTraceBit bits; no option sets them
};

#endif
