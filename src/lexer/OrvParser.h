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
#include "OrvLexerSettings.h"
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

// Value words of the selection options, each table ended by an empty value.
// A selection holds the index of its word.
extern VString OrvCaseWords[];        // "exact" "lower" "upper"
extern VString OrvLineFormatWords[];  // "dial" "fixed" "free" "fsc-free" "var"
extern VString OrvDialNoYesWords[];   // "dial" "no" "yes"
extern VString OrvAutoNoYesWords[];   // "auto" "no" "yes"
extern VString OrvStorModeWords[];    // "dial" "byte" "word" "fsc"

// Indexes of those words (OrvCaseWord and OrvLineFormat stand with the
// lexer settings).  "dial" asks for the value the dialects call for; it is
// replaced by OrvParser::ResolveDialectOptions.
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

// Capacity of "set-constants" (the lexer settings give the other lists').
const int ORV_SET_CONSTANTS_MAX = 50;

// The mask that builds every record of the groups; the tool driver then
// registers them with its tool's mask, which leaves out the records of mask
// 8 ("langs", "inline-copy", "resolve-use-def") for a tool of mask 1.
const int ORV_PARSER_ALL_OPTIONS = 0xFF;

// The option group of one settings object.  Its records point at the
// fields of the object that built it, so a copied or assigned group is empty
// (count 0, every record cleared): a copy of the settings never writes into
// the original through its options.
struct OrvOwnOptionGroup : OrvCLFlagTable {
  OrvOwnOptionGroup() = default;
  OrvOwnOptionGroup(const OrvOwnOptionGroup&) : OrvCLFlagTable() {}
  // An object assigned to itself keeps its group, whose records still
  // point at its own fields.
  OrvOwnOptionGroup& operator=(const OrvOwnOptionGroup& other) {
    if (this != &other) static_cast<OrvCLFlagTable&>(*this) = OrvCLFlagTable();
    return *this;
  }
};

class OrvParser {
public:
  // Every setting at its default; the lexer settings as the parser offers
  // them: "dial" line format and separator spaces, SQL and CICS on.
  OrvParser();
  // A copy (or an assignment) takes every setting of `other`, the call-backs
  // included, with copies of its strings and string lists; its option group
  // is empty (OrvOwnOptionGroup).
  OrvParser(const OrvParser& other) = default;
  OrvParser& operator=(const OrvParser& other) = default;
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
  OrvOwnOptionGroup optionGroup;

  // The settings the lexer takes for each parse: the dialect set (built by
  // ResolveDialectOptions), the source format, the reserved words left out,
  // SQL and CICS, the copy libraries, the progress call-back and the
  // lexer's trace bits.  The options below that belong to the lexer point
  // into it.
  OrvLexerSettings lexerSettings;

  // Dialects.
  int primaryDialect;       // "lang": a dialect number
  int secondaryDialect;     // "lang2": a dialect number, 0 for none
  VString dialectDigits;    // "langs": OrvDialsToString of the set
  OrvDials allowedDials;    // the dialects the tool accepts

  // Extra features.
  VStringArray setConstants;  // "set-constants": name'value' or name(value)
  int assignExternal;       // "assign-external"
  int cicsEib;              // "cics-eib": OrvAutoNoYes

  // Copy libraries.
  int irrevInline;          // "irrev-inline"

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

  // Only read the tokens of a source, without parsing it.
  int tokenDump;
  // Trace switches of the parse driver, indexed by OrvParserTraceWord (the
  // lexer's are lexerSettings.traceFlags).  No option sets any of them.
  int traceWords[ORV_TRACE_WORD_COUNT];

  // Counters of the last parse.
  int tokenCount;
  int lineCount;
  int locCount;
};

// The default division call-back: does nothing.
void OrvIgnoreDivision(OrvExpr** item);

#endif
