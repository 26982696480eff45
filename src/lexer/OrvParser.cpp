// The parser settings: defaults and the resolution of the options whose
// value depends on the dialects.
#include "OrvParser.h"

namespace {

// Dialects that let a separator stand without a following space (IBM SAA,
// Micro Focus, Microsoft, Wang VS).
const OrvDials kNoSepSpaceDials = 0x43EC0;
// Dialects that let one name be both a paragraph-name and a data-name
// (Micro Focus, ICobol).
const OrvDials kSameParaDataNameDials = 0x400E00;

bool Holds(OrvDials set, int dialect) { return OrvGetDial(set, dialect) != 0; }

// The value a "dial" selection takes: `first` when the set holds dialect
// `a`, else `second` when it holds dialect `b`, else `otherwise`.
int FirstHeld(OrvDials set, int a, int first, int b, int second, int otherwise) {
  if (Holds(set, a)) return first;
  if (Holds(set, b)) return second;
  return otherwise;
}

// A "dial"/"no"/"yes" selection as a switch: "no" 0, "yes" 1, and "dial" the
// given dialect default.  An index beyond "yes" (the option machinery takes
// any digits as an index) counts as "yes", so that the result stays a switch.
int ResolveDialNoYes(int value, int dialectDefault) {
  if (value == ORV_DNY_DIAL) return dialectDefault;
  return value >= ORV_DNY_YES ? 1 : 0;
}

}  // namespace

void OrvIgnoreDivision(OrvExpr**) {}

OrvParser::OrvParser()
    : messageSink(PrintPosnMessage),
      optionGroup(),
      lexerSettings(),
      primaryDialect(ORV_DIAL_MF),
      secondaryDialect(ORV_DIAL_NONE),
      dialectDigits(),
      allowedDials(OrvAllDials()),
      setConstants(ORV_SET_CONSTANTS_MAX),
      assignExternal(0),
      cicsEib(ORV_ANY_AUTO),
      irrevInline(0),
      warnings(1),
      multiUndefdErrs(0),
      resolveUseDef(1),
      sameParaDataName(ORV_DNY_DIAL),
      lengOffs(1),
      storageMode(ORV_STOR_MODE_DIAL),
      numSignTrailSep(ORV_DNY_DIAL),
      numSignEbcdic(0),
      pointerSize(4),
      procPointerSize(4),
      indexSize(4),
      unfoldFlexArrays(1),
      fillNullSlots(1),
      divisionCallBack(OrvIgnoreDivision),
      tokenDump(0),
      traceWords{0, 0, 0, 0, 0},
      tokenCount(0),
      lineCount(0),
      locCount(0) {
  // The lexer's own defaults suit a lexer used alone; the parser offers the
  // source format and separator spaces of its dialects, and SQL and CICS.
  lexerSettings.lineFormat = ORV_LINE_FORMAT_DIAL;
  lexerSettings.sepSpaceReqd = ORV_DNY_DIAL;
  lexerSettings.sql = 1;
  lexerSettings.cics = 1;
}

OrvParser::~OrvParser() {}

OrvResult OrvParser::ResolveDialectOptions(VString& message) {
  OrvDials set = OrvNoDials();
  OrvResult result = OrvCheckDials(set, primaryDialect, secondaryDialect, allowedDials, message);
  OrvLexerSettings& lexer = lexerSettings;
  lexer.dials = set;
  if (result != ORV_OK) return result;
  const OrvDials dials = set;

  dialectDigits = OrvDialsToString(dials);

  if (lexer.lineFormat == ORV_LINE_FORMAT_DIAL)
    lexer.lineFormat = FirstHeld(dials, ORV_DIAL_ICOBOL, ORV_LINE_FORMAT_FREE, ORV_DIAL_FSC,
                                 ORV_LINE_FORMAT_VAR, ORV_LINE_FORMAT_FIXED);

  lexer.sepSpaceReqd = ResolveDialNoYes(lexer.sepSpaceReqd, (dials & kNoSepSpaceDials) == 0 ? 1 : 0);
  sameParaDataName =
      ResolveDialNoYes(sameParaDataName, (dials & kSameParaDataNameDials) != 0 ? 1 : 0);

  if (storageMode == ORV_STOR_MODE_DIAL)
    storageMode = FirstHeld(dials, ORV_DIAL_FSC, ORV_STOR_MODE_FSC, ORV_DIAL_ACU,
                            ORV_STOR_MODE_WORD, ORV_STOR_MODE_BYTE);

  numSignTrailSep = ResolveDialNoYes(
      numSignTrailSep, Holds(dials, ORV_DIAL_RM) || Holds(dials, ORV_DIAL_RM85) ? 1 : 0);
  return ORV_OK;
}
