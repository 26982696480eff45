// OrvLexer: the COBOL lexer.  One object turns the text of a main source
// file and of the COPY members it includes into the tokens that the grammar
// reads.  It is a stack of layers, each with a get operation that reads from
// the layer below and an unget operation that pushes one unit back:
//
//   GetLine        source lines, directive lines, conditional compilation
//   GetCharAB      characters with their columns, line breaks, comment lines
//   GetSepOrChar   separators, literals, inline comments, single characters
//   GetRawTextWord       the characters between two separators as one word
//   GetSpaceCollapsedRawTextWord  spaces folded into the next word (for
//                        the REPLACE matching)
//   GetRpldTextWord      REPLACE and COPY ... REPLACING applied
//   GetCopylessTextWord  COPY, -INC, EXEC SQL INCLUDE and REPLACE carried out
//   GetTextWord          adjacent pieces joined into the final text word
//   GetBrokenTextWord    words split at operator characters where needed
//   GetToken             classified tokens, EXEC and NOTE blocks
//
// The parse driver owns one lexer: it copies the settings in, calls Reset
// and SetInput before a parse, pulls tokens, and calls CloseInput after it.
#ifndef LARK_LEXER_ORVLEXER_H
#define LARK_LEXER_ORVLEXER_H

#include <cstdint>
#include <iosfwd>
#include <memory>

#include "OrvDials.h"
#include "OrvLexUnit.h"
#include "OrvLexUnitQueue.h"
#include "OrvLexerSettings.h"
#include "OrvMessage.h"
#include "OrvParser.h"
#include "OrvResult.h"
#include "OrvToken.h"
#include "OrvTokenChain.h"
#include "OrvTxtPosn.h"
#include "VString.h"

class OrvExpr;
class OrvMemberCache;
class OrvSymTabElt;
struct OrvInputLevel;
struct OrvLevelStash;
struct OrvMemberSearch;
struct OrvReplaceTable;
struct OrvReplaceText;
struct OrvSourceText;

// --- hooks that the owner gives the lexer ---------------------------------

// Takes over one unit of an EXEC block whose subsystem the grammar does not
// parse (neither an enabled SQL nor an enabled CICS).
typedef void (*OrvExecTokenHook)(OrvTokenGroup* group);
// Receives each unit of a NOTE paragraph (the lexer deletes it afterwards);
// called with null it closes the current note.
typedef void (*OrvNoteTokenHook)(OrvTokenGroup* group);
// The symbol-table element of a name in the program being parsed (never
// null: a missing name is created undefined).
typedef OrvSymTabElt* (*OrvConstLookupHook)(const VString& name);
// The node under which constants set by "$SET CONSTANT" lines are declared,
// or null.
typedef OrvExpr* (*OrvConstContextHook)();

// --- names for the lexer's numbers ----------------------------------------

// Trace bits of OrvLexer::settings.traceFlags; each layer owns some.
enum OrvLexerTraceBit {
  ORV_LEX_TRACE_LINES = 0x01,      // source lines, and the classified tokens
  ORV_LEX_TRACE_CONSTANTS = 0x02,  // $IF operands and constants set
  ORV_LEX_TRACE_REPLACE = 0x04,    // REPLACE phrases and their matches
  ORV_LEX_TRACE_BLOCKS = 0x08,     // units of EXEC blocks and NOTE paragraphs
  ORV_LEX_TRACE_WORDS = 0x10,      // text words
  ORV_LEX_TRACE_CHARS = 0x20       // characters and separators
};

// The code GetLine returns for an ordinary line of code; the other codes are
// the token codes CM_BLANK_LINE, CM_COMMENT, CM_LIBR_INC and SEP_EOF.
const int ORV_LINE_OF_CODE = 0;

// The end operation recorded for the main source; members record
// STMT_INLINED_COPY_END or STMT_INLINED_INCLUDE_END.
const int ORV_MAIN_SOURCE_END = 1;

// Longest text word: the raw layer and the joining layer cut a word here.
const int ORV_MAX_WORD_CHARS = 158;
// Longest numeric literal, in digits, and longest user-defined word.
const int ORV_MAX_NUMBER_DIGITS = 18;
const int ORV_MAX_USER_WORD_CHARS = 30;

// States of OrvLexer::execState.
enum OrvExecState {
  ORV_EXEC_NONE = 0,     // outside EXEC blocks
  ORV_EXEC_WORD = 1,     // after EXEC: the subsystem word comes next
  ORV_EXEC_BLOCK = 2     // inside the block, up to END-EXEC
};

// Most input levels open at once: the main source and 19 nested members.
const int ORV_MAX_INPUT_LEVELS = 20;
// Depth of the space-collapsed layer's push-back stack.
const int ORV_COLLAPSED_DEPTH = 32;
// Deepest nesting of "$IF" directive lines.
const int ORV_MAX_IF_DEPTH = 10;
// Columns kept of a fixed-format line, and of a line in every other format.
const int ORV_FIXED_LINE_COLUMNS = 72;
const int ORV_WIDE_LINE_COLUMNS = 256;
// Longest path that the copy-library search builds (directory, '/', name,
// '.', suffix and the closing NUL, with room to spare).
const int ORV_MAX_COPY_PATH = 1535;

// State of one level of the conditional-compilation stack.  A level is
// active (its lines are read) in states ORV_IF_TRUE and ORV_IF_ELSE_OF_FALSE.
enum OrvIfState {
  ORV_IF_ELSE_OF_TRUE = 0,   // the $ELSE part of a true $IF: skipped
  ORV_IF_ELSE_OF_FALSE = 1,  // the $ELSE part of a false $IF: read
  ORV_IF_FALSE = 2,          // the false branch: skipped
  ORV_IF_TRUE = 3,           // the true branch: read
  ORV_IF_SKIPPED = 4         // a $IF met inside a skipped branch: all skipped
};

