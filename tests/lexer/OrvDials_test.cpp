// Tests of the dialect set: fields, digit form, readable form, combination
// check and the name tables.
#include "OrvDials.h"
#include "TestStrings.h"

#include <gtest/gtest.h>

#include <string>

namespace {


OrvDials Only(int dialect) {
  OrvDials set = OrvNoDials();
  OrvSetDial(set, dialect);
  return set;
}

struct FieldCase {
  int number;
  OrvDials mask;
  int fullValue;
};

const FieldCase kFieldCases[] = {
    {1, 0x2, 1},       {2, 0x4, 1},       {3, 0x8, 1},        {4, 0x30, 3},
    {5, 0xC0, 3},      {6, 0x100, 1},     {7, 0xE00, 7},      {8, 0x3000, 3},
    {9, 0x4000, 1},    {10, 0x8000, 1},   {11, 0x10000, 1},   {12, 0x20000, 1},
    {13, 0x40000, 1},  {14, 0x80000, 1},  {15, 0x100000, 1},  {16, 0x200000, 1},
    {17, 0x400000, 1}, {18, 0x800000, 1}, {19, 0x1000000, 1}, {20, 0x2000000, 1},
};

TEST(OrvDialsTest, EachDialectFillsExactlyItsField) {
  OrvDials seen = 0;
  for (const FieldCase& c : kFieldCases) {
    SCOPED_TRACE(c.number);
    EXPECT_EQ(OrvDialFieldMask(c.number), c.mask);
    EXPECT_EQ(Only(c.number), c.mask);
    EXPECT_EQ(OrvGetDial(Only(c.number), c.number), c.fullValue);
    EXPECT_EQ(OrvGetDial(OrvAllDials(), c.number), c.fullValue);
    // No two fields overlap.
    EXPECT_EQ(seen & c.mask, 0u);
    seen |= c.mask;
  }
  // Bit 0 and bits 26 to 31 belong to no dialect.
  EXPECT_EQ(seen, 0x03FFFFFEu);
}

TEST(OrvDialsTest, EmptyAndFullSets) {
  EXPECT_EQ(OrvNoDials(), 0u);
  EXPECT_EQ(OrvAllDials(), 0xFFFFFFFFu);
}

TEST(OrvDialsTest, SetDialOutsideTheRangeChangesNothing) {
  for (int number : {0, 21, -1, 256 + 2}) {
    SCOPED_TRACE(number);
    OrvDials set = 0x4;
    EXPECT_EQ(OrvSetDial(set, number), static_cast<unsigned char>(number & 0xFF));
    EXPECT_EQ(set, 0x4u);
    EXPECT_EQ(OrvGetDial(OrvAllDials(), number), 0);
    EXPECT_EQ(OrvDialFieldMask(number), 0u);
  }
  OrvDials set = 0;
  EXPECT_EQ(OrvSetDial(set, 7), 7);
  EXPECT_EQ(set, 0xE00u);
}

TEST(OrvDialsTest, GetDialReadsPartialLevelsOfWideFields) {
  // One bit of each wide field, as the reserved-word masks hold them.
  OrvDials mask = 0xFFD35E;
  EXPECT_EQ(OrvGetDial(mask, 4), 1);  // bit 4 of 4-5
  EXPECT_EQ(OrvGetDial(mask, 5), 1);  // bit 6 of 6-7
  EXPECT_EQ(OrvGetDial(mask, 7), 1);  // bit 9 of 9-11
  EXPECT_EQ(OrvGetDial(mask, 8), 1);  // bit 12 of 12-13
  EXPECT_EQ(OrvGetDial(0x800, 7), 4);
  EXPECT_EQ(OrvGetDial(mask, 19), 0);
  EXPECT_EQ(OrvGetDial(mask, 20), 0);
}

TEST(OrvDialsTest, DigitImages) {
  EXPECT_EQ(Str(OrvDialsToString(OrvAllDials())), "11133173111111111111");
  EXPECT_EQ(Str(OrvDialsToString(Only(ORV_DIAL_ANSI85))), "01000000000000000000");
  EXPECT_EQ(Str(OrvDialsToString(OrvNoDials())), "00000000000000000000");
  EXPECT_EQ(Str(OrvDialsToString(Only(ORV_DIAL_IDMS))), "00000000000000000001");
  EXPECT_EQ(Str(OrvDialsToString(0x800)), "00000040000000000000");
}

TEST(OrvDialsTest, DigitImageRoundTripKeepsTheDialectFields) {
  const OrvDials sets[] = {OrvAllDials(), OrvNoDials(), Only(ORV_DIAL_MF) | Only(ORV_DIAL_ACU),
                           0x1234567u, 0xFFD35Eu, 0x400u};
  for (OrvDials set : sets) {
    SCOPED_TRACE(set);
    OrvDials back = 0xDEADBEEF;
    VString message;
    EXPECT_EQ(OrvStringToDials(OrvDialsToString(set), back, message), ORV_OK);
    // Bit 0 and bits 26 to 31 are lost on the way.
    EXPECT_EQ(back, set & 0x03FFFFFEu);
    EXPECT_EQ(message.length, 0);
  }
}

struct BadDigitsCase {
  const char* text;
  const char* message;
};

TEST(OrvDialsTest, StringToDialsRefusesBadTexts) {
  const BadDigitsCase cases[] = {
      {"1113317311111111111", "OrvStringToDials: dialects string '1113317311111111111' has bad length"},
      {"111331731111111111111",
       "OrvStringToDials: dialects string '111331731111111111111' has bad length"},
      {"", "OrvStringToDials: dialects string '' has bad length"},
      {"1113317311111111111A", "OrvStringToDials: bad char in dialects string '1113317311111111111A'"},
      {"a0000000000000000000", "OrvStringToDials: bad char in dialects string 'a0000000000000000000'"},
      {"0000000000:000000000", "OrvStringToDials: bad char in dialects string '0000000000:000000000'"},
      {"0000000000\xE9""000000000", "OrvStringToDials: bad char in dialects string '0000000000\xE9""000000000'"},
  };
  for (const BadDigitsCase& c : cases) {
    SCOPED_TRACE(c.text);
    OrvDials set = 0x4;
    VString message;
    EXPECT_EQ(OrvStringToDials(VString(c.text), set, message), ORV_BAD_DIALECTS_STRING);
    EXPECT_EQ(set, 0u);
    EXPECT_EQ(Str(message), c.message);
  }
}

TEST(OrvDialsTest, StringToDialsOfANullTextIsABadLength) {
  OrvDials set = 0x4;
  VString message;
  EXPECT_EQ(OrvStringToDials(VString(), set, message), ORV_BAD_DIALECTS_STRING);
  EXPECT_EQ(set, 0u);
  EXPECT_EQ(Str(message), "OrvStringToDials: dialects string '' has bad length");
}

TEST(OrvDialsTest, StringToDialsQuotesOnlyTheStartOfAVeryLongText) {
  std::string longText(5000, '1');
  OrvDials set = 0;
  VString message;
  EXPECT_EQ(OrvStringToDials(VString(longText.c_str()), set, message), ORV_BAD_DIALECTS_STRING);
  EXPECT_EQ(Str(message), "OrvStringToDials: dialects string '" + std::string(64, '1') +
                              "...' has bad length");
}

TEST(OrvDialsTest, StringToDialsTakesTheLowBitsOfEachCharacter) {
  OrvDials set = 0xFF;
  VString message;
  // Blanks and other characters below '0' are accepted and give their low bits.
  EXPECT_EQ(OrvStringToDials(VString("                    "), set, message), ORV_OK);
  EXPECT_EQ(set, 0u);
  // '9' cut to one bit is 1, to two bits 1, to three bits 1; '6' gives 0, 2, 6.
  EXPECT_EQ(OrvStringToDials(VString("99999999999999999999"), set, message), ORV_OK);
  EXPECT_EQ(Str(OrvDialsToString(set)), "11111111111111111111");
  EXPECT_EQ(OrvStringToDials(VString("66666666666666666666"), set, message), ORV_OK);
  EXPECT_EQ(Str(OrvDialsToString(set)), "00022062000000000000");
}

TEST(OrvDialsTest, CheckDialsAddsPrimaryAndSecondary) {
  OrvDials set = 0;
  VString message;
  EXPECT_EQ(OrvCheckDials(set, ORV_DIAL_ANSI85, ORV_DIAL_NONE, OrvAllDials(), message), ORV_OK);
  EXPECT_EQ(set, 0x4u);
  EXPECT_EQ(message.length, 0);

  set = 0;
  EXPECT_EQ(OrvCheckDials(set, ORV_DIAL_MF, ORV_DIAL_ACU, OrvAllDials(), message), ORV_OK);
  EXPECT_EQ(set, 0xE00u | 0x800000u);

  set = 0;
  EXPECT_EQ(OrvCheckDials(set, ORV_DIAL_NONE, ORV_DIAL_NONE, OrvNoDials(), message), ORV_OK);
  EXPECT_EQ(set, 0u);
}

struct CheckCase {
  int primary;
  int secondary;
  OrvDials allowed;
  OrvResult result;
};

TEST(OrvDialsTest, CheckDialsAgainstTheAllowedSet) {
  const CheckCase cases[] = {
      // The primary or the secondary outside the allowed set fails.
      {ORV_DIAL_MF, 0, Only(ORV_DIAL_ANSI85), ORV_DIALECTS_NOT_ALLOWED},
      {ORV_DIAL_ANSI85, ORV_DIAL_MF, Only(ORV_DIAL_ANSI85), ORV_DIALECTS_NOT_ALLOWED},
      {ORV_DIAL_ANSI85, ORV_DIAL_IDMS, OrvAllDials() & ~0x2000000u, ORV_DIALECTS_NOT_ALLOWED},
      // One bit of a wide field in the allowed set allows the whole dialect.
      {ORV_DIAL_MF, 0, 0x400, ORV_OK},
      {ORV_DIAL_VSII, ORV_DIAL_SAA, 0x10 | 0x80, ORV_OK},
      // Bits that belong to no dialect allow nothing.
      {ORV_DIAL_ANSI74, 0, 0xFC000001u, ORV_DIALECTS_NOT_ALLOWED},
      {ORV_DIAL_ANSI74, ORV_DIAL_ANSI85, 0x6, ORV_OK},
  };
  for (const CheckCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.primary << "/" << c.secondary);
    OrvDials set = 0;
    VString message;
    EXPECT_EQ(OrvCheckDials(set, c.primary, c.secondary, c.allowed, message), c.result);
    // The set keeps what was added, refused or not.
    OrvDials expected = 0;
    OrvSetDial(expected, c.primary);
    OrvSetDial(expected, c.secondary);
    EXPECT_EQ(set, expected);
    EXPECT_EQ(Str(message), c.result == ORV_OK
                                ? ""
                                : "The specified combination of dialects is not allowed");
  }
}

