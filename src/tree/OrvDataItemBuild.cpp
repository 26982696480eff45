// Builders of data-item declarations added by the toolkit.
#include "OrvDataItemBuild.h"

#include "OrvConstNodes.h"
#include "OrvExprOper.h"
#include "OrvNameNodes.h"
#include "OrvOperSlots.h"
#include "OrvSymTab.h"

namespace {

// The storage sections keep their entries in one slot.
static_assert(SECTION_LINKAGE__DATA_DESCRIPTION_ENTRIES == SECTION_WORKING_STORAGE__DATA_DESCRIPTION_ENTRIES &&
                  SECTION_LOCAL_STORAGE__DATA_DESCRIPTION_ENTRIES == SECTION_WORKING_STORAGE__DATA_DESCRIPTION_ENTRIES,
              "every storage section keeps its entries in the same slot");

bool IsAbsent(OrvExpr* node) { return node == nullptr || node->Oper() == NULL_NODE; }

OrvExpr* LevelConst(int level) {
  return new OrvIntNumConst(OrvFormat("%02d", level), level);
}

}  // namespace

OrvExpr* OrvDeclDataItem(OrvNamedObjDef** defOut, int level, const VString& name, int unique,
                         const VString& picture, OrvExpr* usage, OrvExpr* value,
                         OrvExpr* owner) {
  OrvNamedObjDef* def = OrvSymTabDefineName(name, SYMCAT_DATA_NAME, unique, owner);
  if (defOut != nullptr) *defOut = def;
  OrvExpr* entry = new OrvExprOper(DECL_DD_ENTRY);
  entry->SetArg(DECL_DD_ENTRY__LEVEL_NUMBER, LevelConst(level), -1, 0);
  entry->SetArg(DECL_DD_ENTRY__DATA_ITEM_DEFINED, def, -1, 0);
  if (picture.length > 0) {
    entry->SetArg(DECL_DD_ENTRY__PICTURE, new OrvExprOper(DX_PICTURE, new OrvCharString(picture)), -1, 0);
  }
  if (usage != nullptr) entry->SetArg(DECL_DD_ENTRY__USAGE, new OrvExprOper(DX_USAGE, usage), -1, 0);
  if (value != nullptr) entry->SetArg(DECL_DD_ENTRY__VALUE, new OrvExprOper(DX_VALUE, value), -1, 0);
  return new OrvExprOper(DECL_DD, entry, nullptr);
}

OrvExpr* OrvDeclConstEntry(OrvNamedObjDef** defOut, const VString& name, OrvExpr* value,
                           OrvExpr* owner) {
  OrvNamedObjDef* def = OrvSymTabDefineName(name, SYMCAT_CONSTANT_NAME, 1, owner);
  if (defOut != nullptr) *defOut = def;
  OrvExpr* entry = new OrvExprOper(DECL_CONST_ENTRY);
  entry->SetArg(DECL_CONST_ENTRY__LEVEL_NUMBER, LevelConst(78), -1, 0);
  entry->SetArg(DECL_CONST_ENTRY__CONSTANT_NAME_DEFINED, def, -1, 0);
  if (value != nullptr) entry->SetArg(DECL_CONST_ENTRY__CONSTANT_VALUE, new OrvExprOper(EX_CONST_VALUE, value), -1, 0);
  return new OrvExprOper(DECL_DD, entry, nullptr);
}

OrvResult OrvDeclDataItemHierarchy(OrvExpr* list, const OrvDataItemHierRec* rows, int hideTop,
                                   OrvExpr* owner, VString& message) {
  if (list == nullptr || rows == nullptr) return ORV_OK;
  // The first item is the one a deeper row hangs under: without a depth-0
  // row first there is nothing to hang it on.
  if (rows[0].name != nullptr && rows[0].depth != 0) {
    message = OrvFormat("OrvDeclDataItemHierarchy: first row has depth %d, not 0",
                        rows[0].depth);
    return ORV_DATA_ITEM_TABLE_BAD;
  }
  OrvExpr* saved[OrvDataItemMaxDepth];
  OrvExpr* current = list;
  int depth = 0;
  for (const OrvDataItemHierRec* row = rows; row->name != nullptr; ++row) {
    // Check the change of depth before the item is built, so that a bad row
    // leaves nothing behind.
    OrvExpr* next = current;
    if (row->depth == depth + 1) {
      if (depth > OrvDataItemMaxDepth - 1) {
        message = OrvFormat("OrvDeclDataItemHierarchy: Nesting of DDs is too deep");
        return ORV_DATA_ITEM_TABLE_BAD;
      }
    } else if (row->depth == depth - 1) {
      if (depth < 1) {
        message = OrvFormat("OrvDeclDataItemHierarchy: Stack is empty");
        return ORV_DATA_ITEM_TABLE_BAD;
      }
      next = saved[row->depth];
    } else if (row->depth != depth) {
      message = OrvFormat("OrvDeclDataItemHierarchy: bad depth switch");
      return ORV_DATA_ITEM_TABLE_BAD;
    }
    if (row->depth == depth + 1) {
      int n = current->NArgs();
      OrvExpr* last = n > 0 ? current->Args(n - 1) : nullptr;
      if (last == nullptr) {
        message = OrvFormat("OrvDeclDataItemHierarchy: Stack is empty");
        return ORV_DATA_ITEM_TABLE_BAD;
      }
      saved[depth] = current;
      next = new OrvExprOper(DECL_DD_LIST);
      last->SetArg(DECL_DD__SUBORDINATE_ENTRIES, next, -1, 0);
    }
    current = next;
    depth = row->depth;

    OrvExpr* usage = row->usage != DU_NONE ? new OrvExprOper(static_cast<OrvOper>(row->usage))
                                           : nullptr;
    OrvExpr* value = row->value != nullptr ? row->value->Clone() : nullptr;
    OrvNamedObjDef* def = nullptr;
    OrvExpr* item = OrvDeclDataItem(&def, row->level, VString(row->name), 0,
                                    VString(row->picture), usage, value, owner);
    if (row->depth == 0 && hideTop) item->SetOper(DECL_DD_HIDDEN, 1, 0);
    current->AddArg(item);
  }
  return ORV_OK;
}

void OrvAddDataDeclToSection(OrvExpr* decl, int section, int sectionOp, OrvExpr* program) {
  if (decl == nullptr || program == nullptr || COBOL_PROGRAM__DATA_DIVISION >= program->NArgs()) return;
  OrvExpr* division = program->Args(COBOL_PROGRAM__DATA_DIVISION);
  if (IsAbsent(division)) {
    division = new OrvExprOper(DIVISION_DATA);
    program->SetArg(COBOL_PROGRAM__DATA_DIVISION, division, -1, 0);
  }
  if (section < 0 || section >= division->NArgs()) return;
  OrvExpr* sect = division->Args(section);
  if (IsAbsent(sect)) {
    sect = new OrvExprOper(static_cast<OrvOper>(sectionOp));
    division->SetArg(section, sect, -1, 0);
  }
  sect->SetArgToList(SECTION_WORKING_STORAGE__DATA_DESCRIPTION_ENTRIES, DECL_DD_LIST, decl);
}

OrvExpr* OrvNewMoveStmt(OrvExpr* source, OrvExpr* target) {
  return new OrvExprOper(STMT_MOVE, source, new OrvExprOper(IDENT_LIST, target));
}