// What the condition of a "$IF" line came to.
enum OrvIfAnswer {
  ORV_IF_ANSWER_FALSE = 0,
  ORV_IF_ANSWER_TRUE = 1,
  ORV_IF_NOT_EVALUATED = 2,  // read, but could not be evaluated
  ORV_IF_GAVE_UP = 3         // could not be read; a message said why
};

// Result of the directive-word readers and of SetConstant after a message.
const int ORV_DIRECTIVE_FAILED = 2;

// One operand of a "$IF" condition.
struct OrvIfOperand {
  VString value;    // the text compared by = and NOT =
  VString name;     // the word as read
  int defined = 0;  // a literal, a number or a level-78 constant
  int numeric = 0;  // a number, or a numeric constant
  int64 intValue = 0;
  int tooLarge = 0; // a number beyond 64 bits: no comparison can be made
};

// The switches of one parse that the grammar's actions (and the line
// layer) turn; Reset puts every one back to the value given here.
struct OrvLexerSwitches {
  int reservedWordLookup = 1;    // reserved words are looked up
  int specialReservedWords = 0;  // special reserved words count as reserved
  int functionNameMode = 0;      // after FUNCTION: intrinsic function names
  int debuggingLines = 0;        // WITH DEBUGGING MODE: debugging lines are code
  int cblWindow = 1;             // listing-control lines still allowed
  int commentEntry = 0;          // on while comment entries are skipped
  char decimalPoint = '.';       // ',' for DECIMAL-POINT IS COMMA
  int cicsText = 0;              // the rest of an EXEC CICS block is text: a
                                 // separator period ends the block
};

// The stream that every lexer trace line goes to (standard output unless a
// caller points it elsewhere).
extern std::ostream* OrvLexerTraceOut;

class OrvLexer {
 public:
  // Sets the default settings, "." as the only copy-library directory and
  // ".cpy" as the only suffix, and resets.  The message call-back receives
  // every message of every layer; any hook may be null.
  OrvLexer(OrvMessageSink messageSink, OrvExecTokenHook execHook, OrvNoteTokenHook noteHook,
           OrvConstLookupHook constLookup, OrvConstContextHook constContext);
  // A lexer cannot be copied: this builds an empty lexer (no call-backs) and
  // reports "OrvLexer::OrvLexer(const OrvLexer &) must not be called" at
  // MSG_TERMINAL through the process-wide message sink.
  OrvLexer(const OrvLexer& other);
  OrvLexer& operator=(const OrvLexer&) = delete;
  // Closes every input level still open and frees everything held.
  ~OrvLexer();

  // --- per parse ----------------------------------------------------------

  // Prepares for a new source: un-reserves the excluded keywords, restores
  // the grammar-set switches, zeroes the counters, clears the error flag,
  // appends the empty suffix to the copy-member suffixes when there is room
  // and none is there yet, closes input levels left open by an earlier
  // parse and empties the state of every layer.
  void Reset();
  // Opens the main source as the first input level.  0, or 11 when the file
  // cannot be opened (reported) or a level is already open (reported
  // "OrvLexer::SetInput: input_level!=0").
  OrvResult SetInput(const VString& fileName);
  // Closes every input level still open, the main source included, and
  // clears the error flag.
  void CloseInput();
  // Declares one constant entry, name'value', name"value" or name(number),
  // as a level-78 constant under `context`, the COBOL_FILE (appended to its
  // COBOL_FILE__EXTERNAL_DEFINITIONS as a DECL_DD_LIST).  0, or ORV_DIRECTIVE_FAILED after a message.
  int SetConstant(const VString& entry, OrvExpr* context);

  // --- layers -------------------------------------------------------------

  // The next classified token; the caller owns the group.  The tokens of
  // separators dropped on the way stand in front of its attached list.
  // SEP_EOF ends the input and is answered again on every later call.
  OrvTokenGroup* GetToken();
  // Pushes one token back; the next GetToken returns it (uncounted).  A
  // second push-back before that reports "OrvLexer::UnGetToken: cannot
  // unget" at MSG_TERMINAL and then takes the new group.
  void UnGetToken(OrvTokenGroup* group);
  // Whether a group waits in the token slot (pushed back, or the period
  // behind the end of a NOTE paragraph): a push-back now would be refused.
  bool TokenSlotFull() const { return tokenSlot_ != nullptr; }

