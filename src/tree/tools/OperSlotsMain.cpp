// lark_oper_slots <header>: writes the header of the argument-slot
// constants, one per row of OrvOperArgNames.def, each named by its
// identifier in the operation name table (OrvOperArgIdent).  Refuses (exit
// status 1, a message on stderr) two rows of one identifier.
#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "OrvOperArgIdent.h"

namespace {

struct SlotRow {
  const char* op;
  int argno;
  const char* name;
  const char* fixed;  // the identifier the table fixes, or null
};

const SlotRow kRows[] = {
#define ORV_OPER_ARG(op, argno, computed, name) {#op, argno, name, nullptr},
#define ORV_OPER_ARG_IDENT(op, argno, computed, name, ident) {#op, argno, name, #ident},
#include "OrvOperArgNames.def"
#undef ORV_OPER_ARG
#undef ORV_OPER_ARG_IDENT
};

// The header text; false with `error` set when two rows share an identifier.
bool MakeHeader(std::string& text, std::string& error) {
  std::ostringstream out;
  std::ostringstream list;
  std::map<std::string, const SlotRow*> seen;
  out << "// The argument slots of the positional operations, each named by its identifier\n"
         "// in the operation name table (the operation NAME, two underscores and the slot\n"
         "// name, or the identifier OrvOperArgNames.def fixes).  Made by the build from\n"
         "// src/tree/OrvOperArgNames.def; do not edit.\n"
         "#ifndef LARK_TREE_ORVOPERSLOTS_H\n"
         "#define LARK_TREE_ORVOPERSLOTS_H\n";
  const char* lastOp = "";
  for (const SlotRow& row : kRows) {
    const std::string ident = OrvOperArgIdent(row.op, row.name, row.fixed);
    const auto inserted = seen.emplace(ident, &row);
    if (!inserted.second) {
      const SlotRow& first = *inserted.first->second;
      error = "slot " + std::to_string(row.argno) + " of " + row.op + " (\"" + row.name + "\") and slot " +
              std::to_string(first.argno) + " of " + first.op + " (\"" + first.name + "\") have one identifier, " +
              ident;
      return false;
    }
    if (std::string(lastOp) != row.op) out << "\n// " << row.op << "\n";
    lastOp = row.op;
    out << "constexpr int " << ident << " = " << row.argno << ";  // " << row.name << "\n";
    list << " \\\n  X(" << row.op << ", " << ident << ")";
  }
  out << "\n// Every slot above as X(operation NAME, slot constant), in the order of the table.\n"
         "#define ORV_OPER_SLOT_LIST(X)"
      << list.str() << "\n\n#endif\n";
  text = out.str();
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: lark_oper_slots <header>\n");
    return 2;
  }
  std::string text, error;
  if (!MakeHeader(text, error)) {
    std::fprintf(stderr, "lark_oper_slots: %s\n", error.c_str());
    return 1;
  }
  std::ofstream out(argv[1], std::ios::binary);
  out << text;
  out.close();
  if (!out) {
    std::fprintf(stderr, "lark_oper_slots: cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
