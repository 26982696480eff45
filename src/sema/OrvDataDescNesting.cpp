// Data-description nesting: the flat sequence of data-description, report
// group and screen entries becomes the record hierarchy.  Each entry is
// wrapped in a holder node and hung below the nearest open entry of a lower
// level; finished records are collected in recordList for the grammar.  On
// the way COPY, REPLACE and INCLUDE markers among the entries are placed,
// the entries of levels 66, 78 and 88 are checked and converted, and VALUE
// clauses take their final form.
#include <initializer_list>

#include "OrvConstNodes.h"
#include "OrvExprOper.h"
#include "OrvListExpr.h"
#include "OrvNameNodes.h"
#include "OrvOperSlots.h"
#include "OrvParserImpl.h"
#include "OrvSlotAccess.h"
#include "OrvTreeUtil.h"

namespace {

// Level numbers with a meaning of their own.
const int kLevelRecord = 1;
const int kLevelRenames = 66;
const int kLevelIndependent = 77;
const int kLevelConstant = 78;
const int kLevelCondition = 88;


const OrvClausePermission F = ORV_CLAUSE_FORBIDDEN;
const OrvClausePermission A = ORV_CLAUSE_ALLOWED;
const OrvClausePermission R = ORV_CLAUSE_REQUIRED;

// The holders of data, report group and screen entries share one layout.
static_assert(DECL_RGD__REPORT_GROUP_ENTRY == DECL_DD__DATA_DESCRIPTION_ENTRY &&
                  DECL_SCRD__SCREEN_DESCRIPTION_ENTRY == DECL_DD__DATA_DESCRIPTION_ENTRY &&
                  DECL_RGD__SUBORDINATE_ENTRIES == DECL_DD__SUBORDINATE_ENTRIES &&
                  DECL_SCRD__SUBORDINATE_ENTRIES == DECL_DD__SUBORDINATE_ENTRIES,
              "every holder keeps its entry and its subordinates in the same slots");

// One permission per slot of a data-description entry: the slots listed
// as required and allowed, every other slot forbidden.
struct EntryPermissions {
  OrvClausePermission bySlot[ORV_DD_ENTRY_SLOTS];
};
constexpr EntryPermissions Permit(std::initializer_list<int> required, std::initializer_list<int> allowed) {
  EntryPermissions p{};
  for (OrvClausePermission& slot : p.bySlot) slot = F;
  for (int slot : required) p.bySlot[slot] = R;
  for (int slot : allowed) p.bySlot[slot] = A;
  return p;
}

// Which clauses a 66, 78 and 88 entry must and may have: the level number
// and the name, the renamed items or the value; the COPY markers around the
// name may stand.
constexpr EntryPermissions kRenamesPermissions =
    Permit({DECL_DD_ENTRY__LEVEL_NUMBER, DECL_DD_ENTRY__DATA_ITEM_DEFINED, DECL_DD_ENTRY__RENAMES},
           {DECL_DD_ENTRY__COPY_BEFORE_NAME, DECL_DD_ENTRY__COPYBEGIN_END_SYNTAXERROR});
constexpr EntryPermissions kConstantPermissions =
    Permit({DECL_DD_ENTRY__LEVEL_NUMBER, DECL_DD_ENTRY__DATA_ITEM_DEFINED, DECL_DD_ENTRY__VALUE},
           {DECL_DD_ENTRY__COPY_BEFORE_NAME, DECL_DD_ENTRY__COPYBEGIN_END_SYNTAXERROR});
constexpr EntryPermissions kConditionPermissions = kConstantPermissions;

// The slots of the entry that a 78 entry (DECL_CONST_ENTRY) and an 88 entry
// (DECL_COND_ENTRY) take over, in the new node's slot order.
const int kConvertedSlots[] = {DECL_DD_ENTRY__LEVEL_NUMBER, DECL_DD_ENTRY__COPY_BEFORE_NAME,
                               DECL_DD_ENTRY__DATA_ITEM_DEFINED, DECL_DD_ENTRY__VALUE,
                               DECL_DD_ENTRY__COPYBEGIN_END_SYNTAXERROR};
static_assert(DECL_CONST_ENTRY__LEVEL_NUMBER == 0 && DECL_CONST_ENTRY__COPY_BEFORE_NAME == 1 &&
                  DECL_CONST_ENTRY__CONSTANT_NAME_DEFINED == 2 && DECL_CONST_ENTRY__CONSTANT_VALUE == 3 &&
                  DECL_CONST_ENTRY__COPYBEGIN_END_SYNTAXERROR == 4 && DECL_COND_ENTRY__LEVEL_NUMBER == 0 &&
                  DECL_COND_ENTRY__COPY_BEFORE_NAME == 1 && DECL_COND_ENTRY__CONDITION_NAME_DEFINED == 2 &&
                  DECL_COND_ENTRY__CONDITION_VALUE == 3 && DECL_COND_ENTRY__COPYBEGIN_END_SYNTAXERROR == 4,
              "78 and 88 entries take the converted slots in the order of the list above");

bool IsBeginMarker(int op) {
  return op == STMT_INLINED_COPY_BEG || op == STMT_REPLACE || op == STMT_INLINED_INCLUDE_BEG;
}

bool IsEndMarker(int op) {
  return op == STMT_INLINED_COPY_END || op == STMT_REPLACE_OFF ||
         op == STMT_INLINED_INCLUDE_END;
}

// The entries the grammar builds for data-description, report group and
// screen entries.
bool IsEntry(int op) {
  return op == DECL_DD_ENTRY || op == DECL_DD_ENTRY_WANG_DISPLAY || op == DECL_RGD_ENTRY ||
         op == DECL_SCRD_ENTRY;
}

// A holder node: only these take subordinates in their slot 1.
bool IsHolder(const OrvExpr* node) {
  int op = node != nullptr ? node->Oper() : 0;
  return op == DECL_DD || op == DECL_RGD || op == DECL_SCRD;
}

// The nesting level of a level number: 66 ranks as 2, 77 as 1.
int NestingLevel(int level) {
  if (level == kLevelRenames) return 2;
  if (level == kLevelIndependent) return 1;
  return level;
}

// Takes the value out of a VALUE clause in condition-value form and turns
// the clause into `op` (DX_VALUE or EX_CONST_VALUE) with that value in slot 0.
// The value is the From value of the first range; the tokens in front of it
// go to slot 0, the tokens of every part that is dropped (a To value, further
// ranges, a WHEN FALSE value) go in front of the clause's own tokens.
void TakeFirstValue(OrvExpr* clause, OrvOper op) {
  OrvExpr* ranges = clause->DelArg(EX_COND_VALUE__VALUE_RANGES, 0, 0);
  OrvExpr* whenFalse = clause->DelArg(EX_COND_VALUE__WHEN_FALSE, 0, 0);
  OrvArgSlot* valueSlot = clause->ArgSlots(EX_COND_VALUE__VALUE_RANGES);
  OrvExpr* first = ranges;
  if (ranges != nullptr && ranges->Oper() != EX_VALUE_RANGE) {
    first = ranges->NArgs() > 0 ? ranges->Args(0) : nullptr;
    if (first != nullptr) valueSlot->tokens.Splice(ranges->ArgSlots(0)->tokens);
  }
  OrvExpr* from = nullptr;
  if (first != nullptr && first->NArgs() > EX_VALUE_RANGE__VALUE) {
    valueSlot->tokens.Splice(first->ArgSlots(EX_VALUE_RANGE__VALUE)->tokens);
    from = first->DelArg(EX_VALUE_RANGE__VALUE, 0, 0);
  }
  OrvTokenList dropped;
  OrvGatherTokensWalker(ranges, dropped);
  dropped.Splice(clause->ArgSlots(EX_COND_VALUE__WHEN_FALSE)->tokens);
  OrvGatherTokensWalker(whenFalse, dropped);
  delete ranges;
  delete whenFalse;
  static_assert(DX_VALUE__VALUE_CLAUSE == EX_COND_VALUE__VALUE_RANGES && EX_CONST_VALUE__VALUE == EX_COND_VALUE__VALUE_RANGES,
                "the value stays in the slot of the ranges");
  clause->SetOper(op, 0, 1);
  clause->SetArg(EX_COND_VALUE__VALUE_RANGES, from, -1, 0);
  clause->Tokens().Prepend(dropped);
}

// True when a VALUE clause in condition-value form gives exactly one value:
// no WHEN FALSE, one range, a From value and no To value.
bool IsSingleValue(const OrvExpr* clause) {
  if (clause->Oper() != EX_COND_VALUE || OrvPresent(OrvArgAt(clause, EX_COND_VALUE__WHEN_FALSE))) {
    return false;
  }
  const OrvExpr* ranges = OrvArgAt(clause, EX_COND_VALUE__VALUE_RANGES);
  const OrvExpr* range = ranges;
  if (ranges != nullptr && ranges->Oper() != EX_VALUE_RANGE) {
    if (ranges->NArgs() != 1) return false;
    range = ranges->Args(0);
  }
  return range != nullptr && OrvPresent(OrvArgAt(range, EX_VALUE_RANGE__VALUE)) &&
         !OrvPresent(OrvArgAt(range, EX_VALUE_RANGE__THROUGH_VALUE));
}

}  // namespace

