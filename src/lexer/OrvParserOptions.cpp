// The option groups of the parser settings and the value words of their
// selection options.
#include "OrvParser.h"

VString OrvCaseWords[] = {VString("exact"), VString("lower"), VString("upper"), VString("")};
VString OrvLineFormatWords[] = {VString("dial"), VString("fixed"),    VString("free"),
                                VString("fsc-free"), VString("var"), VString("")};
VString OrvDialNoYesWords[] = {VString("dial"), VString("no"), VString("yes"), VString("")};
VString OrvAutoNoYesWords[] = {VString("auto"), VString("no"), VString("yes"), VString("")};
VString OrvStorModeWords[] = {VString("dial"), VString("byte"), VString("word"), VString("fsc"),
                              VString("")};

namespace {

// Number of records of OrvParserOptions.def.
constexpr int kRecordCount = 0
#define ORV_PARSER_GROUP(Title, Mask) +1
#define ORV_PARSER_SELECT(Name, Field, Words, WordTexts, Description, Mask) +1
#define ORV_PARSER_SWITCH(Name, Field, Description, Mask) +1
#define ORV_PARSER_NUMBER(Name, Field, Description, Mask) +1
#define ORV_PARSER_STRING(Name, Field, Description, Mask) +1
#define ORV_PARSER_LIST(Name, Field, Description, Mask) +1
#include "OrvParserOptions.def"
    ;
static_assert(kRecordCount < ORV_CL_FLAG_TABLE_SIZE, "the parser's options fit one group");

}  // namespace

OrvCLFlagTable& OrvParser::BuildOptions(int mask) {
  // The records point at this object's fields, so they are made afresh for
  // each object; the group keeps copies of the selected ones.
  const OrvCLFlag records[kRecordCount + 1] = {
#define ORV_PARSER_GROUP(Title, Mask) \
  {'-', "", nullptr, nullptr, nullptr, nullptr, 0, Title, Mask},
#define ORV_PARSER_SELECT(Name, Field, Words, WordTexts, Description, Mask) \
  {'l', Name, &Field, Words, WordTexts, nullptr, 0, Description, Mask},
#define ORV_PARSER_SWITCH(Name, Field, Description, Mask) \
  {'b', Name, &Field, nullptr, nullptr, nullptr, 0, Description, Mask},
#define ORV_PARSER_NUMBER(Name, Field, Description, Mask) \
  {'n', Name, &Field, nullptr, nullptr, nullptr, 0, Description, Mask},
#define ORV_PARSER_STRING(Name, Field, Description, Mask) \
  {'s', Name, nullptr, nullptr, &Field, nullptr, 0, Description, Mask},
#define ORV_PARSER_LIST(Name, Field, Description, Mask) \
  {'z', Name, nullptr, nullptr, Field.items, &Field.count, Field.capacity, Description, Mask},
#include "OrvParserOptions.def"
      {0, nullptr, nullptr, nullptr, nullptr, nullptr, 0, nullptr, 0},
  };
  // The records are fewer than a group holds (checked above), so this
  // cannot fail.
  VString error;
  BuildOptionGroup(optionGroup, records, mask, error);
  return optionGroup;
}
