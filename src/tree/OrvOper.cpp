// The operation catalogue, the argument-slot names, the name table and the
// symbol-category names.
#include "OrvOper.h"

#include <cstring>
#include <ostream>
#include <string>
#include <vector>

#include "OrvOperArgIdent.h"

namespace {

// Constant-initialised, so that static initialisers of other units may read
// the catalogue in any order.
constexpr OrvOperDescr kCatalogue[] = {
#define ORV_OPER(code, name, descr, templ, list, stmt, arity, fixed) \
  OrvOperDescr(code, #name, descr, templ, list, stmt, arity, fixed),
#include "OrvOperCatalogue.def"
};
static_assert(sizeof(kCatalogue) / sizeof(kCatalogue[0]) == ORV_OPER_COUNT,
              "the catalogue holds one row per code 0..1400");

const char kBadOp[] = "bad-op";

}  // namespace

const OrvOperDescr* const OrvOperCatalogue = kCatalogue;

const OrvArgNameEntry OrvArgNameTable[] = {
#define ORV_OPER_ARG(op, argno, computed, name) {op, argno, computed, name},
#include "OrvOperArgNames.def"
    {0, 0, 0, nullptr}};

// Codes 1..1400.  The test is made on the whole int, so that no code outside
// the table (for example 65537, which is 1 in 16 bits) reads past it.
int OrvOperIsValid(int code) { return code >= 1 && code <= ORV_OPER_LAST; }

const OrvOperDescr* OrvOperDescrOf(int code) {
  return OrvOperIsValid(code) ? &kCatalogue[code] : nullptr;
}

const char* OrvOperName(int code) {
  return OrvOperIsValid(code) ? kCatalogue[code].name : kBadOp;
}

const char* OrvOperTemplate(int code) {
  return OrvOperIsValid(code) ? kCatalogue[code].templ : kBadOp;
}

int OrvOperIsStmt(int code) { return OrvOperIsValid(code) ? kCatalogue[code].isStmt : 0; }

int OrvOperFixedOrder(int code) {
  return OrvOperIsValid(code) ? kCatalogue[code].fixedOrder : -1;
}

void OrvOperPutTic(int code, std::ostream& out) {
  VString(OrvOperName(code)).PutTic(out, ':');
}

OrvResult OrvOperGetTic(std::istream& in, std::int16_t& code, VString& error) {
  VString name;
  OrvResult r = name.GetTic(in, ':', error);
  if (r != 0) return r;
  const int len = name.length;
  for (int c = 0; c <= ORV_OPER_LAST; ++c) {
    const char* n = kCatalogue[c].name;
    if (static_cast<int>(std::strlen(n)) == len &&
        (len == 0 || std::memcmp(n, name.text, len) == 0)) {
      code = static_cast<std::int16_t>(c);
      return 0;
    }
  }
  error = OrvFormat("OrvOperGetTic: oper '%s' not found", name.text ? name.text : "");
  return ':';
}

namespace {

// The index of the first row of each operation in the argument-name table
// (whose rows of one operation stand together), -1 for an operation without
// rows.  Built once: every slot of every node asks while a tree is prepared
// for printing, and a scan of the whole table per slot cost most of a parse.
// Beside it, the computed flag of every slot number that has a row, in one
// flat array (the first row of a slot number decides, as in FindArgName):
// the flag is asked for every slot of every node while a tree is prepared
// for printing.
struct ArgNameIndex {
  std::int32_t first[ORV_OPER_COUNT];
  std::int32_t flagBase[ORV_OPER_COUNT];   // where the operation's flags start
  std::int32_t flagCount[ORV_OPER_COUNT];  // largest slot number with a row + 1
  std::vector<std::int32_t> computed;
  ArgNameIndex() {
    for (std::int32_t& f : first) f = -1;
    for (std::int32_t i = 0; OrvArgNameTable[i].name != nullptr; ++i) {
      const int op = OrvArgNameTable[i].op;
      if (op >= 0 && op < ORV_OPER_COUNT && first[op] < 0) first[op] = i;
    }
    // Each operation's run of rows, as FindArgName reads it.
    std::int32_t total = 0;
    for (int op = 0; op < ORV_OPER_COUNT; ++op) {
      flagBase[op] = total;
      flagCount[op] = 0;
      for (const OrvArgNameEntry* e = Run(op); e != nullptr && e->name != nullptr && e->op == op; ++e)
        if (e->argno >= flagCount[op]) flagCount[op] = e->argno + 1;
      total += flagCount[op];
    }
    computed.assign(static_cast<std::size_t>(total), 0);
    std::vector<bool> seen(static_cast<std::size_t>(total), false);
    for (int op = 0; op < ORV_OPER_COUNT; ++op) {
      for (const OrvArgNameEntry* e = Run(op); e != nullptr && e->name != nullptr && e->op == op; ++e) {
        if (e->argno < 0) continue;
        const std::size_t at = static_cast<std::size_t>(flagBase[op] + e->argno);
        if (seen[at]) continue;
        seen[at] = true;
        computed[at] = e->computed;
      }
    }
  }
  const OrvArgNameEntry* Run(int op) const { return first[op] < 0 ? nullptr : OrvArgNameTable + first[op]; }
};

const ArgNameIndex& TheArgNameIndex() {
  static const ArgNameIndex index;
  return index;
}

const OrvArgNameEntry* FindArgName(int code, int argno) {
  const ArgNameIndex& index = TheArgNameIndex();
  if (code < 0 || code >= ORV_OPER_COUNT || index.first[code] < 0) return nullptr;
  for (const OrvArgNameEntry* e = OrvArgNameTable + index.first[code]; e->name != nullptr && e->op == code; ++e)
    if (e->argno == argno) return e;
  return nullptr;
}

}  // namespace

VString OrvOperArgName(int code, int argno, int* flag, const char* format) {
  if (const OrvArgNameEntry* e = FindArgName(code, argno)) {
    if (flag) *flag = 0;
    return VString(e->name);
  }
  if (flag) *flag = 1;
  return OrvFormat(format ? format : "No. %d in Operation %s", argno, OrvOperName(code));
}

int OrvOperArgIsComputed(int code, int argno) {
  int count = 0;
  const std::int32_t* flags = OrvOperComputedArgs(code, &count);
  return argno >= 0 && argno < count ? flags[argno] : 0;
}

const std::int32_t* OrvOperComputedArgs(int code, int* count) {
  *count = 0;
  if (code < 0 || code >= ORV_OPER_COUNT) return nullptr;
  const ArgNameIndex& index = TheArgNameIndex();
  *count = index.flagCount[code];
  return index.computed.data() + index.flagBase[code];
}

namespace {

// The argument slots whose identifier in the name table is fixed by hand
// (the identifiers other parts of the toolkit know them by).
struct FixedArgIdent {
  std::int16_t op;
  std::int16_t argno;
  const char* ident;
};
constexpr FixedArgIdent kFixedArgIdents[] = {
#define ORV_OPER_ARG(op, argno, computed, name)
#define ORV_OPER_ARG_IDENT(op, argno, computed, name, ident) {op, argno, #ident},
#include "OrvOperArgNames.def"
};

// The identifier of an argument slot (OrvOperArgIdent): the fixed one when
// the slot has one, else the one derived from its operation and name.
std::string ArgIdent(const char* opName, const OrvArgNameEntry& arg) {
  for (const FixedArgIdent& f : kFixedArgIdents)
    if (f.op == arg.op && f.argno == arg.argno) return OrvOperArgIdent(opName, arg.name, f.ident);
  return OrvOperArgIdent(opName, arg.name, nullptr);
}

// Operation NAMEs in code order (the four undefined codes 1396..1399 left
// out), each followed by the identifiers of its argument slots, then the
// closing TIC_LAST_CODE row.
struct NameTable {
  std::vector<OrvOperNameEntry> rows;
  std::vector<std::string> texts;  // storage of the built names