// Checks the shape of a VALUE clause (levels other than 66 and 88) and
// converts it to `op`.
static void ConvertValueClause(OrvParserImpl* parser, OrvExpr* clause, OrvOper op) {
  if (clause->Oper() != EX_COND_VALUE) return;
  if (!IsSingleValue(clause)) {
    parser->ReportMessage(MSG_ERR, parser->curPosn, VString("Incorrect Value clause"));
  }
  TakeFirstValue(clause, op);
}

// Puts `replacement` where `entry` stands (in its holder, or on the level
// stack when it was placed without one) and deletes `entry`.  Everything of
// the entry that the replacement did not take keeps its tokens: they go, in
// source order, to the end of the replacement's token list.
static void ReplaceEntry(OrvParserImpl* parser, OrvExpr* entry, OrvExpr* replacement) {
  OrvGatherTokensWalker(entry, replacement->Tokens());
  if (entry->Parent() != nullptr) entry->ReplThis(replacement);
  for (int i = 1; i <= parser->levelDepth; ++i) {
    if (parser->levelStack[i].holder == entry) parser->levelStack[i].holder = replacement;
  }
  delete entry;
}

// A DECL_CONST_ENTRY (78) or DECL_COND_ENTRY (88) that takes over the
// entry's level, COPY marker before the name, name, value and COPY marker
// slots with their tokens.
static OrvExpr* TakeConvertedSlots(OrvExpr* entry, OrvOper op) {
  OrvExpr* converted = new OrvExprOper(op);
  int to = 0;
  for (int from : kConvertedSlots) {
    if (from < entry->NArgs()) converted->SetArg(to, entry->DelArgSlot(from, 0, 0));
    ++to;
  }
  return converted;
}

