// The derivation of an argument slot's identifier in the operation name
// table, shared by the name table (OrvOper.cpp) and the build-time program
// that writes the slot constants (tools/OperSlotsMain.cpp), so that both
// spell every identifier alike.  Standard library only: the build-time
// program is compiled from it before the tree library exists.
#ifndef LARK_TREE_ORVOPERARGIDENT_H
#define LARK_TREE_ORVOPERARGIDENT_H

#include <string>

// The identifier of argument slot `slotName` of operation `opName`: `fixed`
// when the argument-name table fixes one for the slot (ORV_OPER_ARG_IDENT;
// null otherwise), else the operation NAME, two underscores and the slot
// name in upper case, each run of other characters one underscore and none
// at the end ("End Of File" of COBOL_FILE gives COBOL_FILE__END_OF_FILE).
std::string OrvOperArgIdent(const char* opName, const char* slotName, const char* fixed);

#endif