  // The next unit for GetToken: a text word of GetTextWord, split at
  // operator characters in EXEC SQL blocks and when separator spaces are not
  // required (sepSpaceReqd off); every other unit unchanged.
  OrvTokenGroup* GetBrokenTextWord();
  // The next joined text word (TK_CHAR_STRING: back-to-back words joined,
  // and in PICTURE mode the parentheses and commas between them), or the
  // next other unit.  Outside EXEC blocks and NOTE paragraphs, spaces,
  // commas and semicolons before a word are dropped: their tokens (a comma
  // or a semicolon whole, only the attached tokens of a space) go in front
  // of the next unit's attached list.  Reads one unit ahead.
  OrvTokenGroup* GetTextWord();
  // The copy-less layer: the next unit once COPY, -INC, EXEC SQL INCLUDE
  // and REPLACE statements are carried out (after its push-back slot).  A
  // statement becomes one statement token with empty text - SEP_INLINED_COPY
  // (member opened: its text follows, ended by SEP_COPY_EOF),
  // SEP_UNINLINED_COPY (member not opened), SEP_COPY_INC (a -INC member
  // opened) or SEP_REPLACE - and a statement node held for the parser (see
  // Take*Node).  A statement in error is reported and dropped; at the end of
  // input within one "End-of-file in COPY/REPLACE statement" is reported and
  // the end of input is read next.  Inside a NOTE paragraph nothing is
  // carried out; inside an EXEC block REPLACE is a word.
  OrvTokenGroup* GetCopylessTextWord();
  // Pushes one unit back into the copy-less layer; a second push-back is a
  // terminal error "OrvLexer::UnGetCopylessTextWord: cannot do 2nd unget".
  void UnGetCopylessTextWord(OrvTokenGroup* group);
  // The replacement layer: the next unit once the REPLACE or COPY ...
  // REPLACING phrases in force are applied: those of the member being read
  // (its own REPLACING, else its includer's), else those of the last
  // REPLACE statement until REPLACE OFF.  With none in force the raw units
  // pass unchanged.  A matched text is replaced by a copy of the TO text;
  // the spaces and comment lines in front of the first matched word stay,
  // those between the matched words go with them.
  OrvTokenGroup* GetRpldTextWord();
  // Puts a unit back in front of the replacement layer's output; any number
  // of units may wait there.
  void UngetRpldTextWord(OrvTokenGroup* group);
  // The next raw unit that is not a space (nor a comma or semicolon, unless
  // the phrases in force have a FROM text of just that), with the tokens of
  // the separators folded into it at the front of its attached list.
  OrvTokenGroup* GetSpaceCollapsedRawTextWord();
  // Pushes a unit back onto the space-collapsed layer's stack (last in,
  // first out); beyond ORV_COLLAPSED_DEPTH units it reports
  // "OrvLexer::UnGetSpaceCollapsedRawTextWord: cannot unget a token, buffer
  // overflow" at MSG_TERMINAL and drops the unit.
  void UnGetSpaceCollapsedRawTextWord(OrvTokenGroup* group);
  // The characters between two separators as one text word (TK_CHAR_STRING,
  // at most ORV_MAX_WORD_CHARS, one "too long" message beyond), or the
  // separator or literal unit that stands next.
  OrvTokenGroup* GetRawTextWord();

  // The text-word layers in value form (see the group forms above): no heap
  // object per unit between the layers.  Next* overwrites `unit`; UnNext*
  // takes the unit's content and leaves it empty.
  void NextBrokenTextWord(OrvLexUnit& unit);
  void NextTextWord(OrvLexUnit& unit);
  inline void NextCopylessTextWord(OrvLexUnit& unit);
  inline void UnNextCopylessTextWord(OrvLexUnit& unit);
  bool CopylessSlotFull() const { return copylessSlotFull_; }
  void NextRpldTextWord(OrvLexUnit& unit);
  void UnNextRpldTextWord(OrvLexUnit& unit);
  void NextSpaceCollapsedRawTextWord(OrvLexUnit& unit);
  void UnNextSpaceCollapsedRawTextWord(OrvLexUnit& unit);
  void NextRawTextWord(OrvLexUnit& unit);

  // --- statement nodes held for the parser --------------------------------
  //
  // Each statement token leaves its node with the lexer: a COPY statement
  // (STMT_UNINLINED_COPY, or STMT_INLINED_COPY_BEG when its member was
  // opened), an EXEC SQL INCLUDE (STMT_UNINLINED_INCLUDE or
  // STMT_INLINED_INCLUDE_BEG), a -INC line (STMT_UNINLINED_COPY or
  // STMT_INLINED_COPY_BEG), the end of a member (STMT_INLINED_COPY_END or
  // STMT_INLINED_INCLUDE_END) and a REPLACE (STMT_REPLACE or
  // STMT_REPLACE_OFF), in the fields copyNode .. replaceNode.  The lexer owns
  // a node until a Take call hands it to the caller and clears its field; a
  // node not taken is deleted when a new statement of its kind replaces it,
  // at Reset and in the destructor.

  // For SEP_UNINLINED_COPY, SEP_INLINED_COPY and SEP_COPY_INC: the node of
  // the COPY, EXEC SQL INCLUDE or -INC statement of the token just read (if
  // that one is no longer held, the first held of the three in this order),
  // or null.
  OrvExpr* TakeCopyNode();
  // For SEP_COPY_EOF: the end-of-member node, or null.
  OrvExpr* TakeMemberEndNode();
  // For SEP_REPLACE: the REPLACE or REPLACE OFF node, or null.
  OrvExpr* TakeReplaceNode();

  // How many member files the lexer has tried to open in its life: a member
  // searched before is not searched again, and a member text read before is
  // not read again (see OrvMemberCache).
  long MemberOpenAttempts() const { return memberOpenAttempts_; }

  // Reads the next physical line of the current input level into its line
  // buffer and classifies it: ORV_LINE_OF_CODE, CM_BLANK_LINE, CM_COMMENT,
  // CM_LIBR_INC or SEP_EOF.  Directive lines are carried out on the way.
  int GetLine();

  // The next character unit: a character (code 0..255, positions of its
  // column), a line break (SEP_SPACE), the end of input (SEP_EOF) or a
  // library-inclusion line (SEP_COPY_INC), with the comment lines read
  // before it attached.  Never null; the caller owns the group.
  OrvTokenGroup* GetCharAB();
  // Pushes one unit back into the current level's slot; a full slot is a
  // terminal error "OrvLexer::UnGetCharAB: cannot unget".
  void UnGetCharAB(OrvTokenGroup* group);

