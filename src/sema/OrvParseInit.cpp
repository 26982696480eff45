// Parse initialisation and the table of special registers.
#include "OrvParseInit.h"

#include "OrvDialMasks.h"
#include "OrvExprOper.h"
#include "OrvOperSlots.h"
#include "OrvParserImpl.h"
#include "OrvSymTab.h"
#include "OrvSymTabList.h"

const OrvSpecialRegister OrvSpecialRegisterTable[] = {
#define ORV_SPECIAL_REGISTER(Depth, Level, Name, Picture, Usage, Dialects) \
  {{Depth, Level, Name, Picture, Usage, nullptr}, Dialects},
#include "OrvSpecialRegisters.def"
    {{0, 0, nullptr, nullptr, DU_NONE, nullptr}, 0},
};
static_assert(sizeof(OrvSpecialRegisterTable) / sizeof(OrvSpecialRegisterTable[0]) ==
                  ORV_SPECIAL_REGISTER_ROWS + 1,
              "the registers and the end row");

int OrvSelectSpecialRegisters(OrvDials dials, OrvDataItemHierRec* rows) {
  int n = 0;
  for (const OrvSpecialRegister* r = OrvSpecialRegisterTable; r->item.name != nullptr; ++r) {
    if (OrvDialsShareDialect(dials, r->dialects)) rows[n++] = r->item;
  }
  rows[n] = OrvSpecialRegisterTable[ORV_SPECIAL_REGISTER_ROWS].item;
  return n;
}

void InitParseTree(OrvParserImpl* parser) {
  OrvExpr* root = new OrvExprOper(COBOL_FILE);
  parser->root = root;
  if (parser->progDepth < ORV_PROG_STACK_SIZE) parser->progStack[parser->progDepth++] = root;

  OrvExpr* registers = new OrvExprOper(DECL_DD_LIST);
  root->SetArg(COBOL_FILE__EXTERNAL_DEFINITIONS, registers, -1, 0);
  OrvExpr* table = new OrvSymTabList();
  parser->curSymTab = table;
  root->SetArg(FILE_SYMBOL_TABLE, table, -1, 0);

  OrvDataItemHierRec rows[ORV_SPECIAL_REGISTER_ROWS + 1];
  OrvSelectSpecialRegisters(parser->lexerSettings.dials, rows);
  VString ignored;
  OrvDeclDataItemHierarchy(registers, rows, 0, root, ignored);

  const VStringArray& constants = parser->setConstants;
  for (int i = 0; i < constants.count && i < constants.capacity; ++i) {
    parser->lexer.SetConstant(constants.items[i], root);
  }
}
