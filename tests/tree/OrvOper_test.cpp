// The operation catalogue, the argument-slot names, the name table and the
// symbol-category names.
#include "OrvOper.h"
#include "TestStrings.h"

#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {


struct AccessorCase {
  int code;
  const char* name;
  int isList;
  int isStmt;
  int argNo;
};

class OrvOperAccessorTest : public ::testing::TestWithParam<AccessorCase> {};

TEST_P(OrvOperAccessorTest, AnswersOfTheCatalogue) {
  const AccessorCase& c = GetParam();
  EXPECT_STREQ(c.name, OrvOperName(c.code));
  EXPECT_EQ(c.isList, OrvOperIsList(c.code));
  EXPECT_EQ(c.isStmt, OrvOperIsStmt(c.code));
  EXPECT_EQ(c.argNo, OrvOperArgNo(c.code));
}

INSTANTIATE_TEST_SUITE_P(
    Edges, OrvOperAccessorTest,
    ::testing::Values(AccessorCase{0, "bad-op", 0, 0, -1}, AccessorCase{1401, "bad-op", 0, 0, -1},
                      AccessorCase{-1, "bad-op", 0, 0, -1},
                      // Codes that wrap to a valid 16-bit value stay invalid.
                      AccessorCase{65537, "bad-op", 0, 0, -1}, AccessorCase{-65535, "bad-op", 0, 0, -1},
                      AccessorCase{1, "NULL_NODE", 0, 0, 0}, AccessorCase{2, "OP_NONE", 1, 0, 0},
                      AccessorCase{3, "EX_LIST", 1, 0, 0}, AccessorCase{4, "COBOL_FILE", 0, 0, 4},
                      AccessorCase{7, "COBOL_PROGRAM", 0, 0, 7}, AccessorCase{249, "DECL_DD_ENTRY", 0, 1, 21},
                      AccessorCase{638, "STMT_MOVE", 0, 1, 2}, AccessorCase{1396, "SECTION_SCHEMA", 0, 0, -1},
                      AccessorCase{1397, "EX_DML_ALL", 0, 0, -1}, AccessorCase{1398, "EX_DML_SELECTIVE", 0, 0, -1},
                      AccessorCase{1399, "EX_DML_ONLY", 0, 0, -1}, AccessorCase{1400, "LOG_NOT", 0, 0, 1}));

TEST(OrvOperTest, InvalidCodesAnswerNeutrally) {
  for (int code : {0, 1401, -1, 2000, 65537}) {
    SCOPED_TRACE(code);
    EXPECT_FALSE(OrvOperIsValid(code));
    EXPECT_STREQ("bad-op", OrvOperTemplate(code));
    EXPECT_EQ(-1, OrvOperFixedOrder(code));
    EXPECT_EQ(nullptr, OrvOperDescrOf(code));
  }
  EXPECT_TRUE(OrvOperIsValid(1));
  EXPECT_TRUE(OrvOperIsValid(1400));
}

TEST(OrvOperTest, RowsOfTheTable) {
  const OrvOperDescr& zero = OrvOperCatalogue[0];
  EXPECT_STREQ("TIC_FIRST_CODE", zero.name);
  EXPECT_EQ(nullptr, zero.description);
  EXPECT_EQ(nullptr, zero.templ);
  EXPECT_EQ(0, zero.argNo);
  EXPECT_EQ(0, zero.fixedOrder);

  const OrvOperDescr* cf = OrvOperDescrOf(COBOL_FILE);
  ASSERT_NE(nullptr, cf);
  EXPECT_STREQ("Cobol File", cf->description);
  EXPECT_STREQ("$1{$2=$2}", cf->templ);
  EXPECT_EQ(2, cf->fixedOrder);
  EXPECT_STREQ("Cobol Program List", OrvOperDescrOf(COBOL_PROGRAM_LIST)->description);
  EXPECT_STREQ("@\n", OrvOperTemplate(COBOL_PROGRAM_LIST));
  EXPECT_STREQ("$1{$2?$2}{$3?$3}{$4?\n$4}{$5?\n$5}{$6?\n$6}", OrvOperTemplate(COBOL_PROGRAM));
  EXPECT_STREQ("END PROGRAM $1[.]", OrvOperTemplate(END_COBOL_PROGRAM));
  EXPECT_STREQ("NOT $1", OrvOperTemplate(LOG_NOT));
  EXPECT_STREQ("Not", OrvOperDescrOf(LOG_NOT)->description);
  EXPECT_EQ(3, OrvOperFixedOrder(DECL_DD_ENTRY));
  for (int c = 1396; c <= 1399; ++c) {
    SCOPED_TRACE(c);
    EXPECT_STREQ("-not-defined-", OrvOperTemplate(c));
    EXPECT_STREQ("-not-defined-", OrvOperDescrOf(c)->description);
  }
}

