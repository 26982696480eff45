// ACCEPT and DISPLAY items: the grammar builds every item in screen form;
// an item that uses none of the screen clauses becomes the ANSI form, or the
// function form when it names a device other than the console.
#include "OrvExprOper.h"
#include "OrvLink.h"
#include "OrvParserImpl.h"
#include "OrvPosnWalkers.h"
#include "OrvProgramFinish.h"
#include "OrvSlotAccess.h"
#include "OrvTreeUtil.h"
#include "OrvTreeWalk.h"

namespace {

// How one kind of screen item converts.
struct ScreenItemKind {
  OrvOper screenOp;       // the screen form
  OrvOper ansiOp;         // the ANSI form
  OrvOper funcOp;         // the function form
  OrvOper deviceOp;       // the FROM or UPON phrase in slot kDevice
  bool crtUnderKeeps;     // UPON CRT-UNDER keeps the screen form too
  const int* moved;       // slots that go to the ANSI form's slots 0, 1, ...
  int movedCount;
  bool dropsWithWord;     // the WITH word is deleted before the check for lost clauses
  bool trailingClauses;   // the slots after kCopyMarkers are screen clauses too
  const char* lostText;
};

// Slots shared by both screen forms; the screen clauses are the position,
// LINE, COLUMN, AT, MODE IS BLOCK and the attributes (slots 0, 2, 3, 4, 6
// and 8 to kLastAttribute).
const int kValue = 1;        // "Value To Display" / "Accept To"
const int kDevice = 5;       // "From or Upon"
const int kWithWord = 7;     // "With Word"
const int kLastAttribute = 29;  // "Blank"
const int kCopyMarkers = 30; // "CopyBegin/End"

const int kDisplayMoved[] = {1, 5, 30, 31};
const int kAcceptMoved[] = {1, 5, 30};

const ScreenItemKind kDisplay = {DISPLAY_SCREEN_ITEM, DISPLAY_ANSI_ITEM, DISPLAY_FUNC_ITEM,
                                 DSPL_UPON, true, kDisplayMoved, 4, true, false,
                                 "ProcessDisplayItem: clause #%d was lost"};
// ACCEPT keeps its WITH word, so a present one is reported lost.
const ScreenItemKind kAccept = {ACCEPT_SCREEN_ITEM, ACCEPT_ANSI_ITEM, ACCEPT_FUNC_ITEM,
                                ACCP_FROM, false, kAcceptMoved, 3, false, true,
                                "ProcessAcceptItem: clause #%d was lost"};

// The device a FROM or UPON phrase names (its slot 0), or null when the node
// is not such a phrase.
OrvExpr* DeviceOf(OrvExpr* phrase, OrvOper phraseOp) {
  return phrase != nullptr && phrase->Oper() == phraseOp ? OrvArgAt(phrase, 0) : nullptr;
}

// The program declares CONSOLE IS CRT in its SPECIAL-NAMES paragraph.
bool ConsoleIsCrt(OrvExpr* program) {
  OrvExpr* node = program;
  const int path[] = {1, 1, 3, 8};  // environment, configuration, special names, console
  for (int slot : path) {
    node = OrvArgAt(node, slot);
    if (!OrvPresent(node)) return false;
  }
  return true;
}

bool IsScreenClause(const ScreenItemKind& kind, int i, int slots) {
  if (i == 0 || i == 2 || i == 3 || i == 4 || i == 6) return true;
  if (i >= 8 && i <= kLastAttribute) return true;
  return kind.trailingClauses && i > kCopyMarkers && i < slots;
}

// The item needs its screen form.
bool KeepsScreenForm(const ScreenItemKind& kind, OrvExpr* item, OrvExpr* program) {
  OrvExpr* device = DeviceOf(OrvArgAt(item, kDevice), kind.deviceOp);
  if (device != nullptr &&
      (device->Oper() == IOF_CRT || (kind.crtUnderKeeps && device->Oper() == IOF_CRT_UNDER))) {
    return true;
  }
  if (ConsoleIsCrt(program)) return true;
  for (int i = 0; i < item->NArgs(); ++i) {
    if (IsScreenClause(kind, i, item->NArgs()) && OrvPresent(item->Args(i))) return true;
  }
  OrvExpr* value = OrvArgAt(item, kValue);
  if (value != nullptr && value->Oper() == NAMED_OBJ_USE) {
    OrvExpr* def = value->Link(0)->node;
    OrvExpr* section = def != nullptr ? OrvEnclosingSection(def) : nullptr;
    if (section != nullptr && section->Oper() == SECTION_SCREEN) return true;
  }
  return false;
}

// Moves whole argument slots (child and tokens) from `from` into slots 0,
// 1, ... of `to`.
void MoveSlots(OrvExpr* from, const int* slots, int count, OrvExpr* to) {
  for (int k = 0; k < count; ++k) {
    if (slots[k] >= from->NArgs()) continue;
    OrvArgSlot* slot = from->DelArgSlot(slots[k], 0, 0);
    to->SetArg(k, slot);
  }
}

// The item converted; `item` is retired (the walk visits it).
void Convert(const ScreenItemKind& kind, OrvExpr* item, OrvParserImpl* parser) {
  OrvTxtPosn itemPosn = OrvSrcPosnBegWalker(item);
  OrvExpr* ansi = new OrvExprOper(kind.ansiOp);
  MoveSlots(item, kind.moved, kind.movedCount, ansi);
  ansi->ArgSlots(0)->order = 0;
  if (kind.dropsWithWord && kWithWord < item->NArgs()) delete item->DelArg(kWithWord, 0, 0);
  for (int i = 0; i < item->NArgs(); ++i) {
    if (!OrvPresent(item->Args(i))) continue;
    VString text = OrvFormat(kind.lostText, i);
    if (parser != nullptr) parser->ReportMessage(MSG_WARN, itemPosn, text);
  }
  OrvExpr* replaced = item->ReplThis(ansi);
  if (parser != nullptr) {
    parser->RetireNode(replaced);
  } else {
    delete replaced;
  }

  OrvExpr* target = OrvArgAt(ansi, 1);
  if (!OrvPresent(target)) return;
  OrvExpr* device = DeviceOf(target, kind.deviceOp);
  if (device != nullptr && device->Oper() == IOF_CONSOLE) return;
  // The function form has no advancing phrase: a DISPLAY's goes with the
  // ANSI form.
  OrvExpr* func = new OrvExprOper(kind.funcOp);
  const int firstThree[] = {0, 1, 2};
  MoveSlots(ansi, firstThree, 3, func);
  delete ansi->ReplThis(func);
}

// The program an item belongs to: the nearest COBOL_PROGRAM above it, else
// the program being finished.
OrvExpr* OwningProgram(OrvExpr* item, OrvExpr* finished) {
  for (OrvExpr* n = item->Parent(); n != nullptr; n = n->Parent()) {
    if (n->Oper() == COBOL_PROGRAM) return n;
  }
  return finished;
}

// Subtrees that hold no statement, and so no ACCEPT or DISPLAY item: the
// divisions before the PROCEDURE DIVISION, the symbol table and a data
// name's use (its qualifiers and subscripts).  The walk need not enter them.
bool HoldsNoStatement(int op) {
  switch (op) {
    case DIVISION_IDENTIFICATION:
    case DIVISION_ENVIRONMENT:
    case DIVISION_DATA:
    case SYMBOL_TABLE_ELT_LIST:
    case NAMED_OBJ_USE:
      return true;
    default:
      return false;
  }
}

}  // namespace

int ProcessAcceptItem(OrvExpr* node, void* context) {
  const ScreenItemKind* kind = nullptr;
  if (node->Oper() == DISPLAY_SCREEN_ITEM) kind = &kDisplay;
  if (node->Oper() == ACCEPT_SCREEN_ITEM) kind = &kAccept;
  if (kind == nullptr) return HoldsNoStatement(node->Oper()) ? ORV_WALK_SKIP : ORV_WALK_CHILDREN;
  // A contained program's items are visited again when the enclosing
  // program is finished: its own CONSOLE IS CRT decides for them.
  OrvExpr* program = OwningProgram(node, static_cast<OrvExpr*>(context));
  // An item without a parent has no place to take its new form.
  if (node->Parent() != nullptr && !KeepsScreenForm(*kind, node, program)) {
    Convert(*kind, node, currentParser);
  }
  return ORV_WALK_SKIP;
}