  NameTable() {
    const OrvArgNameEntry* arg = OrvArgNameTable;
    for (int c = 0; c <= ORV_OPER_LAST; ++c) {
      if (c >= 1396 && c <= 1399) continue;
      rows.emplace_back(c, kCatalogue[c].name, 1);
      while (arg->name != nullptr && arg->op < c) ++arg;
      for (; arg->name != nullptr && arg->op == c; ++arg) texts.push_back(ArgIdent(kCatalogue[c].name, *arg));
    }
    // Second pass: the texts no longer move, so the rows may point at them.
    std::vector<OrvOperNameEntry> all;
    std::size_t t = 0;
    arg = OrvArgNameTable;
    for (const OrvOperNameEntry& r : rows) {
      all.push_back(r);
      while (arg->name != nullptr && arg->op < r.value) ++arg;
      for (; arg->name != nullptr && arg->op == r.value; ++arg)
        all.emplace_back(arg->argno, texts[t++].data(), 2);
    }
    all.emplace_back(TIC_LAST_CODE, "TIC_LAST_CODE", 1);
    rows.swap(all);
  }
};

const NameTable& TheNameTable() {
  static const NameTable table;
  return table;
}

// Built before main like the catalogue, so that the first lookup costs nothing.
const NameTable& kNameTableAtStart = TheNameTable();

}  // namespace

int OrvOperNameTableSize() { return static_cast<int>(TheNameTable().rows.size()); }

const OrvOperNameEntry& OrvOperNameTableRow(int index) { return TheNameTable().rows[index]; }

int OrvOperNameLookup(const char* text, int* kind) {
  if (text == nullptr) text = "";
  bool digits = true;
  for (const char* p = text; *p; ++p)
    if (*p < '0' || *p > '9') {
      digits = false;
      break;
    }
  if (digits) {
    // A number too large for an int is no usable value: it is not found.
    long long value = 0;
    for (const char* p = text; *p; ++p) {
      value = value * 10 + (*p - '0');
      if (value > 0x7fffffff) {
        if (kind) *kind = 0;
        return -1;
      }
    }
    if (kind) *kind = 3;
    return static_cast<int>(value);
  }
  for (const OrvOperNameEntry& r : TheNameTable().rows)
    if (std::strcmp(r.name, text) == 0) {
      if (kind) *kind = r.kind;
      return r.value;
    }
  if (kind) *kind = 0;
  return -1;
}

namespace {

const char* const kCategoryNames[] = {
    "unknown",       "mnemonic-name",   "switch-cond-name", "alphabet-name",
    "symbolic-char", "symbolic-constant", "user-figurative-const", "class-name",
    "file-name",     "cd-name",         "data-name",        "index-name",
    "split-key-name", "condition-name", "constant-name",    "report-name",
    "report-group-desc-name", "screen-name", "program-name", "proc-name",
    "para-name",     "section-name"};
const int kCategoryCount = sizeof(kCategoryNames) / sizeof(kCategoryNames[0]);

}  // namespace

std::ostream& operator<<(std::ostream& out, OrvSymCategory category) {
  const int c = static_cast<int>(category);
  if (c < kCategoryCount) return out << kCategoryNames[c];
  return out << "UDC#" << c;
}

VString OrvSymCategoryName(int category) {
  if (category >= 0 && category < kCategoryCount) return VString(kCategoryNames[category]);
  return OrvFormat("UDC#%d", category);
}