  // The next separator (SEP_SPACE, SEP_DOT, SEP_COMMA, ...), whole literal
  // (TK_NONNUM_LIT), statement or end code passed through, or single
  // upper-cased character.  Never null; the caller owns the group.
  OrvTokenGroup* GetSepOrChar();
  // Pushes one unit back; a full slot is a terminal error
  // "OrvLexer::UnGetSepOrChar: cannot take more".
  void UnGetSepOrChar(OrvTokenGroup* group);

  // The same two layers in value form, for the layers above: no heap object
  // per unit.  Next* overwrites `unit`; UnNext* takes the unit's content and
  // leaves it empty.  The *SlotFull tests tell whether a push-back would be
  // refused.
  void NextChar(OrvLexUnit& unit);
  void UnNextChar(OrvLexUnit& unit);
  bool CharSlotFull() const;
  void NextSepOrChar(OrvLexUnit& unit);
  inline void UnNextSepOrChar(OrvLexUnit& unit);
  bool SepSlotFull() const { return sepSlotFull_; }

  // --- input levels -------------------------------------------------------

  // Opens a file as a new input level: the main source (end operation
  // ORV_MAIN_SOURCE_END) by its name as given, a member through the
  // copy-library directories, suffixes and name case.  1 with the opened
  // path in `path`, or 0 (with a message at `at`, or at the current line
  // when `at` is null, unless inline COPY is off).  A member searched before
  // in the lexer's life under the same directories, suffixes and name case
  // is not searched again (its messages are given again); a member text is
  // read once.  A member whose file is already open on the stack (the same
  // device and inode as an open level, the main source included, whatever
  // path reached it) is refused like a COPY nested too deep: it would copy
  // itself again at every level up to the bound.  The new level runs under
  // the COPY phrases of the level below, and the units read ahead in that
  // level wait with it.
  int OpenInputLevel(const char* name, int endOper, VString& path, const OrvTxtPosn* at = nullptr);
  // Closes the current level and gives back its end operation and file
  // name; the main source is closed only with `closeMain` set.  With the
  // main source alone open and `closeMain` off, or no level open, nothing
  // changes and the answer is ORV_MAIN_SOURCE_END.  The units that the level
  // below had read ahead are read next.
  int CloseInputLevel(int closeMain, VString& name);
  // Number of levels open (0..ORV_MAX_INPUT_LEVELS).
  int InputLevelCount() const { return levelCount_; }
  // The file name of the current level ("#FILE" lines replace it), or an
  // empty value when no level is open.
  VString CurrentFileName() const;

  // The current line of the current level: its text (NUL-terminated, after
  // GetLine's rewriting), its length, and its position (line and file
  // index; column 0).  Empty and null when no level is open.
  const char* LineText() const;
  int LineLength() const;
  OrvTxtPosn LinePosn() const;

  // --- directive lines ----------------------------------------------------

  // Reads the next word of the current line from `scan` (spaces skipped, up
  // to a space or the end); upper-cased unless it begins with a quote.
  // 0, or ORV_DIRECTIVE_FAILED after "Non-space token expected here".
  int GetDirectiveWord(VString& word, int& scan);
  // Reads one operand of a "$IF" condition from `scan`: a number, a quoted
  // literal or a constant name.  0, or ORV_DIRECTIVE_FAILED after a message.
  int GetIfOperand(OrvIfOperand& operand, int& scan);
  // Reads and evaluates the condition that follows "$IF" at `scan`.
  OrvIfAnswer EvalIfCondition(int& scan);

  // Reports through the message call-back (the process-wide sink when the
  // lexer has none).
  void Report(int level, const OrvTxtPosn& posn, const VString& text);

  // --- settings: the parse driver copies the parser's before every parse --

  // The message call-back of every layer (the owner's hook).
  OrvMessageSink messageSink;
  // The lexer's own defaults: fixed format, separators followed by spaces,
  // no SQL and no CICS; the parser settings give theirs.
  OrvLexerSettings settings;

  // --- switches restored by Reset; the grammar's actions set several -----

  OrvLexerSwitches switches;

  // --- counters, zeroed by Reset ------------------------------------------

  std::int32_t tokenCount;
  std::int32_t lineCount;
  std::int32_t locCount;   // lines of code
  // The error flag that the parse driver reads (a parse that ends with it
  // set fails).  Reset and CloseInput clear it; no layer sets it, because
  // every source error is reported and the source is read on.
  int errorFlag;

  // Statement nodes held for the parser (each may be null; see Take*Node).
  // The lexer owns what they point to; a caller that takes a node without a
  // Take call clears its field.
  OrvExpr* copyNode;          // the current COPY statement
  OrvExpr* sqlIncludeNode;    // the current EXEC SQL INCLUDE statement
  OrvExpr* libInclusionNode;  // the current "-INC" line
  OrvExpr* memberEndNode;     // the end of the member just closed
  OrvExpr* replaceNode;       // the current REPLACE or REPLACE OFF statement

  // --- hooks --------------------------------------------------------------

  OrvExecTokenHook execTokenHook;
  OrvNoteTokenHook noteTokenHook;
  OrvConstLookupHook constLookupHook;
  OrvConstContextHook constContextHook;

 private:
  // Tests set and read the layer state below through their probe.
  friend struct OrvLexerProbe;

  // --- state shared between the layers ------------------------------------

