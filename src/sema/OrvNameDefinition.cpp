// Names as the source is read: the lookup of every user-defined word in the
// tables of the open programs, and the definition of a name by the
// grammar's actions.
#include <iostream>

#include "OrvDialMasks.h"
#include "OrvExpr.h"
#include "OrvNameNodes.h"
#include "OrvParserImpl.h"
#include "OrvParserNames.h"
#include "OrvSymTab.h"

namespace {

// Dialects in which a name may be defined again in the same category
// without a warning: ANSI-85, IBM VS/II, X/Open, Micro Focus, Microsoft,
// Ryan McFarland - 85 and Wang VS.
const OrvDials kRepeatableDefinitionDials = ORV_DIAL_MASK_ANSI85 | ORV_DIAL_MASK_VSII |
                                           ORV_DIAL_MASK_XOPEN | ORV_DIAL_MASK_MF |
                                           ORV_DIAL_MASK_MS | ORV_DIAL_MASK_RM85 |
                                           ORV_DIAL_MASK_WANG;
static_assert(kRepeatableDefinitionDials == 0x4bf34, "the seven dialects of repeated definitions");

// An element of an enclosing program's table is seen from a nested program
// only for these categories.
bool VisibleFromNested(int category) {
  switch (category) {
    case SYMCAT_SYMBOLIC_CHAR:
    case SYMCAT_SYMBOLIC_CONSTANT:
    case SYMCAT_USER_FIGURATIVE_CONST:
    case SYMCAT_CONSTANT_NAME:
    case SYMCAT_PROGRAM_NAME:
      return true;
    default:
      return false;
  }
}

const char* Text(const VString& s) { return s.text != nullptr ? s.text : ""; }

}  // namespace

OrvSymTabElt* FindNameInProg(OrvParserImpl* parser, const VString& name) {
  if (parser == nullptr) return nullptr;
  if (parser->ParserTrace()) std::cout << "*FindNameInProg: " << name << std::endl;
  int innermost = parser->progDepth - 1;
  if (innermost >= ORV_PROG_STACK_SIZE) innermost = ORV_PROG_STACK_SIZE - 1;
  OrvExpr* innerTable = nullptr;
  int insertAt = 0;
  // The tables are searched by name alone; the place of a new element is
  // sought only when the name is missing (under a trace every search takes
  // it, as the trace shows it).
  const bool tracing = OrvSymTabTraceLevel >= 1;
  for (int i = innermost; i >= 0; --i) {
    OrvExpr* table = OrvOwnerSymTab(parser->progStack[i]);
    if (table == nullptr) continue;
    int pos = 0;
    OrvSymTabElt* elt = OrvSymTabFindElt(table, name, tracing ? &pos : nullptr);
    if (i == innermost) {
      innerTable = table;
      insertAt = pos;
    }
    if (elt != nullptr && (i == innermost || i == 0 || VisibleFromNested(elt->Category()))) {
      return elt;
    }
  }
  if (innerTable == nullptr) return nullptr;
  if (!tracing) OrvSymTabFindElt(innerTable, name, &insertAt);
  OrvSymTabElt* elt = new OrvSymTabElt(name, SYMCAT_UNKNOWN, OrvLinkList());
  OrvSymTabInsElt(innerTable, elt, insertAt);
  return elt;
}

OrvNamedObjDef* OrvParserImpl::SymTabDefine(OrvSymTabElt* elt, int category, int mayRepeat) {
  if (elt == nullptr || elt->Oper() != SYMBOL_TABLE_ELT) {
    ReportToCallBack(MSG_TERMINAL,
                     VString("OrvParserImpl::SymTabDefine: expect SYMBOL_TABLE_ELT node"));
    return nullptr;
  }
  const VString& name = *elt->Image();
  if (category == SYMCAT_PROGRAM_NAME) {
    // Program names are file-wide: the element moves to the file's table.
    OrvExpr* fileTable = OrvOwnerSymTab(root);
    OrvExpr* oldTable = elt->Parent();
    if (fileTable != nullptr && oldTable != fileTable) {
      if (oldTable != nullptr) elt->DelThis();
      OrvSymTabAddElt(fileTable, elt);
      if (elt->Parent() == nullptr && oldTable != nullptr) {
        // The file's table already names another element so (reported):
        // the element stays where its uses find it.
        int pos = 0;
        OrvSymTabFindElt(oldTable, name, &pos);
        OrvSymTabInsElt(oldTable, elt, pos);
      }
    }
  }
  int old = elt->Category();
  if (!mayRepeat && old != SYMCAT_UNKNOWN && (lexerSettings.dials & kRepeatableDefinitionDials) == 0) {
    VString text = OrvFormat("Duplicate definition of %s '%s'",
                             Text(OrvSymCategoryName(category)), Text(name));
    ReportMessage(MSG_WARN, curPosn, text);
  }
  if (old == category || old == SYMCAT_UNKNOWN) {
    elt->SetCategory(category);
  } else if (!sameParaDataName) {
    VString text = OrvFormat("%s '%s' is already defined. You cannot redefine it as %s",
                             Text(OrvSymCategoryName(old)), Text(name),
                             Text(OrvSymCategoryName(category)));
    ReportMessage(MSG_ERR, curPosn, text);
  }
  OrvNamedObjDef* def =
      new OrvNamedObjDef(category, OrvLink(elt, ORV_NO_LINK_INDEX), OrvLinkList());
  definitionsOf.erase(elt);
  if (ParserTrace()) {
    std::cout << "=SymTabDef: ";
    elt->DebugDump(std::cout);
  }
  return def;
}
