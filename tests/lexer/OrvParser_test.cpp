// Tests of the parser settings: defaults, the option groups and their help
// listing, option words written through the groups, and the resolution of
// the values that depend on the dialects.
#include "OrvParser.h"
#include "TestStrings.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "OrvCLFlag.h"
#include "VStringList.h"

namespace {


// A parser settings object; the parse itself is not part of these tests.
class Settings : public OrvParser {
public:
  OrvParserResult Parse(const VString&, OrvExpr**, OrvTokenList*) override {
    return ORV_PARSE_FAILED;
  }
};

// Applies option words through the settings' own option group, as the tool
// driver does, and returns the error texts.
std::vector<std::string> Apply(Settings& s, const std::vector<const char*>& words,
                               int toolMask = 1) {
  OrvCLFlagTable registry;
  VString error;
  EXPECT_EQ(OrvAddCommandLineFlags(registry, s.BuildOptions(ORV_PARSER_ALL_OPTIONS), error,
                                   toolMask),
            ORV_OK);
  VStringList files;
  VStringList errors;
  SetCLFlag(registry, 0, static_cast<int>(words.size()), words.data(), files, errors);
  std::vector<std::string> texts;
  for (const VStringListNode* n = errors.head; n != nullptr; n = n->next)
    texts.push_back(Str(n->value));
  return texts;
}

TEST(OrvParserTest, Defaults) {
  Settings s;
  EXPECT_EQ(s.messageSink, &PrintPosnMessage);
  EXPECT_EQ(s.optionGroup.count, 0);
  EXPECT_EQ(s.optionGroup.records[0].kind, 0);
  EXPECT_EQ(s.lexerSettings.dials, 0u);
  EXPECT_EQ(s.primaryDialect, ORV_DIAL_MF);
  EXPECT_EQ(s.secondaryDialect, ORV_DIAL_NONE);
  EXPECT_EQ(s.dialectDigits.length, 0);
  EXPECT_EQ(s.allowedDials, OrvAllDials());
  EXPECT_EQ(s.lexerSettings.lineFormat, ORV_LINE_FORMAT_DIAL);
  EXPECT_EQ(s.lexerSettings.progidComments, 0);
  EXPECT_EQ(s.lexerSettings.sepSpaceReqd, ORV_DNY_DIAL);
  EXPECT_EQ(s.lexerSettings.excludeKeywords.count, 0);
  EXPECT_EQ(s.lexerSettings.excludeKeywords.capacity, 100);
  EXPECT_EQ(s.setConstants.count, 0);
  EXPECT_EQ(s.setConstants.capacity, 50);
  EXPECT_EQ(s.assignExternal, 0);
  EXPECT_EQ(s.lexerSettings.sql, 1);
  EXPECT_EQ(s.lexerSettings.cics, 1);
  EXPECT_EQ(s.cicsEib, ORV_ANY_AUTO);
  ASSERT_EQ(s.lexerSettings.copylibDirs.count, 1);
  EXPECT_EQ(s.lexerSettings.copylibDirs.capacity, 12);
  EXPECT_EQ(Str(s.lexerSettings.copylibDirs.items[0]), ".");
  ASSERT_EQ(s.lexerSettings.copylibSuffixes.count, 1);
  EXPECT_EQ(s.lexerSettings.copylibSuffixes.capacity, 10);
  EXPECT_EQ(Str(s.lexerSettings.copylibSuffixes.items[0]), ".cpy");
  EXPECT_EQ(s.lexerSettings.copynamesCase, ORV_CASE_LOWER);
  EXPECT_EQ(s.lexerSettings.oldCopy, 0);
  EXPECT_EQ(s.irrevInline, 0);
  EXPECT_EQ(s.lexerSettings.inlineCopy, 1);
  EXPECT_EQ(s.warnings, 1);
  EXPECT_EQ(s.multiUndefdErrs, 0);
  EXPECT_EQ(s.resolveUseDef, 1);
  EXPECT_EQ(s.sameParaDataName, ORV_DNY_DIAL);
  EXPECT_EQ(s.lengOffs, 1);
  EXPECT_EQ(s.storageMode, ORV_STOR_MODE_DIAL);
  EXPECT_EQ(s.numSignTrailSep, ORV_DNY_DIAL);
  EXPECT_EQ(s.numSignEbcdic, 0);
  EXPECT_EQ(s.pointerSize, 4);
  EXPECT_EQ(s.procPointerSize, 4);
  EXPECT_EQ(s.indexSize, 4);
  EXPECT_EQ(s.unfoldFlexArrays, 1);
  EXPECT_EQ(s.fillNullSlots, 1);
  ASSERT_NE(s.divisionCallBack, nullptr);
  s.divisionCallBack(nullptr);  // the default does nothing
  EXPECT_EQ(s.lexerSettings.progressCallBack, nullptr);
  EXPECT_EQ(s.lexerSettings.progressInterval, 100);
  EXPECT_EQ(s.tokenDump, 0);
  EXPECT_EQ(s.lexerSettings.traceFlags, 0);
  for (int w : s.traceWords) EXPECT_EQ(w, 0);
  EXPECT_EQ(s.tokenCount, 0);
  EXPECT_EQ(s.lineCount, 0);
  EXPECT_EQ(s.locCount, 0);
}

TEST(OrvParserTest, ValueWordTables) {
  struct WordsCase {
    const VString* words;
    std::vector<std::string> expected;
  };
  const WordsCase cases[] = {
      {OrvCaseWords, {"exact", "lower", "upper"}},
      {OrvLineFormatWords, {"dial", "fixed", "free", "fsc-free", "var"}},
      {OrvDialNoYesWords, {"dial", "no", "yes"}},
      {OrvAutoNoYesWords, {"auto", "no", "yes"}},
      {OrvStorModeWords, {"dial", "byte", "word", "fsc"}},
  };
  for (const WordsCase& c : cases) {
    SCOPED_TRACE(c.expected[0]);
    std::vector<std::string> got;
    for (int i = 0; c.words[i].length != 0; ++i) got.push_back(Str(c.words[i]));
    EXPECT_EQ(got, c.expected);
  }
}

struct MaskCase {
  int mask;
  std::vector<std::string> names;  // "-" for a heading
};

TEST(OrvParserTest, BuildOptionsSelectsByMask) {
  const std::vector<std::string> all = {
      "-",  "lang", "lang2", "langs", "line-format", "progid-comments", "sep-space-reqd",
      "exclude-keywords",
      "-",  "set-constants", "assign-external", "sql", "cics", "cics-eib",
      "-",  "copylib-dir", "copylib-sfx", "copynames-case", "old-copy", "irrev-inline",
      "inline-copy",
      "-",  "warnings", "multi-undefd-errs", "resolve-use-def", "same-para-data-name",
      "-",  "leng-offs", "lo-stor-mode", "num-sign-trail-sep", "num-sign-ebcdic",
      "lo-pointer-size", "lo-proc-pointer-size", "lo-index-size", "lo-unfold-flex-arrays"};
  std::vector<std::string> tool;  // mask 1: everything but the records of mask 8
  for (const std::string& n : all)
    if (n != "langs" && n != "inline-copy" && n != "resolve-use-def") tool.push_back(n);
  const MaskCase cases[] = {
      {0xFF, all},
      {1, tool},
      {8, {"langs", "line-format", "progid-comments", "sep-space-reqd", "exclude-keywords",
           "set-constants", "assign-external", "sql", "cics", "cics-eib", "copylib-dir",
           "copylib-sfx", "copynames-case", "old-copy", "irrev-inline", "inline-copy",
           "multi-undefd-errs", "resolve-use-def", "same-para-data-name", "leng-offs",
           "num-sign-trail-sep", "num-sign-ebcdic"}},
      {0x100, {}},
  };
  Settings s;
  for (const MaskCase& c : cases) {
    SCOPED_TRACE(c.mask);
    OrvCLFlagTable& group = s.BuildOptions(c.mask);
    EXPECT_EQ(&group, &s.optionGroup);
    ASSERT_EQ(group.count, static_cast<int>(c.names.size()));
    std::vector<std::string> got;
    for (int i = 0; i < group.count; ++i)
      got.push_back(group.records[i].kind == '-' ? "-" : group.records[i].name);
    EXPECT_EQ(got, c.names);
    EXPECT_EQ(group.records[group.count].kind, 0);
  }
}

TEST(OrvParserTest, RecordsPointAtTheirOwnObject) {
  Settings a;
  Settings b;
  std::vector<const char*> words = {"-lo-index-size=2", "-no-sql", "-lang2=acu"};
  Apply(b, words);
  EXPECT_EQ(b.indexSize, 2);
  EXPECT_EQ(b.lexerSettings.sql, 0);
  EXPECT_EQ(b.secondaryDialect, ORV_DIAL_ACU);
  EXPECT_EQ(a.indexSize, 4);
  EXPECT_EQ(a.lexerSettings.sql, 1);
  EXPECT_EQ(a.secondaryDialect, ORV_DIAL_NONE);
}

TEST(OrvParserTest, OptionWordsReachTheirFields) {
  Settings s;
  std::vector<const char*> words = {
      "-lang=fsc",          "-lang2=rm",          "-line-format=free",
      "-progid-comments",   "-sep-space-reqd=no", "-exclude-keywords=next,alarm",
      "-set-constants=A'x';B(3)", "-assign-external", "-no-cics",
      "-cics-eib=yes",      "-copylib-dir=a,b/c", "-copylib-sfx=.cpy,.cbl,.CPY",
      "-copynames-case=upper", "-old-copy",       "-irrev-inline",
      "-no-warnings",       "-multi-undefd-errs", "-same-para-data-name=yes",
      "-no-leng-offs",      "-lo-stor-mode=word", "-num-sign-trail-sep=no",
      "-num-sign-ebcdic",   "-lo-pointer-size=8", "-lo-proc-pointer-size=2",
      "-lo-index-size=1",   "-no-lo-unfold-flex-arrays"};
  EXPECT_TRUE(Apply(s, words).empty());
  EXPECT_EQ(s.primaryDialect, ORV_DIAL_FSC);
  EXPECT_EQ(s.secondaryDialect, ORV_DIAL_RM);
  EXPECT_EQ(s.lexerSettings.lineFormat, ORV_LINE_FORMAT_FREE);
  EXPECT_EQ(s.lexerSettings.progidComments, 1);
  EXPECT_EQ(s.lexerSettings.sepSpaceReqd, ORV_DNY_NO);
  ASSERT_EQ(s.lexerSettings.excludeKeywords.count, 2);
  EXPECT_EQ(Str(s.lexerSettings.excludeKeywords.items[0]), "next");
  EXPECT_EQ(Str(s.lexerSettings.excludeKeywords.items[1]), "alarm");
  ASSERT_EQ(s.setConstants.count, 2);
  EXPECT_EQ(Str(s.setConstants.items[0]), "A'x'");
  EXPECT_EQ(Str(s.setConstants.items[1]), "B(3)");
  EXPECT_EQ(s.assignExternal, 1);
  EXPECT_EQ(s.lexerSettings.sql, 1);
  EXPECT_EQ(s.lexerSettings.cics, 0);
  EXPECT_EQ(s.cicsEib, ORV_ANY_YES);
  ASSERT_EQ(s.lexerSettings.copylibDirs.count, 2);
  EXPECT_EQ(Str(s.lexerSettings.copylibDirs.items[1]), "b/c");
  ASSERT_EQ(s.lexerSettings.copylibSuffixes.count, 3);
  EXPECT_EQ(Str(s.lexerSettings.copylibSuffixes.items[2]), ".CPY");
  EXPECT_EQ(s.lexerSettings.copynamesCase, ORV_CASE_UPPER);
  EXPECT_EQ(s.lexerSettings.oldCopy, 1);
  EXPECT_EQ(s.irrevInline, 1);
  EXPECT_EQ(s.warnings, 0);
  EXPECT_EQ(s.multiUndefdErrs, 1);
  EXPECT_EQ(s.sameParaDataName, ORV_DNY_YES);
  EXPECT_EQ(s.lengOffs, 0);
  EXPECT_EQ(s.storageMode, ORV_STOR_MODE_WORD);
  EXPECT_EQ(s.numSignTrailSep, ORV_DNY_NO);
  EXPECT_EQ(s.numSignEbcdic, 1);
  EXPECT_EQ(s.pointerSize, 8);
  EXPECT_EQ(s.procPointerSize, 2);
  EXPECT_EQ(s.indexSize, 1);
  EXPECT_EQ(s.unfoldFlexArrays, 0);
}

TEST(OrvParserTest, ProcedurePointerSizeIsItsOwnSetting) {
  Settings s;
  EXPECT_TRUE(Apply(s, {"-lo-proc-pointer-size=8"}).empty());
  EXPECT_EQ(s.procPointerSize, 8);
  EXPECT_EQ(s.pointerSize, 4);
}

// A copy takes the settings of the lexer and of the parser alike, with
// lists of its own, and an empty option group: options applied to the copy
// never reach the original, and the original's later changes never reach
// the copy.
TEST(OrvParserTest, ACopyHasEverySettingAndListsAndAnEmptyGroupOfItsOwn) {
  Settings a;
  ASSERT_TRUE(Apply(a, {"-copylib-dir=lib,more", "-no-sql", "-line-format=free", "-lo-index-size=2"}).empty());
  a.lexerSettings.traceFlags = 3;
  ASSERT_GT(a.optionGroup.count, 0);

  Settings b(a);
  EXPECT_EQ(b.optionGroup.count, 0);
  EXPECT_EQ(b.optionGroup.records[0].kind, 0);
  ASSERT_EQ(b.lexerSettings.copylibDirs.count, 2);
  EXPECT_EQ(Str(b.lexerSettings.copylibDirs.items[1]), "more");
  EXPECT_NE(b.lexerSettings.copylibDirs.items, a.lexerSettings.copylibDirs.items);
  EXPECT_EQ(b.lexerSettings.sql, 0);
  EXPECT_EQ(b.lexerSettings.lineFormat, ORV_LINE_FORMAT_FREE);
  EXPECT_EQ(b.lexerSettings.traceFlags, 3);
  EXPECT_EQ(b.indexSize, 2);

  a.lexerSettings.copylibDirs.items[1] = VString("changed");
  EXPECT_EQ(Str(b.lexerSettings.copylibDirs.items[1]), "more");
  EXPECT_TRUE(Apply(b, {"-copylib-dir=own", "-sql"}).empty());
  ASSERT_EQ(b.lexerSettings.copylibDirs.count, 1);
  EXPECT_EQ(Str(b.lexerSettings.copylibDirs.items[0]), "own");
  EXPECT_EQ(b.lexerSettings.sql, 1);
  ASSERT_EQ(a.lexerSettings.copylibDirs.count, 2);
  EXPECT_EQ(Str(a.lexerSettings.copylibDirs.items[0]), "lib");
  EXPECT_EQ(a.lexerSettings.sql, 0);

  // Assignment empties the group too; assigning an object to itself keeps it.
  Settings c;
  c.BuildOptions(ORV_PARSER_ALL_OPTIONS);
  c = a;
  EXPECT_EQ(c.optionGroup.count, 0);
  EXPECT_EQ(c.lexerSettings.copylibDirs.count, 2);
  const int built = c.BuildOptions(ORV_PARSER_ALL_OPTIONS).count;
  c = *&c;
  EXPECT_EQ(c.optionGroup.count, built);
}

TEST(OrvParserTest, MaskEightOptionsAreNotOfferedToTheTool) {
  Settings s;
  std::vector<std::string> errors =
      Apply(s, {"-langs=11133173111111111111", "-no-inline-copy", "-no-resolve-use-def"});
  EXPECT_EQ(errors, (std::vector<std::string>{"Unknown option: -langs=11133173111111111111",
                                              "Unknown option: -no-inline-copy",
                                              "Unknown option: -no-resolve-use-def"}));
  EXPECT_EQ(s.dialectDigits.length, 0);
  EXPECT_EQ(s.lexerSettings.inlineCopy, 1);
  EXPECT_EQ(s.resolveUseDef, 1);
}

struct ResolveCase {
  const char* name;
  int primary;
  int secondary;
  const char* digits;
  int lineFormat;
  int sepSpaceReqd;
  int sameParaDataName;
  int storageMode;
  int numSignTrailSep;
};

TEST(OrvParserTest, DialValuesFollowTheDialects) {
  const ResolveCase cases[] = {
      {"ansi85", ORV_DIAL_ANSI85, 0, "01000000000000000000", 1, 1, 0, 1, 0},
      {"mf", ORV_DIAL_MF, 0, "00000070000000000000", 1, 0, 1, 1, 0},
      {"fsc", ORV_DIAL_FSC, 0, "00000000000001000000", 4, 1, 0, 3, 0},
      {"icobol", ORV_DIAL_ICOBOL, 0, "00000000000000001000", 2, 1, 1, 1, 0},
      {"acu", ORV_DIAL_ACU, 0, "00000000000000000100", 1, 1, 0, 2, 0},
      {"rm", ORV_DIAL_RM, 0, "00000000100000000000", 1, 1, 0, 1, 1},
      {"rm85", ORV_DIAL_RM85, 0, "00000000010000000000", 1, 1, 0, 1, 1},
      {"saa", ORV_DIAL_SAA, 0, "00003000000000000000", 1, 0, 0, 1, 0},
      {"ms", ORV_DIAL_MS, 0, "00000003000000000000", 1, 0, 0, 1, 0},
      {"wang", ORV_DIAL_WANG, 0, "00000000000010000000", 1, 0, 0, 1, 0},
      {"osvs", ORV_DIAL_OSVS, 0, "00100000000000000000", 1, 1, 0, 1, 0},
      {"none", ORV_DIAL_NONE, 0, "00000000000000000000", 1, 1, 0, 1, 0},
      // ICobol's free format goes before Fujitsu's variable one; Fujitsu's
      // storage mode before Acu's.
      {"icobol+fsc", ORV_DIAL_FSC, ORV_DIAL_ICOBOL, "00000000000001001000", 2, 1, 1, 3, 0},
      {"acu+fsc", ORV_DIAL_ACU, ORV_DIAL_FSC, "00000000000001000100", 4, 1, 0, 3, 0},
      {"ansi85+mf", ORV_DIAL_ANSI85, ORV_DIAL_MF, "01000070000000000000", 1, 0, 1, 1, 0},
      {"acu+rm", ORV_DIAL_ACU, ORV_DIAL_RM, "00000000100000000100", 1, 1, 0, 2, 1},
  };
  for (const ResolveCase& c : cases) {
    SCOPED_TRACE(c.name);
    Settings s;
    s.primaryDialect = c.primary;
    s.secondaryDialect = c.secondary;
    VString message;
    ASSERT_EQ(s.ResolveDialectOptions(message), ORV_OK);
    EXPECT_EQ(message.length, 0);
    OrvDials expected = 0;
    OrvSetDial(expected, c.primary);
    OrvSetDial(expected, c.secondary);
    EXPECT_EQ(s.lexerSettings.dials, expected);
    EXPECT_EQ(Str(s.dialectDigits), c.digits);
    EXPECT_EQ(s.lexerSettings.lineFormat, c.lineFormat);
    EXPECT_EQ(s.lexerSettings.sepSpaceReqd, c.sepSpaceReqd);
    EXPECT_EQ(s.sameParaDataName, c.sameParaDataName);
    EXPECT_EQ(s.storageMode, c.storageMode);
    EXPECT_EQ(s.numSignTrailSep, c.numSignTrailSep);
    EXPECT_EQ(s.cicsEib, ORV_ANY_AUTO);  // interpreted by the parse, not here
  }
}

struct ExplicitCase {
  const char* name;
  std::vector<const char*> words;
  int lineFormat;
  int sepSpaceReqd;
  int sameParaDataName;
  int storageMode;
  int numSignTrailSep;
};

TEST(OrvParserTest, ExplicitValuesWinOverTheDialects) {
  const ExplicitCase cases[] = {
      {"mf, separators need spaces", {"-lang=mf", "-sep-space-reqd=yes"}, 1, 1, 1, 1, 0},
      {"ansi85, separators need none", {"-lang=ansi85", "-sep-space-reqd=no"}, 1, 0, 0, 1, 0},
      {"mf, names apart", {"-lang=mf", "-same-para-data-name=no"}, 1, 0, 0, 1, 0},
      {"ansi85, names shared", {"-lang=ansi85", "-same-para-data-name=yes"}, 1, 1, 1, 1, 0},
      {"rm, no trailing sign", {"-lang=rm", "-num-sign-trail-sep=no"}, 1, 1, 0, 1, 0},
      {"ansi85, trailing sign", {"-lang=ansi85", "-num-sign-trail-sep=yes"}, 1, 1, 0, 1, 1},
      {"fsc, fixed and byte", {"-lang=fsc", "-line-format=fixed", "-lo-stor-mode=byte"},
       1, 1, 0, 1, 0},
      {"ansi85, fsc-free and fsc", {"-lang=ansi85", "-line-format=fsc-free",
                                    "-lo-stor-mode=fsc"}, 3, 1, 0, 3, 0},
      {"ansi85, var by index", {"-lang=ansi85", "-line-format=4", "-lo-stor-mode=2"},
       4, 1, 0, 2, 0},
      {"dial given explicitly", {"-lang=fsc", "-line-format=dial", "-sep-space-reqd=dial"},
       4, 1, 0, 3, 0},
  };
  for (const ExplicitCase& c : cases) {
    SCOPED_TRACE(c.name);
    Settings s;
    EXPECT_TRUE(Apply(s, c.words).empty());
    VString message;
    ASSERT_EQ(s.ResolveDialectOptions(message), ORV_OK);
    EXPECT_EQ(s.lexerSettings.lineFormat, c.lineFormat);
    EXPECT_EQ(s.lexerSettings.sepSpaceReqd, c.sepSpaceReqd);
    EXPECT_EQ(s.sameParaDataName, c.sameParaDataName);
    EXPECT_EQ(s.storageMode, c.storageMode);
    EXPECT_EQ(s.numSignTrailSep, c.numSignTrailSep);
  }
}

TEST(OrvParserTest, YesNoFieldsEndAsSwitchesWhateverTheirIndex) {
  // An index beyond "yes", set straight into the field, counts as "yes".
  Settings s;
  s.primaryDialect = ORV_DIAL_MF;
  s.lexerSettings.sepSpaceReqd = 7;
  s.sameParaDataName = 3;
  s.numSignTrailSep = 5;
  VString message;
  ASSERT_EQ(s.ResolveDialectOptions(message), ORV_OK);
  EXPECT_EQ(s.lexerSettings.sepSpaceReqd, 1);
  EXPECT_EQ(s.sameParaDataName, 1);
  EXPECT_EQ(s.numSignTrailSep, 1);
}

TEST(OrvParserTest, RefusedCombinationChangesNothingElse) {
  Settings s;
  s.primaryDialect = ORV_DIAL_ANSI85;
  s.secondaryDialect = ORV_DIAL_MF;
  s.allowedDials = 0x4;  // ANSI-85 only
  s.dialectDigits = VString("previous");
  VString message;
  EXPECT_EQ(s.ResolveDialectOptions(message), ORV_DIALECTS_NOT_ALLOWED);
  EXPECT_EQ(Str(message), "The specified combination of dialects is not allowed");
  EXPECT_EQ(Str(s.dialectDigits), "previous");
  EXPECT_EQ(s.lexerSettings.lineFormat, ORV_LINE_FORMAT_DIAL);
  EXPECT_EQ(s.lexerSettings.sepSpaceReqd, ORV_DNY_DIAL);
  EXPECT_EQ(s.sameParaDataName, ORV_DNY_DIAL);
  EXPECT_EQ(s.storageMode, ORV_STOR_MODE_DIAL);
  EXPECT_EQ(s.numSignTrailSep, ORV_DNY_DIAL);

  // The primary alone outside the allowed set is refused as well.
  Settings t;
  t.primaryDialect = ORV_DIAL_IDMS;
  t.allowedDials = OrvAllDials() & ~OrvDialFieldMask(ORV_DIAL_IDMS);
  EXPECT_EQ(t.ResolveDialectOptions(message), ORV_DIALECTS_NOT_ALLOWED);
  EXPECT_EQ(t.dialectDigits.length, 0);
}

// The help listing of the parser's groups as a tool of mask 1 offers them,
// with the driver's default dialect ANSI-85.
const char kHelpListing[] =
    "\n*** Cobol Dialects ***\n\n"
    "-lang=none|ansi74|ansi85|osvs|vsii|saa|xopen|mf|ms|rm|rm85|dosvs|univac|wang|fsc|net|"
    "fscnet|icobol|acu|dml|idms (now: ANSI-85)\n\tPrimary Cobol dialect\n"
    "-lang2=none|ansi74|ansi85|osvs|vsii|saa|xopen|mf|ms|rm|rm85|dosvs|univac|wang|fsc|net|"
    "fscnet|icobol|acu|dml|idms (now: None)\n\tSecondary Cobol dialect\n"
    "-line-format=dial|fixed|free|fsc-free|var (now: dial)\n\tSource line format\n"
    "-progid-comments=boolean (now: -OFF-, can be -progid-comments or -no-progid-comments)\n"
    "\tAllow Program-Id line comments\n"
    "-sep-space-reqd=dial|no|yes (now: dial)\n\tSeparators must be followed by spaces\n"
    "-exclude-keywords=string list (now: )\n\tExcluded keywords\n"
    "\n*** Extra Features ***\n\n"
    "-set-constants=string list (now: )\n"
    "\t78 constant settings, strings: name'value', numbers: name(value)\n"
    "-assign-external=boolean (now: -OFF-, can be -assign-external or -no-assign-external)\n"
    "\tAssume that undefined data items in ASSIGN TO are external\n"
    "-sql=boolean (now: +ON+, can be -sql or -no-sql)\n\tParse SQL in EXEC SQL\n"
    "-cics=boolean (now: +ON+, can be -cics or -no-cics)\n"
    "\tParse CICS statements embedded in EXEC CICS ... END-EXEC\n"
    "-cics-eib=auto|no|yes (now: auto)\n\tAdd CICS EIB data block to LINKAGE SECTION\n"
    "\n*** Copy Libraries ***\n\n"
    "-copylib-dir=string list (now: \".\")\n\tCopylib directories path\n"
    "-copylib-sfx=string list (now: \".cpy\")\n\tCopylib files default suffix(es)\n"
    "-copynames-case=exact|lower|upper (now: lower)\n"
    "\tTry copybook name in lower/upper case if not found\n"
    "-old-copy=boolean (now: -OFF-, can be -old-copy or -no-old-copy)\n"
    "\tAllow old 1968 Copy statements\n"
    "-irrev-inline=boolean (now: -OFF-, can be -irrev-inline or -no-irrev-inline)\n"
    "\tInline copybooks irreversibly\n"
    "\n*** Parser Messages ***\n\n"
    "-warnings=boolean (now: +ON+, can be -warnings or -no-warnings)\n\tDisplay Warnings\n"
    "-multi-undefd-errs=boolean (now: -OFF-, can be -multi-undefd-errs or "
    "-no-multi-undefd-errs)\n"
    "\tError message for every (OFF: only first) use of undefined name\n"
    "-same-para-data-name=dial|no|yes (now: dial)\n"
    "\tOne name can be used both as paragraph-name and data-name\n"
    "\n*** Length and Offset ***\n\n"
    "-leng-offs=boolean (now: +ON+, can be -leng-offs or -no-leng-offs)\n"
    "\tCompute data item lengths and offsets\n"
    "-lo-stor-mode=dial|byte|word|fsc (now: dial)\n"
    "\tStorage mode (length&offset computation)\n"
    "-num-sign-trail-sep=dial|no|yes (now: dial)\n"
    "\tIs Numeric Sign a Trailing Separate Character\n"
    "-num-sign-ebcdic=boolean (now: -OFF-, can be -num-sign-ebcdic or -no-num-sign-ebcdic)\n"
    "\tIs Numeric Sign an EBCDIC character\n"
    "-lo-pointer-size=number (now: 4)\n\tMemory model: Pointer size\n"
    "-lo-proc-pointer-size=number (now: 4)\n\tMemory model: Procedure-Pointer size\n"
    "-lo-index-size=number (now: 4)\n\tMemory model: Index size\n"
    "-lo-unfold-flex-arrays=boolean (now: +ON+, can be -lo-unfold-flex-arrays or "
    "-no-lo-unfold-flex-arrays)\n"
    "\tCompute length of table with OCCURS DEPENDING ON based on upper bounds\n";

TEST(OrvParserTest, HelpListingOfTheGroups) {
  Settings s;
  s.primaryDialect = ORV_DIAL_ANSI85;
  s.secondaryDialect = ORV_DIAL_NONE;
  OrvCLFlagTable registry;
  VString error;
  ASSERT_EQ(OrvAddCommandLineFlags(registry, s.BuildOptions(ORV_PARSER_ALL_OPTIONS), error, 1),
            ORV_OK);
  std::ostringstream out;
  PrintOptionsHelp(registry, out, 0, 0, nullptr);
  const std::string listing = out.str();
  const std::string marker = "Command-Line parameters set:\n";
  size_t at = listing.find(marker);
  ASSERT_NE(at, std::string::npos) << listing;
  EXPECT_EQ(listing.substr(at + marker.size()), kHelpListing);
}

}  // namespace
