// The printer's option group and the value words of "gen-line-format".
#include "OrvPrettyPrinter.h"

VString OrvGenLineFormatWords[6] = {VString("na"),       VString("fixed"), VString("free"),
                                    VString("fsc-free"), VString("var"),   VString("")};

namespace {

// Number of records of OrvPrinterOptions.def.
constexpr int kRecordCount = 0
#define ORV_PRINTER_GROUP(Title, Mask) +1
#define ORV_PRINTER_SWITCH(Name, Field, Description, Mask) +1
#define ORV_PRINTER_NUMBER(Name, Field, Description, Mask) +1
#define ORV_PRINTER_NUMBERS(Name, Field, Description, Mask) +1
#define ORV_PRINTER_SELECT(Name, Field, Words, Description, Mask) +1
#define ORV_PRINTER_STRING(Name, Field, Description, Mask) +1
#include "OrvPrinterOptions.def"
    ;
static_assert(kRecordCount == 18, "four headings and fourteen printer options");

}  // namespace

OrvCLFlagTable& OrvPrettyPrinter::BuildOptions(int mask) {
  // The records point at this object's fields, so they are made afresh for
  // each call; the number list takes the current array, count and room.
  const OrvCLFlag records[kRecordCount + 1] = {
#define ORV_PRINTER_GROUP(Title, Mask) \
  {'-', "", nullptr, nullptr, nullptr, nullptr, 0, Title, Mask},
#define ORV_PRINTER_SWITCH(Name, Field, Description, Mask) \
  {'b', Name, &Field, nullptr, nullptr, nullptr, 0, Description, Mask},
#define ORV_PRINTER_NUMBER(Name, Field, Description, Mask) \
  {'n', Name, &Field, nullptr, nullptr, nullptr, 0, Description, Mask},
#define ORV_PRINTER_NUMBERS(Name, Field, Description, Mask) \
  {'a', Name, Field.items, nullptr, nullptr, &Field.count, Field.capacity, Description, Mask},
#define ORV_PRINTER_SELECT(Name, Field, Words, Description, Mask) \
  {'l', Name, &Field, Words, nullptr, nullptr, 0, Description, Mask},
#define ORV_PRINTER_STRING(Name, Field, Description, Mask) \
  {'s', Name, nullptr, nullptr, &Field, nullptr, 0, Description, Mask},
#include "OrvPrinterOptions.def"
      {0, nullptr, nullptr, nullptr, nullptr, nullptr, 0, nullptr, 0},
  };
  // Eighteen records always fit a group, so this cannot fail.
  VString error;
  BuildOptionGroup(options, records, mask, error);
  return options;
}