// Rows whose every field is fixed.
TEST(OrvOperTest, FixedRowsOfTheCatalogue) {
  const struct {
    int code;
    const char* description;
    const char* templ;
    int isList, isStmt, argNo, fixedOrder;
  } rows[] = {
      {NULL_NODE, "Null Node", "", 0, 0, 0, -1},
      {OP_NONE, "No Such Operation", "", 1, 0, 0, -1},
      {EX_LIST, "List", "@&", 1, 0, 0, -1},
      {COBOL_FILE, "Cobol File", "$1{$2=$2}", 0, 0, 4, 2},
      {COBOL_PROGRAM_LIST, "Cobol Program List", "@\n", 1, 0, 0, -1},
      {COBOL_PROGRAM, "Cobol Program", "$1{$2?$2}{$3?$3}{$4?\n$4}{$5?\n$5}{$6?\n$6}", 0, 0, 7, -1},
      {END_COBOL_PROGRAM, "End Program header", "END PROGRAM $1[.]", 0, 0, 1, -1},
      {SECTION_SCHEMA, "-not-defined-", "-not-defined-", 0, 0, -1, -1},
      {EX_DML_ONLY, "-not-defined-", "-not-defined-", 0, 0, -1, -1},
      {LOG_NOT, "Not", "NOT $1", 0, 0, 1, -1},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(OrvOperName(r.code));
    const OrvOperDescr* d = OrvOperDescrOf(r.code);
    ASSERT_NE(nullptr, d);
    EXPECT_STREQ(r.description, d->description);
    EXPECT_STREQ(r.templ, d->templ);
    EXPECT_EQ(r.isList, d->isList);
    EXPECT_EQ(r.isStmt, d->isStmt);
    EXPECT_EQ(r.argNo, d->argNo);
    EXPECT_EQ(r.fixedOrder, d->fixedOrder);
  }
}