// A level-78 entry becomes a DECL_CONST_ENTRY whose value is EX_CONST_VALUE;
// its name becomes a constant-name.
static void ConvertConstantEntry(OrvParserImpl* parser, OrvExpr* entry) {
  parser->CheckEntryClauses(entry, kConstantPermissions.bySlot, "78-level constant", parser->curPosn);
  OrvExpr* name = OrvArgAt(entry, DECL_DD_ENTRY__DATA_ITEM_DEFINED);
  OrvExpr* element = name != nullptr && name->Oper() == NAMED_OBJ_DEF ? name->Link(0)->node
                                                                       : nullptr;
  if (element != nullptr && element->Oper() == SYMBOL_TABLE_ELT) {
    static_cast<OrvSymTabElt*>(element)->SetCategory(SYMCAT_CONSTANT_NAME);
  } else {
    parser->ReportMessage(MSG_ERR, parser->curPosn,
                          VString("Name in 78-level constant is not new constant-name"));
  }
  OrvExpr* constant = TakeConvertedSlots(entry, DECL_CONST_ENTRY);
  OrvExpr* value = constant->Args(DECL_CONST_ENTRY__CONSTANT_VALUE);
  if (OrvPresent(value)) ConvertValueClause(parser, value, EX_CONST_VALUE);
  ReplaceEntry(parser, entry, constant);
}