  // EXEC state (OrvExecState) and NOTE mode, set by the token layer; the
  // separator and word layers read them.
  int execState;
  int noteMode;
  // Inside an EXEC SQL block (from SQL to END-EXEC) with the SQL switch on,
  // and inside an EXEC CICS block with the CICS switch on.
  int sqlMode;
  int cicsMode;
  // From PIC or PICTURE to the next text word other than IS: parentheses and
  // commas are joined into the picture string.
  int pictureMode;

  // Line layer.
  int ReadRawLine(OrvInputLevel& lev);
  int ClassifyLine(OrvInputLevel& lev);
  int DirectiveLine(OrvInputLevel& lev, int wordStart, int wordEnd, const VString& word);
  void SetConstantsLine(int& scan);
  void MakeLineComment(OrvInputLevel& lev);
  void ProgramIdComments(OrvInputLevel& lev, int afterWord);
  bool IfStackActive() const;

  // Character layer.
  void CommentLineUnit(OrvInputLevel& lev, int lineCode);
  void LibraryInclusionUnit(OrvInputLevel& lev, OrvLexUnit& unit);
  bool OrdinaryLine(OrvInputLevel& lev, OrvLexUnit& unit);
  void TakePending(OrvLexUnit& unit);

  // Separator layer.
  void ReadSpaces(OrvLexUnit& unit);
  void ReadNonnumLiteral(OrvLexUnit& unit);
  void ReadPrefixedLiteral(OrvLexUnit& unit, OrvLexUnit& quote);
  void ReadLineComment(OrvLexUnit& unit, const char* intro);
  bool NextIsSeparator(const OrvLexUnit& next);

  // The common case of NextChar, inline (OrvInputLevel.h): the next
  // character of the current line when no unit waits in the level's slot, no
  // comment line waits and no character trace is on.  False, with nothing
  // read, otherwise.
  inline bool TakeLineChar(OrvLexUnit& unit);
  // The current level when its line may be read straight from the buffer:
  // no unit waits in its slot, no comment line waits and no character trace
  // is on; else null.
  inline OrvInputLevel* ReadyLine() const;

  // Separator layer, for the raw word layer: takes the run of letters,
  // digits and hyphens that stands next in the current line straight from
  // the line buffer - exactly the characters NextSepOrChar would return one
  // by one, upper-cased as it would - when no unit waits in a push-back slot
  // and no character trace is on.  At most `room` characters go to `out`;
  // when any are taken, `beg` becomes the begin of the first and `end` the
  // end of the last.  Answers how many were taken.
  int TakePlainRun(char* out, int room, OrvTxtPosn& beg, OrvTxtPosn& end);

  // The token layer's common case, for GetToken: whether the next token may
  // be read straight from the line - no trace is on, no EXEC block or NOTE
  // paragraph is open, no piece of a broken word waits, the copy-less
  // layer would read a raw unit (PlainCopylessRead) once a bare space in
  // its slot is dropped, and no unit waits in the separator or character
  // push-back slots nor a comment line before the next unit.
  // Inline (OrvInputLevel.h): it is asked for every token.
  inline bool PlainWordReady() const;
  // A space unit that carries nothing: the joining layer drops it before a
  // word, leaving no trace (a line break read after the last word of a
  // line waits so in the copy-less layer's slot).
  static bool BareSpaceUnit(const OrvLexUnit& unit) {
    return unit.code == SEP_SPACE && unit.attached.IsEmpty() && unit.text.length == 0;
  }
  // When PlainWordReady: drops the bare space in the copy-less layer's
  // slot and steps over the spaces that stand next in the line (as the
  // joining layer does), then takes the run of letters, digits and
  // hyphens that follows into `unit` as an upper-cased TK_CHAR_STRING, as
  // the word layers would deliver it to the token layer - when the run is
  // no longer than a word may be, it can begin no COPY, EXEC or REPLACE
  // statement and the broken-word layer would leave it whole.  A space
  // after the run ends it in the line.  Anything else after it is read
  // from the separator layer as the raw layer would read it: a unit that
  // ends the word and that the joining layer would push back unjoined
  // goes to the copy-less layer's slot, as it would have.  A unit that
  // goes on with the word (a character, a picture-string part) is pushed
  // back into the separator slot and the run is carried over into the raw
  // layer's next read (rawCarry_), which the word layers then make the
  // word of, answering 0.  In PICTURE mode a picture string of runs and
  // parentheses is taken whole (PlainPictureLength).  A word taken is left
  // in rawBuf_, a NUL after it, and not in the unit's text: the answer is
  // its length.  0, with only the spaces dropped, when the run is not
  // taken at all.
  int TakePlainWord(OrvLexUnit& unit);
  // In PICTURE mode, for a run of `n` characters at `first` (upper-cased in
  // rawBuf_) that a left parenthesis follows: the length of the picture
  // string of runs and parentheses that stands there, upper-cased into
  // rawBuf_ after the run, when a space ends it, or a period before a space
  // or the line's end; 0 when the word layers are to make it (another
  // character, a run that may begin a statement, a string as long as a
  // word may be).
  int PlainPictureLength(const char* first, int n);