// The texts that other components print straight from the templates.
TEST(OrvOperTest, ExactTemplatesOfCategoriesUsagesAndFigurativeConstants) {
  const struct {
    int code;
    const char* templ;
  } cases[] = {
      {FIG_ZERO, "ZERO"}, {FIG_SPACE, "SPACES"}, {FIG_HIGH_VALUE, "HIGH-VALUES"},
      {FIG_LOW_VALUE, "LOW-VALUES"}, {FIG_QUOTE, "QUOTE"}, {FIG_NULL, "NULL"},
      {EX_INDEX_ALL, "ALL"}, {DCAT_GROUP, "G"}, {DCAT__BEGIN_ELEMENTARY, "E<"},
      {DCAT__END_ELEMENTARY, "E>"}, {DCAT_INDEX, "I"}, {DCAT_POINTER, "P"},
      {DCAT_PROC_POINTER, "PP"}, {PIC_ALPHA, "A"}, {PIC_NUM, "N"}, {PIC_ALPHA_NUM, "AN"},
      {PIC_ALPHA_NUM_EDITED, "AE"}, {PIC_NUM_EDITED, "NE"}, {PIC_INT_FLOAT, "IF"},
      {PIC_EXT_FLOAT, "EF"}, {PIC_BIT, "B"}, {PIC_NATIONAL, "J"}, {PIC_NATIONAL_EDITED, "JE"},
      {DU_BINARY, "BINARY"}, {DU_COMP, "COMP"}, {DU_COMP_0, "COMP-0"}, {DU_COMP_1, "COMP-1"},
      {DU_COMP_2, "COMP-2"}, {DU_COMP_3, "COMP-3"}, {DU_COMP_4, "COMP-4"}, {DU_COMP_5, "COMP-5"},
      {DU_COMP_6, "COMP-6"}, {DU_COMP_X, "COMP-X"}, {DU_BIT, "BIT"}, {DU_DISPLAY, "DISPLAY"},
      {DU_INDEX, "INDEX"}, {DU_POINTER, "POINTER"}, {DU_COMP_RM, "COMP"},
      // The codes that the printer's conditional rows override.
      {FCX_DEVICE, "{$1?$1|}{$2?$2}{$3?|$3}"}, {EX_COND_VALUE, "VALUE|$1{$2?|$2}"},
      {SECTION_PROC, "$1 SECTION{$2?|$2}.\r{$3?\n$3}"}, {PARA_PROC, "$1.\r{$2?\n$2}"},
      {STMT_CALL, "CALL$1{$2= $2}{$3?|$3}{$4? $4}{$5?|$5}{$6?\n$6}{$7?\n$7}{$8?\n$8}"},
      {EX_ELSE, "ELSE{$1?\n\t$1\b}"}, {STMT_MOVE, "MOVE $1{$2=|TO $2}"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(OrvOperName(c.code));
    EXPECT_STREQ(c.templ, OrvOperTemplate(c.code));
  }
  // The printer drops the closing "[.]" of these two when a COPY statement
  // stands inside the entry.
  for (int code : {DECL_FD_ENTRY, DECL_DD_ENTRY}) {
    SCOPED_TRACE(OrvOperName(code));
    const std::string templ = OrvOperTemplate(code);
    ASSERT_GE(templ.size(), 3u);
    EXPECT_EQ("[.]", templ.substr(templ.size() - 3));
  }
}

// Only the operations that print nothing of their own have an empty
// template: the null node, the file end, the symbol table, the leaves, the
// placeholders of empty constructs, the closing COPY and INCLUDE markers,
// the hidden declarations the analysis adds (they are not in the source),
// and the NOTE statement, whose text is kept as comment lines.
TEST(OrvOperTest, OnlyOperationsWithNothingOfTheirOwnHaveAnEmptyTemplate) {
  std::set<std::string> empty;
  for (int c = 1; c <= ORV_OPER_LAST; ++c)
    if (OrvOperTemplate(c)[0] == '\0') empty.insert(OrvOperName(c));
  std::set<std::string> expected;
  for (int code : {NULL_NODE, OP_NONE, END_COBOL_FILE, SYMBOL_TABLE_ELT_LIST, SYMBOL_TABLE_ELT, DEV_DISK_FILE,
                   DECL_NO_OP, DECL_DD_HIDDEN, DU_NONE, STMT_NO_OP, STMT_INLINED_COPY_END, STMT_NOTE, STR_CONST,
                   CHAR_STRING, TOKEN_STRING, INT_NUM_CONST, REAL_NUM_CONST, NAMED_OBJ_DEF, NAME_USE,
                   STMT_INLINED_INCLUDE_END})
    expected.insert(OrvOperName(code));
  EXPECT_EQ(expected, empty);
  // A keyword operation prints its keyword.
  EXPECT_STREQ("BLANK WHEN ZERO", OrvOperTemplate(DX_BWZ));
  EXPECT_STREQ("END-IF", OrvOperTemplate(EX_END_IF));
}

TEST(OrvOperTest, TableHoldsTheStatedCounts) {
  int lists = 0, stmts = 0, fixed = 0, positiveArity = 0, arityRows[4] = {0, 0, 0, 0};
  std::set<std::string> names;
  for (int c = 0; c <= ORV_OPER_LAST; ++c) {
    const OrvOperDescr& d = OrvOperCatalogue[c];
    SCOPED_TRACE(d.name);
    EXPECT_EQ(c, d.code);
    EXPECT_TRUE(names.insert(d.name).second) << "duplicate NAME";
    if (c > 0) {
      ASSERT_NE(nullptr, d.description);
      EXPECT_GT(std::string(d.description).size(), 0u);
      ASSERT_NE(nullptr, d.templ);
    }
    if (d.isList) {
      ++lists;
      EXPECT_EQ(0, d.argNo);
      EXPECT_EQ(0, d.isStmt);
    }
    if (d.isStmt) ++stmts;
    if (c > 0 && d.fixedOrder != -1) {
      ++fixed;
      EXPECT_LT(d.fixedOrder, d.argNo);
    }
    if (d.argNo > 0) positiveArity += d.argNo;
    if (d.argNo >= 0 && d.argNo < 4) ++arityRows[d.argNo];
    EXPECT_GE(d.argNo, -1);
    EXPECT_LE(d.argNo, 39);
  }
  EXPECT_EQ(94, lists);
  EXPECT_EQ(154, stmts);
  EXPECT_EQ(69, fixed);
  EXPECT_EQ(655, arityRows[0]);
  EXPECT_EQ(410, arityRows[1]);
  EXPECT_EQ(168, arityRows[2]);
  EXPECT_EQ(48, arityRows[3]);
  EXPECT_EQ(39, OrvOperArgNo(DECL_SCRD_ENTRY));
  EXPECT_EQ(39, OrvOperArgNo(ACCEPT_SCREEN_ITEM));
  EXPECT_EQ(32, OrvOperArgNo(DISPLAY_SCREEN_ITEM));

  // Every positional slot has exactly one name row, in ascending order.
  int rows = 0, computed = 0;
  int prevOp = -1, prevArg = -1;
  for (const OrvArgNameEntry* e = OrvArgNameTable; e->name != nullptr; ++e, ++rows) {
    SCOPED_TRACE(OrvOperName(e->op));
    EXPECT_TRUE(e->op > prevOp || (e->op == prevOp && e->argno == prevArg + 1));
    if (e->op != prevOp) {
      EXPECT_EQ(0, e->argno);
    }
    EXPECT_LT(e->argno, OrvOperArgNo(e->op));
    EXPECT_GT(std::string(e->name).size(), 0u);
    computed += e->computed;
    prevOp = e->op;
    prevArg = e->argno;
  }
  EXPECT_EQ(positiveArity, rows);
  EXPECT_EQ(1887, rows);
  EXPECT_EQ(31, computed);
}

TEST(OrvOperTest, SlotNamesWithinAnOperationDiffer) {
  for (int c = 1; c <= ORV_OPER_LAST; ++c) {
    std::set<std::string> slots;
    for (int a = 0; a < OrvOperArgNo(c); ++a) {
      int flag = -1;
      VString n = OrvOperArgName(c, a, &flag);
      EXPECT_EQ(0, flag);
      EXPECT_TRUE(slots.insert(Str(n)).second) << OrvOperName(c) << " #" << a << " " << Str(n);
    }
  }
}

TEST(OrvOperTest, ArgumentNames) {
  const struct {
    int code, argno;
    const char* name;
    int computed;
  } cases[] = {
      {COBOL_FILE, 0, "Program List", 0},     {COBOL_FILE, 1, "End Of File", 0},
      {COBOL_FILE, 2, "External Definitions", 1}, {COBOL_FILE, 3, "Symbol Table", 1},
      {COBOL_PROGRAM, 0, "Identification Division", 0},
      {DECL_DD_ENTRY, 4, "Picture", 0},       {DECL_DD_ENTRY, 16, "Category", 1},
      {DECL_DD_ENTRY, 20, "Offset Global", 1}, {DX_OCCURS, 4, "Length of the array element", 1},
      {DECL_CONST_ENTRY, 5, "Actual Constant Value", 1}, {STMT_INLINED_COPY_END, 0, "Real File Name", 1},
      {DECL_DD_ENTRY_WANG_DISPLAY, 18, "Offset From Upper Level", 1},
      {FDX_LINAGE, 4, "Linage-Counter Defined", 1}, {DECL_RD_ENTRY, 7, "Page-Counter", 1},
      {DECL_FD_ENTRY, 1, "File Name Defined", 0}, {DECL_FD_ENTRY, 2, "Record Size", 0},
      {DECL_FD_ENTRY, 3, "Recording Mode", 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(OrvOperName(c.code)) + " #" + std::to_string(c.argno));
    int flag = -1;
    EXPECT_EQ(c.name, Str(OrvOperArgName(c.code, c.argno, &flag)));
    EXPECT_EQ(0, flag);
    EXPECT_EQ(c.computed, OrvOperArgIsComputed(c.code, c.argno));
  }
}

TEST(OrvOperTest, MissingArgumentNameIsFormatted) {
  int flag = -1;
  EXPECT_EQ("No. 3 in Operation EX_LIST", Str(OrvOperArgName(EX_LIST, 3, &flag, nullptr)));
  EXPECT_EQ(1, flag);
  flag = -1;
  EXPECT_EQ("slot 21 of DECL_DD_ENTRY", Str(OrvOperArgName(DECL_DD_ENTRY, 21, &flag, "slot %d of %s")));
  EXPECT_EQ(1, flag);
  EXPECT_EQ("No. -1 in Operation LOG_NOT", Str(OrvOperArgName(LOG_NOT, -1)));
  EXPECT_EQ("No. 0 in Operation bad-op", Str(OrvOperArgName(5000, 0)));
  EXPECT_EQ(0, OrvOperArgIsComputed(EX_LIST, 3));
}

// The rows of one operation stand together in the argument-name table, so
// that a look-up finds every one of them from the operation's first row.
TEST(OrvOperTest, EveryRowOfTheArgumentNameTableIsFound) {
  std::vector<bool> seen(ORV_OPER_COUNT, false);
  int previous = -1;
  for (const OrvArgNameEntry* e = OrvArgNameTable; e->name != nullptr; ++e) {
    if (e->op != previous) {
      EXPECT_FALSE(seen[e->op]) << "rows of " << OrvOperName(e->op) << " apart";
      seen[e->op] = true;
      previous = e->op;
    }
    int flag = -1;
    EXPECT_EQ(std::string(e->name), Str(OrvOperArgName(e->op, e->argno, &flag)));
    EXPECT_EQ(flag, 0);
    EXPECT_EQ(e->computed, OrvOperArgIsComputed(e->op, e->argno));
  }
}

// The flags of all slots at once answer what the one-slot look-up answers,
// for every row of the table; a code out of range has none.
TEST(OrvOperTest, ComputedFlagsOfAnOperationMatchTheOneSlotLookUp) {
  for (const OrvArgNameEntry* e = OrvArgNameTable; e->name != nullptr; ++e) {
    SCOPED_TRACE(std::string(OrvOperName(e->op)) + " #" + std::to_string(e->argno));
    int count = -1;
    const std::int32_t* flags = OrvOperComputedArgs(e->op, &count);
    ASSERT_NE(nullptr, flags);
    ASSERT_GT(count, e->argno);
    EXPECT_EQ(OrvOperArgIsComputed(e->op, e->argno), flags[e->argno]);
  }
  int count = 0;
  const std::int32_t* flags = OrvOperComputedArgs(DECL_DD_ENTRY, &count);
  EXPECT_EQ(1, flags[16]);  // Category
  EXPECT_EQ(0, flags[4]);   // Picture
  count = -1;
  EXPECT_EQ(nullptr, OrvOperComputedArgs(5000, &count));
  EXPECT_EQ(0, count);
  count = -1;
  EXPECT_EQ(nullptr, OrvOperComputedArgs(-1, &count));
  EXPECT_EQ(0, count);
}

TEST(OrvOperTest, TicFormRoundTripsEveryCode) {
  for (int c = 1; c <= ORV_OPER_LAST; ++c) {
    std::stringstream s;
    OrvOperPutTic(c, s);
    EXPECT_EQ(std::string(OrvOperName(c)) + ":", s.str());
    std::int16_t code = -1;
    VString err;
    ASSERT_EQ(0, OrvOperGetTic(s, code, err)) << Str(err);
    EXPECT_EQ(c, code);
  }
  // Invalid codes, 0 among them, are written as "bad-op"; the NAME of code 0
  // still reads back.
  for (int c : {0, 1401, -3}) {
    std::stringstream s;
    OrvOperPutTic(c, s);
    EXPECT_EQ("bad-op:", s.str());
  }
  std::stringstream first("TIC_FIRST_CODE:");
  std::int16_t code = -1;
  VString err;
  EXPECT_EQ(0, OrvOperGetTic(first, code, err));
  EXPECT_EQ(0, code);
}

TEST(OrvOperTest, TicReaderRefusesUnknownNames) {
  const struct {
    const char* text;
    int result;
    const char* error;
  } cases[] = {
      {"NO_SUCH_OP:", ':', "OrvOperGetTic: oper 'NO_SUCH_OP' not found"},
      {"ex_list:", ':', "OrvOperGetTic: oper 'ex_list' not found"},
      {"EX_LIS:", ':', "OrvOperGetTic: oper 'EX_LIS' not found"},
      {":", ':', "OrvOperGetTic: oper '' not found"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    std::stringstream s(c.text);
    std::int16_t code = 77;
    VString err;
    EXPECT_EQ(c.result, OrvOperGetTic(s, code, err));
    EXPECT_EQ(c.error, Str(err));
    EXPECT_EQ(77, code);
  }
  // A string read that fails passes its own result on.
  std::stringstream tooLong(std::string(5000, 'A') + ":");
  std::int16_t code = 0;
  VString err;
  EXPECT_EQ(63, OrvOperGetTic(tooLong, code, err));
  EXPECT_EQ(0, code);
}

TEST(OrvOperTest, NameTable) {
  ASSERT_EQ(3285, OrvOperNameTableSize());
  int ops = 0, args = 0;
  for (int i = 0; i < OrvOperNameTableSize(); ++i) {
    const OrvOperNameEntry& r = OrvOperNameTableRow(i);
    if (r.kind == 1) ++ops;
    if (r.kind == 2) ++args;
  }
  EXPECT_EQ(1398, ops);
  EXPECT_EQ(1887, args);
  const OrvOperNameEntry& last = OrvOperNameTableRow(OrvOperNameTableSize() - 1);
  EXPECT_STREQ("TIC_LAST_CODE", last.name);
  EXPECT_EQ(1401, last.value);
  EXPECT_EQ(1, last.kind);
  EXPECT_STREQ("TIC_FIRST_CODE", OrvOperNameTableRow(0).name);
  // The operation row comes first, then its argument rows.
  int i = 0;
  while (OrvOperNameTableRow(i).value != LOG_NOT || OrvOperNameTableRow(i).kind != 1) ++i;
  EXPECT_EQ(2, OrvOperNameTableRow(i + 1).kind);
  EXPECT_EQ(0, OrvOperNameTableRow(i + 1).value);
}

// Operation rows answer their code with kind 1, numbers kind 3; argument
// rows answer their slot index with kind 2: the slots other parts of the
// toolkit name by a fixed identifier, and the derived identifiers of the
// rest.  A fixed slot is not found under the identifier it would derive.
TEST(OrvOperTest, NameLookup) {
  const struct {
    const char* text;
    int value;
    int kind;
  } cases[] = {
      {"EX_LIST", 3, 1},         {"LOG_NOT", 1400, 1},     {"TIC_FIRST_CODE", 0, 1},
      {"TIC_LAST_CODE", 1401, 1}, {"123", 123, 3},          {"", 0, 3},
      {"007", 7, 3},             {"SECTION_SCHEMA", -1, 0}, {"nothing", -1, 0},
      {"12a", -1, 0},            {"99999999999999", -1, 0},
      {"FILE_SYMBOL_TABLE", 3, 2},       {"PROG_SYMBOL_TABLE", 6, 2},
      {"NAMED_OBJ_USE__NAMES", 0, 2},    {"PPID_NAME", 0, 2},
      {"FD_FILE_NAME", 1, 2},            {"SECTION_NAME", 0, 2},
      {"PARA_NAME", 0, 2},               {"LOG_NOT__LOGNOT_ARG1", 0, 2},
      {"OPEN_FILE_NAME", 0, 2},
      {"COBOL_FILE__SYMBOL_TABLE", -1, 0}, {"COBOL_PROGRAM__SYMBOL_TABLE", -1, 0},
      {"LOG_NOT__CONDITION", -1, 0},     {"EX_OPEN_FILE_NAME__FILE_NAME", -1, 0},
      {"COBOL_FILE__END_OF_FILE", 1, 2}, {"EX_OPEN_FILE_NAME__REVERSED_NO_REWIND", 1, 2},
      {"DECL_FD_ENTRY__RECORD_SIZE", 2, 2}, {"DECL_FD_ENTRY__RECORD_CONTAINS", -1, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    int kind = -5;
    EXPECT_EQ(c.value, OrvOperNameLookup(c.text, &kind));
    EXPECT_EQ(c.kind, kind);
  }
  EXPECT_EQ(3, OrvOperNameLookup("EX_LIST", nullptr));
}

TEST(OrvOperTest, FixedArgumentIdentifiersStandInTheirSlotRows) {
  // Each fixed identifier stands in the row right after its operation's row
  // and the slots before it.
  const struct {
    int op;
    int argno;
    const char* ident;
  } rows[] = {{COBOL_FILE, 3, "FILE_SYMBOL_TABLE"}, {COBOL_PROGRAM, 6, "PROG_SYMBOL_TABLE"},
              {DECL_FD_ENTRY, 1, "FD_FILE_NAME"},   {LOG_NOT, 0, "LOG_NOT__LOGNOT_ARG1"}};
  for (const auto& r : rows) {
    SCOPED_TRACE(r.ident);
    int i = 0;
    while (OrvOperNameTableRow(i).kind != 1 || OrvOperNameTableRow(i).value != r.op) ++i;
    const OrvOperNameEntry& slot = OrvOperNameTableRow(i + 1 + r.argno);
    EXPECT_STREQ(r.ident, slot.name);
    EXPECT_EQ(r.argno, slot.value);
    EXPECT_EQ(2, slot.kind);
  }
}

TEST(OrvOperTest, SymbolCategoryNames) {
  const struct {
    int category;
    const char* text;
  } cases[] = {{0, "unknown"},      {1, "mnemonic-name"},  {6, "user-figurative-const"},
               {10, "data-name"},   {16, "report-group-desc-name"}, {21, "section-name"},
               {22, "UDC#22"},      {255, "UDC#255"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.category);
    std::ostringstream os;
    os << static_cast<OrvSymCategory>(c.category);
    EXPECT_EQ(c.text, os.str());
    EXPECT_EQ(c.text, Str(OrvSymCategoryName(c.category)));
  }
}

}  // namespace
