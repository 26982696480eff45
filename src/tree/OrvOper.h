// The operation catalogue: every syntax-tree node carries an operation code,
// and this table gives each code its NAME, a description, the print template
// that the printer expands, its list kind, its statement flag, the number of
// positional children and how many of them keep a fixed order.  Beside it
// stand the names of the argument slots and the names of symbol categories.
//
// The accessors never fail: an invalid code answers "bad-op", 0 or -1.
#ifndef LARK_TREE_ORVOPER_H
#define LARK_TREE_ORVOPER_H

#include <cstdint>
#include <iosfwd>

#include "OrvResult.h"
#include "VString.h"

// Operation codes 0..1400 (0 is only the first TIC marker and is invalid);
// 1401 closes the name table.
enum OrvOper {
#define ORV_OPER(code, name, descr, templ, list, stmt, arity, fixed) name = code,
#include "OrvOperCatalogue.def"
  TIC_LAST_CODE = 1401
};

// Number of rows of the catalogue (codes 0..ORV_OPER_LAST).
const int ORV_OPER_LAST = 1400;
const int ORV_OPER_COUNT = ORV_OPER_LAST + 1;

// The descriptor of one operation code.
struct OrvOperDescr {
  int code;
  const char* name;
  const char* description;  // null for code 0 only
  const char* templ;        // print template; null for code 0 only
  int isList;               // 1: any number of children, all alike
  int isStmt;               // 1: counted as a statement
  int argNo;                // positional children; 0 for lists and leaves, -1 undefined
  int fixedOrder;           // leading children in fixed order; -1 = all

  constexpr OrvOperDescr(int code_, const char* name_, const char* description_,
                         const char* templ_, int isList_, int isStmt_, int argNo_,
                         int fixedOrder_)
      : code(code_), name(name_), description(description_), templ(templ_),
        isList(isList_), isStmt(isStmt_), argNo(argNo_), fixedOrder(fixedOrder_) {}
};

// The whole catalogue, indexed by code 0..1400.
extern const OrvOperDescr* const OrvOperCatalogue;

// Codes 1..1400 are valid; 0 and every other number are not.
int OrvOperIsValid(int code);

// The descriptor of a valid code, or null.
const OrvOperDescr* OrvOperDescrOf(int code);

const char* OrvOperName(int code);         // "bad-op" when invalid
const char* OrvOperTemplate(int code);     // "bad-op" when invalid
// Inline: every new operation node asks both.
inline int OrvOperIsList(int code) {       // 0 when invalid
  return code >= 1 && code <= ORV_OPER_LAST ? OrvOperCatalogue[code].isList : 0;
}
int OrvOperIsStmt(int code);               // 0 when invalid
inline int OrvOperArgNo(int code) {        // -1 when invalid
  return code >= 1 && code <= ORV_OPER_LAST ? OrvOperCatalogue[code].argNo : -1;
}
int OrvOperFixedOrder(int code);           // -1 when invalid

// Writes the NAME in the escaped TIC string form ended by ':' ("bad-op" for
// an invalid code).
void OrvOperPutTic(int code, std::ostream& out);

// Reads a ':'-terminated TIC string and gives the code of the first catalogue
// row (0..1400) with that NAME.  Unknown names give ':' with
// "OrvOperGetTic: oper '%s' not found"; a failing string read returns that
// read's result.
OrvResult OrvOperGetTic(std::istream& in, std::int16_t& code, VString& error);

// The name of argument slot `argno` of operation `code`.  When the table has
// none, *flag (when given) is set to 1 and the text is formatted from
// `format` (or "No. %d in Operation %s" when null) with argno and the NAME;
// otherwise *flag is 0.
VString OrvOperArgName(int code, int argno, int* flag = nullptr, const char* format = nullptr);

// 1 for the argument slots that analysis fills (no source text); else 0.
int OrvOperArgIsComputed(int code, int argno);
// The same flags of all the operation's slots at once, for walks that ask
// for every slot of a node: flag i answers OrvOperArgIsComputed(code, i)
// for 0 <= i < *count, and every slot from *count on is not computed.
// *count is 0 (and the answer null) for a code out of range.
const std::int32_t* OrvOperComputedArgs(int code, int* count);

// One row of the argument-slot name table.
struct OrvArgNameEntry {
  std::int16_t op;
  std::int16_t argno;
  std::int32_t computed;
  const char* name;  // null in the terminating row
};
extern const OrvArgNameEntry OrvArgNameTable[];

// One row of the name table: operation NAMEs (kind 1) followed each by the
// identifiers of their argument slots (kind 2).  A slot's identifier is the
// one the argument-name table fixes for it (FILE_SYMBOL_TABLE, PPID_NAME,
// OPEN_FILE_NAME, ...) or else the operation NAME, two underscores and the
// slot name in upper case with underscores (COBOL_FILE__END_OF_FILE).
struct OrvOperNameEntry {
  std::int32_t value;
  const char* name;
  std::int32_t kind;
  constexpr OrvOperNameEntry(std::int32_t value_, const char* name_, std::int32_t kind_)
      : value(value_), name(name_), kind(kind_) {}
};

// Looks a text up: an all-digit text (the empty text counts) gives kind 3 and
// its decimal value (a number beyond the int range is not found); otherwise the value and kind of the first name-table row
// with that name; kind 0 and -1 when there is none.
int OrvOperNameLookup(const char* text, int* kind = nullptr);

// Number of rows in the name table.
int OrvOperNameTableSize();
const OrvOperNameEntry& OrvOperNameTableRow(int index);

// Symbol categories, one byte in symbol-table elements and named-object
// definitions.
enum OrvSymCategory : unsigned char {
  SYMCAT_UNKNOWN = 0,
  SYMCAT_MNEMONIC_NAME = 1,
  SYMCAT_SWITCH_COND_NAME = 2,
  SYMCAT_ALPHABET_NAME = 3,
  SYMCAT_SYMBOLIC_CHAR = 4,
  SYMCAT_SYMBOLIC_CONSTANT = 5,
  SYMCAT_USER_FIGURATIVE_CONST = 6,
  SYMCAT_CLASS_NAME = 7,
  SYMCAT_FILE_NAME = 8,
  SYMCAT_CD_NAME = 9,
  SYMCAT_DATA_NAME = 10,
  SYMCAT_INDEX_NAME = 11,
  SYMCAT_SPLIT_KEY_NAME = 12,
  SYMCAT_CONDITION_NAME = 13,
  SYMCAT_CONSTANT_NAME = 14,
  SYMCAT_REPORT_NAME = 15,
  SYMCAT_REPORT_GROUP_DESC_NAME = 16,
  SYMCAT_SCREEN_NAME = 17,
  SYMCAT_PROGRAM_NAME = 18,
  SYMCAT_PROC_NAME = 19,
  SYMCAT_PARA_NAME = 20,
  SYMCAT_SECTION_NAME = 21
};

// Writes the category's name, or "UDC#" and the number.
std::ostream& operator<<(std::ostream& out, OrvSymCategory category);
VString OrvSymCategoryName(int category);

#endif