TEST(OrvDialsTest, ReadableList) {
  EXPECT_EQ(Str(OrvDialsToText(OrvNoDials())), "");
  EXPECT_EQ(Str(OrvDialsToText(Only(ORV_DIAL_ANSI85) | Only(ORV_DIAL_MF))), "Ansi85 Mf ");
  EXPECT_EQ(Str(OrvDialsToText(Only(ORV_DIAL_NET) | Only(ORV_DIAL_FSCNET))), "FscNet Net ");
  EXPECT_EQ(Str(OrvDialsToText(Only(ORV_DIAL_NET))), "Net ");
  EXPECT_EQ(Str(OrvDialsToText(OrvAllDials())),
            "Ansi74 Ansi85 Osvs Vsii Saa Xopen Mf Ms Rm Rm85 Dosvs Univac Wang Fsc FscNet Net "
            "Icobol Acu Dml Idms ");
  // A partial wide field counts as the dialect.
  EXPECT_EQ(Str(OrvDialsToText(0x400)), "Mf ");
  // Bits of no dialect show nothing.
  EXPECT_EQ(Str(OrvDialsToText(0xFC000001u)), "");
}

TEST(OrvDialsTest, NameTables) {
  const char* shortNames[] = {"none", "ansi74", "ansi85", "osvs",   "vsii",   "saa",
                              "xopen", "mf",    "ms",     "rm",     "rm85",   "dosvs",
                              "univac", "wang", "fsc",    "net",    "fscnet", "icobol",
                              "acu",  "dml",    "idms"};
  const char* longNames[] = {"None",
                             "ANSI-74",
                             "ANSI-85",
                             "IBM OSVS",
                             "IBM VS/II revs. 3, 4",
                             "IBM SAA",
                             "X/Open",
                             "Micro Focus",
                             "Microsoft",
                             "Ryan McFarland - 74",
                             "Ryan McFarland - 85",
                             "IBM DOSVS",
                             "UNIVAC",
                             "Wang VS",
                             "Fujitsu Cobol-85",
                             "Vaderaviz/Fujitsu NetCobol",
                             "Fujitsu .NET Cobol",
                             "ICobol",
                             "Acu",
                             "DMS DML",
                             "IDMS"};
  for (int i = 0; i <= ORV_DIALECT_COUNT; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(Str(OrvDialectShortNames[i]), shortNames[i]);
    EXPECT_EQ(Str(OrvDialectNames[i]), longNames[i]);
  }
  // Both tables end with an empty value.
  EXPECT_EQ(OrvDialectShortNames[ORV_DIALECT_COUNT + 1].length, 0);
  EXPECT_EQ(OrvDialectNames[ORV_DIALECT_COUNT + 1].length, 0);
}

}  // namespace