// A level-88 entry becomes a DECL_COND_ENTRY; its value keeps the
// condition-value form.
static void ConvertConditionEntry(OrvParserImpl* parser, OrvExpr* entry) {
  parser->CheckEntryClauses(entry, kConditionPermissions.bySlot, "condition-name", parser->curPosn);
  OrvExpr* name = OrvArgAt(entry, DECL_DD_ENTRY__DATA_ITEM_DEFINED);
  if (name == nullptr || name->Oper() != NAMED_OBJ_DEF) {
    parser->ReportMessage(MSG_ERR, parser->curPosn, VString("Condition has no data-name"));
  }
  ReplaceEntry(parser, entry, TakeConvertedSlots(entry, DECL_COND_ENTRY));
}

// The clauses of a Wang DISPLAY entry that an ordinary entry has no slot for
// (row, column, source, range, table) are dropped when the entry becomes an
// ordinary one; their text stays in front of the entry's own tokens.
static void MakeOrdinaryEntry(OrvExpr* entry) {
  OrvTokenList dropped;
  for (int i = ORV_DD_ENTRY_SLOTS; i < entry->NArgs(); ++i) {
    dropped.Splice(entry->ArgSlots(i)->tokens);
    OrvExpr* clause = entry->DelArg(i, 0, 0);
    OrvGatherTokensWalker(clause, dropped);
    delete clause;
  }
  entry->SetOper(DECL_DD_ENTRY, 0, 1);
  entry->Tokens().Prepend(dropped);
}

// True when the record being built has USAGE DISPLAY-WS on its root entry.
static bool RecordIsDisplayWs(const OrvParserImpl* parser) {
  OrvExpr* root = parser->levelStack[1].holder;
  OrvExpr* entry = IsHolder(root) ? OrvArgAt(root, DECL_DD__DATA_DESCRIPTION_ENTRY) : root;
  OrvExpr* usage = OrvArgAt(entry, DECL_DD_ENTRY__USAGE);
  OrvExpr* kind = OrvPresent(usage) ? OrvArgAt(usage, DX_USAGE__USAGE_KIND) : nullptr;
  return kind != nullptr && kind->Oper() == DU_DISPLAY_WS;
}

int OrvParserImpl::AddDataDescEntry(int level, OrvExpr* node, short holderCode) {
  // A real entry written with level 99 is placed like any other entry; the
  // level check of the grammar has reported its level.
  if (level == ORV_MARKER_LEVEL && (node == nullptr || !IsEntry(node->Oper()))) {
    int op = node != nullptr ? node->Oper() : 0;
    if (IsBeginMarker(op) || (IsEndMarker(op) && pendingMarkers != nullptr)) {
      pendingMarkers = OrvListExpr(DECL_DD_LIST, pendingMarkers, node);
      return -1;
    }
    if (!IsEndMarker(op)) return -1;
    int at = ORV_MARKER_LEVEL;
    if (levelDepth > 0) {
      int top = levelStack[levelDepth].level;
      if (top == kLevelConstant || top == kLevelCondition) at = top;
    }
    return PushDataDescEntry(at, node, ORV_NO_HOLDER);
  }
  // An entry whose level number is 00 (or out of range) opens a record.
  if (node != nullptr && level <= 0) level = kLevelRecord;
  if (pendingMarkers != nullptr) {
    // Begin markers become siblings in front of the entry that follows them.
    OrvExpr* markers = pendingMarkers;
    pendingMarkers = nullptr;
    int markerLevel = level > 0 ? level : kLevelRecord;
    for (int i = 0; i < markers->NArgs(); ++i) {
      OrvExpr* marker = markers->DelArg(i, 0, 0);
      if (marker != nullptr) PushDataDescEntry(markerLevel, marker, ORV_NO_HOLDER);
    }
    delete markers;
  }
  return PushDataDescEntry(level, node, holderCode);
}

