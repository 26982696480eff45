// OrvParser: the settings of the COBOL parser.  It holds every parser option
// with its default, builds the option groups through which the tool driver
// offers them ("Cobol Dialects" to "Length and Offset"), resolves the
// options whose value depends on the dialects, and carries the call-backs,
// the trace switches and, after a parse, the counters of tokens, lines and
// lines of code.  The parse itself is supplied by a derived class.
#ifndef LARK_LEXER_ORVPARSER_H
#define LARK_LEXER_ORVPARSER_H

#include "OrvCLFlag.h"
#include "OrvDials.h"
#include "OrvMessageSink.h"
#include "OrvResult.h"
#include "VString.h"

class OrvExpr;
class OrvTokenList;
class OrvTxtPosn;

// The result of parsing one source.
enum OrvParserResult {
  ORV_PARSE_OK = 0,
  ORV_PARSE_WARNINGS = 1,
  ORV_PARSE_ERRORS = 2,
  ORV_PARSE_FAILED = 3,
  ORV_PARSE_INPUT_NOT_OPENED = 11,
  ORV_PARSE_DIALECTS_REFUSED = 20,
  ORV_PARSE_ALREADY_RUNNING = 23
};

// Called by the grammar with the address of each division, section,
// paragraph, sentence, COPY marker and syntax-error item as it is reduced.
typedef void (*OrvDivisionCallBack)(OrvExpr** item);
// Called with a source position (may be empty) and a progress text.
typedef void (*OrvProgressCallBack)(const OrvTxtPosn* position, const VString* text);

// Value words of the selection options, each table ended by an empty value.
// A selection holds the index of its word.
extern VString OrvCaseWords[];        // "exact" "lower" "upper"
extern VString OrvLineFormatWords[];  // "dial" "fixed" "free" "fsc-free" "var"
extern VString OrvDialNoYesWords[];   // "dial" "no" "yes"
extern VString OrvAutoNoYesWords[];   // "auto" "no" "yes"
extern VString OrvStorModeWords[];    // "dial" "byte" "word" "fsc"

// Indexes of those words.  "dial" asks for the value the dialects call for;
// it is replaced by OrvParser::ResolveDialectOptions.
enum OrvCaseWord { ORV_CASE_EXACT = 0, ORV_CASE_LOWER = 1, ORV_CASE_UPPER = 2 };
enum OrvLineFormat {
  ORV_LINE_FORMAT_DIAL = 0,
  ORV_LINE_FORMAT_FIXED = 1,
  ORV_LINE_FORMAT_FREE = 2,
  ORV_LINE_FORMAT_FSC_FREE = 3,
  ORV_LINE_FORMAT_VAR = 4
};
enum OrvDialNoYes { ORV_DNY_DIAL = 0, ORV_DNY_NO = 1, ORV_DNY_YES = 2 };
enum OrvAutoNoYes { ORV_ANY_AUTO = 0, ORV_ANY_NO = 1, ORV_ANY_YES = 2 };
enum OrvStorMode {
  ORV_STOR_MODE_DIAL = 0,
  ORV_STOR_MODE_BYTE = 1,
  ORV_STOR_MODE_WORD = 2,
  ORV_STOR_MODE_FSC = 3
};

// The trace words of the parser settings.  The first is read by nothing.
enum OrvParserTraceWord {
  ORV_TRACE_WORD_SPARE = 0,
  ORV_TRACE_WORD_NAMES = 1,      // the parser's trace of name handling
  ORV_TRACE_WORD_POSITIONS = 2,  // the trace of token positions
  ORV_TRACE_WORD_SYMTAB = 3,     // the symbol-table trace level
  ORV_TRACE_WORD_TREE_DUMP = 4,  // a dump of the tree after parsing
  ORV_TRACE_WORD_COUNT = 5
};

// Capacities of the string-list options.
const int ORV_EXCLUDE_KEYWORDS_MAX = 100;
const int ORV_SET_CONSTANTS_MAX = 50;
const int ORV_COPYLIB_DIRS_MAX = 12;
const int ORV_COPYLIB_SUFFIXES_MAX = 10;

// The mask that builds every record of the groups; the tool driver then
// registers them with its tool's mask, which leaves out the records of mask
// 8 ("langs", "inline-copy", "resolve-use-def") for a tool of mask 1.
const int ORV_PARSER_ALL_OPTIONS = 0xFF;