  // The token layer's other common cases, for GetToken.  Whether the
  // copy-less layer's slot holds a period or a parenthesis with nothing
  // attached (the unit after a word that TakePlainWord took) while no
  // trace is on, no EXEC block or NOTE paragraph is open and no piece of
  // a broken word waits: the word layers would hand it on unchanged.
  // Inline (OrvInputLevel.h).
  inline bool PlainSeparatorWaits() const;
  // When all that PlainWordReady asks holds but for a line break (a
  // SEP_SPACE unit) or a space character (read ahead after a literal or a
  // period) waiting in the character slot, and something other than
  // spaces follows on the line: takes the unit out of the slot, its
  // attached tokens (the comment lines before a new line) into `kept`,
  // and answers true, so that TakePlainWord may read on.  False, with
  // nothing taken, otherwise.
  bool TakeLineBreak(OrvTokenChain& kept);
  // Whether a space stands next in the current line with no unit waiting in
  // a push-back slot and no character trace on: NextSepOrChar would return
  // it (with the spaces after it) as a SEP_SPACE.
  // Inline (OrvInputLevel.h): the word layers ask it after every word.
  inline bool SpaceStandsNext() const;
  // Steps over the spaces that stand next in the current line (see
  // SpaceStandsNext), up to the next other character or the line's end.
  void SkipLineSpaces();
  // Whether the copy-less layer's next unit is a raw unit read straight
  // from the layers below (its common case): nothing waits in its slot or
  // in the replacement layer, no phrase is in force and no word trace is on.
  bool PlainCopylessRead() const {
    return !copylessSlotFull_ && activeTable_ == nullptr && rpldOut_.IsEmpty() && collapsedCount_ == 0 &&
           rpldPending_.IsEmpty() && (settings.traceFlags & ORV_LEX_TRACE_WORDS) == 0;
  }

  // Word layers.
  void AttachKeptTokens(OrvLexUnit& unit, OrvTokenChain& kept);
  // The one character that a unit adds to a picture string in PICTURE
  // mode, or 0 when it cannot be joined.
  static char PictureChar(int code) {
    switch (code) {
      case SEP_LEFT_PAR: return '(';
      case SEP_RIGHT_PAR: return ')';
      case SEP_COMMA: return ',';
      default: return 0;
    }
  }
  // Joins to the word in `unit` what follows it back to back (text words,
  // and in PICTURE mode parentheses and commas), up to the first unit that
  // cannot be joined, which is pushed back.
  void JoinFollowingText(OrvLexUnit& unit);
  OrvTokenList* StatementHeadTokens();

  // Replacement layer (OrvLexerReplace.cpp).
  void MatchReplacement();
  void ReplaceCandidates(const OrvReplaceText& to, int last);
  void FlattenInto(OrvLexUnit& unit);
  void FlattenAttached(OrvTokenChain& attached);
  void SetActiveTable();
  void StashPushBacks(OrvLevelStash& stash);
  void UnstashPushBacks(OrvLevelStash& stash);
  void ClearPushBacks();
  void ClearReplacePhrases();

  // Copy-less layer (OrvLexerCopy.cpp): each step answers whether the unit
  // goes up or the layer reads on.
  enum CopylessStep { kHandOn, kReadNext };
  // The kinds of statement whose token the copy-less layer returned last.
  enum StatementKind {
    kNoStatement,
    kCopyStatement,
    kSqlIncludeStatement,
    kLibInclusionStatement,
    kReplaceStatement
  };
  // The copy-less layer beyond its common case (see NextCopylessTextWord).
  void NextCopylessTextWordSlow(OrvLexUnit& unit);
  // Only the end of input, a -INC line and the words COPY, EXEC and REPLACE
  // can begin what the copy-less layer carries out (a quick test on the
  // length and first letter of a word).
  static bool MayStartStatement(const OrvLexUnit& unit) {
    if (unit.code == TK_CHAR_STRING) return MayStartWord(unit.text.length > 0 ? unit.text.text[0] : '\0', unit.text.length);
    return unit.code == SEP_EOF || unit.code == SEP_COPY_INC;
  }
  // The word test of MayStartStatement, on the first letter and the length.
  static bool MayStartWord(char first, int length) {
    return (length == 4 && (first == 'C' || first == 'E')) || (length == 7 && first == 'R');
  }
  CopylessStep DispatchCopyless(OrvLexUnit& unit);
  CopylessStep EndOfLevel(OrvLexUnit& unit);
  CopylessStep LibraryInclusion(OrvLexUnit& unit);
  CopylessStep CopyStatement(OrvLexUnit& unit);
  CopylessStep ExecLookAhead(OrvLexUnit& unit);
  CopylessStep ExecSqlInclude(OrvLexUnit& unit);
  CopylessStep SqlIncludeStatement(OrvLexUnit& unit, OrvLexUnit& sqlWord, OrvLexUnit& includeWord);
  bool TakeAdjacentPeriod(OrvLexUnit& unit);
  // Holds the node of a COPY or EXEC SQL INCLUDE statement from `first` to
  // `last` in `field`, makes its statement token in `unit` and opens its
  // member; whether the member was opened.
  bool IncludeMember(std::unique_ptr<OrvExpr>& node, OrvExpr*& field, StatementKind kind,
                     const VString& member, int endOper, const OrvTxtPosn& first, const OrvTxtPosn& last,
                     OrvLexUnit& unit);
  int OpenMember(const VString& name, int endOper, OrvExpr* node, const OrvTxtPosn& at);
  void ParkLibInclusionNode();