int OrvParserImpl::PushDataDescEntry(int level, OrvExpr* node, short holderCode) {
  if (node != nullptr && level <= 0) level = kLevelRecord;
  OrvExpr* holder = node;
  if (holderCode != ORV_NO_HOLDER && node != nullptr) {
    holder = new OrvExprOper(static_cast<OrvOper>(holderCode), node, new OrvNullNode);
  }
  int n = NestingLevel(level);

  // Close the open entries at or below this level.  A marker entry is closed
  // by whatever follows: it takes no subordinates.
  bool open = levelDepth > 0;
  while (levelDepth > 0 &&
         (levelStack[levelDepth].level >= n || !IsHolder(levelStack[levelDepth].holder))) {
    --levelDepth;
  }
  if (open && levelDepth == 0) {
    recordList = OrvListExpr(DECL_DD_LIST, recordList, levelStack[1].holder);
  }
  if (n <= 0 || holder == nullptr) return levelDepth;

  if (holder->Oper() == DECL_DD && level != kLevelRecord && level != kLevelIndependent &&
      level != kLevelConstant && levelDepth == 0) {
    ReportMessage(MSG_ERR, curPosn,
                  VString("Non-01(77,78) Data Description Entry heads Record Description"));
  }
  if (levelDepth >= ORV_LEVEL_STACK_SIZE) {
    // A sink that returns from the terminal message: the entry still goes
    // below the innermost open entry, without a stack entry of its own.
    ReportToCallBack(MSG_TERMINAL, VString("Too many levels in record structure definition"));
    levelStack[levelDepth].holder->SetArgToList(DECL_DD__SUBORDINATE_ENTRIES, DECL_DD_LIST, holder);
  } else {
    if (levelDepth > 0) {
      levelStack[levelDepth].holder->SetArgToList(DECL_DD__SUBORDINATE_ENTRIES, DECL_DD_LIST, holder);
    }
    ++levelDepth;
    levelStack[levelDepth] = OrvLevelEntry{n, holder};
  }

  if (node->Oper() == DECL_DD_ENTRY_WANG_DISPLAY && !RecordIsDisplayWs(this)) {
    MakeOrdinaryEntry(node);
  }
  if (node->Oper() != DECL_DD_ENTRY) return levelDepth;
  if (level == kLevelConstant) {
    ConvertConstantEntry(this, node);
  } else if (level == kLevelRenames) {
    CheckEntryClauses(node, kRenamesPermissions.bySlot, "66-level data-name", curPosn);
  } else if (level == kLevelCondition) {
    ConvertConditionEntry(this, node);
  } else {
    OrvExpr* value = OrvArgAt(node, DECL_DD_ENTRY__VALUE);
    if (OrvPresent(value)) ConvertValueClause(this, value, DX_VALUE);
  }
  return levelDepth;
}

void OrvParserImpl::CheckEntryClauses(OrvExpr* entry, const OrvClausePermission* permissions,
                                      const char* kind, const OrvTxtPosn& position) {
  for (int i = 0; i < entry->NArgs(); ++i) {
    OrvClausePermission p = i < ORV_DD_ENTRY_SLOTS ? permissions[i] : ORV_CLAUSE_FORBIDDEN;
    bool present = OrvPresent(entry->Args(i));
    const char* form = nullptr;
    if (p == ORV_CLAUSE_FORBIDDEN && present) {
      form = "In %s clause '%s' is present. It must not be present.";
    } else if (p == ORV_CLAUSE_REQUIRED && !present) {
      form = "In %s clause '%s' is missing. It must be present.";
    }
    if (form == nullptr) continue;
    VString name = OrvOperArgName(entry->Oper(), i);
    ReportMessage(MSG_ERR, position,
                  OrvFormat(form, kind, name.text != nullptr ? name.text : ""));
  }
}
