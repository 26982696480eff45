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
      dials(OrvNoDials()),
      primaryDialect(ORV_DIAL_MF),
      secondaryDialect(ORV_DIAL_NONE),
      dialectDigits(),
      allowedDials(OrvAllDials()),
      lineFormat(ORV_LINE_FORMAT_DIAL),
      progidComments(0),
      sepSpaceReqd(ORV_DNY_DIAL),
      excludeKeywords(ORV_EXCLUDE_KEYWORDS_MAX),
      setConstants(ORV_SET_CONSTANTS_MAX),
      assignExternal(0),
      sql(1),
      cics(1),
      cicsEib(ORV_ANY_AUTO),
      copylibDirs(ORV_COPYLIB_DIRS_MAX),
      copylibSuffixes(ORV_COPYLIB_SUFFIXES_MAX),
      copynamesCase(ORV_CASE_LOWER),
      oldCopy(0),
      irrevInline(0),
      inlineCopy(1),
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
      progressCallBack(nullptr),
      progressInterval(100),
      tokenDump(0),
      lexerTrace(0),
      traceWords{0, 0, 0, 0, 0},
      tokenCount(0),
      lineCount(0),
      locCount(0) {
  copylibDirs.items[copylibDirs.count++] = VString(".");
  copylibSuffixes.items[copylibSuffixes.count++] = VString(".cpy");
}

OrvParser::OrvParser(const OrvParser& other) : OrvParser() { CopySettings(other); }

OrvParser& OrvParser::operator=(const OrvParser& other) {
  if (this == &other) return *this;
  CopySettings(other);
  // The records of the group point at this object's own fields; clearing
  // the count and the first record leaves an empty group.
  optionGroup.count = 0;
  optionGroup.records[0] = OrvCLFlag();
  return *this;
}

void OrvParser::CopySettings(const OrvParser& other) {
  messageSink = other.messageSink;
  dials = other.dials;
  primaryDialect = other.primaryDialect;
  secondaryDialect = other.secondaryDialect;
  dialectDigits = other.dialectDigits;
  allowedDials = other.allowedDials;
  lineFormat = other.lineFormat;
  progidComments = other.progidComments;
  sepSpaceReqd = other.sepSpaceReqd;
  excludeKeywords = other.excludeKeywords;
  setConstants = other.setConstants;
  assignExternal = other.assignExternal;
  sql = other.sql;
  cics = other.cics;
  cicsEib = other.cicsEib;
  copylibDirs = other.copylibDirs;
  copylibSuffixes = other.copylibSuffixes;
  copynamesCase = other.copynamesCase;
  oldCopy = other.oldCopy;
  irrevInline = other.irrevInline;
  inlineCopy = other.inlineCopy;
  warnings = other.warnings;
  multiUndefdErrs = other.multiUndefdErrs;
  resolveUseDef = other.resolveUseDef;
  sameParaDataName = other.sameParaDataName;
  lengOffs = other.lengOffs;
  storageMode = other.storageMode;
  numSignTrailSep = other.numSignTrailSep;
  numSignEbcdic = other.numSignEbcdic;
  pointerSize = other.pointerSize;
  procPointerSize = other.procPointerSize;
  indexSize = other.indexSize;
  unfoldFlexArrays = other.unfoldFlexArrays;
  fillNullSlots = other.fillNullSlots;
  divisionCallBack = other.divisionCallBack;
  progressCallBack = other.progressCallBack;
  progressInterval = other.progressInterval;
  tokenDump = other.tokenDump;
  lexerTrace = other.lexerTrace;
  for (int i = 0; i < ORV_TRACE_WORD_COUNT; ++i) traceWords[i] = other.traceWords[i];
  tokenCount = other.tokenCount;
  lineCount = other.lineCount;
  locCount = other.locCount;
}

OrvParser::~OrvParser() {}

OrvResult OrvParser::ResolveDialectOptions(VString& message) {
  OrvDials set = OrvNoDials();
  OrvResult result = OrvCheckDials(set, primaryDialect, secondaryDialect, allowedDials, message);
  dials = set;
  if (result != ORV_OK) return result;

  dialectDigits = OrvDialsToString(dials);

  if (lineFormat == ORV_LINE_FORMAT_DIAL)
    lineFormat = FirstHeld(dials, ORV_DIAL_ICOBOL, ORV_LINE_FORMAT_FREE, ORV_DIAL_FSC,
                           ORV_LINE_FORMAT_VAR, ORV_LINE_FORMAT_FIXED);

  sepSpaceReqd = ResolveDialNoYes(sepSpaceReqd, (dials & kNoSepSpaceDials) == 0 ? 1 : 0);
  sameParaDataName =
      ResolveDialNoYes(sameParaDataName, (dials & kSameParaDataNameDials) != 0 ? 1 : 0);

  if (storageMode == ORV_STOR_MODE_DIAL)
    storageMode = FirstHeld(dials, ORV_DIAL_FSC, ORV_STOR_MODE_FSC, ORV_DIAL_ACU,
                            ORV_STOR_MODE_WORD, ORV_STOR_MODE_BYTE);

  numSignTrailSep = ResolveDialNoYes(
      numSignTrailSep, Holds(dials, ORV_DIAL_RM) || Holds(dials, ORV_DIAL_RM85) ? 1 : 0);
  return ORV_OK;
}