  // Statement readers (OrvLexerStatements.cpp).
  CopylessStep ReplaceStatement(OrvLexUnit& unit);
  // Reads the phrases of a COPY ... REPLACING (`copy`) or REPLACE statement
  // from `unit`, the first unit of the first FROM text, up to the separator
  // period, which is left in `unit`: the phrase nodes go to `list`, the
  // texts to `table`.  False after a failure was reported (the statement is
  // dropped).
  bool ReadReplacePhrases(OrvLexUnit& unit, OrvExpr* list, OrvReplaceTable& table, bool copy,
                          const OrvTxtPosn& first);
  void ReadReplaceOperand(OrvLexUnit& unit, OrvReplaceText& text, OrvExpr*& operand);
  void AddOperandUnit(OrvLexUnit& unit, OrvReplaceText& text, OrvExpr* list);
  void GetStatementWord(OrvLexUnit& unit);
  // Reports a statement that cannot be read on at `unit`: at the end of
  // input "End-of-file in COPY/REPLACE statement" at `first` and the end of
  // input is pushed back, else `message` at the unit, which is deleted.
  CopylessStep StatementFailed(OrvLexUnit& unit, const OrvTxtPosn& first, const char* message);
  void TracePhrase(int number, const OrvReplaceText& from, const OrvReplaceText& to) const;
  void StartBrokenWord(const OrvLexUnit& word);
  bool CutPiece(OrvLexUnit& unit, bool first);
  bool IsBreakAt(const char* word, int length, int i) const;

  // Token layer: each step answers what becomes of the unit.
  enum TokenStep { kReadOn, kDeliver, kDeliverCounted, kDeliverNote };
  TokenStep ExecUnit(OrvLexUnit& unit, OrvTokenChain& kept);
  TokenStep SqlUnit(OrvLexUnit& unit, OrvTokenChain& kept, const char* word);
  TokenStep CicsUnit(OrvLexUnit& unit, OrvTokenChain& kept, const char* word);
  TokenStep NoteUnit(OrvLexUnit& unit);
  TokenStep OutsideUnit(OrvLexUnit& unit);
  // Classifies the text word in `unit`.
  TokenStep ClassifyWord(OrvLexUnit& unit);
  // Classifies the word of `unit` whose `length` characters stand at `word`
  // (NUL after them), in the unit's text or elsewhere: sets the unit's
  // code, and drops its text where the token keeps none (a reserved word,
  // EXEC, NOTE, IS), which wordTextDropped_ tells afterwards.
  TokenStep ClassifyWordText(OrvLexUnit& unit, const char* word, int length);
  // Empties the unit's text and notes that the token keeps none.
  void DropWordText(OrvLexUnit& unit);
  void ClassifyCobolWord(OrvLexUnit& unit, const char* word, int length);
  void ClassifySqlWord(OrvLexUnit& unit, const char* word);
  void ClassifyCicsWord(OrvLexUnit& unit, const char* word);
  // The messages of a number of no digits or of too many, `text` as written.
  void ReportNumberLimits(const OrvLexUnit& unit, const char* text, int digits);
  // "Not a legal COBOL word ..." and the user-word code.
  void IllegalWord(OrvLexUnit& unit, const char* text);
  // "... returned bad token" for a unit no step expects; it is delivered.
  TokenStep BadUnit(const OrvLexUnit& unit);
  TokenStep GiveToExecHook(OrvLexUnit& unit);
  // Ends the EXEC block: EXEC state none, SQL, CICS and CICS text modes off.
  void LeaveExecBlock();
  void PushToken(OrvTokenGroup* group);
  void RefreshDialects();
  // Writes "label", the unit and a new line to the trace stream when the
  // trace bit is on (the test is inline: it runs for every unit).
  void TraceUnit(int bit, const char* label, const OrvLexUnit& unit) const {
    if ((settings.traceFlags & bit) != 0) WriteTraceLine(label, unit);
  }
  void WriteTraceLine(const char* label, const OrvLexUnit& unit) const;

  // The group form of a layer's value-form get and unget: the unit read
  // becomes a new group, and a group pushed back is taken apart into a unit.
  OrvTokenGroup* GroupOf(void (OrvLexer::*next)(OrvLexUnit&)) {
    OrvLexUnit u;
    (this->*next)(u);
    return u.ToGroup();
  }
  void UnGroup(void (OrvLexer::*unNext)(OrvLexUnit&), OrvTokenGroup* group) {
    OrvLexUnit u;
    u.FromGroup(group);
    (this->*unNext)(u);
  }

  // Stores a unit in a one-unit push-back slot; a full slot is reported at
  // MSG_TERMINAL with `refusal` and then takes the new unit.
  void PushIntoSlot(OrvLexUnit& slot, bool& full, OrvLexUnit& unit, const char* refusal) {
    if (full) RefuseSecondUnit(slot, unit, refusal);
    slot = std::move(unit);
    full = true;
  }
  // The refusal of a second unit: the terminal message at the unit's begin,
  // and the slot emptied for the new unit.
  void RefuseSecondUnit(OrvLexUnit& slot, const OrvLexUnit& unit, const char* refusal);

  // Input levels.
  void CloseAllLevels();
  void FreeHeldState();
  bool FindMember(const char* name, const OrvTxtPosn& where,
                  std::shared_ptr<const OrvSourceText>& text, VString& opened);
  OrvMemberSearch SearchCopyLibraries(const char* name, std::shared_ptr<const OrvSourceText>& text);
  std::shared_ptr<const OrvSourceText> ReadMemberText(const char* path);
  // True when the file of `text` is the file of an open input level.
  bool IsOpenOnStack(const OrvSourceText& text) const;

  // The conditional-compilation stack.
  int ifDepth_;
  unsigned char ifStates_[ORV_MAX_IF_DEPTH];
  // On while the lines read lie in the IDENTIFICATION DIVISION, where
  // paragraph headers such as AUTHOR. start comment entries.
  int inIdDivision_;

  // Character layer: comment lines waiting for the next unit, the quote of
  // the literal being read (0 outside literals), whether an ordinary line
  // has been read in this parse, the unknown indicator reported last.
  OrvTokenChain pending_;
  int openQuote_;
  int previousLine_;
  char lastIndicator_;