class OrvParser {
public:
  OrvParser();
  // A copy has every setting of `other`, the message call-back included,
  // with copies of its strings and string lists; its option group is empty
  // (count 0, every record cleared), since the records of `other` point at
  // the fields of `other`.
  OrvParser(const OrvParser& other);
  // Takes every setting of `other` as the copy does; of the option group
  // only the count and the first record are cleared, which leaves an empty
  // group.
  OrvParser& operator=(const OrvParser& other);
  virtual ~OrvParser();

  // Parses one source file into *tree (owned by the caller afterwards),
  // collecting warnings and errors in `messages`.
  virtual OrvParserResult Parse(const VString& fileName, OrvExpr** tree,
                                OrvTokenList* messages) = 0;

  // Fills the own option group with the records whose mask shares a bit with
  // `mask`, in their fixed order, and returns it.  The records point into
  // this object, so the option machinery writes the values straight here.
  OrvCLFlagTable& BuildOptions(int mask);

  // Builds the dialect set from the primary and secondary dialects, checks it
  // against the allowed dialects, and replaces every "dial" value by the
  // value the dialects call for.  A refused combination returns
  // ORV_DIALECTS_NOT_ALLOWED with its message and changes nothing else.
  OrvResult ResolveDialectOptions(VString& message);

  // Message call-back of the parse.
  OrvMessageSink messageSink;
  // The option group that BuildOptions fills.
  OrvCLFlagTable optionGroup;

  // Dialects.
  OrvDials dials;           // built by ResolveDialectOptions
  int primaryDialect;       // "lang": a dialect number
  int secondaryDialect;     // "lang2": a dialect number, 0 for none
  VString dialectDigits;    // "langs": OrvDialsToString of the set
  OrvDials allowedDials;    // the dialects the tool accepts

  // Source input.
  int lineFormat;           // "line-format": OrvLineFormat
  int progidComments;       // "progid-comments"
  int sepSpaceReqd;         // "sep-space-reqd": OrvDialNoYes, a switch once resolved
  VStringArray excludeKeywords;  // "exclude-keywords"

  // Extra features.
  VStringArray setConstants;  // "set-constants": name'value' or name(value)
  int assignExternal;       // "assign-external"
  int sql;                  // "sql"
  int cics;                 // "cics"
  int cicsEib;              // "cics-eib": OrvAutoNoYes

  // Copy libraries.
  VStringArray copylibDirs;      // "copylib-dir"
  VStringArray copylibSuffixes;  // "copylib-sfx"
  int copynamesCase;        // "copynames-case": OrvCaseWord
  int oldCopy;              // "old-copy"
  int irrevInline;          // "irrev-inline"
  int inlineCopy;           // "inline-copy"

  // Parser messages and names.
  int warnings;             // "warnings"
  int multiUndefdErrs;      // "multi-undefd-errs"
  int resolveUseDef;        // "resolve-use-def"
  int sameParaDataName;     // "same-para-data-name": OrvDialNoYes, a switch once resolved

  // Lengths and offsets of data items.
  int lengOffs;             // "leng-offs"
  int storageMode;          // "lo-stor-mode": OrvStorMode
  int numSignTrailSep;      // "num-sign-trail-sep": OrvDialNoYes, a switch once resolved
  int numSignEbcdic;        // "num-sign-ebcdic" (kept, not used)
  int pointerSize;          // "lo-pointer-size"
  int procPointerSize;      // "lo-proc-pointer-size"
  int indexSize;            // "lo-index-size"
  int unfoldFlexArrays;     // "lo-unfold-flex-arrays"

  // After a parse, fill empty child slots with NULL_NODE nodes.
  int fillNullSlots;

  OrvDivisionCallBack divisionCallBack;
  OrvProgressCallBack progressCallBack;  // none by default
  int progressInterval;     // lines between two progress calls

  // Only read the tokens of a source, without parsing it.
  int tokenDump;
  // Trace switches: the lexer's flag bits, and five words for the parse
  // driver, indexed by OrvParserTraceWord.  No option sets any of them.
  int lexerTrace;
  int traceWords[ORV_TRACE_WORD_COUNT];

  // Counters of the last parse.
  int tokenCount;
  int lineCount;
  int locCount;

private:
  // Assigns every setting from the dialect set to the counters, and the
  // message call-back.
  void CopySettings(const OrvParser& other);
};

// The default division call-back: does nothing.
void OrvIgnoreDivision(OrvExpr** item);

#endif