  // Separator layer push-back slot.
  OrvLexUnit sepSlot_;
  bool sepSlotFull_;

  // Word layers: the buffers in which words are built (one VString is made
  // per finished word), the copy-less layer's push-back slot, and the word
  // being broken by GetBrokenTextWord with its read index and positions.
  char rawBuf_[ORV_MAX_WORD_CHARS + 1];
  // The first characters of a word that TakePlainWord took from the line
  // and handed back (see there): their count in rawBuf_ (0 for none) and
  // their begin and end.  The raw layer's next read goes on from them.
  int rawCarry_;
  OrvTxtPosn rawCarryBeg_;
  OrvTxtPosn rawCarryEnd_;
  // Whether the word classified last had its text dropped (ClassifyWordText).
  bool wordTextDropped_;
  char joinBuf_[ORV_MAX_WORD_CHARS + 1];
  OrvLexUnit copylessSlot_;
  bool copylessSlotFull_;
  char brokenText_[ORV_MAX_WORD_CHARS + 1];
  int brokenLength_;
  int brokenIx_;
  OrvTxtPosn brokenBeg_;
  OrvTxtPosn brokenEnd_;

  // Token layer: the push-back slot, the positions of the EXEC word and of
  // the NOTE word (then of the first unit of each further NOTE line), and
  // the dialect facts it needs, taken from `dials` when it changes.
  OrvTokenGroup* tokenSlot_;
  OrvTxtPosn execBeg_;
  OrvTxtPosn execEnd_;
  OrvTxtPosn noteBeg_;
  OrvTxtPosn noteEnd_;
  OrvDials dialsSeen_;
  OrvDials expandedDials_;  // OrvExpandDials(dials)
  bool noteParagraphs_;     // IBM OSVS or IBM DOSVS: NOTE starts a paragraph
  bool sqlQuestionMark_;    // ICobol: '?' in SQL words

  // Replacement layer: the REPLACE statements' table and whether it is in
  // force; the table in force now (or null) with its comma and semicolon
  // switches; the space-collapsed layer's push-back stack; the candidates
  // of a match; the units handed out next; comment lines waiting for the
  // next unit handed out.
  OrvReplaceTable* replaceTable_;
  bool replaceOn_;
  const OrvReplaceTable* activeTable_;
  bool keepComma_;
  bool keepSemicolon_;
  int collapsedCount_;
  OrvLexUnitQueue rpldOut_;
  OrvTokenChain rpldPending_;

  // Statement readers: where a comma or semicolon met by GetStatementWord
  // goes while a COPY ... REPLACING FROM text is read (else null), and the
  // kind of the statement whose token was returned last.
  OrvLexUnit* sepCatch_;
  StatementKind lastStatement_;

  // Member searches and texts of the lexer's life, and the member files it
  // tried to open.
  OrvMemberCache* members_;
  long memberOpenAttempts_;

  // The input-level stack; the current level is the top.
  OrvInputLevel* levels_[ORV_MAX_INPUT_LEVELS];
  int levelCount_;
  OrvInputLevel* cur_;

  // The replacement layer's unit arrays, last: they are large and seldom
  // used.
  OrvLexUnit collapsed_[ORV_COLLAPSED_DEPTH];
  OrvLexUnit candidates_[ORV_COLLAPSED_DEPTH];
};

// Inline: the word layer calls it twice for every word.  The common cases -
// the unit pushed back, or nothing waiting, no phrase in force, no trace
// and a unit that begins no statement - take no call of their own.
inline void OrvLexer::NextCopylessTextWord(OrvLexUnit& u) {
  if ((settings.traceFlags & ORV_LEX_TRACE_WORDS) == 0 && copylessSlotFull_) {
    u = std::move(copylessSlot_);
    copylessSlotFull_ = false;
    return;
  }
  if (copylessSlotFull_ || activeTable_ != nullptr || !rpldOut_.IsEmpty() || collapsedCount_ != 0 ||
      !rpldPending_.IsEmpty() || (settings.traceFlags & ORV_LEX_TRACE_WORDS) != 0) {
    NextCopylessTextWordSlow(u);
    return;
  }
  NextRawTextWord(u);
  if (!MayStartStatement(u)) {
    lastStatement_ = kNoStatement;
  } else if (DispatchCopyless(u) == kReadNext) {
    NextCopylessTextWordSlow(u);
  }
}

// Inline, like the reads they undo: the word layers push a unit back after
// most words that a separator ends.
inline void OrvLexer::UnNextCopylessTextWord(OrvLexUnit& u) {
  TraceUnit(ORV_LEX_TRACE_WORDS, "UnGetCopylessTextWord: ", u);
  PushIntoSlot(copylessSlot_, copylessSlotFull_, u, "OrvLexer::UnGetCopylessTextWord: cannot do 2nd unget");
}

inline void OrvLexer::UnNextSepOrChar(OrvLexUnit& u) {
  TraceUnit(ORV_LEX_TRACE_CHARS, "UnGetSepOrChar: ", u);
  PushIntoSlot(sepSlot_, sepSlotFull_, u, "OrvLexer::UnGetSepOrChar: cannot take more");
}

// The value of a nonnumeric literal as written (an optional X, H or B
// prefix, a delimiter, the characters with doubled delimiters), without its
// prefix and delimiters.  Malformed delimiters are reported at MSG_SEVERE
// through the lexer's call-back at `posn`.
VString OrvNonnumLiteralValue(OrvLexer& lexer, const VString& text, const OrvTxtPosn& posn);

#endif
